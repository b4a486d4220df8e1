#include "suite/OutpatientFileOPDPatient.h"
#include "suite/InpatientFilePatient.h"

namespace qx::suite {

namespace {
QString joinName(const Recordset& rs, const QString& last, const QString& first, const QString& middle) {
    const QString l = rs.text(last).trimmed();
    const QString rest = (rs.text(first).trimmed() + QLatin1Char(' ') + rs.text(middle).trimmed()).trimmed();
    if (l.isEmpty())
        return rest;
    return rest.isEmpty() ? l : l + QStringLiteral(", ") + rest;
}
} // namespace

bool OutpatientFileOPDPatient::Search(const QString& visitId) {
    Connection& c = db("Search");
    Recordset rs = c.query(
        QStringLiteral("SELECT o.IDNum, o.HospNum, o.AccountNum, o.DoctorID, m.LastName, m.FirstName, m.MiddleName, "
                       "m.Sex, m.BirthDate, m.SeniorCitizenID, d.LastName AS DocLast, d.FirstName AS DocFirst, d.MiddleName AS DocMiddle, "
                       "c.Company FROM patient_data.tbOutPatient o "
                       "LEFT JOIN patient_data.tbMaster m ON m.HospNum = o.HospNum "
                       "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = o.DoctorID "
                       "LEFT JOIN build_file.tbCoCompany c ON c.AccountNum = o.AccountNum "
                       "WHERE UPPER(TRIM(o.IDNum)) = UPPER(TRIM(?))"),
        {visitId});
    if (rs.isEmpty())
        return false;
    Record r;
    r.visit = rs.text(QStringLiteral("IDNum"));
    r.hospital = rs.text(QStringLiteral("HospNum"));
    r.name = joinName(rs, QStringLiteral("LastName"), QStringLiteral("FirstName"), QStringLiteral("MiddleName"));
    r.doctorCode = rs.text(QStringLiteral("DoctorID"));
    r.doctor = joinName(rs, QStringLiteral("DocLast"), QStringLiteral("DocFirst"), QStringLiteral("DocMiddle"));
    r.account = rs.text(QStringLiteral("AccountNum"));
    // The patient's own account carries the patient's name.
    r.accountName = rs.text(QStringLiteral("Company")).trimmed().isEmpty() && r.account.trimmed() == r.hospital.trimmed()
                        ? r.name
                        : rs.text(QStringLiteral("Company"));
    r.sex = rs.text(QStringLiteral("Sex"));
    r.age = InpatientFilePatient::ageOn(rs.dateTime(QStringLiteral("BirthDate")).date(), c.serverNow().date());
    r.senior = InpatientFilePatient::isSenior(rs.text(QStringLiteral("SeniorCitizenID")), r.age);
    r_ = r;
    return true;
}

} // namespace qx::suite
