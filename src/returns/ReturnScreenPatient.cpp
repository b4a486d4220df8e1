// The return screen's patient look-up, doctor pick and posted-medicine list.
#include "returns/ReturnScreen.h"

#include "charging/ChargeGrid.h"
#include "charging/DoctorLookup.h"
#include "charging/PatientSelection.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InpatientFile.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRoster.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
// Banner values and the find box are written after one blank; every reader trims.
QString shown(const QString& value) { return QStringLiteral(" ") + value; }
} // namespace

void ReturnScreen::txtFind_KeyPress(int& keyAscii) {
    eventHandler(profile_.module, QStringLiteral("txtFind_KeyPress"), [&] {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            cmdFind_Click();
            return;
        }
        keyAscii = QChar(keyAscii).toUpper().unicode();
    });
}

void ReturnScreen::txtFind_Change() {
    // Only the in-patient form disables its Find button after a load.
    if (profile_.inPatient && !cmdFind->isEnabled())
        cmdFind->setEnabled(true);
}

void ReturnScreen::cmdFind_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdFind_Click"), [&] {
        if (profile_.inPatient)
            findAdmission();
        else
            findVisit();
    });
}

void ReturnScreen::findAdmission() {
    InpatientFile::Patient& patient = SlotComponent(gComponents.gPatient);
    QString box = txtFind->text();
    const AdmissionFind found = FindAdmission(patient, SlotComponent(gComponents.gInpatientList), box);
    if (box != txtFind->text())
        txtFind->setText(box);
    if (found == AdmissionFind::Cancelled)
        return;
    if (found == AdmissionFind::NotFound) {
        restoreLoadedPatient();
        txtFind->setFocus(Qt::OtherFocusReason);
        return;
    }
    const AdmissionCheckOutcome outcome =
        CheckAdmissionAccount(SQLConnection(), patient, Trim(box), {.forReturns = true});
    if (!outcome.loads) {
        restoreLoadedPatient();
        return;
    }
    supervisorVerifyID_ = outcome.verifyID;
    showAdmission();
}

void ReturnScreen::showAdmission() {
    InpatientFile::Patient& patient = SlotComponent(gComponents.gPatient);
    txtFind->setText(shown(patient.AdmissionNumber()));
    setBannerText(profile_.slotHospNum, shown(patient.HospitalNumber()));
    setBannerText(profile_.slotStation, shown(patient.StationID() + QStringLiteral(" - ") + patient.Station()));
    setBannerText(profile_.slotName, shown(patient.PatientName()));
    txtDocCode->setText(shown(patient.DoctorID()));
    setBannerText(profile_.slotDoctor, shown(patient.Doctor()));
    setBannerText(profile_.slotRoom, shown(patient.RoomNumber() + QStringLiteral(" - ") + patient.Room()));
    setBannerText(profile_.slotAge, shown(patient.Age()));
    setBannerText(profile_.slotSex, shown(Left(patient.Sex(), 1)));
    setBannerText(profile_.slotNumber, shown(nextDocumentNumber()));
    cmdFind->setEnabled(false);
    startEntry(Trim(patient.AdmissionNumber()));
}

void ReturnScreen::findVisit() {
    OutpatientFile::OPDPatient& visit = SlotComponent(gComponents.gOPDPatient);
    OutpatientRoster::OutpatientList& picker = SlotComponent(gComponents.gOPDList);
    VisitLookupOptions options;
    options.picker = [&picker](const QString& typed) { return picker.ShowList(typed); };
    options.openAccountRule = OpenAccountRule::DischargedLateChargesOpen;
    const VisitLookupResult found = LookUpVisit(SQLConnection(), visit, txtFind->text(), options);
    if (found.kind == VisitLookupResult::Cancelled)
        return;
    if (found.kind != VisitLookupResult::Registered) {
        restoreLoadedPatient();
        if (txtFind->isEnabled())
            txtFind->setFocus(Qt::OtherFocusReason);
        return;
    }
    supervisorVerifyID_.clear();
    showVisit();
}

void ReturnScreen::showVisit() {
    OutpatientFile::OPDPatient& visit = SlotComponent(gComponents.gOPDPatient);
    txtFind->setText(shown(visit.OPDNumber()));
    setBannerText(profile_.slotHospNum, shown(visit.HospitalNumber()));
    setBannerText(profile_.slotName, shown(visit.PatientName()));
    txtDocCode->setText(visit.DoctorCode());
    setBannerText(profile_.slotDoctor, shown(visit.Doctor()));
    setBannerText(profile_.slotAge, shown(visit.Age()));
    setBannerText(profile_.slotSex, shown(Left(visit.Sex(), 1)));
    setBannerText(profile_.slotNumber, shown(nextDocumentNumber()));
    startEntry(Trim(visit.OPDNumber()));
}

QString ReturnScreen::nextDocumentNumber() {
    DrugCatalog::ChargeslipNumbers& numbers = SlotComponent(gComponents.gDrug).Drug().Chargeslip();
    return returnOrAdjustment_ == kReturn ? numbers.CurrentCreditMemo() : numbers.CurrentAdjustmentSlip();
}

// A fresh entry for the patient just loaded: the grid enabled and empty on line 1, Code.
void ReturnScreen::startEntry(const QString& patientId) {
    loadedPatientID_ = patientId;
    flexMSEntry->setEnabled(true);
    flexMSEntry->setRow(1);
    flexMSEntry->setCol(colCode);
    flexMSEntry->setFocus(Qt::OtherFocusReason);
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        chargeGrid_->clearLine(row, 0, flexMSEntry->cols() - 1);
    chargeGrid_->setEditorText(QString());
    chargeGrid_->openEditor();
    showTotal();
    isEntrySaved = false;
    isSlipPrinted = false;
}

// A refused look-up keeps the patient the lines belong to: the components and the box go back
// to that patient (none loaded: the grid stays disabled).
void ReturnScreen::restoreLoadedPatient() {
    if (loadedPatientID_.isEmpty())
        return;
    if (profile_.inPatient)
        SlotComponent(gComponents.gPatient).LoadInfo(loadedPatientID_);
    else
        SlotComponent(gComponents.gOPDPatient).Search(loadedPatientID_);
    txtFind->setText(shown(loadedPatientID_));
    if (profile_.inPatient)
        cmdFind->setEnabled(true);
}

void ReturnScreen::cmdDocCode_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(SlotComponent(gComponents.gDoctor), SlotComponent(gComponents.gDoctorList),
                     {.codeBox = txtDocCode, .doctorCaption = lblPatInfo[static_cast<size_t>(profile_.slotDoctor)],
                      .itemGrid = flexMSEntry, .focusGridOnlyWhenEnabled = true});
    });
}

void ReturnScreen::txtDocCode_KeyPress(int& keyAscii) {
    if (keyAscii == keys::Return) {
        keyAscii = 0;
        cmdDocCode_Click();
    }
}

void ReturnScreen::cmdPosted_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(profile_.inPatient ? QStringLiteral("frmListPosted") : QStringLiteral("frmListPostedOP"),
                   {{QStringLiteral("IDNum"), Trim(txtFind->text())}});
    });
}

} // namespace qx
