#include "charging/frmPriceInOut.h"

#include "charging/PromptFace.h"
#include "components/PlatformServices.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/Values.h"

#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace qx {

namespace {

QLabel* placedLabel(QWidget* parent, const QString& text, int left, int top, int width = 1200, int height = 285) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(twipsToPixels(left, top, width, height));
    label->setMouseTracking(true);
    return label;
}

QLineEdit* priceBox(QWidget* parent, int top) {
    auto* box = new QLineEdit(parent);
    box->setGeometry(twipsToPixels(2760, top, 1725, 375));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

void setColor(QLabel* label, const QColor& color) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}

} // namespace

frmPriceInOut::frmPriceInOut(QWidget* parent) : PromptDialog(Placement::CentreOnScreen, parent) {
    setObjectName(QStringLiteral("frmPriceInOut"));
    makeTitlelessPrompt(*this, 4710, 2805);

    lblCaption = placedLabel(this, QString(), 750, 60, 3750, 390);
    lblDesc = placedLabel(this, QString(), 870, 480, 3630, 390);
    QFont bold = lblCaption->font();
    bold.setBold(true);
    bold.setPointSize(11);
    lblCaption->setFont(bold);
    lblDesc->setFont(bold);
    setColor(lblCaption, Qt::blue);
    setColor(lblDesc, QColor(128, 0, 0));

    Label1 << placedLabel(this, QStringLiteral(" Qty."), 990, 930, 540)
           << placedLabel(this, QStringLiteral(" Actual Price"), 2250, 930)
           << placedLabel(this, QStringLiteral("New Price"), 1110, 1440, 1600)
           << placedLabel(this, QStringLiteral("Total Amount"), 1110, 1830, 1600);
    lblQuantity = placedLabel(this, QString(), 1530, 930, 700);
    lblOldPrice = placedLabel(this, QString(), 3480, 930, 1100);

    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(twipsToPixels(1020, 1350, 3585, 1005));
    Shape1->setMouseTracking(true);
    Shape1->lower();

    txtNewPrice = priceBox(this, 1440);
    txtTotalAmount = priceBox(this, 1830);
    txtTotalAmount->setReadOnly(true);
    txtNewPrice->installEventFilter(this);
    txtTotalAmount->installEventFilter(this);

    imgProceed = new PictureButton(QStringLiteral("Proceed with transaction."), colors::Blue, this);
    imgProceed->setObjectName(QStringLiteral("imgProceed"));
    imgProceed->setFocusPolicy(Qt::NoFocus);
    imgProceed->setGeometry(twipsToPixels(1665, 2430, 3015, 345));
    connect(imgProceed, &QAbstractButton::clicked, this, &frmPriceInOut::imgProceed_Click);
    setPictureButtons({imgProceed});

    setTabOrder(txtNewPrice, txtTotalAmount);
    setFirstFocus(txtNewPrice, Qt::OtherFocusReason);
}

void frmPriceInOut::Form_Load() {
    // Every screen opens this dialog under the same caption.
    lblCaption->setText(QStringLiteral("Change In-Patient Price"));
    lblDesc->setText(itemDesc_);
    lblQuantity->setText(Format(itemQuantity_, QStringLiteral("######0")));
    lblOldPrice->setText(Format(itemPrice_, QStringLiteral("######00.00")));
    txtNewPrice->setText(Format(newItemPrice_, QStringLiteral("#######0.00")));
    txtTotalAmount->setText(Format(totalAmount_, QStringLiteral("######0.00")));
}

bool frmPriceInOut::newPriceIsValid() const {
    const QString text = txtNewPrice->text();
    return Val(text) > 0 && IsNumeric(text);
}

void frmPriceInOut::refusePrice() {
    MsgBox(QStringLiteral("Please enter valid amount."), vbInformation, QStringLiteral("Message"));
    txtNewPrice->setText(lblOldPrice->text());
    txtNewPrice->setFocus(Qt::OtherFocusReason);
}

bool frmPriceInOut::txtNewPrice_Validate() {
    if (!newPriceIsValid()) {
        refusePrice();
        return false;
    }
    txtTotalAmount->setText(Format(Val(txtNewPrice->text()) * Val(lblQuantity->text()), QStringLiteral("########00.00")));
    return true;
}

void frmPriceInOut::txtNewPrice_KeyPress(int keyAscii) {
    if (keyAscii != keys::Return)
        return;
    // One check per Enter: the focus move does not validate a second time.
    movingByEnter_ = true;
    txtTotalAmount->setFocus(Qt::OtherFocusReason);
    movingByEnter_ = false;
    txtNewPrice_Validate();
}

void frmPriceInOut::txtTotalAmount_KeyPress(int keyAscii) {
    if (keyAscii == keys::Return)
        imgProceed_Click();
}

void frmPriceInOut::imgProceed_Click() {
    if (!newPriceIsValid()) {
        refusePrice();
        return;
    }
    const double newPrice = Val(txtNewPrice->text());
    txtTotalAmount->setText(Text(newPrice * Val(lblQuantity->text())));
    itemPrice_ = newPrice;
    totalAmount_ = Val(txtTotalAmount->text());
    unload();
}

bool frmPriceInOut::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int ascii = keyAscii(*static_cast<QKeyEvent*>(event));
        if (ascii == keys::Return) {
            if (watched == txtNewPrice)
                txtNewPrice_KeyPress(ascii);
            else if (watched == txtTotalAmount)
                txtTotalAmount_KeyPress(ascii);
            return true;
        }
    } else if (watched == txtNewPrice && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, txtNewPrice, &QLineEdit::selectAll);
    } else if (watched == txtNewPrice && event->type() == QEvent::FocusOut && !movingByEnter_) {
        // The user leaving the box for the total validates it, as Enter does.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason)
            QTimer::singleShot(0, this, [this] { txtNewPrice_Validate(); });
    }
    return PromptDialog::eventFilter(watched, event);
}

void frmPriceInOut::keyPressEvent(QKeyEvent* event) {
    // No key closes the dialog: Esc included.
    event->accept();
}

} // namespace qx
