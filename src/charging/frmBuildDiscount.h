#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qx {

// "BUILD FILE": edits the four discount percentages (cash, employee, senior citizen, VAT). A save
// stores them and reloads the percentages the program holds, so that the next charge uses them.
// The close box closes it without saving.
class frmBuildDiscount : public QDialog {
    Q_OBJECT
public:
    explicit frmBuildDiscount(QWidget* parent = nullptr);

    QLineEdit* txtCash = nullptr;
    QLineEdit* txtEmployee = nullptr;
    QLineEdit* txtSC = nullptr;
    QLineEdit* txtVAT = nullptr;
    QPushButton* cmdSave = nullptr;

    // Stores the boxes' numbers and reloads the held percentages; the saved flag tells whether it
    // worked. A box that holds no percentage from 0 to 100 is named in a message and nothing is
    // stored; a failure is shown, not raised.
    void SaveDiscount();
    bool saved() const { return saved_; }

    void cmdSave_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void Form_Load();
    // Names the first box that holds no percentage from 0 to 100 and puts the focus on it.
    bool percentagesValid();

    bool saved_ = false;
    bool loaded_ = false;
};

} // namespace qx
