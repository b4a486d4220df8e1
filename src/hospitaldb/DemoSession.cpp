// Demo data of the session windows: the pharmacy rights of the demo employees.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void fillUserRights(Connection& c) {
    struct Rights { const char* employee; int manual, request, unitDose, returned, correction, postedMeds, inquiry,
                    verification, report; };
    // The chief pharmacist may do everything; the others what their posts need.
    const Rights rows[] = {
        {"8", 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {"1001", 1, 1, 1, 1, 0, 1, 1, 1, 1},
        {"1002", 0, 1, 1, 0, 0, 1, 1, 0, 0},
    };
    for (const Rights& r : rows)
        c.execute(QStringLiteral("INSERT INTO tbPharmaUserSettings (EmployeeID, canManualPosting, canProcessRequest, "
                                 "canUnitDose, canReturned, canCorrection, canViewPostedMeds, canDrugInquiry, "
                                 "canVerification, canViewReport) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {QString::fromLatin1(r.employee), r.manual, r.request, r.unitDose, r.returned, r.correction,
                   r.postedMeds, r.inquiry, r.verification, r.report});
}

const DemoRegistration userRightsDemo{{900, QStringLiteral("pharmacy rights of the demo employees"), fillUserRights}};

} // namespace
} // namespace qx::hospitaldb
