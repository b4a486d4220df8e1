// Demo data for the reports, dated from the day the database is made (today, this month and the
// two before), so that the report dialogs' default dates show rows: issues, returns and
// corrections per in-patient, out-patient and cash customer by several dispensers and shifts,
// senior discounts, first doses, the billing lines of the posted slips, discharges and notices,
// ages, PHIC-listed and antibiotic items; issues at the VEQ outlet "17" and of dangerous drugs,
// and expiry dates in the coming months. Stock-card balances are then made to run to each
// item's stock on hand.
#include "hospitaldb/Schema.h"

#include <cmath>

namespace qx::hospitaldb {
namespace {

double reportCentavos(double v) { return std::round(v * 100.0) / 100.0; }

struct ReportCustomer {
    char kind;  // 'I' in-patient, 'O' out-patient, 'C' cash
    const char* idNum;
    const char* hospNum;
    bool senior;
    const char* cashId;
    const char* cashName;
};

const ReportCustomer kReportCustomers[] = {
    {'I', "260001", "000101", false, "", ""},
    {'I', "260002", "000102", true, "", ""},
    {'I', "260003", "000103", false, "", ""},
    {'I', "260005", "000105", true, "", ""},
    {'O', "26501A", "000111", false, "", ""},
    {'O', "26502A", "000112", true, "", ""},
    {'O', "26503A", "000113", false, "", ""},
    {'C', "CASH", "", true, "CS000101", "PEREZ, LINDA"},
    {'C', "CASH", "", false, "CS000102", "OCAMPO, RAFAEL"},
};

const char* const kReportDispensers[] = {"8", "1001", "1002", "1003"};

// Today, yesterday where it is still this month, the first of this month, and a day in each of
// the two months before.
QList<QDate> reportDays(const QDate& today) {
    QList<QDate> days{today};
    if (today.day() > 2)
        days << today.addDays(-1) << QDate(today.year(), today.month(), 1);
    const QDate lastMonth = today.addMonths(-1);
    const QDate twoBefore = today.addMonths(-2);
    days << QDate(lastMonth.year(), lastMonth.month(), 10) << QDate(twoBefore.year(), twoBefore.month(), 20);
    return days;
}

void addReportPatients(Connection& c, const QDate& today) {
    struct Stay { const char* idNum; const char* hospNum; const char* last; const char* first; const char* sex;
                  int age; const char* room; const char* doctor; int admittedAgo; int dischargedAgo; };
    const Stay stays[] = {
        {"260011", "000116", "PASCUAL", "IRENE", "F", 58, "206", "D003", 0, -1},
        {"260012", "000117", "DOMINGO", "RICARDO", "M", 66, "306", "D001", 4, 0},
        {"260013", "000118", "SALAZAR", "TERESA", "F", 41, "205", "D002", 40, 33},
    };
    for (const Stay& s : stays) {
        c.execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, BirthDate) "
                                 "VALUES (?, ?, ?, '', ?, ?)"),
                  {QString::fromLatin1(s.hospNum), QString::fromLatin1(s.last), QString::fromLatin1(s.first),
                   QString::fromLatin1(s.sex), QDateTime(today.addYears(-s.age - 1).addDays(40), QTime(0, 0))});
        c.execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum, AdmDate, DoctorID, DcrDate, AccountNum, "
                                 "RoomID, Age) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {QString::fromLatin1(s.idNum), QString::fromLatin1(s.hospNum),
                   QDateTime(today.addDays(-s.admittedAgo), QTime(6, 40)), QString::fromLatin1(s.doctor),
                   s.dischargedAgo < 0 ? QVariant(QMetaType::fromType<QDateTime>())
                                       : QVariant(QDateTime(today.addDays(-s.dischargedAgo), QTime(10, 0))),
                   QString::fromLatin1(s.hospNum), QString::fromLatin1(s.room), s.age});
    }
    // Ages at admission of the stays that have none.
    Recordset born = c.query(QStringLiteral("SELECT p.IDNum, p.AdmDate, m.BirthDate FROM patient_data.tbPatient p "
                                            "JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum WHERE p.Age IS NULL"));
    for (born.moveFirst(); !born.eof(); born.moveNext()) {
        const QDate birth = born.value(QStringLiteral("BirthDate")).toDateTime().date();
        const QDate admitted = born.value(QStringLiteral("AdmDate")).toDateTime().date();
        int age = admitted.year() - birth.year();
        if (QDate(admitted.year(), birth.month(), 1).addDays(birth.day() - 1) > admitted)
            --age;
        c.execute(QStringLiteral("UPDATE patient_data.tbPatient SET Age = ? WHERE IDNum = ?"),
                  {age, born.value(QStringLiteral("IDNum"))});
    }
    // Notices of discharge from the wards, cleared by none yet.
    for (const char* idNum : {"260003", "260006"})
        for (const char* department : {"PH", "NS"})
            c.execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, UserID) "
                                     "VALUES (?, ?, ?, '9001')"),
                      {QString::fromLatin1(idNum), QString::fromLatin1(department), QDateTime(today, QTime(7, 45))});
}

void markReportItems(Connection& c) {
    // Every other item is on the PHIC list; antibiotics carry their monitoring class.
    Recordset items = c.query(QStringLiteral("SELECT ItemID, ItemClassificationID FROM tbInvMaster ORDER BY ItemID"));
    int n = 0;
    for (items.moveFirst(); !items.eof(); items.moveNext(), ++n) {
        const QString id = items.text(QStringLiteral("ItemID"));
        if (n % 2 == 0)
            c.execute(QStringLiteral("UPDATE tbInvMaster SET isPHIC = 1 WHERE ItemID = ?"), {id});
        if (items.text(QStringLiteral("ItemClassificationID")) == QLatin1String("C01"))
            c.execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = COALESCE(AntibioticClassID, ?) WHERE ItemID = ?"),
                      {n % 3 == 0 ? QStringLiteral("RESTRICTED") : QStringLiteral("MONITORED"), id});
    }
}

void addReportLines(Connection& c, const QDate& today) {
    Recordset items = c.query(QStringLiteral("SELECT ItemID, SellingPriceIn, SellingPriceOut FROM tbInvent "
                                             "WHERE LocationID = '20' ORDER BY ItemID"));
    if (items.isEmpty())
        return;
    const int itemCount = items.recordCount();
    const QList<QDate> days = reportDays(today);
    const QString insert = QStringLiteral(
        "INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, RevenueID, LocationID, TransDate, "
        "Quantity, Balance, Amount, UserID, Shift, Discount, NetAmount, DiscountRevenueID, Senior, InOut, CashIDnum, "
        "CashName, PostOrReturn, CreditMemoNum, FirstDose, DosageID, VerifyID) "
        "VALUES (?, ?, ?, ?, ?, 'PH', ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'TID', '')");
    int slip = 500000, memo = 900000, adjustment = 0;
    const int customerCount = int(std::size(kReportCustomers));
    for (int ci = 0; ci < customerCount; ++ci) {
        const ReportCustomer& cu = kReportCustomers[ci];
        for (int di = 0; di < days.size(); ++di) {
            const int turn = ci + di;
            const int shift = 1 + turn % 3;
            const QDateTime posted(days[di], QTime(shift == 1 ? 9 : shift == 2 ? 15 : 22, (7 * turn) % 60));
            const QString dispenser = QString::fromLatin1(kReportDispensers[turn % 4]);
            const QString location = cu.kind == 'O' && di % 2 == 1 ? QStringLiteral("186") : QStringLiteral("20");
            const QString refNum = QStringLiteral("%1").arg(++slip, 8, 10, QLatin1Char('0'));
            auto line = [&](int row, const char* code, double quantity, const QDateTime& when, int postOrReturn,
                            const QString& memoNumber, bool firstDose) {
                const double price = items.valueAt(row, cu.kind == 'I' ? QStringLiteral("SellingPriceIn")
                                                                        : QStringLiteral("SellingPriceOut")).toDouble();
                const double amount = reportCentavos(quantity * price);
                const double discount = cu.senior ? reportCentavos(amount * 0.20) : 0.0;
                c.execute(insert, {refNum, items.valueAt(row, QStringLiteral("ItemID")), QString::fromLatin1(cu.idNum),
                                   QString::fromLatin1(cu.hospNum), QString::fromLatin1(code), location, when, quantity,
                                   amount, dispenser, shift, discount, reportCentavos(amount - discount),
                                   cu.senior ? QStringLiteral("SC") : QString(), cu.senior ? 1 : 0, QString(QLatin1Char(cu.kind)),
                                   *cu.cashId ? QVariant(QString::fromLatin1(cu.cashId)) : QVariant(QMetaType::fromType<QString>()),
                                   QString::fromLatin1(cu.cashName), postOrReturn, memoNumber, firstDose ? 1 : 0});
                if (cu.kind != 'C')
                    c.execute(QStringLiteral("INSERT INTO billing.tbBillCharges (PatientType, IDNum, HospNum, RefNum, RevenueID, "
                                             "ItemID, Quantity, Amount, UserID, DrCr, TransDate) VALUES (?, ?, ?, ?, 'PH', ?, ?, ?, ?, ?, ?)"),
                              {QString(QLatin1Char(cu.kind)), QString::fromLatin1(cu.idNum), QString::fromLatin1(cu.hospNum),
                               memoNumber.isEmpty() ? refNum : memoNumber, items.valueAt(row, QStringLiteral("ItemID")),
                               quantity, amount, dispenser, QLatin1String(code) == QLatin1String("PH") ? QStringLiteral("D") : QStringLiteral("C"),
                               when});
            };
            const int first = (ci * 3 + di * 5) % itemCount;
            const int second = (first + 7) % itemCount;
            line(first, "PH", 1 + turn % 4, posted, 1, QString(), cu.kind == 'I' && di == 0);
            line(second, "PH", 2 + turn % 3, posted.addSecs(60), 1, QString(), false);
            if (turn % 3 == 0)
                line(first, "PC", 1, posted.addSecs(2 * 3600), 2, QStringLiteral("RC%1").arg(++memo, 8, 10, QLatin1Char('0')), false);
            if (turn % 4 == 1)
                line(second, "PC", 1, posted.addSecs(3 * 3600), 3, QStringLiteral("AS%1").arg(++adjustment, 8, 10, QLatin1Char('0')), false);
        }
    }
}

// The VEQ outlet "17" stocks a few items and serves in- and out-patients; dangerous drugs go to
// in-patients at the main pharmacy; some stock expires in the coming months (one lot today).
void addOutletAndDangerousLines(Connection& c, const QDate& today) {
    if (c.query(QStringLiteral("SELECT 1 FROM tbInvLocation WHERE LocationID = '17'")).isEmpty())
        c.execute(QStringLiteral("INSERT INTO tbInvLocation (LocationID, Location, isWarehouse, isDispensingArea, Status, "
                                 "inventorytype) VALUES ('17', 'VEQ OUTLET', 0, 1, 'A', 'P')"));
    Recordset items = c.query(QStringLiteral("SELECT v.ItemID, v.SellingPriceIn, m.ItemClassificationID FROM tbInvent v "
                                             "JOIN tbInvMaster m ON m.ItemID = v.ItemID WHERE v.LocationID = '20' "
                                             "ORDER BY v.ItemID"));
    const QString insert = QStringLiteral(
        "INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, RevenueID, LocationID, TransDate, "
        "Quantity, Balance, Amount, UserID, Shift, InOut, PostOrReturn, CreditMemoNum, DosageID, VerifyID) "
        "VALUES (?, ?, ?, ?, 'PH', 'PH', ?, ?, ?, 0, ?, ?, ?, ?, 1, '', 'OD', '')");
    int slip = 600000;
    const QList<QDate> days{today, today.addDays(-20), today.addDays(-45)};
    for (int row = 0; row < items.recordCount(); ++row) {
        const QString id = items.valueAt(row, QStringLiteral("ItemID")).toString();
        const double price = items.valueAt(row, QStringLiteral("SellingPriceIn")).toDouble();
        const bool dangerous = items.valueAt(row, QStringLiteral("ItemClassificationID")).toString() == QLatin1String("C04");
        if (row < 6) {
            c.execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand, MinStockLevel, ItemStatus, Packing, "
                                     "LastInventoryCount, SellingPriceIn, SellingPriceOut) VALUES (?, '17', 60, 10, 0, 1, 60, ?, ?)"),
                      {id, price, price});
            for (int d = 0; d < days.size(); ++d) {
                const bool inPatient = (row + d) % 2 == 0;
                const double quantity = 1 + (row + d) % 3;
                c.execute(insert, {QStringLiteral("%1").arg(++slip, 8, 10, QLatin1Char('0')), id,
                                   inPatient ? QStringLiteral("260003") : QStringLiteral("26503A"),
                                   inPatient ? QStringLiteral("000103") : QStringLiteral("000113"), QStringLiteral("17"),
                                   QDateTime(days[d], QTime(11, 5 * row)), quantity, reportCentavos(quantity * price),
                                   QStringLiteral("1002"), 1 + d % 3, inPatient ? QStringLiteral("I") : QStringLiteral("O")});
            }
        }
        if (dangerous)
            for (int d = 0; d < days.size(); ++d)
                c.execute(insert, {QStringLiteral("%1").arg(++slip, 8, 10, QLatin1Char('0')), id, QStringLiteral("260005"),
                                   QStringLiteral("000105"), QStringLiteral("20"), QDateTime(days[d], QTime(20, 10 + d)), 1.0,
                                   reportCentavos(price), QStringLiteral("8"), 3, QStringLiteral("I")});
        if (row % 4 == 0)
            c.execute(QStringLiteral("UPDATE tbInvent SET MacExpiry = ? WHERE ItemID = ? AND LocationID IN ('20', '186')"),
                      {QDateTime(today.addDays(row == 0 ? 0 : 10 + 4 * row), QTime(0, 0)), id});
    }
}

// Each item's balance, line after line, ends at its stock on hand.
void runBalancesToStock(Connection& c) {
    Recordset stock = c.query(QStringLiteral("SELECT ItemID, LocationID, OnHand FROM tbInvent ORDER BY ItemID, LocationID"));
    for (stock.moveFirst(); !stock.eof(); stock.moveNext()) {
        Recordset lines = c.query(QStringLiteral("SELECT id, SummaryCode, Quantity FROM tbInvStockCard WHERE ItemID = ? "
                                                 "AND LocationID = ? ORDER BY TransDate, id"),
                                  {stock.value(QStringLiteral("ItemID")), stock.value(QStringLiteral("LocationID"))});
        auto effect = [&]() {
            const QString code = lines.text(QStringLiteral("SummaryCode"));
            const double q = lines.value(QStringLiteral("Quantity")).toDouble();
            return code == QLatin1String("PH") ? -q : q;
        };
        double balance = stock.value(QStringLiteral("OnHand")).toDouble();
        for (lines.moveFirst(); !lines.eof(); lines.moveNext())
            balance -= effect();
        for (lines.moveFirst(); !lines.eof(); lines.moveNext()) {
            balance += effect();
            c.execute(QStringLiteral("UPDATE tbInvStockCard SET Balance = ? WHERE id = ?"),
                      {balance, lines.value(QStringLiteral("id"))});
        }
    }
}

void fillReportData(Connection& c) {
    const QDate today = QDate::currentDate();
    addReportPatients(c, today);
    markReportItems(c);
    addReportLines(c, today);
    addOutletAndDangerousLines(c, today);
    runBalancesToStock(c);
}

const DemoRegistration reportHistoryDemo{{2100, QStringLiteral("report history"), fillReportData}};

} // namespace
} // namespace qx::hospitaldb
