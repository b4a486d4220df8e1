#include "Builders.h"
#include "MainWindowFixture.h"
#include "PrintOuts.h"
#include "ScriptedInputBox.h"
#include "SourceTree.h"
#include "charging/frmView.h"
#include "platform/FlexGrid.h"
#include "platform/report/ReportPrinter.h"
#include "suite/InpatientFilePatient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace qx::test {
namespace {

// Two unpaid assessments and a paid one, the shipped slips beside the program, prints going to
// files, and the main window with its tree at a unit-dose site.
class AssessmentCommandsTest : public MainWindowTestOn<DbTest> {
protected:
    void SetUp() override {
        MainWindowTestOn<DbTest>::SetUp();
        if (IsSkipped())
            return;
        previousInputBox_ = installInputBoxService(inputBox);
        gSiteCode = QStringLiteral("VOJ");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        gHospitalName = QStringLiteral("DEMO GENERAL HOSPITAL");
        gPharmaSwitches.Load(db(), gSiteCode);
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"), .isMDRP = true});
        addAdmittedPatient(db());
        // PH000100: an admitted patient's, two lines; PH000200: a walk-in's, one line of an item
        // the master file does not know, with a Null rate; PH000300: paid.
        assess("PH000100", "1001", "PARA500", 2, 5.25, 0, QVariant(), 0, QVariant(), "D001");
        assess("PH000100", "1001", "AMOX500", 3, 12.00, 7.20, QStringLiteral("SC"), 1, 20.0, "D001");
        assess("PH000200", QVariant(), "XYZ", 1, 99.50, 0, QVariant(), 0, QVariant(), "D777");
        assess("PH000300", QVariant(), "PARA500", 4, 5.25, 0, QVariant(), 0, QVariant(), "D001", "OR-1");
        for (const char* file : {"AssessSlip.rpt", "AssessSlipInPatient.rpt"}) {
            QFile source(sourcePath(QStringLiteral("Reports/") + QString::fromLatin1(file)));
            ASSERT_TRUE(source.open(QIODevice::ReadOnly));
            const QString path = QDir(platform.folders->program).filePath(QStringLiteral("Reports/") + file);
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile target(path);
            ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
            target.write(source.readAll());
        }
        report::setPrintFolder(printFolder.path());
        gComponents.gPatient = std::make_shared<suite::InpatientFilePatient>([this] { return &db(); });
        gComponents.gPatient->InitConnect(db().connectionString());
        window = std::make_unique<frmPharma>();
        ASSERT_TRUE(window->LoadTreeView());
    }
    void TearDown() override {
        window.reset();
        report::setPrintFolder(QString());
        if (previousInputBox_)
            installInputBoxService(previousInputBox_);
        MainWindowTestOn<DbTest>::TearDown();
    }
    void assess(const char* ref, const QVariant& idNum, const char* item, double qty, double price, double discount,
                const QVariant& discountType, int vatExempt, const QVariant& rate, const char* doctor,
                const QString& orNumber = QString()) {
        db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, Quantity, "
                                    "UnitPrice, Amount, Discount, DiscountType, DiscountRate, VATExempt, UserID, DoctorID, "
                                    "ORNumber, TransDate) VALUES (?, 'PH', ?, ?, 'CUSTOMER', ?, ?, ?, ?, ?, ?, ?, 'E042', ?, ?, ?)"),
                     {QString::fromLatin1(ref), QString::fromLatin1(item), idNum, qty, price, qty * price - discount,
                      discount, discountType, rate, vatExempt, QString::fromLatin1(doctor), orNumber,
                      QDateTime(QDate(2026, 1, 9), QTime(10, 0))});
    }
    // Selects a list without loading it and puts one row of values into the grid.
    void onList(const QString& key, const QStringList& cells) {
        putListRow(*window, key, cells);
        platform.messages->clear();
    }
    QStringList staged() {
        QStringList rows;
        for (Recordset rs = db().query(QStringLiteral(
                 "SELECT UserID, IdNum, RefNum, ItemID, Description, Quantity, Amount, UnitPrice, Discount, DiscountType, "
                 "DiscountPercentage, IsVATExempt, isMDRP, TaxableAmount, VATAmount, OrigUnitPrice, NetAmount "
                 "FROM tbPharmaChargePrint ORDER BY id"));
             !rs.eof(); rs.moveNext()) {
            QStringList cells;
            for (int i = 0; i < rs.fieldCount(); ++i)
                cells << rs.text(rs.fieldName(i));
            rows << cells.join(u'|');
        }
        return rows;
    }
    // The texts of every print-out made so far, in order.
    QStringList printed() { return printedTexts(printFolder.path()); }
    void setSwitch(const QString& key, bool on) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, on ? 1 : 0});
    }
    qint64 count(const QString& sql) { return db().query(sql).value(0).toLongLong(); }

    std::unique_ptr<frmPharma> window;
    std::shared_ptr<ScriptedInputBox> inputBox = std::make_shared<ScriptedInputBox>();
    QTemporaryDir printFolder;

private:
    std::shared_ptr<InputBoxService> previousInputBox_;
};

TEST_P(AssessmentCommandsTest, ReprintRestagesTheLinesAndPrintsTheSlipOfThePatientType) {
    // A stale row of an earlier reprint is cleared; another encoder's row is left.
    db().execute(QStringLiteral("INSERT INTO tbPharmaChargePrint (UserID, RefNum, IdNum, ItemID, Description) VALUES "
                                "('E042', 'PH000100', 'CASH', 'OLD', 'STALE'), ('E099', 'PH000100', 'CASH', 'KEEP', 'OTHER')"));
    onList(QStringLiteral("_4.2.1"), {"PH000100", "DELA CRUZ, JUAN "});
    window->mnuReprintAssess_Click();
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'\n').toStdString();
    EXPECT_EQ(staged(), (QStringList{
                            "E099|CASH|PH000100|KEEP|OTHER|0|0|0|0||0|0|0|0|0|0|0",
                            "E042|CASH|PH000100|PARA500|PARACETAMOL|2|10.5|5.25|0||0|0|0|10.5|0|5.25|0",
                            "E042|CASH|PH000100|AMOX500|AMOXICILLIN|3|28.8|12|7.2|SC|20|1|1|28.8|0|12|0",
                        }));
    EXPECT_EQ(window->mAssessDoctor, QStringLiteral("DOCTOR D001, TEST"));
    const QStringList prints = printed();
    ASSERT_EQ(prints.size(), 1);
    for (const char* text : {"ASSESSMENT SLIP (IN-PATIENT)", "DELA CRUZ, JUAN", "PH000100", "DOCTOR D001, TEST",
                             "AMOXICILLIN", "39.30", "JUAN D. DELA CRUZ"})
        EXPECT_TRUE(prints[0].contains(QString::fromLatin1(text))) << text << "\n" << prints[0].toStdString();
    EXPECT_FALSE(prints[0].contains(QStringLiteral("STALE")));
    EXPECT_EQ(userLog(), QStringList{QStringLiteral("1234|Reprint Assessment under Patient : DELA CRUZ, JUAN  | "
                                                    "Reference# : PH000100")});
}

TEST_P(AssessmentCommandsTest, ReprintReadsThePaidListsColumnsAndDefaultsWhatALineLacks) {
    struct Case { const char* list; QStringList row; const char* slip; const char* stagedRow; };
    const Case cases[] = {
        // The paid list keeps the number in column 8 and the name in column 3.
        {"_4.1.1", {"OR-9", "X", "Y", "REYES, MARIA", "", "", "", "", "PH000200"}, "ASSESSMENT SLIP",
         "E042|CASH|PH000200|XYZ||1|99.5|99.5|0||0|0|0|99.5|0|99.5|0"},
        // No line: nothing staged, the walk-in's slip still printed.
        {"_4.2.2", {"PH999999", "NOBODY"}, "ASSESSMENT SLIP", ""},
    };
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaChargePrint"));
        const qsizetype before = printed().size();
        onList(QString::fromLatin1(c.list), c.row);
        window->mnuReprintAssess_Click();
        EXPECT_TRUE(platform.messages->texts().isEmpty()) << c.list;
        EXPECT_EQ(staged().join(u';').toStdString(), c.stagedRow) << c.list;
        const QStringList prints = printed();
        ASSERT_EQ(prints.size(), before + 1) << c.list;
        EXPECT_TRUE(prints.last().contains(QString::fromLatin1(c.slip)));
        EXPECT_FALSE(prints.last().contains(QStringLiteral("IN-PATIENT"))) << c.list;
        EXPECT_TRUE(prints.last().contains(c.row.value(c.list[3] == '1' ? 3 : 1).trimmed())) << c.list;
    }
}

TEST_P(AssessmentCommandsTest, ReprintPreviewsUnderSwitch16AndAsksRemarksAtOXBEN) {
    setSwitch(QStringLiteral("16"), true);
    int previews = 0;
    platform.modal->onShow<frmView>([&](frmView& w) {
        ++previews;
        w.clickedPrint = true;  // printing from the preview does not spare the print that follows
    });
    onList(QStringLiteral("_4.2.1"), {"PH000200", "WALK IN"});
    window->mnuReprintAssess_Click();
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(printed().size(), 1);

    setSwitch(QStringLiteral("16"), false);
    gSiteCode = QStringLiteral("OXBEN");
    // Cancel ends the reprint: nothing printed, nothing logged.
    window->mnuReprintAssess_Click();
    EXPECT_EQ(inputBox->asked, QStringList{QStringLiteral("Enter Remarks: |Remarks|")});
    EXPECT_EQ(printed().size(), 1);
    EXPECT_EQ(userLog().size(), 1);
    // An empty answer is asked again; the remarks print on the slip.
    inputBox->asked.clear();
    inputBox->answers = {QString(), QStringLiteral("FOR PICK-UP")};
    window->mnuReprintAssess_Click();
    EXPECT_EQ(inputBox->asked.size(), 2);
    const QStringList prints = printed();
    ASSERT_EQ(prints.size(), 2);
    EXPECT_TRUE(prints.last().contains(QStringLiteral("FOR PICK-UP")));
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(AssessmentCommandsTest, ReprintThatFailsWhileStagingKeepsTheEarlierRowsAndPrintsNothing) {
    if (GetParam() != Engine::SQLite)
        GTEST_SKIP() << "the failure is injected with a SQLite trigger";
    db().execute(QStringLiteral("INSERT INTO tbPharmaChargePrint (UserID, RefNum, IdNum, ItemID, Description) "
                                "VALUES ('E042', 'PH000100', 'CASH', 'OLD', 'STALE')"));
    db().execute(QStringLiteral("CREATE TRIGGER fail_amox BEFORE INSERT ON tbPharmaChargePrint WHEN NEW.ItemID = 'AMOX500' "
                                "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    onList(QStringLiteral("_4.2.1"), {"PH000100", "DELA CRUZ, JUAN"});
    window->mnuReprintAssess_Click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("disk full")));
    EXPECT_EQ(staged(), QStringList{QStringLiteral("E042|CASH|PH000100|OLD|STALE|0|0|0|0||0|0|0|0|0|0|0")});
    EXPECT_TRUE(printed().isEmpty());
    EXPECT_TRUE(userLog().isEmpty());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(AssessmentCommandsTest, RevocationAsksOnUnpaidListsLogsOnlyWhatItRevokedAndReloads) {
    const QString question = QStringLiteral("Are you sure to revoke this request?");
    const QString revokedSql = QStringLiteral("SELECT COUNT(*) FROM billing.tbCashAssessment WHERE RecordStatus = 'R'");
    struct Case {
        const char* list;
        const char* ref;
        MsgBoxResult answer;
        QStringList messages;
        qint64 revokedAfter;
        bool logged;
        bool reloaded;
    };
    const Case cases[] = {
        {"_4.2.1", "   ", vbYes, {}, 0, false, false},
        {"_4.1.1", "PH000100", vbYes, {}, 0, false, false},  // a paid list revokes nothing
        {"_4.2.1", "PH000100", vbNo, {question}, 0, false, true},
        {"_4.2.1", "PH000300", vbYes, {question, "No unpaid assessment carries this number. Nothing was revoked."}, 0,
         false, true},
        {"_4.2.1", " PH000100 ", vbYes, {question, "Request has been revoked."}, 2, true, true},
    };
    for (const Case& c : cases) {
        onList(QString::fromLatin1(c.list), {QString::fromLatin1(c.ref), "NAME"});
        platform.messages->answer(c.answer);
        window->tbrPharma_ButtonClick(18);
        EXPECT_EQ(platform.messages->texts(), c.messages) << c.ref;
        EXPECT_EQ(count(revokedSql), c.revokedAfter) << c.ref;
        EXPECT_EQ(userLog().size(), c.logged ? 1 : 0) << c.ref;
        EXPECT_EQ(window->flexMSHList->textMatrix(1, 1) != QStringLiteral("NAME"), c.reloaded) << c.ref;
    }
    EXPECT_EQ(userLog(), QStringList{QStringLiteral("1234|Revoked Assessment. AssessSlip# : PH000100")});
    // The menu item takes the same way.
    onList(QStringLiteral("_4.2.1"), {"PH000200", "NAME"});
    platform.messages->answer(vbYes);
    window->command(QStringLiteral("mnuRevokeAssess"))->trigger();
    EXPECT_EQ(count(revokedSql), 3);
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(AssessmentCommandsTest, RxMarksAreStoredAndShownOnUnitDoseRowsOnly) {
    db().execute(QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, StationID, RequestDate) VALUES "
                                "('1001', 'PARA500', '3F', ?)"),
                 {QDateTime(QDate(2026, 1, 9), QTime(8, 0))});
    const QString mark = QStringLiteral("SELECT MAX(RxMark) FROM station.tbNurseUnitDose WHERE IDNum = '1001'");
    struct Case { const char* list; const char* command; const char* shown; qint64 stored; };
    const Case cases[] = {
        {"_3.1", "mnuRxOn", "(RX)-DELA CRUZ, JUAN", 1},
        {"_3.1", "mnuRxOn", "(RX)-DELA CRUZ, JUAN", 1},
        {"_1.1", "mnuRxOFF", "OLD TEXT", 1},  // another list: nothing
        {"_3.1", "mnuRxOFF", "DELA CRUZ, JUAN", 0},
        {"_3.1", "mnuRxOn", "(RX)-DELA CRUZ, JUAN", 1},
    };
    for (const Case& c : cases) {
        onList(QString::fromLatin1(c.list), {"H000001", " 1001 ", "DELA CRUZ, JUAN", "OLD TEXT", " DELA CRUZ, JUAN "});
        window->command(QString::fromLatin1(c.command))->trigger();
        EXPECT_EQ(window->flexMSHList->textMatrix(1, 3).toStdString(), c.shown) << c.command;
        EXPECT_EQ(count(mark), c.stored) << c.command;
    }
    // The list read again shows the stored mark.
    window->ClickTreeView();
    EXPECT_TRUE(window->flexMSHList->textMatrix(1, 3).startsWith(QStringLiteral("(RX)")));
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

QX_ON_BOTH_ENGINES(AssessmentCommandsTest);

} // namespace
} // namespace qx::test
