#include "suite/DispenserRollDispenserList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/DispenserRollDispensers.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

DispenserRollDispenserList::DispenserRollDispenserList(ConnectionProvider provider)
    : ConnectedComponent(progid::DispenserList, std::move(provider)) {}

QString DispenserRollDispenserList::ShowList(const QString& text) {
    Connection& c = db("ShowList");
    const QString name = sqlListName(QStringLiteral("p"));
    PickListSpec spec{QStringLiteral("Dispensers"),
                      {QStringLiteral("Employee #"), QStringLiteral("Name")},
                      {100, 360},
                      [&c, name](const QString& search) {
                          const QString like = likeStartsWith(search.trimmed());
                          return c.query(QStringLiteral("SELECT e.EmployeeID, %1 AS Name FROM password.tbPasswordMain e "
                                                        "LEFT JOIN password.tbPasswordMaster p ON p.EmployeeID = e.EmployeeID "
                                                        "WHERE TRIM(e.DepartmentID) = ? AND (UPPER(e.EmployeeID) LIKE UPPER(?) ESCAPE '\\' "
                                                        "OR UPPER(%1) LIKE UPPER(?) ESCAPE '\\') ORDER BY 2 LIMIT 500")
                                             .arg(name),
                                         {kPharmacyDepartment, like, like});
                      },
                      {}};
    return PickListDialog::pickKey(std::move(spec), text);
}

} // namespace qx::suite
