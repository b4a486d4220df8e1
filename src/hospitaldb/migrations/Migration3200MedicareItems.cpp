// The Medicare type of an item: "N" marks an item Medicare does not cover, which the request
// screen colours; any other type, or none, is covered.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kMedicareColumns[] = {
    {"", "tbInvMaster", "MedicareType", "TEXT"},
};

void applyMedicareItems(Connection& c) { addMissingColumns(c, kMedicareColumns); }

const MigrationRegistration medicareItemsMigration{{3200, QStringLiteral("Medicare type of items"), applyMedicareItems}};

// Every demo item is covered except the first two of the catalogue, so both kinds show.
void fillMedicareItems(Connection& c) {
    c.execute(QStringLiteral("UPDATE tbInvMaster SET MedicareType = 'Y'"));
    c.execute(QStringLiteral("UPDATE tbInvMaster SET MedicareType = 'N' WHERE ItemID IN "
                             "(SELECT ItemID FROM tbInvMaster ORDER BY ItemID LIMIT 2)"));
}

const DemoRegistration medicareItemsDemo{{3200, QStringLiteral("Medicare types of the demo items"), fillMedicareItems}};

} // namespace
} // namespace qx::hospitaldb
