#include "platform/ControlEvents.h"

#include "platform/KeyCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QWidget>

namespace qx {

ControlEvents::ControlEvents(QWidget* control) : QObject(control), control_(control) {
    control->installEventFilter(this);
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_ || forwarding_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;  // the focus moves on; the control sees no key
        int code = keyCode(*key);
        emit keyDown(code, shiftState(key->modifiers()));
        if (code == 0 && keyCode(*key) != 0)
            return true;
        const int typed = keyAscii(*key);
        if (typed == 0)
            return false;
        int ascii = typed;
        emit keyPress(ascii);
        if (ascii == typed)
            return false;
        if (ascii != 0) {
            QKeyEvent changed(QEvent::KeyPress, qtKeyForAscii(ascii),
                              key->modifiers() & ~Qt::KeypadModifier, QString(QChar(ascii)));
            forwarding_ = true;
            QCoreApplication::sendEvent(control_, &changed);
            forwarding_ = false;
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        emit dblClick();
        return false;
    case QEvent::FocusIn:
        emit gotFocus();
        return false;
    case QEvent::FocusOut: {
        // The application's focus widget is already the one taking the focus.
        QWidget* next = QApplication::focusWidget();
        if (next && next != control_ && next->window() == control_->window() && !runValidation()) {
            control_->setFocus(Qt::OtherFocusReason);
            return false;
        }
        emit lostFocus();
        return false;
    }
    default:
        return false;
    }
}

bool ControlEvents::runValidation() {
    if (validating_ || !isSignalConnected(QMetaMethod::fromSignal(&ControlEvents::validate)))
        return true;
    validating_ = true;
    bool cancel = false;
    emit validate(cancel);
    validating_ = false;
    return !cancel;
}

} // namespace qx
