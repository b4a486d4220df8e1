#include "SchemaIndexes.h"

namespace qx::hospitaldb {

void createIndexes(Connection& c, const QString& schema, std::initializer_list<IndexSpec> indexes) {
    for (const IndexSpec& i : indexes) {
        QString columns = QString::fromLatin1(i.columns);
        if (i.prefixSearch && !c.isSQLite())
            columns += QStringLiteral(" text_pattern_ops");
        createIndex(c, schema, QString::fromLatin1(i.table), QString::fromLatin1(i.name), columns);
    }
}

} // namespace qx::hospitaldb
