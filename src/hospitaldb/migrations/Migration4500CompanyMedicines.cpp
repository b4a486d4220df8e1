// INVENTORY: the company-medicine lines, one per posted line of the company-medicine screens:
// the slip, the patient, the item with its price, quantity and amount, the mark-up and the list
// cost it was priced from. Written by sp_Pharma_Insert_CompanyMeds.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void createCompanyMeds(Connection& c) {
    ddl(c, QStringLiteral(R"(
CREATE TABLE IF NOT EXISTS tbPharmaCompanyMeds (
    CompanyMedID {ID},
    RefNum TEXT NOT NULL,
    HospNum TEXT NOT NULL,
    IDNum TEXT NOT NULL,
    ItemID TEXT NOT NULL,
    UnitPrice {MONEY} NOT NULL,
    Quantity {REAL} NOT NULL,
    Amount {MONEY} NOT NULL,
    MarkUp {REAL} NOT NULL,
    ListCost {MONEY} NOT NULL,
    TransDate {DATETIME} NOT NULL,
    UserID TEXT NOT NULL
))"));
    createIndex(c, QString(), QStringLiteral("tbPharmaCompanyMeds"), QStringLiteral("ix_tbPharmaCompanyMeds_RefNum"),
                QStringLiteral("RefNum, ItemID"));
    createIndex(c, QString(), QStringLiteral("tbPharmaCompanyMeds"), QStringLiteral("ix_tbPharmaCompanyMeds_IDNum"),
                QStringLiteral("IDNum"));
}

const MigrationRegistration companyMedsMigration{
    {4500, QStringLiteral("INVENTORY company-medicine lines"), createCompanyMeds}};

} // namespace
} // namespace qx::hospitaldb
