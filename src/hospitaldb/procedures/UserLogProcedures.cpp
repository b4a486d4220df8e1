// Procedures of the user log: one line per important act of a user, dated by the database
// clock, and the lines of one user and module for a range of days.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"

#include <QDate>

namespace qx::hospitaldb {
namespace {

using namespace procparams;

QDate reportDay(const ProcArgs& a, const char* name) {
    const QString value = a.text(QString::fromLatin1(name)).trimmed();
    const QDate day = QDate::fromString(value, QStringLiteral("MM/dd/yyyy"));
    if (!day.isValid())
        throw AppError(kDbErrorNumber, QStringLiteral("sp_Inv_AuditTrailLogs"),
                       QStringLiteral("Conversion failed when converting date from character string '%1'.").arg(value));
    return day;
}

const ProcedureRegistration saveUserLog{{
    QStringLiteral("sp_Inv_SaveUserLog"),
    {text("@EmployeeID", 20), text("@Module", 20), text("@Activity")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbInvUserLog (EmployeeID, Module, Activity, LogDate) VALUES (?, ?, ?, ?)"),
                  {a.text(QStringLiteral("EMPLOYEEID")).trimmed(), a.text(QStringLiteral("MODULE")),
                   a.value(QStringLiteral("ACTIVITY")), c.serverNow()});
        return std::nullopt;
    }}};

// Whole days: the end day counts up to its last second.
const ProcedureRegistration auditTrailLogs{{
    QStringLiteral("sp_Inv_AuditTrailLogs"),
    {text("@UserID", 20), text("@StartDate", 10), text("@EndDate", 10), text("@Module", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QDateTime from(reportDay(a, "STARTDATE"), QTime(0, 0));
        const QDateTime until(reportDay(a, "ENDDATE").addDays(1), QTime(0, 0));
        return c.query(QStringLiteral("SELECT LogDate, Activity FROM tbInvUserLog WHERE UPPER(TRIM(EmployeeID)) = UPPER(?) "
                                      "AND Module = ? AND LogDate >= ? AND LogDate < ? ORDER BY LogDate, LogID"),
                       {a.text(QStringLiteral("USERID")).trimmed(), a.text(QStringLiteral("MODULE")), from, until});
    }}};

} // namespace
} // namespace qx::hospitaldb
