#include "components/Connection.h"
#include "components/AppError.h"
#include "components/Procedures.h"
#include "components/RowCursor.h"
#include "components/StatementCache.h"
#include "components/TextCut.h"

#include <QDir>
#include <QSettings>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QSysInfo>
#include <atomic>
#include <sqlite3.h>

namespace qx {

namespace {

std::atomic<int> connectionSerial{0};

// Statements run on SQLite that may have written (anything not known to only read), on any
// connection of this thread. A procedure call during which it did not move wrote nothing.
thread_local qint64 sqliteWritingStatements = 0;

// The engine's own statement under a SQLite query; nullptr on another engine.
sqlite3_stmt* sqliteStatement(const QSqlQuery& q) {
    const QVariant handle = q.result() ? q.result()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0)
        return *static_cast<sqlite3_stmt* const*>(handle.constData());
    return nullptr;
}

void countIfWriting(const QSqlQuery& q) {
    sqlite3_stmt* statement = sqliteStatement(q);
    if (statement && sqlite3_stmt_readonly(statement))
        return;
    ++sqliteWritingStatements;
}

// A value of the SQLite row under `statement`, as Qt's driver gives it: whole numbers as 64-bit
// integers, reals as doubles, blobs as bytes, Null as a null text.
QVariant sqliteValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return QByteArray(bytes, sqlite3_column_bytes(statement, column));
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
    }
    }
}

const char* const kDateTimeText = "yyyy-MM-dd hh:mm:ss";

// Values go to both engines in one shape: date-times as text in the one format the layer
// reads, flags as 0/1.
QVariant toBindValue(const QVariant& v) {
    if (v.isNull() || !v.isValid())
        return v;
    switch (v.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime d = v.toDateTime();
        return d.time().msec() ? d.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))
                               : d.toString(QString::fromLatin1(kDateTimeText));
    }
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    default:
        return v;
    }
}

QDateTime readDateTimeParam(const QVariant& v) {
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return parseDbDateTime(v);
    const QString s = v.toString().trimmed();
    for (const char* fmt : {"M/d/yyyy h:mm:ss AP", "M/d/yyyy h:mm:ss", "M/d/yyyy h:mm AP", "M/d/yyyy h:mm",
                            "M/d/yyyy"}) {
        QDateTime d = QDateTime::fromString(s, QString::fromLatin1(fmt));
        if (d.isValid())
            return d;
    }
    return parseDbDateTime(s);
}

// SQLite's own upper() and lower() fold ASCII only, so "PEÑA" would never find "Peña" there while
// the server finds it: both are replaced on every embedded connection by Qt's Unicode case mapping.
void foldCase(sqlite3_context* ctx, sqlite3_value* value, bool toUpper) {
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const QString s = QString::fromUtf8(text, sqlite3_value_bytes(value));
    const QByteArray folded = (toUpper ? s.toUpper() : s.toLower()).toUtf8();
    sqlite3_result_text(ctx, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}
void upperCase(sqlite3_context* ctx, int, sqlite3_value** argv) { foldCase(ctx, argv[0], true); }
void lowerCase(sqlite3_context* ctx, int, sqlite3_value** argv) { foldCase(ctx, argv[0], false); }

// The engine's memory statistics take a process-wide lock on every allocation, and a work list
// of many rows allocates for each value; nothing here reads them. Only possible before the engine
// starts, so done before the first database is opened (refused harmlessly after).
void switchOffMemoryStatistics() {
    static const bool once = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    Q_UNUSED(once);
}

} // namespace

QString defaultHostId() {
    const QByteArray env = qgetenv("QUILLAX_HOST_ID");
    if (!env.isNull())
        return leftWholeChars(QString::fromLocal8Bit(env).trimmed().toUpper(), 10);
    QSettings s(QStringLiteral("Quillax"), QStringLiteral("Quillax"));
    QString id = s.value(QStringLiteral("Workstation/HostID")).toString().trimmed();
    if (id.isEmpty())
        id = QSysInfo::machineHostName().section(QLatin1Char('.'), 0, 0);
    if (id.isEmpty())
        id = QStringLiteral("WORKSTATN");
    return leftWholeChars(id.toUpper(), 10);
}

Connection::Connection(const DatabaseUrl& url)
    : url_(url), name_(QStringLiteral("qx%1").arg(connectionSerial.fetch_add(1))), hostId_(defaultHostId()),
      cache_(std::make_unique<StatementCache>(kStatementCacheSize)) {}

std::unique_ptr<Connection> Connection::open(const QString& url) {
    std::unique_ptr<Connection> c(new Connection(DatabaseUrl::parse(url)));
    c->openDatabases();
    return c;
}

Connection::~Connection() { closeDatabases(); }

void Connection::openDatabases() {
    if (isSQLite())
        openSqlite();
    else
        openPostgres();
}

// The session ends before its kept statements are freed: the server forgets them with the session,
// so none costs a request, and none outlives the driver it was prepared on.
void Connection::closeDatabases() {
    settleCursor();
    if (db_.isValid()) {
        if (txDepth_ > 0)
            rollbackTransaction();
        db_.close();
    }
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
    cache_->clear();
}

void Connection::reconnect() {
    if (txDepth_ > 0)
        throw AppError(kDbErrorNumber, QStringLiteral("Connection"),
                       QStringLiteral("The databases cannot be opened again inside a transaction."));
    closeDatabases();
    openDatabases();
}

int Connection::cachedStatementCount() const { return cache_->size(); }

bool Connection::isOpen() const { return db_.isOpen(); }

void Connection::openSqlite() {
    QDir dir(url_.sqliteDir);
    if (!dir.exists() && !QDir().mkpath(url_.sqliteDir))
        fail(QStringLiteral("Cannot create the database folder"), url_.sqliteDir, QString());
    switchOffMemoryStatistics();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(dir.filePath(QStringLiteral("inventory.db")));
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    if (!db_.open())
        fail(QStringLiteral("Unable to open the inventory database"), db_.databaseName(), db_.lastError().text());
    registerUnicodeCaseFolding();
    // Rollback journal (not WAL): a transaction over several attached files stays atomic.
    executeScript(QStringLiteral("PRAGMA journal_mode=DELETE"));
    executeScript(QStringLiteral("PRAGMA synchronous=FULL"));
    for (const QString& schema : hospitalDatabases()) {
        execute(QStringLiteral("ATTACH DATABASE ? AS ") + schema, {dir.filePath(schema + QStringLiteral(".db"))});
        executeScript(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(schema));
        executeScript(QStringLiteral("PRAGMA %1.synchronous=FULL").arg(schema));
    }
}

void Connection::registerUnicodeCaseFolding() {
    const QVariant handle = db_.driver()->handle();
    sqlite3* sqlite = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                          ? *static_cast<sqlite3* const*>(handle.constData())
                          : nullptr;
    if (!sqlite)
        fail(QStringLiteral("Unable to reach the embedded database engine"), db_.databaseName(), QString());
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    const int upper = sqlite3_create_function_v2(sqlite, "upper", 1, flags, nullptr, &upperCase,
                                                 nullptr, nullptr, nullptr);
    const int lower = sqlite3_create_function_v2(sqlite, "lower", 1, flags, nullptr, &lowerCase,
                                                 nullptr, nullptr, nullptr);
    if (upper != SQLITE_OK || lower != SQLITE_OK)
        fail(QStringLiteral("Unable to register the case functions"), db_.databaseName(),
             QString::fromUtf8(sqlite3_errmsg(sqlite)));
}

void Connection::openPostgres() {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    db_.setDatabaseName(url_.dbname);
    db_.setUserName(url_.user);
    db_.setPassword(url_.password);
    if (!url_.host.isEmpty())
        db_.setHostName(url_.host);
    db_.setPort(url_.port);
    if (!db_.open())
        fail(QStringLiteral("Unable to connect to the database server"), url_.toString(), db_.lastError().text());
    executeScript(QStringLiteral("SET client_min_messages TO warning"));
    executeScript(QStringLiteral("SET search_path TO inventory, public"));
    setCommandTimeout(commandTimeout_);
}

void Connection::setCommandTimeout(int seconds) {
    commandTimeout_ = seconds;
    if (!isSQLite() && db_.isOpen())
        executeScript(QStringLiteral("SET statement_timeout TO %1").arg(qint64(seconds) * 1000));
}

void Connection::fail(const QString& what, const QString& sql, const QString& detail) const {
    QString text = what;
    if (!detail.trimmed().isEmpty())
        text += QStringLiteral(": ") + detail.trimmed();
    if (!sql.isEmpty())
        text += QStringLiteral(" [") + sql.simplified().left(400) + QLatin1Char(']');
    throw AppError(kDbErrorNumber, QStringLiteral("Connection"), text);
}

QSqlQuery& Connection::prepared(const QString& sql, bool* wasKept) {
    if (QSqlQuery* kept = cache_->find(sql)) {
        if (wasKept)
            *wasKept = true;
        return *kept;
    }
    if (wasKept)
        *wasKept = false;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    ++roundTrips_;
    if (!q.prepare(sql))
        fail(QStringLiteral("Invalid statement"), sql, q.lastError().text());
    int dropped = 0;
    QSqlQuery& kept = cache_->insert(sql, std::move(q), &dropped);
    if (!isSQLite())
        roundTrips_ += dropped;  // each dropped statement is freed on the server
    return kept;
}

QSqlQuery& Connection::run(const QString& sql, const QVariantList* binds, const QVariantMap* named) {
    settleCursor();
    bool wasKept = false;
    QSqlQuery& q = prepared(sql, &wasKept);
    ++statements_;
    // A kept statement still holds the values of its last run: each must be given again.
    const qsizetype held = q.boundValues().size();
    if (binds) {
        if (held > 0 && binds->size() != held)
            fail(QStringLiteral("Parameter count mismatch"), sql, QString());
        for (const QVariant& v : *binds)
            q.addBindValue(toBindValue(v));
    }
    if (named) {
        // Clearing by position would switch the statement to positional binding, and SQLite then
        // refuses a name used twice ("Parameter count mismatch"): a kept statement is prepared
        // again instead, which forgets its last values.
        if (wasKept && held > 0) {
            ++roundTrips_;
            if (!q.prepare(sql))
                fail(QStringLiteral("Invalid statement"), sql, q.lastError().text());
        }
        bindNamed(q, *named);
    }
    ++roundTrips_;
    if (isSQLite())
        countIfWriting(q);
    if (!q.exec()) {
        const QString error = q.lastError().text();
        q.finish();
        fail(QStringLiteral("Statement failed"), sql, error);
    }
    return q;
}

void Connection::bindNamed(QSqlQuery& q, const QVariantMap& named) {
    for (auto it = named.constBegin(); it != named.constEnd(); ++it)
        q.bindValue(it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key(),
                    toBindValue(it.value()));
}

std::unique_ptr<RowCursor> Connection::openCursor(const QString& sql, const QVariantMap& namedBinds) {
    settleCursor();
    // A statement of its own: the kept one of the same text may run while this one is still read.
    auto q = std::make_unique<QSqlQuery>(db_);
    q->setForwardOnly(true);
    q->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    ++statements_;
    roundTrips_ += isSQLite() ? 2 : 3;  // prepare, run (and free on the server)
    if (!q->prepare(sql))
        fail(QStringLiteral("Invalid statement"), sql, q->lastError().text());
    bindNamed(*q, namedBinds);
    if (isSQLite())
        countIfWriting(*q);
    if (!q->exec())
        fail(QStringLiteral("Statement failed"), sql, q->lastError().text());
    std::unique_ptr<RowCursor> cursor(new RowCursor(this, std::move(q)));
    cursor_ = cursor.get();
    return cursor;
}

void Connection::settleCursor() {
    if (RowCursor* open = cursor_) {
        cursor_ = nullptr;
        open->readAhead();
        open->connection_ = nullptr;
    }
}

void Connection::releaseCursor(RowCursor* cursor) {
    if (cursor_ == cursor)
        cursor_ = nullptr;
    cursor->connection_ = nullptr;
}

Recordset Connection::fetchAll(QSqlQuery& q) {
    QStringList names;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        names << rec.fieldName(i);
    const int fields = int(names.size());
    QVector<QVariantList> rows;
    const auto readRow = [&](const auto& value) {
        QVariantList row;
        row.reserve(fields);
        for (int i = 0; i < fields; ++i)
            row.append(value(i));
        rows.append(std::move(row));
    };
    sqlite3_stmt* const statement = sqliteStatement(q);
    if (!statement) {
        while (q.next())
            readRow([&](int i) { return q.value(i); });
    } else if (q.next()) {
        // The driver stepped to the first row when it ran the statement; the others are read
        // straight from the engine, in UTF-8 as stored, without the driver's per-value copies.
        readRow([&](int i) { return q.value(i); });
        int step;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW)
            readRow([&](int i) { return sqliteValue(statement, i); });
        if (step != SQLITE_DONE) {
            const QString error = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement)));
            q.finish();
            fail(QStringLiteral("Reading the rows failed"), q.lastQuery(), error);
        }
    }
    q.finish();
    return Recordset(std::move(names), std::move(rows));
}

Recordset Connection::query(const QString& sql, const QVariantList& binds) {
    QSqlQuery& q = run(sql, &binds, nullptr);
    return fetchAll(q);
}

Recordset Connection::query(const QString& sql, const QVariantMap& namedBinds) {
    QSqlQuery& q = run(sql, nullptr, &namedBinds);
    return fetchAll(q);
}

int Connection::execute(const QString& sql, const QVariantList& binds) {
    QSqlQuery& q = run(sql, &binds, nullptr);
    const int n = q.numRowsAffected();
    q.finish();
    return n;
}

int Connection::execute(const QString& sql, const QVariantMap& namedBinds) {
    QSqlQuery& q = run(sql, nullptr, &namedBinds);
    const int n = q.numRowsAffected();
    q.finish();
    return n;
}

void Connection::executeScript(const QString& sql) {
    // A schema change can alter what a kept statement returns (PostgreSQL then refuses to run it):
    // statements are prepared again after one. Session settings change no statement.
    settleCursor();
    if (!sql.trimmed().startsWith(QLatin1String("SET "), Qt::CaseInsensitive))
        forgetPreparedStatements();
    if (isSQLite())
        ++sqliteWritingStatements;
    runPlain(sql);
}

void Connection::runPlain(const QString& sql) {
    settleCursor();
    QSqlQuery q(db_);
    ++statements_;
    ++roundTrips_;
    if (!q.exec(sql))
        fail(QStringLiteral("Statement failed"), sql, q.lastError().text());
    q.finish();
}

void Connection::forgetPreparedStatements() {
    const int dropped = cache_->clear();
    if (!isSQLite())
        roundTrips_ += dropped;
}

QDateTime Connection::serverNow() {
    if (isSQLite()) {
        QDateTime now = QDateTime::currentDateTime();
        now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
        return now;
    }
    // Read as text: the driver would shift a timestamp by the client's offset.
    Recordset rs = query(QStringLiteral("SELECT to_char(LOCALTIMESTAMP, 'YYYY-MM-DD HH24:MI:SS') AS now"));
    return parseDbDateTime(rs.value(0));
}

bool Connection::columnExists(const QString& schema, const QString& table, const QString& column) {
    if (isSQLite()) {
        Recordset rs = query(QStringLiteral("SELECT 1 FROM pragma_table_info(?, ?) WHERE lower(name) = lower(?)"),
                             {table, schema.isEmpty() ? QStringLiteral("main") : schema.toLower(), column});
        return !rs.isEmpty();
    }
    Recordset rs = query(QStringLiteral("SELECT 1 FROM information_schema.columns WHERE table_schema = ? "
                                        "AND table_name = lower(?) AND column_name = lower(?)"),
                         {schema.isEmpty() ? QStringLiteral("inventory") : schema.toLower(), table, column});
    return !rs.isEmpty();
}

std::optional<Recordset> Connection::callProcedure(const QString& name, const QVariantMap& values,
                                                   QVariantMap* outputs) {
    const ProcedureDecl* decl = ProcedureRegistry::instance().find(name);
    if (!decl)
        throw AppError(kDbErrorNumber, QStringLiteral("Connection"),
                       QStringLiteral("Could not find stored procedure '%1'.").arg(name));
    ProcArgs args(decl->params);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        QString key = it.key().trimmed();
        if (key.startsWith(QLatin1Char('@')))
            key = key.mid(1);
        key = key.toUpper();
        const ProcParam* param = nullptr;
        for (const ProcParam& p : decl->params)
            if (p.name == key)
                param = &p;
        if (!param)
            continue;  // not declared: not sent, as a command with refreshed parameters does
        QVariant v = it.value();
        if (!v.isNull() && v.isValid()) {
            bool ok = true;
            switch (param->type) {
            case ParamType::Text: {
                QString s = v.typeId() == QMetaType::QDateTime ? toBindValue(v).toString() : v.toString();
                v = param->size > 0 ? leftWholeChars(s, param->size) : s;
                break;
            }
            case ParamType::Integer:
            case ParamType::Flag: {
                const double d = v.typeId() == QMetaType::QString ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
                if (param->type == ParamType::Flag)
                    v = d != 0.0 ? 1 : 0;
                else
                    v = static_cast<qint64>(std::llround(d));
                break;
            }
            case ParamType::Double:
            case ParamType::Money: {
                const double d = v.typeId() == QMetaType::QString ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
                v = d;
                break;
            }
            case ParamType::DateTime: {
                QDateTime d = readDateTimeParam(v);
                ok = d.isValid();
                v = d;
                break;
            }
            }
            if (!ok)
                throw AppError(kDbErrorNumber, QStringLiteral("Connection"),
                               QStringLiteral("Error converting the value of @%1 for procedure %2.")
                                   .arg(param->name, decl->name));
        }
        args.set(key, v);
    }
    // On SQLite a transaction begins writing on every attached database, and committing one
    // that spans several files costs a super-journal and three syncs even when nothing was
    // written: a call of its own that wrote nothing is ended with a rollback, which costs none.
    const bool readOnlyEndsInRollback = isSQLite() && txDepth_ == 0;
    const qint64 writingBefore = sqliteWritingStatements;
    Transaction tx(*this);
    std::optional<Recordset> result = decl->body(*this, args);
    if (!readOnlyEndsInRollback || sqliteWritingStatements != writingBefore)
        tx.commit();
    if (outputs)
        for (const ProcParam& p : decl->params)
            if (p.direction != ParamDirection::In)
                outputs->insert(p.name, args.value(p.name));
    return result;
}

void Connection::beginTransaction() {
    if (txDepth_++ > 0)
        return;
    rollbackOnly_ = false;
    try {
        runPlain(isSQLite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    } catch (...) {
        txDepth_ = 0;
        throw;
    }
}

void Connection::commitTransaction() {
    if (txDepth_ > 1) {
        --txDepth_;
        return;
    }
    if (rollbackOnly_) {
        rollbackTransaction();
        throw AppError(kDbErrorNumber, QStringLiteral("Connection"),
                       QStringLiteral("The transaction was rolled back by an inner step that did not complete."));
    }
    txDepth_ = 0;
    try {
        runPlain(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery q(db_);
        q.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

void Connection::rollbackTransaction() {
    if (txDepth_ > 1) {
        --txDepth_;
        rollbackOnly_ = true;
        return;
    }
    txDepth_ = 0;
    rollbackOnly_ = false;
    settleCursor();
    ++roundTrips_;
    QSqlQuery q(db_);
    q.exec(QStringLiteral("ROLLBACK"));
}

Transaction::Transaction(Connection& c) : c_(c) { c_.beginTransaction(); }

Transaction::~Transaction() {
    if (!done_)
        c_.rollbackTransaction();
}

void Transaction::commit() {
    done_ = true;
    c_.commitTransaction();
}

} // namespace qx
