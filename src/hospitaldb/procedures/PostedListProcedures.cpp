// Procedures of the posted-medicine lists: the patient category the drug profile prints.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// Whole years from the birth date to the server's date.
QString ageOn(const QDate& birth, const QDate& today) {
    if (!birth.isValid())
        return QString();
    int years = today.year() - birth.year();
    if (today.month() < birth.month() || (today.month() == birth.month() && today.day() < birth.day()))
        --years;
    return QString::number(years);
}

// Age and sex of the admission's patient; no row for an admission the registry lacks.
const ProcedureRegistration patientsCategory{{
    QStringLiteral("Pharma_GetPharmaPatientsCategory"),
    {text("@IDNum", 15)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const Recordset rs = c.query(QStringLiteral("SELECT m.BirthDate, m.Sex FROM patient_data.tbPatient p "
                                                    "JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                                                    "WHERE p.IDNum = ?"),
                                     {a.text(QStringLiteral("IDNUM")).trimmed()});
        QVector<QVariantList> rows;
        if (!rs.eof()) {
            const QDate today = c.serverNow().date();
            rows.push_back({ageOn(parseDbDateTime(rs.value(QStringLiteral("BirthDate"))).date(), today),
                            rs.value(QStringLiteral("Sex"))});
        }
        return Recordset({QStringLiteral("Age"), QStringLiteral("Sex")}, rows);
    }}};

} // namespace
} // namespace qx::hospitaldb
