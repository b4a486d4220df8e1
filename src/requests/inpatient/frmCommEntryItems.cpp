// frmCommEntry: the "..." action (item code with its pickers and barcode check, dosage), the line
// filled from a found item, the out-patient price box, and cancelling or delaying a line.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "charging/RequestBarcodeWalk.h"
#include "charging/RequestItemEntry.h"
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
            const QString scanned = PickRequestItemCode(*chargeGrid_, this, row, kColGenericMark).text;
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

void frmCommEntry::enterItemCode(int row) {
    const PickedItemCode picked = PickRequestItemCode(*chargeGrid_, this, row, kColGenericMark);
    if (!picked.cancelled && lookUpAndFill(row, picked.text, false))
        chargeGrid_->acceptCommit(gComponents.gDrug->Drug().DrugCode());
    else
        chargeGrid_->rejectCommit();
}

bool frmCommEntry::lookUpAndFill(int row, const QString& code, bool scanned) {
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    if (LookUpRequestItem(SQLConnection(), drug, *grdItemList, kColCode, code, scanned, Trim(lblPatInfo[7]->text())) !=
        RequestItemLookUp::Taken)
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
    // HMO, VA and MDRP replace the unit price and the amount; the fixed charge only the amount.
    FinishRequestLineFill(con, *grdItemList, RequestGridColumns{},
                          {.row = row,
                           .itemCode = code,
                           .patientKey = admission,
                           .quantity = quantity,
                           .unitPrice = unitPrice,
                           .amount = amount,
                           .barcode = drug.Invent().Barcode},
                          pictures_);
    lblPatInfo[6]->setText(TotalCharges());
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
