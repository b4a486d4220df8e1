// INVENTORY, the default database: items, stock, the stock card, pharmacy settings and staging.
#include "SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

// Flags are INTEGER 0/1. NOT NULL DEFAULT 0 unless a reader gives NULL a meaning of its own
// (settings that read NULL as a default, switch values, PNF, item status, the optional rights).
const char* const kInventoryTables = R"(
CREATE TABLE IF NOT EXISTS tbHospitalInfo (
    id {ID},
    isSocializePricing INTEGER DEFAULT 0,
    isOPDPrice INTEGER DEFAULT 0,
    MaximumReceiptEntry INTEGER DEFAULT 20,
    isEmpCreditLimit INTEGER DEFAULT 0,
    isVATExempt INTEGER DEFAULT 0,
    ShowColorAntibioticClass INTEGER DEFAULT 0,
    PreNumberAssessment INTEGER DEFAULT 0,
    PresetDiscPercent INTEGER DEFAULT 0,
    DefaultDiscount INTEGER DEFAULT 1,
    ExcludeNonSenior INTEGER DEFAULT 0,
    isSeparateER INTEGER DEFAULT 0,
    IsPharmaPackageRequest INTEGER DEFAULT 0,
    isvelmira INTEGER DEFAULT 0,
    IsEmployeeDiscountPH INTEGER DEFAULT 0,
    IsHasValidation INTEGER DEFAULT 0,
    IsCheckBarCode INTEGER DEFAULT 0,
    IsHasHMOMarkup INTEGER DEFAULT 0,
    IsHasAutoDetectShift INTEGER DEFAULT 0,
    GSISDependent {REAL} DEFAULT 0,
    GSISMember {REAL} DEFAULT 0
);
CREATE TABLE IF NOT EXISTS tbPharmaDiscountType (
    id {ID},
    SeniorCitizen {REAL},
    Cash {REAL},
    Employee {REAL},
    VAT {REAL}
);
CREATE TABLE IF NOT EXISTS tbPharmaSwitch (
    IDKey TEXT NOT NULL PRIMARY KEY,
    KeyValue INTEGER DEFAULT 0
);
CREATE TABLE IF NOT EXISTS tbInvSwitch (
    IDKey TEXT NOT NULL PRIMARY KEY,
    KeyValue INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS tbShiftDesc (
    id {ID},
    FirstShift TEXT,
    SecondShift TEXT,
    ThirdShift TEXT,
    FirstHr INTEGER,
    FirstMin INTEGER,
    SecondHr INTEGER,
    SecondMin INTEGER,
    ThirdHr INTEGER,
    ThirdMin INTEGER
);
CREATE TABLE IF NOT EXISTS tbChargeSlipTerminal (
    UserID TEXT NOT NULL PRIMARY KEY,
    ChargeSlip INTEGER
);
CREATE TABLE IF NOT EXISTS tbPharmaUserSettings (
    EmployeeID TEXT NOT NULL PRIMARY KEY,
    canManualPosting INTEGER NOT NULL DEFAULT 0,
    canProcessRequest INTEGER NOT NULL DEFAULT 0,
    canUnitDose INTEGER NOT NULL DEFAULT 0,
    canReturned INTEGER NOT NULL DEFAULT 0,
    canCorrection INTEGER NOT NULL DEFAULT 0,
    canViewPostedMeds INTEGER NOT NULL DEFAULT 0,
    canDrugInquiry INTEGER NOT NULL DEFAULT 0,
    canVerification INTEGER NOT NULL DEFAULT 0,
    canViewReport INTEGER NOT NULL DEFAULT 0,
    canViewIncomeReport INTEGER,
    canViewListofCorectedReports INTEGER
);
CREATE TABLE IF NOT EXISTS tbInvMaster (
    ItemID TEXT NOT NULL PRIMARY KEY,
    ItemName TEXT,
    ItemDesc TEXT,
    BrandName TEXT,
    Barcode TEXT,
    GenericID TEXT,
    UnitOfMeasureID TEXT,
    ItemClassificationID TEXT,
    SupplierID TEXT,
    PNF INTEGER,
    isMDRP INTEGER NOT NULL DEFAULT 0,
    MDRPDrugPrice {REAL} DEFAULT 0,
    isSeniorDiscounted INTEGER NOT NULL DEFAULT 0,
    isVATExempt INTEGER NOT NULL DEFAULT 0,
    FixedEmp {MONEY},
    ItemStatus INTEGER DEFAULT 0,
    Packing {REAL} DEFAULT 1,
    AverageCost {REAL} DEFAULT 0,
    ListCost {MONEY} DEFAULT 0,
    Unrestricted INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS tbInvent (
    ItemID TEXT NOT NULL,
    LocationID TEXT NOT NULL,
    OnHand {REAL} DEFAULT 0,
    MinStockLevel {REAL} DEFAULT 0,
    ItemStatus INTEGER DEFAULT 0,
    FixedPrice {MONEY},
    FixedCharge {MONEY},
    HMOMarkupInPrice {REAL},
    HMOMarkupOutPrice {REAL},
    Packing {REAL},
    LastInventoryCount {REAL} DEFAULT 0,
    PRIMARY KEY (ItemID, LocationID)
);
CREATE TABLE IF NOT EXISTS tbInvUnitOfMeasure (
    UnitOfMeasureID TEXT NOT NULL PRIMARY KEY,
    UnitOfMeasure TEXT
);
CREATE TABLE IF NOT EXISTS tbInvClassification (
    ItemClassificationID TEXT NOT NULL PRIMARY KEY,
    ItemClassificationName TEXT,
    Status TEXT,
    classificationtype TEXT
);
CREATE TABLE IF NOT EXISTS tbInvSupplier (
    SupplierID TEXT NOT NULL PRIMARY KEY,
    SupplierName TEXT
);
CREATE TABLE IF NOT EXISTS tbForGeneric (
    GenericID TEXT NOT NULL PRIMARY KEY,
    GenericName TEXT
);
CREATE TABLE IF NOT EXISTS tbInvLocation (
    LocationID TEXT NOT NULL PRIMARY KEY,
    Location TEXT,
    isWarehouse INTEGER NOT NULL DEFAULT 0,
    isDispensingArea INTEGER NOT NULL DEFAULT 0,
    Status TEXT,
    inventorytype TEXT
);
CREATE TABLE IF NOT EXISTS tbInvStockCard (
    id {ID},
    RefNum TEXT,
    ItemID TEXT,
    IdNum TEXT,
    HospNum TEXT,
    SummaryCode TEXT,
    LocationID TEXT,
    TransDate {DATETIME},
    Quantity {REAL} DEFAULT 0,
    Balance {REAL} DEFAULT 0,
    SequenceNumber INTEGER DEFAULT 0,
    CreditMemoNum TEXT,
    Amount {REAL} DEFAULT 0,
    VerifyID TEXT,
    isDirectTransaction INTEGER NOT NULL DEFAULT 0,
    Remarks TEXT,
    VATExempt INTEGER NOT NULL DEFAULT 0,
    CashIDnum TEXT
);
CREATE TABLE IF NOT EXISTS tbPharmaChargePrint (
    id {ID},
    UserID TEXT,
    RefNum TEXT,
    IdNum TEXT,
    ItemID TEXT,
    Description TEXT,
    Quantity {REAL} DEFAULT 0,
    Amount {REAL} DEFAULT 0,
    UnitPrice {REAL} DEFAULT 0,
    Discount {REAL} DEFAULT 0,
    DiscountType TEXT,
    Dosage TEXT,
    Nurse TEXT,
    SCNumber TEXT,
    DiscountPercentage {REAL} DEFAULT 0,
    IsVATExempt INTEGER NOT NULL DEFAULT 0,
    TaxableAmount {REAL} DEFAULT 0,
    VATAmount {REAL} DEFAULT 0,
    OrigUnitPrice {REAL} DEFAULT 0,
    NetAmount {REAL} DEFAULT 0,
    isMDRP INTEGER NOT NULL DEFAULT 0,
    SCPWDID TEXT,
    S2ID TEXT
);
CREATE TABLE IF NOT EXISTS tbPharmaCMPrint (
    id {ID},
    UserID TEXT,
    RefNum TEXT,
    Description TEXT,
    Quantity {REAL} DEFAULT 0,
    Amount {MONEY} DEFAULT 0,
    ChargeSlip TEXT,
    QtyIssued INTEGER DEFAULT 0,
    IdNum TEXT,
    Remarks TEXT
);
CREATE TABLE IF NOT EXISTS tbPharmaCommunication (
    id {ID},
    IdNum TEXT,
    HospNum TEXT,
    ItemID TEXT,
    ChargeSlip TEXT,
    CreditMemo TEXT,
    RevenueID TEXT,
    qtyi {REAL} DEFAULT 0,
    qtyr {REAL} DEFAULT 0,
    Amount {REAL} DEFAULT 0,
    UserID TEXT,
    Remarks TEXT,
    RecordStatus TEXT,
    isPosted INTEGER,
    ProcessDate {DATETIME},
    ProcessBy TEXT
);
CREATE TABLE IF NOT EXISTS tbPharmaCardType (
    CardTypeID INTEGER NOT NULL PRIMARY KEY,
    CardTypeName TEXT,
    Status TEXT
);
CREATE TABLE IF NOT EXISTS tbPharmaCardMaster (
    CardNum TEXT NOT NULL PRIMARY KEY,
    LastName TEXT,
    FirstName TEXT,
    MiddleName TEXT,
    CardTypeID INTEGER,
    ExpiryDate {DATETIME}
);
CREATE TABLE IF NOT EXISTS tbPharmaMaxCharges (
    id {ID},
    MaxCharges {REAL}
);
CREATE TABLE IF NOT EXISTS tbPharmaDiscounts (
    id {ID},
    Discount {REAL},
    DiscountCode TEXT,
    DiscountName TEXT,
    TypeA INTEGER NOT NULL DEFAULT 0,
    TypeB INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS tbInvPrescriptionOrders (
    id {ID},
    IdNum TEXT,
    Orders TEXT
);
CREATE TABLE IF NOT EXISTS tbPharmaCashStockCard (
    id {ID},
    CISlip TEXT
);
CREATE TABLE IF NOT EXISTS Pharma_IncomeCash (
    id {ID},
    ReportDate {DATETIME},
    UserID TEXT,
    RefNum TEXT,
    ItemID TEXT,
    Description TEXT,
    Quantity {REAL} DEFAULT 0,
    Amount {REAL} DEFAULT 0
)
)";

void createInventory(Connection& c) {
    ddl(c, QString::fromUtf8(kInventoryTables));
    createIndexes(c, QString(), {
        {"tbInvMaster", "ix_tbInvMaster_Barcode", "Barcode"},
        {"tbInvMaster", "ix_tbInvMaster_GenericID", "GenericID"},
        // Critical-stock monitor: LocationID, ItemStatus = 0, OnHand <= MinStockLevel, every minute.
        {"tbInvent", "ix_tbInvent_Monitor", "LocationID, ItemStatus, OnHand"},
        {"tbInvStockCard", "ix_tbInvStockCard_RefNum", "RefNum, ItemID"},
        {"tbInvStockCard", "ix_tbInvStockCard_IdNum", "IdNum"},
        {"tbInvStockCard", "ix_tbInvStockCard_ItemLocation", "ItemID, LocationID, TransDate"},
        {"tbInvStockCard", "ix_tbInvStockCard_CreditMemoNum", "CreditMemoNum"},
        {"tbPharmaChargePrint", "ix_tbPharmaChargePrint_Key", "UserID, IdNum, RefNum"},
        {"tbPharmaChargePrint", "ix_tbPharmaChargePrint_RefNum", "RefNum, ItemID"},
        {"tbPharmaCMPrint", "ix_tbPharmaCMPrint_Key", "UserID, IdNum, RefNum"},
        {"tbPharmaCMPrint", "ix_tbPharmaCMPrint_RefNum", "RefNum"},
        {"tbPharmaCommunication", "ix_tbPharmaCommunication_Pending", "RevenueID, RecordStatus, isPosted"},
        {"tbPharmaCommunication", "ix_tbPharmaCommunication_IdNum", "IdNum"},
        {"tbPharmaCommunication", "ix_tbPharmaCommunication_HospNum", "HospNum"},
        {"tbPharmaCommunication", "ix_tbPharmaCommunication_CreditMemo", "CreditMemo"},
        {"tbPharmaCommunication", "ix_tbPharmaCommunication_ItemSlip", "ItemID, ChargeSlip"},
        {"tbInvPrescriptionOrders", "ix_tbInvPrescriptionOrders_IdNum", "IdNum"},
        {"tbPharmaCashStockCard", "ix_tbPharmaCashStockCard_CISlip", "CISlip"},
    });
}

const MigrationRegistration inventoryMigration{{100, QStringLiteral("INVENTORY tables"), createInventory}};

} // namespace
} // namespace qx::hospitaldb
