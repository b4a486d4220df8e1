#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx::TallyGrid {
class GridEntry;
}

namespace qx {

// One out-patient's refill lines on the grid-entry control, where only the Refill column takes
// typing, with the patient's header, an item look-up and Remove Item. Nothing is stored: changes
// last until the window closes.
class frmRefill : public QDialog {
    Q_OBJECT
public:
    static frmRefill& Default();

    QString PatientID() const { return patientID_; }
    void setPatientID(const QString& value) { patientID_ = value; }

    // Header captions by index: 0 charge slip, 1 doctor, 2 patient name, 7 out-patient number.
    QLabel* lblPatInfo[8] = {};
    TallyGrid::GridEntry* grdRefill = nullptr;
    QLineEdit* txtItemID = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLineEdit* txtItemName = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdExit = nullptr;

    void Form_Load();
    void SetupRefillGrid();
    void LoadRefillItems();
    void txtItemID_Change();
    void cmdSearch_Click();
    void cmdDelete_Click();
    void cmdExit_Click();
    void grdRefill_KeyDown(int keyCode);

protected:
    void showEvent(QShowEvent* event) override;

private:
    frmRefill();
    QString patientID_;
};

} // namespace qx
