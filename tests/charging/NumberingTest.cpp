#include "Builders.h"
#include "TestDatabase.h"
#include "charging/Numbering.h"
#include "components/AppError.h"
#include "components/DrugCatalog.h"

#include <QSet>

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
    QString ClaimDispensingChargeSlip(const std::optional<QString>& k, const QString&, const QString&) override {
        const QString n = CurrentDispensingChargeSlip(k);
        UpdateDispensingChargeSlip(k);
        return n;
    }
    QString ClaimCreditMemo(const QString&, const QString&) override {
        const QString n = CurrentCreditMemo();
        UpdateCreditMemo();
        return n;
    }
    QString ClaimAdjustmentSlip(const QString&, const QString&) override {
        const QString n = CurrentAdjustmentSlip();
        UpdateAdjustmentSlip();
        return n;
    }
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

// Codes the login accepts are up to 20 characters: the counter read is the counter moved.
TEST_P(NumberingTest, AdvancingMovesTheCounterOfEveryCodeLength) {
    for (const char* code : {"PHARMACI9", "PHARMACI10", "PHARMACIST1", "PHARMACIST012345678X", " PADDED01 "}) {
        setCounter(QString::fromLatin1(code).trimmed(), 5);
        AdvanceTerminalChargeSlipNo(db(), code);
        EXPECT_EQ(GetTerminalChargeSlipNo(db(), code), "C000006M") << code;
    }
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

// The current number is on the stock card twice in a row: the claim takes the third and leaves
// the counter past it, where the walk and the move after the first line would leave it.
TEST_P(NumberingTest, ClaimMovesPastUsedNumbersAndLeavesTheCounterPastTheClaim) {
    setCounter("E7", 7);
    stockLine("C000007M");
    stockLine("C000008M");
    Transaction tx(db());
    TerminalChargeSlipSeries series(db(), "E7");
    EXPECT_EQ(ClaimNumber(db(), series, "1001", "E7"), "C000009M");
    stockLine("C000009M");
    tx.commit();
    EXPECT_EQ(counter("E7"), 10);
}

// A counter set below the used range (typed in, reset, or a booklet left numbers free) heals at
// the next save: the claim takes the first free number at or after it, in one go.
TEST_P(NumberingTest, ACounterBelowTheUsedRangeTakesTheFirstFreeNumber) {
    struct Case {
        const char* name;
        qint64 counter;
        int runFrom, runTo;             // C<runFrom>M .. C<runTo>M on the stock card
        std::vector<const char*> used;  // more on the stock card; "claim:" ones held by a save
        const char* claimed;
    };
    const std::vector<Case> cases = {
        {"reset below 1,500 used", 1, 1, 1500, {}, "C001501M"},
        {"zero is a number too", 0, 1, 2, {}, "C000000M"},
        {"a gap a booklet left free", 3, 3, 4, {"C000006M"}, "C000005M"},
        {"held by another save", 3, 3, 3, {"claim:C000004M"}, "C000005M"},
        {"odd and longer slips are not this series", 9, 9, 9,
         {"C00010AM", "C0000010M", "X000010M", "C000010", "c000010m"}, "C000010M"},
        {"seven digits keep counting", 999999, 999999, 999999, {}, "C1000000M"},
        {"counter already free", 20, 19, 19, {"C000021M"}, "C000020M"},
    };
    for (const Case& c : cases) {
        {
            Transaction fill(db());
            db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
            db().execute(QStringLiteral("DELETE FROM tbInvDocumentClaim"));
            db().execute(QStringLiteral("DELETE FROM tbChargeSlipTerminal"));
            setCounter("E7", c.counter);
            for (int n = c.runFrom; n <= c.runTo; ++n)
                stockLine(QStringLiteral("C%1M").arg(n, 6, 10, QLatin1Char('0')));
            for (const char* u : c.used) {
                const QString number = QString::fromLatin1(u);
                if (number.startsWith(QStringLiteral("claim:")))
                    db().execute(QStringLiteral("INSERT INTO tbInvDocumentClaim (Kind, DocumentNumber) VALUES ('CS', ?)"),
                                 {number.mid(6)});
                else
                    stockLine(number);
            }
            fill.commit();
        }
        TerminalChargeSlipSeries series(db(), "E7");
        Transaction save(db());
        const qint64 before = db().statementCount();
        const QString claimed = ClaimNumber(db(), series, "1001", "E7");
        EXPECT_EQ(db().statementCount() - before, 2) << c.name;
        save.commit();
        EXPECT_EQ(claimed, c.claimed) << c.name;
        EXPECT_EQ(QStringLiteral("C%1M").arg(counter("E7") - 1, 6, 10, QLatin1Char('0')), claimed) << c.name;
    }
}

// Every employee code the login accepts (up to 20 characters) keeps saving under slips of its own:
// the counter is read, tested and moved under one key.
TEST_P(NumberingTest, LongEmployeeCodesSaveManyTimesInARow) {
    QSet<QString> slips;
    for (const char* code : {"PHARMACI9", "PHARMACI10", "PHARMACIST1", "PHARMACIST012345678X"}) {
        for (int save = 0; save < 4; ++save) {
            Transaction tx(db());
            TerminalChargeSlipSeries series(db(), code);
            const QString slip = ClaimNumber(db(), series, "1001", code);
            stockLine(slip);
            tx.commit();
            EXPECT_FALSE(slips.contains(slip)) << code << " " << slip.toStdString();
            slips.insert(slip);
        }
        EXPECT_EQ(GetTerminalChargeSlipCounter(db(), code).toInt(), slips.size() + 1) << code;
    }
}

TEST_P(NumberingTest, AnEmployeeWithoutACounterClaimsTheFirstNumber) {
    TerminalChargeSlipSeries series(db(), "ENONE");
    EXPECT_EQ(ClaimNumber(db(), series, "1001", "ENONE"), "C000001M");
    EXPECT_EQ(counter("ENONE"), 2);
}

// A number one save holds is used for every other save, even before a line carries it, and
// employees with counters of their own still share the slips.
TEST_P(NumberingTest, AClaimedNumberBelongsToOneSave) {
    setCounter("E7", 5);
    setCounter("E8", 5);
    TerminalChargeSlipSeries terminal(db(), "E7");
    TerminalChargeSlipSeries other(db(), "E8");
    EXPECT_EQ(ClaimNumber(db(), terminal, "1001", "E7"), "C000005M");
    EXPECT_EQ(ClaimNumber(db(), terminal, "1001", "E7"), "C000006M");
    EXPECT_EQ(ClaimNumber(db(), other, "1002", "E8"), "C000007M");
    EXPECT_EQ(db().query(QStringLiteral("SELECT IdNum, ClaimedBy FROM tbInvDocumentClaim WHERE DocumentNumber = 'C000007M'"))
                  .text(QStringLiteral("ClaimedBy")),
              "E8");
}

TEST_P(NumberingTest, PerPatientNumbersPassThePatientToTheClaim) {
    FakeNumbers numbers;
    DrugChargeSlipSeries perPatient(numbers, QStringLiteral("1001"));
    EXPECT_EQ(perPatient.current(), "00000001");
    ClaimNumber(db(), perPatient, "1001", "E1");
    FakeNumbers sharedNumbers;
    DrugChargeSlipSeries shared(sharedNumbers);
    ClaimNumber(db(), shared, "1001", "E1");
    const std::vector<std::optional<QString>> expected = {QStringLiteral("1001"), QStringLiteral("1001"),
                                                          QStringLiteral("1001")};
    EXPECT_EQ(numbers.keys, expected);
    EXPECT_EQ(sharedNumbers.keys, (std::vector<std::optional<QString>>{std::nullopt, std::nullopt}));
}

// No number of the counter's width is free: the save stops and the counter stays.
TEST_P(NumberingTest, AClaimWithNoFreeNumberFailsAndLeavesTheCounter) {
    setCounter("E7", 999998);
    for (const char* n : {"C999998M", "C999999M", "C1000000M"})
        stockLine(n);
    TerminalChargeSlipSeries series(db(), "E7");
    EXPECT_THROW(ClaimNumber(db(), series, "1001", "E7"), AppError);
    EXPECT_EQ(counter("E7"), 999998);
    EXPECT_TRUE(db().query(QStringLiteral("SELECT 1 FROM tbInvDocumentClaim")).isEmpty());
}

QX_ON_BOTH_ENGINES(NumberingTest);

} // namespace
