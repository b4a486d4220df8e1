#pragma once
#include "charging/PromptDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class UpDown;

// Asks how many copies of a charge slip to print (slip mode, the answer in NumCopies) or, opened
// from the main menu with fromMain set, edits the stored copies setting (settings mode, for that
// one showing only).
class frmChargeSlipCopies : public PromptDialog {
    Q_OBJECT
public:
    explicit frmChargeSlipCopies(QWidget* parent = nullptr);

    qint16 NumCopies = 0;
    bool fromMain = false;

    QLabel* Label1 = nullptr;
    QLineEdit* txtCopies = nullptr;
    UpDown* UpDown1 = nullptr;
    QPushButton* cmdOK = nullptr;

    void cmdOK_Click();

private:
    void Form_Load() override;
    void Form_Unload() override;
};

} // namespace qx
