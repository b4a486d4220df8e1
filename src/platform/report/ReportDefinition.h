#pragma once
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace qx::report {

// What kind of value a parameter field holds. The numbers are the kind codes callers test
// (7 and 8 are the numeric kinds).
enum class ParameterKind {
    Number = 7,
    Currency = 8,
    Boolean = 9,
    Date = 10,
    Text = 12,
    DateTime = 16,
    Integer = 17,
};

struct ParameterDef {
    QString name;
    ParameterKind kind = ParameterKind::Text;
    QString defaultText;  // the saved value used when the caller gives none; empty = Null
    bool hasDefault = false;
    QString format;       // how {NAME} prints it
    int line = 0;
};

// A part of a text template: literal text or a placeholder filled at render time.
struct TemplatePart {
    enum class Kind { Literal, Parameter, Title, Subtitle, Page, Pages, PrintTime, Field, Sum, Count };
    Kind kind = Kind::Literal;
    QString text;    // literal text, or the field name for Field
    int index = -1;  // parameter index, or column index for Sum
    QString format;
};

struct TextItem {
    QVector<TemplatePart> parts;  // the text; an image's file, a barcode's data
    QVector<TemplatePart> familyParts;  // font="..." (parameters only), filled when laid out
    QString family;     // the font family; empty = the report's font
    double x = -1;      // mm from the left margin; -1 = after the previous item
    double width = -1;  // mm; -1 = share what is left of the line
    Qt::Alignment align = Qt::AlignLeft;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double size = 0;  // points; 0 = the report's font size
};

// A number of a band line given by a parameter ("x={LEFT}tw"): the parameter's value times
// `scale` (millimetres per unit for a length, 1 for a font size), set when the report is laid out.
struct ParameterOption {
    enum class Target : quint8 { X, Width, Size, Top, Space };
    Target target = Target::X;
    int item = 0;       // the text item of the line
    int parameter = -1;
    double scale = 1;
};

// One printed line of a band: texts side by side, a horizontal rule, a gap, the
// column-aligned sums of a footer, a picture or a barcode.
struct BandLine {
    enum class Kind { Text, Rule, Space, Totals, Image, Barcode };
    Kind kind = Kind::Text;
    QVector<TextItem> items;  // an image or a barcode is one item: its source, x, size and font
    double space = 0;  // mm, for Space
    QString label;     // for Totals
    // mm from the top of the body: the line is placed there (the flow goes on below it). A
    // picture placed so takes no room in the flow.
    double top = -1;
    bool omitBlank = false;  // a text line whose texts all print empty takes no room
    QVector<ParameterOption> options;
    int line = 0;
};

struct Band {
    QVector<BandLine> lines;
    bool isEmpty() const { return lines.isEmpty(); }
};

struct ColumnDef {
    QString name;
    QString field;
    QString heading;
    double width = 20;  // mm
    Qt::Alignment align = Qt::AlignLeft;
    bool alignGiven = false;
    QString format;
    bool sum = false;
    bool wrap = false;
    int line = 0;
};

struct GroupDef {
    QString field;
    QString format;  // how the group's value prints in the group tree and {field:...}
    Band header;
    Band footer;
    int line = 0;
};

struct TableDef {
    QString name;
    QString location;
};

// How a query placeholder or procedure argument gets its value.
struct BindDef {
    QString name;       // placeholder (query) or argument name (procedure)
    int parameter = -1; // index into parameters
    int dayOffset = 0;  // added to a date parameter (the end of a date range)
    int line = 0;
    QString constant;   // the text bound when parameter is -1 (a quoted value in the file)
};

struct DataSource {
    enum class Kind { None, Query, Procedure };
    Kind kind = Kind::None;
    QString sql;        // Query
    QString procedure;  // Procedure
    QVector<BindDef> binds;
    int line = 0;
};

struct FontDef {
    QString family = QStringLiteral("DejaVu Sans");
    double size = 9;
};

// A report file as loaded: everything the renderer needs, checked at load time.
struct ReportDefinition {
    QString fileName;
    QString title;
    QString subtitle;
    QSizeF paperMm{210, 297};
    bool landscape = false;
    QMarginsF marginsMm{12, 12, 12, 12};
    FontDef font;
    QVector<ParameterDef> parameters;
    QVector<TableDef> tables;
    DataSource data;
    QVector<ColumnDef> columns;
    QVector<GroupDef> groups;
    Band reportHeader;
    Band pageHeader;
    Band reportFooter;
    Band pageFooter;
    // Whether some band line takes a number, a font or its presence from a parameter.
    bool hasParameterOptions = false;

    QSizeF pageSizeMm() const { return landscape ? paperMm.transposed() : paperMm; }
    int parameterIndex(const QString& name) const;
    int columnIndex(const QString& name) const;
};

} // namespace qx::report
