#include "prescriptions/frmCommEntryPres.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/InpatientBanner.h"
#include "charging/RequestLineMarks.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "shell/HospitalSettings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace qx {

namespace {
const QString kPresModule = QStringLiteral("frmCommEntryPres");
} // namespace

frmCommEntryPres::frmCommEntryPres(QWidget* parent)
    : QDialog(parent), profile_(nullptr, ItemProfile::Variant::Request) {
    setWindowTitle(QStringLiteral("Communication File Entry"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

frmCommEntryPres::~frmCommEntryPres() = default;

frmCommEntryPres& frmCommEntryPres::Default() {
    static frmCommEntryPres* instance = new frmCommEntryPres();
    return *instance;
}

ChargeGridConfig frmCommEntryPres::gridConfig() {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = 2;
    // The two layouts differ only in the titles of the quantity columns.
    const bool norvax = gSiteCode == QLatin1String("NORVAX");
    c.formatString = QStringLiteral("< |<Code |<Product Description |<Dosage Frq. |") +
                     (norvax ? QStringLiteral(">Qty Requested|>Qty Issued |") : QStringLiteral(">Requested|>Issued |")) +
                     QStringLiteral(">Stock |>Amount |<Remarks |<SellPriceIn |<RequestNumber |<S.C. Discount "
                                    "|<Requesting Nurse |<Request Date |<Mark |<OldAmount ||||<Generic Request"
                                    "|||||||<BarCode");
    c.exemptCols = {0, 2, 4, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 25};
    c.editorKinds = {{kColCode, 1}, {kColDosage, 1}, {kColIssued, 2}};
    c.maxLengths = {{kColDosage, 8}, {kColRequested, 5}};
    c.spaceDoubleClicks = true;
    c.rightWrapColumn = kColIssued;
    c.loadTextOnEnterCell = false;
    c.refuseZeroOnEnter = true;
    return c;
}

RequestRowColumns frmCommEntryPres::rowColumns() {
    return {.code = kColCode, .dosage = kColDosage, .issued = kColIssued, .amount = kColAmount,
            .genericMark = kColGenericMark, .scanFlag = kColScanned, .scanFlagNumeric = false};
}

void frmCommEntryPres::buildForm() {
    unload();
    setFixedSize(twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));
    if (pictures_.emptyBox.isNull())
        pictures_ = RequestGridPictures::standard();
    body_ = new QWidget(this);
    body_->setGeometry(0, 0, twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));
    buildHeader();

    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), body_);
    Frame1->setGeometry(twipsToPixels(120, 1980, 15060, 4080));
    flexMSEntry = new FlexGrid(body_);
    flexMSEntry->setGeometry(twipsToPixels(240, 2220, kGridWidth, 3720));
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig());
    connectGridEvents();

    buildLowerPanels();
    body_->show();
}

void frmCommEntryPres::buildHeader() {
    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), body_);
    fraPatInfo->setGeometry(twipsToPixels(120, 420, 15060, 1500));
    QWidget* f = fraPatInfo;
    struct Field { int caption; const char* text; QRect captionAt; int value; QRect valueAt; };
    const Field fields[] = {
        {0, "&Admission No.", {120, 300, 1200, 285}, 7, {1350, 300, 1300, 285}},
        {1, "Hospital No.", {2800, 300, 1000, 285}, 0, {3850, 300, 1300, 285}},
        {2, "Station", {5300, 300, 700, 285}, 1, {6050, 300, 2600, 285}},
        {6, "Charge Slip", {8800, 300, 1000, 285}, 5, {9850, 300, 1400, 285}},
        {3, "Name", {120, 660, 1200, 285}, 2, {1350, 660, 3800, 285}},
        {4, "Room No.", {5300, 660, 800, 285}, 4, {6150, 660, 2500, 285}},
        {10, "Age", {8800, 660, 450, 285}, 9, {9300, 660, 700, 285}},
        {12, "Sex", {10100, 660, 450, 285}, 10, {10600, 660, 500, 285}},
        {5, "Doctor", {120, 1020, 1200, 285}, 3, {2750, 1020, 3200, 285}},
        {11, "C/O", {6100, 1020, 450, 285}, 8, {6600, 1020, 3000, 285}},
        {7, "Total Charges", {9800, 1020, 1100, 285}, 6, {10950, 1020, 1400, 285}},
    };
    for (const Field& field : fields) {
        Label1[static_cast<size_t>(field.caption)] = twipsLabel(f, QString::fromLatin1(field.text), field.captionAt);
        QLabel* value = twipsLabel(f, QString(), field.valueAt);
        value->setFrameShape(QFrame::Box);
        lblPatInfo[static_cast<size_t>(field.value)] = value;
    }
    // The senior controls are set by the load but never shown.
    chkSenior = new QCheckBox(f);
    chkSenior->setGeometry(twipsToPixels(11200, 300, 200, 285));
    chkSenior->hide();
    Label1[8] = twipsLabel(f, QStringLiteral("&Senior Citizen"), {11400, 300, 1200, 285});
    Label1[8]->hide();
    txtDiscount = new QLineEdit(f);
    txtDiscount->setGeometry(twipsToPixels(12650, 300, 600, 285));
    txtDiscount->hide();
    Label1[9] = twipsLabel(f, QStringLiteral("%"), {13300, 300, 200, 285});
    Label1[9]->hide();
    Label1[13] = twipsLabel(f, QStringLiteral("LocationID:"), {12500, 1020, 1000, 285});
    lblTargetLocationID = twipsLabel(f, QString(), {13550, 1020, 1000, 285});
    txtDocCode = new QLineEdit(f);
    txtDocCode->setGeometry(twipsToPixels(1350, 1020, 1000, 285));
    cmdDocCode = twipsButton(f, QStringLiteral("..."), {2370, 1020, 330, 285});
    lblRoomClass = twipsLabel(f, QString(), {11400, 660, 1800, 285});
    lblMarkUp = twipsLabel(f, QString(), {13300, 660, 1500, 285});
    for (QLabel* red : {lblRoomClass, lblMarkUp}) {
        paintRole(red, QPalette::WindowText, 255);
        red->hide();
    }

    lblExecPackage = twipsLabel(body_, QStringLiteral("Executive Package"), {120, 60, 4000, 300});
    lblExecPackage->hide();
    lblVelmira = twipsLabel(body_, QStringLiteral("VELMIRA  PATIENT"), {4300, 60, 2400, 300});
    lblVelmira->setFrameShape(QFrame::Box);
    lblVelmira->setAlignment(Qt::AlignCenter);
    lblVelmira->hide();
    lblVIP = twipsLabel(body_, QStringLiteral("VIP"), {6900, 60, 700, 300});
    lblVIP->setAlignment(Qt::AlignCenter);
    lblVIP->setAutoFillBackground(true);
    lblVIP->hide();
    vipColor_ = kVIPBlinkStart;
    paintRole(lblVIP, QPalette::Window, vipColor_);
    cmdPosted = twipsButton(body_, QStringLiteral("&List of Posted Medicines"), {12400, 30, 2780, 360});

    connect(cmdDocCode, &QPushButton::clicked, this, &frmCommEntryPres::cmdDocCode_Click);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, &frmCommEntryPres::txtDocCode_KeyPress);
    connect(cmdPosted, &QPushButton::clicked, this, &frmCommEntryPres::cmdPosted_Click);
}

void frmCommEntryPres::buildLowerPanels() {
    Frame2 = new QGroupBox(QStringLiteral("&Previous Orders"), body_);
    Frame2->setGeometry(twipsToPixels(120, 6120, 9600, 1740));
    flexMSHPrevious = new FlexGrid(body_);
    flexMSHPrevious->setGeometry(twipsToPixels(240, 6360, 9360, 1380));
    flexMSHPrevious->setFormatString(ItemProfile::kItemLayout);
    profile_ = ItemProfile(flexMSHPrevious, ItemProfile::Variant::Request);

    twipsLabel(body_, QStringLiteral("Legend :"), {9840, 6120, 800, 285});
    Frame3 = new QGroupBox(QStringLiteral("Grid Cell Color"), body_);
    Frame3->setGeometry(twipsToPixels(9840, 6420, 5340, 660));
    QLabel* medicare = twipsLabel(Frame3, QStringLiteral("Medicare Items"), {120, 270, 2400, 285});
    medicare->setAutoFillBackground(true);
    paintRole(medicare, QPalette::Window, colors::InfoBackground);
    QLabel* nonMedicare = twipsLabel(Frame3, QStringLiteral("Non Medicare Items"), {2640, 270, 2400, 285});
    nonMedicare->setAutoFillBackground(true);
    paintRole(nonMedicare, QPalette::Window, kNonMedicareColor);

    Frame4 = new ColorLegend(body_);
    Frame4->setTitle(QStringLiteral("Grid Font Color"));
    Frame4->setGeometry(twipsToPixels(120, 7920, 11600, 660));
    Frame4->hide();

    const int y = 8700;
    cmdPinrtPresSave = twipsButton(body_, QStringLiteral("Print/Save"), {120, y, 1500, 495});
    cmdSave = twipsButton(body_, QStringLiteral("&Save"), {1700, y, 1300, 495});
    cmdPrintSave = twipsButton(body_, QStringLiteral("&Print"), {1700, y, 1300, 495});
    cmdPrintSave->hide();
    cmdCancel = twipsButton(body_, QStringLiteral("&Cancel Request"), {3080, y, 1600, 495});
    cmdPrintPrescription = twipsButton(body_, QStringLiteral("&Print Prescription"), {4760, y, 1800, 495});
    cmdClose = twipsButton(body_, QStringLiteral("E&xit"), {13680, y, 1500, 495});

    timerB = new QTimer(body_);
    timerB->setInterval(250);
    connect(timerB, &QTimer::timeout, this, &frmCommEntryPres::timerB_Timer);
    timerB->start();
    connect(cmdClose, &QPushButton::clicked, this, &frmCommEntryPres::cmdClose_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCommEntryPres::cmdCancel_Click);
    connectSaveButtons();
}

void frmCommEntryPres::unload() {
    profile_.close();
    profile_ = ItemProfile(nullptr, ItemProfile::Variant::Request);
    chargeGrid_ = nullptr;
    // Unloading can start from a handler of one of the window's own controls.
    if (body_) {
        body_->hide();
        body_->deleteLater();
    }
    body_ = nullptr;
}

QLineEdit* frmCommEntryPres::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmCommEntryPres::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* frmCommEntryPres::UpDownCtl() const { return chargeGrid_->editor()->spinner(); }

void frmCommEntryPres::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax);
}

bool frmCommEntryPres::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

void frmCommEntryPres::timerB_Timer() {
    ignoringErrors([&] {
        vipColor_ = NextVIPBlinkColor(vipColor_);
        paintRole(lblVIP, QPalette::Window, vipColor_);
    });
}

void frmCommEntryPres::cmdClose_Click() {
    eventHandler(kPresModule, QStringLiteral("cmdClose_Click"), [&] {
        // Set before the closing question: it stays set when the answer keeps the window open.
        cancelledForm_ = true;
        close();
    });
}

void frmCommEntryPres::reject() { cmdClose_Click(); }

void frmCommEntryPres::closeEvent(QCloseEvent* event) {
    const bool ask = isLoaded() && canSave() && !entriesSaved_;
    if (ask && MsgBox(QStringLiteral("You have unsaved entry.  Do you wish to exit?"), vbYesNo | vbQuestion) != vbYes) {
        event->ignore();
        return;
    }
    event->accept();
    done(QDialog::Rejected);
    unload();
}

} // namespace qx
