#include "Builders.h"
#include "MainWindowFixture.h"
#include "platform/FlexGrid.h"
#include "shell/WindowOpeners.h"
#include "suite/InpatientFilePatient.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace qx::test {
namespace {

// Every branch of the tree present, the row commands and the returns window replaced by spies
// that write down what they were opened with.
class RowActionsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES ('3F', 'STATION 3F', 'A')"));
        db().execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET Kelvarin = 1"));
        setNoDirectReturns(true);
        gPharmaSwitches.Load(db(), QStringLiteral("VOJ"));
        gSiteCode = QStringLiteral("VOJ");
        gSeparateER = true;
        gComponents.gPatient = std::make_shared<suite::InpatientFilePatient>([this] { return &db(); });
        gComponents.gPatient->InitConnect(db().connectionString());
        registerSpyOpeners({"mnuPending.frmCommEntry", "mnuPending.frmCommEntryOP", "mnuAutoDispense",
                            "mnuProcessTranscription", "mnuPreviousPres", "mnuOutPatientPres", "frmRefill",
                            "frmPostReturn"});
        window = std::make_unique<frmPharma>();
        ASSERT_TRUE(window->LoadTreeView());
    }
    void TearDown() override {
        window.reset();
        ClearWindowOpeners();
        MainWindowTest::TearDown();
    }
    void setNoDirectReturns(bool on) {
        db().execute(QStringLiteral("DELETE FROM station.tbNurseSetup WHERE FIELD = 'NoDirectReturnSupplies'"));
        if (on)
            db().execute(QStringLiteral("INSERT INTO station.tbNurseSetup (FIELD, Value) VALUES ('NoDirectReturnSupplies', '1')"));
    }
    // Selects a node without loading its list, and puts one row of values into the grid.
    void selectWithRow(const QString& key, const QStringList& cells = {"H1", "1001", "CM1", "NAME", "3F"}) {
        putListRow(*window, key, cells);
        opened.clear();
    }
    void pressOnRow(Qt::MouseButton button, int row) {
        FlexGrid& grid = *window->flexMSHList;
        const QPoint at(grid.viewport()->width() / 3, (grid.rowPos(row) + grid.rowHeight(row) / 2) / 15);
        QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &press);
    }

    std::unique_ptr<frmPharma> window;
};

TEST_F(RowActionsTest, DoubleClickStartsTheBranchCommandUnderItsRight) {
    const char* const kInPatientScreen = "mnuPending.frmCommEntry(PatientID=1001,RequestedStationID=)";
    struct Case { const char* node; bool process, unitDose; const char* opened; };
    const Case cases[] = {
        {"_1.1", true, false, kInPatientScreen},
        {"_1.1", false, true, ""},
        {"@3F", true, false, kInPatientScreen},
        {"@3F", false, true, ""},
        {"_2.1", true, false, kInPatientScreen},
        {"_8.1", true, false, kInPatientScreen},
        {"_3.1", false, true, "mnuAutoDispense(PatientID=1001)"},
        {"*3F", false, true, "mnuAutoDispense(PatientID=1001)"},
        {"*3F", true, false, ""},
        {"_4.1", false, false, "mnuProcessTranscription(IDNum=1001,RoomID=NAME)"},  // no right needed
        {"_4.1.1", true, true, ""},
        {"_5.1.1", true, false, "mnuPreviousPres(PatientID=1001,RequestedStationID=)"},
        {"_5.2.2", true, false, "mnuOutPatientPres(PatientID=1001,RequestedStationID=)"},
        {"_5.2.1", false, true, ""},
        {"_6.1", true, false, "frmRefill(PatientID=H1)"},
        {"_0", true, true, ""},
        {"_1", true, true, ""},
        {"_7.2.1", true, true, "frmPostReturn(CMSlip=CM1,HospNum=H1,IDNum=1001,PatientName=NAME)"},
    };
    for (const Case& c : cases) {
        gCanProcessRequest = c.process;
        gCanUnitDose = c.unitDose;
        selectWithRow(QString::fromLatin1(c.node));
        window->flexMSHList_DblClick();
        EXPECT_EQ(opened.join(u';').toStdString(), c.opened) << c.node;
    }
    // Enter is the double-click.
    gCanProcessRequest = true;
    selectWithRow(QStringLiteral("_1.1"));
    int enter = 13;
    emit window->flexMSHList->keyPress(enter);
    EXPECT_EQ(opened, QStringList{QString::fromLatin1(kInPatientScreen)});
    // Without the station setting the returns window stays shut.
    setNoDirectReturns(false);
    selectWithRow(QStringLiteral("_7.1.1"));
    window->flexMSHList_DblClick();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(RowActionsTest, ReturnsWindowIsFollowedByAReloadOfItsList) {
    addAdmittedPatient(db());
    db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, HospNum, ItemID, CreditMemo, RevenueID, qtyr) "
                                "VALUES ('1001', 'H000001', 'PARA500', 'SR000001', 'PC', 1)"));
    // The window posts the request; the list read again after it no longer shows it.
    RegisterWindowOpener(QStringLiteral("frmPostReturn"), [this](const WindowValues& in) {
        opened << in.value(QStringLiteral("CMSlip")).toString();
        db().execute(QStringLiteral("UPDATE tbPharmaCommunication SET isPosted = 1, RecordStatus = 'C'"));
        return WindowValues{};
    });
    QTreeWidgetItem* node = window->TreeNode(QStringLiteral("_7.1.1"));
    window->treCategory->setCurrentItem(node);
    window->treCategory_NodeClick(node);
    ASSERT_EQ(window->flexMSHList->textMatrix(1, 2), QStringLiteral("SR000001"));
    window->flexMSHList_DblClick();
    EXPECT_EQ(opened, QStringList{QStringLiteral("SR000001")});
    EXPECT_EQ(window->flexMSHList->textMatrix(1, 2), QString());
}

TEST_F(RowActionsTest, RightButtonOffersThePopUpOfTheList) {
    window->show();
    struct Case { const char* node; int row; const char* name; const char* popUp; bool rxOn; bool reprint, revoke; };
    const Case cases[] = {
        {"*3F", 1, "(RX) DELA CRUZ", "mnuPopUp", true, false, false},
        {"_3.1", 1, "DELA CRUZ", "mnuPopUp", false, false, false},
        {"_4.1.1", 1, "", "mnuPopUp2", false, true, false},
        {"_4.2.2", 1, "", "mnuPopUp2", false, true, true},
        {"_4.3.1", 1, "", "mnuPopUp2", false, false, false},
        {"_1.1", 1, "", "", false, false, false},
        {"_4.2.1", 0, "", "", false, false, false},  // the header row offers nothing
    };
    for (const Case& c : cases) {
        selectWithRow(QString::fromLatin1(c.node), {"H1", "1001", "NAME", QString::fromLatin1(c.name), "DELA CRUZ"});
        window->flexMSHList->setRow(1);
        pressOnRow(Qt::RightButton, c.row);
        EXPECT_EQ(window->flexMSHList->row(), c.row) << c.node;
        QString shown;
        for (QMenu* menu : {window->mnuPopUp, window->mnuPopUp2})
            if (menu->isVisible()) {
                shown = menu->objectName();
                menu->hide();
            }
        EXPECT_EQ(shown.toStdString(), c.popUp) << c.node;
        if (shown == QStringLiteral("mnuPopUp")) {
            EXPECT_EQ(window->command(QStringLiteral("mnuRxOn"))->isChecked(), c.rxOn);
            EXPECT_EQ(window->command(QStringLiteral("mnuRxOFF"))->isChecked(), !c.rxOn);
        }
        if (shown == QStringLiteral("mnuPopUp2")) {
            EXPECT_EQ(window->command(QStringLiteral("mnuReprintAssess"))->isVisible(), c.reprint) << c.node;
            EXPECT_EQ(window->command(QStringLiteral("mnuRevokeAssess"))->isVisible(), c.revoke) << c.node;
            EXPECT_TRUE(window->command(QStringLiteral("mnuHelpSearch"))->isVisible());
        }
    }
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(RowActionsTest, DeleteSwitchesTheRxMarkOfUnitDoseRowsOnly) {
    struct Case { const char* node; const char* name; const char* after; };
    const Case cases[] = {
        {"*3F", " (RX) DELA CRUZ", "DELA CRUZ"},
        {"_3.1", "DELA CRUZ", "(RX)-DELA CRUZ"},
        {"_1.1", "(RX) DELA CRUZ", "(RX) DELA CRUZ"},
        {"_4.2.1", "DELA CRUZ", "DELA CRUZ"},
    };
    for (const Case& c : cases) {
        selectWithRow(QString::fromLatin1(c.node), {"H1", "1001", "NAME", QString::fromLatin1(c.name), " DELA CRUZ "});
        int del = 46;
        window->flexMSHList_KeyDown(del, 0);
        EXPECT_EQ(window->flexMSHList->textMatrix(1, 3).toStdString(), c.after) << c.node;
    }
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(RowActionsTest, ArrowsMoveBetweenTreeAndGridAndCellsAreRemembered) {
    gFirstActivation = false;
    frmLogOff::Default().setEntered(true);
    window->show();
    selectWithRow(QStringLiteral("_1.1"));
    FlexGrid& grid = *window->flexMSHList;
    grid.setRows(5);
    grid.setFocus();
    QApplication::processEvents();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    window->treCategory->setEnabled(false);
    QApplication::sendEvent(&grid, &left);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    window->treCategory->setEnabled(true);
    QApplication::sendEvent(&grid, &left);
    EXPECT_EQ(QApplication::focusWidget(), window->treCategory);

    grid.setRow(3);
    EXPECT_EQ(window->ListRow(), 3);
    EXPECT_EQ(grid.cellBackColor(), colors::InfoBackground);
    grid.setRow(4);
    EXPECT_EQ(window->ListRow(), 4);
    // The cell left has lost the highlight.
    const QSignalBlocker quiet(grid);
    grid.setRow(3);
    EXPECT_EQ(grid.cellBackColor(), colors::WindowBackground);
}

TEST_F(RowActionsTest, SearchPaneOpensFromThePopUpAndHidesWhenLeft) {
    gFirstActivation = false;
    frmLogOff::Default().setEntered(true);
    window->show();
    QApplication::setActiveWindow(window.get());
    window->txtSearch->setText(QStringLiteral("OLD TEXT"));
    window->command(QStringLiteral("mnuHelpSearch"))->trigger();
    EXPECT_TRUE(window->pictSearch->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->txtSearch);
    EXPECT_EQ(window->txtSearch->selectedText(), QStringLiteral("OLD TEXT"));
    window->treCategory->setFocus();
    EXPECT_FALSE(window->pictSearch->isVisible());
    EXPECT_EQ(window->txtSearch->text(), QStringLiteral("OLD TEXT"));
}

TEST_F(RowActionsTest, ActivationReloadsTheListAScreenAskedFor) {
    addItem(db());
    addAdmittedPatient(db());
    gCanProcessRequest = true;
    gFirstActivation = false;
    frmLogOff::Default().setEntered(true);
    window->show();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    QTreeWidgetItem* node = window->TreeNode(QStringLiteral("_1.1"));
    window->treCategory->setCurrentItem(node);
    window->treCategory_NodeClick(node);
    EXPECT_FALSE(window->flexMSHList->isEnabled());
    // The request screen served nothing yet: a new request came meanwhile, and it asked for a reload.
    addPendingRequest(db());
    window->Form_Activate();
    EXPECT_FALSE(window->flexMSHList->isEnabled());
    gRefreshWorkList = true;
    window->treCategory->setFocus();
    window->Form_Activate();
    EXPECT_FALSE(gRefreshWorkList);
    EXPECT_EQ(window->flexMSHList->textMatrix(1, 1), QStringLiteral("1001"));
    EXPECT_EQ(QApplication::focusWidget(), window->flexMSHList);
}

} // namespace
} // namespace qx::test
