#pragma once
#include "reports/ReportDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// "PDEA REPORT": one dangerous drug, picked by its code or in the item search, and a date range
// for the dangerous-drug report (code 87). Generate Report closes the dialog and leaves the report
// open beside the main window.
class frmPDEA : public ReportDialog {
    Q_OBJECT
public:
    explicit frmPDEA(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* txtDRUG = nullptr;
    // The picked drug's code; kept when the text is edited afterwards.
    QString txtDRUGTag;
    QPushButton* cmdSearch = nullptr;
    DatePicker* dtStartDate = nullptr;
    QLabel* Label2 = nullptr;
    DatePicker* DTEndDate = nullptr;
    QPushButton* cmdOK = nullptr;

    bool Form_Load() override;
    void cmdSearch_Click();
    void cmdOK_Click();

private:
    // Takes the dangerous drug of a typed code; false when the code is no dangerous drug.
    bool LoadSelectedDrug(const QString& itemCode);
    void openItemSearch(const QString& searchText);
};

} // namespace qx
