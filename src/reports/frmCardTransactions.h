#pragma once
#include "reports/ReportDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// "Card Transactions": a date range, a discount-card type and a discount card, each typed or
// looked up, for the card-discount report (code 59). Every box goes to the report trimmed, as it
// stands; the dialog stays open for further requests.
class frmCardTransactions : public ReportDialog {
    Q_OBJECT
public:
    explicit frmCardTransactions(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    DatePicker* dpStartDate = nullptr;
    QLabel* Label2 = nullptr;
    DatePicker* dpEndDate = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtCardTypeID = nullptr;
    QPushButton* cmdSearchCardType = nullptr;
    QLineEdit* txtCardType = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtZarviCard = nullptr;
    QPushButton* cmdSearchCard = nullptr;
    QLineEdit* txtCardHolder = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    bool Form_Load() override;
    void cmdSearchCardType_Click();
    void cmdSearchCard_Click();
    void cmdGenerate_Click();
    void cmdClose_Click();
};

} // namespace qx
