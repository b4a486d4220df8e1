#include "Builders.h"
#include "MainWindowFixture.h"
#include "EngineProbes.h"
#include "TimerPolls.h"
#include "suite/InpatientFilePatient.h"

#include <QTimer>

namespace qx::test {
namespace {

// Every timer poll of the main window reads its tables through an index: a poll runs every few
// seconds on every workstation, over request and stock files that only grow.
class TimerPlansTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        gComponents.gPatient = std::make_shared<suite::InpatientFilePatient>([this] { return &db(); });
        gComponents.gPatient->InitConnect(db().connectionString());
        addAdmittedPatient(db());
        addOutPatientVisit(db(), {.idNum = QStringLiteral("7001E"), .erNum = 3});
        addPendingRequest(db());
        addPendingRequest(db(), {.idNum = QStringLiteral("7001E"), .requestNumber = QStringLiteral("RQ2"), .inOut = "O"});
        db().execute(QStringLiteral("DELETE FROM tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO tbHospitalInfo (isSeparateER) VALUES (1)"));
        gSeparateER = true;
        gPharmaPackageRequest = true;
    }
    void TearDown() override {
        ClearWindowOpeners();
        MainWindowTest::TearDown();
    }
};

TEST_F(TimerPlansTest, EveryPollSearchesAnIndex) {
    frmPharma window;
    ASSERT_TRUE(window.LoadTreeView());
    for (QTimer* timer : window.findChildren<QTimer*>())
        timer->stop();
    for (const TimerPoll& poll : kTimerPolls) {
        SCOPED_TRACE(poll.name);
        const QList<SentStatement> sent = statementsOf(db(), [&] { (window.*poll.tick)(); });
        EXPECT_FALSE(sent.isEmpty()) << "the poll asked nothing";
        for (const SentStatement& statement : sent) {
            const QString plan = queryPlan(db(), statement);
            EXPECT_EQ(fullScans(db(), plan, kPollSmallTables), QStringList())
                << statement.sql.toStdString() << "\n" << plan.toStdString();
        }
    }
}

// The probe itself: a lookup by an unindexed column is caught as reading the table whole.
TEST_F(TimerPlansTest, AnUnindexedLookupIsCaught) {
    const QList<SentStatement> sent = statementsOf(db(), [&] {
        db().query(QStringLiteral("SELECT COUNT(*) FROM station.tbNurseCommunicationFile WHERE Remarks = ?"), {QStringLiteral("x")});
    });
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0].withValues.toStdString(),
              "SELECT COUNT(*) FROM station.tbNurseCommunicationFile WHERE Remarks = 'x'");
    const QString plan = queryPlan(db(), sent[0]);
    EXPECT_EQ(fullScans(db(), plan).join(u'|').toStdString(), "SCAN station.tbNurseCommunicationFile");
    EXPECT_TRUE(fullScans(db(), plan, {QStringLiteral("tbNurseCommunicationFile")}).isEmpty());
}

} // namespace
} // namespace qx::test
