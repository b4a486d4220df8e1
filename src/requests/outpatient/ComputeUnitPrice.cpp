#include "requests/outpatient/ComputeUnitPrice.h"

#include "charging/InpatientPriceRule.h"
#include "charging/PriceLookups.h"
#include "components/DrugCatalog.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Switches.h"

namespace qx {

QString OutPatientBaseUnitPrice(Connection& con, const DrugCatalog::InventRecord& invent,
                                const OutPatientRequestLine& line) {
    const double markUp = line.outPriceAccount ? invent.MarkupOut : invent.MarkupIn;
    if (gMarkUpGroup)
        return Format(invent.RateA * (1 + markUp / 100), QStringLiteral("######0.00"));
    if (gSiteCode == QLatin1String("FLQC") && !IsCompanyBlank(con, line.visitId, gSiteCode))
        return Text(invent.RateB);
    if (!line.outPriceAccount && line.changedByScan)
        return Text(invent.SellingPriceIn);
    if (!line.outPriceAccount && gSiteCode == QLatin1String("OXBEN") &&
        GetOPDCompanyClass(con, line.visitId) == QLatin1String("I"))
        return Text(invent.SellingPriceIn);
    return Text(invent.SellingPriceOut);
}

OutPatientRequestPrice ComputeUnitPrice(Connection& con, const DrugCatalog::InventRecord& invent,
                                        const OutPatientRequestLine& line) {
    OutPatientRequestPrice price;
    const double q = line.quantity;
    price.unitPrice = OutPatientBaseUnitPrice(con, invent, line);
    price.amount = Format(q * (line.fixedCharge != 0 ? line.fixedCharge : Val(price.unitPrice)),
                          QStringLiteral("#####0.00"));
    const auto replace = [&](double unitPrice) {
        price.unitPrice = Text(unitPrice);
        price.amount = Format(q * unitPrice, QStringLiteral("######0.00"));
    };
    const QString hmoClass = GetHMOClass(con, line.visitId);
    if (gSiteCode == QLatin1String("FENT") && (IsERPatient(con, line.visitId) || hmoClass == QLatin1String("HMO")))
        replace(invent.SellingPriceIn);
    if (gInvSwitchHMOMarkupPrice && hmoClass == QLatin1String("HMO"))
        replace(GetHMOPrice(con, line.itemCode, line.visitId, kInpatientPriceLocation));
    if (gInvSwitchVAPrice && IsVAPatient(con, line.visitId))
        replace(GetVAPrice(con, line.visitId, line.itemCode, kInpatientPriceLocation));
    if (GetMDRPFlag(con, line.itemCode) == 1) {
        replace(GetMDRPDrugPrice(con, line.itemCode));
        price.mdrp = true;
    }
    return price;
}

} // namespace qx
