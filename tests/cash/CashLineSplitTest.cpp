#include "charging/CashMoney.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

class CashLineSplitTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSwitches();
        resetHospitalSettings();
    }
    void TearDown() override { resetHospitalSettings(); }
};

// FormatNumber2 of each figure, as the grid shows it.
struct Figures { const char* vat; const char* taxable; const char* discount; const char* net; };

TEST_F(CashLineSplitTest, VATAndDiscountOfOneLine) {
    const auto tenPercent = [](double amount, double) { return amount * 0.10; };
    struct Case {
        const char* name;
        const char* site;
        bool exemptClass, noDiscount;
        double divisor;
        CashLine line;
        Figures want;
        const char* unitPrice;  // "" when the pass leaves the price base alone
    };
    const Case cases[] = {
        {"senior line under CF", "ABC", true, false, 1.12, {112, 50, 1, false, true}, {"12.00", "100.00", "20.00", "80.00"}, "100"},
        {"other line under CF", "ABC", true, false, 1.12, {112, 50, 1, false, false}, {"12.00", "100.00", "0.00", "100.00"}, "100"},
        {"senior line, VAT items not kept apart", "ABC", true, false, 1, {112, 50, 1, false, true}, {"0.00", "112.00", "22.40", "89.60"}, "112"},
        {"VAT-exempt item under CF", "ABC", true, false, 1.12, {112, 50, 1, true, true}, {"0.00", "112.00", "22.40", "89.60"}, ""},
        {"plain 10 % at RUQ", "RUQ", false, false, 1.12, {112, 50, 1, false, false}, {"12", "100", "10", "102"}, "100"},
        {"plain 10 %", "ABC", false, false, 1.12, {112, 50, 1, false, false}, {"0.00", "112.00", "11.20", "100.80"}, ""},
        {"None", "ABC", false, true, 1.12, {112, 50, 1, false, true}, {"0.00", "112.00", "0.00", "112.00"}, ""},
        {"two units under CF", "ABC", true, false, 1.12, {224, 50, 2, false, true}, {"24.00", "200.00", "40.00", "160.00"}, "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        CashDiscountPass pass;
        pass.vatDeduction = CashierVATDeductionInForce();
        pass.vatExemptClass = c.exemptClass;
        pass.noDiscount = c.noDiscount;
        pass.vatDivisor = c.divisor;
        pass.discountOf = tenPercent;
        const CashLineSplit s = SplitCashLine(c.line, pass);
        EXPECT_EQ(FormatNumber2(s.vat), c.want.vat);
        EXPECT_EQ(FormatNumber2(s.taxable), c.want.taxable);
        EXPECT_EQ(FormatNumber2(s.discount), c.want.discount);
        EXPECT_EQ(FormatNumber2(s.net), c.want.net);
        EXPECT_EQ(s.vatExclusiveUnitPrice ? Text(*s.vatExclusiveUnitPrice) : QString(), c.unitPrice);
    }
}

TEST_F(CashLineSplitTest, AtCostTakesOnlyWhatTheAmountExceedsTheCostBy) {
    EXPECT_EQ(AtCostDiscount(100, 80), 20);
    EXPECT_EQ(AtCostDiscount(80, 100), 0);
    EXPECT_EQ(AtCostDiscount(80, 80), 0);
    CashDiscountPass pass;
    pass.vatDivisor = 1.12;
    pass.discountOf = [](double amount, double cost) { return AtCostDiscount(amount, cost); };
    const CashLineSplit s = SplitCashLine({150, 40.125, 3, false, false}, pass);
    EXPECT_EQ(FormatNumber2(s.discount), "29.62");
    EXPECT_EQ(FormatNumber2(s.net), "120.38");
}

} // namespace
} // namespace qx
