#include "platform/CommandState.h"

#include <QAction>
#include <QSignalBlocker>

namespace qx {

bool commandEnabled(const QAction* action) {
    if (action->isVisible())
        return action->isEnabled();
    // Qt keeps the value set while hidden and gives it back once the action shows again.
    auto* hidden = const_cast<QAction*>(action);
    const QSignalBlocker quiet(hidden);
    hidden->setVisible(true);
    const bool enabled = hidden->isEnabled();
    hidden->setVisible(false);
    return enabled;
}

} // namespace qx
