#include "Builders.h"
#include "TestDatabase.h"
#include "shell/clsPatient.h"

using namespace qx;
using namespace qx::test;

namespace {

class clsPatientTest : public SqliteTest {};

TEST_F(clsPatientTest, SearchFillsTheRecordAndAFailedSearchKeepsIt) {
    const QDate today = db().serverNow().date();
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES ('EMP', 'STAFF', 'S')"));
    addAdmittedPatient(db(), {.person = {.hospNum = QStringLiteral("H1"), .lastName = QStringLiteral("O'NEIL"),
                                         .firstName = QStringLiteral("ANNA"), .middleName = QStringLiteral("CRUZ"),
                                         .sex = QStringLiteral("F"), .birthDate = today.addYears(-40)}});
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MasterAccountCode = 'EMP' WHERE HospNum = 'H1'"));

    clsPatient p;
    p.setPatientInitial(QStringLiteral("AO"));
    ASSERT_TRUE(p.Search(db(), QStringLiteral("H1")));
    EXPECT_EQ(p.PatientName(), QStringLiteral("O'NEIL, ANNA CRUZ"));
    EXPECT_EQ(p.HospitalNumber(), QStringLiteral("H1"));
    EXPECT_EQ(p.Sex(), QStringLiteral("F"));
    EXPECT_EQ(p.Age(), QStringLiteral("40"));
    EXPECT_EQ(p.MasterAccountCode(), QStringLiteral("EMP"));
    EXPECT_EQ(p.MasterAccountName(), QStringLiteral("STAFF"));
    EXPECT_EQ(p.PatientInitial(), QStringLiteral("AO"));

    EXPECT_FALSE(p.Search(db(), QStringLiteral("NOBODY")));
    EXPECT_EQ(p.PatientName(), QStringLiteral("O'NEIL, ANNA CRUZ"));
    EXPECT_EQ(p.MasterAccountName(), QStringLiteral("STAFF"));
}

TEST_F(clsPatientTest, NullColumnsReadAsEmptyText) {
    db().execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName) VALUES ('H2', 'SOLO')"));
    clsPatient p;
    ASSERT_TRUE(p.Search(db(), QStringLiteral("H2")));
    EXPECT_EQ(p.PatientName(), QStringLiteral("SOLO"));
    EXPECT_EQ(p.Sex(), QString());
    EXPECT_EQ(p.Age(), QString());
    EXPECT_EQ(p.MasterAccountCode(), QString());
}

TEST_F(clsPatientTest, BilledAndPendingReturnRequests) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001"), .billingDate = QDateTime(QDate(2026, 1, 9), QTime(9, 0))});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .person = {.hospNum = QStringLiteral("H2")}});
    clsPatient p;
    EXPECT_TRUE(p.isBilled(db(), QStringLiteral("1001")));
    EXPECT_FALSE(p.isBilled(db(), QStringLiteral("1002")));
    EXPECT_FALSE(p.isBilled(db(), QStringLiteral("9999")));

    struct Case {
        const char* id;
        const char* revenue;
        QVariant isPosted;
        QVariant status;
        bool pending;
    } cases[] = {
        {"2001", "PC", QVariant(), QVariant(), true},
        {"2002", "PC", 0, QStringLiteral(""), true},
        {"2003", "PC", 1, QVariant(), false},
        {"2004", "PC", QVariant(), QStringLiteral("C"), false},
        {"2005", "PH", QVariant(), QVariant(), false},
    };
    for (const Case& c : cases)
        db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, ItemID, RevenueID, isPosted, RecordStatus) "
                                    "VALUES (?, 'PARA500', ?, ?, ?)"),
                     {QString::fromLatin1(c.id), QString::fromLatin1(c.revenue),
                      c.isPosted.isValid() ? c.isPosted : QVariant(QMetaType::fromType<int>()),
                      c.status.isValid() ? c.status : QVariant(QMetaType::fromType<QString>())});
    for (const Case& c : cases)
        EXPECT_EQ(p.checkPatientCMPendingRequest(db(), QString::fromLatin1(c.id)), c.pending) << c.id;
}

TEST(clsPatientSharedTest, OneInstanceForTheRun) {
    gPatientInfo().setPatientInitial(QStringLiteral("XY"));
    EXPECT_EQ(&gPatientInfo(), &gPatientInfo());
    EXPECT_EQ(gPatientInfo().PatientInitial(), QStringLiteral("XY"));
}

} // namespace
