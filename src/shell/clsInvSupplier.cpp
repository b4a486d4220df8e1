#include "shell/clsInvSupplier.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"

namespace qx {

void clsInvSupplier::Init(Connection& con, const QString& supplierId) {
    generalProcedure(QStringLiteral("clsInvSupplier"), QStringLiteral("Init"), [&] {
        Recordset rs = con.query(QStringLiteral("SELECT SupplierID, SupplierName FROM tbInvSupplier WHERE SupplierID = ?"),
                                 {supplierId});
        if (rs.isEmpty())
            return;
        SupplierID = rs.text(QStringLiteral("SupplierID"));
        SupplierName = rs.text(QStringLiteral("SupplierName"));
    });
}

} // namespace qx
