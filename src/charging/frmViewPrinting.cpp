// The report window's Print button, its More panel and its exports.
#include "charging/frmView.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "platform/report/ReportViewer.h"
#include "shell/Session.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace qx {

namespace {

const QString kFrmViewPrintingModule = QStringLiteral("frmView");

// A failed print or export is told; the window and the program go on.
void tellFailure(const QString& what) {
    MsgBox(what + QStringLiteral("\n") + currentError().description(), vbExclamation);
}

} // namespace

void frmView::cmdPrint_Click() {
    eventHandler(kFrmViewPrintingModule, QStringLiteral("cmdPrint_Click"), [this] {
        try {
            CRViewer1->printReport();
        } catch (...) {
            tellFailure(QStringLiteral("The report was not printed."));
            return;
        }
        clickedPrint = true;
        close();
    });
}

void frmView::cmdMore_Click() {
    eventHandler(kFrmViewPrintingModule, QStringLiteral("cmdMore_Click"), [this] {
        layoutControls();
        pctMore->setVisible(!pctMore->isVisible());
    });
}

void frmView::imgPrint_Click() {
    try {
        CRViewer1->printReport();
    } catch (...) {
        tellFailure(QStringLiteral("The report was not printed."));
    }
}

void frmView::imgExcel_Click() {
    exportToChosenFile(QStringLiteral("Microsoft Excel (*.xlsx)"), QStringLiteral(".xlsx"), report::ExportFormat::Excel);
}

void frmView::imgRTF_Click() {
    exportToChosenFile(QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral(".rtf"), report::ExportFormat::Rtf);
}

void frmView::exportToChosenFile(const QString& filter, const QString& suffix, report::ExportFormat format) {
    if (!report_)
        return;
    QFileDialog dlgOpen(this);
    dlgOpen.setAcceptMode(QFileDialog::AcceptSave);
    dlgOpen.setNameFilter(filter);
    dlgOpen.setDefaultSuffix(suffix.mid(1));
    dlgOpen.setDirectory(DocumentsFolder());
    showModal(dlgOpen);
    if (dlgOpen.result() != QDialog::Accepted || dlgOpen.selectedFiles().isEmpty())
        return;
    QString path = dlgOpen.selectedFiles().constFirst();
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    try {
        report_->exportTo(format, path);
    } catch (...) {
        tellFailure(QStringLiteral("The report could not be exported to ") + QDir::toNativeSeparators(path) +
                    QStringLiteral("."));
    }
}

// The Excel export offered as the report opens: into the user's documents folder, named after the
// report file and the server's clock.
void frmView::ExportReport(const QString& reportPath) {
    QString filePath;
    try {
        const QString folder = DocumentsFolder();
        const QString stamp = Format(SQLConnection().serverNow(), QStringLiteral("yyyy.MM.dd.hh.mm.ss"));
        filePath = QDir(folder).filePath(QFileInfo(reportPath).completeBaseName() + u'.' + stamp +
                                         QStringLiteral(".xlsx"));
        if (MsgBox(QStringLiteral("Do you want to export the file?"), vbYesNo + vbInformation, kProductTitle) == vbNo)
            return;
        QDir().mkpath(folder);
        report_->exportTo(report::ExportFormat::Excel, filePath);
    } catch (...) {
        tellFailure(QStringLiteral("The report could not be exported to ") + QDir::toNativeSeparators(filePath) +
                    QStringLiteral("."));
        return;
    }
    MsgBox(QStringLiteral("Report was successfully exported to ") + QDir::toNativeSeparators(filePath), vbInformation,
           QStringLiteral("Information"));
}

} // namespace qx
