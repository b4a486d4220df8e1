#include "charging/PriceLookups.h"
#include "components/AppError.h"
#include "platform/Values.h"
#include "shell/ShellFixture.h"
#include "shell/Switches.h"
#include "support/Builders.h"

#include <functional>

using namespace qx;
using namespace qx::test;

namespace {

QString money(double v) { return Format(v, QStringLiteral("0.00")); }

class PriceLookupsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        gGSISDependentRate = gGSISMemberRate = 0;
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .location = QStringLiteral("20"), .fixedPrice = 12.5,
                       .fixedCharge = 15.25, .isMDRP = true, .mdrpPrice = 8.75, .seniorDiscounted = true,
                       .vatExempt = true});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .location = QStringLiteral("186"), .fixedPrice = 99,
                       .fixedCharge = 99});
        addItem(db(), {.itemId = QStringLiteral("PARA500"), .seniorDiscounted = false});
        db().execute(QStringLiteral("UPDATE tbInvMaster SET FixedEmp = 6.3333 WHERE ItemID = 'AMOX500'"));
        db().execute(QStringLiteral("UPDATE tbInvent SET HMOMarkupInPrice = 7.125, HMOMarkupOutPrice = 7.5 "
                                    "WHERE ItemID = 'AMOX500' AND LocationID = '20'"));
        price("AMOX500", "20", "HMO", 9.995);
        price("AMOX500", "20", "VA", 4.005);
        price("AMOX500", "20", "VELMIRA", 3.333);
        price("AMOX500", "20", "GSIS", 11.12345);
        price("AMOX500", "186", "GSIS", 10.5);
    }
    void price(const char* item, const char* location, const char* kind, QVariant value) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) VALUES (?, ?, ?, ?)"),
                     {QString::fromLatin1(item), QString::fromLatin1(location), QString::fromLatin1(kind), value});
    }
};

TEST_P(PriceLookupsTest, EachSourceAnswersItsPriceAndItsNeutralValueWithoutARow) {
    struct Case {
        const char* what;
        std::function<QString(Connection&, const QString&)> ask;
        const char* known;     // for AMOX500
        const char* unknown;   // for an item no table holds
    };
    const Case cases[] = {
        {"MDRP price", [](Connection& c, const QString& i) { return money(GetMDRPDrugPrice(c, i)); }, "8.75", "0.00"},
        {"MDRP flag", [](Connection& c, const QString& i) { return QString::number(GetMDRPFlag(c, i)); }, "1", "0"},
        {"senior", [](Connection& c, const QString& i) { return Text(IsItemSeniorDiscounted(c, i)); }, "True", "False"},
        {"VAT exempt", [](Connection& c, const QString& i) { return Text(IsItemVATExempt(c, i)); }, "True", "False"},
        {"fixed employee", [](Connection& c, const QString& i) { return Format(GetFixedEmployeePrice(c, i), "0.0000"); },
         "6.3333", "0.0000"},
        {"fixed price at 20", [](Connection& c, const QString& i) { return money(GetFixedPrice(c, i, "20")); }, "12.50",
         "0.00"},
        {"fixed charge at 20", [](Connection& c, const QString& i) { return money(GetFixedCharge(c, i, "20")); }, "15.25",
         "0.00"},
        {"fixed charge at 186", [](Connection& c, const QString& i) { return money(GetFixedCharge(c, i, "186")); },
         "99.00", "0.00"},
        {"HMO list", [](Connection& c, const QString& i) { return money(GetHMOPrice(c, i, "1001", "20")); }, "10.00",
         "0.00"},
        {"VA", [](Connection& c, const QString& i) { return money(GetVAPrice(c, "1001", i, "20")); }, "4.01", "0.00"},
        {"Velmira", [](Connection& c, const QString& i) { return money(GetVelmiraPrice(c, i, "20")); }, "3.33", "0.00"},
        {"GSIS at 20", [](Connection& c, const QString& i) { return Format(GetGSISAmount(c, i, "20"), "0.0000"); },
         "11.1234", "0.0000"},
        {"GSIS at 186", [](Connection& c, const QString& i) { return money(GetGSISAmount(c, i, "186")); }, "10.50",
         "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.ask(db(), QStringLiteral("AMOX500")), QString::fromLatin1(c.known));
        EXPECT_EQ(c.ask(db(), QStringLiteral("NOSUCH")), QString::fromLatin1(c.unknown));
    }
}

TEST_P(PriceLookupsTest, HMOMarkupPricesFollowThePatientKindWithSwitch104) {
    gInvSwitchHMOMarkupPrice = true;
    struct Case {
        const char* patient;
        const char* location;
        const char* expected;
    };
    const Case cases[] = {
        {"12345", "20", "7.13"},   // admission: in-patient mark-up, halves away from zero
        {"12345B", "20", "7.50"},  // visit: out-patient mark-up
        {"12345", "186", "0.00"},  // a row without a mark-up price: Null reads 0
        {"12345", "999", "0.00"},  // no row at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.patient);
        EXPECT_EQ(money(GetHMOPrice(db(), QStringLiteral("AMOX500"), QString::fromLatin1(c.patient),
                                    QString::fromLatin1(c.location))),
                  QString::fromLatin1(c.expected));
    }
}

TEST_P(PriceLookupsTest, NullListPriceIsAnErrorNotAPriceOfZero) {
    price("PARA500", "20", "VA", QVariant());
    price("PARA500", "20", "HMO", QVariant());
    EXPECT_THROW(GetVAPrice(db(), QStringLiteral("1001"), QStringLiteral("PARA500"), QStringLiteral("20")), AppError);
    EXPECT_THROW(GetHMOPrice(db(), QStringLiteral("PARA500"), QStringLiteral("1001"), QStringLiteral("20")), AppError);
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(PriceLookupsTest, CardDiscountAndMonthlyAllowance) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName) VALUES (1, 'SUKI')"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, CardTypeID) VALUES ('C-100', 'O''NEIL', 1)"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardDiscount (CardTypeID, ItemID, Discount, MonthlyAllowance) "
                                "VALUES ('1', 'AMOX500', 12.5, 30), ('1', 'PARA500', 5, NULL)"));
    const QDateTime now = db().serverNow();
    auto bought = [&](const QDateTime& when, double qty) {
        db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, ItemID, CardNum, Quantity, TransDate) "
                                    "VALUES ('A1', 'AMOX500', 'C-100', ?, ?)"),
                     {qty, when});
    };
    bought(now, 10);
    bought(now.addMonths(-1), 25);  // last month's purchases do not count
    struct Case {
        const char* card;
        const char* item;
        const char* type;
        const char* discount;
        const char* left;
    };
    const Case cases[] = {
        {"C-100", "AMOX500", "1", "12.50", "20.00"},
        {"c-100", "AMOX500", "1", "12.50", "20.00"},
        {"C-100", "PARA500", "1", "5.00", "0.00"},  // no allowance kept: read as used up
        {"C-100", "AMOX500", "2", "0.00", "0.00"},  // not this card's type
        {"NOCARD", "AMOX500", "1", "0.00", "20.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.card) + c.item + c.type);
        const QString card = QString::fromLatin1(c.card), item = QString::fromLatin1(c.item),
                      type = QString::fromLatin1(c.type);
        EXPECT_EQ(money(GetDiscountInfo(db(), card, item, type)), QString::fromLatin1(c.discount));
        if (card != QStringLiteral("NOCARD")) {
            EXPECT_EQ(money(CountPurchasedItem(db(), card, item, type)), QString::fromLatin1(c.left));
        }
    }
    bought(now, 25);
    EXPECT_EQ(money(CountPurchasedItem(db(), QStringLiteral("C-100"), QStringLiteral("AMOX500"), QStringLiteral("1"))),
              QStringLiteral("0.00"));
}

TEST_P(PriceLookupsTest, ActualAmountIsTheChargePerUnitOnTheSlip) {
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, SummaryCode, Quantity, Amount) VALUES "
                                "('0001234', 'AMOX500', 'PH', 4, 50.5), ('0001234', 'AMOX500', 'PC', -1, -12.625)"));
    EXPECT_EQ(GetActualAmount(db(), QStringLiteral("0001234"), QStringLiteral("AMOX500")), QStringLiteral("12.625"));
    EXPECT_EQ(GetActualAmount(db(), QStringLiteral("0001234"), QStringLiteral("PARA500")), QStringLiteral("0"));
}

TEST_P(PriceLookupsTest, HospitalRatesAndGSISRates) {
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (SeniorDiscount, CashEmployeeDiscount, "
                                "CashEmployeeDiscount2) VALUES (20, 10, NULL)"));
    db().execute(QStringLiteral("INSERT INTO tbHospitalInfo (GSISDependent, GSISMember) VALUES (15.5, NULL)"));
    EXPECT_EQ(money(GetHospitalDiscountRate(db(), 1)), QStringLiteral("20.00"));
    EXPECT_EQ(money(GetHospitalDiscountRate(db(), 2)), QStringLiteral("10.00"));
    EXPECT_EQ(money(GetHospitalDiscountRate(db(), 3)), QStringLiteral("0.00"));
    EXPECT_THROW(GetHospitalDiscountRate(db(), 4), AppError);
    LoadGSISRates(db());
    EXPECT_EQ(money(gGSISDependentRate), QStringLiteral("15.50"));
    EXPECT_EQ(money(gGSISMemberRate), QStringLiteral("0.00"));
}

QX_ON_BOTH_ENGINES(PriceLookupsTest);

} // namespace
