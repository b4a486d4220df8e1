#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "mainwindow/frmPharma.h"
#include "shell/HospitalSettings.h"
#include "shell/Startup.h"
#include "shell/Switches.h"
#include "suite/DefaultComponents.h"
#include "suite/frmLogin.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace qx;
using namespace qx::test;

namespace {

class frmPharmaTest : public ::testing::Test {
protected:
    void SetUp() override { resetAll(); }
    void TearDown() override {
        resetAll();
        qunsetenv("QUILLAX_DB");
        qunsetenv("QUILLAX_HOST_ID");
    }
    static void resetAll() {
        resetSession();
        resetHospitalSettings();
        resetSwitches();
    }
    ScriptedPlatform platform;
};

// The program as the workstation starts it: our components, the demo databases, the login window
// answered by a demo pharmacist, and the main window at the end.
TEST_F(frmPharmaTest, StartUpOverTheDemoDataReachesTheMainWindow) {
    TestDatabase demo(Engine::SQLite, true);
    qputenv("QUILLAX_DB", demo.url().toUtf8());
    qputenv("QUILLAX_HOST_ID", "PHARMA-WS1");
    platform.modal->onShow<suite::frmLogin>([](suite::frmLogin& w) {
        w.txtEmplNo->setText(QStringLiteral("1001"));
        w.txtPassword->setText(QStringLiteral("PHARMA1"));
        w.cmdOK->click();
    });
    ComponentFactory factory;
    suite::registerDefaultComponents(factory);

    Main(factory, [] { return std::make_unique<frmPharma>(); });

    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
    auto* main = dynamic_cast<frmPharma*>(gMainForm.get());
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(gHostID, QStringLiteral("PHARMA-WS1"));
    EXPECT_EQ(gSiteCode, QStringLiteral("DEMO"));
    EXPECT_EQ(gHospitalName, QStringLiteral("DEMO GENERAL HOSPITAL"));
    EXPECT_EQ(gEmployeeCode, QStringLiteral("1001"));
    main->Form_Activate();
    EXPECT_FALSE(gFirstActivation);
    EXPECT_EQ(main->StatusBarPanel1->text(), gEmployeeName + QLatin1Char(' '));
    ASSERT_TRUE(gComponents.gDrugList);

    gExitRequested = true;
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(platform.messages->texts().isEmpty());
    EXPECT_FALSE(gComponents.gCurrentUser);  // released with the window
}

TEST_F(frmPharmaTest, ClosingAsksFirst) {
    frmPharma window;
    window.show();
    platform.messages->answer(vbNo);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure to close this program?"));
    EXPECT_EQ(platform.messages->last().buttons(), vbYesNo);
    EXPECT_TRUE(window.isVisible());
    platform.messages->answer(vbYes);
    EXPECT_TRUE(window.close());
}

} // namespace
