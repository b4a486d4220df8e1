#include "Builders.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "platform/Values.h"
#include "shell/QueryHelpers.h"

using namespace qx;
using namespace qx::test;

namespace {

class QueryHelpersTest : public SqliteTest {
protected:
    ScriptedPlatform platform;
};

TEST_F(QueryHelpersTest, ServerDateReadsBackAsTheServersClock) {
    const QString text = GetServerDate(db());
    ASSERT_TRUE(IsDate(text)) << text.toStdString();
    EXPECT_LE(std::abs(CDate(text).secsTo(db().serverNow())), 2);
}

TEST_F(QueryHelpersTest, FieldValueByNameInAnyCase) {
    Recordset rs({QStringLiteral("KeyValue"), QStringLiteral("Rights")}, {{1, QVariant()}});
    EXPECT_EQ(GetFieldValue(rs, QStringLiteral("keyvalue"), 0).toInt(), 1);
    EXPECT_EQ(GetFieldValue(rs, QStringLiteral("Rights"), QStringLiteral("N")).toString(), QStringLiteral("N"));
    EXPECT_EQ(GetFieldValue(rs, QStringLiteral("Missing"), -1).toInt(), -1);
}

TEST_F(QueryHelpersTest, ColumnExists) {
    EXPECT_TRUE(ColumnExists(db(), QStringLiteral("tbInvMaster"), QStringLiteral("Unrestricted")));
    EXPECT_FALSE(ColumnExists(db(), QStringLiteral("tbInvMaster"), QStringLiteral("NoSuchColumn")));
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(QueryHelpersTest, DuplicateBarcode) {
    addItem(db(), {.itemId = QStringLiteral("PARA500"), .barcode = QStringLiteral("4800001")});
    addItem(db(), {.itemId = QStringLiteral("PARA250"), .barcode = QStringLiteral("4800001")});
    addItem(db(), {.itemId = QStringLiteral("AMOX500"), .barcode = QStringLiteral("4800002")});
    EXPECT_TRUE(IsDuplicateBarcode(db(), QStringLiteral(" PARA500 "), QStringLiteral("PARACETAMOL500 MG")));
    EXPECT_FALSE(IsDuplicateBarcode(db(), QStringLiteral("AMOX500"), QStringLiteral("AMOXICILLIN")));
    EXPECT_TRUE(IsDuplicateBarcode(db(), QStringLiteral("UNKNOWN"), QString()));  // no row counts as a duplicate
}

} // namespace
