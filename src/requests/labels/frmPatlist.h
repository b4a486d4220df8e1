#pragma once
#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qx {

class FlexGrid;

// "Patient List": admitted patients whose medication labels are printed again, found by a search
// text; a double click (or Enter) on a patient opens the in-patient request screen for that
// patient, in reprint mode at site YRD when the reprint command opened this window. Modeless and
// single: it stays beside the main window with its last result until closed.
class frmPatlist : public QDialog {
    Q_OBJECT
public:
    explicit frmPatlist(QWidget* parent = nullptr);
    static frmPatlist& Default();

    void Form_Load();
    void cmdSearch_Click();
    void flexMSHList1_dblClick();

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdSearch = nullptr;
    QGroupBox* Frame2 = nullptr;
    FlexGrid* flexMSHList1 = nullptr;
    QLineEdit* txtIndicator = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void InitGrid();
    bool SearchPatients(const QString& search);
    void SetColWidth(const QString& column, int twips);
};

} // namespace qx
