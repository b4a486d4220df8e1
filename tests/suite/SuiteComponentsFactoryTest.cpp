#include "components/AppError.h"
#include "components/SuiteComponents.h"
#include "suite/DefaultComponents.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

const QStringList kCreationOrder{
    progid::ChargeSlipList, progid::OutpatientList, progid::OptionSet,   progid::Firm,
    progid::InpatientList,  progid::RecentList,     progid::CurrentUser, progid::Drug,
    progid::FirmList,       progid::IssuedMedicines, progid::Dosage,     progid::DosageList,
    progid::Doctor,         progid::DoctorList,     progid::Dispensers,  progid::CashDate,
    progid::CashInvoice,    progid::CashNumbers,    progid::OPDPatient,  progid::Patient,
    progid::DispenserList};

// A factory whose creators record the ProgIDs asked for and fail on `failAt`, delegating the rest.
ComponentFactory recordingFactory(const ComponentFactory& real, QStringList& asked, const QString& failAt) {
    ComponentFactory f;
    for (const QString& id : kCreationOrder + QStringList{progid::DrugList, progid::GenericList, progid::Station})
        f.add(id, [&real, &asked, id, failAt](const ConnectionProvider& p) {
            asked << id;
            if (id == failAt)
                throw AppError(kCannotCreateObject, id, QStringLiteral("Can't create object: ") + id);
            return real.createAny(id, p);
        });
    return f;
}

TEST(SuiteComponentsFactory, CreatesOurComponentsByProgIdAndRefusesAnUnknownOne) {
    ComponentFactory f;
    suite::registerDefaultComponents(f);
    const ConnectionProvider none = [] { return nullptr; };
    EXPECT_NE(f.create<SiteOptions::OptionSet>(progid::OptionSet, none), nullptr);
    EXPECT_NE(f.create<StaffLogin::CurrentUser>(QStringLiteral("stafflogin.currentuser"), none), nullptr);
    EXPECT_NE(f.create<DrugPicker::DrugList>(progid::GenericList, none), nullptr);
    EXPECT_NE(f.create<WardStations::Station>(progid::Station, none), nullptr);
    // Asked for as another interface, or by an unknown name: the creation fails.
    EXPECT_THROW(f.create<SiteOptions::OptionSet>(progid::Dosage, none), AppError);
    try {
        f.create<SiteOptions::OptionSet>(QStringLiteral("Nowhere.Thing"), none);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), kCannotCreateObject);
    }
    // Not yet connected: components answer False to the connect call.
    auto options = f.create<SiteOptions::OptionSet>(progid::OptionSet, none);
    EXPECT_FALSE(options->InitConnection(QStringLiteral("sqlite:/tmp/x")));
}

TEST(SuiteComponentsFactory, CreatesEveryProgIdOfTheCreationOrder) {
    ComponentFactory f;
    suite::registerDefaultComponents(f);
    for (const QString& id : kCreationOrder + QStringList{progid::DrugList, progid::GenericList, progid::Station})
        EXPECT_TRUE(f.knows(id)) << id.toStdString();
    SuiteComponents components;
    components.registerDLLS(f);
    components.createDrugPicker(f, false);
    for (const auto& step : components.connectionSteps())
        EXPECT_FALSE(step.connect(QStringLiteral("sqlite:/nowhere"))) << step.slot.toStdString();  // nobody logged in
    EXPECT_NE(components.gDrug, nullptr);
    EXPECT_NE(components.gPatient, nullptr);
    EXPECT_NE(components.gCashNumbers, nullptr);
    EXPECT_NE(components.gDispenserList, nullptr);
}

TEST(SuiteComponentsFactory, RegisterDllsCreatesInOrderAndStopsAtTheFirstFailure) {
    ComponentFactory real;
    suite::registerDefaultComponents(real);
    QStringList asked;
    ComponentFactory f = recordingFactory(real, asked, progid::FirmList);
    SuiteComponents components;
    try {
        components.registerDLLS(f);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), static_cast<long>(0x80040064));
        EXPECT_EQ(e.source(), QStringLiteral("prjQuillax.mdlMain.registerDLLS"));
        EXPECT_EQ(e.description(), QStringLiteral("Can't create object: AccountFirms.FirmList\n"
                                                  "in prjQuillax.mdlMain.registerDLLS at line 9"));
    }
    EXPECT_EQ(asked, kCreationOrder.mid(0, 9));
    EXPECT_NE(components.gCurrentUser, nullptr);
    EXPECT_EQ(components.gCompanyList, nullptr);
}

TEST(SuiteComponentsFactory, ConnectionStepsFollowTheConnectionOrder) {
    SuiteComponents components;
    const auto steps = components.connectionSteps();
    ASSERT_EQ(steps.size(), 21);
    const QStringList expected{"gPatient",       "gDrug",          "gInpatientList", "gDosage",
                               "gDrugList",      "gDosageList",    "gCompany",       "gCompanyList",
                               "gDoctor",        "gDoctorList",    "gOPDPatient",    "gOPDRecentList",
                               "gIssuedMedicines", "gChargeSlipList", "gOptions",    "gOPDList",
                               "gDispensers",    "gDispenserList", "gCashDate",      "gCashInvoice",
                               "gCashNumbers"};
    for (int i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].step, i + 1);
        EXPECT_EQ(steps[i].slot, expected[i]);
    }
    // A slot left empty fails its connect call as calling a member of nothing does.
    EXPECT_THROW(steps[0].connect(QStringLiteral("x")), AppError);
}

TEST(SuiteComponentsFactory, ConnectCallsReachTheCreatedComponents) {
    ComponentFactory f;
    suite::registerDefaultComponents(f);
    SuiteComponents components;
    components.gCurrentUser = f.create<StaffLogin::CurrentUser>(progid::CurrentUser, components.connectionProvider());
    components.createDrugPicker(f, true);
    const auto steps = components.connectionSteps();
    // Nobody has logged in: the picker answers False rather than failing.
    EXPECT_FALSE(steps[4].connect(QStringLiteral("sqlite:/tmp/none")));
    components.releaseInMainWindowOrder();
    EXPECT_EQ(components.gDrugList, nullptr);
    EXPECT_EQ(components.gCurrentUser, nullptr);
}

} // namespace
