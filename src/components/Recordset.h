#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace qx {

// A client-side result: every row fetched at once, a cursor over it (EOF/BOF/MoveNext),
// index access, and fields found by name without regard to letter case. Null stays Null.
class Recordset {
public:
    Recordset() = default;
    Recordset(QStringList fieldNames, QVector<QVariantList> rows);

    int recordCount() const { return static_cast<int>(rows_.size()); }
    int fieldCount() const { return static_cast<int>(names_.size()); }
    QString fieldName(int index) const { return names_.value(index); }
    const QStringList& fieldNames() const { return names_; }
    // Index of a field by name, ignoring case; -1 when absent.
    int fieldIndex(const QString& name) const;
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }

    // Cursor.
    bool eof() const { return pos_ >= recordCount(); }
    bool bof() const { return pos_ < 0 || recordCount() == 0; }
    bool isEmpty() const { return rows_.isEmpty(); }
    void moveFirst() { pos_ = 0; }
    void moveNext() { if (pos_ < recordCount()) ++pos_; }
    void movePrevious() { if (pos_ >= 0) --pos_; }
    void moveLast() { pos_ = recordCount() - 1; }
    int absolutePosition() const { return pos_; }
    void setAbsolutePosition(int row) { pos_ = row; }

    // Values of the current row. Asking for a field that does not exist raises an error,
    // as the data provider did ("Item cannot be found in the collection ...").
    QVariant value(const QString& name) const;
    QVariant value(int column) const;
    QVariant operator[](const QString& name) const { return value(name); }
    bool isNull(const QString& name) const { return value(name).isNull(); }
    // Null read as empty text, the way the program appends "" to a column.
    QString text(const QString& name) const;
    double number(const QString& name) const;
    QDateTime dateTime(const QString& name) const;

    // Values of any row.
    QVariant valueAt(int row, const QString& name) const;
    QVariant valueAt(int row, int column) const;
    const QVariantList& row(int row) const { return rows_[row]; }

private:
    int requireField(const QString& name) const;
    QStringList names_;
    QVector<QVariantList> rows_;
    int pos_ = 0;
};

// Reads the one date-time text format the layer writes (and the ISO forms around it).
QDateTime parseDbDateTime(const QVariant& v);

} // namespace qx
