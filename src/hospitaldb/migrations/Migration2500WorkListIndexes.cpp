// The work lists and the request polls read only the open request lines, which are few beside the
// served ones: partial indexes over the open lines, holding what the lists group and show, let
// them read those lines in patient order without visiting the table.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void createPartialIndex(Connection& c, const QString& schema, const QString& table, const QString& name,
                        const QString& columns, const QString& where) {
    if (c.isSQLite())
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS %1.%2 ON %3 (%4) WHERE %5")
                            .arg(schema, name, table, columns, where));
    else
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2.%3 (%4) WHERE %5")
                            .arg(name, schema, table, columns, where));
}

void applyWorkListIndexes(Connection& c) {
    createPartialIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseCommunicationFile"),
                       QStringLiteral("ix_tbNurseCommunicationFile_Open"),
                       QStringLiteral("DepartmentID, InOut, IDNum, StationID, RequestDate, isStat"),
                       QStringLiteral("COALESCE(RecordStatus, '') = ''"));
    createPartialIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseUnitDose"),
                       QStringLiteral("ix_tbNurseUnitDose_Open"), QStringLiteral("IDNum, StationID, RequestDate, RxMark"),
                       QStringLiteral("COALESCE(RecordStatus, '') <> 'R'"));
}

const MigrationRegistration workListIndexesMigration{
    {2500, QStringLiteral("Partial indexes of the open request lines"), applyWorkListIndexes}};

} // namespace
} // namespace qx::hospitaldb
