// frmCommEntryPres: the issued quantity with its questions and the over-stock substitute, and
// the grid's double click (senior-citizen mark, price override).
#include "prescriptions/frmCommEntryPres.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/RequestLineEntry.h"
#include "charging/RequestScreenGrid.h"
#include "charging/SeniorDiscountToggle.h"
#include "charging/TakeHomePriceRule.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kPresQuantityModule = QStringLiteral("frmCommEntryPres");
} // namespace

SeniorDiscountLine frmCommEntryPres::seniorLine(int row) const {
    return {.row = row, .amountCol = kColAmount, .markCol = kColMark, .oldAmountCol = kColOldAmount,
            .stateCol = kColDosage, .pictureRow = row, .pictureCol = kColSCDiscount};
}

void frmCommEntryPres::commitIssuedQuantity(int row, const QString& typed) {
    const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
    QuantityCommitRequest request;
    request.parent = this;
    request.typed = typed;
    request.leadingNumber = true;
    request.refillLeft = Val(cell(kColRequested));
    request.stockOnHand = Val(cell(kColStock));
    request.refuseOverStock = gSiteCode == QLatin1String("QVH") && gAllowZeroOnHand;
    request.overStockRefusal =
        QStringLiteral("Stock is not available to fill  . Please enter quantity not greater than the stock onhand.");
    request.overStockRefusalTitle = QStringLiteral("MESSAGE");
    request.findSubstitute = [&] { return findSubstitute(row); };
    request.askLargeQuantity = true;
    request.description = [&] { return cell(kColDescription); };
    request.unitPrice = [&] { return Val(cell(kColSellPriceIn)); };
    const QuantityCommitOutcome outcome = CommitQuantity(request);
    if (outcome.refillDeclined)
        chargeGrid_->setEditorText(QStringLiteral("0"));
    if (outcome.verdict == QuantityVerdict::Invalid || outcome.verdict == QuantityVerdict::Refused) {
        chargeGrid_->rejectCommit();
        return;
    }
    if (outcome.verdict == QuantityVerdict::Commit) {
        const QString issued = Format(outcome.quantity, QStringLiteral("#########0"));
        flexMSEntry->setTextMatrix(row, kColAmount,
                                   TakeHomeLineAmount(SQLConnection(), cell(kColCode), outcome.quantity,
                                                      Val(cell(kColSellPriceIn)), Val(cell(kColFixedCharge))));
        // A discount taken off the old amount does not carry over to the new one.
        ClearSeniorDiscountMark(*flexMSEntry, seniorLine(row), pictures_.tickedBox, pictures_.emptyBox);
        lblPatInfo[6]->setText(TotalCharges());
        chargeGrid_->acceptCommit(issued);
    } else {
        chargeGrid_->rejectCommit();
    }
    flexMSEntry->setTextMatrix(row, kColLogChoice, outcome.logChoice);
}

bool frmCommEntryPres::findSubstitute(int row) {
    const QString code = pickedCode(QString());
    if (Trim(code).isEmpty())
        return false;
    // Searched and checked as an entered item is: at the dispensing location, active, not
    // already on another line.
    ItemCodeRequest request;
    request.typed = code;
    request.acceptBarcode = false;
    request.grid = flexMSEntry;
    request.codeCol = kColCode;
    request.byGeneric = gDrugListByGeneric;
    request.location = gLocationID;
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), drug, request);
    // A code nobody stocks here leaves the line as it was; the quantity is still committed.
    if (outcome.result != ItemCodeResult::Found && outcome.result != ItemCodeResult::Duplicate)
        return true;
    if (!AcceptRequestItem(outcome, drug))
        return false;
    writeItem(row);
    return true;
}

void frmCommEntryPres::flexMSEntry_DblClick(int mouseCol) {
    eventHandler(kPresQuantityModule, QStringLiteral("flexMSEntry_DblClick"), [&] {
        requestGrid().doubleClick(this, mouseCol, Val(txtDiscount->text()), flexMSEntry->col(), pictures_.tickedBox,
                                  pictures_.emptyBox);
    });
}

} // namespace qx
