#include "shell/UserLog.h"

#include "components/Connection.h"
#include "shell/Session.h"

namespace qx {

void SaveUserLog(Connection& con, const QString& activity) {
    con.callProcedure(QStringLiteral("sp_Inv_SaveUserLog"), {{QStringLiteral("@EmployeeID"), gEmployeeCode},
                                                             {QStringLiteral("@Module"), kUserLogModule},
                                                             {QStringLiteral("@Activity"), activity}});
}

void SaveUserLog(const QString& activity) { SaveUserLog(SQLConnection(), activity); }

} // namespace qx
