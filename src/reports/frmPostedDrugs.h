#pragma once
#include "reports/ReportDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class PictureButton;

// "Drugs Consumption Report": the distribution report of one drug or of all drugs over a range
// of days, or its logbook with the doctor, at the main pharmacy or the outlet.
class frmPostedDrugs : public ReportDialog {
    Q_OBJECT
public:
    explicit frmPostedDrugs(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtFind = nullptr;
    PictureButton* cmdFind = nullptr;
    QLabel* lblDrugName[4] = {nullptr, nullptr, nullptr, nullptr};  // name, description, generic, on hand
    QCheckBox* chkAll = nullptr;
    QCheckBox* chkLog = nullptr;
    QCheckBox* chkVeqPhar = nullptr;
    QGroupBox* Frame2 = nullptr;
    DatePicker* dpStart = nullptr;
    DatePicker* dpEnd = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    // The display name of the drug found last: name, description and the supplier in brackets.
    QString strDrugName;

    bool Form_Load() override;
    void cmdFind_Click();
    void chkAll_Click();
    void cmdGenerate_Click();
    void cmdClose_Click();

private:
    // The look-up's code: found as typed, or chosen in the picker; empty when none.
    QString findDrugCode(const QString& typed);
};

} // namespace qx
