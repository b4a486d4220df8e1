#include "Builders.h"
#include "TestDatabase.h"
#include "suite/InpatientFilePatient.h"

using namespace qx;
using namespace qx::test;

namespace {

class InpatientFilePatientTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company) VALUES ('ACME', 'ACME CORP')"));
        addAdmittedPatient(db(), {.accountNum = QStringLiteral("ACME")});
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("SANTOS"),
                                             .firstName = QStringLiteral("ANA"), .middleName = QStringLiteral(""),
                                             .sex = QStringLiteral("F"), .birthDate = QDate(1940, 1, 1)},
                                  .roomId = QStringLiteral("410"), .stationId = QStringLiteral("4F"),
                                  .billingDate = QDateTime(QDate(2026, 1, 9), QTime(17, 0))});
        patient_ = std::make_unique<suite::InpatientFilePatient>([this] { return &db(); });
        ASSERT_TRUE(patient_->InitConnect(db().connectionString()));
    }
    std::unique_ptr<suite::InpatientFilePatient> patient_;
};

TEST_P(InpatientFilePatientTest, LoadInfoDescribesTheAdmissionUntilTheNextFound) {
    ASSERT_TRUE(patient_->LoadInfo(QStringLiteral(" 1001 ")));
    EXPECT_EQ(patient_->AdmissionNumber(), QStringLiteral("1001"));
    EXPECT_EQ(patient_->HospitalNumber(), QStringLiteral("H000001"));
    EXPECT_EQ(patient_->PatientName(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
    EXPECT_EQ(patient_->RoomNumber(), QStringLiteral("301"));
    EXPECT_EQ(patient_->StationID(), QStringLiteral("3F"));
    EXPECT_EQ(patient_->Station(), QStringLiteral("STATION 3F"));
    EXPECT_EQ(patient_->DoctorID(), QStringLiteral("D001"));
    EXPECT_EQ(patient_->Doctor(), QStringLiteral("DOCTOR D001, TEST"));
    EXPECT_EQ(patient_->Company(), QStringLiteral("ACME CORP"));
    EXPECT_EQ(patient_->Sex(), QStringLiteral("M"));
    EXPECT_EQ(patient_->Billed(), QStringLiteral("01/01/1900"));
    EXPECT_FALSE(patient_->SeniorCitizen());

    EXPECT_FALSE(patient_->LoadInfo(QStringLiteral("9999")));
    EXPECT_EQ(patient_->AdmissionNumber(), QStringLiteral("1001"));

    ASSERT_TRUE(patient_->LoadInfo(QStringLiteral("1002")));
    EXPECT_EQ(patient_->PatientName(), QStringLiteral("SANTOS, ANA"));
    EXPECT_EQ(patient_->Billed(), QStringLiteral("01/09/2026"));
    EXPECT_TRUE(patient_->SeniorCitizen());
    EXPECT_EQ(patient_->Company(), QString());
}

TEST_P(InpatientFilePatientTest, AgeCountsWholeYears) {
    struct Case { QDate birth, today; const char* age; };
    const Case cases[] = {{QDate(1970, 5, 17), QDate(2026, 5, 16), "55"},
                          {QDate(1970, 5, 17), QDate(2026, 5, 17), "56"},
                          {QDate(2000, 2, 29), QDate(2026, 2, 28), "25"},
                          {QDate(), QDate(2026, 1, 1), ""}};
    for (const Case& c : cases)
        EXPECT_EQ(suite::InpatientFilePatient::ageOn(c.birth, c.today), QString::fromLatin1(c.age));
}

TEST_P(InpatientFilePatientTest, CommunicationListsOnePatientPerRow) {
    addPendingRequest(db(), {.requestNumber = QStringLiteral("R1"), .requestDate = QDateTime(QDate(2026, 1, 5), QTime(11, 0))});
    addPendingRequest(db(), {.requestNumber = QStringLiteral("R2"), .stat = true});
    addPendingRequest(db(), {.idNum = QStringLiteral("1002"), .hospNum = QStringLiteral("H000002"),
                             .stationId = QStringLiteral("4F"), .requestNumber = QStringLiteral("R3"),
                             .requestDate = QDateTime(QDate(2026, 1, 5), QTime(8, 0))});
    Recordset all = patient_->LoadCommunication(QString(), QString(), 2, 1, QStringLiteral("I"));
    ASSERT_EQ(all.recordCount(), 2);
    EXPECT_EQ(all.valueAt(0, 1).toString(), QStringLiteral("1002"));  // first come, first served
    EXPECT_EQ(all.valueAt(0, 4).toString(), QStringLiteral("STATION 4F"));
    EXPECT_EQ(all.valueAt(0, 5).toString(), QStringLiteral("4F"));
    EXPECT_EQ(all.valueAt(0, 7).toString(), QString());
    EXPECT_EQ(all.valueAt(1, 7).toString(), QStringLiteral("*"));
    Recordset sorted = patient_->LoadCommunication(QString(), QString(), 2, 2, QStringLiteral("I"));
    EXPECT_EQ(sorted.valueAt(0, 1).toString(), QStringLiteral("1001"));
    Recordset station = patient_->LoadCommunication(QStringLiteral("3F"), QString(), 1, 1, QStringLiteral("I"));
    ASSERT_EQ(station.recordCount(), 1);
    EXPECT_EQ(station.valueAt(0, 2).toString(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
    EXPECT_EQ(patient_->LoadCommunication(QString(), QString(), 2, 1, QStringLiteral("O")).recordCount(), 0);
}

TEST_P(InpatientFilePatientTest, UnitDosePatientsCarryTheRxMark) {
    db().execute(QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, StationID, RxMark) VALUES ('1001', 'PARA500', '3F', 1)"));
    db().execute(QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, StationID, RecordStatus) VALUES ('1002', 'PARA500', '4F', 'R')"));
    Recordset rs = patient_->ListUnitDosePatients(QString(), 1, 2);
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.valueAt(0, 1).toString(), QStringLiteral("1001"));
    EXPECT_EQ(rs.valueAt(0, 3).toString(), QStringLiteral("(RX) DELA CRUZ, JUAN SANTOS"));
    EXPECT_EQ(rs.valueAt(0, 4).toString(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
    EXPECT_EQ(patient_->ListUnitDosePatients(QStringLiteral("4F"), 2, 1).recordCount(), 0);
}

QX_ON_BOTH_ENGINES(InpatientFilePatientTest);

} // namespace
