// frmCommEntryOP: the "..." action over the shared request-line entry, and a line priced from a
// found item by the out-patient rule.
#include "requests/outpatient/frmCommEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/OutPatientPricing.h"
#include "charging/PriceLookups.h"
#include "charging/RequestCellEntry.h"
#include "charging/RequestItemEntry.h"
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
    eventHandler(kOPItemsModule, QStringLiteral("cmdEntry_Click"), [&] { cellEntry().lookUp(); });
}

RequestCellEntry frmCommEntryOP::cellEntry() {
    RequestCellEntry entry;
    entry.parent = this;
    entry.chargeGrid = chargeGrid_;
    // The later columns sit one to the left of the in-patient grid's.
    entry.columns = {.logChoice = kColLogChoice, .fixedCharge = kColFixedCharge, .barcode = kColBarCode,
                     .scanFlag = kColScanned};
    entry.patientKey = Trim(lblPatInfo[7]->text());
    entry.pictures = pictures_;
    entry.scanRow = &barcodeCheckRow_;
    entry.total = lblPatInfo[6];
    entry.totalCharges = [this] { return TotalCharges(); };
    entry.cancelLine = [this] { return lineActions().cancelLine(); };
    entry.priceItemLine = [this](int row, bool changedByScan) { fillLine(row, changedByScan); };
    entry.priceSubstitute = [this](int row) { writePriceColumns(row, false); };
    // A cancelled request's line is settled under the cross.
    entry.cancelledScan = pictures_.wrong;
    entry.changeOnlyTypedCodes = true;
    entry.outPatientSubstitute = true;
    entry.overStockCancelWritesNothing = true;
    entry.outPatientAmount = true;
    return entry;
}

QString frmCommEntryOP::writePriceColumns(int row, bool changedByScan) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const DrugCatalog::InventRecord& invent = drug.Invent();
    const QString code = drug.DrugCode();
    const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
    const QString unitPrice = OutPatientBaseUnitPrice(con, invent,
                                                      {.itemCode = code,
                                                       .visitId = Trim(lblPatInfo[7]->text()),
                                                       .outPriceAccount = isForOutPrice(con, strAccountNum_),
                                                       .changedByScan = changedByScan});
    put(kColUnitPrice, unitPrice);
    put(kColPriceIn, Text(invent.SellingPriceIn));
    put(kColPriceOut, Text(invent.SellingPriceOut));
    put(kColFixedCharge, Text(GetFixedCharge(con, code, gLocationID)));
    return unitPrice;
}

void frmCommEntryOP::fillLine(int row, bool changedByScan) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const DrugCatalog::InventRecord& invent = drug.Invent();
    const QString code = drug.DrugCode();
    const QString visit = Trim(lblPatInfo[7]->text());
    QString unitPrice = writePriceColumns(row, changedByScan);
    const double fixedCharge = Val(grdItemList->textMatrix(row, kColFixedCharge));

    const double quantity = Val(grdItemList->textMatrix(row, kColIssued));
    QString amount = Format(quantity * Val(unitPrice), QStringLiteral("######.00"));
    // At FENT an emergency or HMO visit pays the in-patient price; a fixed charge still sets the
    // amount after it.
    if (!changedByScan && gSiteCode == QLatin1String("FENT") &&
        (IsERPatient(con, visit) || GetHMOClass(con, visit) == QLatin1String("HMO"))) {
        unitPrice = Text(invent.SellingPriceIn);
        amount = Format(quantity * invent.SellingPriceIn, QStringLiteral("######0.00"));
        grdItemList->setTextMatrix(row, kColUnitPrice, unitPrice);
    }
    if (fixedCharge != 0)
        amount = Format(fixedCharge * quantity, QStringLiteral("#####0.00"));

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
}

} // namespace qx
