#include "platform/report/ReportPageView.h"
#include "platform/report/ReportDocument.h"

#include <QPainter>

namespace qx::report {

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(p);
}

void ReportPageView::setDocument(const ReportDocument* doc) {
    doc_ = doc;
    page_ = 0;
    resizeToPage();
    update();
}

void ReportPageView::setPage(int index) {
    page_ = index;
    update();
}

void ReportPageView::setScale(double pixelsPerUnit) {
    scale_ = pixelsPerUnit;
    resizeToPage();
    update();
}

double ReportPageView::naturalScale() const { return logicalDpiX() / kUnitsPerInch; }

void ReportPageView::resizeToPage() {
    if (!doc_)
        return;
    const QSizeF s = doc_->pageSize() * scale_;
    setFixedSize(qCeil(s.width()) + 2 * kBorder, qCeil(s.height()) + 2 * kBorder);
}

void ReportPageView::paintEvent(QPaintEvent*) {
    if (!doc_ || !doc_->hasPage(page_))
        return;
    QPainter painter(this);
    const QSizeF s = doc_->pageSize() * scale_;
    const QRectF paper(kBorder, kBorder, s.width(), s.height());
    painter.fillRect(paper.translated(3, 3), QColor(60, 60, 60));
    painter.fillRect(paper, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(paper.topLeft());
    painter.scale(scale_, scale_);
    doc_->paintPage(painter, page_);
}

} // namespace qx::report
