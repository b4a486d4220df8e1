#include "charging/EmployeePrice.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(EmployeePrice, BySiteSeniorFlagAndSettings) {
    struct Case {
        const char* name;
        const char* site;
        bool senior, markUpGroup, empOutPrice;
        const char* unit;
        const char* seniorDiscount;  // "-" when not written
        const char* regular;         // "-" when not written
    };
    const Case cases[] = {
        {"QVH mark-up group", "QVH", false, true, false, "134.4", "-", "145.60"},
        {"QVH mark-up group, senior item", "QVH", true, true, true, "134.4", "-", "145.60"},
        {"QVH senior item at the out price less the box", "QVH", true, false, false, "45", "5", "-"},
        {"QVH at the out price", "QVH", false, false, true, "50", "-", "-"},
        {"senior item at the in price less the box", "", true, false, false, "64", "16", "-"},
        {"senior item whatever isEmpOutPrice", "NORVAX", true, true, true, "64", "16", "-"},
        {"BELQ charges RateA", "BELQ", false, false, true, "112", "-", "-"},
        {"BELQ senior item", "BELQ", true, false, false, "64", "16", "-"},
        {"employees at the out price", "JAWKC", false, false, true, "50", "-", "-"},
        {"employees at the in price", "", false, true, false, "80", "-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool qvh = QString::fromLatin1(c.site) == QLatin1String("QVH");
        const EmployeeUnitPrice price = EmployeePrice({.siteCode = QString::fromLatin1(c.site),
                                                       .seniorDiscounted = c.senior,
                                                       .markUpGroup = c.markUpGroup,
                                                       .empOutPrice = c.empOutPrice,
                                                       // QVH's senior case takes 10 % off 50; elsewhere 20 % off 80.
                                                       .discountPercent = qvh ? 10.0 : 20.0,
                                                       .sellingPriceIn = 80,
                                                       .sellingPriceOut = 50,
                                                       .rateA = 112,
                                                       .rateB = 20,
                                                       .markupOut = 30});
        EXPECT_EQ(price.unitPrice, c.unit);
        EXPECT_EQ(price.seniorDiscount.value_or(QStringLiteral("-")), c.seniorDiscount);
        EXPECT_EQ(price.regularPrice.value_or(QStringLiteral("-")), c.regular);
        EXPECT_EQ(price.rateA.has_value(), QString::fromLatin1(c.regular) != QLatin1String("-"));
    }
}

TEST(EmployeePrice, MarkUpGroupPriceToTheCentavo) {
    EXPECT_EQ(MarkUpGroupPrice(112, 20), 134.4);
    EXPECT_EQ(MarkUpGroupPrice(0, 20), 0.0);
    // 10 / 1.12 = 8.92857...; plus 15 % = 10.2678...; with VAT 11.5 to the centavo.
    EXPECT_EQ(MarkUpGroupPrice(10, 15), 11.5);
    EXPECT_EQ(MarkUpGroupRegularPrice(112, 30), "145.60");
}

} // namespace
} // namespace qx
