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

// The paid pharmacy lines of a receipt, for taking back or replacing, in the order the replacement
// screen lists them (item, name, unit price, quantity, discount, amount, date, assessment, then the
// receipt's doctor, hospital number and admission), each with the receipt number as stored
// (refnum) and its payee (PaymentFrom); none for an unknown or unpaid number.
const ProcedureRegistration getProductToReplace{{
    QStringLiteral("Pharma_GetProductToReplace"),
    {text("@ORNumber", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT a.ItemID, COALESCE(i.ItemName, '') AS ItemName, a.UnitPrice, a.Quantity, "
                                      "a.Discount, a.Amount, a.TransDate, a.RefNum AS AssessmentNum, "
                                      "COALESCE(a.DoctorID, '') AS DoctorID, COALESCE(a.HospNum, '') AS HospNum, "
                                      "COALESCE(a.IDNum, '') AS IDNum, a.ORNumber AS refnum, a.Name AS PaymentFrom "
                                      "FROM billing.tbCashAssessment a LEFT JOIN tbInvMaster i ON i.ItemID = a.ItemID "
                                      "WHERE UPPER(TRIM(a.ORNumber)) = UPPER(TRIM(?)) AND a.RevenueID = 'PH' "
                                      "AND COALESCE(a.RecordStatus, '') <> 'R' ORDER BY a.id"),
                       {a.text(QStringLiteral("ORNUMBER"))});
    }}};

// One line of a cash credit advise, pending until the cashier posts it (RecordStatus Null).
const ProcedureRegistration saveCMAdvise{{
    QStringLiteral("spCash_SaveCMAdvise"),
    {text("@Code", 10), text("@AdviseNo", 20), text("@ORNumber", 20), text("@Payee", 100), text("@ItemID", 20),
     number("@UnitPrice"), number("@Quantity"), number("@Amount"), text("@UserID", 20), text("@DiscountType", 20),
     number("@DiscountAmount"), number("@VATAmount"), flag("@VATExempt"), number("@DiscountRate"),
     integer("@LineNumber")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const auto t = [&a](const char* name) { return a.text(QString::fromLatin1(name)); };
        const auto n = [&a](const char* name) { return a.number(QString::fromLatin1(name)); };
        c.execute(QStringLiteral("INSERT INTO billing.tbCashCreditAdvise (RevenueID, AdviseNo, ORNumber, Payee, ItemID, "
                                 "UnitPrice, Quantity, Amount, UserID, DiscountType, DiscountAmount, VATAmount, VATExempt, "
                                 "DiscountRate, LineNumber, TransDate) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {t("CODE"), t("ADVISENO").trimmed(), t("ORNUMBER").trimmed(), t("PAYEE"), t("ITEMID").trimmed(),
                   n("UNITPRICE"), n("QUANTITY"), n("AMOUNT"), t("USERID"), t("DISCOUNTTYPE"), n("DISCOUNTAMOUNT"),
                   n("VATAMOUNT"), a.flag(QStringLiteral("VATEXEMPT")) ? 1 : 0, n("DISCOUNTRATE"),
                   a.integer(QStringLiteral("LINENUMBER")), c.serverNow()});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
