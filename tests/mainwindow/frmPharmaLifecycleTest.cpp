#include "MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace qx::test {
namespace {

using frmPharmaLifecycleTest = MainWindowTest;

TEST_F(frmPharmaLifecycleTest, LoadLogsTheUserInReadsTheIdleLimitAndStartsTheLock) {
    setIdleLimit(120);
    frmPharma window;
    window.Form_Load();
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
    EXPECT_EQ(userLog(), QStringList{QStringLiteral("1234|Login User : JUAN D. DELA CRUZ")});
    EXPECT_TRUE(frmLogOff::Default().Entered());
    EXPECT_EQ(window.IdleLimit(), 120);
    EXPECT_TRUE(window.TimerAutoLock->isActive());
    EXPECT_EQ(window.TimerAutoLock->interval(), 1000);
    EXPECT_EQ(gLocationID, QStringLiteral("20"));
}

TEST_F(frmPharmaLifecycleTest, IdleLimitIs59WhenUnsetAndTheLockNeverRunsAtHUZTO) {
    frmPharma window;
    window.Form_Load();
    EXPECT_EQ(window.IdleLimit(), 59);

    gSiteCode = QStringLiteral("HUZTO");
    frmPharma atHuzto;
    atHuzto.Form_Load();
    EXPECT_FALSE(atHuzto.TimerAutoLock->isActive());
}

TEST_F(frmPharmaLifecycleTest, FirstActivationAsksForTheShiftAndTitlesTheWindowByIt) {
    struct Case { int shift; const char* title; };
    const Case cases[] = {
        {0, "Quillax"},  // closed without a choice: no new title
        {1, "Quillax (First Shift) v.1.0.0"},
        {2, "Quillax (Second Shift) v.1.0.0"},
        {3, "Quillax (Third Shift) v.1.0.0"},
        {4, "QEN Quillax (Fourth Shift) v.1.0.0"},
    };
    for (const Case& c : cases) {
        gFirstActivation = true;
        frmShift::Default().setShift(3);  // a value left over from before must not count
        frmPharma window;
        window.Form_Load();
        chooseShift(c.shift);
        window.Form_Activate();
        EXPECT_EQ(window.windowTitle(), c.title) << c.shift;
        EXPECT_EQ(frmShift::Default().Shift(), c.shift);
        EXPECT_FALSE(gFirstActivation);
        EXPECT_EQ(window.StatusBarPanel1->text(), QStringLiteral("JUAN D. DELA CRUZ "));
    }
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmShift")), 5);
}

TEST_F(frmPharmaLifecycleTest, ActivationsWhileTheShiftIsAskedDoNotAskAgain) {
    frmPharma window;
    window.Form_Load();
    platform.modal->onShow<frmShift>([&window](frmShift& w) {
        // Closing a window over the prompt, or the prompt itself, activates the main window.
        window.Form_Activate();
        window.Form_Activate();
        w.optSecond->setChecked(true);
        w.cmdOK->click();
    });
    window.Form_Activate();
    EXPECT_EQ(platform.modal->shown(), QStringList{QStringLiteral("qx::frmShift")});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillax (Second Shift) v.1.0.0"));
    EXPECT_FALSE(gFirstActivation);
}

TEST_F(frmPharmaLifecycleTest, LaterActivationsAskNothingAndShowTheCurrentEmployee) {
    auto window = openWindow();
    gEmployeeName = QStringLiteral("MARIA L. SANTOS");
    window->Form_Activate();
    EXPECT_EQ(platform.modal->shown(), QStringList{QStringLiteral("qx::frmShift")});
    EXPECT_EQ(window->StatusBarPanel1->text(), QStringLiteral("MARIA L. SANTOS "));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillax (First Shift) v.1.0.0"));
}

TEST_F(frmPharmaLifecycleTest, EveryActivationSetsTheLocationFromTheWorkstationsFlag) {
    struct Case { bool satellite; const char* location; const char* caption; };
    const Case cases[] = {
        {false, "20", "Pharmacy Main"},
        {true, "186", "Pharmacy Satelite"},
    };
    auto window = openWindow();
    for (const Case& c : cases) {
        setSatellite(c.satellite);
        gLocationID = QStringLiteral("256");  // as the shift window or a screen may leave it
        window->Form_Activate();
        EXPECT_EQ(gLocationID, c.location);
        EXPECT_EQ(window->lblLocation->text(), c.caption);
        EXPECT_EQ(window->lblLocationBack->text(), c.caption);
    }
}

TEST_F(frmPharmaLifecycleTest, AnExitFromTheLockClosesTheWindowWithoutTheQuestion) {
    auto window = openWindow();
    window->show();
    frmLogOff::Default().setEntered(false);
    gExitRequested = true;
    window->Form_Activate();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
    EXPECT_EQ(userLog().last(), QStringLiteral("1234|Logout User : JUAN D. DELA CRUZ"));
    EXPECT_FALSE(gComponents.gCurrentUser);  // released with the window
}

TEST_F(frmPharmaLifecycleTest, ClosingAsksUnlessAnExitWasRequestedAndLogsTheUserOut) {
    auto window = openWindow();
    window->show();
    platform.messages->answer(vbNo);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure to close this program?"));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("MESSAGE"));
    EXPECT_EQ(platform.messages->last().buttons(), vbYesNo);
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(gComponents.gCurrentUser);

    // The employee who unlocked the workstation last is the one logged out.
    gEmployeeCode = QStringLiteral("1001");
    gEmployeeName = QStringLiteral("JOSE REYES");
    platform.messages->answer(vbYes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(userLog().last(), QStringLiteral("1001|Logout User : JOSE REYES"));
    EXPECT_FALSE(gComponents.gCurrentUser);
    EXPECT_EQ(platform.programEnd->ended(), 0);  // no error box on the way out
}

TEST_F(frmPharmaLifecycleTest, IdleLockOpensOnceTheRoundedIdleTimeExceedsTheLimit) {
    struct Case { QVariant limit; qint64 idleMs; bool locks; };
    const Case cases[] = {
        {QVariant(), 59'499, false},  // 59 s when unset; 59.499 s rounds to 59
        {QVariant(), 59'500, true},
        {QVariant(0), 499, false},
        {QVariant(0), 500, true},
        {QVariant(1000), 1'000'400, false},
        {QVariant(1000), 1'000'500, true},
    };
    for (const Case& c : cases) {
        setIdleLimit(c.limit);
        gFirstActivation = true;
        frmPharma window;
        window.Form_Load();
        const qsizetype before = platform.modal->shown().size();
        platform.idle->idleMs = c.idleMs;
        frmLogOff::Default().setEntered(true);
        platform.modal->onShow<frmLogOff>([](frmLogOff& w) { w.hide(); });
        window.TimerAutoLock_Timer();
        EXPECT_EQ(platform.modal->shown().size() - before, c.locks ? 1 : 0) << c.idleMs;
    }
}

TEST_F(frmPharmaLifecycleTest, IdleLockNeverOpensASecondLockScreenAndLeavesEnteredAsItWas) {
    auto window = openWindow();
    platform.idle->idleMs = 120'000;
    int ticksInside = 0;
    platform.modal->onShow<frmLogOff>([&](frmLogOff& w) {
        EXPECT_TRUE(w.Entered());
        // The timer keeps ticking under the open lock screen.
        window->TimerAutoLock_Timer();
        window->TimerAutoLock_Timer();
        ++ticksInside;
        w.hide();
    });
    window->TimerAutoLock_Timer();
    EXPECT_EQ(ticksInside, 1);
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmLogOff")), 1);
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
}

TEST_F(frmPharmaLifecycleTest, IdleLockTickIgnoresItsErrors) {
    auto window = openWindow();
    PlatformServices withoutIdleClock = platformServices();
    withoutIdleClock.idle.reset();
    ScopedPlatformServices scope(withoutIdleClock);
    window->TimerAutoLock_Timer();
    EXPECT_TRUE(platform.modal->shown().count(QStringLiteral("qx::frmLogOff")) == 0);
    EXPECT_TRUE(platform.messages->texts().isEmpty());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

} // namespace
} // namespace qx::test
