// Facts the reports print that no table held: a patient's age at admission, the first-dose mark of
// an issue, the PHIC listing of an item; and the indexes of the reports' date-range reads.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kReportFactColumns[] = {
    {"patient_data", "tbPatient", "Age", "INTEGER"},
    {"", "tbInvStockCard", "FirstDose", "INTEGER NOT NULL DEFAULT 0"},
    {"", "tbInvMaster", "isPHIC", "INTEGER NOT NULL DEFAULT 0"},
};

void applyReportFacts(Connection& c) {
    addMissingColumns(c, kReportFactColumns);
    createIndex(c, QString(), QStringLiteral("tbInvStockCard"), QStringLiteral("ix_tbInvStockCard_TransDate"),
                QStringLiteral("TransDate"));
    createIndex(c, QString(), QStringLiteral("tbInvStockCard"), QStringLiteral("ix_tbInvStockCard_UserDate"),
                QStringLiteral("UserID, TransDate"));
    createIndex(c, QString(), QStringLiteral("tbInvStockCard"), QStringLiteral("ix_tbInvStockCard_CashIDnum"),
                QStringLiteral("CashIDnum"));
    createIndex(c, QStringLiteral("patient_data"), QStringLiteral("tbPatient"), QStringLiteral("ix_tbPatient_AdmDate"),
                QStringLiteral("AdmDate"));
    createIndex(c, QStringLiteral("patient_data"), QStringLiteral("tbPatient"), QStringLiteral("ix_tbPatient_DcrDate"),
                QStringLiteral("DcrDate"));
    createIndex(c, QStringLiteral("station"), QStringLiteral("tbNurseCommunicationFile"),
                QStringLiteral("ix_tbNurseCommunicationFile_RequestDate"), QStringLiteral("RequestDate"));
    createIndex(c, QStringLiteral("billing"), QStringLiteral("tbBillCharges"), QStringLiteral("ix_tbBillCharges_RefNum"),
                QStringLiteral("RefNum"));
}

const MigrationRegistration reportFactsMigration{{2100, QStringLiteral("Report facts and date-range indexes"), applyReportFacts}};

} // namespace
} // namespace qx::hospitaldb
