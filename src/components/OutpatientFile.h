#pragma once
#include <QString>

namespace qx::OutpatientFile {

// ProgID OutpatientFile.OPDPatient, slot gOPDPatient: the visit last found.
class OPDPatient {
public:
    virtual ~OPDPatient() = default;
    virtual bool InitConnection(const QString& connStr) = 0;
    // True selects the visit; false keeps the visit found before.
    virtual bool Search(const QString& visitId) = 0;
    virtual QString OPDNumber() const = 0;
    virtual QString HospitalNumber() const = 0;
    virtual QString PatientName() const = 0;
    virtual QString DoctorCode() const = 0;
    virtual QString Doctor() const = 0;
    virtual QString AccountNumber() const = 0;
    virtual QString AccountName() const = 0;
    virtual QString Age() const = 0;
    virtual QString Sex() const = 0;
    // The visit's patient is a senior citizen, as the in-patient record decides it.
    virtual bool SeniorCitizen() const = 0;
};

} // namespace qx::OutpatientFile
