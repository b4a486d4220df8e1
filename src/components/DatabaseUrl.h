#pragma once
#include <QString>

namespace qx {

enum class Engine { SQLite, PostgreSQL };

// Where the hospital databases are: "sqlite:DIR" (a folder of one file per database) or
// "postgresql://user[:password]@[host][:port]/dbname[?host=/socket/dir&port=N]".
struct DatabaseUrl {
    Engine engine = Engine::SQLite;
    QString sqliteDir;
    QString user, password, host, dbname;
    int port = 5432;

    // Throws AppError on a text that is neither form.
    static DatabaseUrl parse(const QString& text);
    // The same address with another PostgreSQL database name.
    DatabaseUrl withDatabase(const QString& name) const;
    QString toString() const;
};

// The address the program uses: QUILLAX_DB, else the per-user setting, else the embedded
// folder in the user's data folder.
QString configuredDatabaseUrl();
QString defaultSqliteDir();

} // namespace qx
