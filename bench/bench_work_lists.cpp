// The main window's work lists at volume: 100,000 admitted patients with pending request lines
// across the stations (a served line beside each), as many out-patient and emergency visits and
// unit-dose patients, and 100,000 cash assessments of today. Each list is timed from the node
// click to the filled grid (query, binding and STAT painting), on SQLite and (when
// QUILLAX_TEST_PG names a server) PostgreSQL; a list slower than half a second fails the run.
#include "MainWindowBench.h"
#include "TestDatabase.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "mainwindow/frmPharma.h"
#include "platform/FlexGrid.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/ScriptedSuite.h"
#include "suite/InpatientFilePatient.h"

#include <QElapsedTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

using namespace qx;

namespace {

constexpr int kPatients = 100000;
constexpr int kStations = 20;
constexpr int kRowsPerInsert = 400;
constexpr double kLimitMs = 500;

// Inserts `count` rows built by `row` (one bound value list each) in statements of many rows.
template <typename Row>
void insertRows(Connection& c, const QString& head, int columns, int count, Row row) {
    QString one = QStringLiteral("(");
    for (int i = 0; i < columns; ++i)
        one += i ? QStringLiteral(", ?") : QStringLiteral("?");
    one += u')';
    for (int start = 0; start < count; start += kRowsPerInsert) {
        const int n = std::min(kRowsPerInsert, count - start);
        QStringList values;
        QVariantList binds;
        for (int i = start; i < start + n; ++i) {
            values << one;
            binds << row(i);
        }
        c.execute(head + values.join(QStringLiteral(", ")), binds);
    }
}

void seed(Connection& c) {
    Transaction tx(c);
    const QDateTime now = c.serverNow();
    insertRows(c, QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES "), 3, kStations,
               [](int i) { return QVariantList{QStringLiteral("S%1").arg(i), QStringLiteral("STATION %1").arg(i), QStringLiteral("A")}; });
    insertRows(c, QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName) VALUES "), 4,
               2 * kPatients, [](int i) {
                   return QVariantList{QStringLiteral("H%1").arg(i, 7, 10, QLatin1Char('0')),
                                       QStringLiteral("LAST%1").arg((i * 7919) % 99991, 5, 10, QLatin1Char('0')),
                                       QStringLiteral("FIRST"), QStringLiteral("M")};
               });
    insertRows(c, QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum, RoomID) VALUES "), 3, kPatients,
               [](int i) {
                   return QVariantList{QString::number(100000 + i), QStringLiteral("H%1").arg(i, 7, 10, QLatin1Char('0')),
                                       QStringLiteral("R%1").arg(i % 500)};
               });
    insertRows(c, QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum, ERNum) VALUES "), 3, kPatients,
               [](int i) {
                   return QVariantList{QStringLiteral("%1B").arg(100000 + i),
                                       QStringLiteral("H%1").arg(kPatients + i, 7, 10, QLatin1Char('0')),
                                       i % 2 ? 1.0 : 0.0};
               });
    // Per admission a pending line and a served one; per visit a pending line.
    const QString requests = QStringLiteral("INSERT INTO station.tbNurseCommunicationFile (IDNum, HospNum, ItemID, "
                                            "Quantity, RecordStatus, DepartmentID, InOut, StationID, isStat, RequestDate) VALUES ");
    insertRows(c, requests, 10, 2 * kPatients, [&](int i) {
        const int p = i / 2;
        return QVariantList{QString::number(100000 + p), QStringLiteral("H%1").arg(p, 7, 10, QLatin1Char('0')),
                            QStringLiteral("D0001"), 1.0, i % 2 ? QStringLiteral("S") : QString(), QStringLiteral("PH"),
                            QStringLiteral("I"), QStringLiteral("S%1").arg(p % kStations), p % 50 == 0 ? 1 : 0,
                            now.addSecs(-p)};
    });
    insertRows(c, requests, 10, kPatients, [&](int i) {
        return QVariantList{QStringLiteral("%1B").arg(100000 + i), QStringLiteral("H%1").arg(kPatients + i, 7, 10, QLatin1Char('0')),
                            QStringLiteral("D0001"), 1.0, QString(), QStringLiteral("PH"), QStringLiteral("O"),
                            QStringLiteral("S%1").arg(i % kStations), 0, now.addSecs(-i)};
    });
    insertRows(c, QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, StationID, RecordStatus, RequestDate, RxMark) "
                                 "VALUES "),
               6, kPatients, [&](int i) {
                   return QVariantList{QString::number(100000 + i), QStringLiteral("D0001"), QStringLiteral("S%1").arg(i % kStations), QString(),
                                       now.addSecs(-i), i % 3 == 0 ? 1 : 0};
               });
    insertRows(c, QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, Quantity, "
                                 "Amount, TransDate, RecordStatus, ORNumber, HospNum) VALUES "),
               11, kPatients, [&](int i) {
                   return QVariantList{QStringLiteral("PH%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("PH"),
                                       QStringLiteral("D0001"), QStringLiteral("CASH"), QStringLiteral("WALK-IN %1").arg(i),
                                       1.0, 10.0, now.addSecs(-(i % 3600)), QString(),
                                       i % 2 ? QVariant(QStringLiteral("OR%1").arg(i)) : QVariant(QMetaType::fromType<QString>()),
                                       QStringLiteral("CASH")};
               });
    tx.commit();
    // As a server that has run its statistics over the tables.
    if (!c.isSQLite())
        c.executeScript(QStringLiteral("ANALYZE"));
}

double clickMs(frmPharma& window, const QString& key, int* rows) {
    QTreeWidgetItem* node = window.TreeNode(key);
    QElapsedTimer timer;
    timer.start();
    window.treCategory->setCurrentItem(node);
    window.treCategory_NodeClick(node);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    *rows = window.flexMSHList->rows() - 1;
    return ms;
}

bool run(Engine engine, const char* name) {
    bench::SeededSession session(engine, name, seed);
    Connection& c = session.connection();
    gSiteCode = QStringLiteral("GIVRC");
    gSeparateER = true;
    gCanProcessRequest = true;
    gCanUnitDose = true;
    bool fast = true;
    {
        frmPharma window;
        window.resize(1200, 800);
        window.LoadTreeView();
        const std::pair<const char*, const char*> lists[] = {
            {"_1.1", "in-patients, all"}, {"@S7", "in-patients, one station"}, {"_2.1", "out-patients"},
            {"_8.1", "E.R."},             {"_3.1", "unit dose"},               {"_4.1.1", "paid, current"},
            {"_4.2.1", "unpaid, current"},
        };
        for (const auto& [key, label] : lists) {
            QList<double> times;
            int rows = 0;
            for (int i = 0; i < 3; ++i)
                times << clickMs(window, QString::fromLatin1(key), &rows);
            std::sort(times.begin(), times.end());
            const double median = times[1];
            fast = fast && median < kLimitMs;
            std::printf("%-11s %-26s %7d rows %8.1f ms  %s\n", name, label, rows, median,
                        median < kLimitMs ? "ok" : "SLOWER THAN 500 ms");
        }
    }
    return fast;
}

} // namespace

int main(int argc, char** argv) { return bench::runWindowBench(argc, argv, run); }
