#include "cash/SalesInvoiceCancel.h"

#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "platform/Values.h"

namespace qx {

void ReverseSalesInvoiceLines(Connection& con, DrugCatalog::Drug& drug, const QString& invoice,
                              const QVector<SalesInvoiceLine>& lines, const SalesInvoiceCanceller& by) {
    for (const SalesInvoiceLine& line : lines) {
        const QString location = Trim(line.locationId);
        DrugCatalog::StockCardArgs args;
        args.count = 24;
        args[1] = QString();
        args[2] = QStringLiteral("CASH");
        args[3] = line.itemId;
        args[4] = Format(con.serverNow(), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
        args[5] = invoice;
        args[6] = qint16(-line.quantity);
        args[7] = qint16(-line.quantity);
        args[8] = -line.amount;
        args[9] = by.employeeCode;
        args[10] = QString();
        args[11] = QString();
        args[12] = location.isEmpty() ? by.fallbackLocationId : location;
        args[13] = QString();
        args[14] = QStringLiteral("OPD");
        args[15] = by.shift;
        args[16] = QStringLiteral("PH");
        args[17] = QStringLiteral("PH");
        args[18] = QString();
        args[19] = QStringLiteral("D");
        args[20] = QString();
        args[21] = QString();
        args[22] = QStringLiteral("O");
        args[23] = qint16(0);
        args[24] = qint16(1);
        drug.AppendStockCard(args);
    }
}

void CancelSalesInvoice(Connection& con, DrugCatalog::Drug& drug, const QString& invoice,
                        const QVector<SalesInvoiceLine>& lines, const SalesInvoiceCanceller& by) {
    Transaction tx(con);
    ReverseSalesInvoiceLines(con, drug, invoice, lines, by);
    con.callProcedure(QStringLiteral("sp_Inv_SI_Cancel"),
                      {{QStringLiteral("@SINumber"), invoice}, {QStringLiteral("@CancelledBy"), by.employeeCode}});
    tx.commit();
}

} // namespace qx
