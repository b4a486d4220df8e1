#include "shell/Startup.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "hospitaldb/FoldedSearch.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QDate>
#include <QProgressBar>

namespace qx {

namespace {

const QString kAlreadyLoaded = QStringLiteral("Quillax program already loaded.");
const QString kNotConnected =
    QStringLiteral("Unable to connect to server. Please contance EDP personell for assistance.");
const QString kNoHostId = QStringLiteral("No Host ID was detected!  Please refer to your EDP staff.");
const QString kNoHostIdTitle = QStringLiteral("OH! NO!");
const QString kComponentRefused = QStringLiteral("Important component was unable to connect to server.;"
                                                 "Please contact EDP personell for assistance.");

// The workstation's host id as the server gives it: no row when the connection has none.
Recordset hostIdQuery(Connection& con) {
    return con.query(QStringLiteral("SELECT CAST(? AS TEXT) AS HostID WHERE LENGTH(CAST(? AS TEXT)) > 0"),
                     {con.hostId(), con.hostId()});
}

} // namespace

bool ConnectComponents(frmSplash& splash) {
    bool result = false;
    try {
        bool allConnected = true;
        for (const SuiteComponents::ConnectStep& step : gComponents.connectionSteps()) {
            const QString connectionString = SQLConnection().connectionString();
            if (!step.connect(connectionString)) {
                allConnected = false;
                break;
            }
            splash.pb->setValue(splash.pb->value() + 1);
        }
        result = allConnected;
        // Read whether or not every component connected; an error above skips it.
        if (!gComponents.gOptions)
            throw AppError(91, QStringLiteral("prjQuillax"),
                           QStringLiteral("Object variable or With block variable not set"));
        gComponents.gOptions->GetOptions();
        gCommunicationTimer = gComponents.gOptions->CommunicationTimer();
        gSeniorCitizenDiscount = gComponents.gOptions->SeniorCitizenDiscount();
    } catch (...) {
        MsgBox(QString::number(splash.pb->value()) + QLatin1Char(' ') + currentError().description(), vbOKOnly,
               kProductTitle);
    }
    return result;
}

void Main(const ComponentFactory& factory, const MainFormMaker& makeMainForm) {
    // Keystrokes go through the platform's key sender, which stands in for the shell object.
    gUserLocationRights = QStringLiteral("A");
    gDefaultStockLocationID = QStringLiteral("21");

    gComponents.registerDLLS(factory);

    if (PrevInstance()) {
        MsgBox(kAlreadyLoaded, vbInformation, kProductTitle);
        EndProgram(0);
        return;
    }

    gFirstActivation = true;
    gShiftChanged = false;
    StaffLogin::CurrentUser& login = *gComponents.gCurrentUser;
    login.setPasswordDeptCode(QStringLiteral("15"));
    login.ShowMain();
    QCoreApplication::processEvents();

    frmSplash splash;
    splash.show();
    splash.repaint();

    gStartDate = QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy"));

    // Every way out below closes the splash and leaves start-up with the exit flag cleared.
    auto finish = [&splash] {
        splash.close();
        gExitRequested = false;
    };

    if (!login.Connected()) {
        MsgBox(kNotConnected, vbInformation, kProductTitle);
        finish();
        return;
    }

    // Unqualified names already reach the INVENTORY database; only the time-out needs setting.
    Connection& con = login.SQLConnection();
    con.setCommandTimeout(240);
    // Names edited with another tool since the last start become searchable again.
    hospitaldb::refreshFoldedSearchColumns(con);

    const Recordset host = hostIdQuery(con);
    const bool hostIdMissing = host.eof();
    if (hostIdMissing)
        MsgBox(kNoHostId, vbCritical, kNoHostIdTitle);
    else
        gHostID = Trim(host.text(QStringLiteral("HostID")));

    // The site code and the picker choice are needed even when the host id is missing.
    LoadHospitalInfo(con);
    LoadSwitches(con, gSiteCode);
    gComponents.createDrugPicker(factory, gDrugListByGeneric);

    if (hostIdMissing) {
        finish();
        return;
    }

    if (!ConnectComponents(splash)) {
        MsgBox(kComponentRefused, vbInformation, kProductTitle);
        finish();
        return;
    }

    if (!LoadHospitalInfo(con)) {
        finish();
        return;
    }
    LoadDiscountTypes(con);
    if (!LoadHospitalSettings(con)) {
        finish();
        return;
    }

    gEmployeeCode = login.EmployeeCode();
    gEmployeeName = login.EmployeeName();
    gEmployeeInitial = login.Initial();
    gEmployeePosition = login.Position();

    gMainForm = makeMainForm();
    gMainForm->Load();
    splash.close();
    gMainForm->Show();
    gExitRequested = false;
}

} // namespace qx
