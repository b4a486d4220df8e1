#include "ReportFixtures.h"
#include "ReportTestSupport.h"
#include "TestDatabase.h"
#include "components/AppError.h"
#include "components/Procedures.h"
#include "platform/report/ReportLoader.h"
#include "platform/report/ReportPrinter.h"

#include <QElapsedTimer>

using namespace qx;
using namespace qx::report;
using namespace qx::report::test;

namespace {

class ShippedReports : public qx::test::DbTest {};

TEST_P(ShippedReports, AuditTrailRendersAsItsGoldenFiles) {
    fillUserLog(db());
    auto r = openAuditTrail(db(), reportsFolder());
    const ReportDocument& doc = r->document();
    EXPECT_EQ(doc.data().recordCount(), 63);
    EXPECT_EQ(doc.pageCount(), 2);
    expectGolden(QStringLiteral("rptAuditTrail.txt"), doc.toText());
    expectGolden(QStringLiteral("rptAuditTrail.csv"), doc.toCsv());
    const QVector<GroupTreeNode> tree = doc.groupTree();
    ASSERT_EQ(tree.size(), 3);
    EXPECT_EQ(tree[1].label, QStringLiteral("12/08/2026"));
    EXPECT_EQ(tree[2].page, 1);
}

TEST_P(ShippedReports, ChargeSlipRendersAsItsGoldenFiles) {
    fillChargeSlip(db());
    auto r = openChargeSlip(db(), reportsFolder());
    r->relocateTables(QStringLiteral("INVENTORY"));
    const ReportDocument& doc = r->document();
    EXPECT_EQ(doc.data().recordCount(), 3);
    EXPECT_EQ(doc.sumText(-1, doc.definition().columnIndex(QStringLiteral("Amount"))), QStringLiteral("1,293.31"));
    expectGolden(QStringLiteral("ChargeSlip.txt"), doc.toText());
    expectGolden(QStringLiteral("ChargeSlip.csv"), doc.toCsv());
}

QX_ON_BOTH_ENGINES(ShippedReports);

class ReportOutput : public qx::test::SqliteTest {
protected:
    QTemporaryDir out;
    QString file(const QString& name) { return out.filePath(name); }
};

TEST_F(ReportOutput, PdfReadsBackWithHeaderGroupTotalAndPageCount) {
    fillUserLog(db());
    auto r = openAuditTrail(db(), reportsFolder());
    r->exportTo(ExportFormat::Pdf, file(QStringLiteral("audit.pdf")));
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file(QStringLiteral("audit.pdf")), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("ST. RAPHAEL GENERAL HOSPITAL"))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Period: 12/07/2026 to 12/09/2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Lines on 12/08/2026: 60")));
    EXPECT_TRUE(text.contains(QStringLiteral("O'NEIL, MARY")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2 of 2")));
    const QString info = run(QStringLiteral("pdfinfo"), {file(QStringLiteral("audit.pdf"))});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
}

TEST_F(ReportOutput, ExcelHoldsNumbersAsNumbers) {
    fillChargeSlip(db());
    auto r = openChargeSlip(db(), reportsFolder());
    r->exportTo(ExportFormat::Excel, file(QStringLiteral("slip.xlsx")));
    const QString sheet = run(QStringLiteral("unzip"), {QStringLiteral("-p"), file(QStringLiteral("slip.xlsx")), QStringLiteral("xl/worksheets/sheet1.xml")});
    const QString strings = run(QStringLiteral("unzip"), {QStringLiteral("-p"), file(QStringLiteral("slip.xlsx")), QStringLiteral("xl/sharedStrings.xml")});
    // Numeric cells carry no string type and their plain value.
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"D\\d+\" s=\"\\d+\"><v>1234.56</v></c>")))) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("<v>3.75</v>")));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<v>1293.3\\d*</v>"))));
    EXPECT_TRUE(strings.contains(QStringLiteral("DELA CRUZ, JUAN P.")));
    EXPECT_TRUE(strings.contains(QStringLiteral("PARACETAMOL 500MG TABLET")));
    EXPECT_TRUE(strings.contains(QStringLiteral("TOTAL")));
}

TEST_F(ReportOutput, RtfIsRichTextHoldingTheTexts) {
    fillChargeSlip(db());
    auto r = openChargeSlip(db(), reportsFolder());
    r->exportTo(ExportFormat::Rtf, file(QStringLiteral("slip.rtf")));
    QFile f(file(QStringLiteral("slip.rtf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString rtf = QString::fromLatin1(f.readAll());
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(rtf.trimmed().endsWith(QLatin1Char('}')));
    EXPECT_EQ(rtf.count(QLatin1Char('{')) - rtf.count(QStringLiteral("\\{")), rtf.count(QLatin1Char('}')) - rtf.count(QStringLiteral("\\}")));
    for (const char* s : {"DELA CRUZ, JUAN P.", "Slip No.: 0000123", "D5LR 1 LITER", "1,234.56", "1,293.31", "\"GENERIC\""})
        EXPECT_TRUE(rtf.contains(QString::fromUtf8(s))) << s;
}

TEST_F(ReportOutput, EachPrintOutIsOneCopyWithoutADialog) {
    fillChargeSlip(db());
    auto r = openChargeSlip(db(), reportsFolder());
    setPrintFolder(out.path());
    r->setEnableParameterPrompting(false);
    for (int copy = 0; copy < 2; ++copy)
        r->printOut();
    setPrintFolder(QString());
    const QStringList jobs = QDir(out.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    ASSERT_EQ(jobs, (QStringList{QStringLiteral("ChargeSlip-1.pdf"), QStringLiteral("ChargeSlip-2.pdf")}));
    const QString text = run(QStringLiteral("pdftotext"), {out.filePath(jobs[1]), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("0000123")));
}

TEST_F(ReportOutput, AFieldTheDataLacksIsAnErrorNamingTheLine) {
    ReportFile file(QStringLiteral("parameter X text\nquery\nSELECT 1 AS a\nend\ncolumn A field=a width=10\n"
                                   "column B field=Nope width=10\n"));
    auto r = Report::open(file.path());
    r->setConnection(&db());
    try {
        r->document();
        FAIL() << "rendered a column of a missing field";
    } catch (const AppError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("probe.rpt, line 6: the column reads the field \"Nope\", which the "
                                                  "report's data does not have"));
    }
}

TEST_F(ReportOutput, NoRowsStillPrintsOnePageWithZeroTotals) {
    auto r = openChargeSlip(db(), reportsFolder());
    const ReportDocument& doc = r->document();
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_TRUE(doc.toText().contains(QRegularExpression(QStringLiteral("TOTAL +0.00 +0.00"))));
}

TEST_F(ReportOutput, NewParameterValuesReadTheDataAgain) {
    fillChargeSlip(db());
    auto r = openChargeSlip(db(), reportsFolder());
    EXPECT_EQ(r->document().data().recordCount(), 3);
    r->findParameter(QStringLiteral("@REFNUMBER"))->clearCurrentValues();
    r->findParameter(QStringLiteral("@REFNUMBER"))->addCurrentValue(QStringLiteral("0000124"));
    EXPECT_EQ(r->document().data().recordCount(), 1);
}

TEST_F(ReportOutput, ANewPrintTimeOrConnectionMakesThePagesAgain) {
    fillChargeSlip(db());
    auto r = openChargeSlip(db(), reportsFolder());
    const auto first = r->sharedDocument();
    EXPECT_TRUE(first->toText().contains(QStringLiteral("Printed 12/10/2026 09:30 AM")));
    r->setPrintTime(fixedPrintTime());
    EXPECT_EQ(r->sharedDocument(), first);  // nothing changed: the pages are kept

    r->setPrintTime(QDateTime(QDate(2026, 12, 11), QTime(16, 5)));
    const QString text = r->document().toText();
    EXPECT_TRUE(text.contains(QStringLiteral("Printed 12/11/2026 04:05 PM")));
    EXPECT_FALSE(text.contains(QStringLiteral("12/10/2026 09:30 AM")));
    EXPECT_TRUE(first->toText().contains(QStringLiteral("Printed 12/10/2026 09:30 AM")));  // a holder keeps its pages

    qx::test::TestDatabase other(Engine::SQLite);
    r->setConnection(&other.connection());
    EXPECT_EQ(r->document().data().recordCount(), 0);
    r->setConnection(&db());
    EXPECT_EQ(r->document().data().recordCount(), 3);
}

// A procedure that echoes the arguments it received as one row.
const ProcedureRegistration echoProcedure{{QStringLiteral("QX_REPORTPROBE_ECHO"),
                                           {{QStringLiteral("IDNUM"), ParamType::Text, 10},
                                            {QStringLiteral("REFNUMBER"), ParamType::Text, 10}},
                                           [](Connection&, ProcArgs& a) -> std::optional<Recordset> {
                                               return Recordset({QStringLiteral("IdNum"), QStringLiteral("RefNum")},
                                                                {{a.value(QStringLiteral("IDNUM")),
                                                                  a.value(QStringLiteral("REFNUMBER"))}});
                                           }}};

TEST_F(ReportOutput, AProcedureGetsTheParametersByNameWithoutAt) {
    ReportFile file(QStringLiteral("parameter @IDNUM text\nparameter @REFNUMBER text\nparameter OTHER text\n"
                                   "procedure qx_ReportProbe_Echo\n"
                                   "column Patient field=IdNum width=30\ncolumn Slip field=RefNum width=30\n"));
    auto r = Report::open(file.path());
    r->setConnection(&db());
    r->setParameterValues({QStringLiteral("1234"), QStringLiteral("0000123"), QStringLiteral("x")});
    EXPECT_EQ(r->document().toCsv(), QStringLiteral("Patient,Slip\n1234,0000123\n"));
}

// One shared source serves several files when each binds its own constants: quoted texts
// bind as they stand, to a query's placeholder or a procedure's argument.
TEST_F(ReportOutput, AQuotedBindIsAConstantText) {
    ReportFile query(QStringLiteral("parameter @IDNUM text\nquery\nSELECT :IDNUM AS IdNum, :Kind AS RefNum\nend\n"
                                    "bind Kind = \"I\"\n"
                                    "column Patient field=IdNum width=30\ncolumn Slip field=RefNum width=30\n"));
    auto q = Report::open(query.path());
    q->setConnection(&db());
    q->setParameterValues({QStringLiteral("1234")});
    EXPECT_EQ(q->document().toCsv(), QStringLiteral("Patient,Slip\n1234,I\n"));

    ReportFile procedure(QStringLiteral("parameter @IDNUM text\nprocedure qx_ReportProbe_Echo\nbind IDNUM = @IDNUM\n"
                                        "bind REFNUMBER = \"O'NEIL \"\"A\"\"\"\n"
                                        "column Patient field=IdNum width=30\ncolumn Slip field=RefNum width=30\n"));
    auto p = Report::open(procedure.path());
    p->setConnection(&db());
    p->setParameterValues({QStringLiteral("1234")});
    EXPECT_EQ(p->document().data().valueAt(0, 1).toString(), QStringLiteral("O'NEIL \"A\""));

    try {
        ReportFile extra(QStringLiteral("query\nSELECT :Kind AS a\nend\nbind Kind = \"I\" + 1 day\n"));
        Report::open(extra.path());
        FAIL() << "a constant moved by days";
    } catch (const AppError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("probe.rpt, line 4: expected: bind <name> = \"text\""));
    }
}

TEST(ReportLayout, HundredThousandLinesShowTheirFirstPageFast) {
    const auto def = std::make_shared<const ReportDefinition>(parseReportDefinition(QStringLiteral(
        "query\nSELECT 1\nend\ncolumn Slip field=RefNum width=30\ncolumn Amount field=Amount width=30 sum\n"
        "group RefNum\ngroupfooter RefNum\n  totals \"Slip\"\nend\n"
        "pagefooter\n  text \"Page {PAGE} of {PAGES}\"\nend\n"), QStringLiteral("big.rpt")));
    QVector<QVariantList> rows;
    for (int i = 0; i < 100000; ++i)
        rows << QVariantList{QString::number(i / 40), 1.25};
    const Recordset data({QStringLiteral("RefNum"), QStringLiteral("Amount")}, rows);
    QElapsedTimer timer;
    timer.start();
    ReportDocument doc(def, data, {}, QString(), QString(), fixedPrintTime());
    const PageContent first = doc.page(0);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_GT(doc.pageCount(), 1000);
    EXPECT_EQ(doc.sumText(-1, 1), QStringLiteral("125000"));
    EXPECT_TRUE(doc.pageText(doc.pageCount() - 1).contains(QStringLiteral("Page %1 of %1").arg(doc.pageCount())));
}

} // namespace
