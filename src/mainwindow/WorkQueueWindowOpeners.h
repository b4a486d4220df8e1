#pragma once

namespace qx {

// Registers the work-queue windows that several places open: the credit-memo confirmations
// (frmListPharmaCommunication), the package requests (frmRequestKVRS) and the refills
// (frmRefill, given PatientID).
void RegisterWorkQueueWindowOpeners();

} // namespace qx
