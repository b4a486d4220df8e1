#pragma once
#include "reports/ReportDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qx {

// The date-range report chooser: two dates and, as the report asks, a shift, a summary, the
// income summary's layout, a dispenser and an item classification. Type 1 prepares the income
// summary's work rows first.
class frmReportsRange : public ReportDialog {
    Q_OBJECT
public:
    explicit frmReportsRange(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    DatePicker* dpStartDate = nullptr;
    QLabel* Label3 = nullptr;
    DatePicker* dpEndDate = nullptr;
    QCheckBox* chkShift = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cboShift = nullptr;
    QCheckBox* chkSummary = nullptr;
    QCheckBox* chkType = nullptr;
    QGroupBox* fraDispenser = nullptr;
    QComboBox* cboDispenser = nullptr;
    QLabel* lblClassification = nullptr;
    QCheckBox* chkClass = nullptr;
    QComboBox* cboClass = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optIPD = nullptr;
    QRadioButton* optOPD = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    bool Form_Load() override;
    void chkShift_Click();
    void chkClass_Click();
    void cmdGenerate_Click();
    void cmdClose_Click();

private:
    void LoadClassification();
    void LoadDispensers();
    void ViewReport(qint16 code);
    void ViewReportType1();
};

// The report code of a type of the range chooser; a type outside 1 to 24 is its own code.
qint16 RangeReportCode(qint16 reportType, bool perShift, bool summary);

} // namespace qx
