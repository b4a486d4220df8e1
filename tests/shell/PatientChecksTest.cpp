#include "Builders.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "platform/Values.h"
#include "shell/PatientChecks.h"

using namespace qx;
using namespace qx::test;

namespace {

class PatientChecksTest : public DbTest {
protected:
    void company(const QString& account, const QVariant& name, const QVariant& cls, const QVariant& limit = 0) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, CreditLimit) "
                                    "VALUES (?, ?, ?, ?)"),
                     {account, name, cls, limit});
    }
    QDateTime now() { return db().serverNow(); }
    ScriptedPlatform platform;
};

TEST_P(PatientChecksTest, AdmissionBillDischargeAndLateCharges) {
    const QDateTime today = now();
    struct Case {
        QString id;
        std::optional<QDateTime> billing;
        std::optional<QDateTime> discharge;
        bool lateCharges;
        bool billedToday, discharged, openForCharges;
    } cases[] = {
        {"1001", std::nullopt, std::nullopt, false, false, false, true},
        {"1002", today.addDays(-1), today.addDays(-1), false, false, true, false},
        {"1003", today, today, true, true, true, true},
        {"1004", std::nullopt, QDateTime(QDate(1900, 1, 1), QTime(0, 0)), false, false, false, false},
    };
    int n = 0;
    for (const Case& c : cases)
        addAdmittedPatient(db(), {.idNum = c.id,
                                  .person = {.hospNum = QStringLiteral("H%1").arg(++n)},
                                  .billingDate = c.billing,
                                  .dischargeDate = c.discharge,
                                  .lateCharges = c.lateCharges});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        EXPECT_EQ(IsBillingDateToday(db(), c.id), c.billedToday);
        EXPECT_EQ(IsIPDDischarged(db(), c.id), c.discharged);
        EXPECT_EQ(IPDHasLateCharges(db(), c.id), c.openForCharges);
    }
}

TEST_P(PatientChecksTest, UnknownIdsGiveTheNoRowAnswers) {
    const QString id = QStringLiteral("9999");
    EXPECT_FALSE(IsBillingDateToday(db(), id));
    EXPECT_FALSE(HasClearance(db(), id));
    EXPECT_TRUE(IPDHasLateCharges(db(), id));
    EXPECT_FALSE(IsIPDDischarged(db(), id));
    EXPECT_EQ(GetExecutivePackage(db(), id), QString());
    EXPECT_EQ(GetOPDCompanyClass(db(), QStringLiteral("9999X")), QString());
    EXPECT_FALSE(IsOPDAdmittedToday(db(), QStringLiteral("9999X")));
    EXPECT_FALSE(OPDHasLateCharges(db(), QStringLiteral("9999X")));
    EXPECT_FALSE(IsERPatient(db(), QStringLiteral("9999X")));
    EXPECT_FALSE(IsCompanyClassS(db(), QStringLiteral("NOACCT")));
    EXPECT_EQ(FormatAmount(GetCompanyCreditLimit(db(), QStringLiteral("NOACCT"))), QStringLiteral("0.00"));
    EXPECT_EQ(FormatAmount(GetChargesOnAccount(db(), QStringLiteral("NOACCT"))), QStringLiteral("0.00"));
    EXPECT_EQ(SearchAccount(db(), id), QString());
    EXPECT_FALSE(IsCompanyBlank(db(), id, QStringLiteral("FLQC")));
    EXPECT_FALSE(IsVAPatient(db(), id));
    EXPECT_EQ(GetHMOClass(db(), id), QString());
    EXPECT_FALSE(IsVelmiraPatient(db(), id));
    EXPECT_EQ(GetStation(db(), id, QString()), QString());
    EXPECT_FALSE(IsSatelliteLocation(db()));
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(PatientChecksTest, ClearancePackageAndSponsorship) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .person = {.hospNum = QStringLiteral("H2")}});
    db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, ClearDate) VALUES "
                                "('1001', 'PH', ?), ('1002', 'PH', NULL), ('1002', 'LB', ?)"),
                 {now(), now()});
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoExecutivePackage (IDNum, Package) VALUES ('1001', 'GOLD')"));
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES ('1001', 1), "
                                "('1002', 0)"));
    EXPECT_TRUE(HasClearance(db(), QStringLiteral("1001")));
    EXPECT_FALSE(HasClearance(db(), QStringLiteral("1002")));  // only another department cleared
    EXPECT_EQ(GetExecutivePackage(db(), QStringLiteral("1001")), QStringLiteral("GOLD"));
    EXPECT_TRUE(IsVelmiraPatient(db(), QStringLiteral(" 1001 ")));
    EXPECT_FALSE(IsVelmiraPatient(db(), QStringLiteral("1002")));
}

TEST_P(PatientChecksTest, VisitChecks) {
    const QDateTime today = now();
    company(QStringLiteral("ACME"), QStringLiteral("ACME CORP"), QStringLiteral("I"));
    company(QStringLiteral("NOCLS"), QStringLiteral("NO CLASS INC"), QVariant(QMetaType::fromType<QString>()));
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5001A"), .accountNum = QStringLiteral("ACME"), .admDate = today});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5002A"), .erNum = 17, .admDate = today.addDays(-1)});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5003A"), .accountNum = QStringLiteral("NOCLS")});
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET LateCharges = 1 WHERE IDNum = '5002A'"));
    struct Case {
        QString id;
        QString companyClass;
        bool admittedToday, lateCharges, er;
    } cases[] = {
        {"5001A", "I", true, false, false},
        {"5002A", "", false, true, true},   // charged to the patient's own account
        {"5003A", "", false, false, false}, // company without a class
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        EXPECT_EQ(GetOPDCompanyClass(db(), c.id), c.companyClass);
        EXPECT_EQ(IsOPDAdmittedToday(db(), c.id), c.admittedToday);
        EXPECT_EQ(OPDHasLateCharges(db(), c.id), c.lateCharges);
        EXPECT_EQ(IsERPatient(db(), c.id), c.er);
    }
}

TEST_P(PatientChecksTest, CompanyAccounts) {
    company(QStringLiteral("EMP"), QStringLiteral("EMPLOYEES"), QStringLiteral("S"), 15000.5);
    company(QStringLiteral("emp2"), QStringLiteral("LOWER"), QStringLiteral("s"));
    company(QStringLiteral("HMO1"), QStringLiteral("HEALTH PLAN"), QStringLiteral("P"));
    company(QStringLiteral("HMO2"), QStringLiteral("health plan"), QStringLiteral("p"));
    company(QStringLiteral("BLANK"), QStringLiteral("   "), QStringLiteral("C"));
    company(QStringLiteral("VA"), QStringLiteral("VETERANS"), QStringLiteral("C"));
    EXPECT_TRUE(IsCompanyClassS(db(), QStringLiteral("EMP")));
    EXPECT_FALSE(IsCompanyClassS(db(), QStringLiteral("emp2")));
    EXPECT_EQ(FormatAmount(GetCompanyCreditLimit(db(), QStringLiteral("EMP"))), QStringLiteral("15000.50"));

    struct Case {
        QString id;
        QString account;
        QString search, hmo;
        bool blankAtFLQC, va;
    } cases[] = {
        {"1001", "HMO1", "HMO1 - HEALTH PLAN", "HMO", false, false},
        {"1002", "HMO2", "HMO2 - health plan", "", false, false},
        {"1003", "BLANK", "BLANK -    ", "", true, false},
        {"1004", "VA", "VA - VETERANS", "", false, true},
        {"1005", "va", "va - ", "", true, false},
        {"5001A", "VA", "VA - VETERANS", "", false, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString hosp = QStringLiteral("H%1").arg(++n);
        if (c.id.back().isDigit())
            addAdmittedPatient(db(), {.idNum = c.id, .person = {.hospNum = hosp}, .accountNum = c.account});
        else
            addOutPatientVisit(db(), {.idNum = c.id, .person = {.hospNum = hosp}, .accountNum = c.account});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        EXPECT_EQ(SearchAccount(db(), c.id), c.search);
        EXPECT_EQ(GetHMOClass(db(), c.id), c.hmo);
        EXPECT_EQ(IsCompanyBlank(db(), c.id, QStringLiteral("FLQC")), c.blankAtFLQC);
        EXPECT_FALSE(IsCompanyBlank(db(), c.id, QStringLiteral("QVH")));
        EXPECT_EQ(IsVAPatient(db(), c.id), c.va);
    }
}

TEST_P(PatientChecksTest, ChargesOnAccountAreThisYearsChargesLessReturns) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001"), .accountNum = QStringLiteral("EMP")});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5001A"), .accountNum = QStringLiteral("EMP")});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5002A"), .person = {.hospNum = QStringLiteral("H9")},
                              .accountNum = QStringLiteral("OTHER")});
    const QDateTime today = now();
    const QDateTime lastYear(QDate(today.date().year() - 1, 12, 31), QTime(10, 0));
    struct Line { const char* id; const char* code; double amount; QDateTime when; } lines[] = {
        {"1001", "PH", 120.25, today}, {"5001A", "PH", 80.50, today}, {"1001", "PC", 20.25, today},
        {"1001", "PH", 999, lastYear}, {"5002A", "PH", 55, today},
    };
    for (const Line& l : lines)
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, TransDate, Quantity, Amount) "
                                    "VALUES ('S1', 'PARA500', ?, ?, ?, 1, ?)"),
                     {QString::fromLatin1(l.id), QString::fromLatin1(l.code), l.when, l.amount});
    EXPECT_EQ(FormatAmount(GetChargesOnAccount(db(), QStringLiteral("EMP"))), QStringLiteral("180.50"));
}

TEST_P(PatientChecksTest, StationOfASlipOrOfTheRoom) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001"), .roomId = QStringLiteral("301"),
                              .stationId = QStringLiteral("3F")});
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, TargetLocationID) "
                                "VALUES ('0001234', 'PARA500', '1001', 'PH', 'OR')"));
    EXPECT_EQ(GetStation(db(), QStringLiteral("1001"), QStringLiteral("0001234")), QStringLiteral("OR"));
    EXPECT_EQ(GetStation(db(), QStringLiteral("1001"), QString()), QStringLiteral("3F"));
    EXPECT_EQ(GetStation(db(), QStringLiteral("1001"), QStringLiteral("0009999")), QStringLiteral("3F"));
}

TEST_P(PatientChecksTest, SatelliteLocationIsThisWorkstations) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaComputerLocation (HostID, isSatelite) VALUES ('OTHERPC', 1)"));
    EXPECT_FALSE(IsSatelliteLocation(db()));
    db().callProcedure(QStringLiteral("Pharma_SaveComputerLocation"), {{QStringLiteral("@isSatelite"), 1}});
    EXPECT_TRUE(IsSatelliteLocation(db()));
    db().callProcedure(QStringLiteral("Pharma_SaveComputerLocation"), {{QStringLiteral("@isSatelite"), 0}});
    EXPECT_FALSE(IsSatelliteLocation(db()));
}

TEST_P(PatientChecksTest, CancelNursingRequestCancelsThePendingLinesOfTheItem) {
    addPendingRequest(db(), {.itemId = QStringLiteral("PARA500"), .requestNumber = QStringLiteral("RQ1")});
    addPendingRequest(db(), {.itemId = QStringLiteral("AMOX500"), .requestNumber = QStringLiteral("RQ2")});
    db().execute(QStringLiteral("INSERT INTO station.tbNurseHomeMeds (IdNum, ItemID, ReferenceNum, RecordStatus) "
                                "VALUES ('1001', 'PARA500', 'TH1', '')"));
    CancelNursingRequest(db(), QStringLiteral("1001"), QStringLiteral("PH"), QStringLiteral("PARA500"),
                         QStringLiteral("O'NEIL"), 0, false);
    Recordset rs = db().query(QStringLiteral("SELECT RequestNumber, RecordStatus, ProcessBy FROM station.tbNurseCommunicationFile "
                                             "ORDER BY RequestNumber"));
    EXPECT_EQ(rs.valueAt(0, 1).toString(), QStringLiteral("C"));
    EXPECT_EQ(rs.valueAt(0, 2).toString(), QStringLiteral("O'NEIL"));
    EXPECT_EQ(rs.valueAt(1, 1).toString(), QString());
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus FROM station.tbNurseHomeMeds")).text(QStringLiteral("RecordStatus")),
              QString());

    CancelNursingRequest(db(), QStringLiteral("1001"), QStringLiteral("PH"), QStringLiteral("PARA500"),
                         QStringLiteral("E1"), 1, true);
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus FROM station.tbNurseHomeMeds")).text(QStringLiteral("RecordStatus")),
              QStringLiteral("C"));
}

TEST_P(PatientChecksTest, ModeIsSentOnlyWhenAskedTo) {
    // Without the mode a take-home cancellation falls back to the request lines.
    addPendingRequest(db(), {.itemId = QStringLiteral("PARA500")});
    db().execute(QStringLiteral("INSERT INTO station.tbNurseHomeMeds (IdNum, ItemID, RecordStatus) VALUES ('1001', 'PARA500', NULL)"));
    CancelNursingRequest(db(), QStringLiteral("1001"), QStringLiteral("PH"), QStringLiteral("PARA500"),
                         QStringLiteral("E1"), 1, false);
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus FROM station.tbNurseCommunicationFile")).text(QStringLiteral("RecordStatus")),
              QStringLiteral("C"));
    EXPECT_TRUE(db().query(QStringLiteral("SELECT RecordStatus FROM station.tbNurseHomeMeds")).isNull(QStringLiteral("RecordStatus")));
}

QX_ON_BOTH_ENGINES(PatientChecksTest);

TEST(PatientChecksErrorTest, IsVAPatientShowsTheErrorAndAnswersFalse) {
    TestDatabase tdb(Engine::SQLite);
    ScriptedPlatform platform;
    tdb.connection().executeScript(QStringLiteral("DROP TABLE patient_data.tbOutPatient"));
    EXPECT_FALSE(IsVAPatient(tdb.connection(), QStringLiteral("5001A")));
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Quillax"));
    EXPECT_EQ(platform.messages->last().buttons(), vbOKOnly);
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("tbOutPatient"), Qt::CaseInsensitive));
}

} // namespace
