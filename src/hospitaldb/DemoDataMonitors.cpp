// Demo rows for the main window's monitors: the ward's facts of the discharge notices, and the
// package requests of the outside order system for today and yesterday, one of them processed.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

#include <QDateTime>

namespace qx::hospitaldb {
namespace {

void fillMonitors(Connection& c) {
    const QDateTime now = c.serverNow();
    c.execute(QStringLiteral("UPDATE patient_data.tbDischargeNotice SET DischargeNurse = 'N. VILLANUEVA', OrderedDate = NoticeDate, "
                             "Remarks = 'MAY GO HOME' WHERE DischargeNurse IS NULL"));
    struct Package { const char* slip; const char* idNum; const char* company; int daysAgo; bool processed; };
    const Package packages[] = {{"KV000101", "260001", "ACME CORP", 0, false},
                                {"KV000102", "260002", "", 0, false},
                                {"KV000100", "260001", "ACME CORP", 1, true}};
    int line = 0;
    for (const Package& p : packages) {
        const Recordset patient = c.query(QStringLiteral("SELECT HospNum FROM patient_data.tbPatient WHERE IDNum = ?"),
                                          {QString::fromLatin1(p.idNum)});
        if (patient.isEmpty())
            continue;
        c.execute(QStringLiteral("INSERT INTO tbKVRSPackageRequest (ChargeSlip, RevenueID, HospNum, IDNum, Company, RequestDate, "
                                 "RecordStatus, ProcessBy, ProcessDate) VALUES (?, 'PH', ?, ?, ?, ?, ?, ?, ?)"),
                  {QString::fromLatin1(p.slip), patient.value(QStringLiteral("HospNum")), QString::fromLatin1(p.idNum),
                   QString::fromLatin1(p.company), now.addDays(-p.daysAgo).addSecs(-3600),
                   p.processed ? QStringLiteral("P") : QString(), p.processed ? QVariant(QStringLiteral("8")) : QVariant(),
                   p.processed ? QVariant(now.addDays(-p.daysAgo)) : QVariant()});
        const Recordset items = c.query(QStringLiteral("SELECT ItemID, AverageCost FROM tbInvMaster ORDER BY ItemID LIMIT 2 OFFSET ?"),
                                        {line++});
        for (int i = 0; i < items.recordCount(); ++i)
            c.execute(QStringLiteral("INSERT INTO tbKVRSPackageRequestItem (ChargeSlip, ItemID, Quantity, Amount, Status) "
                                     "VALUES (?, ?, ?, ?, ?)"),
                      {QString::fromLatin1(p.slip), items.valueAt(i, QStringLiteral("ItemID")), 2.0 + i,
                       roundToCentavos((2.0 + i) * items.valueAt(i, QStringLiteral("AverageCost")).toDouble() * 1.3),
                       p.processed ? QStringLiteral("PROCESSED") : QStringLiteral("PENDING")});
    }
}

const DemoRegistration monitorsDemo{{2500, QStringLiteral("discharge-notice facts and package requests"), fillMonitors}};

} // namespace
} // namespace qx::hospitaldb
