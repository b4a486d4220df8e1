#include "cash/frmCashReplace.h"

#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/Locations.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

// W/16 of the grid's width, rounded to a whole number.
int replaceSixteenth() { return int(Round(frmCashReplace::kGridWidth / 16.0)); }

DrugCatalog::Drug& replaceDrug() { return SlotComponent(gComponents.gDrug).Drug(); }

} // namespace

frmCashReplace::frmCashReplace(QWidget* parent) : QDialog(parent) {
    buildControls();
    connectHandlers();
    chargeGrid_->layout();
    const std::vector<int> widths = gridConfig().colWidths;
    for (int col = 0; col < kCols; ++col)
        flexMSEntry->setColWidth(col, widths[col]);
    flexMSEntry->setEnabled(true);
    ClearAll(true);
}

frmCashReplace::~frmCashReplace() = default;

ChargeGridConfig frmCashReplace::gridConfig() {
    const int w = replaceSixteenth();
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = kGridRows;
    c.formatString = QStringLiteral("<# |<Code |<Product Description |>Unit Price |>Quantity |>Stock |>Amount |<Remarks "
                                    "|<OldUnitPrice |<OldAmount |<IP Price");
    c.colWidths = {400, w + 400, 5 * w + 200, 2 * w, 2 * w, 2 * w, 2 * w, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    c.numberLines = true;
    c.exemptCols = {colNumber, colDescription, colUnitPrice, colStock, colRemarks};
    for (int col = colOldUnitPrice; col < kCols; ++col)
        c.exemptCols.insert(col);
    c.editorKinds = {{colCode, 1}, {colQuantity, 2}};
    c.maxLengths = {{colCode, 10}, {colQuantity, 5}};
    c.digitsOnlyCols = {colQuantity, colAmount};
    c.lockedCols = {colAmount};
    c.firstEditableColumn = colCode;
    c.rightWrapColumn = colAmount;
    c.leftMinColumn = colCode;
    c.pageRows = 9;
    c.saveTextCols = {colCode};
    c.savePositiveCols = {colQuantity};
    return c;
}

void frmCashReplace::buildControls() {
    setWindowTitle(QStringLiteral("Replace Medicine"));
    resize(twipsToPixels(10700), twipsToPixels(9000));
    Frame1 = new QGroupBox(QStringLiteral("&1. List of Drug to Replace"), this);
    setTwipsGeometry(Frame1, 120, 60, 10455, 3300);
    twipsLabel(Frame1, QStringLiteral("OR NUMBER"), QRect(150, 300, 1100, 285));
    txtORNumber = new QLineEdit(Frame1);
    txtORNumber->setMaxLength(80);
    setTwipsGeometry(txtORNumber, 1300, 280, 2200, 315);
    cmdORNumber = twipsButton(Frame1, QStringLiteral("..."), QRect(3550, 280, 400, 315));
    twipsLabel(Frame1, QStringLiteral("Patient/Business Name"), QRect(4200, 300, 1900, 285));
    txtPatName = new QLineEdit(Frame1);
    txtPatName->setEnabled(false);
    setTwipsGeometry(txtPatName, 6150, 280, 4100, 315);
    flexGrdReplace = new FlexGrid(Frame1);
    setTwipsGeometry(flexGrdReplace, 150, 700, 10155, 2100);
    flexGrdReplace->setRows(1);
    flexGrdReplace->setFixedRows(1);
    twipsLabel(Frame1, QStringLiteral("Total Amount"), QRect(6900, 2900, 1300, 285));
    lblTotalReplace = twipsValueLabel(Frame1, 8250, 2880, 2000, Qt::AlignRight);

    Frame2 = new QGroupBox(QStringLiteral("&2. List of Drugs "), this);
    setTwipsGeometry(Frame2, 120, 3420, 10455, 3720);
    flexMSEntry = new FlexGrid(Frame2);
    setTwipsGeometry(flexMSEntry, 150, 240, kGridWidth, 3360);
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig());

    auto* amountFrame = new QGroupBox(QStringLiteral("&3. Amount"), this);
    setTwipsGeometry(amountFrame, 6900, 7200, 3675, 700);
    twipsLabel(amountFrame, QStringLiteral("Total Amount"), QRect(120, 300, 1300, 285));
    lblTotal = twipsValueLabel(amountFrame, 1450, 280, 2100, Qt::AlignRight);

    cmdSave = twipsButton(this, QStringLiteral("&Save"), QRect(120, 8100, 1300, 450));
    cmdSave->setToolTip(QStringLiteral("Save Entry"));
    cmdPrintSave = twipsButton(this, QStringLiteral("&Print"), QRect(1500, 8100, 1300, 450));
    cmdPrintSave->setToolTip(QStringLiteral("Print/Save Entry"));
    cmdClearRow = twipsButton(this, QStringLiteral("C&ancel "), QRect(2880, 8100, 1300, 450));
    cmdClearRow->setToolTip(QStringLiteral("Cancel Request"));
    cmdClearAll = twipsButton(this, QStringLiteral("Clear &All"), QRect(4260, 8100, 1300, 450));
    cmdClearAll->setToolTip(QStringLiteral("Clear all entries"));
    cmdClose = twipsButton(this, QStringLiteral("&Close"), QRect(9270, 8100, 1300, 450));
    cmdClose->setToolTip(QStringLiteral("Close this Window"));
}

void frmCashReplace::connectHandlers() {
    connect(cmdORNumber, &QPushButton::clicked, this, &frmCashReplace::cmdORNumber_Click);
    connect(txtORNumber, &QLineEdit::returnPressed, this, &frmCashReplace::cmdORNumber_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmCashReplace::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmCashReplace::cmdPrintSave_Click);
    connect(cmdClearRow, &QPushButton::clicked, this, &frmCashReplace::cmdClearRow_Click);
    connect(cmdClearAll, &QPushButton::clicked, this, &frmCashReplace::cmdClearAll_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCashReplace::cmdClose_Click);
    connect(chargeGrid_, &ChargeGrid::cellEntered, this,
            [this](int row, int) { cmdClearRow->setEnabled(row > 0 && !BlankRow(row)); });
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, [this](int, int, const QString&) { txtEntry_DblClick(); });
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, [this](int, int, const QString&) { cmdEntry_Click(); });
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this, [this](int, int, int) { flexMSEntry_DblClick(); });
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmCashReplace::cmdClose_Click);
}

QLineEdit* frmCashReplace::txtEntry() const { return chargeGrid_->editor()->textBox(); }

bool frmCashReplace::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

// ---- Receipt ----

bool frmCashReplace::GetItemToReplace(const QString& receiptNumber) {
    return generalProcedure(QStringLiteral("frmCashReplace"), QStringLiteral("GetItemToReplace"), [&] {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_GetProductToReplace"), {{QStringLiteral("@ORNumber"), receiptNumber}});
        if (!rs || rs->isEmpty())
            return false;
        txtORNumber->setText(rs->text(QStringLiteral("refnum")));
        txtPatName->setText(rs->text(QStringLiteral("PaymentFrom")));
        FlexGrid& grid = *flexGrdReplace;
        grid.setCols(rs->fieldCount() + 1);
        grid.setRows(rs->recordCount() + 1);
        grid.setFixedRows(1);
        grid.setFixedCols(1);
        for (int c = 0; c < rs->fieldCount(); ++c)
            grid.setTextMatrix(0, c + 1, rs->fieldName(c));
        for (int r = 0; r < rs->recordCount(); ++r)
            for (int c = 0; c < rs->fieldCount(); ++c)
                grid.setTextMatrix(r + 1, c + 1, Text(rs->valueAt(r, c)));
        return true;
    });
}

void frmCashReplace::TotalToReplace() {
    double total = 0;
    for (int row = 1; row < flexGrdReplace->rows(); ++row)
        total += Val(flexGrdReplace->textMatrix(row, rcAmount));
    lblTotalReplace->setText(Format(total, QStringLiteral("#########.00")));
}

void frmCashReplace::cmdORNumber_Click() {
    unhandledErrorGuard([&] {
        if (!GetItemToReplace(txtORNumber->text())) {
            MsgBox(QStringLiteral("Pls Input valid ornumber to replace.."), vbInformation, QStringLiteral("Message"));
            return;
        }
        // The save replaces the receipt found, whatever is typed afterwards.
        mListedReceipt = Trim(txtORNumber->text());
        txtORNumber->setEnabled(false);
        cmdORNumber->setEnabled(false);
        TotalToReplace();
    });
}

// ---- Item entry ----

void frmCashReplace::cmdEntry_Click() {
    unhandledErrorGuard([&] {
        if (flexMSEntry->col() != colCode || !enterItem()) {
            chargeGrid_->rejectCommit();
            return;
        }
        chargeGrid_->acceptCommit(chargeGrid_->editorText());
    });
}

bool frmCashReplace::enterItem() {
    const int row = flexMSEntry->row();
    const QString typed = chargeGrid_->editorText();
    if (typed.isEmpty())
        return false;
    ItemCodeRequest request;
    request.typed = typed;
    request.acceptBarcode = false;
    request.grid = flexMSEntry;
    request.codeCol = colCode;
    request.parent = this;
    request.location = kMainPharmacyLocation;
    request.pick = [](const QString& text) { return SlotComponent(gComponents.gDrugList).ShowList(text); };
    DrugCatalog::Drug& drug = replaceDrug();
    const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), drug, request);
    chargeGrid_->setEditorText(outcome.code);
    switch (outcome.result) {
    case ItemCodeResult::Empty:
        return false;
    case ItemCodeResult::Duplicate:
        MsgBox(QStringLiteral("The same item was already requested"), vbExclamation);
        return false;
    case ItemCodeResult::NotFound:
        MsgBox(QStringLiteral("Item code not found."), vbInformation);
        return false;
    case ItemCodeResult::Found:
        break;
    }
    if (drug.Status() != 0) {
        MsgBox(drug.DrugName() + QLatin1Char(' ') + drug.Description() + QStringLiteral(" was set to inactive."), vbInformation,
               QStringLiteral("MESSAGE"));
        chargeGrid_->setEditorText(QString());
        return false;
    }
    fillLineFromDrug(row);
    if (Val(flexMSEntry->textMatrix(row, colQuantity)) > 0) {
        priceLine(row, Val(flexMSEntry->textMatrix(row, colOldUnitPrice)));
        refreshTotal();
    }
    return true;
}

void frmCashReplace::fillLineFromDrug(int row) {
    const DrugCatalog::Drug& drug = replaceDrug();
    flexMSEntry->setTextMatrix(row, colDescription, drug.DrugName() + QLatin1Char(' ') + drug.Description());
    flexMSEntry->setTextMatrix(row, colStock, Text(drug.Invent().StockOnHand));
    flexMSEntry->setTextMatrix(row, colUnitPrice, Format(drug.Invent().SellingPriceOut, QStringLiteral("######0.00")));
    flexMSEntry->setTextMatrix(row, colOldUnitPrice, Text(drug.Invent().SellingPriceOut));
}

void frmCashReplace::priceLine(int row, double unitPrice) {
    const double quantity = Val(flexMSEntry->textMatrix(row, colQuantity));
    const double amount = RoundPrice(Val(Format(quantity * unitPrice, QStringLiteral("#########0.00"))), 0.25);
    flexMSEntry->setTextMatrix(row, colAmount, Text(amount));
}

void frmCashReplace::txtEntry_DblClick() {
    unhandledErrorGuard([&] {
        switch (flexMSEntry->col()) {
        case colCode:
            cmdEntry_Click();
            break;
        case colQuantity:
            commitQuantity();
            break;
        case colAmount:
            chargeGrid_->acceptCommit(chargeGrid_->editorText());
            break;
        default:
            break;
        }
    });
}

void frmCashReplace::commitQuantity() {
    const int row = flexMSEntry->row();
    QuantityCommitRequest request;
    request.parent = this;
    request.typed = chargeGrid_->editorText();
    request.stockOnHand = Val(flexMSEntry->textMatrix(row, colStock));
    request.wholeOnly = false;
    request.leadingNumber = true;
    request.findSubstitute = [this, row] {
        const QString code = SlotComponent(gComponents.gDrugList).ShowList();
        if (code.isEmpty())
            return true;
        if (!replaceDrug().SearchDrug(code)) {
            MsgBox(QStringLiteral("Drug code not found!"), vbExclamation);
            return true;
        }
        flexMSEntry->setTextMatrix(row, colCode, code);
        fillLineFromDrug(row);
        return true;
    };
    const QuantityCommitOutcome outcome = CommitQuantity(request);
    if (outcome.verdict != QuantityVerdict::Commit) {
        chargeGrid_->rejectCommit();
        return;
    }
    flexMSEntry->setTextMatrix(row, colQuantity, request.typed);
    priceLine(row, Val(flexMSEntry->textMatrix(row, colUnitPrice)));
    refreshTotal();
    chargeGrid_->acceptCommit(request.typed);
}

void frmCashReplace::flexMSEntry_DblClick() {
    unhandledErrorGuard([&] {
        if (!gAllowPriceChange)
            return;
        const int row = flexMSEntry->row();
        const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
        if (flexMSEntry->col() == colUnitPrice && !BlankRow(row) && !Trim(cell(colQuantity)).isEmpty() &&
            !Trim(cell(colAmount)).isEmpty()) {
            LinePrice line;
            line.description = cell(colDescription);
            line.quantity = qint16(CInt(Val(cell(colQuantity))));
            line.itemPrice = Val(cell(colOldUnitPrice));
            line.newItemPrice = Val(cell(colUnitPrice));
            line.totalAmount = Val(cell(colAmount));
            const LinePrice changed = AskPriceChange(this, line);
            flexMSEntry->setTextMatrix(row, colAmount, Format(changed.totalAmount, QStringLiteral("#######0.00")));
            flexMSEntry->setTextMatrix(row, colUnitPrice, Format(changed.itemPrice, QStringLiteral("#######0.00")));
        }
        refreshTotal();
    });
}

void frmCashReplace::cmdClearRow_Click() {
    unhandledErrorGuard([&] {
        const int row = flexMSEntry->row();
        if (row < 1 || BlankRow(row))
            return;
        if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbQuestion | vbYesNo) != vbYes)
            return;
        for (int r = row; r < flexMSEntry->rows() - 1; ++r)
            for (int col = 1; col < kCols; ++col)
                flexMSEntry->setTextMatrix(r, col, flexMSEntry->textMatrix(r + 1, col));
        chargeGrid_->clearLine(flexMSEntry->rows() - 1, 1, kCols - 1);
        cmdClearRow->setEnabled(false);
        chargeGrid_->hideEditor();
        const int col = flexMSEntry->col();
        if (col == colCode || col == colQuantity)
            chargeGrid_->setEditorText(flexMSEntry->textMatrix(row, col));
        if (flexMSEntry->isEnabled())
            flexMSEntry->setFocus(Qt::OtherFocusReason);
        refreshTotal();
    });
}

void frmCashReplace::cmdClearAll_Click() {
    unhandledErrorGuard([&] { ClearAll(true); });
}

void frmCashReplace::cmdClose_Click() { close(); }

bool frmCashReplace::confirmClose() {
    return mClosing || gExitRequested || !canSave() ||
           MsgBox(QStringLiteral("You have unsaved entry.  Do you wish to exit?"), vbInformation | vbYesNo) != vbNo;
}

void frmCashReplace::reject() {
    if (confirmClose())
        QDialog::reject();
}

void frmCashReplace::closeEvent(QCloseEvent* event) {
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    // Asked once: the dialog's own closing runs reject() too.
    const bool wasClosing = mClosing;
    mClosing = true;
    QDialog::closeEvent(event);
    mClosing = wasClosing;
}

// ---- Row rules, totals and clearing ----

void frmCashReplace::refreshTotal() { lblTotal->setText(TotalCharges()); }

QString frmCashReplace::TotalCharges() const {
    return Format(chargeGrid_->sumColumn(colAmount), QStringLiteral("##,###,##0.00"));
}

bool frmCashReplace::BlankRow(int row) const { return chargeGrid_->isBlankRow(row); }

int frmCashReplace::BlankRows() const {
    int blank = 0;
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        blank += BlankRow(row) ? 1 : 0;
    return blank;
}

bool frmCashReplace::CanSaveRow(int row) const { return chargeGrid_->canSaveRow(row); }

bool frmCashReplace::canSave() const { return chargeGrid_->canSave(); }

QString frmCashReplace::NoSaveRows() const {
    QStringList rows;
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (!BlankRow(row) && !CanSaveRow(row))
            rows << QString::number(row);
    return rows.join(QStringLiteral(", "));
}

void frmCashReplace::ClearAll(bool clearTotal) {
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        flexMSEntry->setTextMatrix(row, colNumber, QString::number(row));
        chargeGrid_->clearLine(row, 1, kCols - 1);
    }
    chargeGrid_->hideEditor();
    if (clearTotal)
        lblTotal->clear();
    flexMSEntry->setRow(1);
    flexMSEntry->setCol(colCode);
    txtPatName->setText(QStringLiteral("CASH"));
}

} // namespace qx
