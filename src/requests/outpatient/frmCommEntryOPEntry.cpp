// frmCommEntryOP: the grid's events and the cell editor's commit, over the shared request-line
// entry.
#include "requests/outpatient/frmCommEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/RequestCellEntry.h"
#include "charging/RequestLineStates.h"
#include "charging/RequestScreenGrid.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kOPEntryModule = QStringLiteral("frmCommEntryOP");
} // namespace

void frmCommEntryOP::connectGridEvents() {
    chargeGrid_->toolTipFor = [this](int, int) {
        return QStringLiteral("REMARKS: ") + grdItemList->textMatrix(grdItemList->row(), kColRemarks);
    };
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmCommEntryOP::cmdClose_Click);
    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmCommEntryOP::grdItemList_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmCommEntryOP::grdItemList_GotFocus);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this,
            [this](int, int, int mouseCol) { grdItemList_DblClick(mouseCol); });
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmCommEntryOP::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmCommEntryOP::cmdEntry_Click);
}

QString frmCommEntryOP::TotalCharges() const {
    return generalProcedure(kOPEntryModule, QStringLiteral("TotalCharges"),
                            [&] { return chargeGrid_->columnTotal(kColAmount); });
}

void frmCommEntryOP::grdItemList_EnterCell() {
    eventHandler(kOPEntryModule, QStringLiteral("grdItemList_EnterCell"), [&] {
        const int row = grdItemList->row();
        if (gCheckBarCode)
            barcodeCheckRow_ = row;
        cmdCancel->setEnabled(grdItemList->textMatrix(row, kColDosage) != kCancelledLineState);
        if (canSave()) {
            cmdPrintSave->setEnabled(true);
            cmdSave->setEnabled(true);
        }
        LoadListProfile(lblPatInfo[7]->text(), grdItemList->textMatrix(row, kColCode), row);
    });
}

void frmCommEntryOP::grdItemList_GotFocus() {
    eventHandler(kOPEntryModule, QStringLiteral("grdItemList_GotFocus"), [&] {
        const bool savable = canSave();
        cmdSave->setEnabled(savable);
        cmdPrintSave->setEnabled(savable);
    });
}

void frmCommEntryOP::grdItemList_DblClick(int mouseCol) {
    eventHandler(kOPEntryModule, QStringLiteral("grdItemList_DblClick"), [&] {
        requestGrid().doubleClick(this, mouseCol, Val(txtDiscount->text()), kColSCDiscount, pictures_.tickedBox,
                                  pictures_.emptyBox);
    });
}

void frmCommEntryOP::txtEntry_DblClick() {
    eventHandler(kOPEntryModule, QStringLiteral("txtEntry_DblClick"), [&] { cellEntry().commit(); });
}

} // namespace qx
