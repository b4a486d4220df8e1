#include "LookupDialogFixture.h"
#include "charging/clsBusinessClass.h"
#include "charging/frmLookup.h"

using namespace qx;
using namespace qx::test;

namespace {

class clsBusinessClassTest : public CardDataTest {};

TEST_P(clsBusinessClassTest, SearchLoadsMedicineClassesOnly) {
    struct Case { QString search; bool found; QString code, description; } cases[] = {
        {"01", true, "01", "MEDICINE ACCOUNTS"},
        {"MEDICA", true, "02", "MEDICAL SUPPLIES"},
        {"05", false, "", ""},  // listed by its code, but not a class of medicine accounts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.search.toStdString());
        clsBusinessClass record;
        record.setActiveConnection(db());
        EXPECT_EQ(record.SearchBusinessClass(c.search), c.found);
        EXPECT_EQ(record.Code(), c.code);
        EXPECT_EQ(record.Description(), c.description);
    }
    EXPECT_TRUE(platform.modal->shown().isEmpty());
}

TEST_P(clsBusinessClassTest, EmptySearchListsAndCancelGivesFalse) {
    platform.modal->onNextShow([](QWidget& w) {
        auto& d = static_cast<frmLookup&>(w);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Business Class"));
        EXPECT_EQ(d.grdLookup->rows(), 3);
        click(d.cmdOptions[0], d.cmdOptions[0]->rect().center());
    });
    clsBusinessClass record;
    EXPECT_FALSE(record.SearchBusinessClass(QString()));
    EXPECT_EQ(record.Code(), QString());
    EXPECT_EQ(platform.modal->shown(), QStringList{"qx::frmLookup"});

    EXPECT_TRUE(record.LoadBusinessClass(QStringLiteral("02")));
    EXPECT_TRUE(record.LoadBusinessClass(QString()));
    EXPECT_EQ(record.Description(), QString());
}

QX_ON_BOTH_ENGINES(clsBusinessClassTest);

} // namespace
