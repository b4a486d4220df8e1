#include "CashSaleFixture.h"

#include "charging/CashMoney.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

using C = frmEntryCash;

// One priced line: in-patient 100.00, out-patient 110.00, unit cost 60.00, quantity 2.
class frmEntryCashDiscountsTest : public CashSaleTest {
protected:
    void openWithLine(bool discountable = true) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, TypeA, TypeB) VALUES (10, 1, 1), (5, 0, 1)"));
        open();
        grid()->setRows(2);
        const auto set = [&](int col, const char* text) { grid()->setTextMatrix(1, col, QString::fromLatin1(text)); };
        set(C::colCode, "1001");
        set(C::colQuantity, "2");
        set(C::colPriceIn, "100");
        set(C::colPriceOut, "110");
        set(C::colUnitCost, "60");
        set(C::colDiscountable, discountable ? "*" : "");
        set(C::colUnitPrice, "110.00");
        set(C::colAmount, "220.00");
        set(C::colEntryAmount, "220.00");
        grid()->setRow(1);
        grid()->setCol(C::colCode);
    }
    // Ticks or unticks a box as a click does.
    static void click(QCheckBox* box) { box->click(); }
};

TEST_F(frmEntryCashDiscountsTest, DiscountArithmetic) {
    EXPECT_EQ(FormatSaleAmount(Discounted(100, 20)), QStringLiteral("80.00"));
    EXPECT_EQ(FormatSaleAmount(TypeDiscount(200, false, 0, 10, 5)), QStringLiteral("29.00"));
    EXPECT_EQ(FormatSaleAmount(TypeDiscount(200, true, 12, 10, 5)), QStringLiteral("24.00"));
    EXPECT_EQ(FormatSaleTotal(1234567.5), QStringLiteral("1,234,567.50"));
}

TEST_F(frmEntryCashDiscountsTest, SeniorRepricesDiscountableLines) {
    struct Case { const char* name; bool discountable; bool atCost; const char* price; const char* amount; const char* number; };
    const Case cases[] = {
        {"senior", true, false, "80.00", "160.00", " 1*"},
        {"not discountable", false, false, "110.00", "220.00", " 1"},
        {"at cost with senior", true, true, "48.00", "96.00", " 1*"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openWithLine(c.discountable);
        click(form->chkSenior);
        if (c.atCost)
            click(form->chkAtCost);
        EXPECT_EQ(cell(1, C::colUnitPrice), QString::fromLatin1(c.price));
        EXPECT_EQ(cell(1, C::colAmount), QString::fromLatin1(c.amount));
        EXPECT_EQ(cell(1, C::colNumber), QString::fromLatin1(c.number));
        EXPECT_FALSE(form->chkEmployee->isEnabled());
    }
    openWithLine();
    click(form->chkSenior);
    click(form->chkSenior);
    EXPECT_EQ(cell(1, C::colUnitPrice), QStringLiteral("110.00"));
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("220.00"));
    EXPECT_EQ(cell(1, C::colNumber), QStringLiteral(" 1"));
    EXPECT_TRUE(form->chkEmployee->isEnabled());
}

TEST_F(frmEntryCashDiscountsTest, OtherDiscountOnMarkedLines) {
    openWithLine(false);
    click(form->chkEmployee);
    EXPECT_TRUE(form->txtOtherDesc->isEnabled());
    EXPECT_FALSE(form->chkSenior->isEnabled());
    form->txtOtherDesc->setText(QStringLiteral("10"));
    ASSERT_TRUE(form->cmdDiscount->isEnabled());
    form->cmdDiscount->click();
    EXPECT_EQ(form->cmdDiscount->text(), QStringLiteral("OK"));
    EXPECT_EQ(cell(1, C::colUnitPrice), QStringLiteral("99.00"));
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("198.00"));
    EXPECT_EQ(cell(1, C::colNumber), QStringLiteral(" 1*"));
    // A double click on the code cell takes the mark off again.
    form->flexMSEntry_DblClick(C::colCode);
    EXPECT_TRUE(cell(1, C::colLineMark).isEmpty());
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("220.00"));
    EXPECT_EQ(cell(1, C::colNumber), QStringLiteral(" 1"));
}

TEST_F(frmEntryCashDiscountsTest, IgnoringTheTypedRate) {
    // Unticking Other Discount with a typed rate: No keeps it, Yes drops the rate and the marks.
    openWithLine();
    click(form->chkEmployee);
    form->txtOtherDesc->setText(QStringLiteral("10"));
    form->cmdDiscount->click();
    platform.messages->answer(vbNo);
    click(form->chkEmployee);
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("You have entered the discount rate. Are you sure to ignore?"));
    EXPECT_TRUE(form->chkEmployee->isChecked());
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("198.00"));
    platform.messages->answer(vbYes);
    click(form->chkEmployee);
    EXPECT_FALSE(form->chkEmployee->isChecked());
    EXPECT_TRUE(form->txtOtherDesc->text().isEmpty());
    EXPECT_TRUE(cell(1, C::colLineMark).isEmpty());
    EXPECT_EQ(cell(1, C::colNumber), QStringLiteral(" 1"));
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("220.00"));

    // At Cost with a typed rate: No unticks it again, Yes locks the discounts.
    openWithLine();
    form->txtOtherDesc->setText(QStringLiteral("5"));
    platform.messages->answer(vbNo);
    click(form->chkAtCost);
    EXPECT_FALSE(form->chkAtCost->isChecked());
    EXPECT_EQ(form->txtOtherDesc->text(), QStringLiteral("5"));
    platform.messages->answer(vbYes);
    click(form->chkAtCost);
    EXPECT_TRUE(form->chkAtCost->isChecked());
    EXPECT_FALSE(form->Frame2->isEnabled());
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("120.00"));

    // Senior with a typed rate: No leaves it unticked.
    openWithLine();
    form->txtOtherDesc->setText(QStringLiteral("5"));
    platform.messages->answer(vbNo);
    click(form->chkSenior);
    EXPECT_FALSE(form->chkSenior->isChecked());
    platform.messages->answer(vbYes);
    click(form->chkSenior);
    EXPECT_TRUE(form->chkSenior->isChecked());
    EXPECT_TRUE(form->txtOtherDesc->text().isEmpty());
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("160.00"));
}

TEST_F(frmEntryCashDiscountsTest, RateSpinnerAndItsLimit) {
    openWithLine();
    click(form->chkEmployee);
    form->txtOtherDesc->setText(QStringLiteral("99"));
    emit form->udOtherDisc->upClick();
    EXPECT_EQ(form->txtOtherDesc->text(), QStringLiteral("100 %"));
    emit form->udOtherDisc->upClick();
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Sorry, discount must not exceed 100%."));
    EXPECT_EQ(form->txtOtherDesc->text(), QStringLiteral("100 %"));
    form->txtOtherDesc->setText(QStringLiteral("1"));
    emit form->udOtherDisc->downClick();
    EXPECT_TRUE(form->txtOtherDesc->text().isEmpty());

    // A typed rate above 100 is refused as it is typed.
    platform.messages->clear();
    form->txtOtherDesc->setText(QStringLiteral("10"));
    form->txtOtherDesc->setCursorPosition(2);
    typeText(form->txtOtherDesc, QStringLiteral("1"));
    EXPECT_EQ(form->txtOtherDesc->text(), QStringLiteral("10"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Sorry, discount must not exceed 100%."));
}

TEST_F(frmEntryCashDiscountsTest, TypeAAndTypeB) {
    openWithLine();
    grid()->setTextMatrix(1, C::colEntryAmount, QStringLiteral("200.00"));
    click(form->chkTypeB);
    EXPECT_TRUE(form->TypeB->isEnabled());
    form->cmbB1->setCurrentIndex(1);  // 10%
    form->cmbB2->setCurrentIndex(0);  // 5%
    form->cmdApplyB->click();
    EXPECT_EQ(cell(1, C::colTypeDiscount), QStringLiteral("29.00"));
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("171.00"));
    EXPECT_EQ(cell(1, C::colBeforeTypeDiscount), QStringLiteral("220.00"));
    EXPECT_EQ(cell(1, C::colLineMark), QStringLiteral("*"));
    EXPECT_EQ(form->lblDiscount->text(), QStringLiteral("29.00"));
    // Ticking type A unticks B, whose discounts come off.
    click(form->chkTypeA);
    EXPECT_FALSE(form->chkTypeB->isChecked());
    EXPECT_FALSE(form->TypeB->isEnabled());
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("200.00"));
    EXPECT_TRUE(cell(1, C::colLineMark).isEmpty());
    EXPECT_FALSE(form->lblDiscount->isVisible());
    form->cmdApplyA->click();
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("180.00"));
    click(form->chkTypeA);
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("200.00"));
    EXPECT_FALSE(form->cmdApplyA->isEnabled());
}

} // namespace
} // namespace qx::test
