// BILLING: a surcharge is an unpaid pharmacy line of tbCashAssessment under its "SU" number; it
// keeps the items price and the percentage it was worked out from.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kSurchargeColumns[] = {
    {"billing", "tbCashAssessment", "SurchargePrice", "{MONEY}"},
    {"billing", "tbCashAssessment", "SurchargePercent", "{REAL}"},
};

void applySurcharges(Connection& c) { addMissingColumns(c, kSurchargeColumns); }

const MigrationRegistration surchargesMigration{
    {4700, QStringLiteral("BILLING surcharge price and percentage"), applySurcharges}};

} // namespace
} // namespace qx::hospitaldb
