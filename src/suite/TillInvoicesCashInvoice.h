#pragma once
#include "components/TillInvoices.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// ProgID TillInvoices.CashInvoice: only connected at start-up.
class TillInvoicesCashInvoice : public TillInvoices::CashInvoice, private ConnectedComponent {
public:
    explicit TillInvoicesCashInvoice(ConnectionProvider provider)
        : ConnectedComponent(QStringLiteral("TillInvoices.CashInvoice"), std::move(provider)) {}
    bool InitConnection(const QString& connStr) override { return bindConnection(connStr); }
};

} // namespace qx::suite
