#pragma once
#include <QString>

namespace qx::test {

// A file of the checkout (report definitions, golden files), by its path from the top folder.
QString sourcePath(const QString& relative);

// Copies a report definition of the checkout's Reports folder into `programFolder`/Reports, where
// the program looks for it; false when either file cannot be opened.
bool installShippedReport(const QString& programFolder, const QString& fileName);

// The built quillax-db, for tests of its command line.
QString databaseToolPath();

} // namespace qx::test
