#include "ReportTestSupport.h"
#include "TestDatabase.h"
#include "components/RowBatches.h"
#include "platform/Values.h"
#include "platform/report/ReportViewer.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolBar>
#include <QTreeWidget>

#include <QRegularExpression>

using namespace qx;
using namespace qx::report;
using namespace qx::report::test;

namespace {

// Long enough that the first page shows before the rest is read.
constexpr int kLines = 7000;

const char* const kLedgerReport = R"(
paper A4
title "STOCK LEDGER"
parameter LEAST number default="0"
query
SELECT RefNum, Description, Amount FROM tbPagingProbe WHERE Amount >= :LEAST ORDER BY id
end
column Slip field=RefNum heading="Slip" width=25
column Item field=Description heading="Description" width=90
column Amount field=Amount heading="Amount" width=30 format="#,##0.00" sum
group RefNum
pageheader
  text "{TITLE}" align=center bold
end
groupheader RefNum
  text "Slip {field:RefNum}" bold
end
groupfooter RefNum
  totals "Slip total"
  text "Lines: {COUNT}"
end
reportfooter
  totals "Grand total"
  text "All lines: {COUNT}"
end
pagefooter
  text "Page {PAGE} of {PAGES}" align=right
end
)";

class ReportPagingTest : public qx::test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        db().executeScript(QStringLiteral("CREATE TABLE tbPagingProbe (id INTEGER PRIMARY KEY, RefNum TEXT, "
                                          "Description TEXT, Amount %1)")
                               .arg(db().isSQLite() ? QStringLiteral("REAL") : QStringLiteral("DOUBLE PRECISION")));
        QVector<QVariantList> rows;
        for (int i = 0; i < kLines; ++i)
            rows.push_back({i, QStringLiteral("%1").arg(i / 37, 7, 10, QLatin1Char('0')),
                            QStringLiteral("ITEM %1 TABLET").arg(i % 101), (i % 9 + 1) * 12.75});
        Transaction tx(db());
        insertRows(db(), QStringLiteral("tbPagingProbe"),
                   {QStringLiteral("id"), QStringLiteral("RefNum"), QStringLiteral("Description"), QStringLiteral("Amount")},
                   rows);
        tx.commit();
    }
    std::shared_ptr<Report> open() {
        auto r = Report::open(file_.path());
        r->setConnection(&db());
        r->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        return r;
    }
    // The same report with every row read before the first page: the rendering the lazy one must match.
    QString readAtOnce() {
        auto r = open();
        Recordset all = db().query(r->definition().data.sql, QVariantMap{{QStringLiteral("LEAST"), 0}});
        ReportDocument whole(std::make_shared<const ReportDefinition>(r->definition()), all, {0.0}, r->title(),
                             r->subtitle(), QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        return whole.toText();
    }
    static QString withoutPageTotal(QString text) {
        // Right-aligned, so the blanks before it go too.
        return text.replace(QRegularExpression(QStringLiteral(" *Page (\\d+) of \\d+\\+?")), QStringLiteral("Page \\1 of N"));
    }
    ReportFile file_{QString::fromLatin1(kLedgerReport), QStringLiteral("ledger.rpt")};
};

// The first page comes before the rest is read; paged to its end (with the connection used in
// between) the report reads as the one read at once, totals and page count included.
TEST_P(ReportPagingTest, FirstPageFirstAndPagedToTheEndAsTheWhole) {
    const QString golden = readAtOnce();
    auto r = open();
    auto doc = r->sharedDocument();
    ASSERT_FALSE(doc->isComplete());
    const int ready = doc->pagesReady();
    EXPECT_GE(ready, 1);
    const QString first = doc->pageText(0);
    EXPECT_TRUE(first.contains(QStringLiteral("Page 1 of %1+").arg(ready))) << first.toStdString();

    QStringList pagesAsPaged;
    for (int p = 0; doc->hasPage(p); ++p) {
        pagesAsPaged << doc->pageText(p);
        if (p == 3)
            db().execute(QStringLiteral("UPDATE tbPagingProbe SET Description = Description WHERE id = 0"));
    }
    ASSERT_TRUE(doc->isComplete());
    EXPECT_EQ(doc->pageCount(), pagesAsPaged.size());
    QString paged;
    for (int p = 0; p < pagesAsPaged.size(); ++p)
        paged += QStringLiteral("==== Page %1 of %2 ====\n").arg(p + 1).arg(pagesAsPaged.size()) + pagesAsPaged[p];
    // Pages shown before the end differ only in the page count they could not know yet.
    EXPECT_EQ(withoutPageTotal(paged).toStdString(), withoutPageTotal(golden).toStdString());
    EXPECT_EQ(doc->toText().toStdString(), golden.toStdString());
    EXPECT_TRUE(golden.contains(QStringLiteral("All lines: %1").arg(kLines)));
}

// Whatever asks for a figure of the whole report first gets it right.
TEST_P(ReportPagingTest, WholeReportFiguresReadTheRest) {
    const QString golden = readAtOnce();
    auto sumFirst = open()->sharedDocument();
    ASSERT_FALSE(sumFirst->isComplete());
    double expected = 0;
    for (int i = 0; i < kLines; ++i)
        expected += (i % 9 + 1) * 12.75;
    EXPECT_EQ(sumFirst->sumText(-1, 2), Format(expected, QStringLiteral("#,##0.00")));
    EXPECT_TRUE(sumFirst->isComplete());

    auto lastFirst = open()->sharedDocument();
    const int pages = lastFirst->pageCount();
    EXPECT_EQ(lastFirst->pageText(pages - 1), open()->document().pageText(pages - 1));
    EXPECT_EQ(open()->document().data().recordCount(), kLines);
    EXPECT_EQ(open()->document().toCsv().count(QLatin1Char('\n')), kLines + 1);
    EXPECT_EQ(lastFirst->toText().toStdString(), golden.toStdString());
}

// The viewer shows the first page at once, pages on before the rest is read, and places the rest
// while the user reads: then the page count and the group tree are complete.
TEST_P(ReportPagingTest, ViewerPagesOnAndFinishesInTheBackground) {
    ReportViewer viewer;
    viewer.setReportSource(open());
    viewer.viewReport();
    EXPECT_EQ(viewer.currentPage(), 1);
    EXPECT_EQ(viewer.groupTree()->topLevelItemCount(), 0);
    viewer.showNextPage();
    EXPECT_EQ(viewer.currentPage(), 2);
    const auto doc = viewer.reportSource()->sharedDocument();
    for (int turn = 0; turn < 1000 && !doc->isComplete(); ++turn)
        QCoreApplication::processEvents();
    ASSERT_TRUE(doc->isComplete());
    EXPECT_EQ(viewer.groupTree()->topLevelItemCount(), (kLines + 36) / 37);
    viewer.showLastPage();
    EXPECT_EQ(viewer.currentPage(), doc->pageCount());
    EXPECT_TRUE(doc->pageText(0).contains(QStringLiteral("Page 1 of %1").arg(doc->pageCount())));
}

QX_ON_BOTH_ENGINES(ReportPagingTest);

} // namespace
