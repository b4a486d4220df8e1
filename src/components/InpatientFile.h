#pragma once
#include "components/Recordset.h"

#include <QString>

namespace qx::InpatientFile {

// ProgID InpatientFile.Patient, slot gPatient: the admission last loaded.
class Patient {
public:
    virtual ~Patient() = default;
    virtual bool InitConnect(const QString& connStr) = 0;
    // True selects the admission; false keeps the record held before.
    virtual bool LoadInfo(const QString& admissionNumber) = 0;
    virtual QString AdmissionNumber() const = 0;
    virtual QString HospitalNumber() const = 0;
    virtual QString PatientName() const = 0;
    virtual QString StationID() const = 0;
    virtual QString Station() const = 0;
    virtual QString RoomNumber() const = 0;
    virtual QString Room() const = 0;
    virtual QString DoctorID() const = 0;
    virtual QString Doctor() const = 0;
    virtual QString Company() const = 0;
    virtual QString Age() const = 0;
    virtual QString Sex() const = 0;
    // "mm/dd/yyyy" of the bill's closing, "01/01/1900" while the bill is open.
    virtual QString Billed() const = 0;
    virtual bool SeniorCitizen() const = 0;
    // One row per patient with pending requests: 0 HospNum, 1 IDNum, 2 PatientName, 3 Room,
    // 4 Station, 5 StationID, 6 request date, 7 "*" when STAT.
    virtual Recordset LoadCommunication(const QString& stationId, const QString& search, int option, int order,
                                        const QString& inOut) = 0;
    // Patients with open unit-dose requests: 1 admission, 2 name, 3 name cell ("(RX)" mark), 4 rest.
    virtual Recordset ListUnitDosePatients(const QString& stationId, int option, int order) = 0;
};

} // namespace qx::InpatientFile
