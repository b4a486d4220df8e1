#pragma once
#include <QString>

namespace qx {

// The cashier's sales-invoice sequence number in use for the run, as the sequence dialog took it
// (plain digits as typed; the save pads it).
QString CurrentSISequenceNumber();
void SetCurrentSISequenceNumber(const QString& number);

} // namespace qx
