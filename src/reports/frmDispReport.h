#pragma once
#include "reports/ReportDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class PictureButton;

// "Dispenser Report": one dispenser's postings of a day (optionally of one shift) or his drug
// distribution over a range of days. The dispenser is looked up through the dispenser component
// and its picker; Esc closes the dialog.
class frmDispReport : public ReportDialog {
    Q_OBJECT
public:
    explicit frmDispReport(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtIssued = nullptr;
    PictureButton* cmdSearch = nullptr;
    QLabel* lblIssued = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optDaily[2] = {nullptr, nullptr};
    DatePicker* dpReportDate = nullptr;
    QLabel* lblTo = nullptr;
    DatePicker* dpEndDate = nullptr;
    QCheckBox* chkShift = nullptr;
    QGroupBox* fraShift = nullptr;
    QRadioButton* optFirst = nullptr;
    QRadioButton* optSecond = nullptr;
    QRadioButton* optThird = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    // Unchooses the three shifts.
    void ClearShift();
    // The shift options' captions from the shift names, where the database gives them.
    void LoadShift();

    bool Form_Load() override;
    void optDaily_Click(int index);
    void chkShift_Click();
    void txtIssued_Change();
    void cmdSearch_Click();
    void cmdGenerate_Click();
    void cmdClose_Click();

    // "1", "2" or "3" by the chosen shift, empty for none.
    QString chosenShift() const;
};

} // namespace qx
