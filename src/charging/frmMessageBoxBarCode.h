#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace qx {

// The answers of the barcode refusal prompt. Showing the prompt sets Change and clears the
// other two, so Change is true after every use: callers test Retry, then Cancel, then Change.
extern bool gBarcodeChoiceChange;
extern bool gBarcodeChoiceCancel;
extern bool gBarcodeChoiceRetry;

// "CODE NOT ACCEPTED": a scanned code differs from the requested item's barcode. The user scans
// again, changes the requested item or cancels the request line.
class frmMessageBoxBarCode : public QDialog {
    Q_OBJECT
public:
    explicit frmMessageBoxBarCode(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdRetry = nullptr;

    void Form_Load();
    void cmdChange_Click();
    void cmdCancel_Click();
    void cmdRetry_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void unload();
    bool loaded_ = false;
};

} // namespace qx
