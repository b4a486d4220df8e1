#include "frmUDEntryFixture.h"

#include "SourceTree.h"
#include "charging/frmView.h"
#include "platform/report/ReportPrinter.h"
#include "platform/WidgetInput.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace qx::test {
namespace {

// Three lines shown for admission 1001: PARA500 (4, 21.00), AMOX500 (2, 25.00) and CEF1G (1,
// 250.00), at workstation HOST1.
class frmUDEntrySaveTest : public frmUDEntryTest {
protected:
    void SetUp() override {
        frmUDEntryTest::SetUp();
        if (IsSkipped())
            return;
        gHostID = QStringLiteral("HOST1");
        gEmployeeName = QStringLiteral("JOSE C. REYES");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        addItem(db(), {.itemId = "AMOX500", .name = "AMOXICILLIN", .description = "500 MG CAPSULE", .onHand = 10,
                       .priceIn = 12.5});
        addItem(db(), {.itemId = "CEF1G", .name = "CEFTRIAXONE", .description = "1 G VIAL", .onHand = 8, .priceIn = 250});
        for (const char* id : {"AMOX500", "CEF1G"})
            setRoute(QString::fromLatin1(id), QStringLiteral("O"));
        unitDose({.itemId = QStringLiteral("PARA500"), .amount = 21.0});
        unitDose({.itemId = QStringLiteral("AMOX500"), .dosage = QStringLiteral("QID"), .quantity = 2, .amount = 25.0,
                  .remark = QString()});
        unitDose({.itemId = QStringLiteral("CEF1G"), .dosage = QStringLiteral("OD"), .quantity = 1, .amount = 250.0});
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        ReleaseReportWindow();
        frmUDEntryTest::TearDown();
    }
    frmUDEntry& openShown() {
        open();
        showActive(form.get());
        QApplication::processEvents();
        return *form;
    }
    qint64 count(const QString& sql, const QVariantList& binds = {}) { return db().query(sql, binds).value(0).toLongLong(); }
    QStringList postedLines(const QString& slip) {
        QStringList lines;
        for (Recordset r = db().query(QStringLiteral("SELECT HospNum, IdNum, ItemID, Quantity, Amount, UserID, DosageID, "
                                                     "LocationID, RoomID, COALESCE(Remarks, '') AS Remarks, ClinicID "
                                                     "FROM tbInvStockCard WHERE RefNum = ? ORDER BY ItemID"),
                                      {slip});
             !r.eof(); r.moveNext()) {
            QStringList values;
            for (const char* field : {"HospNum", "IdNum", "ItemID", "Quantity", "UserID", "DosageID", "LocationID",
                                      "RoomID", "Remarks", "ClinicID"})
                values << r.text(QString::fromLatin1(field));
            values << FormatAmount(r.number(QStringLiteral("Amount")));
            lines << values.join(u'|');
        }
        return lines;
    }
    QString stationStatus(const QString& item) {
        return Text(db().query(QStringLiteral("SELECT COALESCE(RecordStatus, '') FROM station.tbNurseUnitDose "
                                              "WHERE ItemID = ?"),
                               {item}).value(0));
    }
    void discontinueLine(int row) {
        form->flexMSEntry->setRow(row);
        platform.messages->answer(vbYes);
        form->cmdDiscontinue_Click();
    }
    // The shipped charge slip beside the program, printed into a folder of files.
    void printToFiles() {
        ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("ChargeSlip.rpt")));
        report::setPrintFolder(printFolder.path());
    }
    QStringList printJobs() { return QDir(printFolder.path()).entryList(QDir::Files); }
    QString jobText(const QString& job) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QDir(printFolder.path()).filePath(job),
                                                 QStringLiteral("-")});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    QTemporaryDir printFolder;
};

TEST_P(frmUDEntrySaveTest, SavePostsServedLinesUnderOneNumberPastAUsedOneAndCloses) {
    // Another workstation already posted under the number the screen shows.
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, LocationID, SummaryCode, TransDate) "
                                "VALUES ('00000001', 'PARA500', '9999', '20', 'PH', ?)"),
                 {db().serverNow()});
    openShown();
    EXPECT_EQ(form->lblPatInfo[5]->text(), " 00000001");
    discontinueLine(3);
    const qint64 discontinueRecords = count(QStringLiteral("SELECT COUNT(*) FROM tbInvUnitDoseDiscontinue"));
    form->cmdSave->click();
    QApplication::processEvents();
    EXPECT_EQ(form->lblPatInfo[5]->text(), " 00000002");
    EXPECT_EQ(postedLines(QStringLiteral("00000002")),
              (QStringList{"H000001|1001|AMOX500|2|1234|QID|20|301||UD|25.00",
                           "H000001|1001|PARA500|4|1234|Q6H|20|301|AFTER MEALS|UD|21.00"}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE ItemID = 'CEF1G'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvUnitDoseDiscontinue")), discontinueRecords)
        << "the save sends nothing more for a discontinued line";
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint WHERE UserID = 'HOST1' AND RefNum = '00000002'")),
              2);
    EXPECT_TRUE(form->DataSaved);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.messages->texts().filter("Data will not be saved").isEmpty());
    // The component's number moved past the one used.
    open();
    EXPECT_EQ(form->lblPatInfo[5]->text(), " 00000003");
}

TEST_P(frmUDEntrySaveTest, DiscontinueWritesBothDatabasesAtOnceAndByPassTouchesNothing) {
    db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName) "
                                "VALUES ('1234', 'SANTOS', 'MARIA')"));
    issue(QStringLiteral("CEF1G"), QStringLiteral("1001"), QDateTime(QDate(2026, 1, 6), QTime(9, 0)));
    openShown();
    // Answered No: nothing changes.
    form->flexMSEntry->setRow(3);
    platform.messages->answer(vbNo);
    form->cmdDiscontinue_Click();
    EXPECT_EQ(stationStatus(QStringLiteral("CEF1G")), "");
    EXPECT_EQ(cell(3, frmUDEntry::kColDosage), "OD");

    discontinueLine(3);
    EXPECT_EQ(platform.messages->last().text, "Are you sure to discontinue the drug?");
    EXPECT_EQ(platform.messages->last().style, vbQuestion | vbYesNo);
    EXPECT_EQ(stationStatus(QStringLiteral("CEF1G")), "R");
    EXPECT_EQ(line(3).mid(3, 6), (QStringList{"DISCONTINUED", "!!!", "!!!", "!!!", "!!!", "--Discontinued--"}));
    EXPECT_EQ(form->lblPatInfo[6]->text(), "46.00");
    EXPECT_FALSE(form->cmdDiscontinue->isEnabled());
    EXPECT_FALSE(form->chargeGrid()->isEditorVisible());
    // The profile names who discontinued it.
    form->LoadListProfile(form->lblPatInfo[7]->text(), QStringLiteral("CEF1G"), 3);
    ASSERT_EQ(form->flexMSHPrevious->rows(), 3);
    EXPECT_EQ(form->flexMSHPrevious->textMatrix(2, 1), "Discontinued by MARIA SANTOS");

    form->flexMSEntry->setRow(2);
    platform.messages->answer(vbYes);
    form->cmdCancel_Click();
    EXPECT_EQ(platform.messages->last().text, "Are you sure to by pass the request?");
    EXPECT_EQ(line(2).mid(3, 6), (QStringList{"BYPASSED", "XXX", "XXX", "XXX", "XXX", "BYPASSED"}));
    EXPECT_EQ(stationStatus(QStringLiteral("AMOX500")), "");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "21.00");
    EXPECT_FALSE(form->cmdCancel->isEnabled());

    // A blank line is left alone: no question.
    platform.messages->clear();
    for (int col = 1; col < frmUDEntry::kCols; ++col)
        form->flexMSEntry->setTextMatrix(1, col, QString());
    form->flexMSEntry->setRow(1);
    form->cmdDiscontinue_Click();
    form->cmdCancel_Click();
    EXPECT_TRUE(platform.messages->boxes().empty());

    // Discontinued lines drop out of the list at the next opening.
    open();
    EXPECT_EQ(form->flexMSEntry->rows(), 3);
    EXPECT_EQ(cell(2, frmUDEntry::kColCode), "AMOX500");
}

TEST_P(frmUDEntrySaveTest, RefusedSavesTellTheLineAndPostNothing) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString text;
        int icon;
        QString title;
        bool laterSaveWorks;
    };
    const Case cases[] = {
        {"amount 0",
         [&] { form->flexMSEntry->setTextMatrix(2, frmUDEntry::kColAmount, QStringLiteral("0.00")); },
         "There is incomplete entry in line # 2. Please the following information:  Dosage, Quantity, Amount.",
         vbInformation, "OOOPS!", true},
        {"no dosage", [&] { form->flexMSEntry->setTextMatrix(3, frmUDEntry::kColDosage, QString()); },
         "There is incomplete entry in line # 3. Please the following information:  Dosage, Quantity, Amount.",
         vbInformation, "OOOPS!", true},
        {"item gone", [&] { form->flexMSEntry->setTextMatrix(2, frmUDEntry::kColCode, QStringLiteral("GONE9")); },
         "Drug code GONE9 in line # 2 is not found.  Nothing was saved.", vbInformation, "OOOPS!", true},
        {"nothing counts",
         [&] {
             for (int row : {1, 2, 3})
                 form->flexMSEntry->setTextMatrix(row, frmUDEntry::kColIssued, QStringLiteral("-1"));
         },
         "Entries has incomplete information.  Please check.", vbExclamation, "Quillax", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openShown();
        c.arrange();
        platform.messages->clear();
        form->cmdSave_Click();
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, c.text);
        EXPECT_EQ(platform.messages->last().icon(), c.icon);
        EXPECT_EQ(platform.messages->last().title, c.title);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
        EXPECT_TRUE(form->isVisible());
        // A second save of the same opening: posts once mended, or does nothing after "nothing counts".
        form->flexMSEntry->setTextMatrix(2, frmUDEntry::kColCode, QStringLiteral("AMOX500"));
        form->flexMSEntry->setTextMatrix(2, frmUDEntry::kColAmount, QStringLiteral("25.00"));
        form->flexMSEntry->setTextMatrix(3, frmUDEntry::kColDosage, QStringLiteral("OD"));
        platform.messages->clear();
        form->cmdSave_Click();
        EXPECT_TRUE(platform.messages->boxes().empty());
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")) > 0, c.laterSaveWorks);
        EXPECT_EQ(form->isVisible(), !c.laterSaveWorks);
        form->DataSaved = true;
        form->close();
        db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
        db().execute(QStringLiteral("DELETE FROM tbPharmaChargePrint"));
    }
}

TEST_P(frmUDEntrySaveTest, AFailureMidSaveLeavesNothingPosted) {
    if (db().isSQLite()) {
        db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseUD BEFORE INSERT ON tbInvStockCard "
                                          "WHEN NEW.ItemID = 'CEF1G' BEGIN SELECT RAISE(ABORT, 'line refused'); END"));
    } else {
        db().executeScript(QStringLiteral("CREATE FUNCTION refuse_ud() RETURNS trigger AS $$ BEGIN "
                                          "IF NEW.ItemID = 'CEF1G' THEN RAISE EXCEPTION 'line refused'; END IF; "
                                          "RETURN NEW; END $$ LANGUAGE plpgsql"));
        db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseUD BEFORE INSERT ON tbInvStockCard "
                                          "FOR EACH ROW EXECUTE FUNCTION refuse_ud()"));
    }
    openShown();
    form->cmdSave_Click();
    EXPECT_EQ(platform.programEnd->ended(), 1);
    EXPECT_EQ(platform.messages->last().title, "Application Error");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = 'PARA500' AND LocationID = '20'")), 100);
}

TEST_P(frmUDEntrySaveTest, PrintSavesThenPrintsOneSlipAndCloses) {
    printToFiles();
    openShown();
    form->cmdPrintSave->click();
    QApplication::processEvents();
    EXPECT_EQ(postedLines(QStringLiteral("00000001")).size(), 3);
    const QStringList jobs = printJobs();
    ASSERT_EQ(jobs.size(), 1);
    const QString text = jobText(jobs.first());
    for (const char* expected : {"00000001", "UD", "H000001", "JOSE C. REYES", "CEFTRIAXONE"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(form->SlipPrinted);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmUDEntrySaveTest, PrintAfterARefusedSaveStaysOpenWithoutPrinting) {
    printToFiles();
    openShown();
    form->flexMSEntry->setTextMatrix(2, frmUDEntry::kColAmount, QStringLiteral("0.00"));
    form->cmdPrintSave_Click();
    EXPECT_EQ(platform.messages->last().title, "OOOPS!");
    EXPECT_TRUE(printJobs().isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->SlipPrinted);
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(frmUDEntrySaveTest, PrintBarcodePrintsTheShownNumbersSlipAndCloses) {
    printToFiles();
    openShown();
    form->DataSaved = true;  // no closing question in the way
    form->cmdPrintBarCode_Click();
    ASSERT_EQ(printJobs().size(), 1);
    EXPECT_TRUE(jobText(printJobs().first()).contains(QStringLiteral("00000001")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_FALSE(form->SlipPrinted);
    EXPECT_FALSE(form->isVisible());
}

} // namespace

QX_ON_BOTH_ENGINES(frmUDEntrySaveTest);

} // namespace qx::test
