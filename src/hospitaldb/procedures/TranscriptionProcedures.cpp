// Procedures of the pharmacy's transcription notes: the admitted patients with lines waiting, and
// the revocation of one line.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// A line waits while no status is set and no stock-card line serves its request number.
const QString kWaitingLine = QStringLiteral(
    "COALESCE(TRIM(t.RecordStatus), '') = '' "
    "AND NOT EXISTS (SELECT 1 FROM tbInvStockCard k WHERE k.RequestNumber = t.RequestNum)");

// One row per admitted patient with waiting lines of the revenue: 0 hospital number, 1 admission,
// 2 name, 3 room, 4 station, 5 station id, 6 date billed, 7 requested by, 8 address. Order 1 sorts
// by name, any other by the first request.
const ProcedureRegistration patientTranscription{{
    QStringLiteral("Pharma_PatientTranscription"),
    {text("@RevenueID", 2), integer("@Order")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString order = a.integer(QStringLiteral("ORDER")) == 1 ? QStringLiteral("3, 2") : QStringLiteral("MIN(t.id)");
        return c.query(
            QStringLiteral(
                "SELECT MAX(s.HospNum) AS HospNum, t.IdNum AS IDNum, "
                "MAX(COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || COALESCE(m.MiddleName, '')) "
                "AS PatientName, MAX(COALESCE(s.RoomID, '')) AS RoomID, MAX(COALESCE(st.Station, '')) AS Station, "
                "MAX(COALESCE(r.StationID, '')) AS StationID, MAX(s.BillingDate) AS BillingDate, "
                "MAX(COALESCE(t.RequestedBy, '')) AS RequestedBy, MAX(COALESCE(m.Address, '')) AS Address "
                "FROM tbPharmaTranscription t INNER JOIN patient_data.tbPatient s ON s.IDNum = t.IdNum "
                "INNER JOIN patient_data.tbMaster m ON m.HospNum = s.HospNum "
                "LEFT JOIN build_file.tbCoRoom r ON r.RoomID = s.RoomID "
                "LEFT JOIN build_file.tbCoStation st ON st.StationID = r.StationID "
                "WHERE t.RevenueID = TRIM(?) AND %1 GROUP BY t.IdNum ORDER BY %2")
                .arg(kWaitingLine, order),
            {a.text(QStringLiteral("REVENUEID"))});
    }}};

// Marks a waiting line revoked ('R'); a line already served or revoked is left as it is.
const ProcedureRegistration revokeTranscription{{
    QStringLiteral("Drug_RevokTranscription"),
    {text("@RequestNum", 20), text("@EmployeeCode", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("UPDATE tbPharmaTranscription SET RecordStatus = 'R' "
                                 "WHERE id IN (SELECT t.id FROM tbPharmaTranscription t WHERE t.RequestNum = TRIM(?) AND %1)")
                      .arg(kWaitingLine),
                  {a.text(QStringLiteral("REQUESTNUM"))});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
