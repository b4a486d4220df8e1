#pragma once
#include <QDate>
#include <QString>

namespace qx::TillCalendar {

// ProgID TillCalendar.CashDate, slot gCashDate: the cashier's open report date.
class CashDate {
public:
    virtual ~CashDate() = default;
    virtual bool InitConnection(const QString& connStr) = 0;
    virtual void GetReportStatus() = 0;
    virtual QDate ReportDate() const = 0;
};

} // namespace qx::TillCalendar
