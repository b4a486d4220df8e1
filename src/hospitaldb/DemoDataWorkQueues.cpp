// Demo rows for the small work-queue windows: today's station returns under two credit memos
// (one of two items) and an older one already confirmed, and the refill lines of two
// out-patient visits.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

#include <QDateTime>

namespace qx::hospitaldb {
namespace {

void fillWorkQueues(Connection& c) {
    const QDateTime now = c.serverNow();
    // The return the requests step wrote came back this morning.
    c.execute(QStringLiteral("UPDATE tbPharmaCommunication SET TransDate = ? WHERE RevenueID = 'PC' AND TransDate IS NULL"),
              {QDateTime(now.date(), QTime(8, 30))});
    const Recordset issues = c.query(QStringLiteral("SELECT RefNum, ItemID, IdNum, HospNum, Quantity, Amount FROM tbInvStockCard "
                                                    "WHERE SummaryCode = 'PH' AND Quantity >= 2 ORDER BY TransDate, id LIMIT 3"));
    struct Return { const char* creditMemo; int daysAgo; bool confirmed; };
    const Return returns[] = {{"SR000002", 0, false}, {"SR000002", 0, false}, {"SR000003", 1, true}};
    for (int i = 0; i < issues.recordCount() && i < 3; ++i) {
        const Return& r = returns[i];
        const double issued = issues.valueAt(i, QStringLiteral("Quantity")).toDouble();
        const double unitAmount = issues.valueAt(i, QStringLiteral("Amount")).toDouble() / issued;
        const QDateTime returned = QDateTime(now.date().addDays(-r.daysAgo), QTime(10, 15 + i));
        c.execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, HospNum, ItemID, ChargeSlip, CreditMemo, RevenueID, "
                                 "qtyi, qtyr, Amount, UserID, Remarks, RecordStatus, isPosted, TransDate, ProcessDate, ProcessBy) "
                                 "VALUES (?, ?, ?, ?, ?, 'PC', ?, 1, ?, 'N102', 'NOT USED', ?, 1, ?, ?, ?)"),
                  {issues.valueAt(i, QStringLiteral("IdNum")), issues.valueAt(i, QStringLiteral("HospNum")),
                   issues.valueAt(i, QStringLiteral("ItemID")), issues.valueAt(i, QStringLiteral("RefNum")),
                   QString::fromLatin1(r.creditMemo), issued, roundToCentavos(unitAmount),
                   r.confirmed ? QVariant(QStringLiteral("C")) : QVariant(), returned,
                   r.confirmed ? QVariant(returned.addSecs(1800)) : QVariant(),
                   r.confirmed ? QVariant(QStringLiteral("8")) : QVariant()});
    }

    struct Refill { const char* visit; int item; const char* dosage; double quantity; double dispensed; double refill; };
    const Refill refills[] = {{"26501A", 0, "1 TAB TID", 30, 10, 10, },
                              {"26501A", 3, "1 CAP BID", 20, 10, 10},
                              {"26502A", 1, "1 TAB OD", 30, 15, 15}};
    const Recordset items = c.query(QStringLiteral("SELECT ItemID FROM tbInvMaster ORDER BY ItemID LIMIT 4"));
    for (const Refill& f : refills) {
        if (f.item >= items.recordCount())
            continue;
        c.execute(QStringLiteral("INSERT INTO tbPharmaRefill (IdNum, ItemID, Dosage, Quantity, QtyDispensed, ReFill, Remarks) "
                                 "VALUES (?, ?, ?, ?, ?, ?, 'MAINTENANCE')"),
                  {QString::fromLatin1(f.visit), items.valueAt(f.item, 0), QString::fromLatin1(f.dosage), f.quantity,
                   f.dispensed, f.refill});
    }
}

const DemoRegistration workQueuesDemo{{3800, QStringLiteral("station returns to confirm and refill lines"), fillWorkQueues}};

} // namespace
} // namespace qx::hospitaldb
