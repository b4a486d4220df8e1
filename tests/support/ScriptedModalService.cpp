#include "ScriptedModalService.h"

#include <QCoreApplication>

namespace qx {

void ScriptedModalService::showModal(QWidget& window) {
    const QString className = QString::fromLatin1(window.metaObject()->className());
    shown_ << className;

    Action action;
    if (auto it = byName_.find(className); it != byName_.end())
        action = it->second;
    else if (auto byObject = byName_.find(window.objectName()); !window.objectName().isEmpty() && byObject != byName_.end())
        action = byObject->second;
    else if (!queued_.empty()) {
        action = std::move(queued_.front());
        queued_.pop_front();
    }

    QPointer<QWidget> guard(&window);
    const Qt::WindowModality previous = window.windowModality();
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    QCoreApplication::processEvents();
    if (action && guard)
        action(window);
    QCoreApplication::processEvents();
    if (guard && window.isVisible()) {
        ++leftOpen_;
        window.close();
        QCoreApplication::processEvents();
    }
    if (guard && !window.isVisible())
        window.setWindowModality(previous);
}

} // namespace qx
