#pragma once
#include <QString>
#include <optional>

namespace qx {

// What the employee price rule reads of an item and of the site.
struct EmployeePriceInput {
    QString siteCode;
    bool seniorDiscounted = false;  // the item's senior-citizen discount flag
    bool markUpGroup = false;       // isMarkUpGroup
    bool empOutPrice = false;       // isEmpOutPrice
    double discountPercent = 0;     // the screen's discount box, taken off senior-discounted items
    double sellingPriceIn = 0, sellingPriceOut = 0, rateA = 0, rateB = 0, markupOut = 0;
};

// The employee unit price of an item and the line cells that go with it, as texts.
struct EmployeeUnitPrice {
    QString unitPrice;
    std::optional<QString> seniorDiscount;  // per unit, for senior-discounted items
    // Mark-up-group pricing: the rates and the regular out-patient price it is measured against.
    std::optional<QString> rateA, rateB, regularPrice;
};

// The employee price of an item by site, senior flag and the two hospital settings:
// QVH prices by the mark-up group (or the out-patient price, less the box for senior items);
// elsewhere senior items take the in-patient price less the box, BELQ charges RateA, and the
// others the out-patient or in-patient price as isEmpOutPrice says.
EmployeeUnitPrice EmployeePrice(const EmployeePriceInput& in);

// The mark-up-group price: RateA without its 12 % VAT, plus RateB %, with the VAT again, to the
// centavo.
double MarkUpGroupPrice(double rateA, double rateB);
// The regular out-patient price of a mark-up-group item: RateA plus MarkupOut %, "#######0.00".
QString MarkUpGroupRegularPrice(double rateA, double markupOut);

} // namespace qx
