#include "TestDatabase.h"
#include "components/AppError.h"

#include <QStringList>

using namespace qx;
using namespace qx::test;

namespace {

class StatementCacheTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        db().executeScript(QStringLiteral("CREATE TABLE tbCacheProbe (IDKey TEXT, Name TEXT, Amount REAL NOT NULL)"));
        db().execute(QStringLiteral("INSERT INTO tbCacheProbe (IDKey, Name, Amount) VALUES ('A', 'Ann', 1), "
                                    "('B', 'Ben', 2), ('C', NULL, 3)"));
    }
    // Statements the server holds for this session, this question's own included (SQLite: the
    // ones kept, which it prepared).
    int preparedOnServer(Connection& c) {
        if (c.isSQLite())
            return c.cachedStatementCount();
        return c.query(QStringLiteral("SELECT COUNT(*) FROM pg_prepared_statements")).value(0).toInt();
    }
    QString nameOf(Connection& c, const QString& key) {
        return c.query(QStringLiteral("SELECT Name FROM tbCacheProbe WHERE IDKey = ?"), {key}).text(QStringLiteral("Name"));
    }
};

// Qt's warnings while a block runs: a statement outliving its database or a file left open shows here.
class WarningCatcher {
public:
    WarningCatcher() { previous_ = qInstallMessageHandler(&WarningCatcher::handle); }
    ~WarningCatcher() { qInstallMessageHandler(previous_); }
    static QStringList& caught() {
        static QStringList list;
        return list;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            caught() << text;
    }
    QtMessageHandler previous_;
};

TEST_P(StatementCacheTest, NamedValueUsedTwiceBindsOnEveryRun) {
    const QString sql = QStringLiteral(
        "SELECT COUNT(*) AS n FROM tbCacheProbe WHERE (COALESCE(:who, '') = '' OR IDKey = COALESCE(:who, '')) "
        "AND Amount >= :least");
    struct Case { QVariant who; double least; int expected; };
    const Case cases[] = {{QStringLiteral("B"), 0, 1}, {QVariant(), 0, 3}, {QString(), 2, 2}, {QStringLiteral("A"), 2, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(db().query(sql, QVariantMap{{QStringLiteral("who"), c.who}, {QStringLiteral("least"), c.least}})
                      .value(0).toInt(), c.expected) << c.who.toString().toStdString() << " " << c.least;
}

TEST_P(StatementCacheTest, RepeatedStatementIsOneRoundTripWithItsOwnValues) {
    const qint64 first = db().roundTripCount();
    EXPECT_EQ(nameOf(db(), QStringLiteral("A")), QStringLiteral("Ann"));
    EXPECT_EQ(db().roundTripCount() - first, 2);  // prepare, run

    const qint64 again = db().roundTripCount();
    const qint64 statements = db().statementCount();
    EXPECT_EQ(nameOf(db(), QStringLiteral("B")), QStringLiteral("Ben"));
    EXPECT_EQ(nameOf(db(), QStringLiteral("C")), QString());
    EXPECT_EQ(db().roundTripCount() - again, 2);
    EXPECT_EQ(db().statementCount() - statements, 2);

    // Values of an earlier run never fill in for missing ones.
    const QString two = QStringLiteral("SELECT IDKey FROM tbCacheProbe WHERE IDKey = ? OR Name = ?");
    EXPECT_EQ(db().query(two, {QStringLiteral("A"), QStringLiteral("Ben")}).recordCount(), 2);
    EXPECT_THROW(db().query(two, {QStringLiteral("C")}), AppError);
    EXPECT_EQ(db().query(two, {QStringLiteral("C"), QStringLiteral("none")}).recordCount(), 1);
    const QString named = QStringLiteral("SELECT IDKey FROM tbCacheProbe WHERE IDKey = :k OR Name = :n");
    EXPECT_EQ(db().query(named, QVariantMap{{QStringLiteral("k"), QStringLiteral("A")}, {QStringLiteral("n"), QStringLiteral("Ben")}})
                  .recordCount(),
              2);
    EXPECT_EQ(db().query(named, QVariantMap{{QStringLiteral("k"), QStringLiteral("C")}}).recordCount(), 1);
}

TEST_P(StatementCacheTest, FailedRunLeavesTheStatementUsable) {
    const QString insert = QStringLiteral("INSERT INTO tbCacheProbe (IDKey, Amount) VALUES (?, ?)");
    {
        Transaction tx(db());
        db().execute(insert, {QStringLiteral("D"), 4});
        EXPECT_THROW(db().execute(insert, {QStringLiteral("E"), QVariant()}), AppError);
    }
    EXPECT_EQ(db().execute(insert, {QStringLiteral("F"), 6}), 1);
    EXPECT_EQ(db().query(QStringLiteral("SELECT IDKey FROM tbCacheProbe WHERE IDKey IN ('D', 'E', 'F')")).recordCount(), 1);
}

TEST_P(StatementCacheTest, KeepsAtMostItsSizeAndFreesWhatItDrops) {
    const int size = Connection::kStatementCacheSize;
    for (int i = 0; i < size + 25; ++i)
        db().query(QStringLiteral("SELECT %1 AS n FROM tbCacheProbe WHERE IDKey = ?").arg(i), {QStringLiteral("A")});
    EXPECT_EQ(db().cachedStatementCount(), size);
    EXPECT_EQ(preparedOnServer(db()), size);
    EXPECT_EQ(db().cachedStatementCount(), size);
    // The most recent ones are kept.
    const qint64 before = db().roundTripCount();
    db().query(QStringLiteral("SELECT %1 AS n FROM tbCacheProbe WHERE IDKey = ?").arg(size + 24), {QStringLiteral("B")});
    EXPECT_EQ(db().roundTripCount() - before, 1);
}

TEST_P(StatementCacheTest, SchemaChangePreparesStatementsAgain) {
    const QString all = QStringLiteral("SELECT * FROM tbCacheProbe WHERE IDKey = ?");
    EXPECT_EQ(db().query(all, {QStringLiteral("A")}).fieldCount(), 3);
    db().executeScript(QStringLiteral("ALTER TABLE tbCacheProbe ADD COLUMN Remarks TEXT"));
    EXPECT_EQ(db().query(all, {QStringLiteral("A")}).fieldCount(), 4);
}

TEST_P(StatementCacheTest, DroppedWithItsConnection) {
    auto other = testDatabase().openAnother();
    for (const char* key : {"A", "B"})
        nameOf(*other, QString::fromLatin1(key));
    other->query(QStringLiteral("SELECT COUNT(*) FROM tbCacheProbe"));
    ASSERT_EQ(other->cachedStatementCount(), 2);
    WarningCatcher::caught().clear();
    {
        WarningCatcher catcher;
        other.reset();
    }
    EXPECT_EQ(WarningCatcher::caught(), QStringList());
    // The files are free for the next user: a write needs no lock held by the dropped connection.
    db().setCommandTimeout(5);
    EXPECT_EQ(db().execute(QStringLiteral("UPDATE tbCacheProbe SET Amount = Amount + 1")), 3);
}

TEST_P(StatementCacheTest, SurvivesReconnect) {
    db().setHostId(QStringLiteral("WS-7"));
    EXPECT_EQ(nameOf(db(), QStringLiteral("A")), QStringLiteral("Ann"));
    {
        Transaction tx(db());
        EXPECT_THROW(db().reconnect(), AppError);
    }
    WarningCatcher::caught().clear();
    {
        WarningCatcher catcher;
        db().reconnect();
    }
    EXPECT_EQ(WarningCatcher::caught(), QStringList());
    EXPECT_EQ(db().cachedStatementCount(), 0);
    EXPECT_LE(preparedOnServer(db()), 1);
    EXPECT_EQ(nameOf(db(), QStringLiteral("B")), QStringLiteral("Ben"));
    EXPECT_EQ(db().hostId(), QStringLiteral("WS-7"));
    // The other hospital databases are reached again too.
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM billing.tbHospitalInfo WHERE 1 = 0")).value(0).toInt(), 0);
}

QX_ON_BOTH_ENGINES(StatementCacheTest);

} // namespace
