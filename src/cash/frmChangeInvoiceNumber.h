#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class ControlEvents;

// "Change Slip Number": sets the next pre-numbered assessment slip ("PH" + eight digits). A number
// that is not valid or is already on a saved assessment is refused when the box is left.
class frmChangeInvoiceNumber : public QDialog {
    Q_OBJECT
public:
    explicit frmChangeInvoiceNumber(QWidget* parent = nullptr);

    // In: the slip number the assessment window shows. Out: the one confirmed.
    QString SlipNumber;

    // Whether a saved assessment of the pharmacy carries the slip number.
    static bool CheckSlipExists(const QString& slipNumber);
    // Sets the next pre-numbered slip, unless the slip it stands for is taken meanwhile; the test
    // and the write hold the counter row as one step. False (after telling) when taken.
    static bool UpdateRefNum(const QString& number);

    void cmdOK_Click();
    void txtCashNumber_Validate(bool& cancel);

    QLabel* Label1 = nullptr;
    QLineEdit* txtCashNumber = nullptr;
    QPushButton* cmdOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ControlEvents* cashNumberEvents_ = nullptr;
    bool validated_ = false;
};

} // namespace qx
