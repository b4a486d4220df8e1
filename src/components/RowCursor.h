#pragma once
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <memory>

class QSqlQuery;

namespace qx {

class Connection;

// The rows of a statement read as they are asked for, for results too large to wait for (reports).
// Before its connection runs anything else it reads the rest of the rows ahead, so the cursor never
// loses a row and never holds the connection up; the same happens when the connection closes.
class RowCursor {
public:
    ~RowCursor();
    RowCursor(const RowCursor&) = delete;
    RowCursor& operator=(const RowCursor&) = delete;

    const QStringList& fieldNames() const { return names_; }
    // Up to `count` more rows in order; fewer at the end, none once all are read.
    QVector<QVariantList> fetch(int count);
    bool atEnd() const;

private:
    friend class Connection;
    RowCursor(Connection* connection, std::unique_ptr<QSqlQuery> statement);
    // Reads every remaining row into the cursor and lets go of the statement and the connection.
    void readAhead();
    bool readRow(QVariantList& row);

    Connection* connection_;
    std::unique_ptr<QSqlQuery> statement_;  // null once every row is read
    QStringList names_;
    QVector<QVariantList> ahead_;
    qsizetype aheadRead_ = 0;
};

} // namespace qx
