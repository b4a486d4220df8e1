#include "SourceTree.h"
#include "TestDatabase.h"
#include "hospitaldb/Schema.h"

#include <QProcess>

namespace qx::test {
namespace {

class DemoDataTest : public DbTest {
protected:
    bool withDemo() const override { return true; }
    int count(const QString& sql, const QVariantList& binds = {}) { return db().query(sql, binds).value(0).toInt(); }
};

TEST_P(DemoDataTest, SettingsSwitchesAndShiftsAreInPlace) {
    for (const char* table : {"tbHospitalInfo", "billing.tbHospitalInfo", "patient_data.tbHospitalInfo",
                              "tbPharmaDiscountType", "tbShiftDesc"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(table)), 1) << table;
    EXPECT_EQ(db().query("SELECT ClientName FROM patient_data.tbHospitalInfo").value(0).toString(), "DEMO");

    // Every pharmacy switch key, as exact text; every inventory switch the program reads.
    EXPECT_EQ(count("SELECT COUNT(*) FROM tbPharmaSwitch"), 109);
    for (const char* key : {"1", "7", "22", "101", "200", "207"})
        EXPECT_EQ(count("SELECT COUNT(*) FROM tbPharmaSwitch WHERE IDKey = ?", {QString::fromLatin1(key)}), 1) << key;
    EXPECT_EQ(count("SELECT COUNT(*) FROM tbInvSwitch WHERE IDKey IN ('89', '93', '103', '104', '106', '110')"), 6);

    Recordset shift = db().query("SELECT FirstShift, SecondShift, ThirdShift, FirstHr, SecondHr, ThirdHr FROM tbShiftDesc");
    EXPECT_EQ(shift.value("FirstShift").toString(), "6:00 AM - 2:00 PM");
    EXPECT_EQ(shift.value("SecondHr").toInt(), 14);
    EXPECT_EQ(shift.value("ThirdHr").toInt(), 22);
}

TEST_P(DemoDataTest, CountersAreAheadOfTheNumbersAlreadyUsed) {
    Recordset n = db().query("SELECT PreNumberAssessment, assessmentnum, CMAdviseNum, CMNumber FROM billing.tbAssessmentNum");
    ASSERT_EQ(n.recordCount(), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(n.value(i).toInt(), 0) << i;
    // The highest assessment number on file is below the next one the counter gives.
    Recordset refs = db().query("SELECT RefNum FROM billing.tbCashAssessment WHERE RefNum LIKE 'PH%'");
    for (int row = 0; row < refs.recordCount(); ++row)
        EXPECT_LT(refs.valueAt(row, "RefNum").toString().mid(2).toInt(), n.value("assessmentnum").toInt());
}

TEST_P(DemoDataTest, ItemsHaveStockAtBothPharmaciesAndACardThatEndsAtTheStock) {
    EXPECT_GE(count("SELECT COUNT(*) FROM tbInvMaster"), 40);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tbInvMaster m WHERE NOT EXISTS "
                    "(SELECT 1 FROM tbInvent i WHERE i.ItemID = m.ItemID AND i.LocationID = '20') "
                    "OR NOT EXISTS (SELECT 1 FROM tbInvent i WHERE i.ItemID = m.ItemID AND i.LocationID = '186')"),
              0);
    // Items without a generic, unit or class would show holes in the pickers.
    EXPECT_EQ(count("SELECT COUNT(*) FROM tbInvMaster m LEFT JOIN tbForGeneric g ON g.GenericID = m.GenericID "
                    "LEFT JOIN tbInvUnitOfMeasure u ON u.UnitOfMeasureID = m.UnitOfMeasureID "
                    "LEFT JOIN tbInvClassification k ON k.ItemClassificationID = m.ItemClassificationID "
                    "WHERE g.GenericID IS NULL OR u.UnitOfMeasureID IS NULL OR k.ItemClassificationID IS NULL"),
              0);
    EXPECT_GT(count("SELECT COUNT(*) FROM tbInvent WHERE LocationID = '20' AND OnHand <= MinStockLevel AND ItemStatus = 0"), 0);
    EXPECT_GT(count("SELECT COUNT(*) FROM tbInvMaster b JOIN tbInvClassification c "
                    "ON c.ItemClassificationID = b.ItemClassificationID "
                    "WHERE upper(c.ItemClassificationName) LIKE upper('%Dangerous Drug%')"),
              0);

    // Each item's newest stock-card line at the main pharmacy carries today's stock as its balance.
    Recordset stock = db().query("SELECT ItemID, OnHand FROM tbInvent WHERE LocationID = '20' ORDER BY ItemID");
    for (int row = 0; row < stock.recordCount(); ++row) {
        const QString item = stock.valueAt(row, "ItemID").toString();
        Recordset last = db().query("SELECT Balance FROM tbInvStockCard WHERE ItemID = ? AND LocationID = '20' "
                                    "ORDER BY TransDate DESC, id DESC LIMIT 1",
                                    {item});
        ASSERT_FALSE(last.isEmpty()) << item.toStdString();
        EXPECT_EQ(QString::number(last.value(0).toDouble(), 'f', 2), QString::number(stock.valueAt(row, "OnHand").toDouble(), 'f', 2))
            << item.toStdString();
    }
    // Every credit line points at an issue of the same item and patient.
    EXPECT_EQ(count("SELECT COUNT(*) FROM tbInvStockCard c WHERE c.SummaryCode = 'PC' AND NOT EXISTS "
                    "(SELECT 1 FROM tbInvStockCard i WHERE i.SummaryCode = 'PH' AND i.RefNum = c.RefNum "
                    "AND i.ItemID = c.ItemID AND i.IdNum = c.IdNum)"),
              0);
}

TEST_P(DemoDataTest, PatientsVisitsAndWaitingRequestsAreConsistent) {
    EXPECT_GE(count("SELECT COUNT(*) FROM patient_data.tbPatient WHERE DcrDate IS NULL"), 10);
    EXPECT_GE(count("SELECT COUNT(*) FROM patient_data.tbOutPatient"), 5);
    EXPECT_EQ(count("SELECT COUNT(*) FROM patient_data.tbPatient p LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                    "LEFT JOIN build_file.tbCoRoom r ON r.RoomID = p.RoomID "
                    "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = p.DoctorID "
                    "WHERE m.HospNum IS NULL OR r.RoomID IS NULL OR d.doctorid IS NULL"),
              0);
    EXPECT_EQ(db().query("SELECT LastName FROM patient_data.tbMaster WHERE HospNum = '000107'").value(0).toString(),
              "D'ANGELO");

    const QString open = "SELECT COUNT(*) FROM station.tbNurseCommunicationFile WHERE DepartmentID = 'PH' "
                         "AND COALESCE(TRIM(RecordStatus), '') = '' AND InOut = ?";
    EXPECT_GT(count(open, {"I"}), 0);
    EXPECT_GT(count(open, {"O"}), 0);
    // Requests name patients, items and stations that exist.
    EXPECT_EQ(count("SELECT COUNT(*) FROM station.tbNurseCommunicationFile n "
                    "LEFT JOIN tbInvMaster m ON m.ItemID = n.ItemID "
                    "LEFT JOIN build_file.tbCoStation s ON s.StationID = n.StationID "
                    "WHERE m.ItemID IS NULL OR s.StationID IS NULL OR (n.IDNum NOT IN "
                    "(SELECT IDNum FROM patient_data.tbPatient) AND n.IDNum NOT IN "
                    "(SELECT IDNum FROM patient_data.tbOutPatient))"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tbPharmaCommunication WHERE RevenueID = 'PC' "
                    "AND COALESCE(isPosted, 0) = 0 AND COALESCE(TRIM(RecordStatus), '') = ''"),
              1);
}

TEST_P(DemoDataTest, FillingAgainAddsNothing) {
    const int items = count("SELECT COUNT(*) FROM tbInvMaster");
    hospitaldb::fillDemo(db());
    EXPECT_EQ(count("SELECT COUNT(*) FROM tbInvMaster"), items);
}

QX_ON_BOTH_ENGINES(DemoDataTest);

// The demo is generated, not copied: two fills give the same rows.
TEST(DemoDataDeterminism, TwoFillsGiveTheSameItemsStockAndCards) {
    TestDatabase first(Engine::SQLite, true);
    TestDatabase second(Engine::SQLite, true);
    for (const char* sql : {"SELECT ItemID, ItemName, ItemDesc, Barcode, GenericID, ListCost FROM tbInvMaster ORDER BY ItemID",
                            "SELECT ItemID, LocationID, OnHand, MinStockLevel FROM tbInvent ORDER BY ItemID, LocationID",
                            "SELECT RefNum, ItemID, IdNum, SummaryCode, Quantity, Balance, TransDate FROM tbInvStockCard "
                            "ORDER BY id",
                            "SELECT IDNum, HospNum, RoomID, DoctorID, AdmDate FROM patient_data.tbPatient ORDER BY IDNum"}) {
        Recordset a = first.connection().query(QString::fromLatin1(sql));
        Recordset b = second.connection().query(QString::fromLatin1(sql));
        ASSERT_EQ(a.recordCount(), b.recordCount()) << sql;
        ASSERT_GT(a.recordCount(), 0) << sql;
        for (int row = 0; row < a.recordCount(); ++row)
            for (int col = 0; col < a.fieldCount(); ++col)
                EXPECT_EQ(a.valueAt(row, col), b.valueAt(row, col)) << sql << " row " << row << " col " << col;
    }
}

// The database tool creates (SQLite) or fills (PostgreSQL) the databases from its command line.
class DbToolTest : public ::testing::TestWithParam<Engine> {};

TEST_P(DbToolTest, InitWithDemoFillsTheDatabases) {
    if (GetParam() == Engine::PostgreSQL && !TestDatabase::postgresAvailable())
        GTEST_SKIP() << "PostgreSQL not available: set QUILLAX_TEST_PG (scripts/test does)";
    QTemporaryDir dir;
    std::unique_ptr<TestDatabase> pg;
    QStringList args{"init"};
    if (GetParam() == Engine::SQLite) {
        args << "--sqlite" << dir.path();
    } else {
        pg = std::make_unique<TestDatabase>(Engine::PostgreSQL);
        args << "--pg" << pg->url();
    }
    args << "--demo";

    QProcess tool;
    tool.start(databaseToolPath(), args);
    ASSERT_TRUE(tool.waitForFinished(120000));
    const QString out = QString::fromLocal8Bit(tool.readAllStandardOutput());
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_TRUE(out.contains("demo data filled")) << out.toStdString();

    auto c = Connection::open(GetParam() == Engine::SQLite ? QStringLiteral("sqlite:") + dir.path() : pg->url());
    EXPECT_EQ(hospitaldb::schemaVersion(*c), hospitaldb::migrations().last().number);
    EXPECT_TRUE(hospitaldb::hasDemoData(*c));
    EXPECT_GE(c->query("SELECT COUNT(*) FROM tbInvMaster").value(0).toInt(), 40);

    // A second run finds everything in place.
    tool.start(databaseToolPath(), args);
    ASSERT_TRUE(tool.waitForFinished(120000));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(QString::fromLocal8Bit(tool.readAllStandardOutput()).contains("demo data already present"));
}

QX_ON_BOTH_ENGINES(DbToolTest);

} // namespace
} // namespace qx::test
