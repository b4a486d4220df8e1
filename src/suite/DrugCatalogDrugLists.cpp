// The patient lists of the drug component: pending requests, unit dose, profiles, posted lines.
#include "suite/DrugCatalogDrug.h"

#include <cmath>

namespace qx::suite {

namespace {

// "#,##0.00"
QString groupedAmount(double v) {
    const bool negative = v < 0;
    QString digits = QString::number(std::fabs(v), 'f', 2);
    const int point = digits.indexOf(QLatin1Char('.'));
    for (int i = point - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString dateTimeText(const QVariant& v) {
    const QDateTime dt = parseDbDateTime(v);
    return dt.isValid() ? dt.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")) : QString();
}

const QString kOpenRequest = QStringLiteral("COALESCE(TRIM(r.RecordStatus), '') = ''");
} // namespace

// Open pharmacy requests of the patient at the station; only the first row's doctor's lines,
// the way the request screens fill one slip per doctor.
Recordset DrugCatalogDrug::ListPendingRequests(const QString& patientId, const QString& requestedStationId,
                                               const std::optional<QString>& /*inOut*/) {
    Recordset rs = c_("ListPendingRequests").query(
        QStringLiteral("SELECT r.DoctorID, TRIM(COALESCE(d.LastName, '') || ', ' || COALESCE(d.FirstName, '') || ' ' || "
                       "COALESCE(d.MiddleName, '')) AS Doctor, r.TargetLocationID, r.ItemID AS \"Drug Code\", "
                       "r.IsGeneric, r.Dosage, r.Quantity, r.Remarks, r.RequestNumber, r.UserID AS \"user\", "
                       "r.RequestDate AS \"Request Date\", r.Amount, m.Barcode "
                       "FROM station.tbNurseCommunicationFile r "
                       "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = r.DoctorID "
                       "LEFT JOIN tbInvMaster m ON m.ItemID = r.ItemID "
                       "WHERE TRIM(r.IDNum) = TRIM(?) AND (? = '' OR r.StationID = ?) AND ") +
            kOpenRequest +
            QStringLiteral(" AND COALESCE(r.DepartmentID, 'PH') = 'PH' ORDER BY r.RequestDate, r.RequestNumber"),
        {patientId, requestedStationId.trimmed(), requestedStationId.trimmed()});
    // Every pending line of the station: the request screens keep the first line's doctor
    // themselves, and show every doctor's lines when the first names none.
    QVector<QVariantList> rows;
    const int generic = rs.fieldIndex(QStringLiteral("IsGeneric"));
    const int date = rs.fieldIndex(QStringLiteral("Request Date"));
    for (int i = 0; i < rs.recordCount(); ++i) {
        QVariantList row = rs.row(i);
        row[generic] = row[generic].toDouble() != 0;
        row[date] = parseDbDateTime(row[date]);
        rows.push_back(row);
    }
    return Recordset(rs.fieldNames(), rows);
}

void DrugCatalogDrug::RevokePendingRequest(const QString& requestNumber, const QString& employeeCode) {
    Connection& c = c_("RevokePendingRequest");
    c.execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'R', ProcessBy = ?, "
                              "ProcessDate = ? WHERE TRIM(RequestNumber) = TRIM(?) AND ") +
                   QString(kOpenRequest).replace(QStringLiteral("r."), QString()),
               {employeeCode, c.serverNow(), requestNumber});
}

// Every unit-dose request of the admission in list order; the screen skips the discontinued ("R").
Recordset DrugCatalogDrug::ListUnitDose(const QString& patientId) {
    return c_("ListUnitDose").query(QStringLiteral("SELECT ItemID AS DrugCode, RecordStatus, DosageID, Quantity, Amount, Remark "
                                   "FROM station.tbNurseUnitDose WHERE TRIM(IDNum) = TRIM(?) ORDER BY UnitDoseID"),
                    {patientId});
}

QString DrugCatalogDrug::frequencyExpression() {
    if (!hasDosageTable_)
        hasDosageTable_ = c_("ListProfile").columnExists(QStringLiteral("build_file"), QStringLiteral("tbCoDosage"),
                                          QStringLiteral("Frequency"));
    return *hasDosageTable_ ? QStringLiteral("(SELECT f.Frequency FROM build_file.tbCoDosage f "
                                             "WHERE f.DosageID = s.DosageID LIMIT 1)")
                            : QStringLiteral("NULL");
}

Recordset DrugCatalogDrug::profile(const QString& patientKey, const QString& itemFilter, const QVariant& filterValue,
                                   bool withName) {
    Recordset rs = c_("ListProfile").query(
        QStringLiteral("SELECT s.TransDate AS \"Trans. Date\", ") +
            (withName ? QStringLiteral("TRIM(COALESCE(m.ItemName, '') || ' ' || COALESCE(m.ItemDesc, '')) AS \"Drug Name\", ")
                      : QString()) +
            frequencyExpression() +
            QStringLiteral(" AS \"Frequency\", s.Quantity AS \"Quantity\", s.DosageID AS \"Dosage\", s.Remarks AS \"Remark\", "
                           "s.RefNum AS \"Ref. #\" "
                           "FROM tbInvStockCard s LEFT JOIN tbInvMaster m ON m.ItemID = s.ItemID "
                           "WHERE TRIM(s.IdNum) = TRIM(?) AND s.SummaryCode = 'PH' AND s.Quantity > 0 AND ") +
            itemFilter + QStringLiteral(" ORDER BY s.TransDate DESC, s.SequenceNumber DESC"),
        {patientKey, filterValue});
    QVector<QVariantList> rows;
    for (int i = 0; i < rs.recordCount(); ++i) {
        QVariantList row = rs.row(i);
        row[0] = dateTimeText(row[0]);
        rows.push_back(row);
    }
    return Recordset(rs.fieldNames(), rows);
}

Recordset DrugCatalogDrug::ListProfile(const QString& patientKey, const QString& itemCode) {
    return profile(patientKey, QStringLiteral("UPPER(TRIM(s.ItemID)) = UPPER(TRIM(?))"), itemCode, false);
}

Recordset DrugCatalogDrug::ListProfileGeneric(const QString& patientKey, double genericId) {
    return profile(patientKey, QStringLiteral("TRIM(m.GenericID) = ?"), DrugCatalogGeneric::idText(genericId), true);
}

// One row per posted line, found through the patient-id index (ids are stored trimmed). Positions
// callers read: 0 date-time, 1 reference (slip for issues, memo or adjustment number otherwise),
// 4 item code, 5 transaction, 7 amount text, 11 station, 13 gross.
Recordset DrugCatalogDrug::ListPostedDrugs(const QString& patientId, int /*mode*/) {
    Recordset rs = c_("ListPostedDrugs").query(
        QStringLiteral("SELECT s.TransDate, s.RefNum, s.CreditMemoNum, s.UserID, "
                       "TRIM(COALESCE(m.ItemName, '') || ' ' || COALESCE(m.ItemDesc, '')) AS DrugName, s.ItemID, "
                       "s.SummaryCode, s.PostOrReturn, s.Quantity, s.Amount, s.DosageID, s.RequestByID, "
                       "s.TargetLocationID, s.LocationID "
                       "FROM tbInvStockCard s LEFT JOIN tbInvMaster m ON m.ItemID = s.ItemID "
                       "WHERE s.IdNum = ? ORDER BY s.TransDate, s.RefNum, s.ItemID, s.SequenceNumber"),
        {patientId.trimmed()});
    const QStringList names{QStringLiteral("Trans. Date"), QStringLiteral("Ref. #"),      QStringLiteral("Issued by"),
                            QStringLiteral("Drug Name"),   QStringLiteral("Drug Code"),   QStringLiteral("Transaction"),
                            QStringLiteral("Quantity"),    QStringLiteral("Amount"),      QStringLiteral("Charge Slip"),
                            QStringLiteral("Dosage"),      QStringLiteral("Doctor"),      QStringLiteral("Station"),
                            QStringLiteral("Location"),    QStringLiteral("Gross")};
    QVector<QVariantList> rows;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QString code = rs.text(QStringLiteral("SummaryCode")).trimmed();
        const bool corrected = code == DrugCatalogStockCard::correctionSummaryCode();
        const bool returned = !corrected && code == QLatin1String("PC");
        const QString kind = corrected ? QStringLiteral("Adjusted")
                                       : (returned ? QStringLiteral("Returned") : QStringLiteral("Issued"));
        const double amount = rs.number(QStringLiteral("Amount"));
        rows.push_back({dateTimeText(rs.value(QStringLiteral("TransDate"))),
                        corrected || returned ? rs.text(QStringLiteral("CreditMemoNum")) : rs.text(QStringLiteral("RefNum")),
                        rs.text(QStringLiteral("UserID")), rs.text(QStringLiteral("DrugName")),
                        rs.text(QStringLiteral("ItemID")), kind, rs.number(QStringLiteral("Quantity")),
                        groupedAmount(amount), rs.text(QStringLiteral("RefNum")), rs.text(QStringLiteral("DosageID")),
                        rs.text(QStringLiteral("RequestByID")), rs.text(QStringLiteral("TargetLocationID")),
                        rs.text(QStringLiteral("LocationID")), amount});
    }
    return Recordset(names, rows);
}

double DrugCatalogDrug::QuantityIssued(const QString& patientId, const QString& itemCode) {
    Recordset rs = c_("QuantityIssued").query(
        QStringLiteral("SELECT COALESCE(SUM(CASE WHEN SummaryCode IN ('PC', ?) THEN -Quantity ELSE Quantity END), 0) AS Qty "
                       "FROM tbInvStockCard WHERE TRIM(IdNum) = TRIM(?) AND UPPER(TRIM(ItemID)) = UPPER(TRIM(?)) "
                       "AND SummaryCode IN ('PH', 'PC', ?)"),
        {DrugCatalogStockCard::correctionSummaryCode(), patientId, itemCode, DrugCatalogStockCard::correctionSummaryCode()});
    return rs.value(0).toDouble();
}

} // namespace qx::suite
