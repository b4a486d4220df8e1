#include "CashSaleFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

using C = frmEntryCash;

class frmEntryCashTotalsTest : public CashSaleTest {
protected:
    // A screen of `lines` rows, each a complete line unless the test changes it.
    void openWith(int lines) {
        open();
        grid()->setRows(lines + 1);
        for (int row = 1; row <= lines; ++row)
            fill(row, QStringLiteral("I%1").arg(row), QStringLiteral("2"), QStringLiteral("10.00"));
    }
    void fill(int row, const QString& code, const QString& quantity, const QString& amount) {
        grid()->setTextMatrix(row, C::colNumber, Str(row));
        grid()->setTextMatrix(row, C::colCode, code);
        grid()->setTextMatrix(row, C::colQuantity, quantity);
        grid()->setTextMatrix(row, C::colAmount, amount);
    }
    void blank(int row) {
        for (int col = 1; col < grid()->cols(); ++col)
            grid()->setTextMatrix(row, col, QString());
    }
};

TEST_F(frmEntryCashTotalsTest, RowChecks) {
    openWith(5);
    EXPECT_TRUE(form->canSave());
    EXPECT_TRUE(form->NoSaveRows().isEmpty());

    blank(4);
    EXPECT_FALSE(form->canSave());
    EXPECT_TRUE(form->NoSaveRows().isEmpty());
    EXPECT_EQ(form->BlankRows(), 1);

    grid()->setTextMatrix(3, C::colQuantity, QStringLiteral("0"));
    grid()->setTextMatrix(5, C::colWaiting, QStringLiteral("*"));
    EXPECT_EQ(form->NoSaveRows(), QStringLiteral(" 3,  5"));
    grid()->setTextMatrix(2, C::colCode, QString());
    EXPECT_FALSE(form->CanSaveRow(2));
    EXPECT_TRUE(form->CanSaveRow(1));
}

TEST_F(frmEntryCashTotalsTest, TotalAndTheDiscountLabel) {
    openWith(3);
    EXPECT_EQ(form->TotalCharges(), QStringLiteral("30.00"));
    EXPECT_FALSE(form->lblDiscount->isVisible());
    grid()->setTextMatrix(1, C::colAmount, QStringLiteral("1234.5"));
    grid()->setTextMatrix(1, C::colTypeDiscount, QStringLiteral("10.00"));
    grid()->setTextMatrix(2, C::colTypeDiscount, QStringLiteral("5.50"));
    EXPECT_EQ(form->TotalCharges(), QStringLiteral("1,254.50"));
    EXPECT_TRUE(form->lblDiscount->isVisible());
    EXPECT_EQ(form->lblDiscount->text(), QStringLiteral("15.50"));
}

TEST_F(frmEntryCashTotalsTest, TenderedCashAndChange) {
    openWith(1);
    form->lblTotal->setText(QStringLiteral("1,250.00"));
    form->txtCash->setFocus();
    QApplication::processEvents();
    form->txtCash->setText(QStringLiteral("1000"));
    pressKey(form->txtCash, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Amount is greater than tendered cash."));
    EXPECT_TRUE(form->lblChange->text().isEmpty());

    form->txtCash->setText(QStringLiteral("2000"));
    pressKey(form->txtCash, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(form->lblChange->text(), QStringLiteral("750.00"));
    EXPECT_EQ(platform.messages->boxes().size(), 1u);

    // Leaving shows the amount formatted; coming back gives the plain number to edit.
    form->txtCash->setText(QStringLiteral("1500"));
    form->cmdClose->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->txtCash->text(), QStringLiteral("1,500.00"));
    form->txtCash->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->txtCash->text(), QStringLiteral("1500"));
}

TEST_F(frmEntryCashTotalsTest, ClearAllResetsTheScreen) {
    openWith(2);
    form->lblTotal->setText(QStringLiteral("20.00"));
    form->txtCash->setText(QStringLiteral("50"));
    form->chkSenior->setChecked(true);
    form->ClearAll(true);
    EXPECT_EQ(cell(2, C::colNumber), QStringLiteral(" 2"));
    EXPECT_TRUE(cell(2, C::colCode).isEmpty());
    // Unticking Senior Citizen reprices last, so the total shows the emptied grid's.
    EXPECT_EQ(form->lblTotal->text(), QStringLiteral("0.00"));
    EXPECT_TRUE(form->txtCash->text().isEmpty());
    EXPECT_FALSE(form->chkSenior->isChecked());
    EXPECT_EQ(form->lblCSSlip->text(), QStringLiteral(" PH00000001"));
}

} // namespace
} // namespace qx::test
