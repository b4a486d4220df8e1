// A department's discharge notices: the list, one admission's notice, whether the admission still
// has pending requests of the department, and the department's clearance of the patient.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

const ProcedureRegistration loadDischargeNotice{{
    QStringLiteral("Pharma_LoadDischargeNotice"),
    {text("@DepartmentID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral(
                           "SELECT COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || "
                           "COALESCE(m.MiddleName, '') AS PatientName, p.RoomID AS RoomID, n.IDNum AS IDNum, "
                           "n.DischargeNurse AS DischargeNurse, n.NoticeDate AS NoticeDate, n.ClearDate AS ClearDate "
                           "FROM patient_data.tbDischargeNotice n "
                           "LEFT JOIN patient_data.tbPatient p ON p.IDNum = n.IDNum "
                           "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                           "WHERE n.DepartmentID = ? ORDER BY n.NoticeDate, n.IDNum"),
                       {a.text(QStringLiteral("DEPARTMENTID")).trimmed()});
    }}};

// The admission's request lines of the department still waiting to be served.
const ProcedureRegistration checkWithPending{{
    QStringLiteral("Pharma_CheckWithPending"),
    {text("@IDNum", 20), text("@DepartmentID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT COUNT(*) AS total FROM station.tbNurseCommunicationFile "
                                      "WHERE IDNum = ? AND DepartmentID = ? AND COALESCE(RecordStatus, '') = ''"),
                       {a.text(QStringLiteral("IDNUM")).trimmed(), a.text(QStringLiteral("DEPARTMENTID")).trimmed()});
    }}};

const ProcedureRegistration loadDischargeNoticePatient{{
    QStringLiteral("Pharma_LoadDischargeNoticePatient"),
    {text("@IDNum", 20), text("@DepartmentID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral(
                           "SELECT m.LastName AS LastName, m.FirstName AS FirstName, m.MiddleName AS MiddleName, "
                           "p.HospNum AS HospNum, n.IDNum AS IDNum, p.AdmDate AS AdmDate, "
                           "COALESCE(d.LastName, '') || ', ' || COALESCE(d.FirstName, '') AS Doctor, p.RoomID AS RoomID, "
                           "n.NoticeDate AS NoticeDate, n.OrderedDate AS OrderedDate, n.DischargeNurse AS DischargeNurse, "
                           "n.Remarks AS Remarks, n.UserID AS UserID, n.ClearDate AS ClearDate, n.ClearRemarks AS ClearRemarks "
                           "FROM patient_data.tbDischargeNotice n "
                           "LEFT JOIN patient_data.tbPatient p ON p.IDNum = n.IDNum "
                           "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                           "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = p.DoctorID "
                           "WHERE n.IDNum = ? AND n.DepartmentID = ?"),
                       {a.text(QStringLiteral("IDNUM")).trimmed(), a.text(QStringLiteral("DEPARTMENTID")).trimmed()});
    }}};

// Records the department's clearance on the admission's open notice. Without an open notice
// there is nothing to clear: the call fails rather than let a clearance be reported that was
// never recorded.
const ProcedureRegistration clearPatientForDischarge{{
    QStringLiteral("Pharma_ClearPatientForDischarge"),
    {text("@IDNum", 20), text("@DepartmentID", 10), text("@UserID", 20), text("@Remarks", 255)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString idNum = a.text(QStringLiteral("IDNUM")).trimmed();
        const int cleared = c.execute(QStringLiteral("UPDATE patient_data.tbDischargeNotice SET ClearDate = ?, UserID = ?, "
                                                     "ClearRemarks = ? WHERE IDNum = ? AND DepartmentID = ? AND ClearDate IS NULL"),
                                      {c.serverNow(), a.text(QStringLiteral("USERID")).trimmed(), a.value(QStringLiteral("REMARKS")),
                                       idNum, a.text(QStringLiteral("DEPARTMENTID")).trimmed()});
        if (cleared == 0)
            throw AppError(kDbErrorNumber, QStringLiteral("Pharma_ClearPatientForDischarge"),
                           QStringLiteral("Admission %1 has no open discharge notice to clear.").arg(idNum));
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
