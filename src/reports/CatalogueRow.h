#pragma once
#include "reports/ReportOpenerTemplate.h"

#include <QDateTime>
#include <functional>

namespace qx {

// A value an opener reads when the report opens: from the request, a global or a constant.
using RequestValue = std::function<QVariant(const frmView& request)>;

// One parameter name of a catalogue row and where its value comes from.
struct RowParameter {
    QString name;
    RequestValue value;
};

// One row of the report catalogue: what its opener is called, the template's settings and the
// names it knows. A row whose file depends on a switch or the request names it through fileFor;
// a code whose file and names depend on the site has one row per variant, told apart by sites.
struct CatalogueRow {
    qint16 code = 0;
    QString opener;
    OpenerTemplate opened;
    QList<RowParameter> parameters;
    bool hospitalPair = true;     // also knows HOSPITALNAME and HOSPITALADDRESS
    bool hidesGroupTree = false;  // previews without the viewer's group tree
    std::function<QString(const frmView&)> fileFor = {};
    QStringList sites = {};  // the site codes this variant serves; empty: every other site
};

// Opens the row's report for a request, as the common opener template does.
OpenedReport OpenCatalogueRow(const CatalogueRow& row, const frmView& request);
// Registers one opener per code: it opens the row of the code whose sites name gSiteCode, else
// the code's row without sites.
void RegisterCatalogueRows(const QList<CatalogueRow>& rows);

// ---- Value makers for the rows ----

// A member of the request, as it holds it (text, number or Boolean).
template <class Member>
RequestValue FromRequest(Member member) {
    return [member](const frmView& request) { return QVariant::fromValue(std::invoke(member, request)); };
}
RequestValue Constant(const QVariant& value);
// ReportDate as "mm/dd/yyyy" text.
RequestValue ReportDateText();
// StartDate's text read as a date (an error when it is none).
RequestValue StartDateAsDate();
// The logged-in employee's name as the login component gives it when the report opens.
RequestValue LoginEmployeeName();
RequestValue CurrentLocation();

// The rows of each theme, registered by RegisterReportOpeners.
QList<CatalogueRow> PatientReportRows();
QList<CatalogueRow> StockReportRows();
QList<CatalogueRow> IncomeReportRows();
QList<CatalogueRow> MonthlyIncomeReportRows();
QList<CatalogueRow> WorkQueueReportRows();

} // namespace qx
