#include "shell/PharmaUserRights.h"

#include "components/Connection.h"
#include "platform/Values.h"

namespace qx {

namespace {

bool flagOf(const Recordset& rs, const QString& column) {
    if (!rs.hasField(column))
        return false;
    return CBool(NullToDefault(rs.value(column), 0));
}

} // namespace

PharmaUserRights ReadPharmaUserRights(Connection& con, const QString& employeeCode) {
    const Recordset rs = con.query(
        QStringLiteral("SELECT * FROM tbPharmaUserSettings WHERE UPPER(TRIM(EmployeeID)) = UPPER(TRIM(?))"),
        {employeeCode});
    PharmaUserRights rights;
    if (rs.eof())
        return rights;
    rights.stored = true;
    struct Column { bool PharmaUserRights::*flag; const char* name; };
    static const Column kColumns[] = {
        {&PharmaUserRights::canProcessRequest, "canProcessRequest"},
        {&PharmaUserRights::canUnitDose, "canUnitDose"},
        {&PharmaUserRights::canManualPosting, "canManualPosting"},
        {&PharmaUserRights::canReturned, "canReturned"},
        {&PharmaUserRights::canCorrection, "canCorrection"},
        {&PharmaUserRights::canViewPostedMeds, "canViewPostedMeds"},
        {&PharmaUserRights::canDrugInquiry, "canDrugInquiry"},
        {&PharmaUserRights::canVerification, "canVerification"},
        {&PharmaUserRights::canViewReport, "canViewReport"},
        {&PharmaUserRights::canViewListofCorectedReports, "canViewListofCorectedReports"},
    };
    for (const Column& c : kColumns)
        rights.*(c.flag) = flagOf(rs, QString::fromLatin1(c.name));
    const QString income = QStringLiteral("canViewIncomeReport");
    rights.incomeReportRightSet = rs.hasField(income) && !rs.isNull(income);
    return rights;
}

} // namespace qx
