#pragma once
#include "reports/ReportDialog.h"

#include <QVector>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qx {

// "E-Cart Income Report": a date range and the patients ("ALL", "IPD" or "OPD") of the emergency
// carts' income report (code 80). ReportType is kept for the caller and never read.
class frmReportEcart : public ReportDialog {
    Q_OBJECT
public:
    explicit frmReportEcart(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QVector<QLabel*> Label1;  // 0 "Start Date :", 1 "End Date :"
    DatePicker* dpStartDate = nullptr;
    DatePicker* dpEndDate = nullptr;
    QGroupBox* Frame2 = nullptr;
    QVector<QRadioButton*> optPType;  // 0 "ALL", 1 "IPD", 2 "OPD"
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    bool Form_Load() override;
    void cmdGenerate_Click();
    void cmdClose_Click();
};

} // namespace qx
