#include "CatalogueOpening.h"
#include "platform/report/ReportFixtures.h"
#include "platform/report/ReportViewer.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/CatalogueRow.h"
#include "shell/Session.h"

using namespace qx;
using namespace qx::test;

namespace {

const QList<CodeOpening>& patientReportOpenings() {
    static const QList<CodeOpening> openings{
        {1, {}},
        {2, {}},
        {3, {}},
        {9, [](frmView& v) { v.setAdmNum(QStringLiteral("260001")); }},
        {10, [](frmView& v) { v.setAdmNum(QStringLiteral("26501A")); }},
        {11, [](frmView& v) { v.setDispenserCode(QStringLiteral("8")); }},
        {14, {}},
        {16, [](frmView& v) { v.setAdmNum(QStringLiteral("260002")); }},
        {17, {}},
        {18, [](frmView& v) { v.setVlRefnum(QStringLiteral("00500001")); }},
        {19, [](frmView& v) { v.setAdmNum(QStringLiteral("260005")); }},
        {20, [](frmView& v) { v.setDispenserCode(QStringLiteral("1001")); }},
        {25, {}},
        {26, {}},
        {32,
         [](frmView& v) {
             v.setStartDate(QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
             v.setStation(QStringLiteral("2F"));
         }},
        {47, {}},
        {58, {}},
        {63, {}},
        {69, {}},
        {70, {}},
        {71, [](frmView& v) { v.setStartDate(QDate::currentDate().addDays(-1).toString(QStringLiteral("MM/dd/yyyy"))); }},
        {77, {}},
        {94, [](frmView& v) { v.setAdmNum(QStringLiteral("CS000101")); }},
        {95, {}},
    };
    return openings;
}

TEST_P(CatalogueDemoTest, PatientReportsOpenOnTheDemoData) {
    expectEveryCodeOpens(patientReportOpenings());
}

} // namespace

namespace {

// One request that fills every member these codes read.
class PatientReportRowsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        frmView& v = ReportWindow();
        v.setReportDate(QDateTime(QDate(2026, 12, 9), QTime(15, 30)));
        v.setStartDate(QStringLiteral("12/01/2026"));
        v.setEndDate(QStringLiteral("12/09/2026"));
        v.setAdmNum(QStringLiteral("260001"));
        v.setTotalPosted(1234.5);
        v.setTotalReturned(12.25);
        v.setTotalDiscount(3);
        v.setTotalAdjusted(0.5);
        v.setDispenserCode(QStringLiteral("1001"));
        v.setShift(QStringLiteral("2"));
        v.setPatientName(QStringLiteral("SANTOS, MARIA"));
        v.setDoctor(QStringLiteral("DR. REYES"));
        v.setRoom(QStringLiteral("202"));
        v.setHospNum(QStringLiteral("000102"));
        v.setStation(QStringLiteral("2F"));
        v.setAge(QStringLiteral("67"));
        v.setSex(QStringLiteral("F"));
        v.setVlRefnum(QStringLiteral("00500001"));
        v.ItemID = QStringLiteral("D0002");
    }
};

TEST_P(PatientReportRowsTest, EachCodeOpensItsFileWithItsCaptionNamesAndValues) {
    setKelvarHospital(true);
    const QStringList pair{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST"};
    const QStringList range{"@STARTDATE=2026-12-01", "@ENDDATE=2026-12-09"};
    const QStringList totals{"TOTALPOSTED=1234.5", "TOTALRETURNED=12.25", "TOTALDISCOUNT=3"};
    struct Case {
        qint16 code;
        const char* opener;
        const char* caption;
        QStringList values;
        bool groupTree = true;
    };
    const Case cases[] = {
        {1, "OpenAdmissionList", "Admission List Report", pair},
        {2, "OpenDailyDischarge", "Discharge List Report", pair + QStringList{"DCRDATE=2026-12-09", "@STRDCRDATE=2026-12-09"}},
        {3, "OpenListUnitDose", "Unit Dose Report", pair},
        {9, "OpenPostedByIndividual", "List of Posted Medicines (In-Patient)",
         pair + QStringList{"@STRIDNUM=260001"} + totals + QStringList{"TOTALADJUSTED=0.5"}},
        {10, "OpenPostedByIndividualOP", "List of Posted Medicines (Out-Patient)", pair + QStringList{"@STRIDNUM=260001"} + totals},
        {11, "OpenPostedByDispenser", "List of Posted Medicines by Dispenser",
         pair + QStringList{"@STRDISPENSERCODE=1001", "@STRTRANSDATE=2026-12-09", "@SHIFT=2"}},
        {14, "OpenForDischarge", "Patients for Discharge", pair + QStringList{"@DATETODAY=2026-12-09"}},
        {16, "OpenPharmacyMedicationProfile", "Form1",
         pair + QStringList{"@IDNUM=260001", "PATIENTNAME=SANTOS, MARIA", "IDNUM=260001", "HOSPNUM=000102", "ROOM=202",
                            "STATION=2F", "DOCTOR=DR. REYES", "AGE=67", "SEX=F"}},
        {17, "OpenPatientsWithDischargeNotice", "Form1", pair + QStringList{"@DEPARTMENTID=PH"}, false},
        {18, "OpenVerification", "Verification Reference Number",
         {"@REFNUM=00500001", "HOSPADD=ST. JUDE'S HOSPITAL"}, false},
        {19, "OpenPostedByIndividual", "List of Posted Medicines (In-Patient)",
         pair + QStringList{"@STRIDNUM=260001"} + totals + QStringList{"TOTALADJUSTED=0.5"}},
        {20, "OpenDrugDistributionReportUser", "Distribution Report",
         pair + QStringList{"@USERID=1001", "@SHIFT=2", "@STRSTARTDATE=2026-12-01", "@STRENDDATE=2026-12-09"}},
        {25, "OpenReportDrugConsumptionPerMonthDoctor", "Doctors Patient Consumption Report", pair + range},
        {26, "OpenReportDoctorPatientConfinement", "Doctors Patient Confinement Report", pair + range},
        {32, "OpenCensusByStationWithAge", "Census By Station", pair + QStringList{"@REPORTDATE=2026-12-01", "@STATIONID=2F"}},
        {58, "OpenPharmaPHICReport", "PHIC List of Available Medicines", pair},
        {63, "OpenAntibioticMonitoringReport", "Antibiotic Monitoring Report", range + pair},
        {69, "OpenListOfMonthlyReturnedItems", "Summary of Returned Medicines", range + QStringList{"@LOCATIONID=20"} + pair},
        {70, "OpenFirstDoseIssuancesReport", "First Dose Issuances Report", range + pair},
        {71, "OpenReportPackageRequest", "Package Request", pair + QStringList{"@REVENUEID=PH"} + range},
        {77, "OpenAdmissionListDateRange", "Admission List Report", range + pair},
        {94, "OpenPostedByIndividualCash", "List of Posted Medicines (In-Patient)",
         pair + QStringList{"@IDNUM=260001"} + totals + QStringList{"TOTALADJUSTED=0.5"}},
        {95, "OpenListOfCorrectedItems", "List of Corrected Items", QStringList{"@REVENUEID=PC", "@ITEMID=D0002"} + range},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const Shown shown = showThrough(c.code, c.opener);
        EXPECT_EQ(shown.caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(shown.values, c.values);
        EXPECT_EQ(shown.groupTree, c.groupTree);
        // The export is offered at a hospital that wants it; no code of these hands a path back.
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Do you want to export the file?"));
    }
    for (const CatalogueRow& row : PatientReportRows()) {
        SCOPED_TRACE(row.code);
        EXPECT_TRUE(row.opened.takesExportFlag);
        EXPECT_FALSE(row.opened.takesPath);
    }
}

TEST_P(PatientReportRowsTest, TotalsGoAsNumbersAndTheCensusDateAsADate) {
    const frmView& v = ReportWindow();
    ReportWindow().setStartDate(QStringLiteral("12/01/2026"));
    for (const CatalogueRow& row : PatientReportRows()) {
        for (const RowParameter& p : row.parameters) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(row.code).arg(p.name).toStdString());
            const QMetaType::Type expected = p.name.startsWith(QLatin1String("TOTAL")) ? QMetaType::Double
                                             : p.name == QLatin1String("@REPORTDATE")   ? QMetaType::QDate
                                                                                        : QMetaType::QString;
            EXPECT_EQ(p.value(v).typeId(), expected);
        }
    }
}

TEST_P(PatientReportRowsTest, NamesAreMatchedAsEachRowSays) {
    // A site's files that declare names the rows do not know, or know only in another spelling.
    gSiteCode = QStringLiteral("QVH");
    writeProgramFile(QStringLiteral("Reports/QVH/PostedByIndividualOP.rpt"),
                     QStringLiteral("parameter \" @stridnum \" text\nparameter TOTALADJUSTED number\n"));
    writeProgramFile(QStringLiteral("Reports/QVH/CensusByStationWithAge.rpt"),
                     QStringLiteral("parameter \" @STATIONID\" text\nparameter @stationid text\nparameter HOSPITALNAME text\n"));
    writeProgramFile(QStringLiteral("Reports/QVH/Verification.rpt"),
                     QStringLiteral("parameter HOSPITALNAME text\nparameter HOSPITALADDRESS text\nparameter hospadd text\n"));
    writeProgramFile(QStringLiteral("Reports/QVH/ListOfCorrectedItems.rpt"),
                     QStringLiteral("parameter HOSPITALNAME text\nparameter @REVENUEID text\n"));
    EXPECT_EQ(show(10).values, (QStringList{" @stridnum =260001", "TOTALADJUSTED=-"}));
    EXPECT_EQ(show(32).values, (QStringList{" @STATIONID=-", "@stationid=2F", "HOSPITALNAME=ST. JUDE'S HOSPITAL"}));
    EXPECT_EQ(show(18).values, (QStringList{"HOSPITALNAME=-", "HOSPITALADDRESS=-", "hospadd=ST. JUDE'S HOSPITAL"}));
    EXPECT_EQ(show(95).values, (QStringList{"HOSPITALNAME=-", "@REVENUEID=PC"}));
}

// A small ward: two items, two in-patients of station 2F and one of 3F, a stay that ended the day
// before and one that began the day after.
void addWard(Connection& db) {
    db.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) VALUES ('D0001', 'PARACETAMOL', '500 MG TABLET'), "
                              "('D0002', 'AMOXICILLIN', '500 MG CAPSULE')"));
    db.execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station) VALUES ('2F', '2ND FLOOR'), ('3F', '3RD FLOOR')"));
    db.execute(QStringLiteral("INSERT INTO build_file.tbCoRoom (RoomID, StationID) VALUES ('201', '2F'), ('202', '2F'), ('301', '3F')"));
    struct Stay { const char* id; const char* last; const char* sex; int age; const char* room; QDateTime in; QVariant out; };
    const Stay stays[] = {
        {"260001", "DELA CRUZ", "M", 45, "201", QDateTime(QDate(2026, 12, 1), QTime(8, 15)), QVariant(QMetaType::fromType<QDateTime>())},
        {"260002", "O'NEIL", "F", 67, "202", QDateTime(QDate(2026, 12, 9), QTime(23, 50)), QDateTime(QDate(2026, 12, 10), QTime(9, 0))},
        {"260003", "REYES", "M", 38, "301", QDateTime(QDate(2026, 12, 2), QTime(10, 0)), QVariant(QMetaType::fromType<QDateTime>())},
        {"260004", "GARCIA", "F", 29, "201", QDateTime(QDate(2026, 11, 20), QTime(10, 0)), QDateTime(QDate(2026, 12, 8), QTime(17, 0))},
        {"260005", "MENDOZA", "M", 72, "202", QDateTime(QDate(2026, 12, 10), QTime(0, 5)), QVariant(QMetaType::fromType<QDateTime>())},
    };
    for (const Stay& s : stays) {
        const QString hospNum = QStringLiteral("H") + QString::fromLatin1(s.id);
        db.execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, Sex) VALUES (?, ?, 'ANA', ?)"),
                   {hospNum, QString::fromLatin1(s.last), QString::fromLatin1(s.sex)});
        db.execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum, AdmDate, DcrDate, RoomID, Age) "
                                  "VALUES (?, ?, ?, ?, ?, ?)"),
                   {QString::fromLatin1(s.id), hospNum, s.in, s.out, QString::fromLatin1(s.room), s.age});
    }
}

// Posted, returned and adjusted lines of 260001, and one line of another patient.
void addPostings(Connection& db) {
    const QString insert = QStringLiteral(
        "INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, TransDate, Quantity, Amount, Discount, "
        "UserID, PostOrReturn, CreditMemoNum, DosageID) VALUES (?, ?, ?, ?, '20', ?, ?, ?, ?, ?, ?, ?, ?)");
    const QDate d(2026, 12, 8);
    db.execute(insert, {"00000101", "D0001", "260001", "PH", QDateTime(d, QTime(9, 5)), 10, 11.1, 2.22, "1001", 1, "", "TID"});
    db.execute(insert, {"00000101", "D0002", "260001", "PH", QDateTime(d, QTime(9, 5)), 21, 87.15, 0, "1001", 1, "", "Q8H"});
    db.execute(insert, {"00000101", "D0002", "260001", "PC", QDateTime(d, QTime(14, 0)), 3, 12.45, 0, "1002", 2, "RC00000007", ""});
    db.execute(insert, {"00000102", "D0001", "260001", "PH", QDateTime(d.addDays(1), QTime(22, 30)), 4, 4.44, 0.89, "8", 1, "", "TID"});
    db.execute(insert, {"00000102", "D0001", "260001", "PC", QDateTime(d.addDays(1), QTime(23, 0)), 1, 1.11, 0, "8", 3, "AS00000002", ""});
    db.execute(insert, {"00000103", "D0001", "260003", "PH", QDateTime(d, QTime(10, 0)), 99, 109.89, 0, "1001", 1, "", "TID"});
}

TEST_P(PatientReportRowsTest, PostedMedicinesListNetsReturnsAndAdjustmentsUnderTheFourTotals) {
    addWard(db());
    addPostings(db());
    const Shown shown = show(9);
    expectReportGolden(QStringLiteral("PostedByIndividual.txt"), shown.text);
    expectReportGolden(QStringLiteral("PostedByIndividual.csv"), shown.csv);
}

TEST_P(PatientReportRowsTest, MedicationProfileListsEachMedicineOnceNetOfReturns) {
    addWard(db());
    addPostings(db());
    const Shown shown = show(16);
    expectReportGolden(QStringLiteral("PharmacyMedicationProfile.txt"), shown.text);
    expectReportGolden(QStringLiteral("PharmacyMedicationProfile.csv"), shown.csv);
}

TEST_P(PatientReportRowsTest, CensusListsTheStationsPatientsInTheHouseThatDayWithTheirAges) {
    addWard(db());
    ReportWindow().setStartDate(QStringLiteral("12/09/2026"));
    const Shown shown = show(32);
    expectReportGolden(QStringLiteral("CensusByStationWithAge.txt"), shown.text);
    expectReportGolden(QStringLiteral("CensusByStationWithAge.csv"), shown.csv);
}

TEST_P(PatientReportRowsTest, DischargeNoticeListShowsThePharmacysNoticesClearedOrNot) {
    addWard(db());
    const QString insert = QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, "
                                          "DischargeNurse, ClearDate) VALUES (?, ?, ?, ?, ?)");
    const QDate d(2026, 12, 9);
    const QVariant open(QMetaType::fromType<QDateTime>());
    db().execute(insert, {"260003", "PH", QDateTime(d, QTime(14, 20)), "N. VILLANUEVA", open});
    db().execute(insert, {"260001", "PH", QDateTime(d, QTime(8, 5)), "M. SANTOS, RN, WITH A NAME LONG ENOUGH TO WRAP",
                          QDateTime(d, QTime(11, 0))});
    db().execute(insert, {"260002", "LAB", QDateTime(d, QTime(9, 0)), "N. VILLANUEVA", open});
    const Shown shown = show(17);
    expectReportGolden(QStringLiteral("PatientsWithDischargeNotice.txt"), shown.text);
    expectReportGolden(QStringLiteral("PatientsWithDischargeNotice.csv"), shown.csv);
}

QX_ON_BOTH_ENGINES(PatientReportRowsTest);

} // namespace
