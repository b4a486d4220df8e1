#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qx {

// "Options": the refresh rate of the communication-file list and the senior-citizen discount,
// kept by the options component.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    // The leading number of a box as a 16-bit value, halves to even; no number gives 0, and a
    // number beyond the 16-bit range gives the nearest end of it.
    static qint16 BoxValue(const QString& text);

    QLineEdit* txtRefreshRate = nullptr;
    QLineEdit* txtSCDiscount = nullptr;
    QPushButton* cmdOK = nullptr;

    void Form_Load();
    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace qx
