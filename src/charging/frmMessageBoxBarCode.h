#pragma once
#include "charging/PromptDialog.h"

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
class frmMessageBoxBarCode : public PromptDialog {
    Q_OBJECT
public:
    explicit frmMessageBoxBarCode(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdRetry = nullptr;

    void Form_Load() override;
    void cmdChange_Click();
    void cmdCancel_Click();
    void cmdRetry_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace qx
