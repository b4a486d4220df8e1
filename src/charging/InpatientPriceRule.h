#pragma once
#include "platform/Colors.h"

#include <QString>

namespace qx {

class Connection;
namespace DrugCatalog {
class Drug;
}

// The in-patient unit-price rule: the price of an item for an admitted patient, from the item the
// drug component has just found, the hospital settings (socialized and mark-up-group pricing, the
// sponsorship programme, inventory switches 103 and 104, the site) read at each call, and the
// patient. Results are the texts a charge line shows; nothing is cached.

// The main pharmacy, whose sponsorship, HMO and VA prices apply wherever the line is posted from.
inline const QString kInpatientPriceLocation = QStringLiteral("20");

constexpr ColorValue kFixedChargeCellColor = 0xC0FFC0u;  // light green
constexpr ColorValue kMDRPCellColor = 0xFF80FFu;         // pink

struct InpatientPatient {
    QString admission;       // the admission number as the screen holds it
    double roomMarkUp = 0;   // the room's mark-up percent, 0 when none
    // The sponsorship branch (orders 4 and 5); the request screens' form of the rule has none.
    bool sponsorshipBranch = true;
    // The request screens' form writes the room mark-up price and the HMO and VA prices as plain
    // number text (unrounded, no fixed decimals); the amount then follows the unrounded price.
    bool plainPriceText = false;
};

// Which row of the base-price table decided.
enum class InpatientBaseOrder {
    RoomMarkUp = 1,      // room mark-up with socialized pricing
    MarkUpGroup = 2,     // rate A plus the item's in-patient mark-up
    CompanyRateB = 3,    // site FLQC, the company not blank
    Sponsored = 4,       // sponsorship programme, patient enrolled
    SponsorshipList = 5, // sponsorship programme, patient not enrolled
    SellingPrice = 6,
};

struct InpatientBasePrice {
    InpatientBaseOrder order = InpatientBaseOrder::SellingPrice;
    double value = 0;          // the unit price as a number, unrounded
    QString unitPrice;         // as the manual posting screen writes it
    QString referencePrice;    // the price the price-change dialog shows as current
};

// The base unit price: the first row of the table whose condition holds.
InpatientBasePrice InpatientBaseUnitPrice(Connection& con, const DrugCatalog::Drug& drug,
                                          const InpatientPatient& patient);

// The item's fixed charge at the dispensing location, as a currency value; 0 when none.
double InpatientFixedCharge(Connection& con, const QString& itemCode);

// The special prices over a line's unit price and quantity, in order: the fixed charge (amount
// only), HMO (switch 104), VA (switch 103), MDRP (unless left out); each later one replaces the
// earlier.
struct InpatientSpecialPrices {
    QString unitPrice;
    QString amount;     // "######0.00"
    bool mdrp = false;  // the MDRP price applies: the line is painted pink
    bool replaced = false;  // an HMO, VA or MDRP price replaced the unit price
};
InpatientSpecialPrices ApplyInpatientSpecialPrices(Connection& con, const QString& itemCode,
                                                   const QString& admission, double quantity,
                                                   const QString& unitPrice, double fixedCharge,
                                                   bool withMDRP = true, bool plainPriceText = false);

// A whole line for an entered item: base price, fixed charge, amount, special prices, colour.
struct InpatientLinePrice {
    InpatientBasePrice base;
    QString unitPrice;    // after the special prices
    QString fixedCharge;  // currency text, "0" when none
    QString amount;
    ColorValue color = colors::InfoBackground;
};
InpatientLinePrice PriceInpatientLine(Connection& con, const DrugCatalog::Drug& drug, const QString& itemCode,
                                      const InpatientPatient& patient, double quantity);

} // namespace qx
