#include "MainWindowFixture.h"
#include "charging/frmBuildDiscount.h"
#include "charging/frmChargeSlipCopies.h"
#include "shell/frmAuditTrail.h"
#include "shell/frmOptions.h"
#include "shell/frmUserSetting.h"

#include <QLabel>

namespace qx::test {
namespace {

class frmPharmaSessionTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        addEmployee(QStringLiteral("1001"), QStringLiteral("pharma1"), QStringLiteral("JOSE"), QStringLiteral("REYES"),
                    QStringLiteral("A"), QStringLiteral("S"));
        addEmployee(QStringLiteral("1002"), QStringLiteral("PHARMA2"), QStringLiteral("ANA"), QStringLiteral("LIM"),
                    QStringLiteral("s"));
    }
};

TEST_F(frmPharmaSessionTest, LogOffShowsTheIncomeSummaryOnlyForAnUpperCaseS) {
    auto window = openWindow();
    ASSERT_TRUE(window->mnuIncomeSummary->isVisible());  // as designed until the first log-off
    struct Case { const char* employee; const char* password; bool visible; };
    const Case cases[] = {
        {"1002", "PHARMA2", false},  // rights "s"
        {"1001", "PHARMA1", true},   // rights "AS"
    };
    for (const Case& c : cases) {
        bool enteredWhileOpen = true;
        platform.modal->onShow<frmLogOff>([&](frmLogOff& w) {
            enteredWhileOpen = w.Entered();
            w.txtEmplNo->setText(QString::fromLatin1(c.employee));
            w.txtPassword->setText(QString::fromLatin1(c.password));
            w.Image1_Click();
        });
        window->mnuLogOff->trigger();
        EXPECT_FALSE(enteredWhileOpen);
        EXPECT_TRUE(frmLogOff::Default().Entered());
        EXPECT_EQ(window->mnuIncomeSummary->isVisible(), c.visible) << c.employee;
    }
}

TEST_F(frmPharmaSessionTest, ReloginShowsTheNewEmployeeAndLoadsHisRights) {
    saveRights(QStringLiteral("1234"), QStringLiteral("000000000"));
    saveRights(QStringLiteral("1001"), QStringLiteral("010000001"));
    auto window = openWindow();
    ASSERT_FALSE(window->mnuReport->menuAction()->isEnabled());

    unlockAs(QStringLiteral("1001"), QStringLiteral("PHARMA1"));
    window->mnuLogOff_Click();
    window->Form_Activate();

    EXPECT_EQ(gEmployeeCode, QStringLiteral("1001"));
    EXPECT_EQ(window->StatusBarPanel1->text(), QStringLiteral("JOSE REYES "));
    EXPECT_TRUE(window->mnuReport->menuAction()->isEnabled());
    EXPECT_TRUE(gCanProcessRequest);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
}

TEST_F(frmPharmaSessionTest, ReloginAtTheIdleLockAlsoLoadsTheNewRights) {
    saveRights(QStringLiteral("1234"), QStringLiteral("000000000"));
    saveRights(QStringLiteral("1001"), QStringLiteral("000000001"));
    auto window = openWindow();
    platform.idle->idleMs = 600'000;
    unlockAs(QStringLiteral("1001"), QStringLiteral("PHARMA1"));
    window->TimerAutoLock_Timer();
    window->Form_Activate();
    EXPECT_EQ(window->StatusBarPanel1->text(), QStringLiteral("JOSE REYES "));
    EXPECT_TRUE(window->mnuReport->menuAction()->isEnabled());
    EXPECT_TRUE(window->mnuIncomeSummary->isVisible());  // the idle lock leaves the menu as it was
}

TEST_F(frmPharmaSessionTest, LogOffEndedByExitClosesTheProgramWithoutTheQuestion) {
    auto window = openWindow();
    window->show();
    platform.modal->onShow<frmLogOff>([this](frmLogOff& w) {
        platform.messages->answer(vbYes);
        w.Animation1_Click();
    });
    window->mnuLogOff_Click();
    window->Form_Activate();
    EXPECT_TRUE(gExitRequested);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(platform.messages->texts(), QStringList{QStringLiteral("Are you sure to exit this program?")});
    EXPECT_EQ(userLog().last(), QStringLiteral("1234|Logout User : JUAN D. DELA CRUZ"));
}

TEST_F(frmPharmaSessionTest, ChangeShiftRetitlesTheWindowAndMarksARealChange) {
    auto window = openWindow();
    ASSERT_EQ(window->windowTitle(), QStringLiteral("Quillax (First Shift) v.1.0.0"));

    // The same shift again: asked nothing, nothing marked.
    chooseShift(1);
    window->mnuChangeShift->trigger();
    EXPECT_FALSE(gShiftChanged);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillax (First Shift) v.1.0.0"));

    // Another shift, not confirmed: the old one stays.
    platform.messages->answer(vbNo);
    chooseShift(3);
    window->mnuChangeShift_Click();
    EXPECT_FALSE(gShiftChanged);
    EXPECT_EQ(frmShift::Default().Shift(), 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillax (First Shift) v.1.0.0"));

    platform.messages->answer(vbYes);
    chooseShift(2);
    window->mnuChangeShift_Click();
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure to change the shift?"));
    EXPECT_TRUE(gShiftChanged);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillax (Second Shift) v.1.0.0"));
}

TEST_F(frmPharmaSessionTest, UserSettingsOpensOnlyWhenTheLoginAllowsAndReappliesTheRights) {
    saveRights(QStringLiteral("1234"), QStringLiteral("000000000"));
    auto window = openWindow();

    login->mayEditRights = false;
    window->mnuUserSetting->trigger();
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmUserSetting")), 0);

    login->mayEditRights = true;
    platform.modal->onShow<frmUserSetting>([this](frmUserSetting&) {
        // Rights changed for the employee at the workstation while the editor is open.
        saveRights(QStringLiteral("1234"), QStringLiteral("000000001"));
    });
    window->mnuUserSetting_Click();
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmUserSetting")), 1);
    EXPECT_TRUE(window->mnuReport->menuAction()->isEnabled());
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
}

TEST_F(frmPharmaSessionTest, AuditTrailOpensModelessOnlyWhenTheLoginAllowsAndStaysOneWindow) {
    auto window = openWindow();
    window->show();

    login->mayEditRights = false;
    window->mnuAuditTrail->trigger();
    EXPECT_EQ(window->AuditTrailWindow(), nullptr);

    login->mayEditRights = true;
    window->mnuAuditTrail_Click();
    frmAuditTrail* first = window->AuditTrailWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    window->mnuAuditTrail_Click();
    EXPECT_EQ(window->AuditTrailWindow(), first);
    EXPECT_TRUE(platform.modal->shown().count(QStringLiteral("qx::frmAuditTrail")) == 0);
}

TEST_F(frmPharmaSessionTest, OptionsOpensModelessAndIsNotOfferedInTheMenu) {
    gComponents.gOptions = std::make_shared<ScriptedOptionSet>();
    auto window = openWindow();
    EXPECT_FALSE(window->mnuOptions->isVisible());
    window->mnuOptions->trigger();
    frmOptions* options = window->OptionsWindow();
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(options->isModal());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(frmPharmaSessionTest, MenuBarOffersTheSessionCommandsUnderTheirMenus) {
    frmPharma window;
    struct Case { QAction* command; QMenu* menu; const char* caption; };
    const Case cases[] = {
        {window.mnuChangeShift, window.mnuOptionsChange, "C&hanges Shift"},
        {window.mnuLogOff, window.mnuOptionsChange, "&Log-Off"},
        {window.mnuUserSetting, window.mnuOptionsChange, "&User Settings"},
        {window.mnuDiscountType, window.mnuOptionsChange, "Build Discount Percentage"},
        {window.mnuChargeSlip, window.mnuOptionsChange, "Charge Slip Copies"},
        {window.mnuAuditTrail, window.mnuReport, "Audit Trail Logs"},
        {window.mnuIncomeSummary, window.mnuReport, "&Income Report Summary"},
        {window.mnuOptions, window.mnuOthers, "&Options"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.command->text(), c.caption);
        EXPECT_TRUE(c.menu->actions().contains(c.command)) << c.caption;
    }
    EXPECT_EQ(window.mnuLogOff->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(window.mnuReport->title(), QStringLiteral("&Reports"));
    EXPECT_EQ(window.mnuOptionsChange->title(), QStringLiteral("Option&s"));
}

TEST_F(frmPharmaSessionTest, DiscountPercentagesOpenModallyAtEverySite) {
    auto window = openWindow();
    EXPECT_TRUE(window->mnuDiscountType->isVisible());
    window->mnuDiscountType->trigger();
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmBuildDiscount")), 1);
}

TEST_F(frmPharmaSessionTest, ChargeSlipCopiesAreOfferedOnlyAtTheirSitesAndOpenInSettingsMode) {
    struct Case { const char* site; bool offered; };
    const Case cases[] = {{"DEMO", false}, {"HUZTO", true}, {"ZMX", true}, {"QVH", false}};
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        auto window = openWindow();
        EXPECT_EQ(window->mnuChargeSlip->isVisible(), c.offered) << c.site;
    }
    auto window = openWindow();
    bool settingsMode = false;
    platform.modal->onShow<frmChargeSlipCopies>([&](frmChargeSlipCopies& w) { settingsMode = w.fromMain; });
    window->mnuChargeSlip_Click();
    EXPECT_TRUE(settingsMode);
}

} // namespace
} // namespace qx::test
