#include "charging/frmOverStock.h"

#include "charging/PromptFace.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QPainter>

namespace qx {

namespace {

PictureButton* promptButton(QWidget* parent, const QString& caption, ColorValue color, int top) {
    auto* button = new PictureButton(caption, color, parent);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSize(11);
    button->setFont(font);
    // The prompt previews every key itself; its pictures never hold the focus.
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(twipsToPixels(1320, top, 3240, 420));
    return button;
}

} // namespace

frmOverStock::frmOverStock(QWidget* parent) : PromptDialog(Placement::CentreOnScreen, parent) {
    setObjectName(QStringLiteral("frmOverStock"));
    makeTitlelessPrompt(*this, 4740, 2445);
    setFocusPolicy(Qt::StrongFocus);
    setFirstFocus(this, Qt::OtherFocusReason);

    imgProceed = promptButton(this, QStringLiteral("Proceed with transaction."), colors::Blue, 960);
    imgFind = promptButton(this, QStringLiteral("Find substitute drug."), colors::Blue, 1380);
    imgCancel = promptButton(this, QStringLiteral("Cancel"), colors::Red, 1860);
    imgProceed->setObjectName(QStringLiteral("imgProceed"));
    imgFind->setObjectName(QStringLiteral("imgFind"));
    imgCancel->setObjectName(QStringLiteral("imgCancel"));

    connect(imgProceed, &QAbstractButton::clicked, this, &frmOverStock::imgProceed_Click);
    connect(imgFind, &QAbstractButton::clicked, this, &frmOverStock::imgFind_Click);
    connect(imgCancel, &QAbstractButton::clicked, this, &frmOverStock::imgCancel_Click);
    setPictureButtons({imgProceed, imgFind, imgCancel});
}

void frmOverStock::Form_Load() {
    selection_ = 0;
    UpDown(false);
}

void frmOverStock::UpDown(bool up) {
    if (up)
        selection_ = selection_ <= 1 ? 3 : selection_ - 1;
    else
        selection_ = selection_ >= 3 ? 1 : selection_ + 1;
    imgProceed->setHighlighted(selection_ == 1);
    imgFind->setHighlighted(selection_ == 2);
    imgCancel->setHighlighted(selection_ == 3);
}

void frmOverStock::Form_KeyDown(int keyCode) {
    switch (keyCode) {
    case keys::Tab:
    case keys::Down: UpDown(false); break;
    case keys::Up: UpDown(true); break;
    case keys::Escape: imgCancel_Click(); break;
    default: break;
    }
}

void frmOverStock::Form_KeyPress(int keyAscii) {
    if (keyAscii != keys::Return)
        return;
    switch (selection_) {
    case 1: choose(QStringLiteral("1"), QStringLiteral("Proceed with Transaction")); break;
    case 2: choose(QStringLiteral("2"), QStringLiteral("Find Substitute Drug")); break;
    case 3: choose(QStringLiteral("X"), QStringLiteral("Cancel")); break;
    default: break;
    }
}

// The click's text differs from the Enter key's in the capital W; both are logged as they stand.
void frmOverStock::imgProceed_Click() { choose(QStringLiteral("1"), QStringLiteral("Proceed With Transaction")); }
void frmOverStock::imgFind_Click() { choose(QStringLiteral("2"), QStringLiteral("Find Substitute Drug")); }
void frmOverStock::imgCancel_Click() { choose(QStringLiteral("X"), QStringLiteral("Cancel")); }

void frmOverStock::choose(const QString& choice, const QString& logChoice) {
    choice_ = choice;
    logChoice_ = logChoice;
    unload();
}

bool frmOverStock::event(QEvent* event) {
    // Key preview: the window takes every key before the focus chain sees Tab.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int ascii = keyAscii(*key);
        Form_KeyDown(keyCode(*key));
        if (ascii != 0 && isVisible())
            Form_KeyPress(ascii);
        return true;
    }
    return PromptDialog::event(event);
}

void frmOverStock::paintEvent(QPaintEvent* event) {
    PromptDialog::paintEvent(event);
    QPainter painter(this);
    drawWarningHand(painter, twipsToPixels(120, 240, 1080, 1440), HandPose::Palm);
    drawFaceText(painter, twipsToPixels(1320, 120, 3300, 720), QStringLiteral("Stock is not available to fill subscription."),
                 Qt::black, 10);
}

} // namespace qx
