#pragma once
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// "Report Range": the cash sales of a range of sales-invoice numbers, in detail (report 98) or
// summed (99). Each OK previews one report and comes back with the range still typed.
class frmSIRange : public QDialog {
    Q_OBJECT
public:
    explicit frmSIRange(QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdClose_Click();

    QGroupBox* fraSalesInvoice = nullptr;
    QLabel* Start = nullptr;
    QLineEdit* txtStart = nullptr;
    QLabel* End = nullptr;
    QLineEdit* txtEnd = nullptr;
    QCheckBox* chkSummary = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace qx
