#include "posting/frmEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/TypeABDiscounts.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/UserLog.h"
#include "shell/WindowOpeners.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace qx {

namespace {
const QString kEntryOPModule = QStringLiteral("frmEntryOP");

QLabel* opLabel(QWidget* parent, const QString& text, QRect twips, bool boxed = false) {
    auto* l = twipsLabel(parent, text, twips);
    if (boxed)
        l->setFrameShape(QFrame::Box);
    return l;
}

QLineEdit* opTextBox(QWidget* parent, QRect twips) {
    auto* box = new QLineEdit(parent);
    box->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return box;
}

void paintBack(QLabel* label, ColorValue color) {
    label->setAutoFillBackground(true);
    paintRole(label, QPalette::Window, color);
}
} // namespace

ChargeGridConfig frmEntryOP::gridConfig(int gridWidth) {
    ChargeGridConfig c;
    c.cols = 18;
    c.rows = kLines + 1;
    c.formatString = QStringLiteral(
        "<# |<Code |<Product Description |<Brand Name  |<UOM |<Dosage Frq. |>Quantity |>Stock |>Amount |<Remarks");
    // Columns 2 to 9 follow a twenty-third of the grid; the code column alone is a twentieth
    // plus the line-number column.
    const int unit = static_cast<int>(Round(gridWidth / 23.0));
    const int lineCol = 300;
    c.colWidths = {lineCol, static_cast<int>(Round(gridWidth / 20.0 + lineCol)), 5 * unit, 4 * unit, unit, 2 * unit,
                   2 * unit, 2 * unit, 2 * unit, 5 * unit, 0, 0, 0, 0, 0, 0, 500, 500};
    c.numberLines = true;
    c.exemptCols = {colLine, colDescription, colBrand, colUOM, colStock, colAmount, colFixedCharge, colPosted};
    c.editorKinds = {{colCode, 1}, {colBrand, 1}, {colUOM, 2}, {colDosage, 14}};
    // The screen's length table (code 20, brand 8, UOM 5) is handed to the editor and never
    // applied, so the editor takes any length here.
    c.digitsOnlyCols = {colQuantity, colAmount};
    c.rightWrapColumn = colQuantity;
    c.leftMinColumn = colCode;
    c.loadTextOnEnterCell = true;
    c.saveTextCols = {colCode, colDosage};
    c.savePositiveCols = {colQuantity, colAmount};
    return c;
}

frmEntryOP::frmEntryOP(QWidget* parent) : QDialog(parent) {
    saveUserLog = [](const QString& activity) { SaveUserLog(activity); };
    setWindowTitle(QStringLiteral("Manual Posting ( OUT-PATIENT )"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(11700), twipsToPixels(kDesignedHeight));

    buildHeader();

    Frame1 = new QGroupBox(QStringLiteral("Request &List"), this);
    Frame1->setGeometry(twipsToPixels(120, 2040, 11460, 4320));
    grdItemList = new FlexGrid(this);
    grdItemList->setGeometry(twipsToPixels(240, 2280, kGridWidth, 3960));
    chargeGrid_ = new ChargeGrid(grdItemList, gridConfig(kGridWidth));

    discounts_ = new TypeABDiscounts(this, grdItemList, {});
    discounts_->totalCharges = [this] { return TotalCharges(); };
    // Laid out and never shown on this screen: no discount applies and the percentage stays 0.
    for (QWidget* w : std::initializer_list<QWidget*>{discounts_->chkTypeA, discounts_->chkTypeB, discounts_->TypeA,
                                                       discounts_->TypeB, discounts_->txtDiscount})
        w->hide();

    buildButtons();

    Frame4 = new ColorLegend(this);
    Frame4->setTitle(QStringLiteral("LEGEND - Grid Font Color"));
    Frame4->setGeometry(twipsToPixels(120, 7460, 11460, 660));

    tmrPrice = new QTimer(this);
    tmrPrice->setInterval(1000);
    connect(tmrPrice, &QTimer::timeout, this, &frmEntryOP::tmrPrice_Timer);

    itemEntry_ = std::make_unique<ManualItemEntry>(itemEntryConfig());

    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmEntryOP::grdItemList_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmEntryOP::grdItemList_GotFocus);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmEntryOP::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmEntryOP::cmdEntry_Click);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this, &frmEntryOP::grdItemList_DblClick);
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, [this] {
        cmdClose_Click();
        if (isVisible())
            cmdClose->setFocus(Qt::OtherFocusReason);
    });
    connect(discounts_, &TypeABDiscounts::percentageFocused, this, &frmEntryOP::hideCellEditor);
    connect(discounts_, &TypeABDiscounts::returnToGrid, this,
            [this] { grdItemList->setFocus(Qt::OtherFocusReason); });

    setGrid();
}

void frmEntryOP::buildHeader() {
    fraPatInfo = new QGroupBox(QStringLiteral("&Patient Information"), this);
    fraPatInfo->setGeometry(twipsToPixels(120, 60, 11460, 1500));
    QWidget* f = fraPatInfo;

    opLabel(f, QStringLiteral("&OPD No."), {120, 300, 950, 315})->setBuddy(txtIDNum = opTextBox(f, {1100, 300, 1400, 315}));
    cmdHospNum = twipsButton(f, QStringLiteral("..."), {2520, 300, 360, 315}, QStringLiteral("Find Patient"));
    opLabel(f, QStringLiteral("Name"), {3000, 300, 550, 315});
    lblPatInfo[0] = opLabel(f, QString(), {3580, 300, 4300, 315}, true);
    opLabel(f, QStringLiteral("Hosp. #"), {8000, 300, 700, 315});
    lblPatInfo[1] = opLabel(f, QString(), {8730, 300, 1300, 315}, true);
    opLabel(f, QStringLiteral("Sex"), {120, 660, 950, 315});
    lblPatInfo[2] = opLabel(f, QString(), {1100, 660, 500, 315}, true);
    opLabel(f, QStringLiteral("Age"), {1700, 660, 400, 315});
    lblPatInfo[3] = opLabel(f, QString(), {2130, 660, 750, 315}, true);
    opLabel(f, QStringLiteral("&Account No."), {3000, 660, 1050, 315})
        ->setBuddy(txtAcctNum = opTextBox(f, {4080, 660, 1200, 315}));
    cmdAcctNum = twipsButton(f, QStringLiteral("..."), {5300, 660, 360, 315});
    lblAccount = opLabel(f, QString(), {5700, 660, 4330, 315}, true);
    opLabel(f, QStringLiteral("&Doctor's Code"), {120, 1020, 1150, 315})
        ->setBuddy(txtDocCode = opTextBox(f, {1300, 1020, 1200, 315}));
    cmdDocCode = twipsButton(f, QStringLiteral("..."), {2520, 1020, 360, 315});
    lblDoctor = opLabel(f, QString(), {3000, 1020, 4880, 315}, true);
    opLabel(f, QStringLiteral("Charge Slip"), {8000, 1020, 900, 315});
    lblChargeSlip = opLabel(f, QString(), {8930, 1020, 1400, 315}, true);
    // The charge account always comes from the patient record.
    txtAcctNum->setEnabled(false);
    cmdAcctNum->setEnabled(false);

    lblSC = opLabel(this, QString(), {120, 1620, 1500, 300});
    lblSC->hide();
    lblVelmira = opLabel(this, QStringLiteral("VELMIRA  PATIENT"), {1700, 1620, 2400, 360}, true);
    lblVelmira->setAlignment(Qt::AlignCenter);
    lblVelmira->hide();
    lblPrice = opLabel(this, QStringLiteral("OUT PATIENT PRICE"), {4200, 1620, 2600, 360});
    paintRole(lblPrice, QPalette::WindowText, 255);
    lblPrice->hide();
    chkGSIS = new QCheckBox(QStringLiteral("&GSIS Member"), this);
    chkGSIS->setGeometry(twipsToPixels(6900, 1620, 1600, 300));
    chkGSIS->setEnabled(false);
    chkGSIS->hide();

    for (QWidget* box : std::initializer_list<QWidget*>{txtIDNum, txtDocCode, txtAcctNum, cmdHospNum, cmdDocCode, cmdAcctNum})
        connect(new ControlEvents(box), &ControlEvents::gotFocus, this, &frmEntryOP::hideCellEditor);
    connect(cmdHospNum, &QPushButton::clicked, this, &frmEntryOP::cmdHospNum_Click);
    connect(cmdAcctNum, &QPushButton::clicked, this, &frmEntryOP::cmdAcctNum_Click);
    connect(cmdDocCode, &QPushButton::clicked, this, &frmEntryOP::cmdDocCode_Click);
    connect(new ControlEvents(txtIDNum), &ControlEvents::keyPress, this, &frmEntryOP::txtIDNum_KeyPress);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, &frmEntryOP::txtDocCode_KeyPress);
}

void frmEntryOP::buildButtons() {
    opLabel(this, QStringLiteral("Net Amt."), {120, 6500, 800, 315});
    lblNet = opLabel(this, QString(), {950, 6500, 1300, 315}, true);
    lblNet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblGross = opLabel(this, QString(), {120, 6900, 1000, 315});
    lblGross->hide();
    lblDiscount = opLabel(this, QString(), {1200, 6900, 1000, 315});
    lblDiscount->hide();
    discounts_->lblGross = lblGross;
    discounts_->lblDiscount = lblDiscount;
    discounts_->lblNet = lblNet;
    Label5 = opLabel(this, QStringLiteral("MDRP"), {2350, 6500, 700, 315});
    Label5->setAlignment(Qt::AlignCenter);
    paintBack(Label5, 0xFF80FF);
    chkDirectTransaction = new QCheckBox(QStringLiteral("Direct Transaction"), this);
    chkDirectTransaction->setGeometry(twipsToPixels(2350, 6900, 2000, 300));
    chkDirectTransaction->hide();

    cmdClearRow = twipsButton(this, QStringLiteral("&Cancel Request"), {3150, 6450, 1500, 450},
                              QStringLiteral("Cancel Request"));
    cmdPosted = twipsButton(this, QStringLiteral("&LIST OF POSTED MEDICINES"), {4730, 6450, 2700, 450},
                            QStringLiteral("Posted Mediciines"));
    cmdPrintSave = twipsButton(this, QStringLiteral("&Print && Save"), {7510, 6450, 1350, 450},
                               QStringLiteral("Print/Save Entry"));
    cmdSave = twipsButton(this, QStringLiteral("&Save"), {8940, 6450, 1250, 450}, QStringLiteral("Save Entry"));
    cmdClose = twipsButton(this, QStringLiteral("E&xit"), {10270, 6450, 1250, 450},
                           QStringLiteral("Close this Window"));

    connect(cmdClearRow, &QPushButton::clicked, this, &frmEntryOP::cmdClearRow_Click);
    connect(cmdPosted, &QPushButton::clicked, this, &frmEntryOP::cmdPosted_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmEntryOP::cmdPrintSave_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEntryOP::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmEntryOP::cmdClose_Click);
}

QLineEdit* frmEntryOP::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmEntryOP::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* frmEntryOP::upDown() const { return chargeGrid_->editor()->spinner(); }

void frmEntryOP::Form_Load() {
    eventHandler(kEntryOPModule, QStringLiteral("Form_Load"), [&] {
        Connection& con = SQLConnection();
        if (gShowColorAntibioticClass) {
            setFixedHeight(twipsToPixels(kColorCodedHeight));
            Frame4->fill(con);
        }
        visitAccountNum_.clear();
        setGrid();
        chargeGrid_->pending().clearAll();
        chargeGrid_->pending().set(PendingGridMove::FirstFocus);
        if (!patientID_.isEmpty() && gComponents.gOPDPatient->Search(patientID_)) {
            OutpatientFile::OPDPatient& visit = *gComponents.gOPDPatient;
            txtIDNum->setText(visit.OPDNumber());
            lblPatInfo[0]->setText(visit.PatientName());
            lblPatInfo[1]->setText(visit.HospitalNumber());
            lblPatInfo[2]->setText(Left(visit.Sex(), 1));
            lblPatInfo[3]->setText(visit.Age());
            showChargeSlip();
        }
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        cmdClearRow->setEnabled(false);
        discounts_->LoadRates(con);
    });
}

void frmEntryOP::setGrid() {
    chargeGrid_->layout();
    grdItemList->setRow(1);
    grdItemList->setCol(colCode);
}

void frmEntryOP::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax);
}

bool frmEntryOP::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

bool frmEntryOP::BlankRow(int intRow) const {
    return generalProcedure(kEntryOPModule, QStringLiteral("BlankRow"), [&] { return chargeGrid_->isBlankRow(intRow); });
}

bool frmEntryOP::CanSaveRow(int intRow) const {
    return generalProcedure(kEntryOPModule, QStringLiteral("CanSaveRow"), [&] { return chargeGrid_->canSaveRow(intRow); });
}

bool frmEntryOP::canSave() const {
    return generalProcedure(kEntryOPModule, QStringLiteral("canSave"), [&] { return chargeGrid_->canSave(); });
}

QString frmEntryOP::TotalCharges() const {
    return generalProcedure(kEntryOPModule, QStringLiteral("TotalCharges"),
                            [&] { return chargeGrid_->columnTotal(colAmount); });
}

QString frmEntryOP::TotalDiscount() const { return discounts_->TotalDiscount(); }

bool frmEntryOP::checkUnPrinted() const {
    return generalProcedure(kEntryOPModule, QStringLiteral("checkUnPrinted"), [&] {
        // Exact texts: a code of blanks counts as a code.
        for (int row = 1; row <= kLines && row < grdItemList->rows(); ++row)
            if (grdItemList->textMatrix(row, colPosted).isEmpty() && !grdItemList->textMatrix(row, colCode).isEmpty())
                return true;
        return false;
    });
}

void frmEntryOP::ClearAll() {
    generalProcedure(kEntryOPModule, QStringLiteral("ClearAll"), [&] {
        for (QLabel* label : lblPatInfo)
            label->clear();
        setGrid();
        for (QLineEdit* box : {txtIDNum, txtAcctNum, txtDocCode, discounts_->txtDiscount})
            box->clear();
        for (QLabel* label : {lblAccount, lblDoctor, lblGross, lblDiscount, lblNet, lblChargeSlip})
            label->clear();
        chargeGrid_->setEditorText(QString());
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
    });
}

void frmEntryOP::cmdClearRow_Click() {
    eventHandler(kEntryOPModule, QStringLiteral("cmdClearRow_Click"), [&] {
        const int row = grdItemList->row();
        if (!BlankRow(row) && MsgBox(QStringLiteral("Are you sure to delete this request?"), vbQuestion + vbYesNo) == vbYes) {
            if (saveUserLog)
                saveUserLog(QStringLiteral("Cancelled Request ItemID# : ") + Trim(grdItemList->textMatrix(row, colCode)) +
                            QStringLiteral(" | Under Patient : ") + Trim(lblPatInfo[0]->text()));
            if (grdItemList->isEnabled())
                grdItemList->setFocus(Qt::OtherFocusReason);
            chargeGrid_->clearLine(row, colCode, colPosted);
            cmdClearRow->setEnabled(false);
            chargeGrid_->hideEditor();
            chargeGrid_->setEditorText(QString());
            refreshTotals(1000, QStringLiteral("####000.00"), QStringLiteral("###000.00"), QStringLiteral("###000.00"));
        }
        // Whatever the answer, the line's code cell loses the fixed-charge colour.
        grdItemList->setCol(colCode);
        grdItemList->setCellBackColor(colors::InfoBackground);
    });
}

void frmEntryOP::refreshTotals(double discountDivisor, const QString& grossPattern, const QString& discountPattern,
                               const QString& netPattern) {
    lblGross->setText(grossPattern.isEmpty() ? TotalCharges() : Format(Val(TotalCharges()), grossPattern));
    lblDiscount->setText(Format(discounts_->percentage() / discountDivisor * Val(lblGross->text()), discountPattern));
    lblNet->setText(Format(Val(lblGross->text()) - Val(lblDiscount->text()), netPattern));
}

void frmEntryOP::cmdPosted_Click() {
    eventHandler(kEntryOPModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPostedOP"), {{QStringLiteral("IDNum"), Trim(txtIDNum->text())}});
    });
}

void frmEntryOP::cmdClose_Click() {
    eventHandler(kEntryOPModule, QStringLiteral("cmdClose_Click"), [&] { close(); });
}

void frmEntryOP::cmdSave_Click() {
    eventHandler(kEntryOPModule, QStringLiteral("cmdSave_Click"), [&] { Save(0); });
}

void frmEntryOP::cmdPrintSave_Click() {
    eventHandler(kEntryOPModule, QStringLiteral("cmdPrintSave_Click"), [&] { Save(1); });
}

void frmEntryOP::grdItemList_EnterCell() {
    eventHandler(kEntryOPModule, QStringLiteral("grdItemList_EnterCell"), [&] {
        enableSaveButtons();
        cmdClearRow->setEnabled(!BlankRow(grdItemList->row()));
    });
}

void frmEntryOP::grdItemList_GotFocus() {
    eventHandler(kEntryOPModule, QStringLiteral("grdItemList_GotFocus"), [&] {
        cmdClearRow->setEnabled(!BlankRow(grdItemList->row()));
        enableSaveButtons();
    });
}

void frmEntryOP::enableSaveButtons() {
    const bool savable = canSave() && grdItemList->isEnabled();
    cmdPrintSave->setEnabled(savable);
    cmdSave->setEnabled(savable);
}

void frmEntryOP::hideCellEditor() { chargeGrid_->hideEditor(); }

void frmEntryOP::reject() { close(); }

void frmEntryOP::closeEvent(QCloseEvent* event) {
    CloseChargeEntryWindow(*this, event, kEntryOPModule, [this] { return canSave(); }, [this] { tmrPrice->stop(); });
}

} // namespace qx
