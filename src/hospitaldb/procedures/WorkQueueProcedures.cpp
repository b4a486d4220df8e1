// The small work-queue windows' procedures: the day's list of credit-memo lines returned by the
// stations, the package requests of the outside order system with their items and their
// processing, and an out-patient's refill lines.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"

#include <QDate>
#include <cmath>

namespace qx::hospitaldb {
namespace {

using namespace procparams;

const QString kQueuePatientName =
    QStringLiteral("COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || COALESCE(m.MiddleName, '')");

// A day sent as "MM/dd/yyyy" text (or bound as a date); anything else fails as the server's
// conversion does.
QDate queueDay(const QString& procedure, const QString& text) {
    QDate day = QDate::fromString(text.trimmed(), QStringLiteral("MM/dd/yyyy"));
    if (!day.isValid())
        day = QDate::fromString(text.trimmed().left(10), Qt::ISODate);
    if (!day.isValid())
        throw AppError(kDbErrorNumber, procedure,
                       QStringLiteral("Conversion failed when converting date from character string '%1'.").arg(text));
    return day;
}

QDateTime dayStart(const QDate& day) { return QDateTime(day, QTime(0, 0)); }

// @Type 1 the lines not confirmed yet, 2 the confirmed ones, any other every line; returned from
// @StartDate to @EndDate whole days. The search text narrows to a patient's name, an admission,
// a credit memo or a charge slip containing it. Fourteen columns, the credit memo, item code and
// description fourth to sixth.
const ProcedureRegistration creditMemoCommunication{{
    QStringLiteral("Pharma_CreditMemoCommunication"),
    {integer("@Type"), text("@Search", 50), text("@StartDate", 10), text("@EndDate", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString name = QStringLiteral("Pharma_CreditMemoCommunication");
        const QDate from = queueDay(name, a.text(QStringLiteral("STARTDATE")));
        const QDate to = queueDay(name, a.text(QStringLiteral("ENDDATE")));
        QString sql = QStringLiteral(
                          "SELECT r.IdNum AS IDNum, %1 AS PatientName, r.ChargeSlip AS ChargeSlip, r.CreditMemo AS CreditMemo, "
                          "r.ItemID AS ItemID, COALESCE(i.ItemName, '') || ' ' || COALESCE(i.ItemDesc, '') AS Description, "
                          "r.qtyi AS Issued, r.qtyr AS Returned, r.Amount AS Amount, "
                          "CASE WHEN COALESCE(r.RecordStatus, '') = 'C' THEN 'CONFIRMED' ELSE 'UNCONFIRMED' END AS Status, "
                          "r.TransDate AS ReturnedDate, r.UserID AS ReturnedBy, r.ProcessDate AS ConfirmedDate, "
                          "r.ProcessBy AS ConfirmedBy "
                          "FROM tbPharmaCommunication r "
                          "LEFT JOIN patient_data.tbMaster m ON m.HospNum = r.HospNum "
                          "LEFT JOIN tbInvMaster i ON i.ItemID = r.ItemID "
                          "WHERE r.RevenueID = 'PC' AND r.TransDate >= ? AND r.TransDate < ?")
                          .arg(kQueuePatientName);
        QVariantList binds{dayStart(from), dayStart(to.addDays(1))};
        const qint64 type = a.integer(QStringLiteral("TYPE"));
        if (type == 1)
            sql += QStringLiteral(" AND COALESCE(r.RecordStatus, '') = ''");
        else if (type == 2)
            sql += QStringLiteral(" AND r.RecordStatus = 'C'");
        const QString search = a.text(QStringLiteral("SEARCH")).trimmed();
        if (!search.isEmpty()) {
            sql += QStringLiteral(" AND (UPPER(%1) LIKE UPPER(?) ESCAPE '\\' OR UPPER(r.IdNum) LIKE UPPER(?) ESCAPE '\\' "
                                  "OR UPPER(r.CreditMemo) LIKE UPPER(?) ESCAPE '\\' OR UPPER(r.ChargeSlip) LIKE UPPER(?) ESCAPE '\\')")
                       .arg(kQueuePatientName);
            const QString pattern = likeContaining(search);
            binds << pattern << pattern << pattern << pattern;
        }
        sql += QStringLiteral(" ORDER BY r.TransDate, r.CreditMemo, r.ItemID, r.id");
        return c.query(sql, binds);
    }}};

// The department's package requests of one day: "1" only those still waiting, else all. The
// search text is the start of a charge slip or of the patient's last name.
const ProcedureRegistration kvrsRequestHeader{{
    QStringLiteral("Pharma_GetKVRSRequest_Header"),
    {text("@RevenueID", 10), text("@Date", 10), text("@Pending", 1), text("@Search", 50)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QDate day = queueDay(QStringLiteral("Pharma_GetKVRSRequest_Header"), a.text(QStringLiteral("DATE")));
        QString sql = QStringLiteral("SELECT r.HospNum AS HospNum, r.IDNum AS IDNum, %1 AS PatientName, "
                                     "COALESCE(r.Company, '') AS Company, r.ChargeSlip AS ChargeSlip "
                                     "FROM tbKVRSPackageRequest r LEFT JOIN patient_data.tbMaster m ON m.HospNum = r.HospNum "
                                     "WHERE r.RevenueID = ? AND r.RequestDate >= ? AND r.RequestDate < ?")
                          .arg(kQueuePatientName);
        QVariantList binds{a.text(QStringLiteral("REVENUEID")).trimmed(), dayStart(day), dayStart(day.addDays(1))};
        if (a.text(QStringLiteral("PENDING")).trimmed() == QLatin1String("1"))
            sql += QStringLiteral(" AND COALESCE(r.RecordStatus, '') = ''");
        const QString search = a.text(QStringLiteral("SEARCH")).trimmed();
        if (!search.isEmpty()) {
            sql += QStringLiteral(" AND (UPPER(r.ChargeSlip) LIKE UPPER(?) ESCAPE '\\' "
                                  "OR UPPER(COALESCE(m.LastName, '')) LIKE UPPER(?) ESCAPE '\\')");
            binds << likeStartsWith(search) << likeStartsWith(search);
        }
        sql += QStringLiteral(" ORDER BY r.RequestDate, r.ChargeSlip");
        return c.query(sql, binds);
    }}};

// The items of one request; with "1" nothing once the request is processed.
const ProcedureRegistration kvrsRequestDetails{{
    QStringLiteral("Pharma_GetKVRSRequest_Details"),
    {text("@ChargeSlip", 20), text("@Pending", 1)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        QString sql = QStringLiteral("SELECT i.ChargeSlip AS ChargeSlip, i.ItemID AS ItemID, "
                                     "COALESCE(im.ItemName, '') || ' ' || COALESCE(im.ItemDesc, '') AS ItemName, "
                                     "i.Quantity AS Quantity, i.Amount AS Amount, COALESCE(i.Status, '') AS Status "
                                     "FROM tbKVRSPackageRequestItem i JOIN tbKVRSPackageRequest r ON r.ChargeSlip = i.ChargeSlip "
                                     "LEFT JOIN tbInvMaster im ON im.ItemID = i.ItemID WHERE i.ChargeSlip = ?");
        if (a.text(QStringLiteral("PENDING")).trimmed() == QLatin1String("1"))
            sql += QStringLiteral(" AND COALESCE(r.RecordStatus, '') = ''");
        sql += QStringLiteral(" ORDER BY i.id");
        return c.query(sql, {a.text(QStringLiteral("CHARGESLIP")).trimmed()});
    }}};

// Marks a waiting request and its items processed by the user. Only a request still waiting is
// taken, in one conditional statement, so two workstations never process one request twice; the
// one row's Processed says whether this call took it.
const ProcedureRegistration kvrsRequestProcess{{
    QStringLiteral("Pharma_GetKVRSRequest_Process"),
    {text("@ChargeSlip", 20), text("@UserID", 20), text("@RevenueID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString slip = a.text(QStringLiteral("CHARGESLIP")).trimmed();
        const int taken = c.execute(QStringLiteral("UPDATE tbKVRSPackageRequest SET RecordStatus = 'P', ProcessBy = ?, ProcessDate = ? "
                                                   "WHERE ChargeSlip = ? AND RevenueID = ? AND COALESCE(RecordStatus, '') = ''"),
                                    {a.text(QStringLiteral("USERID")).trimmed(), c.serverNow(), slip,
                                     a.text(QStringLiteral("REVENUEID")).trimmed()});
        if (taken > 0)
            c.execute(QStringLiteral("UPDATE tbKVRSPackageRequestItem SET Status = 'PROCESSED' WHERE ChargeSlip = ?"), {slip});
        return Recordset({QStringLiteral("Processed")}, {{taken > 0 ? 1 : 0}});
    }}};

// An out-patient's open refill lines with the main pharmacy's stock and out-patient price, the
// amount being the refills at that price to the centavo; the second argument is kept for callers
// that send it and selects nothing more.
const ProcedureRegistration listRefill{{
    QStringLiteral("sp_Pharma_ListRefill"),
    {text("@IDNum", 20), text("@Option", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const Recordset lines = c.query(
            QStringLiteral("SELECT f.ItemID AS ItemID, COALESCE(i.ItemName, '') || ' ' || COALESCE(i.ItemDesc, '') AS Item, "
                           "COALESCE(f.Dosage, '') AS Dosage, COALESCE(f.Quantity, 0) AS Quantity, "
                           "COALESCE(f.QtyDispensed, 0) AS QtyDispensed, COALESCE(v.OnHand, 0) AS OnHand, "
                           "COALESCE(f.ReFill, 0) AS ReFill, COALESCE(v.SellingPriceOut, 0) AS Price, "
                           "COALESCE(f.Remarks, '') AS Remarks "
                           "FROM tbPharmaRefill f LEFT JOIN tbInvMaster i ON i.ItemID = f.ItemID "
                           "LEFT JOIN tbInvent v ON v.ItemID = f.ItemID AND v.LocationID = '20' "
                           "WHERE f.IdNum = ? AND COALESCE(f.RecordStatus, '') = '' ORDER BY f.id"),
            {a.text(QStringLiteral("IDNUM")).trimmed()});
        QVector<QVariantList> rows;
        rows.reserve(lines.recordCount());
        for (int r = 0; r < lines.recordCount(); ++r) {
            QVariantList row = lines.row(r);
            const double amount = lines.valueAt(r, QStringLiteral("ReFill")).toDouble() *
                                  lines.valueAt(r, QStringLiteral("Price")).toDouble();
            row.insert(8, std::round(amount * 100.0) / 100.0);
            rows << row;
        }
        QStringList names = lines.fieldNames();
        names.insert(8, QStringLiteral("Amount"));
        return Recordset(names, rows);
    }}};

} // namespace
} // namespace qx::hospitaldb
