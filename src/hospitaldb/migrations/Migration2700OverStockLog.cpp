// INVENTORY: the over-stock log, one line per posted line whose quantity went beyond the stock on
// hand and what the pharmacist chose at the prompt. Written by sp_Pharma_LogChoice inside the
// save that posts the line; read by item and date.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void createOverStockLog(Connection& c) {
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbPharmaOverStockLog (
    LogID {ID},
    Choice TEXT NOT NULL,
    ItemID TEXT NOT NULL,
    Quantity TEXT,
    OnHand TEXT,
    UserID TEXT NOT NULL,
    LogDate {DATETIME} NOT NULL
))"));
    createIndex(c, QString(), QStringLiteral("tbPharmaOverStockLog"), QStringLiteral("ix_tbPharmaOverStockLog_ItemDate"),
                QStringLiteral("ItemID, LogDate"));
}

const MigrationRegistration overStockLogMigration{{2700, QStringLiteral("INVENTORY over-stock log"), createOverStockLog}};

} // namespace
} // namespace qx::hospitaldb
