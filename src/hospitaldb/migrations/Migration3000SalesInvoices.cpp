// Stand-alone sales: the sales invoices and each cashier's invoice sequence, read and written only
// through the sales-invoice procedures.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

void applySalesInvoices(Connection& c) {
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbInvSISequence (
    EmployeeCode TEXT NOT NULL PRIMARY KEY,
    SequenceNumber INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS tbInvSalesInvoice (
    id {ID},
    SINumber TEXT NOT NULL UNIQUE,
    Payee TEXT,
    Total {REAL} DEFAULT 0,
    Discount {REAL} DEFAULT 0,
    Refund {REAL} DEFAULT 0,
    DiscountType TEXT,
    EmployeeCode TEXT,
    TransDate {DATETIME},
    Cancelled INTEGER NOT NULL DEFAULT 0,
    CancelledBy TEXT,
    CancelledDate {DATETIME}
))"));
    createIndexes(c, QString(), {
        {"tbInvSalesInvoice", "ix_tbInvSalesInvoice_Employee", "EmployeeCode, Cancelled"},
    });
}

const MigrationRegistration salesInvoicesMigration{{3000, QStringLiteral("sales invoices and cashier sequences"),
                                                    applySalesInvoices}};

} // namespace
} // namespace qx::hospitaldb
