#pragma once
#include <QString>

namespace qx {
class Connection;
}

namespace qx::StaffLogin {

// The login component: logs the user in and owns the one connection every query uses.
class CurrentUser {
public:
    virtual ~CurrentUser() = default;
    // Department whose employees the login window accepts ("15" at start-up).
    virtual void setPasswordDeptCode(const QString& code) = 0;
    // Shows the login window modally; returns when logged in or given up.
    virtual void ShowMain() = 0;
    // True when an employee is logged in and the connection is open.
    virtual bool Connected() const = 0;
    // The shared connection; throws AppError while not connected.
    virtual Connection& SQLConnection() = 0;
    // Identity of the employee logged in: the one of the start-up login until another employee
    // unlocks the workstation (ChangeUser).
    virtual QString EmployeeCode() const = 0;
    virtual QString EmployeeName() const = 0;
    virtual QString Initial() const = 0;
    virtual QString Position() const = 0;
    // Report logon.
    virtual QString ServerName() const = 0;
    virtual QString UserID() const = 0;
    virtual QString ServerPassword() const = 0;
    // True when the logged-in employee may open the user-rights editor and the audit trail.
    virtual bool checkusersettings() = 0;
    // The employee who has just unlocked the workstation becomes the logged-in employee: the
    // identity above and checkusersettings answer for him from now on.
    virtual void ChangeUser(const QString& employeeCode) = 0;
};

} // namespace qx::StaffLogin
