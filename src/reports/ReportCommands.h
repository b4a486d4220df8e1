#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

namespace qx {

// One report command of the main window: the window it opens, the report number it gives it
// (ReportType of a dialog; the report code when the window is the report window itself), the
// control states and caption it sets, whether it shows it modeless, and the sites it serves.
struct ReportCommandRow {
    QString command;
    QString window;          // "frmView": the report window itself
    qint16 reportType = 0;   // 0: the window is given no number
    QVariantMap settings;    // "control.Property" or "Caption" -> value
    bool modeless = false;
    QStringList sites = {};  // the site codes this variant serves; empty: every other site
    // Settings read at the moment of the click (a switch).
    std::function<void(QVariantMap&)> atClick = {};
};

// Every report command, site variants included, in menu order.
const QList<ReportCommandRow>& ReportCommandRows();

// The row a command runs at a site: the variant that names the site, else the one without sites.
const ReportCommandRow* ReportCommandFor(const QString& command, const QString& siteCode);

// Registers one window opener per report command under the command's name.
void RegisterReportCommandOpeners();

} // namespace qx
