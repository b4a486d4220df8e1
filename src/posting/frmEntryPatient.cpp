// frmEntry: the load step, the patient find with its account checks, the banner and closing.
#include "posting/frmEntry.h"

#include "charging/ChargeEligibility.h"
#include "charging/ChargeGrid.h"
#include "charging/InpatientBanner.h"
#include "charging/PatientLookupBoxes.h"
#include "charging/ColorLegend.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
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
        LookupBoxKeyPress(keyAscii, [&] {
            cmdFind_Click();
            if (grdItemList->isEnabled())
                grdItemList->setFocus(Qt::OtherFocusReason);
        });
    });
}

void frmEntry::cmdFind_Click() {
    eventHandler(kPatientModule, QStringLiteral("cmdFind_Click"), [&] {
        InpatientFile::Patient& patient = *gComponents.gPatient;
        const AdmissionFind found = FindAdmissionInBox(patient, *gComponents.gInpatientList, *txtFind);
        if (found == AdmissionFind::Cancelled)
            return;
        if (found == AdmissionFind::NotFound) {
            txtFind->setFocus(Qt::OtherFocusReason);
            return;
        }
        Connection& con = SQLConnection();
        const AdmissionCheckOutcome outcome =
            CheckAdmissionAccount(con, patient, Trim(txtFind->text()),
                                  {.proceedOnSwitch1 = true, .restrictedItemsForCashBasis = hasUnrestrictedColumn_});
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

void frmEntry::clearPatientValues() {
    for (QLabel* label : lblPatInfo)
        label->clear();
    txtDocCode->clear();
    for (QLabel* label : {lblRoomClass, lblMarkUp}) {
        label->clear();
        label->hide();
    }
}

void frmEntry::clearBanner() {
    clearPatientValues();
    lblExecPackage->hide();
    lblVelmira->hide();
}

void frmEntry::timerB_Timer() {
    ignoringErrors([&] {
        vipColor_ = NextVIPBlinkColor(vipColor_);
        paintRole(lblVIP, QPalette::Window, vipColor_);
    });
}

void frmEntry::reject() { close(); }

void frmEntry::closeEvent(QCloseEvent* event) {
    CloseChargeEntryWindow(*this, event, kPatientModule, [this] { return canSave(); }, [this] { profile_.close(); });
}

} // namespace qx
