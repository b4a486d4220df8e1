#include "LookupDialogFixture.h"
#include "charging/CashEntryCardFields.h"
#include "charging/frmCardMaster.h"
#include "charging/frmLookup.h"
#include "platform/DatePicker.h"

using namespace qx;
using namespace qx::test;

namespace {

// The card fields of the cash window as the registration leaves them.
class FakeCashEntry : public CashEntryCardFields {
public:
    void setTxtZarviCard(const QString& v) override { txtZarviCard = v; ++writes; }
    void setTxtCardHolder(const QString& v) override { txtCardHolder = v; ++writes; }
    void setLblCardTypeID(const QString& v) override { lblCardTypeID = v; ++writes; }
    void setLblCardType(const QString& v) override { lblCardType = v; ++writes; }
    QString txtZarviCard, txtCardHolder, lblCardTypeID, lblCardType;
    int writes = 0;
};

class frmCardMasterTest : public CardDataTest {
protected:
    // A registration window as the cash window opens it; the card-type list that its creation
    // shows (several types are active) is cancelled.
    std::unique_ptr<frmCardMaster> openWindow() {
        platform.modal->onNextShow([](QWidget& w) { static_cast<frmLookup&>(w).close(); });
        auto window = std::make_unique<frmCardMaster>();
        window->setCashEntry(&cash);
        showActive(window.get());
        return window;
    }
    QStringList card(const QString& cardNum) {
        const Recordset rs = db().query(QStringLiteral("SELECT CardNum, LastName, FirstName, MiddleName, CardTypeID, ExpiryDate "
                                                       "FROM tbPharmaCardMaster WHERE CardNum = ?"),
                                        {cardNum});
        if (rs.isEmpty())
            return {};
        return {rs.text(QStringLiteral("CardNum")), rs.text(QStringLiteral("LastName")), rs.text(QStringLiteral("FirstName")),
                rs.text(QStringLiteral("MiddleName")), rs.text(QStringLiteral("CardTypeID")),
                rs.dateTime(QStringLiteral("ExpiryDate")).date().toString(Qt::ISODate)};
    }
    int cardCount() { return db().query(QStringLiteral("SELECT CardNum FROM tbPharmaCardMaster")).recordCount(); }

    FakeCashEntry cash;
};

TEST_P(frmCardMasterTest, RegistrationSavesTheCardAndHandsItToTheCashWindow) {
    auto w = openWindow();
    EXPECT_EQ(platform.modal->shown(), QStringList{"qx::frmLookup"});
    EXPECT_EQ(w->txtCardType->text(), QString());
    EXPECT_EQ(w->dteExpiryDate->value().date(), QDate::currentDate());

    w->txtCardNum->setText(QStringLiteral("  NEW-1 "));
    typeText(w->txtLastName, QStringLiteral("o'brien"));
    typeText(w->txtFirstName, QStringLiteral("pat "));
    w->txtCardTypeID->setText(QStringLiteral("12"));
    pressKey(w->txtCardTypeID, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(w->txtCardType->text(), QStringLiteral("DISCOUNT CARD"));
    w->dteExpiryDate->setValue(QDateTime(QDate(2027, 12, 31), QTime(0, 0)));
    pressKey(w->txtLastName, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(w->isVisible());  // Enter in the boxes never saves or closes
    EXPECT_TRUE(platform.messages->boxes().empty());

    w->cmdSave->setFocus();
    pressKey(w->cmdSave, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.messages->texts(), QStringList{"Data successfully saved."});
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
    EXPECT_FALSE(w->isVisible());
    // The last name as typed, the other names trimmed; the holder's name ends with the blank
    // before an empty middle name.
    EXPECT_EQ(card(QStringLiteral("NEW-1")), (QStringList{"NEW-1", "O'BRIEN", "PAT", "", "12", "2027-12-31"}));
    EXPECT_EQ(cash.txtZarviCard, QStringLiteral("NEW-1"));
    EXPECT_EQ(cash.txtCardHolder, QStringLiteral("O'BRIEN, PAT  "));
    EXPECT_EQ(cash.lblCardTypeID, QStringLiteral("12"));
    EXPECT_EQ(cash.lblCardType, QStringLiteral("DISCOUNT CARD"));
}

TEST_P(frmCardMasterTest, SingleActiveTypeIsTakenOnOpening) {
    db().execute(QStringLiteral("UPDATE tbPharmaCardType SET Status = 'I' WHERE CardTypeID <> 14"));
    frmCardMaster w;
    EXPECT_TRUE(platform.modal->shown().isEmpty());
    EXPECT_EQ(w.txtCardTypeID->text(), QStringLiteral("14"));
    EXPECT_EQ(w.txtCardType->text(), QStringLiteral("DISABILITY CARD"));
}

TEST_P(frmCardMasterTest, CardTypeIdPresetByTheCashWindowIsShownWithItsOwnName) {
    // Created with the one active type taken, then given the number and type "1" to register.
    db().execute(QStringLiteral("UPDATE tbPharmaCardType SET Status = 'I' WHERE CardTypeID <> 14"));
    frmCardMaster w;
    w.setCashEntry(&cash);
    w.txtCardNum->setText(QStringLiteral("NEW-7"));
    w.txtCardTypeID->setText(QStringLiteral("1"));
    showActive(&w);
    EXPECT_EQ(w.txtCardType->text(), QStringLiteral("LOYALTY CARD"));
    w.txtLastName->setText(QStringLiteral("TAN"));
    w.txtFirstName->setText(QStringLiteral("LEE"));
    w.cmdSave->click();
    EXPECT_EQ(card(QStringLiteral("NEW-7")).mid(0, 5), (QStringList{"NEW-7", "TAN", "LEE", "", "1"}));
    EXPECT_EQ(cash.lblCardTypeID, QStringLiteral("1"));
    EXPECT_EQ(cash.lblCardType, QStringLiteral("LOYALTY CARD"));

    // An id of no card type leaves no name: the save asks for a type.
    frmCardMaster unknown;
    unknown.txtCardTypeID->setText(QStringLiteral("99"));
    showActive(&unknown);
    EXPECT_EQ(unknown.txtCardType->text(), QString());
}

TEST_P(frmCardMasterTest, IncompleteEntriesAreRefusedAndTheWindowStays) {
    struct Case { QString cardNum, last, first, typeName, message; };
    const Case cases[] = {
        {QStringLiteral("   "), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("T"), QStringLiteral("Please enter Card Number.")},
        {QStringLiteral("N1"), QString(), QStringLiteral("B"), QStringLiteral("T"),
         QStringLiteral("Please check Cardholder's Name. Supply all needed information.")},
        {QStringLiteral("N1"), QStringLiteral("A"), QString(), QStringLiteral("T"),
         QStringLiteral("Please check Cardholder's Name. Supply all needed information.")},
        {QStringLiteral("N1"), QStringLiteral("A"), QStringLiteral("B"), QString(), QStringLiteral("Please select card type.")},
    };
    auto w = openWindow();
    for (const Case& c : cases) {
        platform.messages->clear();
        w->txtCardNum->setText(c.cardNum);
        w->txtLastName->setText(c.last);
        w->txtFirstName->setText(c.first);
        w->txtCardType->setText(c.typeName);
        w->cmdSave->click();
        EXPECT_EQ(platform.messages->texts(), QStringList{c.message});
        EXPECT_EQ(platform.messages->last().icon(), vbCritical);
        EXPECT_EQ(platform.messages->last().title, QStringLiteral("IMPORTANT"));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->txtCardNum->text(), c.cardNum);
    }
    EXPECT_EQ(cardCount(), 4);
    EXPECT_EQ(cash.writes, 0);
}

TEST_P(frmCardMasterTest, HandTypedTypeNamePassesAndABlankLastNameIsSentAsTyped) {
    auto w = openWindow();
    w->txtCardNum->setText(QStringLiteral("N2"));
    w->txtLastName->setText(QStringLiteral(" "));
    w->txtFirstName->setText(QStringLiteral("ANA"));
    w->txtCardType->setText(QStringLiteral("WALK-IN CARD"));
    w->cmdSave->click();
    EXPECT_EQ(card(QStringLiteral("N2")).mid(0, 5), (QStringList{"N2", " ", "ANA", "", ""}));
    EXPECT_EQ(cash.lblCardTypeID, QString());
    EXPECT_EQ(cash.lblCardType, QStringLiteral("WALK-IN CARD"));
}

TEST_P(frmCardMasterTest, EnterOnTheCardNumberLooksTheRegistrationUp) {
    auto w = openWindow();
    // Registered: every field from the registration, the number as stored; no expiry date
    // stored shows today's.
    db().execute(QStringLiteral("UPDATE tbPharmaCardMaster SET ExpiryDate = ? WHERE CardNum = '1A001'"),
                 {QDateTime(QDate(2028, 2, 29), QTime(0, 0))});
    w->dteExpiryDate->setValue(QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
    w->txtCardNum->setText(QStringLiteral(" 12ab "));
    pressKey(w->txtCardNum, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(w->txtCardNum->text(), QStringLiteral("12AB"));
    EXPECT_EQ(w->txtLastName->text(), QStringLiteral("SANTOS"));
    EXPECT_EQ(w->txtFirstName->text(), QStringLiteral("MARIA"));
    EXPECT_EQ(w->txtMiddleName->text(), QStringLiteral("C"));
    EXPECT_EQ(w->txtCardTypeID->text(), QStringLiteral("12"));
    EXPECT_EQ(w->txtCardType->text(), QStringLiteral("DISCOUNT CARD"));
    EXPECT_EQ(w->dteExpiryDate->value().date(), QDate::currentDate());

    w->txtCardNum->setText(QStringLiteral("1A001"));
    pressKey(w->txtCardNum, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(w->txtMiddleName->text(), QString());
    EXPECT_EQ(w->dteExpiryDate->value().date(), QDate(2028, 2, 29));

    // Saving again rewrites the registration.
    w->txtFirstName->setText(QStringLiteral("JOSEPH"));
    w->cmdSave->click();
    EXPECT_EQ(card(QStringLiteral("1A001")), (QStringList{"1A001", "SANTIAGO", "JOSEPH", "", "1", "2028-02-29"}));
    EXPECT_EQ(cardCount(), 4);

    // Not registered: the number stays, the rest is emptied, the expiry date is today's.
    auto again = openWindow();
    again->txtCardNum->setText(QStringLiteral("UNKNOWN-9"));
    again->txtLastName->setText(QStringLiteral("X"));
    again->txtCardTypeID->setText(QStringLiteral("1"));
    again->txtCardType->setText(QStringLiteral("LOYALTY CARD"));
    again->dteExpiryDate->setValue(QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
    pressKey(again->txtCardNum, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(again->txtCardNum->text(), QStringLiteral("UNKNOWN-9"));
    for (QLineEdit* box : {again->txtLastName, again->txtFirstName, again->txtMiddleName, again->txtCardTypeID, again->txtCardType})
        EXPECT_EQ(box->text(), QString()) << box->objectName().toStdString();
    EXPECT_EQ(again->dteExpiryDate->value().date(), QDate::currentDate());
}

TEST_P(frmCardMasterTest, RefusedSaveShowsWhyAndKeepsTheEntries) {
    auto w = openWindow();
    w->txtCardNum->setText(QStringLiteral("N3"));
    w->txtLastName->setText(QStringLiteral("LIM"));
    w->txtFirstName->setText(QStringLiteral("ROSE"));
    w->txtCardTypeID->setText(QStringLiteral("X1"));
    w->txtCardType->setText(QStringLiteral("LOYALTY CARD"));
    w->cmdSave->click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("'X1' is not a number")))
        << platform.messages->last().text.toStdString();
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
    EXPECT_FALSE(w->saved());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->txtLastName->text(), QStringLiteral("LIM"));
    EXPECT_EQ(card(QStringLiteral("N3")), QStringList());
    EXPECT_EQ(cash.writes, 0);
}

TEST_P(frmCardMasterTest, ClearEmptiesTheFieldsAndCloseSavesNothing) {
    auto w = openWindow();
    for (QLineEdit* box : {w->txtCardNum, w->txtLastName, w->txtFirstName, w->txtMiddleName, w->txtCardTypeID, w->txtCardType})
        box->setText(QStringLiteral("Z"));
    w->dteExpiryDate->setValue(QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
    w->cmdClear->click();
    for (QLineEdit* box : {w->txtCardNum, w->txtLastName, w->txtFirstName, w->txtMiddleName, w->txtCardTypeID, w->txtCardType})
        EXPECT_EQ(box->text(), QString()) << box->objectName().toStdString();
    EXPECT_EQ(w->dteExpiryDate->value().date(), QDate::currentDate());

    w->txtCardNum->setText(QStringLiteral("N4"));
    w->cmdClose->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(cardCount(), 4);
    EXPECT_TRUE(platform.messages->boxes().empty());
}

QX_ON_BOTH_ENGINES(frmCardMasterTest);

} // namespace
