#include "platform/Values.h"
#include "requests/inpatient/InpatientRequestPrice.h"

#include <gtest/gtest.h>

namespace qx::test {
namespace {

TEST(InpatientRequestPriceTest, BranchesAndOverridesInOrder) {
    struct Case {
        const char* name;
        RequestPriceInputs in;
        const char* unitPrice;
        const char* rulePrice;
        const char* amount;
        bool mdrp;
    };
    RequestPriceInputs plain;
    plain.sellingPriceIn = 5.25;
    plain.averageCost = 3.5;
    plain.rateA = 50;
    plain.markupIn = 20;
    plain.rateB = 7.5;
    plain.quantity = 2;
    auto with = [&](auto change) {
        RequestPriceInputs in = plain;
        change(in);
        return in;
    };
    const Case cases[] = {
        {"selling price", plain, "5.25", "5.25", "10.50", false},
        {"room mark-up", with([](auto& in) { in.roomMarkUp = 10; in.socializePricing = true; in.sellingPriceIn = 100; in.quantity = 3; }),
         "110", "110", "330.00", false},
        {"room mark-up at ZMX", with([](auto& in) { in.roomMarkUp = 10; in.socializePricing = true; in.siteCode = "ZMX"; }),
         "3.85", "3.85", "7.70", false},
        {"mark-up without mark-up pricing", with([](auto& in) { in.roomMarkUp = 10; }), "5.25", "5.25", "10.50", false},
        {"mark-up group", with([](auto& in) { in.markUpGroup = true; in.quantity = 3; }), "60.00", "60.00", "180.00", false},
        {"room mark-up before group", with([](auto& in) { in.roomMarkUp = 10; in.socializePricing = true; in.markUpGroup = true; }),
         "5.775", "5.775", "11.55", false},
        {"company rate B", with([](auto& in) { in.companyRate = true; }), "7.5", "7.5", "15.00", false},
        {"fixed charge", with([](auto& in) { in.fixedCharge = 25; }), "5.25", "5.25", "50.00", false},
        {"HMO", with([](auto& in) { in.hmoPrice = 12.5; }), "12.5", "5.25", "25.00", false},
        {"HMO on a fixed charge", with([](auto& in) { in.fixedCharge = 25; in.hmoPrice = 12.5; }), "12.5", "5.25", "25.00", false},
        {"VA after HMO", with([](auto& in) { in.hmoPrice = 12.5; in.vaPrice = 9; }), "9", "5.25", "18.00", false},
        {"MDRP last", with([](auto& in) { in.hmoPrice = 12.5; in.vaPrice = 9; in.mdrpPrice = 0.5; in.quantity = 1; }),
         "0.5", "5.25", "0.50", true},
        {"MDRP without price", with([](auto& in) { in.mdrpPrice = 0; }), "0", "5.25", "0.00", true},
        {"no quantity", with([](auto& in) { in.quantity = 0; }), "5.25", "5.25", "0.00", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RequestPrice price = PriceRequestLine(c.in);
        EXPECT_EQ(price.unitPrice, QString::fromLatin1(c.unitPrice));
        EXPECT_EQ(price.rulePrice, QString::fromLatin1(c.rulePrice));
        EXPECT_EQ(price.amount, QString::fromLatin1(c.amount));
        EXPECT_EQ(price.mdrp, c.mdrp);
    }
}

TEST(InpatientRequestPriceTest, TotalIsWrittenWithTheSignsPlace) {
    const std::pair<double, const char*> cases[] = {{330, " 330"}, {10.5, " 10.5"}, {0.5, " .5"}, {-0.25, "-.25"}, {0, " 0"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(Str(value), QString::fromLatin1(text)) << value;
}

} // namespace
} // namespace qx::test
