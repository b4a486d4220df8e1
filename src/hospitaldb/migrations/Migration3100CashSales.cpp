// The direct cash sale: the transcribed prescription lines a cash patient buys, and the drug-class
// letter that splits a sale into drug and non-drug receipts.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

// "A", "B" or "C" for a drug; any other letter for a supply sold under its own receipts.
const ColumnAdd kCashSaleColumns[] = {
    {"", "tbInvMaster", "DrugClass", "TEXT"},
};

void applyCashSales(Connection& c) {
    // One row per transcribed line of a doctor's prescription. A line is waiting while its status is
    // empty and no stock-card line serves its request number; 'R' is revoked.
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbPharmaTranscription (
    id {ID},
    RequestNum TEXT NOT NULL,
    RefNumber TEXT,
    IdNum TEXT NOT NULL,
    RoomID TEXT,
    RevenueID TEXT NOT NULL DEFAULT 'PH',
    GenericID TEXT,
    GenericName TEXT,
    Quantity {REAL} DEFAULT 0,
    Dosage TEXT,
    Remarks TEXT,
    RequestDate {DATETIME},
    RequestedBy TEXT,
    RecordStatus TEXT
))"));
    addMissingColumns(c, kCashSaleColumns);
    createIndexes(c, QString(), {
        {"tbPharmaTranscription", "ix_tbPharmaTranscription_IdNum", "IdNum, RevenueID"},
        {"tbPharmaTranscription", "ix_tbPharmaTranscription_RequestNum", "RequestNum"},
        {"tbInvStockCard", "ix_tbInvStockCard_RequestNumber", "RequestNumber"},
        {"tbPharmaCashPrint", "ix_tbPharmaCashPrint_UserRef", "UserID, RefNum"},
    });
}

const MigrationRegistration cashSalesMigration{{3100, QStringLiteral("cash-sale transcriptions and drug classes"),
                                                applyCashSales}};

} // namespace
} // namespace qx::hospitaldb
