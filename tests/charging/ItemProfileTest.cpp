#include "charging/ItemProfile.h"

#include "Builders.h"
#include "TestDatabase.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "suite/DrugCatalogComponent.h"

#include <cmath>

namespace qx::test {
namespace {

// The request screens' profile over the drug component's lists of a patient's transactions.
class ItemProfileTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAPSULE"), .genericId = QStringLiteral("7"),
                       .genericName = QStringLiteral("AMOXICILLIN")});
        addItem(db(), {.itemId = QStringLiteral("AMOX250"), .name = QStringLiteral("AMOXIL"),
                       .description = QStringLiteral("250 MG CAPSULE"), .genericId = QStringLiteral("7"),
                       .genericName = QStringLiteral("AMOXICILLIN")});
        issue(QStringLiteral("AMOX500"), QDateTime(QDate(2026, 1, 6), QTime(9, 0)));
        issue(QStringLiteral("AMOX250"), QDateTime(QDate(2026, 1, 7), QTime(9, 0)));
        ASSERT_TRUE(drug.InitConnect(db().connectionString()));
        grid.resize(twipsToPixels(6000), twipsToPixels(1200));
    }
    void issue(const QString& item, const QDateTime& when) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (IdNum, ItemID, SummaryCode, Quantity, DosageID, RefNum, "
                                    "TransDate) VALUES ('1001', ?, 'PH', 2, '1 CAP TID', 'CS1', ?)"),
                     {item, when});
    }
    suite::DrugCatalogComponent drug{[this] { return &db(); }};
    FlexGrid grid;
};

TEST_F(ItemProfileTest, GenericRequestShowsEveryProductOfTheGeneric) {
    ItemProfile profile(&grid, ItemProfile::Variant::Request);
    grid.setEnabled(false);
    profile.load(drug.Drug(), QStringLiteral("1001"), QStringLiteral("7"), {.genericRequest = true});
    EXPECT_EQ(grid.formatString(), ItemProfile::kGenericLayout);
    ASSERT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("AMOXIL 250 MG CAPSULE"));
    EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("AMOXICILLIN 500 MG CAPSULE"));
    const int w = int(std::lround(pixelsToTwips(grid.width()) / 6.0));
    EXPECT_EQ(grid.colWidth(1), 2 * w);
    EXPECT_EQ(grid.colWidth(5), 2 * w);
    EXPECT_FALSE(grid.isEnabled());  // the request screens leave it as it was

    profile.load(drug.Drug(), QStringLiteral("1001"), QStringLiteral("AMOX500"));
    EXPECT_EQ(grid.formatString(), ItemProfile::kItemLayout);
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.colWidth(3), w);
}

TEST_F(ItemProfileTest, OnlyAnIssuedAndCrossedLineEndsWithDiscontinued) {
    struct Case { const char* remarks; const char* dosage; bool discontinued; };
    for (const Case& c : {Case{" --Issued--- ", "XXX", true}, Case{"--Issued--", "XXX", false},
                          Case{"--Issued---", "1 CAP TID", false}, Case{"--Issued---", " XXX", false}}) {
        SCOPED_TRACE(c.remarks);
        ItemProfile profile(&grid, ItemProfile::Variant::Request);
        profile.load(drug.Drug(), QStringLiteral("1001"), QStringLiteral("AMOX500"),
                     {.remarks = QString::fromLatin1(c.remarks), .dosage = QString::fromLatin1(c.dosage)});
        EXPECT_EQ(grid.rows(), c.discontinued ? 3 : 2);
        EXPECT_EQ(grid.textMatrix(grid.rows() - 1, 0) == ItemProfile::kDiscontinued, c.discontinued);
    }
    // An empty profile never gets the row.
    ItemProfile profile(&grid, ItemProfile::Variant::Request);
    profile.load(drug.Drug(), QStringLiteral("1001"), QStringLiteral("NONE"), {.remarks = QStringLiteral("--Issued---"),
                                                                               .dosage = QStringLiteral("XXX")});
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.textMatrix(1, 0), QString());
}

} // namespace
} // namespace qx::test
