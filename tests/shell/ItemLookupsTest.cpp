#include "Builders.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "platform/FlexGrid.h"
#include "shell/ItemLookups.h"

using namespace qx;
using namespace qx::test;

namespace {

class ItemLookupsTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName) "
                                    "VALUES ('C01', 'Analgesics'), ('DD', 'Dangerous Drugs')"));
        db().execute(QStringLiteral("INSERT INTO tbInvUnitOfMeasure (UnitOfMeasureID, UnitOfMeasure) VALUES ('TAB', 'TABLET')"));
        addItem(db(), {.itemId = QStringLiteral("PARA500"), .barcode = QStringLiteral("4800001")});
        addItem(db(), {.itemId = QStringLiteral("MORPH10"), .name = QStringLiteral("MORPHINE"),
                       .description = QStringLiteral("10 MG AMPULE"), .genericId = QStringLiteral("G-MOR"),
                       .classificationId = QStringLiteral("DD")});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .genericId = QStringLiteral("G-AMOX"),
                       .classificationId = QStringLiteral("C01"), .unitOfMeasureId = QStringLiteral("BOX")});
        addItem(db(), {.itemId = QStringLiteral("AMOX250"), .genericId = QStringLiteral("G-AMOX")});
        db().execute(QStringLiteral("UPDATE tbInvMaster SET BrandName = 'BIOGESIC', ItemDesc = NULL, "
                                    "AntibioticClassID = '2' WHERE ItemID = 'PARA500'"));
        db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = '6' WHERE ItemID = 'AMOX500'"));
    }
    void doctor(const QString& id, const QVariant& s2, const QDateTime& expiry) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDoctor (doctorid, s2number, s2expiry) VALUES (?, ?, ?)"),
                     {id, s2, expiry});
    }
    ScriptedPlatform platform;
};

TEST_P(ItemLookupsTest, NamesAndUnits) {
    EXPECT_EQ(GetBrandName(db(), QStringLiteral("PARA500")), QStringLiteral("BIOGESIC"));
    EXPECT_EQ(GetBrandName(db(), QStringLiteral("AMOX500")), QString());
    EXPECT_EQ(GetBrandName(db(), QStringLiteral("NONE")), QString());
    EXPECT_EQ(GetItemNameDesc(db(), QStringLiteral("PARA500")), QStringLiteral("PARACETAMOL - "));
    EXPECT_EQ(GetItemNameDesc(db(), QStringLiteral("MORPH10")), QStringLiteral("MORPHINE - 10 MG AMPULE"));
    EXPECT_EQ(GetItemNameDesc(db(), QStringLiteral("NONE")), QString());
    EXPECT_EQ(GetUnitOfMeasure(db(), QStringLiteral("PARA500")), QStringLiteral("TABLET"));
    EXPECT_EQ(GetUnitOfMeasure(db(), QStringLiteral("AMOX500")), QStringLiteral("0"));
    EXPECT_EQ(GetUnitOfMeasure(db(), QStringLiteral("NONE")), QString());
}

TEST_P(ItemLookupsTest, BarcodeAndGenericToItem) {
    struct Case {
        QString typed;
        QString byBarcode, byGeneric;
    } cases[] = {
        {"4800001", "PARA500", "4800001"},
        {"G-AMOX", "G-AMOX", "AMOX250"},  // the first of the generic's items
        {"PARA500", "PARA500", "PARA500"},  // an item code stays as typed
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetItemIDByBarcode(db(), c.typed), c.byBarcode) << c.typed.toStdString();
        EXPECT_EQ(GetItemIDByGeneric(db(), c.typed), c.byGeneric) << c.typed.toStdString();
    }
    const qint64 before = db().statementCount();
    GetItemIDByBarcode(db(), QString());
    GetItemIDByGeneric(db(), QString());
    EXPECT_EQ(db().statementCount(), before);
}

TEST_P(ItemLookupsTest, AntibioticColours) {
    struct Case { QString cls; QString colour; } cases[] = {
        {"1", "16711935"}, {"2", "16711680"}, {"3", "49152"}, {"4", "33023"}, {"5", "12583104"}, {"6", ""}, {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AntibioticClassColor(c.cls), c.colour) << c.cls.toStdString();
    EXPECT_EQ(GetAntibioticClassColor(db(), QStringLiteral("PARA500")), QStringLiteral("16711680"));
    EXPECT_EQ(GetAntibioticClassColor(db(), QStringLiteral("AMOX500")), QString());
    EXPECT_EQ(GetAntibioticClassColor(db(), QStringLiteral("MORPH10")), QString());
    EXPECT_EQ(GetAntibioticClassColor(db(), QStringLiteral("NONE")), QString());
}

TEST_P(ItemLookupsTest, DangerousDrugLicenceOverAGridWithAGap) {
    const QDateTime now = db().serverNow();
    doctor(QStringLiteral("D-OK"), QStringLiteral("S2-1"), now.addDays(1));
    doctor(QStringLiteral("D-EXP"), QStringLiteral("S2-2"), now.addDays(-1));
    doctor(QStringLiteral("D-NONE"), QStringLiteral("  "), now.addDays(30));

    FlexGrid grid;
    grid.setCols(2);
    grid.setRows(5);
    grid.setTextMatrix(1, 1, QStringLiteral("PARA500"));
    grid.setTextMatrix(2, 1, QStringLiteral("AMOX500"));
    grid.setTextMatrix(4, 1, QStringLiteral("MORPH10"));  // row 3 was removed and left empty
    struct Case { QString doctor; bool allowed; } cases[] = {
        {"D-OK", true}, {"D-EXP", false}, {"D-NONE", false}, {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckDangerousDrugLicense(db(), c.doctor, grid, 1), c.allowed) << c.doctor.toStdString();

    grid.setTextMatrix(4, 1, QString());
    EXPECT_TRUE(CheckDangerousDrugLicense(db(), QStringLiteral("D-EXP"), grid, 1));

    FlexGrid headerOnly;
    headerOnly.setRows(1);
    headerOnly.setCols(2);
    const qint64 before = db().statementCount();
    EXPECT_TRUE(CheckDangerousDrugLicense(db(), QStringLiteral("D-EXP"), headerOnly, 1));
    EXPECT_EQ(db().statementCount(), before);
}

TEST_P(ItemLookupsTest, DangerousDrugFlagsAreOnlyEverSet) {
    bool flag = true;
    IsDangerousDrug(db(), QStringLiteral("PARA500"), flag);
    EXPECT_TRUE(flag);
    flag = false;
    IsDangerousDrug(db(), QStringLiteral("MORPH10"), flag);
    EXPECT_TRUE(flag);
}

TEST_P(ItemLookupsTest, PDEAQueryTakesBoundConditions) {
    const QString sql = GetPDEAFilterSQL() + QStringLiteral(" AND b.ItemID = ? ORDER BY b.ItemName");
    Recordset rs = db().query(sql, {QStringLiteral("MORPH10")});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("MORPH10"));
    EXPECT_EQ(rs.value(1).toString(), QStringLiteral("MORPHINE"));
    EXPECT_EQ(db().query(GetPDEAFilterSQL() + QStringLiteral(" AND b.ItemID = ?"), {QStringLiteral("PARA500")}).recordCount(), 0);
}

TEST_P(ItemLookupsTest, RoomClass) {
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoom (RoomID, RoomClassID) VALUES ('op', 'C'), ('501', 'B'), "
                                "('502', NULL)"));
    struct Case { QString room; QString cls; } cases[] = {
        {"OP", "A"}, {"op", "C"}, {" 501 ", "B"}, {"502", ""}, {"999", "A"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetRoomClassID(db(), c.room), c.cls) << c.room.toStdString();
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

QX_ON_BOTH_ENGINES(ItemLookupsTest);

TEST(ItemLookupsErrorTest, RoomClassErrorEndsTheProgram) {
    TestDatabase tdb(Engine::SQLite);
    ScriptedPlatform platform;
    const qint64 before = tdb.connection().statementCount();
    EXPECT_EQ(GetRoomClassID(tdb.connection(), QStringLiteral("OP")), QStringLiteral("A"));
    EXPECT_EQ(tdb.connection().statementCount(), before);
    tdb.connection().executeScript(QStringLiteral("DROP TABLE build_file.tbCoRoom"));
    GetRoomClassID(tdb.connection(), QStringLiteral("501"));
    EXPECT_EQ(platform.programEnd->ended(), 1);
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("in prjQuillax.mdlMain.GetRoomClassID")));
}

} // namespace
