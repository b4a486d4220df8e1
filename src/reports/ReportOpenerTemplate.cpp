#include "reports/ReportOpenerTemplate.h"

#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"
#include "shell/Switches.h"

namespace qx {

QString MatchedParameterName(const QString& name, report::NameMatch match) {
    switch (match) {
    case report::NameMatch::TrimmedUpper: return name.trimmed().toUpper();
    case report::NameMatch::Upper: return name.toUpper();
    case report::NameMatch::Exact: break;
    }
    return name;
}

OpenedReport OpenFromTemplate(const OpenerTemplate& row, const QList<KnownParameter>& known) {
    OpenedReport opened;
    if (row.takesExportFlag)
        opened.exportFlag = gPharmaSwitches.IsKelvarHospital() || row.exportSites.contains(gSiteCode);
    opened.caption = row.caption;
    const QString path = ResolveReportPath(row.fileName);
    if (row.takesPath)
        opened.reportPath = path;
    opened.report = report::Report::open(path);
    for (report::ParameterField& field : opened.report->parameterFields()) {
        const QString name = MatchedParameterName(field.name(), row.nameMatch);
        for (const KnownParameter& parameter : known) {
            if (parameter.name != name)
                continue;
            field.clearCurrentValues();
            field.addCurrentValue(parameter.value);
            break;
        }
    }
    return opened;
}

} // namespace qx
