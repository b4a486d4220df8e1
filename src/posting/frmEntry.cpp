#include "posting/frmEntry.h"

#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kFrmEntryModule = QStringLiteral("frmEntry");

constexpr int kCode = 1, kDosage = 5, kQuantity = 6, kAmount = 8, kLastCol = 16;

QPushButton* button(QWidget* parent, const QString& caption, const QString& tip, QRect twips) {
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(tip);
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}
} // namespace

ChargeGridConfig frmEntry::gridConfig() {
    ChargeGridConfig c;
    c.cols = 17;
    c.rows = kLines + 1;
    c.formatString = QStringLiteral(
        "># |>Code |<Product Description |<Brand Name |<UOM |<Dosage Frq. |>Quantity |>Stock |>Amount "
        "|<Remarks |< MarkUpIn |< MarkUpOut");
    c.colWidths = {300, 700, 2000, 2000, 700, 800, 1000, 800, 1000, 2000, 0, 0, 0, 0, 0, 0, 0};
    c.numberLines = true;
    c.exemptCols = {0, 2, 3, 4, 7, 8, 12, 13, 15, 16};
    c.editorKinds = {{1, 1}, {3, 1}, {4, 2}, {5, 10}, {6, 11}, {7, 13}};
    c.maxLengths = {{1, 20}, {3, 8}, {4, 5}};
    c.digitsOnlyCols = {kQuantity, kAmount};
    c.rightWrapColumn = kQuantity;
    c.leftMinColumn = kQuantity;
    c.loadTextOnEnterCell = true;
    return c;
}

frmEntry::frmEntry(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Manual Posting ( IN-PATIENT )"));
    resize(twipsToPixels(12000), twipsToPixels(7400));

    txtFind = new QLineEdit(this);
    txtFind->setGeometry(twipsToPixels(1500, 240, 1500, 315));
    txtDocCode = new QLineEdit(this);
    txtDocCode->setGeometry(twipsToPixels(1500, 600, 1000, 315));
    for (int i = 0; i < static_cast<int>(lblPatInfo.size()); ++i) {
        lblPatInfo[i] = new QLabel(this);
        lblPatInfo[i]->setFrameShape(QFrame::Box);
        lblPatInfo[i]->setGeometry(twipsToPixels(3200 + (i % 5) * 1700, 240 + (i / 5) * 360, 1650, 315));
    }
    lblSC = new QLabel(this);
    lblRoomClass = new QLabel(this);
    lblMarkUp = new QLabel(this);
    lblVelmira = new QLabel(QStringLiteral("VELMIRA  PATIENT"), this);
    for (QLabel* hidden : {lblSC, lblRoomClass, lblMarkUp, lblVelmira})
        hidden->hide();

    grdItemList = new FlexGrid(this);
    grdItemList->setGeometry(twipsToPixels(120, 1200, 11700, 4800));
    chargeGrid_ = new ChargeGrid(grdItemList, gridConfig());

    cmdClearRow = button(this, QStringLiteral("&Cancel Request"), QStringLiteral("Cancel Request"), {120, 6200, 1600, 495});
    cmdSave = button(this, QStringLiteral("&Save"), QStringLiteral("Save Entry"), {6600, 6200, 1600, 495});
    cmdPrintSave = button(this, QStringLiteral("&Print && Save"), QStringLiteral("Print/Save Entry"), {8300, 6200, 1600, 495});
    cmdClose = button(this, QStringLiteral("E&xit"), QStringLiteral("Close this Window"), {10000, 6200, 1600, 495});

    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmEntry::grdItemList_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmEntry::grdItemList_GotFocus);
    connect(chargeGrid_, &ChargeGrid::editorTextEdited, this, &frmEntry::txtEntry_Typed);
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmEntry::cmdClose_Click);
    connect(cmdClearRow, &QPushButton::clicked, this, &frmEntry::cmdClearRow_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmEntry::cmdClose_Click);

    setGrid();
    chargeGrid_->pending().clearAll();
    chargeGrid_->pending().set(PendingGridMove::FirstFocus);
    cmdPrintSave->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdClearRow->setEnabled(false);
}

QLineEdit* frmEntry::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmEntry::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* frmEntry::upDown() const { return chargeGrid_->editor()->spinner(); }

void frmEntry::setGrid() { chargeGrid_->layout(); }

void frmEntry::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax);
}

bool frmEntry::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

bool frmEntry::BlankRow(int row) const { return chargeGrid_->isBlankRow(row, kCode); }

bool frmEntry::CanSaveRow(int row) const {
    return generalProcedure(kFrmEntryModule, QStringLiteral("CanSaveRow"), [&] {
        if (BlankRow(row))
            return false;
        const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
        return !Trim(cell(kCode)).isEmpty() && !Trim(cell(kDosage)).isEmpty() && Val(cell(kQuantity)) > 0 &&
               Val(cell(kAmount)) > 0;
    });
}

bool frmEntry::canSave() const {
    for (int row = 1; row <= kLines && row < grdItemList->rows(); ++row)
        if (CanSaveRow(row))
            return true;
    return false;
}

QString frmEntry::TotalCharges() const { return chargeGrid_->columnTotal(kAmount); }

void frmEntry::ClearAll() {
    eventHandler(kFrmEntryModule, QStringLiteral("ClearAll"), [&] {
        setGrid();
        for (QLabel* label : lblPatInfo)
            label->clear();
        txtDocCode->clear();
        for (QLabel* label : {lblRoomClass, lblMarkUp}) {
            label->clear();
            label->hide();
        }
        lblSC->clear();
        txtFind->clear();
        chargeGrid_->setEditorText(QString());
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
        lblVelmira->hide();
    });
}

void frmEntry::cmdClearRow_Click() {
    eventHandler(kFrmEntryModule, QStringLiteral("cmdClearRow_Click"), [&] {
        const int row = grdItemList->row();
        if (BlankRow(row))
            return;
        if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbQuestion + vbYesNo) == vbNo)
            return;
        if (saveUserLog)
            saveUserLog(QStringLiteral("Cancelled Request ItemID# : ") + Trim(grdItemList->textMatrix(row, kCode)) +
                        QStringLiteral(" | Under Patient : ") + Trim(lblPatInfo[2]->text()));
        for (int col = kCode; col <= kLastCol; ++col)
            grdItemList->setTextMatrix(row, col, QString());
        if (grdItemList->isEnabled()) {
            const bool hadFocus = grdItemList->hasFocus();
            grdItemList->setFocus(Qt::OtherFocusReason);
            if (hadFocus)
                chargeGrid_->carryOutPendingMoves();
        }
        cmdClearRow->setEnabled(false);
        chargeGrid_->hideEditor();
        chargeGrid_->setEditorText(QString());
        lblPatInfo[6]->setText(TotalCharges());
        grdItemList->setCol(kCode);
        grdItemList->setCellBackColor(colors::InfoBackground);
    });
}

void frmEntry::cmdClose_Click() {
    eventHandler(kFrmEntryModule, QStringLiteral("cmdClose_Click"), [&] { close(); });
}

void frmEntry::grdItemList_EnterCell() {
    eventHandler(kFrmEntryModule, QStringLiteral("grdItemList_EnterCell"), [&] {
        enableSaveButtons();
        cmdClearRow->setEnabled(!BlankRow(grdItemList->row()));
    });
}

void frmEntry::grdItemList_GotFocus() {
    eventHandler(kFrmEntryModule, QStringLiteral("grdItemList_GotFocus"), [&] {
        cmdClearRow->setEnabled(!BlankRow(grdItemList->row()));
        enableSaveButtons();
    });
}

void frmEntry::txtEntry_Typed() {
    eventHandler(kFrmEntryModule, QStringLiteral("txtEntry_KeyPress"), [&] { lblPatInfo[6]->setText(TotalCharges()); });
}

void frmEntry::enableSaveButtons() {
    const bool savable = canSave();
    cmdPrintSave->setEnabled(savable);
    cmdSave->setEnabled(savable);
}

} // namespace qx
