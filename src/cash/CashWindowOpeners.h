#pragma once

namespace qx {

// Registers the cash screens' window openers; called once at start.
void RegisterCashWindowOpeners();

} // namespace qx
