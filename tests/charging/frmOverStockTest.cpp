#include "ScriptedPlatform.h"
#include "charging/frmOverStock.h"
#include "platform/PictureButton.h"
#include "platform/WidgetInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

class frmOverStockTest : public ::testing::Test {
protected:
    // Shows the prompt modally and runs `act` on it while it is up.
    void use(const std::function<void(frmOverStock&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) { act(static_cast<frmOverStock&>(w)); });
        showModal(prompt);
    }
    static void press(frmOverStock& p, const std::vector<KeyStroke>& keys) {
        for (const KeyStroke& k : keys)
            pressKey(p.focusWidget() ? p.focusWidget() : &p, k.key, k.text);
    }
    static QList<bool> highlights(const frmOverStock& p) {
        return {p.imgProceed->isHighlighted(), p.imgFind->isHighlighted(), p.imgCancel->isHighlighted()};
    }

    ScriptedPlatform platform;
    frmOverStock prompt;
};

TEST_F(frmOverStockTest, KeysChooseTheKeyboardSelection) {
    struct Case { const char* name; std::vector<KeyStroke> keys; QString choice, logChoice; } cases[] = {
        {"enter at once", {kEnter}, "1", "Proceed with Transaction"},
        {"down", {kDown, kEnter}, "2", "Find Substitute Drug"},
        {"tab twice", {kTab, kTab, kEnter}, "X", "Cancel"},
        {"up wraps to cancel", {kUp, kEnter}, "X", "Cancel"},
        {"down from cancel wraps to proceed", {kUp, kDown, kEnter}, "1", "Proceed with Transaction"},
        {"tab from cancel wraps to proceed", {kUp, kTab, kEnter}, "1", "Proceed with Transaction"},
        {"esc whatever is selected", {kDown, kEsc}, "X", "Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompt.setChoice(QString());
        use([&](frmOverStock& p) { press(p, c.keys); });
        EXPECT_EQ(prompt.Choice(), c.choice);
        EXPECT_EQ(prompt.LogChoice(), c.logChoice);
        EXPECT_FALSE(prompt.isVisible());
    }
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_F(frmOverStockTest, ClicksChooseTheClickedPicture) {
    struct Case { PictureButton* frmOverStock::*button; QString choice, logChoice; } cases[] = {
        {&frmOverStock::imgProceed, "1", "Proceed With Transaction"},
        {&frmOverStock::imgFind, "2", "Find Substitute Drug"},
        {&frmOverStock::imgCancel, "X", "Cancel"},
    };
    for (const Case& c : cases) {
        use([&](frmOverStock& p) {
            press(p, {kDown});  // the keyboard selection does not matter to a click
            PictureButton* b = p.*c.button;
            click(b, b->rect().center());
        });
        EXPECT_EQ(prompt.Choice(), c.choice);
        EXPECT_EQ(prompt.LogChoice(), c.logChoice);
    }
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_F(frmOverStockTest, MouseHighlightsButEnterKeepsTheKeyboardSelection) {
    use([&](frmOverStock& p) {
        EXPECT_EQ(highlights(p), (QList<bool>{true, false, false}));
        mouseEvent(p.imgCancel, QEvent::MouseMove, p.imgCancel->rect().center(), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(highlights(p), (QList<bool>{true, false, true}));
        mouseEvent(&p, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(highlights(p), (QList<bool>{false, false, false}));
        press(p, {kEnter});
    });
    EXPECT_EQ(prompt.Choice(), QStringLiteral("1"));
    EXPECT_EQ(prompt.LogChoice(), QStringLiteral("Proceed with Transaction"));
}

TEST_F(frmOverStockTest, EachUseStartsOnProceedAndKeepsTheLastAnswerUntilChosen) {
    use([&](frmOverStock& p) { press(p, {kUp, kEnter}); });
    ASSERT_EQ(prompt.Choice(), QStringLiteral("X"));
    use([&](frmOverStock& p) {
        EXPECT_EQ(p.selection(), 1);
        EXPECT_EQ(highlights(p), (QList<bool>{true, false, false}));
        EXPECT_EQ(p.Choice(), QStringLiteral("X"));
        EXPECT_EQ(p.LogChoice(), QStringLiteral("Cancel"));
        press(p, {kEnter});
    });
    EXPECT_EQ(prompt.Choice(), QStringLiteral("1"));
}

} // namespace
