#pragma once
#include "components/Connection.h"
#include "platform/Values.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace qx::test {

// Each row of the query as its fields joined by "|", written as the program writes values (Null
// empty, numbers without trailing zeros), in the query's order. Inline: only screen tests, which
// link the value helpers, use it.
inline QStringList QueryRows(Connection& c, const QString& sql, const QVariantList& binds = {}) {
    QStringList out;
    for (Recordset rs = c.query(sql, binds); !rs.eof(); rs.moveNext()) {
        QStringList cells;
        for (int i = 0; i < rs.fieldCount(); ++i)
            cells << Text(rs.value(i));
        out << cells.join(u'|');
    }
    return out;
}

} // namespace qx::test
