// The one source of the income reports: each posted issue ('PH') and credit ('PC') of the stock
// card over whole days, of in-patients, out-patients and cash customers, signed so that credits
// subtract, optionally narrowed (location, patient kind, shift, dispenser, company class, cash
// document, discounted or senior lines) and summed by the keys a report asks for. Sums are taken before names are looked up,
// so a range scan reads only the covering index of the stock card.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"

#include <QDate>

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// A key a report may sum or order by: its name in @SumBy / @OrderBy, the stock-card expressions
// it stands for, and the value each output column takes when the key is summed away.
struct IncomeKey {
    const char* name;
    QStringList expressions;  // one per output column
    QStringList columns;
    QStringList blanks;
};

// A credit subtracts; each line on its own, or summed by the kept keys.
const char* const kLineMeasures =
    "CASE WHEN s.SummaryCode = 'PH' THEN s.Quantity ELSE -s.Quantity END AS Quantity, "
    "CASE WHEN s.SummaryCode = 'PH' THEN COALESCE(s.Amount, 0) ELSE -COALESCE(s.Amount, 0) END AS Amount, "
    "CASE WHEN s.SummaryCode = 'PH' THEN COALESCE(s.Discount, 0) ELSE -COALESCE(s.Discount, 0) END AS Discount, "
    "CASE WHEN s.SummaryCode = 'PH' THEN COALESCE(s.VATAmount, 0) ELSE -COALESCE(s.VATAmount, 0) END AS VAT, "
    "1 AS Lines, s.TransDate AS TransDate";
const char* const kSummedMeasures =
    "SUM(CASE WHEN s.SummaryCode = 'PH' THEN s.Quantity ELSE -s.Quantity END) AS Quantity, "
    "SUM(CASE WHEN s.SummaryCode = 'PH' THEN COALESCE(s.Amount, 0) ELSE -COALESCE(s.Amount, 0) END) AS Amount, "
    "SUM(CASE WHEN s.SummaryCode = 'PH' THEN COALESCE(s.Discount, 0) ELSE -COALESCE(s.Discount, 0) END) AS Discount, "
    "SUM(CASE WHEN s.SummaryCode = 'PH' THEN COALESCE(s.VATAmount, 0) ELSE -COALESCE(s.VATAmount, 0) END) AS VAT, "
    "COUNT(*) AS Lines, MIN(s.TransDate) AS TransDate";

const char* const kCashDocument = "CASE WHEN s.InOut <> 'C' THEN 'CS' WHEN s.RefNum LIKE 'SI%' THEN 'SI' ELSE 'OR' END";

const QList<IncomeKey>& incomeKeys(bool sqlite) {
    static const QList<IncomeKey> sqliteKeys = [] {
        QList<IncomeKey> keys{
            {"Kind", {"s.InOut"}, {"PatientKind"}, {"''"}},
            {"Day", {"substr(s.TransDate, 1, 10)"}, {"ReportDay"}, {"NULL"}},
            {"Shift", {"COALESCE(s.Shift, 0)"}, {"Shift"}, {"0"}},
            {"Location", {"COALESCE(s.LocationID, '')"}, {"LocationID"}, {"''"}},
            {"Company", {"COALESCE(s.AcctNum, '')"}, {"AcctNum"}, {"''"}},
            {"Dispenser", {"COALESCE(s.UserID, '')"}, {"Dispenser"}, {"''"}},
            {"Revenue", {"COALESCE(s.RevenueID, '')"}, {"RevenueID"}, {"''"}},
            {"Document", {QString::fromLatin1(kCashDocument)}, {"Document"}, {"''"}},
            {"Slip", {"COALESCE(s.RefNum, '')"}, {"RefNum"}, {"''"}},
            {"Patient", {"COALESCE(s.IdNum, '')", "COALESCE(s.CashName, '')"}, {"IdNum", "CashName"}, {"''", "''"}},
            {"Item", {"COALESCE(s.ItemID, '')"}, {"ItemID"}, {"''"}},
        };
        return keys;
    }();
    static const QList<IncomeKey> postgresKeys = [] {
        QList<IncomeKey> keys = sqliteKeys;
        keys[1].expressions = QStringList{QStringLiteral("CAST(s.TransDate AS DATE)")};
        keys[1].blanks = QStringList{QStringLiteral("CAST(NULL AS DATE)")};
        return keys;
    }();
    return sqlite ? sqliteKeys : postgresKeys;
}

// "Kind, Shift" as the keys it names; an unknown name is the caller's error.
QList<int> namedKeys(const QString& list, const QList<IncomeKey>& keys) {
    QList<int> chosen;
    for (const QString& raw : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = raw.trimmed();
        int found = -1;
        for (int k = 0; k < keys.size() && found < 0; ++k)
            if (name.compare(QLatin1String(keys[k].name), Qt::CaseInsensitive) == 0)
                found = k;
        if (found < 0)
            throw AppError(kDbErrorNumber, QStringLiteral("Pharma_IncomeLines"),
                           QStringLiteral("Unknown income key '%1'.").arg(name));
        if (!chosen.contains(found))
            chosen << found;
    }
    return chosen;
}

std::optional<Recordset> incomeLines(Connection& c, ProcArgs& a) {
    const QList<IncomeKey>& keys = incomeKeys(c.isSQLite());
    const QString sumBy = a.text(QStringLiteral("SUMBY")).trimmed();
    QList<int> kept = namedKeys(sumBy, keys);
    const bool eachLine = kept.isEmpty();
    if (eachLine)
        for (int k = 0; k < keys.size(); ++k)
            kept << k;
    const QList<int> ordered = namedKeys(a.text(QStringLiteral("ORDERBY")), keys);

    QStringList selected, grouped;
    for (int k = 0; k < keys.size(); ++k)
        for (int e = 0; e < keys[k].columns.size(); ++e) {
            if (kept.contains(k)) {
                selected << keys[k].expressions[e] + QStringLiteral(" AS ") + keys[k].columns[e];
                grouped << keys[k].expressions[e];
            } else {
                selected << keys[k].blanks[e] + QStringLiteral(" AS ") + keys[k].columns[e];
            }
        }

    const QDate first = a.value(QStringLiteral("STARTDATE")).toDate();
    const QDate last = a.value(QStringLiteral("ENDDATE")).toDate();
    if (!first.isValid() || !last.isValid())
        throw AppError(kDbErrorNumber, QStringLiteral("Pharma_IncomeLines"),
                       QStringLiteral("The income lines need a first and a last day."));
    QVariantMap binds{{QStringLiteral("FromDay"), QDateTime(first, QTime(0, 0))},
                      {QStringLiteral("UntilDay"), QDateTime(last.addDays(1), QTime(0, 0))}};
    QStringList where{QStringLiteral("s.TransDate >= :FromDay"), QStringLiteral("s.TransDate < :UntilDay"),
                      QStringLiteral("s.SummaryCode IN ('PH', 'PC')")};
    QString kind = a.text(QStringLiteral("PATIENTKIND")).trimmed().toUpper();
    // A report that knows the patient kind as a number: 1 in-patients, 0 out-patients.
    if (kind.isEmpty() && !a.isNull(QStringLiteral("INOROUT")))
        kind = a.integer(QStringLiteral("INOROUT")) == 1 ? QStringLiteral("I") : QStringLiteral("O");
    if (kind.isEmpty()) {
        where << QStringLiteral("s.InOut IN ('I', 'O', 'C')");
    } else {
        where << QStringLiteral("s.InOut = :Kind");
        binds.insert(QStringLiteral("Kind"), kind);
    }
    auto narrow = [&](const QString& condition, const char* placeholder, const QVariant& value) {
        where << condition;
        binds.insert(QString::fromLatin1(placeholder), value);
    };
    const QString location = a.text(QStringLiteral("LOCATIONID")).trimmed();
    if (!location.isEmpty())
        narrow(QStringLiteral("s.LocationID = :Location"), "Location", location);
    const QString shift = a.text(QStringLiteral("SHIFT")).trimmed();
    if (!shift.isEmpty()) {
        bool ok = false;
        const int number = shift.toInt(&ok);
        if (!ok)
            throw AppError(kDbErrorNumber, QStringLiteral("Pharma_IncomeLines"),
                           QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.").arg(shift));
        narrow(QStringLiteral("s.Shift = :Shift"), "Shift", number);
    }
    const QString dispenser = a.text(QStringLiteral("DISPENSERCODE")).trimmed();
    if (!dispenser.isEmpty())
        narrow(QStringLiteral("s.UserID = :Dispenser"), "Dispenser", dispenser);
    const QString companyClass = a.text(QStringLiteral("COMPANYCLASS")).trimmed();
    if (!companyClass.isEmpty())
        narrow(QStringLiteral("s.AcctNum IN (SELECT AccountNum FROM build_file.tbCoCompany WHERE Class = :CompanyClass)"),
               "CompanyClass", companyClass);
    const QString discount = a.text(QStringLiteral("DISCOUNT")).trimmed().toUpper();
    if (discount == QLatin1String("SC"))
        where << QStringLiteral("s.Senior = 1");
    else if (!discount.isEmpty())
        where << QStringLiteral("COALESCE(s.Discount, 0) <> 0");
    const QString document = a.text(QStringLiteral("DOCUMENT")).trimmed().toUpper();
    if (!document.isEmpty())
        narrow(QString::fromLatin1(kCashDocument) + QStringLiteral(" = :Document"), "Document", document);

    QStringList order;
    for (int k : ordered)
        for (const QString& column : keys[k].columns)
            order << QStringLiteral("g.") + column;
    for (const char* column : {"PatientKind", "ReportDay", "Shift", "LocationID", "AcctNum", "Dispenser", "Document",
                               "RefNum", "IdNum", "CashName", "ItemID"})
        order << QStringLiteral("g.") + QLatin1String(column);
    order << QStringLiteral("g.TransDate");

    const QString sql = QStringLiteral(R"(
SELECT g.PatientKind,
       CASE g.PatientKind WHEN 'I' THEN 'IN-PATIENTS' WHEN 'O' THEN 'OUT-PATIENTS' WHEN 'C' THEN 'CASH SALES' ELSE '' END AS KindName,
       g.ReportDay, g.Shift, g.LocationID, g.AcctNum, COALESCE(co.Company, '') AS Company,
       g.Dispenser, COALESCE(NULLIF(COALESCE(e.LastName, '') || ', ' || COALESCE(e.FirstName, ''), ', '), g.Dispenser) AS DispenserName,
       g.RevenueID, g.Document, g.RefNum, g.IdNum,
       COALESCE(NULLIF(COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, ''), ', '),
                NULLIF(COALESCE(om.LastName, '') || ', ' || COALESCE(om.FirstName, ''), ', '),
                NULLIF(g.CashName, ''), g.IdNum) AS PatientName,
       g.ItemID, TRIM(COALESCE(i.ItemName, '') || ' ' || COALESCE(i.ItemDesc, '')) AS Description,
       g.Quantity, g.Amount, g.Discount, g.VAT, g.Amount - g.Discount AS Net, g.Lines, g.TransDate
  FROM (SELECT %1, %5
          FROM tbInvStockCard s
         WHERE %2
         %3) g
  LEFT OUTER JOIN tbInvMaster i ON i.ItemID = g.ItemID
  LEFT OUTER JOIN patient_data.tbPatient p ON p.IDNum = g.IdNum
  LEFT OUTER JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum
  LEFT OUTER JOIN patient_data.tbOutPatient op ON op.IDNum = g.IdNum
  LEFT OUTER JOIN patient_data.tbMaster om ON om.HospNum = op.HospNum
  LEFT OUTER JOIN build_file.tbCoCompany co ON co.AccountNum = g.AcctNum
  LEFT OUTER JOIN password.tbPasswordMaster e ON e.EmployeeID = g.Dispenser
 ORDER BY %4)")
                            .arg(selected.join(QStringLiteral(", ")), where.join(QStringLiteral(" AND ")),
                                 eachLine ? QString() : QStringLiteral("GROUP BY ") + grouped.join(QStringLiteral(", ")),
                                 order.join(QStringLiteral(", ")), QString::fromLatin1(eachLine ? kLineMeasures : kSummedMeasures));
    return c.query(sql, binds);
}

const ProcedureRegistration incomeLinesProcedure{
    {QStringLiteral("Pharma_IncomeLines"),
     {typed("@StartDate", ParamType::DateTime), typed("@EndDate", ParamType::DateTime), text("@LocationID", 10),
      text("@PatientKind", 1), text("@Shift", 3), text("@DispenserCode", 20), text("@CompanyClass", 5),
      text("@Document", 2), text("@Discount", 3), integer("@InOrOut"), text("@SumBy", 200), text("@OrderBy", 200)},
     incomeLines}};

} // namespace
} // namespace qx::hospitaldb
