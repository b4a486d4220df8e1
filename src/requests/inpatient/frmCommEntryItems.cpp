// frmCommEntry: the "..." action over the shared request-line entry, the line priced from a found
// item, the out-patient price box, and cancelling or delaying a line.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/PriceLookups.h"
#include "charging/RequestCellEntry.h"
#include "charging/RequestItemEntry.h"
#include "charging/RequestLineStates.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QLabel>

namespace qx {

namespace {
const QString kCommEntryItemsModule = QStringLiteral("frmCommEntry");
} // namespace

void frmCommEntry::cmdEntry_Click() {
    eventHandler(kCommEntryItemsModule, QStringLiteral("cmdEntry_Click"), [&] { cellEntry().lookUp(); });
}

void frmCommEntry::fillLine(int row) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const QString code = drug.DrugCode();
    const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
    writeItemColumns(row);
    grdItemList->setTextMatrix(row, kColPriceOut, Text(drug.Invent().SellingPriceOut));

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
                           .patientKey = Trim(lblPatInfo[7]->text()),
                           .quantity = quantity,
                           .unitPrice = unitPrice,
                           .amount = amount,
                           .barcode = drug.Invent().Barcode},
                          pictures_);
}

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
