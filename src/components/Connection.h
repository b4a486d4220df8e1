#pragma once
#include "components/DatabaseUrl.h"
#include "components/Recordset.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QVariantMap>
#include <memory>
#include <optional>

class QSqlQuery;

namespace qx {

class RowCursor;
class StatementCache;

// The hospital databases, by the schema names that SQL text qualifies them with.
// INVENTORY is the default and stays unqualified.
inline const QStringList& hospitalDatabases() {
    static const QStringList names{QStringLiteral("billing"),    QStringLiteral("patient_data"),
                                   QStringLiteral("build_file"), QStringLiteral("station"),
                                   QStringLiteral("password"),   QStringLiteral("radiology")};
    return names;
}

// The one connection the whole program shares. Values are always bound; date-times are
// written as "yyyy-MM-dd hh:mm:ss" text on both engines so that they read back unchanged
// whatever the client's time zone.
class Connection {
public:
    // Opens the databases at `url`; throws AppError when they cannot be reached.
    static std::unique_ptr<Connection> open(const QString& url);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Engine engine() const { return url_.engine; }
    bool isSQLite() const { return url_.engine == Engine::SQLite; }
    const DatabaseUrl& url() const { return url_; }
    QString connectionString() const { return url_.toString(); }
    bool isOpen() const;
    // Closes and opens the databases again (a new server session), e.g. after the server went
    // away; statements prepared on the old session are forgotten. Not allowed inside a transaction.
    void reconnect();

    // Runs a statement that returns rows, fetches them all and frees the statement.
    Recordset query(const QString& sql, const QVariantList& binds = {});
    Recordset query(const QString& sql, const QVariantMap& namedBinds);
    // Runs a statement that changes rows; returns how many it changed.
    int execute(const QString& sql, const QVariantList& binds = {});
    int execute(const QString& sql, const QVariantMap& namedBinds);
    // Runs a statement that returns rows and gives them as they are read (see RowCursor).
    std::unique_ptr<RowCursor> openCursor(const QString& sql, const QVariantMap& namedBinds = {});
    // Runs schema text as it stands (no binding: PostgreSQL refuses DDL through prepare).
    void executeScript(const QString& sql);

    // Calls a registered stored procedure by name with values named as the caller names
    // them (matched upper-cased, with or without '@'). Returns its rows, if it has any;
    // output parameters are written to *outputs when given.
    std::optional<Recordset> callProcedure(const QString& name, const QVariantMap& values = {},
                                           QVariantMap* outputs = nullptr);

    // The shared clock: the server's local time (embedded: this machine's).
    QDateTime serverNow();
    // The workstation id, never empty on a working connection unless set so on purpose.
    QString hostId() const { return hostId_; }
    void setHostId(const QString& id) { hostId_ = id; }

    int commandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(int seconds);
    // Statements run, and the requests they cost the engine: preparing a statement, running it
    // and freeing it on the server each count one. A statement run again reuses its preparation.
    qint64 statementCount() const { return statements_; }
    qint64 roundTripCount() const { return roundTrips_; }
    // Prepared statements kept for reuse (at most kStatementCacheSize).
    int cachedStatementCount() const;
    static constexpr int kStatementCacheSize = 200;
    bool inTransaction() const { return txDepth_ > 0; }

    // Whether `column` exists on `table` of `schema` ("" for INVENTORY).
    bool columnExists(const QString& schema, const QString& table, const QString& column);

    QSqlDatabase& database() { return db_; }

private:
    friend class Transaction;
    friend class RowCursor;
    explicit Connection(const DatabaseUrl& url);
    void openDatabases();
    void closeDatabases();
    void openSqlite();
    void registerUnicodeCaseFolding();
    void openPostgres();
    QSqlQuery& run(const QString& sql, const QVariantList* binds, const QVariantMap* named);
    // Every row of a statement just run, then the statement finished.
    Recordset fetchAll(QSqlQuery& q);
    QSqlQuery& prepared(const QString& sql, bool* wasKept = nullptr);
    void forgetPreparedStatements();
    void runPlain(const QString& sql);
    void bindNamed(QSqlQuery& q, const QVariantMap& named);
    // Reads the open cursor's remaining rows ahead so that the connection can run something else.
    void settleCursor();
    void releaseCursor(RowCursor* cursor);
    [[noreturn]] void fail(const QString& what, const QString& sql, const QString& detail) const;
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();

    DatabaseUrl url_;
    QString name_;
    QSqlDatabase db_;
    QString hostId_;
    int commandTimeout_ = 240;
    qint64 statements_ = 0;
    qint64 roundTrips_ = 0;
    std::unique_ptr<StatementCache> cache_;
    RowCursor* cursor_ = nullptr;
    int txDepth_ = 0;
    bool rollbackOnly_ = false;
};

// One save, one transaction: begins on construction (BEGIN IMMEDIATE on SQLite), commits only
// when told, rolls back otherwise. Nested guards join the outermost one; an inner guard left
// uncommitted dooms the whole transaction.
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& c_;
    bool done_ = false;
};

// A stable id of this workstation: QUILLAX_HOST_ID, else the per-user setting, else the
// machine name upper-cased, at most 10 characters.
QString defaultHostId();

} // namespace qx
