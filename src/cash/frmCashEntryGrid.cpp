// The item grid of the assessment window and its floating cell editor.
#include "cash/frmCashEntry.h"

#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"

#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kCashGridModule = QStringLiteral("frmCashEntry");
} // namespace

ChargeGridConfig frmCashEntry::gridConfig() {
    ChargeGridConfig c;
    c.cols = 37;  // the format string then makes it 42
    c.rows = kGridRows;
    c.formatString = QStringLiteral(
        "<# |<Code |<Generic Name|<Product Description |<Brand Name  |<UOM  |>Unit Price |>At Cost|>Quantity "
        "|>Stock |>Gross|>VAT|>Taxable|>Discount|>Amount|<|<|<|<|<|<|<|<|<|<|<|<|<Cash Price |<Fixed Price "
        "|<|<|<%||||||||||");
    c.colWidths.assign(colLast + 1, 0);
    c.colWidths[colMarker] = 300;
    c.colWidths[colCode] = 924;
    c.colWidths[colDescription] = 2556;
    c.colWidths[colBrandName] = 1692;
    c.colWidths[colUOM] = 852;
    for (int col = colUnitPrice; col <= colAmount; ++col)
        c.colWidths[col] = 1128;
    // The exempt list and the editor kinds are the window's own tables, filled by Form_Load.
    c.digitsOnlyCols = {colQuantity, colCardDiscount};
    c.lockedCols = {colAmount, colCardDiscount};
    c.firstEditableColumn = colCode;
    c.rightWrapColumn = colAmount;
    c.leftMinColumn = 0;
    c.pageRows = 9;
    c.loadTextOnEnterCell = true;
    return c;
}

void frmCashEntry::setGrid() {
    generalProcedure(kCashGridModule, QStringLiteral("setGrid"), [&] {
        chargeGrid_->layout();
        // The assessment grid takes entries from the start; no customer must be chosen first.
        grdItemList->setEnabled(true);
    });
}

bool frmCashEntry::ExcemptCol(int col) const {
    return mExemptCols.contains(QStringLiteral("K") + QString::number(col));
}

void frmCashEntry::PutTextBox(int row, int col, double kind) {
    generalProcedure(kCashGridModule, QStringLiteral("PutTextBox"),
                     [&] { chargeGrid_->putTextBox(row, col, kind, 0); });
}

void frmCashEntry::grdItemList_EnterCell() {
    eventHandler(kCashGridModule, QStringLiteral("grdItemList_EnterCell"), [&] { enableClearRow(); });
}

void frmCashEntry::grdItemList_GotFocus() {
    eventHandler(kCashGridModule, QStringLiteral("grdItemList_GotFocus"), [&] {
        enableClearRow();
        if (!chargeGrid_->isEditorVisible())
            PutTextBox(grdItemList->row(), grdItemList->col(), chargeGrid_->config().editorKind(grdItemList->col()));
    });
}

void frmCashEntry::enableClearRow() {
    const int row = grdItemList->row();
    cmdClearRow->setEnabled(row > 0 && !BlankRow(row));
}

// Only the first coded line is tested, as the system does; the save's checks test every line.
bool frmCashEntry::txtEntry_Validate() {
    for (int row = 1; row < grdItemList->rows(); ++row) {
        if (Trim(grdItemList->textMatrix(row, colCode)).isEmpty())
            continue;
        if (refusedForNoQuantity(row))
            return false;
        ComputeAllDiscounts();
        return true;
    }
    return true;
}

} // namespace qx
