#include "ReportOpeningFixture.h"
#include "shell/UserLog.h"

using namespace qx;
using namespace qx::test;

namespace {

class UserLogTest : public ReportingTest {
protected:
    Recordset lines() {
        return db().query(QStringLiteral("SELECT EmployeeID, Module, Activity, LogDate FROM tbInvUserLog ORDER BY LogID"));
    }
};

TEST_P(UserLogTest, LineIsStoredAsTypedUnderTheUserAndModuleWithTheDatabaseDate) {
    const QString activity = QStringLiteral("Cancelled Request ItemID# : AMOX500 | Under Patient : O'NEIL, MARY \\ \"x\" ñ");
    const QDateTime before = db().serverNow().addSecs(-1);
    SaveUserLog(activity);
    Recordset rs = lines();
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text(QStringLiteral("EmployeeID")), QStringLiteral("E001"));
    EXPECT_EQ(rs.text(QStringLiteral("Module")), QStringLiteral("Pharmacy"));
    EXPECT_EQ(rs.text(QStringLiteral("Activity")), activity);
    const QDateTime logged = rs.dateTime(QStringLiteral("LogDate"));
    EXPECT_GE(logged, before);
    EXPECT_LE(logged, db().serverNow().addSecs(1));
}

TEST_P(UserLogTest, LineGoesWithTheSaveItBelongsTo) {
    {
        Transaction tx(db());
        SaveUserLog(db(), QStringLiteral("Saved Request Under Patient : X"));
    }
    EXPECT_EQ(lines().recordCount(), 0);
}

TEST_P(UserLogTest, AuditQueryGivesOneUsersLinesOfWholeDays) {
    auto add = [&](const char* user, const char* module, QDateTime when, const char* text) {
        db().execute(QStringLiteral("INSERT INTO tbInvUserLog (EmployeeID, Module, Activity, LogDate) VALUES (?, ?, ?, ?)"),
                     {QString::fromLatin1(user), QString::fromLatin1(module), QString::fromLatin1(text), when});
    };
    const QDate d(2026, 12, 8);
    add("E001", "Pharmacy", QDateTime(d.addDays(-1), QTime(23, 59, 59)), "day before");
    add("E001", "Pharmacy", QDateTime(d, QTime(0, 0)), "first");
    add("E001", "Pharmacy", QDateTime(d, QTime(23, 59, 59)), "last");
    add("E001", "Pharmacy", QDateTime(d.addDays(1), QTime(0, 0)), "day after");
    add("E002", "Pharmacy", QDateTime(d, QTime(9, 0)), "other user");
    add("E001", "Billing", QDateTime(d, QTime(9, 0)), "other module");
    Recordset rs = *db().callProcedure(QStringLiteral("sp_Inv_AuditTrailLogs"),
                                       {{QStringLiteral("@UserID"), QStringLiteral(" e001 ")},
                                        {QStringLiteral("@StartDate"), QStringLiteral("12/08/2026")},
                                        {QStringLiteral("@EndDate"), QStringLiteral("12/08/2026")},
                                        {QStringLiteral("@Module"), QStringLiteral("Pharmacy")}});
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.valueAt(0, 1).toString(), QStringLiteral("first"));
    EXPECT_EQ(rs.valueAt(1, 1).toString(), QStringLiteral("last"));
}

QX_ON_BOTH_ENGINES(UserLogTest);

} // namespace
