#include "LookupDialogFixture.h"
#include "charging/clsCardType.h"
#include "charging/frmLookup.h"

using namespace qx;
using namespace qx::test;

namespace {

class clsCardTypeTest : public CardDataTest {
protected:
    // The user picks the list's `row` (1-based) in the shown dialog with the keyboard.
    void pickRow(int row) {
        platform.modal->onNextShow([row](QWidget& w) {
            auto& d = static_cast<frmLookup&>(w);
            d.grdLookup->setFocus();
            for (int r = 1; r < row; ++r)
                pressKey(d.grdLookup, Qt::Key_Down);
            pressKey(d.grdLookup, Qt::Key_Return, QStringLiteral("\r"));
        });
    }
    QStringList types() {
        QStringList out;
        for (Recordset rs = db().query(QStringLiteral("SELECT CardTypeID, CardTypeName, Status FROM tbPharmaCardType ORDER BY CardTypeID"));
             !rs.eof(); rs.moveNext())
            out << rs.text(QStringLiteral("CardTypeID")) + QLatin1Char('|') + rs.text(QStringLiteral("CardTypeName")) +
                       QLatin1Char('|') + rs.text(QStringLiteral("Status"));
        return out;
    }
};

TEST_P(clsCardTypeTest, SingleMatchIsTakenWithoutTheDialog) {
    clsCardType card;
    card.setActiveConnection(db());
    EXPECT_TRUE(card.SearchCardType(QStringLiteral("12")));
    EXPECT_EQ(card.Code(), 12);
    EXPECT_EQ(card.Description(), QStringLiteral("DISCOUNT CARD"));
    EXPECT_EQ(card.Status(), QString());  // never read
    EXPECT_EQ(gLookupResult, QStringLiteral("12"));
    EXPECT_TRUE(platform.modal->shown().isEmpty());
}

TEST_P(clsCardTypeTest, SeveralMatchesArePickedInTheDialog) {
    pickRow(2);
    clsCardType card;
    EXPECT_TRUE(card.SearchCardType(QStringLiteral("DIS")));
    EXPECT_EQ(platform.modal->shown(), QStringList{"qx::frmLookup"});
    EXPECT_EQ(card.Code(), 12);
    EXPECT_EQ(card.Description(), QStringLiteral("DISCOUNT CARD"));
}

TEST_P(clsCardTypeTest, CancelledOrVanishedPickGivesFalse) {
    clsCardType card;
    platform.modal->onNextShow([](QWidget& w) { static_cast<frmLookup&>(w).close(); });
    EXPECT_FALSE(card.SearchCardType(QString()));
    EXPECT_EQ(card.Code(), 0);
    EXPECT_EQ(card.Description(), QString());

    // Chosen in the dialog, deleted before it is read.
    ASSERT_TRUE(card.LoadCardType(1));
    platform.modal->onNextShow([this](QWidget& w) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaCardType WHERE CardTypeID = 14"));
        pressKey(static_cast<frmLookup&>(w).grdLookup, Qt::Key_Return, QStringLiteral("\r"));
    });
    EXPECT_FALSE(card.SearchCardType(QString()));
    EXPECT_EQ(card.Code(), 0);
    EXPECT_EQ(card.Description(), QString());
}

TEST_P(clsCardTypeTest, LoadKeepsResetsOrReads) {
    clsCardType card;
    ASSERT_TRUE(card.LoadCardType(12));
    const qint64 before = db().statementCount();
    EXPECT_TRUE(card.LoadCardType(12));  // already held: no query
    EXPECT_EQ(db().statementCount(), before);
    EXPECT_TRUE(card.LoadCardType(0));
    EXPECT_EQ(card.Code(), 0);
    EXPECT_EQ(card.Description(), QString());
    ASSERT_TRUE(card.LoadCardType(13));  // inactive types still load by id
    EXPECT_EQ(card.Description(), QStringLiteral("DISPLAY CARD"));
    EXPECT_FALSE(card.LoadCardType(99));
    EXPECT_EQ(card.Code(), 0);
    EXPECT_EQ(card.Description(), QString());
}

TEST_P(clsCardTypeTest, UpdateInsertsUnderTheNextIdOrRewrites) {
    clsCardType card;
    EXPECT_FALSE(card.Update());  // no connection given
    card.setActiveConnection(db());
    card.setCode(12);
    card.setDescription(QStringLiteral("SUKI CARD"));
    card.setStatus(QStringLiteral("I"));
    EXPECT_TRUE(card.Update());
    card.setCode(50);
    card.setDescription(QStringLiteral("O'NEIL PARTNER CARD"));
    card.setStatus(QStringLiteral("A"));
    EXPECT_TRUE(card.Update());
    EXPECT_EQ(card.Code(), 50);  // the new id is not handed back
    EXPECT_EQ(types(), (QStringList{"1|LOYALTY CARD|A", "12|SUKI CARD|I", "13|DISPLAY CARD|I", "14|DISABILITY CARD|A",
                                    "15|O'NEIL PARTNER CARD|A"}));

    db().execute(QStringLiteral("DELETE FROM tbPharmaCardType"));
    EXPECT_TRUE(card.Update());
    EXPECT_EQ(types(), QStringList{"1|O'NEIL PARTNER CARD|A"});
}

QX_ON_BOTH_ENGINES(clsCardTypeTest);

} // namespace
