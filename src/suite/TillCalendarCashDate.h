#pragma once
#include "components/Connection.h"
#include "components/TillCalendar.h"

namespace qx::suite {

// ProgID TillCalendar.CashDate: the open cash report date of billing.tbCashReportStatus, or the
// server's date while none is set.
class TillCalendarCashDate : public TillCalendar::CashDate {
public:
    explicit TillCalendarCashDate(Connection& c) : c_(c) {}
    bool InitConnection(const QString& connStr) override { return c_.isOpen() && connStr == c_.connectionString(); }
    void GetReportStatus() override;
    QDate ReportDate() const override { return date_; }

private:
    Connection& c_;
    QDate date_;
};

} // namespace qx::suite
