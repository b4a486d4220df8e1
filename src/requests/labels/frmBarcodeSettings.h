#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// "Barcode Settings": the fonts, sizes and position of the medication labels, kept per user,
// the label printer made the program's printer for the run, and a test barcode. Each opening
// loads the boxes afresh; only "Save" stores them (the check box stores itself at each click).
class frmBarcodeSettings : public QDialog {
    Q_OBJECT
public:
    explicit frmBarcodeSettings(QWidget* parent = nullptr);

    // Makes the installed printer of that exact device name the program's printer; the caption
    // then reads "Printer selected.". False and nothing changed when there is none.
    bool SelectPrinter(const QString& deviceName);

    void Form_Load();
    void chkUseHardCode_Click();
    void cmd39_Click();
    void cmdIDA_Click();
    void cmdSetPrinter_Click();
    void cmdSetFont_Click();
    void cmdTestPrint_Click();
    void cmdOK_Click();

    QLabel* lblFont = nullptr;
    QLineEdit* txtFont = nullptr;
    QLabel* lblFontSize = nullptr;
    QLineEdit* txtSize = nullptr;
    QLineEdit* txtTop = nullptr;
    QLineEdit* txtLeft = nullptr;
    QLineEdit* txtFontR = nullptr;
    QLineEdit* txtSizeR = nullptr;
    QCheckBox* chkUseHardCode = nullptr;
    QPushButton* cmd39 = nullptr;
    QPushButton* cmdIDA = nullptr;
    QPushButton* cmdSetPrinter = nullptr;
    QPushButton* cmdSetFont = nullptr;
    QPushButton* cmdTestPrint = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace qx
