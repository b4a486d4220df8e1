// Demo data: what is waiting for the pharmacy when the program opens — nursing requests of
// the stations, a station return and a couple of cash assessments.
#include "hospitaldb/Schema.h"

#include <cmath>

namespace qx::hospitaldb {
namespace {

struct Request {
    const char* idNum;
    const char* item;
    double quantity;
    const char* station;
    bool stat;
    const char* dosage;
    int minutesAgo;
};

const Request kRequests[] = {
    {"260001", "D0002", 21, "2F", false, "1 CAP Q8H", 95},
    {"260001", "D0001", 10, "2F", false, "1 TAB Q4H PRN FEVER", 95},
    {"260003", "D0022", 2, "2F", true, "1 G IV Q12H", 40},
    {"260004", "D0030", 3, "2F", false, "1 L IV Q8H", 30},
    {"260006", "D0008", 7, "3F", false, "1 TAB OD", 75},
    {"260007", "D0033", 2, "3F", false, "2 MG IV Q4H PRN PAIN", 20},
    {"260009", "D0013", 9, "3F", false, "1 TAB TID", 10},
    {"26501A", "D0012", 7, "OPD", false, "1 TAB OD", 25},
    {"26504E", "D0026", 1, "ER", true, "4 MG IV NOW", 5},
};

void fillRequests(Connection& c) {
    QDateTime now = c.serverNow();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    int n = 0;
    for (const Request& r : kRequests) {
        const QString idNum = QString::fromLatin1(r.idNum);
        const bool admitted = idNum.back().isDigit();
        Recordset patient = c.query(admitted ? QStringLiteral("SELECT HospNum, DoctorID FROM patient_data.tbPatient WHERE IDNum = ?")
                                             : QStringLiteral("SELECT HospNum, DoctorID FROM patient_data.tbOutPatient WHERE IDNum = ?"),
                                    {idNum});
        Recordset price = c.query(QStringLiteral("SELECT AverageCost FROM tbInvMaster WHERE ItemID = ?"),
                                  {QString::fromLatin1(r.item)});
        if (patient.isEmpty() || price.isEmpty())
            continue;
        ++n;
        c.execute(QStringLiteral("INSERT INTO station.tbNurseCommunicationFile (IDNum, HospNum, ItemID, Quantity, RecordStatus, "
                                 "DepartmentID, InOut, StationID, RequestNumber, isStat, RequestDate, DoctorID, Dosage, "
                                 "Remarks, UserID, Amount) VALUES (?, ?, ?, ?, '', 'PH', ?, ?, ?, ?, ?, ?, ?, '', ?, ?)"),
                  {idNum, patient.value(QStringLiteral("HospNum")), QString::fromLatin1(r.item), r.quantity,
                   admitted ? QStringLiteral("I") : QStringLiteral("O"), QString::fromLatin1(r.station),
                   QStringLiteral("RQ%1").arg(n, 6, 10, QLatin1Char('0')), r.stat ? 1 : 0,
                   now.addSecs(-60 * r.minutesAgo), patient.value(QStringLiteral("DoctorID")), QString::fromLatin1(r.dosage),
                   QStringLiteral("N%1").arg(100 + n % 3), std::round(r.quantity * price.value(0).toDouble() * 130.0) / 100.0});
    }

    // A station asks to return part of the last issue that was not credited yet.
    Recordset issue = c.query(QStringLiteral("SELECT RefNum, ItemID, IdNum, HospNum, Quantity, Amount FROM tbInvStockCard "
                                             "WHERE SummaryCode = 'PH' AND Quantity >= 2 ORDER BY TransDate DESC, id DESC LIMIT 1"));
    if (!issue.isEmpty()) {
        const double issued = issue.value(QStringLiteral("Quantity")).toDouble();
        const double unitAmount = issue.value(QStringLiteral("Amount")).toDouble() / issued;
        c.execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, HospNum, ItemID, ChargeSlip, CreditMemo, RevenueID, "
                                 "qtyi, qtyr, Amount, UserID, Remarks, RecordStatus, isPosted) "
                                 "VALUES (?, ?, ?, ?, ?, 'PC', ?, 1, ?, 'N101', ?, NULL, NULL)"),
                  {issue.value(QStringLiteral("IdNum")), issue.value(QStringLiteral("HospNum")),
                   issue.value(QStringLiteral("ItemID")), issue.value(QStringLiteral("RefNum")), QStringLiteral("SR000001"),
                   issued, std::round(unitAmount * 100.0) / 100.0, QStringLiteral("DISCONTINUED BY DOCTOR")});
    }

    c.execute(QStringLiteral("INSERT INTO tbInvPrescriptionOrders (IdNum, Orders) VALUES (?, ?)"),
              {QStringLiteral("260002"), QStringLiteral("CONTINUE METFORMIN 500 MG 1 TAB BID; START AMLODIPINE 5 MG OD")});

    // Two walk-in cash assessments: one paid at the cashier, one still waiting. Their numbers lie
    // below the assessment counter.
    struct Assessment { const char* refNum; const char* item; double quantity; const char* name; const char* orNumber; };
    const QDateTime today(QDate::currentDate(), QTime(9, 0));
    int line = 0;
    for (const Assessment& a : {Assessment{"PH000999", "D0001", 20, "WALK-IN: ROBERTO SY", "OR-700112"},
                                Assessment{"PH001000", "D0012", 10, "WALK-IN: LINDA GO", ""}}) {
        Recordset item = c.query(QStringLiteral("SELECT AverageCost FROM tbInvMaster WHERE ItemID = ?"),
                                 {QString::fromLatin1(a.item)});
        const double unitPrice = std::round(item.value(0).toDouble() * 120.0) / 100.0;
        c.execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, Quantity, "
                                 "Amount, Discount, DiscountType, DiscountName, DiscountRate, VATExempt, UserID, TransDate, "
                                 "Remarks, RecordStatus, ORNumber, HospNum, UnitPrice, Shift, LocationID, DepartmentID) "
                                 "VALUES (?, 'PH', ?, '', ?, ?, ?, 0, '', '', 0, 0, 'DEMO', ?, '', '', ?, 'CASH', ?, '1', '', '')"),
                  {QString::fromLatin1(a.refNum), QString::fromLatin1(a.item), QString::fromLatin1(a.name), a.quantity,
                   std::round(a.quantity * unitPrice * 100.0) / 100.0, today.addSecs(600 * line++),
                   *a.orNumber ? QVariant(QString::fromLatin1(a.orNumber)) : QVariant(QMetaType::fromType<QString>()),
                   unitPrice});
    }
}

const DemoRegistration requestsDemo{{130, QStringLiteral("pending requests and assessments"), fillRequests}};

} // namespace
} // namespace qx::hospitaldb
