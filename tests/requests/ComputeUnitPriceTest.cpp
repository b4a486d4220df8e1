#include "components/DrugCatalog.h"
#include "requests/outpatient/ComputeUnitPrice.h"
#include "shell/HospitalSettings.h"
#include "shell/ShellFixture.h"
#include "shell/Switches.h"
#include "support/Builders.h"

#include <functional>

namespace qx::test {
namespace {

// Visits on an ordinary (ACME), an HMO, a VA, an industrial-class and a blank-named company's
// account, one of them an emergency visit; a plain item and an MDRP item.
class ComputeUnitPriceTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped())
            return;
        struct Account { const char* code; const char* name; const char* klass; };
        for (const Account& a : {Account{"ACME", "ACME CORP", ""}, {"HMOCO", "HEALTH PLAN", "P"}, {"VA", "VETERANS", ""},
                                 {"INDCO", "FACTORY", "I"}, {"BLANK", "   ", ""}})
            db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES (?, ?, ?)"),
                         {QString::fromLatin1(a.code), QString::fromLatin1(a.name), QString::fromLatin1(a.klass)});
        struct Visit { const char* id; const char* hosp; const char* account; double er; };
        for (const Visit& v : {Visit{"5001A", "H1", "ACME", 0}, {"5002H", "H2", "HMOCO", 0}, {"5003V", "H3", "VA", 0},
                               {"5004E", "H4", "ACME", 1}, {"5006I", "H6", "INDCO", 0}, {"5007B", "H7", "BLANK", 0}})
            addOutPatientVisit(db(), {.idNum = QString::fromLatin1(v.id), .person = {.hospNum = QString::fromLatin1(v.hosp)},
                                      .accountNum = QString::fromLatin1(v.account), .erNum = v.er});
        addItem(db(), {.itemId = QStringLiteral("PARA500")});
        addItem(db(), {.itemId = QStringLiteral("MDRP"), .isMDRP = true, .mdrpPrice = 2.25});
        db().execute(QStringLiteral("UPDATE tbInvent SET HMOMarkupOutPrice = 6.5 WHERE LocationID = '20'"));
        for (const char* item : {"PARA500", "MDRP"})
            db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) "
                                        "VALUES (?, '20', 'VA', 4)"),
                         {QString::fromLatin1(item)});
    }
};

TEST_P(ComputeUnitPriceTest, SevenRowsThenTheFourSpecialPrices) {
    const DrugCatalog::InventRecord invent{.SellingPriceIn = 5.25, .SellingPriceOut = 4.75, .RateA = 4, .RateB = 4.4,
                                           .MarkupIn = 25, .MarkupOut = 10};
    struct Case {
        const char* name;
        std::function<void()> settings;
        const char* visit;
        bool outPrice;
        const char* item;
        double fixedCharge;
        const char* unit;
        const char* amount;
        bool mdrp = false;
    };
    const auto none = [] {};
    const auto site = [](const char* code) { return [code] { gSiteCode = QString::fromLatin1(code); }; };
    const auto markUpGroup = [] { gMarkUpGroup = true; };
    const Case cases[] = {
        {"1 out-price, mark-up group with the out-patient mark-up", markUpGroup, "5001A", true, "PARA500", 0, "4.40",
         "8.80"},
        {"2 out-price, FLQC company", site("FLQC"), "5001A", true, "PARA500", 0, "4.4", "8.80"},
        {"3 out-price, FLQC blank company", site("FLQC"), "5007B", true, "PARA500", 0, "4.75", "9.50"},
        {"3 out-price at OXBEN, class I", site("OXBEN"), "5006I", true, "PARA500", 0, "4.75", "9.50"},
        {"4 mark-up group with the in-patient mark-up", markUpGroup, "5001A", false, "PARA500", 0, "5.00", "10.00"},
        {"5 FLQC company", site("FLQC"), "5001A", false, "PARA500", 0, "4.4", "8.80"},
        {"6 OXBEN class I", site("OXBEN"), "5006I", false, "PARA500", 0, "5.25", "10.50"},
        {"7 OXBEN, another class", site("OXBEN"), "5001A", false, "PARA500", 0, "4.75", "9.50"},
        {"7 selling price out", none, "5001A", false, "PARA500", 0, "4.75", "9.50"},
        {"fixed charge", none, "5001A", false, "PARA500", 5, "4.75", "10.00"},
        {"fixed charge below one", none, "5001A", false, "PARA500", 0.25, "4.75", "0.50"},
        {"4a FENT emergency visit", site("FENT"), "5004E", false, "PARA500", 5, "5.25", "10.50"},
        {"4a FENT HMO visit", site("FENT"), "5002H", true, "PARA500", 0, "5.25", "10.50"},
        {"4a elsewhere", none, "5004E", false, "PARA500", 0, "4.75", "9.50"},
        {"4b HMO over a fixed charge", [] { gInvSwitchHMOMarkupPrice = true; }, "5002H", false, "PARA500", 5, "6.5",
         "13.00"},
        {"4b switch off", none, "5002H", false, "PARA500", 0, "4.75", "9.50"},
        {"4c VA", [] { gInvSwitchVAPrice = true; }, "5003V", false, "PARA500", 0, "4", "8.00"},
        {"4d MDRP last, over FENT's emergency price", site("FENT"), "5004E", false, "MDRP", 0, "2.25", "4.50", true},
        {"4d MDRP over HMO", [] { gInvSwitchHMOMarkupPrice = true; }, "5002H", false, "MDRP", 0, "2.25", "4.50", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        c.settings();
        const OutPatientRequestPrice price =
            ComputeUnitPrice(db(), invent,
                             {.itemCode = QString::fromLatin1(c.item), .visitId = QString::fromLatin1(c.visit),
                              .quantity = 2, .outPriceAccount = c.outPrice, .fixedCharge = c.fixedCharge});
        EXPECT_EQ(price.unitPrice, QString::fromLatin1(c.unit));
        EXPECT_EQ(price.amount, QString::fromLatin1(c.amount));
        EXPECT_EQ(price.mdrp, c.mdrp);
    }
}

QX_ON_BOTH_ENGINES(ComputeUnitPriceTest);

} // namespace
} // namespace qx::test
