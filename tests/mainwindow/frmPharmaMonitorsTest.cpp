#include "Builders.h"
#include "MainWindowFixture.h"
#include "platform/PictureButton.h"
#include "platform/WidgetColors.h"
#include "shell/WindowOpeners.h"
#include "suite/InpatientFilePatient.h"

#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

namespace qx::test {
namespace {

// The main window with its tree and characters, over a database of the test's own; the timers
// are driven by calling their ticks.
template <typename Base>
class MonitorTestOn : public MainWindowTestOn<Base> {
protected:
    using MainWindowTestOn<Base>::db;

    void SetUp() override {
        MainWindowTestOn<Base>::SetUp();
        if (::testing::Test::IsSkipped())
            return;
        gComponents.gPatient = std::make_shared<suite::InpatientFilePatient>([this] { return &db(); });
        gComponents.gPatient->InitConnect(db().connectionString());
        addItem(db());
        addAdmittedPatient(db());
        addOutPatientVisit(db());
        addOutPatientVisit(db(), {.idNum = QStringLiteral("7001E"),
                                  .person = {.hospNum = QStringLiteral("H000102"), .lastName = QStringLiteral("SANTOS")},
                                  .erNum = 3});
    }
    void TearDown() override {
        window.reset();
        ClearWindowOpeners();
        MainWindowTestOn<Base>::TearDown();
    }
    frmPharma& build() {
        window = std::make_unique<frmPharma>();
        EXPECT_TRUE(window->LoadTreeView());
        window->Agent1.Load(QStringLiteral("merlin"));
        window->agtPeedy.Load(QStringLiteral("peedy"));
        for (QTimer* timer : window->findChildren<QTimer*>())
            timer->stop();
        return *window;
    }
    void request(const QString& id, const QString& hosp, const QString& number) {
        addPendingRequest(db(), {.idNum = id, .hospNum = hosp, .requestNumber = number});
    }
    void setSwitch(const QString& key, bool on) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, on ? 1 : 0});
    }
    // The hospital's setting as the request checks read it.
    void setSeparateER(bool on) {
        db().execute(QStringLiteral("DELETE FROM tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO tbHospitalInfo (isSeparateER) VALUES (?)"), {on ? 1 : 0});
    }
    QStringList queued(const QString& id) const {
        return (id == QStringLiteral("merlin") ? window->Agent1 : window->agtPeedy).Characters(id).queuedRequests();
    }

    std::unique_ptr<frmPharma> window;
};

using MonitorTest = MonitorTestOn<SqliteTest>;
class MonitorEnginesTest : public MonitorTestOn<DbTest> {};

TEST_P(MonitorEnginesTest, DetectorsLightTheirIndicatorsAndBadges) {
    gSeparateER = true;
    setSeparateER(true);
    frmPharma& w = build();
    // Nothing waits: every face quiet, the detectors keep watching.
    w.timerDetect->start();
    w.timerDetect_Timer();
    EXPECT_TRUE(w.lblPendingBlackIn->isHidden());
    EXPECT_TRUE(w.timerDetect->isActive());
    EXPECT_FALSE(w.timerB->isActive());

    request(QStringLiteral("1001"), QStringLiteral("H000001"), QStringLiteral("RQ1"));
    request(QStringLiteral("5001A"), QStringLiteral("H000101"), QStringLiteral("RQ2"));
    request(QStringLiteral("7001E"), QStringLiteral("H000102"), QStringLiteral("RQ3"));
    struct Case {
        void (frmPharma::*tick)();
        QTimer* frmPharma::*detector;
        QTimer* frmPharma::*copier;
        QLabel* frmPharma::*alert;
        QLabel* frmPharma::*quiet;
        QLabel* frmPharma::*badge;
        const char* count;
    };
    const Case cases[] = {
        {&frmPharma::timerDetect_Timer, &frmPharma::timerDetect, &frmPharma::timerB, &frmPharma::lblPendingBlackIn,
         &frmPharma::lblPendingBlueIn, &frmPharma::lblCountInReq, "1"},
        {&frmPharma::TimerOut_Timer, &frmPharma::TimerOut, &frmPharma::TimerOutB, &frmPharma::lblPendingBlackOut,
         &frmPharma::lblPendingBlueOut, &frmPharma::lblCountOutReq, "1"},  // the E.R. visit is listed apart
        {&frmPharma::TimerER_Timer, &frmPharma::TimerER, &frmPharma::TimerERB, &frmPharma::lblPendingBlackER,
         &frmPharma::lblPendingBlueER, &frmPharma::lblCountOutReqER, "1"},
    };
    for (const Case& c : cases) {
        (w.*c.detector)->start();
        (w.*c.tick)();
        EXPECT_FALSE((w.*c.alert)->isHidden()) << (w.*c.alert)->objectName().toStdString();
        EXPECT_TRUE((w.*c.quiet)->isHidden());
        EXPECT_FALSE((w.*c.detector)->isActive());
        EXPECT_TRUE((w.*c.copier)->isActive());
        EXPECT_FALSE((w.*c.badge)->isHidden());
        EXPECT_EQ((w.*c.badge)->text().toStdString(), c.count);
    }
    // A tree click re-arms the in- and out-patient detectors only.
    QTreeWidgetItem* node = w.TreeNode(QStringLiteral("_4"));
    w.treCategory->setCurrentItem(node);
    w.treCategory_NodeClick(node);
    EXPECT_TRUE(w.timerDetect->isActive());
    EXPECT_TRUE(w.TimerOut->isActive());
    EXPECT_FALSE(w.timerB->isActive());
    EXPECT_TRUE(w.lblPendingBlackIn->isHidden());
    EXPECT_FALSE(w.TimerER->isActive());
    EXPECT_FALSE(w.lblPendingBlackER->isHidden());

    // Served: the count 0 hides the badge; a count that cannot be read leaves it as it was.
    db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'S' WHERE IDNum = '1001'"));
    w.timerDetect_Timer();
    EXPECT_TRUE(w.lblPendingBlackIn->isHidden());
    EXPECT_TRUE(w.lblCountInReq->isHidden());
    EXPECT_TRUE(w.Picture4->isHidden());
    w.lblCountOutReq->setText(QStringLiteral("9"));
    db().executeScript(QStringLiteral("DROP TABLE station.tbNurseCommunicationFile"));
    w.TimerOut_Timer();  // the failing check changes nothing
    EXPECT_EQ(w.lblCountOutReq->text(), QStringLiteral("9"));
    EXPECT_TRUE(w.TimerOut->isActive());
    EXPECT_TRUE(w.lblPendingBlackOut->isHidden());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(MonitorTest, SettingsOffMeanNoQueryAndNoIndicator) {
    frmPharma& w = build();
    request(QStringLiteral("7001E"), QStringLiteral("H000102"), QStringLiteral("RQ3"));
    gSeparateER = false;
    gPharmaPackageRequest = false;
    EXPECT_FALSE(w.CheckPendingRequest3(QStringLiteral("PH")));
    EXPECT_FALSE(w.CheckKVRS_Request(QStringLiteral("01/05/2026")));
    // Package requests in use but none open: the first tick hides the whole indicator.
    gPharmaPackageRequest = true;
    w.picKVRS->show();
    w.tmrDetectKVRS->start();
    w.tmrDetectKVRS_Timer();
    EXPECT_TRUE(w.picKVRS->isHidden());
    db().execute(QStringLiteral("INSERT INTO tbKVRSPackageRequest (ChargeSlip, RevenueID, HospNum, IDNum, RequestDate) "
                                "VALUES ('KV0001', 'PH', 'H000001', '1001', ?)"),
                 {db().serverNow()});
    w.tmrDetectKVRS_Timer();
    EXPECT_FALSE(w.picKVRS->isHidden());
    EXPECT_FALSE(w.lblKVRS->isHidden());
    EXPECT_TRUE(w.lblKVRSBlue->isHidden());
    EXPECT_FALSE(w.tmrDetectKVRS->isActive());
    EXPECT_TRUE(w.tmrKVRSB->isActive());
    QStringList opened;
    RegisterWindowOpener(QStringLiteral("frmRequestKVRS"), [&](const WindowValues&) {
        opened << QStringLiteral("frmRequestKVRS");
        return WindowValues{};
    });
    w.lblKVRS_Click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("frmRequestKVRS")});
}

TEST_F(MonitorTest, PulseCyclesAndCopiersFollowIt) {
    frmPharma& w = build();
    setBackColor(w.lblPendingRed, 0x40);
    QStringList seen;
    for (int i = 0; i < 7; ++i) {
        w.TimerColor_Timer();
        seen << QString::number(backColor(w.lblPendingRed), 16);
    }
    EXPECT_EQ(seen.join(u','), QStringLiteral("c0c0ff,8080ff,ff,c0,80,40,c0c0ff"));
    w.timerB_Timer();
    w.tmrKVRSB_Timer();
    EXPECT_EQ(backColor(w.lblPendingBlackIn), ColorValue(0xC0C0FF));
    EXPECT_EQ(backColor(w.lblKVRS), ColorValue(0xC0C0FF));
    setBackColor(w.lblPendingRed, 0x123456);  // outside the cycle: left alone
    w.TimerColor_Timer();
    EXPECT_EQ(backColor(w.lblPendingRed), ColorValue(0x123456));

    // The returned-medicine button pulses through its twelve steps and rests on the button face.
    db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, CreditMemo, RevenueID) VALUES ('1001', 'SR1', 'PC')"));
    w.Timer1_Timer();
    EXPECT_TRUE(w.Timer2->isActive());
    for (int i = 0; i < 13; ++i)
        w.Timer2_Timer();
    EXPECT_EQ(backColor(w.cmdCommunication), ColorValue(0xC0FFFF));
    EXPECT_EQ(w.CommunicationPulseStep(), 1);
    db().execute(QStringLiteral("UPDATE tbPharmaCommunication SET RecordStatus = 'C'"));
    w.Timer1_Timer();
    EXPECT_FALSE(w.Timer2->isActive());
    EXPECT_EQ(backColor(w.cmdCommunication), ColorValue(0x8000000F));
}

TEST_P(MonitorEnginesTest, CashAndStockMonitorsBlinkWhileTheyFindRows) {
    frmPharma& w = build();
    for (int i = 1; i <= 3; ++i)
        db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, Name, Quantity, Amount, "
                                    "TransDate) VALUES (?, 'PH', 'PARA500', 'WALK-IN', 1, 10, ?)"),
                     {QStringLiteral("PH00000%1").arg(i), db().serverNow()});
    w.tmrCash_Timer();
    EXPECT_TRUE(w.tmrCashBlink->isActive());
    EXPECT_FALSE(w.lblCashNum->isHidden());
    EXPECT_EQ(w.lblCashNum->text(), QStringLiteral("3"));
    w.tmrCashBlink_Timer();
    EXPECT_EQ(backColor(w.lblCashPatient), ColorValue(0x40));
    w.tmrCashBlink_Timer();
    EXPECT_EQ(backColor(w.lblCashPatient), ColorValue(0x800000));
    w.tmrCashBlink_Timer();
    db().execute(QStringLiteral("UPDATE billing.tbCashAssessment SET RecordStatus = 'R'"));
    w.tmrCash_Timer();
    EXPECT_FALSE(w.tmrCashBlink->isActive());
    EXPECT_TRUE(w.lblCashNum->isHidden());
    EXPECT_EQ(backColor(w.lblCashPatient), ColorValue(0x800000));

    // Critical stock: an active item of the main pharmacy at or below its minimum.
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 100, MinStockLevel = 10"));
    w.tmrCriticalStocks_Timer();
    EXPECT_FALSE(w.tmrBlinkCritical->isActive());
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 10 WHERE LocationID = '20'"));
    w.tmrCriticalStocks_Timer();
    EXPECT_TRUE(w.tmrBlinkCritical->isActive());
    w.tmrBlinkCritical_Timer();
    EXPECT_EQ(backColor(w.lblCriticalStocks), ColorValue(0xC0));
    // Expiring drugs: on hand and expiring within the quarter.
    w.tmrExpiringDrugs_Timer();
    EXPECT_FALSE(w.tmrBlinkExpire->isActive());
    db().execute(QStringLiteral("UPDATE tbInvent SET MacExpiry = ? WHERE LocationID = '20'"),
                 {QDateTime(db().serverNow().date().addDays(30), QTime(0, 0))});
    w.tmrExpiringDrugs_Timer();
    EXPECT_TRUE(w.tmrBlinkExpire->isActive());
}

TEST_F(MonitorTest, LoadSetsUpTheMonitorsBySiteAndSwitch) {
    struct Case { const char* site; bool critical, expiring; bool cash; };
    const Case cases[] = {{"GIVRC", true, false, true}, {"DEMO", false, true, false}};
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        setSwitch(QStringLiteral("7"), c.critical);
        setSwitch(QStringLiteral("8"), c.expiring);
        frmPharma w;
        w.Form_Load();
        EXPECT_EQ(w.pctCash->isHidden(), !c.cash) << c.site;
        EXPECT_EQ(w.tmrCash->isActive(), c.cash) << c.site;
        EXPECT_EQ(w.lblCriticalStocks->isHidden(), !c.critical) << c.site;
        EXPECT_EQ(w.tmrCriticalStocks->isActive(), c.critical) << c.site;
        EXPECT_EQ(w.lblExpiringDrugs->isHidden(), !c.expiring) << c.site;
        EXPECT_FALSE(w.TimerER->isActive());  // E.R. patients are not listed apart
        EXPECT_TRUE(w.Picture3->isHidden());
        EXPECT_FALSE(w.tmrDetectKVRS->isActive());
        EXPECT_NO_THROW(w.Agent1.Characters(QStringLiteral("MERLIN")));
    }
}

TEST_F(MonitorTest, CharactersAnnounceRepeatAndHide) {
    frmPharma& w = build();
    const QStringList announcement = {QStringLiteral("Show"), QStringLiteral("Play announce"),
                                      QStringLiteral("Speak Hi i'm Peedy. You have pending requests!"),
                                      QStringLiteral("Speak To process requests, double click me!"),
                                      QStringLiteral("Play idle1_1")};
    Announcer& peedy = w.agtPeedy.Characters(QStringLiteral("peedy"));
    w.tmrPeedyNotice->start();
    w.tmrPeedyNotice_Timer();  // nothing waits
    EXPECT_TRUE(queued(QStringLiteral("peedy")).isEmpty());
    EXPECT_FALSE(w.tmrPeedy->isActive());
    EXPECT_TRUE(w.tmrPeedyNotice->isActive());

    request(QStringLiteral("1001"), QStringLiteral("H000001"), QStringLiteral("RQ1"));
    w.tmrPeedyNotice_Timer();
    EXPECT_EQ(queued(QStringLiteral("peedy")), announcement);
    EXPECT_TRUE(w.tmrPeedy->isActive());
    EXPECT_EQ(w.lblCountInReq->text(), QStringLiteral("1"));
    // Played in order; the balloon shows what was said.
    for (int i = 0; i < 3; ++i)
        peedy.playNext();
    EXPECT_TRUE(peedy.isVisible());
    EXPECT_EQ(peedy.balloonText(), QStringLiteral("Hi i'm Peedy. You have pending requests!"));
    w.tmrPeedy_Timer();  // the repeat queues a new announcement behind what is left
    EXPECT_EQ(queued(QStringLiteral("peedy")).size(), 2 + announcement.size());

    // Switch 14 silences it; with nothing left it hides.
    setSwitch(QStringLiteral("14"), true);
    db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'S'"));
    w.tmrPeedyNotice_Timer();
    EXPECT_TRUE(w.tmrPeedy->isActive());
    setSwitch(QStringLiteral("14"), false);
    w.tmrPeedyNotice_Timer();
    EXPECT_FALSE(w.tmrPeedy->isActive());
    EXPECT_TRUE(queued(QStringLiteral("peedy")).isEmpty());
    EXPECT_FALSE(peedy.isVisible());

    // Merlin: a notice announces and repeats, none hides it.
    db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate) VALUES ('1001', 'PH', ?)"),
                 {db().serverNow()});
    w.tmrNotice_Timer();
    EXPECT_EQ(queued(QStringLiteral("merlin")).value(2), QStringLiteral("Speak You have a discharge notice!"));
    EXPECT_EQ(queued(QStringLiteral("merlin")).value(3), QStringLiteral("Speak Double Click on the wizard."));
    EXPECT_TRUE(w.tmrMerlin->isActive());
    EXPECT_TRUE(w.tmrNotice->isActive());
    EXPECT_TRUE(w.WarningNotice(QStringLiteral("1001")));
    EXPECT_FALSE(w.WarningNotice(QStringLiteral("1002")));
    db().execute(QStringLiteral("UPDATE patient_data.tbDischargeNotice SET ClearDate = ?"), {db().serverNow()});
    EXPECT_FALSE(w.WarningNotice(QStringLiteral("1001"))) << "a cleared notice no longer warns";
    w.tmrNotice_Timer();
    EXPECT_FALSE(w.tmrMerlin->isActive());
    EXPECT_EQ(queued(QStringLiteral("merlin")).last(), QStringLiteral("Hide"));
}

TEST_F(MonitorTest, PeedyDoubleClickJumpsToTheBranchWithPendingRequests) {
    struct Case { const char* ids; bool separateER; const char* selected; };
    const Case cases[] = {
        {"1001,5001A", false, "_1.1"},
        {"5001A", false, "_2.1"},
        {"7001E", true, "_8.1"},
        {"", true, "_1"},
    };
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        int n = 0;
        for (const QString& id : QString::fromLatin1(c.ids).split(u',', Qt::SkipEmptyParts))
            addPendingRequest(db(), {.idNum = id, .requestNumber = QStringLiteral("RQ%1").arg(++n)});
        gSeparateER = c.separateER;
        setSeparateER(c.separateER);
        frmPharma& w = build();
        w.treCategory->setCurrentItem(w.TreeNode(QStringLiteral("_1")));
        w.agtPeedy_DblClick();
        EXPECT_EQ(frmPharma::NodeKey(w.treCategory->currentItem()).toStdString(), c.selected) << c.ids;
        EXPECT_EQ(queued(QStringLiteral("peedy")).isEmpty(), QString::fromLatin1(c.ids).isEmpty()) << c.ids;
    }
}

TEST_F(MonitorTest, ClicksOpenTheReportsTheListsAndTheCashBranch) {
    gSiteCode = QStringLiteral("GIVRC");
    frmPharma& w = build();
    w.lblCriticalStocks_Click();
    w.lblExpiringDrugs_Click();
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmView")), 2);
    QStringList opened;
    RegisterWindowOpener(QStringLiteral("frmListPharmaCommunication"), [&](const WindowValues&) {
        opened << QStringLiteral("list");
        return WindowValues{};
    });
    w.cmdCommunication_Click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("list")});
    w.lblCashPatient_Click();  // position 7 at GIVRC without E.R.: the Cash branch
    EXPECT_EQ(frmPharma::NodeKey(w.treCategory->currentItem()), QStringLiteral("_4.1"));
}

QX_ON_BOTH_ENGINES(MonitorEnginesTest);

} // namespace
} // namespace qx::test
