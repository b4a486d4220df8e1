#include "CashSaleFixture.h"

#include "charging/CashReceipts.h"
#include "components/AppError.h"

#include "../platform/report/ReportTestSupport.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportPrinter.h"
#include "platform/report/SharedReport.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <atomic>
#include <mutex>
#include <thread>

namespace qx::test {
namespace {

using C = frmEntryCash;

// Items D1..D12 (class A) and S1..S4 (class S) at the main pharmacy, 100 of each.
class CashSalePostingTest : public CashSaleBothEnginesTest {
protected:
    void SetUp() override {
        CashSaleBothEnginesTest::SetUp();
        if (IsSkipped())
            return;
        for (int i = 1; i <= 12; ++i)
            addSaleItem(db(), {.itemId = QStringLiteral("D%1").arg(i), .genericId = QStringLiteral("G%1").arg(i)});
        for (int i = 1; i <= 4; ++i)
            addSaleItem(db(), {.itemId = QStringLiteral("S%1").arg(i), .genericId = QStringLiteral("H%1").arg(i)},
                        QStringLiteral("S"));
    }

    static CashSaleLine line(const QString& item, const QString& cls, double amount = 10) {
        return {item, QStringLiteral("ITEM ") + item, 2, amount, false, cls, QStringLiteral("BID"), QStringLiteral("R-") + item, QString()};
    }
    CashSale sale(int drugLines, int otherLines, const QString& patient = QStringLiteral("JUAN DELA CRUZ")) const {
        CashSale s;
        s.patientName = patient;
        s.doctor = QStringLiteral(" DR. SANTOS ");
        s.employeeCode = QStringLiteral("E0001");
        s.locationId = QStringLiteral("186");
        s.hostId = QStringLiteral("HOST1");
        s.reportDate = QStringLiteral("12/01/2026");
        s.shift = 1;
        for (int i = 1; i <= drugLines; ++i)
            s.lines.push_back(line(QStringLiteral("D%1").arg(i), QStringLiteral("A")));
        for (int i = 1; i <= otherLines; ++i)
            s.lines.push_back(line(QStringLiteral("S%1").arg(i), QStringLiteral("S")));
        return s;
    }
    void setNumbers(double cash, double drug, double nonDrug) {
        db().execute(QStringLiteral("DELETE FROM billing.tbCashNumbers"));
        db().execute(QStringLiteral("INSERT INTO billing.tbCashNumbers (id, CashNumber, DrugNumber, NonDrugNumber) VALUES (1, ?, ?, ?)"),
                     {cash, drug, nonDrug});
    }
    int count(const QString& sql) { return db().query(sql).value(0).toInt(); }
    // "receipt:lines:sequence" of each receipt.
    static QStringList describe(const QVector<CashSaleReceipt>& receipts) {
        QStringList out;
        for (const CashSaleReceipt& r : receipts)
            out << QStringLiteral("%1:%2:%3").arg(r.number).arg(r.lines).arg(r.sequence);
        return out;
    }
};

TEST_P(CashSalePostingTest, DrugLinesSevenToAReceiptThenTheOthers) {
    setNumbers(1, 40, 7);
    const QVector<CashSaleReceipt> receipts = PostCashSale(db(), *numbers, sale(10, 3));
    EXPECT_EQ(describe(receipts), (QStringList{"PH00000001:7:PH40", "PH00000002:3:PH41", "PH00000003:3:SC8"}));
    Recordset drug = db().query(QStringLiteral(
        "SELECT RefNum, IdNum, HospNum, LocationID, Sequence, CashDoctor, RequestNumber, SummaryCode, InOut, Senior "
        "FROM tbInvStockCard WHERE ItemID = 'D8'"));
    EXPECT_EQ(drug.text(QStringLiteral("RefNum")), QStringLiteral("PH00000002"));
    EXPECT_EQ(drug.text(QStringLiteral("IdNum")), QStringLiteral("PH00000002"));
    EXPECT_EQ(drug.text(QStringLiteral("HospNum")), QStringLiteral("CASH"));
    EXPECT_EQ(drug.text(QStringLiteral("LocationID")), QStringLiteral("20"));
    EXPECT_EQ(drug.text(QStringLiteral("Sequence")), QStringLiteral("PH41"));
    EXPECT_EQ(drug.text(QStringLiteral("CashDoctor")), QStringLiteral("DR. SANTOS"));
    EXPECT_EQ(drug.text(QStringLiteral("RequestNumber")), QStringLiteral("R-D8"));
    Recordset other = db().query(QStringLiteral("SELECT LocationID, Sequence, CashDoctor FROM tbInvStockCard WHERE ItemID = 'S1'"));
    EXPECT_EQ(other.text(QStringLiteral("LocationID")), QStringLiteral("186"));
    EXPECT_EQ(other.text(QStringLiteral("CashDoctor")), QStringLiteral(" DR. SANTOS "));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCashStockCard")), 13);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCashPrint WHERE UserID = 'HOST1'")), 13);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = 'PH00000001'")), 7);
    Recordset stock = db().query(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = 'D1' AND LocationID = '20'"));
    EXPECT_EQ(Text(stock.value(0)), QStringLiteral("98"));
}

TEST_P(CashSalePostingTest, OnlyOtherLinesTakeTheFirstNumber) {
    setNumbers(123, 1, 9);
    EXPECT_EQ(describe(PostCashSale(db(), *numbers, sale(0, 2, QStringLiteral("CASH")))),
              (QStringList{"PH00000123:2:SC9"}));
    Recordset rs = db().query(QStringLiteral("SELECT IdNum FROM tbInvStockCard WHERE ItemID = 'S2'"));
    EXPECT_EQ(rs.text(QStringLiteral("IdNum")), QStringLiteral("CASH"));
}

TEST_P(CashSalePostingTest, UsedNumbersAreSkippedAndLongNumbersKeptWhole) {
    // The previous sale left the number where it was: the next moves on until it finds a free one.
    setNumbers(5, 1, 1);
    db().execute(QStringLiteral("INSERT INTO tbPharmaCashStockCard (CISlip) VALUES ('PH00000005'), ('PH00000006')"));
    EXPECT_EQ(describe(PostCashSale(db(), *numbers, sale(1, 0))), (QStringList{"PH00000007:1:PH3"}));
    setNumbers(123456789, 1, 1);
    EXPECT_EQ(describe(PostCashSale(db(), *numbers, sale(1, 0))), (QStringList{"PH123456789:1:PH1"}));
}

TEST_P(CashSalePostingTest, EmptyClassLettersGoWithTheOtherLines) {
    CashSale s = sale(1, 0);
    s.lines.push_back(line(QStringLiteral("S1"), QString()));
    EXPECT_EQ(describe(PostCashSale(db(), *numbers, s)), (QStringList{"PH00000001:1:PH1", "PH00000002:1:SC2"}));
}

TEST_P(CashSalePostingTest, AFailureInTheSecondReceiptPostsNothing) {
    CashSale s = sale(9, 0);
    s.lines[7].itemId.clear();  // the first line of the second receipt cannot be posted
    db().execute(QStringLiteral("INSERT INTO tbPharmaCashPrint (UserID, RefNum) VALUES ('HOST1', 'OLD')"));
    EXPECT_THROW(PostCashSale(db(), *numbers, s), AppError);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCashStockCard")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCashPrint")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvDocumentClaim")), 0);
    numbers->GetNumbers();
    EXPECT_EQ(numbers->CashNumber(), 1);
}

TEST_P(CashSalePostingTest, WorkstationsSellingAtOnceNeverShareAReceipt) {
    constexpr int kWorkstations = 4;
    constexpr int kSalesEach = 3;
    std::vector<std::unique_ptr<Connection>> connections;
    for (int i = 0; i < kWorkstations; ++i)
        connections.push_back(testDatabase().openAnother());
    QStringList all;
    std::mutex lock;
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int i = 0; i < kWorkstations; ++i) {
        threads.emplace_back([&, i] {
            Connection& c = *connections[i];
            suite::TillNumbersCashNumbers own([&c] { return &c; });
            own.InitConnection(c.connectionString());
            CashSale s = sale(8, 1);
            s.hostId = QStringLiteral("HOST%1").arg(i);
            for (int n = 0; n < kSalesEach; ++n) {
                try {
                    const QVector<CashSaleReceipt> receipts = PostCashSale(c, own, s);
                    std::lock_guard guard(lock);
                    for (const CashSaleReceipt& r : receipts)
                        all << r.number;
                } catch (...) {
                    ++failures;
                }
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(all.size(), kWorkstations * kSalesEach * 3);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(DISTINCT RefNum) FROM tbInvStockCard")), all.size());
}

QX_ON_BOTH_ENGINES(CashSalePostingTest);

// The screen's save over a transcribed prescription: refusals, then the posted sale and the print.
class frmEntryCashSaveTest : public CashSaleBothEnginesTest {
protected:
    void SetUp() override {
        CashSaleBothEnginesTest::SetUp();
        if (IsSkipped())
            return;
        printFolder = std::make_unique<QTemporaryDir>();
        report::setPrintFolder(printFolder->path());
        installReceiptReport();
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
        addTranscribed(db(), {.genericId = "501", .quantity = 2, .requestNum = "TR1"});
        addTranscribed(db(), {.genericId = "502", .genericName = "AMOXICILLIN", .quantity = 3, .requestNum = "TR2"});
        addSaleItem(db(), {.itemId = "1001", .genericId = "501", .priceIn = 18, .priceOut = 15.5});
        addSaleItem(db(), {.itemId = "1002", .name = "AMOXICILLIN", .genericId = "502", .genericName = "AMOXICILLIN",
                           .priceIn = 12, .priceOut = 10});
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        CashSaleBothEnginesTest::TearDown();
    }
    int printed() const { return int(QDir(printFolder->path()).entryList(QDir::Files).size()); }
    std::unique_ptr<QTemporaryDir> printFolder;
};

TEST_P(frmEntryCashSaveTest, RefusalsLeaveTheScreenOpen) {
    open(QStringLiteral("9999"));
    form->cmdPrintSave_Click();
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("You have no entries yet."));

    open();
    choose(1, QStringLiteral("1001"));
    form->cmdPrintSave_Click();
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("You have incomplete entry in line #  2"));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("WARNING"));

    choose(2, QStringLiteral("1002"));
    form->chkTypeB->click();
    platform.messages->answer(vbNo);
    form->cmdPrintSave_Click();
    EXPECT_TRUE(platform.messages->last().text.startsWith(QStringLiteral("Please make sure than the discount rate")));
    EXPECT_TRUE(form->cmdApplyB->hasFocus());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")).value(0).toInt(), 0);
}

TEST_P(frmEntryCashSaveTest, SavePostsPrintsAndCloses) {
    open();
    form->chkSenior->click();
    choose(1, QStringLiteral("1001"));
    choose(2, QStringLiteral("1002"));
    form->cmdPrintSave_Click();
    EXPECT_TRUE(form->EntrySaved());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(gExitRequested);
    Recordset rs = db().query(QStringLiteral("SELECT RefNum, CreditMemoNum, Senior, CashName, Amount FROM tbInvStockCard "
                                             "WHERE ItemID = '1001'"));
    EXPECT_EQ(rs.text(QStringLiteral("RefNum")), QStringLiteral("PH00000001"));
    EXPECT_EQ(rs.text(QStringLiteral("CreditMemoNum")), QStringLiteral("20"));
    EXPECT_EQ(rs.text(QStringLiteral("CashName")), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
    EXPECT_EQ(Format(rs.value(QStringLiteral("Amount")), QStringLiteral("0.00")), QStringLiteral("28.80"));
    EXPECT_EQ(printed(), 1);
    // The served lines leave the patient's list.
    std::optional<Recordset> left = db().callProcedure(QStringLiteral("Drug_ListTranscription"),
                                                       {{QStringLiteral("@IDNum"), QStringLiteral("1001")},
                                                        {QStringLiteral("@RoomID"), QStringLiteral("301")},
                                                        {QStringLiteral("@RevenueID"), QStringLiteral("PH")}});
    ASSERT_TRUE(left);
    EXPECT_TRUE(left->isEmpty());
}

QX_ON_BOTH_ENGINES(frmEntryCashSaveTest);

// The receipts of a two-receipt sale as "ORPrint.rpt" lays them out.
TEST_F(CashSaleTest, ReceiptPrintGolden) {
    installReceiptReport();
    const auto stage = [&](const char* host, const char* receipt, const char* item, const char* description, double quantity,
                           double amount) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaCashPrint (UserID, RefNum, ItemID, Description, Quantity, Amount) "
                                    "VALUES (?, ?, ?, ?, ?, ?)"),
                     {QString::fromLatin1(host), QString::fromLatin1(receipt), QString::fromLatin1(item),
                      QString::fromLatin1(description), quantity, amount});
    };
    stage("HOST1", "PH00000011", "1001", "PARACETAMOL 500 MG TABLET", 20, 248);
    stage("HOST1", "PH00000011", "1002", "AMOXICILLIN 500 MG CAPSULE", 21, 1234.5);
    stage("HOST1", "PH00000012", "2001", "IV SET", 1, 85);
    stage("HOST2", "PH00000013", "1001", "ANOTHER WORKSTATION", 1, 1);
    OpenCashReceipts(QStringLiteral("HOST1"), 20, QStringLiteral("PHARMACIST"));
    ASSERT_TRUE(gCrystalReport);
    report::test::expectGolden(QStringLiteral("../../../cash/golden/ORPrint.txt"), gCrystalReport->document().toText());
    gCrystalReport.reset();
}

} // namespace
} // namespace qx::test
