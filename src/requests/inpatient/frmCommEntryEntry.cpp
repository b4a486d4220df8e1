// frmCommEntry: the cell editor's commit over the shared request-line entry, and the unit price
// of this screen's rule.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/PriceLookups.h"
#include "charging/RequestCellEntry.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>

namespace qx {

namespace {
const QString kCommEntryEditModule = QStringLiteral("frmCommEntry");
} // namespace

QString frmCommEntry::TotalCharges() const {
    return generalProcedure(kCommEntryEditModule, QStringLiteral("TotalCharges"),
                            [&] { return chargeGrid_->columnTotal(kColAmount); });
}

void frmCommEntry::txtEntry_DblClick() {
    eventHandler(kCommEntryEditModule, QStringLiteral("txtEntry_DblClick"), [&] { cellEntry().commit(); });
}

RequestCellEntry frmCommEntry::cellEntry() {
    RequestCellEntry entry;
    entry.parent = this;
    entry.chargeGrid = chargeGrid_;
    entry.patientKey = Trim(lblPatInfo[7]->text());
    entry.pictures = pictures_;
    entry.scanRow = &barcodeCheckRow_;
    entry.total = lblPatInfo[6];
    entry.totalCharges = [this] { return TotalCharges(); };
    entry.cancelLine = [this] { return lineActions().cancelLine(); };
    entry.priceItemLine = [this](int row, bool) { fillLine(row); };
    entry.priceSubstitute = [this](int row) { writeItemColumns(row); };
    return entry;
}

void frmCommEntry::writeItemColumns(int row) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
    const InpatientPatient patient{.admission = Trim(lblPatInfo[7]->text()),
                                   .roomMarkUp = Val(lblMarkUp->text()),
                                   .sponsorshipBranch = false,
                                   .plainPriceText = true};
    const QString unitPrice = InpatientBaseUnitPrice(con, drug, patient).unitPrice;
    put(kColSellPriceIn, unitPrice);
    put(kColPriceTaken, unitPrice);
    put(kColFixedCharge, Text(GetFixedCharge(con, drug.DrugCode(), gLocationID)));
}

} // namespace qx
