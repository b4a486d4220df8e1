// frmEntry: the save's checks, the posting of the lines under one charge slip and the slip print.
#include "posting/frmEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargePosting.h"
#include "charging/ItemEntry.h"
#include "charging/Numbering.h"
#include "charging/SlipPrinting.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmDeletePassword.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kSaveModule = QStringLiteral("frmEntry");
} // namespace

ManualPostingGrid frmEntry::postingGrid() const {
    ManualPostingGrid screen;
    screen.grid = grdItemList;
    screen.codeCol = colCode;
    screen.dosageCol = colDosage;
    screen.quantityCol = colQuantity;
    screen.stockCol = colStock;
    screen.amountCol = colAmount;
    screen.overStockChoiceCol = colOverStockChoice;
    screen.postedCol = colPosted;
    screen.canSaveRow = [this](int row) { return CanSaveRow(row); };
    screen.doctorBox = txtDocCode;
    screen.doctorName = lblPatInfo[3]->text();
    screen.patientKey = Trim(txtFind->text());
    return screen;
}

void frmEntry::cmdSave_Click() {
    eventHandler(kSaveModule, QStringLiteral("cmdSave_Click"), [&] { saveWithMode(0); });
}

void frmEntry::cmdPrintSave_Click() {
    eventHandler(kSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] { saveWithMode(1); });
}

void frmEntry::saveWithMode(int mode) {
    if (!Validate())
        return;
    if (!Save(mode))
        return;
    ClearAll();
    if (txtFind->isEnabled())
        txtFind->setFocus(Qt::OtherFocusReason);
    if (grdItemList->isEnabled())
        grdItemList->setEnabled(false);
}

bool frmEntry::Validate() {
    return generalProcedure(kSaveModule, QStringLiteral("Validate"), [&] {
        return RunSaveChecks(ManualPostingChecks(SQLConnection(), gComponents.gDrug->Drug(), postingGrid(), verifyID_));
    });
}

bool frmEntry::Save(int mode) {
    return generalProcedure(kSaveModule, QStringLiteral("Save"), [&] {
        Connection& con = SQLConnection();
        const InpatientFile::Patient& patient = *gComponents.gPatient;
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        const QString admission = Trim(txtFind->text());
        const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));

        ChargeSlipSave save;
        const std::unique_ptr<NumberSeries> series = ChargeSlipSeriesFor(con, drug.Chargeslip(), admission);
        save.series = series.get();
        save.drug = &drug;
        save.idNum = admission;
        save.claimedBy = gEmployeeCode;
        save.shownNumber = Trim(lblPatInfo[5]->text());
        save.stagingKey = gHostID;
        const ManualPostingGrid screen = postingGrid();
        for (int row : UnpostedCompleteRows(screen)) {
            PostingLine line = ManualPostingLine(screen, row, transDate, 28);
            DrugCatalog::StockCardArgs& a = line.args;
            a[1] = patient.HospitalNumber();
            a[2] = patient.AdmissionNumber();
            a[11] = txtDocCode->text();
            a[14] = patient.RoomNumber();
            a[20] = grdItemList->textMatrix(row, colRemarks);
            save.lines.push_back(line);
        }
        save.afterPosting = ManualPostingFollowUp(verifyID_, false, chkDirectTransaction->isChecked());
        const QString patientName = Trim(lblPatInfo[2]->text());
        if (mode == 1)
            save.userLog = [patientName](const QString& slip) {
                return QStringLiteral("Saved ") + QStringLiteral(" and Print") + QStringLiteral("Request Under Patient : ") +
                       patientName + QStringLiteral(" |  ChargeSlip# : ") + slip;
            };

        const std::optional<ChargeSlipPosted> posted = PostChargeSlipOrTell(con, save);
        if (!posted)
            return false;
        for (int row : posted->rows)
            grdItemList->setTextMatrix(row, colPosted, QStringLiteral("P"));
        lblPatInfo[5]->setText(posted->slipNumber);
        if (mode == 1)
            PrintPostedSlipOrTell(posted->slipNumber, [this] { PrintChargeSlip(); });
        return true;
    });
}

void frmEntry::PrintChargeSlip() {
    generalProcedure(kSaveModule, QStringLiteral("PrintChargeSlip"), [&] {
        Connection& con = SQLConnection();
        const QString admission = Trim(txtFind->text());
        ChargeSlipHeader header;
        header.name = Trim(lblPatInfo[2]->text());
        header.patientId = admission;
        header.hospNum = Trim(lblPatInfo[0]->text());
        header.room = Trim(lblPatInfo[4]->text());
        header.encoder = gEmployeeName;
        header.transType = QStringLiteral("Original Copy");
        header.printKey = gHostID;
        header.slipNumber = Trim(lblPatInfo[5]->text());
        header.doctor = Trim(lblPatInfo[3]->text());
        header.company = SearchAccount(con, admission);
        header.station = lblPatInfo[1]->text();
        header.age = Trim(lblPatInfo[8]->text());
        header.sex = Trim(lblPatInfo[9]->text());
        header.requestDate = Format(QVariant(con.serverNow()), QStringLiteral("MM/dd/yyyy hh:mm AMPM"));
        header.package = GetExecutivePackage(con, admission);
        header.position = gEmployeePosition;
        std::shared_ptr<report::Report> report;
        SetChargeSlipReport(report, QStringLiteral("ChargeSlip.rpt"), header);
        PrintSlipReport(report, false);
    });
}

} // namespace qx
