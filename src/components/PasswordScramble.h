#pragma once
#include <QString>

namespace qx {

// The key every caller scrambles employee passwords with.
inline const QString kPasswordKey = QStringLiteral("TOMBAVELQUIRX");

// Scrambles ("E") or unscrambles ("D") a password in the stored form of the password table:
// "5B" followed by two upper-case hexadecimal positions per character (a blank before a single
// digit). Character codes are those of the Windows-1252 code page, so stored data made on the
// workstations of the suite reads back bit for bit. Any other mode gives an empty text.
// Throws AppError when a character needs a letter of an empty key.
QString ScrambleText(const QString& mode, const QString& key, const QString& text);

// The Windows-1252 code of a character (63, '?', for one the code page lacks) and back.
int ansiCode(QChar ch);
QChar ansiChar(int code);

} // namespace qx
