#include "MainWindowFixture.h"

namespace qx::test {
namespace {

class frmPharmaRightsTest : public MainWindowTest {};

TEST_F(frmPharmaRightsTest, StoredRowEnablesEachCommandByItsRightAndSetsTheQueueFlags) {
    struct Case { const char* rights; bool report, pending, manual, inquiry, processRequest, unitDose; };
    // Order of the digits: manual posting, process request, unit dose, returned, correction,
    // posted meds, drug inquiry, verification, view report.
    const Case cases[] = {
        {"111111111", true, true, true, true, true, true},
        {"000000000", false, false, false, false, false, false},
        {"010000001", true, true, false, false, true, false},
        {"101000100", false, false, true, true, false, true},
    };
    frmPharma window;
    QAction* pending = window.command(QStringLiteral("mnuPending"));
    QAction* manual = window.command(QStringLiteral("mnuManualPosting"));
    QAction* inquiry = window.command(QStringLiteral("mnuDrugsInquiry"));
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaUserSettings"));
        saveRights(QStringLiteral("1234"), QString::fromLatin1(c.rights));
        window.LoadUserSettings(QStringLiteral("1234"));
        EXPECT_EQ(window.mnuReport->menuAction()->isEnabled(), c.report) << c.rights;
        EXPECT_EQ(pending->isEnabled(), c.pending) << c.rights;
        EXPECT_EQ(manual->isEnabled(), c.manual) << c.rights;
        EXPECT_EQ(inquiry->isEnabled(), c.inquiry) << c.rights;
        EXPECT_EQ(gCanProcessRequest, c.processRequest) << c.rights;
        EXPECT_EQ(gCanUnitDose, c.unitDose) << c.rights;
    }
    // The session commands follow no right.
    for (QAction* always : {window.mnuLogOff, window.mnuChangeShift, window.mnuUserSetting, window.mnuAuditTrail})
        EXPECT_TRUE(always->isEnabled());
}

TEST_F(frmPharmaRightsTest, EmployeeWithoutARowLosesTheCommandsAndTheQueueFlags) {
    frmPharma window;
    saveRights(QStringLiteral("1234"), QStringLiteral("111111111"));
    window.LoadUserSettings(QStringLiteral("1234"));
    ASSERT_TRUE(gCanProcessRequest);

    window.LoadUserSettings(QStringLiteral("7777"));
    EXPECT_FALSE(window.mnuReport->menuAction()->isEnabled());
    EXPECT_FALSE(gCanProcessRequest);
    EXPECT_FALSE(gCanUnitDose);
}

TEST_F(frmPharmaRightsTest, SiteRightsShowTheirReportMenusOnlyAtTheirSites) {
    struct Case { const char* site; const char* column; QVariant value; const char* menu; bool visible; };
    const Case cases[] = {
        {"GIVRC", "canViewIncomeReport", QVariant(0), "mnuDailyIncome", true},  // any value shows them
        {"GIVRC", "canViewIncomeReport", QVariant(0), "mnuMonthlyCash", true},
        {"GIVRC", "canViewIncomeReport", QVariant(), "mnuMonthlyCash", false},
        {"TZNH", "canViewListofCorectedReports", QVariant(1), "mnuListOfCorrectedItems", true},
        {"TZNH", "canViewListofCorectedReports", QVariant(0), "mnuListOfCorrectedItems", false},
        {"TZNH", "canViewListofCorectedReports", QVariant(), "mnuListOfCorrectedItems", false},
        {"DEMO", "canViewIncomeReport", QVariant(), "mnuDailyIncome", true},  // other sites leave them
    };
    saveRights(QStringLiteral("1234"), QStringLiteral("111111111"));
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        db().execute(QStringLiteral("UPDATE tbPharmaUserSettings SET %1 = ?").arg(QString::fromLatin1(c.column)),
                     {c.value});
        frmPharma window;
        QAction* menu = window.command(QString::fromLatin1(c.menu));
        window.LoadUserSettings(QStringLiteral("1234"));
        EXPECT_EQ(menu->isVisible(), c.visible) << c.site << ' ' << c.menu;
    }
}

// An employee without a rights row who unlocks the workstation after one with rights gets none
// of them: not the commands, and not the flags that the work lists test before they open a request.
class frmPharmaReloginRightsTest : public MainWindowTestOn<DbTest> {};

TEST_P(frmPharmaReloginRightsTest, EmployeeWithoutARowInheritsNoRightsFromTheOneBefore) {
    saveRights(QStringLiteral("1234"), QStringLiteral("111111111"));
    addEmployee(QStringLiteral("1003"), QStringLiteral("PHARMA3"), QStringLiteral("ROSA"), QStringLiteral("CRUZ"));
    auto window = openWindow();
    ASSERT_TRUE(gCanProcessRequest);
    ASSERT_TRUE(gCanUnitDose);

    unlockAs(QStringLiteral("1003"), QStringLiteral("PHARMA3"));
    window->mnuLogOff_Click();

    EXPECT_EQ(gEmployeeCode, QStringLiteral("1003"));
    EXPECT_FALSE(window->mnuReport->menuAction()->isEnabled());
    EXPECT_FALSE(gCanProcessRequest);
    EXPECT_FALSE(gCanUnitDose);
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
}

QX_ON_BOTH_ENGINES(frmPharmaReloginRightsTest);

TEST_F(frmPharmaRightsTest, LoadAppliesTheLoggedInEmployeesRights) {
    saveRights(QStringLiteral("1234"), QStringLiteral("010000000"));
    frmPharma window;
    window.Form_Load();
    EXPECT_FALSE(window.mnuReport->menuAction()->isEnabled());
    EXPECT_TRUE(gCanProcessRequest);
}

} // namespace
} // namespace qx::test
