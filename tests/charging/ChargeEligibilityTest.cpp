#include "Builders.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "charging/ChargeEligibility.h"
#include "components/AppError.h"
#include "platform/Values.h"

using namespace qx;
using namespace qx::test;

namespace {

class ChargeEligibilityTest : public DbTest {
protected:
    ScriptedPlatform platform;
};

TEST_P(ChargeEligibilityTest, ChargeOkayForAdmissionsAndVisits) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .person = {.hospNum = QStringLiteral("H2")}});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5001A")});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5002A")});
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET CashBasisOnly = 1 WHERE IDNum = '1002'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET CashBasisOnly = 1 WHERE IDNum = '5002A'"));
    struct Case { QString id; bool inpatient, outpatient; } cases[] = {
        {"1001", true, false},
        {"1002", false, false},
        {"9999", true, false},  // unknown admission: allowed; unknown visit: refused
        {"5001A", true, true},
        {"5002A", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        EXPECT_EQ(IsChargeOkay(db(), c.id), c.inpatient);
        EXPECT_EQ(IsChargeOkayOPD(db(), c.id), c.outpatient);
    }
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(ChargeEligibilityTest, IssuedToday) {
    const QDateTime now = db().serverNow();
    auto issue = [&](const char* id, const char* item, const char* code, double qty, const QDateTime& when) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, TransDate, Quantity) "
                                    "VALUES ('S1', ?, ?, ?, ?, ?)"),
                     {QString::fromLatin1(item), QString::fromLatin1(id), QString::fromLatin1(code), when, qty});
    };
    issue("1001", "PARA500", "PH", 2, now);
    issue("1001", "AMOX500", "PH", 2, now.addDays(-1));
    issue("1001", "CEF500", "PC", 1, now);
    struct Case { const char* item; bool today; } cases[] = {
        {"PARA500", true}, {"AMOX500", false}, {"CEF500", false}, {"NONE", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsIssuedToday(db(), QStringLiteral("1001"), QString::fromLatin1(c.item)), c.today) << c.item;
}

TEST_P(ChargeEligibilityTest, DiscountLinePostsAsOneCreditLine) {
    struct Case { QString id; QString type; } cases[] = {{"1001", "I"}, {"5001A", "O"}};
    for (const Case& c : cases) {
        Transaction tx(db());
        PostChargeDiscountToBilling(db(), c.id, QStringLiteral("H1"), QStringLiteral("0001234"), QStringLiteral("CFX"),
                                    125.5, QStringLiteral("E001"), QStringLiteral("OPD"));
        tx.commit();
    }
    Recordset rs = db().query(QStringLiteral("SELECT PatientType, IDNum, HospNum, RefNum, RevenueID, ItemID, Quantity, Amount, "
                                             "UserID, RoomID, DrCr, ARCode, RequestDocID FROM billing.tbBillCharges ORDER BY id"));
    ASSERT_EQ(rs.recordCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(rs.valueAt(i, 0).toString(), cases[i].type);
        EXPECT_EQ(rs.valueAt(i, 1).toString(), cases[i].id);
        EXPECT_EQ(rs.valueAt(i, 3).toString(), QStringLiteral("0001234"));
        EXPECT_EQ(rs.valueAt(i, 4).toString(), QStringLiteral("CF"));  // cut to the declared size
        EXPECT_EQ(rs.valueAt(i, 5).toString(), QString());
        EXPECT_FALSE(rs.valueAt(i, 5).isNull());
        EXPECT_EQ(rs.valueAt(i, 6).toDouble(), 1);
        EXPECT_EQ(FormatAmount(rs.valueAt(i, 7).toDouble()), QStringLiteral("125.50"));
        EXPECT_EQ(rs.valueAt(i, 8).toString(), QStringLiteral("E001"));
        EXPECT_EQ(rs.valueAt(i, 9).toString(), QStringLiteral("OPD"));
        EXPECT_EQ(rs.valueAt(i, 10).toString(), QStringLiteral("C"));
        EXPECT_EQ(rs.valueAt(i, 11).toString(), QString());
        EXPECT_EQ(rs.valueAt(i, 12).toString(), QString());
    }
}

TEST_P(ChargeEligibilityTest, DiscountLineGoesWithAFailedSave) {
    try {
        Transaction tx(db());
        PostChargeDiscountToBilling(db(), QStringLiteral("1001"), QStringLiteral("H1"), QStringLiteral("0001234"),
                                    QStringLiteral("CF"), 50, QStringLiteral("E001"), QStringLiteral("OPD"));
        db().execute(QStringLiteral("INSERT INTO no_such_table VALUES (1)"));
        tx.commit();
    } catch (const AppError&) {
    }
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM billing.tbBillCharges")).value(0).toInt(), 0);
}

QX_ON_BOTH_ENGINES(ChargeEligibilityTest);

TEST(ChargeEligibilityErrorTest, ChargeOkayShowsAnErrorAndRefuses) {
    TestDatabase tdb(Engine::SQLite);
    ScriptedPlatform platform;
    tdb.connection().executeScript(QStringLiteral("DROP TABLE patient_data.tbPatient"));
    EXPECT_FALSE(IsChargeOkay(tdb.connection(), QStringLiteral("1001")));
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Quillax"));
}

} // namespace
