#include "frmCommEntryFixture.h"

#include <functional>

namespace qx::test {
namespace {

using C = frmCommEntry;

// Items at the main pharmacy with a selling price of 5.25, an average cost of 3.50, rate A 4.00
// with an in-patient mark-up of 25 % and rate B 4.40; admissions whose accounts make them HMO,
// VA (also HMO) or of a company with a blank name.
class frmCommEntryPriceTest : public frmCommEntryTest {
protected:
    void SetUp() override {
        frmCommEntryTest::SetUp();
        if (IsSkipped())
            return;
        addSponsoredAdmissions();
        item({.itemId = QStringLiteral("A01")});
        item({.itemId = QStringLiteral("F01"), .fixedCharge = 25});
        item({.itemId = QStringLiteral("M01"), .isMDRP = true, .mdrpPrice = 0.5});
        db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) "
                                    "VALUES ('A01', '20', 'VA', 0.5)"));
        db().execute(QStringLiteral("DELETE FROM build_file.tbCoRoomClass WHERE RoomClassID = 'A'"));
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) "
                                    "VALUES ('A', 'SUITE', 10)"));
    }
    void item(ItemSpec spec) {
        spec.priceIn = 5.25;
        spec.averageCost = 3.5;
        addItem(db(), spec);
        db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 4, RateB = 4.4, MarkupIn = 25, "
                                    "HMOMarkupInPrice = 7.125 WHERE ItemID = ?"),
                     {spec.itemId});
    }
};

TEST_P(frmCommEntryPriceTest, EachBranchAndOverrideAsTheRequestScreenWritesIt) {
    struct Case {
        const char* name;
        const char* admission;
        const char* item;
        double quantity;
        std::function<void()> settings;
        const char* unitPrice;  // SellPriceIn
        const char* rulePrice;  // before the overrides
        const char* amount;
        const char* total;
    };
    const auto none = [] {};
    const Case cases[] = {
        {"selling price", "1001", "A01", 2, none, "5.25", "5.25", "10.50", " 10.5"},
        // Unrounded: three times 5.775, where the manual posting screen charges three times 5.78.
        {"room mark-up", "1001", "A01", 3, [] { gSocializePricing = true; }, "5.775", "5.775", "17.33", " 17.33"},
        {"room mark-up at ZMX", "1001", "A01", 2, [] { gSocializePricing = true; gSiteCode = QStringLiteral("ZMX"); },
         "3.85", "3.85", "7.70", " 7.7"},
        {"mark-up group", "1001", "A01", 3, [] { gMarkUpGroup = true; }, "5.00", "5.00", "15.00", " 15"},
        {"FLQC with a company", "1002", "A01", 2, [] { gSiteCode = QStringLiteral("FLQC"); }, "4.4", "4.4", "8.80",
         " 8.8"},
        {"FLQC on the patient's own account", "1001", "A01", 2, [] { gSiteCode = QStringLiteral("FLQC"); }, "5.25",
         "5.25", "10.50", " 10.5"},
        {"FLQC with a blank company", "1004", "A01", 2, [] { gSiteCode = QStringLiteral("FLQC"); }, "5.25", "5.25",
         "10.50", " 10.5"},
        {"fixed charge", "1001", "F01", 2, none, "5.25", "5.25", "50.00", " 50"},
        {"HMO", "1002", "A01", 2, [] { gInvSwitchHMOMarkupPrice = true; }, "7.13", "5.25", "14.26", " 14.26"},
        {"HMO on a fixed charge", "1002", "F01", 2, [] { gInvSwitchHMOMarkupPrice = true; }, "7.13", "5.25", "14.26",
         " 14.26"},
        {"VA after HMO", "1003", "A01", 1, [] { gInvSwitchHMOMarkupPrice = gInvSwitchVAPrice = true; }, "0.5", "5.25",
         "0.50", " .5"},
        {"MDRP over HMO", "1002", "M01", 1, [] { gInvSwitchHMOMarkupPrice = true; }, "0.5", "5.25", "0.50", " .5"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        c.settings();
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        request({.spec = {.idNum = QString::fromLatin1(c.admission), .itemId = QString::fromLatin1(c.item),
                          .quantity = c.quantity, .requestNumber = QStringLiteral("RQ%1").arg(++n)}});
        auto form = load(QString::fromLatin1(c.admission));
        const FlexGrid& g = *form->grdItemList;
        EXPECT_EQ(g.textMatrix(1, C::kColSellPriceIn), QString::fromLatin1(c.unitPrice));
        EXPECT_EQ(g.textMatrix(1, C::kColPriceTaken), QString::fromLatin1(c.rulePrice));
        EXPECT_EQ(g.textMatrix(1, C::kColAmount), QString::fromLatin1(c.amount));
        EXPECT_EQ(form->lblPatInfo[6]->text(), QString::fromLatin1(c.total));
    }
}

QX_ON_BOTH_ENGINES(frmCommEntryPriceTest);

} // namespace
} // namespace qx::test
