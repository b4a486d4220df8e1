// Demo rows for the drug, patient and cash components: rates, mark-ups and routes of the items,
// unit-dose requests, and counters that start past the numbers the demo history already uses.
#include "hospitaldb/Schema.h"

#include <QRegularExpression>
#include <cmath>

namespace qx::hospitaldb {
namespace {

void fillPricesAndRoutes(Connection& c) {
    Recordset items = c.query(QStringLiteral("SELECT i.ItemID, i.LocationID, m.ListCost, m.ItemDesc FROM tbInvent i "
                                             "JOIN tbInvMaster m ON m.ItemID = i.ItemID ORDER BY i.ItemID, i.LocationID"));
    for (items.moveFirst(); !items.eof(); items.moveNext()) {
        const double cost = items.number(QStringLiteral("ListCost"));
        c.execute(QStringLiteral("UPDATE tbInvent SET RateA = ?, RateB = ?, MarkupIn = 30, MarkupOut = 20 "
                                 "WHERE ItemID = ? AND LocationID = ?"),
                  {roundToCentavos(cost), roundToCentavos(cost * 1.15), items.value(QStringLiteral("ItemID")),
                   items.value(QStringLiteral("LocationID"))});
    }
    Recordset master = c.query(QStringLiteral("SELECT ItemID, ItemDesc FROM tbInvMaster ORDER BY ItemID"));
    static const QRegularExpression oral(QStringLiteral("\\b(TAB|TABLET|CAP|CAPSULE|SYRUP|SUSP)"));
    static const QRegularExpression injectible(QStringLiteral("\\b(INJ|VIAL|AMP|IV)"));
    for (master.moveFirst(); !master.eof(); master.moveNext()) {
        const QString desc = master.text(QStringLiteral("ItemDesc")).toUpper();
        QVariant route;
        if (oral.match(desc).hasMatch())
            route = QStringLiteral("O");
        else if (injectible.match(desc).hasMatch())
            route = QStringLiteral("I");
        if (!route.isNull())
            c.execute(QStringLiteral("UPDATE tbInvMaster SET OralOrInjectible = ? WHERE ItemID = ?"),
                      {route, master.value(QStringLiteral("ItemID"))});
    }
}

void fillUnitDose(Connection& c) {
    Recordset patients = c.query(QStringLiteral("SELECT p.IDNum, r.StationID FROM patient_data.tbPatient p "
                                                "LEFT JOIN build_file.tbCoRoom r ON r.RoomID = p.RoomID "
                                                "WHERE p.BillingDate IS NULL ORDER BY p.IDNum LIMIT 3"));
    Recordset items = c.query(QStringLiteral("SELECT i.ItemID, i.SellingPriceIn FROM tbInvent i WHERE i.LocationID = '20' "
                                             "ORDER BY i.ItemID LIMIT 4"));
    const QDateTime requested(QDate::currentDate(), QTime(7, 0));
    int n = 0;
    for (patients.moveFirst(); !patients.eof(); patients.moveNext(), ++n) {
        for (int k = 0; k < 2 && items.recordCount() > 0; ++k) {
            const int row = (n + k) % items.recordCount();
            const double qty = 4;
            c.execute(QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, DosageID, Quantity, Amount, Remark, "
                                     "RecordStatus, StationID, RequestDate, RequestedBy, RxMark) "
                                     "VALUES (?, ?, 'Q6H', ?, ?, '', '', ?, ?, 'N0001', ?)"),
                      {patients.value(QStringLiteral("IDNum")), items.valueAt(row, QStringLiteral("ItemID")), qty,
                       roundToCentavos(qty * items.valueAt(row, QStringLiteral("SellingPriceIn")).toDouble()),
                       patients.value(QStringLiteral("StationID")), requested, n == 0 ? 1 : 0});
        }
    }
    if (patients.recordCount() == 0 || items.recordCount() < 3)
        return;
    // The first patient also has a request discontinued by the pharmacy, and one for an item
    // already issued to them today when the history holds such an issue.
    const QVariant first = patients.valueAt(0, QStringLiteral("IDNum"));
    const QVariant station = patients.valueAt(0, QStringLiteral("StationID"));
    const QVariant stopped = items.valueAt(2, QStringLiteral("ItemID"));
    const QString insert = QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, DosageID, Quantity, Amount, "
                                          "Remark, RecordStatus, StationID, RequestDate, RequestedBy, RxMark) "
                                          "VALUES (?, ?, 'OD', 1, ?, ?, ?, ?, ?, 'N0001', 0)");
    c.execute(insert, {first, stopped, items.valueAt(2, QStringLiteral("SellingPriceIn")), QStringLiteral("STOP ORDER"),
                       QStringLiteral("R"), station, requested});
    c.execute(QStringLiteral("INSERT INTO tbInvUnitDoseDiscontinue (IDNum, ItemID, RecordStatus, DiscontinuedBy, DiscDate) "
                             "VALUES (?, ?, 'R', 'DEMO', ?)"),
              {first, stopped, requested.addSecs(1800)});
    Recordset issued = c.query(QStringLiteral("SELECT s.ItemID, i.SellingPriceIn FROM tbInvStockCard s "
                                              "JOIN tbInvent i ON i.ItemID = s.ItemID AND i.LocationID = '20' "
                                              "WHERE s.IdNum = ? AND s.SummaryCode = 'PH' AND s.Quantity > 0 "
                                              "AND s.TransDate >= ? ORDER BY s.ItemID LIMIT 1"),
                               {first, QDateTime(QDate::currentDate(), QTime(0, 0))});
    if (!issued.isEmpty())
        c.execute(insert, {first, issued.value(QStringLiteral("ItemID")), issued.value(QStringLiteral("SellingPriceIn")),
                           QString(), QString(), station, requested});
}

// The next number after the highest `pattern` match (capture 1 numeric) in `column` of `table`.
qint64 nextAfter(Connection& c, const QString& table, const QString& column, const QRegularExpression& pattern) {
    Recordset rs = c.query(QStringLiteral("SELECT DISTINCT %1 AS v FROM %2 WHERE %1 IS NOT NULL").arg(column, table));
    qint64 highest = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QRegularExpressionMatch m = pattern.match(rs.text(QStringLiteral("v")).trimmed());
        if (m.hasMatch())
            highest = std::max(highest, m.captured(1).toLongLong());
    }
    return highest + 1;
}

void fillCounters(Connection& c) {
    const struct {
        const char* kind;
        qint64 next;
    } counters[] = {
        {"CS", nextAfter(c, QStringLiteral("tbInvStockCard"), QStringLiteral("RefNum"),
                         QRegularExpression(QStringLiteral("^(\\d{8})$")))},
        {"CM", nextAfter(c, QStringLiteral("tbInvStockCard"), QStringLiteral("CreditMemoNum"),
                         QRegularExpression(QStringLiteral("^RC(\\d{8})$")))},
        {"AS", nextAfter(c, QStringLiteral("tbInvStockCard"), QStringLiteral("CreditMemoNum"),
                         QRegularExpression(QStringLiteral("^AJ(\\d{8})$")))},
        {"OP", nextAfter(c, QStringLiteral("patient_data.tbOutPatient"), QStringLiteral("IDNum"),
                         QRegularExpression(QStringLiteral("^(\\d+)B$")))},
    };
    for (const auto& counter : counters)
        c.execute(QStringLiteral("INSERT INTO tbInvDocumentCounter (Kind, PatientKey, NextValue) VALUES (?, '', ?) "
                                 "ON CONFLICT (Kind, PatientKey) DO UPDATE SET NextValue = excluded.NextValue"),
                  {QString::fromLatin1(counter.kind), counter.next});
    c.execute(QStringLiteral("INSERT INTO billing.tbCashNumbers (id, CashNumber, DrugNumber, NonDrugNumber) "
                             "VALUES (1, 1, 1, 1) ON CONFLICT (id) DO NOTHING"));
}

void fillSuiteCatalogue(Connection& c) {
    fillPricesAndRoutes(c);
    fillUnitDose(c);
    fillCounters(c);
}

const DemoRegistration suiteCatalogueDemo{{500, QStringLiteral("drug, patient and cash components"), fillSuiteCatalogue}};

} // namespace
} // namespace qx::hospitaldb
