#include "hospitaldb/Schema.h"
#include "components/AppError.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace qx::hospitaldb {

namespace {
QVector<Migration>& migrationList() {
    static QVector<Migration> list;
    return list;
}
QVector<DemoStep>& demoList() {
    static QVector<DemoStep> list;
    return list;
}

void ensureVersionTable(Connection& c) {
    if (!c.isSQLite()) {
        for (const QString& s : QStringList{QStringLiteral("inventory")} + hospitalDatabases())
            c.executeScript(QStringLiteral("CREATE SCHEMA IF NOT EXISTS ") + s);
    }
    c.executeScript(QStringLiteral("CREATE TABLE IF NOT EXISTS qxSchemaMigrations (Number INTEGER PRIMARY KEY, "
                                   "Name TEXT NOT NULL, AppliedAt TEXT NOT NULL)"));
}
} // namespace

MigrationRegistration::MigrationRegistration(Migration m) {
    auto& list = migrationList();
    list.push_back(std::move(m));
    std::sort(list.begin(), list.end(), [](const Migration& a, const Migration& b) { return a.number < b.number; });
}

DemoRegistration::DemoRegistration(DemoStep s) {
    auto& list = demoList();
    list.push_back(std::move(s));
    std::sort(list.begin(), list.end(), [](const DemoStep& a, const DemoStep& b) { return a.order < b.order; });
}

const QVector<Migration>& migrations() { return migrationList(); }

int schemaVersion(Connection& c) {
    ensureVersionTable(c);
    Recordset rs = c.query(QStringLiteral("SELECT COALESCE(MAX(Number), 0) AS v FROM qxSchemaMigrations"));
    return rs.value(0).toInt();
}

int migrate(Connection& c) {
    ensureVersionTable(c);
    // Numbers are claimed in ranges by separate changes, so a lower number may arrive after a
    // higher one has run: each migration runs once by its own record, not by the highest.
    QSet<int> applied;
    Recordset rs = c.query(QStringLiteral("SELECT Number FROM qxSchemaMigrations"));
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        applied.insert(rs.value(0).toInt());
    int ran = 0;
    for (const Migration& m : migrationList()) {
        if (applied.contains(m.number))
            continue;
        Transaction tx(c);
        m.apply(c);
        c.execute(QStringLiteral("INSERT INTO qxSchemaMigrations (Number, Name, AppliedAt) VALUES (?, ?, ?)"),
                  {m.number, m.name, QDateTime::currentDateTime()});
        tx.commit();
        ++ran;
    }
    return ran;
}

bool hasDemoData(Connection& c) {
    c.executeScript(QStringLiteral("CREATE TABLE IF NOT EXISTS qxDemo (Filled INTEGER)"));
    return !c.query(QStringLiteral("SELECT 1 FROM qxDemo LIMIT 1")).isEmpty();
}

void fillDemo(Connection& c) {
    if (hasDemoData(c))
        return;
    Transaction tx(c);
    for (const DemoStep& s : demoList())
        s.fill(c);
    c.execute(QStringLiteral("INSERT INTO qxDemo (Filled) VALUES (1)"));
    tx.commit();
}

void ddl(Connection& c, const QString& script) {
    QString s = script;
    const bool lite = c.isSQLite();
    s.replace(QStringLiteral("{ID}"), lite ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                                           : QStringLiteral("BIGSERIAL PRIMARY KEY"));
    s.replace(QStringLiteral("{REAL}"), lite ? QStringLiteral("REAL") : QStringLiteral("DOUBLE PRECISION"));
    s.replace(QStringLiteral("{MONEY}"), lite ? QStringLiteral("REAL") : QStringLiteral("DOUBLE PRECISION"));
    s.replace(QStringLiteral("{DATETIME}"), lite ? QStringLiteral("TEXT") : QStringLiteral("TIMESTAMP"));
    s.replace(QStringLiteral("{BLOB}"), lite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA"));
    static const QRegularExpression split(QStringLiteral(";\\s*(\\n|$)"));
    for (const QString& stmt : s.split(split, Qt::SkipEmptyParts)) {
        if (!stmt.trimmed().isEmpty())
            c.executeScript(stmt.trimmed());
    }
}

void addMissingColumns(Connection& c, std::span<const ColumnAdd> columns) {
    for (const ColumnAdd& a : columns) {
        const QString schema = QString::fromLatin1(a.schema);
        const QString table = QString::fromLatin1(a.table);
        const QString column = QString::fromLatin1(a.column);
        if (c.columnExists(schema, table, column))
            continue;
        const QString qualified = schema.isEmpty() ? table : schema + QLatin1Char('.') + table;
        ddl(c, QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(qualified, column, QString::fromLatin1(a.type)));
    }
}

void createIndex(Connection& c, const QString& schema, const QString& table, const QString& name,
                 const QString& columns, bool unique) {
    const QString u = unique ? QStringLiteral("UNIQUE ") : QString();
    if (c.isSQLite()) {
        const QString prefix = schema.isEmpty() ? QString() : schema + QLatin1Char('.');
        c.executeScript(QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2%3 ON %4 (%5)")
                            .arg(u, prefix, name, table, columns));
    } else {
        const QString qualified = schema.isEmpty() ? table : schema + QLatin1Char('.') + table;
        c.executeScript(QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)").arg(u, name, qualified, columns));
    }
}

} // namespace qx::hospitaldb
