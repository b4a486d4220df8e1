#include "TextCut.h"

namespace qx {

QString leftWholeChars(const QString& text, qsizetype size) {
    if (size <= 0)
        return {};
    if (text.size() <= size)
        return text;
    return text.left(text.at(size - 1).isHighSurrogate() ? size - 1 : size);
}

} // namespace qx
