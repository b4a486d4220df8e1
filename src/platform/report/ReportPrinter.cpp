#include "platform/report/ReportPrinter.h"
#include "components/PlatformServices.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportExport.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace qx::report {

namespace {
QString& folderSetting() {
    static QString folder;
    return folder;
}

std::function<QStringList()>& printerSource() {
    static std::function<QStringList()> source;
    return source;
}

QString& currentPrinterSetting() {
    static QString name;
    return name;
}

QVector<PrintedJob>& jobLog() {
    static QVector<PrintedJob> jobs;
    return jobs;
}

QPageLayout pageLayoutOf(const ReportDocument& doc) {
    const QSizeF mm = doc.pageSize() / kUnitsPerMm;
    const bool landscape = mm.width() > mm.height();
    const QPageSize size(landscape ? mm.transposed() : mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

// Paints every page, one device page each; `dpi` is the device's resolution.
void paintPages(QPagedPaintDevice& device, const ReportDocument& doc, double dpi, const QString& what) {
    QPainter painter;
    if (!painter.begin(&device))
        fail(QStringLiteral("Could not start %1").arg(what));
    const double scale = dpi / kUnitsPerInch;
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        doc.paintPage(painter, i);
        painter.restore();
    }
    painter.end();
}

QString nextPrintFile(const QString& folder, const QString& jobName) {
    const QString base = jobName.isEmpty() ? QStringLiteral("report") : jobName;
    for (int n = 1;; ++n) {
        const QString path = QDir(folder).filePath(QStringLiteral("%1-%2.pdf").arg(base).arg(n));
        if (!QFileInfo::exists(path))
            return path;
    }
}
} // namespace

void setPrintFolder(const QString& folder) { folderSetting() = folder; }
QString printFolder() { return folderSetting(); }

void setInstalledPrinters(std::function<QStringList()> source) { printerSource() = std::move(source); }

QStringList installedPrinters() {
    return printerSource() ? printerSource()() : QPrinterInfo::availablePrinterNames();
}

bool selectPrinter(const QString& deviceName) {
    for (const QString& name : installedPrinters())
        if (name == deviceName) {
            currentPrinterSetting() = name;
            return true;
        }
    return false;
}

QString currentPrinter() { return currentPrinterSetting(); }
void resetCurrentPrinter() { currentPrinterSetting().clear(); }

QVector<PrintedJob> printedJobs() { return jobLog(); }
void clearPrintedJobs() { jobLog().clear(); }

void printDocument(const ReportDocument& doc, const QString& jobName, bool prompt) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(doc));
    if (!printFolder().isEmpty()) {
        QDir().mkpath(printFolder());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nextPrintFile(printFolder(), jobName));
    } else if (!currentPrinter().isEmpty()) {
        printer.setPrinterName(currentPrinter());
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        fail(QStringLiteral("No printer is installed on this workstation: %1 was not printed.").arg(jobName));
    }
    if (prompt) {
        QPrintDialog dialog(&printer);
        showModal(dialog);
        if (dialog.result() != QDialog::Accepted)
            return;
    }
    paintPages(printer, doc, printer.resolution(), QStringLiteral("printing ") + jobName);
    if (!printFolder().isEmpty())
        jobLog() << PrintedJob{jobName, currentPrinter(), printer.outputFileName()};
}

void writePdf(const ReportDocument& doc, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(static_cast<int>(kUnitsPerInch));
    writer.setPageLayout(pageLayoutOf(doc));
    writer.setTitle(doc.definition().title);
    writer.setCreator(QStringLiteral("Quillax"));
    paintPages(writer, doc, kUnitsPerInch, QStringLiteral("the PDF file ") + QDir::toNativeSeparators(path));
}

} // namespace qx::report
