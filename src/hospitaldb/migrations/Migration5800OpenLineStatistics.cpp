// The work lists read the open request lines by a record status folded with COALESCE, which the
// server cannot estimate from the column's own statistics: it took a list of 100,000 patients for
// a few hundred and joined the patient names one by one. Statistics over the folded status let it
// plan for what the tables hold. SQLite plans by its indexes alone and needs none.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void createStatusStatistics(Connection& c, const QString& name, const QString& table) {
    c.executeScript(QStringLiteral("CREATE STATISTICS IF NOT EXISTS station.%1 ON (COALESCE(RecordStatus, '')) FROM station.%2")
                        .arg(name, table));
    c.executeScript(QStringLiteral("ANALYZE station.%1").arg(table));
}

void applyOpenLineStatistics(Connection& c) {
    if (c.isSQLite())
        return;
    createStatusStatistics(c, QStringLiteral("st_tbNurseCommunicationFile_Status"), QStringLiteral("tbNurseCommunicationFile"));
    createStatusStatistics(c, QStringLiteral("st_tbNurseUnitDose_Status"), QStringLiteral("tbNurseUnitDose"));
}

const MigrationRegistration openLineStatisticsMigration{
    {5800, QStringLiteral("Statistics of the open request lines' status"), applyOpenLineStatistics}};

} // namespace
} // namespace qx::hospitaldb
