#include "charging/RequestItemEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/ItemEntry.h"
#include "charging/RequestLineEntry.h"
#include "charging/SeniorDiscountToggle.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

namespace qx {

PickedItemCode PickRequestItemCode(ChargeGrid& chargeGrid, QWidget* parent, int row, int genericMarkCol) {
    PickedItemCode picked;
    picked.text = chargeGrid.editorText();
    if (gPharmaSwitches.IsKelvarHospital())
        ChooseDispensingLocation(parent);
    DrugPicker::DrugList& picker = *gComponents.gDrugList;
    if (!IsNumeric(picked.text)) {
        picked.named = true;
        picked.text = gDrugListByGeneric ? picker.ShowList() : picker.ShowList(picked.text, std::nullopt, gLocationID);
    } else if (chargeGrid.grid()->textMatrix(row, genericMarkCol) == QLatin1String("*")) {
        // A generic request: the product is chosen among that generic's items.
        const QString taken =
            gDrugListByGeneric ? picker.ShowList() : picker.ShowList(std::nullopt, std::nullopt, gLocationID, picked.text);
        picked.named = gDrugListByGeneric;
        if (taken.isEmpty())
            picked.cancelled = true;
        else
            picked.text = taken;
    }
    chargeGrid.setEditorText(picked.text);
    return picked;
}

RequestItemLookUp LookUpRequestItem(Connection& con, DrugCatalog::Drug& drug, const FlexGrid& grid, int codeCol,
                                    const QString& code, bool scanned, const QString& patientKey) {
    ItemCodeRequest request;
    request.typed = code;
    request.acceptBarcode = scanned;
    request.grid = &grid;
    request.codeCol = codeCol;
    request.byGeneric = gDrugListByGeneric && !scanned;
    request.location = gLocationID;
    request.patientKey = patientKey;
    const ItemCodeOutcome outcome = ResolveItemCode(con, drug, request);
    if (AcceptRequestItem(outcome, drug))
        return RequestItemLookUp::Taken;
    return outcome.result == ItemCodeResult::Found || outcome.result == ItemCodeResult::Duplicate
               ? RequestItemLookUp::Refused
               : RequestItemLookUp::NotFound;
}

void FinishRequestLineFill(Connection& con, FlexGrid& grid, const RequestGridColumns& columns,
                           const RequestLineFill& fill, const RequestGridPictures& pictures) {
    const int row = fill.row;
    QString amount = fill.amount;
    grid.setCellBackColorAt(row, columns.code, colors::InfoBackground);
    const InpatientSpecialPrices special =
        ApplyInpatientSpecialPrices(con, fill.itemCode, fill.patientKey, fill.quantity, fill.unitPrice, 0, true, true);
    if (special.replaced) {
        grid.setTextMatrix(row, columns.unitPrice, special.unitPrice);
        amount = special.amount;
    }
    if (special.mdrp)
        grid.setCellBackColorAt(row, columns.code, kMDRPCellColor);
    grid.setTextMatrix(row, columns.amount, amount);
    // The amount is new: a discount taken off the old one no longer applies.
    ClearSeniorDiscountMark(grid, SeniorDiscountLine{.row = row, .amountCol = columns.amount}, pictures.tickedBox,
                            pictures.emptyBox);
    const int genericMark = columns.genericMarks.empty() ? -1 : columns.genericMarks.front();
    if (genericMark >= 0 && grid.textMatrix(row, genericMark) == QLatin1String("*")) {
        grid.setTextMatrix(row, 0, grid.textMatrix(row, 0).remove(u'+'));
        grid.setTextMatrix(row, genericMark, QString());
    }
    grid.setTextMatrix(row, columns.barcode, fill.barcode);
}

} // namespace qx
