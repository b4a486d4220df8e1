// Procedures of the print staging: charge-slip lines, their preview ("dump") rows, credit-memo
// lines and the cash-sale receipt rows, each keyed by an employee code or a workstation id, the
// patient and the slip; and the read-back of a slip's or memo's posted lines for a reprint.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

QString t(const ProcArgs& a, const char* name) { return a.text(QString::fromLatin1(name)); }
double n(const ProcArgs& a, const char* name) { return a.number(QString::fromLatin1(name)); }

// The three values every erase takes: key, patient, slip.
const QVector<ProcParam> kKeyPatientSlip{text("@strUserID", 20), text("@strIdNum", 15), text("@strRefNum", 20)};

ProcedureBody eraseFrom(const char* table) {
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE UserID = ? AND IdNum = ? AND RefNum = ?").arg(QLatin1String(table));
    return [sql](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(sql, {t(a, "STRUSERID").trimmed(), t(a, "STRIDNUM").trimmed(), t(a, "STRREFNUM").trimmed()});
        return std::nullopt;
    };
}

const ProcedureRegistration eraseCharge{{QStringLiteral("Pharma_EraseCharge"), kKeyPatientSlip,
                                         eraseFrom("tbPharmaChargePrint")}};

const ProcedureRegistration eraseChargeDump{{QStringLiteral("Pharma_EraseCharge_Dump"), kKeyPatientSlip,
                                             eraseFrom("tbPharmaChargePrintDump")}};

const ProcedureRegistration appendCharge{{
    QStringLiteral("Pharma_AppendCharge"),
    {text("@strUserID", 20), text("@strRefNum", 20), text("@strDescription", 200),
     typed("@intQuantity", ParamType::Double), typed("@monAmount", ParamType::Double), text("@strIdNum", 15),
     text("@strItemID", 15), typed("@monUnitPrice", ParamType::Double), typed("@monDiscount", ParamType::Double),
     text("@DiscountType", 20), text("@Dosage", 50), text("@Nurse", 100), text("@SCNumber", 20),
     typed("@DiscountPercentage", ParamType::Double), typed("@isVATExempt", ParamType::Flag),
     typed("@TaxableAmount", ParamType::Double), typed("@VATAmount", ParamType::Double),
     typed("@OrigUnitPrice", ParamType::Double), typed("@NetAmount", ParamType::Double)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbPharmaChargePrint (UserID, RefNum, Description, Quantity, Amount, IdNum, "
                                 "ItemID, UnitPrice, Discount, DiscountType, Dosage, Nurse, SCNumber, DiscountPercentage, "
                                 "IsVATExempt, TaxableAmount, VATAmount, OrigUnitPrice, NetAmount) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {t(a, "STRUSERID").trimmed(), t(a, "STRREFNUM").trimmed(), t(a, "STRDESCRIPTION"),
                   n(a, "INTQUANTITY"), n(a, "MONAMOUNT"), t(a, "STRIDNUM").trimmed(), t(a, "STRITEMID").trimmed(),
                   n(a, "MONUNITPRICE"), n(a, "MONDISCOUNT"), t(a, "DISCOUNTTYPE"), t(a, "DOSAGE"), t(a, "NURSE"),
                   t(a, "SCNUMBER"), n(a, "DISCOUNTPERCENTAGE"), a.flag(QStringLiteral("ISVATEXEMPT")) ? 1 : 0,
                   n(a, "TAXABLEAMOUNT"), n(a, "VATAMOUNT"), n(a, "ORIGUNITPRICE"), n(a, "NETAMOUNT")});
        return std::nullopt;
    }}};

const ProcedureRegistration appendChargeDump{{
    QStringLiteral("Pharma_AppendCharge_dump"),
    {text("@strUserID", 20), text("@strRefNum", 20), text("@strDescription", 200),
     typed("@intQuantity", ParamType::Double), typed("@monAmount", ParamType::Double), text("@strIdNum", 15),
     text("@strItemID", 15), typed("@monUnitPrice", ParamType::Double), typed("@monDiscount", ParamType::Double),
     typed("@DiscountPercentage", ParamType::Double), text("@DiscountType", 20), text("@Nurse", 100),
     text("@SCNumber", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbPharmaChargePrintDump (UserID, RefNum, Description, Quantity, Amount, IdNum, "
                                 "ItemID, UnitPrice, Discount, DiscountPercentage, DiscountType, Nurse, SCNumber) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {t(a, "STRUSERID").trimmed(), t(a, "STRREFNUM").trimmed(), t(a, "STRDESCRIPTION"),
                   n(a, "INTQUANTITY"), n(a, "MONAMOUNT"), t(a, "STRIDNUM").trimmed(), t(a, "STRITEMID").trimmed(),
                   n(a, "MONUNITPRICE"), n(a, "MONDISCOUNT"), n(a, "DISCOUNTPERCENTAGE"), t(a, "DISCOUNTTYPE"),
                   t(a, "NURSE"), t(a, "SCNUMBER")});
        return std::nullopt;
    }}};

// The posting employee's name as the slips print it.
const QString kEncoder = QStringLiteral("COALESCE((SELECT TRIM(COALESCE(p.FirstName, '') || ' ' || COALESCE(p.LastName, '')) "
                                        "FROM password.tbPasswordMaster p WHERE p.EmployeeID = s.UserID), '')");

// The dispenser who issued the line, by name.
const QString kDispenser = QStringLiteral("COALESCE((SELECT TRIM(COALESCE(p.FirstName, '') || ' ' || COALESCE(p.LastName, '')) "
                                          "FROM password.tbPasswordMaster p "
                                          "WHERE p.EmployeeID = CAST(CAST(s.DispenserCode AS INTEGER) AS TEXT)), '')");

// A reprint restages from what was posted, not from earlier staging rows.
const ProcedureRegistration getChargePrint{{
    QStringLiteral("Pharma_GetChargePrint"),
    {text("@strIdNum", 15), text("@strRefNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT s.UserID AS UserID, %2 AS DispenserName, %1 AS Encoder, s.TransDate AS DateTrans, "
                                      "s.RefNum AS refnum, s.ItemID AS ItemID, s.IdNum AS IDNum, s.Quantity AS Quantity, "
                                      "s.Amount AS Amount, s.DosageID AS DosageID, "
                                      "CASE WHEN s.Quantity <> 0 THEN s.Amount / s.Quantity ELSE 0 END AS UnitPrice, "
                                      "COALESCE(s.Discount, 0) AS Discount, COALESCE(s.DiscountRevenueID, '') AS DiscountType "
                                      "FROM tbInvStockCard s WHERE s.IdNum = ? AND s.RefNum = ? AND s.SummaryCode = 'PH' "
                                      "ORDER BY s.TransDate, s.id")
                           .arg(kEncoder, kDispenser),
                       {t(a, "STRIDNUM").trimmed(), t(a, "STRREFNUM").trimmed()});
    }}};

const ProcedureRegistration getCMPrint{{
    QStringLiteral("Pharma_GetCMPrint"),
    {text("@strIdNum", 15), text("@strRefNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT s.UserID AS UserID, %2 AS DispenserName, %1 AS Encoder, s.ItemID AS ItemID, "
                                      "s.IdNum AS IDNum, s.Quantity AS Quantity, s.Amount AS Amount, "
                                      "s.CreditMemoNum AS refnum, s.RefNum AS ChargeSlip "
                                      "FROM tbInvStockCard s WHERE s.IdNum = ? AND s.CreditMemoNum = ? "
                                      "ORDER BY s.TransDate, s.id")
                           .arg(kEncoder, kDispenser),
                       {t(a, "STRIDNUM").trimmed(), t(a, "STRREFNUM").trimmed()});
    }}};

const ProcedureRegistration eraseCM{{
    QStringLiteral("Pharma_EraseCM"),
    {text("@strID", 10), text("@strIdNum", 10), text("@strRefNum", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("DELETE FROM tbPharmaCMPrint WHERE UserID = ? AND IdNum = ? AND RefNum = ?"),
                  {t(a, "STRID").trimmed(), t(a, "STRIDNUM").trimmed(), t(a, "STRREFNUM").trimmed()});
        return std::nullopt;
    }}};

const ProcedureRegistration appendCM{{
    QStringLiteral("Pharma_AppendCM"),
    {text("@strUserID", 10), text("@strRefNum", 10), text("@strDescription", 90),
     typed("@intQuantity", ParamType::Double), typed("@monQuantity", ParamType::Money), text("@strChargeSlip", 30),
     typed("@intQtyIssued", ParamType::Integer), text("@strIdNum", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbPharmaCMPrint (UserID, RefNum, Description, Quantity, Amount, ChargeSlip, "
                                 "QtyIssued, IdNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {t(a, "STRUSERID").trimmed(), t(a, "STRREFNUM").trimmed(), t(a, "STRDESCRIPTION"),
                   n(a, "INTQUANTITY"), n(a, "MONQUANTITY"), t(a, "STRCHARGESLIP").trimmed(),
                   a.integer(QStringLiteral("INTQTYISSUED")), t(a, "STRIDNUM").trimmed()});
        return std::nullopt;
    }}};

const ProcedureRegistration deleteCashPrint{{
    QStringLiteral("Pharma_DeleteCashPrint"),
    {text("@strUserID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("DELETE FROM tbPharmaCashPrint WHERE UserID = ?"), {t(a, "STRUSERID").trimmed()});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
