#include "shell/clsDrugInfo.h"

#include "components/AppError.h"
#include "components/Connection.h"
#include "shell/Session.h"

namespace qx {

namespace {
const QString kDrugInfoSource = QStringLiteral("clsDrugInfo.Search");

QVariant requiredValue(const Recordset& rs, const QString& field) {
    const QVariant v = rs.value(field);
    if (v.isNull())
        throw AppError(94, kDrugInfoSource, QStringLiteral("Invalid use of Null"));
    return v;
}
} // namespace

bool clsDrugInfo::Search(const QString& strItemID, const QString& strLocationID) {
    try {
        std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Drug_MiniInfo"),
            {{QStringLiteral("@strItemID"), strItemID}, {QStringLiteral("@strLocationID"), strLocationID}});
        if (!rs || rs->isEmpty())
            return false;
        const auto number = [&](const char* field) { return requiredValue(*rs, QString::fromLatin1(field)).toDouble(); };
        const auto text = [&](const char* field) { return requiredValue(*rs, QString::fromLatin1(field)).toString(); };
        setDrugName(text("Drug Name"));
        setDescription(text("Description"));
        setStockOnHand(number("Stock"));
        setSellingPriceIn(number("IP Price"));
        setSellingPriceOut(number("OP Price"));
        setClassification(text("ClassID"));
        setDiscounted(number("Discounted") != 0);
        setUnitCost(number("UnitCost"));
        setMarkUpAmount(number("MarkUpAmount"));
        const QVariant status = rs->value(QStringLiteral("Status"));
        setActive(status.isNull() || status.toDouble() == 0);
        return true;
    } catch (const AppError& e) {
        throw AppError(e.number(), kDrugInfoSource, e.description());
    }
}

clsDrugInfo& gDrugInfo() {
    static clsDrugInfo info;
    return info;
}

} // namespace qx
