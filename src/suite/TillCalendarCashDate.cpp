#include "suite/TillCalendarCashDate.h"

namespace qx::suite {

void TillCalendarCashDate::GetReportStatus() {
    Recordset rs = c_.query(QStringLiteral("SELECT ReportDate FROM billing.tbCashReportStatus WHERE id = 1"));
    const QDateTime open = rs.isEmpty() ? QDateTime() : rs.dateTime(QStringLiteral("ReportDate"));
    date_ = open.isValid() ? open.date() : c_.serverNow().date();
}

} // namespace qx::suite
