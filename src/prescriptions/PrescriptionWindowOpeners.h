#pragma once

namespace qx {

// Registers the take-home prescription screen under the work list's two take-home commands.
void RegisterPrescriptionWindowOpeners();

} // namespace qx
