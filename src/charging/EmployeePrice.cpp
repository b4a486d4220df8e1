#include "charging/EmployeePrice.h"

#include "platform/Values.h"

namespace qx {

double MarkUpGroupPrice(double rateA, double rateB) {
    // The base passes through its text once, as the price list writes it.
    const double base = Val(Text(rateA / 1.12));
    const double marked = base + base * rateB / 100;
    return Val(Format(marked + marked * 0.12, QStringLiteral("########0.00")));
}

QString MarkUpGroupRegularPrice(double rateA, double markupOut) {
    return Format(rateA + markupOut / 100 * rateA, QStringLiteral("#######0.00"));
}

EmployeeUnitPrice EmployeePrice(const EmployeePriceInput& in) {
    EmployeeUnitPrice out;
    const double d = in.discountPercent / 100;
    const auto lessDiscount = [&](double price) {
        const double unit = price - price * d;
        out.unitPrice = Text(unit);
        out.seniorDiscount = Text(price - Val(out.unitPrice));
    };
    if (in.siteCode == QLatin1String("QVH")) {
        if (in.markUpGroup) {
            out.unitPrice = Text(MarkUpGroupPrice(in.rateA, in.rateB));
            out.rateA = Text(in.rateA);
            out.rateB = Text(in.rateB);
            out.regularPrice = MarkUpGroupRegularPrice(in.rateA, in.markupOut);
        } else if (in.seniorDiscounted) {
            lessDiscount(in.sellingPriceOut);
        } else {
            out.unitPrice = Text(in.sellingPriceOut);
        }
        return out;
    }
    if (in.seniorDiscounted)
        lessDiscount(in.sellingPriceIn);
    else if (in.siteCode == QLatin1String("BELQ"))
        out.unitPrice = Text(in.rateA);
    else
        out.unitPrice = Text(in.empOutPrice ? in.sellingPriceOut : in.sellingPriceIn);
    return out;
}

} // namespace qx
