#include "components/RowBatches.h"

namespace qx {

QString placeholderList(int count) { return QStringList(count, QStringLiteral("?")).join(QStringLiteral(", ")); }

QString valueRows(int rowCount, int columnCount) {
    const QString row = QLatin1Char('(') + placeholderList(columnCount) + QLatin1Char(')');
    return QStringList(rowCount, row).join(QStringLiteral(", "));
}

int insertRows(Connection& c, const QString& table, const QStringList& columns, const QVector<QVariantList>& rows) {
    int inserted = 0;
    const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(QStringLiteral(", ")));
    forEachRowChunk(int(rows.size()), [&](int first, int count) {
        QVariantList binds;
        for (int i = first; i < first + count; ++i)
            binds += rows[i];
        inserted += c.execute(head + valueRows(count, int(columns.size())), binds);
    });
    return inserted;
}

} // namespace qx
