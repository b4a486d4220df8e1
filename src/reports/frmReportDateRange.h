#pragma once
#include "reports/ReportDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace qx {

// "Date Range": two dates and, for the income reports by transaction date, a summary choice;
// the report of its type in the normal format.
class frmReportDateRange : public ReportDialog {
    Q_OBJECT
public:
    explicit frmReportDateRange(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    DatePicker* dpStartDate = nullptr;
    QLabel* Label2 = nullptr;
    DatePicker* dpEndDate = nullptr;
    QCheckBox* chkSummary = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    bool Form_Load() override;
    void cmdGenerate_Click();
    void cmdClose_Click();
};

// The report code of a type of the date-range chooser; 0 for a type it does not know.
qint16 DateRangeReportCode(qint16 reportType, bool summary);

} // namespace qx
