#include "shell/ReportOpening.h"

#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "platform/report/ReportLoader.h"
#include "platform/report/SharedReport.h"
#include "platform/report/frmReportViewervbModal.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QDir>

namespace qx {

namespace {
// Pictures a report names are found by the same rule as the report files.
const bool kReportFileRule = (report::setReportFileResolver(&ResolveReportPath), true);
} // namespace

QString ResolveReportPath(const QString& fileName) {
    const QDir program(AppPath());
    const QStringList candidates{
        QDir::cleanPath(program.filePath(QStringLiteral("Reports/") + gSiteCode + u'/' + fileName)),
        QDir::cleanPath(program.filePath(QStringLiteral("Reports/") + fileName)),
        QDir::cleanPath(program.filePath(fileName)),
    };
    for (const QString& candidate : candidates) {
        const QString onDisk = report::findPathIgnoringCase(candidate);
        if (!onDisk.isEmpty())
            return onDisk;
    }
    throw AppError(kMissingReportNumber, QString(),
                   QStringLiteral("File ") + candidates.last() + QStringLiteral(" does not exists."));
}

void LogOnReportTables(report::Report& report, const QString& database) {
    auto& login = gComponents.gCurrentUser;
    if (!login)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    report.relocateTables(database, login->ServerName(), login->UserID(), login->ServerPassword());
    report.setConnection(&login->SQLConnection());
}

bool OpenCrystalReport(const QString& path, const QVariantList& values) {
    gCrystalReport.reset();
    try {
        auto opened = report::Report::open(path);
        LogOnReportTables(*opened, QStringLiteral("Inventory"));
        opened->setParameterValues(values);
        gCrystalReport = std::move(opened);
        return true;
    } catch (...) {
        MsgBox(currentError().description(), vbOKOnly);
        return false;
    }
}

void OpenCrystalReportByName(const QString& path, const QString& database, const QVariantMap& parameters) {
    gCrystalReport.reset();
    if (report::findPathIgnoringCase(path).isEmpty())
        throw AppError(kMissingReportNumber, kProductTitle,
                       QStringLiteral("File not found: ") + path +
                           QStringLiteral(". Contact EDP/IT/Helpdesk to install this file."));
    auto opened = report::Report::open(path);
    LogOnReportTables(*opened, database);
    for (report::ParameterField& field : opened->parameterFields()) {
        const auto entry = parameters.constFind(field.name());
        if (entry == parameters.constEnd())
            continue;
        field.clearCurrentValues();
        if (field.isNumeric())
            field.addCurrentValue(Val(Text(entry.value())));
        else
            field.addCurrentValue(entry.value());
    }
    gCrystalReport = std::move(opened);
}

void ShowCrystalReport(bool showGroupTree, const QString& caption, bool directPrint, bool modal) {
    if (!gCrystalReport)
        return;
    try {
        if (directPrint) {
            gCrystalReport->setEnableParameterPrompting(false);
            gCrystalReport->printOut();
            gCrystalReport.reset();
            return;
        }
        std::unique_ptr<frmReportViewer> viewer;
        if (modal)
            viewer = std::make_unique<frmReportViewervbModal>();
        else
            viewer = std::make_unique<frmReportViewer>();
        viewer->setShowGroupTree(showGroupTree);
        viewer->setWindowTitle(caption);
        viewer->setDirectPrint(false);
        showModal(*viewer);
    } catch (...) {
    }
}

} // namespace qx
