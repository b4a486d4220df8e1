// frmCommEntry: the "..." action (item code with its pickers and barcode check, dosage), the line
// filled from a found item, the out-patient price box, and cancelling or delaying a line.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "charging/RequestBarcodeWalk.h"
#include "charging/RequestLineEntry.h"
#include "charging/SeniorDiscountToggle.h"
#include "components/Connection.h"
#include "components/DoseForms.h"
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

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kCommEntryItemsModule = QStringLiteral("frmCommEntry");
} // namespace

void frmCommEntry::cmdEntry_Click() {
    eventHandler(kCommEntryItemsModule, QStringLiteral("cmdEntry_Click"), [&] {
        const int row = grdItemList->row();
        const int col = grdItemList->col();
        if (col == kColCode && gCheckBarCode) {
            bool codeGiven = true;
            const QString scanned = pickItemCode(row, codeGiven);
            RequestBarcodeWalk walk{.parent = this,
                                    .chargeGrid = chargeGrid_,
                                    .check = pictures_.check,
                                    .wrong = pictures_.wrong,
                                    .scanRow = &barcodeCheckRow_};
            walk.cancelLine = [this] { return lineActions().cancelLine(); };
            walk.changeLine = [this](int line, const QString& code) { return lookUpAndFill(line, code, true); };
            walk.verify(scanned);
        } else if (col == kColCode) {
            enterItemCode(row);
        } else if (col == kColDosage) {
            takeDosage(row);
        } else {
            chargeGrid_->rejectCommit();
        }
    });
}

QString frmCommEntry::pickItemCode(int row, bool& codeGiven) {
    codeGiven = true;
    QString text = chargeGrid_->editorText();
    if (gPharmaSwitches.IsKelvarHospital())
        ChooseDispensingLocation(this);
    DrugPicker::DrugList& picker = *gComponents.gDrugList;
    if (!IsNumeric(text)) {
        text = gDrugListByGeneric ? picker.ShowList() : picker.ShowList(text, std::nullopt, gLocationID);
    } else if (grdItemList->textMatrix(row, kColGenericMark) == QLatin1String("*")) {
        // A generic request: the product is chosen among that generic's items.
        const QString taken = gDrugListByGeneric ? picker.ShowList()
                                                 : picker.ShowList(std::nullopt, std::nullopt, gLocationID, text);
        if (taken.isEmpty())
            codeGiven = false;
        else
            text = taken;
    }
    chargeGrid_->setEditorText(text);
    return text;
}

void frmCommEntry::enterItemCode(int row) {
    bool codeGiven = true;
    const QString code = pickItemCode(row, codeGiven);
    if (codeGiven && lookUpAndFill(row, code, false))
        chargeGrid_->acceptCommit(gComponents.gDrug->Drug().DrugCode());
    else
        chargeGrid_->rejectCommit();
}

bool frmCommEntry::lookUpAndFill(int row, const QString& code, bool scanned) {
    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    ItemCodeRequest request;
    request.typed = code;
    // A scan names an item by its barcode; a typed code is the item's own.
    request.acceptBarcode = scanned;
    request.grid = grdItemList;
    request.codeCol = kColCode;
    request.byGeneric = gDrugListByGeneric && !scanned;
    request.location = gLocationID;
    request.patientKey = Trim(lblPatInfo[7]->text());
    if (!AcceptRequestItem(ResolveItemCode(con, drug, request), drug))
        return false;
    // The line is posted under column 1: it must name the item its prices and names describe.
    grdItemList->setTextMatrix(row, kColCode, drug.DrugCode());
    fillLine(row);
    return true;
}

void frmCommEntry::fillLine(int row) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const QString code = drug.DrugCode();
    const QString admission = Trim(lblPatInfo[7]->text());
    const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
    const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
    writeItemColumns(row);
    put(kColPriceOut, Text(drug.Invent().SellingPriceOut));

    const double quantity = Val(cell(kColIssued));
    const QString unitPrice = cell(kColSellPriceIn);
    QString amount;
    if (GetFixedCharge(con, Trim(code), gLocationID) != 0)
        amount = Format(Val(cell(kColFixedCharge)) * quantity, QStringLiteral("#####0.00"));
    else
        amount = Format(Val(chkOPPrice->isChecked() ? cell(kColPriceOut) : unitPrice) * quantity,
                        QStringLiteral("######.00"));
    grdItemList->setCellBackColorAt(row, kColCode, colors::InfoBackground);
    // HMO, VA and MDRP replace the unit price and the amount; the fixed charge only the amount.
    const InpatientSpecialPrices special =
        ApplyInpatientSpecialPrices(con, code, admission, quantity, unitPrice, 0, true, true);
    if (special.replaced) {
        put(kColSellPriceIn, special.unitPrice);
        amount = special.amount;
    }
    if (special.mdrp)
        grdItemList->setCellBackColorAt(row, kColCode, kMDRPCellColor);
    put(kColAmount, amount);
    ClearSeniorDiscountMark(*grdItemList, SeniorDiscountLine{.row = row}, pictures_.tickedBox, pictures_.emptyBox);
    lblPatInfo[6]->setText(TotalCharges());
    if (cell(kColGenericMark) == QLatin1String("*")) {
        put(0, cell(0).remove(u'+'));
        put(kColGenericMark, QString());
    }
    put(kColBarCode, drug.Invent().Barcode);
}

void frmCommEntry::takeDosage(int row) { TakeRequestDosage(*chargeGrid_, row, kColRequested); }

void frmCommEntry::chkOPPrice_Click() {
    eventHandler(kCommEntryItemsModule, QStringLiteral("chkOPPrice_Click"), [&] {
        const int priceCol = chkOPPrice->isChecked() ? kColPriceOut : kColSellPriceIn;
        for (int row = 1; row < grdItemList->rows(); ++row) {
            const QString state = grdItemList->textMatrix(row, kColDosage);
            // A line without an item, or one in a state, has no amount to price.
            if (Trim(grdItemList->textMatrix(row, kColCode)).isEmpty() || state == kCancelledLineState ||
                state == kDelayedLineState)
                continue;
            const double amount =
                Val(grdItemList->textMatrix(row, priceCol)) * Val(grdItemList->textMatrix(row, kColRequested));
            grdItemList->setTextMatrix(row, kColAmount, Format(amount, QStringLiteral("######.00")));
        }
    });
}

void frmCommEntry::cmdCancel_Click() {
    eventHandler(kCommEntryItemsModule, QStringLiteral("cmdCancel_Click"), [&] { lineActions().cancelLine(); });
}

void frmCommEntry::cmdDelay_Click() {
    eventHandler(kCommEntryItemsModule, QStringLiteral("cmdDelay_Click"), [&] { lineActions().delayLine(); });
}

} // namespace qx
