// The cash side's patient data and lists: the customer's address and civil status in the
// registry, the admission's medicare type, room classes with their mark-up, and the look-ups the
// cash screens and the work lists run.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kCashSideRecordsColumns[] = {
    {"patient_data", "tbMaster", "ZipCode", "TEXT"},
    {"patient_data", "tbMaster", "Address", "TEXT"},
    {"patient_data", "tbMaster", "HouseStreet", "TEXT"},
    {"patient_data", "tbMaster", "Barangay", "TEXT"},
    {"patient_data", "tbMaster", "CivilStatusID", "TEXT"},
    {"patient_data", "tbPatient", "MedicareType", "TEXT"},
};

void applyCashSideRecords(Connection& c) {
    addMissingColumns(c, kCashSideRecordsColumns);
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS build_file.tbCoRoomClass (
    RoomClassID TEXT NOT NULL PRIMARY KEY,
    RoomClass TEXT,
    MarkUp {REAL} DEFAULT 0
);
CREATE TABLE IF NOT EXISTS build_file.tbCoMedicareType (
    MedicareType TEXT NOT NULL PRIMARY KEY,
    Description TEXT
))"));
    // The cash lists group by assessment; the cash monitor polls the unpaid list every few seconds.
    createIndex(c, QStringLiteral("billing"), QStringLiteral("tbCashAssessment"),
                QStringLiteral("ix_tbCashAssessment_Lists"), QStringLiteral("RevenueID, TransDate, RefNum"));
    createIndex(c, QStringLiteral("billing"), QStringLiteral("tbCashAssessment"),
                QStringLiteral("ix_tbCashAssessment_HospNum"), QStringLiteral("HospNum"));
    createIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseHomeMeds"),
                QStringLiteral("ix_tbNurseHomeMeds_RecordStatus"), QStringLiteral("RecordStatus, IdNum"));
}

const MigrationRegistration cashSideRecordsMigration{{1200, QStringLiteral("cash-side patient data, room classes and list indexes"),
                                          applyCashSideRecords}};

} // namespace
} // namespace qx::hospitaldb
