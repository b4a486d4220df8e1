#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class QLabel;

namespace qx::suite {

class StaffLoginCurrentUser;

// The login window: employee number and password (typed in upper case, the password masked),
// OK and Cancel. A refused try says why; the third refused try, Cancel or Esc gives up.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(StaffLoginCurrentUser& user, QWidget* parent = nullptr);

    int failedTries() const { return failedTries_; }

    QLineEdit* txtEmplNo = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void cmdOK_Click();

private:
    StaffLoginCurrentUser& user_;
    int failedTries_ = 0;
};

} // namespace qx::suite
