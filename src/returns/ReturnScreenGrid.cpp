// The return screen's grid editing: the editor's placement, the buttons that follow the current
// line and Clear Row. Keys, moves, the spinner and scrolling are the shared charge grid's.
#include "returns/ReturnScreen.h"

#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"

#include <QLabel>
#include <QPushButton>

namespace qx {

void ReturnScreen::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    eventHandler(profile_.module, QStringLiteral("PutTextBox"),
                 [&] { chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax); });
}

bool ReturnScreen::ExcemptCol(int intCol) const {
    // The list's four unused entries hold 0, so column 0 counts as listed.
    return intCol == colChargeSlip || chargeGrid_->isExempt(intCol);
}

void ReturnScreen::grid_EnterCell() {
    eventHandler(profile_.module, QStringLiteral("flexMSEntry_EnterCell"), [&] {
        enableSaveButtons();
        cmdClearRow->setEnabled(!BlankRow(flexMSEntry->row()));
    });
}

void ReturnScreen::grid_GotFocus() {
    eventHandler(profile_.module, QStringLiteral("flexMSEntry_GotFocus"), [&] {
        cmdClearRow->setEnabled(!BlankRow(flexMSEntry->row()));
        enableSaveButtons();
    });
}

void ReturnScreen::enableSaveButtons() {
    const bool savable = canSave();
    cmdPrintSave->setEnabled(savable);
    cmdSave->setEnabled(savable);
}

void ReturnScreen::cmdClearRow_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdClearRow_Click"), [&] {
        const int row = flexMSEntry->row();
        if (BlankRow(row))
            return;
        if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbQuestion + vbYesNo) != vbYes)
            return;
        chargeGrid_->clearLine(row, 0, flexMSEntry->cols() - 1);
        showTotal();
        cmdClearRow->setEnabled(false);
        chargeGrid_->hideEditor();
        chargeGrid_->setEditorText(QString());
        if (flexMSEntry->isEnabled()) {
            const bool hadFocus = flexMSEntry->hasFocus();
            flexMSEntry->setFocus(Qt::OtherFocusReason);
            if (hadFocus)
                chargeGrid_->carryOutPendingMoves();
        }
    });
}

} // namespace qx
