// frmCommEntryOP: the grid's events, the cell editor's commit of an issued quantity with its
// prompts and amount, and the substitute drug taken from the over-stock prompt.
#include "requests/outpatient/frmCommEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/OutPatientPricing.h"
#include "charging/PriceLookups.h"
#include "charging/RequestLineEntry.h"
#include "charging/RequestLineLoader.h"
#include "charging/RequestScreenGrid.h"
#include "charging/SeniorDiscountToggle.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "requests/outpatient/ComputeUnitPrice.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kOPEntryModule = QStringLiteral("frmCommEntryOP");
} // namespace

void frmCommEntryOP::connectGridEvents() {
    chargeGrid_->toolTipFor = [this](int, int) {
        return QStringLiteral("REMARKS: ") + grdItemList->textMatrix(grdItemList->row(), kColRemarks);
    };
    connect(chargeGrid_, &ChargeGrid::escapePressed, this, &frmCommEntryOP::cmdClose_Click);
    connect(chargeGrid_, &ChargeGrid::cellEntered, this, &frmCommEntryOP::grdItemList_EnterCell);
    connect(chargeGrid_, &ChargeGrid::gridFocused, this, &frmCommEntryOP::grdItemList_GotFocus);
    connect(chargeGrid_, &ChargeGrid::cellDoubleClicked, this,
            [this](int, int, int mouseCol) { grdItemList_DblClick(mouseCol); });
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmCommEntryOP::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmCommEntryOP::cmdEntry_Click);
}

QString frmCommEntryOP::TotalCharges() const {
    return generalProcedure(kOPEntryModule, QStringLiteral("TotalCharges"),
                            [&] { return chargeGrid_->columnTotal(kColAmount); });
}

void frmCommEntryOP::grdItemList_EnterCell() {
    eventHandler(kOPEntryModule, QStringLiteral("grdItemList_EnterCell"), [&] {
        const int row = grdItemList->row();
        if (gCheckBarCode)
            barcodeCheckRow_ = row;
        cmdCancel->setEnabled(grdItemList->textMatrix(row, kColDosage) != kCancelledLineState);
        if (canSave()) {
            cmdPrintSave->setEnabled(true);
            cmdSave->setEnabled(true);
        }
        LoadListProfile(lblPatInfo[7]->text(), grdItemList->textMatrix(row, kColCode), row);
    });
}

void frmCommEntryOP::grdItemList_GotFocus() {
    eventHandler(kOPEntryModule, QStringLiteral("grdItemList_GotFocus"), [&] {
        const bool savable = canSave();
        cmdSave->setEnabled(savable);
        cmdPrintSave->setEnabled(savable);
    });
}

void frmCommEntryOP::grdItemList_DblClick(int mouseCol) {
    eventHandler(kOPEntryModule, QStringLiteral("grdItemList_DblClick"), [&] {
        requestGrid().doubleClick(this, mouseCol, Val(txtDiscount->text()), kColSCDiscount, pictures_.tickedBox,
                                  pictures_.emptyBox);
    });
}

void frmCommEntryOP::txtEntry_DblClick() {
    eventHandler(kOPEntryModule, QStringLiteral("txtEntry_DblClick"), [&] {
        if (grdItemList->col() != kColIssued) {
            cmdEntry_Click();
            return;
        }
        commitIssuedQuantity(grdItemList->row(), chargeGrid_->editorText());
    });
}

void frmCommEntryOP::commitIssuedQuantity(int row, const QString& typed) {
    Connection& con = SQLConnection();
    const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
    // A refused substitute still meets the large-order question; its answer cannot commit.
    bool substituteRefused = false;
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
    request.findSubstitute = [&] {
        substituteRefused = !findSubstitute(row);
        return true;
    };
    request.askLargeQuantity = true;
    request.description = [&] { return cell(kColDescription); };
    request.unitPrice = [&] { return Val(cell(kColUnitPrice)); };
    const QuantityCommitOutcome outcome = CommitQuantity(request);
    if (outcome.verdict == QuantityVerdict::Invalid || outcome.verdict == QuantityVerdict::Refused) {
        chargeGrid_->rejectCommit();
        return;
    }
    const bool overStockCancelled =
        outcome.overStockAsked && (outcome.logChoice.isEmpty() || outcome.logChoice == QLatin1String("Cancel"));
    if (overStockCancelled) {
        chargeGrid_->rejectCommit();
        return;
    }
    if (outcome.verdict == QuantityVerdict::Commit && !substituteRefused) {
        const RequestCommitPricing line{.itemCode = Trim(cell(kColCode)),
                                        .patientKey = Trim(lblPatInfo[7]->text()),
                                        .quantity = outcome.quantity,
                                        .unitPrice = Val(cell(kColUnitPrice)),
                                        .fixedCharge = Val(cell(kColFixedCharge)),
                                        .basePrice = Val(cell(kColPriceOut)),
                                        .fixedChargeAfterSpecialPrices = true};
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

bool frmCommEntryOP::findSubstitute(int row) {
    QString code = Trim(gComponents.gDrugList->ShowList());
    if (code.isEmpty())
        return false;
    Connection& con = SQLConnection();
    // A generic picker answers a generic: the search needs one of its items.
    if (gDrugListByGeneric)
        code = GetItemIDByGeneric(con, code);
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const QString visit = Trim(lblPatInfo[7]->text());
    const bool found = GetInvSwitch(con, QStringLiteral("89")) ? drug.SearchDrug(code, gLocationID, visit)
                                                               : drug.SearchDrug(code);
    if (!found) {
        MsgBox(QStringLiteral("Drug code not found!"), vbExclamation);
        return false;
    }
    const QString item = drug.DrugCode();
    const DrugCatalog::InventRecord& invent = drug.Invent();
    const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
    put(kColCode, item);
    put(kColDescription, drug.DrugName() + u' ' + drug.Description());
    RequestGridColumns names;
    WriteRequestItemNames(con, *grdItemList, row, item, names);
    put(kColStock, Text(invent.StockOnHand));
    // The rule's own price: the special prices leave this column alone here.
    put(kColUnitPrice, OutPatientBaseUnitPrice(con, invent,
                                               {.itemCode = item,
                                                .visitId = visit,
                                                .outPriceAccount = isForOutPrice(con, strAccountNum_)}));
    put(kColPriceIn, Text(invent.SellingPriceIn));
    put(kColPriceOut, Text(invent.SellingPriceOut));
    put(kColFixedCharge, Text(GetFixedCharge(con, item, gLocationID)));
    return true;
}

} // namespace qx
