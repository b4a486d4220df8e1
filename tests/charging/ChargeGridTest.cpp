#include "charging/ChargeGrid.h"

#include "charging/ChargeGridNavigation.h"

#include "platform/CellEditor.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/WidgetInput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace qx {
namespace {

// The request screens' form of the grid: lines grow, the editor opens on code, quantity and
// issued quantity only, a cancelled line takes no editor, a move right wraps after column 10.
ChargeGridConfig requestConfig() {
    ChargeGridConfig c;
    c.cols = 32;
    c.rows = 41;
    c.formatString = QStringLiteral(">#|>Code|<Description|<Brand|<UOM|<Frq|<Generic|<Stock|<Dosage|>Req|>Issued");
    c.colWidths = {300, 900, 2000, 1200, 600, 600, 600, 700, 1000, 700, 800};
    for (int col = 11; col < 32; ++col)
        c.colWidths.push_back(col == 12 ? 900 : 0);
    c.numberLines = true;
    for (int col = 0; col < 32; ++col)
        if (col != 1 && col != 8 && col != 10 && col != 30)
            c.exemptCols.insert(col);
    c.editorKinds = {{1, 1}, {8, 1}, {10, 2}};
    c.maxLengths = {{8, 8}};
    c.digitsOnlyCols = {10};
    c.rightWrapColumn = 10;
    c.leftMinColumn = 0;
    c.loadTextOnEnterCell = false;
    c.spaceDoubleClicks = true;
    return c;
}

class ChargeGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(900, 420);
        grid = new FlexGrid(&window);
        grid->setGeometry(10, 30, 860, 300);
        charge = new ChargeGrid(grid, requestConfig());
        charge->editorBlocked = [this](int row, int) { return grid->textMatrix(row, 8) == "CANCELLED"; };
        charge->layout();
        test::showActive(&window);
        grid->setEnabled(true);
    }

    QLineEdit* box() const { return charge->editor()->textBox(); }

    void goTo(int row, int col) { test::openEditorAt(*charge, row, col); }
    void editorKey(Qt::Key key) { test::pressInEditor(*charge, key); }

    // Where the editor lies, as a cell of the grid (by the grid's own hit test).
    std::pair<int, int> cellUnderEditor() {
        const QPoint inViewport = grid->viewport()->mapFrom(&window, box()->geometry().topLeft());
        test::mouseEvent(grid->viewport(), QEvent::MouseMove, inViewport, Qt::NoButton, Qt::NoButton);
        return {grid->mouseRow(), grid->mouseCol()};
    }

    QWidget window;
    FlexGrid* grid = nullptr;
    ChargeGrid* charge = nullptr;
};

TEST_F(ChargeGridTest, LayoutNumbersTheLinesAndLeavesTheGridDisabled) {
    charge->layout();
    EXPECT_EQ(grid->cols(), 32);
    EXPECT_EQ(grid->rows(), 41);
    EXPECT_EQ(grid->textMatrix(0, 1), "Code");
    EXPECT_EQ(grid->textMatrix(40, 0), "40");
    EXPECT_EQ(grid->colWidth(12), 900);
    EXPECT_EQ(grid->colWidth(31), 0);
    EXPECT_FALSE(grid->isEnabled());
    goTo(1, 1);
    EXPECT_FALSE(charge->isEditorVisible());  // no editor on a disabled grid
}

TEST_F(ChargeGridTest, EditorKeysMoveThroughTheEditableCells) {
    const test::NavigationCase cases[] = {
        {"End on code goes to the dosage", 3, 1, Qt::Key_End, 3, 8, true},
        {"End on the dosage goes to the issued quantity", 3, 8, Qt::Key_End, 3, 10, true},
        {"End on the wrap column goes to the next line", 3, 10, Qt::Key_End, 4, 1, true},
        {"End on the last line stays on it", 40, 10, Qt::Key_End, 40, 1, true},
        {"Home on the issued quantity goes back to the dosage", 3, 10, Qt::Key_Home, 3, 8, true},
        {"Home on code reopens where it was", 3, 1, Qt::Key_Home, 3, 1, true},
        {"Up moves a line up", 3, 8, Qt::Key_Up, 2, 8, true},
        {"Up on the first line stays and opens nothing", 1, 8, Qt::Key_Up, 1, 8, false},
        {"Down moves a line down", 3, 1, Qt::Key_Down, 4, 1, true},
        {"Down on the last line stays and opens nothing", 40, 1, Qt::Key_Down, 40, 1, false},
        {"Down onto a cancelled line opens no editor", 4, 8, Qt::Key_Down, 5, 8, false},
    };
    grid->setTextMatrix(5, 8, "CANCELLED");
    test::checkNavigation(*charge, cases, [this](const test::NavigationCase& c) {
        if (c.editorOpen) {
            EXPECT_EQ(cellUnderEditor(), std::make_pair(c.wantRow, c.wantCol));
        }
    });
}

TEST_F(ChargeGridTest, PageAndArrowMovesKeepTheEditorExactlyOverAScrolledCell) {
    goTo(1, 1);
    editorKey(Qt::Key_PageDown);
    EXPECT_GT(grid->row(), 1);
    EXPECT_GT(grid->topRow(), 1);
    ASSERT_TRUE(charge->isEditorVisible());
    EXPECT_EQ(cellUnderEditor(), std::make_pair(grid->row(), 1));

    // Down past the last visible line scrolls it into view and the editor follows.
    int lastVisible = grid->row();
    while (grid->rowIsVisible(lastVisible + 1))
        ++lastVisible;
    goTo(lastVisible, 8);
    editorKey(Qt::Key_Down);
    EXPECT_EQ(grid->row(), lastVisible + 1);
    EXPECT_TRUE(grid->rowIsVisible(lastVisible + 1));
    EXPECT_EQ(cellUnderEditor(), std::make_pair(lastVisible + 1, 8));
    const QRect cell = box()->geometry();
    EXPECT_EQ(cell.width() + charge->editor()->lookupButton()->width(), twipsToPixels(grid->colWidth(8)));

    editorKey(Qt::Key_PageUp);
    EXPECT_EQ(cellUnderEditor(), std::make_pair(grid->row(), 8));
}

TEST_F(ChargeGridTest, CommitAcceptedMovesOnAndRejectedKeepsTheEditor) {
    QStringList commits;
    QObject::connect(charge, &ChargeGrid::commitRequested, [&](int row, int col, const QString& text) {
        commits << QStringLiteral("%1,%2:%3").arg(row).arg(col).arg(text);
        if (text == "BAD")
            charge->rejectCommit();
        else
            charge->acceptCommit(text + "!");
    });
    goTo(2, 1);
    test::typeText(box(), "bad");
    test::pressKey(box(), Qt::Key_Return, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(charge->isEditorVisible());
    EXPECT_EQ(box()->selectedText(), "BAD");
    EXPECT_EQ(grid->textMatrix(2, 1), "");

    test::typeText(box(), "a1");
    test::pressKey(box(), Qt::Key_Return, "\r");
    QApplication::processEvents();
    EXPECT_EQ(commits, (QStringList{"2,1:BAD", "2,1:A1"}));
    EXPECT_EQ(grid->textMatrix(2, 1), "A1!");
    EXPECT_EQ(grid->col(), 8);
    EXPECT_TRUE(charge->isEditorVisible());
    EXPECT_EQ(box()->text(), "");  // loaded from the cell it was laid over
}

TEST_F(ChargeGridTest, TypingIsFilteredAndUpperCased) {
    struct Case { int col; QString typed, want; };
    const Case cases[] = {{10, "1a2.5-", "12.5"}, {1, "ab-1", "AB-1"}, {8, "abcdefghij", "ABCDEFGH"}};
    for (const auto& c : cases) {
        goTo(2, c.col);
        box()->clear();
        test::typeText(box(), c.typed);
        EXPECT_EQ(box()->text(), c.want) << c.col;
    }
}

TEST_F(ChargeGridTest, ScrollingDropsTheUncommittedText) {
    grid->setTextMatrix(2, 10, "4");
    goTo(2, 10);
    test::typeText(box(), "7");
    ASSERT_EQ(box()->text(), "7");
    grid->setTopRow(10);
    EXPECT_FALSE(charge->isEditorVisible());
    EXPECT_EQ(grid->textMatrix(2, 10), "4");
    grid->setTopRow(1);
    goTo(2, 10);
    EXPECT_EQ(box()->text(), "4");
}

TEST_F(ChargeGridTest, EscapeLookupAndSpaceReachTheScreen) {
    int escapes = 0;
    QStringList seen;
    QObject::connect(charge, &ChargeGrid::escapePressed, [&] { ++escapes; });
    QObject::connect(charge, &ChargeGrid::lookupRequested,
                     [&](int row, int col, const QString& text) { seen << QStringLiteral("lookup %1,%2 %3").arg(row).arg(col).arg(text); });
    QObject::connect(charge, &ChargeGrid::cellDoubleClicked,
                     [&](int row, int col, int) { seen << QStringLiteral("double %1,%2").arg(row).arg(col); });
    goTo(3, 1);
    test::typeText(box(), "amox");
    charge->editor()->lookupButton()->click();
    test::pressKey(box(), Qt::Key_Escape, "\x1b");
    grid->setFocus();
    test::pressKey(grid, Qt::Key_Escape, "\x1b");
    test::pressKey(grid, Qt::Key_Space, " ");
    EXPECT_EQ(escapes, 2);
    EXPECT_EQ(seen, (QStringList{"lookup 3,1 AMOX", "double 3,1"}));
}

TEST_F(ChargeGridTest, GridKeysOpenTheEditorAndTheTooltipFollowsThePointer) {
    charge->toolTipFor = [this](int row, int) { return "REMARKS: " + grid->textMatrix(row, 13); };
    grid->setTextMatrix(4, 13, "AFTER MEALS");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_A}) {
        goTo(4, 8);
        charge->hideEditor();
        grid->setFocus();
        test::pressKey(grid, key, key == Qt::Key_Return ? "\r" : "a");
        EXPECT_TRUE(charge->isEditorVisible()) << key;
        EXPECT_EQ(grid->row(), 4);
    }
    const QPoint overLine4 = grid->viewport()->mapFrom(&window, box()->geometry().center());
    test::mouseEvent(grid->viewport(), QEvent::MouseMove, overLine4, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(grid->toolTip(), "REMARKS: AFTER MEALS");
}

TEST_F(ChargeGridTest, SpinnerStepsTheEditorText) {
    struct Case { QString text; QString up, down; };
    const Case cases[] = {
        {"2.5", "3", "1.5"},   // halves round to the even number before stepping up
        {"3.5", "5", "2.5"},
        {"0.5", "1", "0.5"},   // rounds to 0: no step down
        {"", "1", ""},
        {"12ABC", "13", "11"},
        {".50", "1", ".50"},
        {"32767", "32767", "32766"},  // the spinner's limit
        {"99999", "99999", "99999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChargeGrid::spinUp(c.text), c.up) << c.text.toStdString();
        EXPECT_EQ(ChargeGrid::spinDown(c.text), c.down) << c.text.toStdString();
    }
    goTo(2, 10);
    box()->setText("2.5");
    charge->editor()->spinner()->upButton()->click();
    EXPECT_EQ(box()->text(), "3");
    charge->editor()->spinner()->downButton()->click();
    EXPECT_EQ(box()->text(), "2");
}

TEST_F(ChargeGridTest, RowTestsAndTotals) {
    EXPECT_EQ(charge->columnTotal(12), "0.00");
    grid->setTextMatrix(1, 12, "12.50");
    grid->setTextMatrix(2, 12, "1000");
    grid->setTextMatrix(3, 12, "XXX");
    EXPECT_EQ(charge->columnTotal(12), "1012.50");
    EXPECT_TRUE(charge->isBlankRow(4));
    grid->setTextMatrix(4, 28, "P");  // a hidden column alone makes the line non-blank
    EXPECT_FALSE(charge->isBlankRow(4));
    grid->setTextMatrix(5, 0, "5");
    EXPECT_TRUE(charge->isBlankRow(5));
}

} // namespace
} // namespace qx
