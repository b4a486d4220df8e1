// The critical-stock monitor asks every minute whether an active item of the main pharmacy is at
// or below its minimum. Those items are few beside the stocked ones: a partial index holding only
// them answers without reading the location's whole stock. PostgreSQL guesses a third of the rows
// for a comparison of two columns and would then read the table: there the comparison is an
// indexed expression, whose statistics tell how few rows pass it.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void applyCriticalStockIndex(Connection& c) {
    if (c.isSQLite())
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS ix_tbInvent_Critical ON tbInvent (LocationID, ItemStatus) "
                                       "WHERE OnHand <= MinStockLevel"));
    else
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS ix_tbInvent_Critical ON tbInvent "
                                       "(LocationID, ItemStatus, (OnHand <= MinStockLevel))"));
}

const MigrationRegistration criticalStockIndexMigration{
    {4800, QStringLiteral("Partial index of the items at or below their minimum"), applyCriticalStockIndex}};

} // namespace
} // namespace qx::hospitaldb
