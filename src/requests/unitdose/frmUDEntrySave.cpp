// frmUDEntry: serving the lines under a charge slip, printing it, discontinuing and by-passing.
#include "requests/unitdose/frmUDEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargePosting.h"
#include "charging/ManualItemEntry.h"
#include "charging/Numbering.h"
#include "charging/SlipPrinting.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QPushButton>

namespace qx {

namespace {
const QString kUDSaveModule = QStringLiteral("frmUDEntry");
const QString kUnitDoseTransType = QStringLiteral("UD");
} // namespace

int frmUDEntry::EntryCheck() const {
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        const QString state = flexMSEntry->textMatrix(row, kColDosage);
        if (state == kNotServable || state == kDiscontinued || state == kByPassed)
            continue;
        if (Val(flexMSEntry->textMatrix(row, kColIssued)) == 0 || Val(flexMSEntry->textMatrix(row, kColAmount)) == 0 ||
            state.isEmpty())
            return row;
    }
    return 0;
}

int frmUDEntry::save() {
    const int incomplete = EntryCheck();
    if (incomplete >= 1) {
        MsgBox(QStringLiteral("There is incomplete entry in line # ") + QString::number(incomplete) +
                   QStringLiteral(". Please the following information:  Dosage, Quantity, Amount."),
               vbInformation, QStringLiteral("OOOPS!"));
        return -1;
    }
    if (SaveDone)
        return -1;
    if (!canSave()) {
        MsgBox(QStringLiteral("Entries has incomplete information.  Please check."), vbExclamation);
        SaveDone = true;
        return -1;
    }
    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = CurrentDrug();
    const InpatientFile::Patient& patient = *gComponents.gPatient;
    const QString admission = Trim(lblPatInfo[7]->text());
    const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
    const auto cell = [&](int row, int col) { return flexMSEntry->textMatrix(row, col); };

    // Every served line is checked before a number is claimed: a save posts all its lines or none.
    ChargeSlipSave slip;
    bool counted = false;
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        if (!CanSaveRow(row))
            continue;
        counted = true;
        // Discontinued lines were sent to both databases when they were discontinued.
        if (cell(row, kColDosage) == kDiscontinued)
            continue;
        const QString code = cell(row, kColCode);
        const double quantity = Val(cell(row, kColIssued));
        if (!drug.SearchDrug(code)) {
            MsgBox(QStringLiteral("Drug code ") + Trim(code) + QStringLiteral(" in line # ") + QString::number(row) +
                       QStringLiteral(" is not found.  Nothing was saved."),
                   vbInformation, QStringLiteral("OOOPS!"));
            return -1;
        }
        double amount = Val(cell(row, kColAmount));
        if (!(amount > 0))
            amount = drug.Invent().SellingPriceIn * quantity;
        PostingLine line;
        line.row = row;
        line.itemCode = code;
        line.quantity = cell(row, kColIssued);
        line.stockOnHand = cell(row, kColStock);
        DrugCatalog::StockCardArgs& a = line.args;
        a.count = 28;
        a[1] = patient.HospitalNumber();
        a[2] = patient.AdmissionNumber();
        a[3] = code;
        a[4] = transDate;
        a[6] = quantity;
        a[7] = 0;
        a[8] = amount;
        a[9] = gEmployeeCode;
        a[10] = cell(row, kColDosage);
        a[11] = QString();
        a[12] = gLocationID;
        a[13] = QString();
        a[14] = patient.RoomNumber();
        a[15] = int(frmShift::Default().Shift());
        a[18] = kUnitDoseTransType;
        a[20] = cell(row, kColRemarks);
        a[21] = cell(row, kColPassOn);
        a[23] = 2;
        a[26] = 0;
        a[28] = gHostID;
        slip.lines.push_back(line);
    }

    // The drug component's number at every site, claimed inside the save.
    DrugChargeSlipSeries series(drug.Chargeslip());
    slip.series = &series;
    slip.drug = &drug;
    slip.idNum = admission;
    slip.claimedBy = gEmployeeCode;
    slip.shownNumber = Trim(lblPatInfo[5]->text());
    slip.stagingKey = gHostID;
    const ChargeSlipPosted posted = PostChargeSlip(con, slip);
    if (!posted.rows.empty())
        lblPatInfo[5]->setText(QStringLiteral(" ") + posted.slipNumber);
    if (counted)
        DataSaved = true;
    SaveDone = true;
    return static_cast<int>(posted.rows.size());
}

void frmUDEntry::cmdSave_Click() {
    eventHandler(kUDSaveModule, QStringLiteral("cmdSave_Click"), [&] {
        const int posted = save();
        if (posted >= 0 && !PrintAfterSave)
            close();
    });
}

void frmUDEntry::printSlip() {
    Connection& con = SQLConnection();
    const QString admission = Trim(lblPatInfo[7]->text());
    const auto banner = [&](int index) { return Trim(lblPatInfo[static_cast<size_t>(index)]->text()); };
    ChargeSlipHeader header;
    header.name = banner(2);
    header.patientId = admission;
    header.hospNum = banner(0);
    header.room = banner(4);
    header.encoder = gEmployeeName;
    header.transType = kUnitDoseTransType;
    header.printKey = Trim(gHostID);
    header.slipNumber = banner(5);
    header.doctor = banner(3);
    header.company = SearchAccount(con, admission);
    header.station = lblPatInfo[1]->text();
    header.age = banner(8);
    header.sex = banner(9);
    header.package = GetExecutivePackage(con, admission);
    header.position = gEmployeePosition;
    std::shared_ptr<report::Report> slip;
    SetChargeSlipReport(slip, QStringLiteral("ChargeSlip.rpt"), header);
    slip->printOut(false);
}

void frmUDEntry::cmdPrintSave_Click() {
    eventHandler(kUDSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] {
        if (!SlipPrinted) {
            PrintAfterSave = true;
            const int posted = save();
            PrintAfterSave = false;
            // Only a slip that now has lines is printed; a refused save keeps the screen open
            // with its message.
            if (posted < 0)
                return;
            if (posted > 0)
                printSlip();
            SlipPrinted = true;
        }
        close();
    });
}

void frmUDEntry::cmdPrintBarCode_Click() {
    eventHandler(kUDSaveModule, QStringLiteral("cmdPrintBarcode_Click"), [&] {
        printSlip();
        close();
    });
}

void frmUDEntry::markLine(const QString& dosageMark, const QString& quantityMark, const QString& remarksMark,
                          QPushButton* button) {
    const int row = flexMSEntry->row();
    flexMSEntry->setTextMatrix(row, kColDosage, dosageMark);
    for (int col = kColRequested; col <= kColAmount; ++col)
        flexMSEntry->setTextMatrix(row, col, quantityMark);
    flexMSEntry->setTextMatrix(row, kColRemarks, remarksMark);
    chargeGrid_->hideEditor();
    if (flexMSEntry->isEnabled())
        flexMSEntry->setFocus(Qt::OtherFocusReason);
    lblPatInfo[6]->setText(TotalCharges());
    button->setEnabled(false);
}

void frmUDEntry::cmdDiscontinue_Click() {
    eventHandler(kUDSaveModule, QStringLiteral("cmdDiscontinue_Click"), [&] {
        const int row = flexMSEntry->row();
        if (row < 1 || BlankRow(row))
            return;
        if (MsgBox(QStringLiteral("Are you sure to discontinue the drug?"), vbQuestion | vbYesNo) != vbYes)
            return;
        // The station and the inventory learn of it together, so the two never disagree.
        Connection& con = SQLConnection();
        const QString admission = Trim(lblPatInfo[7]->text());
        const QString code = Trim(flexMSEntry->textMatrix(row, kColCode));
        Transaction tx(con);
        con.callProcedure(QStringLiteral("Nurse_UpdateUnitDose"), {{QStringLiteral("@IDNum"), admission},
                                                                   {QStringLiteral("@ItemID"), code},
                                                                   {QStringLiteral("@RecordStatus"), QStringLiteral("R")}});
        con.callProcedure(QStringLiteral("Drug_UpdateUnitDose"), {{QStringLiteral("@IDNum"), admission},
                                                                  {QStringLiteral("@ItemID"), code},
                                                                  {QStringLiteral("@RecordStatus"), QStringLiteral("R")},
                                                                  {QStringLiteral("@EmployeeID"), gEmployeeCode}});
        tx.commit();
        markLine(kDiscontinued, QStringLiteral("!!!"), kDiscontinuedRemark, cmdDiscontinue);
    });
}

void frmUDEntry::cmdCancel_Click() {
    eventHandler(kUDSaveModule, QStringLiteral("cmdCancel_Click"), [&] {
        const int row = flexMSEntry->row();
        if (row < 1 || BlankRow(row))
            return;
        if (MsgBox(QStringLiteral("Are you sure to by pass the request?"), vbQuestion | vbYesNo) != vbYes)
            return;
        markLine(kByPassed, kNotServable, kByPassed, cmdCancel);
    });
}

} // namespace qx
