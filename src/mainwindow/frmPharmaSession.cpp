// The main window's session commands: log-off, change of shift, user rights, audit trail, options.
#include "mainwindow/frmPharma.h"

#include "components/PlatformServices.h"
#include "charging/frmBuildDiscount.h"
#include "charging/frmChargeSlipCopies.h"
#include "platform/ErrorHandling.h"
#include "shell/frmAuditTrail.h"
#include "shell/frmLogOff.h"
#include "shell/frmOptions.h"
#include "shell/frmShift.h"
#include "shell/frmUserSetting.h"

#include <QAction>

namespace qx {

namespace {

const QString kFrmPharmaSessionModule = QStringLiteral("frmPharma");

// A modeless window of the main window: one instance, created on first use, brought to the front
// at every later use.
template <typename Window>
void showModeless(QPointer<Window>& window, QWidget* owner) {
    if (!window)
        window = new Window(owner);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

frmAuditTrail* frmPharma::AuditTrailWindow() const { return auditTrail_; }

frmOptions* frmPharma::OptionsWindow() const { return options_; }

bool frmPharma::mayOpenUserSettings() {
    return gComponents.gCurrentUser && gComponents.gCurrentUser->checkusersettings();
}

void frmPharma::mnuLogOff_Click() {
    eventHandler(kFrmPharmaSessionModule, QStringLiteral("mnuLogOff_Click"), [this] {
        frmLogOff& lock = frmLogOff::Default();
        lock.setEntered(false);
        showModal(lock);
        mnuIncomeSummary->setVisible(lock.Rights().contains(QLatin1Char('S'), Qt::CaseSensitive));
        returnFromLockScreen();
    });
}

void frmPharma::mnuChangeShift_Click() {
    eventHandler(kFrmPharmaSessionModule, QStringLiteral("mnuChangeShift_Click"), [this] {
        frmShift& shiftWindow = frmShift::Default();
        const qint16 before = shiftWindow.Shift();
        showModal(shiftWindow);
        titleByShift(shiftWindow.Shift());
        if (shiftWindow.Shift() != before)
            gShiftChanged = true;
    });
}

void frmPharma::mnuUserSetting_Click() {
    eventHandler(kFrmPharmaSessionModule, QStringLiteral("mnuUserSetting_Click"), [this] {
        if (!mayOpenUserSettings())
            return;
        if (!userSetting_)
            userSetting_ = new frmUserSetting(this);
        showModal(*userSetting_);
        // Rights just changed for the employee at the workstation count at once.
        LoadUserSettings(gEmployeeCode);
    });
}

void frmPharma::mnuAuditTrail_Click() {
    eventHandler(kFrmPharmaSessionModule, QStringLiteral("mnuAuditTrail_Click"), [this] {
        if (!mayOpenUserSettings())
            return;
        showModeless(auditTrail_, this);
    });
}

void frmPharma::mnuOptions_Click() {
    eventHandler(kFrmPharmaSessionModule, QStringLiteral("mnuOptions_Click"), [this] { showModeless(options_, this); });
}

void frmPharma::mnuDiscountType_Click() {
    eventHandler(kFrmPharmaSessionModule, QStringLiteral("mnuDiscountType_Click"), [this] {
        frmBuildDiscount editor(this);
        showModal(editor);
    });
}

void frmPharma::mnuChargeSlip_Click() {
    eventHandler(kFrmPharmaSessionModule, QStringLiteral("mnuChargeSlip_Click"), [this] {
        frmChargeSlipCopies copies(this);
        copies.fromMain = true;
        showModal(copies);
    });
}

} // namespace qx
