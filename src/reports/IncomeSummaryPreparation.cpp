#include "reports/IncomeSummaryPreparation.h"

#include "components/Connection.h"

namespace qx {

IncomeSummaryPlan IncomeSummaryPlanFor(const QString& siteCode) {
    auto clear = [](const char* name) { return IncomeSummaryStep{QString::fromLatin1(name), false}; };
    auto load = [](const char* name) { return IncomeSummaryStep{QString::fromLatin1(name), true}; };
    if (siteCode == QLatin1String("FLQC"))
        return {{clear("PharmaIncomeSummary_Delete_Ver1"), load("PharmaIncomeSummary_Load_Ver1"),
                 load("PharmaIncomeSummary_Load_Two_Ver1")},
                61};
    if (siteCode == QLatin1String("JAWKC"))
        return {{clear("PharmaIncomeSummary_Clear"), load("PharmaIncomeSummary_Load_InAndOut"), load("PharmaIncomeSummary_Load_Cash")},
                61};
    if (siteCode == QLatin1String("KTH"))
        return {{clear("PharmaIncomeSummary_Delete"), load("PharmaIncomeSummary_Load"), load("PharmaIncomeSummary_Load_Two")}, 6};
    return {{clear("Pharma_IncomeSummaryDeleteCash"), clear("PharmaIncomeSummary_Delete"), load("PharmaIncomeSummary_Load")}, 6};
}

void PrepareIncomeSummary(Connection& connection, const IncomeSummaryPlan& plan, const QString& startDate,
                          const QString& endDate) {
    Transaction tx(connection);
    for (const IncomeSummaryStep& step : plan.steps) {
        QVariantMap range;
        if (step.takesRange)
            range = {{QStringLiteral("@StartDate"), startDate}, {QStringLiteral("@EndDate"), endDate}};
        connection.callProcedure(step.procedure, range);
    }
    tx.commit();
}

} // namespace qx
