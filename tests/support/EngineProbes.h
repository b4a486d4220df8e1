#pragma once
// What the engine itself says of some work: the statements it ran (SQLite), the plan of a
// statement, the plan lines that read a table whole where an index should have been searched, and
// the transactions that wrote.
#include "components/Connection.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace qx::test {

struct SentStatement {
    QString sql;       // as prepared, with its placeholders
    QString withValues; // as run, the values written in
};

// The statements `work` runs over a SQLite connection, in order (a trigger's inner statements
// left out). Nothing on PostgreSQL: capture on SQLite and read the plans on either engine.
QList<SentStatement> statementsOf(Connection& c, const std::function<void()>& work);

// SQLite: the details of EXPLAIN QUERY PLAN, one a line. PostgreSQL: the text of EXPLAIN. Empty
// for a statement without a plan (transaction control, settings).
QString queryPlan(Connection& c, const SentStatement& statement);

// The lines of a plan that read a table whole (SQLite "SCAN t", also of a whole index;
// PostgreSQL "Seq Scan on t"), leaving out the tables or aliases in `smallTables` and the
// statement's own subqueries; an EXPLAIN that failed counts as such a line.
QStringList fullScans(Connection& c, const QString& plan, const QStringList& smallTables = {});

// Transactions that wrote, committed while `work` ran.
qint64 writeCommitsOf(Connection& c, const std::function<void()>& work);

} // namespace qx::test
