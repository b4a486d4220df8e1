#include "ScriptedPlatform.h"
#include "components/AppError.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace qx;

TEST(PlatformServicesTest, MsgBoxTitleDefaultsToTheProductName) {
    ScriptedPlatform platform;
    MsgBox(QStringLiteral("Saved."));
    MsgBox(QStringLiteral("Quantity is invalid."), vbExclamation, QStringLiteral("MESSAGE"));
    ASSERT_EQ(platform.messages->boxes().size(), 2u);
    EXPECT_EQ(platform.messages->boxes()[0].title, "Quillax");
    EXPECT_EQ(platform.messages->boxes()[0].icon(), 0);
    EXPECT_EQ(platform.messages->boxes()[1].title, "MESSAGE");
    EXPECT_EQ(platform.messages->boxes()[1].icon(), vbExclamation);
}

TEST(PlatformServicesTest, ScriptedAnswersThenDefaultButton) {
    ScriptedPlatform platform;
    platform.messages->answer(vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("Save?"), vbYesNo + vbQuestion), vbNo);
    // No script left: the default button answers.
    struct Case { int style; MsgBoxResult expected; };
    const Case cases[] = {
        {vbOKOnly, vbOK},
        {vbYesNo + vbQuestion, vbYes},
        {vbYesNo + vbQuestion + vbDefaultButton2, vbNo},
        {vbYesNoCancel + vbDefaultButton3, vbCancel},
        {vbOKCancel + vbDefaultButton2, vbCancel},
        {vbRetryCancel + vbCritical, vbRetry},
        {vbAbortRetryIgnore + vbDefaultButton3, vbIgnore},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MsgBox(QStringLiteral("?"), c.style), c.expected) << c.style;
}

TEST(PlatformServicesTest, StandardModuleBoxes) {
    ScriptedPlatform platform;
    ShowInfo(QStringLiteral("Saving completed successfully."));
    ShowErrorMessage(QStringLiteral("Table not found"));
    const auto& boxes = platform.messages->boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Saving completed successfully.");
    EXPECT_EQ(boxes[0].icon(), vbInformation);
    EXPECT_EQ(boxes[0].title, "Quillax");
    EXPECT_EQ(boxes[1].text, "An error has occured. Please contact IT Personnel for assistance.\nTable not found");
    EXPECT_EQ(boxes[1].icon(), vbCritical);
    EXPECT_EQ(boxes[1].title, "Quillax");
}

TEST(PlatformServicesTest, ScriptedModalActsOnTheWindowWhileItIsShown) {
    ScriptedPlatform platform;
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("frmSlipNumber"));
    auto* box = new QLineEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(box);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    bool visibleDuringAction = false;
    platform.modal->onShow(QStringLiteral("frmSlipNumber"), [&](QWidget& w) {
        visibleDuringAction = w.isVisible() && w.isModal();
        box->setText(QStringLiteral("0012345"));
        ok->click();
    });
    showModal(dialog);
    EXPECT_TRUE(visibleDuringAction);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(box->text(), "0012345");
    EXPECT_EQ(platform.modal->leftOpen(), 0);
    EXPECT_EQ(platform.modal->shown(), QStringList{QStringLiteral("QDialog")});

    // A window the test leaves open is closed and counted.
    showModal(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(platform.modal->leftOpen(), 0); // the by-name action clicked OK again
    QWidget plain;
    showModal(plain);
    EXPECT_FALSE(plain.isVisible());
    EXPECT_EQ(plain.windowModality(), Qt::NonModal);
    EXPECT_EQ(platform.modal->leftOpen(), 1);
}

TEST(PlatformServicesTest, SettingsKeysIdleFoldersCursorThroughTheLocator) {
    ScriptedPlatform platform;
    EXPECT_EQ(GetSetting(QStringLiteral("Ruzari Zozoze"), QStringLiteral("Settings"),
                         QStringLiteral("ChargeSlipCopies"), QStringLiteral("1")),
              "1");
    SaveSetting(QStringLiteral("Ruzari Zozoze"), QStringLiteral("Settings"), QStringLiteral("ChargeSlipCopies"),
                QStringLiteral("3"));
    EXPECT_EQ(GetSetting(QStringLiteral("Ruzari Zozoze"), QStringLiteral("Settings"),
                         QStringLiteral("ChargeSlipCopies"), QStringLiteral("1")),
              "3");
    EXPECT_EQ(GetSetting(QStringLiteral("Quillax"), QStringLiteral("Settings"), QStringLiteral("ChargeSlipCopies")),
              "");

    SendKeys(QStringLiteral("{TAB}"));
    SendKeysViaShell(QStringLiteral("{PgDn}"), true);
    EXPECT_EQ(platform.keys->keys(), (QStringList{QStringLiteral("{TAB}"), QStringLiteral("{PgDn}")}));
    EXPECT_TRUE(platform.keys->sent()[1].wait);

    struct IdleCase { qint64 ms; qint64 seconds; };
    const IdleCase idle[] = {{0, 0}, {59499, 59}, {59500, 60}, {5'000'000'000'000LL, 5'000'000'000LL}};
    for (const IdleCase& c : idle) {
        platform.idle->idleMs = c.ms;
        EXPECT_EQ(IdleSeconds(), c.seconds) << c.ms;
    }

    EXPECT_EQ(AppPath(), platform.folders->program);
    EXPECT_EQ(DocumentsFolder(), platform.folders->documents);

    platform.instance->otherRunning = true;
    EXPECT_TRUE(PrevInstance());

    {
        HourglassScope busy;
        EXPECT_TRUE(platform.cursor->isBusy());
        {
            HourglassScope nested;
        }
        EXPECT_TRUE(platform.cursor->isBusy());
    }
    EXPECT_FALSE(platform.cursor->isBusy());
}

TEST(PlatformServicesTest, MissingServiceIsAClearError) {
    ScopedPlatformServices none{PlatformServices{}};
    try {
        MsgBox(QStringLiteral("x"));
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 91);
        EXPECT_EQ(e.description(), "No message box service is installed.");
    }
}
