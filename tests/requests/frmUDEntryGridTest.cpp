#include "frmUDEntryFixture.h"

#include "charging/ChargeGridNavigation.h"
#include "platform/UpDown.h"
#include "platform/WidgetInput.h"

namespace qx::test {
namespace {

// The screen shown with three listed lines of PARA500, AMOX500 and CEF1G.
class frmUDEntryGridTest : public frmUDEntryTest {
protected:
    void SetUp() override {
        frmUDEntryTest::SetUp();
        if (IsSkipped())
            return;
        for (const char* id : {"AMOX500", "CEF1G"}) {
            addItem(db(), {.itemId = QString::fromLatin1(id), .name = QString::fromLatin1(id)});
            setRoute(QString::fromLatin1(id), QStringLiteral("O"));
        }
        for (const char* id : {"PARA500", "AMOX500", "CEF1G"})
            unitDose({.itemId = QString::fromLatin1(id), .remark = QStringLiteral("REMARK ") + QLatin1String(id)});
        open();
        showActive(form.get());
        QApplication::processEvents();
    }
    ChargeGrid& charge() { return *form->chargeGrid(); }
};

TEST_P(frmUDEntryGridTest, WidthsFollowTheGridsWidth) {
    const std::vector<int> widths = frmUDEntry::columnWidths(16000);
    EXPECT_EQ(widths, (std::vector<int>{400, 1400, 5000, 2000, 0, 2000, 2000, 2000, 5000, 0, 0}));
    EXPECT_EQ(form->flexMSEntry->textMatrix(0, 8), "Remarks");
    EXPECT_EQ(form->flexMSEntry->textMatrix(0, 7), "Amount ");
    for (int col : {0, 2, 4, 6, 7})
        EXPECT_TRUE(form->ExcemptCol(col)) << col;
    for (int col : {1, 3, 5, 8})
        EXPECT_FALSE(form->ExcemptCol(col)) << col;
}

TEST_P(frmUDEntryGridTest, FirstFocusOpensTheEditorOnTheCurrentCell) {
    EXPECT_TRUE(form->txtEntry()->isVisible());
    EXPECT_EQ(form->txtEntry()->text(), "PARA500");
    EXPECT_TRUE(form->cmdEntry()->isVisible());
    EXPECT_TRUE(form->cmdSave->isEnabled());
    EXPECT_TRUE(form->cmdPrintSave->isEnabled());
}

TEST_P(frmUDEntryGridTest, EditorKeysFollowTheScreensNavigation) {
    const NavigationCase cases[] = {
        {"End on Code moves to Dosage Frq.", 1, 1, Qt::Key_End, 1, 3, true},
        {"End on Dosage Frq. moves to Qty. Issued", 1, 3, Qt::Key_End, 1, 5, true},
        {"End on Qty. Issued moves to Remarks", 1, 5, Qt::Key_End, 1, 8, true},
        {"End from Remarks moves to Code of the next line", 1, 8, Qt::Key_End, 2, 1, true},
        {"End from Remarks on the last line returns to its Code", 3, 8, Qt::Key_End, 3, 1, true},
        {"Home on Qty. Issued moves to Dosage Frq.", 2, 5, Qt::Key_Home, 2, 3, true},
        {"Home on Code stays", 2, 1, Qt::Key_Home, 2, 1, true},
        {"Up on line 1 leaves it", 1, 3, Qt::Key_Up, 1, 3, false},
        {"Up moves a line up", 2, 3, Qt::Key_Up, 1, 3, true},
        {"Down on the last line leaves it", 3, 5, Qt::Key_Down, 3, 5, false},
        {"Down moves a line down", 1, 5, Qt::Key_Down, 2, 5, true},
    };
    checkNavigation(charge(), cases, [this](const NavigationCase& c) {
        if (!c.editorOpen)
            return;
        EXPECT_EQ(form->cmdEntry()->isVisible(), c.wantCol == 1 || c.wantCol == 3);
        EXPECT_EQ(form->UpDownCtl()->isVisible(), c.wantCol == 5);
        EXPECT_EQ(form->txtEntry()->text(), cell(c.wantRow, c.wantCol));
    });
}

TEST_P(frmUDEntryGridTest, EditorGoesOnlyWhereALineCanBeEdited) {
    form->flexMSEntry->setTextMatrix(2, frmUDEntry::kColDosage, QStringLiteral("XXX"));
    form->flexMSEntry->setTextMatrix(3, frmUDEntry::kColDosage, QStringLiteral("DISCONTINUED"));
    form->flexMSEntry->setTextMatrix(3, frmUDEntry::kColRemarks, QStringLiteral("--Discontinued--"));
    struct Case {
        const char* name;
        int row, col;
        bool box, button, spinner;
        int maxLength;
        bool byPass, discontinue;
    };
    const Case cases[] = {
        {"code", 1, 1, true, true, false, 10, true, true},
        {"dosage", 1, 3, true, true, false, 8, true, true},
        {"quantity", 1, 5, true, false, true, 0, true, true},
        {"remarks", 1, 8, true, false, false, 0, true, true},
        {"description", 1, 2, false, false, false, 0, true, true},
        {"stock", 1, 6, false, false, false, 0, true, true},
        {"amount", 1, 7, false, false, false, 0, true, true},
        {"issued-today line", 2, 1, false, false, false, 0, false, true},
        {"discontinued line", 3, 5, true, false, true, 0, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openEditorAt(charge(), c.row, c.col);
        EXPECT_EQ(form->txtEntry()->isVisible(), c.box);
        EXPECT_EQ(form->cmdEntry()->isVisible(), c.button);
        EXPECT_EQ(form->UpDownCtl()->isVisible(), c.spinner);
        if (c.box) {
            EXPECT_EQ(form->txtEntry()->text(), cell(c.row, c.col));
            EXPECT_EQ(charge().editor()->maxLength(), c.maxLength);
        }
        EXPECT_EQ(form->cmdCancel->isEnabled(), c.byPass);
        EXPECT_EQ(form->cmdDiscontinue->isEnabled(), c.discontinue);
    }
}

TEST_P(frmUDEntryGridTest, SaveButtonsFollowTheLinesOnEntryAndFocus) {
    for (int row = 1; row <= 3; ++row)
        form->flexMSEntry->setTextMatrix(row, frmUDEntry::kColIssued, QStringLiteral("0"));
    // Entering a cell never disables the buttons because nothing can be saved...
    form->flexMSEntry->setRow(2);
    QApplication::processEvents();
    EXPECT_TRUE(form->cmdSave->isEnabled());
    // ...getting the focus does.
    form->cmdClose->setFocus();
    form->flexMSEntry->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());

    // A line that can be saved enables them on entry again; every line by-passed disables them.
    form->flexMSEntry->setTextMatrix(1, frmUDEntry::kColIssued, QStringLiteral("2"));
    openEditorAt(charge(), 1, 3);
    EXPECT_TRUE(form->cmdSave->isEnabled());
    for (int row = 1; row <= 3; ++row)
        form->flexMSEntry->setTextMatrix(row, frmUDEntry::kColDosage, QStringLiteral("BYPASSED"));
    openEditorAt(charge(), 2, 3);
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
}

TEST_P(frmUDEntryGridTest, LineTests) {
    struct Case {
        const char* name;
        QStringList cells;  // columns 1, 3, 5
        bool blank, canSave;
    };
    const Case cases[] = {
        {"complete", {"PARA500", "Q6H", "4"}, false, true},
        {"fraction", {"PARA500", "Q6H", "0.5"}, false, true},
        {"no quantity", {"PARA500", "Q6H", "0"}, false, false},
        {"negative quantity", {"PARA500", "Q6H", "-1"}, false, false},
        {"no dosage", {"PARA500", " ", "4"}, false, false},
        {"no code", {" ", "Q6H", "4"}, false, false},
        {"by-passed", {"PARA500", "BYPASSED", "XXX"}, false, false},
        {"issued today under All", {"PARA500", "XXX", "XXX"}, false, false},
        {"discontinued", {"PARA500", "DISCONTINUED", "!!!"}, false, true},
        {"blank", {" ", " ", ""}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int col = 1; col < frmUDEntry::kCols; ++col)
            form->flexMSEntry->setTextMatrix(2, col, QString());
        form->flexMSEntry->setTextMatrix(2, 1, c.cells[0]);
        form->flexMSEntry->setTextMatrix(2, 3, c.cells[1]);
        form->flexMSEntry->setTextMatrix(2, 5, c.cells[2]);
        EXPECT_EQ(form->BlankRow(2), c.blank);
        EXPECT_EQ(form->CanSaveRow(2), c.canSave);
    }
    // canSave looks at every line; AllByPassed needs every line crossed or by-passed.
    for (int row : {1, 2, 3}) {
        form->flexMSEntry->setTextMatrix(row, 3, QStringLiteral("BYPASSED"));
        for (int col = 4; col <= 7; ++col)
            form->flexMSEntry->setTextMatrix(row, col, QStringLiteral("XXX"));
    }
    EXPECT_FALSE(form->canSave());
    EXPECT_TRUE(form->AllByPassed());
    form->flexMSEntry->setTextMatrix(3, 3, QStringLiteral("XXX"));
    EXPECT_TRUE(form->AllByPassed());
    form->flexMSEntry->setTextMatrix(3, 3, QStringLiteral("DISCONTINUED"));
    EXPECT_FALSE(form->AllByPassed());
    EXPECT_TRUE(form->canSave());
}

TEST_P(frmUDEntryGridTest, EscapeStartsTheCloseAndLeavesTheFocusOnExitWhenTheUserStays) {
    struct Case { const char* name; bool inEditor; };
    for (const Case c : {Case{"from the editor", true}, Case{"from the grid", false}}) {
        SCOPED_TRACE(c.name);
        openEditorAt(charge(), 1, 1);
        platform.messages->clear();
        platform.messages->answer(vbNo);
        if (c.inEditor) {
            pressKey(form->txtEntry(), Qt::Key_Escape);
        } else {
            charge().hideEditor();
            form->flexMSEntry->setFocus();
            pressKey(form->flexMSEntry, Qt::Key_Escape);
        }
        QApplication::processEvents();
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, "Data will not be saved, do you wish to exit?");
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->cmdClose->hasFocus());
    }
    platform.messages->answer(vbYes);
    pressKey(form->cmdClose, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
}

TEST_P(frmUDEntryGridTest, ToolTipShowsTheCurrentLinesRemarks) {
    openEditorAt(charge(), 2, 3);
    mouseEvent(form->flexMSEntry->viewport(), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form->flexMSEntry->toolTip(), "REMARKS: REMARK AMOX500");
}

} // namespace

QX_ON_BOTH_ENGINES(frmUDEntryGridTest);

} // namespace qx::test
