// Procedures of the stand-alone sales invoices: each cashier's stored sequence and the invoices.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"

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


// The invoice lists leave cancelled invoices out; columns by position: number, payee, total,
// discount, date.
const QString kInvoiceListColumns = QStringLiteral(
    "SELECT SINumber, Payee, Total, Discount, TransDate FROM tbInvSalesInvoice WHERE Cancelled = 0 ");

// The cashier's open invoices, newest number first.
const ProcedureRegistration listInvoices{{
    QStringLiteral("sp_Inv_SI_List"),
    {text("@EmployeeCode", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(kInvoiceListColumns + QStringLiteral("AND EmployeeCode = TRIM(?) ORDER BY SINumber DESC"),
                       {a.text(QStringLiteral("EMPLOYEECODE"))});
    }}};

// Open invoices of any cashier whose number or payee holds the text.
const ProcedureRegistration searchInvoices{{
    QStringLiteral("sp_Inv_SI_Search"),
    {text("@Search", 100)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString pattern = likeContaining(a.text(QStringLiteral("SEARCH")).trimmed());
        return c.query(kInvoiceListColumns +
                           QStringLiteral("AND (UPPER(SINumber) LIKE UPPER(?) ESCAPE '\\' "
                                          "OR UPPER(COALESCE(Payee, '')) LIKE UPPER(?) ESCAPE '\\') "
                                          "ORDER BY SINumber DESC"),
                       {pattern, pattern});
    }}};

// The item lines of an open invoice, in posting order: code, description, quantity, amount,
// discount, and the location the sale posted at (where a reversal posts).
const ProcedureRegistration invoiceDetails{{
    QStringLiteral("sp_Inv_SI_Get_Details"),
    {text("@SINumber", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(
            QStringLiteral("SELECT s.ItemID, TRIM(COALESCE(m.ItemName, '') || ' ' || COALESCE(m.ItemDesc, '')) AS Description, "
                           "s.Quantity, s.Amount, COALESCE(s.Discount, 0) AS Discount, s.LocationID "
                           "FROM tbInvSalesInvoice i JOIN tbInvStockCard s ON s.RefNum = i.SINumber "
                           "LEFT JOIN tbInvMaster m ON m.ItemID = s.ItemID "
                           "WHERE i.SINumber = TRIM(?) AND i.Cancelled = 0 AND s.SummaryCode = 'PH' AND s.Quantity > 0 "
                           "ORDER BY s.id"),
            {a.text(QStringLiteral("SINUMBER"))});
    }}};

// Marks an open invoice cancelled. An invoice already cancelled, or unknown, is refused, so that
// of two workstations cancelling at once only one commits its reversal.
const ProcedureRegistration cancelInvoice{{
    QStringLiteral("sp_Inv_SI_Cancel"),
    {text("@SINumber", 20), text("@CancelledBy", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString number = a.text(QStringLiteral("SINUMBER")).trimmed();
        const qint64 changed = c.execute(
            QStringLiteral("UPDATE tbInvSalesInvoice SET Cancelled = 1, CancelledBy = ?, CancelledDate = ? "
                           "WHERE SINumber = ? AND Cancelled = 0"),
            {a.text(QStringLiteral("CANCELLEDBY")).trimmed(), c.serverNow(), number});
        if (changed == 1)
            return std::nullopt;
        const bool known = !c.query(QStringLiteral("SELECT 1 FROM tbInvSalesInvoice WHERE SINumber = ?"), {number}).isEmpty();
        throw AppError(kDbErrorNumber, QStringLiteral("sp_Inv_SI_Cancel"),
                       known ? QStringLiteral("Sales invoice %1 is already cancelled.").arg(number)
                             : QStringLiteral("Sales invoice %1 was not found.").arg(number));
    }}};

} // namespace
} // namespace qx::hospitaldb
