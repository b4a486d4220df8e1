#include "components/Recordset.h"
#include "components/AppError.h"

namespace qx {

Recordset::Recordset(QStringList fieldNames, QVector<QVariantList> rows)
    : names_(std::move(fieldNames)), rows_(std::move(rows)) {}

int Recordset::fieldIndex(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Recordset::requireField(const QString& name) const {
    int i = fieldIndex(name);
    if (i < 0)
        throw AppError(static_cast<long>(0x800A0CC1), QStringLiteral("Recordset"),
                       QStringLiteral("Item cannot be found in the collection corresponding to the "
                                      "requested name or ordinal. (%1)").arg(name));
    return i;
}

QVariant Recordset::value(const QString& name) const { return value(requireField(name)); }

QVariant Recordset::value(int column) const {
    if (eof() || pos_ < 0)
        throw AppError(static_cast<long>(0x800A0BCD), QStringLiteral("Recordset"),
                       QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                                      "Requested operation requires a current record."));
    return valueAt(pos_, column);
}

QString Recordset::text(const QString& name) const {
    QVariant v = value(name);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return v.toString();
}

double Recordset::number(const QString& name) const {
    QVariant v = value(name);
    return v.isNull() ? 0.0 : v.toDouble();
}

QDateTime Recordset::dateTime(const QString& name) const { return parseDbDateTime(value(name)); }

QVariant Recordset::valueAt(int row, const QString& name) const { return valueAt(row, requireField(name)); }

QVariant Recordset::valueAt(int row, int column) const {
    if (row < 0 || row >= recordCount() || column < 0 || column >= fieldCount())
        throw AppError(static_cast<long>(0x800A0CC1), QStringLiteral("Recordset"),
                       QStringLiteral("Item cannot be found in the collection corresponding to the "
                                      "requested name or ordinal."));
    return rows_[row][column];
}

QDateTime parseDbDateTime(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    QString s = v.toString().trimmed();
    for (const char* fmt : {"yyyy-MM-dd hh:mm:ss.zzz", "yyyy-MM-dd hh:mm:ss", "yyyy-MM-ddThh:mm:ss.zzz",
                            "yyyy-MM-ddThh:mm:ss", "yyyy-MM-dd hh:mm", "yyyy-MM-dd"}) {
        QDateTime d = QDateTime::fromString(s, QString::fromLatin1(fmt));
        if (d.isValid())
            return d;
    }
    return QDateTime::fromString(s, Qt::ISODateWithMs);
}

} // namespace qx
