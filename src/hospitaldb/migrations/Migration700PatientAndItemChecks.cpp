// Stores behind the patient, account and item checks that the hospital tables do not carry:
// an item's antibiotic class, a person's master charge account, the cash-basis mark of a stay,
// discharge notices with the departments' clearances, executive packages, sponsored patients,
// the workstations' dispensing location and the discount lines posted to a patient's bill.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kPatientAndItemChecksColumns[] = {
    {"", "tbInvMaster", "AntibioticClassID", "TEXT"},
    {"patient_data", "tbMaster", "MasterAccountCode", "TEXT"},
    // Billing puts a stay on cash basis; the pharmacy may then not charge it on account.
    {"patient_data", "tbPatient", "CashBasisOnly", "INTEGER NOT NULL DEFAULT 0"},
    {"patient_data", "tbOutPatient", "CashBasisOnly", "INTEGER NOT NULL DEFAULT 0"},
};

// A notice is open while ClearDate is Null; DepartmentID "PH" is the pharmacy's.
const char* const kTables = R"(
CREATE TABLE IF NOT EXISTS patient_data.tbDischargeNotice (
    id {ID},
    IDNum TEXT NOT NULL,
    DepartmentID TEXT NOT NULL,
    NoticeDate {DATETIME},
    ClearDate {DATETIME},
    UserID TEXT,
    ClearRemarks TEXT
);
CREATE TABLE IF NOT EXISTS build_file.tbCoExecutivePackage (
    IDNum TEXT NOT NULL PRIMARY KEY,
    Package TEXT
);
CREATE TABLE IF NOT EXISTS build_file.tbCoVelmiraPatient (
    PatientID TEXT NOT NULL PRIMARY KEY,
    Velmira INTEGER NOT NULL DEFAULT 1
);
CREATE TABLE IF NOT EXISTS tbPharmaComputerLocation (
    HostID TEXT NOT NULL PRIMARY KEY,
    isSatelite INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS billing.tbBillCharges (
    id {ID},
    PatientType TEXT,
    IDNum TEXT,
    HospNum TEXT,
    RefNum TEXT,
    RevenueID TEXT,
    ItemID TEXT,
    Quantity {REAL} DEFAULT 0,
    Amount {MONEY} DEFAULT 0,
    UserID TEXT,
    RoomID TEXT,
    DrCr TEXT,
    ARCode TEXT,
    RequestDocID TEXT,
    TransDate {DATETIME}
)
)";

void applyPatientAndItemChecks(Connection& c) {
    addMissingColumns(c, kPatientAndItemChecksColumns);
    ddl(c, QString::fromUtf8(kTables));
    createIndex(c, QStringLiteral("patient_data"), QStringLiteral("tbDischargeNotice"),
                QStringLiteral("ix_tbDischargeNotice_IDNum"), QStringLiteral("IDNum, DepartmentID"));
    createIndex(c, QStringLiteral("billing"), QStringLiteral("tbBillCharges"), QStringLiteral("ix_tbBillCharges_IDNum"),
                QStringLiteral("IDNum, RefNum"));
    // Charges on a company account are summed over the stays charged to it.
    createIndex(c, QStringLiteral("patient_data"), QStringLiteral("tbPatient"), QStringLiteral("ix_tbPatient_AccountNum"),
                QStringLiteral("AccountNum"));
    createIndex(c, QStringLiteral("patient_data"), QStringLiteral("tbOutPatient"),
                QStringLiteral("ix_tbOutPatient_AccountNum"), QStringLiteral("AccountNum"));
}

const MigrationRegistration patientAndItemChecksMigration{{700, QStringLiteral("Patient, account and item check stores"), applyPatientAndItemChecks}};

} // namespace
} // namespace qx::hospitaldb
