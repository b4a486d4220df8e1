// Procedures of a paid official receipt: its lines with what is left to credit, and a "CM" line per
// credit advise made against it.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

const QStringList kReceiptDetailColumns = {
    QStringLiteral("TransDate"), QStringLiteral("refnum"),      QStringLiteral("Code"),
    QStringLiteral("Product Description"), QStringLiteral("UnitPrice"), QStringLiteral("Quantity"),
    QStringLiteral("Balance"),   QStringLiteral("Amount"),      QStringLiteral("DiscountType"),
    QStringLiteral("Discount"),  QStringLiteral("VatAmount"),   QStringLiteral("VatExempt"),
    QStringLiteral("DiscountRate")};

// The receipt's paid lines of the revenue code (Balance: the quantity no advise has taken back yet),
// then one line per credit advise, its amount negative, so that the amounts add up to what is left
// of the receipt. Assessment lines keep no VAT figure of their own: theirs is Null.
const ProcedureRegistration loadORDetails{{
    QStringLiteral("Pharma_LoadORDetails"),
    {text("@ORNumber", 20), text("@RevenueID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString receipt = a.text(QStringLiteral("ORNUMBER"));
        const QString revenue = a.text(QStringLiteral("REVENUEID"));
        const Recordset lines = c.query(
            QStringLiteral("SELECT a.TransDate, a.ORNumber, a.ItemID, COALESCE(i.ItemName, ''), a.UnitPrice, a.Quantity, "
                           "a.Quantity - COALESCE((SELECT SUM(COALESCE(x.Quantity, 0)) FROM billing.tbCashCreditAdvise x "
                           "WHERE x.ORNumber = a.ORNumber AND x.ItemID = a.ItemID), 0), "
                           "a.Amount, a.DiscountType, a.Discount, NULL, a.VATExempt, a.DiscountRate "
                           "FROM billing.tbCashAssessment a LEFT JOIN tbInvMaster i ON i.ItemID = a.ItemID "
                           "WHERE UPPER(TRIM(a.ORNumber)) = UPPER(TRIM(?)) AND a.RevenueID = ? "
                           "AND COALESCE(a.RecordStatus, '') <> 'R' ORDER BY a.id"),
            {receipt, revenue});
        const Recordset advises = c.query(
            QStringLiteral("SELECT x.TransDate, 'CM ' || COALESCE(x.AdviseNo, ''), x.ItemID, COALESCE(i.ItemName, ''), "
                           "x.UnitPrice, x.Quantity, 0, -COALESCE(x.Amount, 0), x.DiscountType, x.DiscountAmount, "
                           "x.VATAmount, x.VATExempt, x.DiscountRate "
                           "FROM billing.tbCashCreditAdvise x LEFT JOIN tbInvMaster i ON i.ItemID = x.ItemID "
                           "WHERE UPPER(TRIM(x.ORNumber)) = UPPER(TRIM(?)) ORDER BY x.id"),
            {receipt});
        QVector<QVariantList> rows;
        for (const Recordset* part : {&lines, &advises})
            for (int i = 0; i < part->recordCount(); ++i)
                rows << part->row(i);
        return Recordset(kReceiptDetailColumns, rows);
    }}};

} // namespace
} // namespace qx::hospitaldb
