#include "Builders.h"
#include "CashEntryFixture.h"
#include "ConcurrentSaves.h"
#include "SourceTree.h"

#include "cash/frmSISequence.h"
#include "charging/CashAssessmentNumbers.h"
#include "charging/SlipPrinting.h"
#include "charging/frmChargeslip.h"
#include "charging/frmView.h"
#include "components/AppError.h"
#include "shell/frmDeletePassword.h"
#include "../platform/report/ReportTestSupport.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>

namespace qx::test {
namespace {

class CashAssessmentSaveTest : public CashEntryBothEnginesTest {
protected:
    void SetUp() override {
        CashEntryBothEnginesTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.itemId = QStringLiteral("PARA500"), .onHand = 50});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .genericId = QStringLiteral("G-AMOX"), .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 50});
        addItem(db(), {.itemId = QStringLiteral("VITC100"), .name = QStringLiteral("ASCORBIC ACID"),
                       .genericId = QStringLiteral("G-VITC"), .genericName = QStringLiteral("ASCORBIC ACID"), .onHand = 50});
        gEmployeeCode = QStringLiteral("E001");
        setCounter(QStringLiteral("assessmentnum"), 123);
        printFolder = std::make_unique<QTemporaryDir>();
        report::setPrintFolder(printFolder->path());
        for (const char* file : {"AssessSlip.rpt", "AssessSlipInPatient.rpt", "AssessSlip_Preview.rpt"})
            installReport(QString::fromLatin1(file));
        platform.modal->onShow<frmChargeslip>([this](frmChargeslip& slip) { shownNumbers << slip.Chargeslip(); });
        frmSISequence::setSISequenceNumber(QString());
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        frmSISequence::setSISequenceNumber(QString());
        CashEntryBothEnginesTest::TearDown();
    }
    void installReport(const QString& file) {
        QFile source(sourcePath(QStringLiteral("Reports/") + file));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QString folder = QDir(platform.folders->program).filePath(QStringLiteral("Reports"));
        QDir().mkpath(folder);
        QFile target(QDir(folder).filePath(file));
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.write(source.readAll());
    }
    void setCounter(const QString& column, qint64 value) { setBillingCounter(db(), column, value); }
    qint64 counter(const QString& column) { return *BillingCounterValue(db(), column); }
    qint64 count(const QString& sql, const QVariantList& binds = {}) { return db().query(sql, binds).value(0).toLongLong(); }
    // Three walk-in lines as item entry leaves them.
    void fillThree() {
        fillLine(1, QStringLiteral("PARA500"), QStringLiteral("2"), QStringLiteral("10.00"));
        fillLine(2, QStringLiteral("AMOX500"), QStringLiteral("1"), QStringLiteral("45.50"));
        fillLine(3, QStringLiteral("VITC100"), QStringLiteral("5"), QStringLiteral("12.00"));
        for (int row = 1; row <= 3; ++row) {
            const QString amount = grid()->textMatrix(row, frmCashEntry::colAmount);
            grid()->setTextMatrix(row, frmCashEntry::colGross, amount);
            grid()->setTextMatrix(row, frmCashEntry::colPriceBase, amount);
        }
    }
    int printed() const { return int(QDir(printFolder->path()).entryList(QDir::Files).size()); }
    // The assessment lines: number, item, quantity, amount, user, discount type.
    QStringList assessmentLines() {
        const Recordset rs = db().query(QStringLiteral(
            "SELECT RefNum, ItemID, Quantity, Amount, UserID, COALESCE(DiscountType, '') FROM billing.tbCashAssessment ORDER BY id"));
        QStringList lines;
        for (int r = 0; r < rs.recordCount(); ++r)
            lines << QStringList{Text(rs.valueAt(r, 0)), Text(rs.valueAt(r, 1)), Text(rs.valueAt(r, 2)),
                                 Format(rs.valueAt(r, 3), QStringLiteral("0.00")), Text(rs.valueAt(r, 4)), Text(rs.valueAt(r, 5))}
                         .join(QLatin1Char('|'));
        return lines;
    }
    qint64 stagedUnder(const QString& number) {
        return count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint WHERE UserID = ? AND IdNum = 'CASH' AND RefNum = ?"),
                     {gEmployeeCode, number});
    }

    std::unique_ptr<QTemporaryDir> printFolder;
    QStringList shownNumbers;
};

TEST_P(CashAssessmentSaveTest, NumbersFromTheCounterRow) {
    struct Case {
        const char* name;
        const char* column;
        qint64 start;
        QStringList posted;  // references already in billing.tbCashAssessment
        const char* first;
        const char* second;
        qint64 after;
    };
    const Case cases[] = {
        {"the counter", "assessmentnum", 123, {}, "PH000123", "PH000124", 125},
        {"seven digits", "assessmentnum", 1234567, {}, "PH1234567", "PH1234568", 1234569},
        {"0: past the largest numeric tail", "assessmentnum", 0, {"PH000457", "PHABC", "XX00012", "PH12A"}, "PH000458",
         "PH000459", 460},
        {"0 on an empty system", "assessmentnum", 0, {}, "PH000001", "PH000002", 3},
        {"posted numbers are skipped", "assessmentnum", 123, {"PH000123", "PH000125"}, "PH000124", "PH000126", 127},
        {"pre-numbered", "PreNumberAssessment", 125, {}, "PH00000125", "PH00000126", 127},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM billing.tbCashAssessment"));
        db().execute(QStringLiteral("DELETE FROM tbInvDocumentClaim"));
        for (const QString& ref : c.posted)
            db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID) VALUES (?, 'PH', 'X')"), {ref});
        const QString column = QString::fromLatin1(c.column);
        setCounter(column, c.start);
        const BillingNumberSeries& series =
            column == QLatin1String("assessmentnum") ? AssessmentNumberSeries() : PreNumberedAssessmentSeries();
        EXPECT_EQ(ClaimBillingNumber(db(), series, QStringLiteral("CASH"), QStringLiteral("E1")), c.first);
        EXPECT_EQ(ClaimBillingNumber(db(), series, QStringLiteral("CASH"), QStringLiteral("E1")), c.second);
        EXPECT_EQ(counter(column), c.after);
    }
}

TEST_P(CashAssessmentSaveTest, SaveWritesTheLinesStagingAndLogUnderOneNumber) {
    openShown();
    fillThree();
    form->txtPatName->setText(QStringLiteral("JUAN DELA CRUZ"));
    form->cmdSave->click();
    EXPECT_EQ(shownNumbers, QStringList({"PH000123"}));
    EXPECT_EQ(assessmentLines(), QStringList({"PH000123|PARA500|2|10.00|" + gEmployeeCode + "|",
                                              "PH000123|AMOX500|1|45.50|" + gEmployeeCode + "|",
                                              "PH000123|VITC100|5|12.00|" + gEmployeeCode + "|"}));
    EXPECT_EQ(stagedUnder(QStringLiteral("PH000123")), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvUserLog WHERE Activity = ?"),
                    {QStringLiteral("Saved Assessment under Patient : JUAN DELA CRUZ | Assessment# : PH000123")}),
              1);
    EXPECT_EQ(counter(QStringLiteral("assessmentnum")), 124);
    EXPECT_TRUE(form->BlankRow(1)) << "the window is cleared";

    // The same item twice: each mark goes to its own row.
    fillLine(1, QStringLiteral("PARA500"), QStringLiteral("1"), QStringLiteral("5.00"));
    fillLine(2, QStringLiteral("PARA500"), QStringLiteral("3"), QStringLiteral("15.00"));
    form->chkTypeA->setChecked(false);
    form->cmdSave->click();
    EXPECT_EQ(shownNumbers.last(), "PH000124");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashAssessment WHERE RefNum = 'PH000124'")), 2);
}

TEST_P(CashAssessmentSaveTest, AFailureAfterTheThirdLineLeavesNothing) {
    if (db().isSQLite()) {
        db().executeScript(QStringLiteral("CREATE TRIGGER billing.trRefuseAssessment BEFORE INSERT ON tbCashAssessment "
                                          "WHEN NEW.ItemID = 'BOOM' BEGIN SELECT RAISE(ABORT, 'line refused'); END"));
    } else {
        db().executeScript(QStringLiteral("CREATE FUNCTION billing.refuse_assessment() RETURNS trigger AS $$ BEGIN "
                                          "IF NEW.ItemID = 'BOOM' THEN RAISE EXCEPTION 'line refused'; END IF; "
                                          "RETURN NEW; END $$ LANGUAGE plpgsql"));
        db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseAssessment BEFORE INSERT ON billing.tbCashAssessment "
                                          "FOR EACH ROW EXECUTE FUNCTION billing.refuse_assessment()"));
    }
    addItem(db(), {.itemId = QStringLiteral("BOOM"), .genericId = QStringLiteral("G-BOOM")});
    openShown();
    fillThree();
    fillLine(4, QStringLiteral("BOOM"), QStringLiteral("1"), QStringLiteral("1.00"));
    grid()->setTextMatrix(4, frmCashEntry::colPriceBase, QStringLiteral("1.00"));
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().icon(), vbCritical);
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("line refused")));
    EXPECT_EQ(assessmentLines(), QStringList());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvDocumentClaim")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvUserLog WHERE Activity LIKE 'Saved%'")), 0);
    EXPECT_EQ(counter(QStringLiteral("assessmentnum")), 123);
    EXPECT_EQ(shownNumbers, QStringList()) << "no number shown";
    EXPECT_EQ(grid()->textMatrix(3, frmCashEntry::colCode), "VITC100") << "the lines are kept";
}

TEST_P(CashAssessmentSaveTest, PreviewPostsNothingAndShowsTheStagedLines) {
    qint16 report = 0;
    QString shownRef, shownAdm;
    platform.modal->onShow<frmView>([&](frmView& v) {
        report = v.WhatReport();
        shownRef = v.vlRefnum();
        shownAdm = v.AdmNum();
        v.close();
    });
    openShown();
    fillThree();
    form->cmdPrintPreview->click();
    EXPECT_EQ(report, 74);
    EXPECT_EQ(shownRef, "PREVIEW");
    EXPECT_EQ(shownAdm, "CASH");
    EXPECT_EQ(stagedUnder(QStringLiteral("PREVIEW")), 3);
    EXPECT_EQ(assessmentLines(), QStringList());
    EXPECT_EQ(counter(QStringLiteral("assessmentnum")), 123);
    EXPECT_EQ(shownNumbers, QStringList());
    form->cmdPrintPreview->click();
    EXPECT_EQ(stagedUnder(QStringLiteral("PREVIEW")), 3) << "a second preview replaces the first one's rows";
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCode), "PARA500") << "the window keeps its lines";
}

TEST_P(CashAssessmentSaveTest, SaveAndPrintPrintsTheSlipOfTheNumberJustTaken) {
    openShown();
    fillThree();
    form->txtPatName->setText(QStringLiteral("ANA REYES"));
    form->cmdPrintSave->click();
    EXPECT_EQ(shownNumbers, QStringList({"PH000123"}));
    EXPECT_EQ(printed(), 1);
    EXPECT_EQ(stagedUnder(QStringLiteral("PH000123")), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvUserLog WHERE Activity = ?"),
                    {QStringLiteral("Saved and Print Assessment under Patient : ANA REYES | Assessment# : PH000123")}),
              1);
    EXPECT_TRUE(form->BlankRow(1));
}

TEST_P(CashAssessmentSaveTest, StandAloneSaleUnderTheCashiersInvoiceNumber) {
    setPharmaSwitch(QStringLiteral("24"), true);
    frmSISequence::setSISequenceNumber(QStringLiteral("125"));
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, SummaryCode, Quantity, TransDate) "
                                "VALUES ('SI000126', 'PARA500', 'PH', 1, ?)"),
                 {QDateTime(QDate(2026, 1, 5), QTime(9, 0))});
    openShown();
    ASSERT_EQ(form->windowTitle(), "Assessment Entry - SI125");
    fillThree();
    form->txtPatName->setText(QStringLiteral("WALK IN"));
    form->cmdSave->click();
    EXPECT_EQ(shownNumbers, QStringList({"SI000125"}));
    const Recordset lines = db().query(QStringLiteral(
        "SELECT ItemID, Quantity, Amount, LocationID, UserID FROM tbInvStockCard WHERE RefNum = 'SI000125' ORDER BY id"));
    ASSERT_EQ(lines.recordCount(), 3);
    EXPECT_EQ(Text(lines.valueAt(1, 0)), "AMOX500");
    EXPECT_EQ(Format(lines.valueAt(1, 2), QStringLiteral("0.00")), "45.50");
    EXPECT_EQ(Text(lines.valueAt(1, 3)), "20");
    EXPECT_EQ(assessmentLines(), QStringList()) << "no assessment for the cashier";
    const Recordset invoice = db().query(QStringLiteral("SELECT Payee, EmployeeCode FROM tbInvSalesInvoice WHERE SINumber = 'SI000125'"));
    ASSERT_EQ(invoice.recordCount(), 1);
    EXPECT_EQ(invoice.text(QStringLiteral("Payee")), "WALK IN");
    EXPECT_EQ(invoice.text(QStringLiteral("EmployeeCode")), gEmployeeCode);
    EXPECT_EQ(frmSISequence::getSISequence(), "000125") << "the number just used is stored";
    EXPECT_EQ(form->windowTitle(), "Assessment Entry - SI127") << "SI000126 is skipped";

    // A number found used at the save is refused and nothing is posted.
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, SummaryCode, Quantity, TransDate) "
                                "VALUES ('SI000127', 'PARA500', 'PH', 1, ?)"),
                 {QDateTime(QDate(2026, 1, 5), QTime(9, 0))});
    fillThree();
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().text, "SI Sequence Number already used.");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = 'SI000127'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvSalesInvoice")), 1);
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCode), "PARA500");
}

TEST_P(CashAssessmentSaveTest, PreNumberedSaveTakesTheNumberShownAndMovesTheCounterOn) {
    gPreNumberAssessment = true;
    setCounter(QStringLiteral("PreNumberAssessment"), 125);
    openShown();
    ASSERT_EQ(form->txtRefNum->text(), "PH00000125");
    fillThree();
    form->cmdSave->click();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashAssessment WHERE RefNum = 'PH00000125'")), 3);
    EXPECT_EQ(form->txtRefNum->text(), "PH00000126");
    EXPECT_EQ(counter(QStringLiteral("PreNumberAssessment")), 126);
    EXPECT_EQ(shownNumbers, QStringList()) << "the pre-numbered save shows no number";

    // A number another workstation used meanwhile is refused inside the save.
    db().execute(QStringLiteral("INSERT INTO tbInvDocumentClaim (Kind, DocumentNumber) VALUES ('PA', 'PH00000126')"));
    fillThree();
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().text, "Cash slip number already exists! Please check your series number.");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashAssessment WHERE RefNum = 'PH00000126'")), 0);
}

QX_ON_BOTH_ENGINES(CashAssessmentSaveTest);

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

// Workstations saving at once draw from the one counter row; every number belongs to one save.
TEST_P(CashAssessmentSaveTest, WorkstationsClaimingAtOnceNeverShareANumber) {
    constexpr int kWorkstations = 4;
    constexpr int kSavesEach = 5;
    const ConcurrentSaves saves = saveConcurrently(testDatabase(), kWorkstations, kSavesEach, [](Connection& c, int i) {
        Transaction tx(c);
        const QString number =
            ClaimBillingNumber(c, AssessmentNumberSeries(), QStringLiteral("CASH"), QStringLiteral("E%1").arg(i));
        c.execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID) VALUES (?, 'PH', 'PARA500')"),
                  {number});
        tx.commit();
        return QStringList{number};
    });
    const QStringList& all = saves.numbers;
    EXPECT_EQ(saves.failures, 0);
    EXPECT_EQ(all.size(), kWorkstations * kSavesEach);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
    EXPECT_EQ(counter(QStringLiteral("assessmentnum")), 123 + kWorkstations * kSavesEach);
}

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

TEST_P(CashAssessmentSaveTest, CommandChecksBySite) {
    struct Case {
        const char* name;
        const char* site;
        bool printSave;
        const char* patient;
        const char* quantity;
        const char* message;  // "" when the save goes through
    };
    const Case cases[] = {
        {"PYLO refuses CASH on Save and Print", "PYLO", true, "CASH", "2", "Enter Patient's Name"},
        {"PYLO saves CASH on Save", "PYLO", false, "CASH", "2", ""},
        {"NORVAX refuses an empty name on Save", "NORVAX", false, "", "2",
         "Please inser value for Patient/Business Name before saving."},
        {"NORVAX prints an empty name", "NORVAX", true, "", "2", ""},
        {"a zero quantity on Save and Print", "ABC", true, "CASH", "0",
         "Please check the quantity or amount of the assessed items. Some entries have zero value!"},
        {"FLQC without a pre-printed number", "FLQC", true, "CASH", "2", "Cash slip number is not valid. Pls Check!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        db().execute(QStringLiteral("DELETE FROM billing.tbCashAssessment"));
        platform.messages->clear();
        openShown();
        fillThree();
        grid()->setTextMatrix(1, frmCashEntry::colQuantity, QString::fromLatin1(c.quantity));
        form->txtPatName->setText(QString::fromLatin1(c.patient));
        (c.printSave ? form->cmdPrintSave : form->cmdSave)->click();
        const qint64 lines = count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashAssessment"));
        if (*c.message) {
            ASSERT_FALSE(platform.messages->boxes().empty());
            EXPECT_EQ(platform.messages->last().text, c.message);
            EXPECT_EQ(lines, 0);
            EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCode), "PARA500");
        } else {
            EXPECT_EQ(lines, 3);
        }
    }
}

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

// The rate the assessment procedure itself received, kept in Remarks (times ten, so that 12.5 and
// 12 differ) before the screen's own update rewrites DiscountRate.
void keepRateSentToTheProcedure(Connection& db) {
    if (db.isSQLite()) {
        db.executeScript(QStringLiteral(
            "CREATE TRIGGER billing.trKeepSentRate AFTER INSERT ON tbCashAssessment BEGIN "
            "UPDATE tbCashAssessment SET Remarks = CAST(CAST(NEW.DiscountRate * 10 AS INTEGER) AS TEXT) "
            "WHERE id = NEW.id; END"));
    } else {
        db.executeScript(QStringLiteral(
            "CREATE FUNCTION billing.keep_sent_rate() RETURNS trigger AS $$ BEGIN "
            "UPDATE billing.tbCashAssessment SET Remarks = CAST(CAST(NEW.DiscountRate * 10 AS INTEGER) AS TEXT) "
            "WHERE id = NEW.id; RETURN NEW; END $$ LANGUAGE plpgsql"));
        db.executeScript(QStringLiteral("CREATE TRIGGER trKeepSentRate AFTER INSERT ON billing.tbCashAssessment "
                                        "FOR EACH ROW EXECUTE FUNCTION billing.keep_sent_rate()"));
    }
}

TEST_P(CashAssessmentSaveTest, LineVariantsBySwitchSiteAndSupervisor) {
    keepRateSentToTheProcedure(db());
    db().execute(QStringLiteral("UPDATE tbInvMaster SET isVATExempt = 1 WHERE ItemID = 'PARA500'"));
    enum Discounts { Plain, TypeA, Senior };
    struct Case {
        const char* name;
        const char* site;
        QStringList pharmaSwitches;  // on; every other one off
        bool invSwitch106;
        Discounts discounts;
        const char* rate;            // type A rate
        bool supervisor;
        // Amount | UnitPrice | Discount | DiscountType | DiscountRate | rate sent x10 | VATExempt | UserID | MDRP
        const char* expected;
    };
    const Case cases[] = {
        {"plain", "DEMO", {}, false, Plain, "", false, "100.00|50.00|3.456||0|0|0|E001|0"},
        {"206 rounds the discount", "DEMO", {"206"}, false, Plain, "", false, "100.00|50.00|3.46||0|0|0|E001|0"},
        {"207 sends no discount", "DEMO", {"207", "206"}, false, Plain, "", false, "100.00|50.00|0||0|0|0|E001|0"},
        {"type A 12.5 sends 12", "DEMO", {}, false, TypeA, "12.5", false, "87.50|50.00|12.5|EM|12.5|120|0|E001|0"},
        {"type A 13.5 sends 14", "DEMO", {}, false, TypeA, "13.5", false, "86.50|50.00|13.5|EM|13.5|140|0|E001|0"},
        {"207 keeps the type and rate of the update", "DEMO", {"207"}, false, TypeA, "12.5", false,
         "87.50|50.00|0|EM|12.5|120|0|E001|0"},
        {"17 posts the gross", "DEMO", {"17"}, false, TypeA, "12.5", false, "100.00|50.00|12.5|EM|12.5|120|0|E001|0"},
        {"106 posts the gross and marks the exempt item", "DEMO", {}, true, TypeA, "12.5", false,
         "100.00|50.00|12.5|EM|12.5|120|1|E001|0"},
        {"LAZE types by the rate", "LAZE", {}, false, TypeA, "12.5", false, "87.50|50.00|12.5|12.5|12.5|120|0|E001|0"},
        {"13 types by the class at LAZE too", "LAZE", {"13"}, false, TypeA, "12.5", false,
         "87.50|50.00|12.5|EM|12.5|120|0|E001|0"},
        {"KTH: the fixed price, no rate", "KTH", {}, false, TypeA, "12.5", false, "87.50|45.00|12.5|EM|0|0|0|E001|45"},
        {"senior citizen", "DEMO", {}, false, Senior, "", false, "80.00|50.00|20|CF|20|200|0|E001|0"},
        {"supervisor", "DEMO", {}, false, Plain, "", true, "100.00|50.00|3.456||0|0|0|SUP1|0"},
    };
    platform.modal->onShow<frmDeletePassword>([](frmDeletePassword& w) {
        w.setOKCharge(true);
        w.setVerifyID(QStringLiteral("SUP1"));
        w.close();
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM billing.tbCashAssessment"));
        gSiteCode = QString::fromLatin1(c.site);
        for (const char* key : {"13", "17", "206", "207"})
            setPharmaSwitch(QString::fromLatin1(key), c.pharmaSwitches.contains(QString::fromLatin1(key)));
        db().execute(QStringLiteral("DELETE FROM tbInvSwitch WHERE IDKey = '106'"));
        db().execute(QStringLiteral("INSERT INTO tbInvSwitch (IDKey, KeyValue) VALUES ('106', ?)"), {c.invSwitch106 ? 1 : 0});
        gInvSwitchVATExemptItems = c.invSwitch106;
        gHasValidation = c.supervisor;
        gPharmaOptDiscountType = c.discounts == Senior;
        gDiscountSeniorCitizen = 20;
        openShown();
        fillLine(1, QStringLiteral("PARA500"), QStringLiteral("2"), QStringLiteral("100.00"), QStringLiteral("3.456"));
        grid()->setTextMatrix(1, frmCashEntry::colUnitPrice, QStringLiteral("50.00"));
        grid()->setTextMatrix(1, frmCashEntry::colPriceBase, QStringLiteral("50.00"));
        grid()->setTextMatrix(1, frmCashEntry::colGross, QStringLiteral("100.00"));
        grid()->setTextMatrix(1, frmCashEntry::colSeniorDiscounted, QStringLiteral("1"));
        if (gSiteCode == QLatin1String("KTH"))
            grid()->setTextMatrix(1, frmCashEntry::colFixedPrice, QStringLiteral("45.00"));
        if (c.discounts == TypeA) {
            form->chkTypeA->setChecked(true);
            form->cboClass->setEditText(QStringLiteral("EM-EMPLOYEE DISCOUNT"));
            form->cmbA->setEditText(QString::fromLatin1(c.rate));
        } else if (c.discounts == Senior) {
            form->optSeniorCitizen->setChecked(true);
        }
        form->cmdSave->click();
        const Recordset rs = db().query(QStringLiteral(
            "SELECT Amount, UnitPrice, Discount, COALESCE(DiscountType, ''), DiscountRate, COALESCE(Remarks, ''), "
            "VATExempt, UserID, MDRP FROM billing.tbCashAssessment"));
        ASSERT_EQ(rs.recordCount(), 1);
        const QStringList got{Format(rs.valueAt(0, 0), QStringLiteral("0.00")),
                              Format(rs.valueAt(0, 1), QStringLiteral("0.00")),
                              Text(rs.valueAt(0, 2).toDouble()),
                              Text(rs.valueAt(0, 3)),
                              Text(rs.valueAt(0, 4).toDouble()),
                              Text(rs.valueAt(0, 5)),
                              Text(rs.valueAt(0, 6).toLongLong()),
                              Text(rs.valueAt(0, 7)),
                              Text(rs.valueAt(0, 8).toDouble())};
        EXPECT_EQ(got.join(QLatin1Char('|')).toStdString(), std::string(c.expected));
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvUserLog WHERE Activity LIKE 'Saved Assessment%'")),
              qint64(std::size(cases)));
}

// The SC/PWD and S2 ids reach the staged slip lines only under their switches and where the
// staging table has their columns.
TEST_P(CashAssessmentSaveTest, StagedIdsBySwitchAndColumn) {
    struct Case {
        const char* name;
        bool s200, s201, dropColumns;
        const char* expected;  // SCPWDID | S2ID
    };
    const Case cases[] = {
        {"switches off", false, false, false, "|"},
        {"200 and 201", true, true, false, "SC-77|S2-88"},
        {"201 only", false, true, false, "|S2-88"},
        {"columns missing", true, true, true, "|"},
    };
    platform.modal->onShow<frmView>([](frmView& v) { v.close(); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setPharmaSwitch(QStringLiteral("200"), c.s200);
        setPharmaSwitch(QStringLiteral("201"), c.s201);
        if (c.dropColumns) {
            db().executeScript(QStringLiteral("ALTER TABLE tbPharmaChargePrint DROP COLUMN SCPWDID"));
            db().executeScript(QStringLiteral("ALTER TABLE tbPharmaChargePrint DROP COLUMN S2ID"));
        }
        openShown();
        fillThree();
        form->txtSCPWDID->setText(QStringLiteral("SC-77"));
        form->txtS2Number->setText(QStringLiteral("S2-88"));
        form->cmdPrintPreview->click();
        ASSERT_EQ(stagedUnder(QStringLiteral("PREVIEW")), 3);
        if (c.dropColumns)
            continue;
        const Recordset rs = db().query(QStringLiteral(
            "SELECT DISTINCT COALESCE(SCPWDID, ''), COALESCE(S2ID, '') FROM tbPharmaChargePrint WHERE RefNum = 'PREVIEW'"));
        ASSERT_EQ(rs.recordCount(), 1);
        EXPECT_EQ(Text(rs.valueAt(0, 0)) + QLatin1Char('|') + Text(rs.valueAt(0, 1)), c.expected);
    }
}

// Save checks the doctor's dangerous-drug licence under inventory switch 93, Save and Print under
// pharmacy switch 93.
TEST_P(CashAssessmentSaveTest, DoctorLicenceCheckedUnderEachCommandsOwnSwitch) {
    db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName) "
                                "VALUES ('DD', 'DANGEROUS DRUGS')"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemClassificationID = 'DD' WHERE ItemID = 'AMOX500'"));
    struct Case {
        const char* name;
        bool invSwitch, pharmaSwitch, printSave, refused;
    };
    const Case cases[] = {
        {"Save under inventory 93", true, false, false, true},
        {"Save and Print ignores inventory 93", true, false, true, false},
        {"Save ignores pharmacy 93", false, true, false, false},
        {"Save and Print under pharmacy 93", false, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM billing.tbCashAssessment"));
        db().execute(QStringLiteral("DELETE FROM tbInvSwitch WHERE IDKey = '93'"));
        db().execute(QStringLiteral("INSERT INTO tbInvSwitch (IDKey, KeyValue) VALUES ('93', ?)"), {c.invSwitch ? 1 : 0});
        setPharmaSwitch(QStringLiteral("93"), c.pharmaSwitch);
        platform.messages->clear();
        openShown();
        fillThree();
        form->txtDoctorID->setText(QStringLiteral("D9"));
        form->txtDoctor->setText(QStringLiteral("DR. SANTOS"));
        (c.printSave ? form->cmdPrintSave : form->cmdSave)->click();
        const qint64 lines = count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashAssessment"));
        if (c.refused) {
            ASSERT_FALSE(platform.messages->boxes().empty());
            EXPECT_EQ(platform.messages->last().text,
                      "Please check S2Number and S2 Expiry of doctor: DR. SANTOS on build file module. ");
            EXPECT_EQ(lines, 0);
        } else {
            EXPECT_EQ(lines, 3);
        }
    }
}

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

// Both slip files after a real save, shown first under switch 16: the walk-in slip with the
// sponsorship suffix and the senior mark, the in-patient slip with the room; copies follow only
// when the user did not print from the window (a stored 0 prints one).
TEST_P(CashAssessmentSaveTest, SlipsOfBothFilesAfterTheSave) {
    setPharmaSwitch(QStringLiteral("16"), true);
    setPharmaSwitch(QStringLiteral("28"), false);
    SaveChargeSlipCopies(QStringLiteral("0"));
    gSiteCode = QStringLiteral("ZMX");  // the stored copies, no copies dialog
    gEmployeeName = QStringLiteral("SANTOS, ANA");
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    gVelmira = true;
    struct Case {
        const char* name;
        bool inPatient, printedFromWindow;
        int copies;
        const char* golden;
    };
    const Case cases[] = {
        {"walk-in, printed from the window", false, true, 0, "AssessSlip_Saved.txt"},
        {"in-patient, window closed", true, false, 1, "AssessSlipInPatient_Saved.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString text;
        platform.modal->onShow<frmView>([&](frmView& v) {
            v.report()->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
            text = v.report()->document().toText();
            v.clickedPrint = c.printedFromWindow;
            v.close();
        });
        openShown();
        if (c.inPatient)
            form->chkInPatient->setChecked(true);
        fillThree();
        form->txtPatName->setText(QStringLiteral("ANA REYES"));
        form->txtDoctor->setText(QStringLiteral("DR. REYES"));
        form->mRoomID = QStringLiteral("301");
        form->chkVelmira->setChecked(true);
        form->chkTypeA->setChecked(true);
        form->cboClass->setEditText(QStringLiteral("CF-SENIOR CITIZENS DISCOUNT"));
        const int before = printed();
        form->cmdPrintSave->click();
        EXPECT_EQ(printed() - before, c.copies);
        report::test::expectGolden(QStringLiteral("../../../cash/golden/") + QString::fromLatin1(c.golden), text);
        EXPECT_EQ(platform.modal->shown().count("qx::frmChargeSlipCopies"), 0);
    }
}

} // namespace
} // namespace qx::test
