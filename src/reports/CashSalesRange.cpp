// Codes 98 and 99: the cash sales of a sales-invoice range, as a list or a summary.
#include "charging/frmView.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportOpenerTemplate.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

namespace qx {

OpenedReport OpenCashDailySalesSIRange(const frmView& request) {
    const QString file = request.WhatReport() == 98 ? QStringLiteral("CashDailySalesRangeSI.rpt")
                                                    : QStringLiteral("CashDailySalesRangeSummarySI.rpt");
    return OpenFromTemplate({QStringLiteral("Pharmacy Cash Sales Report"), file},
                            {
                                {QStringLiteral("HOSPITALNAME"), gHospitalName},
                                {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
                                {QStringLiteral("@STARTSI"), request.RangeStart},
                                {QStringLiteral("@ENDSI"), request.RangeEnd},
                                {QStringLiteral("USERNAME"), gEmployeeName},
                            });
}

} // namespace qx
