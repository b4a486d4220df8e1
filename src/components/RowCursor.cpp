#include "components/RowCursor.h"
#include "components/Connection.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace qx {

RowCursor::RowCursor(Connection* connection, std::unique_ptr<QSqlQuery> statement)
    : connection_(connection), statement_(std::move(statement)) {
    const QSqlRecord rec = statement_->record();
    for (int i = 0; i < rec.count(); ++i)
        names_ << rec.fieldName(i);
}

RowCursor::~RowCursor() {
    if (connection_)
        connection_->releaseCursor(this);
}

bool RowCursor::readRow(QVariantList& row) {
    if (!statement_ || !statement_->next()) {
        statement_.reset();
        if (connection_)
            connection_->releaseCursor(this);
        return false;
    }
    row.clear();
    row.reserve(names_.size());
    for (int i = 0; i < names_.size(); ++i)
        row << statement_->value(i);
    return true;
}

QVector<QVariantList> RowCursor::fetch(int count) {
    QVector<QVariantList> rows;
    while (rows.size() < count && aheadRead_ < ahead_.size())
        rows << std::move(ahead_[aheadRead_++]);
    if (aheadRead_ == ahead_.size() && aheadRead_ > 0) {
        ahead_.clear();
        aheadRead_ = 0;
    }
    QVariantList row;
    while (rows.size() < count && readRow(row))
        rows << row;
    return rows;
}

bool RowCursor::atEnd() const { return !statement_ && aheadRead_ >= ahead_.size(); }

void RowCursor::readAhead() {
    QVariantList row;
    while (readRow(row))
        ahead_ << row;
}

} // namespace qx
