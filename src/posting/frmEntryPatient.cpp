// frmEntry: the load step, the patient find with its account checks, the banner and closing.
#include "posting/frmEntry.h"

#include "charging/ChargeEligibility.h"
#include "charging/ChargeGrid.h"
#include "charging/InpatientBanner.h"
#include "charging/ColorLegend.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmDeletePassword.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kPatientModule = QStringLiteral("frmEntry");
const QString kMessageTitle = QStringLiteral("MESSAGE");
} // namespace

void frmEntry::Form_Load() {
    eventHandler(kPatientModule, QStringLiteral("Form_Load"), [&] {
        useECartLocation_ = false;
        if (gShowColorAntibioticClass) {
            setFixedHeight(twipsToPixels(kColorCodedHeight));
            ColorLegendFrame->fill(SQLConnection());
        }
        resetEntry();
        hasUnrestrictedColumn_ = ColumnExists(SQLConnection(), QStringLiteral("tbInvMaster"), QStringLiteral("Unrestricted"));
        txtFind->setFocus(Qt::OtherFocusReason);
    });
}

void frmEntry::txtFind_Change() {
    if (!cmdFind->isEnabled())
        cmdFind->setEnabled(true);
}

void frmEntry::txtFind_KeyPress(int& keyAscii) {
    eventHandler(kPatientModule, QStringLiteral("txtFind_KeyPress"), [&] {
        if (keyAscii == 13) {
            keyAscii = 0;
            cmdFind_Click();
            if (grdItemList->isEnabled())
                grdItemList->setFocus(Qt::OtherFocusReason);
            return;
        }
        keyAscii = QChar(keyAscii).toUpper().unicode();
    });
}

void frmEntry::cmdFind_Click() {
    eventHandler(kPatientModule, QStringLiteral("cmdFind_Click"), [&] {
        InpatientFile::Patient& patient = *gComponents.gPatient;
        QString box = txtFind->text();
        if (!IsNumeric(box)) {
            box = gComponents.gInpatientList->ShowList(box);
            txtFind->setText(box);
        }
        if (box.isEmpty())
            return;
        if (!patient.LoadInfo(Trim(box))) {
            MsgBox(QStringLiteral("Patient number not found!"), vbInformation);
            txtFind->setFocus(Qt::OtherFocusReason);
            return;
        }
        Connection& con = SQLConnection();
        const FindOutcome outcome = checkAccount(con, patient, Trim(box));
        if (!outcome.loads) {
            restoreShownPatient(patient);
            if (txtFind->isEnabled())
                txtFind->setFocus(Qt::OtherFocusReason);
            return;
        }
        useECartLocation_ = useECartLocation_ || outcome.useECartLocation;
        restrictedItemsOnly_ = outcome.restrictedItemsOnly;
        showPatient(con, patient);
    });
}

frmEntry::FindOutcome frmEntry::checkAccount(Connection& con, InpatientFile::Patient& patient, const QString& key) {
    const FindOutcome refused;
    FindOutcome outcome{.loads = true};
    const QString admission = patient.AdmissionNumber();
    if (IsBillingDateToday(con, admission)) {
        ShowBillClosedToday();
        return refused;
    }
    if (!IPDHasLateCharges(con, key)) {
        MsgBox(QStringLiteral("The Patient's account is not open for Late Charges. Kindly coordinate with the PARS Section!"),
               vbInformation, kMessageTitle);
        return refused;
    }
    bool accountChecksPassed = false;
    if (patient.Billed() != kOpenBillDate) {
        frmDeletePassword& supervisor = frmDeletePassword::Default();
        showModal(supervisor);
        if (supervisor.OKCharge()) {
            accountChecksPassed = true;
        } else if (GetPharmaSwitch(con, QStringLiteral("1"))) {
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
        if (!IsChargeOkay(con, key)) {
            const QString leadIn = patient.PatientName() + QStringLiteral(" ( with Admission # ") + admission +
                                   QStringLiteral(" ) ");
            if (GetPharmaSwitch(con, QStringLiteral("1"))) {
                if (MsgBox(leadIn + QStringLiteral("is for cash basis only. Would you like to proceed?"), vbYesNo,
                           kMessageTitle) == vbNo)
                    return refused;
                outcome.useECartLocation = true;
            } else if (hasUnrestrictedColumn_) {
                MsgBox(leadIn + QStringLiteral("is for cash basis only. Only non-restricted items are available for charging."),
                       vbInformation);
                outcome.restrictedItemsOnly = true;
            } else {
                MsgBox(leadIn + QStringLiteral("is for cash basis only. Please verify with the billing section."),
                       vbCritical, QStringLiteral("WARNING"));
                outcome.loads = false;
            }
        }
    }
    TellIfPatientsMed(con, admission);
    return outcome;
}

void frmEntry::showPatient(Connection& con, InpatientFile::Patient& patient) {
    txtFind->setText(patient.AdmissionNumber());
    lblPatInfo[0]->setText(patient.HospitalNumber());
    lblPatInfo[1]->setText(patient.StationID() + QStringLiteral(" - ") + patient.Station());
    lblPatInfo[2]->setText(patient.PatientName());
    txtDocCode->setText(patient.DoctorID());
    lblPatInfo[3]->setText(patient.Doctor());
    lblPatInfo[4]->setText(patient.RoomNumber() + QStringLiteral(" (") + patient.StationID() + QStringLiteral(")"));

    lblPatInfo[5]->setText(ShownDispensingChargeSlip(con, txtFind->text()));

    lblPatInfo[7]->setText(patient.Company());
    lblPatInfo[8]->setText(patient.Age());
    lblPatInfo[9]->setText(Left(patient.Sex(), 1));

    ShowExecutivePackage(con, *lblExecPackage, patient.AdmissionNumber());
    ShowRoomMarkUp(con, *lblMarkUp, *lblRoomClass, patient.AdmissionNumber());

    grdItemList->setRow(1);
    grdItemList->setCol(1);
    if (grdItemList->isEnabled())
        grdItemList->setFocus(Qt::OtherFocusReason);
    chargeGrid_->hideEditor();
    cmdFind->setEnabled(false);
    grdItemList->setEnabled(true);
    grdItemList->setFocus(Qt::OtherFocusReason);

    ShowSponsorship(con, *lblVelmira, txtFind->text());
    shownAdmission_ = patient.AdmissionNumber();
}

// Lines are priced and posted for the patient the banner shows: a refused find puts the patient
// component and the box back on that patient, or leaves nobody to charge when there was none.
void frmEntry::restoreShownPatient(InpatientFile::Patient& patient) {
    if (!shownAdmission_.isEmpty()) {
        patient.LoadInfo(shownAdmission_);
        txtFind->setText(shownAdmission_);
        return;
    }
    clearBanner();
    setGrid();
    chargeGrid_->hideEditor();
    txtFind->clear();
}

void frmEntry::clearBanner() {
    for (QLabel* label : lblPatInfo)
        label->clear();
    txtDocCode->clear();
    for (QLabel* label : {lblRoomClass, lblMarkUp}) {
        label->clear();
        label->hide();
    }
    lblExecPackage->hide();
    lblVelmira->hide();
}

void frmEntry::timerB_Timer() {
    ignoringErrors([&] {
        vipColor_ = NextVIPBlinkColor(vipColor_);
        QPalette palette = lblVIP->palette();
        palette.setColor(QPalette::Window, toQColor(vipColor_));
        lblVIP->setPalette(palette);
    });
}

void frmEntry::reject() { close(); }

void frmEntry::closeEvent(QCloseEvent* event) {
    CloseChargeEntryWindow(*this, event, kPatientModule, [this] { return canSave(); }, [this] { profile_.close(); });
}

} // namespace qx
