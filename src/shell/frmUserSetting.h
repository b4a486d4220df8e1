#pragma once
#include <QDialog>
#include <QVector>
#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qx {

class FlexGrid;

// "User Setting": edits each employee's pharmacy rights (tbPharmaUserSettings). Nine rights
// every site has; "View Income Report" only at GIVRC and "View List of Corrected Report" only at
// TZNH.
class frmUserSetting : public QDialog {
    Q_OBJECT
public:
    explicit frmUserSetting(QWidget* parent = nullptr);

    static constexpr int kCommonRights = 9;

    // Lists the employees the search text finds.
    void LoadEmployee(const QString& searchText);
    // Shows the employee's stored rights; none stored shows every visible box unchecked. Save
    // writes the boxes for this employee from then on.
    void LoadUserRights(const QString& employeeID);
    // The employee whose rights the boxes show; empty before any is loaded.
    QString ShownEmployee() const { return shownEmployee_; }
    // Writes the nine common rights (0 or 1, in the table's order) of the employee.
    bool SaveUserRights(const QString& employeeID, const std::array<int, kCommonRights>& rights);

    QGroupBox* fraEmployees = nullptr;
    QLineEdit* txtSearch = nullptr;
    FlexGrid* grdList = nullptr;
    QGroupBox* fraRights = nullptr;
    QCheckBox* chkManualPosting = nullptr;
    QCheckBox* chkProcessRequest = nullptr;
    QCheckBox* chkUnitDose = nullptr;
    QCheckBox* chkReturned = nullptr;
    QCheckBox* chkCorrection = nullptr;
    QCheckBox* chkViewPostedMeds = nullptr;
    QCheckBox* chkDrugInquiry = nullptr;
    QCheckBox* chkVerification = nullptr;
    QCheckBox* chkViewReport = nullptr;
    QCheckBox* chkIncomeReport = nullptr;
    QCheckBox* chkCanViewCorrected = nullptr;
    QCheckBox* chkSelectAll = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

    // The nine common rights' boxes in the table's order.
    QVector<QCheckBox*> commonRights() const;

    void Form_Load();
    void txtSearch_Change();
    void txtSearch_KeyPress(int keyAscii);
    void grdList_Click();
    void grdList_RowColChange();
    void chkSelectAll_Click();
    void cmdSave_Click();
    void cmdClose_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString selectedEmployee() const;
    // Loads the current row's employee unless his rights are already the ones shown.
    void showSelectedEmployee();
    void writeHeader();

    QString shownEmployee_;
    bool listing_ = false;
};

} // namespace qx
