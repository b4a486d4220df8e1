// frmCommEntryPres: the editor's look-up on the code column (item entry and substitution, the
// barcode check) and on the dosage column.
#include "prescriptions/frmCommEntryPres.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "charging/RequestBarcodeWalk.h"
#include "charging/RequestLineEntry.h"
#include "charging/SeniorDiscountToggle.h"
#include "charging/TakeHomePriceRule.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>

namespace qx {

namespace {
const QString kPresEntryModule = QStringLiteral("frmCommEntryPres");
} // namespace

void frmCommEntryPres::txtEntry_DblClick() {
    eventHandler(kPresEntryModule, QStringLiteral("txtEntry_DblClick"), [&] {
        if (flexMSEntry->col() == kColIssued)
            commitIssuedQuantity(flexMSEntry->row(), chargeGrid_->editorText());
        else
            cmdEntry_Click();
    });
}

void frmCommEntryPres::cmdEntry_Click() {
    eventHandler(kPresEntryModule, QStringLiteral("cmdEntry_Click"), [&] {
        const int row = flexMSEntry->row();
        const int col = flexMSEntry->col();
        if (col == kColCode && gCheckBarCode)
            checkBarcode();
        else if (col == kColCode)
            enterItemCode(row);
        else if (col == kColDosage)
            TakeRequestDosage(*chargeGrid_, row, kColRequested);
        else
            chargeGrid_->rejectCommit();
    });
}

QString frmCommEntryPres::pickedCode(const QString& text) {
    DrugPicker::DrugList& picker = *gComponents.gDrugList;
    return gDrugListByGeneric ? picker.ShowList() : picker.ShowList(text, std::nullopt, gLocationID);
}

void frmCommEntryPres::enterItemCode(int row) {
    ItemCodeRequest request;
    request.typed = chargeGrid_->editorText();
    request.acceptBarcode = false;
    request.grid = flexMSEntry;
    request.codeCol = kColCode;
    request.parent = this;
    request.chooseLocation = gPharmaSwitches.IsKelvarHospital();
    request.pick = [this](const QString& text) { return pickedCode(text); };
    request.byGeneric = gDrugListByGeneric;
    request.location = gLocationID;
    if (takeItem(row, request))
        chargeGrid_->acceptCommit(gComponents.gDrug->Drug().DrugCode());
    else
        chargeGrid_->rejectCommit();
}

bool frmCommEntryPres::takeItem(int row, const ItemCodeRequest& request) {
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), drug, request);
    if (outcome.code != request.typed)
        chargeGrid_->setEditorText(outcome.code);
    if (!AcceptRequestItem(outcome, drug))
        return false;
    // The line is posted under column 1: it names the item its prices and names describe.
    flexMSEntry->setTextMatrix(row, kColCode, drug.DrugCode());
    fillLine(row);
    return true;
}

void frmCommEntryPres::writeItem(int row) {
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    flexMSEntry->setTextMatrix(row, kColCode, drug.DrugCode());
    flexMSEntry->setTextMatrix(row, kColDescription, drug.DrugName() + u' ' + drug.Description());
    flexMSEntry->setTextMatrix(row, kColStock, Text(drug.Invent().StockOnHand));
    priceLine(row);
}

void frmCommEntryPres::priceLine(int row) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const InpatientBasePrice price =
        TakeHomeUnitPrice(con, drug, Trim(lblPatInfo[7]->text()), Val(lblMarkUp->text()));
    flexMSEntry->setTextMatrix(row, kColSellPriceIn, price.unitPrice);
    flexMSEntry->setTextMatrix(row, kColPriceTaken, price.unitPrice);
    flexMSEntry->setTextMatrix(row, kColFixedCharge, Text(GetFixedCharge(con, drug.DrugCode(), gLocationID)));
}

void frmCommEntryPres::fillLine(int row) {
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
    writeItem(row);
    flexMSEntry->setTextMatrix(row, kColPriceOut, Text(drug.Invent().SellingPriceOut));
    flexMSEntry->setTextMatrix(row, kColBarCode, drug.Invent().Barcode);
    const double quantity = Val(cell(kColIssued));
    if (quantity > 0) {
        flexMSEntry->setTextMatrix(row, kColAmount,
                                   TakeHomeLineAmount(SQLConnection(), cell(kColCode), quantity,
                                                      Val(cell(kColSellPriceIn)), Val(cell(kColFixedCharge))));
        // A discount taken off the old amount does not carry over to the new one.
        ClearSeniorDiscountMark(*flexMSEntry, seniorLine(row), pictures_.tickedBox, pictures_.emptyBox);
        lblPatInfo[6]->setText(TotalCharges());
    }
}

void frmCommEntryPres::checkBarcode() {
    QString scanned = chargeGrid_->editorText();
    if (gPharmaSwitches.IsKelvarHospital())
        ChooseDispensingLocation(this);
    if (!IsNumeric(scanned)) {
        scanned = pickedCode(scanned);
        chargeGrid_->setEditorText(scanned);
    }
    RequestBarcodeWalk walk{.parent = this,
                            .chargeGrid = chargeGrid_,
                            .codeCol = kColCode,
                            .barcodeCol = kColBarCode,
                            .scanFlagCol = kColScanned,
                            .check = pictures_.check,
                            .wrong = pictures_.wrong,
                            .scanRow = &barcodeCheckRow_};
    walk.cancelLine = [this] { return lineActions().cancelLine(); };
    walk.changeLine = [this](int line, const QString& code) {
        ItemCodeRequest request;
        request.typed = code;
        request.acceptBarcode = false;
        request.grid = flexMSEntry;
        request.codeCol = kColCode;
        request.location = gLocationID;
        return takeItem(line, request);
    };
    walk.verify(scanned);
}

} // namespace qx
