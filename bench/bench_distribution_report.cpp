// The all-drugs distribution report of code 7 over 100,000 stock-card lines: from the request to
// its first page laid out, on SQLite and (when QUILLAX_TEST_PG names a server) PostgreSQL. The
// report must come up within half a second; the program prints the time per engine and fails
// when an engine is slower.
#include "SourceTree.h"
#include "TestDatabase.h"
#include "charging/ReportOpeners.h"
#include "charging/frmView.h"
#include "components/PlatformServices.h"
#include "platform/report/Report.h"
#include "reports/ReportCatalogue.h"
#include "shell/HospitalSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

using namespace qx;

namespace {

constexpr int kLines = 100000;
constexpr int kItems = 400;
constexpr int kDays = 90;
constexpr int kRowsPerInsert = 500;
constexpr double kLimitMs = 500;

// The program folder is the checkout, so that the shipped report files are found.
class CheckoutFolders : public Folders {
public:
    QString programFolder() override { return test::sourcePath(QString()); }
    QString documentsFolder() override { return QDir::tempPath(); }
};

void seed(Connection& c, const QDate& firstDay) {
    Transaction tx(c);
    for (int i = 0; i < kItems; ++i)
        c.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) VALUES (?, ?, '500 MG TABLET')"),
                  {QStringLiteral("D%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("DRUG %1").arg(i, 4, 10, QLatin1Char('0'))});
    QString values;
    for (int r = 0; r < kRowsPerInsert; ++r)
        values += QStringLiteral("%1(?, ?, ?, '20', ?, ?, ?)").arg(r ? QStringLiteral(", ") : QString());
    const QString insert = QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, SummaryCode, LocationID, TransDate, "
                                          "Quantity, Amount) VALUES ") + values;
    for (int start = 0; start < kLines; start += kRowsPerInsert) {
        QVariantList binds;
        binds.reserve(kRowsPerInsert * 6);
        for (int i = start; i < start + kRowsPerInsert; ++i) {
            const bool credit = i % 17 == 0;
            binds << QStringLiteral("%1").arg(i / 5, 8, 10, QLatin1Char('0'))
                  << QStringLiteral("D%1").arg((i * 7919) % kItems, 4, 10, QLatin1Char('0'))
                  << (credit ? QStringLiteral("PC") : QStringLiteral("PH"))
                  << QDateTime(firstDay.addDays(i % kDays), QTime(8 + i % 12, i % 60)) << double(1 + i % 9)
                  << (1 + i % 9) * 12.75;
        }
        c.execute(insert, binds);
    }
    tx.commit();
}

double requestToFirstPage(Connection& c, frmView& window) {
    QElapsedTimer timer;
    timer.start();
    const ReportOpenerEntry* opener = FindReportOpener(7);
    OpenedReport opened = opener->open(window);
    opened.report->setConnection(&c);
    const QString firstPage = opened.report->document().pageText(0);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (firstPage.isEmpty())
        std::printf("no page laid out\n");
    return ms;
}

bool run(Engine engine, const char* name) {
    test::TestDatabase database(engine);
    Connection& c = database.connection();
    const QDate today = QDate::currentDate();
    const QDate firstDay = today.addDays(-(kDays - 1));
    seed(c, firstDay);
    frmView window;
    window.setDrugCode(QString());  // every drug
    window.setStartDate(firstDay.toString(QStringLiteral("MM/dd/yyyy")));
    window.setEndDate(today.toString(QStringLiteral("MM/dd/yyyy")));
    QList<double> times;
    for (int run = 0; run < 5; ++run)
        times << requestToFirstPage(c, window);
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%-11s %10.1f ms (median of 5; first %.1f ms)  %s\n", name, median, times.first(),
                median < kLimitMs ? "ok" : "SLOWER THAN 500 ms");
    return median < kLimitMs;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PlatformServices services;
    services.folders = std::make_shared<CheckoutFolders>();
    installPlatformServices(services);
    gSiteCode.clear();
    RegisterReportOpeners();
    std::printf("code 7, every drug, %d stock-card lines: request to first page\n", kLines);
    bool fast = run(Engine::SQLite, "SQLite");
    if (test::TestDatabase::postgresAvailable())
        fast = run(Engine::PostgreSQL, "PostgreSQL") && fast;
    else
        std::printf("PostgreSQL skipped: QUILLAX_TEST_PG is not set\n");
    return fast ? 0 : 1;
}
