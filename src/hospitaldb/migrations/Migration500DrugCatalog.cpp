// Stores behind the drug, patient and cash components that the hospital tables do not carry:
// per-location prices, the stock-card columns that postings fill, document counters, unit-dose
// requests, and the cash counters. Columns are added only when missing, so that a column the
// base schema already has is kept as it is.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

// Named values of a stock-card line beyond the ledger's own columns; the stock-card procedure
// writes the same columns.
const ColumnAdd kDrugCatalogColumns[] = {
    {"", "tbInvent", "SellingPriceIn", "{MONEY}"},
    {"", "tbInvent", "SellingPriceOut", "{MONEY}"},
    {"", "tbInvent", "RateA", "{MONEY}"},
    {"", "tbInvent", "RateB", "{MONEY}"},
    {"", "tbInvent", "MarkupIn", "{REAL}"},
    {"", "tbInvent", "MarkupOut", "{REAL}"},
    {"", "tbInvent", "MacDiscPercent", "{REAL}"},
    {"", "tbInvent", "MacDiscAmount", "{MONEY}"},
    {"", "tbInvent", "MacExpiry", "{DATETIME}"},
    {"", "tbInvMaster", "OralOrInjectible", "TEXT"},
    {"", "tbInvStockCard", "RevenueID", "TEXT"},
    {"", "tbInvStockCard", "QuantityRec", "{REAL}"},
    {"", "tbInvStockCard", "UserID", "TEXT"},
    {"", "tbInvStockCard", "DosageID", "TEXT"},
    {"", "tbInvStockCard", "ClinicID", "TEXT"},
    {"", "tbInvStockCard", "ItemType", "TEXT"},
    {"", "tbInvStockCard", "RequestByID", "TEXT"},
    {"", "tbInvStockCard", "TargetLocationID", "TEXT"},
    {"", "tbInvStockCard", "RoomID", "TEXT"},
    {"", "tbInvStockCard", "RequestNumber", "TEXT"},
    {"", "tbInvStockCard", "InOut", "TEXT"},
    {"", "tbInvStockCard", "Communication", "INTEGER"},
    {"", "tbInvStockCard", "PostOrReturn", "INTEGER"},
    {"", "tbInvStockCard", "DispenserCode", "{REAL}"},
    {"", "tbInvStockCard", "CashName", "TEXT"},
    {"", "tbInvStockCard", "Sequence", "TEXT"},
    {"", "tbInvStockCard", "ReportDate", "{DATETIME}"},
    {"", "tbInvStockCard", "Shift", "INTEGER"},
    {"", "tbInvStockCard", "Senior", "INTEGER"},
    {"", "tbInvStockCard", "AcctNum", "TEXT"},
    {"", "tbInvStockCard", "CashAddress", "TEXT"},
    {"", "tbInvStockCard", "CashDoctor", "TEXT"},
    {"", "tbInvStockCard", "DisCompute", "INTEGER"},
    {"", "tbInvStockCard", "PackageID", "TEXT"},
    {"", "tbInvStockCard", "DiscountRevenueID", "TEXT"},
    {"", "tbInvStockCard", "Discount", "{MONEY}"},
    {"", "tbInvStockCard", "VATAmount", "{MONEY}"},
    {"", "tbInvStockCard", "NetAmount", "{MONEY}"},
    // Position 25 of an issue line: a line discount, the item code as loaded, or 0.
    {"", "tbInvStockCard", "AuxValue", "TEXT"},
    {"station", "tbNurseCommunicationFile", "TargetLocationID", "TEXT"},
    {"station", "tbNurseCommunicationFile", "IsGeneric", "INTEGER"},
};

void applyDrugCatalog(Connection& c) {
    addMissingColumns(c, kDrugCatalogColumns);
    ddl(c, QStringLiteral(
               // Kind: 'CS' charge slip, 'CM' credit memo, 'AS' adjustment slip, 'OP' new visit;
               // PatientKey '' or the patient's id when slips are numbered per patient.
               "CREATE TABLE IF NOT EXISTS tbInvDocumentCounter (Kind TEXT NOT NULL, PatientKey TEXT NOT NULL, "
               "NextValue INTEGER NOT NULL DEFAULT 1, PRIMARY KEY (Kind, PatientKey));\n"
               "CREATE TABLE IF NOT EXISTS station.tbNurseUnitDose (UnitDoseID {ID}, IDNum TEXT NOT NULL, "
               "ItemID TEXT NOT NULL, DosageID TEXT, Quantity {REAL}, Amount {MONEY}, Remark TEXT, "
               "RecordStatus TEXT, StationID TEXT, RequestDate {DATETIME}, RequestedBy TEXT, RxMark INTEGER NOT NULL DEFAULT 0);\n"
               "CREATE TABLE IF NOT EXISTS billing.tbCashNumbers (id INTEGER PRIMARY KEY CHECK (id = 1), "
               "CashNumber {REAL} NOT NULL DEFAULT 1, DrugNumber {REAL} NOT NULL DEFAULT 1, "
               "NonDrugNumber {REAL} NOT NULL DEFAULT 1, GroupSlip TEXT, GroupDrug TEXT, GroupNonDrug TEXT, "
               "ReportDate TEXT);\n"
               "CREATE TABLE IF NOT EXISTS billing.tbCashReportStatus (id INTEGER PRIMARY KEY CHECK (id = 1), "
               "ReportDate {DATETIME})"));
    createIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseUnitDose"), QStringLiteral("ixUnitDoseIDNum"),
                QStringLiteral("IDNum"));
    createIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseUnitDose"),
                QStringLiteral("ixUnitDoseStatusStation"), QStringLiteral("RecordStatus, StationID"));
}

const MigrationRegistration drugCatalogMigration{{500, QStringLiteral("Drug, patient and cash component stores"), applyDrugCatalog}};

} // namespace
} // namespace qx::hospitaldb
