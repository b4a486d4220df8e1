#pragma once
#include <QString>

namespace qx::report {

class ReportDocument;

// Where printed copies go. By default the system's default printer; a print folder (set for
// tests, or where a workstation prints to files) receives each job as a PDF file instead,
// named "<report>-<n>.pdf" with n counting from 1.
void setPrintFolder(const QString& folder);
QString printFolder();

// Prints one copy of every page as one job. With `prompt` the printer dialog is shown first
// (through the modal-window service) and a cancelled dialog prints nothing. No printer and
// no print folder raises an error rather than printing nowhere.
void printDocument(const ReportDocument& doc, const QString& jobName, bool prompt);

} // namespace qx::report
