#pragma once
#include <QString>
#include <optional>

namespace qx {

// The in-patient unit price of a pending request line as the request screen lists it, from the
// item's prices and the patient's pricing facts gathered by the caller. The screen prices every
// item line through this one function, at load and after an edit.
struct RequestPriceInputs {
    QString siteCode;
    double roomMarkUp = 0;         // the admission's room mark-up; 0 when none
    bool socializePricing = false; // room mark-up pricing in use
    bool markUpGroup = false;      // rate A with the item's mark-up
    bool companyRate = false;      // rate B (site FLQC, the company found and not blank)
    double sellingPriceIn = 0, averageCost = 0, rateA = 0, markupIn = 0, rateB = 0;
    double quantity = 0;
    double fixedCharge = 0;
    // Overrides, in this order, each replacing the price before it; absent when they don't apply.
    std::optional<double> hmoPrice, vaPrice, mdrpPrice;
};

struct RequestPrice {
    QString unitPrice;       // the price charged (SellPriceIn)
    QString rulePrice;       // the rule's price before the overrides
    QString amount;
    bool mdrp = false;       // the MDRP price was applied: the line is marked
};

RequestPrice PriceRequestLine(const RequestPriceInputs& in);

} // namespace qx
