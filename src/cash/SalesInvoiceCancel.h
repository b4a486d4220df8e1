#pragma once
#include <QString>
#include <QVector>

namespace qx {

class Connection;
namespace DrugCatalog {
class Drug;
}

// One item line of a sales invoice as the cancellation reverses it.
struct SalesInvoiceLine {
    QString itemId;
    qint16 quantity = 0;
    double amount = 0;
    QString locationId;  // where the sale posted; empty: the reversal's fallback location
};

// Who reverses and where a line without a location of its own posts.
struct SalesInvoiceCanceller {
    QString employeeCode;
    QString fallbackLocationId;
    qint16 shift = 0;
};

// Posts one issue line per item line with minus its quantity and amount under the invoice, for
// a cash customer, on `con`'s transaction (the caller's, when it has one).
void ReverseSalesInvoiceLines(Connection& con, DrugCatalog::Drug& drug, const QString& invoice,
                              const QVector<SalesInvoiceLine>& lines, const SalesInvoiceCanceller& by);

// Reverses the lines and marks the invoice cancelled in one transaction: a failure, or an invoice
// that another workstation cancelled first, leaves neither.
void CancelSalesInvoice(Connection& con, DrugCatalog::Drug& drug, const QString& invoice,
                        const QVector<SalesInvoiceLine>& lines, const SalesInvoiceCanceller& by);

} // namespace qx
