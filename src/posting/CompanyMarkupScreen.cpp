#include "posting/CompanyMarkupScreen.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
QPushButton* markupButton(QWidget* parent, const QString& caption, const QString& tip, QRect twips) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setToolTip(tip);
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}
} // namespace

CompanyMarkupScreen::CompanyMarkupScreen(QWidget* parent, const QString& module, Columns columns)
    : QDialog(parent), cols_(columns), module_(module) {
    setWindowTitle(QStringLiteral("COMPANY MEDICINES (DIFFERENT MARKUP)"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

ChargeGridConfig CompanyMarkupScreen::markupGridConfig(int cols) {
    ChargeGridConfig c;
    c.cols = cols;
    c.rows = kLines + 1;
    c.numberLines = true;
    // The columns beyond the editor's tables carry prices, cost and choices no commit stores:
    // the editor never opens on them.
    c.exemptCols = {colLine, colDescription, colStock, colAmount};
    for (int col = colUnitPrice + 1; col < cols; ++col)
        c.exemptCols.insert(col);
    c.editorKinds = {{colCode, 1}, {colDosage, 1}, {colQuantity, 2}};
    c.maxLengths = {{colCode, 20}, {colDosage, 8}, {colQuantity, 5}};
    c.digitsOnlyCols = {colQuantity};
    c.rightWrapColumn = colQuantity;
    c.leftMinColumn = 0;
    c.loadTextOnEnterCell = true;
    c.saveTextCols = {colCode, colDosage};
    c.savePositiveCols = {colQuantity, colAmount};
    return c;
}

void CompanyMarkupScreen::buildGrid(const QString& formatString, const std::vector<int>& widths, int cols,
                                    QRect frameTwips, QRect gridTwips, int buttonsTop) {
    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), this);
    Frame1->setGeometry(twipsToPixels(frameTwips.x(), frameTwips.y(), frameTwips.width(), frameTwips.height()));
    flexMSEntry = new FlexGrid(this);
    flexMSEntry->setObjectName(QStringLiteral("flexMSEntry"));
    flexMSEntry->setGeometry(twipsToPixels(gridTwips.x(), gridTwips.y(), gridTwips.width(), gridTwips.height()));
    ChargeGridConfig config = markupGridConfig(cols);
    config.formatString = formatString;
    config.colWidths = widths;
    chargeGrid_ = new ChargeGrid(flexMSEntry, config);

    cmdPosted = markupButton(this, QStringLiteral("&List of Posted Medicines"), QStringLiteral("Posted Mediciines"),
                             {120, buttonsTop, 2600, 495});
    cmdClearRow = markupButton(this, QStringLiteral("&Cancel Request"), QStringLiteral("Cancel Request"),
                               {2800, buttonsTop, 1600, 495});
    cmdSave = markupButton(this, QStringLiteral("&Save"), QStringLiteral("Save Entry"), {6400, buttonsTop, 1600, 495});
    cmdPrintSave = markupButton(this, QStringLiteral("&Print"), QStringLiteral("Print/Save Entry"),
                                {8100, buttonsTop, 1600, 495});
    cmdClose = markupButton(this, QStringLiteral("E&xit"), QStringLiteral("Close this Window"),
                            {9800, buttonsTop, 1600, 495});

    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &CompanyMarkupScreen::flexMSEntry_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &CompanyMarkupScreen::flexMSEntry_GotFocus);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this, &CompanyMarkupScreen::flexMSEntry_DblClick);
    // Esc starts the close; a user who stays at its question is left on Exit.
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, [this] {
        cmdClose_Click();
        if (isVisible())
            cmdClose->setFocus(Qt::OtherFocusReason);
    });
    connect(cmdClearRow, &QPushButton::clicked, this, &CompanyMarkupScreen::cmdClearRow_Click);
    connect(cmdClose, &QPushButton::clicked, this, &CompanyMarkupScreen::cmdClose_Click);
}

void CompanyMarkupScreen::buildMarkUpBox(QWidget* parent, QRect captionTwips, QRect boxTwips) {
    auto* caption = new QLabel(QStringLiteral("COMPANY MARKUP:"), parent);
    caption->setGeometry(twipsToPixels(captionTwips.x(), captionTwips.y(), captionTwips.width(), captionTwips.height()));
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    caption->setPalette(palette);
    txtMarkUp = new QLineEdit(parent);
    txtMarkUp->setObjectName(QStringLiteral("txtMarkUp"));
    txtMarkUp->setGeometry(twipsToPixels(boxTwips.x(), boxTwips.y(), boxTwips.width(), boxTwips.height()));
    txtMarkUp->setAlignment(Qt::AlignCenter);
    txtMarkUp->setMaxLength(5);
    caption->setBuddy(txtMarkUp);
    connect(new ControlEvents(txtMarkUp), &ControlEvents::keyPress, this, &CompanyMarkupScreen::txtMarkUp_KeyPress);
    hideEditorOnFocus(txtMarkUp);
}

QLineEdit* CompanyMarkupScreen::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* CompanyMarkupScreen::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* CompanyMarkupScreen::upDown() const { return chargeGrid_->editor()->spinner(); }

void CompanyMarkupScreen::resetEntry() {
    savingForPrint_ = false;
    entrySaved_ = false;
    slipPrinted_ = false;
    patientVerifyID_.clear();
    chargeGrid_->layout();
    chargeGrid_->hideEditor();
    chargeGrid_->setEditorText(QString());
    chargeGrid_->pending().clearAll();
    chargeGrid_->pending().set(PendingGridMove::FirstFocus);
    cmdPrintSave->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdClearRow->setEnabled(false);
}

void CompanyMarkupScreen::patientAccepted(const QString& verifyID) {
    entrySaved_ = false;
    slipPrinted_ = false;
    patientVerifyID_ = verifyID;
}

void CompanyMarkupScreen::hideEditorOnFocus(QWidget* control) {
    connect(new ControlEvents(control), &ControlEvents::gotFocus, this, [this] { chargeGrid_->hideEditor(); });
}

void CompanyMarkupScreen::focusIfEnabled(QWidget* control) {
    if (control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

void CompanyMarkupScreen::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax);
}

bool CompanyMarkupScreen::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

bool CompanyMarkupScreen::BlankRow(int intRow) const { return chargeGrid_->isBlankRow(intRow, colCode); }

bool CompanyMarkupScreen::CanSaveRow(int intRow) const { return chargeGrid_->canSaveRow(intRow); }

bool CompanyMarkupScreen::canSave() const { return chargeGrid_->canSave(); }

QString CompanyMarkupScreen::TotalCharges() const { return chargeGrid_->columnTotal(colAmount); }

void CompanyMarkupScreen::cmdClearRow_Click() {
    eventHandler(module_, QStringLiteral("cmdClearRow_Click"), [&] {
        const int row = flexMSEntry->row();
        if (BlankRow(row))
            return;
        if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbQuestion + vbYesNo) == vbNo)
            return;
        chargeGrid_->clearLine(row, colCode, cols_.last);
        cmdClearRow->setEnabled(false);
        chargeGrid_->hideEditor();
        chargeGrid_->setEditorText(QString());
        focusIfEnabled(flexMSEntry);
        refreshTotalsAfterClearing();
    });
}

void CompanyMarkupScreen::flexMSEntry_DblClick() {
    eventHandler(module_, QStringLiteral("flexMSEntry_DblClick"), [&] {
        const int row = flexMSEntry->row();
        if (!gAllowPriceChange || flexMSEntry->col() != colAmount || BlankRow(row))
            return;
        const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
        // Only a priced line with a quantity can be handed to the dialog.
        const double quantity = Val(cell(colQuantity));
        if (Trim(cell(colCode)).isEmpty() || !(quantity > 0) || quantity > 32767)
            return;
        LinePrice line;
        line.description = cell(colDescription);
        line.quantity = static_cast<qint16>(CInt(quantity));
        line.itemPrice = Val(cell(cols_.lookedUpPrice));
        line.newItemPrice = Val(cell(colUnitPrice));
        line.totalAmount = Val(cell(colAmount));
        const LinePrice changed = AskPriceChange(this, line);
        const QString amount = Format(changed.totalAmount, QStringLiteral("#######0.00"));
        flexMSEntry->setTextMatrix(row, colAmount, amount);
        flexMSEntry->setTextMatrix(row, colUnitPrice, Format(changed.itemPrice, QStringLiteral("#######0.00")));
        if (cols_.gross >= 0)
            flexMSEntry->setTextMatrix(row, cols_.gross, amount);
        linePriceChanged(row);
    });
}

void CompanyMarkupScreen::linePriceChanged(int) {}

void CompanyMarkupScreen::cmdClose_Click() {
    eventHandler(module_, QStringLiteral("cmdClose_Click"), [&] { close(); });
}

void CompanyMarkupScreen::txtMarkUp_KeyPress(int& keyAscii) {
    eventHandler(module_, QStringLiteral("txtMarkUp_KeyPress"), [&] {
        if (keyAscii != 13)
            return;
        keyAscii = 0;
        // The editor's box when it is shown, else the grid, which opens it on its current cell.
        if (txtEntry()->isVisible())
            txtEntry()->setFocus(Qt::OtherFocusReason);
        else if (flexMSEntry->isEnabled())
            flexMSEntry->setFocus(Qt::OtherFocusReason);
    });
}

void CompanyMarkupScreen::flexMSEntry_EnterCell() {
    eventHandler(module_, QStringLiteral("flexMSEntry_EnterCell"), [&] { enableButtons(); });
}

void CompanyMarkupScreen::flexMSEntry_GotFocus() {
    eventHandler(module_, QStringLiteral("flexMSEntry_GotFocus"), [&] { enableButtons(); });
}

void CompanyMarkupScreen::enableButtons() {
    const bool savable = canSave();
    cmdPrintSave->setEnabled(savable);
    cmdSave->setEnabled(savable);
    cmdClearRow->setEnabled(!BlankRow(flexMSEntry->row()));
}

void CompanyMarkupScreen::reject() { close(); }

void CompanyMarkupScreen::closeEvent(QCloseEvent* event) {
    CloseChargeEntryWindow(*this, event, module_, [this] { return canSave(); }, {});
}

} // namespace qx
