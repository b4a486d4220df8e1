#include "reports/ReportCatalogue.h"
#include "reports/CatalogueRow.h"

namespace qx {

void RegisterReportOpeners() {
    RegisterReportOpener(74, QStringLiteral("OpenAssessSlipPreview"), OpenAssessSlipPreview);
    RegisterReportOpener(75, QStringLiteral("OpenChargeSlipPreview"), OpenChargeSlipPreview);
    RegisterReportOpener(76, QStringLiteral("OpenAssessSlipReprint"), OpenAssessSlipReprint);
    RegisterReportOpener(79, QStringLiteral("OpenDocPrescription"), OpenDocPrescription);
    // This opener has no handler of its own: its errors are the dispatcher's.
    RegisterReportOpener(98, QStringLiteral("OpenReport"), OpenCashDailySalesSIRange);
    RegisterReportOpener(99, QStringLiteral("OpenReport"), OpenCashDailySalesSIRange);
    RegisterCatalogueRows(PatientReportRows());
    RegisterCatalogueRows(StockReportRows());
    RegisterCatalogueRows(IncomeReportRows());
    RegisterCatalogueRows(MonthlyIncomeReportRows());
    RegisterCatalogueRows(WorkQueueReportRows());
}

} // namespace qx
