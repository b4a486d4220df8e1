#include "Builders.h"
#include "TestDatabase.h"
#include "components/AppError.h"
#include "suite/OutpatientFileOPDPatient.h"

using namespace qx;
using namespace qx::test;

namespace {

class OutpatientFileOPDPatientTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company) VALUES ('ACME', 'ACME CORP')"));
        addOutPatientVisit(db());
        addOutPatientVisit(db(), {.idNum = QStringLiteral("5002A"), .accountNum = QStringLiteral("ACME")});
    }
};

TEST_P(OutpatientFileOPDPatientTest, SearchKeepsTheLastVisitFound) {
    suite::OutpatientFileOPDPatient visit([this] { return &db(); });
    EXPECT_THROW(visit.Search(QStringLiteral("5001A")), AppError);  // not connected yet
    ASSERT_TRUE(visit.InitConnection(db().connectionString()));
    ASSERT_TRUE(visit.Search(QStringLiteral(" 5001a")));
    EXPECT_EQ(visit.OPDNumber(), QStringLiteral("5001A"));
    EXPECT_EQ(visit.HospitalNumber(), QStringLiteral("H000101"));
    EXPECT_EQ(visit.PatientName(), QStringLiteral("REYES, MARIA LOPEZ"));
    EXPECT_EQ(visit.DoctorCode(), QStringLiteral("D001"));
    EXPECT_EQ(visit.Doctor(), QStringLiteral("DOCTOR D001, TEST"));
    EXPECT_EQ(visit.AccountNumber(), QStringLiteral("H000101"));
    EXPECT_EQ(visit.AccountName(), QStringLiteral("REYES, MARIA LOPEZ"));
    EXPECT_EQ(visit.Sex(), QStringLiteral("F"));
    EXPECT_FALSE(visit.Search(QStringLiteral("NOPE")));
    EXPECT_EQ(visit.OPDNumber(), QStringLiteral("5001A"));
    ASSERT_TRUE(visit.Search(QStringLiteral("5002A")));
    EXPECT_EQ(visit.AccountName(), QStringLiteral("ACME CORP"));
}

QX_ON_BOTH_ENGINES(OutpatientFileOPDPatientTest);

} // namespace
