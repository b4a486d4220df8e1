// Procedures that answer the patient and account checks: master record, clearance, packages,
// visit date, company account and its charges, HMO and sponsorship marks, the station of a slip,
// the workstation's dispensing location and the cancellation of a nursing request line.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

const QString kPatientCheckDate = QStringLiteral("MM/dd/yyyy");

using namespace procparams;

Recordset oneRow(const QStringList& names, const QVariantList& values) { return Recordset(names, {values}); }

// Admission numbers are digits only; anything else is an out-patient visit.
bool isAdmission(const QString& id) {
    const QString t = id.trimmed();
    if (t.isEmpty())
        return false;
    for (QChar ch : t)
        if (!ch.isDigit())
            return false;
    return true;
}

QString stayTable(const QString& id) {
    return isAdmission(id) ? QStringLiteral("patient_data.tbPatient") : QStringLiteral("patient_data.tbOutPatient");
}

QString dateText(const QVariant& v) {
    const QDateTime d = parseDbDateTime(v);
    return d.isValid() ? d.toString(kPatientCheckDate) : QString();
}

int ageInYears(const QDate& birth, const QDate& today) {
    int years = today.year() - birth.year();
    if (QDate(today.year(), birth.month(), 1).addDays(birth.day() - 1) > today)
        --years;
    return years;
}

// The company account a stay is charged to, with the company's name and class.
Recordset stayAccount(Connection& c, const QString& id) {
    return c.query(QStringLiteral("SELECT COALESCE(s.AccountNum, '') AS AccountNum, COALESCE(k.Company, '') AS Company, "
                                  "k.Class FROM %1 s LEFT JOIN build_file.tbCoCompany k ON k.AccountNum = s.AccountNum "
                                  "WHERE s.IDNum = ?")
                       .arg(stayTable(id)),
                   {id.trimmed()});
}

const ProcedureRegistration masterPatientInfo{{
    QStringLiteral("Pharma_MasterPatientInfo"),
    {text("@HospNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset m = c.query(QStringLiteral("SELECT m.HospNum, m.LastName, m.FirstName, m.MiddleName, m.Sex, m.BirthDate, "
                                             "COALESCE(m.MasterAccountCode, '') AS MasterAccountCode, "
                                             "COALESCE(k.Company, '') AS MasterAccountName FROM patient_data.tbMaster m "
                                             "LEFT JOIN build_file.tbCoCompany k ON k.AccountNum = m.MasterAccountCode "
                                             "WHERE m.HospNum = ?"),
                              {a.text(QStringLiteral("HOSPNUM")).trimmed()});
        const QStringList names{QStringLiteral("PatientName"), QStringLiteral("HospNum"),
                                QStringLiteral("Sex"),         QStringLiteral("Age"),
                                QStringLiteral("MasterAccountCode"), QStringLiteral("MasterAccountName")};
        if (m.isEmpty())
            return Recordset(names, {});
        const QString given = (m.text(QStringLiteral("FirstName")) + QLatin1Char(' ') + m.text(QStringLiteral("MiddleName")))
                                  .trimmed();
        const QString name = given.isEmpty() ? m.text(QStringLiteral("LastName"))
                                             : m.text(QStringLiteral("LastName")) + QStringLiteral(", ") + given;
        const QDateTime birth = m.dateTime(QStringLiteral("BirthDate"));
        const QVariant age = birth.isValid() ? QVariant(QString::number(ageInYears(birth.date(), c.serverNow().date())))
                                             : QVariant(QString());
        return oneRow(names, {name, m.text(QStringLiteral("HospNum")), m.text(QStringLiteral("Sex")), age,
                              m.text(QStringLiteral("MasterAccountCode")), m.text(QStringLiteral("MasterAccountName"))});
    }}};

const ProcedureRegistration checkClearance{{
    QStringLiteral("Pharma_CheckClearance"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT IDNum, ClearDate FROM patient_data.tbDischargeNotice WHERE IDNum = ? "
                                      "AND DepartmentID = 'PH' AND ClearDate IS NOT NULL"),
                       {a.text(QStringLiteral("IDNUM")).trimmed()});
    }}};

const ProcedureRegistration executivePackage{{
    QStringLiteral("sp_Build_GetExecutivePackage"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT Package FROM build_file.tbCoExecutivePackage WHERE IDNum = ?"),
                       {a.text(QStringLiteral("IDNUM")).trimmed()});
    }}};

const ProcedureRegistration opdAdmissionDate{{
    QStringLiteral("Pharma_GetOpdAdmissionDate"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset v = c.query(QStringLiteral("SELECT AdmDate FROM patient_data.tbOutPatient WHERE IDNum = ?"),
                              {a.text(QStringLiteral("IDNUM")).trimmed()});
        const QStringList names{QStringLiteral("AdmDate"), QStringLiteral("DateToday")};
        if (v.isEmpty())
            return Recordset(names, {});
        return oneRow(names, {dateText(v.value(0)), c.serverNow().toString(kPatientCheckDate)});
    }}};

// Charges less returns posted this year to the stays charged to the account.
const ProcedureRegistration chargesAccount{{
    QStringLiteral("Pharma_GetChargesAccount"),
    {text("@AccountNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QDateTime yearStart(QDate(c.serverNow().date().year(), 1, 1), QTime(0, 0));
        const QString account = a.text(QStringLiteral("ACCOUNTNUM")).trimmed();
        return c.query(QStringLiteral("SELECT COALESCE(SUM(CASE WHEN sc.SummaryCode = 'PC' THEN -sc.Amount ELSE sc.Amount END), 0) "
                                      "AS Amount FROM tbInvStockCard sc WHERE sc.SummaryCode IN ('PH', 'PC') "
                                      "AND sc.TransDate >= ? AND sc.IdNum IN (SELECT IDNum FROM patient_data.tbPatient "
                                      "WHERE AccountNum = ? UNION SELECT IDNum FROM patient_data.tbOutPatient "
                                      "WHERE AccountNum = ?)"),
                       {yearStart, account, account});
    }}};

const ProcedureRegistration searchAccount{{
    QStringLiteral("Pharma_SearchAccount"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset s = stayAccount(c, a.text(QStringLiteral("IDNUM")));
        const QStringList names{QStringLiteral("AccountNum"), QStringLiteral("Company")};
        if (s.isEmpty() || s.text(QStringLiteral("AccountNum")).trimmed().isEmpty())
            return Recordset(names, {});
        return oneRow(names, {s.text(QStringLiteral("AccountNum")), s.text(QStringLiteral("Company"))});
    }}};

const ProcedureRegistration getCompany{{
    QStringLiteral("Pharma_GetCompany"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset s = stayAccount(c, a.text(QStringLiteral("IDNUM")));
        const QStringList names{QStringLiteral("Company")};
        if (s.isEmpty())
            return Recordset(names, {});
        return oneRow(names, {s.text(QStringLiteral("Company"))});
    }}};

// The class of the company the stay is charged to; "P" marks an HMO.
const ProcedureRegistration checkIfHMO{{
    QStringLiteral("Radiology_CheckIfHMO"),
    {text("@IDNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        Recordset s = stayAccount(c, a.text(QStringLiteral("IDNUM")));
        const QStringList names{QStringLiteral("Class")};
        if (s.isEmpty() || s.isNull(QStringLiteral("Class")))
            return Recordset(names, {});
        return oneRow(names, {s.value(QStringLiteral("Class"))});
    }}};

const ProcedureRegistration velmiraPatient{{
    QStringLiteral("sp_Bui_GetVelmiraPatient"),
    {text("@PatientID")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT Velmira FROM build_file.tbCoVelmiraPatient WHERE PatientID = ?"),
                       {a.text(QStringLiteral("PATIENTID")).trimmed()});
    }}};

// The station the slip's lines were charged under; without a slip (or when its lines name no
// station) the station of an admission's room.
const ProcedureRegistration getStation{{
    QStringLiteral("Pharma_GetStation"),
    {text("@IDNum"), text("@RefNum")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString id = a.text(QStringLiteral("IDNUM")).trimmed();
        const QString ref = a.text(QStringLiteral("REFNUM")).trimmed();
        if (!ref.isEmpty()) {
            Recordset rs = c.query(QStringLiteral("SELECT TargetLocationID AS StationID FROM tbInvStockCard WHERE IdNum = ? "
                                                  "AND RefNum = ? AND COALESCE(TRIM(TargetLocationID), '') <> '' "
                                                  "ORDER BY id LIMIT 1"),
                                   {id, ref});
            if (!rs.isEmpty())
                return rs;
        }
        return c.query(QStringLiteral("SELECT r.StationID FROM patient_data.tbPatient p INNER JOIN build_file.tbCoRoom r "
                                      "ON r.RoomID = p.RoomID WHERE p.IDNum = ?"),
                       {id});
    }}};

// Dispensing location of the calling workstation (the connection's host id).
const ProcedureRegistration dispensingLocation{{
    QStringLiteral("Pharma_GetDispensingLocation"),
    {},
    [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT isSatelite FROM tbPharmaComputerLocation WHERE HostID = ?"), {c.hostId()});
    }}};

const ProcedureRegistration saveComputerLocation{{
    QStringLiteral("Pharma_SaveComputerLocation"),
    {{QStringLiteral("@isSatelite"), ParamType::Flag}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbPharmaComputerLocation (HostID, isSatelite) VALUES (?, ?) "
                                 "ON CONFLICT (HostID) DO UPDATE SET isSatelite = excluded.isSatelite"),
                  {c.hostId(), a.flag(QStringLiteral("ISSATELITE")) ? 1 : 0});
        return std::nullopt;
    }}};

// Cancels the patient's pending lines of the item: take-home prescription lines in mode 1,
// else the nursing stations' request lines of the department.
const ProcedureRegistration cancelNursingRequest{{
    QStringLiteral("Pharma_CancelNursingRequest"),
    {text("@IDNum"), text("@RevenueID"), text("@ItemID"), text("@UserID"), {QStringLiteral("@Mode"), ParamType::Integer}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString id = a.text(QStringLiteral("IDNUM")).trimmed();
        const QString item = a.text(QStringLiteral("ITEMID")).trimmed();
        if (a.integer(QStringLiteral("MODE")) == 1) {
            c.execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET RecordStatus = 'C' WHERE IdNum = ? AND ItemID = ? "
                                     "AND COALESCE(TRIM(RecordStatus), '') = ''"),
                      {id, item});
            return std::nullopt;
        }
        c.execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'C', ProcessBy = ?, "
                                 "ProcessDate = ? WHERE IDNum = ? AND ItemID = ? AND COALESCE(DepartmentID, 'PH') = ? "
                                 "AND COALESCE(TRIM(RecordStatus), '') = ''"),
                  {a.text(QStringLiteral("USERID")), c.serverNow(), id, item,
                   a.text(QStringLiteral("REVENUEID")).trimmed()});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
