#pragma once
#include "charging/ReportOpeners.h"
#include "platform/report/Report.h"

#include <QList>
#include <QVariant>

namespace qx {

// One parameter an opener knows: the name as the opener writes it and the value it gets.
struct KnownParameter {
    QString name;
    QVariant value;
};

// What a catalogue row says of its opener.
struct OpenerTemplate {
    QString caption;                  // empty keeps the window's "Form1"
    QString fileName;                 // found by the site's report-path rule
    bool takesExportFlag = false;     // offers the Excel export where the hospital wants it
    bool takesPath = false;           // hands back the resolved file for the export's name
    // How a report's parameter name is compared with the known names.
    report::NameMatch nameMatch = report::NameMatch::TrimmedUpper;
    QStringList exportSites = {};     // sites that are offered the export even where the hospital is not
};

// The common opener: export flag, caption, report file, then each parameter field in the
// report's order takes the value of the first known name equal to its own (read per nameMatch);
// fields with no known name keep no value.
OpenedReport OpenFromTemplate(const OpenerTemplate& row, const QList<KnownParameter>& known);

// A report parameter's name as a matching mode reads it.
QString MatchedParameterName(const QString& name, report::NameMatch match);

} // namespace qx
