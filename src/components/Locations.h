#pragma once
#include <QString>

namespace qx {

// The main pharmacy's location: its prices are the list prices and it holds the cash-sale stock.
inline const QString kMainPharmacyLocation = QStringLiteral("20");

} // namespace qx
