#include "ScriptedPlatform.h"
#include "charging/frmListDrugs.h"
#include "platform/WidgetInput.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

const KeyStroke kLetterQ{Qt::Key_Q, QStringLiteral("q")};

class frmListDrugsTest : public ::testing::Test {
protected:
    void use(const std::function<void(frmListDrugs&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) {
            showActive(&w);
            act(static_cast<frmListDrugs&>(w));
        });
        showModal(chooser);
    }
    static void press(const std::vector<KeyStroke>& keys) {
        for (const KeyStroke& k : keys)
            pressKey(QApplication::focusWidget(), k.key, k.text);
    }
    ScriptedPlatform platform;
    frmListDrugs chooser;
};

TEST_F(frmListDrugsTest, KeysChooseTheLocation) {
    struct Case { const char* name; std::vector<KeyStroke> keys; QString location; } cases[] = {
        {"enter at once on OK", {kEnter}, "20"},
        {"tab to regular, enter", {kTab, kEnter}, "20"},
        {"tab, down to special, enter", {kTab, kDown, kEnter}, "109"},
        {"special by a letter", {kTab, kDown, kLetterQ}, "109"},
        {"escape on an option chooses it", {kTab, kDown, kEsc}, "109"},
        {"space on regular", {kTab, kDown, kUp, kSpace}, "20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chooser.setLocationID(QString());
        use([&](frmListDrugs& d) {
            EXPECT_TRUE(d.Option1[0]->isChecked());
            EXPECT_EQ(QApplication::focusWidget(), d.Command1);
            press(c.keys);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(chooser.LocationID(), c.location);
        EXPECT_FALSE(chooser.isVisible());
    }
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_F(frmListDrugsTest, EscapeOnOkDoesNothingAndEachUseStartsOnRegular) {
    use([](frmListDrugs& d) {
        pressKey(d.Command1, kEsc.key, kEsc.text);
        EXPECT_TRUE(d.isVisible());
        click(d.Option1[1], QPoint(8, d.Option1[1]->height() / 2));
        EXPECT_TRUE(d.Option1[1]->isChecked());
        EXPECT_TRUE(d.isVisible());  // a click selects without choosing
        click(d.Command1, d.Command1->rect().center());
    });
    EXPECT_EQ(chooser.LocationID(), QStringLiteral("109"));
    use([](frmListDrugs& d) {
        EXPECT_TRUE(d.Option1[0]->isChecked());
        click(d.Command1, d.Command1->rect().center());
    });
    EXPECT_EQ(chooser.LocationID(), QStringLiteral("20"));
}

} // namespace
