#include "platform/report/ReportDocument.h"
#include "platform/Values.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLoader.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <map>

namespace qx::report {

namespace {
constexpr double kRuleHeight = 1.5 * kUnitsPerMm;
// Rows read from the database at a time, and placed before a long report shows its first page.
constexpr int kRowsReadAtOnce = 512;
constexpr int kRowsPlacedAtOnce = 5000;
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

ReportDocument::ReportDocument(std::shared_ptr<const ReportDefinition> def, QVariantList parameterValues,
                               QString title, QString subtitle, QDateTime printTime)
    : def_(std::move(def)), params_(std::move(parameterValues)), title_(std::move(title)),
      subtitle_(std::move(subtitle)), printTime_(std::move(printTime)) {}

// A report of ordinary size is placed whole at once; a long one places its first page first and
// the rest when asked.
ReportDocument::ReportDocument(std::shared_ptr<const ReportDefinition> def, Recordset data,
                               QVariantList parameterValues, QString title, QString subtitle, QDateTime printTime)
    : ReportDocument(std::move(def), std::move(parameterValues), std::move(title), std::move(subtitle),
                     std::move(printTime)) {
    rows_.reserve(data.recordCount());
    for (int r = 0; r < data.recordCount(); ++r)
        rows_ << data.row(r);
    prepare(data.fieldNames());
    readMore(kRowsPlacedAtOnce);
    hasPage(0);
}

ReportDocument::ReportDocument(std::shared_ptr<const ReportDefinition> def, std::unique_ptr<RowCursor> rows,
                               QVariantList parameterValues, QString title, QString subtitle, QDateTime printTime)
    : ReportDocument(std::move(def), std::move(parameterValues), std::move(title), std::move(subtitle),
                     std::move(printTime)) {
    cursor_ = std::move(rows);
    prepare(cursor_->fieldNames());
    readMore(kRowsPlacedAtOnce);
    hasPage(0);
}

ReportDocument::~ReportDocument() = default;

void ReportDocument::prepare(const QStringList& fieldNames) {
    const ReportDefinition& d = *def_;
    const QString file = QFileInfo(d.fileName).fileName();
    fields_ = Recordset(fieldNames, {});
    pageSize_ = d.pageSizeMm() * kUnitsPerMm;
    body_ = QRectF(QPointF(0, 0), pageSize_)
                .adjusted(d.marginsMm.left() * kUnitsPerMm, d.marginsMm.top() * kUnitsPerMm,
                          -d.marginsMm.right() * kUnitsPerMm, -d.marginsMm.bottom() * kUnitsPerMm);
    detailFont_ = fontFor(d.font.size, false, false, false);
    headingFont_ = fontFor(d.font.size, true, false, false);
    auto field = [&](const QString& name, int line, const char* what) {
        const int i = fields_.fieldIndex(name);
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
}

int ReportDocument::fontFor(double points, bool bold, bool italic, bool underline, const QString& family) const {
    const QString name = family.isEmpty() ? def_->font.family : family;
    const QString key = QStringLiteral("%1|%2%3%4|%5").arg(points).arg(bold).arg(italic).arg(underline).arg(name);
    const auto it = fontIndex_.constFind(key);
    if (it != fontIndex_.constEnd())
        return *it;
    const QFont f = unitFont(name, points, bold, italic, underline);
    const QFontMetricsF fm(f);
    fonts_ << f;
    fontHeights_ << fm.height() + fm.leading() + 0.15 * points * 10.0;
    fontIndex_.insert(key, fonts_.size() - 1);
    return fonts_.size() - 1;
}

int ReportDocument::fontFor(const TextItem& item) const {
    return fontFor(item.size > 0 ? item.size : def_->font.size, item.bold, item.italic, item.underline, item.family);
}

QString ReportDocument::picturePath(const BandLine& bl) const {
    const QString name = fill(bl.items[0].parts, LayoutEntry{}, 0).trimmed();
    if (name.isEmpty())
        return QString();  // no picture given: nothing is drawn
    const QString path = resolveReportFile(name, def_->fileName);
    if (path.isEmpty())
        fail(QStringLiteral("%1, line %2: the picture \"%3\" was not found")
                 .arg(QFileInfo(def_->fileName).fileName()).arg(bl.line).arg(name));
    return path;
}

const QImage& ReportDocument::picture(const QString& path) const {
    auto it = pictures_.find(path);
    if (it == pictures_.end()) {
        QImage image(path);
        if (image.isNull())
            fail(QStringLiteral("The picture %1 cannot be read").arg(path));
        it = pictures_.insert(path, image);
    }
    return *it;
}

QSizeF ReportDocument::pictureSize(const QString& path) const {
    // A picture's own size: its pixels at its resolution (96 dots an inch when it states none).
    const QImage& image = picture(path);
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 96 / 0.0254;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 96 / 0.0254;
    return QSizeF(image.width() / dpmX * 1000 * kUnitsPerMm, image.height() / dpmY * 1000 * kUnitsPerMm);
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

double ReportDocument::bandLineHeight(const BandLine& bl) const {
    switch (bl.kind) {
    case BandLine::Kind::Rule: return kRuleHeight;
    case BandLine::Kind::Space: return bl.space * kUnitsPerMm;
    case BandLine::Kind::Totals: return lineHeight(headingFont_);
    case BandLine::Kind::Image: {
        // The picture is read when placed, so that a missing one fails before any page is drawn.
        const QString path = picturePath(bl);
        return path.isEmpty() || bl.top >= 0 ? 0.0 : pictureSize(path).height();
    }
    case BandLine::Kind::Barcode:
    case BandLine::Kind::Text: break;
    }
    double h = 0;
    for (const TextItem& item : bl.items)
        h = qMax(h, lineHeight(fontFor(item)));
    return h;
}

double ReportDocument::detailHeight(int row) const {
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
    const QVariant& v = valueAt(row, groupFields_[level]);
    const QString& format = def_->groups[level].format;
    return format.isEmpty() ? v : QVariant(formatValue(v, format));
}

bool ReportDocument::fetchRows() const {
    if (!cursor_)
        return false;
    const QVector<QVariantList> more = cursor_->fetch(kRowsReadAtOnce);
    rows_ += more;
    if (cursor_->atEnd())
        cursor_.reset();
    return !more.isEmpty();
}

bool ReportDocument::readMore(int rows) const {
    if (finished_)
        return true;
    if (!state_.started)
        startLayout();
    const int until = state_.nextRow + rows;
    while (!finished_ && state_.nextRow < until) {
        if (state_.nextRow < rowCount())
            layoutRow(state_.nextRow++);
        else if (!fetchRows())
            finishLayout();
    }
    return finished_;
}

bool ReportDocument::hasPage(int index) const {
    if (index < 0)
        return false;
    while (!finished_ && pages_.size() <= index)
        readMore(1);
    return index < pages_.size();
}

void ReportDocument::readToEnd() const {
    while (!readMore(kRowsReadAtOnce)) {
    }
}

int ReportDocument::pageCount() const {
    readToEnd();
    return static_cast<int>(pages_.size());
}

const Recordset& ReportDocument::data() const {
    readToEnd();
    if (!data_)
        data_ = Recordset(fields_.fieldNames(), rows_);
    return *data_;
}

void ReportDocument::add(LayoutEntry e) const {
    // A line placed at its own height moves the flow there; a placed picture stays out of it.
    if (e.kind == LayoutEntry::Kind::BandLine) {
        const BandLine& bl = bandLine(e);
        if (bl.top >= 0 && bl.kind != BandLine::Kind::Image)
            state_.y = body_.top() + bl.top * kUnitsPerMm;
    }
    e.y = state_.y;
    e.page = pages_.size();
    state_.y += e.height;
    entries_ << e;
}

void ReportDocument::addBand(qint16 id, int row, int group) const {
    const Band& b = band(id);
    for (int i = 0; i < b.lines.size(); ++i)
        add(LayoutEntry{LayoutEntry::Kind::BandLine, id, i, row, group, 0, bandLineHeight(b.lines[i]), 0});
}

// The rows read so far stand for the data here: a new page starts only on a row already read, or
// after the last one.
void ReportDocument::startPage() const {
    const int rows = rowCount();
    state_.pageBegin = entries_.size();
    state_.y = body_.top();
    if (pages_.isEmpty())
        addBand(LayoutEntry::ReportHeader, rows ? 0 : -1, -1);
    addBand(LayoutEntry::PageHeader, state_.currentRow < rows ? state_.currentRow : rows - 1, -1);
    if (!def_->columns.isEmpty())
        add(LayoutEntry{LayoutEntry::Kind::Headings, LayoutEntry::PageHeader, -1, -1, -1, 0, state_.headingsHeight, 0});
    state_.pageTop = state_.y;
}

void ReportDocument::endPage() const {
    state_.y = state_.bottom;
    addBand(LayoutEntry::PageFooter, qMin(state_.currentRow, rowCount() - 1), -1);
    pages_ << Page{state_.pageBegin, static_cast<int>(entries_.size())};
}

// Places an entry, first breaking the page when it (with what must stay beside it) does not fit.
// An entry taller than a whole page is placed anyway rather than looping.
void ReportDocument::place(LayoutEntry e, double keepWith) const {
    if (state_.y + e.height + keepWith > state_.bottom && state_.y > state_.pageTop) {
        endPage();
        startPage();
    }
    add(e);
}

void ReportDocument::placeBand(qint16 id, int row, int group, double keepWith) const {
    const Band& b = band(id);
    double rest = 0;
    for (const BandLine& bl : b.lines)
        rest += bandLineHeight(bl);
    for (int i = 0; i < b.lines.size(); ++i) {
        const double h = bandLineHeight(b.lines[i]);
        rest -= h;
        place(LayoutEntry{LayoutEntry::Kind::BandLine, id, i, row, group, 0, h, 0}, rest + keepWith);
    }
}

void ReportDocument::startLayout() const {
    const ReportDefinition& d = *def_;
    // The report header and the first page header read the first row.
    if (rows_.isEmpty())
        fetchRows();
    grandSums_.fill(0.0, d.columns.size());
    double footerHeight = 0;
    for (const BandLine& bl : d.pageFooter.lines)
        footerHeight += bandLineHeight(bl);
    state_.bottom = body_.bottom() - footerHeight;
    state_.headingsHeight = d.columns.isEmpty() ? 0 : lineHeight(headingFont_) + kRuleHeight / 2;
    state_.open.fill(-1, d.groups.size());
    state_.started = true;
    startPage();
}

void ReportDocument::layoutRow(int r) const {
    const ReportDefinition& d = *def_;
    const int levels = d.groups.size();
    const int sumColumns = d.columns.size();
    state_.currentRow = r;
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
            placeBand(static_cast<qint16>(2 * level + 1), r - 1, state_.open[level], 0);
    for (int level = changed; level < levels; ++level) {
        double below = rowHeight;
        for (int inner = level + 1; inner < levels; ++inner)
            for (const BandLine& bl : d.groups[inner].header.lines)
                below += bandLineHeight(bl);
        groups_ << GroupInstance{level, r, r, 0, QVector<double>(sumColumns, 0.0)};
        state_.open[level] = groups_.size() - 1;
        const int before = entries_.size();
        placeBand(static_cast<qint16>(2 * level), r, state_.open[level], below);
        // A group starts on the page where its first line lands.
        int landed = before;
        while (landed < entries_.size() && entries_[landed].band != 2 * level)
            ++landed;
        groups_[state_.open[level]].page = landed < entries_.size() ? entries_[landed].page
                                           : state_.y + rowHeight > state_.bottom && state_.y > state_.pageTop
                                               ? pages_.size() + 1
                                               : pages_.size();
    }
    for (int c = 0; c < sumColumns; ++c) {
        if (!d.columns[c].sum)
            continue;
        const double v = valueAt(r, columnFields_[c]).toDouble();
        grandSums_[c] += v;
        for (int level = 0; level < levels; ++level)
            groups_[state_.open[level]].sums[c] += v;
    }
    for (int level = 0; level < levels; ++level)
        groups_[state_.open[level]].lastRow = r;
    place(LayoutEntry{LayoutEntry::Kind::Detail, 0, -1, r, -1, 0, rowHeight, 0}, 0);
}

void ReportDocument::finishLayout() const {
    const int rows = rowCount();
    if (rows > 0)
        for (int level = def_->groups.size() - 1; level >= 0; --level)
            placeBand(static_cast<qint16>(2 * level + 1), rows - 1, state_.open[level], 0);
    placeBand(LayoutEntry::ReportFooter, rows - 1, -1, 0);
    endPage();
    finished_ = true;
}

QVector<GroupTreeNode> ReportDocument::groupTree() const {
    readToEnd();
    QVector<GroupTreeNode> out;
    for (const GroupInstance& g : groups_)
        out << GroupTreeNode{g.level,
                             formatValue(valueAt(g.firstRow, groupFields_[g.level]), def_->groups[g.level].format),
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

QVariant ReportDocument::cellValue(int row, int column) const { return valueAt(row, columnFields_[column]); }

QString ReportDocument::cellText(int row, int column) const {
    return formatValue(cellValue(row, column), def_->columns[column].format);
}

// A figure over rows not all read yet reads them first.
bool ReportDocument::stillOpen(int group) const {
    return !finished_ && (group < 0 || state_.open.value(groups_[group].level) == group);
}

double ReportDocument::sum(int group, int column) const {
    if (stillOpen(group))
        readToEnd();
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
        case TemplatePart::Kind::Pages:
            out += finished_ ? QString::number(pages_.size()) : QString::number(pages_.size()) + QLatin1Char('+');
            break;
        case TemplatePart::Kind::PrintTime:
            out += Format(printTime_, p.format.isEmpty() ? QStringLiteral("mm/dd/yyyy hh:nn AM/PM") : p.format);
            break;
        case TemplatePart::Kind::Field:
            if (e.row >= 0)
                out += formatValue(valueAt(e.row, fields_.fieldIndex(p.text)), p.format);
            break;
        case TemplatePart::Kind::Sum:
            out += formatValue(sum(e.group, p.index), p.format.isEmpty() ? def_->columns[p.index].format : p.format);
            break;
        case TemplatePart::Kind::Count:
            if (stillOpen(e.group))
                readToEnd();
            out += QString::number(e.group < 0 ? rowCount()
                                               : groups_[e.group].lastRow - groups_[e.group].firstRow + 1);
            break;
        }
    }
    return out;
}

QStringList ReportDocument::bandLineTexts(const LayoutEntry& e) const {
    const BandLine& bl = bandLine(e);
    QStringList out;
    if (bl.kind == BandLine::Kind::Image)
        return out;
    for (const TextItem& item : bl.items)
        out << fill(item.parts, e, e.page);
    if (bl.kind == BandLine::Kind::Barcode)
        out[0] = barcodeText(out[0], symbologyForFont(bl.items[0].family));
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
            put(r, d.columns[c].heading, columnAlign(d.columns[c], rows_.isEmpty() ? QVariant() : cellValue(0, c)),
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
    case BandLine::Kind::Image: {
        const QString path = picturePath(bl);
        if (path.isEmpty())
            return;
        const double x = body_.left() + qMax(0.0, bl.items[0].x) * kUnitsPerMm;
        const double y = bl.top >= 0 ? body_.top() + bl.top * kUnitsPerMm : e.y;
        out.images << PageImage{QRectF(QPointF(x, y), pictureSize(path)), path};
        return;
    }
    case BandLine::Kind::Barcode: {
        const TextItem& item = bl.items[0];
        const QString data = fill(item.parts, e, pageIndex);
        if (data.isEmpty())
            return;
        const Symbology symbology = symbologyForFont(item.family);
        // The narrowest bar is about as wide as a barcode font's at the same size.
        const double points = item.size > 0 ? item.size : def_->font.size;
        const double module = points / 24.0 * kUnitsPerInch / 72.0;
        const BarPattern bars = encodeBarcode(data, symbology);
        const double x = body_.left() + qMax(0.0, item.x) * kUnitsPerMm;
        out.barcodes << PageBarcode{QRectF(x, e.y, bars.modules * module, e.height * 0.85), data, symbology, module};
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
    if (!hasPage(index))
        return out;
    // Copies: a text that needs every row places the rest of the report while the page is made.
    const Page placed = pages_[index];
    for (int i = placed.begin; i < placed.end; ++i) {
        const LayoutEntry e = entries_[i];
        emitEntries(out, e, index);
    }
    return out;
}

void ReportDocument::paintPage(QPainter& painter, int index) const {
    const PageContent content = page(index);
    painter.save();
    painter.setPen(QPen(Qt::black, 0.6 * kUnitsPerInch / 72.0));
    for (const QLineF& l : content.rules)
        painter.drawLine(l);
    for (const PageImage& image : content.images)
        painter.drawImage(image.rect, picture(image.path));
    for (const PageBarcode& b : content.barcodes)
        paintBarcode(painter, b.rect, b.module, encodeBarcode(b.data, b.symbology));
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
    // Barcodes read as a barcode font prints them, pictures by their file name.
    QVector<PageText> texts = content.texts;
    for (const PageBarcode& b : content.barcodes)
        texts << PageText{b.rect, barcodeText(b.data, b.symbology), Qt::AlignLeft, 0, false};
    for (const PageImage& image : content.images)
        texts << PageText{image.rect, QStringLiteral("[%1]").arg(QFileInfo(image.path).fileName()), Qt::AlignLeft, 0,
                          false};
    for (const PageText& t : texts) {
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
    const int pages = pageCount();
    for (int p = 0; p < pages; ++p)
        out += QStringLiteral("==== Page %1 of %2 ====\n").arg(p + 1).arg(pages) + pageText(p);
    return out;
}

QString ReportDocument::toCsv() const {
    QStringList line;
    for (const ColumnDef& c : def_->columns)
        line << csvField(c.heading);
    QString out = line.join(QLatin1Char(',')) + QLatin1Char('\n');
    readToEnd();
    for (int r = 0; r < rowCount(); ++r) {
        line.clear();
        for (int c = 0; c < def_->columns.size(); ++c)
            line << csvField(cellText(r, c));
        out += line.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out;
}

QVector<LayoutEntry> ReportDocument::flow() const {
    readToEnd();
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
