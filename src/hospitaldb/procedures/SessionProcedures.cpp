// Procedures of the session windows: shift times, the lock screen's password look-up and the
// pharmacy rights of employees.
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// "JUAN S. DELA CRUZ", the form the login component gives the session's name in.
const QString kDisplayName = QStringLiteral(
    "TRIM(COALESCE(p.FirstName, '') || CASE WHEN COALESCE(TRIM(p.MiddleName), '') <> '' "
    "THEN ' ' || SUBSTR(TRIM(p.MiddleName), 1, 1) || '.' ELSE '' END || ' ' || COALESCE(p.LastName, ''))");

// The configured start of each shift and the server's clock; no row when no shift is configured.
const ProcedureRegistration getShift{{
    QStringLiteral("Pharma_GetShift"),
    {},
    [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        Recordset times = c.query(QStringLiteral("SELECT FirstHr, FirstMin, SecondHr, SecondMin, ThirdHr, ThirdMin "
                                                 "FROM tbShiftDesc ORDER BY id LIMIT 1"));
        QStringList names = times.fieldNames();
        QVector<QVariantList> rows;
        if (!times.isEmpty()) {
            names << QStringLiteral("ServerDate");
            rows << (QVariantList(times.row(0)) << c.serverNow());
        }
        return Recordset(names, rows);
    }}};

// The employee of the department with his scrambled password, name, initials and rights letters.
const ProcedureRegistration getPassword{{
    QStringLiteral("Pharma_GetPassword"),
    {text("@EmployeeID", 20), text("@DepartmentID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT e.Password, %1 AS Name, p.Initials, "
                                      "COALESCE(TRIM(e.Right_Code1), '') || COALESCE(TRIM(e.Right_Code2), '') AS Rights "
                                      "FROM password.tbPasswordMain e "
                                      "LEFT JOIN password.tbPasswordMaster p ON p.EmployeeID = e.EmployeeID "
                                      "WHERE UPPER(TRIM(e.EmployeeID)) = UPPER(TRIM(?)) AND TRIM(e.DepartmentID) = TRIM(?)")
                           .arg(kDisplayName),
                       {a.text(QStringLiteral("EMPLOYEEID")), a.text(QStringLiteral("DEPARTMENTID"))});
    }}};

// Pharmacy employees whose code or name starts with the search text, by name.
const ProcedureRegistration searchEmployee{{
    QStringLiteral("Pharma_SearchEmployee"),
    {text("@SearchText", 50)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString like = likeStartsWith(a.text(QStringLiteral("SEARCHTEXT")).trimmed());
        const QString listName = QStringLiteral("TRIM(COALESCE(p.LastName, '') || ', ' || COALESCE(p.FirstName, '') || ' ' "
                                                "|| COALESCE(p.MiddleName, ''))");
        return c.query(QStringLiteral("SELECT TRIM(e.EmployeeID) AS \"Employee Code\", %1 AS Name "
                                      "FROM password.tbPasswordMain e "
                                      "LEFT JOIN password.tbPasswordMaster p ON p.EmployeeID = e.EmployeeID "
                                      "WHERE TRIM(e.DepartmentID) = '15' AND (UPPER(e.EmployeeID) LIKE UPPER(?) ESCAPE '\\' "
                                      "OR UPPER(%1) LIKE UPPER(?) ESCAPE '\\') ORDER BY 2, 1")
                           .arg(listName),
                       {like, like});
    }}};

const char* const kRightColumns[] = {"canManualPosting", "canProcessRequest", "canUnitDose",
                                     "canReturned",      "canCorrection",     "canViewPostedMeds",
                                     "canDrugInquiry",   "canVerification",   "canViewReport"};

// Writes the nine rights every site has, creating the employee's row when it is missing.
const ProcedureRegistration saveEmployeeSettings{{
    QStringLiteral("Pharma_SaveEmployeeSettings"),
    {text("@EmployeeID", 20), flag("@canManualPosting"), flag("@canProcessRequest"), flag("@canUnitDose"),
     flag("@canReturned"), flag("@canCorrection"), flag("@canViewPostedMeds"), flag("@canDrugInquiry"),
     flag("@canVerification"), flag("@canViewReport")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        QStringList columns, updates;
        QVariantList values{a.text(QStringLiteral("EMPLOYEEID")).trimmed()};
        for (const char* column : kRightColumns) {
            const QString name = QString::fromLatin1(column);
            columns << name;
            updates << name + QStringLiteral(" = excluded.") + name;
            values << (a.flag(name.toUpper()) ? 1 : 0);
        }
        c.execute(QStringLiteral("INSERT INTO tbPharmaUserSettings (EmployeeID, %1) VALUES (?%2) "
                                 "ON CONFLICT (EmployeeID) DO UPDATE SET %3")
                      .arg(columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size()),
                           updates.join(QStringLiteral(", "))),
                  values);
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
