// frmEmployee: finding the visit (or registering one for an employee), the fringe-benefit
// question, the charge account with its credit figures, and the charge-slip number shown.
#include "posting/frmEmployee.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientBanner.h"
#include "charging/PatientSelection.h"
#include "charging/PatientLookupBoxes.h"
#include "components/AccountFirms.h"
#include "components/Connection.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRecent.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "posting/clsEmployeeReg.h"
#include "posting/frmEmployeeList.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/clsPatient.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kEmployeePatientModule = QStringLiteral("frmEmployee");
const QString kFringeAccounts = QStringLiteral("FB");
const QString kOrdinaryAccounts = QStringLiteral("Y");

void focusIfEnabled(QWidget* control) {
    if (control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

QString captioned(const QString& value) { return QLatin1Char(' ') + value; }
} // namespace

frmEmployeeList& frmEmployee::employeeList() {
    if (!employeeList_)
        employeeList_ = std::make_unique<frmEmployeeList>(this);
    return *employeeList_;
}

void frmEmployee::txtIDNum_KeyPress(int& keyAscii) {
    eventHandler(kEmployeePatientModule, QStringLiteral("txtHospNum_KeyPress"),
                 [&] { LookupBoxKeyPress(keyAscii, [this] { cmdHospNum_Click(); }); });
}

void frmEmployee::cmdHospNum_Click() {
    eventHandler(kEmployeePatientModule, QStringLiteral("cmdHospNum_Click"), [&] {
        newPatient_ = false;
        Connection& con = SQLConnection();
        OutpatientFile::OPDPatient& visit = *gComponents.gOPDPatient;
        VisitLookupOptions options{.refuseEmployeeMasterAccount = false};
        options.fallbackPicker = [this](const QString& typed) {
            clsEmployeeReg& registration = gEmployeeReg();
            // Closing the list without registering must not load the previous registration.
            registration.setOPD_ID(QString());
            frmEmployeeList& list = employeeList();
            list.setSearch(typed);
            list.Form_Load();
            showModal(list);
            return registration.OPD_ID();
        };
        const VisitLookupResult found = LookUpVisit(con, visit, *gComponents.gOPDRecentList, txtIDNum->text(), options);
        const VisitBanner banner{.visitBox = txtIDNum, .name = lblPatInfo[0], .hospitalNumber = lblPatInfo[1],
                                 .sex = lblPatInfo[2], .age = lblPatInfo[3], .prefix = QStringLiteral(" ")};
        switch (found.kind) {
        case VisitLookupResult::Cancelled:
        case VisitLookupResult::EmployeeAccount:
        case VisitLookupResult::Refused:
            return;
        case VisitLookupResult::NotFound:
            focusIfEnabled(txtIDNum);
            flexMSEntry->setEnabled(false);
            return;
        case VisitLookupResult::Registered:
            banner.showVisit(visit);
            lblAccount[2]->setText(ShownDispensingChargeSlip(con, txtIDNum->text()));
            if (!askFringe())
                cmdAcctNum_Click();
            flexMSEntry->setEnabled(true);
            txtAcctNum->setEnabled(true);
            cmdAcctNum->setEnabled(true);
            txtDiscount->setEnabled(true);
            txtIDNum->setEnabled(false);
            if (!txtAcctNum->text().isEmpty())
                focusIfEnabled(flexMSEntry);
            else
                focusIfEnabled(txtAcctNum);
            return;
        case VisitLookupResult::Master:
            break;
        }
        banner.showNewVisit(gPatientInfo());
        txtIDNum->setEnabled(false);
        lblAccount[2]->setText(ShownDispensingChargeSlip(con, txtIDNum->text()));
        askFringe();
        flexMSEntry->setEnabled(true);
        txtDiscount->setEnabled(true);
        newPatient_ = true;
        focusIfEnabled(txtAcctNum);
        focusIfEnabled(flexMSEntry);
    });
}

bool frmEmployee::askFringe() {
    const bool fringe = MsgBox(QStringLiteral("Is this a fringe benefit?"), vbYesNo, QStringLiteral("IMPORTANT")) == vbYes;
    chkFringe->setChecked(fringe);
    return fringe;
}

void frmEmployee::txtAcctNum_KeyPress(int& keyAscii) {
    eventHandler(kEmployeePatientModule, QStringLiteral("txtAcctNum_KeyPress"), [&] {
        LookupBoxKeyPress(keyAscii, [this] {
            if (!askFringe())
                cmdAcctNum_Click();
        });
    });
}

void frmEmployee::chkFringe_Click() {
    eventHandler(kEmployeePatientModule, QStringLiteral("chkFringe_Click"), [&] {
        txtAcctNum->clear();
        lblAccount[0]->clear();
        // The credit figures belong to the account in the box.
        lblCredit->clear();
        lblTotalCredit->clear();
        cmdAcctNum_Click();
    });
}

void frmEmployee::cmdAcctNum_Click() {
    eventHandler(kEmployeePatientModule, QStringLiteral("cmdAcctNum_Click"), [&] {
        AccountFirms::Firm& company = *gComponents.gCompany;
        AccountFirms::FirmList& picker = *gComponents.gCompanyList;
        const bool fringe = chkFringe->isChecked();
        const QString kind = fringe ? kFringeAccounts : kOrdinaryAccounts;
        const QString typed = Trim(txtAcctNum->text());
        QString code;
        if (fringe)
            code = picker.ShowList(typed, kind);
        else
            code = company.Search(typed, kind) ? typed : picker.ShowList(typed, kind);
        if (code.isEmpty()) {
            if (txtAcctNum->isEnabled()) {
                txtAcctNum->clear();
                lblAccount[0]->clear();
                lblCredit->clear();
                lblTotalCredit->clear();
                txtAcctNum->setFocus(Qt::OtherFocusReason);
            }
            return;
        }
        if (!company.Search(Trim(code), kind)) {
            ShowInfo(QStringLiteral("Account code doesn't exists."));
            focusIfEnabled(txtAcctNum);
            return;
        }
        txtAcctNum->setText(company.CompanyCode());
        lblAccount[0]->setText(captioned(company.CompanyName()));
        lblAccount[1]->setText(captioned(company.DateEmployed()));
        loadCreditFigures(company.CompanyCode());
        focusIfEnabled(flexMSEntry);
    });
}

void frmEmployee::loadCreditFigures(const QString& account) {
    Connection& con = SQLConnection();
    lblCredit->setText(Format(GetCompanyCreditLimit(con, account), QStringLiteral("#####00.00")));
    lblTotalCredit->setText(Format(GetChargesOnAccount(con, account), QStringLiteral("#####00.00")));
}

} // namespace qx
