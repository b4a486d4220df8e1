// INVENTORY: who discontinued a patient's unit-dose request of an item, and when. Written by
// Drug_UpdateUnitDose with the station's status change; read by Drug_DiscontinueInfo for the
// profile of a discontinued line.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void createUnitDoseDiscontinue(Connection& c) {
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbInvUnitDoseDiscontinue (
    DiscontinueID {ID},
    IDNum TEXT NOT NULL,
    ItemID TEXT NOT NULL,
    RecordStatus TEXT NOT NULL,
    DiscontinuedBy TEXT NOT NULL,
    DiscDate {DATETIME} NOT NULL
))"));
    createIndex(c, QString(), QStringLiteral("tbInvUnitDoseDiscontinue"),
                QStringLiteral("ix_tbInvUnitDoseDiscontinue_Item"), QStringLiteral("IDNum, ItemID, DiscDate"));
}

const MigrationRegistration unitDoseDiscontinueMigration{
    {4000, QStringLiteral("INVENTORY unit-dose discontinue records"), createUnitDoseDiscontinue}};

} // namespace
} // namespace qx::hospitaldb
