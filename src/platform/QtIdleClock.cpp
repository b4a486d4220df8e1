#include "platform/QtIdleClock.h"

#include <QCoreApplication>
#include <QEvent>

namespace qx {

QtIdleClock::QtIdleClock() {
    sinceInput_.start();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

QtIdleClock::~QtIdleClock() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool QtIdleClock::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        sinceInput_.restart();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qx
