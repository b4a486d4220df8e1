#include "charging/RequestScreenWindow.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/RequestLineMarks.h"
#include "platform/CellEditor.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

RequestScreenWindow::RequestScreenWindow(const QString& module, QWidget* parent)
    : QDialog(parent), module_(module), profile_(nullptr, ItemProfile::Variant::Request) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

RequestScreenWindow::~RequestScreenWindow() = default;

QLineEdit* RequestScreenWindow::txtEntry() const { return chargeGrid_->editor()->textBox(); }

void RequestScreenWindow::startBody(QSize window, QSize body) {
    unload();
    setFixedSize(twipsToPixels(window.width()), twipsToPixels(window.height()));
    if (pictures_.emptyBox.isNull())
        pictures_ = RequestGridPictures::standard();
    body_ = new QWidget(this);
    body_->setGeometry(0, 0, twipsToPixels(body.width()), twipsToPixels(body.height()));
}

void RequestScreenWindow::buildPatientHeader(const HeaderLayout& layout) {
    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), body_);
    fraPatInfo->setGeometry(twipsToPixels(120, 420, layout.frameWidth, 1500));
    QWidget* f = fraPatInfo;
    const int total = layout.totalLeft;
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
        {11, "C/O", {6100, 1020, 450, 285}, 8, {6600, 1020, layout.careOfWidth, 285}},
        {7, "Total Charges", {total, 1020, 1100, 285}, 6, {total + 1150, 1020, 1400, 285}},
    };
    for (const Field& field : fields) {
        Label1[static_cast<size_t>(field.caption)] = twipsLabel(f, QString::fromLatin1(field.text), field.captionAt);
        QLabel* value = twipsLabel(f, QString(), field.valueAt);
        value->setFrameShape(QFrame::Box);
        lblPatInfo[static_cast<size_t>(field.value)] = value;
    }
    txtDocCode = new QLineEdit(f);
    txtDocCode->setGeometry(twipsToPixels(1350, 1020, 1000, 285));
    cmdDocCode = twipsButton(f, QStringLiteral("..."), {2370, 1020, 330, 285});
}

void RequestScreenWindow::buildRequestList(int frameWidth, int frameHeight, const ChargeGridConfig& config) {
    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), body_);
    Frame1->setGeometry(twipsToPixels(120, 1980, frameWidth, frameHeight));
    grdItemList = new FlexGrid(body_);
    grdItemList->setGeometry(twipsToPixels(240, 2220, frameWidth - 240, frameHeight - 360));
    chargeGrid_ = new ChargeGrid(grdItemList, config);
}

QGroupBox* RequestScreenWindow::buildPreviousOrders(QRect frame, QRect grid) {
    auto* box = new QGroupBox(QStringLiteral("&Previous Orders"), body_);
    box->setGeometry(twipsToPixels(frame.x(), frame.y(), frame.width(), frame.height()));
    flexMSHPrevious = new FlexGrid(body_);
    flexMSHPrevious->setGeometry(twipsToPixels(grid.x(), grid.y(), grid.width(), grid.height()));
    profile_ = ItemProfile(flexMSHPrevious, ItemProfile::Variant::Request);
    return box;
}

QLabel* RequestScreenWindow::buildPriceTypeLegend(int left, int top) {
    twipsLabel(body_, QStringLiteral("Price Type:"), {left, top, 1000, 285});
    paintRole(twipsLabel(body_, QStringLiteral("Fixed Price"), {left + 1050, top, 1000, 285}), QPalette::WindowText,
              kFixedPriceColor);
    twipsLabel(body_, QStringLiteral("Regular Price"), {left + 2100, top, 1200, 285});
    QLabel* mdrp = twipsLabel(body_, QStringLiteral("MDRP"), {left + 3350, top, 700, 285});
    mdrp->setAutoFillBackground(true);
    paintRole(mdrp, QPalette::Window, kMDRPCellColor);
    return mdrp;
}

void RequestScreenWindow::buildRequestButtons(int top) {
    cmdPrintSave = twipsButton(body_, QStringLiteral("&Print / Save"), {120, top, 1500, 495});
    cmdSave = twipsButton(body_, QStringLiteral("&Save"), {1700, top, 1300, 495});
    cmdCancel = twipsButton(body_, QStringLiteral("&Cancel Request"), {3080, top, 1600, 495});
    cmdDelay = twipsButton(body_, QStringLiteral("&Delay Request"), {4760, top, 1600, 495});
}

void RequestScreenWindow::unload() {
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

void RequestScreenWindow::cmdClose_Click() {
    eventHandler(module_, QStringLiteral("cmdClose_Click"), [&] {
        cancelledForm_ = true;
        close();
    });
}

void RequestScreenWindow::reject() { cmdClose_Click(); }

void RequestScreenWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    done(QDialog::Rejected);
    unload();
}

} // namespace qx
