#include "CashSideFixture.h"
#include "platform/ErrorHandling.h"
#include "shell/clsAssessInfo.h"

using namespace qx;
using namespace qx::test;

namespace {

class clsAssessInfoTest : public CashSideTest {
protected:
    void SetUp() override {
        CashSideTest::SetUp();
        if (IsSkipped())
            return;
        const QDate date = today.date();
        addRoomClass(QStringLiteral("A"), QStringLiteral("PRIVATE"), 12.5);
        // Turns 40 tomorrow.
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1001"),
                                  .person = {.hospNum = QStringLiteral("H000001"), .lastName = QStringLiteral("DELA CRUZ"),
                                             .firstName = QStringLiteral("JUAN"), .middleName = QStringLiteral("SANTOS"),
                                             .birthDate = date.addYears(-40).addDays(1)}});
        db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET ZipCode = '1000', Address = 'DEMO CITY', "
                                    "HouseStreet = '12 MABINI ST', Barangay = 'SAN ISIDRO', CivilStatusID = 'M' "
                                    "WHERE HospNum = 'H000001'"));
        addOutPatientVisit(db(), {.idNum = QStringLiteral("5001A"),
                                  .person = {.hospNum = QStringLiteral("H000101"), .lastName = QStringLiteral("O'NEIL"),
                                             .firstName = QStringLiteral("MARIA"), .middleName = QString(),
                                             .sex = QStringLiteral("F"), .birthDate = date.addYears(-30)}});
        db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MiddleName = NULL WHERE HospNum = 'H000101'"));
    }
};

TEST_P(clsAssessInfoTest, LookUpByIdentifierFillsTheCustomerAndResetsTheRoom) {
    clsAssessInfo info;
    ASSERT_TRUE(info.PatientInformationFound(3, 2, QStringLiteral("1001")));
    EXPECT_EQ(info.IDnumber(), QStringLiteral("1001"));
    EXPECT_EQ(info.HospNumber(), QStringLiteral("H000001"));
    EXPECT_EQ(info.LastName() + ", " + info.FirstName() + " " + info.MiddleName(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
    EXPECT_EQ(info.ZipCode(), QStringLiteral("1000"));
    EXPECT_EQ(info.Address(), QStringLiteral("DEMO CITY"));
    EXPECT_EQ(info.HouseStreet(), QStringLiteral("12 MABINI ST"));
    EXPECT_EQ(info.Barangay(), QStringLiteral("SAN ISIDRO"));
    EXPECT_EQ(info.CivilStatus(), QStringLiteral("M"));
    EXPECT_EQ(info.Sex(), QStringLiteral("M"));
    EXPECT_EQ(info.BirthDate(), today.date().addYears(-40).addDays(1).toString(QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(info.Age(), QStringLiteral("39"));
    EXPECT_EQ(info.RoomID(), QStringLiteral("301"));
    EXPECT_EQ(info.RoomClass(), QStringLiteral("PRIVATE"));
    EXPECT_EQ(info.MarkUp(), 12.5);

    // A visit has no room: the admission's room, class and mark-up do not carry over. The
    // identifier is found whatever its letter case.
    ASSERT_TRUE(info.PatientInformationFound(4, 2, QStringLiteral("5001a")));
    EXPECT_EQ(info.IDnumber(), QStringLiteral("5001A"));
    EXPECT_EQ(info.LastName(), QStringLiteral("O'NEIL"));
    EXPECT_EQ(info.MiddleName(), QString());
    EXPECT_EQ(info.LastName() + ", " + info.FirstName() + " " + info.MiddleName(), QStringLiteral("O'NEIL, MARIA "));
    EXPECT_EQ(info.Age(), QStringLiteral("30"));
    EXPECT_EQ(info.RoomID(), QString());
    EXPECT_EQ(info.RoomClass(), QString());
    EXPECT_EQ(info.MarkUp(), 0.0);

    // Not found: the record keeps the customer found before.
    EXPECT_FALSE(info.PatientInformationFound(3, 2, QStringLiteral("5001A")));  // not an admission
    EXPECT_FALSE(info.PatientInformationFound(3, 2, QStringLiteral("NOBODY'S")));
    EXPECT_EQ(info.IDnumber(), QStringLiteral("5001A"));
    EXPECT_EQ(info.FirstName(), QStringLiteral("MARIA"));
}

TEST_P(clsAssessInfoTest, RoomWithoutAClassOfItsOwnAndMissingBirthDate) {
    // A room whose class has no mark-up row shows the class id and no mark-up.
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .person = {.hospNum = QStringLiteral("H000002")},
                              .roomId = QStringLiteral("205"), .roomClassId = QStringLiteral("C")});
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET BirthDate = NULL WHERE HospNum = 'H000002'"));
    clsAssessInfo info;
    ASSERT_TRUE(info.PatientInformationFound(3, 2, QStringLiteral("1002")));
    EXPECT_EQ(info.RoomID(), QStringLiteral("205"));
    EXPECT_EQ(info.RoomClass(), QStringLiteral("C"));
    EXPECT_EQ(info.MarkUp(), 0.0);
    EXPECT_EQ(info.BirthDate(), QString());
    EXPECT_EQ(info.Age(), QString());
}

TEST_P(clsAssessInfoTest, PatientListFindsByNameOrIdentifierAndConfinement) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("0990"), .person = {.hospNum = QStringLiteral("H000001")},
                              .dischargeDate = today.addDays(-200)});
    clsAssessInfo info;
    const Recordset current = info.PatientList(3, 1, QStringLiteral("dela"), QStringLiteral("1"));
    EXPECT_EQ(columnsOf(current).mid(0, 5), (QStringList{"idnum", "hospnum", "lastname", "firstname", "middlename"}));
    ASSERT_EQ(current.recordCount(), 1);
    EXPECT_EQ(current.text(QStringLiteral("IDNum")), QStringLiteral("1001"));

    const Recordset previous = info.PatientList(3, 1, QStringLiteral("DELA CRUZ, J"), QStringLiteral("2"));
    ASSERT_EQ(previous.recordCount(), 1);
    EXPECT_EQ(previous.text(QStringLiteral("IDNum")), QStringLiteral("0990"));

    // Out-patients, by a name holding an apostrophe or by the visit number.
    EXPECT_EQ(info.PatientList(4, 1, QStringLiteral("O'NE"), QStringLiteral("1")).recordCount(), 1);
    EXPECT_EQ(info.PatientList(4, 1, QStringLiteral("5001A"), QStringLiteral("1")).recordCount(), 1);
    EXPECT_EQ(info.PatientList(4, 1, QStringLiteral("DELA"), QStringLiteral("1")).recordCount(), 0);
}

TEST_P(clsAssessInfoTest, FailedRoomLookUpNamesTheChainOfOperations) {
    db().executeScript(QStringLiteral("DROP TABLE build_file.tbCoRoomClass"));
    clsAssessInfo info;
    try {
        info.PatientInformationFound(3, 2, QStringLiteral("1001"));
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), kRaisedAgainNumber);
        EXPECT_EQ(e.source(), QStringLiteral("prjQuillax.clsAssessInfo.PatientInformationFound"));
        EXPECT_TRUE(e.description().contains(QStringLiteral("in prjQuillax.clsAssessInfo.GetRoomInfo at line 102")))
            << e.description().toStdString();
        EXPECT_TRUE(e.description().endsWith(QStringLiteral("in prjQuillax.clsAssessInfo.PatientInformationFound at line 142")))
            << e.description().toStdString();
    }
    // What was set before the failure stays.
    EXPECT_EQ(info.IDnumber(), QStringLiteral("1001"));
    EXPECT_EQ(info.RoomID(), QStringLiteral("301"));
}

TEST_P(clsAssessInfoTest, LookUpsByIdentifierAndItem) {
    clsAssessInfo info;
    addItem(db());
    EXPECT_EQ(info.GetGeneric(QStringLiteral("PARA500")), QStringLiteral("PARACETAMOL"));
    EXPECT_EQ(info.GetGeneric(QStringLiteral("NONE")), QString());

    EXPECT_EQ(info.GetMaxCharges(), 3000.0);
    db().execute(QStringLiteral("INSERT INTO tbPharmaMaxCharges (MaxCharges) VALUES (NULL)"));
    EXPECT_EQ(info.GetMaxCharges(), 3000.0);
    db().execute(QStringLiteral("UPDATE tbPharmaMaxCharges SET MaxCharges = 2500"));
    EXPECT_EQ(info.GetMaxCharges(), 2500.0);

    struct Case { QVariantList amounts; QString total; };
    const Case cases[] = {
        {{}, QStringLiteral("0.00")},
        {{12.5}, QStringLiteral("12.50")},
        {{1234567.891, 1000.0}, QStringLiteral("1235567.89")},
    };
    for (const Case& c : cases) {
        db().execute(QStringLiteral("DELETE FROM billing.tbBillCharges"));
        for (const QVariant& amount : c.amounts)
            db().execute(QStringLiteral("INSERT INTO billing.tbBillCharges (IDNum, Amount) VALUES ('1001', ?)"), {amount});
        EXPECT_EQ(info.GetPatientTotalCharges(QStringLiteral("1001")), c.total);
    }

    EXPECT_FALSE(info.GetMedicareType(QStringLiteral("1001")));
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoMedicareType (MedicareType, Description) VALUES ('M1', 'MEMBER')"));
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET MedicareType = 'M1' WHERE IDNum = '1001'"));
    ASSERT_TRUE(info.GetMedicareType(QStringLiteral("1001")));
    EXPECT_EQ(info.MedicareType(), QStringLiteral("M1"));
    EXPECT_EQ(info.MedDescription(), QStringLiteral("MEMBER"));
}

TEST_P(clsAssessInfoTest, CashReturnSearchFindsPaidSalesOnly) {
    clsAssessInfo info;
    addAssessmentLine({.refNum = QStringLiteral("PH000001"), .name = QStringLiteral("O'NEIL, MARIA"),
                       .orNumber = QStringLiteral("OR-1")});
    addAssessmentLine({.refNum = QStringLiteral("PH000002"), .name = QStringLiteral("O'NEIL, MARIA")});
    EXPECT_FALSE(info.PatientListCashReturn(QStringLiteral("SANTOS")).has_value());
    const std::optional<Recordset> rs = info.PatientListCashReturn(QStringLiteral("o'neil"));
    ASSERT_TRUE(rs.has_value());
    ASSERT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(columnsOf(*rs), (QStringList{"ornumber", "patientname", "itemid", "description", "transdate", "transtype"}));
    EXPECT_EQ(rs->text(QStringLiteral("ORNumber")), QStringLiteral("OR-1"));
}

QX_ON_BOTH_ENGINES(clsAssessInfoTest);

} // namespace
