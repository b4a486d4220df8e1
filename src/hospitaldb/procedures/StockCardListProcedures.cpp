// The stock-card inquiry's lists: one item's lines at one location over whole days, oldest or
// newest first, with the 17 columns the inquiry and the printed stock cards show.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"

#include <QDate>

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// A day as the inquiry sends it ("mm/dd/yyyy") or as a report hands a date value.
QDate stockCardDay(const ProcArgs& a, const char* name, const QString& procedure) {
    const QVariant raw = a.value(QString::fromLatin1(name));
    if (raw.typeId() == QMetaType::QDate || raw.typeId() == QMetaType::QDateTime)
        return raw.toDate();
    const QString value = raw.toString().trimmed();
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "yyyy-MM-dd"}) {
        const QDate day = QDate::fromString(value.left(10), QString::fromLatin1(format));
        if (day.isValid())
            return day;
    }
    const QDateTime when = parseDbDateTime(value);
    if (when.isValid())
        return when.date();
    throw AppError(kDbErrorNumber, procedure,
                   QStringLiteral("Conversion failed when converting date from character string '%1'.").arg(value));
}

// Issues ('PH') go out, everything else comes in; the balance is the one the line carries.
const char* const kStockCardListSql = R"(
SELECT s.TransDate,
       COALESCE(s.AcctNum, s.HospNum, '') AS Account,
       COALESCE(s.RequestByID, '') AS EmployeeNo,
       COALESCE(s.IdNum, '') AS IDNum,
       COALESCE(NULLIF(COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, ''), ', '),
                NULLIF(COALESCE(om.LastName, '') || ', ' || COALESCE(om.FirstName, ''), ', '),
                s.CashName, s.Remarks, '') AS PatientName,
       COALESCE(s.RefNum, '') AS RefNum,
       CASE s.SummaryCode WHEN 'PH' THEN 'ISSUANCE' WHEN 'PC' THEN 'RETURN' WHEN 'RR' THEN 'RECEIVING'
                          ELSE COALESCE(s.SummaryCode, '') END AS TransDescription,
       s.Quantity,
       COALESCE(s.UserID, '') AS Clerk,
       CASE WHEN s.SummaryCode = 'PH' THEN 0 ELSE s.Quantity END AS QtyIn,
       CASE WHEN s.SummaryCode = 'PH' THEN s.Quantity ELSE 0 END AS QtyOut,
       s.Balance,
       COALESCE(s.Amount, 0) AS Amount,
       COALESCE(s.SummaryCode, '') AS SummaryCode,
       COALESCE(s.VerifyID, '') AS CurrentUser,
       CASE WHEN s.SummaryCode = 'RR' THEN COALESCE(s.RefNum, '') ELSE COALESCE(s.CreditMemoNum, '') END AS RRNum,
       COALESCE(s.ReportDate, s.TransDate) AS PostingDate
  FROM tbInvStockCard s
  LEFT OUTER JOIN patient_data.tbPatient p ON p.IDNum = s.IdNum
  LEFT OUTER JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum
  LEFT OUTER JOIN patient_data.tbOutPatient op ON op.IDNum = s.IdNum
  LEFT OUTER JOIN patient_data.tbMaster om ON om.HospNum = op.HospNum
 WHERE s.ItemID = ?
   AND s.LocationID = ?
   AND s.TransDate >= ?
   AND s.TransDate < ?
 ORDER BY s.TransDate %1, s.id %1
)";

ProcedureBody stockCardList(const QString& procedure, const char* order) {
    return [procedure, order](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QDateTime from(stockCardDay(a, "STARTDATE", procedure), QTime(0, 0));
        const QDateTime until(stockCardDay(a, "ENDDATE", procedure).addDays(1), QTime(0, 0));
        return c.query(QString::fromLatin1(kStockCardListSql).arg(QLatin1String(order)),
                       {a.text(QStringLiteral("ITEMID")), a.text(QStringLiteral("LOCATIONID")).trimmed(), from, until});
    };
}

const QVector<ProcParam> kStockCardListParams{text("@LocationID", 10), text("@ItemID", 20), text("@StartDate", 30),
                                              text("@EndDate", 30)};

const ProcedureRegistration newestFirst{
    {QStringLiteral("sp_Inv_StockCardList"), kStockCardListParams, stockCardList(QStringLiteral("sp_Inv_StockCardList"), "DESC")}};
const ProcedureRegistration oldestFirst{{QStringLiteral("sp_Inv_StockCardList_ASC"), kStockCardListParams,
                                         stockCardList(QStringLiteral("sp_Inv_StockCardList_ASC"), "ASC")}};

} // namespace
} // namespace qx::hospitaldb
