#include "charging/RequestCellEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/RequestBarcodeWalk.h"
#include "charging/RequestItemEntry.h"
#include "charging/RequestLineEntry.h"
#include "charging/SeniorDiscountToggle.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>

namespace qx {

void RequestCellEntry::commit() const {
    const FlexGrid& grid = *chargeGrid->grid();
    if (grid.col() != columns.issued) {
        lookUp();
        return;
    }
    commitIssuedQuantity(grid.row(), chargeGrid->editorText());
}

void RequestCellEntry::lookUp() const {
    const FlexGrid& grid = *chargeGrid->grid();
    const int row = grid.row();
    const int col = grid.col();
    if (col == columns.code && gCheckBarCode)
        scanItemCode(row);
    else if (col == columns.code)
        enterItemCode(row);
    else if (col == columns.dosage)
        TakeRequestDosage(*chargeGrid, row, columns.requested);
    else
        chargeGrid->rejectCommit();
}

void RequestCellEntry::commitIssuedQuantity(int row, const QString& typed) const {
    Connection& con = SQLConnection();
    FlexGrid& grid = *chargeGrid->grid();
    const auto cell = [&](int col) { return grid.textMatrix(row, col); };
    bool substituteRefused = false;
    QuantityCommitRequest request;
    request.parent = parent;
    request.typed = typed;
    request.stockOnHand = Val(cell(columns.stock));
    if (GetInvSwitch(con, QStringLiteral("110")))
        request.requestedLimit = Val(cell(columns.requested));
    request.refuseOverStock = gAllowZeroOnHand;
    request.overStockRefusal = QStringLiteral(
        "Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand.");
    request.overStockRefusalTitle = QStringLiteral("MESSAGE");
    request.findSubstitute = [&] {
        const bool taken = findSubstitute(row);
        if (!outPatientSubstitute)
            return taken;
        // A refused substitute still meets the large-order question; its answer cannot commit.
        substituteRefused = !taken;
        return true;
    };
    request.askLargeQuantity = true;
    request.description = [&] { return cell(columns.description); };
    request.unitPrice = [&] { return Val(cell(columns.unitPrice)); };
    const QuantityCommitOutcome outcome = CommitQuantity(request);
    if (outcome.verdict == QuantityVerdict::Invalid || outcome.verdict == QuantityVerdict::Refused) {
        chargeGrid->rejectCommit();
        return;
    }
    if (overStockCancelWritesNothing && outcome.overStockAsked &&
        (outcome.logChoice.isEmpty() || outcome.logChoice == QLatin1String("Cancel"))) {
        chargeGrid->rejectCommit();
        return;
    }
    if (outcome.verdict == QuantityVerdict::Commit && !substituteRefused) {
        RequestCommitPricing line;
        line.itemCode = Trim(cell(columns.code));
        line.patientKey = patientKey;
        line.quantity = outcome.quantity;
        line.unitPrice = Val(cell(columns.unitPrice));
        line.fixedCharge = Val(cell(columns.fixedCharge));
        if (outPatientAmount) {
            line.basePrice = Val(cell(columns.priceOut));
            line.fixedChargeAfterSpecialPrices = true;
        }
        grid.setTextMatrix(row, columns.amount, RequestCommitAmount(con, line));
        // A discount taken off this amount would be restored onto a new one: it goes with it.
        ClearSeniorDiscountMark(grid, SeniorDiscountLine{.row = row, .amountCol = columns.amount},
                                pictures.tickedBox, pictures.emptyBox);
        total->setText(totalCharges());
        chargeGrid->acceptCommit(typed);
    } else {
        chargeGrid->rejectCommit();
    }
    grid.setTextMatrix(row, columns.logChoice, outcome.logChoice);
}

bool RequestCellEntry::findSubstitute(int row) const {
    QString code = Trim(gComponents.gDrugList->ShowList());
    if (code.isEmpty())
        return false;
    Connection& con = SQLConnection();
    // A generic picker answers a generic: the search needs one of its items.
    if (gDrugListByGeneric)
        code = GetItemIDByGeneric(con, code);
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const bool found = GetInvSwitch(con, QStringLiteral("89")) ? drug.SearchDrug(code, gLocationID, patientKey)
                                                               : drug.SearchDrug(code);
    if (!found) {
        if (!outPatientSubstitute)
            return true;  // the line keeps its item and the commit goes on
        MsgBox(QStringLiteral("Drug code not found!"), vbExclamation);
        return false;
    }
    describeLine(row);
    priceSubstitute(row);
    return true;
}

void RequestCellEntry::enterItemCode(int row) const {
    const PickedItemCode picked = PickRequestItemCode(*chargeGrid, parent, row, columns.genericMark);
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const RequestItemLookUp found =
        picked.cancelled ? RequestItemLookUp::NotFound
                         : LookUpRequestItem(SQLConnection(), drug, *chargeGrid->grid(), columns.code, picked.text,
                                             false, patientKey);
    if (found == RequestItemLookUp::Taken) {
        describeLine(row);
        priceItemLine(row, false);
        total->setText(totalCharges());
        chargeGrid->acceptCommit(drug.DrugCode());
    } else if (found == RequestItemLookUp::NotFound) {
        // Nothing found, a typed code included: the editor keeps the text and takes the focus.
        chargeGrid->focusEditor();
    } else {
        chargeGrid->rejectCommit();
    }
}

void RequestCellEntry::scanItemCode(int row) const {
    const PickedItemCode picked = PickRequestItemCode(*chargeGrid, parent, row, columns.genericMark);
    RequestBarcodeWalk walk;
    walk.parent = parent;
    walk.chargeGrid = chargeGrid;
    walk.codeCol = columns.code;
    walk.barcodeCol = columns.barcode;
    walk.scanFlagCol = columns.scanFlag;
    walk.check = pictures.check;
    walk.wrong = pictures.wrong;
    walk.cancelled = cancelledScan;
    walk.scanRow = scanRow;
    walk.cancelLine = cancelLine;
    // A name or a generic the picker resolved is only compared where a change takes typed codes.
    const bool changeable = !changeOnlyTypedCodes || (!picked.named && !picked.cancelled);
    walk.changeLine = [this, changeable](int line, const QString& scanned) {
        if (!changeable || LookUpRequestItem(SQLConnection(), gComponents.gDrug->Drug(), *chargeGrid->grid(),
                                             columns.code, scanned, true, patientKey) != RequestItemLookUp::Taken)
            return false;
        describeLine(line);
        priceItemLine(line, true);
        total->setText(totalCharges());
        return true;
    };
    walk.verify(picked.text);
}

void RequestCellEntry::describeLine(int row) const {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    FlexGrid& grid = *chargeGrid->grid();
    // The line is posted under its code: it names the item its prices and names describe.
    grid.setTextMatrix(row, columns.code, drug.DrugCode());
    grid.setTextMatrix(row, columns.description, drug.DrugName() + u' ' + drug.Description());
    WriteRequestItemNames(con, grid, row, drug.DrugCode(), RequestGridColumns{});
    grid.setTextMatrix(row, columns.stock, Text(drug.Invent().StockOnHand));
}

} // namespace qx
