#include "TestDatabase.h"
#include "hospitaldb/Schema.h"

namespace qx::test {
namespace {

class MigrationsTest : public DbTest {};

// Every table the workstation reads or writes, with the columns it names, as the system spells
// them in one place or another (the engines must find them in any letter case).
struct TableColumns {
    const char* schema;
    const char* table;
    std::vector<const char*> columns;
};

const std::vector<TableColumns>& catalogue() {
    static const std::vector<TableColumns> tables = {
        {"", "tbHospitalInfo",
         {"isSocializePricing", "isOPDPrice", "MaximumReceiptEntry", "isEmpCreditLimit", "isVATExempt",
          "ShowColorAntibioticClass", "PreNumberAssessment", "PresetDiscPercent", "DefaultDiscount",
          "ExcludeNonSenior", "isSeparateER", "IsPharmaPackageRequest", "isvelmira", "IsEmployeeDiscountPH",
          "IsHasValidation", "IsCheckBarCode", "IsHasHMOMarkup", "IsHasAutoDetectShift", "GSISDependent",
          "GSISMember"}},
        {"", "tbPharmaDiscountType", {"SeniorCitizen", "Cash", "Employee", "VAT"}},
        {"", "tbPharmaSwitch", {"IDKey", "KeyValue"}},
        {"", "tbInvSwitch", {"IDKey", "KeyValue"}},
        {"", "tbshiftdesc", {"FirstShift", "SecondShift", "ThirdShift"}},
        {"", "tbChargeSlipTerminal", {"UserID", "ChargeSlip"}},
        {"", "tbPharmaUserSettings",
         {"EmployeeID", "canManualPosting", "canProcessRequest", "canUnitDose", "canReturned", "canCorrection",
          "canViewPostedMeds", "canDrugInquiry", "canVerification", "canViewReport", "canviewincomereport",
          "canViewListofCorectedReports"}},
        {"", "tbinvmaster",
         {"ItemId", "ItemName", "itemdesc", "BrandName", "BarCode", "GenericID", "UnitOfMeasureID",
          "ItemClassificationID", "SupplierID", "PNF", "isMDRP", "MDRPDrugPrice", "isSeniorDiscounted",
          "isVATExempt", "FixedEmp", "ItemStatus", "Packing", "AverageCost", "ListCost", "Unrestricted"}},
        {"", "tbinvent",
         {"ItemID", "LocationID", "OnHand", "MinStockLevel", "ItemStatus", "FixedPrice", "FixedCharge",
          "HMOMarkupInPrice", "HMOMarkupOutPrice", "Packing", "LastInventoryCount"}},
        {"", "tbInvUnitOfMeasure", {"UnitOfMeasureID", "UnitOfMeasure"}},
        {"", "tbinvclassification",
         {"itemClassificationid", "ItemClassificationName", "Status", "classificationtype"}},
        {"", "tbInvSupplier", {"SupplierID", "SupplierName"}},
        {"", "tbForGeneric", {"GenericID", "GenericName"}},
        {"", "tbinvlocation", {"locationid", "Location", "IsWareHouse", "IsDispensingArea", "Status", "inventorytype"}},
        {"", "tbInvStockcard",
         {"Refnum", "ItemID", "IDNum", "HospNum", "SummaryCode", "LocationID", "TransDate", "Quantity", "Balance",
          "SequenceNumber", "CreditMemoNum", "Amount", "VerifyID", "isDirectTransaction", "Remarks", "VATExempt",
          "CashIDnum"}},
        {"", "tbPharmaChargePrint",
         {"UserID", "refnum", "Idnum", "ItemID", "Description", "Quantity", "Amount", "UnitPrice", "Discount",
          "DiscountType", "Dosage", "Nurse", "SCNumber", "DiscountPercentage", "IsVATExempt", "TaxableAmount",
          "VATAmount", "OrigUnitPrice", "NetAmount", "isMDRP", "SCPWDID", "S2ID"}},
        {"", "tbPharmaCmPrint",
         {"UserID", "refnum", "Description", "Quantity", "Amount", "ChargeSlip", "QtyIssued", "Idnum", "Remarks"}},
        {"", "tbPharmaCommunication",
         {"IDNum", "hospnum", "ItemID", "ChargeSlip", "Creditmemo", "revenueid", "qtyi", "qtyr", "Amount", "UserID",
          "Remarks", "recordstatus", "isposted", "ProcessDate", "ProcessBy"}},
        {"", "tbPharmaCardType", {"CardTypeID", "CardTypeName", "Status"}},
        {"", "tbPharmaCardMaster", {"CardNum", "LastName", "FirstName", "MiddleName", "CardTypeID", "ExpiryDate"}},
        {"", "tbPharmaMaxCharges", {"MaxCharges"}},
        {"", "tbPharmaDiscounts", {"Discount", "DiscountCode", "DiscountName", "TypeA", "TypeB"}},
        {"", "tbInvPrescriptionOrders", {"IdNum", "Orders"}},
        {"", "tbPharmaCashStockCard", {"CISlip"}},
        {"", "Pharma_IncomeCash", {}},

        {"billing", "tbHospitalInfo", {"ActivateCashierRegularVATDeduction"}},
        {"billing", "tbassessmentnum", {"PreNumberAssessment", "assessmentnum", "CMAdviseNum", "CMNumber"}},
        {"billing", "tbcashassessment",
         {"refnum", "RevenueID", "itemid", "IdNum", "Name", "Quantity", "Amount", "Discount", "DiscountType",
          "DiscountName", "DiscountRate", "VATExempt", "userid", "TransDate", "Remarks", "recordstatus",
          "ornumber"}},
        {"billing", "tbCashCreditAdvise",
         {"ornumber", "adviseno", "itemid", "Quantity", "UnitPrice", "Amount", "recordstatus", "TransDate",
          "userid"}},
        {"billing", "tbCashCommunication", {"Refnum", "RecordStatus"}},

        {"patient_data", "tbHospitalInfo",
         {"Company", "Address1", "ClientName", "ByGeneric", "ExDiscCashSupply", "AllowZeroOnHand",
          "AllowPriceChange", "CompanyMarkup", "isPharmaOptDiscountType", "isValidateCardNumber", "isMarkUpGroup",
          "isEmpOutPrice", "PHECartLocID", "Kelvarin", "PHCSRIdleTime", "SeniorDiscount", "CashEmployeeDiscount",
          "CashEmployeeDiscount2"}},
        {"patient_data", "tbpatient",
         {"IdNum", "hospnum", "BillingDate", "DCRDate", "latecharges", "AccountNum", "RoomID",
          "PharmaSeniorDiscounted"}},
        {"patient_data", "tbOutpatient",
         {"idnum", "HospNum", "AccountNum", "LateCharges", "ERNum", "dcrdate", "PharmaSeniorDiscounted"}},
        {"patient_data", "tbPatient2", {"IDNum", "PatientsMed", "VIP"}},
        {"patient_data", "tbmaster", {"HospNum", "SeniorCitizenID", "SCBookletNumber"}},

        {"build_file", "tbcoCompany", {"AccountNum", "Class", "CreditLimit", "OutPrice"}},
        {"build_file", "tbcoBusinessClass", {"Code", "Description", "isMedicine"}},
        {"build_file", "tbcodoctor", {"DoctorID", "S2Number", "S2Expiry"}},
        {"build_file", "tbcoroom", {"RoomID", "RoomClassID"}},
        {"build_file", "tbCoStation", {"StationID", "Station", "Status"}},
        {"build_file", "tbcoDiscountRates", {"discountcode", "revenueid", "rate", "ChargeAtCost"}},
        {"build_file", "tbCoRevenueCode", {"RevenueID", "ItemName", "LGRP", "CashierActive", "PHActive", "RecordStatus"}},
        {"build_file", "tbdbimage", {"IDKey", "FieldName", "DbImage"}},

        {"station", "tbNurseSetup", {"FIELD", "Value"}},
        {"station", "tbNurseCommunicationFile", {"IDNum", "ItemID", "Quantity", "RecordStatus"}},
        {"station", "tbNurseHomeMeds", {"IdNum", "ItemID", "referencenum", "RecordStatus"}},

        {"password", "tbpasswordmain", {"Employeeid", "Password", "departmentid", "Right_Code1", "Right_Code2"}},
        {"password", "tbpasswordmaster", {"EmployeeID", "LastName", "FirstName", "MiddleName"}},
    };
    return tables;
}

QString qualified(const TableColumns& t) {
    const QString table = QString::fromLatin1(t.table);
    return *t.schema ? QString::fromLatin1(t.schema) + QLatin1Char('.') + table : table;
}

TEST_P(MigrationsTest, EveryTableHasItsColumnsInAnyLetterCase) {
    for (const TableColumns& t : catalogue()) {
        SCOPED_TRACE(qualified(t).toStdString());
        // A query in the system's own spelling and in upper case both find the table.
        EXPECT_NO_THROW(db().query(QStringLiteral("SELECT * FROM ") + qualified(t) + QStringLiteral(" LIMIT 1")));
        EXPECT_NO_THROW(
            db().query(QStringLiteral("SELECT * FROM ") + qualified(t).toUpper() + QStringLiteral(" LIMIT 1")));
        for (const char* col : t.columns) {
            const QString column = QString::fromLatin1(col);
            EXPECT_TRUE(db().columnExists(QString::fromLatin1(t.schema), QString::fromLatin1(t.table), column))
                << col;
            EXPECT_NO_THROW(db().query(QStringLiteral("SELECT %1, %2 FROM %3 LIMIT 1")
                                           .arg(column, column.toUpper(), qualified(t))))
                << col;
        }
    }
}

// The look-ups that timers, work lists and claim loops run have an index on both engines.
TEST_P(MigrationsTest, LookUpIndexesExist) {
    struct Index { const char* schema; const char* name; };
    const Index indexes[] = {
        {"", "ix_tbInvMaster_ItemNameFolded"},     {"", "ix_tbInvMaster_Barcode"},
        {"", "ix_tbInvent_Monitor"},               {"", "ix_tbInvStockCard_RefNum"},
        {"", "ix_tbInvStockCard_ItemLocation"},    {"", "ix_tbInvStockCard_CreditMemoNum"},
        {"", "ix_tbPharmaCommunication_Pending"},  {"", "ix_tbPharmaCashStockCard_CISlip"},
        {"billing", "ix_tbCashAssessment_Unpaid"}, {"billing", "ix_tbCashCreditAdvise_OR"},
        {"patient_data", "ix_tbMaster_LastNameFolded"}, {"build_file", "ix_tbCoRoom_StationID"},
        {"station", "ix_tbNurseCommunicationFile_Pending"}, {"password", "ix_tbPasswordMain_DepartmentID"},
    };
    for (const Index& i : indexes) {
        const QString schema = QString::fromLatin1(i.schema);
        Recordset found = db().isSQLite()
            ? db().query(QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type = 'index' AND lower(name) = lower(?)")
                             .arg(schema.isEmpty() ? QStringLiteral("main") : schema),
                         {QString::fromLatin1(i.name)})
            : db().query(QStringLiteral("SELECT 1 FROM pg_indexes WHERE schemaname = ? AND indexname = lower(?)"),
                         {schema.isEmpty() ? QStringLiteral("inventory") : schema, QString::fromLatin1(i.name)});
        EXPECT_FALSE(found.isEmpty()) << i.name;
    }
}

TEST_P(MigrationsTest, MigratingAgainChangesNothing) {
    const int version = hospitaldb::schemaVersion(db());
    EXPECT_GE(version, 105);
    EXPECT_EQ(hospitaldb::migrate(db()), 0);
    EXPECT_EQ(hospitaldb::schemaVersion(db()), version);
    // The one-row counter table still holds exactly one row.
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) AS n FROM billing.tbAssessmentNum")).value(0).toInt(), 1);
}

TEST_P(MigrationsTest, CounterTableRefusesASecondRow) {
    EXPECT_ANY_THROW(db().execute(QStringLiteral("INSERT INTO billing.tbAssessmentNum (id) VALUES (2)")));
    EXPECT_EQ(db().execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET assessmentnum = assessmentnum + 1 "
                                          "WHERE id = 1")),
              1);
}

TEST_P(MigrationsTest, FlagsDefaultToZeroAndNaturalKeysAreUnique) {
    db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName) VALUES (?, ?)"), {"A1", "ITEM"});
    Recordset rs = db().query(QStringLiteral("SELECT isMDRP, isSeniorDiscounted, isVATExempt, Unrestricted "
                                             "FROM tbInvMaster WHERE ItemID = ?"),
                              {"A1"});
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rs.value(i).toInt(), 0) << i;
    EXPECT_ANY_THROW(db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID) VALUES (?)"), {"A1"}));
    db().execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID) VALUES (?, ?)"), {"A1", "20"});
    db().execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID) VALUES (?, ?)"), {"A1", "186"});
    EXPECT_ANY_THROW(
        db().execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID) VALUES (?, ?)"), {"A1", "20"}));
}

QX_ON_BOTH_ENGINES(MigrationsTest);

} // namespace
} // namespace qx::test
