#include "Builders.h"
#include "TestDatabase.h"
#include "components/AppError.h"
#include "hospitaldb/StockLedger.h"

using namespace qx;
using namespace qx::test;
using qx::hospitaldb::StockCardEntry;
using qx::hospitaldb::StockCardPosting;

namespace {

StockCardPosting issue(const QString& item, double qty, const QString& slip = QStringLiteral("00000100")) {
    StockCardEntry e;
    e.refNum = slip;
    e.itemId = item;
    e.idNum = QStringLiteral("1001");
    e.hospNum = QStringLiteral("H000001");
    e.summaryCode = e.revenueId = QStringLiteral("PH");
    e.locationId = QStringLiteral("20");
    e.transDate = QDateTime(QDate(2026, 1, 5), QTime(10, 30));
    e.quantity = qty;
    e.amount = qty * 5.25;
    e.userId = QStringLiteral("E0001");
    e.sequence = QStringLiteral("HOST1");
    return {e, hospitaldb::stockDeltaOf(e.summaryCode, qty)};
}

template <typename F>
StockCardPosting with(StockCardPosting p, F&& change) {
    change(p.entry);
    p.stockDelta = hospitaldb::stockDeltaOf(p.entry.summaryCode, p.entry.quantity);
    return p;
}

// Every column of every row, in the order written; the row id differs after a rollback on
// PostgreSQL (its sequences never go back), so only its order counts.
using Snapshot = QVector<QVariantList>;
Snapshot snapshot(Connection& c, const QString& sql) {
    Recordset rs = c.query(sql);
    const int id = rs.fieldIndex(QStringLiteral("id"));
    Snapshot rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QVariantList row = rs.row(r);
        if (id >= 0)
            row.removeAt(id);
        rows << row;
    }
    return rows;
}
Snapshot cardRows(Connection& c) { return snapshot(c, QStringLiteral("SELECT * FROM tbInvStockCard ORDER BY id")); }
Snapshot stockRows(Connection& c) {
    return snapshot(c, QStringLiteral("SELECT * FROM tbInvent ORDER BY ItemID, LocationID"));
}

class StockLedgerBatchTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.onHand = 100});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .genericId = QStringLiteral("G-AMOX"), .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 3});
        // An earlier save on the slip: sequence numbers go on from it.
        hospitaldb::postStockCardEntry(db(), issue(QStringLiteral("PARA500"), 1).entry, -1);
    }
    void refuseLinesRemarked(const QString& remark) {
        if (db().isSQLite()) {
            db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseLine BEFORE INSERT ON tbInvStockCard "
                                              "WHEN NEW.Remarks = '%1' BEGIN SELECT RAISE(ABORT, 'line refused'); END")
                                   .arg(remark));
            return;
        }
        db().executeScript(QStringLiteral("CREATE FUNCTION refuse_line() RETURNS trigger AS $$ BEGIN "
                                          "IF NEW.Remarks = '%1' THEN RAISE EXCEPTION 'line refused'; END IF; "
                                          "RETURN NEW; END $$ LANGUAGE plpgsql")
                               .arg(remark));
        db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseLine BEFORE INSERT ON tbInvStockCard "
                                          "FOR EACH ROW EXECUTE FUNCTION refuse_line()"));
    }
};

// The lines of one save, posted one by one and then all at once from the same start, write the
// same rows, balances and stock.
TEST_P(StockLedgerBatchTest, BatchWritesWhatOneByOneWrites) {
    const QVector<StockCardPosting> lines{
        issue(QStringLiteral("PARA500"), 10),
        issue(QStringLiteral("AMOX500"), 5),  // more than the 3 in stock
        issue(QStringLiteral("PARA500"), 2.5),  // the item again, same slip
        with(issue(QStringLiteral("PARA500"), 1), [](StockCardEntry& e) {
            e.summaryCode = e.revenueId = QStringLiteral("PC");
            e.creditMemoNum = QStringLiteral("RC00000001");
            e.postOrReturn = 2;
        }),
        with(issue(QStringLiteral("AMOX500"), 1), [](StockCardEntry& e) { e.locationId = QStringLiteral("186"); }),
        with(issue(QStringLiteral("PARA500"), 4), [](StockCardEntry& e) {
            e.summaryCode = e.revenueId = QStringLiteral("PA");
            e.reportDate = QDateTime(QDate(2026, 1, 6), QTime(0, 0));
            e.senior = e.disCompute = true;
            e.discount = 1.05;
            e.remark = QStringLiteral("O'Neil's");
        }),
        with(issue(QStringLiteral("PARA500"), 1), [](StockCardEntry& e) { e.idNum = QString(); }),
        with(issue(QStringLiteral("PARA500"), 1), [](StockCardEntry& e) { e.idNum = QString(); }),
        issue(QStringLiteral("PARA500"), 0.1, QStringLiteral("00000101")),
        issue(QStringLiteral("PARA500"), 0.2, QStringLiteral("00000101")),
        issue(QStringLiteral("AMOX500"), -2),  // a reversed issue
    };
    QVector<double> oneByOneBalances;
    Snapshot oneByOneCard, oneByOneStock;
    {
        Transaction tx(db());
        for (const StockCardPosting& l : lines)
            oneByOneBalances << hospitaldb::postStockCardEntry(db(), l.entry, l.stockDelta);
        oneByOneCard = cardRows(db());
        oneByOneStock = stockRows(db());
    }
    const QVector<double> batchBalances = hospitaldb::postStockCardEntries(db(), lines);
    EXPECT_EQ(batchBalances, oneByOneBalances);
    EXPECT_EQ(batchBalances[1], -2.0);
    EXPECT_EQ(batchBalances[4], -1.0);
    const Snapshot card = cardRows(db());
    ASSERT_EQ(card.size(), oneByOneCard.size());
    for (int r = 0; r < card.size(); ++r)
        EXPECT_EQ(card[r], oneByOneCard[r]) << "line " << r;
    EXPECT_EQ(stockRows(db()), oneByOneStock);
}

// A line refused anywhere in the save (first, inside or across a chunk of rows, last) leaves no
// line and no stock movement, also when the save is the caller's transaction.
TEST_P(StockLedgerBatchTest, FailureAtAnyLineLeavesNothing) {
    refuseLinesRemarked(QStringLiteral("REFUSE"));
    const Snapshot card = cardRows(db());
    const Snapshot stock = stockRows(db());
    for (int failing : {0, 40, 63, 64, 69}) {
        QVector<StockCardPosting> lines;
        for (int i = 0; i < 70; ++i)
            lines << with(issue(i % 3 ? QStringLiteral("PARA500") : QStringLiteral("AMOX500"), 1),
                          [&](StockCardEntry& e) {
                              e.locationId = i % 5 ? QStringLiteral("20") : QStringLiteral("NEWLOC");
                              if (i == failing)
                                  e.remark = QStringLiteral("REFUSE");
                          });
        EXPECT_THROW(hospitaldb::postStockCardEntries(db(), lines), AppError) << failing;
        EXPECT_FALSE(db().inTransaction());
        EXPECT_EQ(cardRows(db()), card) << failing;
        EXPECT_EQ(stockRows(db()), stock) << failing;
    }
    {
        Transaction save(db());
        hospitaldb::postStockCardEntries(db(), {issue(QStringLiteral("PARA500"), 1)});
        EXPECT_THROW(hospitaldb::postStockCardEntries(
                         db(), {issue(QStringLiteral("PARA500"), 1),
                                with(issue(QStringLiteral("AMOX500"), 1),
                                     [](StockCardEntry& e) { e.remark = QStringLiteral("REFUSE"); })}),
                     AppError);
    }
    EXPECT_EQ(cardRows(db()), card);
    EXPECT_EQ(stockRows(db()), stock);
    EXPECT_THROW(hospitaldb::postStockCardEntries(db(), {with(issue(QStringLiteral("PARA500"), 1), [](StockCardEntry& e) {
                                                             e.locationId.clear();
                                                         })}),
                 AppError);
}

// A save costs a few statements whatever its number of lines.
TEST_P(StockLedgerBatchTest, StatementsDoNotGrowWithTheLines) {
    auto statementsFor = [this](int count, const QString& slip) {
        QVector<StockCardPosting> lines;
        for (int i = 0; i < count; ++i)
            lines << issue(i % 2 ? QStringLiteral("PARA500") : QStringLiteral("AMOX500"), 1, slip);
        const qint64 before = db().statementCount();
        hospitaldb::postStockCardEntries(db(), lines);
        return db().statementCount() - before;
    };
    const qint64 ten = statementsFor(10, QStringLiteral("00000201"));
    const qint64 hundred = statementsFor(100, QStringLiteral("00000202"));
    EXPECT_LE(ten, 8);
    EXPECT_LE(hundred, ten + 2);
}

QX_ON_BOTH_ENGINES(StockLedgerBatchTest);

} // namespace
