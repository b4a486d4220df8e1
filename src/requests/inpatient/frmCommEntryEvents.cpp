// frmCommEntry: the row tests, the grid's events, the activation colouring.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/RequestLineEntry.h"
#include "charging/RequestLineMarks.h"
#include "charging/RequestRowTests.h"
#include "charging/RequestScreenGrid.h"
#include "charging/SeniorDiscountToggle.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kCommEventsModule = QStringLiteral("frmCommEntry");
} // namespace

void frmCommEntry::connectGridEvents() {
    // Column 16 is switched by the double click, never edited; a cancelled line takes no editor.
    chargeGrid_->editorBlocked = [this](int row, int col) {
        return col == kColSCDiscount || grdItemList->textMatrix(row, kColDosage) == kCancelledLineState;
    };
    chargeGrid_->toolTipFor = [this](int, int) {
        return QStringLiteral("REMARKS: ") + grdItemList->textMatrix(grdItemList->row(), kColRemarks);
    };
    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmCommEntry::grdItemList_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmCommEntry::grdItemList_GotFocus);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this,
            [this](int, int, int mouseCol) { grdItemList_DblClick(mouseCol); });
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmCommEntry::cmdClose_Click);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmCommEntry::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmCommEntry::cmdEntry_Click);
}

bool frmCommEntry::BlankRow(int row) const { return IsBlankRequestRow(*grdItemList, row); }

bool frmCommEntry::CanSaveRow(int row) const {
    return CanSaveRequestRow(*grdItemList, row, RequestRowColumns{}, gCheckBarCode);
}

bool frmCommEntry::canSave() const { return CanSaveRequestGrid(*grdItemList, RequestRowColumns{}, gCheckBarCode); }

void frmCommEntry::grdItemList_EnterCell() {
    eventHandler(kCommEventsModule, QStringLiteral("grdItemList_EnterCell"), [&] {
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

void frmCommEntry::grdItemList_GotFocus() {
    eventHandler(kCommEventsModule, QStringLiteral("grdItemList_GotFocus"), [&] {
        const bool savable = canSave() && (!gCheckBarCode ||
                                           Val(grdItemList->textMatrix(grdItemList->row(), kColScanned)) == 1);
        cmdSave->setEnabled(savable);
        cmdPrintSave->setEnabled(savable);
    });
}

void frmCommEntry::grdItemList_DblClick(int mouseCol) {
    eventHandler(kCommEventsModule, QStringLiteral("grdItemList_DblClick"), [&] {
        requestGrid().doubleClick(this, mouseCol, Val(txtDiscount->text()), grdItemList->col(), pictures_.tickedBox,
                                  pictures_.emptyBox);
    });
}

bool frmCommEntry::IsMedicareItem(const QString& itemId) {
    return generalProcedure(kCommEventsModule, QStringLiteral("IsMedicareItem"),
                            [&] { return qx::IsMedicareItem(SQLConnection(), itemId); });
}

void frmCommEntry::Form_Activate() {
    generalProcedure(kCommEventsModule, QStringLiteral("Form_Activate"), [&] {
        for (int row = 1; row < grdItemList->rows(); ++row) {
            if (IsMedicareItem(grdItemList->textMatrix(row, kColCode)))
                continue;
            grdItemList->setCellBackColorAt(row, kColCode, kNonMedicareColor);
            grdItemList->setCellBackColorAt(row, kColGenericName, kNonMedicareColor);
        }
    });
}

bool frmCommEntry::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && isLoaded())
        eventHandler(kCommEventsModule, QStringLiteral("Form_Activate"), [&] { Form_Activate(); });
    return QDialog::event(e);
}

} // namespace qx
