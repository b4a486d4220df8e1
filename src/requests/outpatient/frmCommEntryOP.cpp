#include "requests/outpatient/frmCommEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/DoctorLookup.h"
#include "charging/InpatientPriceRule.h"
#include "charging/PatientLookupBoxes.h"
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

frmCommEntryOP::frmCommEntryOP(QWidget* parent) : RequestScreenWindow(kOPModule, parent) {
    setWindowTitle(QStringLiteral("Communication File Entry ( OUT-PATIENT )"));
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
    c.loadTextOnEnterCell = false;
    c.refusedFocusOnlyWhenEmpty = true;
    return c;
}

void frmCommEntryOP::buildForm() {
    startBody({kDesignWidth, kDesignHeight}, {kDesignWidth * 2, kHeightWithLegend});
    buildHeader();
    buildRequestList(12060, 2700, gridConfig());
    chargeGrid_->editorBlocked = [this](int row, int) {
        return grdItemList->textMatrix(row, kColDosage) == kCancelledLineState;
    };
    connectGridEvents();

    buildPreviousOrders({120, 4740, 7200, 1200}, {240, 4980, 6960, 900});
    buildPriceTypeLegend(7440, 4800);

    Frame4 = new ColorLegend(body_);
    Frame4->setTitle(QStringLiteral("LEGEND: Grid Font Color"));
    Frame4->setGeometry(twipsToPixels(120, kDesignHeight, 11600, 660));
    buildButtons();
    body_->show();
}

void frmCommEntryOP::buildHeader() {
    buildPatientHeader({.frameWidth = 12060, .careOfWidth = 2100, .totalLeft = 8800});
    chkSenior = new QCheckBox(fraPatInfo);
    chkSenior->hide();
    txtDiscount = new QLineEdit(QStringLiteral("0"), fraPatInfo);
    txtDiscount->hide();
    lblPrice = twipsLabel(body_, QStringLiteral("OUT PATIENT PRICE"), {120, 60, 3000, 300});
    paintRole(lblPrice, QPalette::WindowText, 255);
    lblPrice->hide();
    TimerPrice = new QTimer(body_);
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

void frmCommEntryOP::buildButtons() {
    const int y = 6000;
    buildRequestButtons(y);
    cmdPrintPrescription = twipsButton(body_, QStringLiteral("&Print Prescription"), {6440, y, 1800, 495});
    cmdPrintPrescription->hide();
    cmdPosted = twipsButton(body_, QStringLiteral("&List of Posted Medicines"), {8320, y, 2200, 495});
    cmdClose = twipsButton(body_, QStringLiteral("E&xit"), {10680, y, 1500, 495});
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

bool frmCommEntryOP::BlankRow(int row) const { return IsBlankRequestRow(*grdItemList, row); }

bool frmCommEntryOP::canSave() const { return CanSaveRequestGrid(*grdItemList, opRowColumns(), gCheckBarCode); }

void frmCommEntryOP::TimerPrice_Timer() { BlinkOutPriceLabel(*lblPrice); }

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

} // namespace qx
