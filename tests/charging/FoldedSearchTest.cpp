// Case-blind searches run over folded columns with ordinary indexes: names beyond ASCII are found
// in either case on both engines, and the embedded files stay sound for the standard sqlite3
// shell, whose edits the program then still finds.
#include "Builders.h"
#include "LookupDialogFixture.h"
#include "charging/frmItemLookup.h"
#include "charging/frmLookup.h"
#include "hospitaldb/FoldedSearch.h"
#include "hospitaldb/Schema.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

using namespace qx;
using namespace qx::test;

namespace {

class FoldedSearchTest : public CardDataTest {
protected:
    void addCard(const QString& cardNum, const QString& lastName) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, CardTypeID) VALUES (?, ?, 'ZED', 1)"),
                     {cardNum, lastName});
    }
    // Card numbers the card-holder list shows for a typed last name (or a whole card number).
    QStringList cardsFound(const QString& search) {
        frmLookup dialog;
        dialog.setSearchString(search);
        dialog.setLookupType(2);
        dialog.Load();
        const QStringList codes = column(*dialog.grdLookup, 1);
        dialog.Unload();
        return codes;
    }
    QStringList itemsFound(const QString& search) {
        frmItemLookup dialog;
        dialog.setSearchString(search);
        dialog.Load();
        const QStringList codes = column(*dialog.grdLookup, 0);
        dialog.Unload();
        return codes;
    }
    QString cardLoaded(const QString& cardNum) {
        Recordset rs = *db().callProcedure(QStringLiteral("Pharma_LoadCardInfo"), {{QStringLiteral("@CardNum"), cardNum}});
        return rs.eof() ? QString() : rs.text(QStringLiteral("CardNum"));
    }
    QString patientFolded(const QString& hospNum) {
        return db().query(QStringLiteral("SELECT LastNameFolded FROM patient_data.tbMaster WHERE HospNum = ?"), {hospNum})
            .text(QStringLiteral("LastNameFolded"));
    }
    bool indexExists(const QString& schema, const QString& name) {
        if (db().isSQLite())
            return db().query(QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type = 'index' AND name = ?")
                                  .arg(schema.isEmpty() ? QStringLiteral("main") : schema),
                              {name}).recordCount() > 0;
        return db().query(QStringLiteral("SELECT 1 FROM pg_indexes WHERE schemaname = ? AND indexname = lower(?)"),
                          {schema.isEmpty() ? QStringLiteral("inventory") : schema, name}).recordCount() > 0;
    }
};

TEST_P(FoldedSearchTest, NamesBeyondAsciiAreFoundInEitherCase) {
    addCard(QStringLiteral("55ñb "), QStringLiteral("Peña"));
    addItem(db(), {.itemId = QStringLiteral("Z1"), .name = QStringLiteral("Peña Forte")});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("2001"),
                              .person = {.hospNum = QStringLiteral("HP1"), .lastName = QStringLiteral("Peña")}});
    for (const char* typed : {"peña", "PEÑA", "pEñ"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(cardsFound(QString::fromUtf8(typed)), QStringList{QStringLiteral("55ñb ")});
        EXPECT_EQ(itemsFound(QString::fromUtf8(typed)), QStringList{QStringLiteral("Z1")});
    }
    EXPECT_EQ(cardsFound(QStringLiteral(" 55ÑB ")), QStringList{QStringLiteral("55ñb ")});  // a whole card number
    EXPECT_EQ(cardLoaded(QStringLiteral("55ÑB")), QStringLiteral("55ñb "));
    EXPECT_EQ(patientFolded(QStringLiteral("HP1")), QStringLiteral("PEÑA"));

    // A rename follows at once.
    db().execute(QStringLiteral("UPDATE tbPharmaCardMaster SET LastName = 'Muñoz' WHERE CardNum = '55ñb '"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemName = 'Niño Drops' WHERE ItemID = 'Z1'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET LastName = 'Ibáñez' WHERE HospNum = 'HP1'"));
    EXPECT_EQ(cardsFound(QStringLiteral("MUÑ")), QStringList{QStringLiteral("55ñb ")});
    EXPECT_EQ(cardsFound(QStringLiteral("peña")), QStringList{});
    EXPECT_EQ(itemsFound(QStringLiteral("NIÑO")), QStringList{QStringLiteral("Z1")});
    EXPECT_EQ(patientFolded(QStringLiteral("HP1")), QStringLiteral("IBÁÑEZ"));
    EXPECT_EQ(hospitaldb::refreshFoldedSearchColumns(db()), 0);  // nothing left to fold
}

// Files made before the folded columns: their upper() indexes go, their rows are folded.
TEST_P(FoldedSearchTest, MigrationMovesAnOlderFileOver) {
    struct Old { const char* schema; const char* table; const char* column; const char* index; const char* expression; };
    const Old olds[] = {
        {"", "tbInvMaster", "ItemNameFolded", "ix_tbInvMaster_ItemName", "upper(ItemName)"},
        {"", "tbPharmaCardMaster", "LastNameFolded", "ix_tbPharmaCardMaster_LastName", "upper(LastName)"},
        {"", "tbPharmaCardMaster", "CardNumFolded", "ix_tbPharmaCardMaster_CardNum", "upper(trim(CardNum))"},
        {"patient_data", "tbMaster", "LastNameFolded", "ix_tbMaster_LastName", "upper(LastName)"},
    };
    for (const Old& o : olds) {
        const QString schema = QString::fromLatin1(o.schema);
        const QString table = (schema.isEmpty() ? QString() : schema + QLatin1Char('.')) + QLatin1String(o.table);
        if (db().isSQLite()) {
            const QString prefix = schema.isEmpty() ? QString() : schema + QLatin1Char('.');
            for (const char* event : {"Insert", "Update"})
                db().executeScript(QStringLiteral("DROP TRIGGER %1tr_%2_%3_%4").arg(prefix, QLatin1String(o.table),
                                                                                  QLatin1String(o.column), QLatin1String(event)));
            db().executeScript(QStringLiteral("DROP INDEX %1ix_%2_%3").arg(prefix, QLatin1String(o.table), QLatin1String(o.column)));
            db().executeScript(QStringLiteral("CREATE INDEX %1%2 ON %3 (%4)")
                                   .arg(prefix, QLatin1String(o.index), QLatin1String(o.table), QLatin1String(o.expression)));
        } else {
            db().executeScript(QStringLiteral("CREATE INDEX %1 ON %2 (%3)").arg(QLatin1String(o.index), table, QLatin1String(o.expression)));
        }
        db().executeScript(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, QLatin1String(o.column)));
    }
    db().execute(QStringLiteral("DELETE FROM qxSchemaMigrations WHERE Number = 2400"));
    addCard(QStringLiteral("88 "), QStringLiteral("Peña"));
    addItem(db(), {.itemId = QStringLiteral("Z1"), .name = QStringLiteral("Peña Forte")});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("2001"),
                              .person = {.hospNum = QStringLiteral("HP1"), .lastName = QStringLiteral("Peña")}});

    EXPECT_EQ(hospitaldb::migrate(db()), 1);
    for (const Old& o : olds)
        EXPECT_FALSE(indexExists(QString::fromLatin1(o.schema), QString::fromLatin1(o.index))) << o.index;
    EXPECT_TRUE(indexExists(QString(), QStringLiteral("ix_tbInvMaster_ItemNameFolded")));
    EXPECT_EQ(cardsFound(QStringLiteral("PEÑA")), QStringList{QStringLiteral("88 ")});
    EXPECT_EQ(cardLoaded(QStringLiteral(" 88")), QStringLiteral("88 "));
    EXPECT_EQ(itemsFound(QStringLiteral("peña")), QStringList{QStringLiteral("Z1")});
    EXPECT_EQ(patientFolded(QStringLiteral("HP1")), QStringLiteral("PEÑA"));
}

QX_ON_BOTH_ENGINES(FoldedSearchTest);

// The embedded demo files through the standard sqlite3 shell, as the README tells operators.
class FoldedSearchShellTest : public FoldedSearchTest {
protected:
    bool withDemo() const override { return true; }
    // Runs `sql` in the shell on one of the database files; answers its output, trimmed.
    QString shell(const QString& file, const QString& sql) {
        QProcess p;
        p.start(sqlite3_, {QDir(db().url().sqliteDir).filePath(file + QStringLiteral(".db")), sql});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << file.toStdString() << ": " << sql.toStdString() << ": "
                                   << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QString sqlite3_ = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
};

TEST_P(FoldedSearchShellTest, FilesStaySoundAndShellEditsAreFound) {
    if (sqlite3_.isEmpty())
        GTEST_SKIP() << "the sqlite3 shell is not installed (scripts/setup installs the Debian package sqlite3)";
    addCard(QStringLiteral("55A"), QStringLiteral("Peña"));
    addCard(QStringLiteral("56A"), QStringLiteral("SMITH"));
    addItem(db(), {.itemId = QStringLiteral("Z1"), .name = QStringLiteral("Peña Forte")});
    addItem(db(), {.itemId = QStringLiteral("Z2"), .name = QStringLiteral("QUUX DROPS")});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("2001"),
                              .person = {.hospNum = QStringLiteral("HP1"), .lastName = QStringLiteral("Peña")}});
    const QStringList files{QStringLiteral("inventory"), QStringLiteral("patient_data")};
    for (const QString& file : files)
        EXPECT_EQ(shell(file, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok")) << file.toStdString();

    shell(QStringLiteral("inventory"), QStringLiteral("UPDATE tbPharmaCardMaster SET LastName = 'Muñoz' WHERE CardNum = '55A'; "
                                                      "UPDATE tbPharmaCardMaster SET LastName = 'jones', CardNum = ' 57a' "
                                                      "WHERE CardNum = '56A'; "
                                                      "INSERT INTO tbPharmaCardMaster (CardNum, LastName, CardTypeID) "
                                                      "VALUES ('58A', 'Ibáñez', 1); "
                                                      "UPDATE tbInvMaster SET ItemName = 'Niño Drops' WHERE ItemID = 'Z1'; "
                                                      "UPDATE tbInvMaster SET ItemName = 'quux syrup' WHERE ItemID = 'Z2'; "
                                                      "REINDEX;"));
    shell(QStringLiteral("patient_data"), QStringLiteral("UPDATE tbMaster SET LastName = 'Núñez' WHERE HospNum = 'HP1'; REINDEX;"));
    for (const QString& file : files)
        EXPECT_EQ(shell(file, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok")) << file.toStdString();

    // What the shell folded by ASCII is found at once; the rest after the program's next start.
    EXPECT_EQ(cardsFound(QStringLiteral("JON")), QStringList{QStringLiteral(" 57a")});
    EXPECT_EQ(cardLoaded(QStringLiteral("57A")), QStringLiteral(" 57a"));
    EXPECT_EQ(itemsFound(QStringLiteral("Quux S")), QStringList{QStringLiteral("Z2")});
    EXPECT_EQ(hospitaldb::refreshFoldedSearchColumns(db()), 4);
    EXPECT_EQ(cardsFound(QStringLiteral("muñ")), QStringList{QStringLiteral("55A")});
    EXPECT_EQ(cardsFound(QStringLiteral("IBÁÑ")), QStringList{QStringLiteral("58A")});
    EXPECT_EQ(itemsFound(QStringLiteral("NIÑO")), QStringList{QStringLiteral("Z1")});
    EXPECT_EQ(patientFolded(QStringLiteral("HP1")), QStringLiteral("NÚÑEZ"));
    EXPECT_EQ(shell(QStringLiteral("inventory"), QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
}

INSTANTIATE_TEST_SUITE_P(Engines, FoldedSearchShellTest, ::testing::Values(Engine::SQLite), engineName);

} // namespace
