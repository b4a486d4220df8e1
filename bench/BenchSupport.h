#pragma once
// What the database benches share: the checkout as the program folder, seeded drugs, the timing
// of a catalogue report from its request to its first page, and the run on each engine.
#include "ScriptedPlatform.h"
#include "SourceTree.h"
#include "TestDatabase.h"
#include "charging/ReportOpeners.h"
#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/StartupTuning.h"
#include "platform/report/Report.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace qx::bench {

// The program folder is the checkout, so that the shipped report files are found.
class CheckoutFolders : public Folders {
public:
    QString programFolder() override { return test::sourcePath(QString()); }
    QString documentsFolder() override { return QDir::tempPath(); }
};

inline void installCheckoutFolders() {
    PlatformServices services;
    services.folders = std::make_shared<CheckoutFolders>();
    installPlatformServices(services);
}

// Drugs D0000, D0001, ... of one strength.
inline void seedDrugs(Connection& c, int count) {
    for (int i = 0; i < count; ++i)
        c.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) VALUES (?, ?, '500 MG TABLET')"),
                  {QStringLiteral("D%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("DRUG %1").arg(i, 4, 10, QLatin1Char('0'))});
}

// Runs `insertSelect`, an INSERT ... SELECT ... FROM n, over the numbers i = 0 .. count - 1 of a
// table n(i) put before it: millions of rows in one statement on either engine. `binds` follow
// the count.
inline void insertNumbered(Connection& c, int count, const QString& insertSelect, QVariantList binds = {}) {
    const QString numbers = c.isSQLite()
                                ? QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) ")
                                : QStringLiteral("WITH n(i) AS (SELECT generate_series(0, ? - 1)) ");
    binds.prepend(count);
    c.execute(numbers + insertSelect, binds);
}

// Earlier charge slips of many patients over items B000, B001, ... (`items` of them): `lines`
// stock-card lines of location 20, ten a slip and forty a patient, dated `when`.
inline void seedStockCardHistory(Connection& c, int lines, int items, const QDateTime& when) {
    const QString item = c.isSQLite() ? QStringLiteral("'B' || substr('000' || (i % %1), -3)").arg(items)
                                      : QStringLiteral("'B' || lpad((i % %1)::text, 3, '0')").arg(items);
    Transaction tx(c);
    insertNumbered(c, lines,
                   QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                  "TransDate, Quantity, Amount, UserID) "
                                  "SELECT 'H' || (i / 10), %1, '' || (100000 + i / 40), 'H' || (i / 40), 'PH', '20', "
                                  "?, 1, 12.5, 'E0001' FROM n")
                       .arg(item),
                   {when});
    tx.commit();
    if (!c.isSQLite())
        c.executeScript(QStringLiteral("ANALYZE tbInvStockCard"));
}

// Milliseconds from the request of a catalogue code to its first page laid out.
inline double requestToFirstPage(Connection& c, qint16 code, frmView& window) {
    QElapsedTimer timer;
    timer.start();
    OpenedReport opened = FindReportOpener(code)->open(window);
    opened.report->setConnection(&c);
    const QString firstPage = opened.report->document().pageText(0);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (firstPage.isEmpty())
        std::printf("code %d: no page laid out\n", code);
    return ms;
}

// The median of five runs of `measure`, printed after `label` against the limit; true when under it.
inline bool medianOfFiveUnder(double limitMs, const QString& label, const std::function<double()>& measure) {
    QList<double> times;
    for (int run = 0; run < 5; ++run)
        times << measure();
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%s %10.1f ms (median of 5; first %.1f ms)  %s\n", qPrintable(label), median, times.first(),
                median < limitMs ? "ok" : qPrintable(QStringLiteral("SLOWER THAN %1 ms").arg(limitMs)));
    return median < limitMs;
}

// Runs the bench on SQLite and, when QUILLAX_TEST_PG names a server, on PostgreSQL; true when
// every run was fast enough.
inline bool runOnEachEngine(const std::function<bool(Engine, const char*)>& run) {
    bool fast = run(Engine::SQLite, "SQLite");
    if (test::TestDatabase::postgresAvailable())
        fast = run(Engine::PostgreSQL, "PostgreSQL") && fast;
    else
        std::printf("PostgreSQL skipped: QUILLAX_TEST_PG is not set\n");
    return fast;
}

// The whole of a bench's main: offscreen widgets and the scripted platform services, then `run`
// on each engine; exits 1 when a run was too slow.
inline int runWindowBench(int argc, char** argv, const std::function<bool(Engine, const char*)>& run) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tuneProcessAtStartup();  // as the program starts
    QApplication app(argc, argv);
    ScriptedPlatform platform;
    return runOnEachEngine(run) ? 0 : 1;
}

} // namespace qx::bench
