#pragma once
#include <QString>

namespace qx {

class Connection;

// One employee's pharmacy rights as tbPharmaUserSettings keeps them.
struct PharmaUserRights {
    bool stored = false;  // the employee has a row; without one every right is off
    bool canProcessRequest = false;
    bool canUnitDose = false;
    bool canManualPosting = false;
    bool canReturned = false;
    bool canCorrection = false;
    bool canViewPostedMeds = false;
    bool canDrugInquiry = false;
    bool canVerification = false;
    bool canViewReport = false;
    // GIVRC's income-report right counts by being filled in at all, whatever its value.
    bool incomeReportRightSet = false;
    // TZNH's right; a missing column or a Null is off.
    bool canViewListofCorectedReports = false;
};

// The employee's stored rights. A right left Null is off.
PharmaUserRights ReadPharmaUserRights(Connection& con, const QString& employeeCode);

} // namespace qx
