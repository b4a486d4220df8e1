// The open request lines are read through their partial indexes by the work lists and the request
// polls. Those indexes lacked the record status their own condition names, so every line found
// was looked up again in the table to test it: with the status in the index the lists read the
// index alone. The narrower indexes they replace are dropped.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void replacePartialIndex(Connection& c, const QString& schema, const QString& table, const QString& oldName,
                         const QString& name, const QString& columns, const QString& where) {
    if (c.isSQLite())
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS %1.%2 ON %3 (%4) WHERE %5")
                            .arg(schema, name, table, columns, where));
    else
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2.%3 (%4) WHERE %5")
                            .arg(name, schema, table, columns, where));
    c.executeScript(QStringLiteral("DROP INDEX IF EXISTS %1.%2").arg(schema, oldName));
}

void applyCoveringOpenLineIndexes(Connection& c) {
    replacePartialIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseCommunicationFile"),
                        QStringLiteral("ix_tbNurseCommunicationFile_Open"), QStringLiteral("ix_tbNurseCommunicationFile_OpenLines"),
                        QStringLiteral("DepartmentID, InOut, IDNum, StationID, RequestDate, isStat, RecordStatus"),
                        QStringLiteral("COALESCE(RecordStatus, '') = ''"));
    replacePartialIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseUnitDose"),
                        QStringLiteral("ix_tbNurseUnitDose_Open"), QStringLiteral("ix_tbNurseUnitDose_OpenLines"),
                        QStringLiteral("IDNum, StationID, RequestDate, RxMark, RecordStatus"),
                        QStringLiteral("COALESCE(RecordStatus, '') <> 'R'"));
}

const MigrationRegistration coveringOpenLineIndexesMigration{
    {5200, QStringLiteral("Open request lines read from their indexes alone"), applyCoveringOpenLineIndexes}};

} // namespace
} // namespace qx::hospitaldb
