// The item grid of the cash-sale screen and its floating cell editor.
#include "cash/frmEntryCash.h"

#include "charging/ChargeGrid.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

ChargeGridConfig frmEntryCash::gridConfig() {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = kGridRows;
    c.formatString = QStringLiteral(
        "<# |<Code |<Product Description |>Unit Price |>Quantity |>Stock |>Amount |<Remarks |<OldUnitPrice |<OldAmount "
        "|<IP Price  | | | | | | | |<Dosage |<Remarks |<Mark");
    // The widths follow from the grid's own width when the screen loads; the editor tables too.
    c.digitsOnlyCols = {colQuantity};
    c.maxLengths = {{colCode, 10}, {colQuantity, 5}};
    c.firstEditableColumn = colCode;
    c.rightWrapColumn = colQuantity;
    c.leftMinColumn = 0;
    c.pageRows = 9;
    c.loadTextOnEnterCell = true;
    return c;
}

bool frmEntryCash::ExcemptCol(int col) const { return mExemptCols.count(col) > 0; }

void frmEntryCash::PutTextBox(int row, int col, double whichCtrl, double maxLength) {
    if (ExcemptCol(col))
        return;
    chargeGrid_->putTextBox(row, col, whichCtrl, maxLength > 0 ? int(maxLength) : 0);
}

void frmEntryCash::HideEntryControls() { chargeGrid_->hideEditor(); }

// The editor itself is laid by the shared grid; here the save button follows the rows.
void frmEntryCash::flexMSEntry_Click() {
    unhandledErrorGuard([&] { enableSaveByRows(); });
}

void frmEntryCash::enableSaveByRows() { cmdPrintSave->setEnabled(canSave()); }

void frmEntryCash::flexMSEntry_EnterCell() {
    unhandledErrorGuard([&] {
        enableSaveByRows();
        setDiscountButton();
    });
}

void frmEntryCash::flexMSEntry_GotFocus() {
    unhandledErrorGuard([&] {
        enableSaveByRows();
        if (mFirstFocus) {
            lblTotal->clear();
            txtCash->clear();
            lblChange->clear();
            mFirstFocus = false;
        }
        setDiscountButton();
        const int row = flexMSEntry->row();
        const int col = flexMSEntry->col();
        if (!chargeGrid_->isEditorVisible() && row > 0 && col >= 0 && col < kEditorColumns)
            PutTextBox(row, col, mColEditor[col], mColMaxLength[col]);
    });
}

void frmEntryCash::setDiscountButton() {
    const int row = flexMSEntry->row();
    const bool lineHasText = row > 0 && !BlankRow(row);
    const bool enabled = lineHasText && chkEmployee->isChecked() && typedOtherRate() > 0;
    cmdDiscount->setEnabled(enabled);
    const bool marked = enabled && Trim(flexMSEntry->textMatrix(row, colLineMark)) == QLatin1String("*");
    cmdDiscount->setText(marked ? QStringLiteral("OK") : QStringLiteral("%"));
}

void frmEntryCash::flexMSEntry_DblClick(int mouseCol) {
    unhandledErrorGuard([&] {
        const int row = flexMSEntry->row();
        if (mouseCol == colCode && chkEmployee->isChecked() && row > 0)
            toggleLineMark(row);
        OtherDiscountItems();
    });
}

// The other-discount mark of a line: "*" in column 12 and after the line number.
void frmEntryCash::toggleLineMark(int row) {
    const QString number = Trim(flexMSEntry->textMatrix(row, colNumber)).remove(QLatin1Char('*'));
    if (flexMSEntry->textMatrix(row, colLineMark) == QLatin1String("*")) {
        flexMSEntry->setTextMatrix(row, colLineMark, QString());
        flexMSEntry->setTextMatrix(row, colNumber, QStringLiteral(" ") + number);
    } else {
        flexMSEntry->setTextMatrix(row, colLineMark, QStringLiteral("*"));
        flexMSEntry->setTextMatrix(row, colNumber, QStringLiteral(" ") + number + QStringLiteral("*"));
    }
}

} // namespace qx
