#pragma once

class QAction;

namespace qx {

// A menu item's or toolbar button's Enabled as the program last set it. Qt reports every hidden
// action as disabled; the windows set the two apart, rule by rule, and read them apart too.
bool commandEnabled(const QAction* action);

} // namespace qx
