#include "charging/TypeABDiscounts.h"

#include "ScriptedPlatform.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/WidgetInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qx {
namespace {

// A grid of lines with their gross amounts (column 13) and the totals labels, as a screen shows
// them, with the component over it.
class TypeABDiscountsTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid->setCols(18);
        grid->setRows(6);
        grid->setFixedRows(1);
        discounts.totalCharges = [this] {
            double sum = 0;
            for (int r = 1; r < grid->rows(); ++r)
                sum += Val(grid->textMatrix(r, 8));
            return Format(sum, QStringLiteral("###0.00"));
        };
        discounts.lblGross = gross;
        discounts.lblDiscount = discount;
        discounts.lblNet = net;
        for (QComboBox* list : {discounts.cmbA, discounts.cmbB1, discounts.cmbB2})
            list->addItems({"0.00%", "1.12%", "2.50%", "5.00%", "10.00%", "20.00%"});
    }
    void line(int row, const QString& grossAmount) {
        grid->setTextMatrix(row, 8, grossAmount);
        grid->setTextMatrix(row, 11, "12.5");  // the GSIS amount entry wrote
        grid->setTextMatrix(row, 13, grossAmount);
    }
    static void choose(QComboBox* list, const QString& rate) { list->setCurrentText(rate); }
    QString cell(int row, int col) const { return grid->textMatrix(row, col); }

    ScriptedPlatform platform;
    QDialog window;
    FlexGrid* grid = new FlexGrid(&window);
    QLabel* gross = new QLabel(&window);
    QLabel* discount = new QLabel(&window);
    QLabel* net = new QLabel(&window);
    TypeABDiscounts discounts{&window, grid, {}};
};

TEST_F(TypeABDiscountsTest, DiscountPerTypeAndRate) {
    struct Case { const char* name; bool typeA; const char* rate1; const char* rate2; const char* gross; const char* disc; const char* amount; };
    const Case cases[] = {
        {"A 20 is a percentage", true, "20.00%", "", "250.00", "50.00", "200.00"},
        {"A 1.12 takes the VAT out", true, "1.12%", "", "112.00", "12.00", "100.00"},
        {"A 10 is a divisor", true, "10.00%", "", "100.00", "90.00", "10.00"},
        {"A 0 takes nothing", true, "0.00%", "", "100.00", "0.00", "100.00"},
        {"B 10 then 5", false, "10.00%", "5.00%", "200.00", "29.00", "171.00"},
        {"B second rate 2.5 used as 2", false, "10.00%", "2.50%", "200.00", "23.60", "176.40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (c.typeA ? discounts.chkTypeA : discounts.chkTypeB)->setChecked(true);
        choose(c.typeA ? discounts.cmbA : discounts.cmbB1, QString::fromLatin1(c.rate1));
        if (!c.typeA)
            choose(discounts.cmbB2, QString::fromLatin1(c.rate2));
        line(1, QString::fromLatin1(c.gross));
        (c.typeA ? discounts.cmdApplyA : discounts.cmdApplyB)->click();
        EXPECT_EQ(cell(1, 12), QString::fromLatin1(c.disc));
        EXPECT_EQ(cell(1, 8), QString::fromLatin1(c.amount));
        EXPECT_EQ(cell(1, 11), "*");
        EXPECT_EQ(net->text(), QString::fromLatin1(c.amount));
        EXPECT_EQ(discount->text(), QString::fromLatin1(c.disc));
        discounts.chkTypeA->setChecked(false);
        discounts.chkTypeB->setChecked(false);
    }
}

TEST_F(TypeABDiscountsTest, ApplyTwiceUntickAndChangeOfType) {
    line(1, "250.00");
    line(2, "100.00");
    EXPECT_FALSE(discounts.TypeA->isEnabled());
    EXPECT_FALSE(discounts.cmdApplyA->isEnabled());
    discounts.chkTypeA->setChecked(true);
    EXPECT_TRUE(discounts.TypeA->isEnabled());
    EXPECT_TRUE(discounts.cmdApplyA->isEnabled());
    EXPECT_FALSE(discounts.TypeB->isEnabled());
    choose(discounts.cmbA, "20.00%");
    discounts.cmdApplyA->click();
    discounts.cmdApplyA->click();
    EXPECT_EQ(cell(1, 8), "200.00");
    EXPECT_EQ(cell(2, 8), "80.00");
    EXPECT_EQ(discounts.TotalDiscount(), "70.00");
    line(3, "10.00");  // added after the apply: undiscounted until the next one
    EXPECT_EQ(cell(3, 8), "10.00");
    EXPECT_EQ(cell(3, 12), "");

    // Ticking B unticks A, which takes A's discounts off first.
    discounts.chkTypeB->setChecked(true);
    EXPECT_FALSE(discounts.chkTypeA->isChecked());
    EXPECT_EQ(discounts.cmbA->currentIndex(), 0);
    EXPECT_EQ(cell(1, 8), "250.00");
    EXPECT_EQ(cell(1, 11), "");
    EXPECT_EQ(cell(1, 12), "");
    EXPECT_EQ(discounts.TotalDiscount(), "0.00");
    EXPECT_EQ(net->text(), "360.00");
    EXPECT_TRUE(discounts.cmdApplyB->isEnabled());
    EXPECT_FALSE(discounts.TypeA->isEnabled());

    choose(discounts.cmbB1, "10.00%");
    discounts.cmdApplyB->click();
    EXPECT_EQ(cell(3, 8), "9.00");
    discounts.chkTypeB->setChecked(false);
    EXPECT_FALSE(discounts.cmdApplyB->isEnabled());
    EXPECT_EQ(discounts.cmbB1->currentIndex(), 0);
    EXPECT_EQ(cell(3, 8), "10.00");
    EXPECT_EQ(discount->text(), "0.00");
}

TEST_F(TypeABDiscountsTest, EmptyRateListsTakeNothingOff) {
    for (QComboBox* list : {discounts.cmbA, discounts.cmbB1, discounts.cmbB2})
        list->clear();
    line(1, "100.00");
    discounts.chkTypeA->setChecked(true);
    discounts.cmdApplyA->click();
    EXPECT_EQ(cell(1, 8), "100.00");
    discounts.chkTypeB->setChecked(true);
    discounts.cmdApplyB->click();
    EXPECT_EQ(cell(1, 8), "100.00");
    EXPECT_EQ(discounts.TotalDiscount(), "0.00");
}

TEST_F(TypeABDiscountsTest, PercentageBox) {
    test::showActive(&window);
    discounts.txtDiscount->show();
    discounts.txtDiscount->setFocus();
    test::typeText(discounts.txtDiscount, "1a5-0");
    EXPECT_EQ(discounts.txtDiscount->text(), "150");
    EXPECT_FALSE(discounts.txtDiscount_Validate());
    net->setFocus();
    EXPECT_TRUE(discounts.txtDiscount->hasFocus()) << "above 100 keeps the focus";
    discounts.txtDiscount->setText("50");
    gross->setText("200.00");
    net->setFocus();
    EXPECT_FALSE(discounts.txtDiscount->hasFocus());
    EXPECT_EQ(discount->text(), "010.00");
    EXPECT_EQ(net->text(), "190.00");
    EXPECT_EQ(discounts.percentage(), 50);
}

} // namespace
} // namespace qx
