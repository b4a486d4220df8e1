#include "shell/frmLogOff.h"

#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PasswordScramble.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <functional>

namespace qx {

// The lock screen's animation: a padlock whose shackle light circles it. Clicking it asks to exit.
class LockAnimation : public QWidget {
public:
    explicit LockAnimation(QWidget* parent) : QWidget(parent) {
        timer_.setInterval(120);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            frame_ = (frame_ + 1) % kFrames;
            update();
        });
    }
    void play() { frame_ = 0; timer_.start(); }
    void stop() { timer_.stop(); }
    bool isPlaying() const { return timer_.isActive(); }
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
        const double side = std::min(area.width(), area.height());
        const QRectF body(area.center().x() - side * 0.3, area.center().y() - side * 0.05, side * 0.6, side * 0.45);
        const QRectF shackle(body.left() + side * 0.1, body.top() - side * 0.35, side * 0.4, side * 0.7);
        p.setPen(QPen(QColor(90, 90, 110), side * 0.07));
        p.drawArc(shackle, 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 160, 40));
        p.drawRoundedRect(body, 3, 3);
        p.setBrush(QColor(255, 240, 150));
        const double angle = 2 * 3.14159265 * frame_ / kFrames;
        const QPointF centre = area.center();
        const double radius = side * 0.45;
        p.drawEllipse(QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle)), side * 0.06,
                      side * 0.06);
    }
    void mouseReleaseEvent(QMouseEvent*) override {
        if (onClick)
            onClick();
    }

private:
    static constexpr int kFrames = 16;
    QTimer timer_;
    int frame_ = 0;
};

namespace {

const QString kFrmLogOffModule = QStringLiteral("frmLogOff");
const QString kPharmacyDepartment = QStringLiteral("15");

// Every character typed into the boxes becomes upper case.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QPixmap buttonPicture(bool highlighted) {
    QPixmap picture(96, 30);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(highlighted ? QColor(70, 130, 220) : QColor(40, 80, 160));
    p.setPen(QPen(highlighted ? QColor(255, 230, 120) : QColor(20, 40, 90), 2));
    p.drawRoundedRect(QRectF(1, 1, 94, 28), 8, 8);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, 96, 30), Qt::AlignCenter, QStringLiteral("LOG IN"));
    return picture;
}

} // namespace

frmLogOff::frmLogOff(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLogOff"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(400, 180);
    setMouseTracking(true);
    setAutoFillBackground(true);

    auto* heading = new QLabel(QStringLiteral("Workstation locked"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);
    heading->setGeometry(110, 14, 280, 24);
    auto* emplLabel = new QLabel(QStringLiteral("Employee #"), this);
    emplLabel->setGeometry(110, 52, 90, 22);
    auto* passwordLabel = new QLabel(QStringLiteral("Password"), this);
    passwordLabel->setGeometry(110, 86, 90, 22);

    txtEmplNo = new QLineEdit(this);
    txtEmplNo->setGeometry(200, 50, 180, 24);
    txtPassword = new QLineEdit(this);
    txtPassword->setGeometry(200, 84, 180, 24);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    for (QLineEdit* box : {txtEmplNo, txtPassword}) {
        box->setValidator(new UpperCaseValidator(box));
        box->installEventFilter(this);
    }

    for (bool highlighted : {false, true}) {
        auto* button = new PictureButton(this);
        button->setPicture(buttonPicture(highlighted));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(284, 126, 96, 30);
        connect(button, &QAbstractButton::clicked, this, [this] { unhandledErrorGuard([this] { Image1_Click(); }); });
        Image1 << button;
    }
    connect(Image1[0], &PictureButton::mouseMove, this, [this](int, int, int, int) { Image1_MouseMove(); });

    Animation1 = new LockAnimation(this);
    Animation1->setGeometry(14, 30, 84, 120);
    Animation1->setCursor(Qt::PointingHandCursor);
    Animation1->onClick = [this] { unhandledErrorGuard([this] { Animation1_Click(); }); };
}

frmLogOff& frmLogOff::Default() {
    static frmLogOff* instance = new frmLogOff;
    return *instance;
}

void frmLogOff::Form_Load() {
    txtEmplNo->clear();
    txtPassword->clear();
    Animation1->play();
    Image1[1]->setGeometry(Image1[0]->x(), Image1[0]->y(), Image1[0]->width(), Image1[0]->height());
    showNormalPicture();
    txtEmplNo->setFocus();
}

void frmLogOff::showNormalPicture() {
    Image1[0]->show();
    Image1[1]->hide();
}

void frmLogOff::Image1_MouseMove() {
    Image1[1]->show();
    Image1[0]->hide();
}

void frmLogOff::Form_MouseMove() { showNormalPicture(); }

bool frmLogOff::AllowEntry() {
    const QString employee = Trim(txtEmplNo->text());
    const QString password = Trim(txtPassword->text());
    if (employee.isEmpty()) {
        MsgBox(QStringLiteral("You have not entered your Employee # yet."), vbInformation, QStringLiteral("MESSAGE"));
        return false;
    }
    if (password.isEmpty()) {
        MsgBox(QStringLiteral("You have not entered your password."), vbInformation, QStringLiteral("MESSAGE"));
        return false;
    }
    std::optional<Recordset> rs;
    try {
        rs = SQLConnection().callProcedure(QStringLiteral("Pharma_GetPassword"),
                                           {{QStringLiteral("@EmployeeID"), employee},
                                            {QStringLiteral("@DepartmentID"), kPharmacyDepartment}});
    } catch (...) {
        const AppError e = currentError();
        throw AppError(e.number(), QStringLiteral("frmLogOff.AllowEntry"), e.description());
    }
    if (!rs || rs->eof()) {
        MsgBox(QStringLiteral("Invalid identification entry!"), vbExclamation, QStringLiteral("MESSAGE"));
        return false;
    }
    const QString stored = ScrambleText(QStringLiteral("D"), kPasswordKey, rs->text(QStringLiteral("Password")));
    if (UCase(stored) != UCase(password)) {
        MsgBox(QStringLiteral("Invalid identification entry!"), vbExclamation, QStringLiteral("MESSAGE"));
        return false;
    }
    // The login component holds the identity too: its checkusersettings must answer for the
    // employee now at the workstation, not for the one who started the program.
    try {
        if (gComponents.gCurrentUser) {
            gComponents.gCurrentUser->ChangeUser(employee);
            gEmployeePosition = gComponents.gCurrentUser->Position();
        }
    } catch (...) {
        const AppError e = currentError();
        throw AppError(e.number(), QStringLiteral("frmLogOff.AllowEntry"), e.description());
    }
    gEmployeeCode = employee;
    gEmployeeName = rs->text(QStringLiteral("Name"));
    gEmployeeInitial = rs->text(QStringLiteral("Initials"));
    rights_ = rs->text(QStringLiteral("Rights"));
    return true;
}

void frmLogOff::Image1_Click() {
    showNormalPicture();
    if (AllowEntry()) {
        entered_ = true;
        // Menus must follow the employee now at the workstation, not the one before him.
        emit employeeLoggedIn(gEmployeeCode);
        leave();
    }
}

void frmLogOff::Animation1_Click() {
    if (MsgBox(QStringLiteral("Are you sure to exit this program?"), vbYesNo + vbQuestion, QStringLiteral("MESSAGE")) !=
        vbYes)
        return;
    gExitRequested = true;
    entered_ = false;
    leave();
}

void frmLogOff::leave() {
    leaving_ = true;
    Animation1->stop();
    loaded_ = false;
    done(QDialog::Accepted);
    leaving_ = false;
}

void frmLogOff::Form_KeyPress(int keyAscii, QWidget* source) {
    if (keyAscii == keys::Escape) {
        Animation1_Click();
        return;
    }
    if (keyAscii != keys::Return || !qobject_cast<QLineEdit*>(source))
        return;
    SendKeysViaShell(QStringLiteral("{TAB}"), false);
    if (source == txtPassword)
        Image1_Click();
}

bool frmLogOff::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: Enter and Escape belong to the window before the boxes see them.
    if (event->type() == QEvent::KeyPress) {
        const int ascii = keyAscii(*static_cast<QKeyEvent*>(event));
        if (ascii == keys::Return || ascii == keys::Escape) {
            auto* source = qobject_cast<QWidget*>(watched);
            unhandledErrorGuard([this, ascii, source] { Form_KeyPress(ascii, source); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLogOff::keyPressEvent(QKeyEvent* event) {
    const int ascii = keyAscii(*event);
    if (ascii == keys::Escape || ascii == keys::Return) {
        unhandledErrorGuard([this, ascii] { Form_KeyPress(ascii, this); });
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmLogOff::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

void frmLogOff::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QDialog::showEvent(event);
}

void frmLogOff::closeEvent(QCloseEvent* event) {
    // Only a login or a confirmed exit leaves the lock screen.
    if (!leaving_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace qx
