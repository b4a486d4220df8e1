#include "SuiteFixture.h"
#include "components/AppError.h"
#include "suite/AccountFirmsFirm.h"
#include "suite/CliniciansDoctor.h"
#include "suite/DispenserRollDispensers.h"
#include "suite/DoseFormsDosage.h"
#include "suite/SiteOptionsOptionSet.h"
#include "suite/WardStationsStation.h"

using namespace qx;
using namespace qx::test;
using namespace qx::suite;

namespace {

class ReferenceLookupsTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (!IsSkipped())
            addSuiteReferenceRows(db());
    }
};

TEST_P(ReferenceLookupsTest, FindByTrimmedCodeInAnyCase) {
    auto dosage = connected<DoseFormsDosage>(db());
    auto doctor = connected<CliniciansDoctor>(db());
    auto dispensers = connected<DispenserRollDispensers>(db());
    struct Case { std::function<bool()> search; bool found; std::function<QString()> code, name; QString wantCode, wantName; };
    const Case cases[] = {
        {[&] { return dosage->GetInfo(QStringLiteral(" tid ")); }, true, [&] { return dosage->DosageID(); },
         [&] { return QString::number(dosage->Frequency()); }, "TID", "3"},
        {[&] { return dosage->GetInfo(QStringLiteral("XYZ")); }, false, [&] { return dosage->DosageID(); },
         [&] { return QString::number(dosage->Frequency()); }, "", "0"},
        {[&] { return doctor->Search(QStringLiteral("d001")); }, true, [&] { return doctor->DoctorCode(); },
         [&] { return doctor->DoctorName(); }, "D001", "RAMON B. AGUILAR"},
        {[&] { return doctor->Search(QStringLiteral("D'03")); }, true, [&] { return doctor->DoctorCode(); },
         [&] { return doctor->DoctorName(); }, "D'03", "SEAN O'HARA"},
        {[&] { return doctor->Search(QString()); }, false, [&] { return doctor->DoctorCode(); },
         [&] { return doctor->DoctorName(); }, "", ""},
        {[&] { return dispensers->Search(QStringLiteral(" 1001")); }, true, [&] { return dispensers->Code(); },
         [&] { return dispensers->DispenserName(); }, "1001", "JOSE REYES"},
        // An employee of another department is no dispenser.
        {[&] { return dispensers->Search(QStringLiteral("9001")); }, false, [&] { return dispensers->Code(); },
         [&] { return dispensers->DispenserName(); }, "", ""},
    };
    int i = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(c.search(), c.found) << "case " << i;
        EXPECT_EQ(c.code(), c.wantCode) << "case " << i;
        EXPECT_EQ(c.name(), c.wantName) << "case " << i;
        ++i;
    }
}

TEST_P(ReferenceLookupsTest, AccountsAreFoundByKind) {
    auto firm = connected<AccountFirmsFirm>(db());
    struct Case { const char* code; std::optional<QString> kind; bool found; };
    const Case cases[] = {
        {"c0001", std::nullopt, true},    {"C0001", QStringLiteral("Y"), true},
        {"C0001", QStringLiteral("FB"), false}, {"FB001", QStringLiteral("FB"), true},
        {"FB001", QStringLiteral("Y"), false},  {"FB001", std::nullopt, true},
        {"NONE", std::nullopt, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firm->Search(QString::fromLatin1(c.code), c.kind), c.found) << c.code << " " << c.kind.value_or("-").toStdString();
    ASSERT_TRUE(firm->Search(QStringLiteral("fb001")));
    EXPECT_EQ(firm->CompanyCode(), QStringLiteral("FB001"));
    EXPECT_EQ(firm->CompanyName(), QStringLiteral("EMPLOYEES FRINGE BENEFIT"));
    EXPECT_EQ(firm->DateEmployed(), QString());
}

TEST_P(ReferenceLookupsTest, StationsListsTheActiveOnes) {
    WardStationsStation station(providerOf(db()));
    EXPECT_THROW(station.List(), AppError);  // not connected yet
    EXPECT_FALSE(station.InitConnection(QStringLiteral("sqlite:/somewhere/else")));
    ASSERT_TRUE(station.InitConnection(db().connectionString()));
    Recordset rs = station.List();
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.text(QStringLiteral("StationID")), QStringLiteral("2F"));
    EXPECT_EQ(rs.text(QStringLiteral("Station")), QStringLiteral("2ND FLOOR"));
}

TEST_P(ReferenceLookupsTest, OptionsAreStoredAsGiven) {
    auto options = connected<SiteOptionsOptionSet>(db());
    options->GetOptions();
    EXPECT_EQ(options->CommunicationTimer(), 0);  // no row yet
    options->UpdateOptions(15, -5);
    options->UpdateOptions(7, 120);  // no range checks
    auto again = connected<SiteOptionsOptionSet>(db());
    again->GetOptions();
    EXPECT_EQ(again->CommunicationTimer(), 7);
    EXPECT_EQ(again->SeniorCitizenDiscount(), 120);
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbPharmaOptions")).value(0).toInt(), 1);
}

QX_ON_BOTH_ENGINES(ReferenceLookupsTest);

} // namespace
