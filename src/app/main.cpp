#include "cash/CashWindowOpeners.h"
#include "components/ComponentFactory.h"
#include "mainwindow/WorkQueueWindowOpeners.h"
#include "mainwindow/frmPharma.h"
#include "platform/ErrorHandling.h"
#include "platform/StartupTuning.h"
#include "platform/QtInputBox.h"
#include "platform/QtPlatformServices.h"
#include "posting/PostingWindowOpeners.h"
#include "prescriptions/PrescriptionWindowOpeners.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportWindows.h"
#include "requests/RequestWindowOpeners.h"
#include "returns/ReturnWindowOpeners.h"
#include "shell/Session.h"
#include "shell/Startup.h"
#include "suite/DefaultComponents.h"

#include <QApplication>

int main(int argc, char** argv) {
    qx::tuneProcessAtStartup();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillax"));
    QApplication::setOrganizationName(QStringLiteral("Quillax"));
    qx::installPlatformServices(qx::qtPlatformServices());
    qx::installInputBoxService(std::make_shared<qx::QtInputBox>());

    qx::ComponentFactory factory;
    qx::suite::registerDefaultComponents(factory);
    qx::RegisterReportOpeners();
    qx::RegisterCashWindowOpeners();
    qx::RegisterPostingWindowOpeners();
    qx::RegisterPrescriptionWindowOpeners();
    qx::RegisterReportWindowOpeners();
    qx::RegisterRequestWindowOpeners();
    qx::RegisterReturnWindowOpeners();
    qx::RegisterWorkQueueWindowOpeners();
    qx::unhandledErrorGuard([&factory] {
        qx::Main(factory, [] { return std::make_unique<qx::frmPharma>(); });
    });

    // Start-up that ended without a main window leaves nothing to run.
    const int exitCode = qx::gMainForm ? app.exec() : 0;
    qx::gMainForm.reset();
    qx::gComponents.releaseInMainWindowOrder();
    return exitCode;
}
