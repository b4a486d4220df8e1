// frmCommEntryOP: the save buttons, over the shared serving code.
#include "requests/outpatient/frmCommEntryOP.h"

#include "components/OutpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "requests/serving/RequestServing.h"
#include "shell/Session.h"

#include <QPushButton>

namespace qx {

namespace {
const QString kOPSaveModule = QStringLiteral("frmCommEntryOP");
} // namespace

RequestServingScreen frmCommEntryOP::servingScreen() {
    const OutpatientFile::OPDPatient& visit = *gComponents.gOPDPatient;
    RequestServingScreen s = DescribeRequestServing(*this, kOPSaveModule);
    s.rowColumns = {.scanFlag = kColScanned, .scanFlagNumeric = true};
    s.overStockChoice = kColLogChoice;
    s.posted = kColPosted;
    s.requestedCode = -1;
    s.refreshStock = false;
    s.hospNum = visit.HospitalNumber();
    s.idNum = visit.OPDNumber();
    s.room = QStringLiteral("OPD");
    s.inOut = QStringLiteral("O");
    s.slipReport = QStringLiteral("OPDChargeSlip.rpt");
    s.accountOnSlip = true;
    return s;
}

void frmCommEntryOP::connectServingButtons() {
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmCommEntryOP::cmdPrintSave_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmCommEntryOP::cmdSave_Click);
}

bool frmCommEntryOP::Validate() {
    QString verifyId;
    return ValidateRequestServing(servingScreen(), verifyId);
}

void frmCommEntryOP::cmdPrintSave_Click() {
    eventHandler(kOPSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] { ServeRequests(servingScreen(), true); });
}

void frmCommEntryOP::cmdSave_Click() {
    eventHandler(kOPSaveModule, QStringLiteral("cmdSave_Click"), [&] { ServeRequests(servingScreen(), false); });
}

} // namespace qx
