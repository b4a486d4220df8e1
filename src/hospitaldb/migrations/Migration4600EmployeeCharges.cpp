// Employee charges: the employment date shown with a charge account, and the employee search
// of master records by their charge account.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kEmployeeChargeColumns[] = {
    {"build_file", "tbCoCompany", "DateEmployed", "{DATETIME}"},
};

void applyEmployeeCharges(Connection& c) {
    addMissingColumns(c, kEmployeeChargeColumns);
    createIndex(c, QStringLiteral("patient_data"), QStringLiteral("tbMaster"), QStringLiteral("ix_tbMaster_MasterAccountCode"),
                QStringLiteral("MasterAccountCode"));
}

const MigrationRegistration employeeChargesMigration{
    {4600, QStringLiteral("Employment date of charge accounts and the master records' account index"), applyEmployeeCharges}};

} // namespace
} // namespace qx::hospitaldb
