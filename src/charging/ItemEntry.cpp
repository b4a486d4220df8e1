#include "charging/ItemEntry.h"

#include "charging/frmListDrugs.h"
#include "charging/frmOverQty.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/ItemLookups.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

namespace qx {

bool SearchItemAt(Connection& con, DrugCatalog::Drug& drug, const QString& code,
                  const std::optional<QString>& location, const QString& patientKey) {
    if (GetInvSwitch(con, QStringLiteral("89")))
        return drug.SearchDrug(code, location, patientKey);
    return drug.SearchDrug(code, location);
}

QString ChooseDispensingLocation(QWidget* parent) {
    frmListDrugs chooser(parent);
    chooser.setLocationID(gLocationID);
    showModal(chooser);
    // The choice holds for the rest of the run, on this screen and others.
    gLocationID = chooser.LocationID();
    return gLocationID;
}

ItemCodeOutcome ResolveItemCode(Connection& con, DrugCatalog::Drug& drug, const ItemCodeRequest& request) {
    ItemCodeOutcome outcome;
    QString code = request.acceptBarcode ? GetItemIDByBarcode(con, Trim(request.typed)) : request.typed;
    std::optional<QString> location = request.location;
    if (request.chooseLocation)
        location = ChooseDispensingLocation(request.parent);
    if (!IsNumeric(code) && request.pick)
        code = request.pick(code);
    outcome.code = code;
    // An empty code matches every blank line: nothing to look up, nothing to say.
    if (request.grid && GridHasValue(*request.grid, request.codeCol, code, request.firstRow)) {
        outcome.result = code.isEmpty() ? ItemCodeResult::Empty : ItemCodeResult::Duplicate;
        return outcome;
    }
    if (request.byGeneric) {
        code = GetItemIDByGeneric(con, Trim(code));
        outcome.code = code;
        // The generic's item may be on another line already: the same medicine twice.
        if (request.grid && !code.isEmpty() && GridHasValue(*request.grid, request.codeCol, code, request.firstRow)) {
            outcome.result = ItemCodeResult::Duplicate;
            return outcome;
        }
    }
    outcome.result = SearchItemAt(con, drug, code, location, request.patientKey) ? ItemCodeResult::Found
                                                                                 : ItemCodeResult::NotFound;
    return outcome;
}

QuantityCommitOutcome CommitQuantity(const QuantityCommitRequest& request) {
    QuantityCommitOutcome outcome;
    const double quantity = request.leadingNumber ? Val(request.typed) : ToDouble(request.typed);
    if (request.refuseNonPositive && !(quantity > 0)) {
        ShowInfo(QStringLiteral("Quantity is invalid."));
        return outcome;
    }
    if (request.requestedLimit && quantity > *request.requestedLimit) {
        ShowInfo(QStringLiteral("Quantity issued is greater then quantity requested. Transaction terminated."));
        return outcome;
    }
    if (request.wholeOnly && HasFraction(Trim(request.typed))) {
        ShowInfo(QStringLiteral("Invalid quantity because of the decimal."));
        return outcome;
    }
    if (request.refillLeft && *request.refillLeft < quantity) {
        const QString question =
            QStringLiteral("Quantity of item to be dispensed is more than the number of item left for refill. "
                           "Patient  has ") +
            Text(*request.refillLeft) + QStringLiteral(" item/s left for refill. DO YOU WANT TO CONTINUE?");
        if (MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("DO YOU WANT TO CONTINUE?")) != vbYes) {
            outcome.refillDeclined = true;
            return outcome;
        }
    }
    outcome.quantity = quantity;
    outcome.verdict = QuantityVerdict::Commit;
    bool cancelled = false;
    if (request.checkStock && request.stockOnHand < quantity) {
        if (request.refuseOverStock) {
            if (request.overStockRefusalTitle.isEmpty())
                ShowInfo(request.overStockRefusal);
            else
                MsgBox(request.overStockRefusal, vbInformation, request.overStockRefusalTitle);
            outcome.verdict = QuantityVerdict::Refused;
            return outcome;
        }
        frmOverStock overStock(request.parent);
        showModal(overStock);
        outcome.overStockAsked = true;
        outcome.logChoice = overStock.LogChoice();
        const QString choice = overStock.Choice();
        // Closed without a choice counts as a cancel: nothing beyond the stock is committed.
        if (choice == QLatin1String("X") || choice.isEmpty()) {
            cancelled = true;
            outcome.verdict = QuantityVerdict::Uncommitted;
        } else if (choice == QLatin1String("2") && request.substituteEndsEntry) {
            if (request.findSubstitute)
                request.findSubstitute();
            outcome.verdict = QuantityVerdict::Uncommitted;
            return outcome;
        } else if (choice == QLatin1String("2") && request.findSubstitute && !request.findSubstitute()) {
            outcome.verdict = QuantityVerdict::Uncommitted;
        }
    }
    const bool stillCommitting = !cancelled && outcome.verdict == QuantityVerdict::Commit;
    if (request.askLargeQuantity && (stillCommitting || request.askLargeAfterAnyAnswer)) {
        const double unitPrice = request.unitPrice ? request.unitPrice() : 0;
        if (frmOverQty::needsConfirmation(quantity, unitPrice)) {
            frmOverQty large(request.parent);
            large.setDrugName(request.description ? request.description() : QString());
            large.setQuantity(quantity);
            large.setUnitPrice(unitPrice);
            showModal(large);
            if (large.Choice() == 2)
                outcome.verdict = QuantityVerdict::Uncommitted;
        }
    }
    return outcome;
}

LinePrice AskPriceChange(QWidget* parent, const LinePrice& line) {
    frmPriceInOut price(parent);
    price.setItemDesc(line.description);
    price.setItemQuantity(line.quantity);
    price.setItemPrice(line.itemPrice);
    price.setNewItemPrice(line.newItemPrice);
    price.setTotalAmount(line.totalAmount);
    showModal(price);
    LinePrice result = line;
    result.itemPrice = price.ItemPrice();
    result.totalAmount = price.TotalAmount();
    result.quantity = price.ItemQuantity();
    return result;
}

} // namespace qx
