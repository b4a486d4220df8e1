#include "EngineProbes.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <sqlite3.h>

namespace qx::test {
namespace {

sqlite3* sqliteHandle(Connection& c) {
    if (!c.isSQLite())
        return nullptr;
    const QVariant handle = c.database().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

int traceStatement(unsigned kind, void* context, void* statement, void* text) {
    if (kind != SQLITE_TRACE_STMT)
        return 0;
    const char* sql = static_cast<const char*>(text);
    if (sql && sql[0] == '-' && sql[1] == '-')
        return 0;  // a trigger's program
    auto* stmt = static_cast<sqlite3_stmt*>(statement);
    char* expanded = sqlite3_expanded_sql(stmt);
    static_cast<QList<SentStatement>*>(context)->push_back(
        {QString::fromUtf8(sqlite3_sql(stmt)), QString::fromUtf8(expanded ? expanded : sqlite3_sql(stmt))});
    sqlite3_free(expanded);
    return 0;
}

int countCommit(void* counter) {
    ++*static_cast<qint64*>(counter);
    return 0;
}

// Runs `work`, undoing `cleanup` also when it throws.
void guarded(const std::function<void()>& work, const std::function<void()>& cleanup) {
    try {
        work();
    } catch (...) {
        cleanup();
        throw;
    }
    cleanup();
}

} // namespace

QList<SentStatement> statementsOf(Connection& c, const std::function<void()>& work) {
    QList<SentStatement> sent;
    sqlite3* db = sqliteHandle(c);
    if (!db) {
        work();
        return sent;
    }
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, traceStatement, &sent);
    guarded(work, [db] { sqlite3_trace_v2(db, 0, nullptr, nullptr); });
    return sent;
}

QString queryPlan(Connection& c, const SentStatement& statement) {
    // Transaction control and settings have no plan.
    static const QRegularExpression planned(QStringLiteral("^\\s*(SELECT|WITH|INSERT|UPDATE|DELETE)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!planned.match(statement.sql).hasMatch())
        return QString();
    // EXPLAIN cannot be prepared on PostgreSQL: both go as plain text, values written in.
    QSqlQuery q(c.database());
    const QString explain = c.isSQLite() ? QStringLiteral("EXPLAIN QUERY PLAN ") : QStringLiteral("EXPLAIN ");
    if (!q.exec(explain + statement.withValues))
        return QStringLiteral("EXPLAIN failed: ") + q.lastError().text();
    QStringList lines;
    while (q.next())
        lines << q.value(c.isSQLite() ? 3 : 0).toString();
    return lines.join(QLatin1Char('\n'));
}

QStringList fullScans(Connection& c, const QString& plan, const QStringList& smallTables) {
    const QStringList lines = plan.split(QLatin1Char('\n'));
    QStringList exempt = smallTables;
    static const QRegularExpression subquery(QStringLiteral("^(?:MATERIALIZE|CO-ROUTINE) (\\S+)"));
    for (const QString& line : lines)
        if (const auto m = subquery.match(line.trimmed()); m.hasMatch())
            exempt << m.captured(1);
    static const QRegularExpression sqliteScan(QStringLiteral("^SCAN (\\S+)"));
    static const QRegularExpression pgScan(QStringLiteral("Seq Scan on (\\S+)(?: (\\S+))?"));
    QStringList scans;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("EXPLAIN failed"))) {
            scans << line;
            continue;
        }
        QStringList names;
        if (c.isSQLite()) {
            const auto m = sqliteScan.match(line.trimmed());
            if (!m.hasMatch() || m.captured(1) == QStringLiteral("CONSTANT"))
                continue;
            names << m.captured(1);
        } else {
            const auto m = pgScan.match(line);
            if (!m.hasMatch())
                continue;
            names << m.captured(1) << m.captured(2);
        }
        const bool allowed = std::any_of(names.begin(), names.end(), [&](const QString& name) {
            return !name.isEmpty() && (exempt.contains(name, Qt::CaseInsensitive) ||
                                       exempt.contains(name.section(QLatin1Char('.'), -1), Qt::CaseInsensitive));
        });
        if (!allowed)
            scans << line.trimmed();
    }
    return scans;
}

qint64 writeCommitsOf(Connection& c, const std::function<void()>& work) {
    if (sqlite3* db = sqliteHandle(c)) {
        qint64 commits = 0;
        sqlite3_commit_hook(db, countCommit, &commits);
        guarded(work, [db] { sqlite3_commit_hook(db, nullptr, nullptr); });
        return commits;
    }
    // Each writing transaction takes a transaction id of its own; so does each asking.
    const auto lastId = [&c] { return c.query(QStringLiteral("SELECT txid_current() AS id")).value(QStringLiteral("id")).toLongLong(); };
    const qint64 before = lastId();
    work();
    return lastId() - before - 1;
}

} // namespace qx::test
