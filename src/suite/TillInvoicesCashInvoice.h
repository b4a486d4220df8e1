#pragma once
#include "components/Connection.h"
#include "components/TillInvoices.h"

namespace qx::suite {

// ProgID TillInvoices.CashInvoice: only connected at start-up.
class TillInvoicesCashInvoice : public TillInvoices::CashInvoice {
public:
    explicit TillInvoicesCashInvoice(Connection& c) : c_(c) {}
    bool InitConnection(const QString& connStr) override { return c_.isOpen() && connStr == c_.connectionString(); }

private:
    Connection& c_;
};

} // namespace qx::suite
