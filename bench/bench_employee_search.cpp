// The employee picker at volume: 50,000 master records, most of them employees of 200 company
// accounts, searched as the pharmacist types a name: each keystroke's reload of the list (the
// search procedure and the grid) is timed, on SQLite and (when QUILLAX_TEST_PG names a server)
// PostgreSQL; a keystroke slower than a fifth of a second fails the run.
#include "BenchSupport.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "components/Connection.h"
#include "platform/FlexGrid.h"
#include "posting/frmEmployeeList.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <cstdio>

using namespace qx;

namespace {

constexpr int kMasterRecords = 50000;
constexpr int kAccounts = 200;
constexpr int kRowsPerInsert = 400;
constexpr double kLimitMs = 200;

const char* const kSurnames[] = {"REYES", "SANTOS", "CRUZ", "BAUTISTA", "GARCIA", "MENDOZA", "TORRES", "RAMOS",
                                 "AQUINO", "CASTILLO", "VILLANUEVA", "DELA CRUZ", "FLORES", "GONZALES", "LOPEZ"};

void seed(Connection& c) {
    Transaction tx(c);
    for (int a = 0; a < kAccounts; ++a)
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES (?, ?, ?)"),
                  {QStringLiteral("AC%1").arg(a, 4, 10, QLatin1Char('0')), QStringLiteral("COMPANY %1").arg(a),
                   a % 2 ? QStringLiteral("S") : QStringLiteral("C")});
    const QString one = QStringLiteral("(?, ?, ?, ?, ?)");
    for (int start = 0; start < kMasterRecords; start += kRowsPerInsert) {
        QStringList values;
        QVariantList binds;
        for (int i = start; i < std::min(start + kRowsPerInsert, kMasterRecords); ++i) {
            values << one;
            const char* surname = kSurnames[i % std::size(kSurnames)];
            // Nine in ten are employees of an account; the rest are ordinary patients.
            binds << QStringLiteral("H%1").arg(i, 7, 10, QLatin1Char('0'))
                  << QStringLiteral("%1%2").arg(QString::fromLatin1(surname)).arg((i * 7919) % 997)
                  << QStringLiteral("FIRST%1").arg(i % 331) << QString()
                  << (i % 10 ? QVariant(QStringLiteral("AC%1").arg(i % kAccounts, 4, 10, QLatin1Char('0')))
                             : QVariant(QMetaType::fromType<QString>()));
        }
        c.execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName, "
                                 "MasterAccountCode) VALUES ") + values.join(QStringLiteral(", ")),
                  binds);
    }
    tx.commit();
}

bool run(Engine engine, const char* name) {
    test::TestDatabase database(engine);
    Connection& c = database.connection();
    QElapsedTimer seeding;
    seeding.start();
    seed(c);
    std::printf("%s: seeded in %.1f s\n", name, double(seeding.elapsed()) / 1000.0);
    auto login = std::make_shared<test::ScriptedCurrentUser>(c);
    login->ShowMain();
    gComponents.gCurrentUser = login;
    bool fast = true;
    {
        frmEmployeeList list;
        list.show();
        list.Form_Load();
        const QString typed = QStringLiteral("SANTOS12");
        for (int n = 1; n <= typed.size(); ++n) {
            const QString text = typed.left(n);
            QList<double> times;
            for (int i = 0; i < 3; ++i) {
                list.txtSearch->blockSignals(true);
                list.txtSearch->setText(text.left(n - 1));
                list.txtSearch->blockSignals(false);
                QElapsedTimer timer;
                timer.start();
                list.txtSearch->setText(text);
                times << double(timer.nsecsElapsed()) / 1e6;
            }
            std::sort(times.begin(), times.end());
            const double median = times[1];
            fast = fast && median < kLimitMs;
            std::printf("%-11s %-10s %5d rows %8.1f ms  %s\n", name, qPrintable(text), list.flexMSHList->rows() - 1,
                        median, median < kLimitMs ? "ok" : "SLOWER THAN 200 ms");
        }
    }
    gComponents.gCurrentUser.reset();
    return fast;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPlatform platform;
    return bench::runOnEachEngine(run) ? 0 : 1;
}
