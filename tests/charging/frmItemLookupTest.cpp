#include "Builders.h"
#include "LookupDialogFixture.h"
#include "charging/frmItemLookup.h"
#include "platform/PictureButton.h"

using namespace qx;
using namespace qx::test;

namespace {

class frmItemLookupTest : public LookupTest {
protected:
    void SetUp() override {
        LookupTest::SetUp();
        if (IsSkipped())
            return;
        db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName) "
                                    "VALUES ('C01', 'Antibiotics')"));
        db().execute(QStringLiteral("INSERT INTO tbInvSupplier (SupplierID, SupplierName) VALUES ('S1', 'UNILAB')"));
        addItem(db(), {.itemId = "00123", .name = "AMOXICILLIN", .description = "500 MG CAPSULE"});
        addItem(db(), {.itemId = "00124", .name = "AMOXICILLIN", .description = "250 MG SUSPENSION"});
        addItem(db(), {.itemId = "00124", .location = "186"});
        addItem(db(), {.itemId = "00125", .name = "AMBROXOL", .description = "30 MG TABLET", .location = "186"});
        addItem(db(), {.itemId = "PARA500", .itemStatus = 1});
        addItem(db(), {.itemId = "MEF500", .name = "MEFENAMIC ACID", .description = "500 MG CAPSULE"});
        db().execute(QStringLiteral("UPDATE tbInvent SET ItemStatus = 1 WHERE ItemID = 'MEF500'"));
        db().execute(QStringLiteral("UPDATE tbInvMaster SET SupplierID = 'S1' WHERE ItemID = '00123'"));
    }
    void use(frmItemLookup& dialog, const std::function<void(frmItemLookup&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) {
            activate(w);
            act(static_cast<frmItemLookup&>(w));
        });
        showModal(dialog);
    }
};

TEST_P(frmItemLookupTest, ListsActiveItemsByCodeOrNameStart) {
    struct Case { QString location, search; QStringList codes; } cases[] = {
        {"", "", {"00125", "00124", "00123", "MEF500"}},  // by name, then description
        {"20", "", {"00124", "00123"}},                   // inactive there or not stocked there: left out
        {" 186 ", "am", {"00125", "00124"}},
        {"", "00123", {"00123"}},
        {"", " 00123 ", {"00123"}},
        {"20", "00125", {}},                              // exact code, but not in that location
        {"", "amox", {"00124", "00123"}},
        {"", "PARA500", {}},                              // not numeric: a name start
        {"", "O'B", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.location + QStringLiteral("/") + c.search).toStdString());
        frmItemLookup dialog;
        dialog.setLocationCode(c.location);
        dialog.setSearchString(c.search);
        dialog.Load();
        EXPECT_EQ(column(*dialog.grdLookup, 0), c.codes);
        for (const QString& status : column(*dialog.grdLookup, 4))
            EXPECT_EQ(status, QStringLiteral("Active"));
        EXPECT_EQ(dialog.blnExactMatch, c.codes.size() == 1);
        EXPECT_EQ(dialog.SearchString(), c.codes.size() == 1 ? c.codes[0] : c.search);
        dialog.Unload();
    }
    EXPECT_TRUE(platform.messages->boxes().empty());
}

// `%`, `_` and a backslash typed into the search box are characters, not wildcards or an escape.
TEST_P(frmItemLookupTest, TypedWildcardsMatchOnlyThemselves) {
    const char* const names[] = {"Z\\B", "Z%B", "Z_B", "ZXB"};
    for (int i = 0; i < 4; ++i)
        addItem(db(), {.itemId = QStringLiteral("Z%1").arg(i), .name = QString::fromLatin1(names[i])});
    struct Case { const char* search; const char* code; } cases[] = {
        {"z\\", "Z0"}, {"z\\b", "Z0"}, {"z%", "Z1"}, {"z_", "Z2"}, {"zx", "Z3"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.search);
        frmItemLookup dialog;
        dialog.setSearchString(QString::fromLatin1(c.search));
        dialog.Load();
        EXPECT_EQ(column(*dialog.grdLookup, 0), QStringList{QString::fromLatin1(c.code)});
        dialog.Unload();
    }
}

TEST_P(frmItemLookupTest, ShowsTheItemColumns) {
    frmItemLookup dialog;
    dialog.setSearchString(QStringLiteral("00123"));
    dialog.Load();
    const FlexGrid& grid = *dialog.grdLookup;
    const QStringList headers{"Code", "Product Name", "Description", "Supplier", "Status", "Packing", "ItemClassificationName"};
    const QStringList row{"00123", "AMOXICILLIN", "500 MG CAPSULE", "UNILAB", "Active", "1", "Antibiotics"};
    ASSERT_EQ(grid.cols(), 7);
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(grid.textMatrix(0, c), headers[c]);
        EXPECT_EQ(grid.textMatrix(1, c), row[c]);
    }
    const int widths[] = {1000, 3000, 2000, 3000, 2000, 2000};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid.colWidth(c), widths[c]);
}

TEST_P(frmItemLookupTest, EnterTakesTheFirstRow) {
    frmItemLookup dialog;
    dialog.setLocationName(QStringLiteral("MAIN PHARMACY"));
    dialog.setLocationCode(QStringLiteral("20"));
    dialog.setSearchString(QStringLiteral("amox"));
    gLookupResult = QStringLiteral("stale");
    use(dialog, [&](frmItemLookup& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Product Search"));
        EXPECT_EQ(d.txtLocation->text(), QStringLiteral("MAIN PHARMACY"));
        EXPECT_EQ(gLookupResult, QString());
        EXPECT_EQ(QApplication::focusWidget(), d.grdLookup);
        pressKey(d.grdLookup, Qt::Key_Return, QStringLiteral("\r"));
    });
    EXPECT_EQ(gLookupResult, QStringLiteral("00124"));
    EXPECT_EQ(dialog.ItemName, QStringLiteral("AMOXICILLIN"));
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_P(frmItemLookupTest, NothingFoundPutsTheFocusOnClose) {
    frmItemLookup dialog;
    dialog.ItemName = QStringLiteral("EARLIER");
    dialog.setSearchString(QStringLiteral("ZZZ"));
    use(dialog, [&](frmItemLookup& d) {
        EXPECT_FALSE(d.grdLookup->isEnabled());
        EXPECT_FALSE(d.cmdOptions[1]->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), d.cmdOptions[0]);
        pressKey(d.cmdOptions[0], Qt::Key_Return, QStringLiteral("\r"));
    });
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(gLookupResult, QString());
    EXPECT_EQ(dialog.ItemName, QStringLiteral("EARLIER"));
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_P(frmItemLookupTest, SearchAgainThenEscapeCloses) {
    frmItemLookup dialog;
    dialog.setSearchString(QStringLiteral("00123"));
    use(dialog, [&](frmItemLookup& d) {
        EXPECT_TRUE(d.blnExactMatch);
        EXPECT_TRUE(d.isVisible());  // a single match does not close it
        d.txtSearch->setFocus();
        d.txtSearch->clear();
        typeText(d.txtSearch, QStringLiteral("mef"));
        EXPECT_EQ(d.txtSearch->text(), QStringLiteral("MEF"));
        pressKey(d.txtSearch, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(column(*d.grdLookup, 0), QStringList{"MEF500"});
        EXPECT_EQ(QApplication::focusWidget(), d.grdLookup);
        pressKey(d.grdLookup, Qt::Key_Escape, QStringLiteral("\x1b"));
    });
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(gLookupResult, QString());
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

QX_ON_BOTH_ENGINES(frmItemLookupTest);

} // namespace
