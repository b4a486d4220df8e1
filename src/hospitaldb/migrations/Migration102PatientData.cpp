// PATIENT_DATA: hospital identity, the patient registry, admissions and out-patient visits.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

// Names, sex and birth date of the registry, admission date and doctor of a stay: the patient
// components show them, though the system's own SQL never names those columns.
const char* const kPatientDataTables = R"(
CREATE TABLE IF NOT EXISTS patient_data.tbHospitalInfo (
    id {ID},
    Company TEXT,
    Address1 TEXT,
    ClientName TEXT,
    ByGeneric INTEGER NOT NULL DEFAULT 0,
    ExDiscCashSupply INTEGER DEFAULT 0,
    AllowZeroOnHand INTEGER DEFAULT 0,
    AllowPriceChange INTEGER DEFAULT 0,
    CompanyMarkup INTEGER DEFAULT 0,
    isPharmaOptDiscountType INTEGER DEFAULT 0,
    isValidateCardNumber INTEGER DEFAULT 0,
    isMarkUpGroup INTEGER DEFAULT 0,
    isEmpOutPrice INTEGER DEFAULT 0,
    PHECartLocID TEXT,
    Kelvarin INTEGER DEFAULT 0,
    PHCSRIdleTime INTEGER DEFAULT 59,
    SeniorDiscount {REAL} DEFAULT 0,
    CashEmployeeDiscount {REAL} DEFAULT 0,
    CashEmployeeDiscount2 {REAL} DEFAULT 0
);
CREATE TABLE IF NOT EXISTS patient_data.tbMaster (
    HospNum TEXT NOT NULL PRIMARY KEY,
    LastName TEXT,
    FirstName TEXT,
    MiddleName TEXT,
    Sex TEXT,
    BirthDate {DATETIME},
    SeniorCitizenID TEXT,
    SCBookletNumber TEXT
);
CREATE TABLE IF NOT EXISTS patient_data.tbPatient (
    IDNum TEXT NOT NULL PRIMARY KEY,
    HospNum TEXT,
    AdmDate {DATETIME},
    DoctorID TEXT,
    BillingDate {DATETIME},
    DcrDate {DATETIME},
    LateCharges INTEGER NOT NULL DEFAULT 0,
    AccountNum TEXT,
    RoomID TEXT,
    PharmaSeniorDiscounted INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS patient_data.tbPatient2 (
    IdNum TEXT NOT NULL PRIMARY KEY,
    PatientsMed INTEGER NOT NULL DEFAULT 0,
    VIP INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS patient_data.tbOutPatient (
    IDNum TEXT NOT NULL PRIMARY KEY,
    HospNum TEXT,
    AdmDate {DATETIME},
    DoctorID TEXT,
    AccountNum TEXT,
    LateCharges INTEGER NOT NULL DEFAULT 0,
    ERNum {REAL} DEFAULT 0,
    DcrDate {DATETIME},
    PharmaSeniorDiscounted INTEGER NOT NULL DEFAULT 0
)
)";

void createPatientData(Connection& c) {
    ddl(c, QString::fromUtf8(kPatientDataTables));
    createIndexes(c, QStringLiteral("patient_data"), {
        {"tbPatient", "ix_tbPatient_HospNum", "HospNum"},
        {"tbOutPatient", "ix_tbOutPatient_HospNum", "HospNum"},
    });
}

const MigrationRegistration patientDataMigration{{102, QStringLiteral("PATIENT_DATA tables"), createPatientData}};

} // namespace
} // namespace qx::hospitaldb
