// The return screen's frame: its controls, the load by mode, the banner's change handling, the
// brand-name column and closing.
#include "returns/ReturnScreen.h"

#include "charging/ChargeGrid.h"
#include "charging/ManualItemEntry.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace qx {

namespace {

QPushButton* screenButton(QWidget* parent, const QString& caption, const QString& tip, QRect twips) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setToolTip(tip);
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

QPushButton* pictureButton(QWidget* parent, const QString& tip, QRect twips) {
    auto* b = screenButton(parent, QString(), tip, twips);
    b->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    return b;
}

QLabel* caption(QWidget* parent, const QString& text, QRect twips) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return l;
}

QLineEdit* textBox(QWidget* parent, QRect twips) {
    auto* t = new QLineEdit(parent);
    t->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return t;
}

} // namespace

ReturnScreen::Profile ReturnScreen::inPatientProfile() {
    Profile p;
    p.inPatient = true;
    p.module = QStringLiteral("frmReturn");
    p.patientKind = QStringLiteral("IN-PATIENT");
    p.designWidth = 10680;
    p.designHeight = 6960;
    p.brandWidth = 3000;
    p.bannerSlots = 9;
    p.slotHospNum = 0;
    p.slotStation = 1;
    p.slotName = 2;
    p.slotDoctor = 3;
    p.slotRoom = 4;
    p.slotNumber = 5;
    p.slotTotal = 6;
    p.slotAge = 7;
    p.slotSex = 8;
    return p;
}

ReturnScreen::Profile ReturnScreen::outPatientProfile() {
    Profile p;
    p.inPatient = false;
    p.module = QStringLiteral("frmReturnOP");
    p.patientKind = QStringLiteral("OUT-PATIENT");
    p.designWidth = 10500;
    p.designHeight = 6675;
    p.brandWidth = 2000;
    p.bannerSlots = 7;
    p.slotHospNum = 0;
    p.slotName = 1;
    p.slotDoctor = 2;
    p.slotNumber = 3;
    p.slotTotal = 4;
    p.slotAge = 5;
    p.slotSex = 6;
    return p;
}

ChargeGridConfig ReturnScreen::gridConfig() const {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = kLines + 1;
    c.fixedCols = 0;  // the charge slip is an ordinary cell
    c.formatString = QStringLiteral(
        "<Charge Slip |<Code |<Product Description |<Brand Name|<Qty. Issued |<Quantity |<Stock |<Amount |<Remarks|<");
    c.formatString += profile_.inPatient ? QStringLiteral("Orig. Amount") : QStringLiteral("Orig Amount");
    // The brand name's width follows the Kelvar-hospital mode at each load.
    c.colWidths = profile_.inPatient
                      ? std::vector<int>{1728, 1056, 4320, 0, 1728, 1728, 1728, 1728, 0, 0, 0, 0, 0, 1452}
                      : std::vector<int>{1272, 1032, 3180, 0, 1272, 1272, 1272, 1272, 0, 0, 0, 0, 0, 1428};
    // The in-patient form opens the charge slip too; the out-patient form keeps it closed, as its
    // slips come with the medicine chosen by drug.
    c.exemptCols = {colDescription, colBrandName, colIssued, colStock, colAmount, colRemarks, colPriceIn,
                    colUnused10, colActualAmount, colUnused12, colOrigAmount};
    if (!profile_.inPatient)
        c.exemptCols.insert(colChargeSlip);
    c.editorKinds = {{colChargeSlip, 1}, {colCode, 1}, {colQuantity, 2}};
    c.maxLengths = {{colQuantity, 5}};
    if (!profile_.inPatient)
        c.maxLengths[colCode] = 5;
    c.digitsOnlyCols = {colQuantity};
    // The code comes only from the pickers.
    c.lockedCols = {colCode};
    c.firstEditableColumn = colCode;
    c.rightWrapColumn = colQuantity;
    c.leftMinColumn = 0;
    c.saveTextCols = {colChargeSlip, colCode};
    c.savePositiveCols = {colQuantity};
    return c;
}

ReturnScreen::ReturnScreen(Profile profile, QWidget* parent) : QDialog(parent), profile_(std::move(profile)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont screenFont(QStringLiteral("Segoe UI"), 9);
    setFont(screenFont);
    setFixedSize(twipsToPixels(profile_.designWidth), twipsToPixels(profile_.designHeight));

    cmdPosted = screenButton(this, QStringLiteral("&List of Posted Medicines"), QStringLiteral("Posted Mediciines"),
                             {profile_.designWidth - 3000, 60, 2880, 360});
    buildPatientFrame();

    const int gridTop = profile_.inPatient ? 2340 : 1980;
    const int gridHeight = profile_.designHeight - gridTop - 1140;
    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), this);
    Frame1->setGeometry(twipsToPixels(120, gridTop, profile_.designWidth - 240, gridHeight));
    flexMSEntry = new FlexGrid(Frame1);
    flexMSEntry->setGeometry(twipsToPixels(120, 240, profile_.designWidth - 480, gridHeight - 360));
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig());
    buildLowerControls();

    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &ReturnScreen::grid_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &ReturnScreen::grid_GotFocus);
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &ReturnScreen::escapePressed);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &ReturnScreen::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &ReturnScreen::cmdEntry_Click);
}

void ReturnScreen::buildPatientFrame() {
    const bool ip = profile_.inPatient;
    const int frameWidth = profile_.designWidth - 240;
    fraPatInfo = new QGroupBox(ip ? QStringLiteral("Patient Information") : QStringLiteral("&Patient Information"), this);
    fraPatInfo->setGeometry(twipsToPixels(120, 420, frameWidth, ip ? 1860 : 1500));
    QWidget* f = fraPatInfo;

    auto* findCaption = caption(f, ip ? QStringLiteral("&Admission No.") : QStringLiteral("&OPD No."), {120, 300, 1200, 315});
    txtFind = textBox(f, {1350, 300, 1500, 315});
    findCaption->setBuddy(txtFind);
    cmdFind = pictureButton(f, QStringLiteral("Find Patient"), {2870, 300, 360, 315});
    caption(f, QStringLiteral("Doctor"), {5300, 660, 700, 315});
    txtDocCode = textBox(f, {6020, 660, 900, 315});
    cmdDocCode = pictureButton(f, QStringLiteral("Find Doctor"), {6940, 660, 360, 315});

    // Each banner value beside its fixed caption; lines of 360 twips from the top of the frame.
    struct Slot { int index; const char* text; int line; int left; int captionWidth; int width; };
    const std::vector<Slot> fields =
        ip ? std::vector<Slot>{{2, "Name", 0, 3400, 600, 6300},          {0, "Hospital No.", 1, 120, 1200, 1800},
                               {3, nullptr, 1, 7320, 0, 2800},           {5, "Credit Memo", 2, 120, 1200, 1800},
                               {4, "Room No.", 2, 3400, 800, 3000},      {7, "Age", 2, 7400, 500, 2400},
                               {6, "Total Charges", 3, 120, 1200, 1800}, {1, "Station", 3, 3400, 800, 3000},
                               {8, "Sex", 3, 7400, 500, 2400}}
           : std::vector<Slot>{{1, "Name", 0, 3400, 600, 6100},          {0, "Hospital No.", 1, 120, 1200, 1800},
                               {2, nullptr, 1, 7320, 0, 2700},           {3, "Credit Memo", 2, 120, 1200, 1800},
                               {4, "Total ", 2, 3400, 800, 2000},        {5, "Age", 2, 6300, 500, 1500},
                               {6, "Sex", 2, 8400, 500, 1200}};
    for (const Slot& s : fields) {
        const int top = 300 + 360 * s.line;
        if (s.text)
            caption(f, QString::fromLatin1(s.text), {s.left, top, s.captionWidth, 315});
        QLabel* value = caption(f, QStringLiteral(" "), {s.left + s.captionWidth, top, s.width, 315});
        value->setFrameShape(QFrame::Box);
        lblPatInfo[static_cast<size_t>(s.index)] = value;
    }

    connect(cmdFind, &QPushButton::clicked, this, &ReturnScreen::cmdFind_Click);
    connect(txtFind, &QLineEdit::textChanged, this, &ReturnScreen::txtFind_Change);
    auto* findEvents = new ControlEvents(txtFind);
    connect(findEvents, &ControlEvents::keyPress, this, &ReturnScreen::txtFind_KeyPress);
    if (ip) {
        connect(findEvents, &ControlEvents::keyDown, this, [this](int& keyCode, int) {
            if (keyCode == 27)
                cmdClose->setFocus(Qt::OtherFocusReason);
        });
    } else {
        connect(findEvents, &ControlEvents::dblClick, this, &ReturnScreen::cmdFind_Click);
    }
    connect(cmdDocCode, &QPushButton::clicked, this, &ReturnScreen::cmdDocCode_Click);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, &ReturnScreen::txtDocCode_KeyPress);
    connect(cmdPosted, &QPushButton::clicked, this, &ReturnScreen::cmdPosted_Click);
}

void ReturnScreen::buildLowerControls() {
    const int top = profile_.designHeight - 1020;
    const int right = profile_.designWidth;
    cmdClearRow = pictureButton(this, QStringLiteral("Cancel Request"), {120, top + 120, 900, 780});
    cmdClearRow->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));

    Frame3 = new QGroupBox(QStringLiteral("REASON / REMARKS"), this);
    Frame3->setGeometry(twipsToPixels(1140, top, 4800, 900));
    QPalette darkRed = Frame3->palette();
    darkRed.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    Frame3->setPalette(darkRed);
    txtRemarks = textBox(Frame3, {120, 360, 4560, 375});

    // Nothing ever shows the receiver's frame; its controls stay empty.
    Frame2 = new QGroupBox(QStringLiteral("&Received by"), this);
    Frame2->setGeometry(twipsToPixels(6000, top, 1500, 900));
    txtIssued = textBox(Frame2, {120, 360, 600, 315});
    cmdIssued = pictureButton(Frame2, QStringLiteral("Find Name"), {740, 360, 360, 315});
    lblIssued = caption(Frame2, QString(), {120, 680, 1260, 200});
    lblIssued->setFrameShape(QFrame::Box);
    Frame2->hide();

    cmdPrintSave = screenButton(this, QStringLiteral("Print/Save"), QStringLiteral("Print/Save Entry"),
                                {right - 3720, top + 120, 1140, 780});
    cmdSave = screenButton(this, QStringLiteral("&Save"), QStringLiteral("Save Entry"), {right - 2520, top + 120, 1140, 780});
    cmdClose = screenButton(this, QStringLiteral("E&xit"), QStringLiteral("Close this Window"),
                            {right - 1320, top + 120, 1140, 780});
    connect(cmdClearRow, &QPushButton::clicked, this, &ReturnScreen::cmdClearRow_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &ReturnScreen::cmdPrintSave_Click);
    connect(cmdSave, &QPushButton::clicked, this, &ReturnScreen::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ReturnScreen::cmdClose_Click);
    if (profile_.inPatient)
        connect(new ControlEvents(cmdEntry()), &ControlEvents::keyDown, this, [this](int& keyCode, int) {
            if (keyCode == 27)
                cmdClose->setFocus(Qt::OtherFocusReason);
        });
}

QLineEdit* ReturnScreen::txtEntry() const { return chargeGrid_->editor()->textBox(); }
QPushButton* ReturnScreen::cmdEntry() const { return chargeGrid_->editor()->lookupButton(); }
UpDown* ReturnScreen::upDown() const { return chargeGrid_->editor()->spinner(); }

void ReturnScreen::Form_Load() {
    eventHandler(profile_.module, QStringLiteral("Form_Load"), [&] {
        isEntrySaved = false;
        isSlipPrinted = false;
        if (profile_.inPatient)
            isPrintSave = false;
        setWindowTitle((returnOrAdjustment_ == kReturn ? QStringLiteral("Post Returned Medicines ( ")
                                                       : QStringLiteral("Adjust Posted Medicines ( ")) +
                       profile_.patientKind + QStringLiteral(" )"));
        loadedPatientID_.clear();
        supervisorVerifyID_.clear();
        chargeGrid_->layout();
        flexMSEntry->setColWidth(colBrandName, BrandNameColWidth());
        flexMSEntry->setTextMatrix(0, colOrigAmount, QStringLiteral("Orig Amount"));
        chargeGrid_->pending().clearAll();
        chargeGrid_->pending().set(PendingGridMove::FirstFocus);
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        cmdClearRow->setEnabled(false);
        AdjustFormForBrandName();
        txtFind->setFocus(Qt::OtherFocusReason);
    });
}

void ReturnScreen::setBannerText(int index, const QString& text) {
    QLabel* label = lblPatInfo[static_cast<size_t>(index)];
    if (!label || label->text() == text)
        return;
    label->setText(text);
    lblPatInfo_Change(index);
}

void ReturnScreen::lblPatInfo_Change(int index) {
    eventHandler(profile_.module, QStringLiteral("lblPatInfo_Change"), [&] {
        if (index != 5)
            return;
        if (!profile_.inPatient)
            for (int row = 1; row < flexMSEntry->rows(); ++row)
                chargeGrid_->clearLine(row, colCode, flexMSEntry->cols() - 1);
        chargeGrid_->setEditorText(QString());
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
    });
}

int ReturnScreen::BrandNameColWidth() const {
    return gPharmaSwitches.IsKelvarHospital() ? profile_.brandWidth : 0;
}

void ReturnScreen::AdjustFormForBrandName() {
    // From the design widths, so that a second load does not widen the window again.
    const int added = twipsToPixels(BrandNameColWidth());
    setFixedWidth(twipsToPixels(profile_.designWidth) + added);
    Frame1->resize(twipsToPixels(profile_.designWidth - 240) + added, Frame1->height());
    flexMSEntry->resize(twipsToPixels(profile_.designWidth - 480) + added, flexMSEntry->height());
}

void ReturnScreen::cmdClose_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdClose_Click"), [&] { close(); });
}

// Escape closes from any control; when the user stays, the in-patient form leaves the focus on
// its Close button, the out-patient form reopens the editor where the grid had the focus.
void ReturnScreen::escapePressed() {
    const bool editorWasOpen = chargeGrid_->isEditorVisible();
    cmdClose_Click();
    if (!isVisible())
        return;
    if (profile_.inPatient)
        cmdClose->setFocus(Qt::OtherFocusReason);
    else if (!editorWasOpen)
        chargeGrid_->openEditor();
}

void ReturnScreen::reject() { close(); }

void ReturnScreen::closeEvent(QCloseEvent* event) {
    CloseChargeEntryWindow(*this, event, profile_.module, [this] { return canSave(); }, {});
}

frmReturn::frmReturn(QWidget* parent) : ReturnScreen(inPatientProfile(), parent) {}

frmReturnOP::frmReturnOP(QWidget* parent) : ReturnScreen(outPatientProfile(), parent) {}

} // namespace qx
