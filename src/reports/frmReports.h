#pragma once
#include "reports/ReportDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace qx {

// The single-date report chooser: a report date, optionally a shift, and the report of its type.
class frmReports : public ReportDialog {
    Q_OBJECT
public:
    explicit frmReports(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    DatePicker* dpReportDate = nullptr;
    QCheckBox* chkShift = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cboShift = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    bool Form_Load() override;
    void chkShift_Click();
    void cmdGenerate_Click();
    void cmdClose_Click();
};

// The report code of a type of the single-date chooser; 0 for a type it does not know.
qint16 SingleDateReportCode(qint16 reportType, bool perShift);

} // namespace qx
