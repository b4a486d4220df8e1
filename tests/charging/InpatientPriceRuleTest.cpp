#include "charging/InpatientPriceRule.h"
#include "components/DrugCatalog.h"
#include "shell/HospitalSettings.h"
#include "shell/ShellFixture.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"
#include "suite/DrugCatalogComponent.h"
#include "support/Builders.h"

#include <functional>

using namespace qx;
using namespace qx::test;

namespace {

// An item with a selling price of 5.25, an average cost of 3.50, rate A 4.00 with an in-patient
// mark-up of 25 % and rate B 4.40; admitted patients whose account decides HMO and VA.
class InpatientPriceRuleTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped())
            return;
        gLocationID = QStringLiteral("20");
        ASSERT_TRUE(drug.InitConnect(db().connectionString()));
        company(QStringLiteral("HMO1"), QStringLiteral("HEALTH PLAN"), QStringLiteral("P"));
        company(QStringLiteral("VA"), QStringLiteral("VETERANS"), QStringLiteral("P"));  // HMO and VA at once
        company(QStringLiteral("BLANK"), QStringLiteral("   "), QStringLiteral("C"));
        admit(QStringLiteral("1001"), QString());
        admit(QStringLiteral("1002"), QStringLiteral("HMO1"));
        admit(QStringLiteral("1003"), QStringLiteral("VA"));
        admit(QStringLiteral("1004"), QStringLiteral("BLANK"));
        admit(QStringLiteral("1005"), QString());
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES ('1005', 1)"));
    }
    void company(const QString& account, const QString& name, const QString& cls) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, CreditLimit) "
                                    "VALUES (?, ?, ?, 0)"),
                     {account, name, cls});
    }
    void admit(const QString& id, const QString& account) {
        addAdmittedPatient(db(), {.idNum = id, .person = {.hospNum = QStringLiteral("H") + id}, .accountNum = account});
    }
    void item(const ItemSpec& spec) {
        ItemSpec s = spec;
        s.priceIn = 5.25;
        s.averageCost = 3.5;
        addItem(db(), s);
        db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 4, RateB = 4.4, MarkupIn = 25, MarkupOut = 30, "
                                    "HMOMarkupInPrice = 7.125 WHERE ItemID = ?"),
                     {s.itemId});
    }
    void price(const QString& itemId, const char* kind, double value) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) "
                                    "VALUES (?, '20', ?, ?)"),
                     {itemId, QString::fromLatin1(kind), value});
    }

    suite::DrugCatalogComponent drug{[this] { return &db(); }};
};

TEST_P(InpatientPriceRuleTest, EachRowOfTheRuleGivesItsTexts) {
    struct Case {
        const char* name;
        ItemSpec item;
        QString admission;
        double roomMarkUp;
        QString quantity;
        std::function<void()> settings;
        const char* unitPrice;
        const char* referencePrice;
        const char* amount;
        ColorValue color;
        const char* fixedCharge = "0";
    };
    const auto none = [] {};
    const auto socialized = [] { gSocializePricing = true; };
    const Case cases[] = {
        {"room mark-up", {.itemId = "A01"}, "1001", 20, "2", socialized, "6.30", "6.30", "12.60", colors::InfoBackground},
        {"room mark-up at ZMX from the average cost", {.itemId = "A02"}, "1001", 20, "2",
         [] { gSocializePricing = true; gSiteCode = QStringLiteral("ZMX"); }, "4.20", "4.20", "8.40",
         colors::InfoBackground},
        {"empty mark-up", {.itemId = "A03"}, "1001", 0, "2", socialized, "5.25", "5.25", "10.50", colors::InfoBackground},
        {"mark-up without socialized pricing", {.itemId = "A04"}, "1001", 20, "2", none, "5.25", "5.25", "10.50",
         colors::InfoBackground},
        {"mark-up group", {.itemId = "A05"}, "1001", 0, "2", [] { gMarkUpGroup = true; }, "5.00", "5.25", "10.00",
         colors::InfoBackground},
        {"FLQC without a company row", {.itemId = "A06"}, "1009", 0, "2", [] { gSiteCode = QStringLiteral("FLQC"); },
         "4.4", "5.25", "8.80", colors::InfoBackground},
        {"FLQC with a blank company", {.itemId = "A07"}, "1004", 0, "2", [] { gSiteCode = QStringLiteral("FLQC"); },
         "5.25", "5.25", "10.50", colors::InfoBackground},
        {"sponsored item", {.itemId = "A08"}, "1005", 0, "2", [] { gVelmira = true; }, "3.33", "5.25", "6.66",
         colors::InfoBackground},
        {"sponsored patient, item without a price", {.itemId = "A09"}, "1005", 0, "2", [] { gVelmira = true; }, "0",
         "5.25", "0.00", colors::InfoBackground},
        {"sponsorship, patient not enrolled", {.itemId = "A10"}, "1001", 0, "2", [] { gVelmira = true; }, "5.25",
         "5.25", "10.50", colors::InfoBackground},
        {"fixed charge 12.50 times 2", {.itemId = "A11", .fixedCharge = 12.5}, "1001", 0, "2", none, "5.25", "5.25",
         "25.00", 0xC0FFC0u, "12.5"},
        {"HMO patient, switch 104 off", {.itemId = "A12"}, "1002", 0, "2", none, "5.25", "5.25", "10.50",
         colors::InfoBackground},
        {"HMO patient, switch 104 on", {.itemId = "A13"}, "1002", 0, "2", [] { gInvSwitchHMOMarkupPrice = true; },
         "7.13", "5.25", "14.26", colors::InfoBackground},
        {"VA patient", {.itemId = "A14"}, "1003", 0, "2", [] { gInvSwitchVAPrice = true; }, "4.01", "5.25", "8.02",
         colors::InfoBackground},
        {"HMO and VA: the VA price", {.itemId = "A15"}, "1003", 0, "2",
         [] { gInvSwitchVAPrice = gInvSwitchHMOMarkupPrice = true; }, "4.01", "5.25", "8.02", colors::InfoBackground},
        {"MDRP over HMO and VA and the fixed charge",
         {.itemId = "A16", .fixedCharge = 12.5, .isMDRP = true, .mdrpPrice = 8.75}, "1003", 0, "2",
         [] { gInvSwitchVAPrice = gInvSwitchHMOMarkupPrice = true; }, "8.75", "5.25", "17.50", 0xFF80FFu, "12.5"},
        {"no quantity yet", {.itemId = "A17"}, "1001", 0, "", none, "5.25", "5.25", "0.00", colors::InfoBackground},
    };
    for (const Case& c : cases) {
        item(c.item);
        price(c.item.itemId, "VELMIRA", 3.333);
        price(c.item.itemId, "VA", 4.005);
    }
    db().execute(QStringLiteral("DELETE FROM tbPharmaItemPrice WHERE ItemID = 'A09'"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        c.settings();
        ASSERT_TRUE(drug.Drug().SearchDrug(c.item.itemId, QStringLiteral("20")));
        const InpatientPatient patient{.admission = c.admission, .roomMarkUp = c.roomMarkUp};
        const InpatientLinePrice line =
            PriceInpatientLine(db(), drug.Drug(), c.item.itemId, patient, c.quantity.toDouble());
        EXPECT_EQ(line.unitPrice, c.unitPrice);
        EXPECT_EQ(line.base.referencePrice, c.referencePrice);
        EXPECT_EQ(line.amount, c.amount);
        EXPECT_EQ(line.fixedCharge, c.fixedCharge);
        EXPECT_EQ(line.color, c.color);
    }
}

TEST_P(InpatientPriceRuleTest, RequestScreensLeaveTheSponsorshipOut) {
    item({.itemId = "B01"});
    price("B01", "VELMIRA", 3.333);
    gVelmira = true;
    ASSERT_TRUE(drug.Drug().SearchDrug("B01", QStringLiteral("20")));
    const InpatientBasePrice base = InpatientBaseUnitPrice(
        db(), drug.Drug(), {.admission = "1005", .roomMarkUp = 0, .sponsorshipBranch = false});
    EXPECT_EQ(base.order, InpatientBaseOrder::SellingPrice);
    EXPECT_EQ(base.unitPrice, "5.25");
}

QX_ON_BOTH_ENGINES(InpatientPriceRuleTest);

} // namespace
