#include "components/DatabaseUrl.h"
#include "components/AppError.h"

#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace qx {

DatabaseUrl DatabaseUrl::parse(const QString& text) {
    DatabaseUrl u;
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("sqlite:"))) {
        u.engine = Engine::SQLite;
        u.sqliteDir = t.mid(7);
        if (u.sqliteDir.startsWith(QLatin1String("//")))
            u.sqliteDir = u.sqliteDir.mid(2);
        if (u.sqliteDir.isEmpty())
            throw AppError(kDbErrorNumber, QStringLiteral("DatabaseUrl"),
                           QStringLiteral("No folder given in the database address \"%1\".").arg(text));
        return u;
    }
    if (t.startsWith(QLatin1String("postgresql://")) || t.startsWith(QLatin1String("postgres://"))) {
        QUrl url(t);
        if (!url.isValid())
            throw AppError(kDbErrorNumber, QStringLiteral("DatabaseUrl"),
                           QStringLiteral("Invalid database address \"%1\".").arg(text));
        u.engine = Engine::PostgreSQL;
        u.user = url.userName(QUrl::FullyDecoded);
        u.password = url.password(QUrl::FullyDecoded);
        u.host = url.host(QUrl::FullyDecoded);
        u.port = url.port(5432);
        u.dbname = url.path(QUrl::FullyDecoded).mid(1);
        QUrlQuery q(url);
        if (q.hasQueryItem(QStringLiteral("host")))
            u.host = q.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
        if (q.hasQueryItem(QStringLiteral("port")))
            u.port = q.queryItemValue(QStringLiteral("port")).toInt();
        if (u.dbname.isEmpty())
            u.dbname = QStringLiteral("quillax");
        return u;
    }
    throw AppError(kDbErrorNumber, QStringLiteral("DatabaseUrl"),
                   QStringLiteral("Unknown database address \"%1\": use sqlite:DIR or postgresql://...").arg(text));
}

DatabaseUrl DatabaseUrl::withDatabase(const QString& name) const {
    DatabaseUrl u = *this;
    u.dbname = name;
    return u;
}

QString DatabaseUrl::toString() const {
    if (engine == Engine::SQLite)
        return QStringLiteral("sqlite:") + sqliteDir;
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    url.setPassword(password);
    url.setPath(QLatin1Char('/') + dbname);
    QUrlQuery q;
    if (host.startsWith(QLatin1Char('/'))) {
        q.addQueryItem(QStringLiteral("host"), host);
        q.addQueryItem(QStringLiteral("port"), QString::number(port));
        url.setHost(QString());
    } else {
        url.setHost(host);
        url.setPort(port);
    }
    url.setQuery(q);
    return url.toString();
}

QString defaultSqliteDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quillax/db");
}

QString configuredDatabaseUrl() {
    const QByteArray env = qgetenv("QUILLAX_DB");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    QSettings s(QStringLiteral("Quillax"), QStringLiteral("Quillax"));
    const QString stored = s.value(QStringLiteral("Database/Url")).toString();
    if (!stored.isEmpty())
        return stored;
    return QStringLiteral("sqlite:") + defaultSqliteDir();
}

} // namespace qx
