#pragma once
#include <QList>
#include <QString>

namespace qx {

class Connection;

// One procedure of the income summary's preparation; a load takes the range.
struct IncomeSummaryStep {
    QString procedure;
    bool takesRange = false;
};

// What a site runs before its income summary, in order, and the report code that follows.
struct IncomeSummaryPlan {
    QList<IncomeSummaryStep> steps;
    qint16 reportCode = 6;
};

// The site's plan; the site code is compared exactly (another case is another site).
IncomeSummaryPlan IncomeSummaryPlanFor(const QString& siteCode);

// Runs the plan's procedures for the range ("mm/dd/yyyy" texts) as one transaction: a failing
// procedure leaves the work rows as they were and raises its error.
void PrepareIncomeSummary(Connection& connection, const IncomeSummaryPlan& plan, const QString& startDate,
                          const QString& endDate);

} // namespace qx
