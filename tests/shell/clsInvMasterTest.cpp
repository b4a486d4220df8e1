#include "Builders.h"
#include "TestDatabase.h"
#include "components/AppError.h"
#include "platform/ErrorHandling.h"
#include "shell/clsInvMaster.h"

using namespace qx;
using namespace qx::test;

namespace {

class clsInvMasterTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        db().execute(QStringLiteral("INSERT INTO tbInvSupplier (SupplierID, SupplierName) VALUES ('S1', 'UNILAB'), "
                                    "('S2', NULL)"));
        addItem(db(), {.itemId = QStringLiteral("PARA500"), .genericId = QStringLiteral("G-PARA"),
                       .genericName = QStringLiteral("PARACETAMOL")});
        addItem(db(), {.itemId = QStringLiteral("PARA250"), .description = QStringLiteral("250 MG SYRUP"),
                       .genericId = QStringLiteral("G-PARA")});
        addItem(db(), {.itemId = QStringLiteral("GAUZE"), .name = QStringLiteral("GAUZE PAD"),
                       .description = QString(), .genericId = QString()});
        addItem(db(), {.itemId = QStringLiteral("LOST"), .genericId = QString()});
        db().execute(QStringLiteral("UPDATE tbInvMaster SET SupplierID = 'S1', PNF = 1 WHERE ItemID = 'PARA500'"));
        db().execute(QStringLiteral("UPDATE tbInvMaster SET SupplierID = 'S2', PNF = NULL WHERE ItemID = 'PARA250'"));
        db().execute(QStringLiteral("UPDATE tbInvMaster SET GenericID = 'G-GONE', PNF = 0 WHERE ItemID = 'LOST'"));
    }
};

TEST_F(clsInvMasterTest, LoadsTheItemWithItsGenericAndSupplier) {
    clsInvMaster item;
    item.Init(db(), QStringLiteral("PARA500"));
    EXPECT_EQ(item.ItemID, QStringLiteral("PARA500"));
    EXPECT_EQ(item.ItemName, QStringLiteral("PARACETAMOL"));
    EXPECT_EQ(item.ItemDesc, QStringLiteral("500 MG TABLET"));
    EXPECT_TRUE(item.IsPNF);
    EXPECT_EQ(item.Generic().GenericName, QStringLiteral("PARACETAMOL"));
    EXPECT_EQ(item.Supplier().SupplierName, QStringLiteral("UNILAB"));

    // Same generic: reused without a query; a Null PNF keeps the previous answer.
    item.Init(db(), QStringLiteral("PARA250"));
    const qint64 before = db().statementCount();
    EXPECT_EQ(item.Generic().GenericName, QStringLiteral("PARACETAMOL"));
    EXPECT_EQ(db().statementCount(), before);
    EXPECT_TRUE(item.IsPNF);
    EXPECT_EQ(item.Supplier().SupplierID, QStringLiteral("S2"));
    EXPECT_EQ(item.Supplier().SupplierName, QString());
}

TEST_F(clsInvMasterTest, AnUnknownItemKeepsThePreviousValues) {
    clsInvMaster item;
    item.Init(db(), QStringLiteral("NOSUCH"));
    EXPECT_EQ(item.ItemID, QString());
    EXPECT_FALSE(item.IsPNF);
    item.Init(db(), QStringLiteral("PARA500"));
    item.Init(db(), QStringLiteral("NOSUCH"));
    EXPECT_EQ(item.ItemID, QStringLiteral("PARA500"));
    EXPECT_EQ(item.Generic().GenericName, QStringLiteral("PARACETAMOL"));
}

TEST_F(clsInvMasterTest, AnItemWithoutAGenericNeverShowsThePreviousOne) {
    clsInvMaster item;
    item.Init(db(), QStringLiteral("PARA500"));
    EXPECT_EQ(item.Generic().GenericName, QStringLiteral("PARACETAMOL"));
    item.Init(db(), QStringLiteral("GAUZE"));
    EXPECT_EQ(item.ItemDesc, QString());
    const qint64 before = db().statementCount();
    EXPECT_EQ(item.Generic().GenericName, QString());
    EXPECT_EQ(item.Supplier().SupplierName, QString());
    EXPECT_EQ(db().statementCount(), before);

    item.Init(db(), QStringLiteral("LOST"));  // a generic id not on file
    EXPECT_FALSE(item.IsPNF);
    EXPECT_EQ(item.Generic().GenericName, QString());
}

TEST_F(clsInvMasterTest, ErrorsAreRaisedAgainUnderTheMembersName) {
    clsInvMaster item;
    db().executeScript(QStringLiteral("DROP TABLE tbInvMaster"));
    try {
        item.Init(db(), QStringLiteral("PARA500"));
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), kRaisedAgainNumber);
        EXPECT_EQ(e.source(), QStringLiteral("prjQuillax.clsInvMaster.Init"));
        EXPECT_TRUE(e.description().contains(QStringLiteral("\nin prjQuillax.clsInvMaster.Init at line ")));
    }
}

} // namespace
