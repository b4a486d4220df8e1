#pragma once
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace qx {

class Connection;

// The 39 named values of one stock-card line, as the stock-card procedure takes them. The last
// six are optional: left alone they are sent as False, empty text or 0.
struct StockCardValues {
    QString summaryCode, hospNum, idNum, itemId;
    QString transDate;  // "mm/dd/yyyy hh:mm:ss", sent as text
    QString revenueId, refNum;
    double quantity = 0, quantityRec = 0, amount = 0;
    QString userId, dosageId, clinicId, itemType, requestById, locationId, targetLocationId, roomId, remark,
        requestNumber, inOut;
    qint16 communication = 0, postOrReturn = 1;
    QString creditMemoNum;
    qint16 dispenserCode = 0;
    QString cashName, sequence;
    QDateTime reportDate;
    qint16 shift = 0;
    bool senior = false;
    QString acctNum, cashAddress, cashDoctor;
    bool disCompute = false;
    QString packageId, discountRevenueId;
    double discount = 0, vatAmount = 0, netAmount = 0;
};

// Posts one line through the stock-card procedure on `con`, inside the caller's save
// transaction when there is one. Errors come back raised again under this name (line 0).
void Drug_AddStockCard(Connection& con, const StockCardValues& values);

// The cash sale's post: the room is always "OP"; senior is True only for the value 1; a report
// date text that is not a date posts the zero date.
void AppendStockCard(Connection& con, const QString& hospNum, const QString& idNum, const QString& itemId,
                     const QString& transDate, const QString& refNum, double quantity, double quantityRec,
                     double amount, const QString& userId, const QString& dosageId, const QString& requestById,
                     const QString& locationId, const QString& targetLocationId, const QString& roomId,
                     const QString& revenueId, const QString& summaryCode, const QString& clinicId,
                     const QString& itemType, const QString& remark, const QString& requestNumber,
                     const QString& inOut, qint16 communication, qint16 postOrReturn, const QString& creditMemoNum,
                     qint16 dispenserCode, const QString& cashName, const QString& sequence,
                     const QString& reportDate, qint16 shift, qint16 senior, const QString& acctNum,
                     const QString& cashAddress, const QString& cashDoctor);

// The nursing-request screens' post: the same conversions, the room as given, the shift 15th.
void Drug_AppendStockCard(Connection& con, const QString& hospNum, const QString& idNum, const QString& itemId,
                          const QString& transDate, const QString& refNum, double quantity, double quantityRec,
                          double amount, const QString& userId, const QString& dosageId, const QString& requestById,
                          const QString& locationId, const QString& targetLocationId, const QString& roomId,
                          qint16 shift, const QString& revenueId, const QString& summaryCode,
                          const QString& clinicId, const QString& itemType, const QString& remark,
                          const QString& requestNumber, const QString& inOut, qint16 communication,
                          qint16 postOrReturn, const QString& creditMemoNum, qint16 dispenserCode,
                          const QString& cashName, const QString& sequence, const QString& reportDate,
                          qint16 senior, const QString& acctNum, const QString& cashAddress,
                          const QString& cashDoctor);

// Repairs the balance of the newest line of the slip and patient for the item at the location
// (within the last 30 days) from the line before it, and moves the stock on hand by the same
// correction. Runs in the caller's transaction (or one of its own) with the stock row locked, so
// postings of other workstations are neither missed nor overwritten.
void RecomputeStockCardBalance(Connection& con, const QString& itemId, const QString& locationId,
                               const QString& refNum, const QString& hospNum, const QString& idNum);
void UpdateStockCardBalance(Connection& con, double balance, const QString& itemId, const QString& locationId,
                            const QString& refNum, const QString& hospNum, const QString& idNum,
                            const QString& summaryCode, qint32 sequenceNumber);
// Sets the stock on hand of the item at the location.
void UpdateOnHand(Connection& con, double onHand, const QString& itemId, const QString& locationId);

// The patient id a slip was posted under; "" when no line carries the slip, an error when the
// first line's id is Null.
QString GetStockCardIDNum(Connection& con, const QString& refNum);
// As above, Null read as ""; an empty variant when no line carries the slip.
QVariant GetStockCardIDNumOnConnection(Connection& con, const QString& refNum);
// Whether billing holds the cash credit advise of the receipt.
bool isSaveInStockcard(Connection& con, const QString& receiptNumber, const QString& adviseNumber);

} // namespace qx
