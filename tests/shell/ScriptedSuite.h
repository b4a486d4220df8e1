#pragma once
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/SuiteComponents.h"
#include "shell/Session.h"

#include <QSet>
#include <QStringList>

namespace qx::test {

// The login component for start-up tests: logs in (or gives up) when shown and hands out the
// test's connection.
class ScriptedCurrentUser : public StaffLogin::CurrentUser {
public:
    explicit ScriptedCurrentUser(Connection& c) : conn_(c) {}
    void setPasswordDeptCode(const QString& code) override { deptCode = code; }
    void ShowMain() override { ++shown; loggedIn_ = logsIn; }
    bool Connected() const override { return loggedIn_; }
    Connection& SQLConnection() override {
        if (!loggedIn_)
            throw AppError(3709, QStringLiteral("StaffLogin.CurrentUser"), QStringLiteral("Not connected"));
        return conn_;
    }
    QString EmployeeCode() const override { return changedTo.isEmpty() ? QStringLiteral("1234") : changedTo; }
    QString EmployeeName() const override { return QStringLiteral("DELA CRUZ, JUAN"); }
    QString Initial() const override { return QStringLiteral("JDC"); }
    QString Position() const override { return QStringLiteral("PHARMACIST"); }
    QString ServerName() const override { return QStringLiteral("local"); }
    QString UserID() const override { return QString(); }
    QString ServerPassword() const override { return QString(); }
    bool checkusersettings() override { return true; }
    void ChangeUser(const QString& employeeCode) override { changedTo = employeeCode; }

    bool logsIn = true;
    QString changedTo;  // the employee who last unlocked the workstation
    int shown = 0;
    QString deptCode;

private:
    Connection& conn_;
    bool loggedIn_ = false;
};

// The options component with two fixed values, which it gives once asked to load them.
class ScriptedOptionSet : public SiteOptions::OptionSet {
public:
    bool InitConnection(const QString&) override { return true; }
    void GetOptions() override { ++loads; }
    qint16 CommunicationTimer() const override { return loads ? 30 : 0; }
    qint16 SeniorCitizenDiscount() const override { return loads ? 20 : 0; }
    void UpdateOptions(qint16, qint16) override {}
    int loads = 0;
};

// Our real components (but the login and the options) behind a factory that records creations and connect calls and lets a test
// make a component refuse its connection or fail with an error.
class ScriptedSuite {
public:
    ScriptedSuite(Connection& c, const ComponentFactory& real);

    const ComponentFactory& factory() const { return factory_; }
    void forget(const QString& progId) { forgotten_.insert(progId); }

    std::shared_ptr<ScriptedCurrentUser> login;
    std::shared_ptr<ScriptedOptionSet> options = std::make_shared<ScriptedOptionSet>();
    QSet<QString> refusing;          // ProgIDs whose connect call answers False
    QSet<QString> failing;           // ProgIDs whose connect call raises an error
    QStringList created;             // ProgIDs in creation order
    QStringList connected;           // ProgIDs in connect-call order
    QStringList employeeAtConnect;   // gEmployeeCode as each connect call saw it

private:
    ComponentFactory factory_;
    QSet<QString> forgotten_;
};

} // namespace qx::test
