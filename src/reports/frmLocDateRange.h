#pragma once
#include "reports/ReportDialog.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace qx {

// The location, classification and date-range dialog of the stock reports (codes 83 to 86 and
// 88 to 91): OK requests ReportType with the chosen location (codes 83 and 85 only), the
// classification when "Filter by Classification" is ticked ("%" otherwise) and the two days. The
// caption and which rows show are set by the command that opens it; it stays open for further
// requests.
class frmLocDateRange : public ReportDialog {
    Q_OBJECT
public:
    explicit frmLocDateRange(QWidget* parent = nullptr);

    QFrame* FrameLoc = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbLocation = nullptr;
    QCheckBox* chkClassification = nullptr;
    QFrame* frameClassification = nullptr;
    QLabel* lblCLass = nullptr;
    QComboBox* cbClassification = nullptr;
    QLabel* Label2 = nullptr;
    DatePicker* dpStartDate = nullptr;
    QLabel* Label3 = nullptr;
    DatePicker* dpEndDate = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    bool Form_Load() override;
    void chkClassification_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void LoadLocationList();
    void LoadClassificationList();
};

} // namespace qx
