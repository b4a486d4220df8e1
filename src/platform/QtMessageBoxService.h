#pragma once
#include "components/PlatformServices.h"

namespace qx {

// Message boxes as Qt shows them, over the active window: the style's buttons, icon and default
// button; Esc answers Cancel where the box has one, OK on a box with OK alone.
class QtMessageBoxService : public MessageBoxService {
public:
    MsgBoxResult show(const QString& prompt, int style, const QString& title) override;
};

} // namespace qx
