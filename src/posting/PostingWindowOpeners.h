#pragma once

namespace qx {

// Registers the posting screens' window openers (mnuManualInPatient, ...); called once at start.
void RegisterPostingWindowOpeners();

} // namespace qx
