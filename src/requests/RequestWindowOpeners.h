#pragma once

namespace qx {

// Registers the request screens' window openers (mnuPending.frmCommEntry, ...); called once at
// start.
void RegisterRequestWindowOpeners();

} // namespace qx
