#include "posting/frmEmployee.h"

#include "ScriptedPlatform.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace qx {
namespace {

// The employee screen's discounts over lines written straight into the grid, with the rate lists
// as the screen loads them (type A after an empty entry; type B from the same rates).
class frmEmployeeDiscountsTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSession();
        resetHospitalSettings();
        form = std::make_unique<frmEmployee>();
        test::showActive(form.get());
        form->flexMSEntry->setEnabled(true);
        form->cmbA->addItem(QString());
        for (const char* rate : {"20.00%", "10.00%", "5.00%", "2.50%"}) {
            const QString code = QStringLiteral("D") + QString::fromLatin1(rate).left(2);
            form->cmbA->addItem(QString::fromLatin1(rate) + QStringLiteral(" | ") + code + QStringLiteral(" | NAME"), code);
            form->cmbB1->addItem(QString::fromLatin1(rate) + QStringLiteral(" NAME"), code);
            form->cmbB2->addItem(QString::fromLatin1(rate) + QStringLiteral(" NAME"), code);
        }
    }
    void TearDown() override {
        form.reset();
        resetSession();
        resetHospitalSettings();
    }
    void line(int row, const QString& gross, const QString& mdrp = QStringLiteral("0"), const QString& fixed = QStringLiteral("0")) {
        FlexGrid* g = form->flexMSEntry;
        g->setTextMatrix(row, 1, QString::number(row * 100));
        g->setTextMatrix(row, 5, QStringLiteral("TID"));
        g->setTextMatrix(row, 6, QStringLiteral("1"));
        g->setTextMatrix(row, 8, gross);
        g->setTextMatrix(row, 13, gross);
        g->setTextMatrix(row, 17, fixed);
        g->setTextMatrix(row, 22, mdrp);
    }
    QString cells(int row) {
        FlexGrid* g = form->flexMSEntry;
        return g->textMatrix(row, 8) + u'|' + g->textMatrix(row, 11) + u'|' + g->textMatrix(row, 12);
    }
    void applyA(int index) {
        form->chkTypeA->setChecked(true);
        form->cmbA->setCurrentIndex(index);
        form->cmdApplyA->click();
    }
    void applyB(int first, int second) {
        form->chkTypeB->setChecked(true);
        form->cmbB1->setCurrentIndex(first);
        form->cmbB2->setCurrentIndex(second);
        form->cmdApplyB->click();
    }

    ScriptedPlatform platform;
    std::unique_ptr<frmEmployee> form;
};

TEST_F(frmEmployeeDiscountsTest, TypesAAndBOnTheGross) {
    struct Case {
        const char* name;
        const char* site;
        const char* gross;
        std::function<void()> apply;
        const char* want;
    };
    const Case cases[] = {
        {"A 20 %", "", "100", [this] { applyA(1); }, "80.00|*|20.00"},
        {"A again at 10 % replaces it", "", "100", [this] { applyA(1); applyA(2); }, "90.00|*|10.00"},
        {"B 10 then 5", "", "100", [this] { applyB(1, 2); }, "85.50|*|14.50"},
        {"B's second rate 2.5 counts 2", "", "100", [this] { applyB(1, 3); }, "88.20|*|11.80"},
        {"JAWKC takes the rate without VAT", "JAWKC", "112", [this] { applyA(1); }, "92.00|*|20.00"},
        {"QVH gives the employee rate whatever is ticked", "QVH", "200", [this] { applyB(1, 2); },
         "180.00|*|20.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        gDiscountEmployee = 10;
        form->ClearAll();
        form->chkTypeB->setChecked(false);
        form->flexMSEntry->setEnabled(true);
        line(1, QString::fromLatin1(c.gross));
        line(2, QStringLiteral("50"), QStringLiteral("1"));  // MDRP: never discounted
        line(3, QStringLiteral("0"));                          // nothing to discount
        c.apply();
        EXPECT_EQ(cells(1), c.want);
        EXPECT_EQ(cells(2), "50||");
        EXPECT_EQ(cells(3), "0||");
        EXPECT_EQ(form->lblDiscount->text(), form->flexMSEntry->textMatrix(1, 12));
    }
}

TEST_F(frmEmployeeDiscountsTest, RemovingTheTickRestoresTheLines) {
    line(1, QStringLiteral("100"));
    line(2, QStringLiteral("40"));
    applyA(1);
    EXPECT_EQ(form->txtDiscount->text(), "20");
    EXPECT_EQ(form->GetDiscountCode(), "D20");
    EXPECT_EQ(form->lblNet->text(), "112.00");
    EXPECT_EQ(form->lblDiscount->text(), "28.00");
    form->chkTypeA->setChecked(false);
    EXPECT_EQ(cells(1), "100||");
    EXPECT_EQ(cells(2), "40||");
    EXPECT_EQ(form->txtDiscount->text(), "0");
    EXPECT_EQ(form->cmbA->currentIndex(), 0);
    EXPECT_EQ(form->GetDiscountCode(), "");
    EXPECT_EQ(form->TotalDiscount(), "0.00");
    // Ticking B takes A's discount off first.
    applyA(2);
    form->chkTypeB->setChecked(true);
    EXPECT_EQ(cells(1), "100||");
    EXPECT_FALSE(form->chkTypeA->isChecked());
}

TEST_F(frmEmployeeDiscountsTest, QVHAutomaticEmployeeDiscountWithVAT) {
    gSiteCode = QStringLiteral("QVH");
    gDiscountEmployee = 10;
    gDiscountVAT = 12;
    line(1, QStringLiteral("110"));
    form->flexMSEntry->setTextMatrix(1, 15, QStringLiteral("10"));
    line(2, QStringLiteral("75"), QStringLiteral("0"), QStringLiteral("25"));  // fixed price: untouched
    line(3, QStringLiteral("50"), QStringLiteral("1"));                         // MDRP: discounted here
    form->ComputeAllDiscountsQVH();
    EXPECT_EQ(cells(1), "112.00|*|10.00");
    EXPECT_EQ(cells(2), "75||");
    EXPECT_EQ(cells(3), "50.40|*|5.00");
    EXPECT_EQ(form->lblNet->text(), "237.40");
    EXPECT_EQ(form->lblDiscount->text(), "15.00");
    EXPECT_EQ(form->lblGross->text(), "252.40");

    // Mark-up-group pricing: the saving against the regular amount, the amount kept.
    gMarkUpGroup = true;
    form->flexMSEntry->setTextMatrix(1, 8, QStringLiteral("134.40"));
    form->flexMSEntry->setTextMatrix(1, 21, QStringLiteral("145.60"));
    form->ComputeAllDiscountsQVH();
    EXPECT_EQ(cells(1), "134.40|*|11.20");
}

TEST_F(frmEmployeeDiscountsTest, PercentageBox) {
    form->txtDiscount->setEnabled(true);
    form->lblGross->setText(QStringLiteral(" 500.00"));
    form->txtDiscount->setFocus();
    form->txtDiscount->clear();
    test::typeText(form->txtDiscount, "1a0%");
    EXPECT_EQ(form->txtDiscount->text(), "10");
    form->discounts()->txtDiscount_LostFocus();
    EXPECT_EQ(form->lblDiscount->text(), " 50.00");
    EXPECT_EQ(form->lblNet->text(), " 450.00");
    form->txtDiscount->setText(QStringLiteral("150"));
    EXPECT_FALSE(form->discounts()->txtDiscount_Validate());
}

} // namespace
} // namespace qx
