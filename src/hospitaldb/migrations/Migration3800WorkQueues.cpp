// What the small work-queue windows read beyond the existing tables: the day a station's return
// reached the pharmacy (the confirmation list covers one day), and the refill lines of an
// out-patient's prescriptions with their remaining refills.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kReturnColumns[] = {
    {"", "tbPharmaCommunication", "TransDate", "{DATETIME}"},
};

const char* const kRefillTable = R"(
CREATE TABLE IF NOT EXISTS tbPharmaRefill (
    id {ID},
    IdNum TEXT NOT NULL,
    ItemID TEXT NOT NULL,
    Dosage TEXT,
    Quantity {REAL} DEFAULT 0,
    QtyDispensed {REAL} DEFAULT 0,
    ReFill {REAL} DEFAULT 0,
    Remarks TEXT,
    RecordStatus TEXT
)
)";

void applyWorkQueues(Connection& c) {
    addMissingColumns(c, kReturnColumns);
    ddl(c, QString::fromUtf8(kRefillTable));
    createIndex(c, QString(), QStringLiteral("tbPharmaCommunication"), QStringLiteral("ix_tbPharmaCommunication_TransDate"),
                QStringLiteral("RevenueID, TransDate"));
    createIndex(c, QString(), QStringLiteral("tbPharmaRefill"), QStringLiteral("ix_tbPharmaRefill_IdNum"),
                QStringLiteral("IdNum, id"));
}

const MigrationRegistration workQueuesMigration{
    {3800, QStringLiteral("Return dates of station returns and the refill lines"), applyWorkQueues}};

} // namespace
} // namespace qx::hospitaldb
