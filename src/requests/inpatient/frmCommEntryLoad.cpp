// frmCommEntry: the load, with the patient header and the admission checks.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/DoctorLookup.h"
#include "charging/InpatientBanner.h"
#include "charging/RequestScreenGrid.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kCommLoadModule = QStringLiteral("frmCommEntry");
} // namespace

void frmCommEntry::Form_Load() {
    buildForm();
    requestGrid().start();
    const int cellHeight = grdItemList->rowHeight(1);
    for (QWidget* part : std::initializer_list<QWidget*>{txtEntry(), cmdEntry(), UpDownCtl()})
        part->setFixedHeight(twipsToPixels(cellHeight));

    if (gSiteCode != QLatin1String("QVH")) {
        Label1[13]->hide();
        lblTargetLocationID->hide();
    }

    bool senior = false;
    if (!patientID_.isEmpty()) {
        if (gComponents.gPatient->LoadInfo(patientID_)) {
            if (!loadPatient(senior))
                return;
            LoadPendingLines();
        }
    }

    Connection& con = SQLConnection();
    if (gShowColorAntibioticClass)
        ShowColorLegend();
    if (senior) {
        chargeGrid_->hideEditor();
        cmdCancel->setEnabled(false);
    } else {
        cmdCancel->setEnabled(true);
        txtDiscount->setEnabled(false);
    }
    cmdPrintSave->setEnabled(false);
    cmdSave->setEnabled(false);
    // Nobody loaded: the admission of the patient shown is unknown, so no VIP flag is looked for.
    const QString admission = Trim(lblPatInfo[7]->text());
    if (!admission.isEmpty() && IsVIPPatient(con, admission))
        lblVIP->show();
    requestGrid().openEditorForScan();
    SetSupplierColWidth();
    SetPNFColWidth();
    SetGenericNameColWidth();
}

bool frmCommEntry::loadPatient(bool& senior) {
    Connection& con = SQLConnection();
    InpatientFile::Patient& patient = *gComponents.gPatient;
    const QString admission = patient.AdmissionNumber();
    if (IsBillingDateToday(con, admission)) {
        ShowBillClosedToday();
        return false;
    }
    if (patient.Billed() != kOpenBillDate) {
        ShowBillClosedRefusal();
        return false;
    }
    ShowRequestAdmission(con, patient, requestedStationID_, lblPatInfo, *txtDocCode, *lblExecPackage, *lblVelmira);
    // The design shows the barcode button already; the switch cannot hide it.
    if (GetPharmaSwitch(con, QStringLiteral("18")))
        cmdPrintBarCode->show();

    lblPatInfo[5]->setText(ShownDispensingChargeSlip(con, lblPatInfo[7]->text()));
    ShowRoomMarkUp(con, *lblMarkUp, *lblRoomClass, admission);

    senior = patient.SeniorCitizen();
    if (senior) {
        txtDiscount->setText(QString::number(gSeniorCitizenDiscount));
    } else {
        txtDiscount->setEnabled(false);
        grdItemList->setColWidth(kColStock, 0);
    }
    return true;
}

void frmCommEntry::cmdDocCode_Click() {
    eventHandler(kCommLoadModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDocCode, .doctorCaption = lblPatInfo[3], .itemGrid = grdItemList,
                      .focusGridOnlyWhenEnabled = true});
    });
}

void frmCommEntry::txtDocCode_KeyPress(int& keyAscii) {
    if (keyAscii == 13) {
        keyAscii = 0;
        cmdDocCode_Click();
    }
}

void frmCommEntry::cmdPosted_Click() {
    eventHandler(kCommLoadModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPosted"), {{QStringLiteral("IDNum"), Trim(lblPatInfo[7]->text())}});
    });
}

} // namespace qx
