#pragma once
#include <QString>

namespace qx::TillInvoices {

// ProgID TillInvoices.CashInvoice, slot gCashInvoice: connected at start-up and used nowhere else.
class CashInvoice {
public:
    virtual ~CashInvoice() = default;
    virtual bool InitConnection(const QString& connStr) = 0;
};

} // namespace qx::TillInvoices
