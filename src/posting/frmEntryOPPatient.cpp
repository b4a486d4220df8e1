// frmEntryOP: choosing the visit (or a patient of the master record as a new visit), its account
// and the doctor; the charge-slip number shown and the out-patient price label.
#include "posting/frmEntryOP.h"

#include "charging/ChargeEligibility.h"
#include "charging/ChargeGrid.h"
#include "charging/DoctorLookup.h"
#include "charging/Numbering.h"
#include "charging/OutPatientPricing.h"
#include "charging/PatientLookupBoxes.h"
#include "components/AccountFirms.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRecent.h"
#include "components/OutpatientRoster.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/clsPatient.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace qx {

namespace {
const QString kVisitModule = QStringLiteral("frmEntryOP");

void focusIfEnabled(QWidget* control) {
    if (control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}
} // namespace

void frmEntryOP::txtIDNum_KeyPress(int& keyAscii) {
    eventHandler(kVisitModule, QStringLiteral("txtIDNum_KeyPress"), [&] {
        LookupBoxKeyPress(keyAscii, [&] { cmdHospNum_Click(); });
    });
}

void frmEntryOP::txtDocCode_KeyPress(int& keyAscii) {
    eventHandler(kVisitModule, QStringLiteral("txtDocCode_KeyPress"), [&] {
        LookupBoxKeyPress(keyAscii, [&] { cmdDocCode_Click(); });
    });
}

void frmEntryOP::cmdHospNum_Click() {
    eventHandler(kVisitModule, QStringLiteral("cmdHospNum_Click"), [&] {
        isNewVisit_ = false;
        saved_ = false;
        Connection& con = SQLConnection();
        OutpatientFile::OPDPatient& visit = *gComponents.gOPDPatient;
        VisitLookupOptions options{.openAccountRule = OpenAccountRule::LateChargesOpen};
        if (gSiteCode != QLatin1String("QVH") && gSiteCode != QLatin1String("JAWKC"))
            options.picker = [](const QString& typed) { return gComponents.gOPDList->ShowList(typed); };
        const VisitLookupResult found = LookUpVisit(con, visit, *gComponents.gOPDRecentList, txtIDNum->text(), options);
        const VisitBanner banner{.visitBox = txtIDNum, .name = lblPatInfo[0], .hospitalNumber = lblPatInfo[1],
                                 .sex = lblPatInfo[2], .age = lblPatInfo[3], .doctorCode = txtDocCode,
                                 .doctor = lblDoctor, .accountNumber = txtAcctNum, .accountName = lblAccount};
        switch (found.kind) {
        case VisitLookupResult::Cancelled:
            return;
        case VisitLookupResult::NotFound:
            enableEntry(false);
            focusIfEnabled(txtIDNum);
            return;
        case VisitLookupResult::EmployeeAccount:
            focusIfEnabled(txtIDNum);
            return;
        case VisitLookupResult::Refused:
            txtIDNum->clear();
            for (QLabel* label : lblPatInfo)
                label->clear();
            txtAcctNum->clear();
            lblAccount->clear();
            lblChargeSlip->clear();
            // Nobody is left to charge: no line may be entered or posted under the refused visit.
            enableEntry(false);
            setOutPriceBlink(false);
            focusIfEnabled(txtIDNum);
            return;
        case VisitLookupResult::Registered:
            banner.showVisit(visit);
            if (gVelmira)
                lblVelmira->setVisible(IsVelmiraPatient(con, txtIDNum->text()));
            visitAccountNum_ = visit.AccountNumber();
            showChargeSlip();
            setOutPriceBlink(isForOutPrice(con, visitAccountNum_));
            enableEntry(true);
            return;
        case VisitLookupResult::Master:
            break;
        }
        const clsPatient& patient = gPatientInfo();
        banner.showNewVisit(patient);
        showChargeSlip();
        txtAcctNum->setText(patient.MasterAccountCode());
        if (!patient.MasterAccountCode().isEmpty())
            cmdAcctNum_Click();
        else
            setOutPriceBlink(false);
        enableEntry(true);
        isNewVisit_ = true;
        focusIfEnabled(grdItemList);
    });
}

void frmEntryOP::cmdAcctNum_Click() {
    eventHandler(kVisitModule, QStringLiteral("cmdAcctNum_Click"), [&] {
        Connection& con = SQLConnection();
        AccountFirms::Firm& company = *gComponents.gCompany;
        switch (LookUpCompanyAccount(con, company, *gComponents.gCompanyList, txtAcctNum->text())) {
        case AccountLookup::Cancelled:
            focusIfEnabled(txtAcctNum);
            return;
        case AccountLookup::NotFound:
            setOutPriceBlink(false);
            focusIfEnabled(txtAcctNum);
            return;
        case AccountLookup::EmployeeClass:
            setOutPriceBlink(false);
            focusIfEnabled(txtIDNum);
            return;
        case AccountLookup::Found:
            break;
        }
        txtAcctNum->setText(company.CompanyCode());
        lblAccount->setText(company.CompanyName());
        setOutPriceBlink(isForOutPrice(con, txtAcctNum->text()));
        if (grdItemList->isEnabled())
            grdItemList->setFocus(Qt::OtherFocusReason);
    });
}

void frmEntryOP::cmdDocCode_Click() {
    eventHandler(kVisitModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDocCode, .doctorCaption = lblDoctor, .itemGrid = grdItemList,
                      .focusGridOnlyWhenEnabled = true});
    });
}

void frmEntryOP::showChargeSlip() {
    Connection& con = SQLConnection();
    if (gSiteCode == QLatin1String("QVH")) {
        lblChargeSlip->setText(GetTerminalChargeSlipNo(con, gEmployeeCode));
        return;
    }
    DrugCatalog::ChargeslipNumbers& slips = gComponents.gDrug->Drug().Chargeslip();
    if (GetPharmaSwitch(con, QStringLiteral("22")))
        lblChargeSlip->setText(slips.CurrentDispensingChargeSlip(Trim(txtIDNum->text())));
    else
        lblChargeSlip->setText(slips.CurrentDispensingChargeSlip());
}

void frmEntryOP::setOutPriceBlink(bool on) { SetOutPriceBlink(*tmrPrice, *lblPrice, on); }

void frmEntryOP::tmrPrice_Timer() { BlinkOutPriceLabel(*lblPrice); }

void frmEntryOP::enableEntry(bool enabled) {
    grdItemList->setEnabled(enabled);
    if (!enabled) {
        chargeGrid_->hideEditor();
        cmdSave->setEnabled(false);
        cmdPrintSave->setEnabled(false);
    }
}

} // namespace qx
