#include "shell/frmDeletePassword.h"

#include "components/Connection.h"
#include "components/PasswordScramble.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
constexpr int kFullWidthTwips = 3690;
constexpr int kFullHeightTwips = 3660;
} // namespace

frmDeletePassword::frmDeletePassword(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDeletePassword"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("Access Code Entry"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    heading->setFont(bold);
    heading->setGeometry(twipsToPixels(240, 120, 3210, 420));
    auto* line = new QLabel(QStringLiteral("Please sign in to validate user..."), this);
    line->setGeometry(twipsToPixels(240, 540, 3210, 285));
    auto* userLabel = new QLabel(QStringLiteral("User Code / ID"), this);
    userLabel->setGeometry(twipsToPixels(240, 960, 1400, 285));
    txtUserID = new QLineEdit(this);
    txtUserID->setGeometry(twipsToPixels(1680, 930, 1770, 330));
    auto* passwordLabel = new QLabel(QStringLiteral("User Password"), this);
    passwordLabel->setGeometry(twipsToPixels(240, 1410, 1400, 285));
    txtPassword = new QLineEdit(this);
    txtPassword->setGeometry(twipsToPixels(1680, 1380, 1770, 330));
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdEnter = new QPushButton(QStringLiteral("&OK"), this);
    cmdEnter->setAutoDefault(false);
    cmdEnter->setGeometry(twipsToPixels(2370, 1860, 1080, 390));
    lblNote = new QLabel(QStringLiteral("* Patients account was already discharged and billed. Please contact your EDP or "
                                        "Supervisor for password verification."),
                         this);
    lblNote->setWordWrap(true);
    lblNote->setGeometry(twipsToPixels(240, 2490, 3210, 900));
    setFixedSize(twipsToPixels(QSize(kFullWidthTwips, kFullHeightTwips)));

    for (QLineEdit* box : {txtUserID, txtPassword})
        box->installEventFilter(this);
    connect(cmdEnter, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdEnter_Click(); }); });
}

frmDeletePassword& frmDeletePassword::Default() {
    static frmDeletePassword* instance = new frmDeletePassword;
    return *instance;
}

void frmDeletePassword::setHeightTwips(int twips) {
    setFixedSize(twipsToPixels(kFullWidthTwips), twipsToPixels(twips));
}

bool frmDeletePassword::GetPassword(const QString& userCode, const QString& password) {
    return GetPassword(SQLConnection(), userCode, password);
}

bool frmDeletePassword::GetPassword(Connection& con, const QString& userCode, const QString& password) {
    const Recordset rs = con.query(
        QStringLiteral("SELECT EmployeeID, Password FROM password.tbPasswordMain "
                       "WHERE TRIM(DepartmentID) IN ('15', '00') AND UPPER(TRIM(Right_Code1)) = 'A' AND UPPER(TRIM(Right_Code2)) = 'S' "
                       "AND UPPER(TRIM(EmployeeID)) = UPPER(TRIM(?)) AND Password = ?"),
        {userCode, ScrambleText(QStringLiteral("E"), kPasswordKey, password)});
    return !rs.isEmpty();
}

void frmDeletePassword::Form_Activate() {
    okCharge_ = false;
    verifyID_.clear();
    txtUserID->setFocus();
}

void frmDeletePassword::cmdEnter_Click() {
    const QString user = Trim(txtUserID->text());
    if (GetPassword(user, Trim(txtPassword->text()))) {
        okCharge_ = true;
        verifyID_ = user;
        done(QDialog::Accepted);
        return;
    }
    MsgBox(QStringLiteral("Password not valid!"), vbInformation, kProductTitle);
    txtPassword->setFocus();
}

bool frmDeletePassword::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int code = keyCode(*static_cast<QKeyEvent*>(event));
        if (code == keys::Escape) {
            done(QDialog::Rejected);
            return true;
        }
        if (code == keys::Return) {
            if (watched == txtUserID)
                txtPassword->setFocus();
            else
                unhandledErrorGuard([this] { cmdEnter_Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmDeletePassword::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

} // namespace qx
