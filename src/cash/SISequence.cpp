#include "cash/SISequence.h"

namespace qx {

namespace {
QString& siSequenceNumber() {
    static QString number;
    return number;
}
} // namespace

QString CurrentSISequenceNumber() { return siSequenceNumber(); }

void SetCurrentSISequenceNumber(const QString& number) { siSequenceNumber() = number; }

} // namespace qx
