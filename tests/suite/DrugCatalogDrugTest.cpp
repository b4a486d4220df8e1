#include "Builders.h"
#include "TestDatabase.h"
#include "suite/DrugCatalogComponent.h"

using namespace qx;
using namespace qx::test;
using qx::DrugCatalog::StockCardArgs;

namespace {

StockCardArgs line(const QString& slip, const QString& item, double qty, double amount, const QString& date,
                   std::initializer_list<std::pair<int, QVariant>> more = {}) {
    StockCardArgs a;
    a.count = 28;
    for (const auto& [pos, v] : std::initializer_list<std::pair<int, QVariant>>{
             {1, "H000001"}, {2, "1001"}, {3, item}, {4, date}, {5, slip}, {6, qty}, {7, 0}, {8, amount},
             {9, "E0001"}, {10, "1 TAB"}, {11, "D001"}, {12, "20"}, {14, "301"}, {15, 1}, {28, "HOST1"}})
        a[pos] = v;
    for (const auto& [pos, v] : more)
        a[pos] = v;
    return a;
}

class DrugCatalogDrugTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.barcode = QStringLiteral("4800001"), .onHand = 40, .priceIn = 5.25, .priceOut = 4.75});
        addItem(db(), {.location = QStringLiteral("186"), .onHand = 7, .priceIn = 6.5, .priceOut = 6});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("12"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 3, .itemStatus = 1});
        addAdmittedPatient(db());
        component_ = std::make_unique<suite::DrugCatalogComponent>([this] { return &db(); });
        ASSERT_TRUE(component_->InitConnect(db().connectionString()));
    }
    DrugCatalog::Drug& drug() { return component_->Drug(); }
    std::unique_ptr<suite::DrugCatalogComponent> component_;
};

TEST_P(DrugCatalogDrugTest, SearchMakesTheItemAndItsLocationRecordCurrent) {
    struct Case {
        const char* code;
        std::optional<QString> location;
        bool found;
        double stock;
        const char* priceIn;
        int status;
    };
    const Case cases[] = {
        {"PARA500", QStringLiteral("20"), true, 40, "5.25", 0},
        {" para500 ", QStringLiteral("186"), true, 7, "6.50", 0},
        {"PARA500", std::nullopt, true, 40, "5.25", 0},  // no location: the main pharmacy
        {"AMOX500", QStringLiteral("20"), true, 3, "5.25", 1},
        {"PARA500", QStringLiteral("109"), true, 0, "0.00", 0},  // no stock record there
        {"NOSUCH", QStringLiteral("20"), false, 0, "0.00", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drug().SearchDrug(QString::fromLatin1(c.code), c.location), c.found) << c.code;
        EXPECT_EQ(drug().Invent().StockOnHand, c.stock) << c.code;
        EXPECT_EQ(QString::number(drug().Invent().SellingPriceIn, 'f', 2), QString::fromLatin1(c.priceIn)) << c.code;
        EXPECT_EQ(drug().Status(), c.status) << c.code;
    }
    ASSERT_TRUE(drug().SearchDrug(QStringLiteral("PARA500"), QStringLiteral("20"), QStringLiteral("1001")));
    EXPECT_EQ(drug().DrugCode(), QStringLiteral("PARA500"));
    EXPECT_EQ(drug().DrugName() + QLatin1Char(' ') + drug().Description(), QStringLiteral("PARACETAMOL 500 MG TABLET"));
    EXPECT_EQ(drug().GenericName(), QStringLiteral("PARACETAMOL"));
    EXPECT_EQ(drug().Invent().Barcode, QStringLiteral("4800001"));
    EXPECT_EQ(QString::number(drug().Invent().SellingPriceOut, 'f', 2), QStringLiteral("4.75"));
    EXPECT_EQ(QString::number(drug().Invent().AverageCost, 'f', 2), QStringLiteral("3.50"));
    EXPECT_EQ(QString::number(drug().ListCost(), 'f', 2), QStringLiteral("3.50"));
    EXPECT_TRUE(drug().SeniorCitizenDiscounted());
    EXPECT_TRUE(drug().OralOrInjectible().isNull());
    // A miss clears the item.
    EXPECT_FALSE(drug().SearchDrug(QStringLiteral("NOSUCH")));
    EXPECT_EQ(drug().DrugCode(), QString());
    EXPECT_EQ(drug().GenericName(), QString());
}

TEST_P(DrugCatalogDrugTest, GenericIsFoundByItsNumericId) {
    EXPECT_TRUE(drug().Generic().Search(12));
    EXPECT_EQ(drug().Generic().GenericName(), QStringLiteral("AMOXICILLIN"));
    EXPECT_FALSE(drug().Generic().Search(99));
    EXPECT_EQ(drug().Generic().GenericName(), QString());
}

TEST_P(DrugCatalogDrugTest, NumbersAdvanceOnlyWhenMoved) {
    auto& slips = drug().Chargeslip();
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(), QStringLiteral("00000001"));
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(), QStringLiteral("00000001"));
    slips.UpdateDispensingChargeSlip();
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(), QStringLiteral("00000002"));
    // Per patient (switch 22): a counter of its own, keyed by the trimmed id.
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(QStringLiteral(" 1001")), QStringLiteral("1001-0001"));
    slips.UpdateDispensingChargeSlip(QStringLiteral("1001"));
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(QStringLiteral("1001")), QStringLiteral("1001-0002"));
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(QStringLiteral("NEW")), QStringLiteral("NEW-0001"));
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(), QStringLiteral("00000002"));
    EXPECT_EQ(slips.CurrentCreditMemo(), QStringLiteral("RC00000001"));
    slips.UpdateCreditMemo();
    slips.UpdateCreditMemo();
    EXPECT_EQ(slips.CurrentCreditMemo(), QStringLiteral("RC00000003"));
    EXPECT_EQ(slips.CurrentAdjustmentSlip(), QStringLiteral("AJ00000001"));
    slips.UpdateAdjustmentSlip();
    EXPECT_EQ(slips.CurrentAdjustmentSlip(), QStringLiteral("AJ00000002"));
    EXPECT_LE(slips.CurrentCreditMemo().size(), 10);
}

// Each series claims the first number at or after its counter that its own stock-card column
// does not carry, and leaves the counter past it.
TEST_P(DrugCatalogDrugTest, ClaimsSkipNumbersTheirColumnCarries) {
    auto line = [this](const char* refNum, const QVariant& creditMemo) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, "
                                    "CreditMemoNum) VALUES (?, 'PARA500', '1001', 'PH', '20', ?)"),
                     {QString::fromLatin1(refNum), creditMemo});
    };
    line("00000001", QVariant());
    line("00000002", QStringLiteral("RC00000001"));
    line("1001-0001", QStringLiteral("AJ00000001"));
    line("1001-0002", QVariant());
    auto& slips = drug().Chargeslip();
    EXPECT_EQ(slips.ClaimDispensingChargeSlip(std::nullopt, QStringLiteral("1001"), QStringLiteral("E1")), "00000003");
    EXPECT_EQ(slips.ClaimDispensingChargeSlip(std::nullopt, QStringLiteral("1002"), QStringLiteral("E1")), "00000004");
    EXPECT_EQ(slips.ClaimDispensingChargeSlip(QStringLiteral(" 1001"), QStringLiteral("1001"), QStringLiteral("E1")),
              "1001-0003");
    EXPECT_EQ(slips.ClaimDispensingChargeSlip(QStringLiteral("NEW"), QStringLiteral("NEW"), QStringLiteral("E1")), "NEW-0001");
    EXPECT_EQ(slips.ClaimCreditMemo(QStringLiteral("1001"), QStringLiteral("E1")), "RC00000002");
    EXPECT_EQ(slips.ClaimAdjustmentSlip(QStringLiteral("1001"), QStringLiteral("E1")), "AJ00000002");
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(), "00000005");
    EXPECT_EQ(slips.CurrentDispensingChargeSlip(QStringLiteral("1001")), "1001-0004");
    EXPECT_EQ(slips.CurrentCreditMemo(), "RC00000003");
    EXPECT_EQ(slips.CurrentAdjustmentSlip(), "AJ00000003");
}

TEST_P(DrugCatalogDrugTest, PendingRequestsOfTheStationAndRevoke) {
    addPendingRequest(db(), {.requestNumber = QStringLiteral("RQ1"), .requestDate = QDateTime(QDate(2026, 1, 5), QTime(9, 0))});
    addPendingRequest(db(), {.itemId = QStringLiteral("AMOX500"), .quantity = 6, .requestNumber = QStringLiteral("RQ2"),
                             .requestDate = QDateTime(QDate(2026, 1, 5), QTime(9, 5))});
    addPendingRequest(db(), {.requestNumber = QStringLiteral("RQ3"), .requestDate = QDateTime(QDate(2026, 1, 5), QTime(9, 10)),
                             .doctorId = QStringLiteral("D002")});
    addPendingRequest(db(), {.stationId = QStringLiteral("4F"), .requestNumber = QStringLiteral("RQ4")});
    Recordset rs = drug().ListPendingRequests(QStringLiteral("1001"), QStringLiteral("3F"));
    ASSERT_EQ(rs.recordCount(), 3);
    for (const char* field : {"DoctorID", "Doctor", "TargetLocationID", "Drug Code", "IsGeneric", "Dosage", "Quantity",
                              "Remarks", "RequestNumber", "user", "Request Date", "Amount", "Barcode"})
        EXPECT_TRUE(rs.hasField(QString::fromLatin1(field))) << field;
    EXPECT_EQ(rs.text(QStringLiteral("Drug Code")), QStringLiteral("PARA500"));
    EXPECT_EQ(rs.text(QStringLiteral("Barcode")), QStringLiteral("4800001"));
    EXPECT_EQ(rs.value(QStringLiteral("IsGeneric")), QVariant(false));
    EXPECT_EQ(rs.dateTime(QStringLiteral("Request Date")), QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    rs.moveNext();
    EXPECT_EQ(rs.text(QStringLiteral("RequestNumber")), QStringLiteral("RQ2"));
    EXPECT_EQ(rs.number(QStringLiteral("Quantity")), 6.0);

    drug().RevokePendingRequest(QStringLiteral(" RQ1 "), QStringLiteral("E0001"));
    rs = drug().ListPendingRequests(QStringLiteral("1001"), QStringLiteral("3F"));
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.text(QStringLiteral("RequestNumber")), QStringLiteral("RQ2"));
    EXPECT_EQ(rs.valueAt(1, QStringLiteral("DoctorID")).toString(), QStringLiteral("D002"));
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus, ProcessBy FROM station.tbNurseCommunicationFile WHERE RequestNumber = 'RQ1'"))
                  .text(QStringLiteral("ProcessBy")),
              QStringLiteral("E0001"));
}

TEST_P(DrugCatalogDrugTest, UnitDoseListKeepsOrderAndStatus) {
    for (const auto& [item, status] : {std::pair{"PARA500", ""}, std::pair{"AMOX500", "R"}})
        db().execute(QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, DosageID, Quantity, Amount, Remark, "
                                    "RecordStatus) VALUES ('1001', ?, 'Q6H', 4, 21, 'x', ?)"),
                     {QString::fromLatin1(item), QString::fromLatin1(status)});
    Recordset rs = drug().ListUnitDose(QStringLiteral(" 1001"));
    ASSERT_EQ(rs.recordCount(), 2);
    for (const char* field : {"DrugCode", "RecordStatus", "DosageID", "Quantity", "Amount", "Remark"})
        EXPECT_TRUE(rs.hasField(QString::fromLatin1(field))) << field;
    EXPECT_EQ(rs.valueAt(1, QStringLiteral("DrugCode")).toString(), QStringLiteral("AMOX500"));
    EXPECT_EQ(rs.valueAt(1, QStringLiteral("RecordStatus")).toString(), QStringLiteral("R"));
}

TEST_P(DrugCatalogDrugTest, PostedLinesProfileAndIssuedQuantity) {
    drug().AppendStockCard(line("00000001", "PARA500", 10, 1234.5, "01/05/2026 08:00:00"));
    drug().AppendStockCard(line("00000002", "AMOX500", 2, 30, "01/05/2026 09:00:00"));
    drug().AppendStockCard(line("00000001", "PARA500", 3, 370.35, "01/06/2026 08:00:00",
                                {{7, 10}, {16, "PC"}, {17, "PC"}, {24, 2}, {25, "RC00000001"}}));
    drug().AppendStockCard(line("00000001", "PARA500", 1, 123.45, "01/06/2026 09:00:00", {{7, 10}, {24, 3}, {25, "AJ00000001"}}));

    Recordset posted = drug().ListPostedDrugs(QStringLiteral("1001"), 2);
    ASSERT_EQ(posted.recordCount(), 4);
    ASSERT_EQ(posted.fieldCount(), 14);
    struct Expect {
        const char* date;
        const char* ref;
        const char* code;
        const char* kind;
        const char* amount;
    };
    const Expect expected[] = {
        {"01/05/2026 08:00:00", "00000001", "PARA500", "Issued", "1,234.50"},
        {"01/05/2026 09:00:00", "00000002", "AMOX500", "Issued", "30.00"},
        {"01/06/2026 08:00:00", "RC00000001", "PARA500", "Returned", "370.35"},
        {"01/06/2026 09:00:00", "AJ00000001", "PARA500", "Adjusted", "123.45"},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(posted.valueAt(i, 0).toString(), QString::fromLatin1(expected[i].date));
        EXPECT_EQ(posted.valueAt(i, 1).toString(), QString::fromLatin1(expected[i].ref));
        EXPECT_EQ(posted.valueAt(i, 4).toString(), QString::fromLatin1(expected[i].code));
        EXPECT_EQ(posted.valueAt(i, 5).toString(), QString::fromLatin1(expected[i].kind));
        EXPECT_EQ(posted.valueAt(i, 7).toString(), QString::fromLatin1(expected[i].amount));
    }
    EXPECT_EQ(posted.valueAt(0, 2).toString(), QStringLiteral("E0001"));
    EXPECT_EQ(QString::number(posted.valueAt(0, 13).toDouble(), 'f', 2), QStringLiteral("1234.50"));

    EXPECT_EQ(drug().QuantityIssued(QStringLiteral("1001"), QStringLiteral("PARA500")), 6.0);
    EXPECT_EQ(drug().QuantityIssued(QStringLiteral("1001"), QStringLiteral("AMOX500")), 2.0);
    EXPECT_EQ(drug().QuantityIssued(QStringLiteral("2002"), QStringLiteral("PARA500")), 0.0);

    Recordset profile = drug().ListProfile(QStringLiteral(" 1001"), QStringLiteral("PARA500"));
    ASSERT_EQ(profile.recordCount(), 1);
    EXPECT_EQ(profile.fieldNames().mid(0, 5),
              (QStringList{"Trans. Date", "Frequency", "Quantity", "Dosage", "Remark"}));
    Recordset generic = drug().ListProfileGeneric(QStringLiteral("1001"), 12);
    ASSERT_EQ(generic.recordCount(), 1);
    EXPECT_EQ(generic.fieldName(1), QStringLiteral("Drug Name"));
    EXPECT_EQ(generic.valueAt(0, 1).toString(), QStringLiteral("AMOXICILLIN 500 MG CAP"));
}

QX_ON_BOTH_ENGINES(DrugCatalogDrugTest);

} // namespace
