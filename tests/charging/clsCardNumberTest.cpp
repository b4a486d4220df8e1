#include "LookupDialogFixture.h"
#include "charging/clsCardNumber.h"
#include "charging/frmLookup.h"

using namespace qx;
using namespace qx::test;

namespace {

class clsCardNumberTest : public CardDataTest {};

TEST_P(clsCardNumberTest, SearchHandsOnTheCardsOwnType) {
    struct Case { QString search; bool dialog; QString code, holder, typeId, typeName; } cases[] = {
        {"12ab", false, "12AB", "SANTOS, MARIA C", "12", "DISCOUNT CARD"},
        {"o'b", false, "77", "O'BRIEN, PAT ", "14", "DISABILITY CARD"},
        {"SAN", true, "1A001", "SANTIAGO, JOSE ", "1", "LOYALTY CARD"},  // first row taken in the dialog
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.search.toStdString());
        const int shownBefore = platform.modal->shown().size();
        if (c.dialog)
            platform.modal->onNextShow([](QWidget& w) {
                auto& d = static_cast<frmLookup&>(w);
                click(d.cmdOptions[1], d.cmdOptions[1]->rect().center());
            });
        clsCardNumber card;
        card.setActiveConnection(db());
        EXPECT_TRUE(card.SearchCardType(c.search));
        EXPECT_EQ(platform.modal->shown().size() - shownBefore, c.dialog ? 1 : 0);
        EXPECT_EQ(card.Code(), c.code);
        EXPECT_EQ(card.Description(), c.holder);
        EXPECT_EQ(card.CardTypeID(), c.typeId);
        EXPECT_EQ(card.CardTypeName(), c.typeName);
    }
}

TEST_P(clsCardNumberTest, LoadKeepsResetsOrReads) {
    clsCardNumber card;
    EXPECT_FALSE(card.LoadCardNum(QStringLiteral("NOPE"), QString()));
    ASSERT_TRUE(card.LoadCardNum(QStringLiteral("12AB"), QStringLiteral("12")));
    EXPECT_TRUE(card.LoadCardNum(QStringLiteral("12AB"), QStringLiteral("99")));  // held: kept as is
    EXPECT_EQ(card.CardTypeID(), QStringLiteral("12"));
    EXPECT_TRUE(card.LoadCardNum(QString(), QString()));
    EXPECT_EQ(card.Code(), QString());
    EXPECT_EQ(card.CardTypeName(), QString());
}

QX_ON_BOTH_ENGINES(clsCardNumberTest);

} // namespace
