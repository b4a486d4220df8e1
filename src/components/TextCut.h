#pragma once
#include <QString>

namespace qx {

// The first `size` UTF-16 units of the text, one fewer where the cut would split a surrogate
// pair: half a pair reads back as U+FFFD on SQLite and as "?" on PostgreSQL.
QString leftWholeChars(const QString& text, qsizetype size);

} // namespace qx
