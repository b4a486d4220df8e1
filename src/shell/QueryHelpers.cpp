#include "shell/QueryHelpers.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

namespace qx {

QString GetServerDate(Connection& con) { return Text(con.serverNow()); }

QVariant GetFieldValue(const Recordset& rs, const QString& fieldName, const QVariant& defaultValue) {
    if (!rs.hasField(fieldName))
        return defaultValue;
    const QVariant v = rs.value(fieldName);
    return IsNull(v) ? defaultValue : v;
}

bool ColumnExists(Connection& con, const QString& table, const QString& column) {
    bool exists = false;
    eventHandler(QStringLiteral("mdlMain"), QStringLiteral("ColumnExists"),
                 [&] { exists = con.columnExists(QString(), table, column); });
    return exists;
}

bool IsDuplicateBarcode(Connection& con, const QString& itemCode, const QString& itemText) {
    auto rs = con.callProcedure(QStringLiteral("sp_Pharma_DuplicateBarcode"),
                                {{QStringLiteral("@ItemID"), Trim(itemCode)}, {QStringLiteral("@ItemText"), Trim(itemText)}});
    if (!rs || rs->recordCount() < 1)
        return true;
    return CBool(NullToDefault(rs->value(QStringLiteral("Duplicate")), 0));
}

} // namespace qx
