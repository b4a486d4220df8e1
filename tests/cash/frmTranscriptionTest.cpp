#include "Builders.h"
#include "SourceTree.h"
#include "CashEntryFixture.h"

#include "cash/frmTranscription.h"
#include "platform/report/Report.h"
#include "platform/report/ReportPrinter.h"
#include "platform/report/ReportTestSupport.h"
#include "shell/ReportOpening.h"
#include "suite/DrugCatalogComponent.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace qx::test {
namespace {

// Patients with transcription lines waiting: two lines for 1001, one for 1002 (requested first).
class TranscriptionTest : public CashEntryTest {
protected:
    void SetUp() override {
        CashEntryTest::SetUp();
        addAdmittedPatient(db());
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("ABAD"),
                                             .firstName = QStringLiteral("ROSA"), .middleName = QStringLiteral("CRUZ")},
                                  .roomId = QStringLiteral("302")});
        addItem(db(), {.itemId = "2001", .name = "AMOXICILLIN", .genericId = "501", .onHand = 50, .priceOut = 4.5});
        addItem(db(), {.itemId = "2002", .name = "PARACETAMOL", .genericId = "502", .onHand = 50, .priceOut = 2});
        addLine("TR000003", "1002", "302", "501", "AMOXICILLIN", 3, QDateTime(QDate(2026, 1, 5), QTime(7, 0)));
        addLine("TR000001", "1001", "301", "501", "AMOXICILLIN", 2, QDateTime(QDate(2026, 1, 5), QTime(8, 0)));
        addLine("TR000002", "1001", "301", "502", "PARACETAMOL", 4, QDateTime(QDate(2026, 1, 5), QTime(8, 5)));
        db().execute(QStringLiteral("INSERT INTO tbInvPrescriptionOrders (IdNum, Orders) VALUES ('1001', 'AMOXICILLIN 500 MG TID')"));
        // The note is found where the program keeps its reports.
        const QString reports = QDir(platform.folders->program).filePath(QStringLiteral("Reports"));
        QDir().mkpath(reports);
        QFile::copy(sourcePath(QStringLiteral("Reports/TranscriptionNote.rpt")),
                    QDir(reports).filePath(QStringLiteral("TranscriptionNote.rpt")));
    }
    void TearDown() override {
        frmTranscription::Default().IDNum.clear();
        frmTranscription::Default().RoomID.clear();
        CashEntryTest::TearDown();
    }
    void addLine(const char* request, const char* idNum, const char* room, const char* generic, const char* name,
                 double quantity, const QDateTime& when) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaTranscription (RequestNum, RefNumber, IdNum, RoomID, RevenueID, "
                                    "GenericID, GenericName, Quantity, Dosage, Remarks, RequestDate, RequestedBy, RecordStatus) "
                                    "VALUES (?, ?, ?, ?, 'PH', ?, ?, ?, '1 CAP TID', 'AFTER MEALS', ?, 'DR. SANTOS', '')"),
                     {QString::fromLatin1(request), QStringLiteral("TN-") + QString::fromLatin1(idNum),
                      QString::fromLatin1(idNum), QString::fromLatin1(room), QString::fromLatin1(generic),
                      QString::fromLatin1(name), quantity, when});
    }
    QStringList admissions(const frmTranscription& w) const {
        QStringList ids;
        for (int row = 1; row < w.flexMSHList->rows(); ++row)
            ids << w.flexMSHList->textMatrix(row, 1);
        return ids;
    }
};

TEST_F(TranscriptionTest, ListsPatientsInEitherOrderAndHandsBackTheChosenOne) {
    frmTranscription w;
    showActive(&w);
    EXPECT_TRUE(w.chkSorted->isChecked());
    EXPECT_EQ(admissions(w), (QStringList{"1002", "1001"})) << "sorted by name";
    EXPECT_EQ(w.flexMSHList->textMatrix(0, 7), "Requested By");
    EXPECT_EQ(w.flexMSHList->colWidth(5), 0);
    EXPECT_EQ(w.lblRemarks->text(), "") << "a patient without orders clears the label";
    w.flexMSHList->setRow(2);
    EXPECT_EQ(w.lblRemarks->text(), "AMOXICILLIN 500 MG TID");

    w.chkSorted->setChecked(false);
    EXPECT_EQ(admissions(w), (QStringList{"1002", "1001"})) << "by first request";
    db().execute(QStringLiteral("UPDATE tbPharmaTranscription SET RequestDate = RequestDate, id = id + 100 WHERE IdNum = '1002'"));
    w.chkSorted->setChecked(true);
    w.chkSorted->setChecked(false);
    EXPECT_EQ(admissions(w), (QStringList{"1001", "1002"}));

    w.flexMSHList->setRow(1);
    w.cmdProcess->click();
    EXPECT_EQ(w.IDNum, "1001");
    EXPECT_EQ(w.RoomID, "301");
    EXPECT_EQ(w.Room, "301");
    EXPECT_EQ(w.RequestBy, "DR. SANTOS");
    EXPECT_EQ(w.Station, "STATION 3F");

    showActive(&w);
    EXPECT_EQ(w.IDNum, "") << "cleared on every load";
    w.cmdClose->click();
    EXPECT_EQ(w.IDNum, "");
    EXPECT_EQ(w.RoomID, "");

    showActive(&w);
    pressKey(&w, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.IDNum, "");
}

TEST_F(TranscriptionTest, NoPatientsDisablesProcessAndPrint) {
    db().execute(QStringLiteral("UPDATE tbPharmaTranscription SET RecordStatus = 'R'"));
    frmTranscription w;
    showActive(&w);
    EXPECT_EQ(w.flexMSHList->rows(), 2);
    EXPECT_FALSE(w.cmdProcess->isEnabled());
    EXPECT_FALSE(w.cmdPrint->isEnabled());
}

TEST_F(TranscriptionTest, PrintsTheNoteThroughThePrinterDialog) {
    QTemporaryDir out;
    report::setPrintFolder(out.path());
    frmTranscription w;
    showActive(&w);
    w.flexMSHList->setRow(2);
    platform.modal->onNextShow([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    w.cmdPrint->click();
    report::setPrintFolder(QString());
    EXPECT_EQ(platform.modal->shown(), QStringList{QStringLiteral("QPrintDialog")});
    EXPECT_EQ(QDir(out.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files),
              QStringList{QStringLiteral("TranscriptionNote-1.pdf")});
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_F(TranscriptionTest, NoteRendersAsItsGoldenFile) {
    std::shared_ptr<report::Report> note = report::Report::open(ResolveReportPath(QStringLiteral("TranscriptionNote.rpt")));
    LogOnReportTables(*note, QStringLiteral("Inventory"));
    note->setParameterValues({QStringLiteral("1001"), QStringLiteral("MARIA SANTOS")});
    note->setPrintTime(QDateTime(QDate(2026, 1, 5), QTime(9, 30)));
    report::test::expectGolden(QStringLiteral("../../../cash/golden/TranscriptionNote.txt"), note->document().toText());
}

// The transcription mode loads the picked patient's waiting lines; Clear Row revokes one.
class TranscriptionModeTest : public TranscriptionTest {
protected:
    void SetUp() override {
        TranscriptionTest::SetUp();
        drugComponent = std::make_shared<suite::DrugCatalogComponent>([this] { return &db(); });
        ASSERT_TRUE(drugComponent->InitConnect(db().connectionString()));
        gComponents.gDrug = drugComponent;
        gDrugListByGeneric = true;
    }
    void TearDown() override {
        form.reset();
        gComponents.gDrug.reset();
        TranscriptionTest::TearDown();
    }
    std::shared_ptr<suite::DrugCatalogComponent> drugComponent;
};

TEST_F(TranscriptionModeTest, LoadsTheRequestAndClearRowRevokesALine) {
    frmTranscription::Default().IDNum = QStringLiteral("1001");
    frmTranscription::Default().RoomID = QStringLiteral("301");
    open();
    form->setIsTransNote(true);
    showActive(form.get());
    EXPECT_TRUE(form->chkInPatient->isChecked());
    EXPECT_EQ(form->txtPatName->text(), "DELA CRUZ, JUAN SANTOS");
    EXPECT_EQ(form->ReferenceNumber(), "TN-1001");
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCode), "2001");
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colQuantity), "2");
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colTranscriptionRequest), "TR000001");
    EXPECT_EQ(grid()->textMatrix(2, frmCashEntry::colCode), "2002");
    EXPECT_EQ(grid()->textMatrix(2, frmCashEntry::colQuantity), "4");
    EXPECT_EQ(grid()->textMatrix(2, frmCashEntry::colAmount), "21.00") << "4 at the in-patient price";
    EXPECT_EQ(grid()->textMatrix(3, frmCashEntry::colCode), "");

    grid()->setRow(1);
    platform.messages->answer(vbYes);
    form->cmdClearRow_Click();
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus FROM tbPharmaTranscription WHERE RequestNum = 'TR000001'"))
                  .text(QStringLiteral("RecordStatus")),
              "R");
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus FROM tbPharmaTranscription WHERE RequestNum = 'TR000002'"))
                  .text(QStringLiteral("RecordStatus")),
              "");
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCode), "2002") << "the line below moves up";
}

TEST_F(TranscriptionModeTest, AnUnknownPatientLoadsNothing) {
    frmTranscription::Default().IDNum = QStringLiteral("4040");
    open();
    form->setIsTransNote(true);
    showActive(form.get());
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCode), "");
    EXPECT_TRUE(platform.modal->shown().isEmpty()) << "mode 2 opens no picker";
}

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

// The two procedures on both engines: waiting patients in either order, and one line revoked.
class TranscriptionProceduresTest : public DbTest {};

TEST_P(TranscriptionProceduresTest, ListsWaitingPatientsAndRevokesOneLine) {
    addAdmittedPatient(db());
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                              .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("ABAD")}});
    int n = 0;
    for (const char* idNum : {"1001", "1002", "1001"})
        db().execute(QStringLiteral("INSERT INTO tbPharmaTranscription (RequestNum, RefNumber, IdNum, RoomID, RevenueID, "
                                    "GenericID, GenericName, Quantity, RecordStatus) VALUES (?, 'TN', ?, '301', 'PH', "
                                    "'501', 'AMOXICILLIN', 1, '')"),
                     {QStringLiteral("TR%1").arg(++n), QString::fromLatin1(idNum)});
    const auto patients = [&](int order) {
        QStringList ids;
        const auto rs = db().callProcedure(QStringLiteral("Pharma_PatientTranscription"),
                                           {{QStringLiteral("@RevenueID"), QStringLiteral("PH")}, {QStringLiteral("@Order"), order}});
        for (int i = 0; rs && i < rs->recordCount(); ++i)
            ids << rs->valueAt(i, QStringLiteral("IDNum")).toString();
        return ids;
    };
    EXPECT_EQ(patients(1), (QStringList{"1002", "1001"}));
    EXPECT_EQ(patients(2), (QStringList{"1001", "1002"}));

    db().callProcedure(QStringLiteral("Drug_RevokTranscription"),
                       {{QStringLiteral("@RequestNum"), QStringLiteral(" TR2 ")}, {QStringLiteral("@EmployeeCode"), QStringLiteral("E001")}});
    EXPECT_EQ(patients(1), QStringList{"1001"}) << "no waiting line left for 1002";
}

QX_ON_BOTH_ENGINES(TranscriptionProceduresTest);

} // namespace
} // namespace qx::test
