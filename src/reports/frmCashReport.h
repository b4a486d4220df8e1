#pragma once
#include "reports/ReportDialog.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace qx {

// "Daily Income Report" (type 1): the cash income of a day, of all encoders or of the one
// logged in, prepared in the workstation's own cash-income rows before the report reads them.
// Another type does nothing.
class frmCashReport : public ReportDialog {
    Q_OBJECT
public:
    explicit frmCashReport(QWidget* parent = nullptr);

    QRadioButton* optAll = nullptr;
    QRadioButton* optCurrent = nullptr;
    QLabel* Label1 = nullptr;
    DatePicker* dpReportDate = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    bool Form_Load() override;
    void cmdGenerate_Click();
    void cmdClose_Click();
};

} // namespace qx
