#include "charging/frmView.h"

#include "charging/ReportOpeners.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/PictureButton.h"
#include "platform/report/Report.h"
#include "platform/report/ReportViewer.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QStyle>
#include <QToolBar>

namespace qx {

namespace {

const QString kFrmViewModule = QStringLiteral("frmView");

std::unique_ptr<frmView>& theWindow() {
    static std::unique_ptr<frmView> window;
    return window;
}

PictureButton* panelButton(QWidget* parent, QStyle::StandardPixmap icon) {
    auto* button = new PictureButton(parent);
    button->setPicture(parent->style()->standardIcon(icon).pixmap(32, 32));
    button->setFixedSize(40, 40);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

frmView& ReportWindow() {
    auto& window = theWindow();
    if (!window) {
        window = std::make_unique<frmView>();
        // Widgets must go before the application does.
        static const bool releasedAtExit = [] {
            qAddPostRoutine(ReleaseReportWindow);
            return true;
        }();
        Q_UNUSED(releasedAtExit);
    }
    return *window;
}

void ReleaseReportWindow() { theWindow().reset(); }

frmView::frmView(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Form1"));
    resize(800, 600);
    setCentralWidget(new QWidget(this));
    CRViewer1 = new report::ReportViewer(centralWidget());

    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdMore = new QPushButton(QStringLiteral("&More"), this);
    // The two buttons lead the viewer's own toolbar, so that they hide none of its controls.
    QToolBar* bar = CRViewer1->toolBar();
    QAction* first = bar->actions().value(0);
    bar->insertWidget(first, cmdPrint);
    bar->insertWidget(first, cmdMore);
    bar->insertSeparator(first);

    pctMore = new QFrame(centralWidget());
    static_cast<QFrame*>(pctMore)->setFrameShape(QFrame::StyledPanel);
    pctMore->setAutoFillBackground(true);
    auto* grid = new QGridLayout(pctMore);
    imgPrint = panelButton(pctMore, QStyle::SP_DialogApplyButton);
    imgExcel = panelButton(pctMore, QStyle::SP_DialogSaveButton);
    imgRTF = panelButton(pctMore, QStyle::SP_FileIcon);
    lblPrint = new QLabel(QStringLiteral("Print report without closing the report window"), pctMore);
    lblExcel = new QLabel(QStringLiteral("Export Report to Microsoft Excel Document"), pctMore);
    lblRTF = new QLabel(QStringLiteral("Export Report to Rich Text Format"), pctMore);
    grid->addWidget(imgPrint, 0, 0);
    grid->addWidget(lblPrint, 0, 1);
    grid->addWidget(imgExcel, 1, 0);
    grid->addWidget(lblExcel, 1, 1);
    grid->addWidget(imgRTF, 2, 0);
    grid->addWidget(lblRTF, 2, 1);
    pctMore->adjustSize();
    pctMore->hide();

    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdMore, &QPushButton::clicked, this, [this] { cmdMore_Click(); });
    connect(imgPrint, &QAbstractButton::clicked, this, [this] { imgPrint_Click(); });
    connect(imgExcel, &QAbstractButton::clicked, this, [this] { imgExcel_Click(); });
    connect(imgRTF, &QAbstractButton::clicked, this, [this] { imgRTF_Click(); });
}

frmView::~frmView() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void frmView::LoadReport(std::shared_ptr<report::Report> report) {
    suppliedReport_ = std::move(report);
    whatReport_ = 999;
}

void frmView::setVisible(bool visible) {
    if (visible && !isVisible()) {
        if (!loaded_) {
            loaded_ = Form_Load();
            if (!loaded_) {
                Form_Unload();
                return;
            }
        }
        setWindowState(windowState() | Qt::WindowMaximized);
        qApp->installEventFilter(this);
    } else if (!visible && loaded_) {
        qApp->removeEventFilter(this);
        QMainWindow::setVisible(false);
        Form_Unload();
        return;
    }
    QMainWindow::setVisible(visible);
}

bool frmView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* target = static_cast<QWidget*>(watched);
        // Windows opened from this one (the printer and file dialogs) keep their own Enter.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (target == this || isAncestorOf(target))) {
            close();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmView::Form_Resize() {
    CRViewer1->move(0, 0);
    CRViewer1->resize(centralWidget()->size());
    layoutControls();
}

void frmView::layoutControls() {
    // The panel opens under the More button.
    const QPoint below = cmdMore->mapTo(centralWidget(), QPoint(0, cmdMore->height() + 2));
    pctMore->move(below);
    pctMore->raise();
}

// The life of one request, up to the window coming on screen.
bool frmView::Form_Load() {
    HourglassScope busy;
    clickedPrint = false;
    bool exportFlag = false;
    QString reportPath;
    setWindowTitle(QStringLiteral("Form1"));
    pctMore->hide();

    if (!OpenReport(exportFlag, reportPath))
        return false;
    report_->setTitle(gHospitalName);
    report_->setSubtitle(gHospitalAddress);
    try {
        SetLogOnInfo();
    } catch (...) {
        reportApplicationError(kFrmViewModule, QStringLiteral("SetLogOnInfo"), __LINE__);
        return false;
    }
    if (exportFlag)
        ExportReport(reportPath);
    try {
        CRViewer1->setReportSource(report_);
        CRViewer1->zoom(1);
        CRViewer1->viewReport();
    } catch (...) {
        reportApplicationError(kFrmViewModule, QStringLiteral("Form_Load"), __LINE__);
        return false;
    }
    Form_Resize();
    return true;
}

// The dispatcher: the code's opener from the catalogue, else the report handed over. A code
// whose report is not installed here is told, and the window stays down.
bool frmView::OpenReport(bool& exportFlag, QString& reportPath) {
    const ReportOpenerEntry* opener = FindReportOpener(whatReport_);
    CRViewer1->setDisplayGroupTree(true);
    if (!opener) {
        if (suppliedReport_) {
            report_ = suppliedReport_;
            return true;
        }
        MsgBox(QStringLiteral("Report %1 is not installed.").arg(whatReport_), vbExclamation);
        return false;
    }
    try {
        OpenedReport opened = opener->open(*this);
        if (!opened.report)
            throw AppError(91, kFrmViewModule, QStringLiteral("Object variable or With block variable not set"));
        report_ = std::move(opened.report);
        if (!opened.caption.isEmpty())
            setWindowTitle(opened.caption);
        exportFlag = opened.exportFlag;
        reportPath = opened.reportPath;
        CRViewer1->setDisplayGroupTree(!opened.hidesGroupTree);
        return true;
    } catch (...) {
        const AppError error = currentError();
        if (error.number() == kMissingReportNumber) {
            MsgBox(QStringLiteral("Report %1 is not installed: %2").arg(whatReport_).arg(error.description()),
                   vbExclamation);
            return false;
        }
        reportApplicationError(kFrmViewModule, opener->procedureName, __LINE__);
        return false;
    }
}

// Every table of the report to the database its code or location asks for, on the login's
// connection.
void frmView::SetLogOnInfo() {
    auto& login = gComponents.gCurrentUser;
    if (!login)
        throw AppError(91, kFrmViewModule, QStringLiteral("Object variable or With block variable not set"));
    for (report::DatabaseTable& table : report_->databaseTables()) {
        QString database = QStringLiteral("Inventory");
        if (whatReport_ == 18)
            database = QStringLiteral("Billing");
        else if (table.location().contains(QLatin1String("tbpatient")) || table.location().contains(QLatin1String("tbmaster")))
            database = QStringLiteral("PATIENT_DATA");
        const int dot = table.location().indexOf(QLatin1Char('.'));
        if (dot < 0)
            throw AppError(5, kFrmViewModule,
                           QStringLiteral("The table %1 cannot be logged on to %2: its location \"%3\" has no \".\"")
                               .arg(table.name(), database, table.location()));
        table.setLocation(database + table.location().mid(dot));
        table.setLogOnInfo(login->ServerName(), database, login->UserID(), login->ServerPassword());
    }
    report_->setConnection(&login->SQLConnection());
}

void frmView::Form_Unload() {
    CRViewer1->setReportSource(nullptr);
    // A report handed over while another one was on view waits for its own showing.
    if (suppliedReport_ == report_)
        suppliedReport_.reset();
    report_.reset();
    pctMore->hide();
    loaded_ = false;
}

} // namespace qx
