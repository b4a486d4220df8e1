#include "requests/unitdose/frmUDEntry.h"

#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "shell/GridHelpers.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

const QString frmUDEntry::kIssuedToday = QStringLiteral("--Issued--");
const QString frmUDEntry::kNotServable = QStringLiteral("XXX");
const QString frmUDEntry::kByPassed = QStringLiteral("BYPASSED");
const QString frmUDEntry::kDiscontinued = QStringLiteral("DISCONTINUED");
const QString frmUDEntry::kDiscontinuedRemark = QStringLiteral("--Discontinued--");

namespace {
const QString kUDEntryModule = QStringLiteral("frmUDEntry");

} // namespace

frmUDEntry::frmUDEntry(QWidget* parent) : QDialog(parent), profile_(nullptr, ItemProfile::Variant::UnitDose) {
    setWindowTitle(QStringLiteral("Automatic Dispensing ( Unit Dose )"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    buildForm();
}

frmUDEntry::~frmUDEntry() = default;

frmUDEntry& frmUDEntry::Default() {
    static frmUDEntry* instance = new frmUDEntry();
    return *instance;
}

void frmUDEntry::buildForm() {
    setFixedSize(twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));
    buildHeader();

    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), this);
    Frame1->setGeometry(twipsToPixels(120, 1980, 12360, 3960));
    flexMSEntry = new FlexGrid(this);
    flexMSEntry->setGeometry(twipsToPixels(240, 2220, 12120, 3600));
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig());
    connectGrid();

    Frame2 = new QGroupBox(QStringLiteral("&Previous Orders"), this);
    Frame2->setGeometry(twipsToPixels(120, 6060, 12360, 1980));
    flexMSHPrevious = new FlexGrid(this);
    flexMSHPrevious->setGeometry(twipsToPixels(240, 6300, 12120, 1620));
    profile_ = ItemProfile(flexMSHPrevious, ItemProfile::Variant::UnitDose);
    connect(flexMSHPrevious, &FlexGrid::enterCell, this, [this] { SetGridHighlight(*flexMSHPrevious, true); });
    connect(flexMSHPrevious, &FlexGrid::gotFocus, this, [this] { SetGridHighlight(*flexMSHPrevious, true); });
    connect(flexMSHPrevious, &FlexGrid::leaveCell, this, [this] { SetGridHighlight(*flexMSHPrevious, false); });

    buildButtons();
}

void frmUDEntry::buildHeader() {
    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), this);
    fraPatInfo->setGeometry(twipsToPixels(120, 420, 9600, 1500));
    QWidget* f = fraPatInfo;
    struct Field { int index; const char* caption; QRect captionAt; QRect valueAt; };
    const Field fields[] = {
        {7, "&Admission No.", {120, 300, 1200, 285}, {1350, 300, 1400, 285}},
        {0, "Hospital No.", {2900, 300, 1000, 285}, {3950, 300, 1400, 285}},
        {1, "Station", {5500, 300, 700, 285}, {6250, 300, 3200, 285}},
        {2, "Name", {120, 660, 1200, 285}, {1350, 660, 4000, 285}},
        {4, "Room No.", {5500, 660, 900, 285}, {6450, 660, 3000, 285}},
        {3, "Doctor", {120, 1020, 1200, 285}, {1350, 1020, 4000, 285}},
        {8, "Age", {5500, 1020, 450, 285}, {6000, 1020, 800, 285}},
        {9, "Sex", {6950, 1020, 450, 285}, {7450, 1020, 500, 285}},
    };
    for (const Field& field : fields) {
        Label1[static_cast<size_t>(field.index)] = twipsLabel(f, QString::fromLatin1(field.caption), field.captionAt);
        QLabel* value = twipsLabel(f, QString(), field.valueAt);
        value->setFrameShape(QFrame::Box);
        lblPatInfo[static_cast<size_t>(field.index)] = value;
    }
    Label1[5] = twipsLabel(this, QStringLiteral("Charge Slip"), {9840, 480, 1200, 285});
    lblPatInfo[5] = twipsLabel(this, QString(), {9840, 780, 2640, 315});
    Label1[6] = twipsLabel(this, QStringLiteral("Total Charges"), {9840, 1200, 1200, 285});
    lblPatInfo[6] = twipsLabel(this, QString(), {9840, 1500, 2640, 315});
    for (int i : {5, 6})
        lblPatInfo[static_cast<size_t>(i)]->setFrameShape(QFrame::Box);

    lblVelmira = twipsLabel(this, QStringLiteral("VELMIRA  PATIENT"), {120, 60, 2400, 300});
    lblVelmira->setFrameShape(QFrame::Box);
    lblVelmira->setAlignment(Qt::AlignCenter);
    lblVelmira->hide();

    fraDrugType = new QGroupBox(QStringLiteral("Drug Type"), this);
    fraDrugType->setGeometry(twipsToPixels(2700, 0, 4800, 420));
    Option2 = new QRadioButton(QStringLiteral("&For Unit Dose Only"), fraDrugType);
    Option2->setGeometry(twipsToPixels(120, 150, 2400, 255));
    Option1 = new QRadioButton(QStringLiteral("&All"), fraDrugType);
    Option1->setGeometry(twipsToPixels(2700, 150, 1200, 255));
    connect(Option1, &QRadioButton::clicked, this, &frmUDEntry::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &frmUDEntry::Option2_Click);

    cmdPosted = twipsButton(this, QStringLiteral("&List of Posted Medicines"), {9700, 30, 2780, 360});
    connect(cmdPosted, &QPushButton::clicked, this, &frmUDEntry::cmdPosted_Click);
}

void frmUDEntry::buildButtons() {
    const int y = 8250;
    cmdPrintSave = twipsButton(this, QStringLiteral("&Print"), {120, y, 1300, 495});
    cmdSave = twipsButton(this, QStringLiteral("&Save"), {1500, y, 1300, 495});
    cmdCancel = twipsButton(this, QStringLiteral("&By-Pass Request"), {2880, y, 1700, 495});
    cmdDiscontinue = twipsButton(this, QStringLiteral("&Discontinue"), {4660, y, 1500, 495});
    cmdDrugProfile = twipsButton(this, QStringLiteral("Print &Drug Profile"), {6240, y, 1900, 495});
    cmdPrintBarCode = twipsButton(this, QStringLiteral("Print &Barcode"), {8220, y, 1600, 495});
    cmdClose = twipsButton(this, QStringLiteral("E&xit"), {11080, y, 1400, 495});
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmUDEntry::cmdPrintSave_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmUDEntry::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmUDEntry::cmdCancel_Click);
    connect(cmdDiscontinue, &QPushButton::clicked, this, &frmUDEntry::cmdDiscontinue_Click);
    connect(cmdPrintBarCode, &QPushButton::clicked, this, &frmUDEntry::cmdPrintBarCode_Click);
    connect(cmdDrugProfile, &QPushButton::clicked, this, &frmUDEntry::cmdDrugProfile_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmUDEntry::cmdClose_Click);
}

QLineEdit* frmUDEntry::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* frmUDEntry::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* frmUDEntry::UpDownCtl() const { return chargeGrid_->editor()->spinner(); }

void frmUDEntry::cmdClose_Click() {
    eventHandler(kUDEntryModule, QStringLiteral("cmdClose_Click"), [&] { close(); });
}

void frmUDEntry::escapeToClose() {
    eventHandler(kUDEntryModule, QStringLiteral("Form_KeyDown"), [&] {
        close();
        if (isVisible() && cmdClose->isEnabled())
            cmdClose->setFocus(Qt::OtherFocusReason);
    });
}

// Escape on the form itself.
void frmUDEntry::reject() { escapeToClose(); }

bool frmUDEntry::mayClose() {
    if (AllByPassed() || !canSave() || DataSaved)
        return true;
    return MsgBox(QStringLiteral("Data will not be saved, do you wish to exit?"), vbQuestion | vbYesNo) == vbYes;
}

void frmUDEntry::closeEvent(QCloseEvent* event) {
    bool closing = true;
    eventHandler(kUDEntryModule, QStringLiteral("Form_QueryUnload"), [&] { closing = mayClose(); });
    if (!closing) {
        event->ignore();
        return;
    }
    event->accept();
    chargeGrid_->hideEditor();
    profile_.close();
    done(QDialog::Rejected);
}

} // namespace qx
