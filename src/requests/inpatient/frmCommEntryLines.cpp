// frmCommEntry: the pending lines with stock and prices, and the colour legend.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/ColorLegend.h"
#include "charging/PriceLookups.h"
#include "charging/RequestLineMarks.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "requests/inpatient/InpatientRequestPrice.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
// HMO and VA prices are always those of the main pharmacy.
const QString kMainPharmacy = QStringLiteral("20");
} // namespace

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
    loader.lineWritten = [this](int row) {
        MarkFixedPriceLine(*grdItemList, row, kColFixedCharge, kColCode, kLastMarkedCol);
    };
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
    Connection& con = SQLConnection();
    const DrugCatalog::InventRecord& prices = gComponents.gDrug->Drug().Invent();
    const QString code = Text(rs.valueAt(index, rs.fieldIndex(QStringLiteral("Drug Code"))));
    const QString admission = Trim(lblPatInfo[7]->text());

    RequestPriceInputs in;
    in.siteCode = gSiteCode;
    in.roomMarkUp = Val(lblMarkUp->text());
    in.socializePricing = gSocializePricing;
    in.markUpGroup = gMarkUpGroup;
    in.companyRate = gSiteCode == QLatin1String("FLQC") && !IsCompanyBlank(con, admission);
    in.sellingPriceIn = prices.SellingPriceIn;
    in.averageCost = prices.AverageCost;
    in.rateA = prices.RateA;
    in.markupIn = prices.MarkupIn;
    in.rateB = prices.RateB;
    in.quantity = Val(Text(rs.valueAt(index, rs.fieldIndex(QStringLiteral("Quantity")))));
    in.fixedCharge = Val(grdItemList->textMatrix(row, kColFixedCharge));
    if (gInvSwitchHMOMarkupPrice && GetHMOClass(con, admission) == QLatin1String("HMO"))
        in.hmoPrice = GetHMOPrice(con, code, admission, kMainPharmacy);
    if (gInvSwitchVAPrice && IsVAPatient(con, admission))
        in.vaPrice = GetVAPrice(con, admission, code, kMainPharmacy);
    if (GetMDRPFlag(con, code) == 1)
        in.mdrpPrice = GetMDRPDrugPrice(con, code);

    const RequestPrice price = PriceRequestLine(in);
    grdItemList->setTextMatrix(row, kColSellPriceIn, price.unitPrice);
    grdItemList->setTextMatrix(row, kColPriceOut, Text(prices.SellingPriceOut));
    grdItemList->setTextMatrix(row, kColPriceTaken, price.rulePrice);
    grdItemList->setTextMatrix(row, kColAmount, price.amount);
    if (price.mdrp)
        grdItemList->setCellBackColorAt(row, kColCode, kMDRPPriceColor);
}

void frmCommEntry::ShowColorLegend() {
    Frame4->show();
    Frame4->fill(SQLConnection());
    MarkAntiBiotic();
}

} // namespace qx
