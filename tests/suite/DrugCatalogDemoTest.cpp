#include "TestDatabase.h"
#include "suite/DrugCatalogDrug.h"

using namespace qx;
using namespace qx::test;

namespace {

class DrugCatalogDemoTest : public DbTest {
protected:
    bool withDemo() const override { return true; }
};

// The demo counters start past the numbers its history uses, so a first claim needs no retry.
TEST_P(DrugCatalogDemoTest, DemoNumbersAreFreeAndItemsPriced) {
    suite::DrugCatalogDrug drug(suite::fixedConnection(db()));
    const QString slip = drug.Chargeslip().CurrentDispensingChargeSlip();
    EXPECT_TRUE(db().query(QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE RefNum = ?"), {slip}).isEmpty()) << slip.toStdString();
    const QString memo = drug.Chargeslip().CurrentCreditMemo();
    EXPECT_TRUE(db().query(QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE CreditMemoNum = ?"), {memo}).isEmpty());

    Recordset item = db().query(QStringLiteral("SELECT ItemID FROM tbInvent WHERE LocationID = '20' ORDER BY ItemID LIMIT 1"));
    ASSERT_TRUE(drug.SearchDrug(item.text(QStringLiteral("ItemID")), QStringLiteral("20")));
    EXPECT_GT(drug.Invent().RateA, 0.0);
    EXPECT_GT(drug.Invent().SellingPriceIn, 0.0);

    Recordset unitDose = db().query(QStringLiteral("SELECT IDNum FROM station.tbNurseUnitDose ORDER BY UnitDoseID LIMIT 1"));
    ASSERT_FALSE(unitDose.isEmpty());
    // Two requests, one discontinued and one issued today.
    EXPECT_EQ(drug.ListUnitDose(unitDose.text(QStringLiteral("IDNum"))).recordCount(), 4);
}

QX_ON_BOTH_ENGINES(DrugCatalogDemoTest);

} // namespace
