#include "ReportTestSupport.h"
#include "components/AppError.h"
#include "platform/report/ReportLoader.h"

using namespace qx;
using namespace qx::report;
using namespace qx::report::test;

namespace {

Report probe() {
    return Report(parseReportDefinition(QStringLiteral(
        "parameter \"refnum \" text\n"
        "parameter @ACCOUNT text\n"
        "parameter TOTALPOSTED number\n"
        "parameter @ISFAST boolean\n"
        "parameter @REPORTDATE date\n"
        "parameter @TYPE integer default=\"3\"\n"
        "parameter refnum text\n"
        "table tbA location=\"Billing.dbo.tbA\"\n"
        "table tbB location=\"tbB\"\n"), QStringLiteral("probe.rpt")));
}

TEST(ReportParameters, NamesMatchAsEachCallerAsks) {
    Report r = probe();
    // Trimmed and upper-cased: the first field whose name matches wins.
    ASSERT_NE(r.findParameter(QStringLiteral("REFNUM")), nullptr);
    EXPECT_EQ(r.findParameter(QStringLiteral("REFNUM"))->name(), QStringLiteral("refnum "));
    // Upper-cased with blanks kept skips the field with the trailing blank.
    EXPECT_EQ(r.findParameter(QStringLiteral("REFNUM"), NameMatch::Upper)->name(), QStringLiteral("refnum"));
    EXPECT_EQ(r.findParameter(QStringLiteral("REFNUM"), NameMatch::Exact), nullptr);
    EXPECT_EQ(r.findParameter(QStringLiteral("@account"), NameMatch::Exact), nullptr);
    EXPECT_NE(r.findParameter(QStringLiteral("@ACCOUNT"), NameMatch::Exact), nullptr);
    EXPECT_EQ(r.findParameter(QStringLiteral("NOSUCH")), nullptr);
}

TEST(ReportParameters, ValuesAreConvertedToTheFieldsKind) {
    Report r = probe();
    r.setParameterValues({QStringLiteral("0000123"), QString(), QStringLiteral("12.50"), -1, QStringLiteral("12/09/2026")});
    EXPECT_EQ(r.parameter(0).effectiveValue(), QVariant(QStringLiteral("0000123")));
    EXPECT_EQ(r.parameter(1).effectiveValue(), QVariant(QString()));  // empty text is a value
    EXPECT_TRUE(r.parameter(1).hasCurrentValue());
    EXPECT_EQ(r.parameter(2).effectiveValue(), QVariant(12.5));
    EXPECT_TRUE(r.parameter(2).isNumeric());
    EXPECT_EQ(r.parameter(2).kindCode(), 7);
    EXPECT_EQ(r.parameter(3).effectiveValue(), QVariant(true));
    EXPECT_EQ(r.parameter(4).effectiveValue(), QVariant(QDate(2026, 12, 9)));
    // Fields beyond the values keep what they had: the saved value, or nothing.
    EXPECT_FALSE(r.parameter(5).hasCurrentValue());
    EXPECT_EQ(r.parameter(5).effectiveValue(), QVariant(qlonglong(3)));
    EXPECT_TRUE(r.parameter(6).effectiveValue().isNull());

    r.parameter(4).clearCurrentValues();
    EXPECT_TRUE(r.parameter(4).effectiveValue().isNull());
    EXPECT_THROW(r.parameter(2).addCurrentValue(QStringLiteral("abc")), AppError);
    EXPECT_THROW(r.parameter(4).addCurrentValue(QStringLiteral("13/45/2026")), AppError);
    // More values than fields: the extra ones are ignored.
    r.setParameterValues({QStringLiteral("a"), QStringLiteral("b"), 1, true, QStringLiteral("12/01/2026"), 2,
                          QStringLiteral("c"), QStringLiteral("left over")});
    EXPECT_EQ(r.parameter(6).effectiveValue(), QVariant(QStringLiteral("c")));
}

TEST(ReportParameters, TablesArePointedAtTheDatabaseFromTheirFirstDot) {
    Report r = probe();
    r.databaseTables().removeLast();
    r.relocateTables(QStringLiteral("Inventory"), QStringLiteral("srv"), QStringLiteral("sa"), QStringLiteral("pw"));
    EXPECT_EQ(r.databaseTables()[0].location(), QStringLiteral("Inventory.dbo.tbA"));
    EXPECT_EQ(r.databaseTables()[0].logOnDatabase(), QStringLiteral("Inventory"));

    Report withBareTable = probe();
    try {
        withBareTable.relocateTables(QStringLiteral("INVENTORY"));
        FAIL() << "a location without a dot was re-pointed";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("\"tbB\" has no \".\""))) << e.description().toStdString();
    }
}

} // namespace
