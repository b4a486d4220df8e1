#include "Builders.h"
#include "TestDatabase.h"

namespace qx::test {
namespace {

class BuildersTest : public DbTest {};

TEST_P(BuildersTest, ItemAtTwoLocationsIsSeenByTheStockMonitorAndLookUps) {
    addItem(db(), {.itemId = "AMOX500", .name = "AMOXICILLIN", .genericId = "G-AMOX", .genericName = "AMOXICILLIN",
                   .barcode = "4800001", .onHand = 3, .minStockLevel = 10, .fixedPrice = 12.5});
    addItem(db(), {.itemId = "AMOX500", .location = "186", .onHand = 40});
    addItem(db(), {.itemId = "PARA500"});

    // The critical-stock monitor's own condition.
    Recordset low = db().query("SELECT ItemID FROM tbInvent WHERE LocationID = '20' AND OnHand <= MinStockLevel "
                               "AND ItemStatus = 0 ORDER BY ItemID");
    ASSERT_EQ(low.recordCount(), 1);
    EXPECT_EQ(low.value("itemid").toString(), "AMOX500");

    EXPECT_EQ(db().query("SELECT COUNT(*) FROM tbInvMaster").value(0).toInt(), 2);
    EXPECT_EQ(db().query("SELECT ItemID FROM tbInvMaster WHERE Barcode = ?", {"4800001"}).value(0).toString(), "AMOX500");
    EXPECT_EQ(db().query("SELECT m.ItemID FROM tbInvMaster m JOIN tbForGeneric g ON g.GenericID = m.GenericID "
                         "WHERE upper(g.GenericName) LIKE upper(?)",
                         {"amox%"})
                  .value(0)
                  .toString(),
              "AMOX500");
    Recordset stock = db().query("SELECT LocationID, OnHand, FixedPrice FROM tbInvent WHERE ItemID = ? "
                                 "ORDER BY LocationID",
                                 {"AMOX500"});
    ASSERT_EQ(stock.recordCount(), 2);
    EXPECT_EQ(stock.value("LocationID").toString(), "186");
    EXPECT_TRUE(stock.value("FixedPrice").isNull());
    stock.moveNext();
    EXPECT_EQ(QString::number(stock.value("OnHand").toDouble(), 'f', 2), "3.00");
    EXPECT_EQ(QString::number(stock.value("FixedPrice").toDouble(), 'f', 2), "12.50");
}

TEST_P(BuildersTest, AdmissionAndVisitAreFoundWithTheirAccountsAndNames) {
    addAdmittedPatient(db());
    addAdmittedPatient(db(), {.idNum = "1002", .person = {.hospNum = "H000002", .lastName = "O'BRIEN"},
                              .dischargeDate = QDateTime(QDate(2026, 1, 9), QTime(14, 0))});
    addOutPatientVisit(db(), {.accountNum = "C100"});
    db().execute("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES ('C100', 'ACME', 'S')");

    // Admitted and not discharged.
    Recordset open = db().query("SELECT p.IDNum, m.LastName, r.StationID FROM patient_data.tbPatient p "
                                "JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                                "JOIN build_file.tbCoRoom r ON r.RoomID = p.RoomID "
                                "WHERE p.DcrDate IS NULL");
    ASSERT_EQ(open.recordCount(), 1);
    EXPECT_EQ(open.value("idnum").toString(), "1001");
    EXPECT_EQ(open.value("LASTNAME").toString(), "DELA CRUZ");
    EXPECT_EQ(open.value("stationid").toString(), "3F");
    EXPECT_EQ(db().query("SELECT LastName FROM patient_data.tbMaster WHERE HospNum = 'H000002'").value(0).toString(),
              "O'BRIEN");

    // The out-patient account check joins across databases.
    Recordset visit = db().query("SELECT A.HospNum, A.AccountNum, COALESCE(B.Class, '') AS Class "
                                 "FROM patient_data.tbOutPatient A LEFT JOIN build_file.tbCoCompany B "
                                 "ON B.AccountNum = A.AccountNum WHERE A.IDNum = ?",
                                 {"5001A"});
    ASSERT_FALSE(visit.isEmpty());
    EXPECT_EQ(visit.value("HospNum").toString(), "H000101");
    EXPECT_EQ(visit.value("Class").toString(), "S");
    EXPECT_FALSE(db().query("SELECT 1 FROM build_file.tbCoDoctor WHERE doctorid = 'D001' AND s2expiry > ?",
                            {QDateTime(QDate(2026, 1, 1), QTime(0, 0))})
                     .isEmpty());
}

TEST_P(BuildersTest, PendingRequestsAreOpenAndSplitByInOut) {
    addPendingRequest(db());
    addPendingRequest(db(), {.idNum = "5001A", .requestNumber = "RQ000002", .stat = true});
    const QString pending = "SELECT COUNT(*) FROM station.tbNurseCommunicationFile WHERE DepartmentID = 'PH' "
                            "AND COALESCE(TRIM(RecordStatus), '') = '' AND InOut = ?";
    EXPECT_EQ(db().query(pending, {"I"}).value(0).toInt(), 1);
    EXPECT_EQ(db().query(pending, {"O"}).value(0).toInt(), 1);
    Recordset line = db().query("SELECT IDNum, ItemID, Quantity, isStat FROM station.tbNurseCommunicationFile "
                                "WHERE RequestNumber = ?",
                                {"RQ000002"});
    EXPECT_EQ(line.value("ItemID").toString(), "PARA500");
    EXPECT_EQ(line.value("Quantity").toDouble(), 2.0);
    EXPECT_EQ(line.value("isStat").toInt(), 1);
}

QX_ON_BOTH_ENGINES(BuildersTest);

} // namespace
} // namespace qx::test
