// frmCommEntry: the cell editor's commit, the issued quantity with its prompts and amount, and the
// substitute drug taken from the over-stock prompt.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "charging/RequestLineEntry.h"
#include "charging/SeniorDiscountToggle.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kCommEntryEditModule = QStringLiteral("frmCommEntry");
} // namespace

QString frmCommEntry::TotalCharges() const {
    return generalProcedure(kCommEntryEditModule, QStringLiteral("TotalCharges"),
                            [&] { return chargeGrid_->columnTotal(kColAmount); });
}

void frmCommEntry::txtEntry_DblClick() {
    eventHandler(kCommEntryEditModule, QStringLiteral("txtEntry_DblClick"), [&] {
        if (grdItemList->col() != kColIssued) {
            cmdEntry_Click();
            return;
        }
        commitIssuedQuantity(grdItemList->row(), chargeGrid_->editorText());
    });
}

void frmCommEntry::commitIssuedQuantity(int row, const QString& typed) {
    Connection& con = SQLConnection();
    const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
    QuantityCommitRequest request;
    request.parent = this;
    request.typed = typed;
    request.stockOnHand = Val(cell(kColStock));
    if (GetInvSwitch(con, QStringLiteral("110")))
        request.requestedLimit = Val(cell(kColRequested));
    request.refuseOverStock = gAllowZeroOnHand;
    request.overStockRefusal = QStringLiteral(
        "Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand.");
    request.overStockRefusalTitle = QStringLiteral("MESSAGE");
    request.findSubstitute = [&] { return findSubstitute(row); };
    request.askLargeQuantity = true;
    request.description = [&] { return cell(kColDescription); };
    request.unitPrice = [&] { return Val(cell(kColSellPriceIn)); };
    const QuantityCommitOutcome outcome = CommitQuantity(request);
    if (outcome.verdict == QuantityVerdict::Invalid || outcome.verdict == QuantityVerdict::Refused) {
        chargeGrid_->rejectCommit();
        return;
    }
    if (outcome.verdict == QuantityVerdict::Commit) {
        const RequestCommitPricing line{.itemCode = Trim(cell(kColCode)),
                                        .patientKey = Trim(lblPatInfo[7]->text()),
                                        .quantity = outcome.quantity,
                                        .unitPrice = Val(cell(kColSellPriceIn)),
                                        .fixedCharge = Val(cell(kColFixedCharge))};
        grdItemList->setTextMatrix(row, kColAmount, RequestCommitAmount(con, line));
        // A discount taken off this amount would be restored onto a new one: it goes with it.
        ClearSeniorDiscountMark(*grdItemList, SeniorDiscountLine{.row = row}, pictures_.tickedBox,
                                pictures_.emptyBox);
        lblPatInfo[6]->setText(TotalCharges());
        chargeGrid_->acceptCommit(typed);
    } else {
        chargeGrid_->rejectCommit();
    }
    grdItemList->setTextMatrix(row, kColLogChoice, outcome.logChoice);
}

bool frmCommEntry::findSubstitute(int row) {
    QString code = gComponents.gDrugList->ShowList();
    if (Trim(code).isEmpty())
        return false;
    Connection& con = SQLConnection();
    // A generic picker answers a generic: the search needs one of its items.
    if (gDrugListByGeneric)
        code = GetItemIDByGeneric(con, Trim(code));
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const bool found = GetInvSwitch(con, QStringLiteral("89"))
                           ? drug.SearchDrug(code, gLocationID, Trim(lblPatInfo[7]->text()))
                           : drug.SearchDrug(code);
    if (found)
        substituteLine(row);
    return true;
}

void frmCommEntry::substituteLine(int row) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    grdItemList->setTextMatrix(row, kColCode, drug.DrugCode());
    writeItemColumns(row);
}

void frmCommEntry::writeItemColumns(int row) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const QString code = drug.DrugCode();
    const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
    put(kColDescription, drug.DrugName() + u' ' + drug.Description());
    WriteRequestItemNames(con, *grdItemList, row, code, RequestGridColumns{});
    put(kColStock, Text(drug.Invent().StockOnHand));
    const InpatientPatient patient{.admission = Trim(lblPatInfo[7]->text()),
                                   .roomMarkUp = Val(lblMarkUp->text()),
                                   .sponsorshipBranch = false,
                                   .plainPriceText = true};
    const QString unitPrice = InpatientBaseUnitPrice(con, drug, patient).unitPrice;
    put(kColSellPriceIn, unitPrice);
    put(kColPriceTaken, unitPrice);
    put(kColFixedCharge, Text(GetFixedCharge(con, code, gLocationID)));
}

} // namespace qx
