#include "Builders.h"
#include "TestDatabase.h"
#include "charging/Numbering.h"
#include "components/AppError.h"
#include "components/DrugCatalog.h"

using namespace qx;
using namespace qx::test;

namespace {

// Counters of the drug component as a screen sees them, recording the patient keys it is given.
class FakeNumbers : public DrugCatalog::ChargeslipNumbers {
public:
    int slip = 1, memo = 1, adjustment = 1;
    std::vector<std::optional<QString>> keys;
    QString CurrentDispensingChargeSlip(const std::optional<QString>& k) override {
        keys.push_back(k);
        return QStringLiteral("%1").arg(slip, 8, 10, QLatin1Char('0'));
    }
    void UpdateDispensingChargeSlip(const std::optional<QString>& k) override {
        keys.push_back(k);
        ++slip;
    }
    QString CurrentCreditMemo() override { return QStringLiteral("RC%1").arg(memo, 8, 10, QLatin1Char('0')); }
    void UpdateCreditMemo() override { ++memo; }
    QString CurrentAdjustmentSlip() override { return QStringLiteral("AJ%1").arg(adjustment, 8, 10, QLatin1Char('0')); }
    void UpdateAdjustmentSlip() override { ++adjustment; }
};

class NumberingTest : public DbTest {
protected:
    void setCounter(const QString& user, const QVariant& value) {
        db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES (?, ?)"), {user, value});
    }
    qint64 counter(const QString& user) {
        return db().query(QStringLiteral("SELECT ChargeSlip FROM tbChargeSlipTerminal WHERE UserID = ?"), {user})
            .value(0).toLongLong();
    }
    void stockLine(const QString& refNum, const QVariant& creditMemo = QVariant()) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, "
                                    "CreditMemoNum) VALUES (?, 'PARA500', '1001', 'PH', '20', ?)"),
                     {refNum, creditMemo});
    }
};

TEST_P(NumberingTest, TerminalNumberFormats) {
    struct Case {
        const char* user;
        QVariant counter;  // invalid: no row
        const char* slipNo;
        const char* bareCounter;
    };
    const std::vector<Case> cases = {
        {"E7", 7, "C000007M", "000007"},
        {"ENULL", QVariant(QMetaType(QMetaType::LongLong)), "C000001M", "000001"},
        {"EBIG", 1234567, "C1234567M", "1234567"},
        {"ENONE", QVariant(), "0", "000001"},
    };
    for (const Case& c : cases) {
        if (c.counter.isValid())
            setCounter(c.user, c.counter);
        EXPECT_EQ(GetTerminalChargeSlipNo(db(), c.user), c.slipNo) << c.user;
        EXPECT_EQ(GetTerminalChargeSlipCounter(db(), c.user), c.bareCounter) << c.user;
    }
}

TEST_P(NumberingTest, AdvancingMovesTheEmployeesCounterAndCreatesOneWhenMissing) {
    setCounter("E7", 7);
    AdvanceTerminalChargeSlipNo(db(), "E7");
    AdvanceTerminalChargeSlipNo(db(), "ENONE");
    EXPECT_EQ(GetTerminalChargeSlipNo(db(), "E7"), "C000008M");
    EXPECT_EQ(GetTerminalChargeSlipNo(db(), "ENONE"), "C000002M");
}

TEST_P(NumberingTest, UsedNumberTests) {
    stockLine("C000007M");
    stockLine("00000001", "RC00000001");
    struct Case {
        const char* site;
        const char* number;
        bool used;
    };
    const std::vector<Case> cases = {
        {"QVH", "  C000007M  ", true}, {"QVH", "C000008M", false}, {"ABC", " C000007M ", true},
        {"ABC", "00000001", true},     {"ABC", "RC00000001", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChargeSlipExists(db(), c.site, c.number), c.used) << c.site << " " << c.number;
    EXPECT_TRUE(CreditMemoExists(db(), " RC00000001"));
    EXPECT_FALSE(CreditMemoExists(db(), "00000001"));
}

// The current number is on the stock card twice in a row: the counter moves twice in the loop
// and once more after the first line.
TEST_P(NumberingTest, ClaimMovesPastUsedNumbersAndOnceMoreAfterTheFirstLine) {
    setCounter("E7", 7);
    stockLine("C000007M");
    stockLine("C000008M");
    Transaction tx(db());
    TerminalChargeSlipSeries series(db(), "E7", "QVH");
    EXPECT_EQ(ClaimNumber(db(), series, "1001", "E7"), "C000009M");
    stockLine("C000009M");
    series.advance();
    tx.commit();
    EXPECT_EQ(counter("E7"), 10);
}

TEST_P(NumberingTest, AnEmployeeWithoutACounterClaimsTheFirstNumber) {
    TerminalChargeSlipSeries series(db(), "ENONE", "QVH");
    EXPECT_EQ(ClaimNumber(db(), series, "1001", "ENONE"), "C000001M");
}

// A number one save holds is used for every other save, even before a line carries it.
TEST_P(NumberingTest, AClaimedNumberBelongsToOneSave) {
    FakeNumbers numbers;
    DrugChargeSlipSeries series(db(), numbers, "ABC");
    EXPECT_EQ(ClaimNumber(db(), series, "1001", "E1"), "00000001");
    EXPECT_EQ(ClaimNumber(db(), series, "1002", "E2"), "00000002");
    setCounter("E7", 5);
    TerminalChargeSlipSeries terminal(db(), "E7", "QVH");
    EXPECT_EQ(ClaimNumber(db(), terminal, "1001", "E7"), "C000005M");
    EXPECT_EQ(ClaimNumber(db(), terminal, "1001", "E7"), "C000006M");
}

TEST_P(NumberingTest, PerPatientNumbersPassThePatientToReadAndMove) {
    FakeNumbers numbers;
    stockLine("00000001");
    DrugChargeSlipSeries perPatient(db(), numbers, "ABC", QStringLiteral("1001"));
    ClaimNumber(db(), perPatient, "1001", "E1");
    FakeNumbers sharedNumbers;
    sharedNumbers.slip = 10;
    DrugChargeSlipSeries shared(db(), sharedNumbers, "ABC");
    ClaimNumber(db(), shared, "1001", "E1");
    const std::vector<std::optional<QString>> expected = {QStringLiteral("1001"), QStringLiteral("1001"),
                                                          QStringLiteral("1001")};
    EXPECT_EQ(numbers.keys, expected);
    EXPECT_EQ(sharedNumbers.keys, std::vector<std::optional<QString>>{std::nullopt});
}

TEST_P(NumberingTest, CreditMemosAndAdjustmentSlipsTestTheCreditMemoColumn) {
    FakeNumbers numbers;
    stockLine("ANY-SLIP", "RC00000001");
    stockLine("OTHER", "AJ00000001");
    CreditMemoSeries memos(db(), numbers, CreditMemoSeries::Kind::CreditMemo);
    CreditMemoSeries adjustments(db(), numbers, CreditMemoSeries::Kind::AdjustmentSlip);
    EXPECT_EQ(ClaimNumber(db(), memos, "1001", "E1"), "RC00000002");
    EXPECT_EQ(ClaimNumber(db(), adjustments, "1001", "E1"), "AJ00000002");
}

// A series whose numbers never move stops the save instead of looping for ever.
TEST_P(NumberingTest, TheClaimLoopIsBounded) {
    class Stuck : public NumberSeries {
    public:
        int advances = 0;
        QString current() override { return QStringLiteral("X1"); }
        void advance() override { ++advances; }
        bool isUsed(const QString&) override { return true; }
        QString kind() const override { return QStringLiteral("CS"); }
    } stuck;
    EXPECT_THROW(ClaimNumber(db(), stuck, "1001", "E1"), AppError);
    EXPECT_EQ(stuck.advances, kMaxClaimTries);
}

QX_ON_BOTH_ENGINES(NumberingTest);

} // namespace
