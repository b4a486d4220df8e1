#include "Builders.h"
#include "TestDatabase.h"
#include "charging/StockCard.h"
#include "components/AppError.h"

using namespace qx;
using namespace qx::test;

namespace {

QString stockCardMoney(const QVariant& v) { return QString::number(v.toDouble(), 'f', 2); }

class StockCardTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.onHand = 100});
    }
    Recordset line(const QString& refNum) {
        return db().query(QStringLiteral("SELECT * FROM tbInvStockCard WHERE RefNum = ? ORDER BY id"), {refNum});
    }
    double onHand(const QString& location = QStringLiteral("20")) {
        return db().query(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = 'PARA500' AND LocationID = ?"),
                          {location}).value(0).toDouble();
    }
    StockCardValues issue(const QString& slip, double qty) {
        StockCardValues v;
        v.summaryCode = v.revenueId = QStringLiteral("PH");
        v.hospNum = QStringLiteral("H000001");
        v.idNum = QStringLiteral("1001");
        v.itemId = QStringLiteral("PARA500");
        v.transDate = QStringLiteral("01/05/2026 10:30:00");
        v.refNum = slip;
        v.quantity = qty;
        v.amount = qty * 5.25;
        v.userId = QStringLiteral("E0001");
        v.locationId = QStringLiteral("20");
        return v;
    }
    // A line written straight to the ledger, as history the repair works from.
    void history(const QString& slip, const QString& code, double qty, double balance, const QDateTime& when,
                 const QString& idNum = QStringLiteral("1001")) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                    "TransDate, Quantity, Balance, SequenceNumber) VALUES (?, 'PARA500', ?, 'H000001', ?, "
                                    "'20', ?, ?, ?, 1)"),
                     {slip, idNum, code, when, qty, balance});
    }
};

TEST_P(StockCardTest, EveryNamedValueReachesTheLine) {
    StockCardValues v;
    v.summaryCode = "PH"; v.hospNum = "H000001"; v.idNum = "1001"; v.itemId = "PARA500";
    v.transDate = "01/05/2026 10:30:00"; v.revenueId = "PH"; v.refNum = "S0001";
    v.quantity = 3; v.quantityRec = 1; v.amount = 15.75; v.userId = "E0001"; v.dosageId = "1 TAB";
    v.clinicId = "CL1"; v.itemType = "D"; v.requestById = "D001"; v.locationId = "20"; v.targetLocationId = "3F";
    v.roomId = "301"; v.remark = "AFTER MEALS"; v.requestNumber = "R77"; v.inOut = "I"; v.communication = 0;
    v.postOrReturn = 1; v.creditMemoNum = "0"; v.dispenserCode = 4; v.cashName = "ANA"; v.sequence = "HOST1";
    v.reportDate = QDateTime(QDate(2026, 1, 5), QTime(0, 0)); v.shift = 2; v.senior = true; v.acctNum = "AC1";
    v.cashAddress = "MAIN ST"; v.cashDoctor = "DR B"; v.disCompute = true; v.packageId = "PK1";
    v.discountRevenueId = "DS"; v.discount = 1.5; v.vatAmount = 0.25; v.netAmount = 14.25;
    Drug_AddStockCard(db(), v);

    Recordset rs = line("S0001");
    ASSERT_EQ(rs.recordCount(), 1);
    const std::vector<std::pair<const char*, QString>> texts = {
        {"SummaryCode", "PH"}, {"HospNum", "H000001"}, {"IdNum", "1001"}, {"ItemID", "PARA500"},
        {"RevenueID", "PH"}, {"UserID", "E0001"}, {"DosageID", "1 TAB"}, {"ClinicID", "CL1"}, {"ItemType", "D"},
        {"RequestByID", "D001"}, {"LocationID", "20"}, {"TargetLocationID", "3F"}, {"RoomID", "301"},
        {"Remarks", "AFTER MEALS"}, {"RequestNumber", "R77"}, {"InOut", "I"}, {"CreditMemoNum", "0"},
        {"CashName", "ANA"}, {"Sequence", "HOST1"}, {"AcctNum", "AC1"}, {"CashAddress", "MAIN ST"},
        {"CashDoctor", "DR B"}, {"PackageID", "PK1"}, {"DiscountRevenueID", "DS"}};
    for (const auto& [column, expected] : texts)
        EXPECT_EQ(rs.text(QString::fromLatin1(column)), expected) << column;
    const std::vector<std::pair<const char*, QString>> numbers = {
        {"Quantity", "3.00"}, {"QuantityRec", "1.00"}, {"Amount", "15.75"}, {"Balance", "97.00"},
        {"DispenserCode", "4.00"}, {"Shift", "2.00"}, {"Senior", "1.00"}, {"DisCompute", "1.00"},
        {"Discount", "1.50"}, {"VATAmount", "0.25"}, {"NetAmount", "14.25"}, {"Communication", "0.00"},
        {"PostOrReturn", "1.00"}, {"SequenceNumber", "1.00"}};
    for (const auto& [column, expected] : numbers)
        EXPECT_EQ(stockCardMoney(rs.value(QString::fromLatin1(column))), expected) << column;
    EXPECT_EQ(rs.dateTime(QStringLiteral("TransDate")), QDateTime(QDate(2026, 1, 5), QTime(10, 30)));
    EXPECT_EQ(rs.dateTime(QStringLiteral("ReportDate")), QDateTime(QDate(2026, 1, 5), QTime(0, 0)));
    EXPECT_EQ(onHand(), 97.0);
}

TEST_P(StockCardTest, NamesInAnyCaseAreMatchedAndTextsCutToTheirSize) {
    db().callProcedure(QStringLiteral("drug_addstockcard"),
                       {{"@strsummarycode", "PH"}, {"@StrItemId", "PARA500"}, {"@strRefNum", "S-1234567890123456789-TOO-LONG"},
                        {"@TRANSDATE", "01/05/2026 10:30:00 and more"}, {"@strLocationID", "20"},
                        {"@fltQuantity", 2}, {"@strIDNum", "1001"}, {"@NotAParameter", "x"}});
    Recordset rs = db().query(QStringLiteral("SELECT * FROM tbInvStockCard"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("RefNum"), "S-123456789012345678");
    EXPECT_EQ(rs.dateTime("TransDate"), QDateTime(QDate(2026, 1, 5), QTime(10, 30)));
    // Optional values left out are stored as their defaults.
    EXPECT_EQ(stockCardMoney(rs.value("Discount")), "0.00");
    EXPECT_EQ(stockCardMoney(rs.value("DisCompute")), "0.00");
    EXPECT_EQ(rs.text("PackageID"), "");
    EXPECT_EQ(onHand(), 98.0);
}

// Each wrapper's arguments 14 onwards land in their own place; the cash wrapper posts room "OP".
TEST_P(StockCardTest, WrappersReorderTheirArguments) {
    AppendStockCard(db(), "CASH", "CASH", "PARA500", "01/05/2026 10:30:00", "PH00000001", 2, 0, 10.5, "E0001", "1 TAB",
                    "E0001", "20", "", "WARD 9", "PH", "PH", "*", "D", "rem", "", "O", 0, 1, "20", 0, "ANA", "PH7",
                    "01/05/2026", 1, 1, "AC1", "", "DR B");
    Drug_AppendStockCard(db(), "H000001", "1001", "PARA500", "01/05/2026 10:31:00", "S0002", 1, 0, 5.25, "E0002",
                         "2 TAB", "D001", "20", "3F", "301", 3, "PH", "PH", "", "D", "rem2", "R9", "I", 1, 1, "0", 0,
                         "", "HOST1", "", 0, "", "", "");
    struct Case {
        const char* slip;
        std::vector<std::pair<const char*, QString>> expected;
    };
    const std::vector<Case> cases = {
        {"PH00000001", {{"RoomID", "OP"}, {"RevenueID", "PH"}, {"SummaryCode", "PH"}, {"ClinicID", "*"},
                        {"ItemType", "D"}, {"Remarks", "rem"}, {"InOut", "O"}, {"CreditMemoNum", "20"},
                        {"CashName", "ANA"}, {"Sequence", "PH7"}, {"Shift", "1"}, {"Senior", "1"},
                        {"AcctNum", "AC1"}, {"CashDoctor", "DR B"}, {"RequestByID", "E0001"}}},
        {"S0002", {{"RoomID", "301"}, {"Shift", "3"}, {"RevenueID", "PH"}, {"Remarks", "rem2"},
                   {"RequestNumber", "R9"}, {"InOut", "I"}, {"Communication", "1"}, {"CreditMemoNum", "0"},
                   {"Sequence", "HOST1"}, {"Senior", "0"}, {"TargetLocationID", "3F"}, {"RequestByID", "D001"}}},
    };
    for (const Case& c : cases) {
        Recordset rs = line(QString::fromLatin1(c.slip));
        ASSERT_EQ(rs.recordCount(), 1) << c.slip;
        for (const auto& [column, value] : c.expected)
            EXPECT_EQ(rs.text(QString::fromLatin1(column)).remove(QStringLiteral(".0")), value) << c.slip << " " << column;
    }
    EXPECT_EQ(line("PH00000001").dateTime("ReportDate"), QDateTime(QDate(2026, 1, 5), QTime(0, 0)));
    EXPECT_EQ(line("S0002").dateTime("ReportDate"), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_EQ(onHand(), 97.0);
}

TEST_P(StockCardTest, SeniorIsTrueOnlyForTheValueOne) {
    const std::vector<std::pair<qint16, QString>> cases = {{1, "1"}, {0, "0"}, {2, "0"}, {-1, "0"}};
    int n = 0;
    for (const auto& [senior, stored] : cases) {
        const QString slip = QStringLiteral("SN%1").arg(++n);
        AppendStockCard(db(), "CASH", "CASH", "PARA500", "01/05/2026 10:30:00", slip, 1, 0, 5.25, "E0001", "", "E0001",
                        "20", "", "", "PH", "PH", "*", "D", "", "", "O", 0, 1, "", 0, "", "", "not a date", 1, senior,
                        "", "", "");
        EXPECT_EQ(line(slip).text("Senior").left(1), stored) << senior;
    }
}

TEST_P(StockCardTest, AFailedPostIsRaisedAgainUnderBothNames) {
    try {
        Drug_AppendStockCard(db(), "H000001", "1001", "", "01/05/2026 10:31:00", "S0003", 1, 0, 5.25, "E0002", "", "",
                             "20", "", "301", 1, "PH", "PH", "", "D", "", "", "I", 0, 1, "", 0, "", "", "", 0, "", "", "");
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), static_cast<long>(0x80040064));
        EXPECT_EQ(e.source(), "prjQuillax.mdlMain.Drug_AppendStockCard");
        EXPECT_TRUE(e.description().endsWith("\nin prjQuillax.mdlMain.Drug_AddStockCard at line 0"
                                             "\nin prjQuillax.mdlMain.Drug_AppendStockCard at line 108"))
            << e.description().toStdString();
    }
}

TEST_P(StockCardTest, BalanceRepair) {
    struct Case {
        const char* code;
        double ownBalance;
        double expectedBalance;
        double expectedOnHand;
    };
    const std::vector<Case> cases = {
        {"PH", 50, 47, 47},  // an issue of 3 on an older balance of 50
        {"PC", 50, 53, 53},  // a credit of 3
        {"PA", 50, 50, 50},  // another code keeps its balance
        {"PH", 47, 47, 50},  // already right: nothing is written
    };
    for (const Case& c : cases) {
        db().execute("DELETE FROM tbInvStockCard");
        db().execute("UPDATE tbInvent SET OnHand = 50 WHERE ItemID = 'PARA500' AND LocationID = '20'");
        const QDateTime now = db().serverNow();
        history("OLDER", "PH", 5, 50, now.addSecs(-3600), "2002");
        history("S0009", c.code, 3, c.ownBalance, now.addSecs(-60));
        RecomputeStockCardBalance(db(), "PARA500", "20", "S0009", "H000001", "1001");
        EXPECT_EQ(stockCardMoney(line("S0009").value("Balance")), stockCardMoney(c.expectedBalance)) << c.code;
        EXPECT_EQ(stockCardMoney(onHand()), stockCardMoney(c.expectedOnHand)) << c.code;
    }
}

TEST_P(StockCardTest, RepairLeavesLinesOutsideTheWindowOrWithoutAnOlderLine) {
    const QDateTime now = db().serverNow();
    history("OLDER", "PH", 5, 50, now.addDays(-40), "2002");
    history("S0010", "PH", 3, 50, now.addDays(-35));
    history("S0011", "PH", 3, 99, now.addSecs(-60));
    RecomputeStockCardBalance(db(), "PARA500", "20", "S0010", "H000001", "1001");
    RecomputeStockCardBalance(db(), "PARA500", "20", "S0011", "H000001", "1001");
    RecomputeStockCardBalance(db(), "PARA500", "20", "NOSUCH", "H000001", "1001");
    EXPECT_EQ(stockCardMoney(line("S0010").value("Balance")), "50.00");
    EXPECT_EQ(stockCardMoney(line("S0011").value("Balance")), "99.00");
    EXPECT_EQ(onHand(), 100.0);
}

// The repair corrects the stock by the line's error, keeping what other postings moved since.
TEST_P(StockCardTest, RepairMovesStockRelativeToLaterPostings) {
    const QDateTime now = db().serverNow();
    history("OLDER", "PH", 5, 50, now.addSecs(-3600), "2002");
    history("S0012", "PH", 3, 50, now.addSecs(-60));
    db().execute("UPDATE tbInvent SET OnHand = 40 WHERE ItemID = 'PARA500' AND LocationID = '20'");
    RecomputeStockCardBalance(db(), "PARA500", "20", "S0012", "H000001", "1001");
    EXPECT_EQ(stockCardMoney(line("S0012").value("Balance")), "47.00");
    EXPECT_EQ(stockCardMoney(onHand()), "37.00");
}

TEST_P(StockCardTest, IdLookups) {
    Drug_AddStockCard(db(), issue("S0020", 1));
    EXPECT_EQ(GetStockCardIDNum(db(), "S0020"), "1001");
    EXPECT_EQ(GetStockCardIDNum(db(), "NONE"), "");
    EXPECT_EQ(GetStockCardIDNumOnConnection(db(), "S0020").toString(), "1001");
    EXPECT_FALSE(GetStockCardIDNumOnConnection(db(), "NONE").isValid());
    db().execute("INSERT INTO billing.tbCashCreditAdvise (ORNumber, AdviseNo, Amount) VALUES ('OR1', 'A1', 5)");
    EXPECT_TRUE(isSaveInStockcard(db(), "OR1", "A1"));
    EXPECT_FALSE(isSaveInStockcard(db(), "OR1", "A2"));
}

QX_ON_BOTH_ENGINES(StockCardTest);

} // namespace
