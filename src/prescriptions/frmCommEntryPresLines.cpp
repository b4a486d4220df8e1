// frmCommEntryPres: the row tests and total, the cancelled line, the doctor, the colour markers
// and the previous orders of the current line.
#include "prescriptions/frmCommEntryPres.h"

#include "charging/ChargeGrid.h"
#include "charging/DoctorLookup.h"
#include "charging/RequestLineMarks.h"
#include "charging/RequestScreenGrid.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kPresLinesModule = QStringLiteral("frmCommEntryPres");
} // namespace

QString frmCommEntryPres::TotalCharges() const { return chargeGrid_->columnTotal(kColAmount); }

bool frmCommEntryPres::BlankRow(int intRow) const { return IsBlankRequestRow(*flexMSEntry, intRow); }

bool frmCommEntryPres::CanSaveRow(int intRow) const {
    return CanSaveRequestRow(*flexMSEntry, intRow, rowColumns(), gCheckBarCode);
}

bool frmCommEntryPres::canSave() const { return CanSaveRequestGrid(*flexMSEntry, rowColumns(), gCheckBarCode); }

bool frmCommEntryPres::IsMedicareItem(const QString& ItemID) { return qx::IsMedicareItem(SQLConnection(), ItemID); }

void frmCommEntryPres::Mark_FixedPrice() { requestGrid().markFixedPrices(); }
void frmCommEntryPres::MarkAntiBiotic() { requestGrid().markAntibiotics(); }

void frmCommEntryPres::LoadListProfile(const QString& strIDNum, const QString& strItemID, int /*intRow*/) {
    profile_.load(gComponents.gDrug->Drug(), strIDNum, strItemID);
}

void frmCommEntryPres::Form_Activate() {
    MarkNonMedicareLines(SQLConnection(), *flexMSEntry, kColCode, kColCode, kLastNonMedicareCol);
}

bool frmCommEntryPres::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && isLoaded())
        eventHandler(kPresLinesModule, QStringLiteral("Form_Activate"), [&] { Form_Activate(); });
    return QDialog::event(e);
}

RequestScreenGrid frmCommEntryPres::requestGrid() {
    // The take-home grid has no optional columns (supplier, PNF, generic name).
    return {.module = kPresLinesModule,
            .columns = {.code = kColCode, .description = kColDescription, .dosage = kColDosage,
                        .issued = kColIssued, .amount = kColAmount, .remarks = kColRemarks,
                        .unitPrice = kColSellPriceIn, .genericMark = kColGenericMark, .seniorCheck = kColSCDiscount,
                        .seniorMark = kColMark, .oldAmount = kColOldAmount, .proposedPrice = kColPriceTaken,
                        .fixedCharge = kColFixedCharge, .lastMarked = kLastFixedPriceCol},
            .window = this,
            .gridFrame = Frame1,
            .chargeGrid = chargeGrid_,
            .profile = &profile_,
            .greyedBox = pictures_.greyedBox,
            .total = lblPatInfo[6],
            .patientId = lblPatInfo[7],
            .patientName = lblPatInfo[2]};
}

RequestLineActions frmCommEntryPres::lineActions() {
    RequestLineActions actions = requestGrid().lineActions();
    actions.columns = {.code = kColCode, .dosage = kColDosage, .remarks = kColRemarks, .seniorCheck = kColSCDiscount,
                       .requestNumber = kColRequestNumber, .firstMarked = kColRequested, .lastMarked = kColAmount,
                       .amount = kColAmount};
    // The prescription's own records are cancelled; the save revokes the station's request.
    actions.cancelMode = 1;
    actions.writeUserLog = false;
    actions.requireRequestNumber = false;
    return actions;
}

void frmCommEntryPres::cmdCancel_Click() {
    eventHandler(kPresLinesModule, QStringLiteral("cmdCancel_Click"), [&] { lineActions().cancelLine(); });
}

void frmCommEntryPres::cmdDocCode_Click() {
    eventHandler(kPresLinesModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDocCode, .doctorCaption = lblPatInfo[3], .itemGrid = flexMSEntry,
                      .focusGridOnlyWhenEnabled = false});
    });
}

void frmCommEntryPres::txtDocCode_KeyPress(int& keyAscii) {
    if (keyAscii == 13) {
        keyAscii = 0;
        cmdDocCode_Click();
    }
}

void frmCommEntryPres::cmdPosted_Click() {
    eventHandler(kPresLinesModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPosted"), {{QStringLiteral("IDNum"), Trim(lblPatInfo[7]->text())}});
    });
}

void frmCommEntryPres::connectGridEvents() {
    // Column 11 is switched by the double click, never edited; a cancelled line takes no editor.
    chargeGrid_->editorBlocked = [this](int row, int col) {
        return col == kColSCDiscount || flexMSEntry->textMatrix(row, kColDosage) == kCancelledLineState;
    };
    // With barcode checking the editor shows the cell of the row it is laid over.
    chargeGrid_->editorTextFor = [this](int row, int col) {
        return flexMSEntry->textMatrix(gCheckBarCode ? row : flexMSEntry->row(), col);
    };
    chargeGrid_->toolTipFor = [this](int, int) {
        return QStringLiteral("REMARKS: ") + flexMSEntry->textMatrix(flexMSEntry->row(), kColRemarks);
    };
    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmCommEntryPres::flexMSEntry_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmCommEntryPres::flexMSEntry_GotFocus);
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmCommEntryPres::cmdClose_Click);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this,
            [this](int, int, int mouseCol) { flexMSEntry_DblClick(mouseCol); });
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmCommEntryPres::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmCommEntryPres::cmdEntry_Click);
}

void frmCommEntryPres::flexMSEntry_EnterCell() {
    eventHandler(kPresLinesModule, QStringLiteral("flexMSEntry_EnterCell"), [&] {
        const int row = flexMSEntry->row();
        if (gCheckBarCode)
            barcodeCheckRow_ = row;
        cmdCancel->setEnabled(flexMSEntry->textMatrix(row, kColDosage) != kCancelledLineState);
        if (canSave()) {
            cmdPrintSave->setEnabled(true);
            cmdSave->setEnabled(true);
        }
        LoadListProfile(lblPatInfo[7]->text(), flexMSEntry->textMatrix(row, kColCode), row);
    });
}

void frmCommEntryPres::flexMSEntry_GotFocus() {
    eventHandler(kPresLinesModule, QStringLiteral("flexMSEntry_GotFocus"), [&] {
        const bool savable =
            canSave() && (!gCheckBarCode || Val(flexMSEntry->textMatrix(flexMSEntry->row(), kColScanned)) == 1);
        cmdSave->setEnabled(savable);
        cmdPrintSave->setEnabled(savable);
    });
}

} // namespace qx
