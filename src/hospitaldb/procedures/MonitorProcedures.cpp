// The questions the main window's timers ask: open nursing-station requests of each kind with
// their counts, open package requests of a day, returned medicines awaiting confirmation,
// expiring drugs and the open discharge notices. Each poll reads one partial or ordinary index.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"

#include <QDate>

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The open lines of a department's requests of one kind: in-patients, out-patients, or the
// out-patients seen at the emergency room. Where the hospital lists E.R. patients apart, the
// out-patients' lines leave theirs to the E.R. kind.
enum class RequestKind { In, Out, ER };

bool emergencyListedApart(Connection& c) {
    const Recordset rs = c.query(QStringLiteral("SELECT COALESCE(MAX(isSeparateER), 0) AS SeparateER FROM tbHospitalInfo"));
    return !rs.isEmpty() && rs.value(QStringLiteral("SeparateER")).toLongLong() != 0;
}

QString openRequests(Connection& c, RequestKind kind) {
    QString sql = QStringLiteral("FROM station.tbNurseCommunicationFile r WHERE r.DepartmentID = ? AND r.InOut = '%1' "
                                 "AND COALESCE(r.RecordStatus, '') = ''")
                      .arg(kind == RequestKind::In ? QLatin1Char('I') : QLatin1Char('O'));
    // The visit is looked up line by line (a scalar subquery, never turned into a join): the open
    // lines are few, while the emergency visits of all time only grow.
    const QString emergencyVisit = QStringLiteral(
        "COALESCE((SELECT p.ERNum FROM patient_data.tbOutPatient p WHERE p.IDNum = r.IDNum), 0) <> 0");
    if (kind == RequestKind::ER)
        sql += QStringLiteral(" AND ") + emergencyVisit;
    else if (kind == RequestKind::Out && emergencyListedApart(c))
        sql += QStringLiteral(" AND NOT ") + emergencyVisit;
    return sql;
}

ProcedureBody checkRequests(RequestKind kind) {
    return [kind](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT r.IDNum ") + openRequests(c, kind) + QStringLiteral(" LIMIT 1"),
                       {a.text(QStringLiteral("DEPARTMENTID")).trimmed()});
    };
}

// The badge counts the patients whose requests wait, as the work list shows them.
ProcedureBody countRequests(RequestKind kind) {
    return [kind](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT COUNT(DISTINCT r.IDNum) AS reqCount ") + openRequests(c, kind),
                       {a.text(QStringLiteral("DEPARTMENTID")).trimmed()});
    };
}

const ProcedureRegistration checkIn{{QStringLiteral("PharmaCsr_Check_Communication_In"), {text("@DepartmentID", 10)},
                                     checkRequests(RequestKind::In)}};
const ProcedureRegistration checkOut{{QStringLiteral("PharmaCsr_Check_Communication_Out"), {text("@DepartmentID", 10)},
                                      checkRequests(RequestKind::Out)}};
const ProcedureRegistration checkER{{QStringLiteral("PharmaCsr_Check_Communication_Out_ER"),
                                     {text("@DepartmentID", 10)}, checkRequests(RequestKind::ER)}};
const ProcedureRegistration countIn{{QStringLiteral("PharmaCsr_Check_Communication_In_Count"),
                                     {text("@DepartmentID", 10)}, countRequests(RequestKind::In)}};
const ProcedureRegistration countOut{{QStringLiteral("PharmaCsr_Check_Communication_Out_Count"),
                                      {text("@DepartmentID", 10)}, countRequests(RequestKind::Out)}};
const ProcedureRegistration countER{{QStringLiteral("PharmaCsr_Check_Communication_Out_Count_ER"),
                                     {text("@DepartmentID", 10)}, countRequests(RequestKind::ER)}};

// An open package request of the outside order system for the department on that day
// ("MM/dd/yyyy").
const ProcedureRegistration checkKVRSRequest{{
    QStringLiteral("Pharma_CheckKVRSRequest"),
    {text("@RevenueID", 10), text("@Date", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString text = a.text(QStringLiteral("DATE")).trimmed();
        const QDate day = QDate::fromString(text, QStringLiteral("MM/dd/yyyy"));
        if (!day.isValid())
            throw AppError(kDbErrorNumber, QStringLiteral("Pharma_CheckKVRSRequest"),
                           QStringLiteral("Conversion failed when converting date from character string '%1'.").arg(text));
        return c.query(QStringLiteral("SELECT ChargeSlip FROM tbKVRSPackageRequest WHERE RevenueID = ? "
                                      "AND RequestDate >= ? AND RequestDate < ? AND COALESCE(RecordStatus, '') = '' LIMIT 1"),
                       {a.text(QStringLiteral("REVENUEID")).trimmed(), QDateTime(day, QTime(0, 0)),
                        QDateTime(day.addDays(1), QTime(0, 0))});
    }}};

// One row per station return not confirmed yet (its lines share the credit memo).
const ProcedureRegistration confirmReturnMeds{{
    QStringLiteral("Pharma_ConfirmReturnMeds"),
    {},
    [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT CreditMemo, MAX(IdNum) AS IDNum, COUNT(*) AS Items FROM tbPharmaCommunication "
                                      "WHERE RevenueID = 'PC' AND COALESCE(RecordStatus, '') = '' GROUP BY CreditMemo"));
    }}};

// Drugs of the main pharmacy on hand whose expiry falls within the next 90 days, or has passed.
const ProcedureRegistration expiringDrugs{{
    QStringLiteral("sp_inv_PharmaExpiringDrugs"),
    {},
    [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        const QDateTime limit(c.serverNow().date().addDays(91), QTime(0, 0));
        return c.query(QStringLiteral("SELECT v.ItemID, COALESCE(m.ItemName, '') || ' ' || COALESCE(m.ItemDesc, '') AS ItemName, "
                                      "v.OnHand, v.MacExpiry AS ExpiryDate FROM tbInvent v "
                                      "LEFT JOIN tbInvMaster m ON m.ItemID = v.ItemID "
                                      "WHERE v.LocationID = '20' AND v.MacExpiry < ? AND v.OnHand > 0 "
                                      "ORDER BY v.MacExpiry, v.ItemID"),
                       {limit});
    }}};

const ProcedureRegistration dischargeNoticeCount{{
    QStringLiteral("Pharma_LoadDischargeNoticeCount"),
    {text("@DepartmentID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT COUNT(*) AS RecCount FROM patient_data.tbDischargeNotice "
                                      "WHERE DepartmentID = ? AND ClearDate IS NULL"),
                       {a.text(QStringLiteral("DEPARTMENTID")).trimmed()});
    }}};

// The admission's discharge notices of any department still waiting for their clearance. A
// notice the pharmacy cleared no longer warns: the patient is then told as already cleared.
const ProcedureRegistration dischargeNoticeWarning{{
    QStringLiteral("Pharma_LoadDischargeNoticeWarning"),
    {text("@IDNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT IDNum, DepartmentID, NoticeDate FROM patient_data.tbDischargeNotice "
                                      "WHERE IDNum = ? AND ClearDate IS NULL"),
                       {a.text(QStringLiteral("IDNUM")).trimmed()});
    }}};

} // namespace
} // namespace qx::hospitaldb
