#include "components/AppError.h"
#include "platform/QtIdleClock.h"
#include "platform/QtInstanceGuard.h"
#include "platform/QtKeySender.h"
#include "platform/QtMessageBoxService.h"
#include "platform/QtModalService.h"
#include "platform/QtPlatformServices.h"
#include "platform/QtSettingsStore.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

using namespace qx;

namespace {

// Runs `action` on the modal message box once it is up.
void whenBoxShown(std::function<void(QMessageBox&)> action) {
    QTimer::singleShot(0, [action] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        action(*box);
    });
}

// Two boxes in an active window, the first with the focus.
struct TwoFields {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    TwoFields() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        first->setFocus();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST(QtMessageBoxServiceTest, ButtonsIconDefaultAndAnswer) {
    struct Case {
        int style;
        QMessageBox::Icon icon;
        QList<QMessageBox::StandardButton> buttons;
        QMessageBox::StandardButton defaultButton;
        MsgBoxResult answerOfDefault;
    };
    const Case cases[] = {
        {vbOKOnly, QMessageBox::NoIcon, {QMessageBox::Ok}, QMessageBox::Ok, vbOK},
        {vbInformation, QMessageBox::Information, {QMessageBox::Ok}, QMessageBox::Ok, vbOK},
        {vbYesNo + vbQuestion, QMessageBox::Question, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, vbYes},
        {vbYesNo + vbQuestion + vbDefaultButton2, QMessageBox::Question, {QMessageBox::Yes, QMessageBox::No},
         QMessageBox::No, vbNo},
        {vbYesNoCancel + vbExclamation + vbDefaultButton3, QMessageBox::Warning,
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, QMessageBox::Cancel, vbCancel},
        {vbOKCancel + vbCritical, QMessageBox::Critical, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Ok, vbOK},
        {vbRetryCancel, QMessageBox::NoIcon, {QMessageBox::Retry, QMessageBox::Cancel}, QMessageBox::Retry, vbRetry},
        {vbAbortRetryIgnore + vbDefaultButton2, QMessageBox::NoIcon,
         {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, QMessageBox::Retry, vbRetry},
    };
    QtMessageBoxService service;
    for (const Case& c : cases) {
        bool seen = false;
        whenBoxShown([&](QMessageBox& box) {
            seen = true;
            EXPECT_EQ(box.text(), "Save this request?");
            EXPECT_EQ(box.windowTitle(), "MESSAGE");
            EXPECT_EQ(box.icon(), c.icon);
            for (QMessageBox::StandardButton b : c.buttons)
                EXPECT_NE(box.button(b), nullptr) << c.style;
            EXPECT_EQ(box.buttons().size(), c.buttons.size()) << c.style;
            EXPECT_EQ(box.defaultButton(), box.button(c.defaultButton)) << c.style;
            box.defaultButton()->click();
        });
        EXPECT_EQ(service.show(QStringLiteral("Save this request?"), c.style, QStringLiteral("MESSAGE")),
                  c.answerOfDefault)
            << c.style;
        EXPECT_TRUE(seen);
    }
}

TEST(QtMessageBoxServiceTest, EscapeAnswersCancelOrOk) {
    QtMessageBoxService service;
    struct Case { int style; MsgBoxResult expected; };
    for (const Case& c : {Case{vbOKCancel, vbCancel}, Case{vbOKOnly, vbOK}, Case{vbYesNoCancel, vbCancel}}) {
        whenBoxShown([](QMessageBox& box) {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&box, &esc);
        });
        EXPECT_EQ(service.show(QStringLiteral("x"), c.style, QStringLiteral("t")), c.expected) << c.style;
    }
}

TEST(QtModalServiceTest, ReturnsWhenTheWindowCloses) {
    QtModalService modal;
    QDialog dialog;
    bool modalWhileShown = false;
    QTimer::singleShot(0, [&] {
        modalWhileShown = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
        dialog.accept();
    });
    modal.showModal(dialog);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    QWidget window;
    modalWhileShown = false;
    QTimer::singleShot(0, [&] {
        modalWhileShown = window.isVisible() && window.windowModality() == Qt::ApplicationModal;
        window.close();
    });
    modal.showModal(window);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
}

TEST(QtKeySenderTest, ParsesKeyStrings) {
    const QString tab = QStringLiteral("\t");
    struct Case { const char* keys; QList<KeyStroke> expected; };
    const Case cases[] = {
        {"{TAB}", {{Qt::Key_Tab, {}, tab}}},
        {"{Tab}", {{Qt::Key_Tab, {}, tab}}},
        {"{HOME}", {{Qt::Key_Home, {}, {}}}},
        {"{END}", {{Qt::Key_End, {}, {}}}},
        {"{PgUP}", {{Qt::Key_PageUp, {}, {}}}},
        {"{PgDn}", {{Qt::Key_PageDown, {}, {}}}},
        {"{DOWN}{UP}", {{Qt::Key_Down, {}, {}}, {Qt::Key_Up, {}, {}}}},
        {"a1", {{Qt::Key_A, {}, QStringLiteral("a")}, {Qt::Key_1, {}, QStringLiteral("1")}}},
        {"B", {{Qt::Key_B, Qt::ShiftModifier, QStringLiteral("B")}}},
        {"+{TAB}", {{Qt::Key_Backtab, Qt::ShiftModifier, {}}}},
        {"{TAB 2}", {{Qt::Key_Tab, {}, tab}, {Qt::Key_Tab, {}, tab}}},
        {"~", {{Qt::Key_Return, {}, QStringLiteral("\r")}}},
        {"{+}", {{Qt::Key_Plus, {}, QStringLiteral("+")}}},
        {"^c", {{Qt::Key_C, Qt::ControlModifier, {}}}},
        {"%(fx)", {{Qt::Key_F, Qt::AltModifier, {}}, {Qt::Key_X, Qt::AltModifier, {}}}},
        {"{F5}", {{Qt::Key_F5, {}, {}}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QtKeySender::parse(QString::fromUtf8(c.keys)), c.expected) << c.keys;

    for (const char* bad : {"{BOGUS}", "{TAB", "a)", "(ab"}) {
        try {
            QtKeySender::parse(QString::fromUtf8(bad));
            ADD_FAILURE() << bad;
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), 5) << bad;
        }
    }
}

TEST(QtKeySenderTest, EachKeystrokeGoesToTheFocusOfItsMoment) {
    TwoFields form;
    QtKeySender keys;
    keys.send(QStringLiteral("ab{TAB}cd"), true);
    EXPECT_EQ(form.first->text(), "ab");
    EXPECT_EQ(form.second->text(), "cd");
    EXPECT_TRUE(form.second->hasFocus());
}

TEST(QtKeySenderTest, WithoutWaitKeystrokesArriveFromTheEventLoop) {
    TwoFields form;
    QtKeySender keys;
    keys.send(QStringLiteral("12{TAB}3"), false);
    EXPECT_EQ(form.first->text(), "");
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(form.first->text(), "12");
    EXPECT_EQ(form.second->text(), "3");
}

TEST(QtSettingsStoreTest, GetAndSaveUnderApplicationAndSection) {
    QTemporaryDir dir;
    const QString app = QStringLiteral("Ruzari Zozoze");
    const QString section = QStringLiteral("Settings");
    const QString key = QStringLiteral("ChargeSlipCopies");
    {
        QtSettingsStore store(dir.path());
        EXPECT_EQ(store.get(app, section, key, QStringLiteral("1")), "1");
        store.save(app, section, key, QStringLiteral("3"));
        store.save(QStringLiteral("Quillax"), QStringLiteral("Printer"), QStringLiteral("Font Name"),
                   QStringLiteral("Arial Narrow"));
        store.save(QStringLiteral("Quillax"), QStringLiteral("Printer"), QStringLiteral("Empty"), QString());
    }
    QtSettingsStore reopened(dir.path());
    EXPECT_EQ(reopened.get(app, section, key, QStringLiteral("1")), "3");
    EXPECT_EQ(reopened.get(app, QStringLiteral("Other"), key, QStringLiteral("1")), "1");
    EXPECT_EQ(reopened.get(QStringLiteral("Quillax"), section, key, QString()), "");
    EXPECT_EQ(reopened.get(QStringLiteral("Quillax"), QStringLiteral("Printer"), QStringLiteral("Font Name"), QString()),
              "Arial Narrow");
    EXPECT_EQ(reopened.get(QStringLiteral("Quillax"), QStringLiteral("Printer"), QStringLiteral("Empty"),
                           QStringLiteral("default")),
              "");
    EXPECT_TRUE(QFile::exists(reopened.fileOf(app)));
}

TEST(QtInstanceGuardTest, SecondInstanceSeesTheFirstUntilItEnds) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quillax-test.lock"));
    auto first = std::make_unique<QtInstanceGuard>(lock);
    EXPECT_FALSE(first->previousInstance());
    EXPECT_FALSE(first->previousInstance());
    QtInstanceGuard second(lock);
    EXPECT_TRUE(second.previousInstance());
    first.reset();
    QtInstanceGuard third(lock);
    EXPECT_FALSE(third.previousInstance());
}

TEST(QtInstanceGuardTest, LockOfADeadProgramIsTakenOver) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quillax-test.lock"));
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A process number no running program has.
    file.write(QStringLiteral("%1\nquillax\n%2\n").arg(4194303).arg(QSysInfo::machineHostName()).toUtf8());
    file.close();
    QtInstanceGuard guard(lock);
    EXPECT_FALSE(guard.previousInstance());
}

TEST(QtIdleClockTest, InputRestartsTheIdleTime) {
    QtIdleClock clock;
    QWidget widget;
    QThread::msleep(40);
    EXPECT_GE(clock.idleMilliseconds(), 40);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&widget, &key);
    EXPECT_LT(clock.idleMilliseconds(), 40);
}

TEST(QtPlatformServicesTest, FoldersAndWaitCursor) {
    const PlatformServices services = qtPlatformServices();
    EXPECT_EQ(services.folders->programFolder(), QCoreApplication::applicationDirPath());
    EXPECT_FALSE(services.folders->documentsFolder().isEmpty());

    services.cursor->setBusy(true);
    services.cursor->setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    services.cursor->setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(services.cursor->isBusy());
}
