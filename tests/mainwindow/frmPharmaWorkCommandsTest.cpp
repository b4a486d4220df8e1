#include "Builders.h"
#include "MainWindowFixture.h"
#include "suite/InpatientFilePatient.h"

#include <QTreeWidget>

namespace qx::test {
namespace {

// The main window with its tree, one row in the work list, and spies under every window the
// row commands open: each writes down its inputs and answers what the test chose.
class WorkCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        gComponents.gPatient = std::make_shared<suite::InpatientFilePatient>([this] { return &db(); });
        gComponents.gPatient->InitConnect(db().connectionString());
        registerSpyOpeners({"mnuPending.frmCommEntry", "mnuPending.frmCommEntryOP", "mnuAutoDispense",
                            "mnuProcessTranscription", "mnuPreviousPres", "mnuOutPatientPres", "mnuReprint",
                            "mnuAssessment.frmSISequence", "mnuAssessment.frmCashEntry"});
        window = std::make_unique<frmPharma>();
        ASSERT_TRUE(window->LoadTreeView());
    }
    void TearDown() override {
        window.reset();
        ClearWindowOpeners();
        MainWindowTest::TearDown();
    }
    // Columns 0 to 8 of the current row, as the list loader would leave them.
    void row(const QStringList& cells) {
        putListRow(*window, window->NodeKey(window->treCategory->currentItem()), cells);
        opened.clear();
        platform.messages->clear();
    }
    QString lastMessage() {
        return platform.messages->boxes().empty()
                   ? QString()
                   : platform.messages->last().text + u'|' + QString::number(platform.messages->last().icon()) + u'|' +
                         platform.messages->last().title;
    }
    void setPharmaSwitch(const QString& key, bool on) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, on ? 1 : 0});
        gPharmaSwitches.Load(db(), gSiteCode);
    }

    std::unique_ptr<frmPharma> window;
};

TEST_F(WorkCommandsTest, PendingRequestsOpenTheScreenOfTheIdsKindAndAskForAReloadUnlessCancelled) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("0001234")});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("0005678"), .person = {.hospNum = QStringLiteral("H000002")},
                              .billingDate = QDateTime(QDate(2026, 1, 9), QTime(9, 0))});
    struct Case {
        const char* id;
        const char* site;
        QVariant cancelled;  // invalid: the screen answered nothing
        bool refreshBefore;
        const char* opened;
        const char* message;
        bool refreshAfter;
    };
    const char* const billClosed = "Patient's bill has been closed.  Please verify with Billing section.|64|MESSAGE";
    const Case cases[] = {
        {" 0001234 ", "DEMO", false, false, "mnuPending.frmCommEntry(PatientID=0001234,RequestedStationID=3F)", "", true},
        {"0001234", "DEMO", true, true, "mnuPending.frmCommEntry(PatientID=0001234,RequestedStationID=3F)", "", false},
        {"0001234", "DEMO", QVariant(), true, "mnuPending.frmCommEntry(PatientID=0001234,RequestedStationID=3F)", "", false},
        {"0001234", "YRD", false, false,
         "mnuPending.frmCommEntry(PatientID=0001234,RequestedStationID=3F,txtIDNum=0001234)", "", true},
        // A closed bill refuses and leaves the flag as it was.
        {"0005678", "DEMO", false, true, "", billClosed, true},
        {"0005678", "DEMO", false, false, "", billClosed, false},
        // Visits and empty ids go to the out-patient screen, never checked for a bill.
        {"OP012A", "DEMO", false, false,
         "mnuPending.frmCommEntryOP(PatientID=OP012A,RequestedStationID=3F,StationName=STATION 3F)", "", true},
        {"", "DEMO", true, true, "mnuPending.frmCommEntryOP(PatientID=,RequestedStationID=3F,StationName=STATION 3F)",
         "", false},
    };
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        spyAnswer.clear();
        if (c.cancelled.isValid())
            spyAnswer.insert(QStringLiteral("CancelledForm"), c.cancelled);
        gRefreshWorkList = c.refreshBefore;
        row({"H1", QString::fromLatin1(c.id), "NAME", "301", " STATION 3F ", " 3F "});
        window->mnuPending_Click();
        EXPECT_EQ(opened.join(u';').toStdString(), c.opened) << c.id;
        EXPECT_EQ(lastMessage().toStdString(), c.message) << c.id;
        EXPECT_EQ(gRefreshWorkList, c.refreshAfter) << c.id;
        EXPECT_FALSE(platform.cursor->isBusy());
    }
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(WorkCommandsTest, OutPatientScreenRefreshesTheEmergencyBadge) {
    addOutPatientVisit(db(), {.idNum = QStringLiteral("7001E"), .erNum = 1});
    addPendingRequest(db(), {.idNum = QStringLiteral("7001E"), .hospNum = QStringLiteral("H000101")});
    window->lblCountOutReqER->clear();
    row({"H000101", "7001E", "REYES", "ER", "STATION 3F", "3F"});
    window->mnuPending_Click();
    EXPECT_EQ(window->lblCountOutReqER->text(), QStringLiteral("1"));
}

TEST_F(WorkCommandsTest, AutomaticDispensingRefusesInOrderThenOpensWithTheUntrimmedId) {
    addAdmittedPatient(db());
    const QString who = QStringLiteral("DELA CRUZ, JUAN ( with Admission # 1001 ) ");
    const QString withNotice = who + " is with discharge notice. Please verify with the billing section.|16|WARNING";
    const QString cleared = who + " is already cleared. Please verify with the billing section.|16|MESSAGE";
    // Notices as department:cleared ("PH:1" a pharmacy notice already cleared).
    struct Case {
        bool cashBasis;
        QStringList notices;
        QString message;
        const char* opened;
    };
    const Case cases[] = {
        {true, {"PH:0"}, who + "is for cash basis only. Please verify with the billing section.|16|WARNING", ""},
        {false, {"PH:0"}, withNotice, ""},
        {false, {"PH:1"}, cleared, ""},
        {false, {"PH:1", "LAB:0"}, withNotice, ""},
        {false, {"LAB:1"}, QString(), "mnuAutoDispense(PatientID= 1001 )"},
        {false, {}, QString(), "mnuAutoDispense(PatientID= 1001 )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notices.join(u',').toStdString());
        db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET CashBasisOnly = ? WHERE IDNum = '1001'"),
                     {c.cashBasis ? 1 : 0});
        db().execute(QStringLiteral("DELETE FROM patient_data.tbDischargeNotice"));
        for (const QString& notice : c.notices) {
            const QDateTime noticed(QDate(2026, 1, 9), QTime(7, 45));
            const bool isCleared = notice.section(u':', 1) == QStringLiteral("1");
            db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, ClearDate) "
                                        "VALUES ('1001', ?, ?, ?)"),
                         {notice.section(u':', 0, 0), noticed,
                          isCleared ? QVariant(noticed.addSecs(3600)) : QVariant(QMetaType::fromType<QDateTime>())});
        }
        gRefreshWorkList = false;
        row({"H000001", " 1001 ", " DELA CRUZ, JUAN "});
        window->mnuAutoDispense_Click();
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(opened.join(u';').toStdString(), c.opened);
        EXPECT_FALSE(gRefreshWorkList);
    }
}

TEST_F(WorkCommandsTest, TranscriptionNoteRefusesAClosedBillAndReloadsOnlyAfterASale) {
    QTreeWidgetItem* node = window->TreeNode(QStringLiteral("_1.1"));
    window->treCategory->setCurrentItem(node);
    struct Case { const char* closed; QVariant saved; const char* opened; bool reloaded; };
    const Case cases[] = {
        {"X", true, "", false},
        {"", false, "mnuProcessTranscription(IDNum=1001,RoomID=301)", false},
        {"", QVariant(), "mnuProcessTranscription(IDNum=1001,RoomID=301)", false},
        {"", true, "mnuProcessTranscription(IDNum=1001,RoomID=301)", true},
    };
    for (const Case& c : cases) {
        spyAnswer.clear();
        if (c.saved.isValid())
            spyAnswer.insert(QStringLiteral("EntrySaved"), c.saved);
        row({"H1", " 1001 ", "NAME", " 301 ", "", "", QString::fromLatin1(c.closed)});
        window->mnuProcessTranscription_Click();
        EXPECT_EQ(opened.join(u';').toStdString(), c.opened) << c.closed;
        EXPECT_EQ(lastMessage().isEmpty(), *c.closed == '\0');
        // The reload replaces the row with the node's list, empty here.
        EXPECT_EQ(window->flexMSHList->textMatrix(1, 1) != QStringLiteral(" 1001 "), c.reloaded) << c.closed;
    }
}

TEST_F(WorkCommandsTest, OtherRowCommandsPassTheirValues) {
    struct Case {
        void (frmPharma::*command)();
        QVariant cancelled;
        const char* opened;
        bool refreshAfter;
    };
    const Case cases[] = {
        {&frmPharma::mnuPreviousPres_Click, false, "mnuPreviousPres(PatientID=1001,RequestedStationID=3F)", true},
        {&frmPharma::mnuPreviousPres_Click, true, "mnuPreviousPres(PatientID=1001,RequestedStationID=3F)", false},
        {&frmPharma::mnuOutPatientPres_Click, false, "mnuOutPatientPres(PatientID=1001,RequestedStationID=3F)", true},
        {&frmPharma::mnuOutPatientPres_Click, QVariant(), "mnuOutPatientPres(PatientID=1001,RequestedStationID=3F)",
         false},
        {&frmPharma::mnuReprint_Click, QVariant(), "mnuReprint(txtIndicator=RP)", false},
    };
    for (const Case& c : cases) {
        spyAnswer.clear();
        if (c.cancelled.isValid())
            spyAnswer.insert(QStringLiteral("CancelledForm"), c.cancelled);
        gRefreshWorkList = false;
        row({"H1", " 1001 ", "NAME", "301", "STATION 3F", " 3F "});
        (window.get()->*c.command)();
        EXPECT_EQ(opened.join(u';').toStdString(), c.opened);
        EXPECT_EQ(gRefreshWorkList, c.refreshAfter) << c.opened;
    }
    // The assessment command asks the cashier's sequence first at a stand-alone site.
    for (const bool standAlone : {true, false}) {
        setPharmaSwitch(QStringLiteral("24"), standAlone);
        row({});
        window->mnuAssessment_Click();
        EXPECT_EQ(opened.join(u';'), standAlone ? QStringLiteral("mnuAssessment.frmSISequence")
                                                : QStringLiteral("mnuAssessment.frmCashEntry(isTransNote=false)"));
    }
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

} // namespace
} // namespace qx::test
