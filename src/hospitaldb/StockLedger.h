#pragma once
#include "components/Connection.h"

#include <QDateTime>
#include <QVariant>
#include <QVector>

namespace qx::hospitaldb {

// One stock-card line with every value a posting carries. The stock-card procedure and the drug
// component both post through postStockCardEntry, so a line is written the same way whoever posts it.
struct StockCardEntry {
    QString refNum, itemId, idNum, hospNum, summaryCode, revenueId, locationId;
    QDateTime transDate;  // invalid: the server's clock
    double quantity = 0, quantityRec = 0, amount = 0, dispenserCode = 0;
    QVariant creditMemoNum;  // Null when the line carries none
    QString auxValue, userId, dosageId, requestById, targetLocationId, roomId;
    int shift = 0;
    QString clinicId, itemType, remark, requestNumber, inOut;
    int communication = 0, postOrReturn = 1;
    QString sequence, acctNum;
    QString cashName, cashAddress, cashDoctor, packageId, discountRevenueId;
    QDateTime reportDate;  // invalid: none
    bool senior = false, disCompute = false;
    double discount = 0, vatAmount = 0, netAmount = 0;
};

// Moves the stock on hand of the item at the location by `delta` in one statement on the row it
// locks (creating the row when missing) and gives the new stock. Never writes a value read before.
double moveStockOnHand(Connection& c, const QString& itemId, const QString& locationId, double delta);

// Posts one line inside the caller's transaction (or one of its own): moves the stock on hand by
// `stockDelta`, then writes the line with the resulting balance and the next sequence number of
// its item, slip, patient, code and location. Returns the balance.
double postStockCardEntry(Connection& c, const StockCardEntry& entry, double stockDelta);

// One line of a save and how it moves the stock on hand of its item at its location.
struct StockCardPosting {
    StockCardEntry entry;
    double stockDelta = 0;
};

// Posts all lines of one save at once, in order, with the same rows, balances and stock on hand as
// postStockCardEntry line by line, in a few statements whatever the number of lines; inside the
// caller's transaction (or one of its own), so nothing is written when any line fails. Every line
// needs an item and a location. Returns each line's balance.
QVector<double> postStockCardEntries(Connection& c, const QVector<StockCardPosting>& lines);

// The stock movement of a line of `summaryCode`: an issue ('PH') lowers the stock, a credit ('PC')
// raises it, any other code leaves it.
double stockDeltaOf(const QString& summaryCode, double quantity);

// Marks the nursing-request line that a posted line serves, when it still waits.
void markRequestServed(Connection& c, const QString& requestNumber, const QString& userId, const QDateTime& when);

} // namespace qx::hospitaldb
