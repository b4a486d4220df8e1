#include "CashEntryFixture.h"

namespace qx::test {
namespace {

class CashAssessmentProceduresTest : public CashEntryBothEnginesTest {};

TEST_P(CashAssessmentProceduresTest, MarkUpOfAnItemsGroups) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaMarkUpGroup (ItemID, CASH, Employee, SeniorCitizenIn, "
                                "SeniorCitizenOut, VAT) VALUES ('1001', 30, 10, 15, 20, 12)"));
    auto rs = db().callProcedure(QStringLiteral("Pharma_GetMarkUp"), {{QStringLiteral("@ItemID"), QStringLiteral(" 1001 ")}});
    ASSERT_TRUE(rs && !rs->eof());
    EXPECT_EQ(Text(rs->value(QStringLiteral("CASH"))), "30");
    EXPECT_EQ(Text(rs->value(QStringLiteral("SeniorCitizenOut"))), "20");
    EXPECT_EQ(Text(rs->value(QStringLiteral("VAT"))), "12");
    rs = db().callProcedure(QStringLiteral("Pharma_GetMarkUp"), {{QStringLiteral("@ItemID"), QStringLiteral("9999")}});
    EXPECT_TRUE(!rs || rs->eof());
}

TEST_P(CashAssessmentProceduresTest, DiscountClassesOfThePharmacy) {
    for (const auto& [id, name, active] : {std::tuple{"CF", "SENIOR CITIZENS DISCOUNT", "Y"},
                                          std::tuple{"CZ", "CASH DISCOUNT", "Y"}, std::tuple{"XX", "OLD", "N"}})
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRevenueCode (RevenueID, ItemName, LGRP, CashierActive, "
                                    "PHActive, RecordStatus) VALUES (?, ?, 'D', 'Y', ?, 'A')"),
                     {QString::fromLatin1(id), QString::fromLatin1(name), QString::fromLatin1(active)});
    auto rs = db().callProcedure(QStringLiteral("Pharma_LoadDiscount"));
    ASSERT_TRUE(rs);
    QStringList classes;
    for (; !rs->eof(); rs->moveNext())
        classes << rs->text(QStringLiteral("Revenue"));
    EXPECT_EQ(classes, (QStringList{"CZ-CASH DISCOUNT", "CF-SENIOR CITIZENS DISCOUNT"}));
}

QX_ON_BOTH_ENGINES(CashAssessmentProceduresTest);

} // namespace
} // namespace qx::test
