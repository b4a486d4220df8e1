#pragma once
#include "ScriptedSuite.h"
#include "ShellFixture.h"
#include "components/PasswordScramble.h"

namespace qx::test {

// A shell test with an employee logged in on the test's connection, as the session windows
// find the program after start-up.
class SessionWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        login = std::make_shared<ScriptedCurrentUser>(db());
        login->ShowMain();
        gComponents.gCurrentUser = login;
        gEmployeeCode = QStringLiteral("1234");
        gEmployeeName = QStringLiteral("JUAN D. DELA CRUZ");
        gEmployeeInitial = QStringLiteral("JDC");
    }
    void TearDown() override {
        gComponents.gCurrentUser.reset();
        ShellTest::TearDown();
    }

    // An employee with a password scrambled as stored and a name in the master file.
    void addEmployee(const QString& id, const QString& password, const QString& department = QStringLiteral("15"),
                     const QString& right1 = QString(), const QString& right2 = QString(),
                     const QString& last = QStringLiteral("SANTOS"), const QString& first = QStringLiteral("MARIA"),
                     const QString& middle = QStringLiteral("LOPEZ"), const QString& initials = QStringLiteral("MLS")) {
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, Password, DepartmentID, Right_Code1, "
                                    "Right_Code2) VALUES (?, ?, ?, ?, ?)"),
                     {id, ScrambleText(QStringLiteral("E"), kPasswordKey, password), department, right1, right2});
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName, MiddleName, "
                                    "Initials) VALUES (?, ?, ?, ?, ?)"),
                     {id, last, first, middle, initials});
    }

    std::shared_ptr<ScriptedCurrentUser> login;
};

} // namespace qx::test
