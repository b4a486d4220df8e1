// Cost of a cash sale's save: a 30-line sale of 28 drug and 2 supply lines (five receipts),
// statements and milliseconds per sale, on SQLite and (when QUILLAX_TEST_PG is set) PostgreSQL.
#include "Builders.h"
#include "TestDatabase.h"
#include "charging/CashReceipts.h"
#include "suite/TillNumbersCashNumbers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace qx;

namespace {

void run(Engine engine, const char* name) {
    constexpr int kSales = 40, kDrugLines = 28, kSupplyLines = 2;
    test::TestDatabase tdb(engine);
    Connection& c = tdb.connection();
    CashSale sale;
    sale.patientName = QStringLiteral("CASH");
    sale.employeeCode = QStringLiteral("E0001");
    sale.locationId = QStringLiteral("20");
    sale.hostId = QStringLiteral("BENCH");
    sale.reportDate = QStringLiteral("12/01/2026");
    sale.shift = 1;
    for (int i = 0; i < kDrugLines + kSupplyLines; ++i) {
        const QString item = QStringLiteral("B%1").arg(i, 3, 10, QLatin1Char('0'));
        test::addItem(c, {.itemId = item, .genericId = QStringLiteral("G") + item, .onHand = 1e6});
        const QString cls = i < kDrugLines ? QStringLiteral("A") : QStringLiteral("S");
        c.execute(QStringLiteral("UPDATE tbInvMaster SET DrugClass = ? WHERE ItemID = ?"), {cls, item});
        sale.lines.push_back({item, QStringLiteral("ITEM ") + item, 2, 10, false, cls, QString(), QString(), QString()});
    }
    suite::TillNumbersCashNumbers numbers([&c] { return &c; });
    numbers.InitConnection(c.connectionString());

    int receipts = 0;
    const qint64 before = c.statementCount();
    QElapsedTimer timer;
    timer.start();
    for (int s = 0; s < kSales; ++s)
        receipts += int(PostCashSale(c, numbers, sale).size());
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%-11s %-22s %10.1f %10.3f %8.1f\n", name, "30-line sale", double(c.statementCount() - before) / kSales,
                ms / kSales, double(receipts) / kSales);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("%-11s %-22s %10s %10s %8s\n", "engine", "per", "statements", "ms", "receipts");
    run(Engine::SQLite, "SQLite");
    if (test::TestDatabase::postgresAvailable())
        run(Engine::PostgreSQL, "PostgreSQL");
    else
        std::printf("PostgreSQL skipped: QUILLAX_TEST_PG is not set\n");
    return 0;
}
