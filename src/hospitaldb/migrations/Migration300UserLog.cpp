// INVENTORY: the user log, one line per important act of a user. Written by sp_Inv_SaveUserLog
// (the date comes from the database clock), read back by sp_Inv_AuditTrailLogs and the audit
// trail report, always by employee, module and date range.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void createUserLog(Connection& c) {
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbInvUserLog (
    LogID {ID},
    EmployeeID TEXT NOT NULL,
    Module TEXT NOT NULL,
    Activity TEXT,
    LogDate {DATETIME} NOT NULL
))"));
    createIndex(c, QString(), QStringLiteral("tbInvUserLog"), QStringLiteral("ix_tbInvUserLog_EmployeeDate"),
                QStringLiteral("EmployeeID, Module, LogDate"));
}

const MigrationRegistration userLogMigration{{300, QStringLiteral("INVENTORY user log"), createUserLog}};

} // namespace
} // namespace qx::hospitaldb
