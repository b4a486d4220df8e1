#pragma once
#include <QString>

namespace qx {

class Connection;

// The company-medicine price rule: an item's list cost plus the mark-up typed for the
// transaction, or on the out-patient screen the out-patient price of accounts that take it, or
// the GSIS price of members.

// The item master's list cost; 0 for an unknown item or a missing cost.
double ListCost(Connection& con, const QString& itemCode);

// List cost plus the percentage of it, unrounded.
double MarkedUpPrice(double listCost, double markUpPercent);

struct CompanyPriceInput {
    double listCost = 0;
    double markUpPercent = 0;
    // Out-patient screen only.
    bool outPriceAccount = false;
    double sellingPriceOut = 0;
    double discountPercent = 0;
    bool gsisMember = false;
    double gsisPrice = 0;
};

struct CompanyPrice {
    double unitPrice = 0;
    // The unit price the line returns to when the GSIS basis is cleared: the out-patient price
    // less the discount, or the marked-up list cost.
    double nonGsisPrice = 0;
};

// The basis in this order: out-patient price less the discount for accounts that take it, the
// GSIS price for members, else the marked-up list cost.
CompanyPrice CompanyMarkupPrice(const CompanyPriceInput& input);

// A mark-up box's text as a percentage; false when it is not a number.
bool ReadMarkUp(const QString& text, double& percent);

} // namespace qx
