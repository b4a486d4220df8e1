#include "TestDatabase.h"
#include "hospitaldb/Schema.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace qx::test {
namespace {

class CaseFoldedIndexTest : public SqliteTest {
protected:
    // Writes a row as a tool with SQLite's own ASCII-only upper() would, e.g. the sqlite3 shell or
    // an older workstation.
    void insertWithAsciiUpper(const QString& sql) {
        const QString dir = testDatabase().url().mid(QStringLiteral("sqlite:").size());
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("asciiUpper"));
            raw.setDatabaseName(QDir(dir).filePath(QStringLiteral("inventory.db")));
            ASSERT_TRUE(raw.open());
            QSqlQuery q(raw);
            ASSERT_TRUE(q.exec(sql));
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("asciiUpper"));
    }
    bool foundByName(const QString& typed) {
        return !db().query(QStringLiteral("SELECT CardNum FROM tbPharmaCardMaster WHERE upper(LastName) = upper(?)"),
                           {typed})
                    .isEmpty();
    }
};

TEST_F(CaseFoldedIndexTest, MigratingRebuildsIndexKeysWrittenWithTheAsciiUpper) {
    insertWithAsciiUpper(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName) VALUES ('C-1', 'Peña')"));
    ASSERT_FALSE(foundByName(QStringLiteral("peña")));  // the index still holds "PEñA"

    db().execute(QStringLiteral("DELETE FROM qxSchemaMigrations WHERE Number = 1350"));
    EXPECT_EQ(hospitaldb::migrate(db()), 1);
    EXPECT_TRUE(foundByName(QStringLiteral("peña")));
    EXPECT_TRUE(foundByName(QStringLiteral("PEÑA")));
}

} // namespace
} // namespace qx::test
