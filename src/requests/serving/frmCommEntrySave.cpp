// frmCommEntry: the save buttons and the drug profile, over the shared serving code.
#include "requests/inpatient/frmCommEntry.h"

#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "requests/serving/RequestServing.h"
#include "shell/Session.h"

#include <QLabel>
#include <QPushButton>

namespace qx {

namespace {
const QString kCommSaveModule = QStringLiteral("frmCommEntry");
} // namespace

RequestServingScreen frmCommEntry::servingScreen() {
    const InpatientFile::Patient& patient = *gComponents.gPatient;
    RequestServingScreen s = DescribeRequestServing(*this, kCommSaveModule);
    s.overStockChoice = kColLogChoice;
    s.posted = kColPosted;
    s.requestedCode = kColRequestedCode;
    s.refreshStock = true;
    s.hospNum = patient.HospitalNumber();
    s.idNum = patient.AdmissionNumber();
    s.room = patient.RoomNumber();
    s.targetLocation = Trim(lblTargetLocationID->text());
    s.inOut = QStringLiteral("I");
    s.slipReport = QStringLiteral("ChargeSlip.rpt");
    return s;
}

void frmCommEntry::connectServingButtons() {
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmCommEntry::cmdPrintSave_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmCommEntry::cmdSave_Click);
    connect(cmdDrugProfile, &QPushButton::clicked, this, &frmCommEntry::cmdDrugProfile_Click);
}

bool frmCommEntry::Validate() {
    QString verifyId;
    return ValidateRequestServing(servingScreen(), verifyId);
}

void frmCommEntry::cmdPrintSave_Click() {
    eventHandler(kCommSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] { ServeRequests(servingScreen(), true); });
}

void frmCommEntry::cmdSave_Click() {
    eventHandler(kCommSaveModule, QStringLiteral("cmdSave_Click"), [&] { ServeRequests(servingScreen(), false); });
}

void frmCommEntry::cmdDrugProfile_Click() {
    eventHandler(kCommSaveModule, QStringLiteral("cmdDrugProfile_Click"), [&] {
        ShowDrugProfile([this](int index) { return lblPatInfo[static_cast<size_t>(index)]; });
    });
}

} // namespace qx
