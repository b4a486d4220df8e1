#include "hospitaldb/DocumentCounter.h"

namespace qx::hospitaldb {

namespace {

QString whereKeys(const CounterRow& r) {
    QStringList parts;
    for (const QString& k : r.keyColumns)
        parts << k + QStringLiteral(" = ?");
    return parts.join(QStringLiteral(" AND "));
}

QString placeholders(int n) {
    QStringList q;
    for (int i = 0; i < n; ++i)
        q << QStringLiteral("?");
    return q.join(QStringLiteral(", "));
}

// INSERT of a new row at `start`, with an ON CONFLICT tail the caller supplies.
QString insertRow(const CounterRow& r, const QString& onConflict) {
    return QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (%4, ?) ON CONFLICT (%2) %5")
        .arg(r.table, r.keyColumns.join(QStringLiteral(", ")), r.valueColumn,
             placeholders(int(r.keyColumns.size())), onConflict);
}

} // namespace

std::optional<qint64> readCounter(Connection& c, const CounterRow& r) {
    const QString lock = c.inTransaction() && !c.isSQLite() ? QStringLiteral(" FOR UPDATE") : QString();
    Recordset rs = c.query(QStringLiteral("SELECT COALESCE(%1, %2) FROM %3 WHERE %4%5")
                               .arg(r.valueColumn)
                               .arg(r.initial)
                               .arg(r.table, whereKeys(r), lock),
                           r.keyValues);
    if (rs.isEmpty())
        return std::nullopt;
    return rs.value(0).toLongLong();
}

void ensureCounter(Connection& c, const CounterRow& r) {
    QVariantList binds = r.keyValues;
    binds << r.initial;
    c.execute(insertRow(r, QStringLiteral("DO NOTHING")), binds);
}

qint64 lockCounter(Connection& c, const CounterRow& r) {
    if (std::optional<qint64> v = readCounter(c, r))
        return *v;
    ensureCounter(c, r);
    return readCounter(c, r).value_or(r.initial);
}

qint64 advanceCounter(Connection& c, const CounterRow& r) {
    QVariantList binds = r.keyValues;
    binds << r.initial + 1;
    Recordset rs = c.query(insertRow(r, QStringLiteral("DO UPDATE SET %1 = COALESCE(%2.%1, %3) + 1 RETURNING %1")
                                            .arg(r.valueColumn, r.table.section(QLatin1Char('.'), -1))
                                            .arg(r.initial)),
                           binds);
    return rs.value(0).toLongLong();
}

} // namespace qx::hospitaldb

namespace qx::hospitaldb {

CounterRow chargeSlipTerminalRow(const QString& employeeCode) {
    return {QStringLiteral("tbChargeSlipTerminal"), QStringLiteral("ChargeSlip"), {QStringLiteral("UserID")},
            {employeeCode.trimmed()}, 1};
}

bool reserveDocumentNumber(Connection& c, const QString& kind, const QString& number, const QString& idNum,
                           const QString& claimedBy) {
    return c.execute(QStringLiteral("INSERT INTO tbInvDocumentClaim (Kind, DocumentNumber, IdNum, ClaimedBy, ClaimedAt) "
                                    "VALUES (?, ?, ?, ?, ?) ON CONFLICT (Kind, DocumentNumber) DO NOTHING"),
                     {kind, number.trimmed(), idNum.trimmed(), claimedBy, c.serverNow()}) == 1;
}

bool documentNumberReserved(Connection& c, const QString& kind, const QString& number) {
    return !c.query(QStringLiteral("SELECT 1 FROM tbInvDocumentClaim WHERE Kind = ? AND DocumentNumber = ?"),
                    {kind, number.trimmed()})
                .isEmpty();
}

} // namespace qx::hospitaldb
