#include "mainwindow/frmPharma.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/PharmaUserRights.h"
#include "shell/UserLog.h"
#include "shell/frmAuditTrail.h"
#include "shell/frmLogOff.h"
#include "shell/frmOptions.h"
#include "shell/frmShift.h"
#include "shell/frmUserSetting.h"

#include <QCloseEvent>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>

namespace qx {

namespace {

const QString kFrmPharmaModule = QStringLiteral("frmPharma");
const QString kSiteWithoutIdleLock = QStringLiteral("HUZTO");
const QString kIncomeReportSite = QStringLiteral("GIVRC");
const QString kCorrectedReportSite = QStringLiteral("TZNH");
const QString kMainPharmacy = QStringLiteral("20");
const QString kSatellitePharmacy = QStringLiteral("186");
// Only these sites let the user change the number of charge-slip copies.
const QStringList kChargeSlipCopiesSites = {QStringLiteral("HUZTO"), QStringLiteral("ZMX")};

// The commands each right governs, by object name. A command that does not exist yet is passed
// over, so a screen's command falls under its right as soon as the screen adds it.
struct GovernedCommands {
    bool PharmaUserRights::*right;
    QStringList commands;
};
const GovernedCommands kGovernedCommands[] = {
    {&PharmaUserRights::canProcessRequest, {QStringLiteral("mnuPending")}},
    {&PharmaUserRights::canUnitDose, {QStringLiteral("mnuAutoDispense")}},
    {&PharmaUserRights::canManualPosting, {QStringLiteral("mnuManualPosting")}},
    {&PharmaUserRights::canReturned, {QStringLiteral("mnuPostReturnedMedicines")}},
    {&PharmaUserRights::canCorrection, {QStringLiteral("mnuAdjustment")}},
    {&PharmaUserRights::canViewPostedMeds, {QStringLiteral("mnuListOfMedicinesPosted")}},
    {&PharmaUserRights::canDrugInquiry, {QStringLiteral("mnuDrugsInquiry")}},
    {&PharmaUserRights::canVerification, {QStringLiteral("mnuVerification")}},
    {&PharmaUserRights::canViewReport, {QStringLiteral("mnuReport")}},
};
const QStringList kIncomeReportMenus = {QStringLiteral("mnuDailyIncome"), QStringLiteral("mnuMonthlyCash")};
const QString kCorrectedReportMenu = QStringLiteral("mnuListOfCorrectedItems");

} // namespace

frmPharma::frmPharma(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmPharma"));
    setWindowTitle(QStringLiteral("Quillax"));
    resize(1024, 720);
    createMenus();
    createToolbar();

    fraList = new QGroupBox(QStringLiteral("Patient &List"), this);
    setCentralWidget(fraList);
    flexMSHList = new FlexGrid(fraList);
    flexMSHList->setObjectName(QStringLiteral("flexMSHList"));
    QFont locationFont = font();
    locationFont.setPointSize(36);
    lblLocationBack = new QLabel(fraList);
    lblLocation = new QLabel(fraList);
    const std::pair<QLabel*, QColor> labels[] = {{lblLocationBack, QColor(0x80, 0x80, 0x80)},
                                                 {lblLocation, QColor(0xFF, 0x80, 0x00)}};
    for (const auto& [label, colour] : labels) {
        label->setFont(locationFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setStyleSheet(QStringLiteral("color: %1; background: transparent").arg(colour.name()));
    }

    StatusBarPanel1 = new QLabel(this);
    statusBar()->addWidget(StatusBarPanel1, 1);

    TimerAutoLock = new QTimer(this);
    TimerAutoLock->setInterval(1000);
    connect(TimerAutoLock, &QTimer::timeout, this, &frmPharma::TimerAutoLock_Timer);

    // Whoever unlocks the workstation works under his own rights from then on; the audit trail
    // left open by the employee before him closes unless he may open it himself.
    connect(&frmLogOff::Default(), &frmLogOff::employeeLoggedIn, this, [this](const QString& employeeCode) {
        eventHandler(kFrmPharmaModule, QStringLiteral("LoadUserSettings"), [&] {
            LoadUserSettings(employeeCode);
            if (auditTrail_ && auditTrail_->isVisible() && !mayOpenUserSettings())
                auditTrail_->close();
        });
    });
}

QString frmPharma::ShiftTitle(int shift) {
    QString title;
    switch (shift) {
    case 1: title = QStringLiteral("Quillax (First Shift)"); break;
    case 2: title = QStringLiteral("Quillax (Second Shift)"); break;
    case 3: title = QStringLiteral("Quillax (Third Shift)"); break;
    case 4: title = QStringLiteral("QEN Quillax (Fourth Shift)"); break;
    default: return QString();
    }
    return title + QStringLiteral(" v.") + QStringLiteral(QX_PROGRAM_VERSION);
}

void frmPharma::titleByShift(int shift) {
    const QString title = ShiftTitle(shift);
    if (!title.isEmpty())
        setWindowTitle(title);
}

void frmPharma::Form_Load() {
    eventHandler(kFrmPharmaModule, QStringLiteral("Form_Load"), [this] {
        SaveUserLog(QStringLiteral("Login User : ") + gEmployeeName);
        if (gSiteCode != kSiteWithoutIdleLock)
            TimerAutoLock->start();
        lngIdleLimit_ = IdleTime();
        frmLogOff::Default().setEntered(true);
        mnuChargeSlip->setVisible(kChargeSlipCopiesSites.contains(gSiteCode));
        LoadUserSettings(gEmployeeCode);
        applyLocation();
    });
}

qint64 frmPharma::IdleTime() {
    return generalProcedure(kFrmPharmaModule, QStringLiteral("IdleTime"), [] {
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT COALESCE(PHCSRIdleTime, 59) AS PHCSRIdleTime FROM patient_data.tbHospitalInfo"));
        // Start-up ends before the main window when the hospital information is missing; an
        // empty table here gets the unset limit too.
        return rs.eof() ? qint64(59) : qint64(rs.number(QStringLiteral("PHCSRIdleTime")));
    });
}

void frmPharma::applyLocation() {
    gLocationID = IsSatelliteLocation(SQLConnection()) ? kSatellitePharmacy : kMainPharmacy;
    const QString caption =
        gLocationID != kMainPharmacy ? QStringLiteral("Pharmacy Satelite") : QStringLiteral("Pharmacy Main");
    lblLocation->setText(caption);
    lblLocationBack->setText(caption);
}

void frmPharma::Form_Activate() {
    // The lock screen still open is still deciding between a login and an exit.
    if (frmLogOff::Default().isVisible())
        return;
    eventHandler(kFrmPharmaModule, QStringLiteral("Form_Activate"), [this] {
        if (gFirstActivation) {
            // The shift prompt's own closing activates the window again: that activation waits
            // for this one.
            if (firstActivationRunning_)
                return;
            firstActivationRunning_ = true;
            const auto finished = qScopeGuard([this] { firstActivationRunning_ = false; });
            repaint();
            frmShift& shiftWindow = frmShift::Default();
            shiftWindow.setShift(0);
            showModal(shiftWindow);
            titleByShift(shiftWindow.Shift());
            gFirstActivation = false;
        }
        applyLocation();
        if (!frmLogOff::Default().Entered()) {
            close();
            return;
        }
        StatusBarPanel1->setText(gEmployeeName + QLatin1Char(' '));
    });
}

void frmPharma::LoadUserSettings(const QString& employeeCode) {
    generalProcedure(kFrmPharmaModule, QStringLiteral("LoadUserSettings"), [&] {
        const PharmaUserRights rights = ReadPharmaUserRights(SQLConnection(), employeeCode);
        for (const GovernedCommands& governed : kGovernedCommands)
            for (const QString& name : governed.commands)
                if (QAction* action = command(name))
                    action->setEnabled(rights.*(governed.right));
        // Cleared without a row too: an employee who unlocks the workstation gets none of the
        // rights of the one before him, whose flags the work lists would still honour.
        gCanProcessRequest = rights.canProcessRequest;
        gCanUnitDose = rights.canUnitDose;
        if (!rights.stored)
            return;
        if (gSiteCode == kIncomeReportSite)
            for (const QString& name : kIncomeReportMenus)
                if (QAction* action = command(name))
                    action->setVisible(rights.incomeReportRightSet);
        if (gSiteCode == kCorrectedReportSite)
            if (QAction* action = command(kCorrectedReportMenu))
                action->setVisible(rights.canViewListofCorectedReports);
    });
}

void frmPharma::TimerAutoLock_Timer() {
    ignoringErrors([this] {
        if (IdleSeconds() <= lngIdleLimit_)
            return;
        frmLogOff& lock = frmLogOff::Default();
        if (lock.isVisible())
            return;  // the lock already open stays the only one
        showModal(lock);
        returnFromLockScreen();
    });
}

void frmPharma::returnFromLockScreen() {
    // As the lock screen's owner the window becomes active again, unless another screen is still
    // open in front of it; that activation shows the new user or ends the program after an exit.
    if (!QApplication::activeModalWidget())
        activateWindow();
}

bool frmPharma::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !unloaded_)
        Form_Activate();
    return QMainWindow::event(e);
}

void frmPharma::closeEvent(QCloseEvent* e) {
    if (unloaded_) {
        e->accept();
        return;
    }
    if (!gExitRequested &&
        MsgBox(QStringLiteral("Are you sure to close this program?"), vbYesNo + vbInformation,
               QStringLiteral("MESSAGE")) != vbYes) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void frmPharma::Form_Unload() {
    unloaded_ = true;
    TimerAutoLock->stop();
    eventHandler(kFrmPharmaModule, QStringLiteral("Form_Unload"),
                 [] { SaveUserLog(QStringLiteral("Logout User : ") + gEmployeeName); });
    // The components go before the window, so nothing outlives the connection they share.
    gComponents.releaseInMainWindowOrder();
    // The program ends with its main window: the others go without their own closing steps, so
    // none of them keeps the application running once this window has closed.
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != this && other->isVisible())
            other->hide();
}

void frmPharma::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    placeLocationLabels();
}

void frmPharma::placeLocationLabels() {
    // The caption sits near the foot of the list frame; its shadow 50 twips lower.
    const int width = pixelsToTwips(fraList->width());
    const int height = pixelsToTwips(fraList->height());
    lblLocation->setGeometry(twipsToPixels(50, height - 1100, width - 120, height - 1500));
    lblLocationBack->setGeometry(twipsToPixels(50, height - 1050, width - 120, height - 1500));
}

} // namespace qx
