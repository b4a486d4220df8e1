#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/InpatientBanner.h"
#include "charging/InpatientPriceRule.h"
#include "charging/RequestLineMarks.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace qx {

namespace {
const QString kCommEntryModule = QStringLiteral("frmCommEntry");


QLineEdit* hiddenBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->hide();
    return box;
}
} // namespace

frmCommEntry::frmCommEntry(QWidget* parent)
    : QDialog(parent), profile_(nullptr, ItemProfile::Variant::Request) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

frmCommEntry::~frmCommEntry() = default;

frmCommEntry& frmCommEntry::Default() {
    static frmCommEntry* instance = new frmCommEntry();
    return *instance;
}

ChargeGridConfig frmCommEntry::gridConfig() {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = 2;
    c.formatString = QStringLiteral(
        "<#|<Code|<Generic Name|<Product Description|<Brand Name|<Supplier|<PNF|<UOM|<Dosage Frq.|<Requested"
        "|<Issued|<Stock|Amount|Remarks|SellPriceIn|RequestNumber|S.C. Discount|Requesting Nurse|Request Date"
        "|Mark|OldAmount||||||||||BarCode|");
    c.colWidths = {300,  984,  0,    3000, 2400, 0,    0,    600, 1200, 996, 996, 696, 1200, 3000, 0,   0,
                   1284, 3000, 1968, 0,    0,    0,    0,    0,   0,    0,   0,   0,   504,  504,  984, 0};
    // Loading fills these tables as the editor's columns: the list of columns that never get
    // the editor, then the kinds (1 "...", 2 spinner) and the one length limit.
    c.exemptCols = {0, 3, 9, 11, 12, 13, 14, 15, 17, 18, 21, 22, 23, 2, 24, 28, 29, 4, 5, 7, 6};
    c.editorKinds = {{kColCode, 1}, {kColDosage, 1}, {kColIssued, 2}};
    c.maxLengths = {{kColDosage, 8}};
    c.digitsOnlyCols = {kColIssued};
    c.spaceDoubleClicks = true;
    c.rightWrapColumn = kColIssued;
    return c;
}

void frmCommEntry::ensureLoaded() {
    if (!isLoaded())
        Form_Load();
}

void frmCommEntry::buildForm() {
    unload();
    // Each load starts from the design's caption (the reprint mode renames the window).
    setWindowTitle(QStringLiteral("Communication File Entry ( IN-PATIENT )"));
    setFixedSize(twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));
    if (pictures_.emptyBox.isNull())
        pictures_ = RequestGridPictures::standard();
    body_ = new QWidget(this);
    body_->setGeometry(0, 0, twipsToPixels(kDesignWidth) * 2, twipsToPixels(kDesignHeight));
    buildHeader();

    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), body_);
    Frame1->setGeometry(twipsToPixels(120, 1980, 15060, 4080));
    grdItemList = new FlexGrid(body_);
    grdItemList->setGeometry(twipsToPixels(240, 2220, 14820, 3720));
    chargeGrid_ = new ChargeGrid(grdItemList, gridConfig());
    profile_ = ItemProfile(nullptr, ItemProfile::Variant::Request);
    connectGridEvents();

    buildLowerPanels();
    body_->show();
}

void frmCommEntry::buildHeader() {
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
    Label1[8] = twipsLabel(f, QStringLiteral("&Senior Citizen"), {11400, 300, 1200, 285});
    Label1[8]->hide();
    Label1[9] = twipsLabel(f, QStringLiteral("%"), {13300, 300, 200, 285});
    Label1[9]->hide();
    Label1[13] = twipsLabel(f, QStringLiteral("LocationID:"), {11400, 1020, 1000, 285});
    lblTargetLocationID = twipsLabel(f, QString(), {12450, 1020, 1000, 285});
    txtDiscount = new QLineEdit(f);
    txtDiscount->setGeometry(twipsToPixels(12650, 300, 600, 285));
    txtDiscount->hide();
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
    cmdPosted = twipsButton(body_, QStringLiteral("&List of Posted Medicines"), {12400, 30, 2780, 360});

    connect(cmdDocCode, &QPushButton::clicked, this, &frmCommEntry::cmdDocCode_Click);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, &frmCommEntry::txtDocCode_KeyPress);
    connect(cmdPosted, &QPushButton::clicked, this, &frmCommEntry::cmdPosted_Click);
}

void frmCommEntry::buildLowerPanels() {
    Frame2 = new QGroupBox(QStringLiteral("&Previous Orders"), body_);
    Frame2->setGeometry(twipsToPixels(120, 6120, 9600, 1740));
    flexMSHPrevious = new FlexGrid(body_);
    flexMSHPrevious->setGeometry(twipsToPixels(240, 6360, 9360, 1380));
    profile_ = ItemProfile(flexMSHPrevious, ItemProfile::Variant::Request);

    Frame3 = new QGroupBox(QStringLiteral("Grid Cell Color"), body_);
    Frame3->setGeometry(twipsToPixels(9840, 6120, 5340, 660));
    twipsLabel(Frame3, QStringLiteral("Medicare Items"), {120, 270, 2400, 285});
    QLabel* nonMedicare = twipsLabel(Frame3, QStringLiteral("Non Medicare Items"), {2640, 270, 2400, 285});
    nonMedicare->setAutoFillBackground(true);
    paintRole(nonMedicare, QPalette::Window, kNonMedicareColor);

    Frame4 = new ColorLegend(body_);
    Frame4->setTitle(QStringLiteral("Grid Font Color"));
    Frame4->setGeometry(twipsToPixels(120, 7920, 11600, 660));
    Frame4->hide();

    twipsLabel(body_, QStringLiteral("Legend :"), {9840, 6900, 800, 285});
    twipsLabel(body_, QStringLiteral("Price Type:"), {10700, 6900, 1000, 285});
    paintRole(twipsLabel(body_, QStringLiteral("Fixed Price"), {11750, 6900, 1000, 285}), QPalette::WindowText,
              kFixedPriceColor);
    twipsLabel(body_, QStringLiteral("Regular Price"), {12800, 6900, 1200, 285});
    lblMDRP = twipsLabel(body_, QStringLiteral("MDRP"), {14050, 6900, 700, 285});
    lblMDRP->setAutoFillBackground(true);
    paintRole(lblMDRP, QPalette::Window, kMDRPCellColor);

    const int y = 8700;
    cmdPrintSave = twipsButton(body_, QStringLiteral("&Print / Save"), {120, y, 1500, 495});
    cmdSave = twipsButton(body_, QStringLiteral("&Save"), {1700, y, 1300, 495});
    cmdCancel = twipsButton(body_, QStringLiteral("&Cancel Request"), {3080, y, 1600, 495});
    cmdDelay = twipsButton(body_, QStringLiteral("&Delay Request"), {4760, y, 1600, 495});
    cmdDrugProfile = twipsButton(body_, QStringLiteral("Print &Drug Profile"), {6440, y, 1800, 495});
    cmdPrintBarCode = twipsButton(body_, QStringLiteral("Print &Barcode"), {8320, y, 1600, 495});
    cmdClose = twipsButton(body_, QStringLiteral("E&xit"), {13680, y, 1500, 495});
    chkOPPrice = new QCheckBox(QStringLiteral("Out-Patient Price"), body_);
    chkOPPrice->setGeometry(twipsToPixels(10000, y + 100, 2000, 300));
    chkOPPrice->hide();
    txtIDNum = hiddenBox(body_);
    Initial = hiddenBox(body_);
    txtIndicate = hiddenBox(body_);

    timerB = new QTimer(body_);
    timerB->setInterval(250);
    connect(timerB, &QTimer::timeout, this, &frmCommEntry::timerB_Timer);
    timerB->start();
    connect(cmdClose, &QPushButton::clicked, this, &frmCommEntry::cmdClose_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCommEntry::cmdCancel_Click);
    connect(cmdDelay, &QPushButton::clicked, this, &frmCommEntry::cmdDelay_Click);
    connect(chkOPPrice, &QCheckBox::clicked, this, &frmCommEntry::chkOPPrice_Click);
    connect(cmdPrintBarCode, &QPushButton::clicked, this, &frmCommEntry::cmdPrintBarCode_Click);
    connectServingButtons();
}

void frmCommEntry::unload() {
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

QLineEdit* frmCommEntry::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmCommEntry::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* frmCommEntry::UpDownCtl() const { return chargeGrid_->editor()->spinner(); }

void frmCommEntry::PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax) {
    chargeGrid_->putTextBox(intRow, intCol, sngWhichCtrl, intMax);
}

bool frmCommEntry::ExcemptCol(int col) const { return chargeGrid_->isExempt(col); }

void frmCommEntry::timerB_Timer() {
    ignoringErrors([&] {
        vipColor_ = NextVIPBlinkColor(vipColor_);
        paintRole(lblVIP, QPalette::Window, vipColor_);
    });
}

void frmCommEntry::cmdClose_Click() {
    eventHandler(kCommEntryModule, QStringLiteral("cmdClose_Click"), [&] {
        cancelledForm_ = true;
        close();
    });
}

void frmCommEntry::reject() { cmdClose_Click(); }

void frmCommEntry::closeEvent(QCloseEvent* event) {
    event->accept();
    done(QDialog::Rejected);
    unload();
}

} // namespace qx
