#pragma once

namespace qx {

// Registers the return screens' and posted lists' window openers (mnuListInPatient,
// frmListPosted, ...); called once at start.
void RegisterReturnWindowOpeners();

} // namespace qx
