// frmCommEntry: the item profile of a line, the fixed-charge and antibiotic marks and the
// optional columns, as the request screens share them.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/RequestScreenGrid.h"

namespace qx {

RequestScreenGrid frmCommEntry::requestGrid() {
    return {.module = QStringLiteral("frmCommEntry"),
            .columns = {.fixedCharge = kColFixedCharge, .lastMarked = kLastMarkedCol},
            .window = this,
            .gridFrame = Frame1,
            .chargeGrid = chargeGrid_,
            .profile = &profile_,
            .greyedBox = pictures_.greyedBox,
            .total = lblPatInfo[6],
            .patientId = lblPatInfo[7],
            .patientName = lblPatInfo[2]};
}

RequestLineActions frmCommEntry::lineActions() { return requestGrid().lineActions(); }

void frmCommEntry::LoadListProfile(const QString& admission, const QString& itemCode, int row) {
    requestGrid().loadListProfile(admission, itemCode, row);
}

void frmCommEntry::Mark_FixedPrice() { requestGrid().markFixedPrices(); }
void frmCommEntry::MarkAntiBiotic() { requestGrid().markAntibiotics(); }
void frmCommEntry::SetSupplierColWidth() { requestGrid().setSupplierColWidth(); }
void frmCommEntry::SetPNFColWidth() { requestGrid().setPNFColWidth(); }
void frmCommEntry::SetGenericNameColWidth() { requestGrid().setGenericNameColWidth(); }

} // namespace qx
