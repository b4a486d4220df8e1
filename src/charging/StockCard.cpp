#include "charging/StockCard.h"
#include "components/Connection.h"
#include "hospitaldb/StockLedger.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

namespace qx {

namespace {

const QString kStockCardModule = QStringLiteral("mdlMain");

QVariantMap namedValues(const StockCardValues& v) {
    return {
        {QStringLiteral("@STRSUMMARYCODE"), v.summaryCode},
        {QStringLiteral("@STRHOSPNUM"), v.hospNum},
        {QStringLiteral("@STRIDNUM"), v.idNum},
        {QStringLiteral("@STRITEMID"), v.itemId},
        {QStringLiteral("@TRANSDATE"), v.transDate},
        {QStringLiteral("@STRREVENUEID"), v.revenueId},
        {QStringLiteral("@STRREFNUM"), v.refNum},
        {QStringLiteral("@FLTQUANTITY"), v.quantity},
        {QStringLiteral("@FLTQUANTITYREC"), v.quantityRec},
        {QStringLiteral("@FLTAMOUNT"), v.amount},
        {QStringLiteral("@STRUSERID"), v.userId},
        {QStringLiteral("@STRDOSAGEID"), v.dosageId},
        {QStringLiteral("@STRCLINICID"), v.clinicId},
        {QStringLiteral("@STRITEMTYPE"), v.itemType},
        {QStringLiteral("@STRREQUESTBYID"), v.requestById},
        {QStringLiteral("@STRLOCATIONID"), v.locationId},
        {QStringLiteral("@STRTARGETLOCATIONID"), v.targetLocationId},
        {QStringLiteral("@STRROOMID"), v.roomId},
        {QStringLiteral("@STRREMARK"), v.remark},
        {QStringLiteral("@STRREQUESTNUMBER"), v.requestNumber},
        {QStringLiteral("@STRINOUT"), v.inOut},
        {QStringLiteral("@INTCOMMUNICATION"), v.communication},
        {QStringLiteral("@INTPOSTORRETURN"), v.postOrReturn},
        {QStringLiteral("@STRCREDITMEMONUM"), v.creditMemoNum},
        {QStringLiteral("@INTDISPENSERCODE"), v.dispenserCode},
        {QStringLiteral("@STRCASHNAME"), v.cashName},
        {QStringLiteral("@STRSEQUENCE"), v.sequence},
        {QStringLiteral("@DATREPORTDATE"), v.reportDate.isValid() ? QVariant(v.reportDate) : QVariant()},
        {QStringLiteral("@INTSHIFT"), v.shift},
        {QStringLiteral("@BITSENIOR"), v.senior},
        {QStringLiteral("@STRACCTNUM"), v.acctNum},
        {QStringLiteral("@STRCASHADDRESS"), v.cashAddress},
        {QStringLiteral("@STRCASHDOCTOR"), v.cashDoctor},
        {QStringLiteral("@DISCOMPUTE"), v.disCompute},
        {QStringLiteral("@PACKAGEID"), v.packageId},
        {QStringLiteral("@STRDISCOUNTREVENUEID"), v.discountRevenueId},
        {QStringLiteral("@FLTDISCOUNT"), v.discount},
        {QStringLiteral("@FLTVATAMOUNT"), v.vatAmount},
        {QStringLiteral("@FLTNETAMOUNT"), v.netAmount},
    };
}

// The zero date of the platform: 12/30/1899 00:00.
QDateTime zeroDate() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

// The one builder behind both wrappers, its arguments in the nursing-request order; `wrapper`
// names the caller in a raised error. Steps carry the line numbers that an error reports.
void appendThroughWrapper(Connection& con, const QString& wrapper, const QString& hospNum, const QString& idNum,
                          const QString& itemId, const QString& transDate, const QString& refNum, double quantity,
                          double quantityRec, double amount, const QString& userId, const QString& dosageId,
                          const QString& requestById, const QString& locationId, const QString& targetLocationId,
                          const QString& roomId, qint16 shift, const QString& revenueId, const QString& summaryCode,
                          const QString& clinicId, const QString& itemType, const QString& remark,
                          const QString& requestNumber, const QString& inOut, qint16 communication,
                          qint16 postOrReturn, const QString& creditMemoNum, qint16 dispenserCode,
                          const QString& cashName, const QString& sequence, const QString& reportDate,
                          qint16 senior, const QString& acctNum, const QString& cashAddress,
                          const QString& cashDoctor) {
    StockCardValues v{.summaryCode = summaryCode,
                      .hospNum = hospNum,
                      .idNum = idNum,
                      .itemId = itemId,
                      .transDate = transDate,
                      .revenueId = revenueId,
                      .refNum = refNum,
                      .quantity = quantity,
                      .quantityRec = quantityRec,
                      .amount = amount,
                      .userId = userId,
                      .dosageId = dosageId,
                      .clinicId = clinicId,
                      .itemType = itemType,
                      .requestById = requestById,
                      .locationId = locationId,
                      .targetLocationId = targetLocationId,
                      .roomId = roomId,
                      .remark = remark,
                      .requestNumber = requestNumber,
                      .inOut = inOut,
                      .communication = communication,
                      .postOrReturn = postOrReturn,
                      .creditMemoNum = creditMemoNum,
                      .dispenserCode = dispenserCode,
                      .cashName = cashName,
                      .sequence = sequence,
                      .reportDate = {},  // set below from the report date text
                      .shift = shift,
                      .acctNum = acctNum,
                      .cashAddress = cashAddress,
                      .cashDoctor = cashDoctor,
                      .packageId = {},
                      .discountRevenueId = {}};
    int line = 0;
    try {
        line = 100;
        v.senior = senior == 1;
        line = 102;
        if (IsDate(reportDate)) {
            line = 104;
            v.reportDate = CDate(reportDate);
        } else {
            line = 106;
            v.reportDate = zeroDate();
        }
        line = 108;
        Drug_AddStockCard(con, v);
    } catch (...) {
        raiseAgain(kStockCardModule, wrapper, line);
    }
}

} // namespace

void Drug_AddStockCard(Connection& con, const StockCardValues& values) {
    try {
        con.callProcedure(QStringLiteral("Drug_AddStockCard"), namedValues(values));
    } catch (...) {
        raiseAgain(kStockCardModule, QStringLiteral("Drug_AddStockCard"), 0);
    }
}

void AppendStockCard(Connection& con, const QString& hospNum, const QString& idNum, const QString& itemId,
                     const QString& transDate, const QString& refNum, double quantity, double quantityRec,
                     double amount, const QString& userId, const QString& dosageId, const QString& requestById,
                     const QString& locationId, const QString& targetLocationId, const QString& /*roomId*/,
                     const QString& revenueId, const QString& summaryCode, const QString& clinicId,
                     const QString& itemType, const QString& remark, const QString& requestNumber,
                     const QString& inOut, qint16 communication, qint16 postOrReturn, const QString& creditMemoNum,
                     qint16 dispenserCode, const QString& cashName, const QString& sequence,
                     const QString& reportDate, qint16 shift, qint16 senior, const QString& acctNum,
                     const QString& cashAddress, const QString& cashDoctor) {
    appendThroughWrapper(con, QStringLiteral("AppendStockCard"), hospNum, idNum, itemId, transDate, refNum, quantity,
                         quantityRec, amount, userId, dosageId, requestById, locationId, targetLocationId,
                         QStringLiteral("OP"), shift, revenueId, summaryCode, clinicId, itemType, remark,
                         requestNumber, inOut, communication, postOrReturn, creditMemoNum, dispenserCode, cashName,
                         sequence, reportDate, senior, acctNum, cashAddress, cashDoctor);
}

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
                          const QString& cashDoctor) {
    appendThroughWrapper(con, QStringLiteral("Drug_AppendStockCard"), hospNum, idNum, itemId, transDate, refNum,
                         quantity, quantityRec, amount, userId, dosageId, requestById, locationId, targetLocationId,
                         roomId, shift, revenueId, summaryCode, clinicId, itemType, remark, requestNumber, inOut,
                         communication, postOrReturn, creditMemoNum, dispenserCode, cashName, sequence, reportDate,
                         senior, acctNum, cashAddress, cashDoctor);
}

void RecomputeStockCardBalance(Connection& con, const QString& itemId, const QString& locationId,
                               const QString& refNum, const QString& hospNum, const QString& idNum) {
    Transaction tx(con);
    // Holds the item's stock row first, so that no posting lands between the read and the writes.
    con.execute(QStringLiteral("UPDATE tbInvent SET OnHand = OnHand WHERE ItemID = ? AND LocationID = ?"),
                {itemId, locationId});
    const QDateTime now = con.serverNow();
    Recordset rs = con.query(QStringLiteral("SELECT SummaryCode, RefNum, HospNum, IdNum, Quantity, Balance, SequenceNumber "
                                            "FROM tbInvStockCard WHERE ItemID = ? AND LocationID = ? "
                                            "AND TransDate BETWEEN ? AND ? ORDER BY TransDate DESC, id DESC"),
                             {itemId, locationId, now.addDays(-30), now});
    auto equals = [&rs](const char* field, const QString& wanted) {
        const QVariant v = rs.value(QString::fromLatin1(field));
        return !v.isNull() && v.toString() == wanted;
    };
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        if (!equals("RefNum", refNum) || !equals("HospNum", hospNum) || !equals("IdNum", idNum))
            continue;
        const QString code = Text(NullToDefault(rs.value(QStringLiteral("SummaryCode")), 0));
        const qint16 quantity = CInt(NullToDefault(rs.value(QStringLiteral("Quantity")), 0));
        const double ownBalance = CDbl(NullToDefault(rs.value(QStringLiteral("Balance")), 0));
        const qint32 sequence = CLng(NullToDefault(rs.value(QStringLiteral("SequenceNumber")), 0));
        rs.moveNext();
        // Without an older line in the window there is nothing to work from: left as it is.
        if (rs.eof())
            break;
        const double previous = CDbl(rs.value(QStringLiteral("Balance")));
        double balance = ownBalance;
        if (code == QLatin1String("PH"))
            balance = previous - quantity;
        else if (code == QLatin1String("PC"))
            balance = previous + quantity;
        if (balance != ownBalance) {
            UpdateStockCardBalance(con, balance, itemId, locationId, refNum, hospNum, idNum, code, sequence);
            hospitaldb::moveStockOnHand(con, itemId, locationId, balance - ownBalance);
        }
        break;
    }
    tx.commit();
}

void UpdateStockCardBalance(Connection& con, double balance, const QString& itemId, const QString& locationId,
                            const QString& refNum, const QString& hospNum, const QString& idNum,
                            const QString& summaryCode, qint32 sequenceNumber) {
    con.execute(QStringLiteral("UPDATE tbInvStockCard SET Balance = ? WHERE ItemID = ? AND RefNum = ? AND HospNum = ? "
                               "AND IdNum = ? AND SummaryCode = ? AND LocationID = ? AND SequenceNumber = ?"),
                {balance, itemId, refNum, hospNum, idNum, summaryCode, locationId, sequenceNumber});
}

void UpdateOnHand(Connection& con, double onHand, const QString& itemId, const QString& locationId) {
    con.execute(QStringLiteral("UPDATE tbInvent SET OnHand = ? WHERE ItemID = ? AND LocationID = ?"),
                {onHand, itemId, locationId});
}

QString GetStockCardIDNum(Connection& con, const QString& refNum) {
    Recordset rs = con.query(QStringLiteral("SELECT IdNum FROM tbInvStockCard WHERE RefNum = ? ORDER BY id LIMIT 1"),
                             {refNum});
    return rs.isEmpty() ? QString() : CStr(rs.value(QStringLiteral("IDNum")));
}

QVariant GetStockCardIDNumOnConnection(Connection& con, const QString& refNum) {
    Recordset rs = con.query(QStringLiteral("SELECT IDNum FROM tbInvStockCard WHERE RefNum = ? ORDER BY id LIMIT 1"),
                             {refNum});
    return rs.isEmpty() ? QVariant() : QVariant(Text(rs.value(QStringLiteral("IDNum"))));
}

bool isSaveInStockcard(Connection& con, const QString& receiptNumber, const QString& adviseNumber) {
    int line = 100;
    try {
        line = 104;
        Recordset rs = con.query(QStringLiteral("SELECT Amount FROM billing.tbCashCreditAdvise WHERE ORNumber = ? "
                                                "AND AdviseNo = ? LIMIT 1"),
                                 {receiptNumber, adviseNumber});
        line = 108;
        return !rs.isEmpty();
    } catch (...) {
        raiseAgain(kStockCardModule, QStringLiteral("isSaveInStockcard"), line);
    }
}

} // namespace qx
