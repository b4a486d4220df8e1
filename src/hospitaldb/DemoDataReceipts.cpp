// Demo data of a paid receipt: three lines of a walk-in customer, one of them partly brought back
// under a credit advise not posted yet, so that the receipt's lines and its advises can be tried.
#include "hospitaldb/Schema.h"

#include <QDateTime>
#include <cmath>

namespace qx::hospitaldb {
namespace {

void fillPaidReceipt(Connection& c) {
    const QString receipt = QStringLiteral("OR-700150");
    const QDateTime paid(QDate::currentDate().addDays(-1), QTime(10, 30));
    struct Line { const char* item; double quantity; };
    const Line lines[] = {{"D0002", 10}, {"D0003", 4}, {"D0005", 2}};
    double advisedUnitPrice = 0;
    for (const Line& l : lines) {
        Recordset item = c.query(QStringLiteral("SELECT AverageCost FROM tbInvMaster WHERE ItemID = ?"),
                                 {QString::fromLatin1(l.item)});
        const double unitPrice = std::round(item.value(0).toDouble() * 120.0) / 100.0;
        if (QLatin1String(l.item) == QLatin1String("D0003"))
            advisedUnitPrice = unitPrice;
        c.execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, Quantity, "
                                 "Amount, Discount, DiscountType, DiscountName, DiscountRate, VATExempt, UserID, TransDate, "
                                 "Remarks, RecordStatus, ORNumber, HospNum, UnitPrice, Shift, LocationID, DepartmentID) "
                                 "VALUES ('PH000998', 'PH', ?, '', 'WALK-IN: CARMEN DELA ROSA', ?, ?, 0, '', '', 0, 0, "
                                 "'1001', ?, '', '', ?, 'CASH', ?, '1', '20', '')"),
                  {QString::fromLatin1(l.item), l.quantity, std::round(l.quantity * unitPrice * 100.0) / 100.0, paid,
                   receipt, unitPrice});
    }
    c.execute(QStringLiteral("INSERT INTO billing.tbCashCreditAdvise (ORNumber, AdviseNo, ItemID, Quantity, UnitPrice, "
                             "Amount, RecordStatus, TransDate, UserID, RevenueID, Payee, LineNumber) "
                             "VALUES (?, 'PH100', 'D0003', 1, ?, ?, NULL, ?, '1001', 'PH', 'CARMEN DELA ROSA', 1)"),
              {receipt, advisedUnitPrice, advisedUnitPrice, paid.addSecs(3600)});
}

const DemoRegistration paidReceiptDemo{{610, QStringLiteral("a paid receipt with a credit advise"), fillPaidReceipt}};

} // namespace
} // namespace qx::hospitaldb
