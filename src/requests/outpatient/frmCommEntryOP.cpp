#include "requests/outpatient/frmCommEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/DoctorLookup.h"
#include "charging/InpatientPriceRule.h"
#include "charging/RequestLineMarks.h"
#include "charging/RequestRowTests.h"
#include "charging/RequestScreenGrid.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace qx {

namespace {
const QString kOPModule = QStringLiteral("frmCommEntryOP");


// Where the out-patient grid keeps what the row tests read: the scan state is in column 30, read
// as a number.
RequestRowColumns opRowColumns() { return {.scanFlag = frmCommEntryOP::kColScanned, .scanFlagNumeric = true}; }
} // namespace

frmCommEntryOP::frmCommEntryOP(QWidget* parent)
    : QDialog(parent), profile_(nullptr, ItemProfile::Variant::Request) {
    setWindowTitle(QStringLiteral("Communication File Entry ( OUT-PATIENT )"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

frmCommEntryOP::~frmCommEntryOP() = default;

frmCommEntryOP& frmCommEntryOP::Default() {
    static frmCommEntryOP* instance = new frmCommEntryOP();
    return *instance;
}

ChargeGridConfig frmCommEntryOP::gridConfig() {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = 2;
    c.formatString = QStringLiteral(
        "<#|<Code|<Generic Name|<Product Description|<Brand Name|<Supplier|<PNF|<UOM|<Dosage Frq.|<Requested"
        "|<Issued|<Stock|Amount|Remarks||RequestNumber|S.C. Discount|Requesting Nurse|Request Date|Mark|OldAmount"
        "|||||SellPriceIn||||BarCode|");
    // Column 14 keeps the grid's default width.
    c.colWidths = {300, 984, 0, 3000, 2400, 0,    0,    600,  1200, 996,  996, 696, 1200, 3000, -1, 0,
                   1284, 3000, 1968, 0, 0, 0,    0,    0,    0,    0,    0,   504, 504,  984,  0};
    c.exemptCols = {0, 2, 3, 4, 5, 6, 7, 9, 11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25};
    c.editorKinds = {{kColCode, 1}, {kColDosage, 1}, {kColIssued, 2}};
    c.maxLengths = {{kColDosage, 8}, {kColRequested, 5}};
    // The editor refuses no character here; the commit tells what it cannot take.
    c.spaceDoubleClicks = true;
    c.rightWrapColumn = kColIssued;
    return c;
}

void frmCommEntryOP::buildForm() {
    unload();
    setFixedSize(twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));
    if (pictures_.emptyBox.isNull())
        pictures_ = RequestGridPictures::standard();
    body_ = new QWidget(this);
    body_->setGeometry(0, 0, twipsToPixels(kDesignWidth) * 2, twipsToPixels(kHeightWithLegend));
    buildHeader(body_);

    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), body_);
    Frame1->setGeometry(twipsToPixels(120, 1980, 12060, 2700));
    grdItemList = new FlexGrid(body_);
    grdItemList->setGeometry(twipsToPixels(240, 2220, 11820, 2340));
    chargeGrid_ = new ChargeGrid(grdItemList, gridConfig());
    chargeGrid_->editorBlocked = [this](int row, int) {
        return grdItemList->textMatrix(row, kColDosage) == kCancelledLineState;
    };
    connectGridEvents();

    auto* previous = new QGroupBox(QStringLiteral("&Previous Orders"), body_);
    previous->setGeometry(twipsToPixels(120, 4740, 7200, 1200));
    flexMSHPrevious = new FlexGrid(body_);
    flexMSHPrevious->setGeometry(twipsToPixels(240, 4980, 6960, 900));
    profile_ = ItemProfile(flexMSHPrevious, ItemProfile::Variant::Request);

    twipsLabel(body_, QStringLiteral("Price Type:"), {7440, 4800, 1000, 285});
    paintRole(twipsLabel(body_, QStringLiteral("Fixed Price"), {8480, 4800, 1000, 285}), QPalette::WindowText,
               kFixedPriceColor);
    twipsLabel(body_, QStringLiteral("Regular Price"), {9520, 4800, 1200, 285});
    QLabel* mdrp = twipsLabel(body_, QStringLiteral("MDRP"), {10760, 4800, 700, 285});
    mdrp->setAutoFillBackground(true);
    paintRole(mdrp, QPalette::Window, kMDRPCellColor);

    Frame4 = new ColorLegend(body_);
    Frame4->setTitle(QStringLiteral("LEGEND: Grid Font Color"));
    Frame4->setGeometry(twipsToPixels(120, kDesignHeight, 11600, 660));
    buildButtons(body_);
    body_->show();
}

void frmCommEntryOP::buildHeader(QWidget* body) {
    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), body);
    fraPatInfo->setGeometry(twipsToPixels(120, 420, 12060, 1500));
    struct Field { const char* caption; QRect captionAt; int value; QRect valueAt; };
    const Field fields[] = {
        {"&Admission No.", {120, 300, 1200, 285}, 7, {1350, 300, 1300, 285}},
        {"Hospital No.", {2800, 300, 1000, 285}, 0, {3850, 300, 1300, 285}},
        {"Station", {5300, 300, 700, 285}, 1, {6050, 300, 2600, 285}},
        {"Charge Slip", {8800, 300, 1000, 285}, 5, {9850, 300, 1400, 285}},
        {"Name", {120, 660, 1200, 285}, 2, {1350, 660, 3800, 285}},
        {"Room No.", {5300, 660, 800, 285}, 4, {6150, 660, 2500, 285}},
        {"Age", {8800, 660, 450, 285}, 9, {9300, 660, 700, 285}},
        {"Sex", {10100, 660, 450, 285}, 10, {10600, 660, 500, 285}},
        {"Doctor", {120, 1020, 1200, 285}, 3, {2750, 1020, 3200, 285}},
        {"C/O", {6100, 1020, 450, 285}, 8, {6600, 1020, 2100, 285}},
        {"Total Charges", {8800, 1020, 1100, 285}, 6, {9950, 1020, 1400, 285}},
    };
    for (const Field& field : fields) {
        twipsLabel(fraPatInfo, QString::fromLatin1(field.caption), field.captionAt);
        QLabel* value = twipsLabel(fraPatInfo, QString(), field.valueAt);
        value->setFrameShape(QFrame::Box);
        lblPatInfo[static_cast<size_t>(field.value)] = value;
    }
    txtDocCode = new QLineEdit(fraPatInfo);
    txtDocCode->setGeometry(twipsToPixels(1350, 1020, 1000, 285));
    cmdDocCode = twipsButton(fraPatInfo, QStringLiteral("..."), {2370, 1020, 330, 285});
    chkSenior = new QCheckBox(fraPatInfo);
    chkSenior->hide();
    txtDiscount = new QLineEdit(QStringLiteral("0"), fraPatInfo);
    txtDiscount->hide();
    lblPrice = twipsLabel(body, QStringLiteral("OUT PATIENT PRICE"), {120, 60, 3000, 300});
    paintRole(lblPrice, QPalette::WindowText, 255);
    lblPrice->hide();
    TimerPrice = new QTimer(body);
    TimerPrice->setInterval(1000);
    connect(TimerPrice, &QTimer::timeout, this, &frmCommEntryOP::TimerPrice_Timer);
    connect(cmdDocCode, &QPushButton::clicked, this, &frmCommEntryOP::cmdDocCode_Click);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == 13) {
            keyAscii = 0;
            cmdDocCode_Click();
        }
    });
}

void frmCommEntryOP::buildButtons(QWidget* body) {
    const int y = 6000;
    cmdPrintSave = twipsButton(body, QStringLiteral("&Print / Save"), {120, y, 1500, 495});
    cmdSave = twipsButton(body, QStringLiteral("&Save"), {1700, y, 1300, 495});
    cmdCancel = twipsButton(body, QStringLiteral("&Cancel Request"), {3080, y, 1600, 495});
    cmdDelay = twipsButton(body, QStringLiteral("&Delay Request"), {4760, y, 1600, 495});
    cmdPrintPrescription = twipsButton(body, QStringLiteral("&Print Prescription"), {6440, y, 1800, 495});
    cmdPrintPrescription->hide();
    cmdPosted = twipsButton(body, QStringLiteral("&List of Posted Medicines"), {8320, y, 2200, 495});
    cmdClose = twipsButton(body, QStringLiteral("E&xit"), {10680, y, 1500, 495});
    connect(cmdCancel, &QPushButton::clicked, this, &frmCommEntryOP::cmdCancel_Click);
    connect(cmdDelay, &QPushButton::clicked, this, &frmCommEntryOP::cmdDelay_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCommEntryOP::cmdClose_Click);
    connect(cmdPrintPrescription, &QPushButton::clicked, this, &frmCommEntryOP::cmdPrintPrescription_Click);
    connectServingButtons();
    connect(cmdPosted, &QPushButton::clicked, this, [this] {
        eventHandler(kOPModule, QStringLiteral("cmdPosted_Click"), [&] {
            OpenWindow(QStringLiteral("frmListPostedOP"), {{QStringLiteral("IDNum"), Trim(lblPatInfo[7]->text())}});
        });
    });
}

void frmCommEntryOP::unload() {
    profile_.close();
    profile_ = ItemProfile(nullptr, ItemProfile::Variant::Request);
    chargeGrid_ = nullptr;
    if (body_) {
        body_->hide();
        body_->deleteLater();
    }
    body_ = nullptr;
}

bool frmCommEntryOP::BlankRow(int row) const { return IsBlankRequestRow(*grdItemList, row); }

bool frmCommEntryOP::canSave() const { return CanSaveRequestGrid(*grdItemList, opRowColumns(), gCheckBarCode); }

void frmCommEntryOP::TimerPrice_Timer() {
    ignoringErrors([&] { lblPrice->setVisible(lblPrice->isHidden()); });
}

void frmCommEntryOP::cmdDocCode_Click() {
    eventHandler(kOPModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDocCode, .doctorCaption = lblPatInfo[3], .itemGrid = grdItemList,
                      .focusGridOnlyWhenEnabled = true});
    });
}

RequestScreenGrid frmCommEntryOP::requestGrid() {
    return {.module = kOPModule,
            .columns = {.fixedCharge = kColFixedCharge, .lastMarked = kLastMarkedCol},
            .window = this,
            .gridFrame = Frame1,
            .chargeGrid = chargeGrid_,
            .profile = &profile_,
            .greyedBox = pictures_.greyedBox,
            .total = lblPatInfo[6],
            .patientId = lblPatInfo[7],
            .patientName = lblPatInfo[2]};
}

RequestLineActions frmCommEntryOP::lineActions() { return requestGrid().lineActions(); }

void frmCommEntryOP::cmdCancel_Click() {
    eventHandler(kOPModule, QStringLiteral("cmdCancel_Click"), [&] { lineActions().cancelLine(); });
}

void frmCommEntryOP::cmdDelay_Click() {
    eventHandler(kOPModule, QStringLiteral("cmdDelay_Click"), [&] { lineActions().delayLine(); });
}

void frmCommEntryOP::cmdClose_Click() {
    eventHandler(kOPModule, QStringLiteral("cmdClose_Click"), [&] {
        cancelledForm_ = true;
        close();
    });
}

void frmCommEntryOP::reject() { cmdClose_Click(); }

void frmCommEntryOP::closeEvent(QCloseEvent* event) {
    event->accept();
    done(QDialog::Rejected);
    unload();
}

} // namespace qx
