#pragma once
#include "components/Recordset.h"
#include "platform/report/ReportDefinition.h"

#include <QDateTime>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QVariantList>
#include <memory>

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

struct PageContent {
    QVector<PageText> texts;
    QVector<QLineF> rules;
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
// placed in one linear pass; each page's texts are produced only when asked for.
class ReportDocument {
public:
    ReportDocument(std::shared_ptr<const ReportDefinition> def, Recordset data, QVariantList parameterValues,
                   QString title, QString subtitle, QDateTime printTime);

    const ReportDefinition& definition() const { return *def_; }
    const Recordset& data() const { return data_; }
    QSizeF pageSize() const { return pageSize_; }  // units
    int pageCount() const { return static_cast<int>(pages_.size()); }
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
    void layout();
    int fontFor(const TextItem& item) const;
    int fontFor(double points, bool bold, bool italic, bool underline) const;
    double lineHeight(int font) const;
    double bandLineHeight(const BandLine& bl);
    double detailHeight(int row);
    const Band& band(qint16 id) const;
    QString fill(const QVector<TemplatePart>& parts, const LayoutEntry& e, int pageIndex) const;
    QString formatValue(const QVariant& v, const QString& format) const;
    void emitEntries(PageContent& out, const LayoutEntry& e, int pageIndex) const;
    QVector<double> columnLefts() const;
    QVariant groupKey(int row, int level) const;

    std::shared_ptr<const ReportDefinition> def_;
    Recordset data_;
    QVariantList params_;
    QString title_;
    QString subtitle_;
    QDateTime printTime_;
    QSizeF pageSize_;
    QRectF body_;
    mutable QVector<QFont> fonts_;
    mutable QVector<double> fontHeights_;
    mutable QHash<QString, int> fontIndex_;
    QVector<int> columnFields_;  // data column of each report column
    QVector<int> groupFields_;
    int detailFont_ = 0;
    int headingFont_ = 0;
    QVector<LayoutEntry> entries_;
    QVector<Page> pages_;
    QVector<GroupInstance> groups_;
    QVector<double> grandSums_;
};

} // namespace qx::report
