// Demo data for the income reports, over the report history: company accounts charged on some
// in-patients' and out-patients' lines (the staff account for one out-patient's sisters'
// medicines), VAT on the cash sales, one cash customer sold on sales invoices, and the receipt
// rows of a cash sale staged for the receipt print under employee 1001.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

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
}

const DemoRegistration incomeDemo{{2900, QStringLiteral("income report accounts, cash documents and a staged receipt"),
                                   fillIncomeData}};

} // namespace
} // namespace qx::hospitaldb
