#include "platform/Values.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportExport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <xlsxwriter.h>

namespace qx::report {

namespace {

// A report pattern in the worksheet's own terms: minutes are "mm" there, not "nn".
std::string excelFormat(const QString& pattern) {
    QString p = pattern;
    p.replace(QLatin1String("nn"), QLatin1String("mm"));
    return p.toStdString();
}

bool isDateValue(const QVariant& v) {
    if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime)
        return true;
    // The embedded database keeps date-times as ISO text.
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}([ T]\\d{2}:\\d{2}(:\\d{2}(\\.\\d+)?)?)?$"));
    return v.typeId() == QMetaType::QString && iso.match(v.toString()).hasMatch();
}

bool isNumberValue(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return true;
    default: return false;
    }
}

class Sheet {
public:
    explicit Sheet(const QString& path) : path_(path) {
        book_ = workbook_new(QFile::encodeName(path).constData());
        if (!book_)
            fail(QStringLiteral("Could not create the Excel file %1").arg(QDir::toNativeSeparators(path)));
        sheet_ = workbook_add_worksheet(book_, nullptr);
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
    }
    ~Sheet() {
        if (book_)
            workbook_close(book_);
    }
    void close() {
        const lxw_error err = workbook_close(book_);
        book_ = nullptr;
        if (err != LXW_NO_ERROR)
            fail(QStringLiteral("Could not write the Excel file %1: %2")
                     .arg(QDir::toNativeSeparators(path_), QString::fromUtf8(lxw_strerror(err))));
    }
    lxw_format* format(const QString& pattern, bool bold) {
        const QString key = pattern + (bold ? QStringLiteral("|b") : QString());
        if (formats_.contains(key))
            return formats_.value(key);
        lxw_format* f = workbook_add_format(book_);
        const std::string p = excelFormat(pattern);
        if (!pattern.isEmpty())
            format_set_num_format(f, p.c_str());
        if (bold)
            format_set_bold(f);
        formats_.insert(key, f);
        return f;
    }
    void text(int row, int col, const QString& s, bool bold = false) {
        if (s.isEmpty())
            return;
        const QByteArray utf8 = s.toUtf8();
        worksheet_write_string(sheet_, row, col, utf8.constData(), bold ? bold_ : nullptr);
    }
    void number(int row, int col, double v, const QString& pattern, bool bold = false) {
        worksheet_write_number(sheet_, row, col, v, pattern.isEmpty() && !bold ? nullptr : format(pattern, bold));
    }
    void date(int row, int col, const QDateTime& d, const QString& pattern) {
        lxw_datetime dt{d.date().year(), d.date().month(), d.date().day(), d.time().hour(), d.time().minute(),
                        d.time().second() + d.time().msec() / 1000.0};
        const QString p = !pattern.isEmpty()          ? pattern
                          : d.time() == QTime(0, 0) ? QStringLiteral("mm/dd/yyyy")
                                                    : QStringLiteral("mm/dd/yyyy hh:nn AM/PM");
        worksheet_write_datetime(sheet_, row, col, &dt, format(p, false));
    }
    void width(int col, double chars) { worksheet_set_column(sheet_, col, col, chars, nullptr); }

private:
    QString path_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    QHash<QString, lxw_format*> formats_;
};

} // namespace

void writeXlsx(const ReportDocument& doc, const QString& path) {
    const ReportDefinition& d = doc.definition();
    Sheet sheet(path);
    for (int c = 0; c < d.columns.size(); ++c)
        sheet.width(c, qMax(8.0, d.columns[c].width / 2.0));
    int row = 0;
    for (const LayoutEntry& e : doc.flow()) {
        switch (e.kind) {
        case LayoutEntry::Kind::Headings:
            for (int c = 0; c < d.columns.size(); ++c)
                sheet.text(row, c, d.columns[c].heading, true);
            break;
        case LayoutEntry::Kind::Detail:
            for (int c = 0; c < d.columns.size(); ++c) {
                const QVariant v = doc.cellValue(e.row, c);
                if (IsNull(v))
                    continue;
                if (isNumberValue(v))
                    sheet.number(row, c, v.toDouble(), d.columns[c].format);
                else if (isDateValue(v))
                    sheet.date(row, c, CDate(v), d.columns[c].format);
                else
                    sheet.text(row, c, doc.cellText(e.row, c));
            }
            break;
        case LayoutEntry::Kind::BandLine: {
            const BandLine& bl = doc.bandLine(e);
            if (bl.kind == BandLine::Kind::Rule || bl.kind == BandLine::Kind::Space || bl.kind == BandLine::Kind::Image)
                continue;  // no row for lines, gaps and pictures
            if (bl.kind == BandLine::Kind::Totals) {
                sheet.text(row, 0, bl.label, true);
                for (int c = 0; c < d.columns.size(); ++c)
                    if (d.columns[c].sum)
                        sheet.number(row, c, doc.sum(e.group, c), d.columns[c].format, true);
                break;
            }
            const QStringList texts = doc.bandLineTexts(e);
            for (int i = 0; i < texts.size(); ++i)
                sheet.text(row, i, texts[i], bl.items[i].bold);
            break;
        }
        }
        ++row;
    }
    sheet.close();
}

} // namespace qx::report
