#include "frmEntryOPItemsFixture.h"

#include "PostingSaveFixture.h"
#include "SlipPreview.h"
#include "platform/Values.h"
#include "charging/ChargeSlipRestage.h"
#include "charging/SlipPrinting.h"
#include "charging/TypeABDiscounts.h"
#include "shell/frmDeletePassword.h"

#include <QCheckBox>
#include <QLabel>

namespace qx::test {
namespace {

const QString kOutpatientSlip = QStringLiteral("OPDChargeSlip.rpt");

// Two complete lines of visit 5001A (doctor D001, account ACME), entered by keys.
class frmEntryOPSaveTest : public PostingSaveTest<frmEntryOPItemsTest> {
protected:
    void twoLines(const QString& visit = QStringLiteral("5001A")) {
        openOn(visit);
        enter(1, frmEntryOP::colCode, "1001");
        enter(1, frmEntryOP::colDosage, "TID");
        enter(2, frmEntryOP::colCode, "1002");
        enter(2, frmEntryOP::colDosage, "QID");
    }
};

TEST_P(frmEntryOPSaveTest, SaveAndPrintSavePostTheLinesUnderTheShownNumberLogAndReset) {
    printToFiles(kOutpatientSlip);
    struct Case {
        const char* name;
        int mode;
        const char* logWord;
        int printOuts;
        qint64 stagedDumpRows;
    };
    const Case cases[] = {
        {"save", 0, "", 0, 0},
        {"print and save", 1, "and Print ", 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 100"));
        twoLines();
        const QString shown = form->lblChargeSlip->text();
        const QString patient = form->lblPatInfo[0]->text();
        ASSERT_FALSE(shown.isEmpty());
        const int printedBefore = printOuts();
        (c.mode == 1 ? form->cmdPrintSave : form->cmdSave)->click();
        QStringList lines;
        for (Recordset r = db().query(QStringLiteral("SELECT HospNum, IdNum, ItemID, Quantity, UserID, DosageID, RequestByID, "
                                                     "LocationID, RoomID, InOut, COALESCE(VerifyID, '<null>') AS VerifyID, "
                                                     "isDirectTransaction, SummaryCode, Amount FROM tbInvStockCard "
                                                     "WHERE RefNum = ? ORDER BY ItemID"),
                                      {shown});
             !r.eof(); r.moveNext()) {
            QStringList values;
            for (const char* field : {"HospNum", "IdNum", "ItemID", "Quantity", "UserID", "DosageID", "RequestByID",
                                      "LocationID", "RoomID", "InOut", "VerifyID", "isDirectTransaction", "SummaryCode"})
                values << r.text(QString::fromLatin1(field));
            values << FormatAmount(r.number(QStringLiteral("Amount")));
            lines << values.join(u'|');
        }
        EXPECT_EQ(lines.join(u'\n').toStdString(), "H000101|5001A|1001|3|1234|TID|D001|20|OPD|O||0|PH|15.00\n"
                                                    "H000101|5001A|1002|4|1234|QID|D001|20|OPD|O||0|PH|4.00");
        EXPECT_EQ(userLog().value(userLog().size() - 1), QStringLiteral("Saved ") + QString::fromLatin1(c.logWord) +
                                                              "Request under Patient : " + patient +
                                                              " | ChargeSlip# : " + shown);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint WHERE UserID = 'HOST1' AND IdNum = '5001A' "
                                       "AND RefNum = ? AND Description <> ''"),
                        {shown}),
                  2) << "every line is staged under the workstation";
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrintDump WHERE UserID = '1234' AND "
                                       "IdNum = '5001A' AND RefNum = ?"),
                        {shown}),
                  c.stagedDumpRows);
        EXPECT_EQ(printOuts() - printedBefore, c.printOuts);
        EXPECT_EQ(form->txtIDNum->text(), "");
        EXPECT_EQ(form->lblChargeSlip->text(), "");
        EXPECT_FALSE(form->grdItemList->isEnabled());
        EXPECT_EQ(form->grdItemList->textMatrix(1, frmEntryOP::colCode), "");
        EXPECT_TRUE(form->blnSaved());
        // One advance: the visit is shown the next number.
        chooseVisit(*form, QStringLiteral("5001A"));
        EXPECT_NE(form->lblChargeSlip->text(), shown);
        EXPECT_FALSE(form->blnSaved());
    }
}

TEST_P(frmEntryOPSaveTest, PrintSaveStagesDescribedLinesWithTheSupervisorAndTheChoices) {
    printToFiles(kOutpatientSlip);
    gHasValidation = true;
    gSiteCode = QStringLiteral("JAWKC");
    platform.modal->onShow<frmDeletePassword>([](frmDeletePassword& w) {
        w.setOKCharge(true);
        w.setVerifyID(QStringLiteral("9001"));
        w.close();
    });
    twoLines();
    overStockAnswers("1", "Proceed with Transaction");
    enter(2, frmEntryOP::colQuantity, "12");
    const QString shown = form->lblChargeSlip->text();
    ASSERT_TRUE(form->Save(1));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = ? AND VerifyID = '9001' "
                                   "AND isDirectTransaction = 0"),
                    {shown}),
              2);
    const Recordset log = db().query(QStringLiteral("SELECT Choice, ItemID, Quantity, OnHand, UserID FROM tbPharmaOverStockLog"));
    ASSERT_EQ(log.recordCount(), 1);
    EXPECT_EQ(log.text("Choice") + u'|' + log.text("ItemID") + u'|' + log.text("Quantity") + u'|' + log.text("OnHand") +
                  u'|' + log.text("UserID"),
              "Proceed with Transaction|1002|12|10|1234");
    const QString staged = QStringLiteral("SELECT ItemID || '|' || Description || '|' || CAST(Quantity AS INTEGER) FROM %1 "
                                          "WHERE UserID = ? AND IdNum = '5001A' AND RefNum = ? ORDER BY ItemID");
    const QStringList described{"1001|PARACETAMOL 500 MG TABLET (PARACETAMOL)|3",
                                "1002|PARACETAMOL 500 MG CAP (AMOXICILLIN)|12"};
    EXPECT_EQ(column(staged.arg("tbPharmaChargePrint"), {"HOST1", shown}).join(u'\n').toStdString(),
              described.join(u'\n').toStdString());
    EXPECT_EQ(column(staged.arg("tbPharmaChargePrintDump"), {"1234", shown}).join(u'\n').toStdString(),
              described.join(u'\n').toStdString());
    EXPECT_EQ(printOuts(), 1);
    EXPECT_EQ(form->strVerifyID(), "9001");
    // At site QVH a line is described by the drug's own name.
    gSiteCode = QStringLiteral("QVH");
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    ASSERT_TRUE(drug.SearchDrug(QStringLiteral("1002")));
    EXPECT_EQ(StagedChargeDescription(drug).toStdString(), "AMOXICILLIN 500 MG CAP");
}

// Print & Save under switch 16 previews the shipped out-patient slip with the screen's header and
// the posted lines re-read and staged under the workstation, then prints its copy.
TEST_P(frmEntryOPSaveTest, PrintSaveShowsTheShippedSlipAsItsGoldenFiles) {
    printToFiles(kOutpatientSlip);
    setPharmaSwitch(QStringLiteral("16"), true);
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    gHospitalAddress = QStringLiteral("1 MAIN ST");
    PreviewedSlip slip;
    capturePreviewedSlip(*platform.modal, slip);
    // The age shown is of today: a birthday 56 years ago keeps the reference still.
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET BirthDate = ? WHERE HospNum = 'H000101'"),
                 {QDateTime(db().serverNow().date().addYears(-56), QTime(0, 0))});
    twoLines();
    form->cmdPrintSave->click();
    EXPECT_EQ(slip.shown, 1);
    expectSlipGolden(QStringLiteral("OPDChargeSlip"), slip);
    EXPECT_EQ(printOuts(), 1) << "closed without printing, the preview is followed by the copies";
}

TEST_P(frmEntryOPSaveTest, NewVisitLinesLandOnOneNewVisit) {
    printToFiles(kOutpatientSlip);
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5002B"),
                              .person = {.hospNum = QStringLiteral("H000202"), .lastName = QStringLiteral("SANTOS"),
                                         .firstName = QStringLiteral("ANA"), .middleName = QString()}});
    db().execute(QStringLiteral("DELETE FROM patient_data.tbOutPatient WHERE IDNum = '5002B'"));
    pickVisit(QStringLiteral("H000202"), true);
    twoLines(QStringLiteral("H000202"));
    ASSERT_EQ(form->txtIDNum->text(), "NEW");
    const QString shown = form->lblChargeSlip->text();
    form->cmdPrintSave->click();
    const QStringList visits = column(QStringLiteral("SELECT DISTINCT IdNum FROM tbInvStockCard WHERE RefNum = ?"), {shown});
    ASSERT_EQ(visits.size(), 1);
    EXPECT_NE(visits[0], "NEWOPD");
    EXPECT_EQ(column(QStringLiteral("SELECT HospNum FROM patient_data.tbOutPatient WHERE IDNum = ?"), {visits[0]}),
              QStringList{"H000202"});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrintDump WHERE IdNum = ? AND RefNum = ?"),
                    {visits[0], shown}),
              2);
    EXPECT_EQ(printOuts(), 1);
}

// The copies follow the site default: no copies dialog, at site ZMX always two.
TEST_P(frmEntryOPSaveTest, PrintSaveCopiesFollowTheSiteDefault) {
    printToFiles(kOutpatientSlip);
    struct Case { const char* site; const char* stored; int copies; };
    const Case cases[] = {{"DEMO", "3", 3}, {"DEMO", "0", 1}, {"ZMX", "3", 2}, {"ZMX", "1", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.site) + " " + c.stored);
        gSiteCode = QString::fromLatin1(c.site);
        SaveChargeSlipCopies(QString::fromLatin1(c.stored));
        db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 100"));
        twoLines();
        const int before = printOuts();
        form->cmdPrintSave->click();
        EXPECT_EQ(printOuts() - before, c.copies);
        EXPECT_EQ(platform.modal->shown().count("qx::frmChargeSlipCopies"), 0);
    }
}

TEST_P(frmEntryOPSaveTest, ChecksRefuseAndWriteNothing) {
    db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName) "
                                "VALUES ('DD', 'Dangerous Drugs')"));
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString text;
    };
    const Case cases[] = {
        {"discount type ticked, answered No",
         [&] {
             form->discounts()->chkTypeA->setChecked(true);
             platform.messages->answer(vbNo);
         },
         "Please make sure than the discount rate was applied to the entries.  You can do this by clicking the APPLY "
         "button.  Do you wish to save your entries now?"},
        {"zero quantity", [&] { form->grdItemList->setTextMatrix(2, frmEntryOP::colQuantity, QStringLiteral("0")); },
         "Please check the quantity or amount of the entered items. Some entries have zero value!"},
        {"no S2 licence names the doctor of the visit",
         [&] {
             setPharmaSwitch(QStringLiteral("93"), true);
             db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemClassificationID = 'DD' WHERE ItemID = '1002'"));
             db().execute(QStringLiteral("UPDATE build_file.tbCoDoctor SET s2number = ' ' WHERE doctorid = 'D001'"));
         },
         "Please check S2Number and S2 Expiry of doctor: %1 on build file module. "},
        {"one line incomplete", [&] { form->grdItemList->setTextMatrix(2, frmEntryOP::colDosage, QString()); },
         "Line 2 (1002) has incomplete information.  Please check."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        twoLines();
        platform.messages->clear();
        c.arrange();
        const QString doctor = form->lblDoctor->text();
        EXPECT_FALSE(form->Save(1));
        ASSERT_FALSE(platform.messages->boxes().empty());
        EXPECT_EQ(platform.messages->last().text, QString(c.text).replace(QStringLiteral("%1"), doctor));
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
        EXPECT_TRUE(userLog().isEmpty());
        EXPECT_EQ(form->grdItemList->textMatrix(1, frmEntryOP::colCode), "1001") << "the screen keeps its lines";
        EXPECT_EQ(form->txtIDNum->text(), "5001A");
        setPharmaSwitch(QStringLiteral("93"), false);
        gLocationID = QStringLiteral("20");
    }
    // Yes goes on with the save.
    twoLines();
    form->discounts()->chkTypeA->setChecked(true);
    platform.messages->answer(vbYes);
    EXPECT_TRUE(form->Save(0));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 2);
}

TEST_P(frmEntryOPSaveTest, APrintFailingAfterTheCommitIsToldAndTheLinesStayPosted) {
    twoLines();
    const QString shown = form->lblChargeSlip->text();
    platform.messages->clear();
    EXPECT_TRUE(form->Save(1));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = ?"), {shown}), 2);
    ASSERT_FALSE(platform.messages->boxes().empty());
    EXPECT_TRUE(platform.messages->last().text.startsWith(
        "Charge slip " + shown + " was posted but could not be printed; reprint it from the posted medicines."));
    EXPECT_EQ(userLog().size(), 1);
}

QX_ON_BOTH_ENGINES(frmEntryOPSaveTest);

} // namespace
} // namespace qx::test
