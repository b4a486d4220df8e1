#include "platform/report/ReportDocument.h"
#include "platform/Values.h"
#include "platform/report/ReportError.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <map>

namespace qx::report {

namespace {
constexpr double kRuleHeight = 1.5 * kUnitsPerMm;
constexpr double kCharWidth = 2.0 * kUnitsPerMm;  // text rendering: two millimetres a character

QString csvField(QString s) {
    if (s.contains(QLatin1Char(',')) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\n'))) {
        s.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + s + QLatin1Char('"');
    }
    return s;
}
} // namespace

QFont ReportDocument::unitFont(const QString& family, double points, bool bold, bool italic, bool underline) {
    QFont f(family);
    f.setPixelSize(qMax(1, qRound(points * kUnitsPerInch / 72.0)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    // Metrics must not depend on the device's hinting: the same layout goes to screen and paper.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

ReportDocument::ReportDocument(std::shared_ptr<const ReportDefinition> def, Recordset data,
                               QVariantList parameterValues, QString title, QString subtitle, QDateTime printTime)
    : def_(std::move(def)), data_(std::move(data)), params_(std::move(parameterValues)), title_(std::move(title)),
      subtitle_(std::move(subtitle)), printTime_(std::move(printTime)) {
    const ReportDefinition& d = *def_;
    const QString file = QFileInfo(d.fileName).fileName();
    pageSize_ = d.pageSizeMm() * kUnitsPerMm;
    body_ = QRectF(QPointF(0, 0), pageSize_)
                .adjusted(d.marginsMm.left() * kUnitsPerMm, d.marginsMm.top() * kUnitsPerMm,
                          -d.marginsMm.right() * kUnitsPerMm, -d.marginsMm.bottom() * kUnitsPerMm);
    detailFont_ = fontFor(d.font.size, false, false, false);
    headingFont_ = fontFor(d.font.size, true, false, false);
    auto field = [&](const QString& name, int line, const char* what) {
        const int i = data_.fieldIndex(name);
        if (i < 0)
            fail(QStringLiteral("%1, line %2: %3 reads the field \"%4\", which the report's data does not have")
                     .arg(file).arg(line).arg(QLatin1String(what), name));
        return i;
    };
    for (const ColumnDef& c : d.columns)
        columnFields_ << field(c.field, c.line, "the column");
    for (const GroupDef& g : d.groups)
        groupFields_ << field(g.field, g.line, "the group");
    auto checkFields = [&](const Band& b) {
        for (const BandLine& bl : b.lines)
            for (const TextItem& item : bl.items)
                for (const TemplatePart& p : item.parts)
                    if (p.kind == TemplatePart::Kind::Field)
                        field(p.text, bl.line, "the text");
    };
    checkFields(d.reportHeader);
    checkFields(d.pageHeader);
    checkFields(d.reportFooter);
    checkFields(d.pageFooter);
    for (const GroupDef& g : d.groups) {
        checkFields(g.header);
        checkFields(g.footer);
    }
    layout();
}

int ReportDocument::fontFor(double points, bool bold, bool italic, bool underline) const {
    const QString key = QStringLiteral("%1|%2%3%4").arg(points).arg(bold).arg(italic).arg(underline);
    const auto it = fontIndex_.constFind(key);
    if (it != fontIndex_.constEnd())
        return *it;
    const QFont f = unitFont(def_->font.family, points, bold, italic, underline);
    const QFontMetricsF fm(f);
    fonts_ << f;
    fontHeights_ << fm.height() + fm.leading() + 0.15 * points * 10.0;
    fontIndex_.insert(key, fonts_.size() - 1);
    return fonts_.size() - 1;
}

int ReportDocument::fontFor(const TextItem& item) const {
    return fontFor(item.size > 0 ? item.size : def_->font.size, item.bold, item.italic, item.underline);
}

double ReportDocument::lineHeight(int font) const { return fontHeights_[font]; }

const Band& ReportDocument::band(qint16 id) const {
    switch (id) {
    case LayoutEntry::ReportHeader: return def_->reportHeader;
    case LayoutEntry::PageHeader: return def_->pageHeader;
    case LayoutEntry::ReportFooter: return def_->reportFooter;
    case LayoutEntry::PageFooter: return def_->pageFooter;
    default: return id % 2 == 0 ? def_->groups[id / 2].header : def_->groups[id / 2].footer;
    }
}

const BandLine& ReportDocument::bandLine(const LayoutEntry& e) const { return band(e.band).lines[e.line]; }

double ReportDocument::bandLineHeight(const BandLine& bl) {
    switch (bl.kind) {
    case BandLine::Kind::Rule: return kRuleHeight;
    case BandLine::Kind::Space: return bl.space * kUnitsPerMm;
    case BandLine::Kind::Totals: return lineHeight(headingFont_);
    case BandLine::Kind::Text: break;
    }
    double h = 0;
    for (const TextItem& item : bl.items)
        h = qMax(h, lineHeight(fontFor(item)));
    return h;
}

double ReportDocument::detailHeight(int row) {
    const double base = lineHeight(detailFont_);
    double h = base;
    for (int c = 0; c < def_->columns.size(); ++c) {
        const ColumnDef& col = def_->columns[c];
        if (!col.wrap)
            continue;
        const QString text = cellText(row, c);
        if (text.isEmpty())
            continue;
        const QFontMetricsF fm(fonts_[detailFont_]);
        const QRectF r = fm.boundingRect(QRectF(0, 0, col.width * kUnitsPerMm, 1e7), Qt::TextWordWrap, text);
        h = qMax(h, r.height() + (base - fm.height()));
    }
    return h;
}

QVariant ReportDocument::groupKey(int row, int level) const {
    // A group with a format groups by the printed value: date-times by their day, say.
    const QVariant v = data_.valueAt(row, groupFields_[level]);
    const QString& format = def_->groups[level].format;
    return format.isEmpty() ? v : QVariant(formatValue(v, format));
}

void ReportDocument::layout() {
    const ReportDefinition& d = *def_;
    const int rows = data_.recordCount();
    const int sumColumns = d.columns.size();
    grandSums_.fill(0.0, sumColumns);
    double footerHeight = 0;
    for (const BandLine& bl : d.pageFooter.lines)
        footerHeight += bandLineHeight(bl);
    const double bottom = body_.bottom() - footerHeight;
    const double headingsHeight = d.columns.isEmpty() ? 0 : lineHeight(headingFont_) + kRuleHeight / 2;

    double y = body_.top();
    int pageBegin = 0;
    double pageTop = y;  // where the page's own content starts, below its header
    int currentRow = 0;

    auto add = [&](LayoutEntry e) {
        e.y = y;
        e.page = pages_.size();
        y += e.height;
        entries_ << e;
    };
    auto addBand = [&](qint16 id, int row, int group) {
        const Band& b = band(id);
        for (int i = 0; i < b.lines.size(); ++i)
            add(LayoutEntry{LayoutEntry::Kind::BandLine, id, i, row, group, 0, bandLineHeight(b.lines[i]), 0});
    };
    auto startPage = [&] {
        pageBegin = entries_.size();
        y = body_.top();
        if (pages_.isEmpty())
            addBand(LayoutEntry::ReportHeader, rows ? 0 : -1, -1);
        addBand(LayoutEntry::PageHeader, currentRow < rows ? currentRow : rows - 1, -1);
        if (!d.columns.isEmpty())
            add(LayoutEntry{LayoutEntry::Kind::Headings, LayoutEntry::PageHeader, -1, -1, -1, 0, headingsHeight, 0});
        pageTop = y;
    };
    auto endPage = [&] {
        y = bottom;
        addBand(LayoutEntry::PageFooter, qMin(currentRow, rows - 1), -1);
        pages_ << Page{pageBegin, static_cast<int>(entries_.size())};
    };
    // Places an entry, first breaking the page when it (with what must stay beside it) does
    // not fit. An entry taller than a whole page is placed anyway rather than looping.
    auto place = [&](LayoutEntry e, double keepWith) {
        if (y + e.height + keepWith > bottom && y > pageTop) {
            endPage();
            startPage();
        }
        add(e);
    };
    auto placeBand = [&](qint16 id, int row, int group, double keepWith) {
        const Band& b = band(id);
        double rest = 0;
        for (const BandLine& bl : b.lines)
            rest += bandLineHeight(bl);
        for (int i = 0; i < b.lines.size(); ++i) {
            const double h = bandLineHeight(b.lines[i]);
            rest -= h;
            place(LayoutEntry{LayoutEntry::Kind::BandLine, id, i, row, group, 0, h, 0}, rest + keepWith);
        }
    };

    startPage();
    const int levels = d.groups.size();
    QVector<int> open(levels, -1);
    for (int r = 0; r < rows; ++r) {
        currentRow = r;
        int changed = levels;
        if (r == 0)
            changed = 0;
        else
            for (int level = 0; level < levels; ++level)
                if (groupKey(r, level) != groupKey(r - 1, level)) {
                    changed = level;
                    break;
                }
        const double rowHeight = detailHeight(r);
        if (r > 0)
            for (int level = levels - 1; level >= changed; --level)
                placeBand(static_cast<qint16>(2 * level + 1), r - 1, open[level], 0);
        for (int level = changed; level < levels; ++level) {
            double below = rowHeight;
            for (int inner = level + 1; inner < levels; ++inner)
                for (const BandLine& bl : d.groups[inner].header.lines)
                    below += bandLineHeight(bl);
            groups_ << GroupInstance{level, r, r, 0, QVector<double>(sumColumns, 0.0)};
            open[level] = groups_.size() - 1;
            const int before = entries_.size();
            placeBand(static_cast<qint16>(2 * level), r, open[level], below);
            // A group starts on the page where its first line lands.
            int landed = before;
            while (landed < entries_.size() && entries_[landed].band != 2 * level)
                ++landed;
            groups_[open[level]].page = landed < entries_.size() ? entries_[landed].page
                                        : y + rowHeight > bottom && y > pageTop ? pages_.size() + 1
                                                                                : pages_.size();
        }
        for (int c = 0; c < sumColumns; ++c) {
            if (!d.columns[c].sum)
                continue;
            const double v = data_.valueAt(r, columnFields_[c]).toDouble();
            grandSums_[c] += v;
            for (int level = 0; level < levels; ++level)
                groups_[open[level]].sums[c] += v;
        }
        for (int level = 0; level < levels; ++level)
            groups_[open[level]].lastRow = r;
        place(LayoutEntry{LayoutEntry::Kind::Detail, 0, -1, r, -1, 0, rowHeight, 0}, 0);
    }
    if (rows > 0)
        for (int level = levels - 1; level >= 0; --level)
            placeBand(static_cast<qint16>(2 * level + 1), rows - 1, open[level], 0);
    placeBand(LayoutEntry::ReportFooter, rows - 1, -1, 0);
    endPage();
}

QVector<GroupTreeNode> ReportDocument::groupTree() const {
    QVector<GroupTreeNode> out;
    for (const GroupInstance& g : groups_)
        out << GroupTreeNode{g.level,
                             formatValue(data_.valueAt(g.firstRow, groupFields_[g.level]), def_->groups[g.level].format),
                             g.page};
    return out;
}

QString ReportDocument::formatValue(const QVariant& v, const QString& format) const {
    if (v.isNull() || !v.isValid())
        return QString();
    if (!format.isEmpty())
        return Format(v, format);
    switch (v.typeId()) {
    case QMetaType::QDate: return Format(v, QStringLiteral("mm/dd/yyyy"));
    case QMetaType::QDateTime:
        return v.toDateTime().time() == QTime(0, 0) ? Format(v, QStringLiteral("mm/dd/yyyy"))
                                                    : Format(v, QStringLiteral("mm/dd/yyyy hh:nn AM/PM"));
    default: return Text(v);
    }
}

QVariant ReportDocument::cellValue(int row, int column) const { return data_.valueAt(row, columnFields_[column]); }

QString ReportDocument::cellText(int row, int column) const {
    return formatValue(cellValue(row, column), def_->columns[column].format);
}

double ReportDocument::sum(int group, int column) const {
    return group < 0 ? grandSums_.value(column) : groups_[group].sums.value(column);
}

QString ReportDocument::sumText(int group, int column) const {
    return formatValue(sum(group, column), def_->columns[column].format);
}

QString ReportDocument::fill(const QVector<TemplatePart>& parts, const LayoutEntry& e, int pageIndex) const {
    QString out;
    for (const TemplatePart& p : parts) {
        switch (p.kind) {
        case TemplatePart::Kind::Literal: out += p.text; break;
        case TemplatePart::Kind::Parameter:
            out += formatValue(params_.value(p.index), p.format.isEmpty() ? def_->parameters[p.index].format : p.format);
            break;
        case TemplatePart::Kind::Title: out += title_; break;
        case TemplatePart::Kind::Subtitle: out += subtitle_; break;
        case TemplatePart::Kind::Page: out += QString::number(pageIndex + 1); break;
        case TemplatePart::Kind::Pages: out += QString::number(pageCount()); break;
        case TemplatePart::Kind::PrintTime:
            out += Format(printTime_, p.format.isEmpty() ? QStringLiteral("mm/dd/yyyy hh:nn AM/PM") : p.format);
            break;
        case TemplatePart::Kind::Field:
            if (e.row >= 0)
                out += formatValue(data_.valueAt(e.row, data_.fieldIndex(p.text)), p.format);
            break;
        case TemplatePart::Kind::Sum:
            out += formatValue(sum(e.group, p.index), p.format.isEmpty() ? def_->columns[p.index].format : p.format);
            break;
        case TemplatePart::Kind::Count:
            out += QString::number(e.group < 0 ? data_.recordCount()
                                               : groups_[e.group].lastRow - groups_[e.group].firstRow + 1);
            break;
        }
    }
    return out;
}

QStringList ReportDocument::bandLineTexts(const LayoutEntry& e) const {
    QStringList out;
    for (const TextItem& item : bandLine(e).items)
        out << fill(item.parts, e, e.page);
    return out;
}

QVector<double> ReportDocument::columnLefts() const {
    QVector<double> lefts;
    double x = body_.left();
    for (const ColumnDef& c : def_->columns) {
        lefts << x;
        x += c.width * kUnitsPerMm;
    }
    lefts << x;
    return lefts;
}

static Qt::Alignment columnAlign(const ColumnDef& c, const QVariant& sample) {
    if (c.alignGiven)
        return c.align;
    switch (sample.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Float: return Qt::AlignRight;
    default: return c.sum ? Qt::AlignRight : Qt::AlignLeft;
    }
}

void ReportDocument::emitEntries(PageContent& out, const LayoutEntry& e, int pageIndex) const {
    const ReportDefinition& d = *def_;
    auto put = [&](const QRectF& r, const QString& text, Qt::Alignment a, int font, bool wrap = false) {
        if (text.isEmpty())
            return;
        QString shown = text;
        if (!wrap) {
            shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
            shown = QFontMetricsF(fonts_[font]).elidedText(shown, Qt::ElideRight, r.width() + 1);
        }
        out.texts << PageText{r, shown, a, font, wrap};
    };
    switch (e.kind) {
    case LayoutEntry::Kind::Headings: {
        const QVector<double> lefts = columnLefts();
        for (int c = 0; c < d.columns.size(); ++c) {
            const QRectF r(lefts[c], e.y, lefts[c + 1] - lefts[c], lineHeight(headingFont_));
            put(r, d.columns[c].heading, columnAlign(d.columns[c], data_.isEmpty() ? QVariant() : cellValue(0, c)),
                headingFont_);
        }
        const double ry = e.y + e.height - kRuleHeight / 4;
        out.rules << QLineF(body_.left(), ry, lefts.last(), ry);
        return;
    }
    case LayoutEntry::Kind::Detail: {
        const QVector<double> lefts = columnLefts();
        for (int c = 0; c < d.columns.size(); ++c) {
            const QRectF r(lefts[c], e.y, lefts[c + 1] - lefts[c], e.height);
            const QVariant v = cellValue(e.row, c);
            put(r, cellText(e.row, c), columnAlign(d.columns[c], v), detailFont_, d.columns[c].wrap);
        }
        return;
    }
    case LayoutEntry::Kind::BandLine: break;
    }
    const BandLine& bl = bandLine(e);
    switch (bl.kind) {
    case BandLine::Kind::Space: return;
    case BandLine::Kind::Rule:
        out.rules << QLineF(body_.left(), e.y + e.height / 2, body_.right(), e.y + e.height / 2);
        return;
    case BandLine::Kind::Totals: {
        const QVector<double> lefts = columnLefts();
        int labelEnd = 0;
        while (labelEnd < d.columns.size() && !d.columns[labelEnd].sum)
            ++labelEnd;
        if (labelEnd > 0)
            put(QRectF(lefts[0], e.y, lefts[labelEnd] - lefts[0], e.height), bl.label, Qt::AlignLeft, headingFont_);
        for (int c = 0; c < d.columns.size(); ++c)
            if (d.columns[c].sum)
                put(QRectF(lefts[c], e.y, lefts[c + 1] - lefts[c], e.height), sumText(e.group, c),
                    d.columns[c].alignGiven ? d.columns[c].align : Qt::AlignRight, headingFont_);
        return;
    }
    case BandLine::Kind::Text: break;
    }
    const QVector<ItemSpan> spans = textItemSpans(bl, body_.width() / kUnitsPerMm);
    for (int i = 0; i < bl.items.size(); ++i) {
        const TextItem& item = bl.items[i];
        const QRectF r(body_.left() + spans[i].left * kUnitsPerMm, e.y, spans[i].width * kUnitsPerMm, e.height);
        put(r, fill(item.parts, e, pageIndex), item.align, fontFor(item));
    }
}

QVector<ItemSpan> textItemSpans(const BandLine& line, double bodyWidthMm) {
    QVector<ItemSpan> spans;
    double cursor = 0;
    for (int i = 0; i < line.items.size(); ++i) {
        const TextItem& item = line.items[i];
        const double left = item.x >= 0 ? item.x : cursor;
        double width = item.width;
        if (width < 0) {
            // An item without a width shares what is left with the other such items after it.
            double fixedAfter = 0;
            int autos = 1;
            for (int j = i + 1; j < line.items.size(); ++j) {
                if (line.items[j].width >= 0)
                    fixedAfter += line.items[j].width;
                else
                    ++autos;
            }
            width = qMax(0.0, (bodyWidthMm - left - fixedAfter) / autos);
        }
        spans << ItemSpan{left, width};
        cursor = left + width;
    }
    return spans;
}

PageContent ReportDocument::page(int index) const {
    PageContent out;
    if (index < 0 || index >= pages_.size())
        return out;
    for (int i = pages_[index].begin; i < pages_[index].end; ++i)
        emitEntries(out, entries_[i], index);
    return out;
}

void ReportDocument::paintPage(QPainter& painter, int index) const {
    const PageContent content = page(index);
    painter.save();
    painter.setPen(QPen(Qt::black, 0.6 * kUnitsPerInch / 72.0));
    for (const QLineF& l : content.rules)
        painter.drawLine(l);
    for (const PageText& t : content.texts) {
        painter.setFont(fonts_[t.font]);
        const int flags = t.align | (t.wrap ? Qt::AlignTop | Qt::TextWordWrap : Qt::AlignVCenter);
        painter.drawText(t.rect, flags, t.text);
    }
    painter.restore();
}

namespace {
// Breaks text into lines of at most `width` characters at blanks (a longer word is cut).
QStringList wrapText(const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString w = word;
        if (!line.isEmpty() && line.size() + 1 + w.size() > width) {
            lines << line;
            line.clear();
        }
        while (w.size() > width) {
            lines << w.left(width);
            w = w.mid(width);
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + w;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}
} // namespace

QString ReportDocument::pageText(int index) const {
    const PageContent content = page(index);
    // Texts sharing a top make one line (wrapped texts continue on the lines below it); rules
    // sit on lines of their own. Keys order them down the page.
    using Key = std::pair<qint64, int>;
    std::map<Key, QVector<std::pair<const PageText*, QString>>> lines;
    for (const PageText& t : content.texts) {
        const qint64 top = qRound64(t.rect.top());
        QString s = t.text;
        s.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const int span = qMax(1, qRound(t.rect.width() / kCharWidth));
        const QStringList parts = t.wrap ? wrapText(s, span) : QStringList{s};
        for (int i = 0; i < parts.size(); ++i)
            lines[{top, i}] << std::make_pair(&t, parts[i]);
    }
    std::map<Key, QString> out;
    for (auto& [key, texts] : lines) {
        std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first->rect.left() < b.first->rect.left(); });
        QString buf;
        for (const auto& [t, s] : texts) {
            const int c0 = qRound((t->rect.left() - body_.left()) / kCharWidth);
            const int c1 = qRound((t->rect.right() - body_.left()) / kCharWidth);
            int start = c0;
            if (t->align & Qt::AlignRight)
                start = c1 - s.size();
            else if (t->align & Qt::AlignHCenter)
                start = c0 + (c1 - c0 - s.size()) / 2;
            if (!buf.isEmpty() && start <= buf.size())
                start = buf.size() + 1;
            start = qMax(start, 0);
            buf += QString(start - buf.size(), QLatin1Char(' ')) + s;
        }
        out[key] = buf;
    }
    for (const QLineF& l : content.rules) {
        const int c0 = qRound((l.x1() - body_.left()) / kCharWidth);
        const int c1 = qRound((l.x2() - body_.left()) / kCharWidth);
        out[{qRound64(l.y1()), 1000}] = QString(qMax(c0, 0), QLatin1Char(' ')) + QString(qMax(c1 - c0, 1), QLatin1Char('-'));
    }
    QString text;
    for (const auto& [key, line] : out) {
        QString l = line;
        while (l.endsWith(QLatin1Char(' ')))
            l.chop(1);
        text += l + QLatin1Char('\n');
    }
    return text;
}

QString ReportDocument::toText() const {
    QString out;
    for (int p = 0; p < pageCount(); ++p)
        out += QStringLiteral("==== Page %1 of %2 ====\n").arg(p + 1).arg(pageCount()) + pageText(p);
    return out;
}

QString ReportDocument::toCsv() const {
    QStringList line;
    for (const ColumnDef& c : def_->columns)
        line << csvField(c.heading);
    QString out = line.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (int r = 0; r < data_.recordCount(); ++r) {
        line.clear();
        for (int c = 0; c < def_->columns.size(); ++c)
            line << csvField(cellText(r, c));
        out += line.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out;
}

QVector<LayoutEntry> ReportDocument::flow() const {
    QVector<LayoutEntry> out;
    bool headings = false;
    for (const LayoutEntry& e : entries_) {
        if (e.isPageBand() && e.kind == LayoutEntry::Kind::BandLine)
            continue;
        if (e.kind == LayoutEntry::Kind::Headings) {
            if (headings)
                continue;
            headings = true;
        }
        out << e;
    }
    return out;
}

} // namespace qx::report
