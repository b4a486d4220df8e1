#include "reports/CatalogueRow.h"

#include "charging/frmView.h"
#include "components/StaffLogin.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QMap>

namespace qx {

OpenedReport OpenCatalogueRow(const CatalogueRow& row, const frmView& request) {
    OpenerTemplate opened = row.opened;
    if (row.fileFor)
        opened.fileName = row.fileFor(request);
    QList<KnownParameter> known;
    known.reserve(row.parameters.size() + 2);
    for (const RowParameter& parameter : row.parameters)
        known << KnownParameter{parameter.name, parameter.value(request)};
    if (row.hospitalPair) {
        known << KnownParameter{QStringLiteral("HOSPITALNAME"), gHospitalName};
        known << KnownParameter{QStringLiteral("HOSPITALADDRESS"), gHospitalAddress};
    }
    OpenedReport report = OpenFromTemplate(opened, known);
    report.hidesGroupTree = row.hidesGroupTree;
    return report;
}

void RegisterCatalogueRows(const QList<CatalogueRow>& rows) {
    QMap<qint16, QList<CatalogueRow>> byCode;
    for (const CatalogueRow& row : rows)
        byCode[row.code] << row;
    for (auto it = byCode.cbegin(); it != byCode.cend(); ++it) {
        const QList<CatalogueRow> variants = it.value();
        RegisterReportOpener(it.key(), variants.first().opener, [variants](const frmView& request) {
            const CatalogueRow* chosen = nullptr;
            for (const CatalogueRow& row : variants) {
                if (row.sites.contains(gSiteCode))
                    return OpenCatalogueRow(row, request);
                if (row.sites.isEmpty() && !chosen)
                    chosen = &row;
            }
            return OpenCatalogueRow(chosen ? *chosen : variants.first(), request);
        });
    }
}

RequestValue Constant(const QVariant& value) {
    return [value](const frmView&) { return value; };
}

RequestValue ReportDateText() {
    return [](const frmView& request) { return QVariant(Format(request.ReportDate(), QStringLiteral("mm/dd/yyyy"))); };
}

RequestValue StartDateAsDate() {
    return [](const frmView& request) { return QVariant(CDate(request.StartDate()).date()); };
}

RequestValue LoginEmployeeName() {
    return [](const frmView&) {
        const auto& login = gComponents.gCurrentUser;
        return login ? QVariant(login->EmployeeName()) : QVariant(gEmployeeName);
    };
}

RequestValue CurrentLocation() {
    return [](const frmView&) { return QVariant(gLocationID); };
}

} // namespace qx
