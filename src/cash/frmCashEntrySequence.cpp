// The assessment window's two sequence-number menus.
#include "cash/frmCashEntry.h"
#include "cash/frmChangeInvoiceNumber.h"
#include "cash/frmSISequence.h"

#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"

#include <QLineEdit>

namespace qx {

namespace {
const QString kCashSequenceModule = QStringLiteral("frmCashEntry");
} // namespace

void frmCashEntry::mnuEditSequenceNumbers_Click() {
    eventHandler(kCashSequenceModule, QStringLiteral("mnuEditSequenceNumbers_Click"), [&] {
        if (!gPreNumberAssessment)
            return;
        frmChangeInvoiceNumber slip(this);
        slip.SlipNumber = Trim(txtRefNum->text());
        showModal(slip);
        txtRefNum->setText(slip.SlipNumber);
    });
}

void frmCashEntry::mnuChangeSISequenceNum_Click() {
    eventHandler(kCashSequenceModule, QStringLiteral("mnuChangeSISequenceNum_Click"), [&] {
        frmSISequence sequence(this);
        showModal(sequence);
        setSISequenceNumber();
    });
}

} // namespace qx
