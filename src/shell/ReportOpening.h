#pragma once
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <memory>

namespace qx::report {
class Report;
}

namespace qx {

// The report plumbing every printing screen shares. Report files are found by the site's rule,
// opened into the shared report `gCrystalReport`, and printed or shown from there.

// The file of a report for the current site: Reports/<site code>/<file>, else Reports/<file>,
// else <file>, each under the program's folder, letter case ignored. None of them: error
// 0x80040001 "File <the last candidate> does not exists.".
QString ResolveReportPath(const QString& fileName);

// Points every table of the report at `database` with the login component's logon, and reads
// its data on the login component's connection.
void LogOnReportTables(report::Report& report, const QString& database);

// Opens the file into gCrystalReport on "Inventory" and gives value i to parameter field i
// (later fields keep their saved values). A file that cannot be opened or filled is shown to the
// user with its error; gCrystalReport is then left empty and the answer is false, so that nothing
// half-prepared is shown or printed.
bool OpenCrystalReport(const QString& path, const QVariantList& values);

// Opens the file into gCrystalReport on `database` and gives each parameter field the value its
// exact name has in `parameters` (numeric fields the number the text starts with); fields not
// named keep their saved values. A missing file raises 0x80040001 "File not found: <path>.
// Contact EDP/IT/Helpdesk to install this file."; other errors reach the caller, gCrystalReport
// then empty.
void OpenCrystalReportByName(const QString& path, const QString& database, const QVariantMap& parameters);

// Prints gCrystalReport at once (one copy, no dialog) and releases it, or shows it modally in
// the report viewer (the modal flag chooses frmReportViewervbModal over frmReportViewer).
// Nothing happens without an opened report; a failure ends the operation without a message.
void ShowCrystalReport(bool showGroupTree, const QString& caption, bool directPrint, bool modal);

} // namespace qx
