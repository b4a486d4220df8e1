// The employee medicines summaries: the charge account's address for the report heading, and an
// index for reading the stock-card lines of one account over a range of days.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kEmployeeMedicinesColumns[] = {
    {"build_file", "tbCoCompany", "Address", "TEXT"},
};

void applyEmployeeMedicines(Connection& c) {
    addMissingColumns(c, kEmployeeMedicinesColumns);
    createIndex(c, QString(), QStringLiteral("tbInvStockCard"), QStringLiteral("ix_tbInvStockCard_Account"),
                QStringLiteral("AcctNum, TransDate"));
    createIndex(c, QStringLiteral("build_file"), QStringLiteral("tbCoCompany"), QStringLiteral("ix_tbCoCompany_Class"),
                QStringLiteral("Class"));
}

const MigrationRegistration employeeMedicinesMigration{
    {3600, QStringLiteral("Company address and the account index of the employee medicines summaries"), applyEmployeeMedicines}};

} // namespace
} // namespace qx::hospitaldb
