// Procedures of the take-home prescription screen.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The admission's pending take-home lines: each take-home record not yet served or cancelled,
// with the open pharmacy request of its item that carries quantity, dosage and the rest, in
// request order. Both values of the home-medicine flag list the same lines.
const ProcedureRegistration drugListPendingPrescription{{
    QStringLiteral("Drug_ListPendingPrescription"),
    {text("@IDNum", 15), {QStringLiteral("@isHomeMed"), ParamType::Integer}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const Recordset rs = c.query(
            QStringLiteral("SELECT h.ItemID AS \"Drug Code\", r.Dosage AS Dosage, r.Quantity AS Quantity, "
                           "r.Remarks AS Remarks, r.RequestNumber AS RequestNumber, r.UserID AS clsCurrentUser, "
                           "r.RequestDate AS \"Request Date\", r.Amount AS Amount, m.Barcode AS Barcode, "
                           "r.TargetLocationID AS TargetLocationID "
                           "FROM station.tbNurseHomeMeds h "
                           "INNER JOIN station.tbNurseCommunicationFile r ON r.IDNum = h.IdNum AND r.ItemID = h.ItemID "
                           "LEFT JOIN tbInvMaster m ON m.ItemID = h.ItemID "
                           "WHERE h.IdNum = ? AND COALESCE(TRIM(h.RecordStatus), '') = '' "
                           "AND COALESCE(TRIM(r.RecordStatus), '') = '' AND COALESCE(r.DepartmentID, 'PH') = 'PH' "
                           "ORDER BY r.RequestDate, r.RequestNumber, r.id"),
            {a.text(QStringLiteral("IDNUM")).trimmed()});
        // Request dates read alike on both engines.
        QVector<QVariantList> rows;
        const int date = rs.fieldIndex(QStringLiteral("Request Date"));
        for (int i = 0; i < rs.recordCount(); ++i) {
            QVariantList row = rs.row(i);
            row[date] = parseDbDateTime(row[date]);
            rows.push_back(row);
        }
        return Recordset(rs.fieldNames(), rows);
    }}};

} // namespace
} // namespace qx::hospitaldb
