#include "frmEntryItemsFixture.h"

#include "PostingSaveFixture.h"
#include "SlipPreview.h"

#include <QCheckBox>

namespace qx::test {
namespace {

const QString kInpatientSlip = QStringLiteral("ChargeSlip.rpt");

// Two complete lines for admission 1001 (doctor D001, room 301), entered by keys.
class frmEntrySaveTest : public PostingSaveTest<frmEntryItemsTest> {
protected:
    void twoLines() {
        openOn();
        enter(1, frmEntry::colCode, "1001");
        enter(1, frmEntry::colDosage, "TID");
        enter(1, frmEntry::colRemarks, "AFTER MEALS");
        enter(2, frmEntry::colCode, "1002");
        enter(2, frmEntry::colDosage, "QID");
    }
    qint64 stockCardLines() { return count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")); }
};

TEST_P(frmEntrySaveTest, SavePostsTheLinesUnderTheShownNumberAndResets) {
    twoLines();
    const QString shown = form->lblPatInfo[5]->text();
    ASSERT_FALSE(shown.isEmpty());
    ASSERT_TRUE(form->cmdSave->isEnabled());
    form->cmdSave->click();
    const Recordset rs = db().query(
        QStringLiteral("SELECT HospNum, IdNum, ItemID, Quantity, Amount, UserID, DosageID, RequestByID, LocationID, "
                       "RoomID, Remarks, COALESCE(VerifyID, '') AS VerifyID, isDirectTransaction, SummaryCode "
                       "FROM tbInvStockCard WHERE RefNum = ? ORDER BY ItemID"),
        {shown});
    QStringList lines;
    for (Recordset r = rs; !r.eof(); r.moveNext()) {
        QStringList values;
        for (const char* field : {"HospNum", "IdNum", "ItemID", "Quantity", "UserID", "DosageID", "RequestByID",
                                  "LocationID", "RoomID", "Remarks", "VerifyID", "isDirectTransaction", "SummaryCode"})
            values << r.text(QString::fromLatin1(field));
        values << FormatAmount(r.number(QStringLiteral("Amount")));
        lines << values.join(u'|');
    }
    EXPECT_EQ(lines, (QStringList{"H000001|1001|1001|3|1234|TID|D001|20|301|AFTER MEALS||0|PH|15.75",
                                  "H000001|1001|1002|4|1234|QID|D001|20|301|||0|PH|4.00"}));
    EXPECT_EQ(count(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = '1001' AND LocationID = '20'")), 7);
    EXPECT_TRUE(userLog().isEmpty()) << "a plain save writes no user-log line";
    EXPECT_EQ(form->txtFind->text(), "");
    EXPECT_FALSE(form->grdItemList->isEnabled());
    EXPECT_EQ(form->grdItemList->textMatrix(1, frmEntry::colCode), "");
    // One advance: the next patient is shown the next number.
    find(*form, QStringLiteral("1001"));
    EXPECT_NE(form->lblPatInfo[5]->text(), shown);
}

TEST_P(frmEntrySaveTest, PrintSaveLogsStagesAndPrintsWithTheSupervisorAndTheChoices) {
    printToFiles(kInpatientSlip);
    gHasValidation = true;
    gSiteCode = QStringLiteral("JAWKC");
    platform.modal->onShow<frmDeletePassword>([](frmDeletePassword& w) {
        w.setOKCharge(true);
        w.setVerifyID(QStringLiteral("9001"));
        w.close();
    });
    twoLines();
    overStockAnswers("1", "Proceed with Transaction");
    enter(2, frmEntry::colQuantity, "12");
    const QString shown = form->lblPatInfo[5]->text();
    form->cmdPrintSave->click();
    EXPECT_EQ(userLog(), (QStringList{"Saved  and PrintRequest Under Patient : DELA CRUZ, JUAN SANTOS |  ChargeSlip# : " +
                                      shown}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = '%1' AND VerifyID = '9001' "
                                   "AND isDirectTransaction = 0").arg(shown)),
              2);
    const Recordset log = db().query(QStringLiteral("SELECT Choice, ItemID, Quantity, OnHand, UserID FROM tbPharmaOverStockLog"));
    ASSERT_EQ(log.recordCount(), 1);
    EXPECT_EQ(log.text("Choice") + u'|' + log.text("ItemID") + u'|' + log.text("Quantity") + u'|' +
                  log.text("OnHand") + u'|' + log.text("UserID"),
              "Proceed with Transaction|1002|12|10|1234");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint WHERE UserID = 'HOST1' AND IdNum = '1001' "
                                   "AND RefNum = '%1'").arg(shown)),
              2);
    EXPECT_EQ(printOuts(), 1);
    EXPECT_EQ(form->strVerifyID(), "9001");
}

// Print & Save under switch 16 previews the shipped slip with the screen's header and the lines
// staged under the workstation, then prints its copy.
TEST_P(frmEntrySaveTest, PrintSaveShowsTheShippedSlipAsItsGoldenFiles) {
    printToFiles(kInpatientSlip);
    setPharmaSwitch(QStringLiteral("16"), true);
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    gHospitalAddress = QStringLiteral("1 MAIN ST");
    PreviewedSlip slip;
    capturePreviewedSlip(*platform.modal, slip);
    // The age shown is of today: a birthday 56 years ago keeps the reference still.
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET BirthDate = ? WHERE HospNum = 'H000001'"),
                 {QDateTime(db().serverNow().date().addYears(-56), QTime(0, 0))});
    twoLines();
    form->cmdPrintSave->click();
    EXPECT_EQ(slip.shown, 1);
    expectSlipGolden(QStringLiteral("ChargeSlip"), slip);
    EXPECT_EQ(printOuts(), 1) << "closed without printing, the preview is followed by the copies";
}

TEST_P(frmEntrySaveTest, ChecksRefuseAndWriteNothing) {
    db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName) "
                                "VALUES ('DD', 'Dangerous Drugs')"));
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString text;
        int icon;
        QString title;
    };
    const Case cases[] = {
        {"zero quantity", [&] { form->grdItemList->setTextMatrix(2, frmEntry::colQuantity, QStringLiteral("0")); },
         "Please check the quantity or amount of the entered items. Some entries have zero value!", vbCritical,
         "WARNING"},
        {"no supervisor",
         [&] {
             gHasValidation = true;
             platform.modal->onShow<frmDeletePassword>([](frmDeletePassword& w) { w.close(); });
         },
         "Invalid Password.", vbInformation, "MESSAGE"},
        {"no S2 licence",
         [&] {
             setPharmaSwitch(QStringLiteral("93"), true);
             db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemClassificationID = 'DD' WHERE ItemID = '1002'"));
             db().execute(QStringLiteral("UPDATE build_file.tbCoDoctor SET s2number = ' ' WHERE doctorid = 'D001'"));
         },
         "Please check S2Number and S2 Expiry of doctor: %1 on build file module. ", vbInformation, "Quillax"},
        {"nothing complete",
         [&] {
             for (int row : {1, 2})
                 form->grdItemList->setTextMatrix(row, frmEntry::colDosage, QString());
         },
         "Entries has incomplete information.  Please check.", vbExclamation, "Quillax"},
        {"one line incomplete", [&] { form->grdItemList->setTextMatrix(2, frmEntry::colDosage, QString()); },
         "Line 2 (1002) has incomplete information.  Please check.", vbExclamation, "Quillax"},
        {"item gone from the location",
         [&] { db().execute(QStringLiteral("DELETE FROM tbInvMaster WHERE ItemID = '1002'")); },
         "Line 2 (1002) is no longer found at this location.  Please check.", vbExclamation, "Quillax"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        twoLines();
        c.arrange();
        const QString doctor = form->lblPatInfo[3]->text();
        platform.messages->clear();
        form->cmdPrintSave_Click();
        ASSERT_FALSE(platform.messages->boxes().empty());
        EXPECT_EQ(platform.messages->last().text, QString(c.text).replace(QStringLiteral("%1"), doctor));
        EXPECT_EQ(platform.messages->last().icon(), c.icon);
        EXPECT_EQ(platform.messages->last().title, c.title);
        EXPECT_EQ(stockCardLines(), 0);
        EXPECT_TRUE(userLog().isEmpty());
        EXPECT_EQ(form->grdItemList->textMatrix(1, frmEntry::colCode), "1001") << "the screen keeps its lines";
        EXPECT_EQ(form->txtFind->text(), "1001");
        resetHospitalSettings();
        setPharmaSwitch(QStringLiteral("93"), false);
        gLocationID = QStringLiteral("20");
    }
}

TEST_P(frmEntrySaveTest, NumberTakenMeanwhileAndTheSeriesOfTheSite) {
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 1000"));
    twoLines();
    const QString shown = form->lblPatInfo[5]->text();
    // Another workstation posts under the number shown.
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, LocationID, SummaryCode, TransDate) "
                                "VALUES (?, '1003', '9999', '20', 'PH', ?)"),
                 {shown, db().serverNow()});
    ASSERT_TRUE(form->Save(0));
    const QString used = form->lblPatInfo[5]->text();
    EXPECT_NE(used, shown);
    EXPECT_EQ(form->grdItemList->textMatrix(1, frmEntry::colPosted), "P");
    EXPECT_EQ(form->grdItemList->textMatrix(2, frmEntry::colPosted), "P");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = '%1'").arg(used)), 2);
    // Posted lines are never posted again.
    ASSERT_TRUE(form->Save(0));
    EXPECT_EQ(stockCardLines(), 3);

    struct Case { const char* site; bool switch22; const char* counterRow; const char* slip; };
    const Case cases[] = {
        {"QVH", false, nullptr, "C000001M"},
        {"QVH", false, "57", "C000057M"},
        {"DEMO", true, nullptr, "1001-0001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        gSiteCode = QString::fromLatin1(c.site);
        setPharmaSwitch(QStringLiteral("22"), c.switch22);
        db().execute(QStringLiteral("DELETE FROM tbChargeSlipTerminal"));
        if (c.counterRow)
            db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', ?)"),
                         {QString::fromLatin1(c.counterRow)});
        twoLines();
        ASSERT_TRUE(form->Save(0));
        EXPECT_EQ(form->lblPatInfo[5]->text(), c.slip);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = '%1'").arg(c.slip)), 2);
    }
}

TEST_P(frmEntrySaveTest, CancelledLineIsLoggedOnTheScreenAsOpened) {
    twoLines();
    platform.messages->answer(vbYes);
    openEditorAt(*form->chargeGrid(), 2, frmEntry::colCode);
    form->cmdClearRow_Click();
    EXPECT_EQ(form->grdItemList->textMatrix(2, frmEntry::colCode), "");
    EXPECT_EQ(userLog(), (QStringList{"Cancelled Request ItemID# : 1002 | Under Patient : DELA CRUZ, JUAN SANTOS"}));
}

QX_ON_BOTH_ENGINES(frmEntrySaveTest);

} // namespace
} // namespace qx::test
