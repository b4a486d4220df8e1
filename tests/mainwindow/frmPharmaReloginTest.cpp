#include "MainWindowFixture.h"
#include "platform/CommandState.h"
#include "platform/WidgetInput.h"
#include "shell/frmAuditTrail.h"
#include "suite/StaffLoginCurrentUser.h"

#include <QLabel>

namespace qx::test {
namespace {

// Whoever unlocks the workstation is, from then on, the employee every check answers for: the
// session's identity, the login component's, the menus' rights and the two windows the login
// component guards.
class frmPharmaReloginTest : public MainWindowTestOn<DbTest> {
protected:
    void SetUp() override {
        MainWindowTestOn<DbTest>::SetUp();
        if (IsSkipped())
            return;
        addEmployee(QStringLiteral("8"), QStringLiteral("ADMIN"), QStringLiteral("MARIA"), QStringLiteral("SANTOS"),
                    QStringLiteral("A"), QStringLiteral("S"));
        addEmployee(QStringLiteral("1002"), QStringLiteral("PHARMA2"), QStringLiteral("ANA"), QStringLiteral("GARCIA"));
        saveRights(QStringLiteral("8"), QStringLiteral("111111111"));  // the assistant has no rights row
        realLogin = std::make_shared<suite::StaffLoginCurrentUser>(testDatabase().url());
        realLogin->setPasswordDeptCode(QStringLiteral("15"));
        ASSERT_EQ(realLogin->logIn(QStringLiteral("8"), QStringLiteral("ADMIN")),
                  suite::StaffLoginCurrentUser::LoginResult::Accepted);
        gComponents.gCurrentUser = realLogin;
        gEmployeeCode = realLogin->EmployeeCode();
        gEmployeeName = realLogin->EmployeeName();
    }

    // Unlocks the lock screen from the keyboard: number, password, Enter.
    void unlockByKeys(const QString& employee, const QString& password) {
        platform.modal->onShow<frmLogOff>([employee, password](frmLogOff& w) {
            typeText(w.txtEmplNo, employee);
            w.txtPassword->setFocus();
            typeText(w.txtPassword, password);
            pressKey(w.txtPassword, Qt::Key_Return, QStringLiteral("\r"));
        });
    }

    // Every command a right governs.
    static QList<QAction*> governedCommands(frmPharma& window) {
        const char* const names[] = {"mnuPending",      "mnuAutoDispense",          "mnuManualPosting",
                                     "mnuPostReturnedMedicines", "mnuAdjustment", "mnuListOfMedicinesPosted",
                                     "mnuDrugsInquiry", "mnuVerification"};
        QList<QAction*> commands;
        for (const char* name : names) {
            QAction* action = window.command(QString::fromLatin1(name));
            EXPECT_NE(action, nullptr) << name;
            if (action)
                commands << action;
        }
        return commands << window.mnuReport->menuAction();
    }

    // Whether the user-rights editor and the audit trail open for the employee now working.
    std::pair<bool, bool> guardedWindowsOpen(frmPharma& window) {
        const auto editorsBefore = platform.modal->shown().count(QStringLiteral("qx::frmUserSetting"));
        window.mnuUserSetting->trigger();
        const bool editor = platform.modal->shown().count(QStringLiteral("qx::frmUserSetting")) > editorsBefore;
        window.mnuAuditTrail->trigger();
        const bool auditTrail = window.AuditTrailWindow() && window.AuditTrailWindow()->isVisible();
        return {editor, auditTrail};
    }

    std::shared_ptr<suite::StaffLoginCurrentUser> realLogin;
};

TEST_P(frmPharmaReloginTest, AdminThenAssistantThenAdminAgain) {
    struct Step { const char* employee; const char* password; bool rights; const char* name; };
    const Step steps[] = {
        {"1002", "pharma2", false, "ANA GARCIA"},
        {"8", "admin", true, "MARIA SANTOS"},
    };
    auto window = openWindow();
    window->show();
    const QList<QAction*> commands = governedCommands(*window);
    window->LoadUserSettings(gEmployeeCode);
    for (QAction* command : commands)
        EXPECT_TRUE(commandEnabled(command)) << command->objectName().toStdString();
    EXPECT_EQ(guardedWindowsOpen(*window), std::make_pair(true, true));

    for (const Step& s : steps) {
        const QString employee = QString::fromLatin1(s.employee);
        unlockByKeys(employee, QString::fromLatin1(s.password));
        window->mnuLogOff->trigger();
        window->Form_Activate();

        EXPECT_EQ(gEmployeeCode, employee);
        EXPECT_EQ(realLogin->EmployeeCode(), employee);
        EXPECT_EQ(realLogin->EmployeeName(), QString::fromLatin1(s.name));
        EXPECT_EQ(gEmployeePosition, realLogin->Position());
        EXPECT_EQ(window->StatusBarPanel1->text(), gEmployeeName + QLatin1Char(' '));
        EXPECT_EQ(realLogin->checkusersettings(), s.rights) << s.employee;
        for (QAction* command : commands)
            EXPECT_EQ(commandEnabled(command), s.rights) << s.employee << ' ' << command->objectName().toStdString();
        EXPECT_EQ(gCanProcessRequest, s.rights);
        // The audit trail the employee before left open is no one else's to read.
        if (!s.rights) {
            EXPECT_FALSE(window->AuditTrailWindow() && window->AuditTrailWindow()->isVisible());
        }
        EXPECT_EQ(guardedWindowsOpen(*window), std::make_pair(s.rights, s.rights)) << s.employee;
    }
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
}

QX_ON_BOTH_ENGINES(frmPharmaReloginTest);

} // namespace
} // namespace qx::test
