#include "suite/DrugCatalogStockCard.h"
#include "components/AppError.h"
#include "components/RowBatches.h"
#include "components/TextCut.h"
#include "suite/DrugCatalogChargeslip.h"

namespace qx::suite {

namespace {
constexpr long kComponentError = static_cast<long>(0x80040064);

QString textAt(const DrugCatalog::StockCardArgs& a, int pos) {
    if (pos > a.count || !a[pos] || a[pos]->isNull())
        return QString();
    return a[pos]->toString();
}
double numberAt(const DrugCatalog::StockCardArgs& a, int pos, double dflt = 0) {
    if (pos > a.count || !a[pos] || a[pos]->isNull() || a[pos]->toString().trimmed().isEmpty())
        return dflt;
    bool ok = false;
    const double v = a[pos]->toDouble(&ok);
    if (!ok)
        throw AppError(kComponentError, QStringLiteral("DrugCatalog.Drug.AppendStockCard"),
                       QStringLiteral("Type mismatch in argument %1: \"%2\"").arg(pos).arg(a[pos]->toString()));
    return v;
}
bool given(const DrugCatalog::StockCardArgs& a, int pos) {
    return pos <= a.count && a[pos].has_value();
}

QDateTime parseTransDate(const DrugCatalog::StockCardArgs& a) {
    if (!given(a, 4) || a[4]->isNull())
        return {};
    if (a[4]->typeId() == QMetaType::QDateTime)
        return a[4]->toDateTime();
    const QString s = a[4]->toString().trimmed();
    if (s.isEmpty())
        return {};
    QDateTime dt = QDateTime::fromString(s, QStringLiteral("MM/dd/yyyy hh:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(s, QStringLiteral("M/d/yyyy h:mm:ss"));
    if (!dt.isValid())
        throw AppError(kComponentError, QStringLiteral("DrugCatalog.Drug.AppendStockCard"),
                       QStringLiteral("Invalid transaction date \"%1\"").arg(s));
    return dt;
}

bool isNewVisit(const QString& id) { return id.trimmed().compare(QStringLiteral("NEWOPD"), Qt::CaseInsensitive) == 0; }
} // namespace

StockCardLine StockCardLine::fromArgs(const DrugCatalog::StockCardArgs& a) {
    StockCardLine l;
    l.hospNum = textAt(a, 1);
    l.idNum = textAt(a, 2);
    l.itemId = textAt(a, 3).trimmed();
    l.transDate = parseTransDate(a);
    l.refNum = textAt(a, 5).trimmed();
    l.quantity = numberAt(a, 6);
    l.quantityRec = numberAt(a, 7);
    l.amount = numberAt(a, 8);
    l.userId = textAt(a, 9);
    l.dosageId = textAt(a, 10);
    l.requestById = textAt(a, 11);
    l.locationId = textAt(a, 12).trimmed();
    l.targetLocationId = textAt(a, 13);
    l.roomId = textAt(a, 14);
    l.shift = static_cast<int>(numberAt(a, 15));
    l.postOrReturn = given(a, 24) ? static_cast<int>(numberAt(a, 24, 1)) : 1;
    // A correction is stored apart from a return so that return tests never take it for one.
    if (l.postOrReturn == 3) {
        l.summaryCode = l.revenueId = DrugCatalogStockCard::correctionSummaryCode();
    } else {
        const QString fallback = l.postOrReturn == 2 ? QStringLiteral("PC") : QStringLiteral("PH");
        l.summaryCode = given(a, 16) ? textAt(a, 16).trimmed() : fallback;
        l.revenueId = given(a, 17) ? textAt(a, 17).trimmed() : l.summaryCode;
        if (l.summaryCode.isEmpty())
            l.summaryCode = fallback;
    }
    l.clinicId = textAt(a, 18);
    l.itemType = given(a, 19) ? textAt(a, 19) : QStringLiteral("D");
    l.remark = textAt(a, 20);
    l.requestNumber = textAt(a, 21).trimmed();
    const QString id = l.idNum.trimmed();
    const bool admitted = !id.isEmpty() && id.back().isDigit();
    l.inOut = given(a, 22) && !textAt(a, 22).trimmed().isEmpty() ? textAt(a, 22).trimmed()
                                                                  : (admitted ? QStringLiteral("I") : QStringLiteral("O"));
    l.communication = static_cast<int>(numberAt(a, 23));
    if (l.isCredit())
        l.creditMemoNum = textAt(a, 25).trimmed();
    else
        l.auxValue = textAt(a, 25);
    l.dispenserCode = numberAt(a, 26);
    l.sequence = textAt(a, 28).trimmed();
    l.acctNum = textAt(a, 31).trimmed();
    return l;
}

void DrugCatalogStockCard::postAll(QVector<StockCardLine> lines) {
    if (lines.isEmpty())
        return;
    QDateTime now;
    for (StockCardLine& line : lines) {
        if (line.itemId.isEmpty() || line.refNum.isEmpty())
            throw AppError(kComponentError, QStringLiteral("DrugCatalog.Drug.AppendStockCard"),
                           QStringLiteral("A stock-card line needs an item code and a reference number."));
        if (line.locationId.isEmpty())
            line.locationId = QStringLiteral("20");
        if (!line.transDate.isValid()) {
            if (!now.isValid())
                now = c_.serverNow();
            line.transDate = now;
        }
    }

    Transaction tx(c_);
    // Only catalogue items move.
    const QHash<QString, QString> descriptions = chargeDescriptions(lines);
    for (const StockCardLine& line : lines)
        if (!descriptions.contains(line.itemId))
            throw AppError(kComponentError, QStringLiteral("DrugCatalog.Drug.AppendStockCard"),
                           QStringLiteral("Item %1 is not in the catalogue.").arg(line.itemId));
    // All lines of the save under "NEWOPD" land on one visit.
    QHash<QString, QString> newVisits;
    for (StockCardLine& line : lines) {
        if (!isNewVisit(line.idNum))
            continue;
        const QString key = line.refNum + QChar(0x1F) + line.hospNum;
        if (!newVisits.contains(key))
            newVisits.insert(key, resolveNewVisit(line));
        line.idNum = newVisits.value(key);
    }

    QVector<hospitaldb::StockCardPosting> postings;
    postings.reserve(lines.size());
    for (const StockCardLine& line : lines) {
        // Issues lower the stock, credits and corrections raise it; a negative issue reverses one.
        const bool raises = line.summaryCode == QLatin1String("PC") || line.summaryCode == correctionSummaryCode();
        postings.push_back({line, raises ? line.quantity : -line.quantity});
    }
    hospitaldb::postStockCardEntries(c_, postings);
    markServed(lines);
    stage(lines, descriptions);
    tx.commit();
}

// What a slip prints for each item of the lines, by item; an item missing here is not in the catalogue.
QHash<QString, QString> DrugCatalogStockCard::chargeDescriptions(const QVector<StockCardLine>& lines) {
    QVariantList items;
    for (const StockCardLine& line : lines)
        if (!items.contains(line.itemId))
            items << line.itemId;
    Recordset rs = c_.query(QStringLiteral("SELECT m.ItemID, m.ItemName, m.ItemDesc, g.GenericName FROM tbInvMaster m "
                                           "LEFT JOIN tbForGeneric g ON g.GenericID = m.GenericID WHERE m.ItemID IN (%1)")
                                .arg(placeholderList(int(items.size()))),
                            items);
    QHash<QString, QString> descriptions;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QString name = rs.text(QStringLiteral("ItemName")).trimmed();
        const QString desc = rs.text(QStringLiteral("ItemDesc")).trimmed();
        const QString generic = rs.text(QStringLiteral("GenericName")).trimmed();
        descriptions.insert(rs.text(QStringLiteral("ItemID")),
                            generic.isEmpty() ? name + QLatin1Char(' ') + desc
                                              : generic + QLatin1Char(' ') + desc + QStringLiteral(" (") + name +
                                                    QLatin1Char(')'));
    }
    return descriptions;
}

// Marks the nursing requests the lines serve, each by the first line that serves it (a later one
// finds it served already), in one statement per user and moment.
void DrugCatalogStockCard::markServed(const QVector<StockCardLine>& lines) {
    QStringList seen;
    QVector<QPair<QPair<QString, QDateTime>, QVariantList>> groups;
    for (const StockCardLine& line : lines) {
        if (line.communication != 1 || line.requestNumber.isEmpty() || seen.contains(line.requestNumber))
            continue;
        seen << line.requestNumber;
        const QPair<QString, QDateTime> by{line.userId, line.transDate};
        auto group = std::find_if(groups.begin(), groups.end(), [&by](const auto& g) { return g.first == by; });
        if (group == groups.end())
            groups.push_back({by, {line.requestNumber}});
        else
            group->second << line.requestNumber;
    }
    for (const auto& [by, requests] : groups)
        c_.execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'P', ProcessBy = ?, "
                                  "ProcessDate = ? WHERE RequestNumber IN (%1) AND COALESCE(TRIM(RecordStatus), '') = ''")
                       .arg(placeholderList(int(requests.size()))),
                   QVariantList{by.first, by.second} + requests);
}

// All lines of one save under "NEWOPD" land on one visit: the first registers it, the later ones
// find it on the slip's lines of the same hospital number.
QString DrugCatalogStockCard::resolveNewVisit(const StockCardLine& line) {
    Recordset rs = c_.query(QStringLiteral("SELECT IdNum FROM tbInvStockCard WHERE RefNum = ? AND HospNum = ? "
                                           "AND UPPER(IdNum) <> 'NEWOPD' ORDER BY TransDate LIMIT 1"),
                            {line.refNum, line.hospNum});
    if (!rs.isEmpty())
        return rs.text(QStringLiteral("IdNum"));
    const QString visit = hospitaldb::newVisitId(hospitaldb::claimNewVisitNumber(c_));
    const QString hosp = line.hospNum.trimmed();
    c_.execute(QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum, AccountNum, AdmDate) "
                              "VALUES (?, ?, ?, ?)"),
               {visit, hosp, line.acctNum.isEmpty() ? hosp : line.acctNum, line.transDate});
    return visit;
}

// Slips and credit memos print from staged rows that no screen writes: stage one per patient line
// under the caller's key. Cash lines print from their own receipt staging.
void DrugCatalogStockCard::stage(const QVector<StockCardLine>& lines, const QHash<QString, QString>& descriptions) {
    QVector<QVariantList> memoRows, chargeRows;
    for (const StockCardLine& line : lines) {
        if (line.sequence.isEmpty() || line.idNum.trimmed().compare(QStringLiteral("CASH"), Qt::CaseInsensitive) == 0)
            continue;
        const QString key = leftWholeChars(line.sequence, 10);
        const QString description = descriptions.value(line.itemId);
        if (line.isCredit())
            memoRows.push_back({key, leftWholeChars(line.creditMemoNum.toString(), 10), leftWholeChars(description, 90), line.quantity,
                                line.amount, leftWholeChars(line.refNum, 30), static_cast<qint64>(line.quantityRec),
                                leftWholeChars(line.idNum, 10)});
        else if (line.postOrReturn == 1 && line.quantity > 0)
            chargeRows.push_back({key, line.refNum, line.idNum, line.itemId, leftWholeChars(description, 200), line.quantity,
                                  line.amount, line.amount / line.quantity, 0, line.dosageId});
    }
    insertRows(c_, QStringLiteral("tbPharmaCMPrint"),
               {QStringLiteral("UserID"), QStringLiteral("RefNum"), QStringLiteral("Description"),
                QStringLiteral("Quantity"), QStringLiteral("Amount"), QStringLiteral("ChargeSlip"),
                QStringLiteral("QtyIssued"), QStringLiteral("IdNum")},
               memoRows);
    insertRows(c_, QStringLiteral("tbPharmaChargePrint"),
               {QStringLiteral("UserID"), QStringLiteral("RefNum"), QStringLiteral("IdNum"), QStringLiteral("ItemID"),
                QStringLiteral("Description"), QStringLiteral("Quantity"), QStringLiteral("Amount"),
                QStringLiteral("UnitPrice"), QStringLiteral("Discount"), QStringLiteral("Dosage")},
               chargeRows);
}

} // namespace qx::suite
