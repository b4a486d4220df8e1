// The income reports read a patient kind's issues and credits over a range of days: an index led
// by the kind and the day that holds every column they sum or key on lets them scan the range
// without visiting the stock-card lines themselves.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void applyIncomeLinesIndex(Connection& c) {
    createIndex(c, QString(), QStringLiteral("tbInvStockCard"), QStringLiteral("ix_tbInvStockCard_IncomeLines"),
                QStringLiteral("InOut, TransDate, LocationID, Shift, UserID, SummaryCode, AcctNum, RevenueID, RefNum, "
                               "IdNum, CashName, ItemID, Quantity, Amount, Discount, VATAmount"));
}

const MigrationRegistration incomeLinesIndexMigration{
    {2900, QStringLiteral("Covering index of the income reports"), applyIncomeLinesIndex}};

} // namespace
} // namespace qx::hospitaldb
