#include "platform/QtModalService.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace qx {

namespace {

// Ends the loop when the window stops being shown.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

} // namespace

void QtModalService::showModal(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> guard(&window);
    const Qt::WindowModality previous = window.windowModality();
    const bool wasVisible = window.isVisible();
    if (wasVisible)
        window.hide(); // modality can only change while hidden
    window.setWindowModality(Qt::ApplicationModal);

    QEventLoop loop;
    HideWatcher watcher(loop);
    window.installEventFilter(&watcher);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.show();
    if (guard && window.isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        window.removeEventFilter(&watcher);
        if (!window.isVisible())
            window.setWindowModality(previous);
    }
}

} // namespace qx
