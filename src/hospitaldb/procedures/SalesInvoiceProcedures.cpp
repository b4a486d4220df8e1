// Procedures of the stand-alone sales invoices: each cashier's stored sequence and the invoices.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The cashier's stored sequence; a cashier without one starts at 1.
const ProcedureRegistration getSequenceNum{{
    QStringLiteral("sp_Inv_Get_Sequence_Num"),
    {text("@EmployeeCode", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset rs = c.query(QStringLiteral("SELECT SequenceNumber FROM tbInvSISequence WHERE EmployeeCode = TRIM(?)"),
                               {a.text(QStringLiteral("EMPLOYEECODE"))});
        if (rs.isEmpty())
            return Recordset({QStringLiteral("SequenceNumber")}, {{qint64(1)}});
        return rs;
    }}};

// Stores the number just used as the cashier's sequence.
const ProcedureRegistration saveSequenceNum{{
    QStringLiteral("sp_Inv_Save_Update_Sequence_Num"),
    {text("@EmployeeCode", 20), text("@SequenceNumber", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbInvSISequence (EmployeeCode, SequenceNumber) VALUES (TRIM(?), ?) "
                                 "ON CONFLICT (EmployeeCode) DO UPDATE SET SequenceNumber = excluded.SequenceNumber"),
                  {a.text(QStringLiteral("EMPLOYEECODE")), a.text(QStringLiteral("SEQUENCENUMBER")).trimmed().toLongLong()});
        return std::nullopt;
    }}};

// Records a sale under its invoice number.
const ProcedureRegistration saveInvoice{{
    QStringLiteral("sp_Inv_SI_Save"),
    {text("@SINumber", 20), text("@Payee", 100), number("@Total"), number("@Discount"), number("@Refund"),
     text("@DiscountType", 50), text("@EmployeeCode", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbInvSalesInvoice (SINumber, Payee, Total, Discount, Refund, DiscountType, "
                                 "EmployeeCode, TransDate) VALUES (TRIM(?), ?, ?, ?, ?, ?, TRIM(?), ?)"),
                  {a.text(QStringLiteral("SINUMBER")), a.text(QStringLiteral("PAYEE")), a.number(QStringLiteral("TOTAL")),
                   a.number(QStringLiteral("DISCOUNT")), a.number(QStringLiteral("REFUND")),
                   a.text(QStringLiteral("DISCOUNTTYPE")), a.text(QStringLiteral("EMPLOYEECODE")), c.serverNow()});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
