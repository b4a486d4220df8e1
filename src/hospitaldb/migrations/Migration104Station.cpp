// STATION: the nursing stations' setup, request lines and take-home medication records.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

// Beyond IDNum, ItemID, Quantity and RecordStatus, a request line carries what the pending
// detectors and request lists select on: department, in/out, station, request number, STAT
// mark, request date, doctor, dosage.
const char* const kStationTables = R"(
CREATE TABLE IF NOT EXISTS station.tbNurseSetup (
    FIELD TEXT NOT NULL PRIMARY KEY,
    Value TEXT
);
CREATE TABLE IF NOT EXISTS station.tbNurseCommunicationFile (
    id {ID},
    IDNum TEXT,
    HospNum TEXT,
    ItemID TEXT,
    Quantity {REAL} DEFAULT 0,
    RecordStatus TEXT,
    DepartmentID TEXT,
    InOut TEXT,
    StationID TEXT,
    RequestNumber TEXT,
    isStat INTEGER NOT NULL DEFAULT 0,
    RequestDate {DATETIME},
    DoctorID TEXT,
    Dosage TEXT,
    Remarks TEXT,
    UserID TEXT,
    Amount {REAL} DEFAULT 0,
    ProcessBy TEXT,
    ProcessDate {DATETIME}
);
CREATE TABLE IF NOT EXISTS station.tbNurseHomeMeds (
    id {ID},
    IdNum TEXT,
    ItemID TEXT,
    ReferenceNum TEXT,
    RecordStatus TEXT
)
)";

void createStation(Connection& c) {
    ddl(c, QString::fromUtf8(kStationTables));
    createIndexes(c, QStringLiteral("station"), {
        // The pending-request detectors poll every second (emergency) or ten seconds.
        {"tbNurseCommunicationFile", "ix_tbNurseCommunicationFile_Pending", "DepartmentID, RecordStatus, InOut"},
        {"tbNurseCommunicationFile", "ix_tbNurseCommunicationFile_Station", "RecordStatus, StationID"},
        {"tbNurseCommunicationFile", "ix_tbNurseCommunicationFile_IDNum", "IDNum, ItemID"},
        {"tbNurseCommunicationFile", "ix_tbNurseCommunicationFile_RequestNumber", "RequestNumber"},
        {"tbNurseHomeMeds", "ix_tbNurseHomeMeds_IdNum", "IdNum, ItemID"},
    });
}

const MigrationRegistration stationMigration{{104, QStringLiteral("STATION tables"), createStation}};

} // namespace
} // namespace qx::hospitaldb
