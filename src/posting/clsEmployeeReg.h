#pragma once
#include <QString>
#include <QVariant>

namespace qx {

class Connection;

// Registers an employee's out-patient visit on the employee's company account. One object lives
// for the whole run and keeps the id of the last visit it registered.
class clsEmployeeReg {
public:
    // Registers a visit "<n>B" for the hospital number on the account, the number drawn from the
    // shared visit counter, all in one transaction. A failure is told, leaves nothing (no visit,
    // no number used) and gives false; OPD_ID then keeps its last value.
    bool SaveData(Connection& con, const QString& strHospnum, const QString& strAccountnum, const QString& strHosPlan);
    // Draws the next visit number on the caller's transaction; true.
    bool GetNewOPDID(Connection& con);
    // Empty or blank: ""; a number: its shortest decimal text; anything else as text.
    static QString ToString(const QVariant& Argvalue);
    QString OPD_ID() const { return opdId_; }
    void setOPD_ID(const QString& value) { opdId_ = value; }
    // The account exists with that class.
    static bool isValidAccount(Connection& con, const QString& strAcc, const QString& strClass);

private:
    QString opdId_;
    double newNumber_ = 0;
};

// The registration object of the run, created on first use.
clsEmployeeReg& gEmployeeReg();

} // namespace qx
