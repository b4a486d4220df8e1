// The employee charge slip: its lines read back with the slip's discount line.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The slip's posted lines, then its discount lines to billing under their revenue codes (a credit,
// so taken off the slip's total).
const ProcedureRegistration getEmployeeChargePrint{{
    QStringLiteral("Pharma_GetChargePrint_New"),
    {text("@strIdNum", 15), text("@strRefNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString idNum = a.text(QStringLiteral("STRIDNUM")).trimmed();
        const QString refNum = a.text(QStringLiteral("STRREFNUM")).trimmed();
        return c.query(QStringLiteral("SELECT UserID, refnum, ItemID, Amount, Quantity, UnitPrice, Discount, DiscountType FROM ("
                                      "SELECT 0 AS part, s.id AS seq, s.UserID AS UserID, s.RefNum AS refnum, s.ItemID AS ItemID, "
                                      "s.Amount AS Amount, s.Quantity AS Quantity, "
                                      "CASE WHEN s.Quantity <> 0 THEN s.Amount / s.Quantity ELSE 0 END AS UnitPrice, "
                                      "COALESCE(s.Discount, 0) AS Discount, COALESCE(s.DiscountRevenueID, '') AS DiscountType "
                                      "FROM tbInvStockCard s WHERE s.IdNum = ? AND s.RefNum = ? AND s.SummaryCode = 'PH' "
                                      "UNION ALL "
                                      "SELECT 1, b.id, b.UserID, b.RefNum, b.RevenueID, -b.Amount, b.Quantity, -b.Amount, 0, '' "
                                      "FROM billing.tbBillCharges b WHERE b.IDNum = ? AND b.RefNum = ? AND b.DrCr = 'C' "
                                      "AND COALESCE(b.ItemID, '') = '') lines ORDER BY part, seq"),
                       {idNum, refNum, idNum, refNum});
    }}};

} // namespace
} // namespace qx::hospitaldb
