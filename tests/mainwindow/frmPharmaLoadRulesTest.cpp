#include "MainWindowFixture.h"
#include "platform/CommandState.h"

#include <QToolBar>

namespace qx::test {
namespace {

// A control's state after the load: v/h visible or hidden, e/d enabled or disabled, c/u checked
// or not (check-marked items only), then ":" and the caption for the items the load recaptions.
QString stateOf(const frmPharma& window, const QString& name) {
    const QAction* a = window.command(name);
    if (!a)
        return QStringLiteral("missing");
    QString state = QString(a->isVisible() ? u'v' : u'h') + QString(commandEnabled(a) ? u'e' : u'd');
    if (a->isCheckable())
        state += a->isChecked() ? u'c' : u'u';
    if (name == QStringLiteral("mnuDischarge") || name == QStringLiteral("mnuEmployeesMeds"))
        state += QLatin1Char(':') + a->text();
    return state;
}

// Every control the load rules name, at a site that switches nothing on, for an employee with
// every right.
const std::map<QString, QString>& baseline() {
    static const std::map<QString, QString> states = {
        {"mnuSI", "he"},
        {"mnuListOfCorrectedItems", "he"},
        {"mnuMonthlyperItem", "he"},
        {"mnuBarcodeSettings", "ve"},
        {"mnuSurcharge", "he"},
        {"mnuChargeSlip", "he"},
        {"mnuStockCard", "he"},
        {"mnuCensus", "ve"},
        {"mnuPHICList", "ve"},
        {"mnuEmployeeMedicines", "ve"},
        {"mnuCardTransactions", "ve"},
        {"mnuSeniorCash", "ve"},
        {"mnuDCSRep", "ve"},
        {"mnuIncomeTransdate", "he"},
        {"mnuSOAL", "he"},
        {"mnuPending", "vd"},  // the right is on; the load disables it all the same
        {"tbrPharma.Buttons(1)", "vd"},
        {"tbrPharma.Buttons(16)", "ve"},
        {"mnuAutoDispense", "he"},
        {"tbrPharma.Buttons(2)", "he"},
        {"mnuFIFO", "veu"},
        {"mnuProcessTranscription", "hd"},
        {"tbrPharma.Buttons(14)", "hd"},
        {"mnuCompany", "he"},
        {"mnuAntibiotic", "he"},
        {"mnuDIRIP", "he"},
        {"mnuInSummary", "he"},
        {"mnuDIROut", "he"},
        {"mnuIPDOPD", "he"},
        {"mnuConsumption1", "he"},
        {"mnuTotalDailyOutPut", "he"},
        {"mnuSummReturns", "he"},
        {"mnuFirstDoseReport", "he"},
        {"mnuPackageRequest", "he"},
        {"sep103", "he"},
        {"mnuAdmissionListDateRange", "ve"},
        {"mnuAdmissionList", "ve"},
        {"mnuDischarge", "ve:Da&ily Discharge Report"},
        {"mnuEmployeesMeds", "ve:&Employee's Medicines"},
        {"mnuMonCash", "he"},
        {"mnuTabulatedIncomeReport", "he"},
        {"mnuFastClassification", "he"},
        {"mnuNotFastMovingClassification", "he"},
        {"mnuDIRCashSalesSIRange", "he"},
        {"mnuPopUp2", "ve"},
    };
    return states;
}

struct LoadCase {
    const char* label;
    const char* site;
    std::vector<const char*> switchesOn;  // pharmacy switch keys
    bool kelvar, companyMarkup, antibiotic;
    std::map<QString, QString> changed;   // from the baseline
};

const LoadCase kLoadCases[] = {
    {"DEMO", "DEMO", {}, false, false, false, {}},
    {"TZNH", "TZNH", {}, false, false, false, {{"mnuListOfCorrectedItems", "ve"}}},
    {"ZMX", "ZMX", {}, false, false, false,
     {{"mnuSurcharge", "ve"}, {"mnuChargeSlip", "ve"}, {"mnuStockCard", "ve"}, {"mnuTabulatedIncomeReport", "ve"}}},
    {"HUZTO", "HUZTO", {}, false, false, false, {{"mnuChargeSlip", "ve"}, {"mnuStockCard", "ve"}}},
    {"GIVRC", "GIVRC", {}, false, false, false,
     {{"mnuStockCard", "ve"}, {"mnuCensus", "he"}, {"mnuPHICList", "he"}, {"mnuEmployeeMedicines", "he"},
      {"mnuCardTransactions", "he"}, {"mnuSeniorCash", "he"}, {"mnuDCSRep", "he"}, {"mnuAutoDispense", "ve"}}},
    {"NUBX", "NUBX", {}, false, false, false, {{"mnuStockCard", "ve"}}},
    {"QVH", "QVH", {}, false, false, false, {{"mnuIncomeTransdate", "ve"}}},
    {"FLQC", "FLQC", {}, false, false, false, {{"mnuSOAL", "ve"}}},
    {"JAWKC", "JAWKC", {}, false, false, false,
     {{"mnuDIRIP", "ve"}, {"mnuInSummary", "ve"}, {"mnuDIROut", "ve"}}},
    {"NORVAX", "NORVAX", {}, false, false, false,
     {{"mnuIPDOPD", "ve"}, {"mnuConsumption1", "ve"}, {"mnuTotalDailyOutPut", "ve"}, {"mnuSummReturns", "ve"},
      {"mnuFirstDoseReport", "ve"}, {"mnuPackageRequest", "ve"}, {"sep103", "ve"},
      {"mnuAdmissionList", "he"}, {"mnuDischarge", "ve:Discharge List Report"}}},
    {"KTH", "KTH", {}, false, false, false,
     {{"mnuEmployeesMeds", "ve:Sister's Medicines"}, {"mnuMonCash", "ve"}}},
    {"BELQ", "BELQ", {}, false, false, false, {{"mnuMonCash", "ve"}}},
    {"site codes are case-sensitive", "zmx", {}, false, false, false, {}},
    {"switch 24", "DEMO", {"24"}, false, false, false, {{"mnuSI", "ve"}, {"mnuDIRCashSalesSIRange", "ve"}}},
    {"switch 32", "DEMO", {"32"}, false, false, false, {{"mnuMonthlyperItem", "ve"}}},
    {"Kelvar", "DEMO", {}, true, false, false, {{"tbrPharma.Buttons(16)", "he"}}},
    {"CompanyMarkup", "DEMO", {}, false, true, false, {{"mnuCompany", "ve"}}},
    {"ShowColorAntibioticClass", "DEMO", {}, false, false, true, {{"mnuAntibiotic", "ve"}}},
};

class frmPharmaLoadRulesTest : public MainWindowTestOn<DbTest> {
protected:
    void prepare(const LoadCase& c) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch"));
        for (const char* key : c.switchesOn)
            db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, 1)"),
                         {QString::fromLatin1(key)});
        db().execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET ClientName = ?, Kelvarin = ?"),
                     {QString::fromLatin1(c.site), c.kelvar ? 1 : 0});
        resetSwitches();
        gSiteCode = QString::fromLatin1(c.site);
        gPharmaSwitches.Load(db(), gSiteCode);
        gCompanyMarkup = c.companyMarkup;
        gShowColorAntibioticClass = c.antibiotic;
    }
};

TEST_P(frmPharmaLoadRulesTest, EachSiteAndSwitchGivesItsMenusAndButtons) {
    saveRights(QStringLiteral("1234"), QStringLiteral("111111111"));
    // Read at site TZNH only, where the rights may hide the list again after the load showed it.
    db().execute(QStringLiteral("UPDATE tbPharmaUserSettings SET canViewListofCorectedReports = 1"));
    // The table covers every control the rules name.
    QStringList named = frmPharma::LoadRuleControls();
    for (const auto& [name, state] : baseline())
        named.removeOne(name);
    EXPECT_TRUE(named.isEmpty()) << named.join(u',').toStdString();

    for (const LoadCase& c : kLoadCases) {
        prepare(c);
        frmPharma window;
        window.Form_Load();
        for (const auto& [name, expectedBaseline] : baseline()) {
            const auto changed = c.changed.find(name);
            const QString expected = changed != c.changed.end() ? changed->second : expectedBaseline;
            EXPECT_EQ(stateOf(window, name).toStdString(), expected.toStdString()) << c.label << ": " << name.toStdString();
        }
    }
}

TEST_P(frmPharmaLoadRulesTest, LoadWinsOverTheRightsOnlyWhereItSaysSo) {
    struct Case { const char* site; const char* rights; std::map<QString, QString> states; };
    const Case cases[] = {
        // No rights at all: the load still shows what it shows, and the rights' items stay off.
        {"GIVRC", "000000000",
         {{"mnuPending", "vd"}, {"mnuAutoDispense", "vd"}, {"tbrPharma.Buttons(1)", "vd"},
          {"tbrPharma.Buttons(2)", "he"}, {"mnuManualPosting", "vd"}, {"tbrPharma.Buttons(4)", "vd"},
          {"tbrPharma.Buttons(5)", "vd"}, {"tbrPharma.Buttons(11)", "vd"}, {"tbrPharma.Buttons(16)", "ve"},
          {"tbrPharma.Buttons(14)", "hd"}}},
        // Every right: the load's own settings win for the request and unit-dose commands.
        {"GIVRC", "111111111",
         {{"mnuPending", "vd"}, {"mnuAutoDispense", "ve"}, {"tbrPharma.Buttons(1)", "vd"},
          {"tbrPharma.Buttons(2)", "he"}, {"tbrPharma.Buttons(4)", "ve"}}},
        {"DEMO", "111111111", {{"mnuAutoDispense", "he"}}},
    };
    for (const Case& c : cases) {
        prepare({"", c.site, {}, false, false, false, {}});
        db().execute(QStringLiteral("DELETE FROM tbPharmaUserSettings"));
        saveRights(QStringLiteral("1234"), QString::fromLatin1(c.rights));
        frmPharma window;
        window.Form_Load();
        for (const auto& [name, expected] : c.states)
            EXPECT_EQ(stateOf(window, name).toStdString(), expected.toStdString())
                << c.site << ' ' << c.rights << ": " << name.toStdString();
    }
}

QX_ON_BOTH_ENGINES(frmPharmaLoadRulesTest);

class frmPharmaButtonRightsTest : public MainWindowTest {};

TEST_F(frmPharmaButtonRightsTest, ToolbarButtonsFollowTheirMenusRights) {
    struct Case { const char* rights; bool stored; std::vector<bool> buttons; };  // 4, 5, 7, 8, 10, 11
    // Digit order: manual posting, process request, unit dose, returned, correction, posted meds,
    // drug inquiry, verification, view report.
    const Case cases[] = {
        {"111111111", true, {true, true, true, true, true, true}},
        {"100000000", true, {true, true, false, false, false, false}},
        {"000110000", true, {false, false, true, true, false, false}},
        {"000001100", true, {false, false, false, false, true, true}},
        {"", false, {false, false, false, false, false, false}},
    };
    const int indexes[] = {4, 5, 7, 8, 10, 11};
    frmPharma window;
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaUserSettings"));
        if (c.stored)
            saveRights(QStringLiteral("1234"), QString::fromLatin1(c.rights));
        window.LoadUserSettings(QStringLiteral("1234"));
        for (size_t i = 0; i < 6; ++i)
            EXPECT_EQ(window.tbrPharmaButton(indexes[i])->isEnabled(), c.buttons[i])
                << c.rights << " button " << indexes[i];
        // Buttons 1, 2, 12, 14 and 16 follow no right.
        for (int free : {12, 16})
            EXPECT_TRUE(window.tbrPharmaButton(free)->isEnabled()) << c.rights << " button " << free;
    }
}

TEST_F(frmPharmaButtonRightsTest, UserSettingsAppliesChangedRightsToTheButtons) {
    saveRights(QStringLiteral("1234"), QStringLiteral("111111111"));
    auto window = openWindow();
    ASSERT_TRUE(window->tbrPharmaButton(7)->isEnabled());
    platform.modal->onShow(QStringLiteral("qx::frmUserSetting"), [this](QWidget& w) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaUserSettings"));
        saveRights(QStringLiteral("1234"), QStringLiteral("111011111"));
        w.close();
    });
    window->command(QStringLiteral("mnuUserSetting"))->trigger();
    EXPECT_FALSE(window->tbrPharmaButton(7)->isEnabled());
    EXPECT_TRUE(window->tbrPharmaButton(8)->isEnabled());
    // After the user settings only the rights run: the request command follows its right again.
    EXPECT_TRUE(window->command(QStringLiteral("mnuPending"))->isEnabled());
}

} // namespace
} // namespace qx::test
