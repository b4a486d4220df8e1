#include "charging/SlipPrinting.h"
#include "charging/frmChargeSlipCopies.h"
#include "components/PlatformServices.h"
#include "platform/UpDown.h"
#include "support/ScriptedPlatform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace qx;

namespace {

QString storedCopies() {
    return GetSetting(QStringLiteral("Ruzari Zozoze"), QStringLiteral("Settings"), QStringLiteral("ChargeSlipCopies"),
                      QStringLiteral("(none)"));
}

TEST(frmChargeSlipCopiesTest, SlipModeAnswersTheTypedCountRoundedHalfToEven) {
    ScriptedPlatform platform;
    frmChargeSlipCopies form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ChargeslipCopies"));
    const std::pair<const char*, qint16> typed[] = {{"3", 3}, {"2.5", 2}, {"3.5", 4}, {"x", 0}, {"-2", 0}, {"", 0}};
    for (const auto& [text, copies] : typed) {
        SCOPED_TRACE(text);
        form.show();
        EXPECT_EQ(form.txtCopies->text(), QStringLiteral("1"));
        EXPECT_EQ(form.NumCopies, 0);
        form.txtCopies->setText(QString::fromLatin1(text));
        form.cmdOK->click();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.NumCopies, copies);
    }
    EXPECT_EQ(storedCopies(), QStringLiteral("(none)"));
}

TEST(frmChargeSlipCopiesTest, CloseBoxLeavesNoCopies) {
    ScriptedPlatform platform;
    frmChargeSlipCopies form;
    form.show();
    form.txtCopies->setText(QStringLiteral("5"));
    form.close();
    EXPECT_EQ(form.NumCopies, 0);
}

TEST(frmChargeSlipCopiesTest, SpinnerWritesItsValueIntoTheBox) {
    ScriptedPlatform platform;
    frmChargeSlipCopies form;
    form.show();
    form.UpDown1->upButton()->click();
    EXPECT_EQ(form.txtCopies->text(), QStringLiteral("2"));
    form.cmdOK->click();
    EXPECT_EQ(form.NumCopies, 2);
}

TEST(frmChargeSlipCopiesTest, SettingsModeEditsTheStoredCopiesForOneShowing) {
    ScriptedPlatform platform;
    SaveChargeSlipCopies(QStringLiteral("3"));
    frmChargeSlipCopies form;
    form.fromMain = true;
    form.show();
    EXPECT_EQ(form.txtCopies->text(), QStringLiteral("3"));
    form.txtCopies->setText(QStringLiteral("4 copies"));
    form.cmdOK->click();
    EXPECT_EQ(storedCopies(), QStringLiteral("4"));
    EXPECT_EQ(form.NumCopies, 0);
    EXPECT_FALSE(form.fromMain);

    form.show();  // a charging screen's turn: slip mode again
    EXPECT_EQ(form.txtCopies->text(), QStringLiteral("1"));
    form.cmdOK->click();
    EXPECT_EQ(storedCopies(), QStringLiteral("4"));
    EXPECT_EQ(form.NumCopies, 1);
}

} // namespace
