// The monitors of cash assessments, critical stocks, expiring drugs, returned medicines and
// discharge notices, and the two announcing characters with what their double-clicks start.
#include "mainwindow/frmPharma.h"

#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "mainwindow/frmClearPatient.h"
#include "mainwindow/frmDischargeNotice.h"
#include "platform/ErrorHandling.h"
#include "platform/PictureButton.h"
#include "platform/WidgetColors.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"

#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

namespace qx {

namespace {

const QString kMonitorsModule = QStringLiteral("frmPharma");
const QString kCashIndicatorSite = QStringLiteral("GIVRC");

constexpr ColorValue kQuietColor = 0x800000;
constexpr ColorValue kCashBlinkColor = 0x40;
constexpr ColorValue kStockBlinkColor = 0xC0;
constexpr ColorValue kButtonFace = 0x8000000F;
const ColorValue kCommunicationPulse[] = {0xC0FFFF, 0x80FFFF, 0xFFFF, 0xC0C0, 0x8080, 0x4040,
                                          0x4040,   0x8080,   0xC0C0, 0xFFFF, 0x80FFFF, 0xC0FFFF};

constexpr int kCashBranchPosition = 7;

// Alternates a label's back colour between the quiet dark blue and `other`.
void blink(QLabel* label, ColorValue other) {
    const ColorValue now = backColor(label);
    if (now == other)
        setBackColor(label, kQuietColor);
    else if (now == kQuietColor)
        setBackColor(label, other);
}

frmView& monitorReportWindow() {
    static frmView* window = new frmView();
    return *window;
}

void showReport(qint16 code) {
    frmView& window = monitorReportWindow();
    window.setWhatReport(code);
    showModal(window);
}

} // namespace

void frmPharma::setUpMonitorsAtLoad() {
    // Step 10: the cash indicator of the one site that has it.
    if (gSiteCode == kCashIndicatorSite) {
        pctCash->move(Picture5->x() + Picture5->width(), pctCash->y());
        pctCash->show();
        lblCashPatient->move(lblCashPatient->x(), lblPendingBlackOut->y());
        tmrCash->start();
    }
    // Steps 13 and 14: the stock monitors behind their switches, each run once now.
    const bool critical = GetPharmaSwitch(QStringLiteral("7"));
    lblCriticalStocks->setVisible(critical);
    critical ? tmrCriticalStocks->start() : tmrCriticalStocks->stop();
    if (critical)
        tmrCriticalStocks_Timer();
    const bool expiring = GetPharmaSwitch(QStringLiteral("8"));
    lblExpiringDrugs->setVisible(expiring);
    expiring ? tmrExpiringDrugs->start() : tmrExpiringDrugs->stop();
    if (expiring)
        tmrExpiringDrugs_Timer();
    // Step 15: the two characters.
    Announcer& merlin = Agent1.Load(QStringLiteral("merlin"));
    connect(&merlin, &Announcer::dblClick, this, [this] { Agent1_DblClick(); });
    Announcer& peedy = agtPeedy.Load(QStringLiteral("peedy"));
    connect(&peedy, &Announcer::dblClick, this, [this] { agtPeedy_DblClick(); });
}

void frmPharma::setUpIndicatorsAfterRights() {
    // Step 33: without E.R. patients listed apart there is no E.R. indicator.
    if (!gSeparateER) {
        TimerER->stop();
        TimerERB->stop();
        lblPendingBlackER->hide();
        lblPendingBlueER->hide();
        Picture3->hide();
    }
    // Step 36: the package indicator only where package requests are in use.
    if (!gPharmaPackageRequest) {
        tmrDetectKVRS->stop();
        tmrKVRSB->stop();
        lblKVRS->hide();
        lblKVRSBlue->hide();
        picKVRS->hide();
    }
    // Step 41: the returned-medicine monitor once now.
    Timer1_Timer();
}

void frmPharma::tmrCash_Timer() {
    ignoringErrors([this] {
        const Recordset rs = SQLConnection()
                                 .callProcedure(QStringLiteral("Pharma_AssessmentList"), {{QStringLiteral("@Option"), 1}})
                                 .value_or(Recordset());
        if (rs.recordCount() > 0) {
            tmrCashBlink->start();
            lblCashNum->show();
            lblCashNum->setText(QString::number(rs.recordCount()));
        } else {
            tmrCashBlink->stop();
            setBackColor(lblCashPatient, kQuietColor);
            lblCashNum->hide();
        }
    });
}

void frmPharma::tmrCashBlink_Timer() { ignoringErrors([this] { blink(lblCashPatient, kCashBlinkColor); }); }

void frmPharma::tmrCriticalStocks_Timer() {
    ignoringErrors([this] {
        // Location "20", the main pharmacy, whatever the workstation dispenses from.
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT ItemID FROM tbInvent WHERE LocationID = '20' AND ItemStatus = 0 "
                           "AND OnHand <= MinStockLevel LIMIT 1"));
        if (!rs.eof()) {
            tmrBlinkCritical->start();
        } else {
            tmrBlinkCritical->stop();
            setBackColor(lblCriticalStocks, kQuietColor);
        }
    });
}

void frmPharma::tmrExpiringDrugs_Timer() {
    ignoringErrors([this] {
        const Recordset rs =
            SQLConnection().callProcedure(QStringLiteral("sp_inv_PharmaExpiringDrugs"), {}).value_or(Recordset());
        if (!rs.eof()) {
            tmrBlinkExpire->start();
        } else {
            tmrBlinkExpire->stop();
            setBackColor(lblExpiringDrugs, kQuietColor);
        }
    });
}

void frmPharma::tmrBlinkCritical_Timer() { ignoringErrors([this] { blink(lblCriticalStocks, kStockBlinkColor); }); }
void frmPharma::tmrBlinkExpire_Timer() { ignoringErrors([this] { blink(lblExpiringDrugs, kStockBlinkColor); }); }

void frmPharma::Timer1_Timer() {
    ignoringErrors([this] {
        const Recordset rs =
            SQLConnection().callProcedure(QStringLiteral("Pharma_ConfirmReturnMeds"), {}).value_or(Recordset());
        if (rs.recordCount() >= 1) {
            Timer2->start();
        } else {
            Timer2->stop();
            setBackColor(cmdCommunication, kButtonFace);
        }
    });
}

void frmPharma::Timer2_Timer() {
    ignoringErrors([this] {
        setBackColor(cmdCommunication, kCommunicationPulse[pulseStep_]);
        pulseStep_ = pulseStep_ == 11 ? 0 : pulseStep_ + 1;
    });
}

void frmPharma::tmrNotice_Timer() {
    tmrNotice->stop();
    ignoringErrors([this] {
        const Recordset rs = SQLConnection()
                                 .callProcedure(QStringLiteral("Pharma_LoadDischargeNoticeCount"),
                                                {{QStringLiteral("@DepartmentID"), QStringLiteral("PH")}})
                                 .value_or(Recordset());
        if (!rs.isEmpty() && rs.value(QStringLiteral("RecCount")).toLongLong() > 0) {
            tmrMerlin->stop();
            AnnounceDischargeNotice();
            tmrMerlin->start();
        } else if (!rs.isEmpty()) {
            tmrMerlin->stop();
            Agent1.Characters(QStringLiteral("merlin")).Hide();
        }
    });
    tmrNotice->start();
}

void frmPharma::tmrMerlin_Timer() { ignoringErrors([this] { AnnounceDischargeNotice(); }); }

void frmPharma::AnnounceDischargeNotice() {
    Announcer& merlin = Agent1.Characters(QStringLiteral("merlin"));
    merlin.Show();
    merlin.Play(QStringLiteral("announce"));
    merlin.Speak(QStringLiteral("You have a discharge notice!"));
    merlin.Speak(QStringLiteral("Double Click on the wizard."));
    merlin.Play(QStringLiteral("idle1_1"));
}

void frmPharma::tmrPeedyNotice_Timer() {
    bool switchedOff = false;
    ignoringErrors([&] { switchedOff = GetPharmaSwitch(QStringLiteral("14")); });
    if (switchedOff)
        return;
    tmrPeedyNotice->stop();
    // A check that fails leaves the character as it was.
    ignoringErrors([this] {
        const bool in = CheckPendingRequest(QStringLiteral("PH"));
        const bool out = CheckPendingRequest2(QStringLiteral("PH"));
        const bool er = CheckPendingRequest3(QStringLiteral("PH"));
        tmrPeedy->stop();
        if (in || out || er) {
            AnnouncePendingRequests();
            tmrPeedy->start();
        } else {
            Announcer& peedy = agtPeedy.Characters(QStringLiteral("PEEDY"));
            peedy.Hide();
            peedy.Stop();
        }
    });
    tmrPeedyNotice->start();
}

void frmPharma::tmrPeedy_Timer() { ignoringErrors([this] { AnnouncePendingRequests(); }); }

void frmPharma::AnnouncePendingRequests() {
    Announcer& peedy = agtPeedy.Characters(QStringLiteral("peedy"));
    peedy.Show();
    peedy.Play(QStringLiteral("announce"));
    peedy.Speak(QStringLiteral("Hi i'm Peedy. You have pending requests!"));
    peedy.Speak(QStringLiteral("To process requests, double click me!"));
    peedy.Play(QStringLiteral("idle1_1"));
}

bool frmPharma::WarningNotice(const QString& IDNum) {
    return generalProcedure(kMonitorsModule, QStringLiteral("WarningNotice"), [&] {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_LoadDischargeNoticeWarning"), {{QStringLiteral("@IDNum"), IDNum}});
        return rs && rs->recordCount() > 0;
    });
}

void frmPharma::jumpToNode(int index) {
    QTreeWidgetItem* node = TreeNodeAt(index);
    if (!node)
        return;
    node->setExpanded(true);
    if (node->childCount() > 0)
        treCategory->setCurrentItem(node->child(0));
    treCategory->setFocus();
    treCategory_NodeClick(node);
}

void frmPharma::lblCashPatient_Click() {
    eventHandler(kMonitorsModule, QStringLiteral("lblCashPatient_Click"), [this] { jumpToNode(kCashBranchPosition); });
}

void frmPharma::lblCriticalStocks_Click() {
    eventHandler(kMonitorsModule, QStringLiteral("lblCriticalStocks_Click"), [] { showReport(81); });
}

void frmPharma::lblExpiringDrugs_Click() {
    eventHandler(kMonitorsModule, QStringLiteral("lblExpiringDrugs_Click"), [] { showReport(82); });
}

void frmPharma::cmdCommunication_Click() {
    eventHandler(kMonitorsModule, QStringLiteral("cmdCommunication_Click"), [this] {
        if (!IsNoDirectReturnSupplies()) {
            OpenWindow(QStringLiteral("frmListPharmaCommunication"));
            return;
        }
        QTreeWidgetItem* node = TreeNode(QStringLiteral("_7.1.1"));
        if (!node)
            return;
        treCategory->setCurrentItem(node);
        node->setExpanded(true);
        treCategory_NodeClick(node);
        treCategory->setFocus();
    });
}

void frmPharma::Agent1_DblClick() {
    eventHandler(kMonitorsModule, QStringLiteral("Agent1_DblClick"), [this] { Load_Discharge_Notice(); });
}

void frmPharma::agtPeedy_DblClick() {
    eventHandler(kMonitorsModule, QStringLiteral("agtPeedy_DblClick"), [this] {
        if (CheckPendingRequest(QStringLiteral("PH")))
            mnuInpatient_Click();
        else if (CheckPendingRequest2(QStringLiteral("PH")))
            mnuOutPatient_Click();
        else if (CheckPendingRequest3(QStringLiteral("PH")) && gSeparateER)
            mnuERpatient_Click();
        tmrPeedyNotice_Timer();
    });
}

void frmPharma::Load_Discharge_Notice() {
    generalProcedure(kMonitorsModule, QStringLiteral("Load_Discharge_Notice"), [this] {
        tmrNotice->stop();
        frmDischargeNotice& list = frmDischargeNotice::Default();
        showModal(list);
        if (list.Valid()) {
            frmClearPatient& clearance = frmClearPatient::Default();
            clearance.setIDNum(list.IDNum());
            showModal(clearance);
        }
        tmrNotice_Timer();
    });
}

} // namespace qx
