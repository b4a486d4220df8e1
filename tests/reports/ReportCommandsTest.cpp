#include "CatalogueOpening.h"
#include "mainwindow/MainMenuTable.h"
#include "mainwindow/frmPharma.h"
#include "reports/ReportCommands.h"
#include "reports/ReportDialog.h"
#include "reports/ReportWindows.h"
#include "reports/frmReportsRange.h"
#include "reports/frmStockCard.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"

#include <QApplication>

using namespace qx;
using namespace qx::test;

namespace {

// The controls whose state the commands set, by dialog.
const std::map<QString, QStringList>& describedControls() {
    static const std::map<QString, QStringList> byDialog = {
        {QStringLiteral("frmReports"), {"chkShift", "Label1", "cboShift"}},
        {QStringLiteral("frmReportsRange"), {"chkShift", "Frame1", "chkSummary", "fraDispenser"}},
        {QStringLiteral("frmReportDateRange"), {"chkSummary"}},
        {QStringLiteral("frmLocDateRange"), {"FrameLoc", "Label1", "cbLocation", "chkClassification", "frameClassification"}},
    };
    return byDialog;
}

// A dialog as it came up: name, caption, ReportType, then each described control that is hidden
// ("-") or disabled ("!") of itself.
QString describeDialog(QWidget& w) {
    const QString name = w.objectName();
    QString text = name + QStringLiteral(" '") + w.windowTitle() + QLatin1Char('\'');
    if (auto* dialog = qobject_cast<ReportDialog*>(&w))
        text += QStringLiteral(" %1").arg(dialog->ReportType());
    if (const auto it = describedControls().find(name); it != describedControls().end())
        for (const QString& control : it->second) {
            QWidget* c = w.findChild<QWidget*>(control);
            EXPECT_NE(c, nullptr) << control.toStdString();
            if (!c)
                continue;
            QString flags;
            if (c->isHidden())
                flags += QLatin1Char('-');
            if (c->testAttribute(Qt::WA_ForceDisabled))
                flags += QLatin1Char('!');
            if (!flags.isEmpty())
                text += u' ' + control + flags;
        }
    return text;
}

// Every report command over the real dialogs offscreen and the modal double.
class ReportCommandsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        RegisterReportWindowOpeners();
        for (const char* dialog : {"qx::frmReports", "qx::frmReportsRange", "qx::frmLocDateRange", "qx::frmReportEcart",
                                   "qx::frmCardTransactions", "qx::frmPDEA", "qx::frmReportFilter", "qx::frmReportDateRange",
                                   "qx::frmStationDate", "qx::frmPostedDrugs", "qx::frmDispReport", "qx::frmEmployeeReport",
                                   "qx::frmVerification"})
            platform.modal->onShow(QString::fromLatin1(dialog), [this](QWidget& w) { seen << QStringLiteral("modal ") + describeDialog(w); });
        platform.modal->onShow(QStringLiteral("qx::frmView"), [this](QWidget& w) {
            seen << QStringLiteral("modal frmView %1").arg(static_cast<frmView&>(w).WhatReport());
        });
    }
    void TearDown() override {
        closeModeless();
        ClearWindowOpeners();
        CatalogueRequestTest::TearDown();
    }
    // What a command brought up: modal windows as they were shown, modeless ones as they stand.
    QString run(const QString& command) {
        seen.clear();
        OpenWindow(command);
        QApplication::processEvents();
        QStringList out = seen;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->isModal() && w->objectName() != QStringLiteral("qx::MessageBox"))
                out << QStringLiteral("modeless ") +
                           (qobject_cast<frmView*>(w) ? QStringLiteral("frmView %1").arg(ReportWindow().WhatReport()) : describeDialog(*w));
        closeModeless();
        return out.join(u'|');
    }
    void closeModeless() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->close();
        QApplication::processEvents();
    }

    QStringList seen;
};

TEST_P(ReportCommandsTest, EveryCommandOpensItsWindowPresetAsItsRowSays) {
    struct Case {
        const char* command;
        const char* site;
        bool switch202;
        const char* reached;
    };
    const char* demo = "DEMO";
    const Case cases[] = {
        // Income and sales
        {"mnuInDetailed", demo, false, "modal frmReports 'Daily Income Report' 1"},
        {"mnuInSummarized", demo, false, "modal frmReports 'Daily Income Report Summarized' 6"},
        {"mnuDIRIP", "JAWKC", false, "modal frmReports 'Daily Income Report' 1"},
        {"mnuInPatientCompany", demo, false, "modal frmReports 'Reports' 9 chkShift!"},
        {"mnuOutDetailed", demo, false, "modal frmReports 'OPD Daily Income Report' 4"},
        {"mnuOutSummarized", demo, false, "modal frmReports 'OPD Daily Income Report Summarized' 7"},
        {"mnuOPD", demo, false, "modal frmReports 'OPD Daily Income Report' 4 chkShift!"},
        {"mnuOpdGroupByCompany", demo, false, "modal frmReports 'Reports' 10 chkShift!"},
        {"mnuKTHAdmin", demo, false, "modal frmReports 'OPD Daily Income Report Summarized' 7 chkShift!"},
        {"mnuRepSisMeds", demo, false, "modal frmReports 'Reports' 8 chkShift!"},
        {"mnuDIROut", "JAWKC", false, "modal frmReports 'Reports' 12"},
        {"mnuDIRCashSales", demo, false, "modal frmReportsRange 'Reports' 8 Frame1! fraDispenser-"},
        {"mnuDIRCashSales", demo, true, "modal frmReportsRange 'Reports' 8 Frame1!"},
        {"mnuMonDet", demo, false, "modal frmReportsRange 'Reports' 11 Frame1! chkSummary- fraDispenser-"},
        {"mnuMonSumIn", demo, false, "modal frmReportsRange 'Reports' 12 Frame1! chkSummary- fraDispenser-"},
        {"mnuMonOutDet", demo, false, "modal frmReportsRange 'Reports' 9 Frame1! chkSummary- fraDispenser-"},
        {"mnuMonSum", demo, false, "modal frmReportsRange 'Reports' 10 Frame1! chkSummary- fraDispenser-"},
        {"mnuMonCash", "KTH", false, "modal frmReportsRange 'Reports' 4 Frame1! chkSummary- fraDispenser-"},
        {"mnuTabDetailed", "ZMX", false, "modal frmReportsRange 'Reports' 92 chkShift- Frame1-! chkSummary- fraDispenser-"},
        {"mnuTabSummary", "ZMX", false, "modal frmReportsRange 'Reports' 93 chkShift- Frame1-! chkSummary- fraDispenser-"},
        {"mnuPatInPat", demo, false, "modal frmReportsRange 'Reports' 23 Frame1! chkSummary- fraDispenser-"},
        {"mnuPatOutPat", demo, false, "modal frmReportsRange 'Reports' 24 Frame1! chkSummary- fraDispenser-"},
        {"mnuECIR", demo, false, "modal frmReportEcart 'E-Cart Income Report' 11"},
        {"mnuCashDiscount", demo, false, "modal frmReportsRange 'Reports' 5 Frame1! chkSummary- fraDispenser-"},
        {"mnuIncomeSummary", demo, false, "modal frmReportsRange 'Income Summary Report' 1 Frame1! chkSummary- fraDispenser-"},
        {"mnuIncomeTransIn", "QVH", false, "modal frmReportDateRange 'Date Range' 1"},
        {"mnuIncomeTransOut", "QVH", false, "modal frmReportDateRange 'Date Range' 2"},
        {"mnuIncomeTransCash", "QVH", false, "modal frmReportDateRange 'Date Range' 3"},
        {"mnuInSummary", "JAWKC", false, "modal frmReports 'Daily Income Report Summarized' 6 chkShift!"},
        {"mnuSeniorCash", demo, false, "modal frmReportDateRange 'Date Range' 4 chkSummary-"},
        {"mnuIPDOPD", "NORVAX", false, "modal frmReportsRange 'Reports' 14 Frame1! chkSummary- fraDispenser-"},
        {"mnuConsumption1", "NORVAX", false, "modal frmReportsRange 'Reports' 15 Frame1! chkSummary- fraDispenser-"},
        {"mnuTotalDailyOutPut", "NORVAX", false, "modal frmReportsRange 'Reports' 16 Frame1! chkSummary- fraDispenser-"},
        {"mnuSummReturns", "NORVAX", false, "modal frmReportsRange 'Reports' 18 Frame1! chkSummary- fraDispenser-"},
        {"mnuDCSRep", demo, false, "modal frmReportsRange 'Reports' 21 Frame1! chkSummary- fraDispenser-"},
        // Patient, stock and others
        {"mnuAdmissionList", demo, false, "modeless frmView 1"},
        {"mnuAdmissionListDateRange", demo, false, "modal frmReportDateRange 'Date Range' 6 chkSummary-"},
        {"mnuCensusStation", demo, false, "modal frmStationDate 'Census Station' 0"},
        {"mnuDischarge", demo, false, "modal frmReports 'Daily Discharge Report' 2 chkShift!"},
        {"mnuUnitDoseList", demo, false, "modal frmView 3"},
        {"mnuForDischarge", demo, false, "modal frmReports 'Patients for Discharge' 3 chkShift! Label1! cboShift!"},
        {"mnuConsumption", demo, false, "modal frmPostedDrugs 'Drugs Consumption Report' 0"},
        {"mnuDispenserReport", demo, false, "modal frmDispReport 'Dispenser Report' 0"},
        {"mnuDRDrugConsumption", demo, false, "modal frmReportsRange 'Reports' 2 Frame1! chkSummary- fraDispenser-"},
        {"mnuPatientConfinement", demo, false, "modal frmReportsRange 'Reports' 3 Frame1! chkSummary- fraDispenser-"},
        {"mnuCensus", demo, false, "modeless frmReportsRange 'Reports' 13 Frame1! chkSummary- fraDispenser-"},
        {"mnuPHICList", demo, false, "modeless frmView 58"},
        {"mnuEmployeeMedicines", demo, false, "modal frmEmployeeReport 'Employee Medicines' 0"},
        {"mnuCardTransactions", demo, false, "modal frmCardTransactions 'Card Transactions' 0"},
        {"mnuSOAL", "FLQC", false, "modal frmReports 'Reports' 11 chkShift!"},
        {"mnuAntibiotic", demo, false, "modal frmReportDateRange 'Date Range' 5 chkSummary-"},
        {"mnuFirstDoseReport", "NORVAX", false, "modal frmReportsRange 'Reports' 19 Frame1! chkSummary- fraDispenser-"},
        {"mnuPackageRequest", "NORVAX", false, "modal frmReportsRange 'Reports' 20 Frame1! chkSummary- fraDispenser-"},
        {"mnuConsReport", "ZMX", false, "modal frmLocDateRange '' 91 FrameLoc- cbLocation!"},
        {"mnuConsReport", "HUZTO", false, "modal frmLocDateRange '' 91 FrameLoc- cbLocation!"},
        {"mnuConsReport", demo, false, "modal frmReportsRange 'Reports' 22 Frame1! chkSummary- fraDispenser-"},
        {"mnuConsReport", "K7ZA", false, "modal frmReportsRange 'Reports' 22 Frame1! chkSummary- fraDispenser-"},
        {"mnuFastSummary", demo, false, "modal frmLocDateRange '' 83 chkClassification- frameClassification-"},
        {"mnuFastSummary", "ZMX", false,
         "modal frmLocDateRange 'Fast Moving Drugs' 88 Label1- cbLocation-! chkClassification- frameClassification-"},
        {"mnuFastSummary", "HUZTO", false,
         "modal frmLocDateRange 'Fast Moving Drugs' 88 Label1- cbLocation-! chkClassification- frameClassification-"},
        {"mnuFastSummary", "K7ZA", false,
         "modal frmLocDateRange 'Fast Moving Drugs' 83 Label1- cbLocation- chkClassification- frameClassification-"},
        {"mnuFastClassification", demo, false,
         "modal frmLocDateRange '' 84 Label1- cbLocation-! chkClassification- frameClassification-"},
        {"mnuNotFastSummary", demo, false, "modal frmLocDateRange '' 85 chkClassification- frameClassification-"},
        {"mnuNotFastSummary", "ZMX", false,
         "modal frmLocDateRange 'Slow Moving Drugs' 89 Label1- cbLocation-! chkClassification- frameClassification-"},
        {"mnuNotFastSummary", "HUZTO", false,
         "modal frmLocDateRange 'Slow Moving Drugs' 89 Label1- cbLocation-! chkClassification- frameClassification-"},
        {"mnuNotFastSummary", "K7ZA", false,
         "modal frmLocDateRange 'Slow Moving Drugs' 85 Label1- cbLocation- chkClassification- frameClassification-"},
        {"mnuNotFastMovingClassification", demo, false,
         "modal frmLocDateRange '' 86 cbLocation! chkClassification- frameClassification-"},
        {"mnuPDEA", demo, false, "modal frmPDEA 'PDEA REPORT' 0"},
        {"mnuExpriringDrugs", demo, false,
         "modal frmLocDateRange 'Expiring Drugs' 90 Label1- cbLocation-! chkClassification- frameClassification-"},
        {"mnuListOfCorrectedItems", demo, false, "modal frmReportFilter 'List of Corrected Items' 0"},
        {"mnuVerification", demo, false, "modal frmVerification 'Verification' 18"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 at %2, switch 202 %3").arg(c.command, c.site).arg(c.switch202).toStdString());
        gSiteCode = QString::fromLatin1(c.site);
        gPharmaSwitches.setEnableDailyIncomeCashSalesByDispenser(c.switch202);
        EXPECT_EQ(run(QString::fromLatin1(c.command)).toStdString(), c.reached);
    }
    EXPECT_TRUE(platform.messages->boxes().empty());
    // Every command row is in the table above.
    QSet<QString> covered;
    for (const Case& c : cases)
        covered << QString::fromLatin1(c.command);
    for (const ReportCommandRow& r : ReportCommandRows())
        EXPECT_TRUE(covered.contains(r.command)) << r.command.toStdString();
    // Each is a command of the main window's menus that its window runs through the openers.
    QSet<QString> menuCommands;
    for (const MainMenuRow& row : MainMenuRows())
        if (row.kind == MenuRowKind::Command)
            menuCommands << QString::fromLatin1(row.name);
    for (const QString& command : covered) {
        EXPECT_TRUE(menuCommands.contains(command)) << command.toStdString();
        EXPECT_FALSE(frmPharma::HasOwnHandler(command)) << command.toStdString();
    }
}

TEST_P(ReportCommandsTest, AModalRequestReopensAWindowOpenModelessAndAModelessOneBringsItForward) {
    // The census open modeless, then "&Cash Sales": the range dialog comes up modal for type 8.
    OpenWindow(QStringLiteral("mnuCensus"));
    auto openRanges = [] {
        QList<frmReportsRange*> up;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* r = qobject_cast<frmReportsRange*>(w); r && r->isVisible())
                up << r;
        return up;
    };
    ASSERT_EQ(openRanges().size(), 1);
    QPointer<frmReportsRange> census = openRanges().first();
    // A second census click brings the same dialog forward.
    OpenWindow(QStringLiteral("mnuCensus"));
    ASSERT_EQ(openRanges().size(), 1);
    EXPECT_EQ(openRanges().first(), census.data());
    seen.clear();
    OpenWindow(QStringLiteral("mnuDIRCashSales"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("modal frmReportsRange 'Reports' 8 Frame1! fraDispenser-")});
    QApplication::processEvents();
    EXPECT_TRUE(census.isNull() || !census->isVisible());
    EXPECT_TRUE(openRanges().isEmpty());

    // The admission list modeless; the same command brings it forward, another report replaces it.
    OpenWindow(QStringLiteral("mnuAdmissionList"));
    frmView& window = ReportWindow();
    ASSERT_TRUE(window.isVisible());
    auto firstReport = window.report();
    OpenWindow(QStringLiteral("mnuAdmissionList"));
    EXPECT_EQ(window.report(), firstReport);
    OpenWindow(QStringLiteral("mnuPHICList"));
    EXPECT_EQ(window.WhatReport(), 58);
    EXPECT_NE(window.report(), firstReport);
    // A modal request closes it and opens it afresh.
    seen.clear();
    OpenWindow(QStringLiteral("mnuUnitDoseList"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("modal frmView 3")});
    EXPECT_FALSE(window.isVisible());
}

TEST_P(ReportCommandsTest, StockCardTwiceIsOneWindow) {
    OpenWindow(QStringLiteral("mnuStockCard"));
    OpenWindow(QStringLiteral("mnuStockCard"));
    int up = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frmStockCard*>(w) && w->isVisible())
            ++up;
    EXPECT_EQ(up, 1);
}

QX_ON_SQLITE_ONLY(ReportCommandsTest);

} // namespace
