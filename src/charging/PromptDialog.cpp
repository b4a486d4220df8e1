#include "charging/PromptDialog.h"

#include "charging/PromptFace.h"
#include "platform/ErrorHandling.h"
#include "platform/PictureButton.h"

#include <QMouseEvent>

namespace qx {

PromptDialog::PromptDialog(Placement placement, QWidget* parent) : QDialog(parent), placement_(placement) {}

void PromptDialog::done(int result) {
    loaded_ = false;
    Form_Unload();
    QDialog::done(result);
}

void PromptDialog::unload() { done(QDialog::Accepted); }

void PromptDialog::setFirstFocus(QWidget* widget, Qt::FocusReason reason) {
    firstFocus_ = widget;
    firstFocusReason_ = reason;
}

void PromptDialog::setPictureButtons(const QList<PictureButton*>& pictures) {
    pictures_ = pictures;
    setMouseTracking(true);
    for (PictureButton* picture : pictures)
        connect(picture, &PictureButton::mouseMove, this, [picture](int, int, int, int) { picture->setHighlighted(true); });
}

void PromptDialog::clearHighlights() {
    for (PictureButton* picture : pictures_)
        picture->setHighlighted(false);
}

void PromptDialog::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        clearHighlights();
        // An event handler must not throw into the event loop.
        unhandledErrorGuard([this] { Form_Load(); });
        if (placement_ == Placement::CentreOnScreen)
            centreOnScreen(*this);
        else if (placement_ == Placement::CentreOnOwner)
            centreOnOwner(*this);
        if (firstFocus_)
            firstFocus_->setFocus(firstFocusReason_);
    }
    // Left unmoved, the dialog places itself over its parent here.
    QDialog::showEvent(event);
}

void PromptDialog::closeEvent(QCloseEvent* event) {
    loaded_ = false;
    QDialog::closeEvent(event);
}

void PromptDialog::mouseMoveEvent(QMouseEvent* event) {
    // A picture hands its own moves on to the window: only the face clears the highlights.
    if (!qobject_cast<PictureButton*>(childAt(event->position().toPoint())))
        clearHighlights();
    QDialog::mouseMoveEvent(event);
}

} // namespace qx
