#include "cash/frmEntryCash.h"

#include "charging/CashReceipts.h"
#include "charging/ChargeGrid.h"
#include "charging/PriceLookups.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/frmLogOff.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace qx {

namespace {

void placeSaleControl(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsToPixels(left, top, width, height));
}

QLabel* saleLabel(QWidget* parent, const QString& caption, int left, int top, int width) {
    auto* label = new QLabel(caption, parent);
    placeSaleControl(label, left, top, width, 285);
    return label;
}

// A label that shows a value, sunken as the screen's value boxes are.
QLabel* saleValue(QWidget* parent, int left, int top, int width, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    placeSaleControl(label, left, top, width, 315);
    return label;
}

QGroupBox* saleFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    placeSaleControl(frame, left, top, width, height);
    return frame;
}

QCheckBox* saleCheck(QWidget* parent, const QString& caption, int left, int top, int width) {
    auto* box = new QCheckBox(caption, parent);
    placeSaleControl(box, left, top, width, 285);
    return box;
}

QPushButton* saleButton(QWidget* parent, const QString& caption, int left, int top, int width, int height = 375) {
    auto* button = new QPushButton(caption, parent);
    placeSaleControl(button, left, top, width, height);
    return button;
}

// W/16 of the grid's width, rounded to a whole number (halves to even) each time it is taken.
int sixteenthOf(int widthTwips) { return int(Round(widthTwips / 16.0)); }

} // namespace

frmEntryCash::frmEntryCash(QWidget* parent) : QDialog(parent) {
    buildControls();
    connectHandlers();
}

frmEntryCash::~frmEntryCash() = default;

void frmEntryCash::buildControls() {
    setWindowTitle(QStringLiteral("Pharmacy Cash Sales"));
    resize(twipsToPixels(10700), twipsToPixels(8100));

    Frame4 = saleFrame(this, QStringLiteral("&1. Transaction Information"), 120, 60, 10455, 1000);
    saleLabel(Frame4, QStringLiteral("&Name"), 120, 280, 700);
    lblPatInfo[0] = saleValue(Frame4, 900, 260, 5200);
    lblPatInfo[1] = saleValue(Frame4, 900, 260, 5200);
    lblPatInfo[1]->hide();
    saleLabel(Frame4, QStringLiteral("&Doctor"), 120, 620, 700);
    lblPatInfo[2] = saleValue(Frame4, 900, 600, 5200);
    saleLabel(Frame4, QStringLiteral("Cash Slip #"), 6800, 280, 1000);
    lblCSSlip = saleValue(Frame4, 7850, 260, 2400);

    Frame1 = saleFrame(this, QStringLiteral("&2. List of Drugs "), 120, 1120, 10455, 3720);
    flexMSEntry = new FlexGrid(Frame1);
    placeSaleControl(flexMSEntry, 150, 240, kGridWidth, 3360);
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig());

    Frame2 = saleFrame(this, QStringLiteral("Discounts"), 120, 4900, 4000, 1700);
    chkSenior = saleCheck(Frame2, QStringLiteral("&Senior Citizen"), 120, 260, 2600);
    chkEmployee = saleCheck(Frame2, QStringLiteral("&Other Discount"), 120, 640, 1900);
    frmEmpDisc = saleFrame(Frame2, QString(), 2100, 520, 1780, 520);
    txtOtherDesc = new QLineEdit(frmEmpDisc);
    placeSaleControl(txtOtherDesc, 60, 150, 900, 315);
    udOtherDisc = new UpDown(frmEmpDisc);
    placeSaleControl(udOtherDisc, 960, 150, 255, 315);
    cmdDiscount = saleButton(frmEmpDisc, QStringLiteral("%"), 1260, 150, 450, 315);
    lblDiscountTitle = saleLabel(Frame2, QStringLiteral("Discount:"), 120, 1180, 900);
    lblDiscount = saleValue(Frame2, 1050, 1160, 1500, Qt::AlignRight);
    lblDiscount->setText(QStringLiteral("0.00"));
    chkAtCost = saleCheck(this, QStringLiteral("&At Cost"), 240, 6700, 1500);

    chkTypeA = saleCheck(this, QStringLiteral("Discount Type &A"), 4250, 4900, 2400);
    TypeA = saleFrame(this, QString(), 4250, 5180, 2950, 620);
    cmbA = new QComboBox(TypeA);
    placeSaleControl(cmbA, 120, 200, 1500, 315);
    cmdApplyA = saleButton(TypeA, QStringLiteral("A&pply"), 1750, 170, 1050);
    chkTypeB = saleCheck(this, QStringLiteral("Discount Type &B"), 4250, 5900, 2400);
    TypeB = saleFrame(this, QString(), 4250, 6180, 2950, 620);
    saleLabel(TypeB, QStringLiteral("&1."), 60, 220, 250);
    cmbB1 = new QComboBox(TypeB);
    placeSaleControl(cmbB1, 300, 200, 750, 315);
    saleLabel(TypeB, QStringLiteral("&2."), 1080, 220, 250);
    cmbB2 = new QComboBox(TypeB);
    placeSaleControl(cmbB2, 1320, 200, 750, 315);
    cmdApplyB = saleButton(TypeB, QStringLiteral("App&ly"), 2100, 170, 800);

    Frame3 = saleFrame(this, QStringLiteral("&3. Cash Entry"), 7300, 4900, 3275, 1480);
    saleLabel(Frame3, QStringLiteral("Total Amount"), 120, 280, 1200);
    lblTotal = saleValue(Frame3, 1400, 260, 1750, Qt::AlignRight);
    saleLabel(Frame3, QStringLiteral("Tendered Cash"), 120, 660, 1250);
    txtCash = new QLineEdit(Frame3);
    placeSaleControl(txtCash, 1400, 640, 1750, 315);
    txtCash->setAlignment(Qt::AlignRight);
    saleLabel(Frame3, QStringLiteral("Change"), 120, 1040, 1200);
    lblChange = saleValue(Frame3, 1400, 1020, 1750, Qt::AlignRight);

    Frame5 = saleFrame(this, QStringLiteral("Remarks "), 7300, 6420, 3275, 920);
    txtRemarks = new QTextEdit(Frame5);
    placeSaleControl(txtRemarks, 120, 240, 3035, 600);

    cmdPrintSave = saleButton(this, QStringLiteral("&Print"), 7300, 7440, 1550, 495);
    cmdPrintSave->setToolTip(QStringLiteral("Print/Save Entry"));
    cmdClose = saleButton(this, QStringLiteral("&E&xit"), 9025, 7440, 1550, 495);
    cmdClose->setToolTip(QStringLiteral("Close this Window"));

    lblDiscountTitle->hide();
    lblDiscount->hide();
}

void frmEntryCash::connectHandlers() {
    connect(cmdClose, &QPushButton::clicked, this, &frmEntryCash::cmdClose_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmEntryCash::cmdPrintSave_Click);

    connect(chargeGrid_, &ChargeGrid::editorOpened, this, [this](int, int) { flexMSEntry_Click(); });
    connect(chargeGrid_, &ChargeGrid::cellEntered, this, [this](int, int) { flexMSEntry_EnterCell(); });
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmEntryCash::flexMSEntry_GotFocus);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, [this](int, int, const QString&) { txtEntry_DblClick(); });
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, [this](int, int, const QString&) { cmdEntry_Click(); });
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this,
            [this](int, int, int mouseCol) { flexMSEntry_DblClick(mouseCol); });
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmEntryCash::cmdClose_Click);
    // Dosage, remarks and the bookkeeping columns take no entries.
    chargeGrid_->editorBlocked = [](int, int col) { return col > colAmount; };

    txtCash->installEventFilter(this);
    txtOtherDesc->installEventFilter(this);

    connect(chkSenior, &QCheckBox::clicked, this, &frmEntryCash::chkSenior_Click);
    connect(chkEmployee, &QCheckBox::clicked, this, &frmEntryCash::chkEmployee_Click);
    connect(chkAtCost, &QCheckBox::clicked, this, &frmEntryCash::chkAtCost_Click);
    connect(cmdDiscount, &QPushButton::clicked, this, &frmEntryCash::cmdDiscount_Click);
    connect(txtOtherDesc, &QLineEdit::textChanged, this, &frmEntryCash::txtOtherDesc_Change);
    connect(udOtherDisc, &UpDown::upClick, this, &frmEntryCash::udOtherDisc_UpClick);
    connect(udOtherDisc, &UpDown::downClick, this, &frmEntryCash::udOtherDisc_DownClick);
    connect(chkTypeA, &QCheckBox::clicked, this, &frmEntryCash::chkTypeA_Click);
    connect(chkTypeB, &QCheckBox::clicked, this, &frmEntryCash::chkTypeB_Click);
    connect(cmdApplyA, &QPushButton::clicked, this, &frmEntryCash::cmdApplyA_Click);
    connect(cmdApplyB, &QPushButton::clicked, this, &frmEntryCash::cmdApplyB_Click);
}

QLineEdit* frmEntryCash::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmEntryCash::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* frmEntryCash::upDown() const { return chargeGrid_->editor()->spinner(); }

void frmEntryCash::Form_Load() {
    unhandledErrorGuard([&] {
        mLoaded = true;
        gCashSalesFirstActivate = true;
        mFirstFocus = false;
        mEntrySaved = false;
        mExemptCols = {colNumber, colDescription, colUnitPrice, colStock, colAmount, colWaiting};
        chargeGrid_->setExemptCols(mExemptCols);
        std::fill(std::begin(mColMaxLength), std::end(mColMaxLength), 0.0);
        std::fill(std::begin(mColEditor), std::end(mColEditor), 0.0);
        mColMaxLength[colCode] = 10;
        mColEditor[colCode] = 1;
        mColMaxLength[colQuantity] = 5;
        mColEditor[colQuantity] = 2;
        chargeGrid_->setEditorKinds({{colCode, 1}, {colQuantity, 2}});

        Connection& con = SQLConnection();
        TillCalendar::CashDate& cashDate = SlotComponent(gComponents.gCashDate);
        cashDate.GetReportStatus();
        gCashReportDate = Format(QDateTime(cashDate.ReportDate(), QTime(0, 0)), QStringLiteral("mm/dd/yyyy"));

        gCashSeniorDiscountRate = GetHospitalDiscountRate(con, 1);
        if (gCashSeniorDiscountRate > 0) {
            chkSenior->setEnabled(true);
            chkSenior->setText(QStringLiteral("&Senior Disc. (") + Str(gCashSeniorDiscountRate) + QStringLiteral("%)"));
        } else {
            chkSenior->setText(QStringLiteral("Not available"));
            chkSenior->setEnabled(false);
        }
        gCashOtherDiscountRate = GetHospitalDiscountRate(con, 2);
        if (gCashOtherDiscountRate > 0) {
            chkEmployee->setText(QStringLiteral("&Other Discount"));
            chkEmployee->setEnabled(true);
        } else {
            chkEmployee->setText(QStringLiteral("Not available"));
            chkEmployee->setEnabled(false);
        }
        txtOtherDesc->setEnabled(false);
        udOtherDisc->setEnabled(false);

        chargeGrid_->layout();
        const int width = pixelsToTwips(flexMSEntry->width());
        flexMSEntry->setColWidth(colNumber, 400);
        flexMSEntry->setColWidth(colCode, sixteenthOf(width));
        flexMSEntry->setColWidth(colDescription, 5 * flexMSEntry->colWidth(colCode) + 200);
        flexMSEntry->setColWidth(colUnitPrice, 2 * flexMSEntry->colWidth(colCode));
        for (int col = colQuantity; col <= colAmount; ++col)
            flexMSEntry->setColWidth(col, flexMSEntry->colWidth(col - 1));
        flexMSEntry->setColWidth(colCode, sixteenthOf(width) + flexMSEntry->colWidth(colNumber));
        for (int col = colUnused; col <= 17; ++col)
            flexMSEntry->setColWidth(col, 0);
        flexMSEntry->setColWidth(colDosage, flexMSEntry->colWidth(colStock));
        flexMSEntry->setColWidth(colRemarks, 5 * flexMSEntry->colWidth(colCode) + 200);
        flexMSEntry->setColWidth(colWaiting, 0);
        flexMSEntry->setColWidth(colRequestNum, 0);
        // The bookkeeping columns are never shown.
        for (int col = 22; col < kCols; ++col)
            flexMSEntry->setColWidth(col, 0);
        flexMSEntry->setEnabled(true);

        chargeGrid_->pending().clearAll();
        ClearAll(true);

        bool found = false;
        tellingErrors([&] { found = SlotComponent(gComponents.gPatient).LoadInfo(mIDNum); });
        if (found) {
            lblPatInfo[0]->setText(gComponents.gPatient->PatientName());
            lblPatInfo[2]->setText(gComponents.gPatient->Doctor());
            loadTranscription();
        }
        loadDiscountLists();
        cmdPrintSave->setEnabled(false);
    });
}

void frmEntryCash::loadTranscription() {
    tellingErrors([&] {
        Connection& con = SQLConnection();
        std::optional<Recordset> lines = con.callProcedure(
            QStringLiteral("Drug_ListTranscription"),
            {{QStringLiteral("@IDNum"), mIDNum}, {QStringLiteral("@RoomID"), mRoomID}, {QStringLiteral("@RevenueID"), QStringLiteral("PH")}});
        if (lines && !lines->isEmpty()) {
            flexMSEntry->setRows(lines->recordCount() + 1);
            chargeGrid_->setEditorText(lines->valueAt(0, QStringLiteral("Generic Code")).toString());
            for (int i = 0; i < lines->recordCount(); ++i) {
                const int row = i + 1;
                const auto text = [&](const char* field) { return Text(lines->valueAt(i, QString::fromLatin1(field))); };
                flexMSEntry->setTextMatrix(row, colCode, text("Generic Code"));
                flexMSEntry->setTextMatrix(row, colDescription, text("Generic Name"));
                flexMSEntry->setTextMatrix(row, colQuantity, text("Quantity"));
                flexMSEntry->setTextMatrix(row, colDosage, text("Dosage"));
                flexMSEntry->setTextMatrix(row, colRemarks, text("Remarks"));
                flexMSEntry->setTextMatrix(row, colWaiting, QStringLiteral("*"));
                flexMSEntry->setTextMatrix(row, colRequestNum, text("RequestNum"));
            }
        }
        Recordset orders = con.query(
            QStringLiteral("SELECT COALESCE(Orders, '') AS Orders FROM tbInvPrescriptionOrders WHERE IdNum = ? LIMIT 1"), {mIDNum});
        if (!orders.isEmpty())
            txtRemarks->setPlainText(orders.text(QStringLiteral("Orders")));
    });
}

void frmEntryCash::loadDiscountLists() {
    TypeA->setEnabled(false);
    TypeB->setEnabled(false);
    cmdApplyA->setEnabled(false);
    cmdApplyB->setEnabled(false);
    cmbA->clear();
    cmbB1->clear();
    cmbB2->clear();
    tellingErrors([&] {
        Connection& con = SQLConnection();
        // The rate as text cut to three characters, then "%".
        const auto rateText = [](const QVariant& v) { return Left(Text(v.isNull() ? 0.0 : v.toDouble()), 3) + QStringLiteral("%"); };
        Recordset typeA = con.query(QStringLiteral("SELECT Discount FROM tbPharmaDiscounts WHERE TypeA = 1 ORDER BY Discount"));
        for (int i = 0; i < typeA.recordCount(); ++i)
            cmbA->addItem(rateText(typeA.valueAt(i, 0)));
        Recordset typeB = con.query(QStringLiteral("SELECT Discount FROM tbPharmaDiscounts WHERE TypeB = 1 ORDER BY Discount"));
        for (int i = 0; i < typeB.recordCount(); ++i) {
            cmbB1->addItem(rateText(typeB.valueAt(i, 0)));
            cmbB2->addItem(rateText(typeB.valueAt(i, 0)));
        }
    });
    resetTypeLists();
}

void frmEntryCash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmEntryCash::Form_Activate() {
    unhandledErrorGuard([&] {
        if (gCashSalesFirstActivate) {
            switch (frmShift::Default().Shift()) {
            case 1: setWindowTitle(QStringLiteral("Pharmacy Cash Sales (First Shift)")); break;
            case 2: setWindowTitle(QStringLiteral("Pharmacy Cash Sales (Second Shift)")); break;
            case 3: setWindowTitle(QStringLiteral("Pharmacy Cash Sales (Third Shift)")); break;
            default: break;
            }
            gCashSalesFirstActivate = false;
            // The grid's first focus lays the editor over the current cell.
            flexMSEntry->setFocus(Qt::OtherFocusReason);
            chargeGrid_->carryOutPendingMoves();
        }
        if (!frmLogOff::Default().Entered())
            close();
    });
}

void frmEntryCash::reject() { cmdClose_Click(); }

void frmEntryCash::cmdClose_Click() {
    unhandledErrorGuard([&] { close(); });
}

void frmEntryCash::closeEvent(QCloseEvent* event) {
    bool closes = true;
    unhandledErrorGuard([&] { closes = Form_QueryUnload(); });
    if (closes)
        event->accept();
    else
        event->ignore();
}

bool frmEntryCash::Form_QueryUnload() {
    if (gExitRequested || !canSave())
        return true;
    return MsgBox(QStringLiteral("You have unsaved entry.  Do you wish to exit?"), vbYesNo + vbInformation) == vbYes;
}

bool frmEntryCash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtCash) {
        if (event->type() == QEvent::FocusIn)
            txtCash_GotFocus();
        else if (event->type() == QEvent::FocusOut)
            txtCash_LostFocus();
        else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                txtCash_Enter();
                return true;
            }
        }
    } else if (watched == txtOtherDesc) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease)
            txtOtherDesc_GotFocus();
        else if (event->type() == QEvent::FocusOut)
            txtOtherDesc_LostFocus();
        else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString typed = key->text();
            const bool navigation = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_PageUp ||
                                    key->key() == Qt::Key_PageDown || (key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down) ||
                                    key->key() == Qt::Key_Tab || key->key() == Qt::Key_Delete;
            // Digits, the point and the characters of codes 33, 34 and 37 to 40 are typed; others are dropped.
            if (!navigation && !typed.isEmpty() && !typed.at(0).isDigit() &&
                !QStringLiteral(".!\"%&'(").contains(typed.at(0)))
                return true;
            // A rate above 100 is refused as it is typed.
            if (!navigation && !typed.isEmpty()) {
                QString next = txtOtherDesc->text();
                if (txtOtherDesc->hasSelectedText())
                    next.remove(txtOtherDesc->selectionStart(), txtOtherDesc->selectedText().size());
                next.insert(txtOtherDesc->hasSelectedText() ? txtOtherDesc->selectionStart() : txtOtherDesc->cursorPosition(), typed);
                if (Val(Trim(next.remove(QLatin1Char('%')))) > 100) {
                    MsgBox(QStringLiteral("Sorry, discount must not exceed 100%."), vbInformation, QStringLiteral("MESSAGE"));
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qx
