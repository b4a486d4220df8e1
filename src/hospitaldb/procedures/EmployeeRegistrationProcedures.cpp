// Employees of charge accounts: the search of the employee picker, and the numbering and
// registration of an employee's out-patient visit.
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"
#include "hospitaldb/DocumentCounter.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// A list the picker reloads at every keystroke: the first rows by name are enough to choose from.
constexpr int kCompanyEmployeeSearchRows = 200;

// Master records charged to a company account, by last name starting with the text, in the
// column order the picker shows (hospital number, names, account).
const ProcedureRegistration companySearchEmployees{{
    QStringLiteral("Pharma_CompanySearchEmp"),
    {text("@Search", 50)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString startsWith = likeStartsWith(a.text(QStringLiteral("SEARCH")).trimmed());
        return c.query(QStringLiteral("SELECT m.HospNum, m.LastName, m.FirstName, m.MiddleName, "
                                      "m.MasterAccountCode AS AccountNum FROM patient_data.tbMaster m "
                                      "JOIN build_file.tbCoCompany co ON co.AccountNum = m.MasterAccountCode "
                                      "WHERE m.LastNameFolded LIKE UPPER(?) ESCAPE '\\' "
                                      "ORDER BY m.LastNameFolded, m.FirstName, m.HospNum LIMIT %1")
                           .arg(kCompanyEmployeeSearchRows),
                       {startsWith});
    }}};

// The next out-patient visit number, from the counter that new visits of postings use too.
const ProcedureRegistration aopdNewVisitNumber{{
    QStringLiteral("sp_aopd_GetNewOPDID"),
    {{QStringLiteral("IDNUM"), ParamType::Text, 10, ParamDirection::Out}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        a.set(QStringLiteral("IDNUM"), QString::number(claimNewVisitNumber(c)));
        return std::nullopt;
    }}};

// Writes an out-patient visit: a new id is registered, an existing one takes the new values.
const ProcedureRegistration aopdUpdateVisit{{
    QStringLiteral("sp_aopd_Update_tbOutpatient"),
    {text("@HospNum", 20), text("@IdNum", 10), text("@AccountNum", 20), text("@DoctorID", 20), number("@ERNum"),
     typed("@AdmDate", ParamType::DateTime)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString id = a.text(QStringLiteral("IDNUM")).trimmed();
        const QVariantList values{a.text(QStringLiteral("HOSPNUM")).trimmed(), a.text(QStringLiteral("ACCOUNTNUM")).trimmed(),
                                  a.value(QStringLiteral("DOCTORID")), a.number(QStringLiteral("ERNUM")),
                                  a.value(QStringLiteral("ADMDATE"))};
        if (c.execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET HospNum = ?, AccountNum = ?, DoctorID = ?, "
                                     "ERNum = ?, AdmDate = ? WHERE IDNum = ?"),
                      values + QVariantList{id}) == 0)
            c.execute(QStringLiteral("INSERT INTO patient_data.tbOutPatient (HospNum, AccountNum, DoctorID, ERNum, AdmDate, "
                                     "IDNum) VALUES (?, ?, ?, ?, ?, ?)"),
                      values + QVariantList{id});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
