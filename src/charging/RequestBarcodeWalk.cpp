#include "charging/RequestBarcodeWalk.h"

#include "charging/ChargeGrid.h"
#include "charging/frmMessageBoxBarCode.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"

namespace qx {

void RequestBarcodeWalk::verify(const QString& scanned) const {
    FlexGrid& grid = *chargeGrid->grid();
    const int row = grid.row();
    grid.setTextMatrix(row, scanFlagCol, QString());
    const QString expected = grid.textMatrix(row, barcodeCol);
    if (scanned == expected || expected.isEmpty()) {
        settle(row, check);
        return;
    }
    frmMessageBoxBarCode prompt(parent);
    showModal(prompt);
    if (gBarcodeChoiceRetry) {
        reject(row);
        return;
    }
    if (gBarcodeChoiceCancel) {
        if (cancelLine && cancelLine())
            settle(row, cancelled.isNull() ? check : cancelled);
        else
            reject(row);
    } else if (changeLine && changeLine(row, scanned)) {
        settle(row, check);
    } else {
        reject(row);
    }
}

void RequestBarcodeWalk::settle(int row, const QPixmap& picture) const {
    FlexGrid& grid = *chargeGrid->grid();
    grid.setTextMatrix(row, scanFlagCol, QStringLiteral("1"));
    grid.setCellPicture(row, 0, picture);
    if (*scanRow + 1 < grid.rows())
        ++*scanRow;
    grid.setRow(*scanRow);
    grid.setCol(codeCol);
    chargeGrid->hideEditor();
    chargeGrid->setEditorText(grid.textMatrix(*scanRow, codeCol));
    const ChargeGridConfig& config = chargeGrid->config();
    chargeGrid->putTextBox(*scanRow, codeCol, config.editorKind(codeCol), config.maxLength(codeCol));
}

void RequestBarcodeWalk::reject(int row) const {
    FlexGrid& grid = *chargeGrid->grid();
    grid.setTextMatrix(row, scanFlagCol, QStringLiteral("0"));
    grid.setCellPicture(row, 0, wrong);
    grid.setCol(codeCol);
    grid.setRow(*scanRow);
    chargeGrid->setEditorText(grid.textMatrix(*scanRow, codeCol));
    chargeGrid->rejectCommit();
}

} // namespace qx
