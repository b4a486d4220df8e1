#pragma once
#include "charging/ReportOpeners.h"

namespace qx {

// Registers every opener of the report catalogue with the report window. The program calls it
// once at start (tests before they request reports); calling it again changes nothing.
void RegisterReportOpeners();

// Slip and prescription previews.
OpenedReport OpenAssessSlipPreview(const frmView& request);  // 74
OpenedReport OpenChargeSlipPreview(const frmView& request);  // 75
OpenedReport OpenAssessSlipReprint(const frmView& request);  // 76
OpenedReport OpenDocPrescription(const frmView& request);    // 79

// The cash sales of a sales-invoice range: the list (98) or the summary (99).
OpenedReport OpenCashDailySalesSIRange(const frmView& request);

} // namespace qx
