#include "CashSaleFixture.h"

#include "components/AppError.h"
#include "shell/clsDrugInfo.h"

namespace qx::test {
namespace {

class CashSaleProceduresTest : public CashSaleBothEnginesTest {};

TEST_P(CashSaleProceduresTest, DrugSummaryAtALocation) {
    addSaleItem(db(), {.itemId = "1001", .name = "BIOGESIC", .description = "500 MG TAB", .onHand = 40, .priceIn = 18,
                       .priceOut = 15.5, .averageCost = 10, .seniorDiscounted = true},
                QStringLiteral("B"));
    addSaleItem(db(), {.itemId = "1002", .location = "186", .seniorDiscounted = false, .itemStatus = 1});
    clsDrugInfo& info = gDrugInfo();
    ASSERT_TRUE(info.Search(QStringLiteral("1001"), QStringLiteral("20")));
    EXPECT_EQ(info.DrugName(), QStringLiteral("BIOGESIC"));
    EXPECT_EQ(info.Description(), QStringLiteral("500 MG TAB"));
    EXPECT_EQ(Text(info.StockOnHand()), QStringLiteral("40"));
    EXPECT_EQ(Text(info.SellingPriceIn()), QStringLiteral("18"));
    EXPECT_EQ(Text(info.SellingPriceOut()), QStringLiteral("15.5"));
    EXPECT_EQ(Text(info.UnitCost()), QStringLiteral("10"));
    EXPECT_EQ(info.Classification(), QStringLiteral("B"));
    EXPECT_TRUE(info.Discounted());
    EXPECT_TRUE(info.Active());

    // Not stocked at the main pharmacy: not found, the last item's values kept.
    EXPECT_FALSE(info.Search(QStringLiteral("1002"), QStringLiteral("20")));
    EXPECT_EQ(info.DrugName(), QStringLiteral("BIOGESIC"));
    ASSERT_TRUE(info.Search(QStringLiteral("1002"), QStringLiteral("186")));
    EXPECT_FALSE(info.Active());
    EXPECT_FALSE(info.Discounted());
    EXPECT_FALSE(info.Search(QStringLiteral("NOPE"), QStringLiteral("20")));
}

TEST_P(CashSaleProceduresTest, WaitingTranscribedLines) {
    addTranscribed(db(), {.genericId = "501", .quantity = 20, .dosage = "1 TAB", .remarks = "PRN", .requestNum = "TR1"});
    addTranscribed(db(), {.genericId = "502", .requestNum = "TR2"});
    addTranscribed(db(), {.genericId = "503", .requestNum = "TR3", .status = "R"});
    addTranscribed(db(), {.roomId = "302", .genericId = "504", .requestNum = "TR4"});
    addTranscribed(db(), {.idNum = "1002", .genericId = "505", .requestNum = "TR5"});
    // A line a sale has served.
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, RequestNumber) "
                                "VALUES ('PH00000001', '1001', 'CASH', 'PH', '20', 'TR2')"));
    const auto list = [&](const QString& room) {
        return db().callProcedure(QStringLiteral("Drug_ListTranscription"),
                                  {{QStringLiteral("@IDNum"), QStringLiteral("1001")}, {QStringLiteral("@RoomID"), room},
                                   {QStringLiteral("@RevenueID"), QStringLiteral("PH")}});
    };
    std::optional<Recordset> rs = list(QStringLiteral("301"));
    ASSERT_TRUE(rs);
    ASSERT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->text(QStringLiteral("Generic Code")), QStringLiteral("501"));
    EXPECT_EQ(rs->text(QStringLiteral("Generic Name")), QStringLiteral("PARACETAMOL"));
    EXPECT_EQ(Text(rs->value(QStringLiteral("Quantity"))), QStringLiteral("20"));
    EXPECT_EQ(rs->text(QStringLiteral("Dosage")), QStringLiteral("1 TAB"));
    EXPECT_EQ(rs->text(QStringLiteral("Remarks")), QStringLiteral("PRN"));
    EXPECT_EQ(rs->text(QStringLiteral("RequestNum")), QStringLiteral("TR1"));
    EXPECT_EQ(rs->text(QStringLiteral("RefNumber")), QStringLiteral("TN1"));
    EXPECT_EQ(list(QString())->recordCount(), 2);
}

QX_ON_BOTH_ENGINES(CashSaleProceduresTest);

} // namespace
} // namespace qx::test
