#include "components/PasswordScramble.h"
#include "components/AppError.h"

#include <array>

namespace qx {

namespace {

// Unicode of the codes 0x80..0x9F where Windows-1252 differs from Latin-1. The five codes the
// code page leaves undefined map to the control character of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighCodes{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Reads the leading hexadecimal digits of a text; none reads as 0.
int leadingHex(const QString& s) {
    int value = 0;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        else if (u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        if (digit < 0 || value > 0xFFF)
            break;
        value = value * 16 + digit;
    }
    return value;
}

QString hexPair(int v) {
    return QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char(' '));
}

// The key position advances before each character and wraps to the first letter.
class KeyCycle {
public:
    explicit KeyCycle(const QString& key) : key_(key) {}
    int next() {
        if (key_.isEmpty())
            throw AppError(5, QStringLiteral("ScrambleText"), QStringLiteral("Invalid procedure call or argument"));
        k_ = k_ < key_.size() ? k_ + 1 : 1;
        return ansiCode(key_.at(k_ - 1));
    }

private:
    const QString& key_;
    int k_ = 0;
};

} // namespace

int ansiCode(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < static_cast<int>(kHighCodes.size()); ++i)
        if (kHighCodes[i] == u)
            return 0x80 + i;
    return '?';
}

QChar ansiChar(int code) {
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kHighCodes[code - 0x80]);
    return QChar(static_cast<char16_t>(code & 0xFF));
}

QString ScrambleText(const QString& mode, const QString& key, const QString& text) {
    if (mode == QLatin1String("E")) {
        KeyCycle keys(key);
        int seed = 91;
        QString out = QStringLiteral("5B");
        for (QChar ch : text) {
            int v = (ansiCode(ch) + seed) % 255;
            v ^= keys.next();
            out += hexPair(v);
            seed = v;
        }
        return out;
    }
    if (mode == QLatin1String("D")) {
        KeyCycle keys(key);
        int seed = leadingHex(text.left(2));
        QString out;
        for (int p = 2; p < text.size(); p += 2) {
            const int v = leadingHex(text.mid(p, 2).trimmed());
            int d = keys.next() ^ v;
            if (d <= seed)
                d += 255;
            out += ansiChar(d - seed);
            seed = v;
        }
        return out;
    }
    return QString();
}

} // namespace qx
