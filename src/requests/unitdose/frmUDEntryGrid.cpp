// frmUDEntry: the request grid's shape, the editor placement, the line tests and the buttons that
// follow the current line.
#include "requests/unitdose/frmUDEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/RequestRowTests.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"

#include <QLabel>
#include <QPushButton>

namespace qx {

namespace {
const QString kUDGridModule = QStringLiteral("frmUDEntry");
} // namespace

ChargeGridConfig frmUDEntry::gridConfig() {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = 2;
    c.formatString = QStringLiteral(
        "<# |<Code |<Product Description |<Dosage Frq. |<Qty. Requested |<Qty. Issued |<Stock |<Amount |<Remarks");
    c.exemptCols = {kColNumber, kColDescription, kColRequested, kColStock, kColAmount};
    c.editorKinds = {{kColCode, 1}, {kColDosage, 1}, {kColIssued, 2}};
    c.maxLengths = {{kColCode, 10}, {kColDosage, 8}};
    c.upperCase = true;
    c.firstEditableColumn = kColCode;
    c.rightWrapColumn = kColRemarks;
    // The editor shows the text of the cell it is laid over.
    c.loadTextOnEnterCell = false;
    return c;
}

std::vector<int> frmUDEntry::columnWidths(int gridTwips) {
    const int u = static_cast<int>(Round(gridTwips / 16.0));
    std::vector<int> widths(kCols, 0);
    widths[kColNumber] = 400;
    widths[kColCode] = static_cast<int>(Round(gridTwips / 16.0 + 400));
    widths[kColDescription] = widths[kColRemarks] = 5 * u;
    for (int col : {kColDosage, kColIssued, kColStock, kColAmount})
        widths[static_cast<size_t>(col)] = 2 * u;
    return widths;
}

void frmUDEntry::connectGrid() {
    // Lines issued today under "All" and by-passed lines take no editor; nor do the hidden columns.
    chargeGrid_->editorBlocked = [this](int row, int col) {
        const QString state = flexMSEntry->textMatrix(row, kColDosage);
        return col > kColRemarks || state == kNotServable || state == kByPassed;
    };
    chargeGrid_->toolTipFor = [this](int, int) {
        return QStringLiteral("REMARKS: ") + flexMSEntry->textMatrix(flexMSEntry->row(), kColRemarks);
    };
    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmUDEntry::flexMSEntry_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmUDEntry::flexMSEntry_GotFocus);
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmUDEntry::escapeToClose);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmUDEntry::cmdEntry_Click);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmUDEntry::txtEntry_DblClick);
}

void frmUDEntry::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax);
}

bool frmUDEntry::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

bool frmUDEntry::BlankRow(int row) const { return IsBlankRequestRow(*flexMSEntry, row); }

bool frmUDEntry::CanSaveRow(int row) const {
    const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
    if (cell(kColDosage) == kDiscontinued)
        return true;
    if (BlankRow(row))
        return false;
    return !Trim(cell(kColCode)).isEmpty() && !Trim(cell(kColDosage)).isEmpty() && Val(cell(kColIssued)) > 0;
}

bool frmUDEntry::canSave() const {
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (CanSaveRow(row))
            return true;
    return false;
}

bool frmUDEntry::AllByPassed() const {
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        const QString state = flexMSEntry->textMatrix(row, kColDosage);
        if (state != kNotServable && state != kByPassed)
            return false;
    }
    return true;
}

void frmUDEntry::setLineButtons() {
    const int row = flexMSEntry->row();
    const QString state = flexMSEntry->textMatrix(row, kColDosage);
    cmdCancel->setEnabled(state != kNotServable && state != kByPassed);
    cmdDiscontinue->setEnabled(flexMSEntry->textMatrix(row, kColRemarks) != kDiscontinuedRemark);
}

void frmUDEntry::flexMSEntry_EnterCell() {
    eventHandler(kUDGridModule, QStringLiteral("flexMSEntry_EnterCell"), [&] {
        if (flexMSEntry->rows() < 1)
            return;
        setLineButtons();
        const int row = flexMSEntry->row();
        LoadListProfile(lblPatInfo[7]->text(), flexMSEntry->textMatrix(row, kColCode), row);
        // Entering a cell only ever enables the save buttons; getting the focus follows canSave.
        if (AllByPassed()) {
            cmdPrintSave->setEnabled(false);
            cmdSave->setEnabled(false);
        } else if (canSave()) {
            cmdPrintSave->setEnabled(true);
            cmdSave->setEnabled(true);
        }
    });
}

void frmUDEntry::flexMSEntry_GotFocus() {
    eventHandler(kUDGridModule, QStringLiteral("flexMSEntry_GotFocus"), [&] {
        const bool savable = !AllByPassed() && canSave();
        cmdSave->setEnabled(savable);
        cmdPrintSave->setEnabled(savable);
        if (flexMSEntry->rows() >= 1)
            setLineButtons();
    });
}

} // namespace qx
