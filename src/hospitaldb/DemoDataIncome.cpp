// Demo data for the income reports, over the report history: company accounts charged on some
// in-patients' and out-patients' lines (the staff account for one out-patient's sisters'
// medicines), VAT on the cash sales, one cash customer sold on sales invoices, the receipt rows of
// a cash sale staged for the receipt print under employee 1001, and card holders of two card
// types buying on their cards over the three months.
#include "hospitaldb/Schema.h"

#include <QDate>
#include <cmath>

namespace qx::hospitaldb {
namespace {

void addCardTransactions(Connection& c) {
    struct Holder { const char* card; const char* last; const char* first; int type; };
    const Holder holders[] = {{"LC-000101", "VILLANUEVA", "CARLO", 1}, {"LC-000102", "AQUINO", "BEA", 1},
                              {"MC-000201", "FLORES", "DANTE", 2}};
    Recordset items = c.query(QStringLiteral("SELECT ItemID, SellingPriceOut FROM tbInvent WHERE LocationID = '20' ORDER BY ItemID LIMIT 3"));
    if (items.isEmpty())
        return;
    const QDate today = QDate::currentDate();
    const QList<QDate> days{today, today.addMonths(-1), today.addMonths(-2).addDays(1 - today.addMonths(-2).day()).addDays(14)};
    int receipt = 950;
    for (int h = 0; h < int(std::size(holders)); ++h) {
        const Holder& holder = holders[h];
        c.execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, MiddleName, CardTypeID, ExpiryDate) "
                                 "VALUES (?, ?, ?, '', ?, ?)"),
                  {QString::fromLatin1(holder.card), QString::fromLatin1(holder.last), QString::fromLatin1(holder.first), holder.type,
                   QDateTime(today.addYears(1), QTime(0, 0))});
        for (int d = 0; d < days.size(); ++d) {
            const int row = (h + d) % items.recordCount();
            const double quantity = 1 + (h + d) % 3;
            const double amount = std::round(quantity * items.valueAt(row, QStringLiteral("SellingPriceOut")).toDouble() * 100.0) / 100.0;
            const double discount = std::round(amount * (holder.type == 1 ? 5.0 : 10.0)) / 100.0;
            c.execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, Quantity, Amount, "
                                     "Discount, DiscountType, UserID, TransDate, RecordStatus, ORNumber, HospNum, CardNum, CardTypeID, "
                                     "CardDiscount, Shift, LocationID) VALUES (?, 'PH', ?, '', ?, ?, ?, ?, 'CARD', '1001', ?, 'P', ?, "
                                     "'CASH', ?, ?, ?, '1', '20')"),
                      {QStringLiteral("PH%1").arg(++receipt, 6, 10, QLatin1Char('0')), items.valueAt(row, QStringLiteral("ItemID")),
                       QStringLiteral("%1, %2").arg(QLatin1String(holder.last), QLatin1String(holder.first)), quantity, amount,
                       discount, QDateTime(days[d], QTime(10 + h, 15)), QStringLiteral("OR-%1").arg(receipt),
                       QString::fromLatin1(holder.card), QString::number(holder.type), holder.type == 1 ? 5.0 : 10.0});
        }
    }
}

void fillIncomeData(Connection& c) {
    struct Account { const char* idNum; const char* account; };
    for (const Account& a : {Account{"260001", "C0001"}, Account{"260003", "C0002"}, Account{"26501A", "C0002"},
                             Account{"26503A", "EMP"}})
        c.execute(QStringLiteral("UPDATE tbInvStockCard SET AcctNum = ? WHERE IdNum = ? AND SummaryCode IN ('PH', 'PC')"),
                  {QString::fromLatin1(a.account), QString::fromLatin1(a.idNum)});
    // Cash prices hold 12% VAT: the VAT part of each net amount.
    c.execute(QStringLiteral("UPDATE tbInvStockCard SET VATAmount = ROUND(CAST((Amount - COALESCE(Discount, 0)) * 12 / 112 AS NUMERIC), 2) "
                             "WHERE InOut = 'C' AND SummaryCode IN ('PH', 'PC')"));
    c.execute(QStringLiteral("UPDATE tbInvStockCard SET RefNum = 'SI' || substr(RefNum, 3) WHERE CashIDnum = 'CS000102'"));
    c.execute(QStringLiteral("UPDATE tbInvStockCard SET RefNum = 'OR' || substr(RefNum, 3) WHERE CashIDnum = 'CS000101'"));

    Recordset sale = c.query(QStringLiteral(
        "SELECT s.RefNum, s.ItemID, TRIM(COALESCE(m.ItemName, '') || ' ' || COALESCE(m.ItemDesc, '')) AS Description, "
        "s.Quantity, s.Amount - COALESCE(s.Discount, 0) AS Amount FROM tbInvStockCard s "
        "LEFT OUTER JOIN tbInvMaster m ON m.ItemID = s.ItemID "
        "WHERE s.CashIDnum = 'CS000101' AND s.SummaryCode = 'PH' ORDER BY s.TransDate DESC, s.id LIMIT 2"));
    for (sale.moveFirst(); !sale.eof(); sale.moveNext())
        c.execute(QStringLiteral("INSERT INTO tbPharmaCashPrint (UserID, RefNum, ItemID, Description, Quantity, Amount) "
                                 "VALUES ('1001', ?, ?, ?, ?, ?)"),
                  {sale.value(QStringLiteral("RefNum")), sale.value(QStringLiteral("ItemID")),
                   sale.value(QStringLiteral("Description")), sale.value(QStringLiteral("Quantity")),
                   sale.value(QStringLiteral("Amount"))});
    addCardTransactions(c);
}

const DemoRegistration incomeDemo{{2900, QStringLiteral("income report accounts, cash documents and a staged receipt"),
                                   fillIncomeData}};

} // namespace
} // namespace qx::hospitaldb
