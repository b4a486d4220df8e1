#include "MainWindowFixture.h"
#include "ScriptedInputBox.h"
#include "ScriptedPickers.h"
#include "platform/CommandState.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "SourceTree.h"
#include "shell/WindowOpeners.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QTextStream>
#include <QToolBar>
#include <QToolButton>

namespace qx::test {
namespace {

// A checked-in table: one row a line, fields split by tabs, "#" lines skipped.
QList<QStringList> readTable(const char* file) {
    QFile in(sourcePath(QStringLiteral("tests/mainwindow/data/") + QString::fromLatin1(file)));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly | QIODevice::Text)) << file;
    QList<QStringList> rows;
    QTextStream text(&in);
    while (!text.atEnd()) {
        const QString line = text.readLine();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            rows << line.split(QLatin1Char('\t'));
    }
    return rows;
}

QString describeInputs(const WindowValues& inputs) {
    if (inputs.isEmpty())
        return QStringLiteral("-");
    QStringList parts;
    for (auto it = inputs.begin(); it != inputs.end(); ++it)
        parts << it.key() + QLatin1Char('=') + it.value().toString();
    return parts.join(QLatin1Char(','));
}

class frmPharmaCommandSurfaceTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        previousInputBox_ = installInputBoxService(inputBox);
        inputBox->answers.push_back(QStringLiteral("OR"));
        gComponents.gDrugList = picker;
        gLocationID = QStringLiteral("20");
    }
    void TearDown() override {
        installInputBoxService(previousInputBox_);
        ClearWindowOpeners();
        MainWindowTest::TearDown();
    }
    // Spies under every name a command of the window may open.
    void registerSpies() {
        QStringList names = {QStringLiteral("frmListPharmaCommunication"), QStringLiteral("mnuPending.frmCommEntry"),
                             QStringLiteral("mnuPending.frmCommEntryOP"),
                             QStringLiteral("frmRefill"), QStringLiteral("mnuAssessment.frmCashEntry"),
                             QStringLiteral("mnuAssessment.frmSISequence")};
        for (const QStringList& row : readTable("MainMenus.tsv"))
            names << row[0];
        for (const QString& name : names)
            RegisterWindowOpener(name, [this, name](const WindowValues& inputs) {
                opened << name + QLatin1Char(' ') + describeInputs(inputs);
                return WindowValues{};
            });
    }
    // What one action reached: a spy's name and inputs, a window shown modally or modeless, or "-".
    QString reachedBy(const std::function<void()>& choose) {
        opened.clear();
        const qsizetype modalBefore = platform.modal->shown().size();
        QSet<QWidget*> visibleBefore;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                visibleBefore.insert(w);
        const qsizetype pickerCallsBefore = picker->calls.size();
        choose();
        QStringList reached = opened;
        for (const QString& call : picker->calls.mid(pickerCallsBefore))
            reached << QStringLiteral("DrugPicker ") + call;
        const QStringList shownModally = platform.modal->shown().mid(modalBefore);
        for (const QString& className : shownModally)
            reached << QStringLiteral("modal:") + QString(className).remove(QStringLiteral("qx::")) + QStringLiteral(" -");
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !visibleBefore.contains(w) && !qobject_cast<QMenu*>(w)) {
                // The lock screen refuses the double's closing; it is the modal one seen above.
                if (shownModally.contains(QString::fromLatin1(w->metaObject()->className()))) {
                    w->hide();
                    continue;
                }
                reached << QStringLiteral("modeless:") +
                               QString::fromLatin1(w->metaObject()->className()).remove(QStringLiteral("qx::")) +
                               QStringLiteral(" -");
                w->close();
            }
        return reached.isEmpty() ? QStringLiteral("- -") : reached.join(QLatin1Char('|'));
    }

    QStringList opened;
    std::shared_ptr<ScriptedInputBox> inputBox = std::make_shared<ScriptedInputBox>();
    std::shared_ptr<ScriptedDrugPicker> picker = std::make_shared<ScriptedDrugPicker>();

private:
    std::shared_ptr<InputBoxService> previousInputBox_;
};

QString designOf(const QAction* a) {
    QStringList flags;
    if (!a->isVisible())
        flags << QStringLiteral("hidden");
    if (!commandEnabled(a))
        flags << QStringLiteral("disabled");
    if (a->isChecked())
        flags << QStringLiteral("checked");
    return flags.isEmpty() ? QStringLiteral("-") : flags.join(QLatin1Char(','));
}

// The built menu tree as rows of the table's first seven fields, parents before children.
void describeMenu(const QList<QAction*>& actions, const QString& parent, QList<QStringList>& rows) {
    int order = 0;
    for (QAction* a : actions) {
        const QString kind = a->isSeparator() ? QStringLiteral("separator")
                             : a->menu()      ? QStringLiteral("submenu")
                                              : QStringLiteral("item");
        rows << QStringList{a->objectName(), a->isSeparator() ? QStringLiteral("-") : a->text(), parent,
                            QString::number(++order), designOf(a),
                            a->shortcut().isEmpty() ? QStringLiteral("-") : a->shortcut().toString(), kind};
        if (a->menu())
            describeMenu(a->menu()->actions(), a->objectName(), rows);
    }
}

TEST_F(frmPharmaCommandSurfaceTest, MenuTreeAsDesignedBeforeTheLoad) {
    frmPharma window;
    QList<QStringList> built;
    describeMenu(window.menuBar()->actions(), QString(), built);

    QList<QStringList> expected;
    for (QStringList row : readTable("MainMenus.tsv")) {
        if (row[6] == QStringLiteral("command") || row[6] == QStringLiteral("none"))
            row[6] = QStringLiteral("item");
        expected << row.mid(0, 7);
    }
    // Parents come before children in both, but the walk visits each subtree whole: compare by name.
    std::map<QString, QStringList> builtByName;
    for (const QStringList& row : built)
        EXPECT_TRUE(builtByName.emplace(row[0], row).second) << "two controls named " << row[0].toStdString();
    ASSERT_EQ(built.size(), expected.size());
    for (const QStringList& row : expected) {
        const auto it = builtByName.find(row[0]);
        ASSERT_NE(it, builtByName.end()) << row[0].toStdString();
        EXPECT_EQ(it->second.join(QLatin1Char('|')).toStdString(), row.join(QLatin1Char('|')).toStdString());
    }
    for (QMenu* m : {window.mnuPostPrescriptions, window.mnuView, window.mnuOthers, window.mnuReport,
                     window.mnuOptionsChange, window.mnuPopUp, window.mnuCheckPending, window.mnuPopUp2})
        EXPECT_EQ(window.menu(m->objectName()), m);
}

TEST_F(frmPharmaCommandSurfaceTest, EveryMenuItemReachesItsHandlerAndNoCommandReachesNothing) {
    registerSpies();
    gComponents.gOptions = std::make_shared<ScriptedOptionSet>();
    frmPharma window;
    for (const QStringList& row : readTable("MainMenus.tsv")) {
        const QString& kind = row[6];
        if (kind != QStringLiteral("command") && kind != QStringLiteral("none"))
            continue;
        QAction* action = window.command(row[0]);
        ASSERT_NE(action, nullptr) << row[0].toStdString();
        // Design states that keep an item from being chosen are the load's and rights' business.
        action->setVisible(true);
        action->setEnabled(true);
        const bool checked = action->isChecked();
        const QString reached = reachedBy([&] { action->trigger(); });
        EXPECT_EQ(reached.toStdString(), (row[7] + QLatin1Char(' ') + row[8]).toStdString()) << row[0].toStdString();
        // The two order commands flip their own marks; every other item keeps its mark.
        const bool flipsItsMark = row[0] == QStringLiteral("mnuSorted") || row[0] == QStringLiteral("mnuFIFO");
        EXPECT_EQ(action->isChecked(), flipsItsMark ? !checked : checked)
            << row[0].toStdString() << ": choosing leaves the mark";
    }
    EXPECT_EQ(window.mnuPopUp2->menuAction()->isVisible(), true);
}

TEST_F(frmPharmaCommandSurfaceTest, ToolbarAsDesigned) {
    frmPharma window;
    const QList<QAction*> buttons = window.tbrPharma->actions();
    const QList<QStringList> expected = readTable("Toolbar.tsv");
    ASSERT_EQ(buttons.size(), expected.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QAction* b = buttons[i];
        EXPECT_EQ(window.tbrPharmaButton(i + 1), b);
        QStringList items;
        if (b->menu())
            for (QAction* item : b->menu()->actions()) {
                EXPECT_EQ(item->property("Index").toInt(), items.size() + 1);
                items << item->text() + QLatin1Char(';') + item->property("Key").toString() + QLatin1Char(';') +
                             item->property("Tag").toString();
            }
        const QString style = b->isSeparator() ? QStringLiteral("separator")
                              : b->menu()      ? QStringLiteral("drop-down")
                                               : QStringLiteral("button");
        const QStringList row{QString::number(b->property("Index").toInt()), b->property("Key").toString(),
                              b->isSeparator() ? QString() : b->toolTip(), style,
                              b->isVisible() ? QStringLiteral("no") : QStringLiteral("yes"),
                              items.isEmpty() ? QStringLiteral("-") : items.join(QLatin1Char('|'))};
        EXPECT_EQ(row.join(QLatin1Char('|')).toStdString(), expected[i].mid(0, 6).join(QLatin1Char('|')).toStdString());
        if (!b->isSeparator()) {
            EXPECT_TRUE(b->text().isEmpty()) << "no caption on button " << i + 1;
            EXPECT_FALSE(b->icon().isNull());
        }
        if (b->menu()) {
            auto* face = qobject_cast<QToolButton*>(window.tbrPharma->widgetForAction(b));
            ASSERT_NE(face, nullptr);
            EXPECT_EQ(face->popupMode(), QToolButton::MenuButtonPopup);
        }
    }
}

TEST_F(frmPharmaCommandSurfaceTest, ToolbarButtonBodiesRunTheirCommands) {
    registerSpies();
    frmPharma window;
    window.flexMSHList->setRows(3);
    window.flexMSHList->setCols(9);
    window.flexMSHList->setTextMatrix(2, 0, QStringLiteral("  PH000123 "));
    window.flexMSHList->setRow(2);
    for (const QStringList& row : readTable("Toolbar.tsv")) {
        const int index = row[0].toInt();
        const QString reached = reachedBy([&] { window.tbrPharma_ButtonClick(index); });
        EXPECT_EQ(reached.toStdString(), (row[6] + QLatin1Char(' ') + row[7]).toStdString()) << "button " << index;
    }
    // The button faces run the same dispatch.
    for (int index : {1, 8, 16}) {
        auto* face = qobject_cast<QToolButton*>(window.tbrPharma->widgetForAction(window.tbrPharmaButton(index)));
        ASSERT_NE(face, nullptr);
        opened.clear();
        window.tbrPharma_ButtonClick(index);
        const QString byDispatch = opened.join(QLatin1Char('|'));
        face->click();
        EXPECT_EQ(opened.join(QLatin1Char('|')), byDispatch + QLatin1Char('|') + byDispatch) << "button " << index;
    }

    // Button 18 on a row whose reference is empty revokes nothing.
    window.flexMSHList->setTextMatrix(2, 0, QStringLiteral("   "));
    EXPECT_EQ(reachedBy([&] { window.tbrPharma_ButtonClick(18); }), QStringLiteral("- -"));
}

TEST_F(frmPharmaCommandSurfaceTest, DropDownChoiceRunsAtOnceAndIsRememberedPerButton) {
    registerSpies();
    frmPharma window;
    struct Step {
        int button;
        int item;  // 0: a click on the button's body
        const char* reached;
    };
    const Step steps[] = {
        {8, 0, "mnuAdjustmentInPatient ReturnOrAdjustment=2"},  // no choice yet: in-patient
        {8, 2, "mnuAdjustmentOutPatient ReturnOrAdjustment=2"},
        {8, 0, "mnuAdjustmentOutPatient ReturnOrAdjustment=2"},
        {4, 0, "mnuManualInPatient -"},
        {7, 0, "mnuPostInPatient ReturnOrAdjustment=1"},
        {10, 0, "mnuListInPatient IDNum="},
        {4, 2, "mnuManualOutPatient -"},
        {4, 0, "mnuManualOutPatient -"},
        {7, 2, "mnuPostOutPatient ReturnOrAdjustment=1"},
        {10, 2, "mnuListOutPatient IDNum="},
        {10, 1, "mnuListInPatient IDNum="},
        {10, 0, "mnuListInPatient IDNum="},
        {8, 1, "mnuAdjustmentInPatient ReturnOrAdjustment=2"},
        {8, 0, "mnuAdjustmentInPatient ReturnOrAdjustment=2"},
        {5, 1, "- -"},  // a choice under a button without a list does nothing
    };
    for (const Step& s : steps) {
        QAction* button = window.tbrPharmaButton(s.button);
        const QString reached = reachedBy([&] {
            if (s.item == 0)
                button->trigger();
            else if (button->menu())
                button->menu()->actions().at(s.item - 1)->trigger();
            else
                window.tbrPharma_ButtonMenuClick(s.button, s.item);
        });
        EXPECT_EQ(reached, QString::fromLatin1(s.reached)) << "button " << s.button << " item " << s.item;
    }
    EXPECT_EQ(window.mManualPostingChoice, 2);
    EXPECT_EQ(window.mReturnChoice, 2);
    EXPECT_EQ(window.mCorrectionChoice, 1);
    EXPECT_EQ(window.mPostedListChoice, 1);
}

TEST_F(frmPharmaCommandSurfaceTest, RxPopUpMarksFollowTheRow) {
    frmPharma window;
    struct Case { const char* displayed; bool on; };
    const Case cases[] = {
        {"(RX)-DELA CRUZ, JUAN", true}, {"  (RX)-SANTOS, ANA", true}, {"DELA CRUZ, JUAN", false},
        {"(rx)-lower case", false},     {"", false},
    };
    for (const Case& c : cases) {
        window.PrepareRxPopUp(QString::fromLatin1(c.displayed));
        EXPECT_EQ(window.command(QStringLiteral("mnuRxOn"))->isChecked(), c.on) << c.displayed;
        EXPECT_EQ(window.command(QStringLiteral("mnuRxOFF"))->isChecked(), !c.on) << c.displayed;
    }
}

TEST_F(frmPharmaCommandSurfaceTest, AssessmentPopUpOffersWhatTheListAllows) {
    frmPharma window;
    struct Case { const char* parentKey; bool reprint, revoke; };
    const Case cases[] = {
        {"_4.1", true, false}, {"_4.2", true, true}, {"_4.3", false, false},
        {"_4.2.1", true, true}, {"_4.1.5", true, false},
    };
    QAction* reprint = window.command(QStringLiteral("mnuReprintAssess"));
    QAction* revoke = window.command(QStringLiteral("mnuRevokeAssess"));
    QAction* search = window.command(QStringLiteral("mnuHelpSearch"));
    for (const Case& c : cases) {
        window.PrepareAssessmentPopUp(QString::fromLatin1(c.parentKey));
        EXPECT_EQ(reprint->isVisible(), c.reprint) << c.parentKey;
        EXPECT_EQ(revoke->isVisible(), c.revoke) << c.parentKey;
        EXPECT_TRUE(search->isVisible());
    }
    // The menu-bar "PopUp2" keeps what the last press left until the next one.
    window.PrepareAssessmentPopUp(QStringLiteral("_4.3"));
    EXPECT_TRUE(window.mnuPopUp2->menuAction()->isVisible());
    EXPECT_FALSE(reprint->isVisible());
    window.PrepareAssessmentPopUp(QStringLiteral("_4.2"));
    EXPECT_TRUE(reprint->isVisible());
    EXPECT_TRUE(revoke->isVisible());
}

TEST_F(frmPharmaCommandSurfaceTest, PopUpOpensTwoHundredTwipsBelowTheMouseFromTheFrame) {
    frmPharma window;
    window.resize(900, 600);
    window.show();
    const QPoint mouse(40, 25);
    const QPoint frameTopLeft = window.fraList->mapTo(&window, QPoint(0, 0));
    EXPECT_EQ(window.PopUpPoint(window.fraList, mouse), frameTopLeft + mouse + QPoint(0, twipsToPixels(200)));

    window.ShowPopUp(window.mnuCheckPending, window.fraList, mouse);
    EXPECT_TRUE(window.mnuCheckPending->isVisible());
    EXPECT_EQ(window.mnuCheckPending->pos(), window.mapToGlobal(window.PopUpPoint(window.fraList, mouse)));
    QStringList items;
    for (QAction* a : window.mnuCheckPending->actions())
        items << a->text();
    EXPECT_EQ(items, (QStringList{"Out Patient", "In Patient", "ER Patient"}));
    window.mnuCheckPending->hide();
}

TEST_F(frmPharmaCommandSurfaceTest, PrinterSetupShowsTheSystemDialogAndReadsNothingBack) {
    frmPharma window;
    const QString title = window.windowTitle();
    window.command(QStringLiteral("mnuPrinterSetup"))->trigger();
    EXPECT_EQ(platform.modal->shown(), QStringList{QStringLiteral("QPrintDialog")});
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_TRUE(platform.messages->texts().isEmpty());
}

TEST_F(frmPharmaCommandSurfaceTest, BarcodeSettingsOpensItsRegisteredWindowWithNothingSet) {
    WindowValues seen{{QStringLiteral("untouched"), true}};
    int shown = 0;
    RegisterWindowOpener(QStringLiteral("mnuBarcodeSettings"), [&](const WindowValues& inputs) {
        seen = inputs;
        ++shown;
        return WindowValues{};
    });
    frmPharma window;
    window.command(QStringLiteral("mnuBarcodeSettings"))->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(seen.isEmpty());
}

TEST_F(frmPharmaCommandSurfaceTest, CommandsOfOtherModulesAreFoundByNameAndUnbuiltOnesDoNothing) {
    frmPharma window;
    // Nothing registered: every kind of command shows nothing, says nothing and changes nothing.
    for (const char* name : {"mnuInDetailed", "mnuPending", "mnuPostInPatient", "mnuBarcodeSettings", "mnuStockCard"}) {
        window.RunCommand(QString::fromLatin1(name));
        EXPECT_TRUE(platform.messages->texts().isEmpty()) << name;
        EXPECT_TRUE(platform.modal->shown().isEmpty()) << name;
        EXPECT_EQ(platform.programEnd->ended(), 0) << name;
    }
    // A report command's opener, registered by its module under the command's name.
    QStringList calls;
    RegisterWindowOpener(QStringLiteral("mnuInDetailed"), [&](const WindowValues&) {
        calls << QStringLiteral("first");
        return WindowValues{};
    });
    window.command(QStringLiteral("mnuInDetailed"))->trigger();
    // A later registration replaces the first.
    RegisterWindowOpener(QStringLiteral("mnuInDetailed"), [&](const WindowValues&) {
        calls << QStringLiteral("second");
        return WindowValues{};
    });
    window.RunCommand(QStringLiteral("mnuInDetailed"));
    EXPECT_EQ(calls, (QStringList{"first", "second"}));
    EXPECT_FALSE(frmPharma::HasOwnHandler(QStringLiteral("mnuInDetailed")));
    EXPECT_TRUE(frmPharma::HasOwnHandler(QStringLiteral("mnuPending")));
}

TEST_F(frmPharmaCommandSurfaceTest, AnOpenersErrorIsTheCommandsApplicationError) {
    RegisterWindowOpener(QStringLiteral("mnuSurcharge"), [](const WindowValues&) -> WindowValues {
        throw AppError(5, QStringLiteral("x"), QStringLiteral("Invalid procedure call"));
    });
    frmPharma window;
    window.command(QStringLiteral("mnuSurcharge"))->trigger();
    ASSERT_EQ(platform.messages->texts().size(), 1);
    EXPECT_TRUE(platform.messages->last().text.startsWith(QStringLiteral("Invalid procedure call\nin prjQuillax.frmPharma.mnuSurcharge_Click")));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Application Error"));
    EXPECT_EQ(platform.programEnd->ended(), 1);
}

TEST_F(frmPharmaCommandSurfaceTest, ReprintCreditAdviseAsksTheReceiptAndOpensNothingForAnEmptyAnswer) {
    registerSpies();
    frmPharma window;
    struct Case {
        const char* name;
        std::optional<QString> answer;
        const char* reached;
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, "- -"},
        {"cleared", QString(), "- -"},
        {"the default", QStringLiteral("OR"), "mnuCashReprint ItemID=,ORNumber=OR"},
        {"blanks kept", QStringLiteral(" OR-0012 "), "mnuCashReprint ItemID=,ORNumber= OR-0012 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        inputBox->answers = {c.answer};
        inputBox->asked.clear();
        EXPECT_EQ(reachedBy([&] { window.command(QStringLiteral("mnuCashReprint"))->trigger(); }), QString::fromLatin1(c.reached));
        EXPECT_EQ(inputBox->asked, QStringList{QStringLiteral("Receipt Number|Reprint Credit Advise|OR")});
    }
    EXPECT_TRUE(platform.messages->texts().isEmpty());
}

TEST_F(frmPharmaCommandSurfaceTest, DrugsInquiryShowsThePickerAndDropsItsAnswer) {
    registerSpies();
    frmPharma window;
    const QString title = window.windowTitle();
    picker->answers = {QStringLiteral("AMOX500")};
    // The menu item, toolbar button 11 and F5 run the one command.
    EXPECT_EQ(reachedBy([&] { window.command(QStringLiteral("mnuDrugsInquiry"))->trigger(); }), QStringLiteral("DrugPicker @20"));
    EXPECT_EQ(reachedBy([&] { window.tbrPharmaButton(11)->trigger(); }), QStringLiteral("DrugPicker @20"));
    EXPECT_TRUE(picker->drugsOrCsr);
    EXPECT_EQ(gLocationID, QStringLiteral("20"));
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_TRUE(platform.messages->texts().isEmpty());
}

} // namespace
} // namespace qx::test
