#include "charging/InpatientPriceRule.h"

#include "charging/CashMoney.h"
#include "charging/PriceLookups.h"
#include "components/DrugCatalog.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

namespace qx {

namespace {
const QString kInpatientAmountPattern = QStringLiteral("######0.00");
} // namespace

InpatientBasePrice InpatientBaseUnitPrice(Connection& con, const DrugCatalog::Drug& drug,
                                          const InpatientPatient& patient) {
    const DrugCatalog::InventRecord& invent = drug.Invent();
    const QString sellingPriceIn = Text(invent.SellingPriceIn);
    InpatientBasePrice price;
    price.referencePrice = sellingPriceIn;
    if (patient.roomMarkUp != 0 && gSocializePricing) {
        const double base = gSiteCode == QLatin1String("ZMX") ? invent.AverageCost : invent.SellingPriceIn;
        price.order = InpatientBaseOrder::RoomMarkUp;
        price.value = base + base * (patient.roomMarkUp / 100);
        price.unitPrice = patient.plainPriceText ? Text(price.value) : Format(price.value, QStringLiteral("#####0.00"));
        price.referencePrice = price.unitPrice;
    } else if (gMarkUpGroup) {
        price.order = InpatientBaseOrder::MarkUpGroup;
        price.value = invent.RateA + invent.RateA * (invent.MarkupIn / 100);
        price.unitPrice = Format(price.value, QStringLiteral("#######0.00"));
    } else if (gSiteCode == QLatin1String("FLQC") && !IsCompanyBlank(con, Trim(patient.admission), gSiteCode)) {
        price.order = InpatientBaseOrder::CompanyRateB;
        price.value = invent.RateB;
        price.unitPrice = Text(invent.RateB);
    } else if (patient.sponsorshipBranch && gVelmira && IsVelmiraPatient(con, patient.admission)) {
        price.order = InpatientBaseOrder::Sponsored;
        price.value = GetVelmiraPrice(con, drug.DrugCode(), kInpatientPriceLocation);
        price.unitPrice = Text(price.value);
    } else {
        price.order = patient.sponsorshipBranch && gVelmira ? InpatientBaseOrder::SponsorshipList
                                                            : InpatientBaseOrder::SellingPrice;
        price.value = invent.SellingPriceIn;
        price.unitPrice = sellingPriceIn;
    }
    return price;
}

double InpatientFixedCharge(Connection& con, const QString& itemCode) {
    return ToCurrency(GetFixedCharge(con, itemCode, gLocationID));
}

InpatientSpecialPrices ApplyInpatientSpecialPrices(Connection& con, const QString& itemCode,
                                                   const QString& admission, double quantity,
                                                   const QString& unitPrice, double fixedCharge, bool withMDRP,
                                                   bool plainPriceText) {
    InpatientSpecialPrices result;
    result.unitPrice = unitPrice;
    const double perUnit = fixedCharge != 0 ? fixedCharge : Val(unitPrice);
    result.amount = Format(quantity * perUnit, kInpatientAmountPattern);
    const QString patientKey = Trim(admission);
    // Special prices replace the unit price and the amount together.
    const auto replace = [&](double price) {
        result.unitPrice = plainPriceText ? Text(price) : Format(price, kInpatientAmountPattern);
        result.amount = Format(price * quantity, kInpatientAmountPattern);
        result.replaced = true;
    };
    if (gInvSwitchHMOMarkupPrice && GetHMOClass(con, patientKey) == QLatin1String("HMO"))
        replace(GetHMOPrice(con, itemCode, patientKey, kInpatientPriceLocation));
    if (gInvSwitchVAPrice && IsVAPatient(con, patientKey))
        replace(GetVAPrice(con, patientKey, Trim(itemCode), kInpatientPriceLocation));
    if (withMDRP && GetMDRPFlag(con, itemCode) == 1) {
        result.unitPrice = Text(GetMDRPDrugPrice(con, itemCode));
        result.amount = Format(quantity * Val(result.unitPrice), kInpatientAmountPattern);
        result.mdrp = true;
        result.replaced = true;
    }
    return result;
}

InpatientLinePrice PriceInpatientLine(Connection& con, const DrugCatalog::Drug& drug, const QString& itemCode,
                                      const InpatientPatient& patient, double quantity) {
    InpatientLinePrice line;
    line.base = InpatientBaseUnitPrice(con, drug, patient);
    const double fixedCharge = InpatientFixedCharge(con, itemCode);
    line.fixedCharge = Text(fixedCharge);
    line.color = fixedCharge != 0 ? kFixedChargeCellColor : colors::InfoBackground;
    const InpatientSpecialPrices special =
        ApplyInpatientSpecialPrices(con, itemCode, patient.admission, quantity, line.base.unitPrice, fixedCharge,
                                    true, patient.plainPriceText);
    line.unitPrice = special.unitPrice;
    line.amount = special.amount;
    if (special.mdrp)
        line.color = kMDRPCellColor;
    return line;
}

} // namespace qx
