#include "TestDatabase.h"
#include "hospitaldb/FoldedSearch.h"
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
    void writeWithAsciiUpper(const QString& sql) {
        const QString dir = testDatabase().url().mid(QStringLiteral("sqlite:").size());
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("asciiUpper"));
            raw.setDatabaseName(QDir(dir).filePath(QStringLiteral("inventory.db")));
            ASSERT_TRUE(raw.open());
            QSqlQuery q(raw);
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("asciiUpper"));
    }
    QStringList foundByName(const QString& typed) {
        Recordset rs = db().query(QStringLiteral("SELECT CardNum FROM tbPharmaCardMaster WHERE LastNameFolded = upper(?) "
                                                 "ORDER BY CardNum"),
                                  {typed});
        QStringList cards;
        for (int r = 0; r < rs.recordCount(); ++r)
            cards << rs.valueAt(r, 0).toString();
        return cards;
    }
};

TEST_F(CaseFoldedIndexTest, RowsAnotherToolWroteAreFoldedAtTheNextStart) {
    writeWithAsciiUpper(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName) VALUES ('C-1', 'Peña'), "
                                       "('C-2', 'smith')"));
    EXPECT_EQ(foundByName(QStringLiteral("SMITH")), QStringList{QStringLiteral("C-2")});  // ASCII: folded at once
    EXPECT_EQ(foundByName(QStringLiteral("peña")), QStringList{});                       // left for the program

    EXPECT_EQ(hospitaldb::refreshFoldedSearchColumns(db()), 1);
    EXPECT_EQ(foundByName(QStringLiteral("peña")), QStringList{QStringLiteral("C-1")});
    EXPECT_EQ(foundByName(QStringLiteral("PEÑA")), QStringList{QStringLiteral("C-1")});
    EXPECT_EQ(hospitaldb::refreshFoldedSearchColumns(db()), 0);

    writeWithAsciiUpper(QStringLiteral("UPDATE tbPharmaCardMaster SET LastName = 'Muñoz' WHERE CardNum = 'C-2'"));
    EXPECT_EQ(hospitaldb::refreshFoldedSearchColumns(db()), 1);
    EXPECT_EQ(foundByName(QStringLiteral("MUÑOZ")), QStringList{QStringLiteral("C-2")});
}

// No index of the embedded files rests on an expression: the program's own functions would make
// the standard tools find the files corrupt, and SQLite's own would disagree with the program.
TEST_F(CaseFoldedIndexTest, NoIndexRestsOnAnExpression) {
    for (const QString& schema : QStringList{QStringLiteral("main")} + hospitalDatabases()) {
        Recordset rs = db().query(QStringLiteral("SELECT i.name AS name FROM %1.sqlite_master i WHERE i.type = 'index' "
                                                 "AND EXISTS (SELECT 1 FROM pragma_index_xinfo(i.name, '%1') x WHERE x.cid = -2)")
                                      .arg(schema));
        for (int r = 0; r < rs.recordCount(); ++r)
            ADD_FAILURE() << schema.toStdString() << "." << rs.valueAt(r, 0).toString().toStdString();
    }
}

} // namespace
} // namespace qx::test
