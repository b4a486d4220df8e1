#include "shell/clsInvGeneric.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"

namespace qx {

void clsInvGeneric::Init(Connection& con, const QString& genericId) {
    generalProcedure(QStringLiteral("clsInvGeneric"), QStringLiteral("Init"), [&] {
        Recordset rs = con.query(QStringLiteral("SELECT GenericID, GenericName FROM tbForGeneric WHERE GenericID = ?"),
                                 {genericId});
        if (rs.isEmpty())
            return;
        GenericID = rs.text(QStringLiteral("GenericID"));
        GenericName = rs.text(QStringLiteral("GenericName"));
    });
}

} // namespace qx
