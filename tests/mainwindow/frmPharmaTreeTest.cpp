#include "MainWindowFixture.h"
#include "components/WardStations.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>

namespace qx::test {
namespace {

class RefusingStation : public WardStations::Station {
public:
    bool InitConnection(const QString&) override { return false; }
    Recordset List() override { throw AppError(5, QStringLiteral("test"), QStringLiteral("not connected")); }
};

class frmPharmaTreeTest : public MainWindowTestOn<DbTest> {
protected:
    void addStation(const QString& id, const QString& name, const QString& status = QStringLiteral("A")) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES (?, ?, ?)"),
                     {id, name, status});
    }
    void setNoDirectReturns(bool on) {
        db().execute(QStringLiteral("DELETE FROM station.tbNurseSetup WHERE FIELD = 'NoDirectReturnSupplies'"));
        if (on)
            db().execute(QStringLiteral("INSERT INTO station.tbNurseSetup (FIELD, Value) VALUES ('NoDirectReturnSupplies', '1')"));
    }
    void setKelvar(bool on) {
        db().execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET Kelvarin = ?"), {on ? 1 : 0});
        resetSwitches();
        gPharmaSwitches.Load(db(), gSiteCode);
    }
    static QStringList keys(const frmPharma& window) {
        QStringList all;
        for (int i = 1; window.TreeNodeAt(i); ++i)
            all << frmPharma::NodeKey(window.TreeNodeAt(i));
        return all;
    }
};

TEST_P(frmPharmaTreeTest, NodesFollowTheSiteAndTheSettings) {
    addStation(QStringLiteral("ST2"), QStringLiteral("WARD B"));
    addStation(QStringLiteral("ST1"), QStringLiteral("WARD A"));
    addStation(QStringLiteral("ST9"), QStringLiteral("CLOSED WARD"), QStringLiteral("I"));
    const QString cash = "_4,_1.1,_1.2,_2.1,_4.1,_4.2,_4.3,_4.1.1,_4.1.2,_4.2.1,_4.2.2,_4.3.1,_4.3.2";
    const QString kelvar = ",_5,_5.1,_5.1.1,_5.2,_5.2.1,_5.2.2,_6,_6.1,_6.2,_6.3";
    const QString returns = ",_7,_7.1,_7.1.1,_7.2,_7.2.1,_7.2.2";
    struct Case { const char* site; bool separateER, kelvar, noDirectReturns; QString keys; };
    const Case cases[] = {
        {"DEMO", false, false, false, "_0,_1,_2," + cash + ",@ST1,@ST2"},
        {"GIVRC", false, false, false, "_0,_1,_2,_3,_3.1,_3.2," + cash + ",@ST1,@ST2"},
        {"VOJ", false, false, false, "_0,_1,_2,_3,_3.1,_3.2," + cash + ",@ST1,*ST1,@ST2,*ST2"},
        {"DEMO", true, false, false, "_0,_1,_2,_8,_8.1," + cash + ",@ST1,@ST2"},
        {"GIVRC", true, false, false, "_0,_1,_2,_3,_3.1,_3.2,_8,_8.1," + cash + ",@ST1,@ST2"},
        {"DEMO", false, true, true, "_0,_1,_2," + cash + kelvar + returns + ",@ST1,@ST2"},
        {"DEMO", false, false, true, "_0,_1,_2," + cash + returns + ",@ST1,@ST2"},
    };
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        gSeparateER = c.separateER;
        setKelvar(c.kelvar);
        setNoDirectReturns(c.noDirectReturns);
        frmPharma window;
        EXPECT_TRUE(window.LoadTreeView());
        EXPECT_EQ(keys(window).join(u',').toStdString(), c.keys.toStdString()) << c.site << ' ' << c.separateER;
        // Every node hangs under the parent its key names, the stations under "By Station".
        for (int i = 2; window.TreeNodeAt(i); ++i) {
            const QString key = frmPharma::NodeKey(window.TreeNodeAt(i));
            const QString parent = frmPharma::NodeKey(window.TreeNodeAt(i)->parent());
            const QString expectedParent = key.startsWith(u'@')   ? QStringLiteral("_1.2")
                                           : key.startsWith(u'*') ? QStringLiteral("_3.2")
                                           : key.count(u'.') == 0 ? QStringLiteral("_0")
                                                                  : key.section(u'.', 0, -2);
            EXPECT_EQ(parent, expectedParent) << key.toStdString();
        }
        EXPECT_TRUE(window.TreeNode(QStringLiteral("_0"))->isExpanded());
        EXPECT_EQ(window.treCategory->currentItem(), window.TreeNode(QStringLiteral("_1")));
        EXPECT_EQ(window.TreeNode(QStringLiteral("@ST1"))->text(0), QStringLiteral("WARD A"));
    }
    EXPECT_TRUE(platform.messages->texts().isEmpty());
}

TEST_P(frmPharmaTreeTest, StationComponentThatCannotConnectLeavesAnEmptyTree) {
    frmPharma window;
    window.StationMaker = [] { return std::make_shared<RefusingStation>(); };
    EXPECT_FALSE(window.LoadTreeView());
    EXPECT_EQ(window.treCategory->topLevelItemCount(), 0);
    EXPECT_EQ(platform.messages->last().text,
              QStringLiteral("Important component(LoadTreeView.Station) was unable to connecto to server.;"
                             "Please contance EDP personell for assistance."));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Quillax"));
    // The jumps find no branch and do nothing.
    window.mnuInpatient_Click();
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

QX_ON_BOTH_ENGINES(frmPharmaTreeTest);

class frmPharmaNodeClickTest : public MainWindowTest {};

TEST_F(frmPharmaNodeClickTest, CommandStatesFollowTheClickedNodeAndTheRights) {
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES ('ST1', 'WARD A', 'A')"));
    gSiteCode = QStringLiteral("VOJ");
    gSeparateER = true;
    frmPharma window;
    ASSERT_TRUE(window.LoadTreeView());
    // Order: mnuPending, button 1, mnuAutoDispense, button 2, mnuProcessTranscription, button 14,
    // mnuProcessAssessment, button 17, button 18; "x" keeps the state the click before left.
    struct Case { const char* node; bool process, unitDose; const char* before; const char* after; };
    const Case cases[] = {
        {"_0", true, true, "111111111", "000000000"},
        {"_1.1", true, true, "000000000", "110000000"},
        {"_1.1", false, true, "111111111", "000000000"},
        {"@ST1", true, false, "000000000", "110000000"},
        {"_2.1", true, false, "000000000", "110000000"},
        {"_8.1", true, false, "000000000", "110000000"},
        {"_3.1", true, true, "111111111", "001100000"},
        {"*ST1", false, true, "111111111", "001101001"},  // a station node keeps 14 and 18
        {"*ST1", true, false, "111111111", "000001001"},
        {"_4.1", true, true, "000000000", "000011000"},
        {"_4.1.1", true, true, "111111111", "000001110"},  // button 14 as it was
        {"_4.1.1", true, true, "000000000", "000000110"},
        {"_4.2.1", true, true, "000000000", "000000001"},
        {"_4.3.1", true, true, "111111111", "000001000"},
        {"_1", true, true, "111111111", "000001001"},     // a first-level node keeps 14 and 18
        {"_3", true, true, "000000000", "000000000"},
    };
    const QList<QAction*> targets = {window.command("mnuPending"),   window.tbrPharmaButton(1),
                                     window.command("mnuAutoDispense"), window.tbrPharmaButton(2),
                                     window.command("mnuProcessTranscription"), window.tbrPharmaButton(14),
                                     window.command("mnuProcessAssessment"), window.tbrPharmaButton(17),
                                     window.tbrPharmaButton(18)};
    for (QAction* target : targets)
        target->setVisible(true);  // a hidden command reads disabled
    for (const Case& c : cases) {
        gCanProcessRequest = c.process;
        gCanUnitDose = c.unitDose;
        for (int i = 0; i < targets.size(); ++i)
            targets[i]->setEnabled(c.before[i] == '1');
        window.lblPendingRed->show();
        window.lblPendingBlackIn->show();
        window.lblPendingBlueOut->hide();
        window.treCategory_NodeClick(window.TreeNode(QString::fromLatin1(c.node)));
        QString states;
        for (QAction* target : targets)
            states += target->isEnabled() ? u'1' : u'0';
        EXPECT_EQ(states.toStdString(), c.after) << c.node << " process " << c.process << " unit dose " << c.unitDose;
        EXPECT_TRUE(window.lblPendingRed->isHidden());
        EXPECT_TRUE(window.lblPendingBlackIn->isHidden());
        EXPECT_FALSE(window.lblPendingBlueOut->isHidden());
    }
}

TEST_F(frmPharmaNodeClickTest, JumpsOpenTheirBranchAndRightArrowGoesToTheGrid) {
    struct Case { const char* site; bool separateER; int command; const char* branch; const char* selected; };
    const Case cases[] = {
        {"DEMO", false, 0, "_1", "_1.1"},
        {"DEMO", false, 1, "_2", "_2.1"},
        {"DEMO", false, 2, "_4", "_4.1"},  // no E.R. branch: the fourth node is the cash branch
        {"DEMO", true, 2, "_8", "_8.1"},
        {"GIVRC", true, 2, "_3", "_3.1"},
    };
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        gSeparateER = c.separateER;
        gCanProcessRequest = true;
        frmPharma window;
        ASSERT_TRUE(window.LoadTreeView());
        window.command("mnuPending")->setEnabled(true);
        const std::function<void()> jumps[] = {[&] { window.mnuInpatient_Click(); },
                                               [&] { window.mnuOutPatient_Click(); },
                                               [&] { window.mnuERpatient_Click(); }};
        jumps[c.command]();
        EXPECT_TRUE(window.TreeNode(QString::fromLatin1(c.branch))->isExpanded()) << c.branch;
        EXPECT_EQ(frmPharma::NodeKey(window.treCategory->currentItem()).toStdString(), c.selected);
        // Clicked as its first-level branch: the process commands go off.
        EXPECT_FALSE(window.command("mnuPending")->isEnabled()) << c.branch;
    }

    gSiteCode = QStringLiteral("DEMO");
    gFirstActivation = false;
    frmLogOff::Default().setEntered(true);
    frmPharma window;
    window.show();
    window.treCategory->setFocus();
    QApplication::processEvents();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    window.flexMSHList->setEnabled(false);
    QApplication::sendEvent(window.treCategory, &right);
    EXPECT_NE(QApplication::focusWidget(), window.flexMSHList);
    window.flexMSHList->setEnabled(true);
    QApplication::sendEvent(window.treCategory, &right);
    EXPECT_EQ(QApplication::focusWidget(), window.flexMSHList);
}

} // namespace
} // namespace qx::test
