#pragma once
#include "components/TillCalendar.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// ProgID TillCalendar.CashDate: the open cash report date of billing.tbCashReportStatus, or the
// server's date while none is set.
class TillCalendarCashDate : public TillCalendar::CashDate, private ConnectedComponent {
public:
    explicit TillCalendarCashDate(ConnectionProvider provider)
        : ConnectedComponent(QStringLiteral("TillCalendar.CashDate"), std::move(provider)) {}
    bool InitConnection(const QString& connStr) override { return bindConnection(connStr); }
    void GetReportStatus() override;
    QDate ReportDate() const override { return date_; }

private:
    QDate date_;
};

} // namespace qx::suite
