#include "suite/DispenserRollDispensers.h"
#include "components/SuiteComponents.h"

namespace qx::suite {

DispenserRollDispensers::DispenserRollDispensers(ConnectionProvider provider)
    : ConnectedComponent(progid::Dispensers, std::move(provider)) {}

bool DispenserRollDispensers::Search(const QString& code) {
    Recordset rs = db("Search").query(
        QStringLiteral("SELECT e.EmployeeID, p.FirstName, p.MiddleName, p.LastName FROM password.tbPasswordMain e "
                       "LEFT JOIN password.tbPasswordMaster p ON p.EmployeeID = e.EmployeeID "
                       "WHERE TRIM(e.DepartmentID) = ? AND UPPER(TRIM(e.EmployeeID)) = UPPER(?)"),
        {kPharmacyDepartment, code.trimmed()});
    if (rs.eof()) {
        code_.clear();
        name_.clear();
        return false;
    }
    code_ = rs.text(QStringLiteral("EmployeeID")).trimmed();
    name_ = fullName(rs.text(QStringLiteral("FirstName")), rs.text(QStringLiteral("MiddleName")),
                     rs.text(QStringLiteral("LastName")));
    return true;
}

} // namespace qx::suite
