#pragma once
#include "components/Connection.h"
#include "components/StaffLogin.h"

#include <memory>

namespace qx::suite {

// The login component: opens the hospital databases, checks an employee against the password
// table and keeps the connection and the identity of the employee logged in.
class StaffLoginCurrentUser : public StaffLogin::CurrentUser {
public:
    enum class LoginResult { Accepted, EmptyEmployee, EmptyPassword, UnknownEmployee, WrongPassword,
                             OtherDepartment, Unreachable };
    // Tries after which the login window gives up.
    static constexpr int kMaxTries = 3;

    // `databaseUrl` empty: the configured address (QUILLAX_DB, the user's setting, the embedded folder).
    explicit StaffLoginCurrentUser(QString databaseUrl = QString());
    ~StaffLoginCurrentUser() override;

    void setPasswordDeptCode(const QString& code) override { deptCode_ = code.trimmed(); }
    QString PasswordDeptCode() const { return deptCode_; }
    void ShowMain() override;
    bool Connected() const override;
    Connection& SQLConnection() override;
    QString EmployeeCode() const override { return employeeCode_; }
    QString EmployeeName() const override { return employeeName_; }
    QString Initial() const override { return initial_; }
    QString Position() const override { return position_; }
    QString ServerName() const override;
    QString UserID() const override;
    QString ServerPassword() const override;
    bool checkusersettings() override;
    void ChangeUser(const QString& employeeCode) override;

    // One try of the login window: opens the databases when needed and checks the employee and
    // the password (both compared without regard to case and surrounding blanks). Accepted makes
    // the employee the logged-in user; `detail` receives the reason of an unreachable database.
    LoginResult logIn(const QString& employeeNumber, const QString& password, QString* detail = nullptr);
    // Drops the connection of a login that was given up.
    void giveUp();
    // The message the login window shows for a refused try.
    static QString messageFor(LoginResult result, const QString& detail = QString());

private:
    DatabaseUrl url() const;
    Recordset readEmployee(const QString& employeeNumber);
    void takeIdentity(const Recordset& employee);

    QString databaseUrl_;
    QString deptCode_;
    std::unique_ptr<Connection> conn_;
    bool loggedIn_ = false;
    QString employeeCode_, employeeName_, initial_, position_;
};

} // namespace qx::suite
