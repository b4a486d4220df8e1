#pragma once
#include <QDialog>
#include <QVector>

class QLineEdit;

namespace qx {

class PictureButton;
class LockAnimation;

// The workstation's lock screen: any pharmacy employee unlocks it with his number and password
// and becomes the session's user, or the user leaves the program. No other way out.
class frmLogOff : public QDialog {
    Q_OBJECT
public:
    explicit frmLogOff(QWidget* parent = nullptr);

    // The instance the main window and the cash-sales screen read, alive for the whole run.
    static frmLogOff& Default();

    // True after a successful login here; False after a confirmed exit.
    bool Entered() const { return entered_; }
    void setEntered(bool value) { entered_ = value; }
    // Checks the typed number and password; on success the employee becomes the session's user.
    bool AllowEntry();
    // The rights letters of the employee who last logged in here; empty until then.
    QString Rights() const { return rights_; }
    void setRights(const QString& value) { rights_ = value; }

    QLineEdit* txtEmplNo = nullptr;
    QLineEdit* txtPassword = nullptr;
    QVector<PictureButton*> Image1;  // 0 the normal picture, 1 the highlighted one
    LockAnimation* Animation1 = nullptr;

    void Form_Load();
    void Form_KeyPress(int keyAscii, QWidget* source);
    void Form_MouseMove();
    void Image1_MouseMove();
    void Image1_Click();
    void Animation1_Click();

signals:
    // A successful login made this employee the session's user; his rights are to be loaded.
    void employeeLoggedIn(const QString& employeeCode);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showNormalPicture();
    void leave();

    bool entered_ = false;
    QString rights_;
    bool loaded_ = false;
    bool leaving_ = false;
};

} // namespace qx
