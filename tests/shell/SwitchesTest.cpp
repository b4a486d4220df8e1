#include "ShellFixture.h"

using namespace qx;
using namespace qx::test;

namespace {

class SwitchesTest : public ShellTest {
protected:
    clsPharmaSwitches loaded(const QString& site = QString()) {
        clsPharmaSwitches s;
        s.Load(db(), site);
        return s;
    }
};

TEST_P(SwitchesTest, KeysMustBeExactDecimalText) {
    struct Case { QString key; QVariant value; bool switch7; };
    const Case cases[] = {
        {QStringLiteral("7"), 1, true},
        {QStringLiteral("7"), 2, true},
        {QStringLiteral("7"), -1, true},
        {QStringLiteral("7"), 0, false},
        {QStringLiteral("7"), QVariant(), false},
        {QStringLiteral("07"), 1, false},
        {QStringLiteral(" 7"), 1, false},
    };
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch"));
        setPharmaSwitch(c.key, c.value);
        EXPECT_EQ(loaded().Switch7(), c.switch7) << "'" << c.key.toStdString() << "' = "
                                                 << c.value.toString().toStdString();
    }
}

TEST_P(SwitchesTest, MembersReadTheirKeys) {
    for (const char* key : {"1", "13", "24", "101", "200", "202", "207"})
        setPharmaSwitch(QString::fromLatin1(key), 1);
    setPharmaSwitch(QStringLiteral("12"), 1);
    setPharmaSwitch(QStringLiteral("102"), 1);
    const clsPharmaSwitches s = loaded();
    EXPECT_TRUE(s.Switch1());
    EXPECT_TRUE(s.Switch13());
    EXPECT_TRUE(s.PharmacyCashStandAlone());
    EXPECT_TRUE(s.Switch101());
    EXPECT_TRUE(s.Switch200());
    EXPECT_TRUE(s.EnableDailyIncomeCashSalesByDispenser());
    EXPECT_TRUE(s.Switch207());
    EXPECT_FALSE(s.Switch11());
    EXPECT_FALSE(s.Switch201());
    EXPECT_FALSE(s.Switch205());
}

TEST_P(SwitchesTest, Switch26IsAlwaysOn) {
    EXPECT_TRUE(loaded().Switch26());
    setPharmaSwitch(QStringLiteral("26"), 0);
    EXPECT_TRUE(loaded().Switch26());
}

TEST_P(SwitchesTest, ReloadingClearsKeysNoLongerOn) {
    setPharmaSwitch(QStringLiteral("9"), 1);
    clsPharmaSwitches s = loaded();
    ASSERT_TRUE(s.Switch9());
    db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch"));
    s.Load(db(), QString());
    EXPECT_FALSE(s.Switch9());
}

TEST_P(SwitchesTest, SiteForcedFlags) {
    db().execute(QStringLiteral("INSERT INTO billing.tbHospitalInfo (ActivateCashierRegularVATDeduction) VALUES ('0')"));
    const clsPharmaSwitches s = loaded();
    struct Case { QString site; bool pnf; bool supplier; bool vat; };
    const Case cases[] = {
        {QStringLiteral("TRAVU"), true, false, false},
        {QStringLiteral("BOSNEV"), false, true, false},
        {QStringLiteral("RUQ"), false, false, true},
        {QStringLiteral("ruq"), false, false, false},
        {QStringLiteral("TRAVU "), false, false, false},
        {QString(), false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(s.DisplayPNFInCommunicationEntry(c.site), c.pnf) << c.site.toStdString();
        EXPECT_EQ(s.DisplaySupplierInCommunicationEntry(c.site), c.supplier) << c.site.toStdString();
        EXPECT_EQ(s.ActivateCashierRegularVATDeduction(c.site), c.vat) << c.site.toStdString();
    }
    setPharmaSwitch(QStringLiteral("203"), 1);
    setPharmaSwitch(QStringLiteral("204"), 1);
    const clsPharmaSwitches on = loaded();
    EXPECT_TRUE(on.DisplayPNFInCommunicationEntry(QString()));
    EXPECT_TRUE(on.DisplaySupplierInCommunicationEntry(QString()));
}

TEST_P(SwitchesTest, CashierVATDeductionNeedsTheTextOne) {
    struct Case { QVariant value; bool expected; };
    const Case cases[] = {{QStringLiteral("1"), true}, {QStringLiteral("True"), false},
                          {QStringLiteral("0"), false}, {QVariant(), false}};
    EXPECT_FALSE(loaded().ActivateCashierRegularVATDeduction(QString()));  // no row
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM billing.tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO billing.tbHospitalInfo (ActivateCashierRegularVATDeduction) VALUES (?)"),
                     {c.value});
        EXPECT_EQ(loaded().ActivateCashierRegularVATDeduction(QString()), c.expected)
            << c.value.toString().toStdString();
    }
}

TEST_P(SwitchesTest, KelvarHospitalFromPatientData) {
    EXPECT_FALSE(loaded().IsKelvarHospital());  // no row
    struct Case { QVariant value; bool expected; };
    for (const Case& c : {Case{1, true}, Case{0, false}, Case{QVariant(), false}}) {
        db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Company, Kelvarin) VALUES ('H', ?)"),
                     {c.value});
        EXPECT_EQ(loaded().IsKelvarHospital(), c.expected) << c.value.toString().toStdString();
    }
}

// The two single-key readers keep their different truth rules.
TEST_P(SwitchesTest, SingleKeyReadersAndTheirTruthRules) {
    struct Case { QVariant value; bool pharma; bool inventory; };
    const Case cases[] = {
        {1, true, true},
        {2, true, false},
        {-1, true, false},
        {0, false, false},
    };
    EXPECT_FALSE(GetPharmaSwitch(db(), QStringLiteral("22")));
    EXPECT_FALSE(GetInvSwitch(db(), QStringLiteral("89")));
    for (const Case& c : cases) {
        setPharmaSwitch(QStringLiteral("22"), c.value);
        setInvSwitch(QStringLiteral("89"), c.value);
        EXPECT_EQ(GetPharmaSwitch(db(), QStringLiteral("22")), c.pharma) << c.value.toInt();
        EXPECT_EQ(GetInvSwitch(db(), QStringLiteral("89")), c.inventory) << c.value.toInt();
    }
    setPharmaSwitch(QStringLiteral("22"), QVariant());
    EXPECT_FALSE(GetPharmaSwitch(db(), QStringLiteral("22")));
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(SwitchesTest, LoadSwitchesCachesTheInventoryFlagsAndTheObject) {
    setInvSwitch(QStringLiteral("106"), 1);
    setInvSwitch(QStringLiteral("104"), 1);
    setPharmaSwitch(QStringLiteral("16"), 1);
    LoadSwitches(db(), QStringLiteral("DEMO"));
    EXPECT_TRUE(gInvSwitchVATExemptItems);
    EXPECT_FALSE(gInvSwitchVAPrice);
    EXPECT_TRUE(gInvSwitchHMOMarkupPrice);
    EXPECT_TRUE(gPharmaSwitches.Switch16());
    // Cached: a later change is not seen until the next start.
    setPharmaSwitch(QStringLiteral("16"), 0);
    EXPECT_TRUE(gPharmaSwitches.Switch16());
    EXPECT_FALSE(GetPharmaSwitch(db(), QStringLiteral("16")));
}

QX_ON_BOTH_ENGINES(SwitchesTest);

class SwitchFailureTest : public ShellTest {};

TEST_P(SwitchFailureTest, InventorySwitchErrorIsShownAndReadsOff) {
    db().executeScript(QStringLiteral("DROP TABLE tbInvSwitch"));
    EXPECT_FALSE(GetInvSwitch(db(), QStringLiteral("110")));
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->last().text.startsWith(
        QStringLiteral("An error has occured. Please contact IT Personnel for assistance.\n")));
    EXPECT_EQ(platform.messages->last().icon(), vbCritical);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Quillax"));
}

TEST_P(SwitchFailureTest, ErrorInsideLoadKeepsWhatWasReadAndGoesOn) {
    setPharmaSwitch(QStringLiteral("5"), 1);
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Company, Kelvarin) VALUES ('H', 1)"));
    db().executeScript(QStringLiteral("DROP TABLE billing.tbHospitalInfo"));
    LoadSwitches(db(), QString());
    EXPECT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(gPharmaSwitches.Switch5());
    EXPECT_FALSE(gPharmaSwitches.IsKelvarHospital());
}

QX_ON_BOTH_ENGINES(SwitchFailureTest);

} // namespace
