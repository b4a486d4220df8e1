// The main window's timer polls at volume: 1,000,000 stock-card lines, a request file of
// 1,000,000 served lines beside a few hundred pending ones (admitted, out-patient and E.R.
// patients), 100,000 out-patient visits, package requests, cash assessments, station returns and
// discharge notices mostly done. Each tick is timed as its timer runs it (median of many), and
// the plan of every statement it sends must search an index; on SQLite each request poll (check
// with its count, and the package check) must stay under 2 ms. PostgreSQL (when QUILLAX_TEST_PG
// names a server) is measured and printed beside it, the statements caught on SQLite explained
// there and held to the same rule. QX_BENCH_PLANS=1 prints every statement with its plan.
#include "MainWindowBench.h"
#include "EngineProbes.h"
#include "TestDatabase.h"
#include "mainwindow/TimerPolls.h"
#include "shell/HospitalSettings.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "suite/InpatientFilePatient.h"

#include <QHash>
#include <QTimer>
#include <cstdio>
#include <cstring>

using namespace qx;

namespace {

constexpr int kHistory = 1000000, kServed = 1000000, kVisits = 100000, kDone = 100000, kPending = 100;
constexpr int kItems = 5000, kLocations = 20;
constexpr double kRequestPollLimitMs = 2;

// The statements of each tick, as the SQLite run caught them.
QHash<QString, QList<test::SentStatement>> gSent;

void seed(Connection& c) {
    const QDateTime now = c.serverNow();
    const QDateTime earlier = now.addDays(-3);
    bench::seedStockCardHistory(c, kHistory, 30, earlier);
    Transaction tx(c);
    // Visits V0B, V1B, ...: every tenth one seen at the emergency room.
    bench::insertNumbered(c, kVisits,
                          QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum, ERNum) "
                                         "SELECT 'V' || i || 'B', 'HV' || i, CASE WHEN i % 10 = 0 THEN 1 ELSE 0 END FROM n"));
    // Served lines: admitted patients and visits, a year of requests.
    bench::insertNumbered(c, kServed,
                          QStringLiteral("INSERT INTO station.tbNurseCommunicationFile (IDNum, HospNum, ItemID, Quantity, "
                                         "RecordStatus, DepartmentID, InOut, StationID, isStat, RequestDate) "
                                         "SELECT CASE WHEN i % 2 = 0 THEN '' || (100000 + i / 20) ELSE 'V' || (i % %1) || 'B' END, "
                                         "'H' || (i / 20), 'B' || (i % 30), 1, 'S', 'PH', CASE WHEN i % 2 = 0 THEN 'I' ELSE 'O' END, "
                                         "'S' || (i % 20), 0, ? FROM n")
                              .arg(kVisits),
                          {earlier});
    // Pending lines: admitted patients, out-patients and E.R. patients alike.
    bench::insertNumbered(c, 3 * kPending,
                          QStringLiteral("INSERT INTO station.tbNurseCommunicationFile (IDNum, HospNum, ItemID, Quantity, "
                                         "RecordStatus, DepartmentID, InOut, StationID, isStat, RequestDate) "
                                         "SELECT CASE i % 3 WHEN 0 THEN '' || (200000 + i) WHEN 1 THEN 'V' || (i * 10 + 1) || 'B' "
                                         "ELSE 'V' || (i * 10) || 'B' END, 'H' || i, 'B' || (i % 30), 1, NULL, 'PH', "
                                         "CASE WHEN i % 3 = 0 THEN 'I' ELSE 'O' END, 'S' || (i % 20), 0, ? FROM n"),
                          {now});
    bench::insertNumbered(c, kDone,
                          QStringLiteral("INSERT INTO tbKVRSPackageRequest (ChargeSlip, RevenueID, HospNum, IDNum, RequestDate, "
                                         "RecordStatus) SELECT 'KV' || i, 'PH', 'H' || i, '' || (100000 + i), ?, 'P' FROM n"),
                          {earlier});
    bench::insertNumbered(c, kDone,
                          QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, Quantity, "
                                         "Amount, TransDate, ORNumber, HospNum) "
                                         "SELECT 'PH' || i, 'PH', 'B' || (i % 30), 'CASH', 'WALK-IN ' || i, 1, 10, ?, 'OR' || i, "
                                         "'CASH' FROM n"),
                          {earlier});
    bench::insertNumbered(c, kDone,
                          QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, CreditMemo, RevenueID, RecordStatus) "
                                         "SELECT '' || (100000 + i), 'SR' || i, 'PC', 'C' FROM n"));
    bench::insertNumbered(c, kDone,
                          QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, ClearDate) "
                                         "SELECT '' || (100000 + i), 'PH', ?, ? FROM n"),
                          {earlier, earlier.addSecs(3600)});
    // Admissions 100000, 100001, ... of the served lines.
    bench::insertNumbered(c, kVisits,
                          QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum, RoomID) "
                                         "SELECT '' || (100000 + i), 'H' || i, 'R' || (i % 500) FROM n"));
    // 5,000 items stocked at 20 locations, the main pharmacy (20) among them.
    bench::insertNumbered(c, kItems,
                          QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) SELECT 'I' || i, 'ITEM ' || i, "
                                         "'500 MG TABLET' FROM n"));
    bench::insertNumbered(c, kItems * kLocations,
                          QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand, MinStockLevel, ItemStatus, MacExpiry) "
                                         "SELECT 'I' || (i / %1), '' || (20 + i % %1), 100, 10, 0, ? FROM n")
                              .arg(kLocations),
                          {QDateTime(now.date().addYears(2), QTime(0, 0))});
    c.execute(QStringLiteral("DELETE FROM tbHospitalInfo"));
    c.execute(QStringLiteral("INSERT INTO tbHospitalInfo (isSeparateER) VALUES (1)"));
    tx.commit();
    if (!c.isSQLite())
        c.executeScript(QStringLiteral("ANALYZE"));
}

bool isRequestPoll(const char* name) {
    for (const char* poll : {"in-patient requests", "out-patient requests", "E.R. requests", "package requests"})
        if (std::strcmp(poll, name) == 0)
            return true;
    return false;
}

bool run(Engine engine, const char* name) {
    bench::SeededSession session(engine, name, seed);
    Connection& c = session.connection();
    gSeparateER = true;
    gPharmaPackageRequest = true;
    bool good = true;
    {
        frmPharma window;
        window.LoadTreeView();
        for (QTimer* timer : window.findChildren<QTimer*>())
            timer->stop();
        for (const test::TimerPoll& poll : test::kTimerPolls) {
            const auto tick = [&] { (window.*poll.tick)(); };
            tick();  // statements prepared, caches warm
            if (c.isSQLite())
                gSent[QString::fromLatin1(poll.name)] = test::statementsOf(c, tick);
            QStringList scans;
            for (const test::SentStatement& statement : gSent.value(QString::fromLatin1(poll.name))) {
                const QString plan = test::queryPlan(c, statement);
                if (qEnvironmentVariableIsSet("QX_BENCH_PLANS"))
                    std::printf("%s\n%s\n\n", qPrintable(statement.withValues), qPrintable(plan));
                for (const QString& scan : test::fullScans(c, plan, test::kPollSmallTables))
                    scans << scan + QStringLiteral("  <- ") + statement.sql.left(120);
            }
            QList<double> times;
            for (int i = 0; i < 41; ++i) {
                QElapsedTimer timer;
                timer.start();
                tick();
                times << double(timer.nsecsElapsed()) / 1e6;
            }
            std::sort(times.begin(), times.end());
            const double median = times[times.size() / 2];
            const bool limited = engine == Engine::SQLite && isRequestPoll(poll.name);
            const bool fast = !limited || median < kRequestPollLimitMs;
            good = good && fast && scans.isEmpty();
            std::printf("%-11s %-26s %8.3f ms  %s%s\n", name, poll.name, median,
                        fast ? (limited ? "ok" : "") : "SLOWER THAN 2 ms", scans.isEmpty() ? "" : "  READS A TABLE WHOLE:");
            for (const QString& scan : scans)
                std::printf("    %s\n", qPrintable(scan));
        }
    }
    return good;
}

} // namespace

int main(int argc, char** argv) { return bench::runWindowBench(argc, argv, run); }
