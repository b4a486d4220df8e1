#include "TestDatabase.h"
#include "components/RowBatches.h"
#include "components/RowCursor.h"

using namespace qx;
using namespace qx::test;

namespace {

class RowCursorTest : public DbTest {
protected:
    static constexpr int kRows = 1500;
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        db().executeScript(QStringLiteral("CREATE TABLE tbCursorProbe (N INTEGER, Name TEXT)"));
        QVector<QVariantList> rows;
        for (int i = 0; i < kRows; ++i)
            rows.push_back({i, QStringLiteral("row %1").arg(i)});
        Transaction tx(db());
        EXPECT_EQ(insertRows(db(), QStringLiteral("tbCursorProbe"), {QStringLiteral("N"), QStringLiteral("Name")}, rows),
                  kRows);
        tx.commit();
    }
    std::unique_ptr<RowCursor> open() {
        return db().openCursor(QStringLiteral("SELECT N, Name FROM tbCursorProbe WHERE N >= :low ORDER BY N"),
                               {{QStringLiteral("low"), 0}});
    }
    static QVector<int> numbers(const QVector<QVariantList>& rows) {
        QVector<int> out;
        for (const QVariantList& r : rows)
            out << r[0].toInt();
        return out;
    }
    static QVector<int> upTo(int first, int count) {
        QVector<int> out;
        for (int i = first; i < first + count; ++i)
            out << i;
        return out;
    }
};

// Whatever the connection runs between two reads, no row is lost or doubled.
TEST_P(RowCursorTest, ReadsInOrderAcrossOtherStatements) {
    auto cursor = open();
    EXPECT_EQ(cursor->fieldNames().size(), 2);
    QVector<int> seen = numbers(cursor->fetch(10));
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbCursorProbe")).value(0).toInt(), kRows);
    seen += numbers(cursor->fetch(100));
    {
        Transaction tx(db());
        db().execute(QStringLiteral("UPDATE tbCursorProbe SET Name = 'changed' WHERE N = 1499"));
    }  // rolled back
    EXPECT_FALSE(cursor->atEnd());
    while (!cursor->atEnd())
        seen += numbers(cursor->fetch(400));
    EXPECT_EQ(seen, upTo(0, kRows));
    EXPECT_TRUE(cursor->fetch(10).isEmpty());
}

TEST_P(RowCursorTest, LeftHalfReadOrOutlivingItsConnectionIsHarmless) {
    {
        auto abandoned = open();
        EXPECT_EQ(abandoned->fetch(5).size(), 5);
    }
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbCursorProbe")).value(0).toInt(), kRows);

    auto other = testDatabase().openAnother();
    auto cursor = other->openCursor(QStringLiteral("SELECT N FROM tbCursorProbe ORDER BY N"));
    QVector<int> seen = numbers(cursor->fetch(3));
    other.reset();
    while (!cursor->atEnd())
        seen += numbers(cursor->fetch(1000));
    EXPECT_EQ(seen, upTo(0, kRows));
}

QX_ON_BOTH_ENGINES(RowCursorTest);

} // namespace
