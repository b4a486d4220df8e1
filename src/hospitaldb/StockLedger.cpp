#include "hospitaldb/StockLedger.h"
#include "components/AppError.h"
#include "components/RowBatches.h"

#include <QHash>
#include <map>

namespace qx::hospitaldb {

namespace {

QVariant dateOrNull(const QDateTime& d) { return d.isValid() ? QVariant(d) : QVariant(); }

// The columns of a stock-card line in the order rowValues gives them.
const QStringList& stockCardColumns() {
    static const QStringList columns = QStringLiteral(
        "RefNum ItemID IdNum HospNum SummaryCode RevenueID LocationID TransDate Quantity QuantityRec Amount Balance "
        "SequenceNumber CreditMemoNum AuxValue UserID DosageID RequestByID TargetLocationID RoomID Shift ClinicID "
        "ItemType Remarks RequestNumber InOut Communication PostOrReturn DispenserCode Sequence AcctNum CashName "
        "CashAddress CashDoctor ReportDate Senior DisCompute PackageID DiscountRevenueID Discount VATAmount NetAmount")
        .split(QLatin1Char(' '));
    return columns;
}
constexpr int kSequenceColumn = 12;

QVariantList rowValues(const StockCardEntry& e, const QDateTime& when, double balance, const QVariant& sequenceNumber) {
    return {e.refNum, e.itemId, e.idNum, e.hospNum, e.summaryCode, e.revenueId, e.locationId, when, e.quantity,
            e.quantityRec, e.amount, balance, sequenceNumber, e.creditMemoNum, e.auxValue, e.userId, e.dosageId,
            e.requestById, e.targetLocationId, e.roomId, e.shift, e.clinicId, e.itemType, e.remark, e.requestNumber,
            e.inOut, e.communication, e.postOrReturn, e.dispenserCode, e.sequence, e.acctNum, e.cashName,
            e.cashAddress, e.cashDoctor, dateOrNull(e.reportDate), e.senior ? 1 : 0, e.disCompute ? 1 : 0,
            e.packageId, e.discountRevenueId, e.discount, e.vatAmount, e.netAmount};
}

// Text keys compare as the database compares them: a Null part never equals anything.
bool hasNullPart(std::initializer_list<const QString*> parts) {
    for (const QString* p : parts)
        if (p->isNull())
            return true;
    return false;
}
QString joinedKey(std::initializer_list<QString> parts) {
    QString key;
    for (const QString& p : parts)
        key += p + QChar(0x1F);
    return key;
}

struct StockRow {
    QString itemId, locationId;
    double onHand = 0;
};

// Creates missing stock rows and locks all of them (in key order, so that two saves never wait on
// each other crosswise); gives each row's stock on hand.
void lockStockRows(Connection& c, std::map<QString, StockRow>& rows) {
    QVector<StockRow*> ordered;
    for (auto& [key, row] : rows)
        ordered << &row;
    QHash<QString, StockRow*> byKey;
    for (StockRow* r : ordered)
        byKey.insert(joinedKey({r->itemId, r->locationId}), r);
    forEachRowChunk(int(ordered.size()), [&](int first, int count) {
        QVariantList binds;
        for (int i = first; i < first + count; ++i)
            binds << ordered[i]->itemId << ordered[i]->locationId << 0.0;
        Recordset rs = c.query(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand) VALUES %1 "
                                              "ON CONFLICT (ItemID, LocationID) DO UPDATE SET OnHand = tbInvent.OnHand "
                                              "RETURNING ItemID, LocationID, OnHand")
                                   .arg(valueRows(count, 3)),
                               binds);
        for (int r = 0; r < rs.recordCount(); ++r)
            if (StockRow* row = byKey.value(joinedKey({rs.valueAt(r, 0).toString(), rs.valueAt(r, 1).toString()})))
                row->onHand = rs.valueAt(r, 2).toDouble();  // Null reads as 0, as COALESCE does
    });
}

void writeStockRows(Connection& c, const std::map<QString, StockRow>& rows) {
    QVector<const StockRow*> ordered;
    for (const auto& [key, row] : rows)
        ordered << &row;
    forEachRowChunk(int(ordered.size()), [&](int first, int count) {
        QVariantList binds;
        for (int i = first; i < first + count; ++i)
            binds << ordered[i]->itemId << ordered[i]->locationId << ordered[i]->onHand;
        c.execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand) VALUES %1 "
                                 "ON CONFLICT (ItemID, LocationID) DO UPDATE SET OnHand = excluded.OnHand")
                      .arg(valueRows(count, 3)),
                  binds);
    });
}

// The last sequence number of each line key (slip, item, patient, code, location) on the card.
QHash<QString, qint64> lastSequences(Connection& c, const QVector<StockCardPosting>& lines) {
    QStringList refNums, itemIds;
    for (const StockCardPosting& l : lines) {
        if (!l.entry.refNum.isNull() && !refNums.contains(l.entry.refNum))
            refNums << l.entry.refNum;
        if (!itemIds.contains(l.entry.itemId))
            itemIds << l.entry.itemId;
    }
    QHash<QString, qint64> last;
    if (refNums.isEmpty())
        return last;
    QVariantList binds;
    for (const QString& r : refNums)
        binds << r;
    for (const QString& i : itemIds)
        binds << i;
    Recordset rs = c.query(QStringLiteral("SELECT RefNum, ItemID, IdNum, SummaryCode, LocationID, MAX(SequenceNumber) "
                                          "FROM tbInvStockCard WHERE RefNum IN (%1) AND ItemID IN (%2) "
                                          "GROUP BY RefNum, ItemID, IdNum, SummaryCode, LocationID")
                               .arg(placeholderList(int(refNums.size())), placeholderList(int(itemIds.size()))),
                           binds);
    for (int r = 0; r < rs.recordCount(); ++r) {
        bool anyNull = false;
        QStringList parts;
        for (int col = 0; col < 5; ++col) {
            anyNull = anyNull || rs.valueAt(r, col).isNull();
            parts << rs.valueAt(r, col).toString();
        }
        if (!anyNull)
            last.insert(joinedKey({parts[0], parts[1], parts[2], parts[3], parts[4]}), rs.valueAt(r, 5).toLongLong());
    }
    return last;
}

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
    static const QString insert = [] {
        QStringList marks(stockCardColumns().size(), QStringLiteral("?"));
        marks[kSequenceColumn] = QStringLiteral(
            "(SELECT COALESCE(MAX(SequenceNumber), 0) + 1 FROM tbInvStockCard WHERE RefNum = ? AND ItemID = ? "
            "AND IdNum = ? AND SummaryCode = ? AND LocationID = ?)");
        return QStringLiteral("INSERT INTO tbInvStockCard (%1) VALUES (%2)")
            .arg(stockCardColumns().join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    }();
    QVariantList values = rowValues(e, when, balance, QVariant());
    values.removeAt(kSequenceColumn);
    const QVariantList key{e.refNum, e.itemId, e.idNum, e.summaryCode, e.locationId};
    for (int i = 0; i < key.size(); ++i)
        values.insert(kSequenceColumn + i, key[i]);
    c.execute(insert, values);
    tx.commit();
    return balance;
}

QVector<double> postStockCardEntries(Connection& c, const QVector<StockCardPosting>& lines) {
    QVector<double> balances;
    if (lines.isEmpty())
        return balances;
    for (const StockCardPosting& l : lines)
        if (l.entry.itemId.isEmpty() || l.entry.locationId.isEmpty())
            throw AppError(kDbErrorNumber, QStringLiteral("StockLedger"),
                           QStringLiteral("A stock-card line needs an item code and a location."));
    if (lines.size() == 1)  // the one-line statements are fewer
        return {postStockCardEntry(c, lines.front().entry, lines.front().stockDelta)};
    Transaction tx(c);
    std::map<QString, StockRow> stock;
    for (const StockCardPosting& l : lines)
        stock.try_emplace(joinedKey({l.entry.itemId, l.entry.locationId}), StockRow{l.entry.itemId, l.entry.locationId});
    lockStockRows(c, stock);
    QHash<QString, qint64> sequences = lastSequences(c, lines);

    QDateTime now;
    QVector<QVariantList> rows;
    rows.reserve(lines.size());
    for (const StockCardPosting& l : lines) {
        const StockCardEntry& e = l.entry;
        StockRow& row = stock.at(joinedKey({e.itemId, e.locationId}));
        row.onHand += l.stockDelta;
        qint64 sequence = 1;
        if (!hasNullPart({&e.refNum, &e.itemId, &e.idNum, &e.summaryCode, &e.locationId})) {
            qint64& last = sequences[joinedKey({e.refNum, e.itemId, e.idNum, e.summaryCode, e.locationId})];
            sequence = ++last;
        }
        if (!e.transDate.isValid() && !now.isValid())
            now = c.serverNow();
        rows << rowValues(e, e.transDate.isValid() ? e.transDate : now, row.onHand, sequence);
        balances << row.onHand;
    }
    insertRows(c, QStringLiteral("tbInvStockCard"), stockCardColumns(), rows);
    writeStockRows(c, stock);
    tx.commit();
    return balances;
}

void markRequestServed(Connection& c, const QString& requestNumber, const QString& userId, const QDateTime& when) {
    c.execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'P', ProcessBy = ?, "
                             "ProcessDate = ? WHERE RequestNumber = ? AND COALESCE(TRIM(RecordStatus), '') = ''"),
              {userId, when, requestNumber});
}

} // namespace qx::hospitaldb
