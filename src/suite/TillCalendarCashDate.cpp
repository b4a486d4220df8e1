#include "suite/TillCalendarCashDate.h"

namespace qx::suite {

void TillCalendarCashDate::GetReportStatus() {
    Connection& c = db("GetReportStatus");
    Recordset rs = c.query(QStringLiteral("SELECT ReportDate FROM billing.tbCashReportStatus WHERE id = 1"));
    const QDateTime open = rs.isEmpty() ? QDateTime() : rs.dateTime(QStringLiteral("ReportDate"));
    date_ = open.isValid() ? open.date() : c.serverNow().date();
}

} // namespace qx::suite
