#include "hospitaldb/StockLedger.h"

namespace qx::hospitaldb {

namespace {
QVariant dateOrNull(const QDateTime& d) { return d.isValid() ? QVariant(d) : QVariant(); }
} // namespace

double moveStockOnHand(Connection& c, const QString& itemId, const QString& locationId, double delta) {
    Recordset stock = c.query(
        QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand) VALUES (?, ?, ?) "
                       "ON CONFLICT (ItemID, LocationID) DO UPDATE SET OnHand = COALESCE(tbInvent.OnHand, 0) + ? "
                       "RETURNING OnHand"),
        {itemId, locationId, delta, delta});
    return stock.value(0).toDouble();
}

double stockDeltaOf(const QString& summaryCode, double quantity) {
    if (summaryCode == QLatin1String("PH"))
        return -quantity;
    if (summaryCode == QLatin1String("PC"))
        return quantity;
    return 0;
}

double postStockCardEntry(Connection& c, const StockCardEntry& e, double stockDelta) {
    Transaction tx(c);
    const QDateTime when = e.transDate.isValid() ? e.transDate : c.serverNow();
    const double balance = moveStockOnHand(c, e.itemId, e.locationId, stockDelta);
    // The stock row locked above keeps two postings of the item at the location from taking
    // one sequence number.
    c.execute(
        QStringLiteral(
            "INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, RevenueID, LocationID, TransDate, "
            "Quantity, QuantityRec, Amount, Balance, SequenceNumber, CreditMemoNum, AuxValue, UserID, DosageID, "
            "RequestByID, TargetLocationID, RoomID, Shift, ClinicID, ItemType, Remarks, RequestNumber, InOut, "
            "Communication, PostOrReturn, DispenserCode, Sequence, AcctNum, CashName, CashAddress, CashDoctor, "
            "ReportDate, Senior, DisCompute, PackageID, DiscountRevenueID, Discount, VATAmount, NetAmount) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "(SELECT COALESCE(MAX(SequenceNumber), 0) + 1 FROM tbInvStockCard WHERE RefNum = ? AND ItemID = ? "
            "AND IdNum = ? AND SummaryCode = ? AND LocationID = ?), "
            "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {e.refNum, e.itemId, e.idNum, e.hospNum, e.summaryCode, e.revenueId, e.locationId, when, e.quantity,
         e.quantityRec, e.amount, balance,
         e.refNum, e.itemId, e.idNum, e.summaryCode, e.locationId,
         e.creditMemoNum, e.auxValue, e.userId, e.dosageId, e.requestById, e.targetLocationId, e.roomId, e.shift,
         e.clinicId, e.itemType, e.remark, e.requestNumber, e.inOut, e.communication, e.postOrReturn,
         e.dispenserCode, e.sequence, e.acctNum, e.cashName, e.cashAddress, e.cashDoctor, dateOrNull(e.reportDate),
         e.senior ? 1 : 0, e.disCompute ? 1 : 0, e.packageId, e.discountRevenueId, e.discount, e.vatAmount,
         e.netAmount});
    tx.commit();
    return balance;
}

void markRequestServed(Connection& c, const QString& requestNumber, const QString& userId, const QDateTime& when) {
    c.execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'P', ProcessBy = ?, "
                             "ProcessDate = ? WHERE RequestNumber = ? AND COALESCE(TRIM(RecordStatus), '') = ''"),
              {userId, when, requestNumber});
}

} // namespace qx::hospitaldb
