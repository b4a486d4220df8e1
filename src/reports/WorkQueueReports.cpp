// The reports of the main window's work-queue windows: the day's list of credit memos returned by
// the stations, one confirmed credit memo, and the charge slip of a processed package request.
#include "charging/frmView.h"
#include "reports/CatalogueRow.h"
#include "shell/CreditMemoListReport.h"

namespace qx {

namespace {

OpenerTemplate exportFlagOnly(const QString& caption, const QString& file) {
    return OpenerTemplate{caption, file, true, false};
}

// The list's one day, for both ends of the range.
RequestValue reportDayText() {
    return [](const frmView& request) { return QVariant(request.ReportDate().date().toString(QStringLiteral("MM/dd/yyyy"))); };
}

} // namespace

QList<CatalogueRow> WorkQueueReportRows() {
    return {
        // The list window's last Print names the option and the title.
        {56, QStringLiteral("OpenCreditMemoCommunication"),
         exportFlagOnly(QStringLiteral("Communication"), QStringLiteral("CreditMemoCommunication.rpt")),
         {{QStringLiteral("@TYPE"),
           [](const frmView&) { return QVariant::fromValue(static_cast<qint16>(LastCreditMemoListReport().ReportType.toShort())); }},
          {QStringLiteral("@SEARCH"), Constant(QString())},
          {QStringLiteral("@STARTDATE"), reportDayText()},
          {QStringLiteral("@ENDDATE"), reportDayText()},
          {QStringLiteral("TITLE"), [](const frmView&) { return QVariant(LastCreditMemoListReport().ReportTitle); }}}},
        {57, QStringLiteral("OpenCreditMemo"), exportFlagOnly(QStringLiteral("Communication"), QStringLiteral("CreditMemo.rpt")),
         {{QStringLiteral("@CREDITMEMO"), [](const frmView& request) { return QVariant(request.CreditMemo().trimmed()); }}}},
        {72, QStringLiteral("OpenPackageRequestChargeSlip"),
         exportFlagOnly(QStringLiteral("Package Request"), QStringLiteral("PackageRequestChargeslip.rpt")),
         {{QStringLiteral("@CHARGESLIP"), FromRequest(&frmView::Chargeslip)}, {QStringLiteral("@REVENUEID"), Constant(QStringLiteral("PH"))}}},
    };
}

} // namespace qx
