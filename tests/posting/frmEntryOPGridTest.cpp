#include "posting/frmEntryOP.h"

#include "ScriptedPlatform.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/WidgetInput.h"
#include "shell/WindowOpeners.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qx {
namespace {

// The out-patient posting screen with its grid enabled, as after a visit was chosen.
class frmEntryOPGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearWindowOpeners();
        form.saveUserLog = [this](const QString& activity) { logged << activity; };
        test::showActive(&form);
        grid()->setEnabled(true);
    }
    void TearDown() override { ClearWindowOpeners(); }

    FlexGrid* grid() { return form.grdItemList; }
    QLineEdit* box() { return form.txtEntry(); }
    void goTo(int row, int col) { test::openEditorAt(*form.chargeGrid(), row, col); }

    void fillLine(int row, const QString& code, const QString& dosage, const QString& quantity, const QString& amount) {
        grid()->setTextMatrix(row, 1, code);
        grid()->setTextMatrix(row, 2, "PARACETAMOL 500MG");
        grid()->setTextMatrix(row, 5, dosage);
        grid()->setTextMatrix(row, 6, quantity);
        grid()->setTextMatrix(row, 8, amount);
    }

    ScriptedPlatform platform;
    frmEntryOP form;
    QStringList logged;
};

TEST_F(frmEntryOPGridTest, LaysOutEighteenColumnsFromTheGridWidth) {
    frmEntryOP fresh;
    EXPECT_FALSE(fresh.grdItemList->isEnabled());
    EXPECT_EQ(fresh.grdItemList->rows(), 31);
    EXPECT_EQ(fresh.grdItemList->cols(), 18);
    EXPECT_EQ(fresh.grdItemList->textMatrix(0, 3), "Brand Name  ");
    EXPECT_EQ(fresh.grdItemList->textMatrix(0, 9), "Remarks");
    EXPECT_EQ(fresh.grdItemList->textMatrix(30, 0), "30");
    // W = 11220: u = 488; column 1 = 561 + 300.
    const int widths[] = {300, 861, 2440, 1952, 488, 976, 976, 976, 976, 2440, 0, 0, 0, 0, 0, 0, 500, 500};
    for (int c = 0; c < 18; ++c)
        EXPECT_EQ(fresh.grdItemList->colWidth(c), widths[c]) << c;
    for (int c = 0; c < 18; ++c)
        EXPECT_EQ(fresh.ExcemptCol(c), QList<int>({0, 2, 3, 4, 7, 8, 16, 17}).contains(c)) << c;
    EXPECT_EQ(fresh.windowTitle(), "Manual Posting ( OUT-PATIENT )");
    EXPECT_EQ(fresh.height(), twipsToPixels(frmEntryOP::kDesignedHeight));
    EXPECT_FALSE(fresh.txtAcctNum->isEnabled());
    EXPECT_FALSE(fresh.cmdAcctNum->isEnabled());
}

TEST_F(frmEntryOPGridTest, EditorPerColumn) {
    struct Case { int col; bool text; bool button; };
    for (const Case c : {Case{1, true, true}, {2, false, false}, {3, false, false}, {4, false, false}, {5, true, false},
                         {6, true, false}, {7, false, false}, {8, false, false}, {9, true, false}}) {
        goTo(2, c.col);
        EXPECT_EQ(box()->isVisible(), c.text) << c.col;
        EXPECT_EQ(form.cmdEntry()->isVisible(), c.button) << c.col;
        EXPECT_FALSE(form.upDown()->isVisible()) << c.col;
        if (c.text && !c.button) {  // a text box alone takes the whole cell
            EXPECT_EQ(box()->width(), twipsToPixels(grid()->colWidth(c.col))) << c.col;
        }
    }
}

TEST_F(frmEntryOPGridTest, EditorKeysFollowTheScreensNavigation) {
    const test::NavigationCase cases[] = {
        {"End on Code moves to Dosage Frq.", 4, 1, Qt::Key_End, 4, 5, true},
        {"End on Dosage Frq. moves to Quantity", 4, 5, Qt::Key_End, 4, 6, true},
        {"End on Quantity moves to Code of the next line", 4, 6, Qt::Key_End, 5, 1, true},
        {"End on Remarks moves to Code of the next line", 4, 9, Qt::Key_End, 5, 1, true},
        {"End on line 30 returns to its Code", 30, 6, Qt::Key_End, 30, 1, true},
        {"Home on Remarks moves to Quantity", 4, 9, Qt::Key_Home, 4, 6, true},
        {"Home on Quantity moves to Dosage Frq.", 4, 6, Qt::Key_Home, 4, 5, true},
        {"Home on Dosage Frq. moves to Code", 4, 5, Qt::Key_Home, 4, 1, true},
        {"Home on Code reopens there", 4, 1, Qt::Key_Home, 4, 1, true},
        {"Up moves a line up", 4, 6, Qt::Key_Up, 3, 6, true},
        {"Down moves a line down", 4, 6, Qt::Key_Down, 5, 6, true},
        {"Up on line 1 leaves it", 1, 5, Qt::Key_Up, 1, 5, false},
        {"Down on line 30 leaves it", 30, 5, Qt::Key_Down, 30, 5, false},
    };
    test::checkNavigation(*form.chargeGrid(), cases, [this](const test::NavigationCase& c) {
        EXPECT_EQ(form.cmdEntry()->isVisible(), c.editorOpen && c.wantCol == 1);
    });
}

TEST_F(frmEntryOPGridTest, TypingKeepsDigitsInQuantityAndCapitalsElsewhere) {
    goTo(2, 6);
    test::typeText(box(), "1a.5-");
    EXPECT_EQ(box()->text(), "1.5");
    goTo(2, 1);
    test::typeText(box(), "para");
    EXPECT_EQ(box()->text(), "PARA");
    goTo(2, 9);
    test::typeText(box(), "after meals");
    EXPECT_EQ(box()->text(), "AFTER MEALS");
    form.txtIDNum->setFocus();
    EXPECT_FALSE(box()->isVisible());
    test::typeText(form.txtIDNum, "5001a");
    EXPECT_EQ(form.txtIDNum->text(), "5001A");
}

TEST_F(frmEntryOPGridTest, SavableLinesDecideTheButtons) {
    struct Case { const char* name; QString code, dosage, quantity, amount; bool savable; };
    const Case cases[] = {
        {"complete line", "100", "TID", "2", "25.00", true},
        {"no dosage frequency", "100", "", "2", "25.00", false},
        {"blank code", "  ", "TID", "2", "25.00", false},
        {"zero quantity", "100", "TID", "0", "25.00", false},
        {"zero amount", "100", "TID", "2", "0.00", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fillLine(3, c.code, c.dosage, c.quantity, c.amount);
        EXPECT_EQ(form.CanSaveRow(3), c.savable);
        EXPECT_EQ(form.canSave(), c.savable);
        goTo(3, 5);
        EXPECT_EQ(form.cmdSave->isEnabled(), c.savable);
        EXPECT_EQ(form.cmdPrintSave->isEnabled(), c.savable);
        EXPECT_TRUE(form.cmdClearRow->isEnabled());
        goTo(4, 5);
        EXPECT_FALSE(form.cmdClearRow->isEnabled());
    }
    // A hidden cell alone makes a line not blank.
    grid()->setTextMatrix(6, 17, "P");
    EXPECT_FALSE(form.BlankRow(6));
}

TEST_F(frmEntryOPGridTest, TotalsAndUnpostedLines) {
    EXPECT_EQ(form.TotalCharges(), "0.00");
    EXPECT_EQ(form.TotalDiscount(), "0.00");
    EXPECT_FALSE(form.checkUnPrinted());
    fillLine(1, "100", "TID", "1", "12.50");
    fillLine(2, "200", "BID", "4", "1000");
    EXPECT_EQ(form.TotalCharges(), "1012.50");
    EXPECT_TRUE(form.checkUnPrinted());
    grid()->setTextMatrix(1, 17, "P");
    grid()->setTextMatrix(2, 17, "P");
    EXPECT_FALSE(form.checkUnPrinted());
    grid()->setTextMatrix(3, 1, " ");  // a code of blanks counts
    EXPECT_TRUE(form.checkUnPrinted());
}

TEST_F(frmEntryOPGridTest, CancelRequestEmptiesTheLineAndShowsTheNetWithThreeDigits) {
    fillLine(1, "100", "TID", "1", "1234");
    fillLine(2, " 200 ", "BID", "4", "30.00");
    fillLine(3, "300", "OD", "1", "5.5");
    form.lblPatInfo[0]->setText(" REYES, MARIA ");

    goTo(4, 5);  // blank: nothing asked, back to Code with the normal colour
    grid()->setCellBackColor(0xC0FFC0);
    form.cmdClearRow_Click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(grid()->col(), 1);
    EXPECT_EQ(grid()->cellBackColor(), colors::InfoBackground);

    goTo(2, 5);
    grid()->setCol(1);
    grid()->setCellBackColor(0xC0FFC0);
    goTo(2, 5);
    platform.messages->answer(vbNo);
    form.cmdClearRow_Click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, "Are you sure to delete this request?");
    EXPECT_EQ(platform.messages->last().style, vbQuestion + vbYesNo);
    EXPECT_EQ(grid()->textMatrix(2, 1), " 200 ");
    EXPECT_EQ(grid()->col(), 1);
    EXPECT_EQ(grid()->cellBackColor(), colors::InfoBackground);
    EXPECT_TRUE(logged.isEmpty());

    goTo(2, 5);
    platform.messages->answer(vbYes);
    form.cmdClearRow_Click();
    QApplication::processEvents();
    EXPECT_EQ(logged, QStringList{"Cancelled Request ItemID# : 200 | Under Patient : REYES, MARIA"});
    EXPECT_TRUE(form.BlankRow(2));
    EXPECT_EQ(grid()->textMatrix(2, 0), "2");
    EXPECT_EQ(grid()->textMatrix(3, 1), "300");
    EXPECT_EQ(form.lblNet->text(), "1239.50");
    EXPECT_FALSE(form.cmdClearRow->isEnabled());
    EXPECT_EQ(box()->text(), "");

    goTo(1, 5);
    platform.messages->answer(vbYes);
    form.cmdClearRow_Click();
    EXPECT_EQ(form.lblNet->text(), "005.50");
    goTo(3, 5);
    platform.messages->answer(vbYes);
    form.cmdClearRow_Click();
    EXPECT_EQ(form.lblNet->text(), "000.00");
}

TEST_F(frmEntryOPGridTest, ClearAllResetsTheScreenForTheNextVisit) {
    fillLine(1, "100", "TID", "1", "12.50");
    for (QLabel* label : form.lblPatInfo)
        label->setText("X");
    form.txtIDNum->setText("5001A");
    form.txtAcctNum->setText("ACME");
    form.txtDocCode->setText("D001");
    for (QLabel* label : {form.lblAccount, form.lblDoctor, form.lblNet, form.lblChargeSlip})
        label->setText("X");
    goTo(1, 5);
    ASSERT_TRUE(form.cmdSave->isEnabled());

    form.ClearAll();
    EXPECT_TRUE(form.BlankRow(1));
    EXPECT_EQ(grid()->textMatrix(1, 0), "1");
    EXPECT_FALSE(grid()->isEnabled());
    for (QLabel* label : form.lblPatInfo)
        EXPECT_EQ(label->text(), "");
    for (QLineEdit* text : {form.txtIDNum, form.txtAcctNum, form.txtDocCode})
        EXPECT_EQ(text->text(), "");
    for (QLabel* label : {form.lblAccount, form.lblDoctor, form.lblNet, form.lblChargeSlip})
        EXPECT_EQ(label->text(), "");
    EXPECT_FALSE(form.cmdSave->isEnabled());
    EXPECT_FALSE(form.cmdPrintSave->isEnabled());
    EXPECT_FALSE(box()->isVisible());
}

TEST_F(frmEntryOPGridTest, ClosingAsksOnlyWithASavableLine) {
    fillLine(1, "100", "", "1", "12.50");
    form.cmdClose->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_FALSE(form.isVisible());

    test::showActive(&form);
    fillLine(1, "100", "TID", "1", "12.50");
    platform.messages->answer(vbNo);
    form.cmdClose->click();
    EXPECT_EQ(platform.messages->last().text, "You have unsaved entry.  Do you wish to exit?");
    EXPECT_EQ(platform.messages->last().style, vbInformation + vbYesNo);
    EXPECT_TRUE(form.isVisible());
    platform.messages->answer(vbYes);
    goTo(2, 9);
    test::pressKey(box(), Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(form.isVisible());
}

TEST_F(frmEntryOPGridTest, PostedListOpensForTheTrimmedVisit) {
    QStringList opened;
    RegisterWindowOpener("frmListPostedOP", [&](const WindowValues& in) {
        opened << in.value("IDNum").toString();
        return WindowValues{};
    });
    form.cmdPosted->click();
    form.txtIDNum->setText(" 5001A ");
    form.cmdPosted->click();
    EXPECT_EQ(opened, (QStringList{"", "5001A"}));
}

} // namespace
} // namespace qx
