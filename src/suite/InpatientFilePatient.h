#pragma once
#include "components/InpatientFile.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// ProgID InpatientFile.Patient over patient_data.tbPatient and the registry, read only.
class InpatientFilePatient : public InpatientFile::Patient, private ConnectedComponent {
public:
    explicit InpatientFilePatient(ConnectionProvider provider)
        : ConnectedComponent(QStringLiteral("InpatientFile.Patient"), std::move(provider)) {}
    bool InitConnect(const QString& connStr) override { return bindConnection(connStr); }
    bool LoadInfo(const QString& admissionNumber) override;
    QString AdmissionNumber() const override { return r_.admission; }
    QString HospitalNumber() const override { return r_.hospital; }
    QString PatientName() const override { return r_.name; }
    QString StationID() const override { return r_.stationId; }
    QString Station() const override { return r_.station; }
    QString RoomNumber() const override { return r_.roomNumber; }
    QString Room() const override { return r_.room; }
    QString DoctorID() const override { return r_.doctorId; }
    QString Doctor() const override { return r_.doctor; }
    QString Company() const override { return r_.company; }
    QString Age() const override { return r_.age; }
    QString Sex() const override { return r_.sex; }
    QString Billed() const override { return r_.billed; }
    bool SeniorCitizen() const override { return r_.senior; }
    Recordset LoadCommunication(const QString& stationId, const QString& search, int option, int order,
                                const QString& inOut) override;
    Recordset ListUnitDosePatients(const QString& stationId, int option, int order) override;

    // Whole years between the birth date and `today`; "" without a birth date.
    static QString ageOn(const QDate& birth, const QDate& today);
    // A senior citizen: a senior-citizen id on file (not "0"), or sixty years of age or more.
    static bool isSenior(const QString& seniorCitizenId, const QString& age);

private:
    struct Record {
        QString admission, hospital, name, stationId, station, roomNumber, room, doctorId, doctor, company, age, sex;
        QString billed;
        bool senior = false;
    };
    Record r_;
};

} // namespace qx::suite
