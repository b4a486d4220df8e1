#pragma once
#include "platform/report/ReportDefinition.h"

#include <functional>

namespace qx::report {

// Reads a report file (the format of Reports/README.md). A broken definition raises an
// AppError whose description names the file and line: "<file>, line <n>: <what>".
ReportDefinition loadReportDefinition(const QString& path);
// The same from text already read; `fileName` is only used in messages.
ReportDefinition parseReportDefinition(const QString& text, const QString& fileName);

// Finds an existing file or folder whatever the letter case of each part of `path`
// (Linux file names are case-sensitive; report names are spelled several ways).
// Returns the path as it exists on disk, or an empty string.
QString findPathIgnoringCase(const QString& path);

// Where a file a report names (a picture) is found. The program installs its report-path rule
// (the site's folder, the Reports folder, the program's folder); without one, a name is looked
// up beside the report file. An absolute path is taken as it is. Empty when the file is nowhere;
// a rule that raises an error passes it on.
void setReportFileResolver(std::function<QString(const QString& name)> resolver);
QString resolveReportFile(const QString& name, const QString& reportPath);

} // namespace qx::report
