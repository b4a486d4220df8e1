#include "frmSessionFixture.h"
#include "components/Connection.h"
#include "components/DispenserRoll.h"
#include "shell/clsShift.h"
#include "shell/frmShift.h"
#include "suite/DispenserRollDispensers.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace qx::test {
namespace {

TEST(clsShiftRunningShift, LastReachedStartHourWinsAndNightShiftWrapsPastMidnight) {
    struct Case { int first, second, third, serverHour, expected; };
    const Case cases[] = {
        {7, 15, 23, 14, 1}, {7, 15, 23, 15, 2}, {7, 15, 23, 22, 2}, {7, 15, 23, 23, 3},
        {7, 15, 23, 7, 1},
        {7, 15, 23, 3, 3},   // the night shift that began at 23:00 is still running
        {7, 15, 23, 0, 3},
        {7, 15, 0, 3, 2},    // without a third shift the second is the latest offered
        {0, 15, 23, 10, 3},  // a shift starting at hour 0 is never detected
        {0, 0, 0, 12, 0},
    };
    for (const Case& c : cases) {
        clsShift s;
        s.setFirstHour(qint16(c.first));
        s.setSecondHour(qint16(c.second));
        s.setThirdHour(qint16(c.third));
        s.setServerHour(qint16(c.serverHour));
        EXPECT_EQ(s.RunningShift(), c.expected) << c.first << "/" << c.second << "/" << c.third << " at " << c.serverHour;
    }
}

// Minutes are not compared: a shift counts from the first minute of its start hour.
TEST(clsShiftRunningShift, StartMinutesAreIgnored) {
    clsShift s;
    s.setFirstHour(7); s.setFirstMin(30);
    s.setSecondHour(15); s.setSecondMin(30);
    s.setThirdHour(23); s.setThirdMin(30);
    s.setServerHour(15); s.setServerMin(5);
    EXPECT_EQ(s.RunningShift(), 2);
}

// The checker picker: answers with a scripted code.
class PickedDispenser : public DispenserRoll::DispenserList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text) override { searched << text; return answer; }
    QString answer;
    QStringList searched;
};

class frmShiftTest : public SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        auto dispensers = std::make_shared<suite::DispenserRollDispensers>([this] { return &db(); });
        dispensers->InitConnection(db().connectionString());
        gComponents.gDispensers = dispensers;
        picker = std::make_shared<PickedDispenser>();
        gComponents.gDispenserList = picker;
        gFirstActivation = true;
    }
    void TearDown() override {
        releaseShiftInfo();
        gLocationID.clear();
        gCheckerID.clear();
        gCheckerName.clear();
        SessionWindowTest::TearDown();
    }
    void configureShifts(const QVariant& first, const QVariant& second, const QVariant& third) {
        db().execute(QStringLiteral("INSERT INTO tbShiftDesc (FirstShift, SecondShift, ThirdShift, FirstHr, FirstMin, "
                                    "SecondHr, SecondMin, ThirdHr, ThirdMin) VALUES ('7am to 3pm', '3pm to 11pm', "
                                    "'11pm to 7am', ?, 0, ?, 0, ?, 0)"),
                     {first, second, third});
    }
    void storeSatellite(bool satellite) {
        db().callProcedure(QStringLiteral("Pharma_SaveComputerLocation"), {{QStringLiteral("@isSatelite"), satellite ? 1 : 0}});
    }
    bool storedSatellite() {
        return db().query(QStringLiteral("SELECT isSatelite FROM tbPharmaComputerLocation WHERE HostID = ?"), {db().hostId()})
                   .number(QStringLiteral("isSatelite")) != 0;
    }

    std::shared_ptr<PickedDispenser> picker;
};

TEST_P(frmShiftTest, GetShiftTimeReadsTheConfiguredHoursAndTheServerClock) {
    clsShift none;
    EXPECT_FALSE(none.GetShiftTime(db()));
    EXPECT_EQ(QList<int>({none.FirstHour(), none.SecondHour(), none.ThirdHour()}), QList<int>({7, 15, 23}));

    db().execute(QStringLiteral("INSERT INTO tbShiftDesc (FirstHr, FirstMin, SecondHr, SecondMin, ThirdHr, ThirdMin) "
                                "VALUES (6, 30, 14, 15, 22, 45)"));
    clsShift s;
    const QDateTime before = db().serverNow();
    ASSERT_TRUE(s.GetShiftTime(db()));
    const QDateTime after = db().serverNow();
    EXPECT_EQ(QList<int>({s.FirstHour(), s.FirstMin(), s.SecondHour(), s.SecondMin(), s.ThirdHour(), s.ThirdMin()}),
              QList<int>({6, 30, 14, 15, 22, 45}));
    EXPECT_TRUE(s.ServerHour() == before.time().hour() || s.ServerHour() == after.time().hour());
    EXPECT_TRUE(s.ServerMin() == before.time().minute() || s.ServerMin() == after.time().minute());
    EXPECT_EQ(s.FourthHour(), 0);
}

TEST_P(frmShiftTest, OpeningCaptionsTheShiftsHidesUnofferedOnesAndAutoDetectTakesTheRunningShift) {
    // Only the second shift is offered, so it is the running one whatever the clock says.
    configureShifts(0, 1, 0);
    gAutoDetectShift = true;
    frmShift w;
    w.show();
    EXPECT_EQ(w.lblSecond->text(), "( 3pm to 11pm )");
    EXPECT_TRUE(w.optFirst->isHidden());
    EXPECT_TRUE(w.optThird->isHidden());
    EXPECT_FALSE(w.optSecond->isHidden());
    EXPECT_TRUE(w.optSecond->isEnabled());
    EXPECT_FALSE(w.optFirst->isEnabled());
    EXPECT_TRUE(w.optSecond->isChecked());
    EXPECT_TRUE(w.optFourth->isHidden());
    w.cmdOK_Click();
    EXPECT_EQ(w.Shift(), 2);
    EXPECT_TRUE(w.isHidden());
}

TEST_P(frmShiftTest, WithoutShiftTimesEveryShiftIsOfferedAndTheFirstSelected) {
    gAutoDetectShift = true;
    frmShift w;
    w.show();
    for (QRadioButton* o : {w.optFirst, w.optSecond, w.optThird}) {
        EXPECT_FALSE(o->isHidden());
        EXPECT_TRUE(o->isEnabled());
    }
    EXPECT_TRUE(w.optFirst->isChecked());
}

TEST_P(frmShiftTest, AfterAChangeTheCurrentShiftIsPreselectedWithoutDetection) {
    configureShifts(0, 1, 0);
    gShiftChanged = true;
    frmShift w;
    w.setShift(3);
    w.show();
    EXPECT_TRUE(w.optThird->isChecked());
    EXPECT_TRUE(w.optThird->isEnabled());
}

TEST_P(frmShiftTest, SelectAsksOnlyWhenAnEarlierChoiceChanges) {
    frmShift w;
    w.show();
    w.optSecond->setChecked(true);
    w.cmdOK_Click();  // first activation: taken without a question
    EXPECT_EQ(w.Shift(), 2);
    EXPECT_TRUE(platform.messages->boxes().empty());
    gFirstActivation = false;

    w.show();
    w.optSecond->setChecked(true);
    w.cmdOK_Click();  // the same shift again
    EXPECT_TRUE(platform.messages->boxes().empty());

    w.show();
    w.optThird->setChecked(true);
    platform.messages->answer(vbNo);
    w.cmdOK_Click();
    EXPECT_EQ(platform.messages->last().text, "Are you sure to change the shift?");
    EXPECT_EQ(platform.messages->last().title, "Quillax");
    EXPECT_EQ(platform.messages->last().style, vbQuestion + vbYesNo);
    EXPECT_EQ(w.Shift(), 2);
    EXPECT_FALSE(gShiftChanged);
    EXPECT_TRUE(w.isHidden());

    w.show();
    w.optThird->setChecked(true);
    platform.messages->answer(vbYes);
    w.cmdOK_Click();
    EXPECT_EQ(w.Shift(), 3);
    EXPECT_TRUE(gShiftChanged);
}

TEST_P(frmShiftTest, CheckerIsRequiredOnlyAtTheSiteWithTerminalSlips) {
    gSiteCode = QStringLiteral("QVH");
    frmShift w;
    w.show();
    EXPECT_FALSE(w.Frame3->isHidden());
    EXPECT_EQ(w.txtChargeSlip->text(), "000001");
    w.cmdOK_Click();
    EXPECT_EQ(platform.messages->last().text, "Please enter the Checker's UserID.");
    EXPECT_EQ(platform.messages->last().title, "MESSAGE");
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Shift(), 1);  // the shift is taken even though the window stays

    w.txtCheckerID->setText(QStringLiteral(" 1001 "));
    w.txtCheckerName->setText(QStringLiteral(" REYES"));
    w.cmdOK_Click();
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(gCheckerID, "1001");
    EXPECT_EQ(gCheckerName, " REYES");

    gSiteCode = QStringLiteral("GIVRC");
    gCheckerID = QStringLiteral("OLD");
    w.show();
    EXPECT_TRUE(w.Frame3->isHidden());
    w.cmdOK_Click();
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(gCheckerID, "");
}

TEST_P(frmShiftTest, TheTerminalSlipCounterIsShownAndSaved) {
    gSiteCode = QStringLiteral("QVH");
    db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 42)"));
    frmShift w;
    w.show();
    EXPECT_EQ(w.txtChargeSlip->text(), "000042");
    w.txtChargeSlip->setText(QStringLiteral(" 000077 "));
    w.SaveChargeSlip();
    EXPECT_EQ(db().query(QStringLiteral("SELECT ChargeSlip FROM tbChargeSlipTerminal WHERE UserID = '1234'"))
                  .number(QStringLiteral("ChargeSlip")),
              77);
}

// The slip box takes the counter as typed or as printed; anything else is refused and the
// employee's counter stays as it was.
TEST_P(frmShiftTest, TheSlipBoxTakesTheNumberOrItsPrintedFormAndRefusesAnythingElse) {
    gSiteCode = QStringLiteral("QVH");
    struct Case { const char* typed; qint64 stored; bool refused; };
    const Case cases[] = {
        {"001201", 1201, false}, {"C001201M", 1201, false}, {" c001202m ", 1202, false},
        {"", 42, true}, {"abc", 42, true}, {"C001201", 42, true}, {"12x", 42, true},
    };
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM tbChargeSlipTerminal"));
        db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 42)"));
        const size_t shown = platform.messages->boxes().size();
        frmShift w;
        w.show();
        w.txtChargeSlip->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(w.SaveChargeSlip(), !c.refused) << c.typed;
        EXPECT_EQ(db().query(QStringLiteral("SELECT ChargeSlip FROM tbChargeSlipTerminal WHERE UserID = '1234'"))
                      .number(QStringLiteral("ChargeSlip")),
                  c.stored)
            << c.typed;
        EXPECT_EQ(platform.messages->boxes().size() - shown, c.refused ? 1u : 0u) << c.typed;
        if (c.refused) {
            EXPECT_EQ(platform.messages->last().text, "Please enter a valid charge slip number.") << c.typed;
        }
    }
}

TEST_P(frmShiftTest, ClosingFixesTheLocationFromTheStoredFlagAndStoresItAgain) {
    struct Case { const char* site; bool satellite; const char* location; };
    const Case cases[] = {{"GIVRC", false, "20"}, {"GIVRC", true, "186"}, {"NORVAX", true, "256"}, {"NORVAX", false, "20"}};
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        storeSatellite(c.satellite);
        frmShift w;
        w.setShift(2);
        w.show();
        w.close();  // not through Select: shift and checker stay as they were
        EXPECT_EQ(gLocationID, c.location) << c.site << c.satellite;
        EXPECT_EQ(storedSatellite(), c.satellite);
        EXPECT_EQ(w.Shift(), 2);
    }
}

TEST_P(frmShiftTest, CheckerSearchFindsTheDispenserOrPicksOne) {
    addEmployee(QStringLiteral("1001"), QStringLiteral("X"), QStringLiteral("15"), QString(), QString(), QStringLiteral("REYES"),
                 QStringLiteral("JOSE"), QStringLiteral("CRUZ"));
    frmShift w;
    w.show();
    w.txtCheckerID->setText(QStringLiteral(" 1001 "));
    w.cmdSearch_Click();
    const QString name = w.txtCheckerName->text();
    EXPECT_TRUE(name.contains(QStringLiteral("REYES")));
    EXPECT_TRUE(picker->searched.isEmpty());

    w.txtCheckerID->setText(QStringLiteral("REY"));
    w.txtCheckerName->clear();
    picker->answer = QStringLiteral("1001");
    w.cmdSearch_Click();
    EXPECT_EQ(picker->searched, QStringList{"REY"});
    EXPECT_EQ(w.txtCheckerID->text(), " 1001");
    EXPECT_EQ(w.txtCheckerName->text(), QLatin1Char(' ') + name);

    w.txtCheckerID->setText(QStringLiteral("NOBODY"));
    w.txtCheckerName->setText(QStringLiteral("KEPT"));
    picker->answer.clear();
    w.cmdSearch_Click();
    EXPECT_EQ(w.txtCheckerID->text(), "NOBODY");
    EXPECT_EQ(w.txtCheckerName->text(), "KEPT");
}

QX_ON_BOTH_ENGINES(frmShiftTest);

} // namespace
} // namespace qx::test
