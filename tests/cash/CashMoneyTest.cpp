#include "charging/CashMoney.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

class CashMoneyTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSwitches();
        resetHospitalSettings();
    }
    void TearDown() override { resetHospitalSettings(); }
};

// Cents with halves to even on the decimal digits; five decimals while the cashier's VAT deduction
// holds (always at RUQ); Format's patterns keep halves away from zero.
TEST_F(CashMoneyTest, RoundingTable) {
    struct Case { const char* name; double value; const char* round2; const char* format2; const char* format5;
                  const char* formatPattern; };
    const Case cases[] = {
        {"0.125", 0.125, "0.12", "0.12", "0.125", "0.13"},
        {"0.375", 0.375, "0.38", "0.38", "0.375", "0.38"},
        {"1.005", 1.005, "1", "1.00", "1.005", "1.01"},
        {"0.67 x 1.5", 0.67 * 1.5, "1", "1.00", "1.005", "1.01"},
        {"2.675", 2.675, "2.68", "2.68", "2.675", "2.68"},
        {"1.07 x 2.5", 1.07 * 2.5, "2.68", "2.68", "2.675", "2.68"},
        {"-2.675", -2.675, "-2.68", "-2.68", "-2.675", "-2.68"},
        {"112 / 1.12", 112 / 1.12, "100", "100.00", "100", "100.00"},
        {"3", 3, "3", "3.00", "3", "3.00"},
        {"12.5", 12.5, "12.5", "12.50", "12.5", "12.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QStringLiteral("ABC");
        EXPECT_FALSE(CashierVATDeductionInForce());
        EXPECT_EQ(Text(Round2(c.value)), c.round2);
        EXPECT_EQ(FormatNumber2(c.value), c.format2);
        EXPECT_EQ(Format(c.value, QStringLiteral("0.00")), c.formatPattern);
        gSiteCode = QStringLiteral("RUQ");
        EXPECT_TRUE(CashierVATDeductionInForce());
        EXPECT_EQ(FormatNumber2(c.value), c.format5);
    }
}

TEST_F(CashMoneyTest, FiveDecimalsAtRUQAskedAtEveryCall) {
    gSiteCode = QStringLiteral("RUQ");
    EXPECT_EQ(Text(Round2(2.0000051)), "2.00001");
    EXPECT_EQ(Text(Round2(1.234565)), "1.23456");
    gSiteCode = QStringLiteral("ABC");
    EXPECT_EQ(Text(Round2(1.234565)), "1.23");
}

TEST_F(CashMoneyTest, RegionalNumberGroupsThousands) {
    EXPECT_EQ(FormatRegionalNumber(1200), "1,200.00");
    EXPECT_EQ(FormatRegionalNumber(1299.5), "1,299.50");
    EXPECT_EQ(FormatRegionalNumber(-50), "-50.00");
}

} // namespace
} // namespace qx
