#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// "OR Sequence": the cashier's sales-invoice number. Proposes the cashier's stored number, refuses
// one already on the stock card and keeps the confirmed one for the run (SISequenceNumber). In
// stand-alone mode its OK opens the assessment window when that is not up.
class frmSISequence : public QDialog {
    Q_OBJECT
public:
    explicit frmSISequence(QWidget* parent = nullptr);

    // The number in use for the run, without "SI": as typed, or as the save advanced it.
    static QString SISequenceNumber();
    static void setSISequenceNumber(const QString& number);

    // The cashier's stored number, "000000".
    static QString getSISequence();
    // Whether the stock card carries "SI" + the trimmed number as "000000".
    static bool checkSISequence(const QString& number);
    // Stores the number as the cashier's sequence, then reads it back into SISequenceNumber.
    static void saveOrUpdateSISequence(const QString& number);
    static void setSISequence();

    void cmdOK_Click();
    void cmdCancel_Click();
    void txtORNumber_Change();

    QLabel* lblCashier = nullptr;
    QLineEdit* txtCashier = nullptr;
    QLabel* lblORNumber = nullptr;
    QLineEdit* txtORNumber = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Whether OK took a number (the window then closed); false after Cancel or the close box.
    bool confirmed() const { return confirmed_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    bool confirmed_ = false;
    bool loading_ = false;
};

} // namespace qx
