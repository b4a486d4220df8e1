#include "charging/frmOverQty.h"

#include "charging/PromptFace.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/Values.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace qx {

namespace {

constexpr double kLargeQuantity = 100;
constexpr double kLargeAmount = 5000;

struct LabelPlace { int left, top, width, height; const char* text; };
constexpr LabelPlace kLabels[] = {
    {1320, 1740, 3900, 825, ""},
    {1320, 2640, 1500, 285, "Quantity       :"},
    {1320, 2940, 1500, 285, "Unit Price    :"},
    {1320, 3240, 1500, 285, "Total values:"},
    {2820, 2640, 2400, 285, ""},
    {2820, 2940, 2400, 285, ""},
    {2820, 3240, 2400, 285, ""},
};

PictureButton* answerButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new PictureButton(caption, colors::Red, parent);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSize(12);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(twipsToPixels(left, 4140, 750, 450));
    return button;
}

} // namespace

bool frmOverQty::needsConfirmation(double quantity, double unitPrice) {
    return quantity > kLargeQuantity || quantity * unitPrice > kLargeAmount;
}

frmOverQty::frmOverQty(QWidget* parent) : PromptDialog(Placement::CentreOnScreen, parent) {
    setObjectName(QStringLiteral("frmOverQty"));
    makeTitlelessPrompt(*this, 5970, 4815);
    setFocusPolicy(Qt::StrongFocus);
    setFirstFocus(this, Qt::OtherFocusReason);

    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(QString::fromLatin1(place.text), this);
        label->setGeometry(twipsToPixels(place.left, place.top, place.width, place.height));
        label->setMouseTracking(true);
        lblLabel << label;
    }
    lblLabel[0]->setWordWrap(true);
    lblLabel[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = lblLabel[0]->font();
    bold.setBold(true);
    lblLabel[0]->setFont(bold);

    imgYes = answerButton(this, QStringLiteral("YES"), 2040);
    imgNo = answerButton(this, QStringLiteral("NO"), 3480);
    imgYes->setObjectName(QStringLiteral("imgYes"));
    imgNo->setObjectName(QStringLiteral("imgNo"));
    connect(imgYes, &QAbstractButton::clicked, this, &frmOverQty::imgYes_Click);
    connect(imgNo, &QAbstractButton::clicked, this, &frmOverQty::imgNo_Click);
    setPictureButtons({imgYes, imgNo});
}

void frmOverQty::Form_Load() {
    lblLabel[0]->setText(drugName_);
    lblLabel[4]->setText(Text(quantity_));
    lblLabel[5]->setText(Format(unitPrice_, QStringLiteral("#######.00")));
    lblLabel[6]->setText(Format(unitPrice_ * quantity_, QStringLiteral("#######.00")));
}

void frmOverQty::Form_KeyDown(int keyCode) {
    if (keyCode == keys::Escape)
        imgNo_Click();
}

void frmOverQty::imgYes_Click() { answer(1); }
void frmOverQty::imgNo_Click() { answer(2); }

void frmOverQty::answer(qint16 choice) {
    choice_ = choice;
    unload();
}

bool frmOverQty::event(QEvent* event) {
    // Key preview; only Esc answers, Enter and Tab do nothing.
    if (event->type() == QEvent::KeyPress) {
        Form_KeyDown(keyCode(*static_cast<QKeyEvent*>(event)));
        return true;
    }
    return PromptDialog::event(event);
}

void frmOverQty::paintEvent(QPaintEvent* event) {
    PromptDialog::paintEvent(event);
    QPainter painter(this);
    drawWarningHand(painter, twipsToPixels(120, 120, 1080, 1440), HandPose::PointingUp);
    drawFaceText(painter, twipsToPixels(1320, 240, 4500, 480), QStringLiteral("Transaction Suspended"), QColor(0, 0, 200), 14);
    drawFaceText(painter, twipsToPixels(1320, 900, 4500, 420), QStringLiteral("Pls. verify the following quantities"), Qt::black, 10);
    drawFaceText(painter, twipsToPixels(1320, 3660, 4500, 420), QStringLiteral("Are the enries correct?"), Qt::black, 10);
}

} // namespace qx
