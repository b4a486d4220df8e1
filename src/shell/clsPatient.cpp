#include "shell/clsPatient.h"

#include "components/Connection.h"

namespace qx {

bool clsPatient::Search(Connection& con, const QString& key) {
    auto rs = con.callProcedure(QStringLiteral("Pharma_MasterPatientInfo"), {{QStringLiteral("@HospNum"), key}});
    if (!rs || rs->isEmpty())
        return false;
    patientName_ = rs->text(QStringLiteral("PatientName"));
    hospitalNumber_ = rs->text(QStringLiteral("HospNum"));
    sex_ = rs->text(QStringLiteral("Sex"));
    age_ = rs->text(QStringLiteral("Age"));
    masterAccountCode_ = rs->text(QStringLiteral("MasterAccountCode"));
    masterAccountName_ = rs->text(QStringLiteral("MasterAccountName"));
    return true;
}

bool clsPatient::checkPatientCMPendingRequest(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT isPosted, ChargeSlip, HospNum, IdNum FROM tbPharmaCommunication "
                                            "WHERE IdNum = ? AND COALESCE(isPosted, 0) = 0 AND RevenueID = 'PC' "
                                            "AND COALESCE(TRIM(RecordStatus), '') = ''"),
                             {idNum});
    return !rs.isEmpty();
}

bool clsPatient::isBilled(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT IDNum, BillingDate FROM patient_data.tbPatient WHERE IDNum = ?"), {idNum});
    return !rs.isEmpty() && !rs.isNull(QStringLiteral("BillingDate"));
}

clsPatient& gPatientInfo() {
    static clsPatient patient;
    return patient;
}

} // namespace qx
