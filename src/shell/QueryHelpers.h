#pragma once
#include <QString>
#include <QVariant>

namespace qx {

class Connection;
class Recordset;

// The server's clock as text in the regional date-and-time form ("12/9/2026 2:05:00 PM").
QString GetServerDate(Connection& con);
// The value of the field named `fieldName` (any letter case) of the current row; `defaultValue`
// when the recordset has no such field or it is Null.
QVariant GetFieldValue(const Recordset& rs, const QString& fieldName, const QVariant& defaultValue);
// Whether the default database's `table` has `column`. An error shows the "Application Error"
// box and ends the program.
bool ColumnExists(Connection& con, const QString& table, const QString& column);
// Whether the item's barcode is carried by another item too; an item the database does not
// answer for counts as a duplicate.
bool IsDuplicateBarcode(Connection& con, const QString& itemCode, const QString& itemText);

} // namespace qx
