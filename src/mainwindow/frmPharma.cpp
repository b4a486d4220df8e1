#include "mainwindow/frmPharma.h"

#include "components/Connection.h"
#include "components/Locations.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetColors.h"
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
#include <QDate>
#include <QKeyEvent>
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
// At this site status panel 2 names the kind of server, except for this one employee.
const QString kServerNamingSite = QStringLiteral("DORVEX");
const QString kPlainServerEmployee = QStringLiteral("8");
const QString kIncomeReportSite = QStringLiteral("GIVRC");
const QString kCorrectedReportSite = QStringLiteral("TZNH");
const QString kSatellitePharmacy = QStringLiteral("186");

// The menus and toolbar buttons each right governs, by object name.
struct GovernedCommands {
    bool PharmaUserRights::*right;
    QStringList commands;
};
const GovernedCommands kGovernedCommands[] = {
    {&PharmaUserRights::canProcessRequest, {QStringLiteral("mnuPending")}},
    {&PharmaUserRights::canUnitDose, {QStringLiteral("mnuAutoDispense")}},
    {&PharmaUserRights::canManualPosting,
     {QStringLiteral("mnuManualPosting"), QStringLiteral("tbrPharma.Buttons(4)"), QStringLiteral("tbrPharma.Buttons(5)")}},
    {&PharmaUserRights::canReturned, {QStringLiteral("mnuPostReturnedMedicines"), QStringLiteral("tbrPharma.Buttons(7)")}},
    {&PharmaUserRights::canCorrection, {QStringLiteral("mnuAdjustment"), QStringLiteral("tbrPharma.Buttons(8)")}},
    {&PharmaUserRights::canViewPostedMeds,
     {QStringLiteral("mnuListOfMedicinesPosted"), QStringLiteral("tbrPharma.Buttons(10)")}},
    {&PharmaUserRights::canDrugInquiry, {QStringLiteral("mnuDrugsInquiry"), QStringLiteral("tbrPharma.Buttons(11)")}},
    {&PharmaUserRights::canVerification, {QStringLiteral("mnuVerification")}},
    {&PharmaUserRights::canViewReport, {QStringLiteral("mnuReport")}},
};
const QStringList kIncomeReportMenus = {QStringLiteral("mnuDailyIncome"), QStringLiteral("mnuMonthlyCash")};
const QString kCorrectedReportMenu = QStringLiteral("mnuListOfCorrectedItems");

} // namespace

frmPharma::frmPharma(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmPharma"));
    setWindowTitle(QStringLiteral("Quillax"));
    QFont windowFont(QStringLiteral("Segoe UI"));
    windowFont.setPointSizeF(10.5);
    setFont(windowFont);
    resize(1024, 720);
    createMenus();
    createToolbar();

    createPanes();
    createIndicators();
    createStatusBar();
    createCashSearch();
    connectWorkList();
    createMonitorTimers();
    // The grid's design has the nine columns of the request lists, so their hidden columns stay
    // hidden from the first list on.
    flexMSHList->setCols(9);
    ClearGrid();
    // The window sees every key before its controls.
    qApp->installEventFilter(this);

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
        ApplyLoadRules(1, 3);
        SaveUserLog(QStringLiteral("Login User : ") + gEmployeeName);
        ApplyLoadRules(5, 6);
        StatusBarPanel2->setText(ServerPanelText(gComponents.gCurrentUser ? gComponents.gCurrentUser->ServerName()
                                                                          : QString()));
        if (gSiteCode != kSiteWithoutIdleLock)
            TimerAutoLock->start();
        ApplyLoadRules(9, 12);
        setUpMonitorsAtLoad();
        intListRow = 1;
        gRefreshWorkList = false;
        lngIdleLimit_ = IdleTime();
        mManualPostingChoice = mReturnChoice = mCorrectionChoice = mPostedListChoice = 1;
        LoadTreeView();
        frmLogOff::Default().setEntered(true);
        LoadUserSettings(gEmployeeCode);
        applyLocation();
        // The load's own rules win over the rights.
        ApplyLoadRules(21, 40);
        setUpIndicatorsAfterRights();
    });
}

QString frmPharma::ServerPanelText(const QString& serverName) {
    if (gEmployeeCode == kPlainServerEmployee || gSiteCode != kServerNamingSite)
        return serverName;
    const QString testServer = GetSetting(QStringLiteral("Quillax"), QStringLiteral("Server"), QStringLiteral("TestServer"));
    const QString liveServer = GetSetting(QStringLiteral("Quillax"), QStringLiteral("Server"), QStringLiteral("LiveServer"));
    // An address left unset names no server.
    if (!testServer.isEmpty() && serverName == testServer)
        return QStringLiteral("TEST SERVER");
    if (!liveServer.isEmpty() && serverName == liveServer)
        return QStringLiteral("LIVE SERVER");
    return QStringLiteral("SERVER");
}

void frmPharma::createStatusBar() {
    statusBar()->setObjectName(QStringLiteral("sbrPharma"));
    statusBar()->setMinimumHeight(twipsToPixels(375));
    QLabel** panels[] = {&StatusBarPanel1, &StatusBarPanel2, &StatusBarPanel3, &StatusBarPanel4, &StatusBarPanel5};
    for (int i = 0; i < 5; ++i) {
        *panels[i] = new QLabel(this);
        (*panels[i])->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i + 1));
        (*panels[i])->setFrameShape(QFrame::StyledPanel);
        (*panels[i])->setContentsMargins(4, 0, 4, 0);
        statusBar()->addPermanentWidget(*panels[i], i < 2 ? 1 : 0);
    }
    StatusBarPanel3->setText(QStringLiteral("CAPS"));
    StatusBarPanel4->setText(QStringLiteral("INS"));
    showKeyboardState();
    auto* dateTimer = new QTimer(this);
    dateTimer->setInterval(60000);
    const auto showDate = [this] { StatusBarPanel5->setText(QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy"))); };
    connect(dateTimer, &QTimer::timeout, this, showDate);
    dateTimer->start();
    showDate();
}

void frmPharma::showKeyboardState() {
    StatusBarPanel3->setEnabled(capsLock_);
    StatusBarPanel4->setEnabled(insertMode_);
}

bool frmPharma::Form_KeyDown(int keyCode, Qt::KeyboardModifiers) {
    bool taken = false;
    eventHandler(kFrmPharmaModule, QStringLiteral("Form_KeyDown"), [&] {
        if (keyCode == Qt::Key_Escape) {
            taken = true;
            close();
        } else if (keyCode == Qt::Key_F5) {
            taken = true;
            mnuDrugsInquiry_Click();
        }
    });
    return taken;
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
    gLocationID = IsSatelliteLocation(SQLConnection()) ? kSatellitePharmacy : kMainPharmacyLocation;
    const QString caption =
        gLocationID != kMainPharmacyLocation ? QStringLiteral("Pharmacy Satelite") : QStringLiteral("Pharmacy Main");
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
        // A screen that served the list asked for it to be read again.
        if (gRefreshWorkList) {
            gRefreshWorkList = false;
            ClickTreeView();
            if (flexMSHList->isEnabled())
                flexMSHList->setFocus();
        }
        StatusBarPanel1->setText(gEmployeeName + QLatin1Char(' '));
        tmrNotice_Timer();
        tmrPeedyNotice_Timer();
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
    // The client area's own size settles after the window's: lay the panes out again then.
    if (e->type() == QEvent::LayoutRequest)
        QTimer::singleShot(0, this, [this] { ignoringErrors([this] { Form_Resize(); }); });
    return QMainWindow::event(e);
}

bool frmPharma::previewKey(QObject* watched, QKeyEvent* key) {
    // A key reaches the focused control first, then its parents: the window takes it once, at
    // the first of them.
    QWidget* target = QApplication::focusWidget();
    if (watched != (target ? static_cast<QObject*>(target) : static_cast<QObject*>(this)))
        return false;
    if (key->key() == Qt::Key_CapsLock)
        capsLock_ = !capsLock_;
    else if (key->key() == Qt::Key_Insert)
        insertMode_ = !insertMode_;
    showKeyboardState();
    if (Form_KeyDown(key->key(), key->modifiers()))
        return true;
    // The tree's own key handling comes after the window's, and leaves the key to the tree.
    if (watched == treCategory)
        treCategory_KeyDown(key->key(), int(key->modifiers()));
    return false;
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
    ignoringErrors([this] { Form_Resize(); });
}

} // namespace qx
