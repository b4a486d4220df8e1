#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class QLabel;

namespace qx {

class Connection;

// "Access Code Entry": a supervisor (department "15" or "00", rights "A" and "S") approves an
// action with his user code and password. A caller that asks for a supervisor's validation sets
// the height to 2400 twips, which hides the note about discharged and billed accounts.
class frmDeletePassword : public QDialog {
    Q_OBJECT
public:
    explicit frmDeletePassword(QWidget* parent = nullptr);

    static frmDeletePassword& Default();

    // True when the last showing ended with an accepted code and password.
    bool OKCharge() const { return okCharge_; }
    void setOKCharge(bool value) { okCharge_ = value; }
    // The accepted user code, trimmed.
    QString VerifyID() const { return verifyID_; }
    void setVerifyID(const QString& value) { verifyID_ = value; }
    // Whether the password table has a supervisor with this code and this password (compared in
    // its stored scrambled form, so letter case counts).
    bool GetPassword(const QString& userCode, const QString& password);
    static bool GetPassword(Connection& con, const QString& userCode, const QString& password);

    // Sets the client height in twips, as callers do before showing.
    void setHeightTwips(int twips);

    QLineEdit* txtUserID = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdEnter = nullptr;
    QLabel* lblNote = nullptr;

    void Form_Activate();
    void cmdEnter_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool okCharge_ = false;
    QString verifyID_;
};

} // namespace qx
