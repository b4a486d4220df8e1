#include "posting/frmEmployee.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/TypeABDiscounts.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "posting/frmEmployeeList.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/UserLog.h"
#include "shell/WindowOpeners.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {
const QString kEmployeeModule = QStringLiteral("frmEmployee");

QPushButton* empButton(QWidget* parent, const QString& caption, const QString& tip, QRect twips) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setToolTip(tip);
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

QLabel* empLabel(QWidget* parent, const QString& text, QRect twips, bool boxed = false) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    if (boxed)
        l->setFrameShape(QFrame::Box);
    return l;
}

QLineEdit* empTextBox(QWidget* parent, QRect twips) {
    auto* box = new QLineEdit(parent);
    box->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return box;
}

template <typename W>
W* placed(W* widget, QRect twips) {
    widget->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return widget;
}
} // namespace

ChargeGridConfig frmEmployee::gridConfig(int gridWidth) {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = kLines + 1;
    c.formatString = QStringLiteral(
        "<# |<Code |<Product Description |<Brand Name  |<UOM |<Dosage Frq. |>Quantity |>Stock |>Amount |<Remarks");
    // Columns 2 to 9 follow a twenty-third of the grid; the code column is a twentieth plus the
    // line-number column. Columns 20 and 21 keep the grid's default width.
    const int unit = static_cast<int>(Round(gridWidth / 23.0));
    const int lineCol = 300;
    c.colWidths = {lineCol, static_cast<int>(Round(gridWidth / 20.0 + lineCol)), 5 * unit, 4 * unit,
                   static_cast<int>(Round(1.5 * unit)), 2 * unit, 2 * unit, 2 * unit, 2 * unit, 5 * unit,
                   2000, 2000, 2000, 2000, 500, 500, 0, 500, 1000, 1000};
    c.numberLines = true;
    c.exemptCols = {colDescription, colStock, colAmount, colSeniorDiscount, colFixedPrice, colRateA, colBrand, colUOM};
    // The brand and unit columns carry a button and a spinner in the tables but are exempt, so
    // only the code column shows its button and its 20-character limit.
    c.editorKinds = {{colCode, 1}, {colBrand, 1}, {colUOM, 2}};
    c.maxLengths = {{colCode, 20}, {colBrand, 8}, {colUOM, 5}};
    c.digitsOnlyCols = {colQuantity, colAmount};
    c.rightWrapColumn = colQuantity;
    c.leftMinColumn = 0;
    c.loadTextOnEnterCell = true;
    c.saveTextCols = {colCode, colDosage};
    c.savePositiveCols = {colQuantity};
    return c;
}

frmEmployee::frmEmployee(QWidget* parent) : QDialog(parent) {
    saveUserLog = [](const QString& activity) { SaveUserLog(activity); };
    setWindowTitle(QStringLiteral("Employee Medicines"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(11700), twipsToPixels(kDesignedHeight));

    buildHeader();

    Frame1 = placed(new QGroupBox(QStringLiteral("&List of Requests"), this), {120, 1860, 11460, 3840});
    flexMSEntry = placed(new FlexGrid(this), {240, 2100, kGridWidth, 3480});
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig(kGridWidth));
    // Lines are entered one after another: no editor below a line without a code.
    chargeGrid_->editorBlocked = [this](int row, int) {
        return row > 1 && flexMSEntry->textMatrix(row - 1, colCode).isEmpty();
    };

    buildDiscounts();
    buildButtons();

    Frame4 = new ColorLegend(this);
    Frame4->setTitle(QStringLiteral("LEGEND: Grid Font Color"));
    Frame4->setGeometry(twipsToPixels(120, 7800, 11460, 585));

    itemEntry_ = std::make_unique<ManualItemEntry>(itemEntryConfig());

    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmEmployee::flexMSEntry_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmEmployee::flexMSEntry_GotFocus);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmEmployee::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmEmployee::cmdEntry_Click);
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, [this] {
        cmdClose_Click();
        if (isVisible())
            cmdClose->setFocus(Qt::OtherFocusReason);
    });

    setGrid();
}

frmEmployee::~frmEmployee() = default;

void frmEmployee::buildHeader() {
    fraPatInfo = placed(new QGroupBox(QStringLiteral("&Patient Information"), this), {120, 60, 11460, 1380});
    QWidget* f = fraPatInfo;
    empLabel(f, QStringLiteral("&OPD No."), {120, 300, 950, 315})->setBuddy(txtIDNum = empTextBox(f, {1100, 300, 1400, 315}));
    cmdHospNum = empButton(f, QStringLiteral("..."), QStringLiteral("Find Patient"), {2520, 300, 360, 315});
    lblPatInfo[0] = empLabel(f, QString(), {3000, 300, 4880, 315}, true);
    empLabel(f, QStringLiteral("Hospital No."), {8000, 300, 1000, 315});
    lblPatInfo[1] = empLabel(f, QString(), {9030, 300, 1300, 315}, true);
    empLabel(f, QStringLiteral("Sex"), {120, 660, 950, 315});
    lblPatInfo[2] = empLabel(f, QString(), {1100, 660, 500, 315}, true);
    empLabel(f, QStringLiteral("Age"), {1700, 660, 400, 315});
    lblPatInfo[3] = empLabel(f, QString(), {2130, 660, 750, 315}, true);
    empLabel(f, QStringLiteral("&Account No."), {3000, 660, 1050, 315})
        ->setBuddy(txtAcctNum = empTextBox(f, {4080, 660, 1200, 315}));
    cmdAcctNum = empButton(f, QStringLiteral("..."), QString(), {5300, 660, 360, 315});
    lblAccount[0] = empLabel(f, QString(), {5700, 660, 4330, 315}, true);
    lblDateEmployedCaption = empLabel(f, QStringLiteral("Date Employed"), {120, 1020, 1150, 315});
    lblAccount[1] = empLabel(f, QString(), {1300, 1020, 1400, 315}, true);
    lblDateEmployedCaption->hide();
    lblAccount[1]->hide();
    empLabel(f, QStringLiteral("Charge Slip"), {8000, 1020, 900, 315});
    lblAccount[2] = empLabel(f, QString(), {9030, 1020, 1300, 315}, true);
    chkFringe = placed(new QCheckBox(QStringLiteral("Fringe Benefit?"), f), {3000, 1020, 1800, 315});

    lblCreditLimit = empLabel(this, QStringLiteral("Credit Limit:"), {120, 1480, 1100, 315});
    lblCredit = empLabel(this, QString(), {1250, 1480, 1300, 315}, true);
    lblCreditTotal = empLabel(this, QStringLiteral("Total Medicine Charges:"), {2700, 1480, 2000, 315});
    lblTotalCredit = empLabel(this, QString(), {4750, 1480, 1300, 315}, true);
    for (QLabel* l : {lblCreditLimit, lblCredit, lblCreditTotal, lblTotalCredit})
        l->hide();

    for (QWidget* box : std::initializer_list<QWidget*>{txtIDNum, txtAcctNum, cmdHospNum, cmdAcctNum})
        connect(new ControlEvents(box), &ControlEvents::gotFocus, this, &frmEmployee::hideCellEditor);
    connect(cmdHospNum, &QPushButton::clicked, this, &frmEmployee::cmdHospNum_Click);
    connect(cmdAcctNum, &QPushButton::clicked, this, &frmEmployee::cmdAcctNum_Click);
    connect(new ControlEvents(txtIDNum), &ControlEvents::keyPress, this, &frmEmployee::txtIDNum_KeyPress);
    connect(new ControlEvents(txtAcctNum), &ControlEvents::keyPress, this, &frmEmployee::txtAcctNum_KeyPress);
    // The handler runs on every change of the value, by the user or by the code.
    connect(chkFringe, &QCheckBox::stateChanged, this, [this] { chkFringe_Click(); });
}

void frmEmployee::buildDiscounts() {
    discounts_ = new TypeABDiscounts(this, flexMSEntry,
                                     {.amount = colAmount, .mark = colSeniorDiscount, .discount = colDiscount, .gross = colGross});
    discounts_->totalCharges = [this] { return TotalCharges(); };
    discounts_->setPolicy(discountPolicy());
    chkTypeA = discounts_->chkTypeA;
    chkTypeB = discounts_->chkTypeB;
    TypeA = discounts_->TypeA;
    TypeB = discounts_->TypeB;
    cmbA = discounts_->cmbA;
    cmbB1 = discounts_->cmbB1;
    cmbB2 = discounts_->cmbB2;
    cmdApplyA = discounts_->cmdApplyA;
    cmdApplyB = discounts_->cmdApplyB;
    txtDiscount = discounts_->txtDiscount;
    // The box also shows "0.00".
    txtDiscount->setMaxLength(32767);

    lblDiscountCaption = empLabel(this, QStringLiteral("Di&scount"), {120, 5780, 800, 315});
    placed(txtDiscount, {950, 5780, 700, 315});
    lblDiscountCaption->setBuddy(txtDiscount);
    lblPercent = empLabel(this, QStringLiteral("%"), {1680, 5780, 200, 315});
    txtDiscount->setText(QStringLiteral("0"));
    placed(chkTypeA, {2000, 5780, 1700, 315});
    placed(TypeA, {2000, 6100, 3300, 500});
    placed(cmbA, {60, 120, 2300, 315});
    placed(cmdApplyA, {2420, 120, 800, 315});
    placed(chkTypeB, {5400, 5780, 1700, 315});
    placed(TypeB, {5400, 6100, 4200, 500});
    for (QLabel* label : TypeB->findChildren<QLabel*>())
        placed(label, {label->text() == QLatin1String("&1.") ? 60 : 1860, 120, 250, 315});
    placed(cmbB1, {320, 120, 1500, 315});
    placed(cmbB2, {2120, 120, 1200, 315});
    placed(cmdApplyB, {3360, 120, 800, 315});
    connectDiscounts();

    Frame5 = placed(new QGroupBox(QStringLiteral("Price Basis"), this), {9700, 5720, 1880, 900});
    optUnitCost = placed(new QRadioButton(QStringLiteral("Unit Cost"), Frame5), {60, 220, 1700, 300});
    optIN = placed(new QRadioButton(QStringLiteral("Out-Patient Selling Price"), Frame5), {60, 540, 1800, 300});
    optUnitCost->setChecked(true);
    Frame5->hide();
    connect(optIN, &QRadioButton::clicked, this, &frmEmployee::optIN_Click);
    connect(optUnitCost, &QRadioButton::clicked, this, &frmEmployee::optUnitCost_Click);
}

void frmEmployee::buildButtons() {
    empLabel(this, QStringLiteral("Gross "), {120, 6700, 600, 315});
    lblGross = empLabel(this, QString(), {750, 6700, 1300, 315}, true);
    empLabel(this, QStringLiteral("Discount"), {2150, 6700, 800, 315});
    lblDiscount = empLabel(this, QString(), {2980, 6700, 1300, 315}, true);
    empLabel(this, QStringLiteral("Net Amt."), {4380, 6700, 800, 315});
    lblNet = empLabel(this, QString(), {5210, 6700, 1300, 315}, true);
    for (QLabel* l : {lblGross, lblDiscount, lblNet})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    discounts_->lblGross = lblGross;
    discounts_->lblDiscount = lblDiscount;
    discounts_->lblNet = lblNet;
    lblMDRP = empLabel(this, QStringLiteral("MDRP"), {6600, 6700, 700, 315});
    lblMDRP->setAlignment(Qt::AlignCenter);
    lblMDRP->setAutoFillBackground(true);
    QPalette pink = lblMDRP->palette();
    pink.setColor(QPalette::Window, toQColor(0xFF80FF));
    lblMDRP->setPalette(pink);

    cmdClearRow = empButton(this, QStringLiteral("&Cancel Request"), QStringLiteral("Cancel Request"), {120, 7150, 1500, 450});
    cmdPosted = empButton(this, QStringLiteral("&List of Posted Medicines"), QStringLiteral("Posted Mediciines"),
                          {1700, 7150, 2700, 450});
    cmdSave = empButton(this, QStringLiteral("&Save"), QStringLiteral("Save Entry"), {6700, 7150, 1250, 450});
    cmdPrintSave = empButton(this, QStringLiteral("Save and &Print"), QStringLiteral("Print/Save Entry"), {8030, 7150, 1600, 450});
    cmdClose = empButton(this, QStringLiteral("E&xit"), QStringLiteral("Close this Window"), {9710, 7150, 1250, 450});

    connect(cmdClearRow, &QPushButton::clicked, this, &frmEmployee::cmdClearRow_Click);
    connect(cmdPosted, &QPushButton::clicked, this, &frmEmployee::cmdPosted_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmEmployee::cmdClose_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEmployee::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmEmployee::cmdPrintSave_Click);
}

QLineEdit* frmEmployee::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmEmployee::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }

void frmEmployee::Form_Load() {
    eventHandler(kEmployeeModule, QStringLiteral("Form_Load"), [&] {
        Connection& con = SQLConnection();
        skipMDRPDiscount_ = true;
        if (gShowColorAntibioticClass) {
            setFixedHeight(twipsToPixels(kColorCodedHeight));
            Frame4->fill(con);
        }
        setGrid();
        chargeGrid_->pending().clearAll();
        chargeGrid_->pending().set(PendingGridMove::FirstFocus);
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        cmdClearRow->setEnabled(false);
        txtAcctNum->setEnabled(true);
        cmdAcctNum->setEnabled(true);
        txtDiscount->setEnabled(false);
        newPatient_ = false;
        TypeA->setEnabled(false);
        TypeB->setEnabled(false);
        cmdApplyA->setEnabled(false);
        cmdApplyB->setEnabled(false);
        loadDiscountLists();
        txtDiscount->setText(QStringLiteral("0.00"));
        if (gSiteCode == QLatin1String("QVH")) {
            for (QWidget* w : std::initializer_list<QWidget*>{TypeA, chkTypeA, txtDiscount, lblDiscountCaption, lblPercent})
                w->hide();
            for (QLabel* l : {lblCreditLimit, lblCredit, lblCreditTotal, lblTotalCredit})
                l->show();
        }
        if (gSiteCode == QLatin1String("NORVAX"))
            Frame5->show();
    });
}

void frmEmployee::loadDiscountLists() {
    // Both type-B lists offer the type-A rates; type A starts on an empty entry.
    Recordset rs = SQLConnection().query(QStringLiteral("SELECT Discount, DiscountCode, DiscountName FROM tbPharmaDiscounts "
                                                        "WHERE TypeA = 1 ORDER BY Discount DESC"));
    for (QComboBox* list : {cmbA, cmbB1, cmbB2})
        list->clear();
    cmbA->addItem(QString());
    for (; !rs.eof(); rs.moveNext()) {
        // The rate as the server writes a money value into six characters ("20.00").
        const QString rate = Left(Format(rs.number(QStringLiteral("Discount")), QStringLiteral("0.00")), 6) + u'%';
        const QString name = rs.text(QStringLiteral("DiscountName"));
        // Every entry keeps its row's code, which its discount goes to billing under.
        const QString code = Trim(rs.text(QStringLiteral("DiscountCode")));
        cmbA->addItem(rate + QStringLiteral(" | ") + rs.text(QStringLiteral("DiscountCode")) + QStringLiteral(" | ") + name, code);
        cmbB1->addItem(rate + u' ' + name, code);
        cmbB2->addItem(rate + u' ' + name, code);
    }
    for (QComboBox* list : {cmbA, cmbB1, cmbB2})
        list->setCurrentIndex(list->count() > 0 ? 0 : -1);
}

void frmEmployee::setGrid() {
    chargeGrid_->layout();
    flexMSEntry->setColWidth(colMDRP, 0);
    flexMSEntry->setColWidth(colUnitCost, 0);
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        flexMSEntry->setTextMatrix(row, colLine, QLatin1Char(' ') + QString::number(row));
    flexMSEntry->setRow(1);
    flexMSEntry->setCol(colCode);
}

void frmEmployee::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax);
}

bool frmEmployee::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

bool frmEmployee::BlankRow(int intRow) const {
    return generalProcedure(kEmployeeModule, QStringLiteral("BlankRow"), [&] { return chargeGrid_->isBlankRow(intRow); });
}

bool frmEmployee::CanSaveRow(int intRow) const {
    return generalProcedure(kEmployeeModule, QStringLiteral("CanSaveRow"), [&] { return chargeGrid_->canSaveRow(intRow); });
}

bool frmEmployee::canSave() const {
    return generalProcedure(kEmployeeModule, QStringLiteral("canSave"), [&] { return chargeGrid_->canSave(); });
}

QString frmEmployee::TotalCharges() {
    return generalProcedure(kEmployeeModule, QStringLiteral("TotalCharges"), [&] {
        const bool norvax = gSiteCode == QLatin1String("NORVAX");
        double total = 0;
        double discount = 0;
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            if (!chargeGrid_->canSaveRow(row))
                continue;
            const auto cell = [&](int col) { return Val(flexMSEntry->textMatrix(row, col)); };
            if (norvax && !optUnitCost->isChecked()) {
                total += cell(colUnitPrice) * cell(colQuantity);
            } else if (norvax) {
                total += cell(colAmount);
                discount += cell(colDiscount);
            } else {
                total += cell(colAmount);
                discount += cell(colSeniorDiscount);  // "*" reads as 0
            }
        }
        lblDiscount->setText(Format(discount, QStringLiteral("#########0.00")));
        return Format(total, QStringLiteral("######0.00"));
    });
}

void frmEmployee::refreshTotals() {
    lblGross->setText(QLatin1Char(' ') + Format(Val(TotalCharges()), QStringLiteral("#####00.00")));
    lblDiscount->setText(QLatin1Char(' ') + Format(Val(txtDiscount->text()) / 100 * Val(lblGross->text()),
                                                   QStringLiteral("#####00.00")));
    lblNet->setText(QLatin1Char(' ') + Format(Val(lblGross->text()) - Val(lblDiscount->text()), QStringLiteral("#####00.00")));
}

void frmEmployee::ClearAll() {
    generalProcedure(kEmployeeModule, QStringLiteral("ClearAll"), [&] {
        for (QLabel* label : lblPatInfo)
            label->clear();
        setGrid();
        txtIDNum->clear();
        txtAcctNum->clear();
        txtDiscount->setText(QStringLiteral("0"));
        for (QLabel* label : lblAccount)
            label->clear();
        for (QLabel* label : {lblGross, lblDiscount, lblNet})
            label->clear();
        chargeGrid_->setEditorText(QString());
        chkTypeA->setChecked(false);
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
        newPatient_ = false;
    });
}

void frmEmployee::cmdClearRow_Click() {
    eventHandler(kEmployeeModule, QStringLiteral("cmdClearRow_Click"), [&] {
        const int row = flexMSEntry->row();
        if (!BlankRow(row) && MsgBox(QStringLiteral("Are you sure to delete the request?"), vbQuestion + vbYesNo) == vbYes) {
            if (saveUserLog)
                saveUserLog(QStringLiteral("Cancelled Request ItemID# : ") + Trim(flexMSEntry->textMatrix(row, colCode)) +
                            QStringLiteral(" |  under Patient : ") + Trim(lblPatInfo[0]->text()));
            chargeGrid_->removeLine(row, colCode);
            cmdClearRow->setEnabled(false);
            chargeGrid_->hideEditor();
            chargeGrid_->setEditorText(QString());
            if (flexMSEntry->isEnabled())
                flexMSEntry->setFocus(Qt::OtherFocusReason);
            refreshTotals();
        }
        flexMSEntry->setRow(1);
    });
}

void frmEmployee::cmdPosted_Click() {
    eventHandler(kEmployeeModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPostedOP"), {{QStringLiteral("IDNum"), Trim(txtIDNum->text())}});
    });
}

void frmEmployee::cmdClose_Click() {
    eventHandler(kEmployeeModule, QStringLiteral("cmdClose_Click"), [&] { close(); });
}

void frmEmployee::optIN_Click() {
    eventHandler(kEmployeeModule, QStringLiteral("optIN_Click"), [&] {
        TypeA->show();
        chkTypeA->setChecked(false);
        chkTypeA->show();
        txtDiscount->setText(QStringLiteral("0"));
        ApplyPrice();
        RemoveDiscounts();
        lblNet->setText(TotalCharges());
    });
}

void frmEmployee::optUnitCost_Click() {
    eventHandler(kEmployeeModule, QStringLiteral("optUnitCost_Click"), [&] {
        TypeA->hide();
        chkTypeA->setChecked(false);
        chkTypeA->hide();
        txtDiscount->setText(QStringLiteral("0"));
        ApplyPrice();
        lblNet->setText(TotalCharges());
    });
}

void frmEmployee::flexMSEntry_EnterCell() {
    eventHandler(kEmployeeModule, QStringLiteral("flexMSEntry_EnterCell"), [&] {
        enableSaveButtons();
        cmdClearRow->setEnabled(!BlankRow(flexMSEntry->row()));
    });
}

void frmEmployee::flexMSEntry_GotFocus() {
    eventHandler(kEmployeeModule, QStringLiteral("flexMSEntry_GotFocus"), [&] {
        cmdClearRow->setEnabled(!BlankRow(flexMSEntry->row()));
        enableSaveButtons();
    });
}

void frmEmployee::enableSaveButtons() {
    const bool savable = canSave();
    cmdPrintSave->setEnabled(savable);
    cmdSave->setEnabled(savable);
}

void frmEmployee::hideCellEditor() { chargeGrid_->hideEditor(); }

void frmEmployee::reject() { close(); }

void frmEmployee::closeEvent(QCloseEvent* event) {
    CloseChargeEntryWindow(*this, event, kEmployeeModule, [this] { return canSave(); }, {});
}

} // namespace qx
