#include "posting/frmEmployee.h"

#include "ScriptedPlatform.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/WidgetInput.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace qx {
namespace {

// The employee screen with its grid enabled, as after a visit was chosen.
class frmEmployeeGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSession();
        ClearWindowOpeners();
        form = std::make_unique<frmEmployee>();
        form->saveUserLog = [this](const QString& activity) { logged << activity; };
        test::showActive(form.get());
        grid()->setEnabled(true);
    }
    void TearDown() override {
        form.reset();
        resetSession();
        ClearWindowOpeners();
    }

    FlexGrid* grid() { return form->flexMSEntry; }
    QLineEdit* box() { return form->txtEntry(); }
    void goTo(int row, int col) { test::openEditorAt(*form->chargeGrid(), row, col); }
    void fillLine(int row, const QString& code, const QString& dosage, const QString& quantity, const QString& amount) {
        grid()->setTextMatrix(row, 1, code);
        grid()->setTextMatrix(row, 2, QStringLiteral("ITEM ") + code);
        grid()->setTextMatrix(row, 5, dosage);
        grid()->setTextMatrix(row, 6, quantity);
        grid()->setTextMatrix(row, 8, amount);
    }

    ScriptedPlatform platform;
    std::unique_ptr<frmEmployee> form;
    QStringList logged;
};

TEST_F(frmEmployeeGridTest, LaysOutItsColumnsFromTheGridWidth) {
    frmEmployee fresh;
    EXPECT_EQ(fresh.windowTitle(), "Employee Medicines");
    EXPECT_FALSE(fresh.flexMSEntry->isEnabled());
    EXPECT_EQ(fresh.flexMSEntry->rows(), 31);
    EXPECT_EQ(fresh.flexMSEntry->textMatrix(0, 5), "Dosage Frq. ");
    EXPECT_EQ(fresh.flexMSEntry->textMatrix(30, 0), " 30");
    // W = 11220: u = 488; column 1 = 561 + 300; column 4 = 1.5u.
    const int widths[] = {300, 861, 2440, 1952, 732, 976, 976, 976, 976, 2440, 2000, 2000, 2000, 2000, 500, 500, 0,
                          500, 1000, 1000};
    for (int c = 0; c < 20; ++c)
        EXPECT_EQ(fresh.flexMSEntry->colWidth(c), widths[c]) << c;
    EXPECT_EQ(fresh.flexMSEntry->colWidth(22), 0);
    for (int c = 0; c < 23; ++c)
        EXPECT_EQ(fresh.ExcemptCol(c), QList<int>({2, 3, 4, 7, 8, 11, 17, 18}).contains(c)) << c;
}

TEST_F(frmEmployeeGridTest, EditorOpensOnlyBelowALineWithACode) {
    struct Case {
        const char* name;
        int row, col;
        bool text, button;
    };
    fillLine(1, "100", "TID", "1", "5.00");
    const Case cases[] = {
        {"code of line 1", 1, 1, true, true},       {"code below a coded line", 2, 1, true, true},
        {"dosage", 2, 5, true, false},              {"quantity", 2, 6, true, false},
        {"remarks", 2, 9, true, false},             {"a bookkeeping column", 2, 12, true, false},
        {"below an empty line", 3, 1, false, false}, {"brand is exempt", 2, 3, false, false},
        {"unit is exempt", 2, 4, false, false},     {"amount is exempt", 2, 8, false, false},
        {"stock is exempt", 2, 7, false, false},    {"column 17 is exempt", 2, 17, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->chargeGrid()->hideEditor();
        goTo(c.row, c.col);
        EXPECT_EQ(box()->isVisible(), c.text);
        EXPECT_EQ(form->cmdEntry()->isVisible(), c.button);
        EXPECT_FALSE(form->chargeGrid()->editor()->spinner()->isVisible());
    }
    goTo(2, 1);
    test::typeText(box(), QString(25, u'A'));
    EXPECT_EQ(box()->text().size(), 20);
    goTo(2, 5);
    test::typeText(box(), QString(25, u'B'));
    EXPECT_EQ(box()->text().size(), 25);
}

TEST_F(frmEmployeeGridTest, KeysRunCodeDosageQuantityThenTheNextCode) {
    for (int row = 1; row <= 30; ++row)
        grid()->setTextMatrix(row, 1, QString::number(row));
    const test::NavigationCase cases[] = {
        {"End on Code moves to Dosage Frq.", 4, 1, Qt::Key_End, 4, 5, true},
        {"End on Dosage Frq. moves to Quantity", 4, 5, Qt::Key_End, 4, 6, true},
        {"End on Quantity moves to Code of the next line", 4, 6, Qt::Key_End, 5, 1, true},
        {"End on line 30 returns to its Code", 30, 6, Qt::Key_End, 30, 1, true},
        {"Home on Quantity moves to Dosage Frq.", 4, 6, Qt::Key_Home, 4, 5, true},
        {"Home on Code stays", 4, 1, Qt::Key_Home, 4, 1, true},
        {"Up moves a line up", 4, 6, Qt::Key_Up, 3, 6, true},
        {"Down on line 30 leaves it", 30, 5, Qt::Key_Down, 30, 5, false},
    };
    test::checkNavigation(*form->chargeGrid(), cases, {});
    goTo(2, 6);
    test::typeText(box(), "1a2.5!");
    EXPECT_EQ(box()->text(), "12.5");
    goTo(2, 1);
    test::typeText(box(), "para");
    EXPECT_EQ(box()->text(), "PARA");
}

TEST_F(frmEmployeeGridTest, CancellingALineMovesTheLinesBelowUpWithTheirColours) {
    for (int row = 1; row <= 5; ++row)
        fillLine(row, QString::number(row * 100), "TID", "1", QString::number(row * 10) + ".00");
    grid()->setCellBackColorAt(4, 1, 0xC0FFC0);
    grid()->setCellForeColorAt(5, 2, 0xFF0000);
    grid()->setCellFontBoldAt(5, 2, true);
    form->lblPatInfo[0]->setText(" REYES, MARIA ");
    goTo(3, 5);
    platform.messages->answer(vbYes);
    form->cmdClearRow_Click();
    EXPECT_EQ(platform.messages->last().text, "Are you sure to delete the request?");
    EXPECT_EQ(logged, QStringList{"Cancelled Request ItemID# : 300 |  under Patient : REYES, MARIA"});
    QStringList codes;
    for (int row = 1; row <= 5; ++row)
        codes << grid()->textMatrix(row, 1);
    EXPECT_EQ(codes, QStringList({"100", "200", "400", "500", ""}));
    EXPECT_EQ(grid()->textMatrix(3, 0), " 3");
    EXPECT_EQ(grid()->cellBackColorAt(3, 1), 0xC0FFC0u);
    EXPECT_EQ(grid()->cellBackColorAt(4, 1), colors::InfoBackground);
    EXPECT_EQ(grid()->cellForeColorAt(4, 2), 0xFF0000u);
    EXPECT_TRUE(grid()->cellFontBoldAt(4, 2));
    EXPECT_FALSE(grid()->cellFontBoldAt(5, 2));
    EXPECT_EQ(form->lblGross->text(), " 120.00");
    EXPECT_EQ(form->lblNet->text(), " 120.00");
    EXPECT_EQ(grid()->row(), 1);

    // A blank line asks nothing; the current row still becomes 1.
    platform.messages->clear();
    goTo(6, 9);
    form->cmdClearRow_Click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(grid()->row(), 1);
    EXPECT_EQ(logged.size(), 1);
}

TEST_F(frmEmployeeGridTest, TotalsBySiteAndPriceBasis) {
    fillLine(1, "100", "TID", "2", "40.00");
    grid()->setTextMatrix(1, 10, "25");
    grid()->setTextMatrix(1, 11, "5");
    grid()->setTextMatrix(1, 12, "3");
    fillLine(2, "200", "BID", "1", "10.00");
    grid()->setTextMatrix(2, 10, "12");
    grid()->setTextMatrix(2, 11, "*");
    grid()->setTextMatrix(2, 12, "2");
    fillLine(3, "300", "", "1", "99.00");  // not saveable: never counted
    grid()->setTextMatrix(3, 11, "9");
    struct Case {
        const char* site;
        bool unitCost;
        const char* total;
        const char* discount;
    };
    const Case cases[] = {
        {"", true, "50.00", "5.00"},
        {"NORVAX", true, "50.00", "5.00"},
        {"NORVAX", false, "62.00", "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.site) + (c.unitCost ? " unit cost" : " selling price"));
        gSiteCode = QString::fromLatin1(c.site);
        (c.unitCost ? form->optUnitCost : form->optIN)->setChecked(true);
        EXPECT_EQ(form->TotalCharges(), c.total);
        EXPECT_EQ(form->lblDiscount->text(), c.discount);
    }
}

TEST_F(frmEmployeeGridTest, ClearAllKeepsTheFringeBoxTypeBAndThePriceBasis) {
    fillLine(1, "100", "TID", "1", "12.50");
    form->txtIDNum->setText("5001A");
    form->txtAcctNum->setText("STAFF");
    for (QLabel* label : form->lblAccount)
        label->setText("X");
    form->lblCredit->setText("1000.00");
    {
        const QSignalBlocker quiet(form->chkFringe);
        form->chkFringe->setChecked(true);
    }
    form->chkTypeB->setChecked(true);
    form->optIN->setChecked(true);
    form->txtDiscount->setText("10");
    goTo(1, 5);
    ASSERT_TRUE(form->cmdSave->isEnabled());
    form->ClearAll();
    EXPECT_TRUE(form->BlankRow(1));
    EXPECT_EQ(form->txtIDNum->text(), "");
    EXPECT_EQ(form->txtAcctNum->text(), "");
    EXPECT_EQ(form->txtDiscount->text(), "0");
    for (QLabel* label : form->lblAccount)
        EXPECT_EQ(label->text(), "");
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
    EXPECT_FALSE(form->chkTypeA->isChecked());
    EXPECT_FALSE(form->NewPatient());
    EXPECT_TRUE(form->chkFringe->isChecked());
    EXPECT_TRUE(form->chkTypeB->isChecked());
    EXPECT_TRUE(form->optIN->isChecked());
    EXPECT_EQ(form->lblCredit->text(), "1000.00");
}

TEST_F(frmEmployeeGridTest, ClosingWithUnsavedLinesAsksFirst) {
    fillLine(1, "100", "TID", "1", "12.50");
    platform.messages->answer(vbNo);
    form->cmdClose_Click();
    EXPECT_EQ(platform.messages->last().text, "You have unsaved entry.  Do you wish to exit?");
    EXPECT_TRUE(form->isVisible());
    platform.messages->answer(vbYes);
    form->cmdClose_Click();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace qx
