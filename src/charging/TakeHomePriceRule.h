#pragma once
#include "charging/InpatientPriceRule.h"

#include <QString>

namespace qx {

class Connection;
namespace DrugCatalog {
class Drug;
}

// The take-home prescription's form of the in-patient rule: the room mark-up (unrounded, on
// average cost at site ZMX), the mark-up group, rate B at site FLQC, else the selling price; no
// sponsorship, HMO, VA or MDRP price. The drug component's current item is the line's.
InpatientBasePrice TakeHomeUnitPrice(Connection& con, const DrugCatalog::Drug& drug, const QString& admission,
                                     double roomMarkUp);

// The amount of a loaded line at its requested quantity: the fixed charge when the item has one,
// else the unrounded price (the two-decimal price of the mark-up group), "#####0.00".
QString TakeHomeLoadAmount(const InpatientBasePrice& price, double fixedCharge, double quantity);

// The amount once a line's item or issued quantity changes: the fixed charge × quantity
// ("#####0.00") when the item has one at the dispensing location, else the unit price ×
// quantity ("######.00", so 0.5 is ".50").
QString TakeHomeLineAmount(Connection& con, const QString& itemCode, double quantity, double unitPrice,
                           double fixedCharge);

} // namespace qx
