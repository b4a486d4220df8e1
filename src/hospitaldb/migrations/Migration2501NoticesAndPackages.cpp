// What the main window's monitors and the discharge clearance read beyond the existing tables: the
// ward's facts of a discharge notice, the package requests of the outside order system with
// their items, and indexes for every poll the window's timers run.
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kNoticeColumns[] = {
    {"patient_data", "tbDischargeNotice", "DischargeNurse", "TEXT"},
    {"patient_data", "tbDischargeNotice", "OrderedDate", "{DATETIME}"},
    {"patient_data", "tbDischargeNotice", "Remarks", "TEXT"},
};

// A package request is open while its RecordStatus is empty; processing marks it "P" and its
// items "PROCESSED".
const char* const kPackageTables = R"(
CREATE TABLE IF NOT EXISTS tbKVRSPackageRequest (
    ChargeSlip TEXT NOT NULL PRIMARY KEY,
    RevenueID TEXT NOT NULL,
    HospNum TEXT,
    IDNum TEXT,
    Company TEXT,
    RequestDate {DATETIME},
    RecordStatus TEXT,
    ProcessBy TEXT,
    ProcessDate {DATETIME}
);
CREATE TABLE IF NOT EXISTS tbKVRSPackageRequestItem (
    id {ID},
    ChargeSlip TEXT NOT NULL,
    ItemID TEXT NOT NULL,
    Quantity {REAL} DEFAULT 0,
    Amount {MONEY} DEFAULT 0,
    Status TEXT
)
)";

void createOpenIndex(Connection& c, const QString& schema, const QString& table, const QString& name,
                     const QString& columns, const QString& where) {
    const QString prefix = schema.isEmpty() ? QString() : schema + QLatin1Char('.');
    if (c.isSQLite())
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS %1%2 ON %3 (%4) WHERE %5")
                            .arg(prefix, name, table, columns, where));
    else
        c.executeScript(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2%3 (%4) WHERE %5")
                            .arg(name, prefix, table, columns, where));
}

void applyNoticesAndPackages(Connection& c) {
    addMissingColumns(c, kNoticeColumns);
    ddl(c, QString::fromUtf8(kPackageTables));
    createIndex(c, QString(), QStringLiteral("tbKVRSPackageRequestItem"), QStringLiteral("ix_tbKVRSPackageRequestItem_Slip"),
                QStringLiteral("ChargeSlip, ItemID"));
    createIndex(c, QString(), QStringLiteral("tbKVRSPackageRequest"), QStringLiteral("ix_tbKVRSPackageRequest_Date"),
                QStringLiteral("RevenueID, RequestDate"));
    createOpenIndex(c, QString(), QStringLiteral("tbKVRSPackageRequest"), QStringLiteral("ix_tbKVRSPackageRequest_Open"),
                    QStringLiteral("RevenueID, RequestDate"), QStringLiteral("COALESCE(RecordStatus, '') = ''"));
    createIndex(c, QStringLiteral("patient_data"), QStringLiteral("tbDischargeNotice"),
                QStringLiteral("ix_tbDischargeNotice_Open"), QStringLiteral("DepartmentID, ClearDate, IDNum"));
    // The critical-stock and expiring-drug monitors look at one location's active items.
    createIndex(c, QString(), QStringLiteral("tbInvent"), QStringLiteral("ix_tbInvent_LocationStatus"),
                QStringLiteral("LocationID, ItemStatus"));
    createIndex(c, QString(), QStringLiteral("tbInvent"), QStringLiteral("ix_tbInvent_LocationExpiry"),
                QStringLiteral("LocationID, MacExpiry"));
    // Returned medicines waiting for their confirmation.
    createOpenIndex(c, QString(), QStringLiteral("tbPharmaCommunication"), QStringLiteral("ix_tbPharmaCommunication_Open"),
                    QStringLiteral("RevenueID, CreditMemo"), QStringLiteral("COALESCE(RecordStatus, '') = ''"));
}

const MigrationRegistration noticesAndPackagesMigration{
    {2501, QStringLiteral("Discharge-notice facts, package requests and the monitors' indexes"), applyNoticesAndPackages}};

} // namespace
} // namespace qx::hospitaldb
