#pragma once
#include "components/Recordset.h"
#include "components/RowCursor.h"
#include "platform/report/ReportBarcode.h"
#include "platform/report/ReportDefinition.h"

#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QVariantList>
#include <memory>
#include <optional>

class QPainter;

namespace qx::report {

// Lengths on a page are kept in decipoints (1/720 inch), whatever the device.
constexpr double kUnitsPerInch = 720.0;
constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;

// What is printed in one place on a page.
struct PageText {
    QRectF rect;
    QString text;
    Qt::Alignment align = Qt::AlignLeft;
    int font = 0;  // index into ReportDocument::fonts()
    bool wrap = false;
};

// A picture drawn at its own size.
struct PageImage {
    QRectF rect;
    QString path;
};

// A barcode drawn as bars from the rectangle's left, one module `module` units wide.
struct PageBarcode {
    QRectF rect;
    QString data;
    Symbology symbology = Symbology::Code128;
    double module = 0;
};

struct PageContent {
    QVector<PageText> texts;
    QVector<QLineF> rules;
    QVector<PageImage> images;
    QVector<PageBarcode> barcodes;
};

// A group's value and the page where it starts, for the viewer's group tree.
struct GroupTreeNode {
    int level = 0;
    QString label;
    int page = 0;  // 0-based
};

// One element of the report in print order, placed on its page.
struct LayoutEntry {
    enum class Kind : quint8 { BandLine, Headings, Detail };
    enum Band : qint16 { ReportHeader = -1, PageHeader = -2, ReportFooter = -3, PageFooter = -4 };
    Kind kind = Kind::BandLine;
    qint16 band = ReportHeader;  // a Band, or 2*g for group g's header and 2*g+1 for its footer
    int line = 0;                // index into the band's lines
    int row = -1;                // the data row the entry reads (-1 when there is none)
    int group = -1;              // the group instance whose sums a footer prints
    double y = 0;
    double height = 0;
    int page = 0;
    bool isPageBand() const { return band == PageHeader || band == PageFooter; }
};

// Where each text of a band line stands, in millimetres from the left margin.
struct ItemSpan {
    double left;
    double width;
};
QVector<ItemSpan> textItemSpans(const BandLine& line, double bodyWidthMm);

// A report laid out to pages from its definition, its data and its parameter values. Pages are
// placed in one linear pass that reads rows only as far as the pages asked for need them (the rest
// as later pages, the page count or the exports ask); each page's texts are produced only when
// asked for. A figure that needs every row (the page count, the report's totals) is exact once the
// last row is read; until then a page shows the pages known so far followed by "+".
class ReportDocument {
public:
    // Lays out at least the first page at once.
    ReportDocument(std::shared_ptr<const ReportDefinition> def, Recordset data, QVariantList parameterValues,
                   QString title, QString subtitle, QDateTime printTime);
    // The same, reading its rows from `rows` as they are needed.
    ReportDocument(std::shared_ptr<const ReportDefinition> def, std::unique_ptr<RowCursor> rows,
                   QVariantList parameterValues, QString title, QString subtitle, QDateTime printTime);
    ~ReportDocument();

    const ReportDefinition& definition() const { return *def_; }
    // Every row (reads the rest first).
    const Recordset& data() const;
    QSizeF pageSize() const { return pageSize_; }  // units
    // Every page (reads the rest first).
    int pageCount() const;
    // Whether every row is read and every page placed.
    bool isComplete() const { return finished_; }
    // Pages placed so far: all of them once complete.
    int pagesReady() const { return static_cast<int>(pages_.size()); }
    // Whether the page exists, placing pages up to it when needed.
    bool hasPage(int index) const;
    // Places pages for about `rows` more rows; returns whether the document is complete.
    bool readMore(int rows) const;
    QVector<GroupTreeNode> groupTree() const;

    PageContent page(int index) const;
    // Draws a page on a painter whose coordinates are units (the caller scales).
    void paintPage(QPainter& painter, int index) const;
    // The page as monospaced text (two millimetres to a character), for tests and diffs.
    QString pageText(int index) const;
    // Every page as text, each headed "==== Page n of N ====".
    QString toText() const;
    // The detail rows as CSV: the headings, then each row's printed values.
    QString toCsv() const;

    // The report in print order without page headers and footers, for the exporters.
    QVector<LayoutEntry> flow() const;
    // The printed texts of a band line (one per text item) for an entry.
    QStringList bandLineTexts(const LayoutEntry& e) const;
    const BandLine& bandLine(const LayoutEntry& e) const;
    // A detail cell's value as stored and as printed.
    QVariant cellValue(int row, int column) const;
    QString cellText(int row, int column) const;
    // The sum of a column over a group instance (-1: the whole report).
    double sum(int group, int column) const;
    QString sumText(int group, int column) const;

    const QVector<QFont>& fonts() const { return fonts_; }
    static QFont unitFont(const QString& family, double points, bool bold = false, bool italic = false,
                          bool underline = false);

private:
    struct GroupInstance {
        int level;
        int firstRow;
        int lastRow;
        int page;
        QVector<double> sums;
    };
    struct Page {
        int begin;
        int end;
    };
    // Where the one layout pass stands between rows.
    struct LayoutState {
        double y = 0;
        double pageTop = 0;  // where the page's own content starts, below its header
        double bottom = 0;   // where the page footer starts
        double headingsHeight = 0;
        int pageBegin = 0;
        int currentRow = 0;
        int nextRow = 0;
        QVector<int> open;  // the group instance open at each level
        bool started = false;
    };
    ReportDocument(std::shared_ptr<const ReportDefinition> def, QVariantList parameterValues, QString title,
                   QString subtitle, QDateTime printTime);
    void prepare(const QStringList& fieldNames);
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const QVariant& valueAt(int row, int field) const { return rows_[row][field]; }
    bool fetchRows() const;
    void readToEnd() const;
    void startLayout() const;
    void layoutRow(int r) const;
    void finishLayout() const;
    bool stillOpen(int group) const;
    void add(LayoutEntry e) const;
    void addBand(qint16 id, int row, int group) const;
    void startPage() const;
    void endPage() const;
    void place(LayoutEntry e, double keepWith) const;
    void placeBand(qint16 id, int row, int group, double keepWith) const;
    int fontFor(const TextItem& item) const;
    int fontFor(double points, bool bold, bool italic, bool underline, const QString& family = QString()) const;
    // The picture of an image line: its file and its size in units (read once).
    const QImage& picture(const QString& path) const;
    QString picturePath(const BandLine& bl) const;
    QSizeF pictureSize(const QString& path) const;
    double lineHeight(int font) const;
    double bandLineHeight(const BandLine& bl) const;
    double detailHeight(int row) const;
    const Band& band(qint16 id) const;
    QString fill(const QVector<TemplatePart>& parts, const LayoutEntry& e, int pageIndex) const;
    QString formatValue(const QVariant& v, const QString& format) const;
    void emitEntries(PageContent& out, const LayoutEntry& e, int pageIndex) const;
    QVector<double> columnLefts() const;
    QVariant groupKey(int row, int level) const;

    std::shared_ptr<const ReportDefinition> def_;
    QVariantList params_;
    QString title_;
    QString subtitle_;
    QDateTime printTime_;
    QSizeF pageSize_;
    QRectF body_;
    mutable QVector<QFont> fonts_;
    mutable QVector<double> fontHeights_;
    mutable QHash<QString, int> fontIndex_;
    mutable QHash<QString, QImage> pictures_;
    QVector<int> columnFields_;  // data column of each report column
    QVector<int> groupFields_;
    Recordset fields_;  // the data's field names, for look-ups by name
    int detailFont_ = 0;
    int headingFont_ = 0;
    // Read and placed so far; the layout pass goes on from where it stopped when more is asked for.
    mutable std::unique_ptr<RowCursor> cursor_;
    mutable QVector<QVariantList> rows_;
    mutable std::optional<Recordset> data_;
    mutable LayoutState state_;
    mutable bool finished_ = false;
    mutable QVector<LayoutEntry> entries_;
    mutable QVector<Page> pages_;
    mutable QVector<GroupInstance> groups_;
    mutable QVector<double> grandSums_;
};

} // namespace qx::report
