#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace qx {

class FlexGrid;

// "Posted Medicines": the lines of a paid receipt, from which the credit advise screen takes the
// one line the customer brings back. Refuses credit-memo rows, fully returned lines and receipts
// with nothing left, points to a line's pending credit advises, and hands the chosen line back
// through its members. Writes nothing.
class frmPostedOR : public QDialog {
    Q_OBJECT
public:
    explicit frmPostedOR(QWidget* parent = nullptr);

    // Outputs, valid once the picker has closed; ItemID empty means nothing was chosen.
    QString ReturnedQuantity = QStringLiteral("0");
    QString DiscountType;
    double DiscountAmount = 0;
    double VatAmount = 0;
    bool VatExempt = false;
    double DiscountRate = 0;
    // The receipt total of the listed rows, credit-memo rows included, "###0.00".
    QString TotalCharges();
    // Input: the receipt to list. Output: the chosen line's receipt number.
    QString ORNum;
    QString ItemID;
    qint16 Quantity = 0;
    double UnitPrice = 0;
    QString Description;
    QString Balance;

    QGroupBox* fraInvoiceDetails = nullptr;
    FlexGrid* flexORDetails = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTotal = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdCancel = nullptr;

    void Form_Load();
    void ClearORDetails();
    void LoadORList(const QString& receiptNumber);
    // Quantity of the item of the current row's receipt on credit advises of any status; sets
    // ReturnedQuantity.
    double CheckReturnedQty(const QString& itemCode);
    // Whether the current row's receipt item has a credit advise not posted yet.
    bool CheckPendingCreditAdvise();
    void cmdSelect_Click();
    void flexORDetails_DblClick();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void setEmptySelection();
    void handBack(int row);
    // The credit advises of the current row's receipt item, in their own window.
    void showLineAdvises(int row);

    bool handingBack_ = false;
};

} // namespace qx
