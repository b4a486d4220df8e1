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

// "Employee Medicines": the summary of the medicines charged to one company account, or to the
// accounts of one business class, for a patient type and a range of days, shown in the modal
// report viewer. Typed characters go in upper case, an apostrophe is dropped, Enter moves on;
// Esc closes.
class frmEmployeeReport : public ReportDialog {
    Q_OBJECT
public:
    explicit frmEmployeeReport(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    // 0 account number, 1 company name, 2 business-class description, 3 business-class code.
    QLineEdit* txtAccount[4] = {nullptr, nullptr, nullptr, nullptr};
    PictureButton* cmdFind = nullptr;
    PictureButton* cmdBC = nullptr;
    QCheckBox* chkBC = nullptr;
    QGroupBox* fraPatientType = nullptr;
    QRadioButton* optAll = nullptr;
    QRadioButton* optInPatient = nullptr;
    QRadioButton* optOutPatient = nullptr;
    DatePicker* dtpBeginningDate = nullptr;
    DatePicker* dtpEndDate = nullptr;
    QPushButton* optOptions[2] = {nullptr, nullptr};  // 0 OK, 1 Cancel
    QLabel* Label3 = nullptr;

    bool Form_Load() override { return true; }
    void chkBC_Click();
    void cmdFind_Click();
    void cmdBC_Click();
    // Leaving the account box: the account found as typed or picked, else told.
    void txtAccount_Validate(int index);
    void optOptions_Click(int index);

    // The report's eight values in its parameter order.
    QVariantList ReportValues(const QString& companyName, const QString& companyAddress) const;
    // "I", "O" or "A".
    QString PatientTypeCode() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkAccount();
    void checkBusinessClass();
    void runReport();
};

} // namespace qx
