#pragma once
#include <QWidget>

namespace qx::report {

class ReportDocument;

// Paints one page of a laid-out report at a scale, on a grey desk with a little border.
class ReportPageView : public QWidget {
    Q_OBJECT
public:
    explicit ReportPageView(QWidget* parent = nullptr);
    void setDocument(const ReportDocument* doc);
    void setPage(int index);  // 0-based
    int page() const { return page_; }
    // Screen pixels for one page unit.
    void setScale(double pixelsPerUnit);
    double scale() const { return scale_; }
    // The scale at 100 %: the page at its real size on this screen.
    double naturalScale() const;
    static constexpr int kBorder = 12;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void resizeToPage();
    const ReportDocument* doc_ = nullptr;
    int page_ = 0;
    double scale_ = 0.1;
};

} // namespace qx::report
