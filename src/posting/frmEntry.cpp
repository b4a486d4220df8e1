#include "posting/frmEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"
#include "shell/UserLog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace qx {

namespace {
const QString kFrmEntryModule = QStringLiteral("frmEntry");

constexpr int kCode = 1, kDosage = 5, kQuantity = 6, kAmount = 8, kLastCol = 16;

QLabel* redTopLineLabel(QWidget* parent, QRect twips) {
    auto* l = twipsLabel(parent, QString(), twips);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    paintRole(l, QPalette::WindowText, 255);
    l->hide();
    return l;
}

QPushButton* findButton(QWidget* parent, const QString& tip, QRect twips) {
    auto* b = twipsButton(parent, QString(), twips, tip);
    b->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogContentsView));
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
    c.saveTextCols = {kCode, kDosage};
    c.savePositiveCols = {kQuantity, kAmount};
    return c;
}

frmEntry::frmEntry(QWidget* parent)
    : QDialog(parent), profile_(nullptr, ItemProfile::Variant::ManualPosting) {
    // Opened from the menu the screen logs as every screen does; tests may catch the lines instead.
    saveUserLog = [](const QString& activity) { SaveUserLog(activity); };
    setWindowTitle(QStringLiteral("Manual Posting ( IN-PATIENT )"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(12000), twipsToPixels(kNormalHeight));

    buildPatientPanel();

    fraList = new QGroupBox(QStringLiteral("2. Request &List"), this);
    fraList->setGeometry(twipsToPixels(120, 1980, 11760, 4200));
    grdItemList = new FlexGrid(this);
    grdItemList->setGeometry(twipsToPixels(240, 2220, 11520, 3840));
    chargeGrid_ = new ChargeGrid(grdItemList, gridConfig());

    cmdClearRow = twipsButton(this, QStringLiteral("&Cancel Request"), {120, 6300, 1600, 495},
                              QStringLiteral("Cancel Request"));
    cmdPrintPreview = twipsButton(this, QStringLiteral("Print Pre&view"), {1800, 6300, 1600, 495});
    cmdPrintPreview->hide();
    chkDirectTransaction = new QCheckBox(QStringLiteral("Direct Transaction"), this);
    chkDirectTransaction->setGeometry(twipsToPixels(3600, 6400, 2000, 300));
    chkDirectTransaction->hide();
    cmdSave = twipsButton(this, QStringLiteral("&Save"), {6600, 6300, 1600, 495}, QStringLiteral("Save Entry"));
    cmdPrintSave = twipsButton(this, QStringLiteral("&Print && Save"), {8300, 6300, 1600, 495},
                               QStringLiteral("Print/Save Entry"));
    cmdClose = twipsButton(this, QStringLiteral("E&xit"), {10000, 6300, 1600, 495},
                           QStringLiteral("Close this Window"));

    buildLowerPanels();
    itemEntry_ = std::make_unique<ManualItemEntry>(itemEntryConfig());

    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmEntry::grdItemList_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmEntry::grdItemList_GotFocus);
    connect(chargeGrid_, &ChargeGrid::editorTextEdited, this, &frmEntry::txtEntry_Typed);
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmEntry::cmdClose_Click);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmEntry::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmEntry::cmdEntry_Click);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this, &frmEntry::grdItemList_DblClick);
    // The grid's click and every cell entry open the editor; the profile follows the line.
    connect(chargeGrid_, &ChargeGrid::editorOpened, this,
            [this](int row, int) { LoadListProfile(grdItemList->textMatrix(row, kCode), row); });
    connect(cmdClearRow, &QPushButton::clicked, this, &frmEntry::cmdClearRow_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmEntry::cmdClose_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEntry::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmEntry::cmdPrintSave_Click);

    resetEntry();
}

void frmEntry::resetEntry() {
    setGrid();
    chargeGrid_->pending().clearAll();
    chargeGrid_->pending().set(PendingGridMove::FirstFocus);
    cmdPrintSave->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdClearRow->setEnabled(false);
}

void frmEntry::buildPatientPanel() {
    lblExecPackage = twipsLabel(this, QStringLiteral("EXECUTIVE PACKAGE"), {120, 60, 4000, 300});
    lblExecPackage->hide();
    lblVIP = twipsLabel(this, QStringLiteral("VIP"), {4300, 60, 700, 300});
    lblVIP->setAlignment(Qt::AlignCenter);
    lblVIP->setAutoFillBackground(true);
    lblVIP->hide();

    fraPatInfo = new QGroupBox(QStringLiteral("1. Patient Information"), this);
    fraPatInfo->setGeometry(twipsToPixels(120, 450, 11760, 1470));
    QWidget* f = fraPatInfo;
    lblSC = redTopLineLabel(f, {5000, 0, 2000, 255});
    lblRoomClass = redTopLineLabel(f, {7100, 0, 2600, 255});
    lblMarkUp = redTopLineLabel(f, {9800, 0, 1800, 255});

    auto* findLabel = twipsLabel(f, QStringLiteral("&Admission No."), {120, 300, 1200, 315});
    txtFind = new QLineEdit(f);
    txtFind->setGeometry(twipsToPixels(1350, 300, 1400, 315));
    findLabel->setBuddy(txtFind);
    cmdFind = findButton(f, QStringLiteral("Find Patient"), {2770, 300, 360, 315});
    twipsLabel(f, QStringLiteral("Doctor"), {120, 1020, 1200, 315});
    txtDocCode = new QLineEdit(f);
    txtDocCode->setGeometry(twipsToPixels(1350, 1020, 1000, 315));
    cmdDocCode = findButton(f, QStringLiteral("Find Doctor"), {2370, 1020, 360, 315});

    // Banner fields: caption beside, then the bordered label.
    struct Field { int index; const char* caption; QRect captionAt; QRect labelAt; };
    const Field fields[] = {
        {0, "Hospital No.", {3300, 300, 1050, 315}, {4380, 300, 1500, 315}},
        {1, "Station", {6050, 300, 700, 315}, {6780, 300, 2500, 315}},
        {5, "Charge Slip", {9400, 300, 950, 315}, {10380, 300, 1260, 315}},
        {2, "Name", {120, 660, 1200, 315}, {1350, 660, 3800, 315}},
        {4, "Room No.", {5250, 660, 800, 315}, {6080, 660, 1700, 315}},
        {8, "Age", {7900, 660, 400, 315}, {8330, 660, 800, 315}},
        {9, "Sex", {9250, 660, 400, 315}, {9680, 660, 600, 315}},
        {3, nullptr, {}, {2760, 1020, 3200, 315}},
        {7, "C/O", {6050, 1020, 400, 315}, {6480, 1020, 2800, 315}},
        {6, "Total Charges", {9350, 1020, 1000, 315}, {10380, 1020, 1260, 315}},
    };
    for (const Field& field : fields) {
        if (field.caption)
            twipsLabel(f, QString::fromLatin1(field.caption), field.captionAt);
        QLabel* label = twipsLabel(f, QString(), field.labelAt);
        label->setFrameShape(QFrame::Box);
        lblPatInfo[field.index] = label;
    }

    cmdPosted = twipsButton(this, QStringLiteral("&List of Posted Medicines"), {9200, 30, 2680, 390});

    connect(cmdFind, &QPushButton::clicked, this, &frmEntry::cmdFind_Click);
    connect(txtFind, &QLineEdit::textChanged, this, &frmEntry::txtFind_Change);
    connect(new ControlEvents(txtFind), &ControlEvents::keyPress, this, &frmEntry::txtFind_KeyPress);
    connect(cmdDocCode, &QPushButton::clicked, this, &frmEntry::cmdDocCode_Click);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, &frmEntry::txtDocCode_KeyPress);
    connect(cmdPosted, &QPushButton::clicked, this, &frmEntry::cmdPosted_Click);
}

void frmEntry::buildLowerPanels() {
    fraPrevious = new QGroupBox(QStringLiteral("&Previous Orders"), this);
    fraPrevious->setGeometry(twipsToPixels(120, 6950, 11760, 1350));
    flexMSHPrevious = new FlexGrid(this);
    flexMSHPrevious->setGeometry(twipsToPixels(240, 7190, 11520, 1020));
    profile_ = ItemProfile(flexMSHPrevious, ItemProfile::Variant::ManualPosting);

    lblVelmira = twipsLabel(this, QStringLiteral("VELMIRA  PATIENT"), {120, 8400, 2400, 480});
    lblVelmira->setFrameShape(QFrame::Box);
    lblVelmira->setAlignment(Qt::AlignCenter);
    lblVelmira->hide();
    ColorLegendFrame = new ColorLegend(this);
    ColorLegendFrame->setGeometry(twipsToPixels(2640, 8340, 9240, 660));

    timerB = new QTimer(this);
    timerB->setInterval(250);
    connect(timerB, &QTimer::timeout, this, &frmEntry::timerB_Timer);
    timerB->start();
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
    return generalProcedure(kFrmEntryModule, QStringLiteral("CanSaveRow"), [&] { return chargeGrid_->canSaveRow(row); });
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
        clearPatientValues();
        lblSC->clear();
        txtFind->clear();
        chargeGrid_->setEditorText(QString());
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
        lblVelmira->hide();
        shownAdmission_.clear();
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
        chargeGrid_->clearLine(row, kCode, kLastCol);
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
    eventHandler(kFrmEntryModule, QStringLiteral("txtEntry_KeyPress"), [&] {
        CalculateAmount();
        lblPatInfo[6]->setText(TotalCharges());
    });
}

void frmEntry::enableSaveButtons() {
    const bool savable = canSave();
    cmdPrintSave->setEnabled(savable);
    cmdSave->setEnabled(savable);
}

} // namespace qx
