#include "platform/report/frmReportViewer.h"
#include "platform/report/ReportViewer.h"
#include "platform/report/SharedReport.h"

#include <QResizeEvent>

namespace qx {

frmReportViewer::frmReportViewer(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Form1"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setWindowState(Qt::WindowMaximized);
    resize(800, 600);
    CRViewer1 = new report::ReportViewer(this);
}

frmReportViewer::~frmReportViewer() = default;

void frmReportViewer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void frmReportViewer::Form_Load() {
    Form_Resize();
    CRViewer1->setReportSource(gCrystalReport);
    CRViewer1->zoom(1);
    CRViewer1->setEnableGroupTree(showGroupTree_);
    CRViewer1->setDisplayGroupTree(showGroupTree_);
    if (directPrint_ && gCrystalReport)
        gCrystalReport->printOut();
    else
        CRViewer1->viewReport();
}

void frmReportViewer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmReportViewer::Form_Resize() {
    CRViewer1->move(0, 0);
    CRViewer1->resize(width(), height());
}

void frmReportViewer::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmReportViewer::Form_Unload() {
    // The shared report ends with its viewer.
    CRViewer1->setReportSource(nullptr);
    gCrystalReport.reset();
    loaded_ = false;
}

} // namespace qx
