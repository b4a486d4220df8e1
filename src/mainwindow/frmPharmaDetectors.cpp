// The request detectors: timers that ask whether in-patient, out-patient, emergency-room or
// package requests wait, the indicator faces they switch with the badges, the shared pulse colour
// and the clicks on the alert faces.
#include "mainwindow/frmPharma.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"
#include "platform/PictureButton.h"
#include "platform/WidgetColors.h"
#include "shell/HospitalSettings.h"
#include "shell/QueryHelpers.h"
#include "shell/WindowOpeners.h"

#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace qx {

namespace {

const QString kDetectorsModule = QStringLiteral("frmPharma");

// The pulse of the alert faces, one step a second.
const std::pair<ColorValue, ColorValue> kPulseCycle[] = {
    {0xC0C0FF, 0x8080FF}, {0x8080FF, 0xFF}, {0xFF, 0xC0}, {0xC0, 0x80}, {0x80, 0x40}, {0x40, 0xC0C0FF},
};

// Whether a check procedure gave at least one row.
bool anyRow(const QString& procedure, const QVariantMap& values) {
    const std::optional<Recordset> rs = SQLConnection().callProcedure(procedure, values);
    return rs && rs->recordCount() > 0;
}

QVariantMap department(const QString& code) { return {{QStringLiteral("@DepartmentID"), code}}; }

QTimer* makeTimer(QObject* owner, int intervalMs, bool on) {
    auto* timer = new QTimer(owner);
    timer->setInterval(intervalMs);
    if (on)
        timer->start();
    return timer;
}

// One face of an indicator shown, the other hidden.
void showFace(QLabel* alert, QLabel* quiet, bool alerting) {
    alert->setVisible(alerting);
    quiet->setVisible(!alerting);
}

} // namespace

void frmPharma::createMonitorTimers() {
    struct TimerRow {
        QTimer* frmPharma::*timer;
        int intervalMs;
        bool on;
        void (frmPharma::*tick)();
    };
    const TimerRow rows[] = {
        {&frmPharma::timerDetect, 10000, true, &frmPharma::timerDetect_Timer},
        {&frmPharma::TimerOut, 10000, true, &frmPharma::TimerOut_Timer},
        {&frmPharma::TimerER, 1000, true, &frmPharma::TimerER_Timer},
        {&frmPharma::tmrDetectKVRS, 10000, true, &frmPharma::tmrDetectKVRS_Timer},
        {&frmPharma::timerB, 250, false, &frmPharma::timerB_Timer},
        {&frmPharma::TimerOutB, 250, true, &frmPharma::TimerOutB_Timer},
        {&frmPharma::TimerERB, 250, true, &frmPharma::TimerERB_Timer},
        {&frmPharma::tmrKVRSB, 250, true, &frmPharma::tmrKVRSB_Timer},
        {&frmPharma::TimerColor, 1000, true, &frmPharma::TimerColor_Timer},
        {&frmPharma::tmrCash, 5000, false, &frmPharma::tmrCash_Timer},
        {&frmPharma::tmrCashBlink, 1000, false, &frmPharma::tmrCashBlink_Timer},
        {&frmPharma::tmrCriticalStocks, 60000, true, &frmPharma::tmrCriticalStocks_Timer},
        {&frmPharma::tmrExpiringDrugs, 60000, true, &frmPharma::tmrExpiringDrugs_Timer},
        {&frmPharma::tmrBlinkCritical, 100, false, &frmPharma::tmrBlinkCritical_Timer},
        {&frmPharma::tmrBlinkExpire, 100, false, &frmPharma::tmrBlinkExpire_Timer},
        {&frmPharma::Timer1, 60000, true, &frmPharma::Timer1_Timer},
        {&frmPharma::Timer2, 50, false, &frmPharma::Timer2_Timer},
        {&frmPharma::tmrNotice, 60000, true, &frmPharma::tmrNotice_Timer},
        {&frmPharma::tmrPeedyNotice, 10000, true, &frmPharma::tmrPeedyNotice_Timer},
        {&frmPharma::tmrMerlin, 20000, false, &frmPharma::tmrMerlin_Timer},
        {&frmPharma::tmrPeedy, 20000, false, &frmPharma::tmrPeedy_Timer},
    };
    for (const TimerRow& row : rows) {
        QTimer* timer = makeTimer(this, row.intervalMs, row.on);
        this->*row.timer = timer;
        connect(timer, &QTimer::timeout, this, row.tick);
    }
    for (QLabel* face : {lblPendingBlackIn, lblPendingBlackOut, lblPendingBlackER, lblKVRS, lblCashPatient,
                         lblCriticalStocks, lblExpiringDrugs})
        face->setCursor(Qt::PointingHandCursor);
    connect(cmdCommunication, &PictureButton::clicked, this, [this] { cmdCommunication_Click(); });
}

bool frmPharma::monitorEvent(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::MouseButtonRelease || static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton)
        return false;
    const std::pair<QLabel*, void (frmPharma::*)()> clicks[] = {
        {lblPendingBlackIn, &frmPharma::lblPendingBlackIn_Click},
        {lblPendingBlackOut, &frmPharma::lblPendingBlackOut_Click},
        {lblPendingBlackER, &frmPharma::lblPendingBlackER_Click},
        {lblKVRS, &frmPharma::lblKVRS_Click},
        {lblCashPatient, &frmPharma::lblCashPatient_Click},
        {lblCriticalStocks, &frmPharma::lblCriticalStocks_Click},
        {lblExpiringDrugs, &frmPharma::lblExpiringDrugs_Click},
    };
    for (const auto& [label, click] : clicks)
        if (watched == label) {
            (this->*click)();
            return true;
        }
    return false;
}

bool frmPharma::CheckPendingRequest(const QString& code) {
    return generalProcedure(kDetectorsModule, QStringLiteral("CheckPendingRequest"), [&] {
        const bool pending = anyRow(QStringLiteral("PharmaCsr_Check_Communication_In"), department(code));
        CheckPendingRequestCount(QStringLiteral("PH"));
        return pending;
    });
}

bool frmPharma::CheckPendingRequest2(const QString& code) {
    return generalProcedure(kDetectorsModule, QStringLiteral("CheckPendingRequest2"), [&] {
        const bool pending = anyRow(QStringLiteral("PharmaCsr_Check_Communication_Out"), department(code));
        CheckPendingRequestCountOut(QStringLiteral("PH"));
        return pending;
    });
}

bool frmPharma::CheckPendingRequest3(const QString& code) {
    return generalProcedure(kDetectorsModule, QStringLiteral("CheckPendingRequest3"), [&] {
        return gSeparateER && anyRow(QStringLiteral("PharmaCsr_Check_Communication_Out_ER"), department(code));
    });
}

bool frmPharma::CheckKVRS_Request(const QString& date) {
    return generalProcedure(kDetectorsModule, QStringLiteral("CheckKVRS_Request"), [&] {
        return gPharmaPackageRequest &&
               anyRow(QStringLiteral("Pharma_CheckKVRSRequest"),
                      {{QStringLiteral("@RevenueID"), QStringLiteral("PH")}, {QStringLiteral("@Date"), date}});
    });
}

namespace {

// Shows the badge with the count, hides it at 0, and leaves it as it is without a count row.
bool refreshBadge(const QString& procedure, const QString& code, QLabel* badge, QWidget* container) {
    const std::optional<Recordset> rs = SQLConnection().callProcedure(procedure, department(code));
    if (!rs || rs->recordCount() == 0)
        return false;
    const qint64 count = rs->value(QStringLiteral("reqCount")).toLongLong();
    badge->setVisible(count != 0);
    if (container)
        container->setVisible(count != 0);
    if (count != 0)
        badge->setText(QString::number(count));
    return true;
}

} // namespace

bool frmPharma::CheckPendingRequestCount(const QString& code) {
    return generalProcedure(kDetectorsModule, QStringLiteral("CheckPendingRequestCount"), [&] {
        return refreshBadge(QStringLiteral("PharmaCsr_Check_Communication_In_Count"), code, lblCountInReq, Picture4);
    });
}

bool frmPharma::CheckPendingRequestCountOut(const QString& code) {
    return generalProcedure(kDetectorsModule, QStringLiteral("CheckPendingRequestCountOut"), [&] {
        return refreshBadge(QStringLiteral("PharmaCsr_Check_Communication_Out_Count"), code, lblCountOutReq, Picture5);
    });
}

void frmPharma::CheckPendingRequestCountOutER(const QString& code) {
    generalProcedure(kDetectorsModule, QStringLiteral("CheckPendingRequestCountOutER"), [&] {
        refreshBadge(QStringLiteral("PharmaCsr_Check_Communication_Out_Count_ER"), code, lblCountOutReqER, nullptr);
    });
}

// A detector's check that fails leaves its indicator as it was: the tick ends with the error.
void frmPharma::timerDetect_Timer() {
    ignoringErrors([this] {
        const bool hit = CheckPendingRequest(QStringLiteral("PH"));
        showFace(lblPendingBlackIn, lblPendingBlueIn, hit);
        if (hit) {
            timerDetect->stop();
            timerB->start();
        }
    });
}

void frmPharma::TimerOut_Timer() {
    ignoringErrors([this] {
        const bool hit = CheckPendingRequest2(QStringLiteral("PH"));
        showFace(lblPendingBlackOut, lblPendingBlueOut, hit);
        if (hit) {
            TimerOut->stop();
            TimerOutB->start();
        }
    });
}

void frmPharma::TimerER_Timer() {
    ignoringErrors([this] {
        const bool hit = CheckPendingRequest3(QStringLiteral("PH"));
        showFace(lblPendingBlackER, lblPendingBlueER, hit);
        lblCountOutReqER->setVisible(hit);
        if (hit) {
            TimerER->stop();
            TimerERB->start();
            CheckPendingRequestCountOutER(QStringLiteral("PH"));
        }
    });
}

void frmPharma::tmrDetectKVRS_Timer() {
    ignoringErrors([this] {
        const QString today = SQLConnection().serverNow().toString(QStringLiteral("MM/dd/yyyy"));
        const bool hit = CheckKVRS_Request(today);
        // While nothing waits the package indicator is not seen at all.
        if (hit)
            picKVRS->show();
        showFace(lblKVRS, lblKVRSBlue, hit);
        if (hit) {
            tmrDetectKVRS->stop();
            tmrKVRSB->start();
        } else {
            picKVRS->hide();
        }
    });
}

void frmPharma::TimerColor_Timer() {
    ignoringErrors([this] {
        const ColorValue now = backColor(lblPendingRed);
        for (const auto& [current, next] : kPulseCycle)
            if (now == current) {
                setBackColor(lblPendingRed, next);
                return;
            }
    });
}

void frmPharma::timerB_Timer() { ignoringErrors([this] { setBackColor(lblPendingBlackIn, backColor(lblPendingRed)); }); }
void frmPharma::TimerOutB_Timer() { ignoringErrors([this] { setBackColor(lblPendingBlackOut, backColor(lblPendingRed)); }); }
void frmPharma::TimerERB_Timer() { ignoringErrors([this] { setBackColor(lblPendingBlackER, backColor(lblPendingRed)); }); }
void frmPharma::tmrKVRSB_Timer() { ignoringErrors([this] { setBackColor(lblKVRS, backColor(lblPendingRed)); }); }

void frmPharma::lblPendingBlackIn_Click() {
    eventHandler(kDetectorsModule, QStringLiteral("lblPendingBlackIn_Click"), [this] { mnuInpatient_Click(); });
}

void frmPharma::lblPendingBlackOut_Click() {
    eventHandler(kDetectorsModule, QStringLiteral("lblPendingBlackOut_Click"), [this] { mnuOutPatient_Click(); });
}

void frmPharma::lblPendingBlackER_Click() {
    eventHandler(kDetectorsModule, QStringLiteral("lblPendingBlackER_Click"), [this] { mnuERpatient_Click(); });
}

void frmPharma::lblKVRS_Click() {
    eventHandler(kDetectorsModule, QStringLiteral("lblKVRS_Click"), [] { OpenWindow(QStringLiteral("frmRequestKVRS")); });
}

} // namespace qx
