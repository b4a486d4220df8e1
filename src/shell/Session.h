#pragma once
#include "components/SuiteComponents.h"

#include <QString>
#include <memory>

namespace qx {

class Connection;

// The main window as start-up sees it: created, loaded, shown. The main window module supplies
// the class; start-up only knows this much of it.
class MainForm {
public:
    virtual ~MainForm() = default;
    // The window's load step (rights, idle lock), run before the splash closes.
    virtual void Load() = 0;
    // Shows the window modeless; from then on the program runs from it.
    virtual void Show() = 0;
};

// ---- Session state set up by start-up, alive for the whole run ----

// The sibling components in their slots (gCurrentUser, gDrug, gPatient, ...).
extern SuiteComponents gComponents;

extern QString gUserLocationRights;      // stock-card location rights: "A", every location
extern QString gDefaultStockLocationID;  // location the stock-card window preselects: "21"
extern bool gFirstActivation;            // cleared by the main window's first activation
extern bool gShiftChanged;
extern bool gExitRequested;
// Set by the screens that want the work list reloaded when the main window is active again.
extern bool gRefreshWorkList;
extern QString gStartDate;               // the workstation's date at start, "mm/dd/yyyy"
extern QString gHostID;                  // the workstation's host id, trimmed
extern qint16 gCommunicationTimer;       // the options component's two values
extern qint16 gSeniorCitizenDiscount;
extern QString gEmployeeCode;
extern QString gEmployeeName;
extern QString gEmployeeInitial;
extern QString gEmployeePosition;
// The cash-sale senior-citizen discount rate (percent); 0 until the cash-sale screen has loaded it.
extern double gCashSeniorDiscountRate;
// The other values only the cash-sale screen fills (when it loads) and reads: the hospital's other
// discount rate, the cashier's report date ("mm/dd/yyyy") and whether the screen awaits its first
// activation.
extern double gCashOtherDiscountRate;
extern QString gCashReportDate;
extern bool gCashSalesFirstActivate;
// The two rights the work queues test, from the main window's last LoadUserSettings.
extern bool gCanProcessRequest;
extern bool gCanUnitDose;
extern std::unique_ptr<MainForm> gMainForm;  // empty until start-up opens it

// The login component's open connection, which every query of the program uses; throws
// AppError when no employee is logged in.
Connection& SQLConnection();

// Error 91, "Object variable or With block variable not set": a call on a slot left empty.
[[noreturn]] void RaiseObjectNotSet();
// The component in a slot, or error 91 when the slot is empty.
template <typename T>
T& SlotComponent(const std::shared_ptr<T>& slot) {
    if (!slot)
        RaiseObjectNotSet();
    return *slot;
}

// Every value above back to empty, zero or False and the component slots released (tests; a
// program starts this way).
void resetSession();

} // namespace qx
