#include "ReportOpeningFixture.h"
#include "platform/ErrorHandling.h"
#include "platform/report/Report.h"
#include "platform/report/frmReportViewervbModal.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"

using namespace qx;
using namespace qx::test;

namespace {

// Five text parameters with saved values, so that a field left alone shows what it keeps.
const QString kFiveParameters = QStringLiteral(
    "title \"Five\"\n"
    "parameter P1 text default=\"s1\"\n"
    "parameter P2 text default=\"s2\"\n"
    "parameter Amount number default=\"0\"\n"
    "parameter \"refnum \" text default=\"s4\"\n"
    "parameter P5 text default=\"s5\"\n"
    "table tbInvMaster location=\"Pharmacy.dbo.tbInvMaster\"\n");

class ReportOpeningTest : public ReportingTest {
protected:
    QStringList currentValues() {
        QStringList values;
        for (auto& f : gCrystalReport->parameterFields())
            values << f.effectiveValue().toString();
        return values;
    }
};

TEST_P(ReportOpeningTest, ReportPathFollowsSiteReportsAndProgramFolders) {
    struct Case {
        const char* site;
        QStringList files;  // relative to the program folder
        const char* expected;
    };
    const Case cases[] = {
        {"QVH", {"Reports/QVH/ChargeSlip.rpt", "Reports/ChargeSlip.rpt"}, "Reports/QVH/ChargeSlip.rpt"},
        {"ZMX", {"Reports/QVH/ChargeSlip.rpt", "Reports/ChargeSlip.rpt"}, "Reports/ChargeSlip.rpt"},
        {"", {"Reports/ChargeSlip.rpt"}, "Reports/ChargeSlip.rpt"},
        {"QVH", {"ChargeSlip.rpt"}, "ChargeSlip.rpt"},
        {"QVH", {"REPORTS/qvh/CHARGESLIP.RPT"}, "REPORTS/qvh/CHARGESLIP.RPT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        QDir(platform.folders->program).removeRecursively();
        QDir().mkpath(platform.folders->program);
        for (const QString& f : c.files)
            writeProgramFile(f, QStringLiteral("title \"x\"\n"));
        gSiteCode = QString::fromLatin1(c.site);
        EXPECT_EQ(ResolveReportPath(QStringLiteral("ChargeSlip.rpt")),
                  QDir(platform.folders->program).filePath(QString::fromLatin1(c.expected)));
    }
}

TEST_P(ReportOpeningTest, MissingReportNamesTheProgramFolderCandidate) {
    gSiteCode = QStringLiteral("QVH");
    try {
        ResolveReportPath(QStringLiteral("Nowhere.rpt"));
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), kMissingReportNumber);
        EXPECT_EQ(e.description(), QStringLiteral("File ") + QDir(platform.folders->program).filePath(QStringLiteral("Nowhere.rpt")) +
                                       QStringLiteral(" does not exists."));
    }
}

TEST_P(ReportOpeningTest, ValuesFillFieldsByPositionAndLaterFieldsKeepTheirs) {
    const QString path = writeProgramFile(QStringLiteral("Reports/Five.rpt"), kFiveParameters);
    ASSERT_TRUE(OpenCrystalReport(path, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("12.50")}));
    EXPECT_EQ(currentValues(), (QStringList{"a", "b", "12.5", "s4", "s5"}));
    EXPECT_EQ(gCrystalReport->databaseTables()[0].location(), QStringLiteral("Inventory.dbo.tbInvMaster"));
    EXPECT_EQ(gCrystalReport->databaseTables()[0].logOnDatabase(), QStringLiteral("Inventory"));
}

TEST_P(ReportOpeningTest, ReportThatCannotBeOpenedIsToldAndLeavesNothingToPrint) {
    const QString broken = writeProgramFile(QStringLiteral("Reports/Broken.rpt"), QStringLiteral("parameter X colour\n"));
    const QString badValue = writeProgramFile(QStringLiteral("Reports/Five.rpt"), kFiveParameters);
    for (const auto& [path, values] : {std::pair{broken, QVariantList{}},
                                       std::pair{badValue, QVariantList{"a", "b", "not a number"}}}) {
        platform.messages->clear();
        EXPECT_FALSE(OpenCrystalReport(path, values));
        EXPECT_EQ(gCrystalReport, nullptr);
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().title, QStringLiteral("Quillax"));
        ShowCrystalReport(false, QStringLiteral("x"), false, false);
        EXPECT_TRUE(platform.modal->shown().isEmpty());
    }
}

TEST_P(ReportOpeningTest, ByNameMatchesExactNamesAndReadsNumbersFromText) {
    const QString path = writeProgramFile(QStringLiteral("Reports/Five.rpt"), kFiveParameters);
    OpenCrystalReportByName(path, QStringLiteral("Billing"),
                            {{QStringLiteral("P1"), QStringLiteral("one")},
                             {QStringLiteral("p2"), QStringLiteral("wrong case")},
                             {QStringLiteral("Amount"), QStringLiteral("12.50 pesos")},
                             {QStringLiteral("P5"), QStringLiteral("five")}});
    ASSERT_NE(gCrystalReport, nullptr);
    EXPECT_EQ(currentValues(), (QStringList{"one", "s2", "12.5", "s4", "five"}));
    EXPECT_EQ(gCrystalReport->databaseTables()[0].location(), QStringLiteral("Billing.dbo.tbInvMaster"));
}

TEST_P(ReportOpeningTest, ByNameRefusesAMissingFile) {
    const QString path = QDir(platform.folders->program).filePath(QStringLiteral("Reports/CashCM_Slip.rpt"));
    try {
        OpenCrystalReportByName(path, QStringLiteral("Inventory"), {});
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), kMissingReportNumber);
        EXPECT_EQ(e.source(), QStringLiteral("Quillax"));
        EXPECT_EQ(e.description(),
                  QStringLiteral("File not found: ") + path + QStringLiteral(". Contact EDP/IT/Helpdesk to install this file."));
    }
    EXPECT_EQ(gCrystalReport, nullptr);
}

TEST_P(ReportOpeningTest, ShowChoosesTheViewerAndTheViewerReleasesTheReport) {
    const QString path = writeProgramFile(QStringLiteral("Reports/Five.rpt"), kFiveParameters);
    for (bool modal : {false, true}) {
        ASSERT_TRUE(OpenCrystalReport(path, {QStringLiteral("x")}));
        QString caption;
        platform.modal->onNextShow([&](QWidget& w) {
            caption = w.windowTitle();
            w.close();
        });
        ShowCrystalReport(false, QStringLiteral("Audit Trail Logs"), false, modal);
        EXPECT_EQ(platform.modal->shown().last(),
                  modal ? QStringLiteral("qx::frmReportViewervbModal") : QStringLiteral("qx::frmReportViewer"));
        EXPECT_EQ(caption, QStringLiteral("Audit Trail Logs"));
        EXPECT_EQ(gCrystalReport, nullptr);
    }
}

QX_ON_SQLITE_ONLY(ReportOpeningTest);

} // namespace
