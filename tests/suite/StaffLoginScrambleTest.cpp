#include "components/AppError.h"
#include "components/PasswordScramble.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace qx;

namespace {

QString E(const QString& text, const QString& key = kPasswordKey) {
    return ScrambleText(QStringLiteral("E"), key, text);
}
QString D(const QString& text, const QString& key = kPasswordKey) {
    return ScrambleText(QStringLiteral("D"), key, text);
}

// Worked by hand from the algorithm: seed 91, key letters T (84), O (79).
TEST(ScrambleText, KnownVectors) {
    struct Case { QString mode, text, expected; };
    const Case cases[] = {
        {"E", "", "5B"},
        {"D", "5B", ""},
        {"D", "", ""},
        {"E", "A", "5BC8"},                        // (65+91)%255=156 ^ 84 = 0xC8
        {"E", "AB", "5BC844"},                     // (66+200)%255=11 ^ 79 = 0x44
        {"E", QString(QChar(0x00F4)), "5B 4"},     // ô: value below 16 gets a leading blank
        {"E", QString(QChar(0x20AC)), "5B8F"},     // € is code 128 in the code page, not its Unicode
        {"D", "5B 4", QString(QChar(0x00F4))},
        {"D", "5B8F", QString(QChar(0x20AC))},
        {"D", "5bc844", "AB"},                     // hexadecimal read in either case
        {"e", "A", ""},
        {"X", "A", ""},
        {"d", "5BC8", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrambleText(c.mode, kPasswordKey, c.text), c.expected) << c.mode.toStdString() << " "
                                                                           << c.text.toStdString();
}

TEST(ScrambleText, RoundTripsEveryCodeAndAnyKey) {
    QString all;
    for (int code = 1; code <= 254; ++code)
        all += ansiChar(code);
    const QString texts[] = {QStringLiteral("PHARMA1"), QStringLiteral("pharma1"), QStringLiteral("O'NEIL 2"),
                             QStringLiteral("ÑAÑO€™"), all};
    for (const QString& key : {kPasswordKey, QStringLiteral("A"), QStringLiteral("ZZZZ")})
        for (const QString& t : texts) {
            const QString s = E(t, key);
            EXPECT_EQ(s.size(), 2 + 2 * t.size());
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F ]*$")).match(s).hasMatch());
            EXPECT_EQ(D(s, key), t) << t.left(10).toStdString();
        }
}

TEST(ScrambleText, IsCaseSensitiveAndCyclesTheKey) {
    EXPECT_NE(E(QStringLiteral("PHARMA")), E(QStringLiteral("pharma")));
    // With a 13-letter key the 14th character uses the first letter again: a 14th letter added
    // to the key changes only the 14th pair.
    const QString text = QStringLiteral("ABCDEFGHIJKLMNOP");
    const QString thirteen = E(text, QStringLiteral("TOMBAVELQUIRX"));
    const QString fourteen = E(text, QStringLiteral("TOMBAVELQUIRXY"));
    EXPECT_EQ(thirteen.left(2 + 13 * 2), fourteen.left(2 + 13 * 2));
    EXPECT_NE(thirteen.mid(2 + 13 * 2, 2), fourteen.mid(2 + 13 * 2, 2));
    EXPECT_EQ(E(text.left(14), QStringLiteral("TOMBAVELQUIRXT")), thirteen.left(2 + 14 * 2));
}

TEST(ScrambleText, CodePageMapping) {
    EXPECT_EQ(ansiCode(QChar(0x20AC)), 0x80);
    EXPECT_EQ(ansiCode(QChar(0x2122)), 0x99);
    EXPECT_EQ(ansiCode(QChar(0x00E9)), 0xE9);
    EXPECT_EQ(ansiCode(QChar(0x0100)), '?');  // not in the code page
    EXPECT_EQ(ansiChar(0x81), QChar(0x0081));
    EXPECT_EQ(ansiChar(0x9F), QChar(0x0178));
    EXPECT_THROW(E(QStringLiteral("A"), QString()), AppError);
    EXPECT_EQ(E(QString(), QString()), QStringLiteral("5B"));
}

} // namespace
