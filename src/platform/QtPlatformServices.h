#pragma once
#include "components/PlatformServices.h"

namespace qx {

// The program's own services on Qt; main() installs them with installPlatformServices().
// The program end is left to EndProgram's default (the process ends at once).
PlatformServices qtPlatformServices();

} // namespace qx
