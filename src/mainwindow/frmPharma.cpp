#include "mainwindow/frmPharma.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

namespace qx {

namespace {
const QString kModule = QStringLiteral("frmPharma");
}

frmPharma::frmPharma(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmPharma"));
    setWindowTitle(QStringLiteral("Quillax"));
    resize(1024, 720);
    StatusBarPanel1 = new QLabel(this);
    statusBar()->addWidget(StatusBarPanel1, 1);
}

void frmPharma::Form_Load() {
    eventHandler(kModule, QStringLiteral("Form_Load"),
                 [this] { StatusBarPanel1->setText(gEmployeeName + QLatin1Char(' ')); });
}

void frmPharma::Form_Activate() {
    eventHandler(kModule, QStringLiteral("Form_Activate"), [this] {
        gFirstActivation = false;
        StatusBarPanel1->setText(gEmployeeName + QLatin1Char(' '));
    });
}

bool frmPharma::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(e);
}

void frmPharma::closeEvent(QCloseEvent* e) {
    if (!gExitRequested && MsgBox(QStringLiteral("Are you sure to close this program?"), vbYesNo + vbQuestion) != vbYes) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void frmPharma::Form_Unload() {
    // The components go before the window, so nothing outlives the connection they share.
    gComponents.releaseInMainWindowOrder();
}

} // namespace qx
