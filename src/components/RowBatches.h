#pragma once
#include "components/Connection.h"

#include <QStringList>
#include <QVector>

namespace qx {

// Many rows go to the server in statements of 64, 32, ... 1 rows, so that batches of any size
// reuse a few prepared statements. Calls body(first, count) for each chunk in order.
template <typename Body>
void forEachRowChunk(int rowCount, Body&& body) {
    constexpr int kLargestChunk = 64;
    int first = 0;
    while (first < rowCount) {
        int count = kLargestChunk;
        while (count > rowCount - first)
            count /= 2;
        body(first, count);
        first += count;
    }
}

// "(?, ?), (?, ?)": the placeholders of `rowCount` rows of `columnCount` values.
QString valueRows(int rowCount, int columnCount);

// "?, ?, ?": the placeholders of an IN list.
QString placeholderList(int count);

// Inserts the rows (one value per column each) in order, in chunks; returns the rows inserted.
int insertRows(Connection& c, const QString& table, const QStringList& columns, const QVector<QVariantList>& rows);

} // namespace qx
