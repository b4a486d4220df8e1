#pragma once
#include <QString>

namespace qx {

// The code chosen in the last look-up dialog; empty when nothing was chosen. Both look-up
// dialogs empty it when they load.
extern QString gLookupResult;

} // namespace qx
