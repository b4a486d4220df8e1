#include "ScriptedSuite.h"
#include "ShellFixture.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "suite/DefaultComponents.h"

#include <QApplication>
#include <QDate>
#include <QProgressBar>

using namespace qx;
using namespace qx::test;

namespace {

const QString kNotConnected =
    QStringLiteral("Unable to connect to server. Please contance EDP personell for assistance.");
const QString kRefused = QStringLiteral("Important component was unable to connect to server.;"
                                        "Please contact EDP personell for assistance.");

// The connect calls start-up makes, in order, when the brand-name picker is chosen.
const QStringList kConnectionOrder{
    progid::Patient,        progid::Drug,           progid::InpatientList, progid::Dosage,
    progid::DrugList,       progid::DosageList,     progid::Firm,          progid::FirmList,
    progid::Doctor,         progid::DoctorList,     progid::OPDPatient,    progid::RecentList,
    progid::IssuedMedicines, progid::ChargeSlipList, progid::OptionSet,    progid::OutpatientList,
    progid::Dispensers,     progid::DispenserList,  progid::CashDate,      progid::CashInvoice,
    progid::CashNumbers};

class RecordingMainForm : public MainForm {
public:
    explicit RecordingMainForm(QStringList& log) : log_(log) {}
    void Load() override { log_ << QStringLiteral("Load"); }
    void Show() override { log_ << QStringLiteral("Show"); }

private:
    QStringList& log_;
};

frmSplash* visibleSplash() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<frmSplash*>(w); s && s->isVisible())
            return s;
    return nullptr;
}

class StartupTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped())
            return;
        suite::registerDefaultComponents(real);
        scripted = std::make_unique<ScriptedSuite>(db(), real);
        db().setHostId(QStringLiteral("  WS-07 "));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Company, ClientName, ByGeneric) "
                                    "VALUES ('DEMO GENERAL', 'DEMO', 0)"));
        db().execute(QStringLiteral("INSERT INTO tbHospitalInfo (MaximumReceiptEntry) VALUES (12)"));
        db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (SeniorCitizen, Cash, Employee, VAT) "
                                    "VALUES (20, 0, 10, 12)"));
        // What the user sees at each box: the splash bar's value then.
        platform.messages->onShow([this](const auto&) {
            frmSplash* s = visibleSplash();
            barAtBox << (s ? s->pb->value() : -1);
        });
    }

    void start() {
        Main(scripted->factory(), [this] {
            employeeAtMainForm = gEmployeeCode;
            return std::make_unique<RecordingMainForm>(mainFormLog);
        });
    }

    QStringList boxTexts() const { return platform.messages->texts(); }

    ComponentFactory real;
    std::unique_ptr<ScriptedSuite> scripted;
    QStringList mainFormLog;
    QString employeeAtMainForm;
    QList<int> barAtBox;
};

TEST_P(StartupTest, OpensTheMainWindowWithTheSessionSetUp) {
    start();
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(mainFormLog, (QStringList{QStringLiteral("Load"), QStringLiteral("Show")}));
    ASSERT_TRUE(gMainForm);
    EXPECT_EQ(visibleSplash(), nullptr);

    EXPECT_EQ(scripted->login->deptCode, QStringLiteral("15"));
    EXPECT_EQ(scripted->connected, kConnectionOrder);
    EXPECT_EQ(db().commandTimeout(), 240);
    EXPECT_EQ(gHostID, QStringLiteral("WS-07"));
    EXPECT_EQ(gStartDate, QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(gUserLocationRights, QStringLiteral("A"));
    EXPECT_EQ(gDefaultStockLocationID, QStringLiteral("21"));
    EXPECT_TRUE(gFirstActivation);
    EXPECT_FALSE(gShiftChanged);
    EXPECT_FALSE(gExitRequested);
    EXPECT_EQ(gSiteCode, QStringLiteral("DEMO"));
    EXPECT_EQ(gHospitalName, QStringLiteral("DEMO GENERAL"));
    EXPECT_EQ(gMaximumReceiptEntry, 12);
    EXPECT_EQ(gDiscountSeniorCitizen, 20.0);
    EXPECT_EQ(gCommunicationTimer, 30);
    EXPECT_EQ(gSeniorCitizenDiscount, 20);
    EXPECT_EQ(gEmployeeCode, QStringLiteral("1234"));
    EXPECT_EQ(gEmployeeName, QStringLiteral("DELA CRUZ, JUAN"));
    EXPECT_EQ(gEmployeeInitial, QStringLiteral("JDC"));
    EXPECT_EQ(gEmployeePosition, QStringLiteral("PHARMACIST"));
}

TEST_P(StartupTest, IdentityIsCopiedOnlyAfterEveryCheck) {
    start();
    ASSERT_EQ(scripted->employeeAtConnect.size(), 21);
    for (const QString& code : scripted->employeeAtConnect)
        EXPECT_EQ(code, QString());
    EXPECT_EQ(employeeAtMainForm, QStringLiteral("1234"));
}

TEST_P(StartupTest, SecondInstanceEndsBeforeTheLogin) {
    platform.instance->otherRunning = true;
    start();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Quillax program already loaded."));
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Quillax"));
    EXPECT_EQ(platform.programEnd->ended(), 1);
    EXPECT_EQ(scripted->login->shown, 0);
    EXPECT_EQ(scripted->created.size(), 21);  // every component but the drug picker
    EXPECT_FALSE(gMainForm);
}

TEST_P(StartupTest, GivingUpTheLoginEndsQuietlyAfterItsMessage) {
    scripted->login->logsIn = false;
    start();
    EXPECT_EQ(scripted->login->shown, 1);
    EXPECT_EQ(boxTexts(), QStringList{kNotConnected});
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_EQ(barAtBox, QList<int>{0});  // the splash is up while the message shows
    EXPECT_TRUE(scripted->connected.isEmpty());
    EXPECT_FALSE(gMainForm);
    EXPECT_EQ(visibleSplash(), nullptr);
    EXPECT_EQ(gEmployeeCode, QString());
}

TEST_P(StartupTest, MissingHostIdStillReadsSettingsAndSwitches) {
    db().setHostId(QString());
    setPharmaSwitch(QStringLiteral("7"), 1);
    db().execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET ByGeneric = 1"));
    start();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text,
              QStringLiteral("No Host ID was detected!  Please refer to your EDP staff."));
    EXPECT_EQ(platform.messages->last().icon(), vbCritical);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("OH! NO!"));
    EXPECT_EQ(gSiteCode, QStringLiteral("DEMO"));
    EXPECT_TRUE(gPharmaSwitches.Switch7());
    EXPECT_EQ(scripted->created.last(), progid::GenericList);
    EXPECT_TRUE(scripted->connected.isEmpty());
    EXPECT_EQ(gHostID, QString());
    EXPECT_FALSE(gMainForm);
}

TEST_P(StartupTest, ByGenericChoosesTheGenericPicker) {
    struct Case { int byGeneric; QString picker; };
    for (const Case& c : {Case{1, progid::GenericList}, Case{0, progid::DrugList}}) {
        resetAll();
        scripted->created.clear();
        scripted->connected.clear();
        db().execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET ByGeneric = ?"), {c.byGeneric});
        start();
        EXPECT_EQ(scripted->created.size(), 22);
        EXPECT_EQ(scripted->created.last(), c.picker);
        EXPECT_EQ(scripted->connected.value(4), c.picker);  // the fifth connect call
        ASSERT_TRUE(gComponents.gDrugList);
    }
}

TEST_P(StartupTest, FourthComponentRefusingStopsAtThreeAndStillReadsTheOptions) {
    scripted->refusing.insert(progid::Dosage);
    start();
    EXPECT_EQ(scripted->connected, kConnectionOrder.mid(0, 4));
    EXPECT_EQ(boxTexts(), QStringList{kRefused});
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_EQ(barAtBox, QList<int>{3});
    EXPECT_EQ(scripted->options->loads, 1);
    EXPECT_EQ(gCommunicationTimer, 30);
    EXPECT_EQ(gSeniorCitizenDiscount, 20);
    EXPECT_FALSE(gMainForm);
    EXPECT_EQ(gEmployeeCode, QString());
}

TEST_P(StartupTest, ComponentErrorShowsTheCountThenTheRefusal) {
    scripted->failing.insert(progid::DosageList);  // sixth
    start();
    ASSERT_EQ(platform.messages->boxes().size(), 2u);
    EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("5 Login failed for DoseForms.DosageList"));
    EXPECT_EQ(platform.messages->boxes()[0].style, vbOKOnly);
    EXPECT_EQ(platform.messages->boxes()[0].title, QStringLiteral("Quillax"));
    EXPECT_EQ(platform.messages->boxes()[1].text, kRefused);
    // The options are not read after a component's error.
    EXPECT_EQ(scripted->options->loads, 0);
    EXPECT_EQ(gCommunicationTimer, 0);
    EXPECT_FALSE(gMainForm);
}

TEST_P(StartupTest, EmptyHospitalInfoEndsWithoutAMessage) {
    db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
    start();
    EXPECT_TRUE(boxTexts().isEmpty());
    EXPECT_EQ(scripted->connected.size(), 21);
    EXPECT_FALSE(gMainForm);
    EXPECT_EQ(visibleSplash(), nullptr);
}

TEST_P(StartupTest, SettingsErrorEndsTheProgramBeforeTheMainWindow) {
    db().executeScript(QStringLiteral("ALTER TABLE tbHospitalInfo DROP COLUMN IsHasAutoDetectShift"));
    start();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("IsHasAutoDetectShift"), Qt::CaseInsensitive));
    EXPECT_EQ(platform.programEnd->ended(), 1);
    EXPECT_FALSE(gMainForm);
    EXPECT_EQ(gEmployeeCode, QString());
}

TEST_P(StartupTest, ComponentThatCannotBeCreatedLeavesAsAnError) {
    scripted->forget(progid::Dosage);
    try {
        start();
        FAIL() << "start-up went on without a component";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), static_cast<long>(0x80040064));
        EXPECT_EQ(e.source(), QStringLiteral("prjQuillax.mdlMain.registerDLLS"));
        EXPECT_TRUE(e.description().contains(QStringLiteral("\nin prjQuillax.mdlMain.registerDLLS")))
            << e.description().toStdString();
    }
    EXPECT_EQ(scripted->login->shown, 0);
    EXPECT_EQ(platform.instance->asked(), 0);
}

QX_ON_BOTH_ENGINES(StartupTest);

} // namespace
