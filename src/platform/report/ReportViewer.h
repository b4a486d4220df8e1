#pragma once
#include "platform/report/Report.h"

#include <QWidget>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace qx::report {

class ReportPageView;

// The report viewer control: shows a report's pages with page navigation, zoom, print,
// export and, when enabled, a tree of the report's groups that jumps to their pages.
class ReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit ReportViewer(QWidget* parent = nullptr);
    ~ReportViewer() override;

    void setReportSource(std::shared_ptr<Report> report);
    std::shared_ptr<Report> reportSource() const { return report_; }
    // Lays the report out and shows its first page.
    void viewReport();

    // Zoom levels: 1 fits the page width, 2 the whole page, any other number is a percentage.
    void zoom(int level);
    int zoomLevel() const { return zoom_; }

    void setEnableGroupTree(bool on);
    bool enableGroupTree() const { return groupTreeEnabled_; }
    void setDisplayGroupTree(bool on);
    bool displayGroupTree() const { return groupTreeShown_; }
    bool isGroupTreeVisible() const;

    // Every page of the report (places the rest of a long one first).
    int pageCount() const;
    int currentPage() const { return page_; }  // 1-based; 0 when nothing is shown
    void showNthPage(int page);
    void showFirstPage() { showNthPage(1); }
    void showLastPage() { showNthPage(pageCount()); }
    void showNextPage() { showNthPage(page_ + 1); }
    void showPreviousPage() { showNthPage(page_ - 1); }

    // The viewer's own print command: the printer dialog, then the report.
    void printReport();
    // Asks for a file and format (Excel, Rich Text, PDF) and writes the report to it.
    void exportReport();

    QToolBar* toolBar() const { return toolbar_; }
    QTreeWidget* groupTree() const { return tree_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateState();
    void readInBackground();
    void fillGroupTree();
    void applyZoom();

    std::shared_ptr<Report> report_;
    std::shared_ptr<const ReportDocument> doc_;
    int page_ = 0;
    int zoom_ = 100;
    bool groupTreeEnabled_ = true;
    bool groupTreeShown_ = true;
    QToolBar* toolbar_;
    QTimer* reader_;
    QAction* first_;
    QAction* previous_;
    QAction* next_;
    QAction* last_;
    QAction* print_;
    QAction* export_;
    QAction* treeToggle_;
    QLabel* pageLabel_;
    QComboBox* zoomBox_;
    QSplitter* splitter_;
    QTreeWidget* tree_;
    QScrollArea* scroll_;
    ReportPageView* view_;
};

} // namespace qx::report
