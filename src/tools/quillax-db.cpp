// quillax-db: creates, migrates and fills the hospital databases.
#include "components/AppError.h"
#include "components/Connection.h"
#include "hospitaldb/FoldedSearch.h"
#include "hospitaldb/Schema.h"

#include <QCoreApplication>
#include <QTextStream>
#include <optional>

using namespace qx;

static int usage() {
    QTextStream(stderr) << "usage: quillax-db init|migrate|version [--sqlite DIR | --pg URL] [--demo] [--site CODE]\n"
                           "  --site CODE makes CODE the hospital's site code (ClientName), which selects\n"
                           "  per-site behaviour at the next start; an empty CODE switches none on.\n"
                           "  Without --sqlite or --pg the address comes from QUILLAX_DB, the user's setting,\n"
                           "  or the embedded folder " << defaultSqliteDir() << ".\n";
    return 2;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    QString url;
    bool demo = false;
    std::optional<QString> site;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--sqlite") && !args.isEmpty())
            url = QStringLiteral("sqlite:") + args.takeFirst();
        else if (a == QLatin1String("--pg") && !args.isEmpty())
            url = args.takeFirst();
        else if (a == QLatin1String("--demo"))
            demo = true;
        else if (a == QLatin1String("--site") && !args.isEmpty())
            site = args.takeFirst().trimmed();
        else
            return usage();
    }
    if (url.isEmpty())
        url = configuredDatabaseUrl();
    QTextStream out(stdout);
    try {
        auto c = Connection::open(url);
        if (command == QLatin1String("version")) {
            out << hospitaldb::schemaVersion(*c) << "\n";
            return 0;
        }
        if (command != QLatin1String("init") && command != QLatin1String("migrate"))
            return usage();
        const int ran = hospitaldb::migrate(*c);
        hospitaldb::refreshFoldedSearchColumns(*c);
        out << "schema at version " << hospitaldb::schemaVersion(*c) << " (" << ran << " migrations applied)\n";
        if (demo) {
            if (hospitaldb::hasDemoData(*c)) {
                out << "demo data already present\n";
            } else {
                hospitaldb::fillDemo(*c);
                out << "demo data filled\n";
            }
        }
        if (site) {
            if (c->execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET ClientName = ?"), {*site}) == 0) {
                QTextStream(stderr) << "quillax-db: no hospital information to set the site code on (use --demo)\n";
                return 1;
            }
            out << "site code set to \"" << *site << "\"\n";
        }
        return 0;
    } catch (const AppError& e) {
        QTextStream(stderr) << "quillax-db: " << e.description() << "\n";
        return 1;
    }
}
