#include "CatalogueOpening.h"
#include "IncomeFixture.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/CatalogueRow.h"
#include "shell/Session.h"

using namespace qx;
using namespace qx::test;

namespace {

// The requests of the range chooser (types 4, 5, 9 to 12, 14, 17, 23, 24, 92, 93), the single-date
// chooser (type 11), the date-range summary chooser and the card transactions dialog.
TEST_P(CatalogueDemoTest, MonthlyIncomeReportsOpenOnTheDemoData) {
    auto shift = [](const char* s) { return [s](frmView& v) { v.setShift(QString::fromLatin1(s)); }; };
    expectEveryCodeOpens({
        {31, {}},
        {33, {}},
        {39, {}},
        {40, shift("")},
        {41, {}},
        {42, shift("2")},
        {43, {}},
        {44, shift("")},
        {45, {}},
        {46, shift("1")},
        {50, {}},
        {51, {}},
        {52, {}},
        {53, {}},
        {54, {}},
        {55, {}},
        {59, [](frmView& v) { v.setCardNum(QString()); v.setCardTypeID(QString()); }},
        {59, [](frmView& v) { v.setCardNum(QString()); v.setCardTypeID(QStringLiteral("2")); }},
        {60, {}},
        {62, {}},
        {65, {}},
        {68, [](frmView& v) { v.setIN_OR_OUT(1); }},
        {68, [](frmView& v) { v.setIN_OR_OUT(0); }},
        {92, {}},
        {93, {}},
        {96, {}},
        {97, {}},
    });
}

class MonthlyIncomeRowsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        frmView& v = ReportWindow();
        v.setReportDate(QDateTime(QDate(2026, 12, 9), QTime(15, 30)));
        v.setStartDate(QStringLiteral("12/01/2026"));
        v.setEndDate(QStringLiteral("12/10/2026"));
        v.setShift(QStringLiteral("2"));
        v.setCardNum(QStringLiteral("LC-000101"));
        v.setCardTypeID(QStringLiteral("1"));
        v.setIN_OR_OUT(1);
        gLocationID = QStringLiteral("186");
    }
};

TEST_P(MonthlyIncomeRowsTest, EachCodeOpensItsFileWithItsCaptionNamesValuesAndPath) {
    setKelvarHospital(true);
    const QStringList pair{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST"};
    const QStringList strRange{"@STRSTARTDATE=2026-12-01", "@STRENDDATE=2026-12-10", "@LOCATIONID=20"};
    const QStringList strShift = strRange + QStringList{"@STRSHIFT=2"};
    const QStringList normalRange{"@STARTDATE=2026-12-01", "@STRENDDATE=2026-12-10", "@LOCATIONID=20"};
    const QStringList range{"@STARTDATE=2026-12-01", "@ENDDATE=2026-12-10"};
    const QStringList cashNormal{"@STARTDATE=2026-12-01", "@REPORTENDDATE=2026-12-10"};
    const char* inPatient = "Monthly Income Report Summary (In-Patient)";
    const char* outPatient = "Monthly Income Report Summary (Out-Patient)";
    struct Case {
        qint16 code;
        const char* opener;
        const char* caption;
        const char* file;
        QStringList values;
        bool exported, path;
    };
    const Case cases[] = {
        {31, "OpenMonthlyCashReport", "Monthly Income Report Summary", "MonthlyCashReport.rpt",
         pair + QStringList{"@StartDate=2026-12-01", "@EndDate=2026-12-10"}, true, true},
        {33, "OpenReportCashPharmacyWithDiscount", "Cash Pharmacy Discount", "ReportCashPharmacyWithDiscount.rpt",
         {"@StartDate=2026-12-01", "@EndDate=2026-12-10"}, true, false},
        {39, "OpenReportOutPatientMonthlyDetailed", outPatient, "ReportOutPatientMonthlyDetailed.rpt", pair + strRange, true, true},
        {40, "OpenReportOutPatientMonthlyDetailedShift", inPatient, "ReportOutPatientMonthlyDetailedShift.rpt", pair + strShift, true,
         true},
        {41, "OpenReportOutPatientMonthlySummary", outPatient, "ReportOutPatientMonthlySummary.rpt", pair + strRange, true, true},
        {42, "OpenReportOutPatientMonthlySummaryShift", inPatient, "ReportOutPatientMonthlySummaryShift.rpt", pair + strShift, true, true},
        {43, "OpenMonthlyInPatientIncomeReportDetailed", inPatient, "MonthlyInPatientIncomeReportDetailed.rpt", pair + strRange, true, true},
        {44, "OpenMonthlyInPatientIncomeReportDetailedShift", inPatient, "MonthlyInPatientIncomeReportDetailedShift.rpt", pair + strShift,
         true, true},
        {45, "OpenMonthlyInPatientIncomeReportSummary", inPatient, "MonthlyInPatientIncomeReportSummary.rpt", pair + strRange, true, true},
        {46, "OpenMonthlyInPatientIncomeReportSummaryShift", inPatient, "MonthlyInPatientIncomeReportSummaryShift.rpt", pair + strShift,
         true, true},
        {50, "OpenCashdailySalesNormal", "Pharmacy Cash Sales Income Report", "CashdailySales_Normal.rpt", pair + cashNormal, true, true},
        {51, "OpenCashDailySalesSummaryNormal", "Pharmacy Cash Sales Income Report (Summary)", "CashDailySalesSummary_Normal.rpt",
         pair + cashNormal, true, true},
        {52, "OpenReportOutPatientMonthlySummaryNormal", outPatient, "ReportOutPatientMonthlySummary_Normal.rpt", pair + normalRange,
         true, true},
        {53, "OpenReportOutPatientMonthlyDetailedNormal", outPatient, "ReportOutPatientMonthlyDetailed_Normal.rpt", pair + normalRange,
         true, true},
        {54, "OpenMonthlyInPatientIncomeReportDetailedNormal", "Monthly Income Report Detailed (In-Patient)",
         "MonthlyInPatientIncomeReportDetailed_Normal.rpt", pair + strRange, true, true},
        {55, "OpenMonthlyInPatientIncomeReportSummaryNormal", inPatient, "MonthlyInPatientIncomeReportSummary_Normal.rpt",
         pair + strRange, true, true},
        {59, "OpenCardDiscountReport", "Card Transactions", "CardDiscountReport.rpt",
         pair + range + QStringList{"@CARDNUM=LC-000101", "@CARDTYPEID=1", "USER=DELA CRUZ, JUAN"}, true, false},
        {60, "OpenStatementAccountListing", "Statement Of Account Listing", "StatementAccountListing.rpt",
         {"@STARTDATE=2026-12-09", "@ENDDATE=2026-12-09"}, true, false},
        {62, "OpenPharmaSCReport", "Senior Citizen Logbook (Cash Transactions)", "Pharma_SCReport.rpt", pair + range, true, false},
        {65, "OpenSummarySalesLog", "Summary of IPD/OPD/Sales", "SummarySalesLog.rpt", pair + range, true, false},
        {68, "OpenPharmaIncomeReportNORVAX", "Pharmacy Income Report", "PharmaIncomeReport_NORVAX.rpt",
         pair + range + QStringList{"@INOROUT=1"}, true, false},
        {92, "OpenTabulatedIncomeReportDetailed", "Tabulated Detailed Income Report Detailed", "TabulatedIncomeReportDetailed.rpt",
         pair + range, false, false},
        {93, "OpenTabulatedIncomeReportSummarized", "Tabulated Summarized Income Report Summary", "TabulatedIncomeReportSummarized.rpt",
         pair + range, false, false},
        {96, "OpenMonthlyIncomeReportPerItem", "Monthly Income Report Per Item - (In-Patient)", "MonthlyIncomeReportPerItem.rpt",
         pair + strRange, false, false},
        {97, "OpenMonthlyIncomeReportPerItemOPD", "Monthly Income Report Per Item - (Out-Patient)", "MonthlyIncomeReportPerItemOPD.rpt",
         pair + strRange, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const ReportOpenerEntry* entry = FindReportOpener(c.code);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->procedureName, QString::fromLatin1(c.opener));
        platform.messages->clear();
        platform.messages->answer(vbNo);
        const Shown shown = show(c.code);
        EXPECT_EQ(shown.caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(shown.file, QString::fromLatin1(c.file));
        EXPECT_EQ(shown.values, c.values);
        EXPECT_EQ(platform.messages->boxes().size(), c.exported ? 1u : 0u);
        const QString path = entry->open(ReportWindow()).reportPath;
        EXPECT_EQ(QFileInfo(path).fileName(), c.path ? QString::fromLatin1(c.file) : QString());
    }
    // 68's kind goes as a 16-bit integer.
    for (const CatalogueRow& row : MonthlyIncomeReportRows()) {
        for (const RowParameter& p : row.parameters) {
            if (p.name == QLatin1String("@INOROUT")) {
                EXPECT_EQ(p.value(ReportWindow()).typeId(), QMetaType::Short);
            }
        }
    }
}

TEST_P(MonthlyIncomeRowsTest, TheInPatientMonthsAreAlsoExportedAtKTH) {
    struct Case {
        const char* site;
        bool kelvar;
        qint16 code;
        bool offered;
    };
    const Case cases[] = {
        {"KTH", false, 43, true}, {"KTH", false, 46, true}, {"KTH", false, 39, false}, {"KTH", false, 42, false},
        {"QVH", false, 43, false}, {"QVH", true, 45, true}, {"QVH", true, 41, true}, {"KTH", true, 92, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(QLatin1String(c.site)).arg(c.kelvar).arg(c.code).toStdString());
        gSiteCode = QString::fromLatin1(c.site);
        setKelvarHospital(c.kelvar);
        EXPECT_EQ(FindReportOpener(c.code)->open(ReportWindow()).exportFlag, c.offered);
    }
}

TEST_P(MonthlyIncomeRowsTest, EachRowKnowsOnlyItsOwnSpellingOfTheNames) {
    gSiteCode = QStringLiteral("QVH");
    const QString declared = QStringLiteral(
        "parameter @STARTDATE date\nparameter @StartDate date\nparameter hospitalname text\nparameter HOSPITALNAME text\n"
        "parameter @STRSTARTDATE date\nparameter @ENDDATE date\nparameter @REPORTENDDATE date\n");
    for (const char* file : {"MonthlyCashReport.rpt", "ReportCashPharmacyWithDiscount.rpt", "ReportOutPatientMonthlySummary_Normal.rpt",
                             "ReportOutPatientMonthlyDetailed_Normal.rpt", "CashdailySales_Normal.rpt", "CashDailySalesSummary_Normal.rpt"})
        writeProgramFile(QStringLiteral("Reports/QVH/") + QLatin1String(file), declared);
    const QStringList exactWithPair{"@STARTDATE=-",          "@StartDate=2026-12-01", "hospitalname=-",     "HOSPITALNAME=ST. JUDE'S HOSPITAL",
                                    "@STRSTARTDATE=-",       "@ENDDATE=-",            "@REPORTENDDATE=-"};
    const QStringList normal{"@STARTDATE=2026-12-01", "@StartDate=2026-12-01", "hospitalname=ST. JUDE'S HOSPITAL",
                             "HOSPITALNAME=ST. JUDE'S HOSPITAL", "@STRSTARTDATE=-", "@ENDDATE=-", "@REPORTENDDATE=-"};
    QStringList cash = normal;
    cash[6] = QStringLiteral("@REPORTENDDATE=2026-12-10");
    EXPECT_EQ(show(31).values, exactWithPair);
    QStringList noPair = exactWithPair;
    noPair[3] = QStringLiteral("HOSPITALNAME=-");
    EXPECT_EQ(show(33).values, noPair);
    EXPECT_EQ(show(52).values, normal);
    EXPECT_EQ(show(53).values, normal);
    EXPECT_EQ(show(50).values, cash);
    EXPECT_EQ(show(51).values, cash);
}

// ---- Figures over the small day ----

class MonthlyIncomeFiguresTest : public MonthlyIncomeRowsTest {
protected:
    void SetUp() override {
        MonthlyIncomeRowsTest::SetUp();
        if (IsSkipped())
            return;
        addIncomeDay(db());
        ReportWindow().setShift(QString());
    }
};

TEST_P(MonthlyIncomeFiguresTest, DetailedSummaryAndPerShiftFilesAgreeOnTheMonth) {
    struct Family {
        QList<qint16> plain;  // detailed and summary files of one family
        QList<qint16> perShift;
        const char* total;
    };
    const Family families[] = {
        {{43, 45, 54, 55, 96}, {44, 46}, "427.60"},  // in-patients at "20": the line at "186" is left out
        {{39, 41, 52, 53, 97}, {40, 42}, "50.00"},
        {{50, 51, 31}, {}, "171.75"},
    };
    for (const Family& f : families) {
        for (qint16 code : f.plain)
            EXPECT_EQ(netOf(code), QString::fromLatin1(f.total)) << code;
        for (qint16 code : f.perShift) {
            double sum = 0;
            for (const char* shift : {"1", "2", "3"}) {
                ReportWindow().setShift(QString::fromLatin1(shift));
                sum += netOf(code).toDouble();
            }
            ReportWindow().setShift(QString());
            EXPECT_EQ(QString::number(sum, 'f', 2), QString::fromLatin1(f.total)) << code;
            EXPECT_EQ(netOf(code), QString::fromLatin1(f.total)) << code;
        }
    }
    EXPECT_EQ(netOf(65), QStringLiteral("659.35"));
    EXPECT_EQ(netOf(92), QStringLiteral("659.35"));
    EXPECT_EQ(netOf(93), QStringLiteral("659.35"));
    ReportWindow().setIN_OR_OUT(0);
    EXPECT_EQ(netOf(68), QStringLiteral("50.00"));
    EXPECT_EQ(netOf(33), QStringLiteral("36.00"));
}

TEST_P(MonthlyIncomeFiguresTest, PerShiftSummaryCardsAndTabulatedRenderAsTheirGoldenFiles) {
    const Shown perShift = show(46);
    expectReportGolden(QStringLiteral("MonthlyInPatientIncomeReportSummaryShift.txt"), perShift.text);
    expectReportGolden(QStringLiteral("MonthlyInPatientIncomeReportSummaryShift.csv"), perShift.csv);

    db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, CardTypeID) VALUES "
                                "('LC-000101', 'VILLANUEVA', 'CARLO', 1), ('MC-000201', 'FLORES', 'DANTE', 2)"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES (1, 'LOYALTY CARD', 'A'), "
                                "(2, 'MANUFACTURER CARD', 'A')"));
    const QString sale = QStringLiteral(
        "INSERT INTO billing.tbCashAssessment (RefNum, ItemID, Name, Quantity, Amount, Discount, TransDate, CardNum, CardTypeID) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    db().execute(sale, {"PH880001", "D0001", "VILLANUEVA, CARLO", 10, 22.5, 1.13, QDateTime(QDate(2026, 12, 2), QTime(10, 0)),
                        "LC-000101", "1"});
    db().execute(sale, {"PH880002", "D0002", "FLORES, DANTE", 2, 83, 8.3, QDateTime(QDate(2026, 12, 9), QTime(16, 45)),
                        "MC-000201", "2"});
    db().execute(sale, {"PH880003", "D0002", "NO CARD", 1, 41.5, 0, QDateTime(QDate(2026, 12, 9), QTime(17, 0)), "", ""});
    db().execute(sale, {"PH880004", "D0001", "VILLANUEVA, CARLO", 1, 2.25, 0.11, QDateTime(QDate(2026, 12, 11), QTime(9, 0)),
                        "LC-000101", "1"});
    ReportWindow().setCardNum(QString());
    ReportWindow().setCardTypeID(QString());
    const Shown cards = show(59);
    expectReportGolden(QStringLiteral("CardDiscountReport.txt"), cards.text);
    expectReportGolden(QStringLiteral("CardDiscountReport.csv"), cards.csv);

    const Shown tabulated = show(92);
    expectReportGolden(QStringLiteral("TabulatedIncomeReportDetailed.txt"), tabulated.text);
    expectReportGolden(QStringLiteral("TabulatedIncomeReportDetailed.csv"), tabulated.csv);
}

QX_ON_BOTH_ENGINES(MonthlyIncomeRowsTest);
QX_ON_BOTH_ENGINES(MonthlyIncomeFiguresTest);

} // namespace
