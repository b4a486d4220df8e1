// Procedures behind the charge eligibility checks and the billing discount line.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

const QString kDate = QStringLiteral("MM/dd/yyyy");

using namespace procparams;

// OK 0 when billing has put the admission on cash basis; no row for an unknown admission.
const ProcedureRegistration okeyCharge{{
    QStringLiteral("Pharma_OkeyCharge"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT CASE WHEN CashBasisOnly <> 0 THEN 0 ELSE 1 END AS OK "
                                      "FROM patient_data.tbPatient WHERE IDNum = ?"),
                       {a.text(QStringLiteral("IDNUM")).trimmed()});
    }}};

// A row only for a visit that may be charged on account.
const ProcedureRegistration okeyChargeOPD{{
    QStringLiteral("Pharma_OkeyChargeOPD"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT IDNum FROM patient_data.tbOutPatient WHERE IDNum = ? AND CashBasisOnly = 0"),
                       {a.text(QStringLiteral("IDNUM")).trimmed()});
    }}};

// The day the item was last issued to the patient (Null when never) and the server's day.
const ProcedureRegistration issuedDate{{
    QStringLiteral("Pharma_IssuedDate"),
    {text("@IDNum"), text("@ItemID")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset last = c.query(QStringLiteral("SELECT MAX(TransDate) AS LastIssue FROM tbInvStockCard WHERE IdNum = ? "
                                                "AND ItemID = ? AND SummaryCode = 'PH' AND Quantity > 0"),
                                 {a.text(QStringLiteral("IDNUM")).trimmed(), a.text(QStringLiteral("ITEMID")).trimmed()});
        const QDateTime issued = parseDbDateTime(last.value(0));
        return Recordset({QStringLiteral("DateIssued"), QStringLiteral("DateToday")},
                         {{issued.isValid() ? QVariant(issued.toString(kDate)) : QVariant(),
                           c.serverNow().toString(kDate)}});
    }}};

// One credit (or debit) line on the patient's bill.
const ProcedureRegistration saveChargesDiscount{{
    QStringLiteral("sp_PARS_SaveCharges_Discount"),
    {text("@PATIENTTYPE", 1), text("@IDNUM", 15), text("@HOSPNUM", 15), text("@REFNUM", 15), text("@REVENUEID", 2),
     text("@ITEMID", 15), {QStringLiteral("@QUANTITY"), ParamType::Integer}, {QStringLiteral("@AMOUNT"), ParamType::Double},
     text("@USERID", 10), text("@ROOMID", 10), text("@DRCR", 1), text("@ARCODE", 10), text("@REQUESTDOCID", 15)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO billing.tbBillCharges (PatientType, IDNum, HospNum, RefNum, RevenueID, ItemID, "
                                 "Quantity, Amount, UserID, RoomID, DrCr, ARCode, RequestDocID, TransDate) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {a.text(QStringLiteral("PATIENTTYPE")), a.text(QStringLiteral("IDNUM")), a.text(QStringLiteral("HOSPNUM")),
                   a.text(QStringLiteral("REFNUM")), a.text(QStringLiteral("REVENUEID")), a.text(QStringLiteral("ITEMID")),
                   a.integer(QStringLiteral("QUANTITY")), a.number(QStringLiteral("AMOUNT")),
                   a.text(QStringLiteral("USERID")), a.text(QStringLiteral("ROOMID")), a.text(QStringLiteral("DRCR")),
                   a.text(QStringLiteral("ARCODE")), a.text(QStringLiteral("REQUESTDOCID")), c.serverNow()});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
