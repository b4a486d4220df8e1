#include "platform/FlexGrid.h"

#include "WidgetInput.h"
#include "components/AppError.h"
#include "platform/Twips.h"

#include <QDialog>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace qx {
namespace {

using test::click;
using test::doubleClick;
using test::pressKey;

constexpr auto kEntryFormat =
    "># |>Code |<Product Description |<Brand Name |<UOM |<Dosage Frq. |>Quantity |>Stock |>Amount |<Remarks |< MarkUpIn |< MarkUpOut";

// A shown window holding one grid, and a log of the grid's events in the order they fired.
class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(640, 400);
        grid = new FlexGrid(&window);
        grid->setGeometry(20, 30, 600, 300);
        test::showActive(&window);
        const auto logCell = [this](const char* name) {
            return [this, name] { log << QStringLiteral("%1 %2,%3").arg(name).arg(grid->row()).arg(grid->col()); };
        };
        QObject::connect(grid, &FlexGrid::leaveCell, logCell("leave"));
        QObject::connect(grid, &FlexGrid::enterCell, logCell("enter"));
        QObject::connect(grid, &FlexGrid::rowColChange, logCell("rowcol"));
        QObject::connect(grid, &FlexGrid::click, logCell("click"));
        QObject::connect(grid, &FlexGrid::dblClick, logCell("dblclick"));
        QObject::connect(grid, &FlexGrid::scroll, [this] { log << QStringLiteral("scroll %1").arg(grid->topRow()); });
        QObject::connect(grid, &FlexGrid::mouseDown, [this](int button, int, int, int) {
            log << QStringLiteral("down %1 at %2,%3 over %4,%5")
                       .arg(button).arg(grid->row()).arg(grid->col()).arg(grid->mouseRow()).arg(grid->mouseCol());
        });
        QObject::connect(grid, &FlexGrid::keyDown, [this](int& code, int) { log << QStringLiteral("keydown %1").arg(code); });
        QObject::connect(grid, &FlexGrid::keyPress, [this](int& ascii) { log << QStringLiteral("keypress %1").arg(ascii); });
    }

    void makeGrid(int rows, int cols) {
        grid->setCols(cols);
        grid->setRows(rows);
        log.clear();
    }

    // Centre of a cell in the grid's viewport, found from the grid's own positions.
    QPoint cellCentre(int row, int col) const {
        const QPoint origin = grid->viewport()->geometry().topLeft();
        return QPoint(twipsToPixels(grid->colPos(col) + grid->colWidth(col) / 2),
                      twipsToPixels(grid->rowPos(row) + grid->rowHeight(row) / 2)) - origin;
    }

    QColor pixelAt(int row, int col) {
        const QImage image = grid->viewport()->grab().toImage();
        return image.pixelColor(cellCentre(row, col) + QPoint(0, 0));
    }

    QWidget window;
    FlexGrid* grid = nullptr;
    QStringList log;
};

TEST_F(FlexGridTest, StartsAsTwoByTwoWithOneFixedRowAndColumn) {
    EXPECT_EQ(grid->rows(), 2);
    EXPECT_EQ(grid->cols(), 2);
    EXPECT_EQ(grid->fixedRows(), 1);
    EXPECT_EQ(grid->fixedCols(), 1);
    EXPECT_EQ(grid->row(), 1);
    EXPECT_EQ(grid->col(), 1);
}

TEST_F(FlexGridTest, CellsHoldTextAndOutOfRangeIndexesRaise) {
    makeGrid(31, 17);
    grid->setTextMatrix(30, 16, QStringLiteral("P"));
    grid->setTextMatrix(1, 1, QStringLiteral(" 00123 "));
    EXPECT_EQ(grid->textMatrix(30, 16), "P");
    EXPECT_EQ(grid->textMatrix(1, 1), " 00123 ");
    EXPECT_EQ(grid->textMatrix(2, 2), "");
    grid->setRow(30);
    grid->setCol(16);
    EXPECT_EQ(grid->text(), "P");
    grid->setText(QStringLiteral("X"));
    EXPECT_EQ(grid->textMatrix(30, 16), "X");

    struct Case { std::function<void()> call; long number; };
    const Case cases[] = {
        {[&] { grid->textMatrix(31, 0); }, 381},
        {[&] { grid->setTextMatrix(0, 17, {}); }, 381},
        {[&] { grid->textMatrix(-1, 0); }, 381},
        {[&] { grid->setRow(31); }, 30009},
        {[&] { grid->setCol(17); }, 30010},
        {[&] { grid->colWidth(17); }, 381},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no error for " << c.number;
        } catch (const AppError& error) {
            EXPECT_EQ(error.number(), c.number);
        }
    }
}

TEST_F(FlexGridTest, FormatStringSetsHeadersAlignmentAndGrowsColumns) {
    makeGrid(31, 17);
    grid->setFormatString(QString::fromLatin1(kEntryFormat));
    EXPECT_EQ(grid->cols(), 17);  // twelve fields never shrink seventeen columns
    const QStringList headers = {"# ", "Code ", "Product Description ", "Brand Name ", "UOM ", "Dosage Frq. ",
                                 "Quantity ", "Stock ", "Amount ", "Remarks ", " MarkUpIn ", " MarkUpOut"};
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(grid->textMatrix(0, c), c < headers.size() ? headers[c] : QString()) << c;
    EXPECT_EQ(grid->colAlignment(0), Qt::AlignRight);
    EXPECT_EQ(grid->colAlignment(2), Qt::AlignLeft);
    EXPECT_EQ(grid->colAlignment(14), Qt::Alignment());
    EXPECT_GT(grid->colWidth(2), grid->colWidth(4));  // widened to fit its header

    grid->setCols(37);
    grid->setFormatString(QStringLiteral("<# |<Code |^Mid|>Unit Price |<%||||||||||"));
    EXPECT_EQ(grid->cols(), 37);
    grid->setFormatString(QStringLiteral("<# |<Code |<Generic Name|<Product Description |<Brand Name  |<UOM  |>Unit Price |"
                                         ">At Cost|>Quantity |>Stock |>Gross|>VAT|>Taxable|>Discount|>Amount|<|<|<|<|<|<|<|<|<|<|<|<|"
                                         "<Cash Price |<Fixed Price |<|<|<%||||||||||"));
    EXPECT_EQ(grid->cols(), 42);
    EXPECT_EQ(grid->textMatrix(0, 28), "Fixed Price ");
    EXPECT_EQ(grid->textMatrix(0, 31), "%");
    EXPECT_EQ(grid->textMatrix(0, 41), "");
}

TEST_F(FlexGridTest, CodeThatMovesTheCurrentCellFiresLeaveEnterAndRowColChangeInOrder) {
    makeGrid(31, 17);
    struct Step { std::function<void()> act; QStringList expected; };
    const Step steps[] = {
        {[&] { grid->setRow(4); }, {"leave 1,1", "enter 4,1", "rowcol 4,1"}},
        {[&] { grid->setRow(4); }, {}},  // unchanged: nothing
        {[&] { grid->setCol(5); }, {"leave 4,1", "enter 4,5", "rowcol 4,5"}},
        {[&] { grid->setRow(0); }, {"leave 4,5", "enter 0,5", "rowcol 0,5"}},  // code may go to a fixed row
        {[&] { grid->setRow(30); grid->setCol(16); },
         {"leave 0,5", "enter 30,5", "rowcol 30,5", "leave 30,5", "enter 30,16", "rowcol 30,16"}},
        // The old cell is gone: no leave, the grid settles on the last row and column left.
        {[&] { grid->setRows(11); }, {"enter 10,16", "rowcol 10,16"}},
        {[&] { grid->setCols(9); }, {"enter 10,8", "rowcol 10,8"}},
        {[&] { grid->setRows(20); }, {}},
    };
    for (const auto& step : steps) {
        log.clear();
        step.act();
        EXPECT_EQ(log, step.expected);
    }
}

TEST_F(FlexGridTest, ClickFiresMouseDownBeforeTheMoveAndClickAfter) {
    makeGrid(10, 5);
    grid->setRow(2);
    grid->setCol(1);
    log.clear();
    click(grid->viewport(), cellCentre(5, 3));
    EXPECT_EQ(log, (QStringList{"down 1 at 2,1 over 5,3", "leave 2,1", "enter 5,3", "rowcol 5,3", "click 5,3"}));

    log.clear();
    click(grid->viewport(), cellCentre(7, 2), Qt::RightButton);  // the right button does not move the cell
    EXPECT_EQ(log, (QStringList{"down 2 at 5,3 over 7,2"}));
    EXPECT_EQ(grid->row(), 5);

    log.clear();
    click(grid->viewport(), cellCentre(0, 2));  // a header cell is never made current by the mouse
    EXPECT_EQ(log, (QStringList{"down 1 at 5,3 over 0,2", "click 5,3"}));

    log.clear();
    doubleClick(grid->viewport(), cellCentre(5, 3));
    EXPECT_EQ(log, (QStringList{"down 1 at 5,3 over 5,3", "click 5,3", "dblclick 5,3"}));
}

TEST_F(FlexGridTest, KeysFireKeyDownBeforeTheGridMoves) {
    makeGrid(10, 5);
    grid->setColWidth(3, 0);  // hidden columns are stepped over
    grid->setFocus();
    struct Case { Qt::Key key; QString text; QStringList expected; };
    const Case cases[] = {
        {Qt::Key_Down, {}, {"keydown 40", "leave 1,1", "enter 2,1", "rowcol 2,1"}},
        {Qt::Key_Right, {}, {"keydown 39", "leave 2,1", "enter 2,2", "rowcol 2,2"}},
        {Qt::Key_Right, {}, {"keydown 39", "leave 2,2", "enter 2,4", "rowcol 2,4"}},
        {Qt::Key_Right, {}, {"keydown 39"}},  // already on the last column
        {Qt::Key_Home, {}, {"keydown 36", "leave 2,4", "enter 2,1", "rowcol 2,1"}},
        {Qt::Key_Up, {}, {"keydown 38", "leave 2,1", "enter 1,1", "rowcol 1,1"}},
        {Qt::Key_Up, {}, {"keydown 38"}},  // never into the header row
        {Qt::Key_Return, QStringLiteral("\r"), {"keydown 13", "keypress 13"}},
        {Qt::Key_A, QStringLiteral("a"), {"keydown 65", "keypress 97"}},
    };
    for (const auto& c : cases) {
        log.clear();
        pressKey(grid, c.key, c.text);
        EXPECT_EQ(log, c.expected) << c.key;
    }

    // A handler that clears the key code keeps the grid where it is.
    QObject::connect(grid, &FlexGrid::keyDown, [](int& code, int) { if (code == 40) code = 0; });
    log.clear();
    pressKey(grid, Qt::Key_Down);
    EXPECT_EQ(log, (QStringList{"keydown 40"}));
    EXPECT_EQ(grid->row(), 1);
}

TEST(FlexGridInDialog, KeepsEnterAndEscapeFromTheDialogsButtons) {
    QDialog dialog;
    auto* grid = new FlexGrid(&dialog);
    auto* save = new QPushButton(QStringLiteral("&Save"), &dialog);
    save->setDefault(true);
    int saves = 0, presses = 0;
    QObject::connect(save, &QPushButton::clicked, [&] { ++saves; });
    QObject::connect(grid, &FlexGrid::keyPress, [&](int&) { ++presses; });
    test::showActive(&dialog);
    grid->setFocus();
    pressKey(grid, Qt::Key_Return, QStringLiteral("\r"));
    pressKey(grid, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(FlexGridTest, FocusChangesFireGotAndLostFocus) {
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    other->setFocus();
    QStringList focus;
    QObject::connect(grid, &FlexGrid::gotFocus, [&] { focus << "got"; });
    QObject::connect(grid, &FlexGrid::lostFocus, [&] { focus << "lost"; });
    grid->setFocus();
    other->setFocus();
    EXPECT_EQ(focus, (QStringList{"got", "lost"}));
}

TEST_F(FlexGridTest, ScrollsByWholeRowsAndReportsWhatIsVisible) {
    makeGrid(60, 6);
    const int rowPx = twipsToPixels(grid->rowHeight(1));
    const int firstDataTop = grid->rowPos(1);
    EXPECT_EQ(grid->rowPos(0) + grid->rowHeight(0), firstDataTop);
    EXPECT_EQ(grid->topRow(), 1);

    grid->setTopRow(20);
    EXPECT_EQ(log, (QStringList{"scroll 20"}));
    EXPECT_EQ(grid->topRow(), 20);
    EXPECT_EQ(grid->rowPos(20), firstDataTop);  // the top scrolled row sits under the header
    EXPECT_TRUE(grid->rowIsVisible(0));
    EXPECT_TRUE(grid->rowIsVisible(20));
    EXPECT_FALSE(grid->rowIsVisible(19));
    EXPECT_EQ(grid->verticalScrollBar()->value(), 19);

    int lastVisible = 20;
    while (grid->rowIsVisible(lastVisible + 1))
        ++lastVisible;
    EXPECT_GE(lastVisible - 20 + 1, grid->viewport()->height() / rowPx - 2);

    // Code does not scroll a new current row into view; the user's keys do.
    log.clear();
    grid->setRow(lastVisible);
    EXPECT_EQ(grid->topRow(), 20);
    grid->setFocus();
    pressKey(grid, Qt::Key_Down);
    EXPECT_EQ(grid->row(), lastVisible + 1);
    EXPECT_EQ(grid->topRow(), 21);
    EXPECT_TRUE(grid->rowIsVisible(lastVisible + 1));

    grid->setTopRow(59);  // clamped so that the last page is full
    EXPECT_LT(grid->topRow(), 59);
    EXPECT_TRUE(grid->rowIsVisible(59));

    log.clear();
    grid->verticalScrollBar()->setValue(4);  // the user drags the scroll bar
    EXPECT_EQ(grid->topRow(), 5);
    EXPECT_EQ(log, (QStringList{"scroll 5"}));
}

TEST_F(FlexGridTest, CellColoursApplyToTheCurrentCellOrUnderRepeatToTheSelection) {
    makeGrid(31, 17);
    grid->setBackColor(colors::InfoBackground);
    EXPECT_EQ(grid->cellBackColor(), colors::InfoBackground);  // unset: the grid's own

    grid->setRow(2);
    grid->setCol(1);
    grid->setCellBackColor(0xC0FFC0);
    grid->setCellForeColor(0x0000FF);
    grid->setCellFontBold(true);
    grid->setRow(3);
    grid->setCellBackColor(0xFF80FF);
    EXPECT_EQ(grid->cellBackColor(), 0xFF80FFu);
    EXPECT_FALSE(grid->cellFontBold());
    grid->setRow(2);
    EXPECT_EQ(grid->cellBackColor(), 0xC0FFC0u);
    EXPECT_EQ(grid->cellForeColor(), 0x0000FFu);
    EXPECT_TRUE(grid->cellFontBold());
    grid->setCol(2);
    EXPECT_EQ(grid->cellBackColor(), colors::InfoBackground);

    // What is drawn: the cell's colour, and the scheme's info background for the rest.
    grid->setRow(5);  // move the current cell away from those looked at
    EXPECT_EQ(pixelAt(2, 1), QColor(192, 255, 192));
    EXPECT_EQ(pixelAt(3, 1), QColor(255, 128, 255));
    EXPECT_EQ(pixelAt(4, 1), grid->palette().color(QPalette::ToolTipBase));

    grid->setFillStyle(FlexGrid::FillStyle::Repeat);
    grid->setRow(6);
    grid->setCol(1);
    grid->setRowSel(7);
    grid->setColSel(3);
    grid->setCellBackColor(colors::WindowBackground);
    for (int r = 6; r <= 7; ++r)
        for (int c = 1; c <= 3; ++c) {
            grid->setRow(r);
            grid->setCol(c);
            EXPECT_EQ(grid->cellBackColor(), colors::WindowBackground) << r << "," << c;
        }
    grid->setCol(4);
    EXPECT_EQ(grid->cellBackColor(), colors::InfoBackground);

    grid->clear();
    grid->setRow(2);
    grid->setCol(1);
    EXPECT_EQ(grid->cellBackColor(), colors::InfoBackground);
    EXPECT_FALSE(grid->cellFontBold());
}

TEST_F(FlexGridTest, ByRowSelectionColoursTheWholeRow) {
    makeGrid(5, 4);
    grid->setSelectionMode(FlexGrid::SelectionMode::ByRow);
    grid->setFillStyle(FlexGrid::FillStyle::Repeat);
    grid->setRow(2);
    grid->setCellBackColor(colors::InfoBackground);
    for (int c = 1; c < 4; ++c)
        EXPECT_EQ(grid->textMatrix(2, c), "");  // texts untouched
    grid->setCol(3);
    EXPECT_EQ(grid->cellBackColor(), colors::InfoBackground);
    grid->setRow(3);
    EXPECT_EQ(grid->cellBackColor(), colors::WindowBackground);
}

TEST_F(FlexGridTest, AddItemAndRemoveItemShiftRows) {
    makeGrid(1, 3);
    grid->addItem(QStringLiteral("1\tA\tfirst"));
    grid->addItem(QStringLiteral("3\tC"));
    grid->addItem(QStringLiteral("2\tB\tsecond\tdropped"), 2);
    ASSERT_EQ(grid->rows(), 4);
    EXPECT_EQ(grid->textMatrix(1, 2), "first");
    EXPECT_EQ(grid->textMatrix(2, 1), "B");
    EXPECT_EQ(grid->textMatrix(3, 0), "3");
    EXPECT_EQ(grid->textMatrix(3, 2), "");
    grid->removeItem(2);
    ASSERT_EQ(grid->rows(), 3);
    EXPECT_EQ(grid->textMatrix(2, 1), "C");
}

TEST_F(FlexGridTest, RedrawOffStillFiresEvents) {
    makeGrid(5, 3);
    grid->setRedraw(false);
    grid->setRow(3);
    EXPECT_EQ(log, (QStringList{"leave 1,1", "enter 3,1", "rowcol 3,1"}));
    grid->setRedraw(true);
    EXPECT_TRUE(grid->redraw());
}

} // namespace
} // namespace qx
