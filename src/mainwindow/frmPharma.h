#pragma once
#include "shell/Session.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QTimer;

namespace qx {

class frmAuditTrail;
class frmOptions;
class frmUserSetting;

// The main window: the hub from which the program runs once start-up has opened it. It asks for
// the shift at its first activation, keeps the session's location, name panel and idle lock, and
// applies the employee's rights to its commands.
class frmPharma : public QMainWindow, public MainForm {
    Q_OBJECT
public:
    explicit frmPharma(QWidget* parent = nullptr);

    // MainForm
    void Load() override { Form_Load(); }
    // Shown and made the active window, whose first activation asks for the shift.
    void Show() override {
        show();
        activateWindow();
    }

    void Form_Load();
    // Runs each time the window becomes the active window.
    void Form_Activate();
    // The employee's stored rights into the session's flags and onto the commands they govern.
    void LoadUserSettings(const QString& employeeCode);
    // Locks the workstation once it has been idle longer than the hospital's limit.
    void TimerAutoLock_Timer();

    void mnuLogOff_Click();
    void mnuChangeShift_Click();
    void mnuUserSetting_Click();
    void mnuAuditTrail_Click();
    void mnuOptions_Click();
    void mnuDiscountType_Click();
    void mnuChargeSlip_Click();

    // "Quillax (First Shift) v.1.0.0" and so on; empty for a shift without a title of its own.
    static QString ShiftTitle(int shift);
    // The idle-lock limit in seconds read at load.
    qint64 IdleLimit() const { return lngIdleLimit_; }

    // Top-level menus in menu-bar order. The commands of the work screens go into the first
    // three when those screens exist; LoadUserSettings finds them by object name.
    QMenu* mnuPostPrescriptions = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuOthers = nullptr;
    QMenu* mnuReport = nullptr;
    QMenu* mnuOptionsChange = nullptr;

    QAction* mnuOptions = nullptr;
    QAction* mnuAuditTrail = nullptr;
    QAction* mnuIncomeSummary = nullptr;
    QAction* mnuChangeShift = nullptr;
    QAction* mnuLogOff = nullptr;
    QAction* mnuUserSetting = nullptr;
    QAction* mnuDiscountType = nullptr;
    QAction* mnuChargeSlip = nullptr;

    QGroupBox* fraList = nullptr;
    QLabel* lblLocation = nullptr;
    QLabel* lblLocationBack = nullptr;
    QLabel* StatusBarPanel1 = nullptr;  // the employee's name
    QTimer* TimerAutoLock = nullptr;

    // The audit-trail window once the command has opened it.
    frmAuditTrail* AuditTrailWindow() const;
    frmOptions* OptionsWindow() const;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void createMenus();
    void Form_Unload();
    qint64 IdleTime();
    void applyLocation();
    // Titles the window by the shift; a shift without a title leaves the title as it is.
    void titleByShift(int shift);
    // The login component's answer whether this employee may open the rights editor and the audit trail.
    static bool mayOpenUserSettings();
    void placeLocationLabels();
    void returnFromLockScreen();
    // The command (menu item or submenu) of that object name, or nullptr while it does not exist.
    QAction* command(const QString& name) const;

    qint64 lngIdleLimit_ = 59;
    bool firstActivationRunning_ = false;
    bool unloaded_ = false;
    QPointer<frmAuditTrail> auditTrail_;
    QPointer<frmOptions> options_;
    QPointer<frmUserSetting> userSetting_;
};

} // namespace qx
