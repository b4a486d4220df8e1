#pragma once
#include "platform/Colors.h"

#include <QString>
#include <optional>

namespace qx {

class Connection;
namespace DrugCatalog {
struct InventRecord;
}

// Whether the charge account is charged out-patient prices (its OutPrice flag); False for an
// account the company file does not know.
bool isForOutPrice(Connection& con, const QString& accountNum);

// An amount less a percentage, as a currency value (four decimals, halves to even).
double AmountLessDiscount(double amount, double percent);

// Who a line is priced for and how, as the out-patient screens read it from their header.
struct OutPatientPriceContext {
    QString visitId;           // the trimmed visit id
    QString patientBoxText;    // the visit box as it stands (the sponsorship test reads it so)
    QString accountBoxText;    // the charge account shown
    double discountPercent = 0;
    bool seniorMarkerShown = false;
    bool gsisMember = false;
    QString siteCode;
    QString locationId;        // the dispensing location the item was found at
};

// The item the unit price is taken from: its code and its prices at the location.
struct OutPatientPricedItem {
    QString code;
    double sellingPriceOut = 0;
    double sellingPriceIn = 0;
    double rateA = 0;
    double rateB = 0;
    double markupIn = 0;
};
OutPatientPricedItem pricedItemOf(const QString& code, const DrugCatalog::InventRecord& invent);

// A line's unit price and, where the rule writes one, its list price (the price the change-price
// dialog shows as the item's own).
struct OutPatientUnitPrice {
    QString unitPrice;
    std::optional<QString> listPrice;
};

// Which table of the out-patient rule applies: an item entered on the code column, or a
// substitute chosen at the over-stock prompt (the sponsorship step ahead of the mark-up group,
// no BELQ rule, the sponsorship and GSIS steps writing no list price).
enum class OutPatientPriceTable { ItemEntry, Substitute };

// The out-patient unit-price rule: the first step whose condition holds gives the unit price.
OutPatientUnitPrice ComputeOutPatientUnitPrice(Connection& con, const OutPatientPricedItem& item,
                                               const OutPatientPriceContext& context,
                                               OutPatientPriceTable table = OutPatientPriceTable::ItemEntry);

// Everything pricing an entered item writes on its line.
struct OutPatientLinePrice {
    QString unitPrice;
    std::optional<QString> listPrice;
    QString gsisAmount;
    QString fixedCharge;
    QString amount;
    ColorValue codeBackColor = colors::InfoBackground;
};

// The unit-price rule, then the amount steps for the quantity: E.R. and HMO visits at FENT,
// fixed charge, VAT-exempt items (inventory switch 106), HMO (104) and VA (103) prices, and the
// MDRP price over all of them.
OutPatientLinePrice PriceOutPatientLine(Connection& con, const OutPatientPricedItem& item,
                                        const OutPatientPriceContext& context, double quantity);

// The amount of a line whose quantity was committed: unit price or fixed charge times the
// quantity, then the VAT-exempt, HMO and VA rules; the unit price itself never changes here.
QString RepriceOutPatientAmount(Connection& con, const QString& itemCode, double unitPrice, double fixedCharge,
                                const QString& visitId, double quantity);

} // namespace qx
