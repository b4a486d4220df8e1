#include "charging/OutPatientPricing.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ShellFixture.h"
#include "shell/Switches.h"
#include "support/Builders.h"

#include <functional>

using namespace qx;
using namespace qx::test;

namespace {

// Visits on an ordinary, an out-price, an HMO, a VA, an industrial and an emergency account; items
// plain, with a fixed charge, VAT-exempt and on the MDRP list.
class OutPatientPricingTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped())
            return;
        struct Account { const char* code; const char* name; const char* klass; int outPrice; };
        for (const Account& a : {Account{"ACME", "ACME CORP", "", 0}, {"OUTCO", "OUT PRICE CO", "", 1},
                                 {"HMOCO", "HEALTH PLAN", "P", 0}, {"VA", "VETERANS", "", 0}, {"INDCO", "FACTORY", "I", 0}})
            db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, OutPrice) "
                                        "VALUES (?, ?, ?, ?)"),
                         {QString::fromLatin1(a.code), QString::fromLatin1(a.name), QString::fromLatin1(a.klass), a.outPrice});
        struct Visit { const char* id; const char* hosp; const char* account; double er; };
        for (const Visit& v : {Visit{"5001A", "H1", "ACME", 0}, {"5002H", "H2", "HMOCO", 0}, {"5003V", "H3", "VA", 0},
                               {"5004E", "H4", "ACME", 1}, {"5005O", "H5", "OUTCO", 0}, {"5006I", "H6", "INDCO", 0}})
            addOutPatientVisit(db(), {.idNum = QString::fromLatin1(v.id),
                                      .person = {.hospNum = QString::fromLatin1(v.hosp)},
                                      .accountNum = QString::fromLatin1(v.account),
                                      .erNum = v.er});
        addItem(db(), {.itemId = QStringLiteral("PARA500")});
        addItem(db(), {.itemId = QStringLiteral("00123")});
        addItem(db(), {.itemId = QStringLiteral("FIX"), .fixedCharge = 9.5});
        addItem(db(), {.itemId = QStringLiteral("FIXVAT"), .fixedCharge = 9.5, .vatExempt = true});
        addItem(db(), {.itemId = QStringLiteral("MDRP"), .fixedCharge = 9.5, .isMDRP = true, .mdrpPrice = 2.25});
        db().execute(QStringLiteral("UPDATE tbInvent SET HMOMarkupOutPrice = 6.5 WHERE LocationID = '20'"));
        for (const char* item : {"PARA500", "00123", "FIX", "FIXVAT", "MDRP"}) {
            price(item, "VA", 4);
            price(item, "VELMIRA", 3.5);
            price(item, "GSIS", 3);
        }
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES ('5001A', 1)"));
    }
    void price(const char* item, const char* kind, double value) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) VALUES (?, '20', ?, ?)"),
                     {QString::fromLatin1(item), QString::fromLatin1(kind), value});
    }
    static OutPatientPricedItem item(const char* code) {
        return {.code = QString::fromLatin1(code), .sellingPriceOut = 4.75, .sellingPriceIn = 5.25, .rateA = 4,
                .rateB = 4.4, .markupIn = 25};
    }
    static OutPatientPriceContext visit(const char* id, const char* account = "ACME", const char* site = "DEMO") {
        return {.visitId = QString::fromLatin1(id), .patientBoxText = QString::fromLatin1(id),
                .accountBoxText = QString::fromLatin1(account), .siteCode = QString::fromLatin1(site),
                .locationId = QStringLiteral("20")};
    }
};

TEST_P(OutPatientPricingTest, UnitPriceRuleAndAmountSteps) {
    struct Case {
        const char* name;
        std::function<void()> settings;
        OutPatientPricedItem item;
        OutPatientPriceContext context;
        const char* unit;
        const char* list;  // "-" when the rule writes none
        const char* amount;
        ColorValue back = colors::InfoBackground;
    };
    const auto none = [] {};
    auto withDiscount = visit("5001A");
    withDiscount.discountPercent = 10;
    auto seniorMarked = visit("5001A");
    seniorMarked.seniorMarkerShown = true;
    auto gsis = visit("5001A");
    gsis.gsisMember = true;
    const Case cases[] = {
        {"3.9 SellingPriceOut", none, item("PARA500"), visit("5001A"), "4.75", "5.25", "9.50"},
        {"3.9 less a discount", none, item("PARA500"), withDiscount, "4.275", "4.725", "8.55"},
        {"3.1 OPD price, senior", [] { gOPDPrice = true; }, item("PARA500"), seniorMarked, "4.24", "4.24", "8.48"},
        {"3.2 OPD price over an out-price account", [] { gOPDPrice = true; }, item("PARA500"), visit("5005O", "OUTCO"),
         "4.75", "4.75", "9.50"},
        {"3.3 out-price account over the mark-up group", [] { gMarkUpGroup = true; }, item("PARA500"),
         visit("5005O", "OUTCO"), "4.75", "4.75", "9.50"},
        {"3.4 GSIS member", none, item("PARA500"), gsis, "3", "-", "6.00"},
        {"3.5 mark-up group", [] { gMarkUpGroup = true; }, item("PARA500"), visit("5001A"), "5.00", "5.25", "10.00"},
        {"3.6 FLQC rate B", none, item("PARA500"), visit("5001A", "ACME", "FLQC"), "4.4", "5.25", "8.80"},
        {"3.7 sponsorship patient", [] { gVelmira = true; }, item("PARA500"), visit("5001A"), "3.5", "5.25", "7.00"},
        {"3.7 sponsorship, other patient", [] { gVelmira = true; }, item("PARA500"), visit("5002H"), "4.75", "5.25", "9.50"},
        {"3.8 senior marker", none, item("PARA500"), seniorMarked, "4.69", "5.25", "9.38"},
        {"3.9 OXBEN industrial", none, item("PARA500"), visit("5006I", "INDCO", "OXBEN"), "5.25", "5.25", "10.50"},
        {"3.9 BELQ company visit", none, item("PARA500"), visit("5006I", "INDCO", "BELQ"), "5.25", "5.25", "10.50"},
        {"3.9 BELQ own account", none, item("PARA500"), visit("5001A", "ACME", "BELQ"), "4.75", "5.25", "9.50"},
        {"FENT emergency visit", none, item("PARA500"), visit("5004E", "ACME", "FENT"), "5.25", "5.25", "10.50"},
        {"FENT HMO visit", none, item("PARA500"), visit("5002H", "HMOCO", "FENT"), "5.25", "5.25", "10.50"},
        {"fixed charge", none, item("FIX"), visit("5001A"), "4.75", "5.25", "19.00", 0xC0FFC0},
        {"fixed charge, VAT-exempt under 106", [] { gInvSwitchVATExemptItems = true; }, item("FIXVAT"), visit("5001A"),
         "4.75", "5.25", "8.48", 0xC0FFC0},
        {"fixed charge, VAT-exempt without 106", none, item("FIXVAT"), visit("5001A"), "4.75", "5.25", "19.00", 0xC0FFC0},
        {"HMO under 104", [] { gInvSwitchHMOMarkupPrice = true; }, item("PARA500"), visit("5002H", "HMOCO"), "6.50",
         "5.25", "13.00"},
        {"HMO under 104 at FENT", [] { gInvSwitchHMOMarkupPrice = true; }, item("PARA500"),
         visit("5002H", "HMOCO", "FENT"), "6.50", "5.25", "13.00"},
        {"VA under 103", [] { gInvSwitchVAPrice = true; }, item("PARA500"), visit("5003V", "VA"), "4.00", "5.25", "8.00"},
        {"MDRP over all", [] { gInvSwitchHMOMarkupPrice = true; }, item("MDRP"), visit("5002H", "HMOCO"), "2.25", "5.25",
         "4.50", 0xFF80FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        c.settings();
        const OutPatientLinePrice line = PriceOutPatientLine(db(), c.item, c.context, 2);
        EXPECT_EQ(line.unitPrice, QString::fromLatin1(c.unit));
        EXPECT_EQ(line.listPrice.value_or(QStringLiteral("-")), QString::fromLatin1(c.list));
        EXPECT_EQ(line.amount, QString::fromLatin1(c.amount));
        EXPECT_EQ(line.codeBackColor, c.back);
        EXPECT_EQ(line.gsisAmount, QStringLiteral("3"));
    }
}

TEST_P(OutPatientPricingTest, SubstituteTableTakesSponsorshipFirstAndWritesNoListPriceForIt) {
    gVelmira = true;
    gMarkUpGroup = true;
    const OutPatientUnitPrice programme =
        ComputeOutPatientUnitPrice(db(), item("PARA500"), visit("5001A"), OutPatientPriceTable::Substitute);
    EXPECT_EQ(programme.unitPrice, QStringLiteral("3.5"));
    EXPECT_FALSE(programme.listPrice);
    const OutPatientUnitPrice other =
        ComputeOutPatientUnitPrice(db(), item("PARA500"), visit("5002H"), OutPatientPriceTable::Substitute);
    EXPECT_EQ(other.unitPrice, QStringLiteral("4.75"));
    EXPECT_FALSE(other.listPrice);
    // On the entry table the mark-up group comes first.
    EXPECT_EQ(ComputeOutPatientUnitPrice(db(), item("PARA500"), visit("5001A")).unitPrice, QStringLiteral("5.00"));
    gVelmira = gMarkUpGroup = false;
    const OutPatientUnitPrice industrial = ComputeOutPatientUnitPrice(
        db(), item("PARA500"), visit("5006I", "INDCO", "OXBEN"), OutPatientPriceTable::Substitute);
    EXPECT_EQ(industrial.unitPrice, QStringLiteral("5.25"));
    EXPECT_EQ(industrial.listPrice, QStringLiteral("5.25"));
}

TEST_P(OutPatientPricingTest, QuantityCommitReprices) {
    struct Case { const char* name; std::function<void()> settings; const char* code; double unit, fixed; const char* visit; const char* amount; };
    const auto none = [] {};
    const Case cases[] = {
        {"unit price", none, "PARA500", 4.75, 0, "5001A", "14.25"},
        {"fixed charge", none, "FIX", 4.75, 9.5, "5001A", "28.50"},
        {"VAT-exempt over the fixed charge", [] { gInvSwitchVATExemptItems = true; }, "FIXVAT", 4.75, 9.5, "5001A", "12.72"},
        {"HMO under 104 by the code's text", [] { gInvSwitchHMOMarkupPrice = true; }, "00123", 4.75, 9.5, "5002H", "19.50"},
        {"VA under 103", [] { gInvSwitchVAPrice = true; }, "PARA500", 4.75, 0, "5003V", "12.00"},
        {"large amount", none, "PARA500", 50, 0, "5001A", "150.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetSwitches();
        c.settings();
        EXPECT_EQ(RepriceOutPatientAmount(db(), QString::fromLatin1(c.code), c.unit, c.fixed, QString::fromLatin1(c.visit), 3),
                  QString::fromLatin1(c.amount));
    }
}

TEST_P(OutPatientPricingTest, AmountLessDiscountKeepsFourDecimals) {
    EXPECT_EQ(Text(AmountLessDiscount(5.25, 0)), QStringLiteral("5.25"));
    EXPECT_EQ(Text(AmountLessDiscount(10, 12.345)), QStringLiteral("8.7655"));
    EXPECT_EQ(Text(AmountLessDiscount(1.23456, 0)), QStringLiteral("1.2346"));
}

QX_ON_BOTH_ENGINES(OutPatientPricingTest);

} // namespace
