// BILLING: the cash side's assessments, credit advises and its one-row counter table.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

const char* const kBillingTables = R"(
CREATE TABLE IF NOT EXISTS billing.tbHospitalInfo (
    id {ID},
    ActivateCashierRegularVATDeduction TEXT
);
CREATE TABLE IF NOT EXISTS billing.tbAssessmentNum (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    PreNumberAssessment INTEGER DEFAULT 0,
    assessmentnum INTEGER DEFAULT 0,
    CMAdviseNum INTEGER DEFAULT 0,
    CMNumber INTEGER DEFAULT 0
);
CREATE TABLE IF NOT EXISTS billing.tbCashAssessment (
    id {ID},
    RefNum TEXT,
    RevenueID TEXT,
    ItemID TEXT,
    IDNum TEXT,
    Name TEXT,
    Quantity {REAL} DEFAULT 0,
    Amount {MONEY} DEFAULT 0,
    Discount {MONEY} DEFAULT 0,
    DiscountType TEXT,
    DiscountName TEXT,
    DiscountRate {REAL},
    VATExempt INTEGER NOT NULL DEFAULT 0,
    UserID TEXT,
    TransDate {DATETIME},
    Remarks TEXT,
    RecordStatus TEXT,
    ORNumber TEXT,
    HospNum TEXT,
    DoctorID TEXT,
    UnitPrice {MONEY} DEFAULT 0,
    CheckerID TEXT,
    SCNumber TEXT,
    CardNum TEXT,
    Shift TEXT,
    CardTypeID TEXT,
    CardDiscount {REAL} DEFAULT 0,
    CashPrice {MONEY} DEFAULT 0,
    MDRP {MONEY} DEFAULT 0,
    Velmira INTEGER NOT NULL DEFAULT 0,
    GSISNumber TEXT,
    LocationID TEXT,
    DepartmentID TEXT
);
CREATE TABLE IF NOT EXISTS billing.tbCashCreditAdvise (
    id {ID},
    ORNumber TEXT,
    AdviseNo TEXT,
    ItemID TEXT,
    Quantity {REAL} DEFAULT 0,
    UnitPrice {MONEY} DEFAULT 0,
    Amount {MONEY} DEFAULT 0,
    RecordStatus TEXT,
    TransDate {DATETIME},
    UserID TEXT,
    RevenueID TEXT,
    Payee TEXT,
    DiscountType TEXT,
    DiscountAmount {MONEY} DEFAULT 0,
    VATAmount {MONEY} DEFAULT 0,
    VATExempt INTEGER NOT NULL DEFAULT 0,
    DiscountRate {REAL} DEFAULT 0,
    LineNumber INTEGER
);
CREATE TABLE IF NOT EXISTS billing.tbCashCommunication (
    id {ID},
    Refnum TEXT,
    RecordStatus TEXT
)
)";

void createBilling(Connection& c) {
    ddl(c, QString::fromUtf8(kBillingTables));
    // The counters live in exactly one row; readers take it and writers update WHERE id = 1.
    c.execute(QStringLiteral("INSERT INTO billing.tbAssessmentNum (id) VALUES (1)"));

    createIndexes(c, QStringLiteral("billing"), {
        {"tbCashAssessment", "ix_tbCashAssessment_RefNum", "RefNum, ItemID"},
        // The unpaid-assessment monitor polls every few seconds.
        {"tbCashAssessment", "ix_tbCashAssessment_Unpaid", "RevenueID, RecordStatus, ORNumber"},
        {"tbCashAssessment", "ix_tbCashAssessment_TransDate", "TransDate"},
        {"tbCashAssessment", "ix_tbCashAssessment_IDNum", "IDNum"},
        {"tbCashAssessment", "ix_tbCashAssessment_Name", "Name"},
        {"tbCashAssessment", "ix_tbCashAssessment_ORNumber", "ORNumber"},
        {"tbCashCreditAdvise", "ix_tbCashCreditAdvise_OR", "ORNumber, ItemID"},
        {"tbCashCreditAdvise", "ix_tbCashCreditAdvise_AdviseNo", "AdviseNo"},
        {"tbCashCreditAdvise", "ix_tbCashCreditAdvise_RecordStatus", "RecordStatus"},
        {"tbCashCommunication", "ix_tbCashCommunication_Refnum", "Refnum"},
    });
}

const MigrationRegistration billingMigration{{101, QStringLiteral("BILLING tables"), createBilling}};

} // namespace
} // namespace qx::hospitaldb
