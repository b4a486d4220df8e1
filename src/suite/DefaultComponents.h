#pragma once
#include "components/ComponentFactory.h"

namespace qx::suite {

// Registers our implementation of every ProgID of the suite.
void registerDefaultComponents(ComponentFactory& factory);

} // namespace qx::suite
