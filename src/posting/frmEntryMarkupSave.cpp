// frmEntryMarkup: what the save posts for the admission, and the charge slip.
#include "posting/frmEntryMarkup.h"

#include "charging/SlipPrinting.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kMarkupSaveModule = QStringLiteral("frmEntryMarkup");
}

QLineEdit* frmEntryMarkup::patientBox() const { return txtFind; }
QLabel* frmEntryMarkup::slipLabel() const { return lblPatInfo[5]; }

CompanyMarkupScreen::PostingPlan frmEntryMarkup::postingPlan() {
    const InpatientFile::Patient& patient = *gComponents.gPatient;
    PostingPlan plan;
    plan.patientKey = Trim(txtFind->text());
    plan.hospNum = patient.HospitalNumber();
    plan.visit = patient.AdmissionNumber();
    plan.listCostCol = colListCost;
    plan.overStockChoiceCol = colOverStockChoice;
    plan.valueCount = 28;
    const QString doctor = txtDocCode->text();
    const QString room = patient.RoomNumber();
    plan.fillArgs = [this, doctor, room](int row, DrugCatalog::StockCardArgs& a) {
        a[11] = doctor;
        a[14] = room;
        a[20] = flexMSEntry->textMatrix(row, colRemarks);
    };
    return plan;
}

void frmEntryMarkup::cmdSave_Click() {
    unhandledErrorGuard([&] { runSave(); });
}

// Any error of the print, its save and its slip included, is shown with the step that failed.
void frmEntryMarkup::cmdPrintSave_Click() {
    int line = 0;
    try {
        runPrint(line);
    } catch (...) {
        reportApplicationError(kMarkupSaveModule, QStringLiteral("cmdPrintSave_Click"), line);
    }
}

int frmEntryMarkup::slipCopies() const { return 1; }

std::shared_ptr<report::Report> frmEntryMarkup::openSlip(const QString& slipNumber, const QString& visit) {
    Connection& con = SQLConnection();
    const InpatientFile::Patient& patient = *gComponents.gPatient;
    ChargeSlipHeader header;
    header.name = Trim(lblPatInfo[2]->text());
    header.patientId = visit;
    header.hospNum = Trim(lblPatInfo[0]->text());
    header.encoder = gEmployeeName;
    header.transType = QStringLiteral("Original Copy");
    header.printKey = gHostID;
    header.slipNumber = slipNumber;
    header.doctor = Trim(lblPatInfo[3]->text());
    header.company = SearchAccount(con, visit);
    // The slip names the loaded patient's station, age and sex from the admission's record.
    header.station = patient.Station();
    header.age = patient.Age();
    header.sex = patient.Sex();
    header.requestDate = Format(QVariant(con.serverNow()), QStringLiteral("MM/dd/yyyy hh:mm AMPM"));
    header.package = GetExecutivePackage(con, visit);
    header.position = gEmployeePosition;
    std::shared_ptr<report::Report> report;
    SetChargeSlipReport(report, QStringLiteral("ChargeSlip.rpt"), header);
    return report;
}

} // namespace qx
