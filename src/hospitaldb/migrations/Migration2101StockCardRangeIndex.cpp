// The stock-card reports over a range of days sum each item's issues and credits: an index that
// holds what they read lets them scan the range without visiting the lines themselves.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void applyStockCardRangeIndex(Connection& c) {
    createIndex(c, QString(), QStringLiteral("tbInvStockCard"), QStringLiteral("ix_tbInvStockCard_RangeSums"),
                QStringLiteral("TransDate, ItemID, SummaryCode, Quantity, Amount"));
}

const MigrationRegistration stockCardRangeIndexMigration{
    {2101, QStringLiteral("Covering index of the stock-card range reports"), applyStockCardRangeIndex}};

} // namespace
} // namespace qx::hospitaldb
