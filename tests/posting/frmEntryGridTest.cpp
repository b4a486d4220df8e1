#include "posting/frmEntry.h"

#include "ScriptedPlatform.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/ChargeGrid.h"
#include "platform/FlexGrid.h"
#include "platform/UpDown.h"
#include "platform/WidgetInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qx {
namespace {

// The in-patient posting screen with its grid enabled, as after a patient was found.
class frmEntryGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.saveUserLog = [this](const QString& activity) { logged << activity; };
        test::showActive(&form);
        grid()->setEnabled(true);
    }

    FlexGrid* grid() { return form.grdItemList; }
    QLineEdit* box() { return form.txtEntry(); }

    void goTo(int row, int col) { test::openEditorAt(*form.chargeGrid(), row, col); }

    // Code, product, dosage, quantity, amount of a line.
    void fillLine(int row, const QString& code, const QString& dosage, const QString& quantity, const QString& amount) {
        grid()->setTextMatrix(row, 1, code);
        grid()->setTextMatrix(row, 2, "PARACETAMOL 500MG");
        grid()->setTextMatrix(row, 5, dosage);
        grid()->setTextMatrix(row, 6, quantity);
        grid()->setTextMatrix(row, 8, amount);
    }

    ScriptedPlatform platform;
    frmEntry form;
    QStringList logged;
};

TEST_F(frmEntryGridTest, LaysTheGridOutDisabledWithThirtyNumberedLines) {
    frmEntry fresh;
    EXPECT_FALSE(fresh.grdItemList->isEnabled());
    EXPECT_EQ(fresh.grdItemList->rows(), 31);
    EXPECT_EQ(fresh.grdItemList->cols(), 17);
    EXPECT_EQ(fresh.grdItemList->textMatrix(0, 5), "Dosage Frq. ");
    EXPECT_EQ(fresh.grdItemList->textMatrix(30, 0), "30");
    EXPECT_EQ(fresh.grdItemList->colWidth(9), 2000);
    EXPECT_EQ(fresh.grdItemList->colWidth(10), 0);
    EXPECT_FALSE(fresh.cmdSave->isEnabled());
    EXPECT_FALSE(fresh.cmdPrintSave->isEnabled());
    EXPECT_FALSE(fresh.cmdClearRow->isEnabled());
    struct Case { int col; bool exempt; };
    for (const Case c : {Case{0, true}, {1, false}, {2, true}, {3, true}, {4, true}, {5, false}, {6, false},
                         {7, true}, {8, true}, {9, false}, {10, false}, {11, false}, {14, false}, {16, true}})
        EXPECT_EQ(fresh.ExcemptCol(c.col), c.exempt) << c.col;
}

TEST_F(frmEntryGridTest, FirstFocusOpensTheEditorOnCode) {
    frmEntry fresh;
    test::showActive(&fresh);
    fresh.grdItemList->setEnabled(true);
    fresh.grdItemList->setRow(1);
    fresh.grdItemList->setCol(1);
    fresh.cmdClose->setFocus();
    fresh.chargeGrid()->hideEditor();
    fresh.grdItemList->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(fresh.txtEntry()->isVisible());
    EXPECT_TRUE(fresh.cmdEntry()->isVisible());
    EXPECT_TRUE(fresh.txtEntry()->hasFocus());
    EXPECT_EQ(fresh.chargeGrid()->pending().marks(), 0u);
}

TEST_F(frmEntryGridTest, EditorKeysFollowTheScreensNavigation) {
    const test::NavigationCase cases[] = {
        {"End on Code moves to Dosage Frq.", 4, 1, Qt::Key_End, 4, 5, true},
        {"End on Dosage Frq. moves to Quantity", 4, 5, Qt::Key_End, 4, 6, true},
        {"End on Quantity moves to Code of the next line", 4, 6, Qt::Key_End, 5, 1, true},
        {"End on Quantity of line 30 returns to its Code", 30, 6, Qt::Key_End, 30, 1, true},
        {"End on Remarks moves to Code of the next line", 4, 9, Qt::Key_End, 5, 1, true},
        {"Home on Remarks moves to Quantity", 4, 9, Qt::Key_Home, 4, 6, true},
        {"Home on Dosage Frq. reopens there", 4, 5, Qt::Key_Home, 4, 5, true},
        {"Up moves a line up", 4, 6, Qt::Key_Up, 3, 6, true},
        {"Down moves a line down", 4, 6, Qt::Key_Down, 5, 6, true},
        {"Up on line 1 leaves it", 1, 5, Qt::Key_Up, 1, 5, false},
        {"Down on line 30 leaves it", 30, 5, Qt::Key_Down, 30, 5, false},
        {"Left stays in the text box", 4, 9, Qt::Key_Left, 4, 9, true},
    };
    test::checkNavigation(*form.chargeGrid(), cases, [this](const test::NavigationCase& c) {
        EXPECT_EQ(form.cmdEntry()->isVisible(), c.editorOpen && c.wantCol == 1);
    });
}

TEST_F(frmEntryGridTest, ClickingAnExemptCellHidesTheEditorAndOpensNone) {
    for (int col : {2, 3, 4, 7, 8}) {
        goTo(2, 1);
        ASSERT_TRUE(box()->isVisible());
        grid()->setCol(col);
        EXPECT_FALSE(box()->isVisible()) << col;
        EXPECT_FALSE(form.cmdEntry()->isVisible()) << col;
        EXPECT_FALSE(form.upDown()->isVisible()) << col;
    }
}

TEST_F(frmEntryGridTest, TypingFiltersQuantityAndUpperCasesRemarksAndRefreshesTheTotal) {
    fillLine(1, "100", "TID", "2", "25.00");
    goTo(2, 6);
    test::typeText(box(), "1a2");
    EXPECT_EQ(box()->text(), "12");
    EXPECT_EQ(form.lblPatInfo[6]->text(), "25.00");
    goTo(2, 9);
    test::typeText(box(), "abc");
    EXPECT_EQ(box()->text(), "ABC");
}

TEST_F(frmEntryGridTest, SavableLinesDecideTheButtons) {
    struct Case { const char* name; QString code, dosage, quantity, amount; bool savable; };
    const Case cases[] = {
        {"complete line", "100", "TID", "2", "25.00", true},
        {"no dosage frequency", "100", "", "2", "25.00", false},
        {"blank code", "  ", "TID", "2", "25.00", false},
        {"zero quantity", "100", "TID", "0", "25.00", false},
        {"zero amount", "100", "TID", "2", "0.00", false},
        {"text quantity", "100", "TID", "X", "25.00", false},
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
}

TEST_F(frmEntryGridTest, TotalChargesHasNoThousandsSeparator) {
    EXPECT_EQ(form.TotalCharges(), "0.00");
    fillLine(1, "100", "TID", "1", "12.50");
    fillLine(2, "200", "BID", "4", "1000");
    EXPECT_EQ(form.TotalCharges(), "1012.50");
}

TEST_F(frmEntryGridTest, CancelRequestEmptiesTheLineInPlaceAfterAsking) {
    fillLine(1, "100", "TID", "1", "12.50");
    fillLine(2, " 200 ", "BID", "4", "30.00");
    fillLine(3, "300", "OD", "1", "5.00");
    grid()->setTextMatrix(2, 16, "P");
    form.lblPatInfo[2]->setText(" DELA CRUZ, JUAN ");

    goTo(4, 1);  // blank: nothing asked
    form.cmdClearRow_Click();
    EXPECT_TRUE(platform.messages->boxes().empty());

    goTo(2, 5);
    platform.messages->answer(vbNo);
    form.cmdClearRow_Click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, "Are you sure to delete the request?");
    EXPECT_EQ(platform.messages->last().style, vbQuestion + vbYesNo);
    EXPECT_EQ(platform.messages->last().title, "Quillax");
    EXPECT_EQ(grid()->textMatrix(2, 1), " 200 ");
    EXPECT_TRUE(logged.isEmpty());

    platform.messages->answer(vbYes);
    form.cmdClearRow_Click();
    QApplication::processEvents();
    EXPECT_EQ(logged, QStringList{"Cancelled Request ItemID# : 200 | Under Patient : DELA CRUZ, JUAN"});
    EXPECT_TRUE(form.BlankRow(2));
    EXPECT_EQ(grid()->textMatrix(2, 0), "2");
    EXPECT_EQ(grid()->textMatrix(3, 1), "300");  // lines below stay where they are
    EXPECT_EQ(form.lblPatInfo[6]->text(), "17.50");
    EXPECT_EQ(grid()->row(), 2);
    EXPECT_EQ(grid()->col(), 1);
    EXPECT_EQ(grid()->cellBackColor(), colors::InfoBackground);
    EXPECT_FALSE(form.cmdClearRow->isEnabled());
    EXPECT_EQ(box()->text(), "");
}

TEST_F(frmEntryGridTest, ClearAllResetsTheScreen) {
    fillLine(1, "100", "TID", "1", "12.50");
    for (QLabel* label : form.lblPatInfo)
        label->setText("X");
    form.txtFind->setText("123456");
    form.txtDocCode->setText("D01");
    form.lblRoomClass->setText("WARD");
    form.lblRoomClass->show();
    form.lblVelmira->show();
    goTo(1, 5);
    ASSERT_TRUE(form.cmdSave->isEnabled());

    form.ClearAll();
    EXPECT_TRUE(form.BlankRow(1));
    EXPECT_EQ(grid()->textMatrix(1, 0), "1");
    EXPECT_FALSE(grid()->isEnabled());
    for (QLabel* label : form.lblPatInfo)
        EXPECT_EQ(label->text(), "");
    EXPECT_EQ(form.txtFind->text(), "");
    EXPECT_EQ(form.txtDocCode->text(), "");
    EXPECT_TRUE(form.lblRoomClass->isHidden());
    EXPECT_TRUE(form.lblVelmira->isHidden());
    EXPECT_FALSE(form.cmdSave->isEnabled());
    EXPECT_FALSE(form.cmdPrintSave->isEnabled());
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(box()->text(), "");
}

TEST_F(frmEntryGridTest, EscapeInTheEditorClosesTheScreen) {
    goTo(2, 9);
    ASSERT_TRUE(box()->hasFocus());
    test::pressKey(box(), Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace qx
