#include "hospitaldb/DocumentCounter.h"
#include "components/AppError.h"

#include <QRegularExpression>

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

CounterRow newVisitCounterRow() {
    return {QStringLiteral("tbInvDocumentCounter"), QStringLiteral("NextValue"),
            {QStringLiteral("Kind"), QStringLiteral("PatientKey")}, {QStringLiteral("OP"), QStringLiteral("")}, 1};
}

QString newVisitId(qint64 n) { return QString::number(n) + QLatin1Char('B'); }

qint64 claimNewVisitNumber(Connection& c) {
    Transaction tx(c);
    const CounterRow counter = newVisitCounterRow();
    for (;;) {
        const qint64 n = lockCounter(c, counter);
        advanceCounter(c, counter);
        // Visits made by other programs of the suite may hold a number already.
        if (c.query(QStringLiteral("SELECT 1 FROM patient_data.tbOutPatient WHERE IDNum = ?"), {newVisitId(n)}).isEmpty()) {
            tx.commit();
            return n;
        }
    }
}

} // namespace qx::hospitaldb

namespace qx::hospitaldb {

namespace {

constexpr int kEmployeeCodeSize = 20;

// A null text binds as Null, which would blank every number built from it.
QString textOf(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

// SQL text that writes the integer expression `n` as the series writes its numbers; its binds go
// to `binds` in order.
QString numberText(const Connection& c, const DocumentSeries& s, const QString& n, QVariantList& binds) {
    binds << textOf(s.prefix);
    QString digits;
    if (c.isSQLite()) {
        digits = QStringLiteral("printf(?, %1)").arg(n);
        binds << QStringLiteral("%0") + QString::number(s.width) + QStringLiteral("d");
    } else {
        digits = QStringLiteral("lpad(CAST(%1 AS TEXT), GREATEST(?, LENGTH(CAST(%1 AS TEXT))), '0')").arg(n);
        binds << s.width;
    }
    binds << textOf(s.suffix);
    return QStringLiteral("(? || %1 || ?)").arg(digits);
}

QString allDigits(const Connection& c, const QString& text) {
    return c.isSQLite() ? text + QStringLiteral(" NOT GLOB '*[^0-9]*'") : text + QStringLiteral(" ~ '^[0-9]+$'");
}

// One statement: the counter moves to one past the smallest free number at or after it, and
// gives that number back (-2 when none of the counter's width is free). Candidates are the
// counter itself and the successor of every used number of its width at or after it; lines of
// the series sort by number within one width, so an index range finds those used numbers.
Recordset findAndAdvance(Connection& c, const DocumentSeries& s) {
    const CounterRow& r = s.counter;
    const QString self = r.table.section(QLatin1Char('.'), -1);
    const QString counter = QStringLiteral("COALESCE(%1.%2, %3)").arg(self, r.valueColumn).arg(r.initial);
    const int digitsAt = int(s.prefix.size()) + 1;
    const int suffixSize = int(s.suffix.size());
    QVariantList binds;
    auto usedFrom = [&](const QString& table, const QString& column, bool claims) {
        QString sql = QStringLiteral("SELECT %1 AS num FROM %2 WHERE ").arg(column, table);
        if (claims) {
            sql += QStringLiteral("Kind = ? AND ");
            binds << s.kind;
        }
        sql += QStringLiteral("%1 >= %2 AND %1 < ?").arg(column, numberText(c, s, counter, binds));
        binds << s.prefix + QStringLiteral("A");
        return sql;
    };
    const QString stockCardUsed = usedFrom(QStringLiteral("tbInvStockCard"), s.stockCardColumn, false);
    const QString claimsUsed = usedFrom(QStringLiteral("tbInvDocumentClaim"), QStringLiteral("DocumentNumber"), true);
    const QString digits = QStringLiteral("SUBSTR(u.num, %1, LENGTH(u.num) - %2)").arg(digitsAt).arg(digitsAt - 1 + suffixSize);
    QString shape = QStringLiteral("LENGTH(u.num) = LENGTH(%1) AND SUBSTR(u.num, 1, %2) = ? AND SUBSTR(u.num, LENGTH(u.num) - %3) = ? AND %4")
                        .arg(numberText(c, s, counter, binds))
                        .arg(digitsAt - 1)
                        .arg(suffixSize - 1)
                        .arg(allDigits(c, digits));
    binds << textOf(s.prefix) << textOf(s.suffix);
    const QString onCard = QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE %1 = %2")
                               .arg(s.stockCardColumn, numberText(c, s, QStringLiteral("cand.n"), binds));
    const QString claimed = QStringLiteral("SELECT 1 FROM tbInvDocumentClaim WHERE Kind = ? AND DocumentNumber = %1");
    binds << s.kind;
    const QString claimedSql = claimed.arg(numberText(c, s, QStringLiteral("cand.n"), binds));
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 = COALESCE((SELECT MIN(cand.n) FROM ("
                       "SELECT %3 AS n UNION ALL SELECT CAST(%4 AS BIGINT) + 1 FROM (%5 UNION ALL %6) u WHERE %7) cand "
                       "WHERE NOT EXISTS (%8) AND NOT EXISTS (%9)) + 1, -1) WHERE %10 RETURNING %2 - 1")
            .arg(r.table, r.valueColumn, counter, digits, stockCardUsed, claimsUsed, shape, onCard, claimedSql,
                 whereKeys(r));
    binds << r.keyValues;
    return c.query(sql, binds);
}

} // namespace

QString formatDocumentNumber(const DocumentSeries& s, qint64 n) {
    return s.prefix + QStringLiteral("%1").arg(n, s.width, 10, QLatin1Char('0')) + s.suffix;
}

QString claimDocumentNumber(Connection& c, const DocumentSeries& s, const QString& idNum, const QString& claimedBy) {
    // Any failure dooms the caller's save, so a counter moved by a lost try never outlives it.
    Transaction tx(c);
    for (int tries = 0; tries < kMaxDocumentClaimTries; ++tries) {
        Recordset rs = findAndAdvance(c, s);
        if (rs.isEmpty()) {
            ensureCounter(c, s.counter);
            continue;
        }
        const qint64 n = rs.value(0).toLongLong();
        if (n < 0)
            break;
        const QString number = formatDocumentNumber(s, n);
        if (reserveDocumentNumber(c, s.kind, number, idNum, claimedBy)) {
            tx.commit();
            return number;
        }
    }
    throw AppError(kDbErrorNumber, QStringLiteral("DocumentCounter"),
                   QStringLiteral("No free document number was found. Please check the number counter."));
}

QString terminalCounterKey(const QString& employeeCode) {
    QString key = employeeCode.trimmed();
    if (key.size() > kEmployeeCodeSize)
        key = key.left(key.at(kEmployeeCodeSize - 1).isHighSurrogate() ? kEmployeeCodeSize - 1 : kEmployeeCodeSize);
    return key.trimmed();
}

CounterRow chargeSlipTerminalRow(const QString& employeeCode) {
    return {QStringLiteral("tbChargeSlipTerminal"), QStringLiteral("ChargeSlip"), {QStringLiteral("UserID")},
            {terminalCounterKey(employeeCode)}, 1};
}

DocumentSeries terminalChargeSlipSeries(const QString& employeeCode) {
    return {chargeSlipTerminalRow(employeeCode), QStringLiteral("C"), 6, QStringLiteral("M"), QStringLiteral("CS"),
            QStringLiteral("RefNum")};
}

std::optional<qint64> parseTerminalChargeSlip(const QString& typed) {
    static const QRegularExpression form(QStringLiteral("^[Cc]?([0-9]{1,18})[Mm]?$"));
    const QString text = typed.trimmed();
    const QRegularExpressionMatch m = form.match(text);
    // The letters come as a pair or not at all.
    if (!m.hasMatch() || text.startsWith(QLatin1Char('C'), Qt::CaseInsensitive) != text.endsWith(QLatin1Char('M'), Qt::CaseInsensitive))
        return std::nullopt;
    return m.captured(1).toLongLong();
}

bool reserveDocumentNumber(Connection& c, const QString& kind, const QString& number, const QString& idNum,
                           const QString& claimedBy) {
    QVariantList binds{kind, number.trimmed(), idNum.trimmed(), claimedBy};
    // The server's clock in the statement itself: reading it first would cost a round trip per claim.
    QString at = QStringLiteral("date_trunc('second', LOCALTIMESTAMP)");
    if (c.isSQLite()) {
        at = QStringLiteral("?");
        binds << c.serverNow();
    }
    return c.execute(QStringLiteral("INSERT INTO tbInvDocumentClaim (Kind, DocumentNumber, IdNum, ClaimedBy, ClaimedAt) "
                                    "VALUES (?, ?, ?, ?, %1) ON CONFLICT (Kind, DocumentNumber) DO NOTHING")
                         .arg(at),
                     binds) == 1;
}

bool documentNumberReserved(Connection& c, const QString& kind, const QString& number) {
    return !c.query(QStringLiteral("SELECT 1 FROM tbInvDocumentClaim WHERE Kind = ? AND DocumentNumber = ?"),
                    {kind, number.trimmed()})
                .isEmpty();
}

} // namespace qx::hospitaldb
