#include "platform/CellEditor.h"

#include "WidgetInput.h"
#include "platform/ControlEvents.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace qx {
namespace {

using Companion = CellEditor::Companion;

// A window with a 31 x 17 grid scrolled away from its origin, and its editor.
class CellEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(700, 420);
        grid = new FlexGrid(&window);
        grid->setGeometry(25, 40, 520, 260);
        grid->setCols(17);
        grid->setRows(31);
        for (int c = 1; c < 17; ++c)
            grid->setColWidth(c, 1000 + 15 * c);
        editor = new CellEditor(grid);
        test::showActive(&window);
        grid->setTopRow(12);
        grid->setLeftCol(3);
    }

    // The cell the grid's own hit test finds under a point of the window.
    std::pair<int, int> cellUnder(QPoint windowPos) {
        const QPoint inViewport = grid->viewport()->mapFrom(&window, windowPos);
        test::mouseEvent(grid->viewport(), QEvent::MouseMove, inViewport, Qt::NoButton, Qt::NoButton);
        return {grid->mouseRow(), grid->mouseCol()};
    }

    QWidget window;
    FlexGrid* grid = nullptr;
    CellEditor* editor = nullptr;
};

TEST_F(CellEditorTest, EditorKindsChooseTheCompanion) {
    struct Case { double kind; Companion companion; };
    const Case cases[] = {{1, Companion::LookupButton}, {2, Companion::Spinner}, {0, Companion::None},
                          {10, Companion::None}, {11, Companion::None}, {13, Companion::None}, {1.5, Companion::None}};
    for (const auto& c : cases)
        EXPECT_EQ(CellEditor::companionForKind(c.kind), c.companion) << c.kind;
}

TEST_F(CellEditorTest, LiesExactlyOverAScrolledCellWithItsCompanionBeside) {
    ASSERT_EQ(grid->topRow(), 12);
    ASSERT_EQ(grid->leftCol(), 3);
    struct Case { int row, col; Companion companion; QWidget* side; };
    const Case cases[] = {
        {14, 4, Companion::LookupButton, editor->lookupButton()},
        {13, 5, Companion::Spinner, editor->spinner()},
        {12, 3, Companion::None, nullptr},
        {15, 0, Companion::LookupButton, editor->lookupButton()},  // the fixed column does not scroll
    };
    for (const auto& c : cases) {
        editor->placeOver(c.row, c.col, c.companion, 0);
        const QRect box = editor->textBox()->geometry();
        SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
        ASSERT_TRUE(editor->isOpen());

        // Its corners lie in the cell, and one pixel up and left lies in the neighbours.
        EXPECT_EQ(cellUnder(box.topLeft()), std::make_pair(c.row, c.col));
        EXPECT_EQ(cellUnder(box.topLeft() - QPoint(1, 0)).second, c.col - 1 < 3 && c.col > 0 ? 0 : c.col - 1);
        EXPECT_EQ(cellUnder(box.topLeft() - QPoint(0, 1)).first, c.row - 1 < 12 ? 0 : c.row - 1);

        const int cellWidth = twipsToPixels(grid->colWidth(c.col));
        const int sideWidth = c.side ? c.side->width() : 0;
        EXPECT_EQ(box.width() + sideWidth, cellWidth);
        EXPECT_EQ(box.height(), twipsToPixels(grid->rowHeight(c.row) - 25));
        if (c.side) {
            EXPECT_TRUE(c.side->isVisible());
            EXPECT_EQ(c.side->geometry(), QRect(box.right() + 1, box.top(), sideWidth, box.height()));
            EXPECT_EQ(cellUnder(c.side->geometry().topRight()), std::make_pair(c.row, c.col));
        }
        for (QWidget* other : {static_cast<QWidget*>(editor->lookupButton()), static_cast<QWidget*>(editor->spinner())})
            if (other != c.side) {
                EXPECT_FALSE(other->isVisible());
            }
        EXPECT_TRUE(editor->textBox()->hasFocus());
    }

    editor->hide();
    EXPECT_FALSE(editor->isOpen());
    EXPECT_FALSE(editor->lookupButton()->isVisible());
    EXPECT_FALSE(editor->spinner()->isVisible());
}

TEST_F(CellEditorTest, MaximumLengthLimitsTypingButNotCode) {
    editor->placeOver(13, 4, Companion::LookupButton, 5);
    editor->setText(QString());
    test::typeText(editor->textBox(), QStringLiteral("ABCDEFG"));
    EXPECT_EQ(editor->text(), "ABCDE");

    editor->setText(QStringLiteral("LONGER THAN FIVE"));
    EXPECT_EQ(editor->text(), "LONGER THAN FIVE");
    test::pressKey(editor->textBox(), Qt::Key_End);
    test::pressKey(editor->textBox(), Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), "LONGER THAN FIV");  // can be shortened
    test::typeText(editor->textBox(), QStringLiteral("X"));
    EXPECT_EQ(editor->text(), "LONGER THAN FIV");  // not lengthened

    editor->placeOver(13, 4, Companion::None, 0);
    test::typeText(editor->textBox(), QStringLiteral("X"));
    EXPECT_EQ(editor->text(), "LONGER THAN FIVX");
}

TEST_F(CellEditorTest, KeyHandlersDropOrChangeTypedCharacters) {
    // The filter an entry screen puts on its quantity column, and its upper-casing elsewhere.
    bool digitsOnly = false;
    QObject::connect(editor->textEvents(), &ControlEvents::keyPress, [&](int& ascii) {
        const bool numeric = (ascii >= '0' && ascii <= '9') || ascii == '.' || ascii == 8;
        if (digitsOnly && !numeric)
            ascii = 0;
        else
            ascii = QChar(ascii).toUpper().unicode();
    });
    struct Case { bool digitsOnly; QString typed; QString expected; };
    const Case cases[] = {
        {true, QStringLiteral("1a2"), QStringLiteral("12")},
        {true, QStringLiteral("2.5-"), QStringLiteral("2.5")},
        {false, QStringLiteral("abc"), QStringLiteral("ABC")},
        {false, QStringLiteral("ñ1x"), QStringLiteral("Ñ1X")},
    };
    for (const auto& c : cases) {
        digitsOnly = c.digitsOnly;
        editor->placeOver(14, 6, Companion::None, 0);
        editor->setText(QString());
        test::typeText(editor->textBox(), c.typed);
        EXPECT_EQ(editor->text(), c.expected) << c.typed.toStdString();
    }

    // Tab is no typed character: a filter cannot swallow it, and the focus moves on.
    digitsOnly = true;
    grid->setFocusPolicy(Qt::StrongFocus);
    ASSERT_TRUE(editor->textBox()->hasFocus());
    test::pressKey(editor->textBox(), Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_FALSE(editor->textBox()->hasFocus());
}

TEST_F(CellEditorTest, KeyDownSeesNavigationKeysAndCanSwallowThem) {
    QList<int> codes;
    QObject::connect(editor->textEvents(), &ControlEvents::keyDown, [&](int& code, int) {
        codes << code;
        if (code == 38 || code == 40)
            code = 0;
    });
    int presses = 0;
    QObject::connect(editor->textEvents(), &ControlEvents::keyPress, [&](int&) { ++presses; });
    editor->placeOver(14, 6, Companion::None, 0);
    editor->setText(QStringLiteral("12"));
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown})
        test::pressKey(editor->textBox(), key);
    EXPECT_EQ(codes, (QList<int>{36, 35, 38, 40, 33, 34}));
    EXPECT_EQ(presses, 0);
    test::pressKey(editor->textBox(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(editor->text(), "12");
}

TEST_F(CellEditorTest, LookupButtonSpinnerAndDoubleClickReachTheScreen) {
    QStringList seen;
    QObject::connect(editor->lookupButton(), &QPushButton::clicked, [&] { seen << "lookup"; });
    QObject::connect(editor->spinner(), &UpDown::upClick, [&] { seen << "up"; });
    QObject::connect(editor->spinner(), &UpDown::downClick, [&] { seen << "down"; });
    QObject::connect(editor->textEvents(), &ControlEvents::dblClick, [&] { seen << "dblclick"; });

    editor->placeOver(13, 4, Companion::LookupButton, 0);
    editor->lookupButton()->click();
    test::doubleClick(editor->textBox(), QPoint(3, 3));
    editor->placeOver(13, 4, Companion::Spinner, 0);
    test::click(editor->spinner()->upButton(), QPoint(2, 2));
    test::click(editor->spinner()->downButton(), QPoint(2, 2));
    EXPECT_EQ(seen, (QStringList{"lookup", "dblclick", "up", "down"}));
    EXPECT_TRUE(editor->textBox()->hasFocus());  // the companions leave the focus with the text box
}

TEST(UpDownTest, StepsWithinItsRangeAndReportsEveryClick) {
    UpDown spinner;
    spinner.setRange(1, 3);
    int changes = 0, ups = 0;
    QObject::connect(&spinner, &UpDown::change, [&] { ++changes; });
    QObject::connect(&spinner, &UpDown::upClick, [&] { ++ups; });
    EXPECT_EQ(spinner.value(), 1);
    for (int i = 0; i < 4; ++i)
        spinner.upButton()->click();
    EXPECT_EQ(spinner.value(), 3);
    EXPECT_EQ(ups, 4);      // clicks at the limit still reach the screen
    EXPECT_EQ(changes, 2);  // the value moved twice
    spinner.downButton()->click();
    EXPECT_EQ(spinner.value(), 2);
}

} // namespace
} // namespace qx
