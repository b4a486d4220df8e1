// frmCommEntryOP: the "..." action (the item code with its pickers and barcode check, the
// dosage) and the line filled from a found item by the out-patient rule.
#include "requests/outpatient/frmCommEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/OutPatientPricing.h"
#include "charging/PriceLookups.h"
#include "charging/RequestBarcodeWalk.h"
#include "charging/RequestItemEntry.h"
#include "charging/RequestLineEntry.h"
#include "charging/RequestScreenGrid.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "requests/outpatient/ComputeUnitPrice.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>

namespace qx {

namespace {
const QString kOPItemsModule = QStringLiteral("frmCommEntryOP");
} // namespace

void frmCommEntryOP::cmdEntry_Click() {
    eventHandler(kOPItemsModule, QStringLiteral("cmdEntry_Click"), [&] {
        const int row = grdItemList->row();
        const int col = grdItemList->col();
        if (col == kColCode && gCheckBarCode) {
            const PickedItemCode picked = PickRequestItemCode(*chargeGrid_, this, row, kColGenericMark);
            RequestBarcodeWalk walk{.parent = this,
                                    .chargeGrid = chargeGrid_,
                                    .codeCol = kColCode,
                                    .barcodeCol = kColBarCode,
                                    .scanFlagCol = kColScanned,
                                    .check = pictures_.check,
                                    .wrong = pictures_.wrong,
                                    .cancelled = pictures_.wrong,
                                    .scanRow = &barcodeCheckRow_};
            walk.cancelLine = [this] { return lineActions().cancelLine(); };
            // A name or a generic the picker resolved is only compared: the line changes to a
            // code scanned or typed as such.
            const bool codeGiven = !picked.named && !picked.cancelled;
            walk.changeLine = [this, codeGiven](int line, const QString& code) {
                return codeGiven && changeLineItem(line, code);
            };
            walk.verify(picked.text);
        } else if (col == kColCode) {
            enterItemCode(row);
        } else if (col == kColDosage) {
            TakeRequestDosage(*chargeGrid_, row, kColRequested);
        } else {
            chargeGrid_->rejectCommit();
        }
    });
}

void frmCommEntryOP::enterItemCode(int row) {
    const PickedItemCode picked = PickRequestItemCode(*chargeGrid_, this, row, kColGenericMark);
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const RequestItemLookUp found =
        picked.cancelled ? RequestItemLookUp::NotFound
                         : LookUpRequestItem(SQLConnection(), drug, *grdItemList, kColCode, picked.text, false,
                                             Trim(lblPatInfo[7]->text()));
    if (found == RequestItemLookUp::Taken) {
        fillLine(row, false);
        chargeGrid_->acceptCommit(drug.DrugCode());
    } else if (found == RequestItemLookUp::NotFound) {
        // Nothing found, a typed code included: the editor keeps the text and takes the focus.
        chargeGrid_->focusEditor();
    } else {
        chargeGrid_->rejectCommit();
    }
}

bool frmCommEntryOP::changeLineItem(int row, const QString& scanned) {
    if (LookUpRequestItem(SQLConnection(), gComponents.gDrug->Drug(), *grdItemList, kColCode, scanned, true,
                          Trim(lblPatInfo[7]->text())) != RequestItemLookUp::Taken)
        return false;
    fillLine(row, true);
    return true;
}

void frmCommEntryOP::fillLine(int row, bool changedByScan) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const DrugCatalog::InventRecord& invent = drug.Invent();
    const QString code = drug.DrugCode();
    const QString visit = Trim(lblPatInfo[7]->text());
    const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
    // The line is posted under its code: it names the item its prices and names describe.
    put(kColCode, code);
    put(kColDescription, drug.DrugName() + u' ' + drug.Description());
    WriteRequestItemNames(con, *grdItemList, row, code, RequestGridColumns{});
    put(kColStock, Text(invent.StockOnHand));
    QString unitPrice = OutPatientBaseUnitPrice(con, invent,
                                                {.itemCode = code,
                                                 .visitId = visit,
                                                 .outPriceAccount = isForOutPrice(con, strAccountNum_),
                                                 .changedByScan = changedByScan});
    put(kColPriceIn, Text(invent.SellingPriceIn));
    put(kColPriceOut, Text(invent.SellingPriceOut));
    const double fixedCharge = GetFixedCharge(con, code, gLocationID);
    put(kColFixedCharge, Text(fixedCharge));

    const double quantity = Val(grdItemList->textMatrix(row, kColIssued));
    QString amount = Format(quantity * Val(unitPrice), QStringLiteral("######.00"));
    // At FENT an emergency or HMO visit pays the in-patient price; a fixed charge still sets the
    // amount after it.
    if (!changedByScan && gSiteCode == QLatin1String("FENT") &&
        (IsERPatient(con, visit) || GetHMOClass(con, visit) == QLatin1String("HMO"))) {
        unitPrice = Text(invent.SellingPriceIn);
        amount = Format(quantity * invent.SellingPriceIn, QStringLiteral("######0.00"));
    }
    if (fixedCharge != 0)
        amount = Format(fixedCharge * quantity, QStringLiteral("#####0.00"));
    put(kColUnitPrice, unitPrice);

    RequestGridColumns columns;
    columns.barcode = kColBarCode;
    FinishRequestLineFill(con, *grdItemList, columns,
                          {.row = row,
                           .itemCode = code,
                           .patientKey = visit,
                           .quantity = quantity,
                           .unitPrice = unitPrice,
                           .amount = amount,
                           .barcode = invent.Barcode},
                          pictures_);
    lblPatInfo[6]->setText(TotalCharges());
}

} // namespace qx
