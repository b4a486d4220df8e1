// Saving and printing of the assessment window.
#include "cash/frmCashEntry.h"

namespace qx {

bool frmCashEntry::SaveAssessment(bool, bool) { return false; }

bool frmCashEntry::SaveAssessmentPreNum(bool) { return false; }

void frmCashEntry::SaveSI(const QString&) {}

void frmCashEntry::PrintAssessSlip() {}

void frmCashEntry::PrintAssessSlipInPatient() {}

} // namespace qx
