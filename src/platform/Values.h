#pragma once
#include <QDateTime>
#include <QString>
#include <QVariant>

// The value conversions the screens rely on, with the results of the platform the system was
// written for: its number and date formats, its rounding, its reading of numbers and dates
// from text, and its conversion errors.
namespace qx {

// Numbers of the conversion errors, raised as AppError with source "prjQuillax".
constexpr long kErrInvalidCall = 5;
constexpr long kErrOverflow = 6;
constexpr long kErrTypeMismatch = 13;
constexpr long kErrInvalidNull = 94;

// Null (and an unset variant) is the database's missing value.
bool IsNull(const QVariant& value);

// ---- Text ----

// The value appended to empty text: Null gives "", True/False give "True"/"False", numbers up to
// 15 significant digits, dates in the regional general form ("12/9/2026 2:05:00 PM").
QString Text(const QVariant& value);
// As Text, but Null is an error (94).
QString CStr(const QVariant& value);
// A number as Str writes it: a blank in the sign's place when it is not negative, no zero before
// the decimal point (" .5", "-.25", " 330").
QString Str(double number);

// Formats a number or a date with a pattern: digit placeholders "0" and "#", "." and "," (with
// halves rounded away from zero), ";" sections, "%"; date and time codes ("mm/dd/yyyy hh:mm:ss",
// "MM/dd/yyyy hh:mm AMPM", "mmm", "dddd", ...); the named formats ("Fixed", "Standard", "Short
// Date", ...). Null gives "", text that is neither a number nor a date comes back unchanged, and an
// empty pattern gives Text(value).
QString Format(const QVariant& value, const QString& pattern = QString());

// Blanks are spaces only, as the platform trims them.
QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);
// The first / last `length` characters (all of them when shorter); a negative length is error 5.
QString Left(const QString& text, int length);
QString Right(const QString& text, int length);
// Characters from the 1-based `start` on, all or `length` of them; start < 1 or length < 0 is error 5.
QString Mid(const QString& text, int start);
QString Mid(const QString& text, int start, int length);
QString UCase(const QString& text);
QString LCase(const QString& text);
// Every single quote doubled, for a value written inside quotes.
QString SqlQuote(const QString& text);

// ---- Numbers ----

// The number text begins with: blanks skipped anywhere, '.' as the decimal point, an exponent and
// "&H"/"&O" prefixes read, stopping at the first character that cannot continue it; 0 when none.
double Val(const QString& text);
// Whether the value reads as a number as a whole: blanks around it, a leading or trailing sign,
// brackets for a negative, thousands separators, a decimal point, an exponent. Empty text is not.
bool IsNumeric(const QVariant& value);
// The value as a double; text that is not numeric is error 13, Null error 94.
double CDbl(const QVariant& value);
// Rounds to `digits` decimals, halves to the even digit, on the value's 15-significant-digit
// decimal form (as Format reads it), so 2.675 is a half however it was computed; negative digits
// are error 5.
double Round(double value, int digits = 0);
// Whole numbers with halves to the even digit; outside 16 / 32 bits is error 6 (overflow).
qint16 CInt(const QVariant& value);
qint32 CLng(const QVariant& value);

// ---- Booleans ----

// 0 is False, any other number True; text "True"/"False" in any case, or numeric text.
bool CBool(const QVariant& value);
// True as the platform stores it (-1), False as 0.
constexpr qint16 BoolValue(bool value) { return value ? -1 : 0; }

// ---- Dates ----

// Whether the value is a date or text that reads as one, month before day ("12/9/2026",
// "12-09-26 14:05", "Dec 9, 2026", "2026-12-09", "2:05 PM").
bool IsDate(const QVariant& value);
// The value as a date and time; a time alone falls on 12/30/1899. Not a date: error 13.
QDateTime CDate(const QVariant& value);
// Dates as day numbers from 12/30/1899 with the time as the fraction, as the platform counts them.
double DateToSerial(const QDateTime& value);
QDateTime SerialToDate(double serial);

// ---- Shared helpers of the standard module ----

// The default when the value is Null, else the value.
QVariant NullToDefault(const QVariant& value, const QVariant& defaultValue);
// False for empty text; else whether the leading number of the text has a fractional part.
bool HasFraction(const QString& quantity);
// The text as a double when it is numeric, else 0.
double ToDouble(const QString& value);
// Rounded to 2 decimals (halves to even) and written "0.00", no thousands separator.
QString FormatAmount(double amount);
// Whole years of age on `now` as text; "" for empty text or text that is not a date. A birthday
// on 29 February counts from 1 March in other years.
QString AgeInYears(const QString& birthDate, const QDateTime& now = QDateTime::currentDateTime());

} // namespace qx
