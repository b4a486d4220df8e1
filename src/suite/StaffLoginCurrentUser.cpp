#include "suite/StaffLoginCurrentUser.h"
#include "components/AppError.h"
#include "components/PasswordScramble.h"
#include "suite/ConnectedComponent.h"
#include "suite/frmLogin.h"

#include "components/PlatformServices.h"

namespace qx::suite {

StaffLoginCurrentUser::StaffLoginCurrentUser(QString databaseUrl) : databaseUrl_(std::move(databaseUrl)) {}

StaffLoginCurrentUser::~StaffLoginCurrentUser() = default;

DatabaseUrl StaffLoginCurrentUser::url() const {
    if (conn_)
        return conn_->url();
    return DatabaseUrl::parse(databaseUrl_.isEmpty() ? configuredDatabaseUrl() : databaseUrl_);
}

void StaffLoginCurrentUser::ShowMain() {
    frmLogin window(*this);
    showModal(window);
    if (!loggedIn_)
        giveUp();
}

bool StaffLoginCurrentUser::Connected() const {
    return loggedIn_ && conn_ && conn_->isOpen();
}

Connection& StaffLoginCurrentUser::SQLConnection() {
    if (!conn_)
        throw AppError(static_cast<long>(0x80040064), QStringLiteral("StaffLogin.CurrentUser.SQLConnection"),
                       QStringLiteral("Not connected to the server."));
    return *conn_;
}

QString StaffLoginCurrentUser::ServerName() const {
    try {
        const DatabaseUrl u = url();
        if (u.engine == Engine::SQLite)
            return u.sqliteDir;
        return u.host.isEmpty() ? QStringLiteral("localhost") : u.host;
    } catch (const AppError&) {
        return QString();
    }
}

QString StaffLoginCurrentUser::UserID() const {
    try {
        return url().user;
    } catch (const AppError&) {
        return QString();
    }
}

QString StaffLoginCurrentUser::ServerPassword() const {
    try {
        return url().password;
    } catch (const AppError&) {
        return QString();
    }
}

bool StaffLoginCurrentUser::checkusersettings() {
    if (!Connected() || employeeCode_.isEmpty())
        return false;
    Recordset rs = conn_->query(QStringLiteral("SELECT Right_Code1 FROM password.tbPasswordMain "
                                               "WHERE UPPER(TRIM(EmployeeID)) = UPPER(?)"),
                                {employeeCode_});
    return !rs.eof() && rs.text(QStringLiteral("Right_Code1")).trimmed().toUpper() == QLatin1String("A");
}

StaffLoginCurrentUser::LoginResult StaffLoginCurrentUser::logIn(const QString& employeeNumber,
                                                                const QString& password, QString* detail) {
    const QString employee = employeeNumber.trimmed();
    const QString typed = password.trimmed();
    if (employee.isEmpty())
        return LoginResult::EmptyEmployee;
    if (typed.isEmpty())
        return LoginResult::EmptyPassword;
    if (!conn_ || !conn_->isOpen()) {
        try {
            conn_ = Connection::open(databaseUrl_.isEmpty() ? configuredDatabaseUrl() : databaseUrl_);
        } catch (const AppError& e) {
            conn_.reset();
            if (detail)
                *detail = e.description();
            return LoginResult::Unreachable;
        }
    }
    Recordset rs;
    try {
        rs = readEmployee(employee);
    } catch (const AppError& e) {
        if (detail)
            *detail = e.description();
        return LoginResult::Unreachable;
    }
    if (rs.eof())
        return LoginResult::UnknownEmployee;
    const QString stored = ScrambleText(QStringLiteral("D"), kPasswordKey, rs.text(QStringLiteral("Password")));
    if (stored.toUpper() != typed.toUpper())
        return LoginResult::WrongPassword;
    if (!deptCode_.isEmpty() && rs.text(QStringLiteral("DepartmentID")).trimmed() != deptCode_)
        return LoginResult::OtherDepartment;
    takeIdentity(rs);
    loggedIn_ = true;
    return LoginResult::Accepted;
}

Recordset StaffLoginCurrentUser::readEmployee(const QString& employeeNumber) {
    return conn_->query(QStringLiteral("SELECT e.EmployeeID, e.Password, e.DepartmentID, p.FirstName, p.MiddleName, "
                                       "p.LastName, p.Initials, p.Position FROM password.tbPasswordMain e "
                                       "LEFT JOIN password.tbPasswordMaster p ON p.EmployeeID = e.EmployeeID "
                                       "WHERE UPPER(TRIM(e.EmployeeID)) = UPPER(TRIM(?))"),
                        {employeeNumber});
}

void StaffLoginCurrentUser::takeIdentity(const Recordset& employee) {
    employeeCode_ = employee.text(QStringLiteral("EmployeeID")).trimmed();
    employeeName_ = fullName(employee.text(QStringLiteral("FirstName")), employee.text(QStringLiteral("MiddleName")),
                             employee.text(QStringLiteral("LastName")));
    initial_ = employee.text(QStringLiteral("Initials")).trimmed();
    position_ = employee.text(QStringLiteral("Position")).trimmed();
}

void StaffLoginCurrentUser::ChangeUser(const QString& employeeCode) {
    if (!Connected())
        throw AppError(static_cast<long>(0x80040064), QStringLiteral("StaffLogin.CurrentUser.ChangeUser"),
                       QStringLiteral("Not connected to the server."));
    const Recordset rs = readEmployee(employeeCode);
    if (rs.eof())
        throw AppError(static_cast<long>(0x80040064), QStringLiteral("StaffLogin.CurrentUser.ChangeUser"),
                       QStringLiteral("Employee # not found."));
    takeIdentity(rs);
}

void StaffLoginCurrentUser::giveUp() {
    if (loggedIn_)
        return;
    conn_.reset();
}

QString StaffLoginCurrentUser::messageFor(LoginResult result, const QString& detail) {
    switch (result) {
    case LoginResult::Accepted:
        return QString();
    case LoginResult::EmptyEmployee:
        return QStringLiteral("You have not entered your Employee # yet.");
    case LoginResult::EmptyPassword:
        return QStringLiteral("You have not entered your password.");
    case LoginResult::UnknownEmployee:
        return QStringLiteral("Employee # not found.");
    case LoginResult::WrongPassword:
        return QStringLiteral("Invalid password.");
    case LoginResult::OtherDepartment:
        return QStringLiteral("This employee does not belong to the department allowed to log in here.");
    case LoginResult::Unreachable:
        return detail.isEmpty() ? QStringLiteral("Unable to reach the database server.")
                                : QStringLiteral("Unable to reach the database server.\n") + detail;
    }
    return QString();
}

} // namespace qx::suite
