#include "platform/report/ReportViewer.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/report/ReportPageView.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qx::report {

namespace {
struct ZoomChoice {
    const char* label;
    int level;
};
constexpr ZoomChoice kZooms[] = {{"Page Width", 1}, {"Whole Page", 2}, {"50%", 50},   {"75%", 75},
                                 {"100%", 100},     {"150%", 150},     {"200%", 200}, {"400%", 400}};

// The toolbar's print and export are the user's own actions: a failure (no printer, a file that
// cannot be written) is told, and the viewer stays, instead of escaping into the event loop.
template <typename F>
void tellIfFails(const QString& what, F&& action) {
    try {
        std::forward<F>(action)();
    } catch (...) {
        MsgBox(what + QStringLiteral("\n") + currentError().description(), vbExclamation);
    }
}
} // namespace

ReportViewer::ReportViewer(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new QToolBar(this);
    treeToggle_ = toolbar_->addAction(tr("Group Tree"));
    treeToggle_->setCheckable(true);
    toolbar_->addSeparator();
    first_ = toolbar_->addAction(tr("|<"));
    first_->setToolTip(tr("First Page"));
    previous_ = toolbar_->addAction(tr("<"));
    previous_->setToolTip(tr("Previous Page"));
    pageLabel_ = new QLabel(this);
    pageLabel_->setMinimumWidth(90);
    pageLabel_->setAlignment(Qt::AlignCenter);
    toolbar_->addWidget(pageLabel_);
    next_ = toolbar_->addAction(tr(">"));
    next_->setToolTip(tr("Next Page"));
    last_ = toolbar_->addAction(tr(">|"));
    last_->setToolTip(tr("Last Page"));
    toolbar_->addSeparator();
    zoomBox_ = new QComboBox(this);
    for (const ZoomChoice& z : kZooms)
        zoomBox_->addItem(tr(z.label), z.level);
    toolbar_->addWidget(zoomBox_);
    toolbar_->addSeparator();
    print_ = toolbar_->addAction(tr("Print"));
    export_ = toolbar_->addAction(tr("Export"));
    layout->addWidget(toolbar_);

    splitter_ = new QSplitter(this);
    tree_ = new QTreeWidget(splitter_);
    tree_->setHeaderHidden(true);
    scroll_ = new QScrollArea(splitter_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new ReportPageView;
    scroll_->setWidget(view_);
    splitter_->addWidget(tree_);
    splitter_->addWidget(scroll_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({200, 800});
    layout->addWidget(splitter_, 1);

    // A long report shows its first page at once and places the rest while the user reads it.
    reader_ = new QTimer(this);
    reader_->setInterval(0);
    connect(reader_, &QTimer::timeout, this, [this] { readInBackground(); });
    connect(first_, &QAction::triggered, this, [this] { showFirstPage(); });
    connect(previous_, &QAction::triggered, this, [this] { showPreviousPage(); });
    connect(next_, &QAction::triggered, this, [this] { showNextPage(); });
    connect(last_, &QAction::triggered, this, [this] { showLastPage(); });
    connect(print_, &QAction::triggered, this, [this] {
        tellIfFails(QStringLiteral("The report was not printed."), [this] { printReport(); });
    });
    connect(export_, &QAction::triggered, this, [this] {
        tellIfFails(QStringLiteral("The report could not be exported."), [this] { exportReport(); });
    });
    connect(treeToggle_, &QAction::toggled, this, [this](bool on) { setDisplayGroupTree(on); });
    connect(zoomBox_, &QComboBox::activated, this, [this](int i) { zoom(zoomBox_->itemData(i).toInt()); });
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        showNthPage(item->data(0, Qt::UserRole).toInt() + 1);
    });
    updateState();
}

ReportViewer::~ReportViewer() = default;

void ReportViewer::setReportSource(std::shared_ptr<Report> report) {
    report_ = std::move(report);
    reader_->stop();
    view_->setDocument(nullptr);
    doc_.reset();
    page_ = 0;
    tree_->clear();
    updateState();
}

void ReportViewer::viewReport() {
    if (!report_)
        return;
    reader_->stop();
    doc_ = report_->sharedDocument();
    view_->setDocument(doc_.get());
    tree_->clear();
    if (doc_->isComplete())
        fillGroupTree();
    else
        reader_->start();
    applyZoom();
    showNthPage(1);
}

void ReportViewer::readInBackground() {
    constexpr int kRowsPerTurn = 20000;  // a few tens of milliseconds, so the window stays responsive
    if (!doc_ || !doc_->readMore(kRowsPerTurn))
        return;
    reader_->stop();
    fillGroupTree();
    view_->update();  // the page count printed on the page is known now
    updateState();
}

int ReportViewer::pageCount() const { return doc_ ? doc_->pageCount() : 0; }

void ReportViewer::showNthPage(int page) {
    if (!doc_)
        return;
    page = qMax(page, 1);
    if (!doc_->hasPage(page - 1))
        page = qMax(doc_->pagesReady(), 1);
    page_ = page;
    view_->setPage(page_ - 1);
    scroll_->verticalScrollBar()->setValue(0);
    updateState();
}

void ReportViewer::zoom(int level) {
    zoom_ = level < 1 ? 100 : level;
    for (int i = 0; i < zoomBox_->count(); ++i)
        if (zoomBox_->itemData(i).toInt() == zoom_)
            zoomBox_->setCurrentIndex(i);
    applyZoom();
}

void ReportViewer::applyZoom() {
    if (!doc_)
        return;
    const QSizeF page = doc_->pageSize();
    const QSize room = scroll_->viewport()->size() - QSize(2 * ReportPageView::kBorder, 2 * ReportPageView::kBorder);
    double scale = view_->naturalScale() * zoom_ / 100.0;
    if (zoom_ == 1)
        scale = qMax(1.0, double(room.width())) / page.width();
    else if (zoom_ == 2)
        scale = qMin(qMax(1.0, double(room.width())) / page.width(), qMax(1.0, double(room.height())) / page.height());
    view_->setScale(scale);
}

void ReportViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Fitting zooms follow the window.
    if (zoom_ == 1 || zoom_ == 2)
        applyZoom();
}

void ReportViewer::setEnableGroupTree(bool on) {
    groupTreeEnabled_ = on;
    updateState();
}

void ReportViewer::setDisplayGroupTree(bool on) {
    groupTreeShown_ = on;
    updateState();
}

bool ReportViewer::isGroupTreeVisible() const { return !tree_->isHidden(); }

void ReportViewer::fillGroupTree() {
    tree_->clear();
    if (!doc_)
        return;
    QVector<QTreeWidgetItem*> parents;
    for (const GroupTreeNode& node : doc_->groupTree()) {
        parents.resize(node.level);
        auto* item = node.level == 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents.value(node.level - 1));
        item->setText(0, node.label);
        item->setData(0, Qt::UserRole, node.page);
        parents << item;
    }
}

void ReportViewer::updateState() {
    const int pages = doc_ ? doc_->pagesReady() : 0;
    const bool more = doc_ && !doc_->isComplete();
    pageLabel_->setText(pages ? tr("%1 of %2").arg(page_).arg(more ? QString::number(pages) + QLatin1Char('+')
                                                                    : QString::number(pages))
                              : QString());
    first_->setEnabled(page_ > 1);
    previous_->setEnabled(page_ > 1);
    next_->setEnabled(page_ < pages || more);
    last_->setEnabled(page_ < pages || more);
    print_->setEnabled(report_ != nullptr);
    export_->setEnabled(report_ != nullptr);
    // The tree is usable only when enabled, and shown only when also asked for.
    treeToggle_->setVisible(groupTreeEnabled_);
    treeToggle_->setChecked(groupTreeEnabled_ && groupTreeShown_);
    tree_->setHidden(!(groupTreeEnabled_ && groupTreeShown_));
}

void ReportViewer::printReport() {
    if (report_)
        report_->printOut(true);
}

void ReportViewer::exportReport() {
    if (!report_)
        return;
    const QString excel = tr("Excel (*.xlsx)"), rtf = tr("Rich Text Format (*.rtf)"), pdf = tr("PDF (*.pdf)");
    QFileDialog dialog(this, tr("Export Report"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({excel, rtf, pdf});
    dialog.selectFile(QFileInfo(report_->fileName()).completeBaseName());
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().constFirst();
    const QString filter = dialog.selectedNameFilter();
    const ExportFormat format = filter == rtf ? ExportFormat::Rtf : filter == pdf ? ExportFormat::Pdf : ExportFormat::Excel;
    const QString suffix = format == ExportFormat::Rtf ? QStringLiteral(".rtf")
                           : format == ExportFormat::Pdf ? QStringLiteral(".pdf")
                                                         : QStringLiteral(".xlsx");
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    report_->exportTo(format, path);
}

} // namespace qx::report
