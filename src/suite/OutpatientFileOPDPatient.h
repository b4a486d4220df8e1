#pragma once
#include "components/OutpatientFile.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// ProgID OutpatientFile.OPDPatient over patient_data.tbOutPatient and the registry, read only.
class OutpatientFileOPDPatient : public OutpatientFile::OPDPatient, private ConnectedComponent {
public:
    explicit OutpatientFileOPDPatient(ConnectionProvider provider)
        : ConnectedComponent(QStringLiteral("OutpatientFile.OPDPatient"), std::move(provider)) {}
    bool InitConnection(const QString& connStr) override { return bindConnection(connStr); }
    bool Search(const QString& visitId) override;
    QString OPDNumber() const override { return r_.visit; }
    QString HospitalNumber() const override { return r_.hospital; }
    QString PatientName() const override { return r_.name; }
    QString DoctorCode() const override { return r_.doctorCode; }
    QString Doctor() const override { return r_.doctor; }
    QString AccountNumber() const override { return r_.account; }
    QString AccountName() const override { return r_.accountName; }
    QString Age() const override { return r_.age; }
    QString Sex() const override { return r_.sex; }
    bool SeniorCitizen() const override { return r_.senior; }

private:
    struct Record {
        QString visit, hospital, name, doctorCode, doctor, account, accountName, age, sex;
        bool senior = false;
    };
    Record r_;
};

} // namespace qx::suite
