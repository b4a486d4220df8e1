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

frmCommEntry::frmCommEntry(QWidget* parent) : RequestScreenWindow(kCommEntryModule, parent) {}

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
    // Each load starts from the design's caption (the reprint mode renames the window).
    setWindowTitle(QStringLiteral("Communication File Entry ( IN-PATIENT )"));
    startBody({kDesignWidth, kDesignHeight}, {kDesignWidth * 2, kDesignHeight});
    buildHeader();
    buildRequestList(15060, 4080, gridConfig());
    connectGridEvents();

    buildLowerPanels();
    body_->show();
}

void frmCommEntry::buildHeader() {
    buildPatientHeader({});
    QWidget* f = fraPatInfo;
    Label1[8] = twipsLabel(f, QStringLiteral("&Senior Citizen"), {11400, 300, 1200, 285});
    Label1[8]->hide();
    Label1[9] = twipsLabel(f, QStringLiteral("%"), {13300, 300, 200, 285});
    Label1[9]->hide();
    Label1[13] = twipsLabel(f, QStringLiteral("LocationID:"), {11400, 1020, 1000, 285});
    lblTargetLocationID = twipsLabel(f, QString(), {12450, 1020, 1000, 285});
    txtDiscount = new QLineEdit(f);
    txtDiscount->setGeometry(twipsToPixels(12650, 300, 600, 285));
    txtDiscount->hide();
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
    Frame2 = buildPreviousOrders({120, 6120, 9600, 1740}, {240, 6360, 9360, 1380});

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
    lblMDRP = buildPriceTypeLegend(10700, 6900);

    const int y = 8700;
    buildRequestButtons(y);
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

} // namespace qx
