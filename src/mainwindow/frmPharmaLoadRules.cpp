// The per-site and per-switch rules that the main window's load applies to its menus and
// toolbar buttons, by object name and in the load's order.
#include "mainwindow/frmPharma.h"

#include "shell/HospitalSettings.h"
#include "shell/Switches.h"

#include <QAction>

namespace qx {

namespace {

enum class RuleProperty { Visible, Enabled, Checked, Caption };

enum class RuleCondition {
    Always,
    AtSites,           // gSiteCode is one of `sites`
    CashStandAlone,    // pharmacy switch 24
    MonthlyPerItem,    // pharmacy switch 32, read afresh
    KelvarHospital,
    CompanyMarkup,
    AntibioticColours,
};

// Follows: the property takes the condition's value (a rule "visible only at ...").
// WhenMet: the property takes `value` only while the condition holds (a rule "hidden at ...").
enum class RuleMode { Follows, WhenMet };

struct LoadRule {
    int step;
    const char* control;
    RuleProperty property;
    RuleMode mode;
    RuleCondition condition;
    const char* sites;    // space-separated site codes for AtSites
    bool value;           // for WhenMet
    const char* caption;  // for Caption
};

constexpr auto kRuleVisible = RuleProperty::Visible;
constexpr auto kRuleEnabled = RuleProperty::Enabled;
constexpr auto kRuleChecked = RuleProperty::Checked;
constexpr auto kRuleCaption = RuleProperty::Caption;
constexpr auto kRuleFollows = RuleMode::Follows;
constexpr auto kRuleWhenMet = RuleMode::WhenMet;
constexpr auto kRuleAlways = RuleCondition::Always;
constexpr auto kRuleAtSites = RuleCondition::AtSites;

const LoadRule kLoadRules[] = {
    {1, "mnuSI", kRuleVisible, kRuleFollows, RuleCondition::CashStandAlone, "", false, ""},
    {2, "mnuListOfCorrectedItems", kRuleVisible, kRuleFollows, kRuleAtSites, "TZNH", false, ""},
    {3, "mnuMonthlyperItem", kRuleVisible, kRuleFollows, RuleCondition::MonthlyPerItem, "", false, ""},
    {5, "mnuBarcodeSettings", kRuleVisible, kRuleWhenMet, kRuleAlways, "", true, ""},
    {6, "mnuSurcharge", kRuleVisible, kRuleFollows, kRuleAtSites, "ZMX", false, ""},
    {9, "mnuChargeSlip", kRuleVisible, kRuleFollows, kRuleAtSites, "HUZTO ZMX", false, ""},
    {11, "mnuStockCard", kRuleVisible, kRuleFollows, kRuleAtSites, "GIVRC HUZTO ZMX NUBX", false, ""},
    {12, "mnuCensus", kRuleVisible, kRuleWhenMet, kRuleAtSites, "GIVRC", false, ""},
    {12, "mnuPHICList", kRuleVisible, kRuleWhenMet, kRuleAtSites, "GIVRC", false, ""},
    {12, "mnuEmployeeMedicines", kRuleVisible, kRuleWhenMet, kRuleAtSites, "GIVRC", false, ""},
    {12, "mnuCardTransactions", kRuleVisible, kRuleWhenMet, kRuleAtSites, "GIVRC", false, ""},
    {12, "mnuSeniorCash", kRuleVisible, kRuleWhenMet, kRuleAtSites, "GIVRC", false, ""},
    {12, "mnuDCSRep", kRuleVisible, kRuleWhenMet, kRuleAtSites, "GIVRC", false, ""},
    // Step 19 applies the rights; what follows wins over them.
    {21, "mnuIncomeTransdate", kRuleVisible, kRuleFollows, kRuleAtSites, "QVH", false, ""},
    {22, "mnuSOAL", kRuleVisible, kRuleFollows, kRuleAtSites, "FLQC", false, ""},
    {23, "mnuPending", kRuleEnabled, kRuleWhenMet, kRuleAlways, "", false, ""},
    {24, "tbrPharma.Buttons(1)", kRuleEnabled, kRuleWhenMet, kRuleAlways, "", false, ""},
    {25, "tbrPharma.Buttons(16)", kRuleVisible, kRuleWhenMet, RuleCondition::KelvarHospital, "", false, ""},
    {26, "mnuAutoDispense", kRuleVisible, kRuleFollows, kRuleAtSites, "GIVRC", false, ""},
    {27, "tbrPharma.Buttons(2)", kRuleVisible, kRuleWhenMet, kRuleAlways, "", false, ""},
    {28, "mnuFIFO", kRuleChecked, kRuleWhenMet, kRuleAlways, "", false, ""},
    {29, "mnuProcessTranscription", kRuleEnabled, kRuleWhenMet, kRuleAlways, "", false, ""},
    {30, "tbrPharma.Buttons(14)", kRuleEnabled, kRuleWhenMet, kRuleAlways, "", false, ""},
    {31, "mnuCompany", kRuleVisible, kRuleFollows, RuleCondition::CompanyMarkup, "", false, ""},
    {32, "mnuAntibiotic", kRuleVisible, kRuleFollows, RuleCondition::AntibioticColours, "", false, ""},
    {34, "mnuDIRIP", kRuleVisible, kRuleWhenMet, kRuleAtSites, "JAWKC", true, ""},
    {34, "mnuInSummary", kRuleVisible, kRuleWhenMet, kRuleAtSites, "JAWKC", true, ""},
    {34, "mnuDIROut", kRuleVisible, kRuleWhenMet, kRuleAtSites, "JAWKC", true, ""},
    {34, "mnuDCSRep", kRuleVisible, kRuleWhenMet, kRuleAtSites, "JAWKC", true, ""},
    {35, "mnuIPDOPD", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "mnuConsumption1", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "mnuTotalDailyOutPut", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "mnuSummReturns", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "mnuFirstDoseReport", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "mnuPackageRequest", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "sep103", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "mnuAdmissionListDateRange", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", true, ""},
    {35, "mnuAdmissionList", kRuleVisible, kRuleWhenMet, kRuleAtSites, "NORVAX", false, ""},
    {35, "mnuDischarge", kRuleCaption, kRuleWhenMet, kRuleAtSites, "NORVAX", false, "Discharge List Report"},
    {37, "mnuEmployeesMeds", kRuleCaption, kRuleWhenMet, kRuleAtSites, "KTH", false, "Sister's Medicines"},
    {38, "mnuMonCash", kRuleVisible, kRuleWhenMet, kRuleAtSites, "KTH BELQ", true, ""},
    {39, "mnuTabulatedIncomeReport", kRuleVisible, kRuleFollows, kRuleAtSites, "ZMX", false, ""},
    {39, "mnuFastClassification", kRuleVisible, kRuleWhenMet, kRuleAtSites, "HUZTO ZMX", false, ""},
    {39, "mnuNotFastMovingClassification", kRuleVisible, kRuleWhenMet, kRuleAtSites, "HUZTO ZMX", false, ""},
    {40, "mnuDIRCashSalesSIRange", kRuleVisible, kRuleFollows, RuleCondition::CashStandAlone, "", false, ""},
    {40, "mnuPopUp2", kRuleVisible, kRuleWhenMet, kRuleAlways, "", true, ""},
};

bool loadRuleConditionMet(const LoadRule& rule) {
    switch (rule.condition) {
    case RuleCondition::Always: return true;
    case RuleCondition::AtSites:
        // Site codes are whole, case-sensitive texts.
        return QString::fromLatin1(rule.sites).split(QLatin1Char(' ')).contains(gSiteCode);
    case RuleCondition::CashStandAlone: return gPharmaSwitches.PharmacyCashStandAlone();
    case RuleCondition::MonthlyPerItem: return GetPharmaSwitch(QStringLiteral("32"));
    case RuleCondition::KelvarHospital: return gPharmaSwitches.IsKelvarHospital();
    case RuleCondition::CompanyMarkup: return gCompanyMarkup;
    case RuleCondition::AntibioticColours: return gShowColorAntibioticClass;
    }
    return false;
}

} // namespace

QStringList frmPharma::LoadRuleControls() {
    QStringList names;
    for (const LoadRule& rule : kLoadRules)
        if (!names.contains(QString::fromLatin1(rule.control)))
            names << QString::fromLatin1(rule.control);
    return names;
}

void frmPharma::ApplyLoadRules(int firstStep, int lastStep) {
    for (const LoadRule& rule : kLoadRules) {
        if (rule.step < firstStep || rule.step > lastStep)
            continue;
        QAction* action = command(QString::fromLatin1(rule.control));
        if (!action)
            continue;
        const bool met = loadRuleConditionMet(rule);
        if (rule.mode == RuleMode::WhenMet && !met)
            continue;
        const bool value = rule.mode == RuleMode::Follows ? met : rule.value;
        switch (rule.property) {
        case RuleProperty::Visible: action->setVisible(value); break;
        case RuleProperty::Enabled: action->setEnabled(value); break;
        case RuleProperty::Checked: action->setChecked(value); break;
        case RuleProperty::Caption: action->setText(QString::fromUtf8(rule.caption)); break;
        }
    }
}

} // namespace qx
