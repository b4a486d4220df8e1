#pragma once
#include <QString>
#include <functional>
#include <memory>

namespace qx::report {
class Report;
}

namespace qx {

class frmView;

// What an opener hands the report window besides the opened report.
struct OpenedReport {
    std::shared_ptr<report::Report> report;
    QString caption;          // the window's caption; empty keeps "Form1"
    bool exportFlag = false;  // offer the Excel export as the report opens
    QString reportPath;       // the resolved file, naming that export; empty for openers that hand none back
    bool hidesGroupTree = false;  // the viewer previews it without its group tree
};

// The opener of one report code: opens the code's report file and fills its parameters from the
// window's request. A missing report file raises the report-path error.
using ReportOpener = std::function<OpenedReport(const frmView& request)>;

struct ReportOpenerEntry {
    QString procedureName;  // the name the error box gives
    ReportOpener open;
};

// The report catalogue by report code. The catalogue registers its openers once at start; a
// second registration of a code replaces the first.
void RegisterReportOpener(qint16 code, const QString& procedureName, ReportOpener opener);
// The opener of the code; nullptr when none is registered.
const ReportOpenerEntry* FindReportOpener(qint16 code);
// Forgets every opener (tests).
void ClearReportOpeners();

} // namespace qx
