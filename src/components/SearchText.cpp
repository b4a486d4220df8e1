#include "SearchText.h"

namespace qx {

QString escapeLike(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == kLikeEscape || c == u'%' || c == u'_')
            out += kLikeEscape;
        out += c;
    }
    return out;
}

QString likeStartsWith(const QString& text) {
    return escapeLike(text) + QLatin1Char('%');
}

QString likeContaining(const QString& text) {
    return QLatin1Char('%') + escapeLike(text) + QLatin1Char('%');
}

} // namespace qx
