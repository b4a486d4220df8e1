#include "cash/frmCashEntry.h"

#include "cash/SISequence.h"
#include "cash/frmTranscription.h"
#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "charging/PriceLookups.h"
#include "components/PlatformServices.h"
#include "hospitaldb/DocumentCounter.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace qx {

namespace {
const QString kCashEntryModule = QStringLiteral("frmCashEntry");

// Widths and heights the load changes, in twips.
constexpr int kGenericNameWidth = 2500;
constexpr int kCommandTopWithoutDiscounts = 7170;

void placeTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsToPixels(left, top, width, height));
}

QLabel* cashLabel(QWidget* parent, const QString& caption, int left, int top, int width) {
    auto* label = new QLabel(caption, parent);
    placeTwips(label, left, top, width, 285);
    return label;
}

QLineEdit* cashTextBox(QWidget* parent, int left, int top, int width) {
    auto* box = new QLineEdit(parent);
    placeTwips(box, left, top, width, 315);
    return box;
}

QPushButton* cashButton(QWidget* parent, const QString& caption, int left, int top, int width, int height = 375) {
    auto* b = new QPushButton(caption, parent);
    placeTwips(b, left, top, width, height);
    return b;
}

QGroupBox* cashFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* f = new QGroupBox(caption, parent);
    placeTwips(f, left, top, width, height);
    return f;
}

QLabel* legendLabel(QWidget* parent, const QString& caption, ColorValue color, int left, int top) {
    QLabel* label = cashLabel(parent, caption, left, top, 1300);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, toQColor(color));
    label->setPalette(p);
    return label;
}

void widenTwips(QWidget* w, int twips) { w->resize(w->width() + twipsToPixels(twips), w->height()); }

void moveTopTwips(QWidget* w, int top) { w->move(w->x(), twipsToPixels(top)); }
} // namespace

frmCashEntry::frmCashEntry(QWidget* parent) : QDialog(parent) {
    buildControls();
    connectHandlers();
    Form_Load();
}

frmCashEntry::~frmCashEntry() = default;

void frmCashEntry::buildControls() {
    setWindowTitle(QStringLiteral("Assessment Entry"));
    resize(twipsToPixels(12240), twipsToPixels(8900));

    menuBar = new QMenuBar(this);
    mnuMenu = menuBar->addMenu(QStringLiteral("Menu"));
    mnuEditSequenceNumbers = mnuMenu->addAction(QStringLiteral("Edit Sequence Numbers"));
    mnuChangeSISequenceNum = menuBar->addAction(QStringLiteral("Change SI Sequence Number"));
    mnuEditSequenceNumbers->setShortcut(Qt::Key_F1);
    addAction(mnuEditSequenceNumbers);  // F1 works while the menu is hidden
    mnuMenu->menuAction()->setVisible(false);
    mnuChangeSISequenceNum->setVisible(false);

    Frame4 = cashFrame(this, QStringLiteral("&1. Transaction Information"), 120, 60, 8580, 2520);
    lblCaption = cashLabel(Frame4, QStringLiteral("WALK-IN"), 120, 220, 1200);
    chkInPatient = new QCheckBox(QStringLiteral("In-Patient"), Frame4);
    placeTwips(chkInPatient, 1350, 200, 1200, 285);
    chkOutPatient = new QCheckBox(QStringLiteral("Out-Patient"), Frame4);
    placeTwips(chkOutPatient, 2600, 200, 1300, 285);
    chkEmployee = new QCheckBox(QStringLiteral("Employee Price"), Frame4);
    placeTwips(chkEmployee, 3950, 200, 1600, 285);
    chkDialysis = new QCheckBox(QStringLiteral("Dialysis Patient / Senior Citizen"), Frame4);
    placeTwips(chkDialysis, 3950, 200, 3000, 285);
    chkVelmira = new QCheckBox(QStringLiteral("Velmira"), Frame4);
    placeTwips(chkVelmira, 7000, 200, 1400, 285);

    fraMasterInfo = cashFrame(Frame4, QString(), 120, 440, 8340, 560);
    cashLabel(fraMasterInfo, QStringLiteral("&Admission # :"), 60, 190, 1000);
    txtIdNumber = cashTextBox(fraMasterInfo, 1060, 170, 1300);
    cashLabel(fraMasterInfo, QStringLiteral("&Hospital # : "), 2420, 190, 950);
    txtHospNum = cashTextBox(fraMasterInfo, 3370, 170, 1300);
    txtHospNum->setReadOnly(true);
    cashLabel(fraMasterInfo, QStringLiteral("Room :"), 4730, 190, 550);
    txtRoom = cashTextBox(fraMasterInfo, 5280, 170, 1700);
    txtRoom->setReadOnly(true);
    cashLabel(fraMasterInfo, QStringLiteral("Age"), 7050, 190, 350);
    lblAge = cashLabel(fraMasterInfo, QString(), 7420, 190, 850);

    cashLabel(Frame4, QStringLiteral("Name : "), 120, 1060, 700);
    txtPatName = cashTextBox(Frame4, 900, 1040, 7500);
    txtPatName->setText(QStringLiteral("CASH"));
    Label2_4 = cashLabel(Frame4, QStringLiteral("Assessment # : "), 5950, 1060, 1150);
    txtRefNum = cashTextBox(Frame4, 7100, 1040, 1380);

    cashLabel(Frame4, QStringLiteral("Doctor : "), 120, 1400, 700);
    txtDoctorID = cashTextBox(Frame4, 900, 1380, 1000);
    cmdDocCode = cashButton(Frame4, QStringLiteral("..."), 1930, 1380, 400, 315);
    txtDoctor = cashTextBox(Frame4, 2380, 1380, 3000);
    txtDoctor->setReadOnly(true);
    lblHospitalPlan = cashLabel(Frame4, QString(), 5450, 1400, 1700);
    lblMarkUp = cashLabel(Frame4, QString(), 7200, 1400, 1200);

    Label2_0 = cashLabel(Frame4, QStringLiteral("SC # : "), 120, 1720, 700);
    txtSCNumber = cashTextBox(Frame4, 900, 1700, 1800);
    lblGSISNumber_5 = cashLabel(Frame4, QStringLiteral("GSIS # : "), 2800, 1720, 800);
    txtGSISNumber = cashTextBox(Frame4, 3650, 1700, 1800);
    lblS2Number = cashLabel(Frame4, QStringLiteral("S2#"), 5550, 1720, 400);
    txtS2Number = cashTextBox(Frame4, 6000, 1700, 1500);

    Frame5 = cashFrame(this, QStringLiteral("CARD INFO"), 8820, 60, 3300, 1500);
    txtZarviCard = cashTextBox(Frame5, 120, 240, 2500);
    cmdSearchCard = cashButton(Frame5, QStringLiteral("..."), 2650, 240, 450, 315);
    txtCardHolder = cashTextBox(Frame5, 120, 600, 2980);
    cmdCard = cashButton(Frame5, QStringLiteral("Register Card"), 120, 980, 1400);
    lblCardType = cashLabel(Frame5, QString(), 1600, 1000, 1100);
    lblCardTypeID = cashLabel(Frame5, QString(), 2750, 1000, 400);

    Frame2 = cashFrame(this, QStringLiteral("Checker"), 8820, 1620, 3300, 960);
    txtCheckerID = cashTextBox(Frame2, 120, 240, 1000);
    cmdSearch = cashButton(Frame2, QStringLiteral("..."), 1150, 240, 450, 315);
    txtCheckerName = cashTextBox(Frame2, 120, 600, 2980);
    txtCheckerName->setReadOnly(true);

    Frame1 = cashFrame(this, QStringLiteral("&2. Drug List"), 120, 2640, 12000, 3840);
    grdItemList = new FlexGrid(Frame1);
    placeTwips(grdItemList, 120, 240, 11760, 3480);
    chargeGrid_ = new ChargeGrid(grdItemList, gridConfig());

    lblLegend = cashLabel(this, QStringLiteral("LEGEND:"), 120, 6520, 800);
    Label3 = legendLabel(this, QStringLiteral("Regular Price"), colors::InfoBackground, 950, 6520);
    Label5 = legendLabel(this, QStringLiteral("MDRP"), 0xFF80FFu, 2300, 6520);
    Label4 = legendLabel(this, QStringLiteral("Fixed Price"), 0xC0FFC0u, 3650, 6520);
    lblVATExempt = legendLabel(this, QStringLiteral("VAT Exempt"), 0xFFC0C0u, 5000, 6520);

    TypeB = cashFrame(this, QStringLiteral("Discount Types"), 120, 6840, 4000, 1260);
    optNone = new QRadioButton(QStringLiteral("None"), TypeB);
    placeTwips(optNone, 120, 260, 1000, 285);
    optSeniorCitizen = new QRadioButton(QStringLiteral("Senior Citizen"), TypeB);
    placeTwips(optSeniorCitizen, 1150, 260, 1500, 285);
    optManual = new QRadioButton(QStringLiteral("Others"), TypeB);
    placeTwips(optManual, 2700, 260, 1100, 285);
    lblSCPWDID = cashLabel(TypeB, QStringLiteral("SC/PWD ID"), 120, 700, 900);
    txtSCPWDID = cashTextBox(TypeB, 1050, 680, 2000);

    fraOthers = cashFrame(this, QString(), 4200, 6840, 4100, 1260);
    Label1_4 = cashLabel(fraOthers, QStringLiteral("Discount Type:"), 120, 260, 1200);
    cboOthers = new QComboBox(fraOthers);
    placeTwips(cboOthers, 1350, 240, 2600, 315);
    txtDscRate = cashTextBox(fraOthers, 1350, 680, 900);
    cboPercent = new QComboBox(fraOthers);
    cboPercent->setEditable(true);
    placeTwips(cboPercent, 2300, 680, 800, 315);
    cmdComputeDisc = cashButton(fraOthers, QStringLiteral("A&pply"), 3100, 660, 850);

    chkTypeA = new QCheckBox(QStringLiteral("4. Discounts"), this);
    placeTwips(chkTypeA, 120, 6840, 1500, 285);
    TypeA = cashFrame(this, QStringLiteral("4.Discounts"), 120, 7140, 8180, 960);
    cashLabel(TypeA, QStringLiteral("Discount Type"), 120, 300, 1100);
    cboClass = new QComboBox(TypeA);
    cboClass->setEditable(true);
    placeTwips(cboClass, 1250, 280, 3100, 315);
    cashLabel(TypeA, QStringLiteral("Percent"), 4450, 300, 700);
    cmbA = new QComboBox(TypeA);
    cmbA->setEditable(true);
    placeTwips(cmbA, 5200, 280, 1000, 315);
    cmdApplyA = cashButton(TypeA, QStringLiteral("A&pply"), 6300, 260, 900);
    fraClass = cashFrame(this, QStringLiteral("Employee Discount Type"), 120, 7140, 4000, 700);
    cboClassEmployee = new QComboBox(fraClass);
    placeTwips(cboClassEmployee, 120, 280, 3700, 315);

    Frame3 = cashFrame(this, QStringLiteral("&3. Amount"), 8400, 6840, 3720, 1740);
    cashLabel(Frame3, QStringLiteral("Net of Discount"), 120, 260, 1300);
    txtTotal = cashTextBox(Frame3, 1500, 240, 2100);
    cashLabel(Frame3, QStringLiteral("Discount"), 120, 620, 1300);
    txtDiscount = cashTextBox(Frame3, 1500, 600, 2100);
    lblRefund = cashLabel(Frame3, QStringLiteral("Refund"), 120, 980, 1300);
    txtRefund = cashTextBox(Frame3, 1500, 960, 2100);
    lblNetOfRefund = cashLabel(Frame3, QStringLiteral("Net of Refund"), 120, 1340, 1300);
    txtAmountNetRefund = cashTextBox(Frame3, 1500, 1320, 2100);
    txtAmountNetRefund->setReadOnly(true);
    for (QLineEdit* box : {txtTotal, txtDiscount, txtRefund, txtAmountNetRefund})
        box->setAlignment(Qt::AlignRight);

    const int commandTop = 8220;
    cmdClearRow = cashButton(this, QStringLiteral("C&lear Row"), 120, commandTop, 1300, 495);
    cmdClearRow->setToolTip(QStringLiteral("Cancel Request"));
    cmdClearAll = cashButton(this, QStringLiteral("Clear &All"), 1480, commandTop, 1300, 495);
    cmdClearAll->setToolTip(QStringLiteral("Clear all entries"));
    cmdPrintPreview = cashButton(this, QStringLiteral("Pre&view"), 2840, commandTop, 1300, 495);
    cmdPrintSave = cashButton(this, QStringLiteral("Save && &Print"), 4200, commandTop, 1300, 495);
    cmdSave = cashButton(this, QStringLiteral("&Save"), 5560, commandTop, 1300, 495);
    cmdClose = cashButton(this, QStringLiteral("Close"), 6920, commandTop, 1300, 495);

    // Design state: shown only by the load's rules.
    for (QWidget* w : std::initializer_list<QWidget*>{chkDialysis, chkVelmira, chkEmployee, lblVATExempt, txtRefNum,
                                                     Label2_4, TypeB, cboOthers, Label1_4, optManual, txtDscRate,
                                                     cmdComputeDisc, fraClass})
        w->hide();
}

void frmCashEntry::connectHandlers() {
    connect(cmdClose, &QPushButton::clicked, this, &frmCashEntry::cmdClose_Click);
    connect(cmdClearAll, &QPushButton::clicked, this, &frmCashEntry::cmdClearAll_Click);
    connect(cmdClearRow, &QPushButton::clicked, this, &frmCashEntry::cmdClearRow_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmCashEntry::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmCashEntry::cmdPrintSave_Click);
    connect(cmdPrintPreview, &QPushButton::clicked, this, &frmCashEntry::cmdPrintPreview_Click);
    connect(txtTotal, &QLineEdit::textChanged, this, &frmCashEntry::txtTotal_Change);
    connectCustomerHandlers();
    connect(mnuEditSequenceNumbers, &QAction::triggered, this, &frmCashEntry::mnuEditSequenceNumbers_Click);
    connect(mnuChangeSISequenceNum, &QAction::triggered, this, &frmCashEntry::mnuChangeSISequenceNum_Click);
    connect(chkTypeA, &QCheckBox::toggled, this, &frmCashEntry::chkTypeA_Click);
    connect(optNone, &QRadioButton::toggled, this, [this](bool on) { if (on) optNone_Click(); });
    connect(optSeniorCitizen, &QRadioButton::toggled, this, [this](bool on) { if (on) optSeniorCitizen_Click(); });
    connect(optManual, &QRadioButton::toggled, this, [this](bool on) { if (on) optManual_Click(); });

    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmCashEntry::grdItemList_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmCashEntry::grdItemList_GotFocus);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmCashEntry::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmCashEntry::cmdEntry_Click);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this, &frmCashEntry::grdItemList_DblClick);
    connect(cboClass, &QComboBox::activated, this, &frmCashEntry::cboClass_Click);
    connect(cboOthers, &QComboBox::activated, this, &frmCashEntry::cboOthers_Click);
    connect(cmdApplyA, &QPushButton::clicked, this, &frmCashEntry::cmdApplyA_Click);
    connect(cmdComputeDisc, &QPushButton::clicked, this, &frmCashEntry::cmdComputeDisc_Click);
    for (QRadioButton* option : {optNone, optSeniorCitizen, optManual})
        connect(new ControlEvents(option), &ControlEvents::gotFocus, chargeGrid_, &ChargeGrid::hideEditor);
    chargeGrid_->editorValidate = [this] { return txtEntry_Validate(); };
    // An empty row only takes a code, and only below a row that has one.
    chargeGrid_->editorBlocked = [this](int row, int col) {
        if (row > 0 && Trim(grdItemList->textMatrix(row - 1, colCode)).isEmpty())
            return true;
        return col > colCode && Trim(grdItemList->textMatrix(row, colCode)).isEmpty();
    };
}

QLineEdit* frmCashEntry::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmCashEntry::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* frmCashEntry::upDown() const { return chargeGrid_->editor()->spinner(); }

void frmCashEntry::Form_Load() {
    eventHandler(kCashEntryModule, QStringLiteral("Form_Load"), [&] {
        gLocationID = QStringLiteral("20");
        mLoading = true;
        mExemptCols.clear();
        for (int col : {3, 15, 9, 6, 13, 10, 11, 12, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 4, 2, 5, 7})
            AddToExcemptCol(col);
        std::set<int> exempt;
        for (int col : mExemptCols)
            exempt.insert(col);
        chargeGrid_->setExemptCols(std::move(exempt));
        std::fill(std::begin(mColEditor), std::end(mColEditor), 0.0);
        mColEditor[colCode] = 1;
        mColEditor[colDescription] = 1;
        mColEditor[colBrandName] = 2;
        std::map<int, double> kinds;
        for (int col = 0; col < kEditorColumns; ++col)
            if (mColEditor[col] != 0)
                kinds[col] = mColEditor[col];
        chargeGrid_->setEditorKinds(std::move(kinds));
        chargeGrid_->pending().clearAll();

        ClearAll(true);
        txtSCPWDID->hide();
        lblSCPWDID->hide();
        txtS2Number->setVisible(gPharmaSwitches.Switch201());
        lblS2Number->setVisible(gPharmaSwitches.Switch201());
        if (gInvSwitchVATExemptItems)
            lblVATExempt->show();

        if (!gValidateCardNumber) {
            for (QWidget* w : std::initializer_list<QWidget*>{cmdSearchCard, txtCardHolder, cmdCard, txtZarviCard})
                w->setEnabled(false);
            Frame5->hide();
            Frame4->resize(Frame4->width(), twipsToPixels(2000));
            lblCardType->hide();
            lblCardTypeID->hide();
            Frame1->setGeometry(Frame1->x(), twipsToPixels(2160), Frame1->width(), twipsToPixels(4335));
            grdItemList->resize(grdItemList->width(), twipsToPixels(3705));
        }

        if (gPreNumberAssessment) {
            txtPatName->resize(twipsToPixels(4995), txtPatName->height());
            Label2_4->show();
            txtRefNum->show();
            mnuMenu->menuAction()->setVisible(true);
            // A missing counter row is created rather than ending the program.
            const qint64 next = hospitaldb::lockCounter(
                SQLConnection(), {QStringLiteral("billing.tbAssessmentNum"), QStringLiteral("PreNumberAssessment"),
                                  {QStringLiteral("id")}, {1}, 1});
            mPreNumberRefNum = QStringLiteral("PH") + Format(next, QStringLiteral("00000000"));
            txtRefNum->setText(mPreNumberRefNum);
        }

        if (gPharmaSwitches.Switch207()) {
            for (QWidget* w : std::initializer_list<QWidget*>{TypeB, fraOthers, chkTypeA, TypeA, lblLegend, Label3, Label4})
                w->hide();
            for (QPushButton* b : {cmdClearRow, cmdClearAll, cmdPrintPreview, cmdPrintSave, cmdSave, cmdClose})
                moveTopTwips(b, kCommandTopWithoutDiscounts);
        } else if (gPharmaOptDiscountType) {
            TypeB->show();
            chkTypeA->hide();
            TypeA->hide();
            for (QWidget* w : std::initializer_list<QWidget*>{cboOthers, Label1_4, optManual, txtDscRate})
                w->show();
            cboPercent->hide();
            cmdComputeDisc->show();
        } else {
            TypeB->hide();
            fraOthers->hide();
            chkTypeA->show();
            TypeA->show();
            for (QWidget* w : std::initializer_list<QWidget*>{lblLegend, Label3, Label4})
                w->hide();
        }

        if (gSiteCode == QLatin1String("TZNH")) {
            chkDialysis->show();
        } else if (gSiteCode == QLatin1String("GQUV")) {
            chkDialysis->show();
            chkDialysis->setText(QStringLiteral("In-Patient Price"));
        }
        txtCheckerID->setText(gCheckerID);
        txtCheckerName->setText(gCheckerName);

        LoadDiscountLists();
        if (gSiteCode == QLatin1String("WOPSA")) {
            chkTypeA->setChecked(true);
            cboClass->setEditText(QStringLiteral("CZ-CASH DISCOUNT"));
            cmbA->setEditText(QStringLiteral("10.00"));
        }
        if (gPharmaOptDiscountType) {
            if (gSiteCode == QLatin1String("BELQ") || gDefaultDiscount == 0)
                optNone->setChecked(true);
            else if (gDefaultDiscount == 3)
                optSeniorCitizen->setChecked(true);
            else {
                // No option chosen: the buttons of one group can only be cleared together.
                optNone->setAutoExclusive(false);
                optNone->setChecked(false);
                optNone->setAutoExclusive(true);
            }
        }
        chkVelmira->setVisible(gVelmira);
        if (gSiteCode == QLatin1String("KTH"))
            LoadGSISRates(SQLConnection());
        if (gSiteCode == QLatin1String("NORVAX"))
            Frame2->hide();
        mLoading = false;

        const bool standAlone = gPharmaSwitches.PharmacyCashStandAlone();
        if (standAlone) {
            chkInPatient->hide();
            mnuChangeSISequenceNum->setVisible(true);
            setSISequenceNumber();
        }
        for (QWidget* w : std::initializer_list<QWidget*>{lblRefund, txtRefund, lblNetOfRefund, txtAmountNetRefund})
            w->setVisible(standAlone);
        SetGenericNameColWidth();
    });
}

void frmCashEntry::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The grid's first focus lays the editor over the current cell.
    if (!chargeGrid_->isEditorVisible())
        chargeGrid_->openEditor();
    if (chargeGrid_->isEditorVisible())
        txtEntry()->setFocus(Qt::OtherFocusReason);
    Form_Activate();
}

void frmCashEntry::reject() { close(); }

void frmCashEntry::Form_Activate() {
    eventHandler(kCashEntryModule, QStringLiteral("Form_Activate"), [&] {
        if (!mIsTransNote)
            return;
        const frmTranscription& picker = frmTranscription::Default();
        if (!IsNumeric(picker.IDNum))
            return;
        chkInPatient->setChecked(true);
        txtIdNumber->setText(picker.IDNum);
        bool notFound = false;
        ValidateIDNum(notFound, 2);
        if (!notFound)
            DisplayTranscriptionRequest(picker.IDNum, picker.RoomID);
    });
}

void frmCashEntry::cmdClose_Click() {
    eventHandler(kCashEntryModule, QStringLiteral("cmdClose_Click"), [&] { close(); });
}

void frmCashEntry::closeEvent(QCloseEvent* event) {
    bool closes = true;
    eventHandler(kCashEntryModule, QStringLiteral("Form_QueryUnload"), [&] { closes = Form_QueryUnload(); });
    if (closes)
        event->accept();
    else
        event->ignore();
}

bool frmCashEntry::Form_QueryUnload() {
    if (gExitRequested || !canSave())
        return true;
    return MsgBox(QStringLiteral("You have unsaved entry.  Do you wish to exit?"), vbYesNo + vbInformation) == vbYes;
}

void frmCashEntry::cmdClearAll_Click() {
    eventHandler(kCashEntryModule, QStringLiteral("cmdClearAll_Click"), [&] { ClearAll(true); });
}

void frmCashEntry::cmdClearRow_Click() {
    eventHandler(kCashEntryModule, QStringLiteral("cmdClearRow_Click"), [&] {
        const int row = grdItemList->row();
        if (BlankRow(row))
            return;
        if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbYesNo + vbQuestion) == vbNo)
            return;
        // In transcription mode the line goes only once its request is revoked.
        if (mIsTransNote && !RevokeTranscriptionRequest(row))
            return;
        clearFields(row);
    });
}

void frmCashEntry::clearFields(int row) {
    generalProcedure(kCashEntryModule, QStringLiteral("clearFields"), [&] {
        const int last = grdItemList->rows() - 1;
        for (int r = grdItemList->row(); r <= last - 1; ++r)
            for (int c = 1; c < grdItemList->cols(); ++c)
                grdItemList->setTextMatrix(r, c, grdItemList->textMatrix(r + 1, c));
        for (int c = 1; c < grdItemList->cols(); ++c)
            grdItemList->setTextMatrix(last, c, QString());
        cmdClearRow->setEnabled(false);
        chargeGrid_->hideEditor();
        if (grdItemList->col() == colCode || grdItemList->col() == colQuantity)
            chargeGrid_->setEditorText(grdItemList->text());
        if (grdItemList->isEnabled()) {
            grdItemList->setFocus(Qt::OtherFocusReason);
            chargeGrid_->carryOutPendingMoves();
        }
        grdItemList->setCol(colCode);
        for (int r = 1; r <= last - 1; ++r)
            paintCodeCell(r);
        txtTotal->setText(Text(GetTotalCharges()));
        txtDiscount->setText(Text(GetTotalDiscount()));
        grdItemList->setRow(row);
        grdItemList->setCol(colCode);
    });
}

// The code cell's colour: pink for an MDRP item, else the regular colour.
void frmCashEntry::paintCodeCell(int row) {
    const bool mdrp = !Trim(grdItemList->textMatrix(row, colCode)).isEmpty() &&
                      ToDouble(grdItemList->textMatrix(row, colMDRP)) == 1;
    grdItemList->setRow(row);
    grdItemList->setCol(colCode);
    grdItemList->setCellBackColor(mdrp ? 0xFF80FFu : colors::InfoBackground);
}

void frmCashEntry::txtTotal_Change() {
    eventHandler(kCashEntryModule, QStringLiteral("txtTotal_Change"), [&] { RecomputeAmountNetRefund(); });
}

void frmCashEntry::RecomputeAmountNetRefund() {
    generalProcedure(kCashEntryModule, QStringLiteral("RecomputeAmountNetRefund"), [&] {
        txtAmountNetRefund->setText(FormatRegionalNumber(ToDouble(txtTotal->text()) - ToDouble(txtRefund->text())));
    });
}

void frmCashEntry::UpdateSCPPWDIDVisibility() {
    if (!gPharmaSwitches.Switch200())
        return;
    txtSCPWDID->setVisible(optSeniorCitizen->isChecked());
    lblSCPWDID->setVisible(optSeniorCitizen->isChecked());
}

void frmCashEntry::setSISequenceNumber() {
    setWindowTitle(QStringLiteral("Assessment Entry - SI") + CurrentSISequenceNumber());
}

void frmCashEntry::SetGenericNameColWidth() {
    generalProcedure(kCashEntryModule, QStringLiteral("SetGenericNameColWidth"), [&] {
        grdItemList->setColWidth(colGenericName, kGenericNameWidth);
        widenTwips(grdItemList, kGenericNameWidth);
        widenTwips(Frame1, kGenericNameWidth);
        widenTwips(this, kGenericNameWidth);
    });
}

void frmCashEntry::AddToExcemptCol(int col) {
    generalProcedure(kCashEntryModule, QStringLiteral("AddToExcemptCol"), [&] {
        const QString key = QStringLiteral("K") + QString::number(col);
        if (mExemptCols.contains(key))
            throw AppError(457, QStringLiteral("Scripting.Dictionary"),
                           QStringLiteral("This key is already associated with an element of this collection"));
        mExemptCols.insert(key, col);
    });
}

void frmCashEntry::setTxtZarviCard(const QString& cardNumber) { txtZarviCard->setText(cardNumber); }
void frmCashEntry::setTxtCardHolder(const QString& holderName) { txtCardHolder->setText(holderName); }
void frmCashEntry::setLblCardTypeID(const QString& cardTypeId) { lblCardTypeID->setText(cardTypeId); }
void frmCashEntry::setLblCardType(const QString& cardTypeName) { lblCardType->setText(cardTypeName); }

} // namespace qx
