#include "Builders.h"
#include "TestDatabase.h"
#include "charging/Numbering.h"
#include "charging/StockCard.h"

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <thread>

using namespace qx;
using namespace qx::test;

namespace {

class NumberingConcurrencyTest : public DbTest {};

// Eight workstations, one employee: each save claims a slip from the shared counter and posts
// two lines under it. No slip is shared between saves and no movement is lost from a balance.
TEST_P(NumberingConcurrencyTest, WorkstationsClaimAndPostAtOnce) {
    constexpr int kWorkers = 8, kSavesEach = 25;
    addItem(db(), {.onHand = 1000});
    std::atomic<int> failures{0};
    std::mutex m;
    std::string firstError;
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.emplace_back([&, w] {
            try {
                auto con = testDatabase().openAnother();
                TerminalChargeSlipSeries series(*con, QStringLiteral("E1"));
                for (int s = 0; s < kSavesEach; ++s) {
                    const QString save = QStringLiteral("W%1-%2").arg(w).arg(s);
                    Transaction tx(*con);
                    const QString slip = ClaimNumber(*con, series, save, QStringLiteral("E1"));
                    StockCardValues v;
                    v.summaryCode = v.revenueId = QStringLiteral("PH");
                    v.idNum = save;
                    v.itemId = QStringLiteral("PARA500");
                    v.refNum = slip;
                    v.locationId = QStringLiteral("20");
                    v.sequence = save;
                    v.quantity = 1;
                    Drug_AddStockCard(*con, v);
                    v.quantity = 2;
                    Drug_AddStockCard(*con, v);
                    tx.commit();
                }
            } catch (const std::exception& e) {
                ++failures;
                std::lock_guard<std::mutex> lock(m);
                if (firstError.empty())
                    firstError = e.what();
            }
        });
    }
    for (auto& t : workers)
        t.join();
    ASSERT_EQ(failures.load(), 0) << firstError;

    Recordset rs = db().query(QStringLiteral("SELECT RefNum, Sequence, Quantity, Balance FROM tbInvStockCard ORDER BY id"));
    ASSERT_EQ(rs.recordCount(), kWorkers * kSavesEach * 2);
    std::map<QString, std::set<QString>> savesBySlip;
    double running = 1000;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        savesBySlip[rs.text("RefNum")].insert(rs.text("Sequence"));
        running -= rs.number("Quantity");
        ASSERT_EQ(QString::number(rs.number("Balance"), 'f', 2), QString::number(running, 'f', 2));
    }
    EXPECT_EQ(savesBySlip.size(), size_t(kWorkers * kSavesEach));
    for (const auto& [slip, saves] : savesBySlip)
        EXPECT_EQ(saves.size(), 1u) << slip.toStdString();
    EXPECT_EQ(db().query("SELECT OnHand FROM tbInvent WHERE ItemID = 'PARA500' AND LocationID = '20'").text("OnHand").toDouble(),
              1000 - kWorkers * kSavesEach * 3);
}

QX_ON_BOTH_ENGINES(NumberingConcurrencyTest);

} // namespace
