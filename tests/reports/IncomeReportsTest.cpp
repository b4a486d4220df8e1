#include "CatalogueOpening.h"
#include "IncomeFixture.h"
#include "platform/report/ReportFixtures.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/CatalogueRow.h"
#include "shell/Session.h"
#include "shell/Switches.h"

using namespace qx;
using namespace qx::test;

namespace {

void setIncomeSwitch(Connection& db, const char* key, bool on) {
    db.execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {QString::fromLatin1(key)});
    db.execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {QString::fromLatin1(key), on ? 1 : 0});
    gPharmaSwitches.Load(db, QString());
}

// The requests of the daily choosers (a report date, a shift) and the range chooser's cash
// sales (a range, a shift, a dispenser), one per file variant; 15 reads the receipt staged for
// employee 1001.
TEST_P(CatalogueDemoTest, IncomeReportsOpenOnTheDemoDataInEveryFileVariant) {
    auto switches = [this](bool byDispenser, bool standAlone) {
        return [this, byDispenser, standAlone] {
            setIncomeSwitch(db(), "202", byDispenser);
            setIncomeSwitch(db(), "24", standAlone);
        };
    };
    auto cash = [](const char* dispenser, const char* shift) {
        return [dispenser, shift](frmView& v) {
            v.setDispenserCode(QString::fromLatin1(dispenser));
            v.setShift(QString::fromLatin1(shift));
        };
    };
    auto shift = [](const char* s) { return [s](frmView& v) { v.setShift(QString::fromLatin1(s)); }; };
    expectEveryCodeOpens({
        {4, {}},
        {5, {}},
        {8, {}},
        {12, {}},
        {13, {}},
        {15, [](frmView& v) { v.setEmployeeNumber(QStringLiteral("1001")); v.setChecked(true); }},
        {23, {}},
        {24, {}},
        {27, {}},
        {28, {}},
        {29, cash("1001", ""), QString(), switches(false, false)},
        {29, cash("", ""), QString(), switches(true, false)},
        {29, cash("1001", ""), QString(), switches(true, false)},
        {34, shift("")},
        {35, shift("")},
        {36, shift("")},
        {37, shift("")},
        {38, cash("1001", "1"), QString(), switches(false, false)},
        {38, cash("", "2"), QString(), switches(false, true)},
        {38, cash("1001", "1"), QString(), switches(false, true)},
        {48, cash("", ""), QString(), switches(false, false)},
        {48, cash("", ""), QString(), switches(false, true)},
        {48, cash("", "2"), QString(), switches(false, true)},
        {48, cash("1001", "2"), QString(), switches(false, true)},
        {64, shift("")},
        {73, shift("")},
    });
}

// A request with every member these codes read.
class IncomeReportRowsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        frmView& v = ReportWindow();
        v.setReportDate(QDateTime(QDate(2026, 12, 9), QTime(15, 30)));
        v.setStartDate(QStringLiteral("12/01/2026"));
        v.setEndDate(QStringLiteral("12/09/2026"));
        v.setDispenserCode(QStringLiteral("1001"));
        v.setShift(QStringLiteral("2"));
        v.setEmployeeNumber(QStringLiteral("WS01"));
        gLocationID = QStringLiteral("186");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        gCashSeniorDiscountRate = 20;
    }
    void setSwitch(const char* key, bool on) { setIncomeSwitch(db(), key, on); }
};

TEST_P(IncomeReportRowsTest, EachCodeOpensItsFileWithItsCaptionNamesValuesExportAndPath) {
    setKelvarHospital(true);
    const QStringList pair{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST"};
    const QStringList reportDay = pair + QStringList{"@STRREPORTDATE=2026-12-09", "@LOCATIONID=186"};
    const QStringList transDay = pair + QStringList{"@STRTRANSDATE=2026-12-09", "@LOCATIONID=186"};
    const QStringList range{"@STARTDATE=2026-12-01", "@ENDDATE=2026-12-09"};
    struct Case {
        qint16 code;
        const char* opener;
        const char* caption;
        const char* file;
        QStringList values;
        bool path;
    };
    const Case cases[] = {
        {4, "OpenIncomeReport", "Daily Income Report", "IncomeReport.rpt", reportDay, true},
        {5, "OpenIncomeReportOPD", "Daily Income Report (OPD)", "IncomeReportOPD.rpt", transDay, true},
        {8, "OpenCashDailyIncome", "Cash Daily Income Report", "CashDailyIncome.rpt", pair + QStringList{"@STRREPORTDATE=2026-12-09"},
         true},
        {12, "OpenIncomeReportOPDKTH", "Daily Income Report (KTH)", "IncomeReportOPDKTH.rpt",
         pair + QStringList{"@STRTRANSDATE=2026-12-09"}, false},
        {13, "OpenIncomeReportOPDSis", "Daily Income Report (Sister's Medicines)", "IncomeReportOPDSis.rpt",
         pair + QStringList{"@STRTRANSDATE=2026-12-09"}, false},
        {23, "OpenIncomeReportPerCompany", "Daily Income Report", "IncomeReport_PerCompany.rpt", {"@STRTRANSDATE=2026-12-09"}, false},
        {24, "OpenIncomeReportOPDPerCompany", "Daily Income Report (OPD)", "IncomeReportOPD_PerCompany.rpt",
         {"@STRTRANSDATE=2026-12-09"}, false},
        {27, "OpenIncomeReportSumm", "Daily Income Report (Summarized)", "IncomeReportSumm.rpt", reportDay, true},
        {28, "OpenIncomeReportOPDSumm", "Out Patient Daily Income Report (Summarized)", "IncomeReportOPDSumm.rpt", transDay, true},
        {29, "OpenCashDailySales", "Pharmacy Cash Sales Income Report", "CashDailySales.rpt",
         pair + range + QStringList{"@DISPENSERCODE=1001"}, true},
        {34, "OpenIncomeReportShift", "Daily Income Report Per Shift", "IncomeReportShift.rpt", reportDay + QStringList{"@STRSHIFT=2"},
         true},
        {35, "OpenIncomeReportSummShift", "Daily Income Report Per Shift (Summarized)", "IncomeReportSummShift.rpt",
         reportDay + QStringList{"@STRSHIFT=2"}, true},
        {36, "OpenIncomeReportOPDShift", "Daily Income Report Per Shift (OPD)", "IncomeReportOPDShift.rpt",
         transDay + QStringList{"@STRSHIFT=2"}, true},
        {37, "OpenIncomeReportOPDSummShift", "Out Patient Daily Income Report Per Shift (Summarized)",
         "IncomeReportOPDSummShift.rpt", transDay + QStringList{"@STRSHIFT=2"}, true},
        {38, "OpenCashDailySalesShift", "Pharmacy Cash Sales Income Report Per Shift", "CashDailySalesShift.rpt",
         pair + range + QStringList{"@DISPENSERCODE=1001", "@STRSHIFT=2"}, true},
        {48, "OpenCashDailySalesSummary", "Pharmacy Cash Sales Income Report (Summary)", "CashDailySalesSummary.rpt",
         pair + range + QStringList{"@DISPENSERCODE=1001"}, true},
        {64, "OpenIncomeReportShiftOut", "Daily Income Report Per Shift", "IncomeReportShiftOut.rpt",
         reportDay + QStringList{"@STRSHIFT=2"}, true},
        {73, "OpenDailyCreditSalesReport", "Daily Credit Sales Report", "DailyCreditSalesReport.rpt",
         pair + range + QStringList{"@SHIFT=2"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const Shown shown = showThrough(c.code, c.opener);
        EXPECT_EQ(shown.caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(shown.file, QString::fromLatin1(c.file));
        EXPECT_EQ(shown.values, c.values);
        EXPECT_TRUE(shown.groupTree);
        EXPECT_EQ(platform.messages->boxes().size(), 1u);
        // The path handed back names the export; the other codes leave it empty.
        const QString path = FindReportOpener(c.code)->open(ReportWindow()).reportPath;
        EXPECT_EQ(QFileInfo(path).fileName(), c.path ? QString::fromLatin1(c.file) : QString());
    }
    setKelvarHospital(false);
    platform.messages->clear();
    show(4);
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(IncomeReportRowsTest, CashSalesFilesFollowTheSwitchesTheDispenserAndTheShift) {
    struct Case {
        qint16 code;
        bool byDispenser;  // pharmacy switch 202
        bool standAlone;   // pharmacy switch 24
        const char* dispenser;
        const char* shift;
        const char* file;
    };
    const Case cases[] = {
        {29, false, true, "1001", "", "CashDailySales.rpt"},
        {29, true, false, "", "", "CashDailySalesSI.rpt"},
        {29, true, false, "1001", "", "CashDailySalesDispenserSI.rpt"},
        {38, true, false, "1001", "1", "CashDailySalesShift.rpt"},
        {38, false, true, "", "1", "CashDailySalesShiftSI.rpt"},
        {38, false, true, "1001", "1", "CashDailySalesShiftDispenserSI.rpt"},
        {48, true, false, "1001", "2", "CashDailySalesSummary.rpt"},
        {48, false, true, "1001", "2", "CashDailySalesSummaryDispenserSI.rpt"},
        {48, false, true, "1001", "", "CashDailySalesSummaryDispenserSI.rpt"},
        {48, false, true, "", "2", "CashDailySalesSummaryShiftSI.rpt"},
        {48, false, true, "", "", "CashDailySalesSummarySI.rpt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3 '%4' '%5'").arg(c.code).arg(c.byDispenser).arg(c.standAlone)
                         .arg(QLatin1String(c.dispenser), QLatin1String(c.shift)).toStdString());
        setSwitch("202", c.byDispenser);
        setSwitch("24", c.standAlone);
        ReportWindow().setDispenserCode(QString::fromLatin1(c.dispenser));
        ReportWindow().setShift(QString::fromLatin1(c.shift));
        const Shown shown = show(c.code);
        EXPECT_EQ(shown.file, QString::fromLatin1(c.file));
        // Every variant of a code knows the same names: the dispenser still reaches its file.
        EXPECT_TRUE(shown.values.contains(QStringLiteral("@DISPENSERCODE=") + QLatin1String(c.dispenser)));
    }
}

TEST_P(IncomeReportRowsTest, ReceiptPrintRemarksASeniorsDiscountAndKeepsTheCaption) {
    for (const auto& [checked, remark] : {std::pair{true, "Senior Citizen Discount (20%)"}, std::pair{false, ""}}) {
        SCOPED_TRACE(checked);
        ReleaseReportWindow();
        ReportWindow().setEmployeeNumber(QStringLiteral("WS01"));
        ReportWindow().setChecked(checked);
        const Shown shown = show(15);
        EXPECT_EQ(shown.caption, QStringLiteral("Form1"));
        EXPECT_EQ(shown.values, (QStringList{"@STRUSERID=WS01", QStringLiteral("REMARKS=") + QLatin1String(remark),
                                             "POSITION=PHARMACIST"}));
        EXPECT_FALSE(shown.groupTree);
    }
    gCashSeniorDiscountRate = 12.5;
    ReportWindow().setChecked(true);
    EXPECT_EQ(show(15).values[1], QStringLiteral("REMARKS=Senior Citizen Discount (12.5%)"));
}

// ---- Figures over a small day ----

class IncomeFiguresTest : public IncomeReportRowsTest {
protected:
    void SetUp() override {
        IncomeReportRowsTest::SetUp();
        if (IsSkipped())
            return;
        addIncomeDay(db());
        gLocationID = QStringLiteral("20");
        ReportWindow().setShift(QString());
    }
};

TEST_P(IncomeFiguresTest, SummarizedAndPerShiftFilesAgreeWithTheDetailedOneOnTheDay) {
    EXPECT_EQ(netOf(4), QStringLiteral("328.60"));
    EXPECT_EQ(netOf(27), QStringLiteral("328.60"));
    EXPECT_EQ(netOf(34), QStringLiteral("328.60"));
    const QStringList perShift{"105.50", "132.80", "90.30"};
    for (int shift = 1; shift <= 3; ++shift) {
        ReportWindow().setShift(QString::number(shift));
        EXPECT_EQ(netOf(34), perShift[shift - 1]) << shift;
        EXPECT_EQ(netOf(35), perShift[shift - 1]) << shift;
    }
    // Out-patients, companies and the credit sales read the same lines.
    ReportWindow().setShift(QString());
    EXPECT_EQ(netOf(5), QStringLiteral("50.00"));
    EXPECT_EQ(netOf(23), QStringLiteral("338.60"));
    EXPECT_EQ(netOf(73), QStringLiteral("388.60"));
}

TEST_P(IncomeFiguresTest, DailyIncomeCashSummaryAndReceiptRenderAsTheirGoldenFiles) {
    const Shown income = show(4);
    expectReportGolden(QStringLiteral("IncomeReport.txt"), income.text);
    expectReportGolden(QStringLiteral("IncomeReport.csv"), income.csv);

    setSwitch("24", true);
    ReportWindow().setDispenserCode(QStringLiteral("1001"));
    const Shown summary = show(48);
    EXPECT_EQ(summary.file, QStringLiteral("CashDailySalesSummaryDispenserSI.rpt"));
    expectReportGolden(QStringLiteral("CashDailySalesSummaryDispenserSI.txt"), summary.text);
    expectReportGolden(QStringLiteral("CashDailySalesSummaryDispenserSI.csv"), summary.csv);

    ReportWindow().setChecked(true);
    const Shown receipt = show(15);
    expectReportGolden(QStringLiteral("ORPrint.txt"), receipt.text);
    expectReportGolden(QStringLiteral("ORPrint.csv"), receipt.csv);
}

QX_ON_BOTH_ENGINES(IncomeReportRowsTest);
QX_ON_BOTH_ENGINES(IncomeFiguresTest);

} // namespace
