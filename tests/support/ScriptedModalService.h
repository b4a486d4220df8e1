#pragma once
#include "components/PlatformServices.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>

namespace qx {

// Modal showing for tests: the window is shown (offscreen), the test's action runs on it while it
// is "modal", and showModal returns once the action is done. A window the action leaves open is
// closed and counted in leftOpen(), since a real modal loop would still be waiting on it.
class ScriptedModalService : public ModalService {
public:
    using Action = std::function<void(QWidget&)>;

    // Acts on the next window shown, whatever its class (queued, in order).
    void onNextShow(Action action) { queued_.push_back(std::move(action)); }
    // Acts on every showing of windows of this class (metaObject()->className()) or object name;
    // takes precedence over the queue.
    void onShow(const QString& classOrObjectName, Action action) { byName_[classOrObjectName] = std::move(action); }
    // A window of this type shown modally: a convenience over onShow by class name.
    template <typename W>
    void onShow(std::function<void(W&)> action) {
        onShow(QString::fromLatin1(W::staticMetaObject.className()),
               [action](QWidget& w) { action(static_cast<W&>(w)); });
    }

    void showModal(QWidget& window) override;

    // Class names of the windows shown, in order.
    const QStringList& shown() const { return shown_; }
    int leftOpen() const { return leftOpen_; }

private:
    std::deque<Action> queued_;
    std::map<QString, Action> byName_;
    QStringList shown_;
    int leftOpen_ = 0;
};

} // namespace qx
