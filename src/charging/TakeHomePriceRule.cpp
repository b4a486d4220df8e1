#include "charging/TakeHomePriceRule.h"

#include "charging/PriceLookups.h"
#include "platform/Values.h"
#include "shell/frmShift.h"

namespace qx {

InpatientBasePrice TakeHomeUnitPrice(Connection& con, const DrugCatalog::Drug& drug, const QString& admission,
                                     double roomMarkUp) {
    return InpatientBaseUnitPrice(con, drug,
                                  {.admission = admission,
                                   .roomMarkUp = roomMarkUp,
                                   .sponsorshipBranch = false,
                                   .plainPriceText = true});
}

QString TakeHomeLoadAmount(const InpatientBasePrice& price, double fixedCharge, double quantity) {
    if (fixedCharge != 0)
        return Format(fixedCharge * quantity, QStringLiteral("#####0.00"));
    const double perUnit = price.order == InpatientBaseOrder::MarkUpGroup ? Val(price.unitPrice) : price.value;
    return Format(perUnit * quantity, QStringLiteral("#####0.00"));
}

QString TakeHomeLineAmount(Connection& con, const QString& itemCode, double quantity, double unitPrice,
                           double fixedCharge) {
    if (GetFixedCharge(con, Trim(itemCode), gLocationID) != 0)
        return Format(fixedCharge * quantity, QStringLiteral("#####0.00"));
    return Format(unitPrice * quantity, QStringLiteral("######.00"));
}

} // namespace qx
