#include "ScriptedPlatform.h"
#include "charging/frmMessageBoxBarCode.h"
#include "platform/WidgetInput.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

class frmMessageBoxBarCodeTest : public ::testing::Test {
protected:
    void use(const std::function<void(frmMessageBoxBarCode&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) {
            showActive(&w);
            act(static_cast<frmMessageBoxBarCode&>(w));
        });
        showModal(prompt);
    }
    ScriptedPlatform platform;
    frmMessageBoxBarCode prompt;
};

TEST_F(frmMessageBoxBarCodeTest, EveryAnswerLeavesChangeSet) {
    struct Case {
        const char* name;
        std::function<void(frmMessageBoxBarCode&)> act;
        bool change, cancel, retry;
    } cases[] = {
        {"enter at once", [](frmMessageBoxBarCode&) { pressKey(QApplication::focusWidget(), Qt::Key_Return, QStringLiteral("\r")); },
         true, false, false},
        {"retry scan", [](frmMessageBoxBarCode& p) { click(p.cmdRetry, p.cmdRetry->rect().center()); }, true, false, true},
        {"cancel request", [](frmMessageBoxBarCode& p) { click(p.cmdCancel, p.cmdCancel->rect().center()); }, true, true, false},
        {"change request", [](frmMessageBoxBarCode& p) { click(p.cmdChange, p.cmdChange->rect().center()); }, true, false, false},
        {"close box", [](frmMessageBoxBarCode& p) { p.close(); }, true, false, false},
        {"tab to retry, enter",
         [](frmMessageBoxBarCode& p) {
             pressKey(QApplication::focusWidget(), Qt::Key_Tab, QStringLiteral("\t"));
             pressKey(QApplication::focusWidget(), Qt::Key_Tab, QStringLiteral("\t"));
             EXPECT_EQ(QApplication::focusWidget(), p.cmdRetry);
             pressKey(QApplication::focusWidget(), Qt::Key_Return, QStringLiteral("\r"));
         },
         true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // What the last use left does not carry over.
        gBarcodeChoiceChange = false;
        gBarcodeChoiceCancel = gBarcodeChoiceRetry = true;
        use([&](frmMessageBoxBarCode& p) {
            EXPECT_EQ(p.Label1->text(), QStringLiteral("CODE NOT ACCEPTED"));
            EXPECT_EQ(QApplication::focusWidget(), p.cmdChange);
            c.act(p);
        });
        EXPECT_EQ(gBarcodeChoiceChange, c.change);
        EXPECT_EQ(gBarcodeChoiceCancel, c.cancel);
        EXPECT_EQ(gBarcodeChoiceRetry, c.retry);
        EXPECT_FALSE(prompt.isVisible());
    }
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_F(frmMessageBoxBarCodeTest, EscapeDoesNothing) {
    use([](frmMessageBoxBarCode& p) {
        pressKey(QApplication::focusWidget(), Qt::Key_Escape, QStringLiteral("\x1b"));
        EXPECT_TRUE(p.isVisible());
        click(p.cmdRetry, p.cmdRetry->rect().center());
    });
    EXPECT_TRUE(gBarcodeChoiceRetry);
    EXPECT_EQ(prompt.cmdChange->text(), QStringLiteral("Ch&ange Request"));
    EXPECT_EQ(prompt.cmdCancel->text(), QStringLiteral("&Cancel Request"));
    EXPECT_EQ(prompt.cmdRetry->text(), QStringLiteral("&Retry Scan"));
}

} // namespace
