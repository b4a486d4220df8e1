#include "CashEntryFixture.h"

#include "charging/ChargeGridNavigation.h"
#include "platform/UpDown.h"
#include "platform/WidgetInput.h"

#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

class frmCashEntryGridTest : public CashEntryTest {
protected:
    void SetUp() override {
        CashEntryTest::SetUp();
        openShown();
    }
    QLineEdit* box() { return form->txtEntry(); }
    // Every line coded and priced, so that the editor may go anywhere.
    void fillAllLines() {
        for (int row = 1; row < frmCashEntry::kGridRows; ++row)
            fillLine(row, QStringLiteral("C%1").arg(row), QStringLiteral("1"), QStringLiteral("10.00"));
    }
};

TEST_F(frmCashEntryGridTest, FreshWindowOpensTheEditorWithItsLookUpOnTheFirstCode) {
    EXPECT_TRUE(box()->isVisible());
    EXPECT_TRUE(form->cmdEntry()->isVisible());
    EXPECT_EQ(grid()->row(), 1);
    EXPECT_EQ(grid()->col(), 1);
    test::typeText(box(), "amx5");
    EXPECT_EQ(box()->text(), "AMX5");
}

TEST_F(frmCashEntryGridTest, KeysMoveTheEditorOverTheEditableCells) {
    fillAllLines();
    const NavigationCase cases[] = {
        {"End on Code goes to Quantity", 4, 1, Qt::Key_End, 4, 8, true},
        {"End on Quantity goes to Amount", 4, 8, Qt::Key_End, 4, 14, true},
        {"End on Amount goes to the next line's Code", 4, 14, Qt::Key_End, 5, 1, true},
        {"End on the last line's Amount stays on that line", 39, 14, Qt::Key_End, 39, 1, true},
        {"Home on Amount goes to Quantity", 4, 14, Qt::Key_Home, 4, 8, true},
        {"Home on Quantity goes to Code", 4, 8, Qt::Key_Home, 4, 1, true},
        {"Home on Code stays", 4, 1, Qt::Key_Home, 4, 1, true},
        {"Page Down from row 5", 5, 8, Qt::Key_PageDown, 14, 8, true},
        {"Page Down from row 35 stops on the last line", 35, 8, Qt::Key_PageDown, 39, 8, true},
        {"Page Up from row 7 goes to the first line", 7, 8, Qt::Key_PageUp, 1, 8, true},
        {"Page Up from row 20", 20, 8, Qt::Key_PageUp, 11, 8, true},
        {"Up", 6, 8, Qt::Key_Up, 5, 8, true},
        {"Down", 6, 8, Qt::Key_Down, 7, 8, true},
    };
    checkNavigation(*form->chargeGrid(), cases, [this](const NavigationCase& c) {
        EXPECT_EQ(form->cmdEntry()->isVisible(), c.wantCol == 1);
        EXPECT_FALSE(form->upDown()->isVisible());
    });
}

TEST_F(frmCashEntryGridTest, EmptyRowsTakeOnlyACodeBelowACodedLine) {
    fillLine(1, "AMX5", "", "");
    struct Case { const char* name; int row, col; bool opens; };
    const Case cases[] = {
        {"quantity of a coded line", 1, 8, true},
        {"code of the first empty line", 2, 1, true},
        {"quantity of an empty line", 2, 8, false},
        {"code below the first empty line", 3, 1, false},
        {"an exempt column", 1, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openEditorAt(*form->chargeGrid(), c.row, c.col);
        EXPECT_EQ(box()->isVisible(), c.opens);
    }
}

TEST_F(frmCashEntryGridTest, TypingFollowsTheColumn) {
    fillLine(1, "AMX5", "", "25.00");
    openEditorAt(*form->chargeGrid(), 1, 8);
    box()->clear();
    test::typeText(box(), "1a2.5-");
    EXPECT_EQ(box()->text(), "12.5");
    openEditorAt(*form->chargeGrid(), 1, 14);
    EXPECT_TRUE(box()->isVisible());
    EXPECT_TRUE(box()->isReadOnly());
    test::typeText(box(), "9");
    EXPECT_EQ(box()->text(), "25.00");
    openEditorAt(*form->chargeGrid(), 1, 1);
    EXPECT_FALSE(box()->isReadOnly());
}

TEST_F(frmCashEntryGridTest, LeavingTheEditorChecksOnlyTheFirstLinesQuantity) {
    fillLine(1, "AMX5", "", "");
    openEditorAt(*form->chargeGrid(), 1, 8);
    form->cmdSave->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, "Enter quantity for ITEM AMX5.");
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_TRUE(box()->hasFocus());

    platform.messages->clear();
    fillLine(1, "AMX5", "2", "20.00");
    fillLine(2, "PAR5", "", "");
    openEditorAt(*form->chargeGrid(), 2, 8);
    form->cmdSave->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_TRUE(form->cmdSave->hasFocus());
}

TEST_F(frmCashEntryGridTest, MovesInsideTheGridAskNothing) {
    fillLine(1, "AMX5", "", "");
    openEditorAt(*form->chargeGrid(), 1, 8);
    pressInEditor(*form->chargeGrid(), Qt::Key_Home);
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(grid()->col(), 1);
}

TEST_F(frmCashEntryGridTest, ClearRowFollowsTheCurrentLine) {
    fillLine(1, "AMX5", "1", "10.00");
    openEditorAt(*form->chargeGrid(), 1, 8);
    EXPECT_TRUE(form->cmdClearRow->isEnabled());
    openEditorAt(*form->chargeGrid(), 2, 1);
    EXPECT_FALSE(form->cmdClearRow->isEnabled());
}

} // namespace
} // namespace qx::test
