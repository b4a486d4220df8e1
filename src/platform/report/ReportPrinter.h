#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace qx::report {

class ReportDocument;

// Where printed copies go. By default the system's default printer; a print folder (set for
// tests, or where a workstation prints to files) receives each job as a PDF file instead,
// named "<report>-<n>.pdf" with n counting from 1.
void setPrintFolder(const QString& folder);
QString printFolder();

// The printers installed on the workstation, by device name in the system's order. Tests
// replace the list (an empty function puts the system's back).
void setInstalledPrinters(std::function<QStringList()> source);
QStringList installedPrinters();

// The program's current printer for the rest of the run: every print goes to it. Empty (the
// start) is the system's default printer. selectPrinter looks through the installed printers
// in order for the exact device name: true and made current on a match, false and nothing
// changed otherwise.
bool selectPrinter(const QString& deviceName);
QString currentPrinter();
void resetCurrentPrinter();

// Each job sent while a print folder is set, with the printer it went to (empty: the default
// printer) and its file, so that a workstation or a test can tell where the copies went.
struct PrintedJob {
    QString name;
    QString printer;
    QString file;
};
QVector<PrintedJob> printedJobs();
void clearPrintedJobs();

// Prints one copy of every page as one job. With `prompt` the printer dialog is shown first
// (through the modal-window service) and a cancelled dialog prints nothing. No printer and
// no print folder raises an error rather than printing nowhere.
void printDocument(const ReportDocument& doc, const QString& jobName, bool prompt);

} // namespace qx::report
