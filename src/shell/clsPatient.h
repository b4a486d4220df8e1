#pragma once
#include <QString>

namespace qx {

class Connection;

// The master record of a person, as the out-patient screens look one up by hospital number.
// One shared instance (gPatientInfo) lives for the whole run and keeps the last patient found.
class clsPatient {
public:
    QString MasterAccountCode() const { return masterAccountCode_; }
    void setMasterAccountCode(const QString& v) { masterAccountCode_ = v; }
    QString MasterAccountName() const { return masterAccountName_; }
    void setMasterAccountName(const QString& v) { masterAccountName_ = v; }
    QString HospitalNumber() const { return hospitalNumber_; }
    void setHospitalNumber(const QString& v) { hospitalNumber_ = v; }
    // Loads the patient; False (every field kept) when not found. A Null column reads as "".
    bool Search(Connection& con, const QString& key);
    QString Age() const { return age_; }
    void setAge(const QString& v) { age_ = v; }
    QString Sex() const { return sex_; }
    void setSex(const QString& v) { sex_ = v; }
    QString PatientName() const { return patientName_; }
    void setPatientName(const QString& v) { patientName_ = v; }
    // Never filled here; keeps what a caller sets.
    QString PatientInitial() const { return patientInitial_; }
    void setPatientInitial(const QString& v) { patientInitial_ = v; }
    // The patient still has return requests of the stations that are neither posted nor cancelled.
    bool checkPatientCMPendingRequest(Connection& con, const QString& idNum);
    // The admission's bill is closed (it has a billing date).
    bool isBilled(Connection& con, const QString& idNum);

private:
    QString masterAccountCode_;
    QString masterAccountName_;
    QString hospitalNumber_;
    QString age_;
    QString sex_;
    QString patientName_;
    QString patientInitial_;
};

// The shared patient record, created on first use.
clsPatient& gPatientInfo();

} // namespace qx
