// The all-drugs distribution report of code 7 over 100,000 stock-card lines: from the request to
// its first page laid out, on SQLite and (when QUILLAX_TEST_PG names a server) PostgreSQL. The
// report must come up within half a second; the program prints the time per engine and fails
// when an engine is slower.
#include "BenchSupport.h"
#include "reports/ReportCatalogue.h"
#include "shell/HospitalSettings.h"

#include <QApplication>

using namespace qx;

namespace {

constexpr int kLines = 100000;
constexpr int kItems = 400;
constexpr int kDays = 90;
constexpr int kRowsPerInsert = 500;
constexpr double kLimitMs = 500;

void seed(Connection& c, const QDate& firstDay) {
    Transaction tx(c);
    bench::seedDrugs(c, kItems);
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
    return bench::medianOfFiveUnder(kLimitMs, QStringLiteral("%1").arg(QLatin1String(name), -11),
                                    [&] { return bench::requestToFirstPage(c, 7, window); });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::installCheckoutFolders();
    gSiteCode.clear();
    RegisterReportOpeners();
    std::printf("code 7, every drug, %d stock-card lines: request to first page\n", kLines);
    return bench::runOnEachEngine(run) ? 0 : 1;
}
