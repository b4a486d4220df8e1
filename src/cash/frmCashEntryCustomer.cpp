// Customer identification of the assessment window.
#include "cash/frmCashEntry.h"

#include "platform/ErrorHandling.h"

namespace qx {

namespace {
const QString kCashCustomerModule = QStringLiteral("frmCashEntry");
} // namespace

bool frmCashEntry::ValidateIDNum(int) { return true; }

void frmCashEntry::chkInPatient_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("chkInPatient_Click"), [&] { ClearInfo(); });
}

void frmCashEntry::chkOutPatient_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("chkOutPatient_Click"), [&] { ClearInfo(); });
}

bool frmCashEntry::RevokeTranscriptionRequest(int) { return false; }

} // namespace qx
