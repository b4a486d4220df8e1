#pragma once
#include "components/Recordset.h"
#include "platform/Announcer.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QMainWindow>
#include <QPointer>
#include <QVariant>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace qx {

namespace WardStations {
class Station;
}
class FlexGrid;
class PictureButton;
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
    // Shown maximized and made the active window, whose first activation asks for the shift.
    void Show() override {
        showMaximized();
        activateWindow();
    }

    void Form_Load();
    // Runs each time the window becomes the active window.
    void Form_Activate();
    // The employee's stored rights into the session's flags and onto the commands they govern.
    void LoadUserSettings(const QString& employeeCode);
    // The per-site and per-switch rules of the load whose steps lie in [firstStep, lastStep].
    void ApplyLoadRules(int firstStep, int lastStep);
    // Object names of every control the load rules set.
    static QStringList LoadRuleControls();
    // Esc asks the close question, F5 runs the drugs inquiry whatever its menu's state; other keys
    // pass on. True when the key was taken.
    bool Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    // What status panel 2 shows for the login component's server name.
    static QString ServerPanelText(const QString& serverName);
    // Locks the workstation once it has been idle longer than the hospital's limit.
    void TimerAutoLock_Timer();

    // Runs the command of a menu control by its object name, as choosing the item does: the
    // window's own handler where it has one, else the window opener registered under that name.
    void RunCommand(const QString& controlName);
    // True when the window has a handler of its own for the command.
    static bool HasOwnHandler(const QString& controlName);

    // Session and settings commands.
    void mnuLogOff_Click();
    void mnuChangeShift_Click();
    void mnuUserSetting_Click();
    void mnuAuditTrail_Click();
    void mnuOptions_Click();
    void mnuDiscountType_Click();
    void mnuChargeSlip_Click();
    void mnuPrinterSetup_Click();
    void mnuBarcodeSettings_Click();
    void mnuHelpSearch_Click();

    // Work-queue and navigation commands.
    void mnuPending_Click();
    void mnuAutoDispense_Click();
    void mnuProcessTranscription_Click();
    void mnuAssessment_Click();
    void mnuPreviousPres_Click();
    void mnuOutPatientPres_Click();
    void ShowRefill();
    void mnuReprint_Click();
    void mnuRefresh_Click();
    void mnuSorted_Click();
    void mnuFIFO_Click();
    void mnuInpatient_Click();
    void mnuOutPatient_Click();
    void mnuERpatient_Click();
    // Assessments and Rx marks.
    void mnuReprintAssess_Click();
    void mnuRevokeAssess_Click();
    // Prints the assessment's slip from the lines staged under UserID, "CASH" and RefNum: the
    // in-patient slip for PatientType 1, else the cash slip. False when the user cancelled the
    // remarks (site OXBEN) and nothing printed.
    bool ReprintPrintAssessSlip(const QString& PatientName, const QString& UserID, const QString& RefNum,
                                qint16 PatientType);
    // Asks, then revokes the unpaid assessment and reloads the list; only on an unpaid list.
    void RevokeAssessment(const QString& strRef);
    // The doctor of the last reprinted assessment that had lines.
    QString mAssessDoctor;
    void mnuRxOn_Click();
    void mnuRxOFF_Click();

    // Opening commands that the toolbar runs too.
    void mnuManualInPatient_Click();
    void mnuManualOutPatient_Click();
    void mnuEmployeesMeds_Click();
    void mnuPostInPatient_Click();
    void mnuPostOutPatient_Click();
    void mnuAdjustmentInPatient_Click();
    void mnuAdjustmentOutPatient_Click();
    void mnuListInPatient_Click();
    void mnuListOutPatient_Click();
    void mnuDrugsInquiry_Click();
    void mnuConfirmMeds_Click();
    void mnuCashReprint_Click();

    // A click on the body of a toolbar button (1 to 18).
    void tbrPharma_ButtonClick(int index);
    // A choice from the drop-down list of a toolbar button: the button's index and the item's (1, 2).
    void tbrPharma_ButtonMenuClick(int buttonIndex, int itemIndex);
    // The toolbar button of that index (1 to 18), separators included.
    QAction* tbrPharmaButton(int index) const;
    // The remembered drop-down choices (1 In-Patient, 2 Out-Patient) of buttons 4, 7, 8 and 10.
    quint8 mManualPostingChoice = 1;
    quint8 mReturnChoice = 1;
    quint8 mCorrectionChoice = 1;
    quint8 mPostedListChoice = 1;

    // Pop-up menus. Each is shown 200 twips below the mouse position measured from a frame of
    // the window; the work-list menus are prepared from the row and the list first.
    // The check marks of "Rx O&N" and "Rx O&FF" from the row's displayed name (column 3).
    void PrepareRxPopUp(const QString& displayedName);
    // Which assessment commands the pop-up offers under a paid ("_4.1"), unpaid ("_4.2") or
    // revoked ("_4.3") list.
    void PrepareAssessmentPopUp(const QString& parentKey);
    // Shows the pop-up menu for a press at `mouse` (in the pressed control's coordinates), offset
    // by the frame's place in the window, as the window's pop-ups have always been placed.
    void ShowPopUp(QMenu* menu, const QWidget* frame, QPoint mouse);
    // Where ShowPopUp places a menu, in the window's coordinates.
    QPoint PopUpPoint(const QWidget* frame, QPoint mouse) const;

    // "Quillax (First Shift) v.1.0.0" and so on; empty for a shift without a title of its own.
    static QString ShiftTitle(int shift);
    // The idle-lock limit in seconds read at load.
    qint64 IdleLimit() const { return lngIdleLimit_; }

    // Top-level menus in menu-bar order; the three pop-up menus among them. Every menu control
    // is found by its object name: menu(name) for a menu, command(name) for an item.
    QMenu* mnuPostPrescriptions = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuOthers = nullptr;
    QMenu* mnuReport = nullptr;
    QMenu* mnuOptionsChange = nullptr;
    QMenu* mnuPopUp = nullptr;
    QMenu* mnuCheckPending = nullptr;
    QMenu* mnuPopUp2 = nullptr;
    QMenu* menu(const QString& name) const;
    // The command (menu item, submenu or separator) of that object name, or nullptr.
    QAction* command(const QString& name) const;

    QAction* mnuOptions = nullptr;
    QAction* mnuAuditTrail = nullptr;
    QAction* mnuIncomeSummary = nullptr;
    QAction* mnuChangeShift = nullptr;
    QAction* mnuLogOff = nullptr;
    QAction* mnuUserSetting = nullptr;
    QAction* mnuDiscountType = nullptr;
    QAction* mnuChargeSlip = nullptr;

    QToolBar* tbrPharma = nullptr;
    QGroupBox* fraList = nullptr;
    FlexGrid* flexMSHList = nullptr;
    QLabel* lblLocation = nullptr;
    QLabel* lblLocationBack = nullptr;
    // Status bar sbrPharma: 1 the employee's name, 2 the server, 3 "CAPS", 4 "INS", 5 the date.
    QLabel* StatusBarPanel1 = nullptr;
    QLabel* StatusBarPanel2 = nullptr;
    QLabel* StatusBarPanel3 = nullptr;
    QLabel* StatusBarPanel4 = nullptr;
    QLabel* StatusBarPanel5 = nullptr;
    // Whether Caps Lock and Insert are on, as the panels show them.
    bool CapsLockOn() const { return capsLock_; }
    bool InsertOn() const { return insertMode_; }

    // The navigation tree: one node per work queue, keyed "_0", "_1", "_1.2", "@<station>", ...
    // Builds it from the site, the settings and the station list; False when the station
    // component did not connect (the tree then stays empty).
    bool LoadTreeView();
    void treCategory_NodeClick(QTreeWidgetItem* node);
    void treCategory_KeyDown(int keyCode, int shift);
    // Reloads the work list of the selected node.
    void ClickTreeView();

    // ---- Work lists: one list of the selected node in flexMSHList ----
    // Pending requests of in-patients ("I") or out-patients ("O"), all (option 2) or of one
    // station (1); True after every load without error.
    bool LoadList(const QString& strStation, const QString& strSearch, int intOption, int intSorted,
                  const QString& strInOut);
    // Pending requests of the emergency room, the same arguments.
    bool LoadListER(const QString& strStation, const QString& strSearch, int intOption, int intSorted,
                    const QString& strInOut);
    // Unit-dose patients, all (option 1) or of one station (2).
    bool LoadUnitDoseList(const QString& strStationID, int intOption, int intSorted);
    // Paid (intWhat 1), unpaid and revoked (2) assessments, take-home prescriptions (5); True
    // only when rows came back.
    bool LoadListAssessment(int intWhat, int intType, const QString& strSearchPatient);
    // Refills, today's (option 1) or earlier days' (2), into the refill layout.
    bool LoadRefillList(int option);
    // The empty layouts: of every list, and of the refill list.
    void ClearGrid();
    void RefillGrid();
    // Paints bold red on peach the request rows marked STAT in column 7.
    void Mark_Stat();
    // The list order of the View menu: 1 FIFO, 2 sorted, empty when neither is checked.
    QVariant Sorted() const;
    // The row every load selects again.
    int ListRow() const { return intListRow; }
    void setListRow(int row) { intListRow = row; }

    // ---- Row actions on flexMSHList ----
    void flexMSHList_DblClick();
    void flexMSHList_KeyPress(int& keyAscii);
    void flexMSHList_KeyDown(int& keyCode, int shift);
    // button 1 left, 2 right; x, y in twips from the grid's corner.
    void flexMSHList_MouseDown(int button, int shift, int x, int y);
    void flexMSHList_EnterCell();
    void flexMSHList_LeaveCell();

    // ---- The cash lists' patient search ----
    QFrame* pictSearch = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtSearch = nullptr;
    // Reloads the selected cash list with the search text.
    void LoadPatientSearch(const QString& search);
    void txtSearch_GotFocus();
    void txtSearch_KeyPress(int keyAscii);
    void txtSearch_LostFocus();
    // A node by its key; by its 1-based position in the build (the jumps rely on it).
    QTreeWidgetItem* TreeNode(const QString& key) const;
    QTreeWidgetItem* TreeNodeAt(int index) const;
    static QString NodeKey(const QTreeWidgetItem* node);
    // Creates the station list component for one tree build; the suite's own unless replaced.
    std::function<std::shared_ptr<WardStations::Station>()> StationMaker;

    // The two panes and the splitter between them.
    QGroupBox* fraCategory = nullptr;
    QTreeWidget* treCategory = nullptr;
    QLabel* imgSplitter = nullptr;
    QFrame* fraSplitter = nullptr;
    void Form_Resize();
    void imgSplitter_MouseDown();
    // x: the pointer's position within imgSplitter, in twips.
    void imgSplitter_MouseMove(int x);
    void imgSplitter_MouseUp();
    void AdjustControls();

    // The indicator strip on the toolbar (the emergency indicator sits on the window itself).
    PictureButton* cmdCommunication = nullptr;
    QLabel* pictPending = nullptr;
    QLabel* lblPendingBlue = nullptr;
    QLabel* lblPendingRed = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* lblPendingBlackIn = nullptr;
    QLabel* lblPendingBlueIn = nullptr;
    QLabel* Picture4 = nullptr;
    QLabel* lblCountInReq = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* lblPendingBlackOut = nullptr;
    QLabel* lblPendingBlueOut = nullptr;
    QLabel* Picture5 = nullptr;
    QLabel* lblCountOutReq = nullptr;
    QLabel* picKVRS = nullptr;
    QLabel* lblKVRS = nullptr;
    QLabel* lblKVRSBlue = nullptr;
    QLabel* pctCash = nullptr;
    QLabel* lblCashPatient = nullptr;
    QLabel* lblCashNum = nullptr;
    QLabel* pctBlinks = nullptr;
    QLabel* lblCriticalStocks = nullptr;
    QLabel* lblExpiringDrugs = nullptr;
    QLabel* Picture3 = nullptr;
    QLabel* lblPendingBlackER = nullptr;
    QLabel* lblPendingBlueER = nullptr;
    QLabel* lblCountOutReqER = nullptr;
    // A press on the pending-request label: the right button offers the "Check Pending" jumps.
    void lblPendingRed_MouseDown(Qt::MouseButton button, QPoint pos);
    QTimer* TimerAutoLock = nullptr;

    // ---- Request detectors and their indicators ----
    QTimer* timerDetect = nullptr;
    QTimer* TimerOut = nullptr;
    QTimer* TimerER = nullptr;
    QTimer* tmrDetectKVRS = nullptr;
    QTimer* timerB = nullptr;
    QTimer* TimerOutB = nullptr;
    QTimer* TimerERB = nullptr;
    QTimer* tmrKVRSB = nullptr;
    QTimer* TimerColor = nullptr;
    // Whether requests of that kind wait for the department ("PH"); the first two refresh their
    // badges. The E.R. check answers False without asking while E.R. patients are not listed
    // apart, the package check while package requests are not in use.
    bool CheckPendingRequest(const QString& code);
    bool CheckPendingRequest2(const QString& code);
    bool CheckPendingRequest3(const QString& code);
    bool CheckKVRS_Request(const QString& date);
    // Refresh a badge from its count; True when the count came back.
    bool CheckPendingRequestCount(const QString& code);
    bool CheckPendingRequestCountOut(const QString& code);
    void CheckPendingRequestCountOutER(const QString& code);
    void timerDetect_Timer();
    void TimerOut_Timer();
    void TimerER_Timer();
    void tmrDetectKVRS_Timer();
    void TimerColor_Timer();
    void timerB_Timer();
    void TimerOutB_Timer();
    void TimerERB_Timer();
    void tmrKVRSB_Timer();
    void lblPendingBlackIn_Click();
    void lblPendingBlackOut_Click();
    void lblPendingBlackER_Click();
    void lblKVRS_Click();

    // ---- Stock, cash and notice monitors, and the announcing characters ----
    QTimer* tmrCash = nullptr;
    QTimer* tmrCashBlink = nullptr;
    QTimer* tmrCriticalStocks = nullptr;
    QTimer* tmrExpiringDrugs = nullptr;
    QTimer* tmrBlinkCritical = nullptr;
    QTimer* tmrBlinkExpire = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* tmrNotice = nullptr;
    QTimer* tmrPeedyNotice = nullptr;
    QTimer* tmrMerlin = nullptr;
    QTimer* tmrPeedy = nullptr;
    AgentControl Agent1;
    AgentControl agtPeedy;
    void tmrCash_Timer();
    void tmrCashBlink_Timer();
    void tmrCriticalStocks_Timer();
    void tmrExpiringDrugs_Timer();
    void tmrBlinkCritical_Timer();
    void tmrBlinkExpire_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
    void tmrNotice_Timer();
    void tmrMerlin_Timer();
    void tmrPeedyNotice_Timer();
    void tmrPeedy_Timer();
    // True when the admission has a discharge notice.
    bool WarningNotice(const QString& IDNum);
    void lblCashPatient_Click();
    void lblCriticalStocks_Click();
    void lblExpiringDrugs_Click();
    void cmdCommunication_Click();
    void Agent1_DblClick();
    void agtPeedy_DblClick();
    // The discharge-notice list, then the clearance of the patient chosen there.
    void Load_Discharge_Notice();
    // The step of the returned-medicine button's pulse, 0 to 11.
    int CommunicationPulseStep() const { return pulseStep_; }

    // The audit-trail window once the command has opened it.
    frmAuditTrail* AuditTrailWindow() const;
    frmOptions* OptionsWindow() const;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void createMenus();
    void createToolbar();
    void createPanes();
    void createIndicators();
    void createStatusBar();
    void showKeyboardState();
    bool previewKey(QObject* watched, QKeyEvent* key);
    void jumpToBranch(int index);
    // The work lists, row actions and the cash search.
    void dispatchList(const QString& key, const QString& text, const QString& parentKey, const QString& parentText);
    // Lays out the empty list and lets go of the lists held before a list is read, so that a long
    // list is built in the memory the last one freed.
    void releaseWorkList();
    // The common load sequence once the source gave its rows; whether rows came back.
    bool showWorkList(const Recordset& rs, const QStringList& headers, std::initializer_list<QAction*> processCommands,
                      bool processRight);
    void LoadPostReturns(const QString& key);
    void adjustGrid();
    void connectWorkList();
    QString selectedParentKey() const;
    // The current row's cell, trimmed unless asked otherwise.
    QString currentCell(int col, bool trimmed = true) const;
    // The take-home prescription screen of the current row, by its command name.
    void openPrescription(const QString& commandName);
    // Sets or clears the current unit-dose row's Rx mark through the procedure.
    void setRxMark(const QString& procedure, bool marked);
    void createCashSearch();
    bool cashSearchEvent(QObject* watched, QEvent* e);
    int intListRow = 1;
    void createMonitorTimers();
    bool monitorEvent(QObject* watched, QEvent* e);
    // The load's steps for the monitors and characters: 10, 13 to 15, and 33, 36, 41.
    void setUpMonitorsAtLoad();
    void setUpIndicatorsAfterRights();
    void AnnounceDischargeNotice();
    void AnnouncePendingRequests();
    void jumpToNode(int index);
    int pulseStep_ = 0;
    Recordset rsPatientList_;
    Recordset rsUnitDoseList_;
    std::vector<QTreeWidgetItem*> treeNodes_;  // in build order
    // Opens the window registered under the command's control name, as the command's handler.
    void openCommandWindow(const QString& controlName, const WindowValues& inputs = {});
    void Form_Unload();
    qint64 IdleTime();
    void applyLocation();
    // Titles the window by the shift; a shift without a title leaves the title as it is.
    void titleByShift(int shift);
    // The login component's answer whether this employee may open the rights editor and the audit trail.
    static bool mayOpenUserSettings();
    void returnFromLockScreen();

    std::array<QAction*, 19> toolbarButtons_{};  // by index; 0 unused
    qint64 lngIdleLimit_ = 59;
    bool capsLock_ = false;
    bool insertMode_ = false;
    bool firstActivationRunning_ = false;
    bool unloaded_ = false;
    QPointer<frmAuditTrail> auditTrail_;
    QPointer<frmOptions> options_;
    QPointer<frmUserSetting> userSetting_;
};

} // namespace qx
