// Procedures of unit-dose dispensing: the station's request status and the inventory's record of
// who discontinued a request.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// STATION: every open unit-dose request of the admission for the item takes the status.
const ProcedureRegistration nurseUpdateUnitDose{{
    QStringLiteral("Nurse_UpdateUnitDose"),
    {text("@IDNum", 15), text("@ItemID", 15), text("@RecordStatus", 1)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("UPDATE station.tbNurseUnitDose SET RecordStatus = ? WHERE TRIM(IDNum) = ? "
                                 "AND UPPER(TRIM(ItemID)) = UPPER(?) AND COALESCE(TRIM(RecordStatus), '') <> 'R'"),
                  {a.text(QStringLiteral("RECORDSTATUS")).trimmed(), a.text(QStringLiteral("IDNUM")).trimmed(),
                   a.text(QStringLiteral("ITEMID")).trimmed()});
        return std::nullopt;
    }}};

// INVENTORY: records the status change with the employee and the server's time.
const ProcedureRegistration drugUpdateUnitDose{{
    QStringLiteral("Drug_UpdateUnitDose"),
    {text("@IDNum", 15), text("@ItemID", 15), text("@RecordStatus", 1), text("@EmployeeID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbInvUnitDoseDiscontinue (IDNum, ItemID, RecordStatus, DiscontinuedBy, "
                                 "DiscDate) VALUES (?, ?, ?, ?, ?)"),
                  {a.text(QStringLiteral("IDNUM")).trimmed(), a.text(QStringLiteral("ITEMID")).trimmed(),
                   a.text(QStringLiteral("RECORDSTATUS")).trimmed(), a.text(QStringLiteral("EMPLOYEEID")).trimmed(),
                   c.serverNow()});
        return std::nullopt;
    }}};

// The latest discontinuation of the item for the admission: its date-time and the employee's name
// (the code when the employee has no name on file); no row when it was never discontinued.
const ProcedureRegistration drugDiscontinueInfo{{
    QStringLiteral("Drug_DiscontinueInfo"),
    {text("@IDNum", 15), text("@ItemID", 15)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset rs = c.query(
            QStringLiteral("SELECT d.DiscDate, COALESCE(NULLIF(TRIM(COALESCE(e.FirstName, '') || ' ' || "
                           "COALESCE(e.LastName, '')), ''), d.DiscontinuedBy) AS DiscontinuedBy "
                           "FROM tbInvUnitDoseDiscontinue d "
                           "LEFT JOIN password.tbPasswordMaster e ON e.EmployeeID = d.DiscontinuedBy "
                           "WHERE d.IDNum = ? AND UPPER(d.ItemID) = UPPER(?) "
                           "ORDER BY d.DiscDate DESC, d.DiscontinueID DESC LIMIT 1"),
            {a.text(QStringLiteral("IDNUM")).trimmed(), a.text(QStringLiteral("ITEMID")).trimmed()});
        if (rs.isEmpty())
            return rs;
        return Recordset({QStringLiteral("DiscDate"), QStringLiteral("DiscontinuedBy")},
                         {{parseDbDateTime(rs.value(0)).toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")), rs.value(1)}});
    }}};

} // namespace
} // namespace qx::hospitaldb
