#include "cash/frmReturnCash.h"

#include "cash/frmPostedOR.h"
#include "charging/ChargeGrid.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

const QString kReturnCashModule = QStringLiteral("frmReturnCash");

// The leading number of a cell or of the editor's text, 0 when there is none.
double adviseNumber(const QString& text) { return Val(Trim(text)); }

} // namespace

frmReturnCash::frmReturnCash(QWidget* parent) : QDialog(parent) {
    buildControls();
    connectHandlers();
    Form_Load();
}

frmReturnCash::~frmReturnCash() = default;

ChargeGridConfig frmReturnCash::gridConfig() {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = kGridRows;
    c.formatString = QStringLiteral(
        "<OR Number |<Code |<Product Description |<Qty. Issued |<Quantity |<Unit Price |<Stock |<Amount");
    c.colWidths = {1500, 800, 3000, 1100, 1000, 1500, 1000, 1500, 0, 0, 0, 0, 0, 0, 0, 0};
    c.exemptCols = {colDescription, colIssued, colUnitPrice, colStock, colAmount, colReturned, colDiscountType,
                    colDiscount, colVAT, colVATExempt, colDiscountRate, colUnitDiscount, colUnitVAT};
    c.editorKinds = {{colORNumber, 1}, {colCode, 1}, {colQuantity, 2}};
    c.maxLengths = {{colQuantity, 5}};
    c.digitsOnlyCols = {colQuantity};
    // The receipt and the code come only from the picker.
    c.lockedCols = {colORNumber, colCode};
    c.firstEditableColumn = colCode;
    c.rightWrapColumn = colQuantity;
    c.leftMinColumn = 0;
    c.saveTextCols = {colORNumber, colCode};
    c.savePositiveCols = {colQuantity};
    return c;
}

void frmReturnCash::buildControls() {
    setWindowTitle(QStringLiteral("Credit Advise"));
    resize(twipsToPixels(10600), twipsToPixels(7300));

    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), this);
    setTwipsGeometry(fraPatInfo, 120, 60, 10335, 1420);
    twipsLabel(fraPatInfo, QStringLiteral("OR Number:"), QRect(180, 300, 1200, 285));
    txtORNumber = new QLineEdit(fraPatInfo);
    txtORNumber->setObjectName(QStringLiteral("txtORNumber"));
    setTwipsGeometry(txtORNumber, 1440, 280, 2200, 315);
    cmdORNumber = twipsButton(fraPatInfo, QStringLiteral("..."), QRect(3680, 280, 400, 315));
    cmdORNumber->setToolTip(QStringLiteral("Find the receipt"));
    twipsLabel(fraPatInfo, QStringLiteral("Payee Name:"), QRect(180, 680, 1200, 285));
    lblPayee = twipsValueLabel(fraPatInfo, 1440, 660, 5600);
    twipsLabel(fraPatInfo, QStringLiteral("Total Charges:"), QRect(180, 1040, 1200, 285));
    lblTotal = twipsValueLabel(fraPatInfo, 1440, 1020, 2200, Qt::AlignRight);

    Frame1 = new QGroupBox(QStringLiteral("List Of Posted Medicines for CM"), this);
    setTwipsGeometry(Frame1, 120, 1560, 10335, 4800);
    flexMSEntry = new FlexGrid(Frame1);
    flexMSEntry->setObjectName(QStringLiteral("flexMSEntry"));
    setTwipsGeometry(flexMSEntry, 120, 260, 10095, 4400);
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig());

    cmdRemoveLine = twipsButton(this, QStringLiteral("Remove Line"), QRect(120, 6480, 1500, 375));
    cmdReprint = twipsButton(this, QStringLiteral("Reprint CM"), QRect(1740, 6480, 1500, 375));
    cmdPrintSave = twipsButton(this, QStringLiteral("Print/Save"), QRect(6600, 6480, 1200, 375));
    cmdPrintSave->setToolTip(QStringLiteral("Print/Save Entry"));
    cmdSave = twipsButton(this, QStringLiteral("Save"), QRect(7920, 6480, 1200, 375));
    cmdSave->setToolTip(QStringLiteral("Save Entry"));
    cmdClose = twipsButton(this, QStringLiteral("Close"), QRect(9240, 6480, 1200, 375));
    cmdClose->setToolTip(QStringLiteral("Close this Window"));
    setTabOrder(txtORNumber, cmdORNumber);
    setTabOrder(cmdORNumber, flexMSEntry);
}

void frmReturnCash::connectHandlers() {
    connect(cmdORNumber, &QPushButton::clicked, this, &frmReturnCash::cmdORNumber_Click);
    connect(txtORNumber, &QLineEdit::returnPressed, this, &frmReturnCash::cmdORNumber_Click);
    connect(cmdRemoveLine, &QPushButton::clicked, this, &frmReturnCash::cmdRemoveLine_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmReturnCash::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmReturnCash::cmdPrintSave_Click);
    connect(cmdReprint, &QPushButton::clicked, this, &frmReturnCash::cmdReprint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmReturnCash::cmdClose_Click);
    connect(chargeGrid_, &ChargeGrid::cellEntered, this, [this](int, int) { enableSaveByRows(); });
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmReturnCash::enableSaveByRows);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, [this](int, int, const QString&) { txtEntry_DblClick(); });
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, [this](int, int, const QString&) { cmdEntry_Click(); });
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, [this] { cmdClose->setFocus(Qt::OtherFocusReason); });
}

QLineEdit* frmReturnCash::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmReturnCash::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }

void frmReturnCash::Form_Load() {
    unhandledErrorGuard([&] {
        chargeGrid_->layout();
        flexMSEntry->setFixedCols(0);  // the receipt column is a line's own cell
        const std::vector<int> widths = gridConfig().colWidths;
        for (int col = 0; col < kCols; ++col)
            flexMSEntry->setColWidth(col, widths[col]);
        flexMSEntry->setEnabled(false);
        chargeGrid_->pending().set(PendingGridMove::FirstFocus);
        cmdReprint->hide();
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
    });
}

void frmReturnCash::enableSaveByRows() {
    const bool savable = canSave();
    cmdPrintSave->setEnabled(savable);
    cmdSave->setEnabled(savable);
}

bool frmReturnCash::GetItemToReplace(const QString& receiptNumber) {
    return generalProcedure(kReturnCashModule, QStringLiteral("GetItemToReplace"), [&] {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_GetProductToReplace"), {{QStringLiteral("@ORNumber"), receiptNumber}});
        if (!rs || rs->isEmpty())
            return false;
        txtORNumber->setText(rs->text(QStringLiteral("refnum")));
        lblPayee->setText(rs->text(QStringLiteral("PaymentFrom")));
        return true;
    });
}

void frmReturnCash::TotalToReplace() {
    lblTotal->setText(Format(chargeGrid_->sumColumn(colAmount), QStringLiteral("#########.00")));
}

void frmReturnCash::cmdORNumber_Click() {
    unhandledErrorGuard([&] {
        const bool found = GetItemToReplace(txtORNumber->text());
        if (!found)
            MsgBox(QStringLiteral("Please Enter Valid OR Number."), vbInformation, QStringLiteral("Message"));
        else
            txtORNumber->setEnabled(false);
        flexMSEntry->setEnabled(true);
        for (int row = 1; row < flexMSEntry->rows(); ++row)
            chargeGrid_->clearLine(row, 0, kCols - 1);
        chargeGrid_->setEditorText(QString());
        // The total follows the emptied grid, never the lines of an earlier receipt.
        if (found)
            TotalToReplace();
        flexMSEntry->setRow(1);
        flexMSEntry->setCol(colCode);
        flexMSEntry->setFocus(Qt::OtherFocusReason);
        chargeGrid_->openEditor();
    });
}

void frmReturnCash::cmdClose_Click() { close(); }

void frmReturnCash::cmdEntry_Click() {
    unhandledErrorGuard([&] {
        const int row = flexMSEntry->row();
        if (flexMSEntry->col() != colCode && flexMSEntry->col() != colORNumber) {
            chargeGrid_->rejectCommit();
            return;
        }
        QString chosen;
        if (flexMSEntry->col() == colCode) {
            if (!GetItemToReplace(Trim(txtORNumber->text()))) {
                chargeGrid_->rejectCommit();
                return;
            }
            frmPostedOR picker(this);
            picker.ORNum = txtORNumber->text();
            showModal(picker);
            chosen = picker.ItemID;
            if (!chosen.isEmpty()) {
                if (isItemExists(picker.ORNum, picker.ItemID)) {
                    MsgBox(QStringLiteral("Item is already on the list!"), vbInformation);
                    chargeGrid_->rejectCommit();
                    return;
                }
                const auto put = [&](int col, const QString& text) { flexMSEntry->setTextMatrix(row, col, text); };
                const double issued = picker.Quantity;
                put(colORNumber, picker.ORNum);
                put(colCode, picker.ItemID);
                put(colDescription, picker.Description);
                put(colIssued, Text(issued));
                put(colUnitPrice, Text(picker.UnitPrice));
                put(colStock, picker.Balance);
                put(colReturned, picker.ReturnedQuantity);
                put(colDiscountType, picker.DiscountType);
                // A line of no quantity has no per-unit figure; it is not expected from a paid receipt.
                put(colUnitDiscount, Text(issued != 0 ? picker.DiscountAmount / issued : 0.0));
                put(colUnitVAT, Text(issued != 0 ? picker.VatAmount / issued : 0.0));
                put(colVATExempt, picker.VatExempt ? QStringLiteral("Y") : QString());
                put(colDiscountRate, Text(picker.DiscountRate));
            }
        }
        if (!chosen.isEmpty() && !flexMSEntry->textMatrix(row, colDescription).isEmpty()) {
            chargeGrid_->setEditorText(QString());
            chargeGrid_->acceptCommit();  // on to the quantity
            return;
        }
        chargeGrid_->rejectCommit();
    });
}

bool frmReturnCash::isItemExists(const QString& receiptNumber, const QString& itemCode) const {
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (flexMSEntry->textMatrix(row, colORNumber) == receiptNumber && flexMSEntry->textMatrix(row, colCode) == itemCode)
            return true;
    return false;
}

bool frmReturnCash::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

void frmReturnCash::txtEntry_DblClick() {
    unhandledErrorGuard([&] {
        const int col = flexMSEntry->col();
        if (col == colQuantity)
            commitQuantity();
        else if (col == colORNumber || col == colCode)
            cmdEntry_Click();
    });
}

void frmReturnCash::commitQuantity() {
    const int row = flexMSEntry->row();
    const QString text = chargeGrid_->editorText();
    if (HasFraction(Trim(text))) {
        ShowInfo(QStringLiteral("Invalid quantity because of the decimal."));
        chargeGrid_->rejectCommit();
        return;
    }
    const double q = adviseNumber(text);
    const double available = adviseNumber(flexMSEntry->textMatrix(row, colIssued)) -
                             adviseNumber(flexMSEntry->textMatrix(row, colReturned));
    if (q > available) {
        MsgBox(QStringLiteral("Qty returned should be less than or equal to ") + Text(available), vbInformation);
        chargeGrid_->rejectCommit();
        return;
    }
    if (q == 0) {
        ShowInfo(QStringLiteral("Quantity is invalid."));
        chargeGrid_->rejectCommit();
        return;
    }
    const auto cell = [&](int col) { return adviseNumber(flexMSEntry->textMatrix(row, col)); };
    flexMSEntry->setTextMatrix(row, colAmount, FormatAmount(cell(colUnitPrice) * q));
    flexMSEntry->setTextMatrix(row, colDiscount, FormatAmount(cell(colUnitDiscount) * q));
    flexMSEntry->setTextMatrix(row, colVAT, FormatAmount(cell(colUnitVAT) * q));
    chargeGrid_->acceptCommit(Format(q, QStringLiteral("#########0")));
    lblTotal->setText(QStringLiteral(" ") + TotalCharges());
}

void frmReturnCash::cmdRemoveLine_Click() {
    unhandledErrorGuard([&] {
        if (flexMSEntry->rows() < 4)
            return;
        chargeGrid_->hideEditor();
        flexMSEntry->removeItem(flexMSEntry->row());
        lblTotal->setText(QStringLiteral(" ") + TotalCharges());
        enableSaveByRows();
    });
}

bool frmReturnCash::BlankRow(int row) const { return chargeGrid_->isBlankRow(row); }

int frmReturnCash::BlankRows() const {
    int blank = 0;
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        blank += BlankRow(row) ? 1 : 0;
    return blank;
}

bool frmReturnCash::CanSaveRow(int row) const { return chargeGrid_->canSaveRow(row); }

bool frmReturnCash::canSave() const { return chargeGrid_->canSave(); }

QString frmReturnCash::NoSaveRows() const {
    QStringList rows;
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (!BlankRow(row) && !CanSaveRow(row))
            rows << Str(row);
    return rows.join(QStringLiteral(", "));
}

QString frmReturnCash::TotalCharges() const { return chargeGrid_->columnTotal(colAmount); }

void frmReturnCash::ClearAll() {
    generalProcedure(kReturnCashModule, QStringLiteral("ClearAll"), [&] {
        for (int row = 1; row < flexMSEntry->rows(); ++row)
            chargeGrid_->clearLine(row, 0, kCols - 1);
        cmdORNumber->setEnabled(true);
        txtORNumber->clear();
        lblPayee->clear();
        lblTotal->clear();
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
        txtORNumber->setEnabled(true);
    });
}

} // namespace qx
