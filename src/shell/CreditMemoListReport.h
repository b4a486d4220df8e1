#pragma once
#include <QString>

namespace qx {

// What the credit-memo list window's last Print asked for: its option as text ("1", "2" or "3")
// and the list's title. The list window writes it; the report catalogue reads it for the printed
// list, so neither module includes the other.
struct CreditMemoListReport {
    QString ReportType;
    QString ReportTitle;
};

// The one record of the run.
CreditMemoListReport& LastCreditMemoListReport();

} // namespace qx
