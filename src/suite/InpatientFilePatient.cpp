#include "suite/InpatientFilePatient.h"
#include "components/SearchText.h"

namespace qx::suite {

namespace {
const QString kPatientName = sqlListName(QStringLiteral("m"));
const QString kDoctorName = sqlListName(QStringLiteral("d"));
constexpr int kSeniorAge = 60;

QString tidyName(QString name) {
    name = name.trimmed();
    if (name == QLatin1String(","))
        return QString();
    if (name.startsWith(QLatin1String(", ")))
        name = name.mid(2);
    if (name.endsWith(QLatin1Char(',')))
        name.chop(1);
    return name.trimmed();
}
} // namespace

QString InpatientFilePatient::ageOn(const QDate& birth, const QDate& today) {
    if (!birth.isValid())
        return QString();
    int years = today.year() - birth.year();
    if (today.month() < birth.month() || (today.month() == birth.month() && today.day() < birth.day()))
        --years;
    return QString::number(std::max(years, 0));
}

bool InpatientFilePatient::LoadInfo(const QString& admissionNumber) {
    Connection& c = db("LoadInfo");
    Recordset rs = c.query(
        QStringLiteral("SELECT p.IDNum, p.HospNum, p.RoomID, p.BillingDate, p.DoctorID, ") + kPatientName +
            QStringLiteral(" AS PatientName, m.Sex, m.BirthDate, m.SeniorCitizenID, r.StationID, "
                           "st.Station, ") +
            kDoctorName +
            QStringLiteral(" AS DoctorName, c.Company FROM patient_data.tbPatient p "
                           "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                           "LEFT JOIN build_file.tbCoRoom r ON r.RoomID = p.RoomID "
                           "LEFT JOIN build_file.tbCoStation st ON st.StationID = r.StationID "
                           "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = p.DoctorID "
                           "LEFT JOIN build_file.tbCoCompany c ON c.AccountNum = p.AccountNum "
                           "WHERE TRIM(p.IDNum) = TRIM(?)"),
        {admissionNumber});
    if (rs.isEmpty())
        return false;
    Record r;
    r.admission = rs.text(QStringLiteral("IDNum"));
    r.hospital = rs.text(QStringLiteral("HospNum"));
    r.name = tidyName(rs.text(QStringLiteral("PatientName")));
    r.roomNumber = rs.text(QStringLiteral("RoomID"));
    r.room = r.roomNumber;
    r.stationId = rs.text(QStringLiteral("StationID"));
    r.station = rs.text(QStringLiteral("Station"));
    r.doctorId = rs.text(QStringLiteral("DoctorID"));
    r.doctor = tidyName(rs.text(QStringLiteral("DoctorName")));
    r.company = rs.text(QStringLiteral("Company"));
    r.sex = rs.text(QStringLiteral("Sex"));
    const QDate birth = rs.dateTime(QStringLiteral("BirthDate")).date();
    r.age = ageOn(birth, c.serverNow().date());
    // Billed and the program's closed-bill test both read BillingDate: open while it is Null.
    const QDateTime billing = rs.dateTime(QStringLiteral("BillingDate"));
    r.billed = billing.isValid() ? billing.toString(QStringLiteral("MM/dd/yyyy")) : QStringLiteral("01/01/1900");
    r.senior = isSenior(rs.text(QStringLiteral("SeniorCitizenID")), r.age);
    r_ = r;
    return true;
}

// One row per patient with open pharmacy requests. Fixed positions: 1 patient id, 4 station name,
// 5 station id, 7 "*" for STAT. The open lines are read through their partial index, in patient
// order, so the grouping needs no sort of its own.
bool InpatientFilePatient::isSenior(const QString& seniorCitizenId, const QString& age) {
    const QString id = seniorCitizenId.trimmed();
    return (!id.isEmpty() && id != QLatin1String("0")) || (!age.isEmpty() && age.toInt() >= kSeniorAge);
}

Recordset InpatientFilePatient::LoadCommunication(const QString& stationId, const QString& search, int option,
                                                  int order, const QString& inOut) {
    const bool outPatients = inOut.trimmed().compare(QStringLiteral("O"), Qt::CaseInsensitive) == 0;
    const QString patients = outPatients ? QStringLiteral("patient_data.tbOutPatient") : QStringLiteral("patient_data.tbPatient");
    const QString room = outPatients ? QStringLiteral("'OPD'") : QStringLiteral("p.RoomID");
    const bool oneStation = option == 1 && !stationId.trimmed().isEmpty();
    QVariantList binds{outPatients ? QStringLiteral("O") : QStringLiteral("I")};
    if (oneStation)
        binds << stationId.trimmed();
    QString sql = QStringLiteral("SELECT p.HospNum AS \"Hospital #\", q.IDNum AS \"Admission #\", ") + kPatientName +
                  QStringLiteral(" AS \"Patient Name\", ") + room +
                  QStringLiteral(" AS Room, st.Station, q.StationID, q.FirstRequest AS \"Request Date\", "
                                 "CASE WHEN q.StatCount > 0 THEN '*' ELSE '' END AS Stat, '' AS Spare FROM "
                                 "(SELECT r.IDNum, MIN(r.StationID) AS StationID, MIN(r.RequestDate) AS FirstRequest, "
                                 "SUM(CASE WHEN r.isStat <> 0 THEN 1 ELSE 0 END) AS StatCount "
                                 "FROM station.tbNurseCommunicationFile r WHERE r.DepartmentID = 'PH' AND r.InOut = ? "
                                 "AND COALESCE(r.RecordStatus, '') = ''") +
                  (oneStation ? QStringLiteral(" AND r.StationID = ?") : QString()) +
                  QStringLiteral(" GROUP BY r.IDNum) q JOIN ") + patients +
                  QStringLiteral(" p ON p.IDNum = q.IDNum "
                                 "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                                 "LEFT JOIN build_file.tbCoStation st ON st.StationID = q.StationID");
    if (!search.trimmed().isEmpty()) {
        sql += QStringLiteral(" WHERE UPPER(") + kPatientName + QStringLiteral(") LIKE UPPER(?) ESCAPE '\\'");
        binds << likeStartsWith(search.trimmed());
    }
    sql += order == 2 ? QStringLiteral(" ORDER BY 3, 1") : QStringLiteral(" ORDER BY q.FirstRequest, 1");
    return db("LoadCommunication").query(sql, binds);
}

// Admissions with open unit-dose requests; column 3 carries the "(RX)" mark before the name.
Recordset InpatientFilePatient::ListUnitDosePatients(const QString& stationId, int option, int order) {
    const bool oneStation = option == 2 && !stationId.trimmed().isEmpty();
    QVariantList binds;
    if (oneStation)
        binds << stationId.trimmed();
    return db("ListUnitDosePatients").query(
        QStringLiteral("SELECT p.HospNum AS \"Hospital #\", q.IDNum AS \"Admission #\", ") + kPatientName +
            QStringLiteral(" AS \"Patient Name\", CASE WHEN q.RxMark > 0 THEN '(RX) ' ELSE '' END || ") + kPatientName +
            QStringLiteral(" AS Name, ") + kPatientName +
            QStringLiteral(" AS NameAfterMark, p.RoomID AS Room, st.Station, q.StationID FROM "
                           "(SELECT u.IDNum, MIN(u.StationID) AS StationID, MIN(u.RequestDate) AS FirstRequest, "
                           "MAX(u.RxMark) AS RxMark FROM station.tbNurseUnitDose u "
                           "WHERE COALESCE(u.RecordStatus, '') <> 'R'") +
            (oneStation ? QStringLiteral(" AND u.StationID = ?") : QString()) +
            QStringLiteral(" GROUP BY u.IDNum) q JOIN patient_data.tbPatient p ON p.IDNum = q.IDNum "
                           "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                           "LEFT JOIN build_file.tbCoStation st ON st.StationID = q.StationID ORDER BY ") +
            (order == 2 ? QStringLiteral("3, 2") : QStringLiteral("q.FirstRequest, 2")),
        binds);
}

} // namespace qx::suite
