#include "ReportTestSupport.h"
#include "components/AppError.h"
#include "platform/report/ReportLoader.h"

using namespace qx;
using namespace qx::report;
using namespace qx::report::test;

namespace {

QString loadError(const QString& text) {
    ReportFile file(text);
    try {
        loadReportDefinition(file.path());
    } catch (const AppError& e) {
        return e.description();
    }
    return QStringLiteral("(loaded)");
}

TEST(ReportLoader, BrokenDefinitionsNameTheFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"title \"A\nparameter X text", "probe.rpt, line 1: text is missing its closing quote"},
        {"# c\nparameter X colour", "probe.rpt, line 2: unknown parameter kind \"colour\""},
        {"parameter X text\nparameter X date", "probe.rpt, line 2: parameter \"X\" is declared twice (first on line 1)"},
        {"paper B9", "probe.rpt, line 1: unknown paper \"B9\""},
        {"frobnicate 3", "probe.rpt, line 1: unknown statement \"frobnicate\""},
        {"query\nSELECT 1", "probe.rpt, line 1: this block has no \"end\""},
        {"reportheader\n  text \"{NOPE}\"\nend", "probe.rpt, line 2: {NOPE} names no parameter"},
        {"reportheader\n  text \"{sum:Amount}\"\nend", "probe.rpt, line 2: {sum:Amount} belongs in a group footer"},
        {"query\nSELECT * FROM t WHERE a = :Missing\nend", "probe.rpt, line 1: the query's :Missing matches no parameter"},
        {"parameter D text\nbind X = D + 1 day", "probe.rpt, line 2: only a date parameter can be moved by days"},
        {"column A width=0", "probe.rpt, line 1: column \"A\" needs a width above 0"},
        {"groupheader Ward\nend", "probe.rpt, line 1: no group on \"Ward\" is declared"},
        {"reportheader\n  totals\nend", "probe.rpt, line 2: totals belong in a group footer or the report footer"},
        {"column A width=10\n", "probe.rpt, line 1: columns and groups need the report's data"},
        {"end", "probe.rpt, line 1: \"end\" without a block to close"},
        {"reportheader\n  text \"x\" align=middle\nend", "probe.rpt, line 2: align must be left, right or center"},
        {"reportheader\n  text \"a {b\"\nend", "probe.rpt, line 2: \"{\" without \"}\""},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(loadError(QString::fromUtf8(c.text)).startsWith(QString::fromUtf8(c.message)))
            << c.text << "\n  gave: " << loadError(QString::fromUtf8(c.text)).toStdString();
}

TEST(ReportLoader, MissingAndBinaryFilesAreErrorsNotCrashes) {
    try {
        loadReportDefinition(QStringLiteral("/nonexistent/Reports/none.rpt"));
        FAIL() << "loaded a missing file";
    } catch (const AppError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("File not found: /nonexistent/Reports/none.rpt"));
    }
    ReportFile binary(QString::fromLatin1("\x01\x02", 2) + QChar(0) + QStringLiteral("junk"));
    EXPECT_THROW(loadReportDefinition(binary.path()), AppError);
}

TEST(ReportLoader, FindsFilesWhateverTheLetterCase) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Reports/QVH"));
    QFile f(dir.filePath(QStringLiteral("Reports/QVH/rptAuditTrail.rpt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("title \"x\"\n");
    f.close();
    const QString real = dir.filePath(QStringLiteral("Reports/QVH/rptAuditTrail.rpt"));
    EXPECT_EQ(findPathIgnoringCase(dir.filePath(QStringLiteral("REPORTS/qvh/RPTAUDITTRAIL.RPT"))), real);
    EXPECT_EQ(findPathIgnoringCase(dir.filePath(QStringLiteral("reports\\QVH\\rptaudittrail.rpt"))), real);
    EXPECT_EQ(findPathIgnoringCase(dir.filePath(QStringLiteral("Reports/rptAuditTrail.rpt"))), QString());
    EXPECT_EQ(loadReportDefinition(dir.filePath(QStringLiteral("REPORTS/QVH/RptAuditTrail.RPT"))).title, QStringLiteral("x"));
}

TEST(ReportLoader, ShippedReportsLoad) {
    for (const QString& name : QDir(reportsFolder()).entryList({QStringLiteral("*.rpt")}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_NO_THROW(loadReportDefinition(QDir(reportsFolder()).filePath(name)));
    }
}

TEST(ReportLoader, QueryPlaceholdersBindToParametersByName) {
    ReportFile file(QStringLiteral("parameter @REFNUMBER text\nparameter @STARTDATE date\n"
                                   "query\nSELECT 1 WHERE a = :refnumber AND b < :Until\nend\n"
                                   "bind Until = @STARTDATE + 1 day\n"));
    const ReportDefinition d = loadReportDefinition(file.path());
    ASSERT_EQ(d.data.binds.size(), 2);
    EXPECT_EQ(d.data.binds[0].name, QStringLiteral("Until"));
    EXPECT_EQ(d.data.binds[0].dayOffset, 1);
    EXPECT_EQ(d.data.binds[1].name, QStringLiteral("refnumber"));
    EXPECT_EQ(d.data.binds[1].parameter, 0);
}

} // namespace
