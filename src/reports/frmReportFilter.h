#pragma once
#include "reports/ReportDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// "List of Corrected Items": an item, typed or picked among the location's items, and a date
// range for the corrected-items list (code 95). It stays open for further requests.
class frmReportFilter : public ReportDialog {
    Q_OBJECT
public:
    explicit frmReportFilter(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* txtItemCode = nullptr;
    QPushButton* cmdItemSearch = nullptr;
    QLineEdit* txtItemName = nullptr;
    QLabel* Label2 = nullptr;
    DatePicker* dpStartDate = nullptr;
    QLabel* Label3 = nullptr;
    DatePicker* dpEndDate = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    bool Form_Load() override;
    void cmdItemSearch_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
};

} // namespace qx
