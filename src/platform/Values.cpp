#include "platform/Values.h"
#include "components/AppError.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace qx {

namespace {

const QString kSource = QStringLiteral("prjQuillax");

[[noreturn]] void raise(long number) {
    static const QHash<long, QString> texts = {
        {kErrInvalidCall, QStringLiteral("Invalid procedure call or argument")},
        {kErrOverflow, QStringLiteral("Overflow")},
        {kErrTypeMismatch, QStringLiteral("Type mismatch")},
        {kErrInvalidNull, QStringLiteral("Invalid use of Null")},
    };
    throw AppError(number, kSource, texts.value(number));
}

const QDate kSerialEpoch(1899, 12, 30);

const std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                 "May",     "June",     "July",      "August",
                                                 "September", "October", "November", "December"};
const std::array<const char*, 7> kDayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                              "Friday", "Saturday", "Sunday"};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool isNumberType(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::Char: case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isDateType(const QVariant& v) {
    const int t = v.typeId();
    return t == QMetaType::QDateTime || t == QMetaType::QDate || t == QMetaType::QTime;
}

QDateTime dateOf(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QDate: return QDateTime(v.toDate(), QTime(0, 0));
    case QMetaType::QTime: return QDateTime(kSerialEpoch, v.toTime());
    default: return v.toDateTime();
    }
}

// Reads a whole numeric text; nullopt when it is not one.
std::optional<double> parseNumber(const QString& text) {
    QString s = text;
    while (!s.isEmpty() && isBlank(s.front())) s.remove(0, 1);
    while (!s.isEmpty() && isBlank(s.back())) s.chop(1);
    if (s.isEmpty())
        return std::nullopt;

    if (s.size() > 2 && s[0] == u'&' && (s[1].toUpper() == u'H' || s[1].toUpper() == u'O')) {
        bool ok = false;
        const qlonglong v = s.mid(2).toLongLong(&ok, s[1].toUpper() == u'H' ? 16 : 8);
        return ok ? std::optional<double>(double(v)) : std::nullopt;
    }

    bool negative = false;
    if (s.front() == u'(' && s.back() == u')') {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    auto takeSign = [&](QChar c) {
        if (c == u'-') negative = !negative;
        return c == u'-' || c == u'+';
    };
    if (!s.isEmpty() && takeSign(s.front())) s = s.mid(1).trimmed();
    else if (!s.isEmpty() && takeSign(s.back())) s = s.left(s.size() - 1).trimmed();

    QString plain;
    int i = 0, digits = 0;
    const int n = int(s.size());
    for (; i < n && (s[i].isDigit() || (s[i] == u',' && digits > 0)); ++i)
        if (s[i] != u',') { plain += s[i]; ++digits; }
    if (i < n && s[i] == u'.') {
        plain += u'.';
        for (++i; i < n && s[i].isDigit(); ++i) { plain += s[i]; ++digits; }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && QStringLiteral("eEdD").contains(s[i])) {
        QString exponent = QStringLiteral("e");
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) exponent += s[i++];
        const int start = i;
        for (; i < n && s[i].isDigit(); ++i) exponent += s[i];
        if (i == start)
            return std::nullopt;
        plain += exponent;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return negative ? -v : v;
}

// ---- Dates from text ----

int yearOf(const QString& digits) {
    const int y = digits.toInt();
    if (digits.size() > 2)
        return y;
    return y < 30 ? 2000 + y : 1900 + y;
}

int monthFromName(const QString& word) {
    if (word.size() < 3)
        return 0;
    for (int m = 0; m < 12; ++m)
        if (QLatin1String(kMonthNames[m]).startsWith(word, Qt::CaseInsensitive))
            return m + 1;
    return 0;
}

std::optional<QTime> parseTime(const QString& text) {
    static const QRegularExpression withColon(QStringLiteral(
        R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,3}))?)?\s*(?:([AaPp])[Mm]?)?$)"));
    static const QRegularExpression hourOnly(QStringLiteral(R"(^(\d{1,2})\s*([AaPp])[Mm]?$)"));
    QRegularExpressionMatch m = withColon.match(text);
    int h, mi = 0, s = 0, ms = 0;
    QString half;
    if (m.hasMatch()) {
        h = m.captured(1).toInt();
        mi = m.captured(2).toInt();
        s = m.captured(3).toInt();
        ms = m.captured(4).leftJustified(3, u'0').toInt();
        half = m.captured(5).toUpper();
    } else if ((m = hourOnly.match(text)).hasMatch()) {
        h = m.captured(1).toInt();
        half = m.captured(2).toUpper();
    } else {
        return std::nullopt;
    }
    if (!half.isEmpty()) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h = h % 12 + (half == u"P" ? 12 : 0);
    }
    const QTime t(h, mi, s, ms);
    return t.isValid() ? std::optional<QTime>(t) : std::nullopt;
}

std::optional<QDate> parseDatePart(const QString& text) {
    static const QRegularExpression monthFirst(
        QStringLiteral(R"(^(\d{1,2})\s*[/\-.]\s*(\d{1,2})(?:\s*[/\-.]\s*(\d{4}|\d{1,2}))?$)"));
    static const QRegularExpression yearFirst(
        QStringLiteral(R"(^(\d{4})\s*[/\-.]\s*(\d{1,2})\s*[/\-.]\s*(\d{1,2})$)"));
    static const QRegularExpression nameFirst(
        QStringLiteral(R"(^([A-Za-z]{3,})\.?[\s\-/]*(\d{1,2})(?:\s*,\s*|[\s\-/]+)(\d{4}|\d{2})$)"));
    static const QRegularExpression dayFirstName(
        QStringLiteral(R"(^(\d{1,2})[\s\-/]*([A-Za-z]{3,})\.?(?:\s*,\s*|[\s\-/]+)(\d{4}|\d{2})$)"));
    int y = 0, mo = 0, d = 0;
    QRegularExpressionMatch m;
    if ((m = monthFirst.match(text)).hasMatch()) {
        mo = m.captured(1).toInt();
        d = m.captured(2).toInt();
        y = m.captured(3).isEmpty() ? QDate::currentDate().year() : yearOf(m.captured(3));
    } else if ((m = yearFirst.match(text)).hasMatch()) {
        y = m.captured(1).toInt();
        mo = m.captured(2).toInt();
        d = m.captured(3).toInt();
    } else if ((m = nameFirst.match(text)).hasMatch()) {
        mo = monthFromName(m.captured(1));
        d = m.captured(2).toInt();
        y = yearOf(m.captured(3));
    } else if ((m = dayFirstName.match(text)).hasMatch()) {
        d = m.captured(1).toInt();
        mo = monthFromName(m.captured(2));
        y = yearOf(m.captured(3));
    } else {
        return std::nullopt;
    }
    const QDate date(y, mo, d);
    if (!date.isValid() || y < 100 || y > 9999)
        return std::nullopt;
    return date;
}

std::optional<QDateTime> parseDate(const QString& raw) {
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (auto t = parseTime(text))
        return QDateTime(kSerialEpoch, *t);
    if (auto d = parseDatePart(text))
        return QDateTime(*d, QTime(0, 0));
    // A date, then a time after a blank or a 'T'.
    static const QRegularExpression split(QStringLiteral(R"(^(.*\S)(?:\s+|T)(\d{1,2}(?::\d{1,2}.*|\s*[AaPp][Mm]?))$)"));
    const QRegularExpressionMatch m = split.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const auto d = parseDatePart(m.captured(1).trimmed());
    const auto t = parseTime(m.captured(2).trimmed());
    if (!d || !t)
        return std::nullopt;
    return QDateTime(*d, *t);
}

// ---- Text of numbers and dates ----

QString numberText(double v) {
    if (v == 0)
        return QStringLiteral("0");
    QString s = QString::number(v, 'g', 15);
    const qsizetype e = s.indexOf(u'e');
    if (e < 0)
        return s;
    // "1e+15" is written "1E+15", "1e-05" "1E-05".
    return s.left(e) + u'E' + s.mid(e + 1);
}

QString hour12(int h) { return QString::number(h % 12 == 0 ? 12 : h % 12); }

QString generalDateText(const QDateTime& dt) {
    const QTime t = dt.time();
    const QString time = hour12(t.hour()) + u':' + QString::number(t.minute()).rightJustified(2, u'0')
                         + u':' + QString::number(t.second()).rightJustified(2, u'0')
                         + (t.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
    const QDate d = dt.date();
    const QString date = QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
    if (d == kSerialEpoch)
        return time;
    if (t == QTime(0, 0))
        return date;
    return date + u' ' + time;
}

// ---- Numeric patterns ----

struct Digits {
    QString integer;  // no leading zeros; empty for 0
    QString fraction; // exactly the requested number of digits
    bool isZero() const {
        for (QChar c : integer + fraction)
            if (c != u'0') return false;
        return true;
    }
};

// |value| rounded to `decimals` places, halves away from zero, on its 15-significant-digit
// decimal form (so 1.005 rounds to 1.01, as the platform's Format does).
Digits decimalDigits(double value, int decimals) {
    const QString e = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde±XX
    QString all = e.left(1) + e.mid(2, 14);
    int intLen = e.mid(e.indexOf(u'e') + 1).toInt() + 1;
    if (intLen <= 0) {
        all = QString(-intLen, u'0') + all;
        intLen = 0;
    }
    const int keep = intLen + decimals;
    if (all.size() < keep + 1)
        all += QString(keep + 1 - all.size(), u'0');
    const bool up = all[keep] >= u'5';
    all.truncate(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && all[i] == u'9'; --i) all[i] = u'0';
        if (i >= 0) all[i] = QChar(all[i].unicode() + 1);
        else { all.prepend(u'1'); ++intLen; }
    }
    Digits d;
    d.integer = all.left(intLen);
    d.fraction = all.mid(intLen);
    while (!d.integer.isEmpty() && d.integer.front() == u'0') d.integer.remove(0, 1);
    return d;
}

struct Token {
    enum Kind { Digit, Point, Literal } kind;
    QString text; // '0' or '#' for a digit, the characters of a literal
};

struct NumberPattern {
    QList<Token> integer, fraction;
    bool hasPoint = false;
    bool grouping = false;
    int scaleThousands = 0;
    bool percent = false;
};

// Splits off quoted and escaped literals; `visit` sees each character with whether it is literal.
template <typename F>
void walkPattern(const QString& pattern, F visit) {
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\\' && i + 1 < pattern.size()) {
            visit(pattern[++i], true);
        } else if (c == u'"') {
            for (++i; i < pattern.size() && pattern[i] != u'"'; ++i) visit(pattern[i], true);
        } else {
            visit(c, false);
        }
    }
}

NumberPattern parseNumberPattern(const QString& section) {
    QList<Token> tokens;
    walkPattern(section, [&](QChar c, bool literal) {
        if (!literal && (c == u'0' || c == u'#')) tokens.append(Token{Token::Digit, QString(c)});
        else if (!literal && c == u'.') tokens.append(Token{Token::Point, QString()});
        else if (!literal && c == u',') tokens.append(Token{Token::Literal, QStringLiteral("\x01")});
        else {
            if (!literal && c == u'%') tokens.append({Token::Literal, QStringLiteral("%")});
            else tokens.append({Token::Literal, QString(c)});
        }
    });

    NumberPattern p;
    bool seenPoint = false;
    for (const Token& t : tokens) {
        if (t.kind == Token::Point && !seenPoint) { seenPoint = p.hasPoint = true; continue; }
        if (t.kind == Token::Literal && t.text == u"%") p.percent = true;
        (seenPoint ? p.fraction : p.integer).append(t.kind == Token::Point ? Token{Token::Literal, "."} : t);
    }
    // A comma with digit placeholders on both sides groups thousands; commas after the last
    // integer placeholder divide by a thousand each. Other commas are dropped.
    int lastDigit = -1, firstDigit = -1;
    for (int i = 0; i < p.integer.size(); ++i)
        if (p.integer[i].kind == Token::Digit) { if (firstDigit < 0) firstDigit = i; lastDigit = i; }
    QList<Token> cleaned;
    for (int i = 0; i < p.integer.size(); ++i) {
        const Token& t = p.integer[i];
        if (t.kind == Token::Literal && t.text == u"\x01") {
            if (i > firstDigit && i < lastDigit && firstDigit >= 0) p.grouping = true;
            else if (i > lastDigit && lastDigit >= 0) ++p.scaleThousands;
            continue;
        }
        cleaned.append(t);
    }
    p.integer = cleaned;
    p.fraction.removeIf([](const Token& t) { return t.kind == Token::Literal && t.text == u"\x01"; });
    return p;
}

QString formatNumberSection(double value, const QString& section, bool writeSign) {
    const NumberPattern p = parseNumberPattern(section);
    double v = value;
    if (p.percent) v *= 100;
    for (int i = 0; i < p.scaleThousands; ++i) v /= 1000;

    int decimals = 0;
    for (const Token& t : p.fraction) decimals += t.kind == Token::Digit;
    Digits d = decimalDigits(v, decimals);

    // Integer part: digits fill the placeholders from the right; the leftmost placeholder takes
    // whatever digits remain; a '0' without a digit writes 0, a '#' nothing.
    int leftmost = -1;
    for (int i = 0; i < p.integer.size(); ++i)
        if (p.integer[i].kind == Token::Digit) { leftmost = i; break; }
    QString out;
    int next = int(d.integer.size()) - 1;
    int written = 0;
    auto put = [&](QChar c) {
        if (p.grouping && written > 0 && written % 3 == 0) out.prepend(u',');
        out.prepend(c);
        ++written;
    };
    for (int i = int(p.integer.size()) - 1; i >= 0; --i) {
        const Token& t = p.integer[i];
        if (t.kind != Token::Digit) { out.prepend(t.text); continue; }
        if (next >= 0) put(d.integer[next--]);
        else if (t.text == u"0") put(u'0');
        if (i == leftmost)
            while (next >= 0) put(d.integer[next--]);
    }

    // Fraction: '#' places drop trailing zeros.
    int keepTo = int(d.fraction.size());
    {
        int k = int(d.fraction.size());
        for (int i = int(p.fraction.size()) - 1; i >= 0 && k > 0; --i) {
            if (p.fraction[i].kind != Token::Digit) continue;
            if (p.fraction[i].text == u"#" && d.fraction[k - 1] == u'0' && keepTo == k) keepTo = k - 1;
            --k;
            if (keepTo != k) break;
        }
    }
    QString fraction;
    int k = 0;
    for (const Token& t : p.fraction) {
        if (t.kind == Token::Digit) {
            if (k < keepTo) fraction += d.fraction[k];
            ++k;
        } else {
            fraction += t.text;
        }
    }
    if (leftmost < 0)
        out += d.integer; // no integer placeholders: the digits still show
    QString result = out + (p.hasPoint ? QStringLiteral(".") : QString()) + fraction;
    // No "-0.00": a value that rounds to zero is written without its sign.
    if (writeSign && value < 0 && !d.isZero())
        result.prepend(u'-');
    return result;
}

// Splits a pattern at ';' outside literals.
QStringList sections(const QString& pattern) {
    QStringList parts{QString()};
    bool quoted = false;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'"') quoted = !quoted;
        if (c == u';' && !quoted) { parts.append(QString()); continue; }
        parts.back() += c;
        if (c == u'\\' && i + 1 < pattern.size()) parts.back() += pattern[++i];
    }
    return parts;
}

QString formatNumber(double value, const QString& pattern) {
    const QStringList parts = sections(pattern);
    if (value < 0 && parts.size() > 1 && !parts[1].isEmpty())
        return formatNumberSection(-value, parts[1], false);
    if (value == 0 && parts.size() > 2 && !parts[2].isEmpty())
        return formatNumberSection(0, parts[2], false);
    return formatNumberSection(value, parts[0], true);
}

// ---- Date patterns ----

struct DateToken {
    QString code; // lower-case code ("mm", "yyyy", "ampm", ...) or empty for a literal
    QString text; // the literal, or the code as written (for the case of AM/PM)
};

QList<DateToken> tokenizeDate(const QString& pattern) {
    QList<DateToken> tokens;
    auto literal = [&](const QString& s) { tokens.append({QString(), s}); };
    int i = 0;
    const int n = int(pattern.size());
    while (i < n) {
        const QChar c = pattern[i];
        const QString rest = pattern.mid(i);
        if (c == u'\\' && i + 1 < n) { literal(QString(pattern[i + 1])); i += 2; continue; }
        if (c == u'"') {
            const qsizetype end = pattern.indexOf(u'"', i + 1);
            literal(pattern.mid(i + 1, (end < 0 ? n : end) - i - 1));
            i = end < 0 ? n : int(end) + 1;
            continue;
        }
        bool matched = false;
        for (const char* multi : {"am/pm", "ampm", "a/p"}) {
            const QString m = QLatin1String(multi);
            if (rest.startsWith(m, Qt::CaseInsensitive)) {
                tokens.append({m, rest.left(m.size())});
                i += int(m.size());
                matched = true;
                break;
            }
        }
        if (matched) continue;
        const QChar lower = c.toLower();
        if (QStringLiteral("dmyhnsqw").contains(lower)) {
            int j = i;
            while (j < n && pattern[j].toLower() == lower) ++j;
            tokens.append({QString(j - i, lower), pattern.mid(i, j - i)});
            i = j;
            continue;
        }
        literal(QString(c));
        ++i;
    }
    return tokens;
}

QString formatDate(const QDateTime& dt, const QString& pattern) {
    QList<DateToken> tokens = tokenizeDate(pattern);
    bool twelveHour = false;
    for (const DateToken& t : tokens) twelveHour |= t.code.startsWith(u'a');

    auto neighbour = [&](int i, int step) -> QString {
        for (int j = i + step; j >= 0 && j < tokens.size(); j += step)
            if (!tokens[j].code.isEmpty()) return tokens[j].code;
        return {};
    };
    const QDate d = dt.date();
    const QTime t = dt.time();
    auto two = [](int v) { return QString::number(v).rightJustified(2, u'0'); };
    QString out;
    for (int i = 0; i < tokens.size(); ++i) {
        const DateToken& tk = tokens[i];
        const QString& c = tk.code;
        if (c.isEmpty()) {
            out += tk.text; // '/' and ':' are the regional separators, which are the same
            continue;
        }
        if (c.startsWith(u'm') && c.size() <= 2
            && (neighbour(i, -1).startsWith(u'h') || neighbour(i, +1).startsWith(u's'))) {
            out += c.size() == 1 ? QString::number(t.minute()) : two(t.minute());
            continue;
        }
        const int hour = twelveHour ? (t.hour() % 12 == 0 ? 12 : t.hour() % 12) : t.hour();
        const bool pm = t.hour() >= 12;
        if (c == u"d") out += QString::number(d.day());
        else if (c == u"dd") out += two(d.day());
        else if (c == u"ddd") out += QLatin1String(kDayNames[d.dayOfWeek() - 1]).left(3);
        else if (c == u"dddd") out += QLatin1String(kDayNames[d.dayOfWeek() - 1]);
        else if (c == u"ddddd") out += formatDate(dt, QStringLiteral("m/d/yyyy"));
        else if (c == u"dddddd") out += formatDate(dt, QStringLiteral("dddd, mmmm dd, yyyy"));
        else if (c == u"m") out += QString::number(d.month());
        else if (c == u"mm") out += two(d.month());
        else if (c == u"mmm") out += QLatin1String(kMonthNames[d.month() - 1]).left(3);
        else if (c.startsWith(u"mmmm")) out += QLatin1String(kMonthNames[d.month() - 1]);
        else if (c == u"y") out += QString::number(d.dayOfYear());
        else if (c == u"yy") out += two(d.year() % 100);
        else if (c.startsWith(u"yyy")) out += QString::number(d.year()).rightJustified(4, u'0');
        else if (c == u"h") out += QString::number(hour);
        else if (c.startsWith(u"hh")) out += two(hour);
        else if (c == u"n") out += QString::number(t.minute());
        else if (c.startsWith(u"nn")) out += two(t.minute());
        else if (c == u"s") out += QString::number(t.second());
        else if (c.startsWith(u"ss")) out += two(t.second());
        else if (c == u"q") out += QString::number((d.month() - 1) / 3 + 1);
        else if (c == u"w") out += QString::number(d.dayOfWeek() % 7 + 1);
        else if (c == u"ww") out += QString::number(d.weekNumber());
        else if (c == u"ampm") out += pm ? QStringLiteral("PM") : QStringLiteral("AM");
        else if (c == u"am/pm") {
            const QString s = pm ? tk.text.mid(3, 2) : tk.text.left(2); // the case as written
            out += s;
        } else if (c == u"a/p") out += pm ? tk.text.mid(2, 1) : tk.text.left(1);
        else out += tk.text;
    }
    return out;
}

// The named formats, as patterns of the two kinds.
std::optional<QString> namedPattern(const QString& name, bool* isDate) {
    static const QHash<QString, std::pair<QString, bool>> named = {
        {QStringLiteral("fixed"), {QStringLiteral("0.00"), false}},
        {QStringLiteral("standard"), {QStringLiteral("#,##0.00"), false}},
        {QStringLiteral("percent"), {QStringLiteral("0.00%"), false}},
        {QStringLiteral("short date"), {QStringLiteral("m/d/yyyy"), true}},
        {QStringLiteral("medium date"), {QStringLiteral("dd-mmm-yy"), true}},
        {QStringLiteral("long date"), {QStringLiteral("dddd, mmmm dd, yyyy"), true}},
        {QStringLiteral("short time"), {QStringLiteral("hh:nn"), true}},
        {QStringLiteral("medium time"), {QStringLiteral("hh:nn AMPM"), true}},
        {QStringLiteral("long time"), {QStringLiteral("h:nn:ss AMPM"), true}},
    };
    const auto it = named.find(name.trimmed().toLower());
    if (it == named.end())
        return std::nullopt;
    *isDate = it->second;
    return it->first;
}

bool looksLikeDatePattern(const QString& pattern) {
    bool digits = false, dateCodes = false;
    walkPattern(pattern, [&](QChar c, bool literal) {
        if (literal) return;
        if (c == u'0' || c == u'#') digits = true;
        if (QStringLiteral("dmyhnsqwDMYHNSQW").contains(c)) dateCodes = true;
    });
    return dateCodes && !digits;
}

} // namespace

bool IsNull(const QVariant& value) { return !value.isValid() || value.isNull(); }

QString Text(const QVariant& value) {
    if (IsNull(value))
        return {};
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (value.typeId() == QMetaType::Float) // single precision shows 7 digits
        return numberText(QString::number(value.toFloat(), 'g', 7).toDouble());
    if (isNumberType(value))
        return numberText(value.toDouble());
    if (isDateType(value))
        return dateOf(value).isValid() ? generalDateText(dateOf(value)) : QString();
    return value.toString();
}

QString Str(double number) {
    QString text = numberText(number);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return number < 0 ? text : QStringLiteral(" ") + text;
}

QString CStr(const QVariant& value) {
    if (IsNull(value))
        raise(kErrInvalidNull);
    return Text(value);
}

QString Format(const QVariant& value, const QString& pattern) {
    if (IsNull(value))
        return {};
    if (pattern.isEmpty() || pattern.compare(u"General Number", Qt::CaseInsensitive) == 0
        || pattern.compare(u"General Date", Qt::CaseInsensitive) == 0)
        return Text(value);

    bool wantsDate = false;
    QString effective = pattern;
    if (auto named = namedPattern(pattern, &wantsDate)) effective = *named;
    else wantsDate = looksLikeDatePattern(pattern);

    if (wantsDate) {
        if (isDateType(value))
            return formatDate(dateOf(value), effective);
        if (value.typeId() == QMetaType::QString) {
            if (auto dt = parseDate(value.toString()))
                return formatDate(*dt, effective);
            if (auto n = parseNumber(value.toString()))
                return formatDate(SerialToDate(*n), effective);
            return value.toString();
        }
        if (isNumberType(value))
            return formatDate(SerialToDate(value.toDouble()), effective);
        return Text(value);
    }

    if (value.typeId() == QMetaType::Bool)
        return formatNumber(value.toBool() ? -1 : 0, effective);
    if (isNumberType(value))
        return formatNumber(value.toDouble(), effective);
    if (isDateType(value))
        return formatNumber(DateToSerial(dateOf(value)), effective);
    const QString text = value.toString();
    if (auto n = parseNumber(text))
        return formatNumber(*n, effective);
    return text;
}

QString Trim(const QString& text) { return RTrim(LTrim(text)); }

QString LTrim(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    return text.mid(i);
}

QString RTrim(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ') --n;
    return text.left(n);
}

QString Left(const QString& text, int length) {
    if (length < 0) raise(kErrInvalidCall);
    return text.left(length);
}

QString Right(const QString& text, int length) {
    if (length < 0) raise(kErrInvalidCall);
    return text.right(length);
}

QString Mid(const QString& text, int start) {
    if (start < 1) raise(kErrInvalidCall);
    return text.mid(start - 1);
}

QString Mid(const QString& text, int start, int length) {
    if (start < 1 || length < 0) raise(kErrInvalidCall);
    return start - 1 >= text.size() ? QString() : text.mid(start - 1, length);
}

QString UCase(const QString& text) { return text.toUpper(); }
QString LCase(const QString& text) { return text.toLower(); }

QString SqlQuote(const QString& text) {
    QString quoted = text;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

double Val(const QString& text) {
    QString s;
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s += c;
    if (s.size() > 1 && s[0] == u'&' && (s[1].toUpper() == u'H' || s[1].toUpper() == u'O')) {
        const int base = s[1].toUpper() == u'H' ? 16 : 8;
        int i = 2;
        qlonglong v = 0;
        for (; i < s.size(); ++i) {
            const int digit = QStringLiteral("0123456789ABCDEF").indexOf(s[i].toUpper());
            if (digit < 0 || digit >= base) break;
            v = v * base + digit;
        }
        return double(v);
    }
    QString plain;
    int i = 0;
    const int n = int(s.size());
    if (i < n && (s[i] == u'+' || s[i] == u'-')) plain += s[i++];
    int digits = 0;
    for (; i < n && s[i].isDigit(); ++i, ++digits) plain += s[i];
    if (i < n && s[i] == u'.')
        for (plain += s[i++]; i < n && s[i].isDigit(); ++i, ++digits) plain += s[i];
    if (digits == 0)
        return 0;
    if (i < n && QStringLiteral("eEdD").contains(s[i])) {
        QString exponent = QStringLiteral("e");
        int j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-')) exponent += s[j++];
        const int start = j;
        for (; j < n && s[j].isDigit(); ++j) exponent += s[j];
        if (j > start) plain += exponent;
    }
    const double v = plain.toDouble();
    if (!std::isfinite(v))
        raise(kErrOverflow);
    return v;
}

bool IsNumeric(const QVariant& value) {
    if (IsNull(value) || isDateType(value))
        return false;
    if (value.typeId() == QMetaType::Bool || isNumberType(value))
        return true;
    return parseNumber(value.toString()).has_value();
}

double CDbl(const QVariant& value) {
    if (IsNull(value))
        raise(kErrInvalidNull);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    if (isNumberType(value))
        return value.toDouble();
    if (isDateType(value))
        return DateToSerial(dateOf(value));
    if (auto n = parseNumber(value.toString()))
        return *n;
    raise(kErrTypeMismatch);
}

double Round(double value, int digits) {
    if (digits < 0)
        raise(kErrInvalidCall);
    if (digits > 22 || !std::isfinite(value) || value == 0)
        return value;
    // On the 15-significant-digit decimal form, so that 2.675 is a half however it was computed.
    const QString e = QString::number(std::fabs(value), 'e', 14);  // d.dddddddddddddde+XX
    QString all = e.left(1) + e.mid(2, 14);
    int intLen = e.mid(e.indexOf(u'e') + 1).toInt() + 1;
    if (intLen <= 0) {
        all = QString(-intLen, u'0') + all;
        intLen = 0;
    }
    const int keep = intLen + digits;
    if (keep >= all.size())
        return value;  // no digit beyond the ones kept
    const QString rest = all.mid(keep);
    bool up = rest[0] > u'5';
    if (rest[0] == u'5') {
        const bool exactHalf = rest.mid(1).count(u'0') == rest.size() - 1;
        const bool lastOdd = keep > 0 && (all[keep - 1].unicode() - u'0') % 2 == 1;
        up = !exactHalf || lastOdd;
    }
    QString kept = all.left(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && kept[i] == u'9'; --i)
            kept[i] = u'0';
        if (i >= 0)
            kept[i] = QChar(kept[i].unicode() + 1);
        else {
            kept.prepend(u'1');
            ++intLen;
        }
    }
    const QString text = (kept.left(intLen).isEmpty() ? QStringLiteral("0") : kept.left(intLen)) + u'.' +
                         kept.mid(intLen) + u'0';
    const double magnitude = text.toDouble();
    return value < 0 && magnitude != 0 ? -magnitude : magnitude;
}

namespace {
template <typename T>
T wholeNumber(const QVariant& value) {
    const double v = Round(CDbl(value));
    if (!(v >= double(std::numeric_limits<T>::min()) && v <= double(std::numeric_limits<T>::max())))
        raise(kErrOverflow);
    return T(v);
}
} // namespace

qint16 CInt(const QVariant& value) { return wholeNumber<qint16>(value); }
qint32 CLng(const QVariant& value) { return wholeNumber<qint32>(value); }

bool CBool(const QVariant& value) {
    if (IsNull(value))
        raise(kErrInvalidNull);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString().trimmed();
        if (s.compare(u"True", Qt::CaseInsensitive) == 0) return true;
        if (s.compare(u"False", Qt::CaseInsensitive) == 0) return false;
    }
    return CDbl(value) != 0;
}

bool IsDate(const QVariant& value) {
    if (IsNull(value))
        return false;
    if (isDateType(value))
        return dateOf(value).isValid();
    if (value.typeId() != QMetaType::QString)
        return false;
    return parseDate(value.toString()).has_value();
}

QDateTime CDate(const QVariant& value) {
    if (IsNull(value))
        raise(kErrInvalidNull);
    if (isDateType(value))
        return dateOf(value);
    if (value.typeId() == QMetaType::QString) {
        if (auto dt = parseDate(value.toString()))
            return *dt;
        if (auto n = parseNumber(value.toString()))
            return SerialToDate(*n);
        raise(kErrTypeMismatch);
    }
    if (value.typeId() == QMetaType::Bool || isNumberType(value))
        return SerialToDate(CDbl(value));
    raise(kErrTypeMismatch);
}

double DateToSerial(const QDateTime& value) {
    const double days = double(kSerialEpoch.daysTo(value.date()));
    const double fraction = value.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the epoch the fraction still counts forward from the day's start, as a negative day.
    return days < 0 ? days - fraction : days + fraction;
}

QDateTime SerialToDate(double serial) {
    const double whole = std::trunc(serial);
    const double fraction = std::fabs(serial - whole);
    const QDate day = kSerialEpoch.addDays(qint64(whole));
    const qint64 ms = qint64(std::llround(fraction * 86400000.0));
    if (ms >= 86400000)
        return QDateTime(day.addDays(whole < 0 ? -1 : 1), QTime(0, 0));
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QVariant NullToDefault(const QVariant& value, const QVariant& defaultValue) {
    return IsNull(value) ? defaultValue : value;
}

bool HasFraction(const QString& quantity) {
    try {
        if (quantity.isEmpty())
            return false;
        const double v = Val(quantity);
        return v - std::trunc(v) != 0;
    } catch (const AppError& e) {
        MsgBox(e.description(), vbOKOnly, kProductTitle);
        return false;
    }
}

double ToDouble(const QString& value) { return parseNumber(value).value_or(0.0); }

QString FormatAmount(double amount) { return Format(Round(amount, 2), QStringLiteral("0.00")); }

QString AgeInYears(const QString& birthDate, const QDateTime& now) {
    return generalProcedure(QStringLiteral("mdlMain"), QStringLiteral("AgeInYears"), [&]() -> QString {
        if (birthDate.isEmpty() || !IsDate(birthDate))
            return {};
        const QDate born = CDate(birthDate).date();
        int years = now.date().year() - born.year();
        // 29 February falls on 1 March in a year without it.
        QDate birthday(now.date().year(), born.month(), born.day());
        if (!birthday.isValid())
            birthday = QDate(now.date().year(), 3, 1);
        if (QDateTime(birthday, QTime(0, 0)) > now)
            --years;
        return QString::number(years);
    });
}

} // namespace qx
