// Procedures of the cash side: the customer look-ups of the cash-assessment screen, the cash work
// lists of the main window (paid, unpaid and revoked assessments, take-home prescriptions) and the
// revocation of an assessment.
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"

#include <QDate>

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The pharmacy's revenue code on the cash side.
const QString kPharmacy = QStringLiteral("PH");

// The cash lists split at the start of the server's day: "current" is today's, "previous" before.
QDateTime startOfToday(Connection& c) { return QDateTime(c.serverNow().date(), QTime(0, 0)); }

// A search text as a pattern found anywhere in the compared text.
QString containing(const QString& search) { return likeContaining(search.trimmed()); }

const QString kPatientColumns = QStringLiteral(
    "s.IDNum AS IDNum, m.HospNum AS HospNum, m.LastName AS LastName, m.FirstName AS FirstName, "
    "m.MiddleName AS MiddleName, m.ZipCode AS ZipCode, m.Address AS Address, m.HouseStreet AS HouseStreet, "
    "m.Barangay AS Barangay, m.Sex AS Sex, m.BirthDate AS BirthDate, m.CivilStatusID AS CivilStatusID");

// Option 3 lists admissions, 4 out-patient visits, any other both. Option 2 = 2 finds one
// identifier; otherwise the search text is the start of "LAST, FIRST", an identifier or a hospital
// number. IsCurrent "1" keeps those still in the hospital, "2" those discharged.
const ProcedureRegistration cashAssessmentInfo{{
    QStringLiteral("Pharma_CashAssessmentInfo"),
    {integer("@Option"), integer("@Option2"), text("@Search"), text("@IsCurrent")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const qint64 option = a.integer(QStringLiteral("OPTION"));
        const QString search = a.text(QStringLiteral("SEARCH")).trimmed();
        const QString current = a.text(QStringLiteral("ISCURRENT")).trimmed();
        QString where;
        QVariantList binds;
        if (a.integer(QStringLiteral("OPTION2")) == 2) {
            where = QStringLiteral("s.IDNum = UPPER(?)");
            binds << search;
        } else {
            where = QStringLiteral("(UPPER(COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '')) LIKE UPPER(?) ESCAPE '\\' "
                                   "OR s.IDNum = UPPER(?) OR m.HospNum = UPPER(?))");
            binds << likeStartsWith(search) << search << search;
        }
        if (current == QLatin1String("1"))
            where += QStringLiteral(" AND s.DcrDate IS NULL");
        else if (current == QLatin1String("2"))
            where += QStringLiteral(" AND s.DcrDate IS NOT NULL");
        QStringList parts;
        QVariantList allBinds;
        if (option != 4) {
            parts << QStringLiteral("SELECT %1 FROM patient_data.tbPatient s INNER JOIN patient_data.tbMaster m "
                                    "ON m.HospNum = s.HospNum WHERE %2")
                         .arg(kPatientColumns, where);
            allBinds << binds;
        }
        if (option != 3) {
            parts << QStringLiteral("SELECT %1 FROM patient_data.tbOutPatient s INNER JOIN patient_data.tbMaster m "
                                    "ON m.HospNum = s.HospNum WHERE %2")
                         .arg(kPatientColumns, where);
            allBinds << binds;
        }
        return c.query(parts.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY 3, 4, 1"), allBinds);
    }}};

// The paid pharmacy assessments whose payer's name starts with the text.
const ProcedureRegistration searchCashTransByName{{
    QStringLiteral("Pharma_SearchCashTransbyName"),
    {text("@Search", 50), text("@RevenueID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT a.ORNumber AS ORNumber, a.Name AS PatientName, a.ItemID AS ItemID, "
                                      "COALESCE(i.ItemName, '') AS Description, a.TransDate AS TransDate, "
                                      "'PAID' AS TransType FROM billing.tbCashAssessment a "
                                      "LEFT JOIN tbInvMaster i ON i.ItemID = a.ItemID "
                                      "WHERE a.RevenueID = ? AND COALESCE(TRIM(a.ORNumber), '') <> '' "
                                      "AND COALESCE(a.RecordStatus, '') <> 'R' AND UPPER(a.Name) LIKE UPPER(?) ESCAPE '\\' "
                                      "ORDER BY a.TransDate, a.ORNumber"),
                       {a.text(QStringLiteral("REVENUEID")).trimmed(), likeStartsWith(a.text(QStringLiteral("SEARCH")).trimmed())});
    }}};

// The admission's medicare type with its description; no row when it has none.
const ProcedureRegistration getMedicareType{{
    QStringLiteral("Pharma_GetMedicareType"),
    {text("@IDNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT p.MedicareType AS MedicareType, COALESCE(t.Description, '') AS Description "
                                      "FROM patient_data.tbPatient p LEFT JOIN build_file.tbCoMedicareType t "
                                      "ON t.MedicareType = p.MedicareType "
                                      "WHERE p.IDNum = TRIM(?) AND COALESCE(TRIM(p.MedicareType), '') <> ''"),
                       {a.text(QStringLiteral("IDNUM"))});
    }}};

// The sum of the patient's bill charges; no row when the bill has none.
const ProcedureRegistration getPatientTotalCharges{{
    QStringLiteral("Pharma_GetPatientTotalCharges"),
    {text("@IDNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT SUM(Amount) AS TotalAmount FROM billing.tbBillCharges WHERE IDNum = TRIM(?) "
                                      "HAVING COUNT(*) > 0"),
                       {a.text(QStringLiteral("IDNUM"))});
    }}};

// The item's generic name; no row for an item that is not in the catalogue.
const ProcedureRegistration getGeneric{{
    QStringLiteral("Pharma_GetGeneric"),
    {text("@ItemID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT COALESCE(g.GenericName, '') AS Generic FROM tbInvMaster m "
                                      "LEFT JOIN tbForGeneric g ON g.GenericID = m.GenericID WHERE m.ItemID = ?"),
                       {a.text(QStringLiteral("ITEMID"))});
    }}};

// The class of the admission's room and the mark-up it carries; no row without a room.
const ProcedureRegistration getRoomClassAndMarkUp{{
    QStringLiteral("Pharma_GetRoomClassAndMarkUp"),
    {text("@IDNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT COALESCE(k.RoomClass, r.RoomClassID) AS RoomClass, "
                                      "COALESCE(k.MarkUp, 0) AS MarkUp FROM patient_data.tbPatient p "
                                      "INNER JOIN build_file.tbCoRoom r ON r.RoomID = p.RoomID "
                                      "LEFT JOIN build_file.tbCoRoomClass k ON k.RoomClassID = r.RoomClassID "
                                      "WHERE p.IDNum = TRIM(?)"),
                       {a.text(QStringLiteral("IDNUM"))});
    }}};

// One row per pharmacy assessment. Columns, as the main window reads them: 0 the assessment
// number, 1 the patient id, 2 the name, 3 the room, 6 the billing date (not empty once the bill is
// closed). Options: 1 unpaid today, 2 unpaid before today, 3 revoked today, 4 revoked before today.
Recordset assessmentList(Connection& c, qint64 option, const QString* search) {
    const bool revoked = option == 3 || option == 4;
    const bool current = option == 1 || option == 3;
    QString sql = QStringLiteral(
        "SELECT a.RefNum AS AssessmentNum, a.IDNum AS IDNum, MAX(a.Name) AS PatientName, "
        "MAX(COALESCE(p.RoomID, '')) AS RoomID, MAX(COALESCE(a.HospNum, '')) AS HospNum, MIN(a.TransDate) AS TransDate, "
        "MAX(p.BillingDate) AS BillingDate, SUM(a.Amount) AS Amount, MAX(a.UserID) AS UserID "
        "FROM billing.tbCashAssessment a LEFT JOIN patient_data.tbPatient p ON p.IDNum = a.IDNum "
        "WHERE a.RevenueID = ? AND a.TransDate %1 ? AND %2")
                      .arg(current ? QStringLiteral(">=") : QStringLiteral("<"),
                           revoked ? QStringLiteral("a.RecordStatus = 'R'")
                                   : QStringLiteral("COALESCE(TRIM(a.ORNumber), '') = '' AND COALESCE(a.RecordStatus, '') <> 'R'"));
    QVariantList binds{kPharmacy, startOfToday(c)};
    if (search) {
        sql += QStringLiteral(" AND (UPPER(a.Name) LIKE UPPER(?) ESCAPE '\\' OR UPPER(a.RefNum) LIKE UPPER(?) ESCAPE '\\' "
                              "OR UPPER(a.IDNum) LIKE UPPER(?) ESCAPE '\\')");
        binds << containing(*search) << containing(*search) << containing(*search);
    }
    sql += QStringLiteral(" GROUP BY a.RefNum, a.IDNum ORDER BY MIN(a.TransDate), a.RefNum");
    return c.query(sql, binds);
}

const ProcedureRegistration assessmentListProc{{
    QStringLiteral("Pharma_AssessmentList"),
    {integer("@Option")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return assessmentList(c, a.integer(QStringLiteral("OPTION")), nullptr);
    }}};

const ProcedureRegistration assessmentListWithSearch{{
    QStringLiteral("Pharma_AssessmentList_WithSearch"),
    {integer("@Option"), text("@Search", 50)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString search = a.text(QStringLiteral("SEARCH"));
        return assessmentList(c, a.integer(QStringLiteral("OPTION")), &search);
    }}};

// One row per paid pharmacy assessment: 0 "*" once its medicines have been issued under its
// number (it may not be processed again), 1 the patient id, 2 the name, 3 the room, 5 the receipt,
// 6 the billing date, 8 the assessment number. Options: 1 paid today, 2 before today.
const ProcedureRegistration paidAssessmentList{{
    QStringLiteral("Pharma_PaidAssessmentList"),
    {integer("@Option"), text("@Search", 50)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        QString sql = QStringLiteral(
            "SELECT CASE WHEN EXISTS (SELECT 1 FROM tbInvStockCard k WHERE k.RefNum = a.RefNum) THEN '*' ELSE '' END AS Issued, "
            "a.IDNum AS IDNum, MAX(a.Name) AS PatientName, MAX(COALESCE(p.RoomID, '')) AS RoomID, "
            "MAX(COALESCE(a.HospNum, '')) AS HospNum, MAX(a.ORNumber) AS ORNumber, MAX(p.BillingDate) AS BillingDate, "
            "MIN(a.TransDate) AS TransDate, a.RefNum AS AssessmentNum "
            "FROM billing.tbCashAssessment a LEFT JOIN patient_data.tbPatient p ON p.IDNum = a.IDNum "
            "WHERE a.RevenueID = ? AND a.TransDate %1 ? AND COALESCE(TRIM(a.ORNumber), '') <> '' "
            "AND COALESCE(a.RecordStatus, '') <> 'R'")
                          .arg(a.integer(QStringLiteral("OPTION")) == 1 ? QStringLiteral(">=") : QStringLiteral("<"));
        QVariantList binds{kPharmacy, startOfToday(c)};
        const QString search = a.text(QStringLiteral("SEARCH"));
        if (!search.isEmpty()) {
            sql += QStringLiteral(" AND (UPPER(a.Name) LIKE UPPER(?) ESCAPE '\\' OR UPPER(a.ORNumber) LIKE UPPER(?) ESCAPE '\\' "
                                  "OR UPPER(a.RefNum) LIKE UPPER(?) ESCAPE '\\')");
            binds << containing(search) << containing(search) << containing(search);
        }
        sql += QStringLiteral(" GROUP BY a.RefNum, a.IDNum ORDER BY MIN(a.TransDate), a.RefNum");
        return c.query(sql, binds);
    }}};

// The lines paid under one receipt.
const ProcedureRegistration paidAssessmentItems{{
    QStringLiteral("Pharma_PaidAssessmentItems"),
    {text("@ORNumber", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT a.RefNum AS AssessmentNum, a.ItemID AS ItemID, COALESCE(i.ItemName, '') AS Description, "
                                      "a.Quantity AS Quantity, a.UnitPrice AS UnitPrice, a.Discount AS Discount, a.Amount AS Amount "
                                      "FROM billing.tbCashAssessment a LEFT JOIN tbInvMaster i ON i.ItemID = a.ItemID "
                                      "WHERE a.ORNumber = TRIM(?) AND COALESCE(a.RecordStatus, '') <> 'R' ORDER BY a.id"),
                       {a.text(QStringLiteral("ORNUMBER"))});
    }}};

// IsHomeMed 1: one row per patient with take-home medicines not served yet: 0 the hospital number,
// 1 the patient id, 2 the name, 3 the room, 5 the room's station. Options: 1 admitted, 2 discharged
// admissions, 3 out-patients still in, 4 discharged out-patients.
// IsHomeMed 0: the patients with refill orders, admissions and out-patient visits with open refill
// lines: 0 the patient id, 1 the name, 2 the doctor; option 2 those of earlier stays (discharged),
// any other option those still in.
const ProcedureRegistration prescriptionList{{
    QStringLiteral("Pharma_PrescriptionList"),
    {integer("@intOption"), integer("@IsHomeMed")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString name = QStringLiteral("MAX(COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || "
                                            "COALESCE(m.MiddleName, ''))");
        if (a.integer(QStringLiteral("ISHOMEMED")) == 0)
            return c.query(QStringLiteral("SELECT o.IdNum AS IDNum, %1 AS PatientName, "
                                          "MAX(COALESCE(d.LastName, '') || ', ' || COALESCE(d.FirstName, '')) AS DoctorName "
                                          "FROM tbInvPrescriptionOrders o INNER JOIN patient_data.tbPatient s ON s.IDNum = o.IdNum "
                                          "INNER JOIN patient_data.tbMaster m ON m.HospNum = s.HospNum "
                                          "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = s.DoctorID "
                                          "WHERE s.DcrDate IS %2 GROUP BY o.IdNum "
                                          "UNION ALL SELECT f.IdNum AS IDNum, %1 AS PatientName, "
                                          "MAX(COALESCE(d.LastName, '') || ', ' || COALESCE(d.FirstName, '')) AS DoctorName "
                                          "FROM tbPharmaRefill f INNER JOIN patient_data.tbOutPatient s ON s.IDNum = f.IdNum "
                                          "INNER JOIN patient_data.tbMaster m ON m.HospNum = s.HospNum "
                                          "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = s.DoctorID "
                                          "WHERE COALESCE(f.RecordStatus, '') = '' AND s.DcrDate IS %2 GROUP BY f.IdNum ORDER BY 2")
                               .arg(name, a.integer(QStringLiteral("INTOPTION")) == 2 ? QStringLiteral("NOT NULL")
                                                                                      : QStringLiteral("NULL")));
        const qint64 option = a.integer(QStringLiteral("INTOPTION"));
        const bool admitted = option == 1 || option == 2;
        const bool stillIn = option == 1 || option == 3;
        return c.query(QStringLiteral("SELECT MAX(s.HospNum) AS HospNum, h.IdNum AS IDNum, %1 AS PatientName, %2 AS RoomID, "
                                      "MAX(h.ReferenceNum) AS ReferenceNum, %3 AS StationID, %4 AS BillingDate "
                                      "FROM station.tbNurseHomeMeds h INNER JOIN %5 s ON s.IDNum = h.IdNum "
                                      "INNER JOIN patient_data.tbMaster m ON m.HospNum = s.HospNum %6"
                                      "WHERE COALESCE(TRIM(h.RecordStatus), '') = '' AND s.DcrDate IS %7 "
                                      "GROUP BY h.IdNum ORDER BY 3")
                               .arg(name, admitted ? QStringLiteral("MAX(COALESCE(s.RoomID, ''))") : QStringLiteral("''"),
                                    admitted ? QStringLiteral("MAX(COALESCE(r.StationID, ''))") : QStringLiteral("''"),
                                    admitted ? QStringLiteral("MAX(s.BillingDate)") : QStringLiteral("NULL"),
                                    admitted ? QStringLiteral("patient_data.tbPatient") : QStringLiteral("patient_data.tbOutPatient"),
                                    admitted ? QStringLiteral("LEFT JOIN build_file.tbCoRoom r ON r.RoomID = s.RoomID ") : QString(),
                                    stillIn ? QStringLiteral("NULL") : QStringLiteral("NOT NULL")));
    }}};

// Revokes the lines of an unpaid pharmacy assessment; a paid or already revoked one is left alone.
// Its one row tells how many lines were revoked.
const ProcedureRegistration cashRevokeAssessment{{
    QStringLiteral("Pharma_CashRevokeAssessment"),
    {text("@RefNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const int revoked = c.execute(QStringLiteral("UPDATE billing.tbCashAssessment SET RecordStatus = 'R' "
                                                     "WHERE RefNum = TRIM(?) AND RevenueID = ? "
                                                     "AND COALESCE(TRIM(ORNumber), '') = '' AND COALESCE(RecordStatus, '') <> 'R'"),
                                      {a.text(QStringLiteral("REFNUM")), kPharmacy});
        return Recordset({QStringLiteral("Revoked")}, {{revoked}});
    }}};

} // namespace
} // namespace qx::hospitaldb
