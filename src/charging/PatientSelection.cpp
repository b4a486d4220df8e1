#include "charging/PatientSelection.h"

#include "charging/ChargeEligibility.h"
#include "charging/InpatientBanner.h"
#include "components/AccountFirms.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/InpatientRoster.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRecent.h"
#include "components/PlatformServices.h"
#include "platform/Values.h"
#include "shell/PatientChecks.h"
#include "shell/Switches.h"
#include "shell/clsPatient.h"
#include "shell/frmDeletePassword.h"

namespace qx {

const QString kEmployeeAccountMessage = QStringLiteral("Pls. post medicine to employee`s entry.");

namespace {
const QString kMessageTitle = QStringLiteral("MESSAGE");
const QString kLateChargesClosed =
    QStringLiteral("The Patient's account is not open for Late Charges. Kindly coordinate with the PARS Section!");

void tellLateChargesClosed() { MsgBox(kLateChargesClosed, vbInformation, kMessageTitle); }

// Shows the supervisor dialog; true when a supervisor approved, whose id goes to `verifyID`.
bool askSupervisor(QString& verifyID) {
    frmDeletePassword& supervisor = frmDeletePassword::Default();
    showModal(supervisor);
    verifyID = supervisor.OKCharge() ? supervisor.VerifyID() : QString();
    return supervisor.OKCharge();
}
} // namespace

AdmissionFind FindAdmission(InpatientFile::Patient& patient, InpatientRoster::InpatientList& picker, QString& box,
                            const std::optional<int>& pickerMode) {
    if (!IsNumeric(box))
        box = picker.ShowList(box, pickerMode);
    if (box.isEmpty())
        return AdmissionFind::Cancelled;
    if (!patient.LoadInfo(Trim(box))) {
        MsgBox(QStringLiteral("Patient number not found!"), vbInformation);
        return AdmissionFind::NotFound;
    }
    return AdmissionFind::Found;
}

AdmissionCheckOutcome CheckAdmissionAccount(Connection& con, InpatientFile::Patient& patient, const QString& key,
                                            const AdmissionCheckOptions& options) {
    const AdmissionCheckOutcome refused;
    AdmissionCheckOutcome outcome{.loads = true};
    const QString admission = patient.AdmissionNumber();
    if (options.forReturns && !IPDHasLateCharges(con, key)) {
        tellLateChargesClosed();
        return refused;
    }
    if (IsBillingDateToday(con, admission)) {
        ShowBillClosedToday();
        return refused;
    }
    if (!options.forReturns && !IPDHasLateCharges(con, key)) {
        tellLateChargesClosed();
        return refused;
    }
    bool accountChecksPassed = false;
    if (patient.Billed() != kOpenBillDate) {
        if (askSupervisor(outcome.verifyID)) {
            accountChecksPassed = true;
        } else if (options.proceedOnSwitch1 && GetPharmaSwitch(con, QStringLiteral("1"))) {
            if (MsgBox(QStringLiteral("Patient bill is closed. Would you like to proceed?"), vbYesNo, kMessageTitle) == vbNo)
                return refused;
            outcome.useECartLocation = true;
            accountChecksPassed = true;
        } else {
            ShowBillClosedRefusal();
            return refused;
        }
    }
    if (!accountChecksPassed) {
        if (HasClearance(con, admission)) {
            MsgBox(QStringLiteral("The Patient is already cleared.  Please verify with Billing section."), vbInformation,
                   kMessageTitle);
            return refused;
        }
        if (!options.forReturns && !IsChargeOkay(con, key)) {
            const QString leadIn =
                patient.PatientName() + QStringLiteral(" ( with Admission # ") + admission + QStringLiteral(" ) ");
            if (options.proceedOnSwitch1 && GetPharmaSwitch(con, QStringLiteral("1"))) {
                if (MsgBox(leadIn + QStringLiteral("is for cash basis only. Would you like to proceed?"), vbYesNo,
                           kMessageTitle) == vbNo)
                    return refused;
                outcome.useECartLocation = true;
            } else if (options.restrictedItemsForCashBasis) {
                MsgBox(leadIn +
                           QStringLiteral("is for cash basis only. Only non-restricted items are available for charging."),
                       vbInformation);
                outcome.restrictedItemsOnly = true;
            } else {
                MsgBox(leadIn + QStringLiteral("is for cash basis only. Please verify with the billing section."),
                       vbCritical, QStringLiteral("WARNING"));
                outcome.loads = false;
            }
        }
    }
    if (!options.forReturns)
        TellIfPatientsMed(con, admission);
    if (!outcome.loads)
        outcome.verifyID.clear();
    return outcome;
}

namespace {
// Whether the registered visit the component holds may be charged, asking the supervisor where
// the rule allows; tells its refusal.
bool passesOpenAccountRule(Connection& con, OutpatientFile::OPDPatient& visit, const QString& id,
                           OpenAccountRule rule, QString& verifyID) {
    if (rule == OpenAccountRule::None)
        return true;
    if (rule == OpenAccountRule::DischargedLateChargesOpen) {
        if (IsOPDDischarged(con, id) && !OPDHasLateCharges(con, id)) {
            tellLateChargesClosed();
            return false;
        }
        return true;
    }
    if (IsChargeOkayOPD(con, id))
        return true;
    const bool lateChargesOpen = OPDHasLateCharges(con, id);
    if (rule == OpenAccountRule::LateChargesOpen) {
        if (!lateChargesOpen)
            tellLateChargesClosed();
        return lateChargesOpen;
    }
    if (IsOPDAdmittedToday(con, id) || visit.HospitalNumber() == visit.AccountNumber())
        return true;
    if (!lateChargesOpen) {
        tellLateChargesClosed();
        return false;
    }
    if (askSupervisor(verifyID))
        return true;
    ShowBillClosedRefusal();
    return false;
}
} // namespace

namespace {
// `recent` null: the picker lists registered visits only.
VisitLookupResult lookUpVisit(Connection& con, OutpatientFile::OPDPatient& visit, OutpatientRecent::RecentList* recent,
                              const QString& typed, const VisitLookupOptions& options) {
    VisitLookupResult result;
    // A visit the component knows by the typed text is a registered visit, whatever the picker
    // was last left saying.
    const bool directHit = visit.Search(typed);
    bool fromFallback = false;
    if (directHit) {
        result.id = typed;
    } else {
        result.id = options.picker ? options.picker(typed) : recent ? recent->ShowList(typed) : QString();
        if (result.id.isEmpty() && options.fallbackPicker) {
            result.id = options.fallbackPicker(typed);
            fromFallback = true;
        }
    }
    if (result.id.isEmpty())
        return result;

    if (directHit || fromFallback || !recent || !recent->MasterOrRegistered()) {
        if (!visit.Search(result.id)) {
            MsgBox(QStringLiteral("Hospital Number not found."), vbExclamation);
            result.kind = VisitLookupResult::NotFound;
            return result;
        }
        if (!passesOpenAccountRule(con, visit, result.id, options.openAccountRule, result.verifyID)) {
            result.verifyID.clear();
            result.kind = VisitLookupResult::Refused;
            return result;
        }
        result.kind = VisitLookupResult::Registered;
        return result;
    }

    clsPatient& patient = gPatientInfo();
    if (!patient.Search(con, result.id))
        return result;
    if (options.refuseEmployeeMasterAccount && IsCompanyClassS(con, Trim(patient.MasterAccountCode()))) {
        MsgBox(kEmployeeAccountMessage, vbInformation, QStringLiteral("Message"));
        result.kind = VisitLookupResult::EmployeeAccount;
        return result;
    }
    result.kind = VisitLookupResult::Master;
    return result;
}
} // namespace

VisitLookupResult LookUpVisit(Connection& con, OutpatientFile::OPDPatient& visit, OutpatientRecent::RecentList& recent,
                              const QString& typed, const VisitLookupOptions& options) {
    return lookUpVisit(con, visit, &recent, typed, options);
}

VisitLookupResult LookUpVisit(Connection& con, OutpatientFile::OPDPatient& visit, const QString& typed,
                              const VisitLookupOptions& options) {
    return lookUpVisit(con, visit, nullptr, typed, options);
}

AccountLookup LookUpCompanyAccount(Connection& con, AccountFirms::Firm& company, AccountFirms::FirmList& picker,
                                   const QString& typed) {
    const QString code = company.Search(Trim(typed)) ? Trim(typed) : picker.ShowList(typed);
    if (code.isEmpty())
        return AccountLookup::Cancelled;
    if (!company.Search(code)) {
        MsgBox(QStringLiteral("Account code does not exist."), vbExclamation);
        return AccountLookup::NotFound;
    }
    if (IsCompanyClassS(con, Trim(code))) {
        MsgBox(kEmployeeAccountMessage, vbInformation, QStringLiteral("Message"));
        return AccountLookup::EmployeeClass;
    }
    return AccountLookup::Found;
}

} // namespace qx
