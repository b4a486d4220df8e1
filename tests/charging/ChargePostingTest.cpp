#include "Builders.h"
#include "ReportWindowFixture.h"
#include "charging/ChargePosting.h"
#include "charging/Numbering.h"
#include "charging/SlipPrinting.h"
#include "charging/frmChargeSlipCopies.h"
#include "components/AppError.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "suite/DrugCatalogComponent.h"

#include <QTemporaryDir>
#include <thread>

using namespace qx;
using namespace qx::test;

namespace {

// One line of an in-patient slip of admission 1001, as the manual posting screen gives it.
PostingLine inpatientLine(int row, const QString& item, double quantity, double amount) {
    PostingLine line;
    line.row = row;
    line.itemCode = item;
    line.quantity = QString::number(quantity);
    line.stockOnHand = QStringLiteral("100");
    DrugCatalog::StockCardArgs& a = line.args;
    a.count = 28;
    a[1] = QStringLiteral("H000001");
    a[2] = QStringLiteral("1001");
    a[3] = item;
    a[6] = quantity;
    a[7] = 0;
    a[8] = amount;
    a[9] = QStringLiteral("E001");
    a[10] = QStringLiteral("TID");
    a[12] = QStringLiteral("20");
    a[14] = QStringLiteral("301");
    a[15] = 1;
    a[26] = 0;
    a[28] = QStringLiteral("HOST1");
    return line;
}

class ChargePostingTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        for (const char* item : {"I1", "I2", "I3"})
            addItem(db(), {.itemId = item, .genericId = QStringLiteral("G") + item, .onHand = 100});
        ASSERT_TRUE(drug.InitConnect(db().connectionString()));
        gEmployeeCode = QStringLiteral("E001");
    }
    void TearDown() override {
        gEmployeeCode.clear();
        DbTest::TearDown();
    }
    qint64 count(const QString& sql) { return db().query(sql).value(0).toLongLong(); }
    ChargeSlipSave threeLines(DrugChargeSlipSeries& series) {
        ChargeSlipSave save;
        save.series = &series;
        save.drug = &drug.Drug();
        save.idNum = QStringLiteral("1001");
        save.claimedBy = QStringLiteral("E001");
        save.stagingKey = QStringLiteral("HOST1");
        save.lines = {inpatientLine(1, "I1", 1, 5.25), inpatientLine(2, "I2", 2, 10.5), inpatientLine(4, "I3", 3, 15.75)};
        save.userLog = [](const QString& slip) { return QStringLiteral("Saved ") + slip; };
        return save;
    }

    suite::DrugCatalogComponent drug{[this] { return &db(); }};
};

TEST_P(ChargePostingTest, OneSaveClaimsOnceAndPostsEveryLine) {
    DrugChargeSlipSeries series(drug.Drug().Chargeslip());
    const QString before = series.current();
    ChargeSlipSave save = threeLines(series);
    save.lines[1].overStockChoice = QStringLiteral("Proceed With Transaction");
    save.afterPosting = [](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
        SetStockCardVerifier(c, slip, {lines[0].itemCode, lines[2].itemCode}, QStringLiteral("9001"));
        SetStockCardDirectTransaction(c, slip, {lines[1].itemCode}, true);
        LogOverStockChoices(c, lines, QStringLiteral("E001"));
    };
    const ChargeSlipPosted posted = PostChargeSlip(db(), save);
    EXPECT_EQ(posted.slipNumber, before);
    EXPECT_EQ(posted.rows, (std::vector<int>{1, 2, 4}));
    EXPECT_NE(series.current(), before) << "the counter moved past the number";
    const Recordset rs = db().query(QStringLiteral("SELECT ItemID, Quantity, Amount, COALESCE(VerifyID, '') AS V, "
                                                   "isDirectTransaction, IdNum FROM tbInvStockCard WHERE RefNum = ? "
                                                   "ORDER BY ItemID"),
                                    {before});
    QStringList lines;
    for (Recordset r = rs; !r.eof(); r.moveNext())
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(r.text("ItemID"), r.text("Quantity"), QString::number(r.number("Amount"), 'f', 2), r.text("V"),
                          r.text("isDirectTransaction"), r.text("IdNum"));
    EXPECT_EQ(lines, (QStringList{"I1 1 5.25 9001 0 1001", "I2 2 10.50  1 1001", "I3 3 15.75 9001 0 1001"}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint WHERE UserID = 'HOST1'")), 3);
    const Recordset log = db().query(QStringLiteral("SELECT Choice, ItemID, Quantity, OnHand, UserID FROM tbPharmaOverStockLog"));
    ASSERT_EQ(log.recordCount(), 1);
    EXPECT_EQ(log.text("Choice") + u'|' + log.text("ItemID") + u'|' + log.text("Quantity") + u'|' + log.text("OnHand") +
                  u'|' + log.text("UserID"),
              "Proceed With Transaction|I2|2|100|E001");
    EXPECT_EQ(db().query(QStringLiteral("SELECT Activity FROM tbInvUserLog")).text("Activity"), "Saved " + before);
}

TEST_P(ChargePostingTest, ASaveWithoutLinesClaimsNothing) {
    DrugChargeSlipSeries series(drug.Drug().Chargeslip());
    const QString before = series.current();
    ChargeSlipSave save = threeLines(series);
    save.lines.clear();
    save.shownNumber = QStringLiteral("SHOWN");
    EXPECT_EQ(PostChargeSlip(db(), save).slipNumber, "SHOWN");
    EXPECT_EQ(series.current(), before);
    EXPECT_EQ(db().query(QStringLiteral("SELECT Activity FROM tbInvUserLog")).text("Activity"), "Saved SHOWN");
}

TEST_P(ChargePostingTest, AFailureAtTheThirdLineLeavesNothing) {
    DrugChargeSlipSeries series(drug.Drug().Chargeslip());
    const QString before = series.current();
    ChargeSlipSave save = threeLines(series);
    save.lines[0].overStockChoice = QStringLiteral("Cancel");
    save.afterPosting = [](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
        LogOverStockChoices(c, lines, QStringLiteral("E001"));
        for (const PostingLine& line : lines) {
            if (line.row == 4)
                throw AppError(5, QStringLiteral("test"), QStringLiteral("third line fails"));
            SetStockCardVerifier(c, slip, {line.itemCode}, QStringLiteral("9001"));
        }
    };
    EXPECT_THROW(PostChargeSlip(db(), save), AppError);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaOverStockLog")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvUserLog")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvent WHERE OnHand <> 100")), 0);
    EXPECT_EQ(series.current(), before);
    // The number is still free for the next save.
    save.afterPosting = nullptr;
    EXPECT_EQ(PostChargeSlip(db(), save).slipNumber, before);
}

TEST_P(ChargePostingTest, TwoSavesAtOnceOnTwoConnectionsGetTwoNumbers) {
    QStringList numbers;
    std::mutex m;
    std::string error;
    std::vector<std::thread> workstations;
    for (int w = 0; w < 2; ++w)
        workstations.emplace_back([&] {
            try {
                auto con = testDatabase().openAnother();
                suite::DrugCatalogComponent own{[&con] { return con.get(); }};
                own.InitConnect(con->connectionString());
                DrugChargeSlipSeries series(own.Drug().Chargeslip());
                ChargeSlipSave save;
                save.series = &series;
                save.drug = &own.Drug();
                save.idNum = QStringLiteral("1001");
                save.claimedBy = QStringLiteral("E001");
                save.lines = {inpatientLine(1, "I1", 1, 5.25), inpatientLine(2, "I2", 1, 5.25)};
                const QString number = PostChargeSlip(*con, save).slipNumber;
                std::lock_guard<std::mutex> lock(m);
                numbers << number;
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(m);
                error = e.what();
            }
        });
    for (auto& t : workstations)
        t.join();
    ASSERT_EQ(error, "");
    ASSERT_EQ(numbers.size(), 2);
    EXPECT_NE(numbers[0], numbers[1]);
    for (const QString& number : numbers)
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = '%1'").arg(number)), 2);
}

QX_ON_BOTH_ENGINES(ChargePostingTest);

// ---- Printing after the save ----

class SlipPrintRunTest : public ReportWindowTest {};

TEST_P(SlipPrintRunTest, PreviewPrintBeforeAndCopies) {
    installShippedReport(QStringLiteral("ChargeSlip.rpt"));
    QTemporaryDir folder;
    report::setPrintFolder(folder.path());
    struct Case {
        const char* name;
        bool preview, printFirst, printedFromPreview;
        const char* site;
        QVariant setting;     // the copies setting; invalid: none
        int typedCopies;      // in the ZMX dialog
        int printOuts;
        bool askAtZmx = true;
    };
    const Case cases[] = {
        {"no preview, no setting", false, false, false, "DEMO", QVariant(), 0, 1},
        {"no preview, setting 2", false, false, false, "DEMO", "2", 0, 2},
        {"no preview, setting 0", false, false, false, "DEMO", "0", 0, 1},
        {"no preview, setting x", false, false, false, "DEMO", "x", 0, 1},
        {"preview printed", true, false, true, "DEMO", "2", 0, 0},
        {"preview closed", true, false, false, "DEMO", "2", 0, 2},
        {"print first, preview printed", true, true, true, "DEMO", "2", 0, 1},
        {"print first, preview closed, 2 copies", true, true, false, "DEMO", "2", 0, 3},
        {"ZMX dialog 3", false, false, false, "ZMX", "x", 3, 3},
        {"ZMX dialog 0", false, false, false, "ZMX", "2", 0, 1},
        {"ZMX stored copies, no dialog", false, false, false, "ZMX", "3", 5, 3, false},
        {"ZMX stored 0, no dialog", false, false, false, "ZMX", "0", 5, 1, false},
        {"ZMX stored, preview closed", true, true, false, "ZMX", "2", 5, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        setPharmaSwitch(QStringLiteral("16"), c.preview ? 1 : 0);
        setPharmaSwitch(QStringLiteral("28"), c.printFirst ? 1 : 0);
        if (c.setting.isValid())
            SaveChargeSlipCopies(c.setting.toString());
        int previews = 0;
        platform.modal->onShow<frmView>([&](frmView& w) {
            ++previews;
            w.clickedPrint = c.printedFromPreview;
            w.close();
        });
        int dialogs = 0;
        platform.modal->onShow<frmChargeSlipCopies>([&](frmChargeSlipCopies& w) {
            ++dialogs;
            w.NumCopies = qint16(c.typedCopies);
            w.close();
        });
        std::shared_ptr<report::Report> slip;
        SetChargeSlipReport(slip, QStringLiteral("ChargeSlip.rpt"), {});
        const int before = int(QDir(folder.path()).entryList(QDir::Files).size());
        EXPECT_EQ(PrintSlipReport(slip, false, c.askAtZmx), c.printOuts);
        EXPECT_EQ(int(QDir(folder.path()).entryList(QDir::Files).size()) - before, c.printOuts);
        EXPECT_EQ(previews, c.preview ? 1 : 0);
        EXPECT_EQ(dialogs, c.askAtZmx && gSiteCode == QLatin1String("ZMX") ? 1 : 0);
    }
}

QX_ON_BOTH_ENGINES(SlipPrintRunTest);

} // namespace
