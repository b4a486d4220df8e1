#include "ShellFixture.h"

using namespace qx;
using namespace qx::test;

namespace {

class HospitalSettingsTest : public ShellTest {
protected:
    void insertHospitalInfo(const QVariant& company, const QVariant& clientName, const QVariant& eCart,
                            int byGeneric = 0) {
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Company, Address1, ClientName, "
                                    "ByGeneric, AllowZeroOnHand, PHECartLocID) VALUES (?, ?, ?, ?, ?, ?)"),
                     {company, QStringLiteral("1 MAIN ST"), clientName, byGeneric, 1, eCart});
    }
};

TEST_P(HospitalSettingsTest, EmptyHospitalInfoLeavesTheSettings) {
    gSiteCode = QStringLiteral("KEPT");
    EXPECT_FALSE(LoadHospitalInfo(db()));
    EXPECT_EQ(gSiteCode, QStringLiteral("KEPT"));
}

TEST_P(HospitalSettingsTest, HospitalInfoFillsNameSiteAndFlags) {
    insertHospitalInfo(QStringLiteral("ST. JUDE'S HOSPITAL"), QStringLiteral("QVH"), QVariant(), 1);
    ASSERT_TRUE(LoadHospitalInfo(db()));
    EXPECT_EQ(gHospitalName, QStringLiteral("ST. JUDE'S HOSPITAL"));
    EXPECT_EQ(gHospitalAddress, QStringLiteral("1 MAIN ST"));
    EXPECT_EQ(gSiteCode, QStringLiteral("QVH"));
    EXPECT_TRUE(gDrugListByGeneric);
    EXPECT_TRUE(gAllowZeroOnHand);
    EXPECT_FALSE(gAllowPriceChange);
    EXPECT_FALSE(gCompanyMarkup);
}

TEST_P(HospitalSettingsTest, NullTextsReadEmpty) {
    insertHospitalInfo(QVariant(), QVariant(), QVariant());
    ASSERT_TRUE(LoadHospitalInfo(db()));
    EXPECT_EQ(gSiteCode, QString());
    EXPECT_EQ(gHospitalName, QString());
    EXPECT_FALSE(gDrugListByGeneric);
}

TEST_P(HospitalSettingsTest, ECartLocationFollowsPharmacySwitchOne) {
    struct Case { QVariant switchValue; QVariant column; QString expected; };
    const Case cases[] = {
        {0, QStringLiteral("186"), QString()},
        {QVariant(), QStringLiteral("186"), QString()},
        {1, QVariant(), QStringLiteral("20")},
        {1, QStringLiteral("186"), QStringLiteral("186")},
    };
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
        insertHospitalInfo(QStringLiteral("H"), QStringLiteral("S"), c.column);
        setPharmaSwitch(QStringLiteral("1"), c.switchValue);
        gECartLocationID.clear();
        ASSERT_TRUE(LoadHospitalInfo(db()));
        EXPECT_EQ(gECartLocationID, c.expected) << c.switchValue.toString().toStdString() << " / "
                                                << c.column.toString().toStdString();
    }
}

TEST_P(HospitalSettingsTest, TwoRowsTakeTheFirst) {
    insertHospitalInfo(QStringLiteral("FIRST"), QStringLiteral("ONE"), QVariant());
    insertHospitalInfo(QStringLiteral("SECOND"), QStringLiteral("TWO"), QVariant());
    db().execute(QStringLiteral("INSERT INTO tbHospitalInfo (MaximumReceiptEntry) VALUES (5)"));
    db().execute(QStringLiteral("INSERT INTO tbHospitalInfo (MaximumReceiptEntry) VALUES (9)"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (SeniorCitizen) VALUES (20)"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (SeniorCitizen) VALUES (5)"));
    ASSERT_TRUE(LoadHospitalInfo(db()));
    ASSERT_TRUE(LoadHospitalSettings(db()));
    LoadDiscountTypes(db());
    EXPECT_EQ(gSiteCode, QStringLiteral("ONE"));
    EXPECT_EQ(gMaximumReceiptEntry, 5);
    EXPECT_EQ(gDiscountSeniorCitizen, 20.0);
}

TEST_P(HospitalSettingsTest, NullSettingsTakeTheirDefaults) {
    db().execute(QStringLiteral(
        "INSERT INTO tbHospitalInfo (isSocializePricing, isOPDPrice, MaximumReceiptEntry, isEmpCreditLimit, "
        "isVATExempt, ShowColorAntibioticClass, PreNumberAssessment, PresetDiscPercent, DefaultDiscount, "
        "ExcludeNonSenior, isSeparateER, IsPharmaPackageRequest, isvelmira, IsEmployeeDiscountPH, IsHasValidation, "
        "IsCheckBarCode, IsHasHMOMarkup, IsHasAutoDetectShift) VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
        "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)"));
    ASSERT_TRUE(LoadHospitalSettings(db()));
    EXPECT_EQ(gMaximumReceiptEntry, 20);
    EXPECT_EQ(gDefaultDiscount, 1);
    for (bool flag : {gSocializePricing, gOPDPrice, gEmpCreditLimit, gVATExempt, gShowColorAntibioticClass,
                      gPreNumberAssessment, gPresetDiscPercent, gExcludeNonSenior, gSeparateER, gPharmaPackageRequest,
                      gVelmira, gEmployeeDiscountPH, gHasValidation, gCheckBarCode, gHMOMarkup, gAutoDetectShift})
        EXPECT_FALSE(flag);
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(HospitalSettingsTest, StoredSettingsAreTaken) {
    db().execute(QStringLiteral(
        "INSERT INTO tbHospitalInfo (isSocializePricing, MaximumReceiptEntry, DefaultDiscount, isSeparateER, "
        "IsHasValidation, IsHasAutoDetectShift) VALUES (1, 7, 0, -1, 2, 1)"));
    ASSERT_TRUE(LoadHospitalSettings(db()));
    EXPECT_TRUE(gSocializePricing);
    EXPECT_EQ(gMaximumReceiptEntry, 7);
    EXPECT_EQ(gDefaultDiscount, 0);
    EXPECT_TRUE(gSeparateER);
    EXPECT_TRUE(gHasValidation);
    EXPECT_TRUE(gAutoDetectShift);
    EXPECT_FALSE(gOPDPrice);
}

TEST_P(HospitalSettingsTest, EmptySettingsTablesLeaveInitialValues) {
    ASSERT_TRUE(LoadHospitalSettings(db()));
    LoadDiscountTypes(db());
    EXPECT_EQ(gMaximumReceiptEntry, 0);
    EXPECT_EQ(gDefaultDiscount, 0);
    EXPECT_EQ(gDiscountVAT, 0.0);
}

TEST_P(HospitalSettingsTest, DiscountTypesNullReadAsZero) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (SeniorCitizen, Cash, Employee, VAT) "
                                "VALUES (20, NULL, 7.5, 12)"));
    LoadDiscountTypes(db());
    EXPECT_EQ(gDiscountSeniorCitizen, 20.0);
    EXPECT_EQ(gDiscountCash, 0.0);
    EXPECT_EQ(gDiscountEmployee, 7.5);
    EXPECT_EQ(gDiscountVAT, 12.0);
}

TEST_P(HospitalSettingsTest, NoDirectReturnSuppliesOnlyForValueOne) {
    struct Case { QVariant value; bool expected; };
    const Case cases[] = {{QStringLiteral("1"), true}, {QStringLiteral("0"), false},
                          {QStringLiteral("Y"), false}, {QVariant(), false}};
    EXPECT_FALSE(IsNoDirectReturnSupplies(db()));
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM station.tbNurseSetup"));
        db().execute(QStringLiteral("INSERT INTO station.tbNurseSetup (FIELD, Value) VALUES (?, ?)"),
                     {QStringLiteral("NoDirectReturnSupplies"), c.value});
        EXPECT_EQ(IsNoDirectReturnSupplies(db()), c.expected) << c.value.toString().toStdString();
    }
}

QX_ON_BOTH_ENGINES(HospitalSettingsTest);

// A settings column the loader needs is missing: its box names the error and the program ends.
TEST(HospitalSettingsFailure, MissingColumnShowsTheErrorAndEndsTheProgram) {
    ScriptedPlatform platform;
    resetHospitalSettings();
    TestDatabase tdb(Engine::SQLite);
    Connection& db = tdb.connection();
    db.executeScript(QStringLiteral("DROP TABLE tbHospitalInfo"));
    db.executeScript(QStringLiteral("CREATE TABLE tbHospitalInfo (id INTEGER PRIMARY KEY, isSocializePricing INTEGER)"));
    db.execute(QStringLiteral("INSERT INTO tbHospitalInfo (isSocializePricing) VALUES (1)"));
    EXPECT_FALSE(LoadHospitalSettings(db));
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    const auto& box = platform.messages->last();
    EXPECT_TRUE(box.text.contains(QStringLiteral("isOPDPrice"), Qt::CaseInsensitive)) << box.text.toStdString();
    EXPECT_EQ(box.style, vbOKOnly);
    EXPECT_EQ(box.title, QStringLiteral("Quillax"));
    EXPECT_EQ(platform.programEnd->ended(), 1);
    EXPECT_TRUE(gSocializePricing);
    resetHospitalSettings();
}

} // namespace
