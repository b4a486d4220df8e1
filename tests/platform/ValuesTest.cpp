#include "ScriptedPlatform.h"
#include "components/AppError.h"
#include "platform/Values.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

const QDateTime kAfternoon(QDate(2026, 12, 9), QTime(14, 5, 7));

long errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const AppError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(FormatTest, NumberPatterns) {
    struct Case { QVariant value; const char* pattern; const char* expected; };
    const Case cases[] = {
        {5, "000000", "000005"},
        {123456789, "000000", "123456789"},
        {QStringLiteral("42"), "00000000", "00000042"},
        {2.5, "###0.00", "2.50"},
        {0, "###0.00", "0.00"},
        {-1234.567, "###0.00", "-1234.57"},
        {0.5, "######.00", ".50"},
        {0, "######.00", ".00"},
        {12.345, "######.00", "12.35"},
        {1234.5, "######0.00", "1234.50"},
        {0.004, "#######0.00", "0.00"},
        {5, "####000.00", "005.00"},
        {12345.678, "###000.00", "12345.68"},
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {999.995, "#,##0.00", "1,000.00"},
        {0.5, "#,##0.00", "0.50"},
        {-1234.5, "###,###,##0.00", "-1,234.50"},
        {12.5, "########0", "13"},
        {-12.5, "########0", "-13"},
        {0.4, "#########0", "0"},
        {0, "#", ""},
        {1.5, "0.##", "1.5"},
        {1.0, "0.##", "1."},
        {12.5, ".00", "12.50"},
        {0.25, ".00", ".25"},
        {0.1234, "0.0%", "12.3%"},
        {-5, "0.00;(0.00)", "(5.00)"},
        {0, "0.00;(0.00);\"nil\"", "nil"},
        {true, "0", "-1"},
        {1234.567, "Fixed", "1234.57"},
        {1234.567, "Standard", "1,234.57"},
        {QStringLiteral(" 1,234.5 "), "0.00", "1234.50"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.value.toString().toStdString() << " with " << c.pattern;
}

TEST(FormatTest, HalvesRoundAwayFromZeroOnTheDecimalDigits) {
    struct Case { double value; const char* expected; };
    const Case cases[] = {
        {1.005, "1.01"},  {2.675, "2.68"},   {-2.675, "-2.68"}, {0.125, "0.13"},
        {-0.125, "-0.13"}, {0.015, "0.02"},  {1.115, "1.12"},   {-0.005, "-0.01"},
        // A value that rounds to nothing is written without a sign.
        {-0.004, "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, QStringLiteral("0.00")), QString::fromUtf8(c.expected)) << c.value;
}

TEST(FormatTest, NullEmptyPatternAndText) {
    EXPECT_EQ(Format(QVariant(), QStringLiteral("0.00")), "");
    EXPECT_EQ(Format(QStringLiteral("abc"), QStringLiteral("0.00")), "abc");
    EXPECT_EQ(Format(QString(), QStringLiteral("0.00")), "");
    EXPECT_EQ(Format(1234.5), "1234.5");
    EXPECT_EQ(Format(QStringLiteral("PH-0012"), QStringLiteral("mm/dd/yyyy")), "PH-0012");
}

TEST(FormatTest, DatePatterns) {
    struct Case { QVariant value; const char* pattern; const char* expected; };
    const Case cases[] = {
        {kAfternoon, "mm/dd/yyyy", "12/09/2026"},
        {kAfternoon, "MM/dd/yyyy", "12/09/2026"},
        {kAfternoon, "MM/DD/YYYY", "12/09/2026"},
        {kAfternoon, "mm/dd/yyyy hh:mm:ss", "12/09/2026 14:05:07"},
        {kAfternoon, "MM/dd/yyyy hh:mm AMPM", "12/09/2026 02:05 PM"},
        {kAfternoon, "hh:mm", "14:05"},
        {kAfternoon, "yyyy.MM.dd.hh.mm.ss", "2026.12.09.14.05.07"},
        {kAfternoon, "mmm dd, yyyy", "Dec 09, 2026"},
        {kAfternoon, "dddd, mmmm d", "Wednesday, December 9"},
        {kAfternoon, "m/d/yy", "12/9/26"},
        {kAfternoon, "h:nn am/pm", "2:05 pm"},
        {kAfternoon, "Short Date", "12/9/2026"},
        {QDateTime(QDate(2026, 1, 2), QTime(0, 30)), "hh:mm AMPM", "12:30 AM"},
        {QDateTime(QDate(2026, 1, 2), QTime(12, 0)), "hh:mm AMPM", "12:00 PM"},
        {QDate(2026, 3, 4), "mm/dd/yyyy hh:mm:ss", "03/04/2026 00:00:00"},
        {QStringLiteral("12/9/2026 2:05:07 PM"), "mm/dd/yyyy hh:mm:ss", "12/09/2026 14:05:07"},
        {QStringLiteral("2026-12-09 14:05:07"), "MM/dd/yyyy", "12/09/2026"},
        {46000, "mm/dd/yyyy", "12/09/2025"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.value.toString().toStdString() << " with " << c.pattern;
}

TEST(TextTest, ValuesReadAsText) {
    struct Case { QVariant value; const char* expected; };
    const Case cases[] = {
        {QVariant(), ""},
        {QVariant(QMetaType(QMetaType::QString)), ""},
        {true, "True"},
        {false, "False"},
        {15.5, "15.5"},
        {0.1 + 0.2, "0.3"},
        {1e15, "1E+15"},
        {-0.5, "-0.5"},
        {100.0, "100"},
        {0.1f, "0.1"},
        {42, "42"},
        {kAfternoon, "12/9/2026 2:05:07 PM"},
        {QDateTime(QDate(2026, 12, 9), QTime(0, 0)), "12/9/2026"},
        {QTime(9, 3, 0), "9:03:00 AM"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(c.value), QString::fromUtf8(c.expected)) << c.value.toString().toStdString();
    EXPECT_EQ(errorOf([] { CStr(QVariant()); }), kErrInvalidNull);
}

TEST(TextTest, TrimLeftMidUCase) {
    EXPECT_EQ(Trim(QStringLiteral("  a b  ")), "a b");
    EXPECT_EQ(Trim(QStringLiteral("\ta\t")), "\ta\t");
    EXPECT_EQ(LTrim(QStringLiteral("  a ")), "a ");
    EXPECT_EQ(RTrim(QStringLiteral("  a ")), "  a");
    EXPECT_EQ(Left(QStringLiteral("Pharmacy"), 3), "Pha");
    EXPECT_EQ(Left(QStringLiteral("ab"), 5), "ab");
    EXPECT_EQ(Right(QStringLiteral("Pharmacy"), 3), "acy");
    EXPECT_EQ(Mid(QStringLiteral("Pharmacy"), 3), "armacy");
    EXPECT_EQ(Mid(QStringLiteral("Pharmacy"), 3, 2), "ar");
    EXPECT_EQ(Mid(QStringLiteral("ab"), 5, 2), "");
    EXPECT_EQ(Mid(QStringLiteral("Niño Peña"), 3, 3), QStringLiteral("ño "));
    EXPECT_EQ(UCase(QStringLiteral("ñandú")), QStringLiteral("ÑANDÚ"));
    EXPECT_EQ(SqlQuote(QStringLiteral("O'Brien's")), "O''Brien''s");
    EXPECT_EQ(errorOf([] { Left(QStringLiteral("a"), -1); }), kErrInvalidCall);
    EXPECT_EQ(errorOf([] { Mid(QStringLiteral("a"), 0); }), kErrInvalidCall);
    EXPECT_EQ(errorOf([] { Mid(QStringLiteral("a"), 1, -1); }), kErrInvalidCall);
}

TEST(NumberTest, Val) {
    struct Case { const char* text; double expected; };
    const Case cases[] = {
        {"12abc", 12},  {" 1 2 3", 123}, {"1,234", 1},   {"", 0},     {"-3.5kg", -3.5},
        {".5", 0.5},    {"1e3", 1000},   {"1e", 1},      {"&H1F", 31}, {"abc", 0},
        {"1.2.3", 1.2}, {"- 5", -5},     {"+7", 7},      {"12-", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Val(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(NumberTest, IsNumeric) {
    struct Case { QVariant value; bool expected; };
    const Case cases[] = {
        {QStringLiteral("12"), true},        {QStringLiteral(" 12 "), true},
        {QStringLiteral("-12"), true},       {QStringLiteral("12-"), true},
        {QStringLiteral("+1,234.50"), true}, {QStringLiteral("(5)"), true},
        {QStringLiteral("1e3"), true},       {QStringLiteral(".5"), true},
        {QStringLiteral(""), false},         {QStringLiteral("  "), false},
        {QStringLiteral("abc"), false},      {QStringLiteral("1.2.3"), false},
        {QStringLiteral("."), false},        {QStringLiteral("12abc"), false},
        {QStringLiteral(",5"), false},       {QStringLiteral("1e"), false},
        {QStringLiteral("1 2"), false},      {5, true},
        {true, true},                        {QVariant(), false},
        {kAfternoon, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNumeric(c.value), c.expected) << c.value.toString().toStdString();
}

TEST(NumberTest, RoundHalvesToEven) {
    struct Case { double value; int digits; double expected; };
    const Case cases[] = {
        {2.5, 0, 2},     {3.5, 0, 4},     {-2.5, 0, -2},   {-3.5, 0, -4},   {2.4, 0, 2},
        {0.125, 2, 0.12}, {0.375, 2, 0.38}, {-0.125, 2, -0.12}, {1234.5678, 2, 1234.57},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Round(c.value, c.digits), c.expected) << c.value << " to " << c.digits;
    EXPECT_EQ(errorOf([] { Round(1.5, -1); }), kErrInvalidCall);
}

// Halves are judged on the decimal digits, not on the binary double nearest to them.
TEST(NumberTest, RoundJudgesHalvesOnTheDecimalDigits) {
    struct Case { double value; int digits; double expected; };
    const Case cases[] = {
        {1.005, 2, 1.00},        {0.67 * 1.5, 2, 1.00},  {2.675, 2, 2.68},     {1.07 * 2.5, 2, 2.68},
        {-2.675, 2, -2.68},      {112 / 1.12, 2, 100},   {1.015, 2, 1.02},     {0.0049999, 2, 0},
        {2.0000051, 5, 2.00001}, {9.995, 2, 10},         {123456.785, 2, 123456.78},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Round(c.value, c.digits), c.expected) << c.value << " to " << c.digits;
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
}

TEST(NumberTest, CIntAndCLngRoundHalvesToEvenAndOverflow) {
    struct Case { QVariant value; long expectedInt; long expectedIntError; };
    const Case cases[] = {
        {2.5, 2, 0},
        {3.5, 4, 0},
        {-2.5, -2, 0},
        {32767.4, 32767, 0},
        {32767.5, 0, kErrOverflow},
        {-32768.5, -32768, 0},
        {-32768.6, 0, kErrOverflow},
        {QStringLiteral(" 12.5 "), 12, 0},
        {QStringLiteral("1,000"), 1000, 0},
        {true, -1, 0},
        {QStringLiteral("abc"), 0, kErrTypeMismatch},
        {QStringLiteral(""), 0, kErrTypeMismatch},
        {QVariant(), 0, kErrInvalidNull},
    };
    for (const Case& c : cases) {
        long got = 0;
        EXPECT_EQ(errorOf([&] { got = CInt(c.value); }), c.expectedIntError) << c.value.toString().toStdString();
        EXPECT_EQ(got, c.expectedInt) << c.value.toString().toStdString();
    }
    EXPECT_EQ(CLng(2147483646.5), 2147483646);
    EXPECT_EQ(CLng(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(CLng(40000), 40000);
    EXPECT_EQ(errorOf([] { CLng(2147483647.5); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { CLng(-2147483648.6); }), kErrOverflow);
}

TEST(BooleanTest, NumbersAndTextToBoolean) {
    struct Case { QVariant value; bool expected; };
    const Case cases[] = {
        {0, false}, {5, true}, {-1, true}, {0.1, true},
        {QStringLiteral("True"), true}, {QStringLiteral("false"), false},
        {QStringLiteral("0"), false}, {QStringLiteral("-1"), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CBool(c.value), c.expected) << c.value.toString().toStdString();
    EXPECT_EQ(errorOf([] { CBool(QStringLiteral("yes")); }), kErrTypeMismatch);
    EXPECT_EQ(errorOf([] { CBool(QVariant()); }), kErrInvalidNull);
    EXPECT_EQ(BoolValue(true), -1);
    EXPECT_EQ(BoolValue(false), 0);
}

TEST(DateTest, ReadsMonthBeforeDay) {
    struct Case { QVariant value; QDateTime expected; };
    const QDate epoch(1899, 12, 30);
    const Case cases[] = {
        {QStringLiteral("12/9/2026"), QDateTime(QDate(2026, 12, 9), QTime(0, 0))},
        {QStringLiteral("12-09-26"), QDateTime(QDate(2026, 12, 9), QTime(0, 0))},
        {QStringLiteral("1/2/99"), QDateTime(QDate(1999, 1, 2), QTime(0, 0))},
        {QStringLiteral("2/29/2024"), QDateTime(QDate(2024, 2, 29), QTime(0, 0))},
        {QStringLiteral("Dec 9, 2026"), QDateTime(QDate(2026, 12, 9), QTime(0, 0))},
        {QStringLiteral("9-Dec-2026"), QDateTime(QDate(2026, 12, 9), QTime(0, 0))},
        {QStringLiteral("2026-12-09"), QDateTime(QDate(2026, 12, 9), QTime(0, 0))},
        {QStringLiteral("12/9/2026 2:05 PM"), QDateTime(QDate(2026, 12, 9), QTime(14, 5))},
        {QStringLiteral(" 12/9/2026 14:05:07 "), kAfternoon},
        {QStringLiteral("2026-12-09T14:05:07"), kAfternoon},
        {QStringLiteral("12:00 AM"), QDateTime(epoch, QTime(0, 0))},
        {QStringLiteral("14:05"), QDateTime(epoch, QTime(14, 5))},
        {QDate(2026, 12, 9), QDateTime(QDate(2026, 12, 9), QTime(0, 0))},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(IsDate(c.value)) << c.value.toString().toStdString();
        EXPECT_EQ(CDate(c.value), c.expected) << c.value.toString().toStdString();
    }
}

TEST(DateTest, RefusesWhatIsNotADate) {
    const QVariant refused[] = {
        QStringLiteral("13/1/2026"), QStringLiteral("2/29/2025"), QStringLiteral("abc"),
        QStringLiteral(""), QStringLiteral("12"), QStringLiteral("12/9/2026 25:00"),
        QStringLiteral("13:00 PM"), 5, QVariant(),
    };
    for (const QVariant& v : refused)
        EXPECT_FALSE(IsDate(v)) << v.toString().toStdString();
    EXPECT_EQ(errorOf([] { CDate(QStringLiteral("abc")); }), kErrTypeMismatch);
}

TEST(DateTest, SerialDaysCountFromTheEpoch) {
    EXPECT_EQ(DateToSerial(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0);
    EXPECT_EQ(DateToSerial(QDateTime(QDate(2025, 12, 9), QTime(18, 0))), 46000.75);
    EXPECT_EQ(SerialToDate(46000.75), QDateTime(QDate(2025, 12, 9), QTime(18, 0)));
    EXPECT_EQ(SerialToDate(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(DateToSerial(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

TEST(SharedHelpersTest, FractionsAmountsAndDefaults) {
    struct FractionCase { const char* text; bool expected; };
    const FractionCase fractions[] = {{"2", false}, {"", false}, {"2.5", true}, {"-1.5", true}, {"abc", false},
                                      {"3 tabs", false}};
    for (const FractionCase& c : fractions)
        EXPECT_EQ(HasFraction(QString::fromUtf8(c.text)), c.expected) << c.text;

    struct AmountCase { double amount; const char* expected; };
    const AmountCase amounts[] = {{2.5, "2.50"},   {1234.5, "1234.50"}, {0.125, "0.12"},
                                  {0.375, "0.38"}, {-2.5, "-2.50"},     {1234567.8, "1234567.80"}};
    for (const AmountCase& c : amounts)
        EXPECT_EQ(FormatAmount(c.amount), QString::fromUtf8(c.expected)) << c.amount;

    EXPECT_EQ(ToDouble(QStringLiteral("1,234.5")), 1234.5);
    EXPECT_EQ(ToDouble(QStringLiteral("12abc")), 0);
    EXPECT_EQ(NullToDefault(QVariant(), 0), QVariant(0));
    EXPECT_EQ(NullToDefault(QStringLiteral(""), 0), QVariant(QStringLiteral("")));
}

TEST(SharedHelpersTest, HasFractionShowsAnErrorAndAnswersFalse) {
    ScriptedPlatform platform;
    EXPECT_FALSE(HasFraction(QStringLiteral("1e999")));
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, "Overflow");
    EXPECT_EQ(platform.messages->last().title, "Quillax");
}

TEST(SharedHelpersTest, AgeInYears) {
    const QDateTime now(QDate(2026, 12, 9), QTime(10, 0));
    struct Case { const char* birth; QDateTime now; const char* expected; };
    const Case cases[] = {
        {"12/9/1980", now, "46"},
        {"12/10/1980", now, "45"},
        {"2/29/2000", QDateTime(QDate(2025, 2, 28), QTime(23, 0)), "24"},
        {"2/29/2000", QDateTime(QDate(2025, 3, 1), QTime(0, 0)), "25"},
        {"1/1/2030", now, "-4"},
        {"", now, ""},
        {"unknown", now, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AgeInYears(QString::fromUtf8(c.birth), c.now), QString::fromUtf8(c.expected)) << c.birth;
}
