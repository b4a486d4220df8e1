// Stores behind stock-card posting, numbering and print staging that only the stored procedures
// name: the claimed document numbers, the preview ("dump") staging of charge slips and the
// cash-sale receipt staging of a workstation.
#include "hospitaldb/Schema.h"
#include "hospitaldb/migrations/SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

void applyPostingAndStaging(Connection& c) {
    ddl(c, QStringLiteral(
               // One row per claimed number: a number belongs to one save of one patient, whichever
               // workstation claims it. Kind 'CS' charge slip, 'CM' credit memo, 'AS' adjustment slip.
               "CREATE TABLE IF NOT EXISTS tbInvDocumentClaim (Kind TEXT NOT NULL, DocumentNumber TEXT NOT NULL, "
               "IdNum TEXT, ClaimedBy TEXT, ClaimedAt {DATETIME}, PRIMARY KEY (Kind, DocumentNumber));\n"
               "CREATE TABLE IF NOT EXISTS tbPharmaChargePrintDump (id {ID}, UserID TEXT, RefNum TEXT, "
               "Description TEXT, Quantity {REAL} DEFAULT 0, Amount {REAL} DEFAULT 0, IdNum TEXT, ItemID TEXT, "
               "UnitPrice {REAL} DEFAULT 0, Discount {REAL} DEFAULT 0, DiscountPercentage {REAL} DEFAULT 0, "
               "DiscountType TEXT, Nurse TEXT, SCNumber TEXT);\n"
               "CREATE TABLE IF NOT EXISTS tbPharmaCashPrint (id {ID}, UserID TEXT, RefNum TEXT, ItemID TEXT, "
               "Description TEXT, Quantity {REAL} DEFAULT 0, Amount {REAL} DEFAULT 0)"));
    createIndexes(c, QString(), {
        {"tbPharmaChargePrintDump", "ix_tbPharmaChargePrintDump_Key", "UserID, IdNum, RefNum"},
        {"tbPharmaCashPrint", "ix_tbPharmaCashPrint_UserID", "UserID"},
    });
}

const MigrationRegistration postingAndStagingMigration{{800, QStringLiteral("Document claims and print staging"), applyPostingAndStaging}};

} // namespace
} // namespace qx::hospitaldb
