#pragma once
#include <QString>
#include <functional>
#include <optional>

namespace qx {

class Connection;

namespace InpatientFile {
class Patient;
}
namespace InpatientRoster {
class InpatientList;
}
namespace OutpatientFile {
class OPDPatient;
}
namespace OutpatientRecent {
class RecentList;
}
namespace AccountFirms {
class Firm;
class FirmList;
} // namespace AccountFirms

// Choosing whom a charging screen charges: an admission with its account checks, an out-patient
// visit or a patient of the master record (a new visit), and the company account. Every refusal is
// told here with the system's own texts; the screens only fill or restore their banners.

// ---- Admissions ----

enum class AdmissionFind { Cancelled, NotFound, Found };

// Selects the admission in the record component: a typed text that is not a number opens the
// admitted-patient picker first (its answer replaces `box`). An unknown number is told with
// "Patient number not found!". `pickerMode` is handed to the picker as its list mode.
AdmissionFind FindAdmission(InpatientFile::Patient& patient, InpatientRoster::InpatientList& picker, QString& box,
                            const std::optional<int>& pickerMode = std::nullopt);

struct AdmissionCheckOptions {
    // Pharmacy switch 1 lets the user go on with a closed bill or a cash-basis account, charging
    // from the e-cart location.
    bool proceedOnSwitch1 = false;
    // A cash-basis account may still be charged items not restricted (the item master has the
    // column).
    bool restrictedItemsForCashBasis = false;
    // The return screens: late charges are tested before the billing date, and there is no
    // cash-basis test and no patients-med notice (they take back what was charged).
    bool forReturns = false;
};

struct AdmissionCheckOutcome {
    bool loads = false;
    bool useECartLocation = false;
    bool restrictedItemsOnly = false;
    // The supervisor who approved the closed bill during this look-up; "" when none did.
    QString verifyID;
};

// The account checks of the admission the record component holds, in order: bill closed today,
// late charges, closed bill (supervisor), clearance, cash basis; then the patients-med notice.
// `key` is the trimmed number the user gave.
AdmissionCheckOutcome CheckAdmissionAccount(Connection& con, InpatientFile::Patient& patient, const QString& key,
                                            const AdmissionCheckOptions& options);

// ---- Out-patient visits ----

enum class OpenAccountRule {
    None,                // every registered visit may be charged
    LateChargesOpen,     // not charge-okay: its late charges must be open
    TodayOwnOrSupervisor, // not charge-okay: registered today, or charged to the patient's own account,
                          // or late charges open and a supervisor approves
    DischargedLateChargesOpen // a discharged visit must have its late charges open
};

struct VisitLookupOptions {
    // The picker shown when the visit component does not know the typed text; its result is the id.
    std::function<QString(const QString& typed)> picker;
    // Shown with the typed text when the picker was cancelled; its answer is the id of a
    // registered visit (the employee screen's registration).
    std::function<QString(const QString& typed)> fallbackPicker;
    OpenAccountRule openAccountRule = OpenAccountRule::None;
    // A master record charged to an employees' ("S") account is refused.
    bool refuseEmployeeMasterAccount = true;
};

struct VisitLookupResult {
    // Refused: the visit failed the open-account rule; EmployeeAccount: a master record charged to
    // an employees' account.
    enum Kind { Cancelled, NotFound, Refused, EmployeeAccount, Registered, Master };
    Kind kind = Cancelled;
    QString id;
    // The supervisor who approved the visit during this look-up; "" when none did.
    QString verifyID;
};

// Finds the visit by the typed text (the visit component, else the picker). A text the visit
// component finds is a registered visit; a picked id is a master record when the recent-visit
// picker says so. Registered: the visit component holds it and it passed the open-account rule.
// Master: gPatientInfo() holds the patient.
VisitLookupResult LookUpVisit(Connection& con, OutpatientFile::OPDPatient& visit, OutpatientRecent::RecentList& recent,
                              const QString& typed, const VisitLookupOptions& options);

// As above for screens whose picker (options.picker) lists registered visits only: a picked id
// is never a master record.
VisitLookupResult LookUpVisit(Connection& con, OutpatientFile::OPDPatient& visit, const QString& typed,
                              const VisitLookupOptions& options);

extern const QString kEmployeeAccountMessage; // "Pls. post medicine to employee`s entry."

enum class AccountLookup { Cancelled, NotFound, EmployeeClass, Found };

// The company account by the typed code, or from the company picker when the code is unknown.
// Found: the company component holds it. An unknown pick is told with "Account code does not
// exist."; an employees' account with kEmployeeAccountMessage.
AccountLookup LookUpCompanyAccount(Connection& con, AccountFirms::Firm& company, AccountFirms::FirmList& picker,
                                   const QString& typed);

} // namespace qx
