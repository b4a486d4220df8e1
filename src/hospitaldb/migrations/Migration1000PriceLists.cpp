// INVENTORY: the price lists that the price procedures read. One row per item, location and
// kind of price ('HMO', 'VA', 'VELMIRA', 'GSIS'), and the discount each card type gives on an
// item with its monthly allowance.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void createPriceLists(Connection& c) {
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbPharmaItemPrice (
    ItemID TEXT NOT NULL,
    LocationID TEXT NOT NULL,
    PriceKind TEXT NOT NULL,
    Price {REAL},
    PRIMARY KEY (ItemID, LocationID, PriceKind)
);
CREATE TABLE IF NOT EXISTS tbPharmaCardDiscount (
    CardTypeID TEXT NOT NULL,
    ItemID TEXT NOT NULL,
    Discount {REAL} DEFAULT 0,
    MonthlyAllowance {REAL},
    PRIMARY KEY (CardTypeID, ItemID)
))"));
    // Purchases with a card are counted per item and month (card numbers compared as typed).
    createIndex(c, QStringLiteral("billing"), QStringLiteral("tbCashAssessment"),
                QStringLiteral("ix_tbCashAssessment_ItemDate"), QStringLiteral("ItemID, TransDate"));
}

const MigrationRegistration priceListsMigration{{1000, QStringLiteral("INVENTORY price lists and card discounts"),
                                          createPriceLists}};

} // namespace
} // namespace qx::hospitaldb
