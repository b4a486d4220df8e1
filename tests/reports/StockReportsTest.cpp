#include "CatalogueOpening.h"
#include "platform/report/ReportFixtures.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/CatalogueRow.h"
#include "shell/Switches.h"

using namespace qx;
using namespace qx::test;

namespace {

QString inMonths(int months) { return QDate::currentDate().addMonths(months).toString(QStringLiteral("MM/dd/yyyy")); }

// The requests of the stock dialogs: drug consumption and logbook (7, 22), the range chooser
// (21, 66, 67, 78), the e-cart dialog (80), the location and range dialog (83 to 86, 88 to 91)
// and the dangerous-drug dialog (87). An empty drug code is every drug.
const QList<CodeOpening>& stockReportOpenings() {
    static const QList<CodeOpening> openings{
        {7, [](frmView& v) { v.setDrugCode(QString()); }, QStringLiteral("DEMO")},
        {7, [](frmView& v) { v.setDrugCode(QString()); v.setChecked(false); }, QStringLiteral("GIVRC")},
        {7, [](frmView& v) { v.setDrugCode(QStringLiteral("D0001")); v.setChecked(true); }, QStringLiteral("KTH")},
        {21, {}},
        {22, [](frmView& v) { v.setDrugCode(QStringLiteral("D0002")); v.setChecked(true); }},
        {22, [](frmView& v) { v.setDrugCode(QString()); v.setChecked(false); }},
        {66, {}},
        {67, {}},
        {78, [](frmView& v) { v.ItemClassificationID = QStringLiteral("%"); }},
        {80, [](frmView& v) { v.setPatientType(QStringLiteral("ALL")); }, QString(), [] { gECartLocationID = QStringLiteral("20"); }},
        {80, [](frmView& v) { v.setPatientType(QStringLiteral("OPD")); }, QString(), [] { gECartLocationID = QStringLiteral("20"); }},
        {81, {}},
        {82, {}},
        {83, [](frmView& v) { v.LocationID = QStringLiteral("20"); }},
        {84, {}},
        {85, [](frmView& v) { v.LocationID = QStringLiteral("186"); }},
        {86, {}},
        {87, [](frmView& v) { v.ItemID = QString(); }},
        {88, {}},
        {89, {}},
        {90, [](frmView& v) { v.setStartDate(inMonths(0)); v.setEndDate(inMonths(6)); }},
        {91, [](frmView& v) { v.ItemClassificationID = QStringLiteral("C01"); }},
    };
    return openings;
}

TEST_P(CatalogueDemoTest, StockReportsOpenOnTheDemoDataInEachFileVariant) {
    expectEveryCodeOpens(stockReportOpenings());
}

} // namespace

namespace {

// One request that fills every member the stock codes read.
class StockReportRowsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        frmView& v = ReportWindow();
        v.setStartDate(QStringLiteral("12/01/2026"));
        v.setEndDate(QStringLiteral("12/09/2026"));
        v.setDrugCode(QStringLiteral("D0003"));
        v.setDrugName(QStringLiteral("CEFUROXIME 500 MG TABLET"));
        v.setOnHand(QStringLiteral("240"));
        v.setPatientType(QStringLiteral("IPD"));
        v.LocationID = QStringLiteral("186");
        v.ItemID = QStringLiteral("D0033");
        v.ItemClassificationID = QStringLiteral("C01");
        gLocationID = QStringLiteral("186");
        gECartLocationID = QStringLiteral("25");
    }
};

TEST_P(StockReportRowsTest, EachCodeOpensItsFileWithItsCaptionNamesValuesAndExportOffer) {
    setKelvarHospital(true);
    const QStringList pair{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST"};
    const QStringList range{"@STARTDATE=2026-12-01", "@ENDDATE=2026-12-09"};
    const QStringList strRange{"@STRSTARTDATE=2026-12-01", "@STRENDDATE=2026-12-09"};
    const QStringList logbook = pair + strRange +
                                QStringList{"@STRITEMID=D0003", "DRUGNAME=CEFUROXIME 500 MG TABLET", "ONHAND=240", "@LOCATIONID=17"};
    struct Case {
        qint16 code;
        const char* site;
        bool checked;
        const char* opener;
        const char* caption;
        const char* file;
        QStringList values;
        bool offersExport;
    };
    const Case cases[] = {
        {7, "GIVRC", true, "OpenDistributionReport", "Drug Distribution Report", "DistributionReport.rpt", logbook, true},
        {7, "KTH", false, "OpenDistributionReport", "Drug Distribution Report", "DistributionReport.rpt",
         logbook.mid(0, 7) + QStringList{"@LOCATIONID=20"}, true},
        {7, "QVH", true, "OpenDistributionReport", "Drug Distribution Report", "DrugConsumptionReportWBX.rpt",
         pair + QStringList{"@ITEMID=D0003"} + range, true},
        {21, "QVH", true, "OpenDistributionReportAll", "Distribution Report ALL", "DistributionReportAll.rpt",
         pair + strRange + QStringList{"@LOCATIONID=20"}, true},
        {22, "QVH", true, "OpenDistributionReportLogbook", "Drug Distribution Report", "DistributionReportLogbook.rpt", logbook, true},
        {22, "QVH", false, "OpenDistributionReportLogbook", "Drug Distribution Report", "DistributionReportLogbook.rpt",
         logbook.mid(0, 7) + QStringList{"@LOCATIONID=20"}, true},
        {66, "QVH", false, "OpenReportConsumptionIssuancePharma", "CMB/Pharmacy Issuance", "ReportConsumptionIssuance_Pharma.rpt",
         range + pair, true},
        {67, "QVH", false, "OpenReportPharmacyTotalDailyOutputPharma", "CMB/Pharmacy Total Daily Output",
         "ReportPharmacyTotalDailyOutput_Pharma.rpt", range + pair, true},
        {78, "QVH", false, "OpenConsumptionReport", "Admission List Report", "ConsumptionReport.rpt",
         QStringList{"@LOCATIONID=20"} + range + QStringList{"@ITEMCLASSIFICATIONID=C01"}, true},
        {80, "QVH", false, "OpenEcartIncomeReport", "Emergency Cart Income Report", "EcartIncomeReport.rpt",
         QStringList{"@LOCATIONID=25"} + range + pair + QStringList{"@PATIENTYPE=IPD"}, false},
        {81, "QVH", false, "OpenPharmaCriticalStocks", "Critical Stocks Report", "PharmaCriticalStocks.rpt", QStringList{}, false},
        {82, "QVH", false, "OpenPharmaExpiringDrugs", "Expiring Drugs Report", "PharmaExpiringDrugs.rpt",
         QStringList{"@ALERT=0"}, false},
        {83, "QVH", false, "OpenFastMovingDrugs", "Fast Moving Drugs Summary", "fastmovingdrugs.rpt",
         strRange + QStringList{"@STRLOCATIONID=186"}, false},
        {84, "QVH", false, "OpenFastMovingDrugsByClassification", "Fast Moving Drugs by Classification",
         "FastMovingDrugsByClassification.rpt", strRange + QStringList{"@BYCLASSIFI=1"}, false},
        {85, "QVH", false, "OpenNotFastMovingDrugs", "Not Fast Moving Drugs Summary", "NotFastMovingDrugs.rpt",
         strRange + QStringList{"@STRLOCATIONID=186"}, false},
        {86, "QVH", false, "OpenNotFastMovingDrugsByClassification", "Not Fast Moving Drugs by Classification",
         "NotFastMovingDrugsByClassification.rpt", strRange + QStringList{"@BYCLASSIFI=1"}, false},
        {87, "QVH", false, "OpenPDEAReport", "Form1", "PDEAReport.rpt", QStringList{"@ITEMID=D0033"} + range, false},
        {88, "QVH", false, "OpenDrugSpeed", "Form1", "DrugSpeed.rpt", QStringList{"@ISFAST=true"} + range, false},
        {89, "QVH", false, "OpenDrugSpeed", "Form1", "DrugSpeed.rpt", QStringList{"@ISFAST=false"} + range, false},
        {90, "QVH", false, "OpenDrugsAndMedsExpiryReport", "Form1", "DrugsAndMedsExpiryReport.rpt", range, false},
        {91, "QVH", false, "OpenConsumptionOfMeds", "Admission List Report", "ConsumptionofMeds.rpt",
         QStringList{"@CLASSIFICATIONID=C01"} + range, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("code %1 at %2").arg(c.code).arg(QLatin1String(c.site)).toStdString());
        gSiteCode = QString::fromLatin1(c.site);
        ReportWindow().setChecked(c.checked);
        const Shown shown = showThrough(c.code, c.opener);
        EXPECT_EQ(shown.caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(shown.file, QString::fromLatin1(c.file));
        EXPECT_EQ(shown.values, c.values);
        EXPECT_TRUE(shown.groupTree);
        EXPECT_EQ(platform.messages->boxes().size(), c.offersExport ? 1u : 0u);
    }
    for (const CatalogueRow& row : StockReportRows())
        EXPECT_FALSE(row.opened.takesPath) << row.code;
}

TEST_P(StockReportRowsTest, DrugSpeedTakesABooleanAndTheLocationsComeAsText) {
    const frmView& v = ReportWindow();
    for (const CatalogueRow& row : StockReportRows())
        for (const RowParameter& p : row.parameters) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(row.code).arg(p.name).toStdString());
            // Drug speed's flag is a Boolean and the expiry list's alert the integer 0; the rest is text.
            const QMetaType::Type expected = p.name == QLatin1String("@ISFAST")  ? QMetaType::Bool
                                             : p.name == QLatin1String("@ALERT") ? QMetaType::Int
                                                                                 : QMetaType::QString;
            EXPECT_EQ(p.value(v).typeId(), expected);
        }
    // With pharmacy switch 1 off there is no e-cart location: the report gets empty text.
    gECartLocationID.clear();
    EXPECT_EQ(show(80).values.first(), QStringLiteral("@LOCATIONID="));
}

// Four items over the first days of December: paracetamol moves fast, amoxicillin a little,
// morphine twice with one return, tramadol not at all; one issue falls after the range.
void addMovements(Connection& db) {
    db.execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName) VALUES "
                              "('C01', 'ANTIBIOTICS'), ('C02', 'ANALGESICS'), ('C04', 'Dangerous Drug - Regulated')"));
    db.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc, ItemClassificationID) VALUES "
                              "('D0001', 'PARACETAMOL', '500 MG TABLET', 'C02'), ('D0002', 'AMOXICILLIN', '500 MG CAPSULE', 'C01'), "
                              "('D0033', 'MORPHINE SULFATE', '10 MG/ML AMPULE', 'C04'), ('D0034', 'TRAMADOL', '50 MG CAPSULE', 'C04')"));
    db.execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand) VALUES ('D0001', '20', 500), ('D0002', '20', 90), "
                              "('D0033', '20', 39), ('D0034', '20', 200)"));
    db.execute(QStringLiteral("INSERT INTO build_file.tbCoDoctor (doctorid, LastName, FirstName, s2number) VALUES "
                              "('D001', 'REYES', 'JOSE', 'S2-10442')"));
    db.execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName) VALUES ('000101', 'DELA CRUZ', 'JUAN')"));
    db.execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum, DoctorID, AdmDate) VALUES ('260001', '000101', 'D001', ?)"),
               {QDateTime(QDate(2026, 11, 30), QTime(8, 0))});
    const QString insert = QStringLiteral(
        "INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, TransDate, Quantity, Balance, Amount) "
        "VALUES (?, ?, '260001', ?, '20', ?, ?, ?, ?)");
    const QDate d(2026, 12, 1);
    db.execute(insert, {"00000201", "D0001", "PH", QDateTime(d, QTime(8, 0)), 20, 510, 22.2});
    db.execute(insert, {"00000202", "D0001", "PH", QDateTime(d.addDays(3), QTime(9, 0)), 10, 500, 11.1});
    db.execute(insert, {"00000201", "D0002", "PH", QDateTime(d, QTime(8, 0)), 10, 90, 41.5});
    db.execute(insert, {"00000203", "D0033", "PH", QDateTime(d.addDays(1), QTime(22, 0)), 1, 39, 123.5});
    db.execute(insert, {"00000204", "D0033", "PH", QDateTime(d.addDays(2), QTime(22, 0)), 1, 38, 123.5});
    db.execute(insert, {"00000204", "D0033", "PC", QDateTime(d.addDays(2), QTime(23, 0)), 1, 39, 123.5});
    db.execute(insert, {"00000299", "D0034", "PH", QDateTime(d.addDays(9), QTime(8, 0)), 5, 195, 44.5});
}

TEST_P(StockReportRowsTest, DrugSpeedListsTheFastAndTheSlowDrugsApart) {
    addMovements(db());
    for (const auto& [code, name] : {std::pair{qint16(88), "DrugSpeed_Fast"}, std::pair{qint16(89), "DrugSpeed_Slow"}}) {
        SCOPED_TRACE(code);
        const Shown shown = show(code);
        expectReportGolden(QString::fromLatin1(name) + QStringLiteral(".txt"), shown.text);
        expectReportGolden(QString::fromLatin1(name) + QStringLiteral(".csv"), shown.csv);
    }
}

TEST_P(StockReportRowsTest, DangerousDrugReportListsEachIssueWithItsDoctorsLicence) {
    addMovements(db());
    ReportWindow().ItemID.clear();
    const Shown shown = show(87);
    expectReportGolden(QStringLiteral("PDEAReport.txt"), shown.text);
    expectReportGolden(QStringLiteral("PDEAReport.csv"), shown.csv);
    // One drug named: only its lines.
    ReportWindow().ItemID = QStringLiteral("D0034");
    EXPECT_EQ(show(87).csv.count(u'\n'), 1);
}

TEST_P(StockReportRowsTest, CriticalStocksListTheMainPharmacysActiveItemsAtOrBelowTheirMinimum) {
    addMovements(db());
    db().execute(QStringLiteral("UPDATE tbInvent SET ItemStatus = 0, MinStockLevel = 100"));
    db().execute(QStringLiteral("UPDATE tbInvent SET ItemStatus = 1 WHERE ItemID = 'D0033'"));  // inactive: left out
    // Exactly at the minimum counts; another location's shortage does not.
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 100 WHERE ItemID = 'D0034'"));
    db().execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand, MinStockLevel, ItemStatus) "
                                "VALUES ('D0001', '30', 2, 100, 0)"));
    const Shown shown = show(81);
    expectReportGolden(QStringLiteral("PharmaCriticalStocks.txt"), shown.text);
    expectReportGolden(QStringLiteral("PharmaCriticalStocks.csv"), shown.csv);
}

QX_ON_BOTH_ENGINES(StockReportRowsTest);

} // namespace
