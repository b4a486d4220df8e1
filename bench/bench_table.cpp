// The speed figures of the posting and reporting paths as one table, on SQLite and (when
// QUILLAX_TEST_PG names a server) PostgreSQL:
//   - a save of 10, 30 and 100 lines as a charging screen makes it (claimed slip, stock-card lines
//     and their print staging through the drug component, a user-log line, one commit): statements
//     per save and per line, server requests per statement, milliseconds per line;
//   - a report of 100,000 and 1,000,000 lines from its query to its first page, and to its last;
//   - the program from its start to the login window on the demo database.
// Times are wall-clock and noisy on a shared machine; the statement and request counts are exact.
#include "BenchReport.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "charging/Numbering.h"
#include "components/ComponentFactory.h"
#include "components/RowBatches.h"
#include "platform/report/Report.h"
#include "platform/report/ReportLoader.h"
#include "reports/ReportCatalogue.h"
#include "shell/Session.h"
#include "shell/Startup.h"
#include "shell/UserLog.h"
#include "suite/DefaultComponents.h"
#include "suite/DrugCatalogDrug.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

using namespace qx;

namespace {

void row(const char* engine, const QString& measure, const QString& value, const char* target) {
    std::printf("%-11s %-44s %14s   %s\n", engine, qPrintable(measure), qPrintable(value), target);
    std::fflush(stdout);
}
QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

// ---- saves ----

constexpr int kItems = 100;

void seedItems(Connection& c) {
    QVector<QVariantList> master, stock;
    for (int i = 0; i < kItems; ++i) {
        const QString item = QStringLiteral("ITEM%1").arg(i, 3, 10, QLatin1Char('0'));
        master.push_back({item, QStringLiteral("DRUG ") + item, QStringLiteral("500 MG TABLET")});
        stock.push_back({item, QStringLiteral("20"), 1e9});
    }
    Transaction tx(c);
    insertRows(c, QStringLiteral("tbInvMaster"), {QStringLiteral("ItemID"), QStringLiteral("ItemName"), QStringLiteral("ItemDesc")},
               master);
    insertRows(c, QStringLiteral("tbInvent"), {QStringLiteral("ItemID"), QStringLiteral("LocationID"), QStringLiteral("OnHand")},
               stock);
    tx.commit();
}

DrugCatalog::StockCardArgs saleLine(const QString& slip, int i) {
    DrugCatalog::StockCardArgs a;
    a.count = 28;
    const std::pair<int, QVariant> values[] = {
        {1, "H000001"}, {2, "1001"}, {3, QStringLiteral("ITEM%1").arg(i % kItems, 3, 10, QLatin1Char('0'))},
        {4, "01/05/2026 10:30:00"}, {5, slip}, {6, 2}, {7, 0}, {8, 10.5}, {9, "E0001"}, {10, "1 TAB"},
        {11, "D001"}, {12, "20"}, {13, ""}, {14, "301"}, {15, 1}, {26, 0}, {28, "BENCH"}};
    for (const auto& [pos, v] : values)
        a[pos] = v;
    return a;
}

struct SaveFigures {
    double statementsPerSave, statementsPerLine, requestsPerStatement, msPerLine;
};

SaveFigures measureSaves(Connection& c, suite::DrugCatalogDrug& drug, TerminalChargeSlipSeries& series, int lines,
                         int saves) {
    QVector<DrugCatalog::StockCardArgs> save;
    auto oneSave = [&] {
        Transaction tx(c);
        const QString slip = ClaimNumber(c, series, QStringLiteral("1001"), QStringLiteral("E1"));
        save.clear();
        for (int i = 0; i < lines; ++i)
            save << saleLine(slip, i);
        drug.AppendStockCards(save);
        SaveUserLog(c, QStringLiteral("Charged slip ") + slip);
        tx.commit();
    };
    oneSave();  // statements are prepared once per connection: the steady state is measured
    const qint64 statements = c.statementCount(), requests = c.roundTripCount();
    QElapsedTimer timer;
    timer.start();
    for (int s = 0; s < saves; ++s)
        oneSave();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const double perSave = double(c.statementCount() - statements) / saves;
    return {perSave, perSave / lines, double(c.roundTripCount() - requests) / (c.statementCount() - statements),
            ms / (double(saves) * lines)};
}

void saves(Engine engine, const char* name) {
    test::TestDatabase tdb(engine);
    Connection& c = tdb.connection();
    seedItems(c);
    gEmployeeCode = QStringLiteral("E0001");
    suite::DrugCatalogDrug drug(suite::fixedConnection(c));
    TerminalChargeSlipSeries series(c, QStringLiteral("E1"));
    for (int lines : {10, 30, 100}) {
        const SaveFigures f = measureSaves(c, drug, series, lines, lines == 100 ? 10 : 30);
        const QString save = QStringLiteral("save of %1 lines: ").arg(lines);
        row(name, save + QStringLiteral("statements per save"), fixed(f.statementsPerSave, 1), "");
        row(name, save + QStringLiteral("statements per line"), fixed(f.statementsPerLine, 2),
            lines == 30 ? "<= 1.2 + constant/line" : "");
        row(name, save + QStringLiteral("requests per statement"), fixed(f.requestsPerStatement, 2),
            engine == Engine::PostgreSQL ? "1 on PostgreSQL" : "");
        row(name, save + QStringLiteral("ms per line"), fixed(f.msPerLine, 3), "flat from 10 to 100");
    }
}

// ---- reports ----


void fillReportTable(Connection& c, int lines) {
    c.executeScript(c.isSQLite() ? QStringLiteral("CREATE TABLE tbBenchReport (id INTEGER PRIMARY KEY, RefNum TEXT, "
                                                  "Description TEXT, Quantity REAL, Amount REAL)")
                                 : QStringLiteral("CREATE TABLE tbBenchReport (id INTEGER PRIMARY KEY, RefNum TEXT, "
                                                  "Description TEXT, Quantity DOUBLE PRECISION, Amount DOUBLE PRECISION)"));
    const QString numbers = c.isSQLite()
                                ? QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) ")
                                : QStringLiteral("WITH n(i) AS (SELECT generate_series(0, ? - 1)) ");
    const QString pad = c.isSQLite() ? QStringLiteral("substr('0000000' || (i / 50), -7)")
                                     : QStringLiteral("lpad((i / 50)::text, 7, '0')");
    Transaction tx(c);
    c.execute(numbers + QStringLiteral("INSERT INTO tbBenchReport (id, RefNum, Description, Quantity, Amount) "
                                       "SELECT i, %1, 'ITEM ' || (i % 977) || ' TABLET 500MG', i % 10 + 1, "
                                       "(i % 10 + 1) * 12.75 FROM n")
                          .arg(pad),
              {lines});
    tx.commit();
    if (!c.isSQLite())
        c.executeScript(QStringLiteral("ANALYZE tbBenchReport"));
}

void reports(Engine engine, const char* name) {
    for (int lines : {100000, 1000000}) {
        test::TestDatabase tdb(engine);
        Connection& c = tdb.connection();
        fillReportTable(c, lines);
        auto report = std::make_shared<report::Report>(report::parseReportDefinition(
            benchReportText(QStringLiteral("SELECT RefNum, Description, Quantity, Amount FROM tbBenchReport ORDER BY id")),
            QStringLiteral("bench.rpt")));
        report->setConnection(&c);
        report->setParameterValues({QStringLiteral("ST. RAPHAEL GENERAL HOSPITAL")});
        QElapsedTimer timer;
        timer.start();
        auto doc = report->sharedDocument();
        doc->page(0);
        const double first = double(timer.nsecsElapsed()) / 1e9;
        const int pages = doc->pageCount();
        doc->page(pages - 1);
        const double last = double(timer.nsecsElapsed()) / 1e9;
        const QString measure = QStringLiteral("report of %1 lines: ").arg(lines);
        row(name, measure + QStringLiteral("query to first page (s)"), fixed(first, 3), "< 0.5");
        row(name, measure + QStringLiteral("query to last of %1 pages (s)").arg(pages), fixed(last, 3), "");
    }
}

// ---- start-up ----

// The child: the program's own start-up, up to the login window.
int startupChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillax"));
    QApplication::setOrganizationName(QStringLiteral("Quillax"));
    ScriptedPlatform platform;
    platform.modal->onShow(QStringLiteral("qx::suite::frmLogin"), [](QWidget&) {
        std::printf("login window\n");
        std::fflush(stdout);
        std::_Exit(0);
    });
    ComponentFactory factory;
    suite::registerDefaultComponents(factory);
    RegisterReportOpeners();
    Main(factory, [] { return std::unique_ptr<MainForm>(); });
    return 1;
}

void startup(Engine engine, const char* name, const char* program) {
    test::TestDatabase demo(engine, true);
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLAX_DB"), demo.url());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromLocal8Bit(program), {QStringLiteral("--startup-child")});
        child.waitForFinished(60000);
        if (!child.readAllStandardOutput().contains("login window")) {
            row(name, QStringLiteral("start to login window"), QStringLiteral("failed"), "");
            return;
        }
        best = qMin(best, double(timer.nsecsElapsed()) / 1e9);
    }
    row(name, QStringLiteral("start to login window, demo data (s)"), fixed(best, 3), "best of 5");
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--startup-child") == 0)
        return startupChild(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("%-11s %-44s %14s   %s\n", "engine", "measure", "value", "target");
    std::vector<std::pair<Engine, const char*>> engines{{Engine::SQLite, "SQLite"}};
    if (test::TestDatabase::postgresAvailable())
        engines.emplace_back(Engine::PostgreSQL, "PostgreSQL");
    else
        std::printf("PostgreSQL skipped: QUILLAX_TEST_PG is not set\n");
    for (const auto& [engine, name] : engines) {
        saves(engine, name);
        reports(engine, name);
        startup(engine, name, argv[0]);
    }
    return 0;
}
