// The cash assessment's mark-up groups: per item, the mark-ups of each customer group and the VAT
// mark-up, read when the hospital prices by mark-up group.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

void applyCashMarkUpGroups(Connection& c) {
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbPharmaMarkUpGroup (
    ItemID TEXT NOT NULL PRIMARY KEY,
    CASH {REAL} DEFAULT 0,
    Employee {REAL} DEFAULT 0,
    SeniorCitizenIn {REAL} DEFAULT 0,
    SeniorCitizenOut {REAL} DEFAULT 0,
    VAT {REAL} DEFAULT 0
))"));
}

const MigrationRegistration cashMarkUpGroupsMigration{{2300, QStringLiteral("cash assessment mark-up groups"),
                                                       applyCashMarkUpGroups}};

} // namespace
} // namespace qx::hospitaldb
