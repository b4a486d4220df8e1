#include "charging/CompanyMarkupPrice.h"

#include "components/Connection.h"
#include "platform/Values.h"

namespace qx {

double ListCost(Connection& con, const QString& itemCode) {
    const Recordset rs = con.query(
        QStringLiteral("SELECT COALESCE(ListCost, 0) AS ListCost FROM tbInvMaster WHERE ItemID = ?"), {Trim(itemCode)});
    return rs.isEmpty() ? 0 : CDbl(rs.value(QStringLiteral("ListCost")));
}

double MarkedUpPrice(double listCost, double markUpPercent) { return listCost + markUpPercent / 100 * listCost; }

CompanyPrice CompanyMarkupPrice(const CompanyPriceInput& input) {
    CompanyPrice price;
    if (input.outPriceAccount)
        price.nonGsisPrice = input.sellingPriceOut - input.sellingPriceOut * input.discountPercent / 100;
    else
        price.nonGsisPrice = MarkedUpPrice(input.listCost, input.markUpPercent);
    price.unitPrice = !input.outPriceAccount && input.gsisMember ? input.gsisPrice : price.nonGsisPrice;
    return price;
}

bool ReadMarkUp(const QString& text, double& percent) {
    if (!IsNumeric(Trim(text)))
        return false;
    percent = CDbl(Trim(text));
    return true;
}

} // namespace qx
