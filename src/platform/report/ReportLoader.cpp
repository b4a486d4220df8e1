#include "platform/report/ReportLoader.h"
#include "platform/report/ReportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace qx::report {

int ReportDefinition::parameterIndex(const QString& name) const {
    for (int i = 0; i < parameters.size(); ++i)
        if (parameters[i].name == name)
            return i;
    const QString wanted = name.trimmed().toUpper();
    for (int i = 0; i < parameters.size(); ++i)
        if (parameters[i].name.trimmed().toUpper() == wanted)
            return i;
    return -1;
}

int ReportDefinition::columnIndex(const QString& name) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {

struct Token {
    QString key;    // "align" of align=right; empty for a plain word
    QString value;
    bool quoted = false;
    bool is(const char* word) const { return key.isEmpty() && !quoted && value.compare(QLatin1String(word), Qt::CaseInsensitive) == 0; }
};

enum class BandKind { None, ReportHeader, PageHeader, GroupHeader, GroupFooter, ReportFooter, PageFooter };

class Parser {
public:
    Parser(const QString& text, const QString& fileName) : text_(text), file_(fileName) {
        def_.fileName = fileName;
    }
    ReportDefinition run();

private:
    [[noreturn]] void error(int line, const QString& what) const {
        fail(QStringLiteral("%1, line %2: %3").arg(QFileInfo(file_).fileName()).arg(line).arg(what));
    }
    QVector<Token> tokenize(const QString& line);
    void topLevel(const QVector<Token>& t);
    void bandLine(const QVector<Token>& t);
    TextItem textItem(const QVector<Token>& t, int from, int to, BandLine& bl, int index);
    double number(const Token& t, const char* what) const;
    double length(const Token& t, const char* what) const;
    // A length or size option: a number, or "{PARAMETER}" with an optional unit, which the
    // line takes when the report is laid out. Returns the number, or -1 for a parameter.
    double option(const Token& t, const char* what, ParameterOption::Target target, BandLine& bl, int item,
                  bool isLength);
    Qt::Alignment alignment(const Token& t) const;
    ParameterKind kind(const Token& t) const;
    void finish();
    QVector<TemplatePart> parseTemplate(const QString& s, BandKind band, int line);
    Band* bandFor(BandKind kind, const QString& group);

    QString text_;
    QString file_;
    ReportDefinition def_;
    int line_ = 0;
    // Open block.
    enum class Block { None, Query, Band } block_ = Block::None;
    int blockLine_ = 0;
    BandKind band_ = BandKind::None;
    Band* current_ = nullptr;
    QStringList sql_;
    struct PendingBand { BandKind kind; int group; };
    QVector<PendingBand> seenBands_;
};

QVector<Token> Parser::tokenize(const QString& line) {
    QVector<Token> out;
    int i = 0;
    const int n = line.size();
    auto readQuoted = [&](QString& into) {
        ++i;  // opening quote
        for (;;) {
            if (i >= n)
                error(line_, QStringLiteral("text is missing its closing quote"));
            if (line[i] == QLatin1Char('"')) {
                if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                    into += QLatin1Char('"');
                    i += 2;
                    continue;
                }
                ++i;
                return;
            }
            into += line[i++];
        }
    };
    while (i < n) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        Token t;
        if (line[i] == QLatin1Char('"')) {
            readQuoted(t.value);
            t.quoted = true;
        } else if (line[i] == QLatin1Char('|')) {
            t.value = QStringLiteral("|");
            ++i;
        } else {
            QString word;
            while (i < n && !line[i].isSpace() && line[i] != QLatin1Char('"') && line[i] != QLatin1Char('|')) {
                word += line[i++];
                if (word.endsWith(QLatin1Char('=')) && word.size() > 1 && i < n && line[i] == QLatin1Char('"')) {
                    t.key = word.chopped(1).toLower();
                    readQuoted(t.value);
                    t.quoted = true;
                    break;
                }
            }
            if (t.key.isEmpty()) {
                const int eq = word.indexOf(QLatin1Char('='));
                if (eq > 0) {
                    t.key = word.left(eq).toLower();
                    t.value = word.mid(eq + 1);
                } else {
                    t.value = word;
                }
            }
        }
        out << t;
    }
    return out;
}

double Parser::number(const Token& t, const char* what) const {
    bool ok = false;
    const double v = t.value.toDouble(&ok);
    if (!ok || v < 0)
        error(line_, QStringLiteral("%1 must be a number, not \"%2\"").arg(QLatin1String(what), t.value));
    return v;
}

namespace {
// Millimetres per unit of a length written with a unit: "1250tw" twips, "2in" inches, "5mm".
double unitScale(QString& text) {
    const QString lower = text.toLower();
    if (lower.endsWith(QLatin1String("tw"))) {
        text.chop(2);
        return 25.4 / 1440.0;
    }
    if (lower.endsWith(QLatin1String("in"))) {
        text.chop(2);
        return 25.4;
    }
    if (lower.endsWith(QLatin1String("mm")))
        text.chop(2);
    return 1.0;
}
} // namespace

double Parser::length(const Token& t, const char* what) const {
    QString text = t.value;
    const double scale = unitScale(text);
    Token bare = t;
    bare.value = text;
    return number(bare, what) * scale;
}

double Parser::option(const Token& t, const char* what, ParameterOption::Target target, BandLine& bl, int item,
                      bool isLength) {
    if (!t.value.startsWith(QLatin1Char('{')))
        return isLength ? length(t, what) : number(t, what);
    const int close = t.value.indexOf(QLatin1Char('}'));
    if (close < 0)
        error(line_, QStringLiteral("\"{\" without \"}\" in %1=%2").arg(QLatin1String(what), t.value));
    const QString name = t.value.mid(1, close - 1);
    QString unit = t.value.mid(close + 1);
    const QString given = unit;
    const double scale = isLength ? unitScale(unit) : 1.0;
    if (!unit.isEmpty())
        error(line_, QStringLiteral("unknown unit \"%1\" after {%2} (tw, in or mm)").arg(given, name));
    const int parameter = def_.parameterIndex(name);
    if (parameter < 0)
        error(line_, QStringLiteral("{%1} names no parameter (declare the parameters first)").arg(name));
    bl.options << ParameterOption{target, item, parameter, scale};
    def_.hasParameterOptions = true;
    return -1;
}

Qt::Alignment Parser::alignment(const Token& t) const {
    const QString v = t.value.toLower();
    if (v == QLatin1String("left"))
        return Qt::AlignLeft;
    if (v == QLatin1String("right"))
        return Qt::AlignRight;
    if (v == QLatin1String("center") || v == QLatin1String("centre"))
        return Qt::AlignHCenter;
    error(line_, QStringLiteral("align must be left, right or center, not \"%1\"").arg(t.value));
}

ParameterKind Parser::kind(const Token& t) const {
    static const QHash<QString, ParameterKind> kinds{
        {QStringLiteral("text"), ParameterKind::Text},         {QStringLiteral("number"), ParameterKind::Number},
        {QStringLiteral("currency"), ParameterKind::Currency}, {QStringLiteral("integer"), ParameterKind::Integer},
        {QStringLiteral("boolean"), ParameterKind::Boolean},   {QStringLiteral("date"), ParameterKind::Date},
        {QStringLiteral("datetime"), ParameterKind::DateTime}};
    const auto it = kinds.constFind(t.value.toLower());
    if (it == kinds.constEnd())
        error(line_, QStringLiteral("unknown parameter kind \"%1\" (text, integer, number, currency, boolean, "
                                    "date or datetime)").arg(t.value));
    return *it;
}

Band* Parser::bandFor(BandKind kind, const QString& group) {
    switch (kind) {
    case BandKind::ReportHeader: return &def_.reportHeader;
    case BandKind::PageHeader: return &def_.pageHeader;
    case BandKind::ReportFooter: return &def_.reportFooter;
    case BandKind::PageFooter: return &def_.pageFooter;
    case BandKind::GroupHeader:
    case BandKind::GroupFooter:
        for (GroupDef& g : def_.groups)
            if (g.field.compare(group, Qt::CaseInsensitive) == 0)
                return kind == BandKind::GroupHeader ? &g.header : &g.footer;
        error(line_, QStringLiteral("no group on \"%1\" is declared (add: group %1)").arg(group));
    case BandKind::None: break;
    }
    return nullptr;
}

void Parser::topLevel(const QVector<Token>& t) {
    const Token& w = t[0];
    auto need = [&](int count, const char* usage) {
        if (t.size() < count)
            error(line_, QStringLiteral("expected: %1").arg(QLatin1String(usage)));
    };
    auto options = [&](int from, auto&& handle) {
        for (int i = from; i < t.size(); ++i)
            if (!handle(t[i]))
                error(line_, QStringLiteral("unexpected \"%1\"").arg(t[i].key.isEmpty() ? t[i].value
                                                                                      : t[i].key + QLatin1Char('=')));
    };
    if (w.is("title") || w.is("subtitle")) {
        need(2, "title \"text\"");
        (w.is("title") ? def_.title : def_.subtitle) = t[1].value;
        options(2, [](const Token&) { return false; });
    } else if (w.is("paper")) {
        need(2, "paper A4|A5|Letter|Legal|HalfLetter|Label|<width>x<height>[in] [portrait|landscape]");
        static const QHash<QString, QSizeF> sizes{{QStringLiteral("a4"), {210, 297}},
                                                   {QStringLiteral("a5"), {148, 210}},
                                                   {QStringLiteral("letter"), {215.9, 279.4}},
                                                   {QStringLiteral("legal"), {215.9, 355.6}},
                                                   {QStringLiteral("halfletter"), {139.7, 215.9}},
                                                   // a 4 by 2 inch label of a label printer
                                                   {QStringLiteral("label"), {101.6, 50.8}}};
        const QString p = t[1].value.toLower();
        if (sizes.contains(p)) {
            def_.paperMm = sizes.value(p);
        } else {
            QString dims = p;
            const double scale = unitScale(dims);
            const QStringList wh = dims.split(QLatin1Char('x'));
            bool ok1 = false, ok2 = false;
            const double wmm = wh.value(0).toDouble(&ok1) * scale, hmm = wh.value(1).toDouble(&ok2) * scale;
            if (wh.size() != 2 || !ok1 || !ok2 || wmm < 10 || hmm < 10)
                error(line_, QStringLiteral("unknown paper \"%1\"").arg(t[1].value));
            def_.paperMm = {wmm, hmm};
        }
        options(2, [&](const Token& o) {
            if (o.is("landscape") || o.is("portrait")) {
                def_.landscape = o.is("landscape");
                return true;
            }
            return false;
        });
    } else if (w.is("margins")) {
        need(2, "margins <mm> | margins <top> <right> <bottom> <left>");
        if (t.size() == 2) {
            const double m = number(t[1], "a margin");
            def_.marginsMm = {m, m, m, m};
        } else if (t.size() == 5) {
            def_.marginsMm = {number(t[4], "a margin"), number(t[1], "a margin"), number(t[2], "a margin"),
                              number(t[3], "a margin")};
        } else {
            error(line_, QStringLiteral("margins takes one or four numbers"));
        }
    } else if (w.is("font")) {
        need(3, "font \"family\" <size>");
        def_.font.family = t[1].value;
        def_.font.size = number(t[2], "the font size");
        if (def_.font.size < 4)
            error(line_, QStringLiteral("the font size must be at least 4 points"));
        options(3, [](const Token&) { return false; });
    } else if (w.is("parameter")) {
        need(3, "parameter <name> <kind> [default=\"...\"] [format=\"...\"]");
        ParameterDef p;
        p.name = t[1].value;
        p.kind = kind(t[2]);
        p.line = line_;
        if (p.name.isEmpty())
            error(line_, QStringLiteral("a parameter needs a name"));
        for (const ParameterDef& other : def_.parameters)
            if (other.name == p.name)
                error(line_, QStringLiteral("parameter \"%1\" is declared twice (first on line %2)").arg(p.name).arg(other.line));
        options(3, [&](const Token& o) {
            if (o.key == QLatin1String("default")) {
                p.defaultText = o.value;
                p.hasDefault = true;
            } else if (o.key == QLatin1String("format")) {
                p.format = o.value;
            } else {
                return false;
            }
            return true;
        });
        def_.parameters << p;
    } else if (w.is("table")) {
        need(3, "table <name> location=\"database.owner.table\"");
        TableDef tb{t[1].value, QString()};
        options(2, [&](const Token& o) {
            if (o.key != QLatin1String("location"))
                return false;
            tb.location = o.value;
            return true;
        });
        def_.tables << tb;
    } else if (w.is("query")) {
        if (def_.data.kind != DataSource::Kind::None)
            error(line_, QStringLiteral("the report already has its data (line %1)").arg(def_.data.line));
        def_.data.kind = DataSource::Kind::Query;
        def_.data.line = line_;
        block_ = Block::Query;
        blockLine_ = line_;
        options(1, [](const Token&) { return false; });
    } else if (w.is("procedure")) {
        need(2, "procedure <name>");
        if (def_.data.kind != DataSource::Kind::None)
            error(line_, QStringLiteral("the report already has its data (line %1)").arg(def_.data.line));
        def_.data.kind = DataSource::Kind::Procedure;
        def_.data.procedure = t[1].value;
        def_.data.line = line_;
        options(2, [](const Token&) { return false; });
    } else if (w.is("bind")) {
        // bind <name> = <parameter> [+|- <n> day|days], or bind <name> = "constant text"
        if (t.size() < 4 || t[2].value != QLatin1String("="))
            error(line_, QStringLiteral("expected: bind <name> = <parameter> [+ <n> days]"));
        BindDef b;
        b.name = t[1].value.startsWith(QLatin1Char(':')) ? t[1].value.mid(1) : t[1].value;
        b.line = line_;
        if (t[3].quoted) {
            if (t.size() > 4)
                error(line_, QStringLiteral("expected: bind <name> = \"text\""));
            b.constant = t[3].value;
            def_.data.binds << b;
            return;
        }
        b.parameter = def_.parameterIndex(t[3].value);
        if (b.parameter < 0)
            error(line_, QStringLiteral("bind names the unknown parameter \"%1\"").arg(t[3].value));
        if (t.size() > 4) {
            bool ok = false;
            const int n = t.value(5).value.toInt(&ok);
            const QString unit = t.value(6).value.toLower();
            const QString sign = t[4].value;
            if (t.size() != 7 || !ok || (sign != QLatin1String("+") && sign != QLatin1String("-")) ||
                (unit != QLatin1String("day") && unit != QLatin1String("days")))
                error(line_, QStringLiteral("expected: bind <name> = <parameter> + <n> days"));
            if (def_.parameters[b.parameter].kind != ParameterKind::Date &&
                def_.parameters[b.parameter].kind != ParameterKind::DateTime)
                error(line_, QStringLiteral("only a date parameter can be moved by days"));
            b.dayOffset = sign == QLatin1String("+") ? n : -n;
        }
        def_.data.binds << b;
    } else if (w.is("column")) {
        need(2, "column <name> field=<data column> heading=\"...\" width=<mm> [align=...] [format=\"...\"] [sum] [wrap]");
        ColumnDef c;
        c.name = t[1].value;
        c.field = c.name;
        c.heading = c.name;
        c.line = line_;
        if (def_.columnIndex(c.name) >= 0)
            error(line_, QStringLiteral("column \"%1\" is declared twice").arg(c.name));
        options(2, [&](const Token& o) {
            if (o.key == QLatin1String("field"))
                c.field = o.value;
            else if (o.key == QLatin1String("heading"))
                c.heading = o.value;
            else if (o.key == QLatin1String("width"))
                c.width = number(o, "width");
            else if (o.key == QLatin1String("align")) {
                c.align = alignment(o);
                c.alignGiven = true;
            } else if (o.key == QLatin1String("format"))
                c.format = o.value;
            else if (o.is("sum"))
                c.sum = true;
            else if (o.is("wrap"))
                c.wrap = true;
            else
                return false;
            return true;
        });
        if (c.width <= 0)
            error(line_, QStringLiteral("column \"%1\" needs a width above 0").arg(c.name));
        def_.columns << c;
    } else if (w.is("group")) {
        need(2, "group <data column> [format=\"...\"]");
        GroupDef g;
        g.field = t[1].value;
        g.line = line_;
        for (const GroupDef& other : def_.groups)
            if (other.field.compare(g.field, Qt::CaseInsensitive) == 0)
                error(line_, QStringLiteral("group \"%1\" is declared twice").arg(g.field));
        options(2, [&](const Token& o) {
            if (o.key != QLatin1String("format"))
                return false;
            g.format = o.value;
            return true;
        });
        def_.groups << g;
    } else {
        static const QHash<QString, BandKind> bands{{QStringLiteral("reportheader"), BandKind::ReportHeader},
                                                    {QStringLiteral("pageheader"), BandKind::PageHeader},
                                                    {QStringLiteral("groupheader"), BandKind::GroupHeader},
                                                    {QStringLiteral("groupfooter"), BandKind::GroupFooter},
                                                    {QStringLiteral("reportfooter"), BandKind::ReportFooter},
                                                    {QStringLiteral("pagefooter"), BandKind::PageFooter}};
        const auto it = bands.constFind(w.value.toLower());
        if (w.quoted || !w.key.isEmpty() || it == bands.constEnd())
            error(line_, QStringLiteral("unknown statement \"%1\"").arg(w.key.isEmpty() ? w.value : w.key));
        const bool grouped = *it == BandKind::GroupHeader || *it == BandKind::GroupFooter;
        if (grouped && t.size() != 2)
            error(line_, QStringLiteral("expected: %1 <group column>").arg(w.value.toLower()));
        if (!grouped && t.size() != 1)
            error(line_, QStringLiteral("unexpected \"%1\"").arg(t[1].value));
        current_ = bandFor(*it, grouped ? t[1].value : QString());
        if (!current_->isEmpty())
            error(line_, QStringLiteral("this band is defined twice"));
        band_ = *it;
        block_ = Block::Band;
        blockLine_ = line_;
    }
}

TextItem Parser::textItem(const QVector<Token>& t, int from, int to, BandLine& bl, int index) {
    using Target = ParameterOption::Target;
    TextItem item;
    bool haveText = false;
    const bool picture = bl.kind == BandLine::Kind::Image;
    for (int i = from; i < to; ++i) {
        const Token& o = t[i];
        if (o.quoted && o.key.isEmpty() && !haveText) {
            item.parts.append(TemplatePart{TemplatePart::Kind::Literal, o.value, -1, QString()});  // resolved in finish()
            haveText = true;
        } else if (o.key == QLatin1String("x")) {
            item.x = option(o, "x", Target::X, bl, index, true);
        } else if (o.key == QLatin1String("y")) {
            bl.top = option(o, "y", Target::Top, bl, index, true);
            if (bl.top < 0)
                bl.top = 0;  // set from the parameter when laid out
        } else if (o.key == QLatin1String("width") && !picture) {
            item.width = option(o, "width", Target::Width, bl, index, true);
        } else if (o.key == QLatin1String("align") && !picture) {
            item.align = alignment(o);
        } else if (o.key == QLatin1String("size") && !picture) {
            item.size = option(o, "size", Target::Size, bl, index, false);
        } else if (o.key == QLatin1String("font") && !picture) {
            item.familyParts.append(TemplatePart{TemplatePart::Kind::Literal, o.value, -1, QString()});
        } else if (o.is("bold") && !picture) {
            item.bold = true;
        } else if (o.is("italic") && !picture) {
            item.italic = true;
        } else if (o.is("underline") && !picture) {
            item.underline = true;
        } else if (o.is("omitblank") && bl.kind == BandLine::Kind::Text) {
            bl.omitBlank = true;
        } else {
            error(line_, QStringLiteral("unexpected \"%1\" in %2").arg(o.key.isEmpty() ? o.value : o.key + QLatin1Char('='),
                                                                     picture ? QStringLiteral("an image")
                                                                     : bl.kind == BandLine::Kind::Barcode
                                                                         ? QStringLiteral("a barcode")
                                                                         : QStringLiteral("a text item")));
        }
    }
    if (!haveText)
        error(line_, picture ? QStringLiteral("an image needs its \"file\"")
                     : bl.kind == BandLine::Kind::Barcode ? QStringLiteral("a barcode needs its \"data\"")
                                                          : QStringLiteral("a text item needs its \"text\""));
    return item;
}

void Parser::bandLine(const QVector<Token>& t) {
    BandLine bl;
    bl.line = line_;
    const Token& w = t[0];
    if (w.is("text")) {
        bl.kind = BandLine::Kind::Text;
        int from = 1;
        for (int i = 1; i <= t.size(); ++i) {
            if (i == t.size() || (!t[i].quoted && t[i].value == QLatin1String("|"))) {
                bl.items << textItem(t, from, i, bl, bl.items.size());
                from = i + 1;
            }
        }
    } else if (w.is("image") || w.is("barcode")) {
        bl.kind = w.is("image") ? BandLine::Kind::Image : BandLine::Kind::Barcode;
        bl.items << textItem(t, 1, t.size(), bl, 0);
    } else if (w.is("rule")) {
        bl.kind = BandLine::Kind::Rule;
        if (t.size() != 1)
            error(line_, QStringLiteral("rule takes nothing more"));
    } else if (w.is("space")) {
        bl.kind = BandLine::Kind::Space;
        if (t.size() != 2)
            error(line_, QStringLiteral("expected: space <length>"));
        bl.space = option(t[1], "space", ParameterOption::Target::Space, bl, 0, true);
        if (bl.space < 0)
            bl.space = 0;
    } else if (w.is("totals")) {
        if (band_ != BandKind::GroupFooter && band_ != BandKind::ReportFooter)
            error(line_, QStringLiteral("totals belong in a group footer or the report footer"));
        bl.kind = BandLine::Kind::Totals;
        if (t.size() > 2)
            error(line_, QStringLiteral("expected: totals [\"label\"]"));
        bl.label = t.size() == 2 ? t[1].value : QString();
        if (std::none_of(def_.columns.cbegin(), def_.columns.cend(), [](const ColumnDef& c) { return c.sum; }))
            error(line_, QStringLiteral("totals need a column marked sum (declare the columns first)"));
    } else {
        error(line_, QStringLiteral("unknown band statement \"%1\" (text, image, barcode, rule, space, totals or end)")
                         .arg(w.value));
    }
    current_->lines << bl;
}

QVector<TemplatePart> Parser::parseTemplate(const QString& s, BandKind band, int line) {
    QVector<TemplatePart> parts;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty())
            parts << TemplatePart{TemplatePart::Kind::Literal, literal, -1, QString()};
        literal.clear();
    };
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('{')) {
            literal += s[i];
            continue;
        }
        if (i + 1 < s.size() && s[i + 1] == QLatin1Char('{')) {
            literal += QLatin1Char('{');
            ++i;
            continue;
        }
        const int close = s.indexOf(QLatin1Char('}'), i);
        if (close < 0)
            error(line, QStringLiteral("\"{\" without \"}\" in \"%1\"").arg(s));
        QString body = s.mid(i + 1, close - i - 1);
        i = close;
        TemplatePart p;
        const int bar = body.indexOf(QLatin1Char('|'));
        if (bar >= 0) {
            p.format = body.mid(bar + 1);
            body = body.left(bar);
        }
        const QString upper = body.trimmed().toUpper();
        if (upper.startsWith(QLatin1String("FIELD:"))) {
            p.kind = TemplatePart::Kind::Field;
            p.text = body.mid(body.indexOf(QLatin1Char(':')) + 1).trimmed();
        } else if (upper.startsWith(QLatin1String("SUM:"))) {
            if (band != BandKind::GroupFooter && band != BandKind::ReportFooter)
                error(line, QStringLiteral("{%1} belongs in a group footer or the report footer").arg(body));
            p.kind = TemplatePart::Kind::Sum;
            p.index = def_.columnIndex(body.mid(body.indexOf(QLatin1Char(':')) + 1).trimmed());
            if (p.index < 0)
                error(line, QStringLiteral("{%1} names no column").arg(body));
        } else if (upper == QLatin1String("PAGE")) {
            p.kind = TemplatePart::Kind::Page;
        } else if (upper == QLatin1String("PAGES")) {
            p.kind = TemplatePart::Kind::Pages;
        } else if (upper == QLatin1String("PRINTTIME")) {
            p.kind = TemplatePart::Kind::PrintTime;
        } else if (upper == QLatin1String("TITLE") && def_.parameterIndex(body) < 0) {
            // A file that declares a TITLE parameter prints it; others print the report's title.
            p.kind = TemplatePart::Kind::Title;
        } else if (upper == QLatin1String("SUBTITLE")) {
            p.kind = TemplatePart::Kind::Subtitle;
        } else if (upper == QLatin1String("COUNT")) {
            if (band != BandKind::GroupFooter && band != BandKind::ReportFooter)
                error(line, QStringLiteral("{COUNT} belongs in a group footer or the report footer"));
            p.kind = TemplatePart::Kind::Count;
        } else {
            p.kind = TemplatePart::Kind::Parameter;
            p.index = def_.parameterIndex(body);
            if (p.index < 0)
                error(line, QStringLiteral("{%1} names no parameter").arg(body));
        }
        flush();
        parts << p;
    }
    flush();
    return parts;
}

void Parser::finish() {
    auto resolve = [&](Band& b, BandKind kind) {
        for (BandLine& bl : b.lines)
            for (TextItem& item : bl.items) {
                item.parts = parseTemplate(item.parts.value(0).text, kind, bl.line);
                const bool byParameters = std::all_of(item.parts.cbegin(), item.parts.cend(), [](const TemplatePart& p) {
                    return p.kind == TemplatePart::Kind::Literal || p.kind == TemplatePart::Kind::Parameter;
                });
                if (bl.omitBlank && !byParameters)
                    error(bl.line, QStringLiteral("omitblank lines print literal texts and parameters only"));
                if (bl.omitBlank)
                    def_.hasParameterOptions = true;
                if (!item.familyParts.isEmpty()) {
                    item.familyParts = parseTemplate(item.familyParts[0].text, kind, bl.line);
                    for (const TemplatePart& p : item.familyParts)
                        if (p.kind != TemplatePart::Kind::Literal && p.kind != TemplatePart::Kind::Parameter)
                            error(bl.line, QStringLiteral("a font name takes literal text and parameters only"));
                    if (item.familyParts.size() == 1 && item.familyParts[0].kind == TemplatePart::Kind::Literal)
                        item.family = item.familyParts.takeFirst().text;
                    else
                        def_.hasParameterOptions = true;
                }
            }
    };
    resolve(def_.reportHeader, BandKind::ReportHeader);
    resolve(def_.pageHeader, BandKind::PageHeader);
    resolve(def_.reportFooter, BandKind::ReportFooter);
    resolve(def_.pageFooter, BandKind::PageFooter);
    for (GroupDef& g : def_.groups) {
        resolve(g.header, BandKind::GroupHeader);
        resolve(g.footer, BandKind::GroupFooter);
    }

    DataSource& d = def_.data;
    if (d.kind == DataSource::Kind::None && (!def_.columns.isEmpty() || !def_.groups.isEmpty()))
        error(def_.columns.isEmpty() ? def_.groups[0].line : def_.columns[0].line,
              QStringLiteral("columns and groups need the report's data (a query or a procedure)"));
    if (d.kind == DataSource::Kind::None && !d.binds.isEmpty())
        error(d.binds[0].line, QStringLiteral("bind needs a query or a procedure"));
    if (d.kind == DataSource::Kind::Query) {
        if (d.sql.trimmed().isEmpty())
            error(d.line, QStringLiteral("the query is empty"));
        // Placeholders without a bind line take the parameter of the same name ('@' left off).
        static const QRegularExpression placeholder(QStringLiteral("(?<![:\\w]):([A-Za-z_][A-Za-z0-9_]*)"));
        auto it = placeholder.globalMatch(d.sql);
        while (it.hasNext()) {
            const QString name = it.next().captured(1);
            const bool bound = std::any_of(d.binds.cbegin(), d.binds.cend(),
                                           [&](const BindDef& b) { return b.name.compare(name, Qt::CaseInsensitive) == 0; });
            if (bound)
                continue;
            int found = -1;
            for (int i = 0; i < def_.parameters.size() && found < 0; ++i) {
                QString p = def_.parameters[i].name.trimmed();
                if (p.startsWith(QLatin1Char('@')))
                    p = p.mid(1);
                if (p.compare(name, Qt::CaseInsensitive) == 0)
                    found = i;
            }
            if (found < 0)
                error(d.line, QStringLiteral("the query's :%1 matches no parameter (declare it or add a bind line)").arg(name));
            d.binds << BindDef{name, found, 0, d.line, QString()};
        }
    }
}

ReportDefinition Parser::run() {
    const QStringList lines = text_.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        line_ = i + 1;
        QString raw = lines[i];
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString trimmed = raw.trimmed();
        if (block_ == Block::Query) {
            if (trimmed.compare(QLatin1String("end"), Qt::CaseInsensitive) == 0) {
                def_.data.sql = sql_.join(QLatin1Char('\n')).trimmed();
                block_ = Block::None;
            } else {
                sql_ << raw;
            }
            continue;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const QVector<Token> t = tokenize(trimmed);
        if (block_ == Block::Band) {
            if (t.size() == 1 && t[0].is("end")) {
                block_ = Block::None;
                current_ = nullptr;
            } else {
                bandLine(t);
            }
            continue;
        }
        if (t[0].is("end"))
            error(line_, QStringLiteral("\"end\" without a block to close"));
        topLevel(t);
    }
    if (block_ != Block::None)
        error(blockLine_, QStringLiteral("this block has no \"end\""));
    finish();
    return def_;
}

} // namespace

ReportDefinition parseReportDefinition(const QString& text, const QString& fileName) {
    return Parser(text, fileName).run();
}

ReportDefinition loadReportDefinition(const QString& path) {
    const QString real = findPathIgnoringCase(path);
    QFile f(real.isEmpty() ? path : real);
    if (real.isEmpty() || !f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(path)));
    const QByteArray bytes = f.readAll();
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (bytes.contains('\0'))
        fail(QStringLiteral("%1, line 1: not a report definition (binary file)").arg(QFileInfo(real).fileName()));
    return parseReportDefinition(text, real);
}

QString findPathIgnoringCase(const QString& path) {
    if (path.isEmpty())
        return QString();
    // Report paths are also written with backslashes; no report name contains one.
    QString slashed = path;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString clean = QDir::cleanPath(slashed);
    if (QFileInfo::exists(clean))
        return clean;
    QStringList parts = clean.split(QLatin1Char('/'));
    QString built = clean.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QStringLiteral(".");
    if (clean.startsWith(QLatin1Char('/')))
        parts.removeFirst();
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        QString next = QDir(built).filePath(part);
        if (!QFileInfo::exists(next)) {
            next.clear();
            const QStringList entries = QDir(built).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = QDir(built).filePath(e);
                    break;
                }
            if (next.isEmpty())
                return QString();
        }
        built = next;
    }
    return clean.startsWith(QLatin1Char('/')) ? built : QDir::cleanPath(built);
}

namespace {
std::function<QString(const QString&)>& fileResolver() {
    static std::function<QString(const QString&)> resolver;
    return resolver;
}
} // namespace

void setReportFileResolver(std::function<QString(const QString& name)> resolver) {
    fileResolver() = std::move(resolver);
}

QString resolveReportFile(const QString& name, const QString& reportPath) {
    if (name.isEmpty())
        return QString();
    if (QDir::isAbsolutePath(name) || name.startsWith(QLatin1Char('\\')))
        return findPathIgnoringCase(name);
    if (fileResolver())
        return fileResolver()(name);
    return findPathIgnoringCase(QFileInfo(reportPath).dir().filePath(name));
}

} // namespace qx::report
