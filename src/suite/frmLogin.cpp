#include "suite/frmLogin.h"
#include "components/PlatformServices.h"
#include "suite/StaffLoginCurrentUser.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx::suite {

namespace {

// Every character typed becomes upper case, the caret staying where it was.
void upperCaseAsTyped(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int caret = box->cursorPosition();
        box->setText(upper);
        box->setCursorPosition(caret);
    });
}

} // namespace

frmLogin::frmLogin(StaffLoginCurrentUser& user, QWidget* parent) : QDialog(parent), user_(user) {
    setWindowTitle(QStringLiteral("Quillax - Log In"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    txtEmplNo = new QLineEdit(this);
    txtEmplNo->setMaxLength(20);
    txtPassword = new QLineEdit(this);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setMaxLength(40);
    upperCaseAsTyped(txtEmplNo);
    upperCaseAsTyped(txtPassword);
    form->addRow(QStringLiteral("Employee #"), txtEmplNo);
    form->addRow(QStringLiteral("Password"), txtPassword);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    // Enter belongs to the boxes: it moves from the number to the password, and logs in there.
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    connect(txtEmplNo, &QLineEdit::returnPressed, this, [this] { txtPassword->setFocus(); });
    connect(txtPassword, &QLineEdit::returnPressed, this, [this] { cmdOK_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtEmplNo->setFocus();
}

void frmLogin::cmdOK_Click() {
    QString detail;
    const auto result = user_.logIn(txtEmplNo->text(), txtPassword->text(), &detail);
    using R = StaffLoginCurrentUser::LoginResult;
    if (result == R::Accepted) {
        accept();
        return;
    }
    const bool emptyBox = result == R::EmptyEmployee || result == R::EmptyPassword;
    MsgBox(StaffLoginCurrentUser::messageFor(result, detail), emptyBox ? vbInformation : vbExclamation,
           QStringLiteral("MESSAGE"));
    if (emptyBox) {
        (result == R::EmptyEmployee ? txtEmplNo : txtPassword)->setFocus();
        return;
    }
    if (++failedTries_ >= StaffLoginCurrentUser::kMaxTries) {
        reject();
        return;
    }
    txtPassword->clear();
    (result == R::UnknownEmployee || result == R::OtherDepartment ? txtEmplNo : txtPassword)->setFocus();
}

} // namespace qx::suite
