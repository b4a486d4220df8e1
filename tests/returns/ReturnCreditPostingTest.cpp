#include "Builders.h"
#include "ConcurrentSaves.h"
#include "TestDatabase.h"
#include "charging/ChargePosting.h"
#include "returns/ReturnCreditPosting.h"
#include "suite/DrugCatalogComponent.h"


namespace qx::test {
namespace {

// Admission 1001 issued 2 PARA500 at 5.00 under each of the slips CS01 to CS10; the credit
// lines are posted at workstation HOST1 by employee E001.
class ReturnCreditPostingTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.onHand = 100});
        ASSERT_TRUE(drug.InitConnect(db().connectionString()));
        for (int n = 1; n <= 10; ++n)
            db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, "
                                        "Quantity, Amount) VALUES (?, 'PARA500', '1001', 'PH', '20', 2, 10)"),
                         {slip(n)});
    }
    static QString slip(int n) { return QStringLiteral("CS%1").arg(n, 2, 10, QChar(u'0')); }
    static CreditLine line(int row, const QString& chargeSlip, double quantity) {
        CreditLine l;
        l.row = row;
        l.name = QStringLiteral("Line %1 (PARA500)").arg(row);
        DrugCatalog::StockCardArgs& a = l.args;
        a.count = 28;
        a[1] = QStringLiteral("H000001");
        a[2] = QStringLiteral("1001");
        a[3] = QStringLiteral("PARA500");
        a[5] = chargeSlip;
        a[6] = quantity;
        a[7] = 2.0;
        a[8] = quantity * 5;
        a[9] = QStringLiteral("E001");
        a[12] = QStringLiteral("20");
        a[15] = 1;
        a[16] = QStringLiteral("PC");
        a[17] = QStringLiteral("PC");
        a[19] = QStringLiteral("C");
        a[24] = 2;
        a[26] = 0;
        a[28] = QStringLiteral("HOST1");
        return l;
    }
    static CreditMemoSave save(std::vector<CreditLine> lines) {
        CreditMemoSave s;
        s.idNum = QStringLiteral("1001");
        s.claimedBy = QStringLiteral("E001");
        s.stagingKey = QStringLiteral("HOST1");
        s.shownNumber = QStringLiteral("SHOWN");
        s.lines = std::move(lines);
        return s;
    }
    qint64 count(const QString& sql, const QVariantList& binds = {}) { return db().query(sql, binds).value(0).toLongLong(); }

    suite::DrugCatalogComponent drug{[this] { return &db(); }};
};

TEST_P(ReturnCreditPostingTest, TheRequestNumberIsUsedWhileFreeElseTheNextFreeOne) {
    DrugCatalog::ChargeslipNumbers& numbers = drug.Drug().Chargeslip();
    const QString first = numbers.CurrentCreditMemo();
    CreditMemoSave request = save({line(1, slip(1), 1), line(2, slip(2), 2)});
    request.numberPolicy = CreditNumberPolicy::RequestNumberFirst;
    request.requestNumber = QStringLiteral(" RC000500 ");
    QStringList calls;
    request.afterLine = [&](Connection&, const QString& number, const CreditLine& l) {
        calls << number + u':' + QString::number(l.row);
    };
    request.afterPosting = [&](Connection&, const QString& number) { calls << QStringLiteral("after:") + number; };
    const CreditMemoPosted posted = PostCreditMemo(db(), drug.Drug(), request);
    EXPECT_EQ(posted.number, "RC000500");
    EXPECT_EQ(posted.rows, (std::vector<int>{1, 2}));
    EXPECT_EQ(calls, (QStringList{"RC000500:1", "RC000500:2", "after:RC000500"}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE CreditMemoNum = 'RC000500'")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCMPrint WHERE RefNum = 'RC000500' AND UserID = 'HOST1'")), 2);
    // The counter still moves on once.
    EXPECT_NE(numbers.CurrentCreditMemo(), first);
    const QString next = numbers.CurrentCreditMemo();

    // The same request number again, now used: the counter's next free number.
    calls.clear();
    request.lines = {line(1, slip(3), 1)};
    EXPECT_EQ(PostCreditMemo(db(), drug.Drug(), request).number, next);
    EXPECT_EQ(calls, (QStringList{next + QStringLiteral(":1"), QStringLiteral("after:") + next}));

    // No line: nothing claimed, the last statements still run.
    calls.clear();
    request.lines.clear();
    const QString before = numbers.CurrentCreditMemo();
    const CreditMemoPosted none = PostCreditMemo(db(), drug.Drug(), request);
    EXPECT_FALSE(none.posted());
    EXPECT_EQ(none.number, "SHOWN");
    EXPECT_EQ(calls, QStringList{"after:"});
    EXPECT_EQ(numbers.CurrentCreditMemo(), before);
}

TEST_P(ReturnCreditPostingTest, ARefusedLineRollsBackTheWholeSave) {
    const QString before = drug.Drug().Chargeslip().CurrentCreditMemo();
    CreditMemoSave refused = save({line(1, slip(1), 2), line(2, slip(1), 1)});
    refused.beforePosting = [](Connection& c) {
        c.execute(QStringLiteral("UPDATE tbInvent SET OnHand = 7 WHERE ItemID = 'PARA500'"));
    };
    try {
        PostCreditMemo(db(), drug.Drug(), refused);
        ADD_FAILURE() << "the save was not refused";
    } catch (const SaveRefused& r) {
        EXPECT_EQ(r.refusal.text, "Line 2 (PARA500) is more than what is left to take back of charge slip CS01 (2).  Please check.");
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE CreditMemoNum IS NOT NULL")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = 'PARA500'")), 100);
    EXPECT_EQ(drug.Drug().Chargeslip().CurrentCreditMemo(), before);
    EXPECT_EQ(NetIssuedQuantity(db(), QStringLiteral("1001"), slip(1), QStringLiteral("PARA500")), 2);
}

// Eight workstations take back at once, each its own issue; two more race for one issue's
// remainder: every save gets its own number and no issue is credited twice.
TEST_P(ReturnCreditPostingTest, WorkstationsPostingAtOnceGetDistinctNumbers) {
    std::atomic<int> refused{0};
    const ConcurrentSaves saves = saveConcurrently(testDatabase(), 10, 1, [&](Connection& c, int i) {
        suite::DrugCatalogComponent own{[&c] { return &c; }};
        own.InitConnect(c.connectionString());
        try {
            return QStringList{PostCreditMemo(c, own.Drug(), save({line(1, slip(std::min(i + 1, 9)), 2)})).number};
        } catch (const SaveRefused&) {
            ++refused;
            return QStringList{};
        }
    });
    EXPECT_EQ(saves.failures, 0);
    QStringList numbers = saves.numbers;
    EXPECT_EQ(refused.load(), 1);
    ASSERT_EQ(numbers.size(), 9);
    numbers.removeDuplicates();
    EXPECT_EQ(numbers.size(), 9);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE CreditMemoNum IS NOT NULL")), 9);
    EXPECT_EQ(count(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = 'PARA500'")), 118);
}

QX_ON_BOTH_ENGINES(ReturnCreditPostingTest);

} // namespace
} // namespace qx::test
