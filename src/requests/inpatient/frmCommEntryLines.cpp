// frmCommEntry: the pending lines with stock and prices, and the colour legend.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ColorLegend.h"
#include "charging/InpatientPriceRule.h"
#include "charging/RequestLineMarks.h"
#include "charging/RequestScreenGrid.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

bool frmCommEntry::roomMarkUpApplies() const { return Val(lblMarkUp->text()) != 0 && gSocializePricing; }

void frmCommEntry::LoadPendingLines() {
    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const Recordset requests = drug.ListPendingRequests(patientID_, requestedStationID_);

    RequestLineLoader loader(RequestGridColumns{}, pictures_,
                             {.checkBarcode = gCheckBarCode,
                              .searchWithPatient = GetInvSwitch(con, QStringLiteral("89")),
                              .location = gLocationID,
                              .patientKey = lblPatInfo[7]->text()});
    loader.priceItemLine = [this](int row, const Recordset& rs, int index) { priceItemLine(row, rs, index); };
    loader.lineWritten = [grid = requestGrid()](int row) { grid.markFixedPriceLine(row); };
    const RequestLineLoader::Result listed = loader.load(con, drug, *grdItemList, requests);

    lblTargetLocationID->setText(gSiteCode == QLatin1String("QVH") ? listed.targetLocation : QString());
    if (!listed.anyRequest)
        return;
    if (!listed.doctorId.isEmpty()) {
        txtDocCode->setText(listed.doctorId);
        lblPatInfo[3]->setText(listed.doctor);
    }
    lblPatInfo[6]->setText(Str(SumGridColumn(*grdItemList, kColAmount, 1)));
    const int row = grdItemList->row();
    LoadListProfile(lblPatInfo[7]->text(), grdItemList->textMatrix(row, kColCode), row);
}

void frmCommEntry::priceItemLine(int row, const Recordset& rs, int index) {
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const QString code = Text(rs.valueAt(index, rs.fieldIndex(QStringLiteral("Drug Code"))));
    const double quantity = Val(Text(rs.valueAt(index, rs.fieldIndex(QStringLiteral("Quantity")))));
    const InpatientPatient patient{.admission = Trim(lblPatInfo[7]->text()),
                                   .roomMarkUp = Val(lblMarkUp->text()),
                                   .sponsorshipBranch = false,
                                   .plainPriceText = true};
    const InpatientLinePrice price = PriceInpatientLine(SQLConnection(), drug, code, patient, quantity);
    grdItemList->setTextMatrix(row, kColSellPriceIn, price.unitPrice);
    grdItemList->setTextMatrix(row, kColPriceOut, Text(drug.Invent().SellingPriceOut));
    grdItemList->setTextMatrix(row, kColPriceTaken, price.base.unitPrice);
    grdItemList->setTextMatrix(row, kColAmount, price.amount);
    if (price.color == kMDRPCellColor)
        grdItemList->setCellBackColorAt(row, kColCode, kMDRPCellColor);
}

void frmCommEntry::ShowColorLegend() {
    Frame4->show();
    Frame4->fill(SQLConnection());
    MarkAntiBiotic();
}

} // namespace qx
