#include "requests/inpatient/InpatientRequestPrice.h"

#include "platform/Values.h"

namespace qx {

RequestPrice PriceRequestLine(const RequestPriceInputs& in) {
    RequestPrice out;
    const bool roomMarkUp = in.roomMarkUp != 0 && in.socializePricing;
    const double base = in.siteCode == QLatin1String("ZMX") ? in.averageCost : in.sellingPriceIn;
    const double q = in.quantity;
    const QString groupPrice =
        Format(in.rateA * Val(Text(in.markupIn)) / 100 + in.rateA, QStringLiteral("#######0.00"));

    if (roomMarkUp)
        out.rulePrice = Text(base * in.roomMarkUp / 100 + base);
    else if (in.markUpGroup)
        out.rulePrice = groupPrice;
    else if (in.companyRate)
        out.rulePrice = Text(in.rateB);
    else
        out.rulePrice = Text(in.sellingPriceIn);
    out.unitPrice = out.rulePrice;

    if (in.fixedCharge != 0)
        out.amount = Format(q * Val(Text(in.fixedCharge)), QStringLiteral("#####0.00"));
    else if (roomMarkUp)
        out.amount = Format(q * (base * in.roomMarkUp / 100 + base), QStringLiteral("#####0.00"));
    else if (in.markUpGroup)
        out.amount = Format(q * CDbl(groupPrice), QStringLiteral("######0.00"));
    else if (in.companyRate)
        out.amount = Format(q * in.rateB, QStringLiteral("#####0.00"));
    else
        out.amount = Format(q * Val(out.unitPrice), QStringLiteral("#####0.00"));

    for (const std::optional<double>& special : {in.hmoPrice, in.vaPrice}) {
        if (!special)
            continue;
        out.amount = Format(q * *special, QStringLiteral("######0.00"));
        out.unitPrice = Text(*special);
    }
    if (in.mdrpPrice) {
        out.unitPrice = Text(*in.mdrpPrice);
        out.amount = Format(q * Val(out.unitPrice), QStringLiteral("######0.00"));
        out.mdrp = true;
    }
    return out;
}

} // namespace qx
