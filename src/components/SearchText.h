#pragma once
#include <QString>

namespace qx {

// Every LIKE over typed text names this escape character (`LIKE ? ESCAPE '\'`): PostgreSQL takes
// the backslash as its escape by default and SQLite has none, so only a named one makes the same
// text find the same rows on both engines.
inline constexpr QChar kLikeEscape = u'\\';

// The typed text with the escape character and the wildcards `%` and `_` escaped, so that it
// matches only itself.
QString escapeLike(const QString& text);
// A pattern for values that start with the text.
QString likeStartsWith(const QString& text);
// A pattern for values that contain the text.
QString likeContaining(const QString& text);

} // namespace qx
