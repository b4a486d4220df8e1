#pragma once
#include <QDateTime>
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class FlexGrid;
class SearchListKeys;

// "Patient List": the registered in-patients (list option 3), out-patients (any other option) or
// paid cash transactions (option 5) matching a search text, searched as the clerk types. The
// caller sets ListOption and SearchString, shows it modal and reads isCancel and HospNumber (or
// ORNumber, TransDate and PatientsName for the cash list). The properties keep their values
// between showings; the controls start from their design state each time.
class frmPatientList : public QDialog {
    Q_OBJECT
public:
    explicit frmPatientList(QWidget* parent = nullptr);

    // ---- Public properties ----
    QString SearchString;
    int ListOption = 0;
    QString HospNumber;
    bool isCancel = true;
    QString ORNumber;
    QDateTime TransDate;
    QString PatientsName;
    QString DrugID() const { return drugId_; }

    // Fill the list from the patient search or the cash-transaction search.
    void PatientList(const QString& search, int listOption);
    void PatientListCashReturn(const QString& search);

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdSearch_Click();
    void chkAuto_Click();
    void txtSearch_Change();
    void flexMSHList_Click();
    void flexMSHList_KeyDown(int& keyCode);

    QGroupBox* fraList = nullptr;
    FlexGrid* flexMSHList = nullptr;
    QGroupBox* fraSearch = nullptr;
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdSearch = nullptr;
    QCheckBox* chkAuto = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* optCurrent = nullptr;
    QRadioButton* optPrevious = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    int topRowUpCount() const;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void Form_Load();
    void RunPatientSearch();
    void layOutList(const QString& format, int parts, const int (&extra)[7], int columns);
    void showQueryFailure(const QString& description);

    QString drugId_;
    SearchListKeys* listKeys_ = nullptr;
    bool loading_ = false;
};

} // namespace qx
