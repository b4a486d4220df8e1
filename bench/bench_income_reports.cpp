// The income reports over 100,000 stock-card lines of in-patients, out-patients and cash sales
// spread over 90 days: from the request to the first page laid out, per report, on SQLite and
// (when QUILLAX_TEST_PG names a server) PostgreSQL. Each report must come up within half a second;
// the program prints the time per report and engine and fails when one is slower.
#include "BenchSupport.h"
#include "reports/ReportCatalogue.h"
#include "shell/HospitalSettings.h"
#include "shell/frmShift.h"

#include <QApplication>

using namespace qx;

namespace {

constexpr int kLines = 100000;
constexpr int kItems = 400;
constexpr int kDays = 90;
constexpr int kRowsPerInsert = 500;
constexpr double kLimitMs = 500;

void seedIncome(Connection& c, const QDate& firstDay) {
    Transaction tx(c);
    bench::seedDrugs(c, kItems);
    QString values;
    for (int r = 0; r < kRowsPerInsert; ++r)
        values += QStringLiteral("%1(?, ?, ?, ?, 'PH', ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(r ? QStringLiteral(", ") : QString());
    const QString insert = QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, RevenueID, LocationID, "
                                          "TransDate, Quantity, Amount, Discount, UserID, Shift, InOut, CashName) VALUES ") + values;
    const char* const kinds[] = {"I", "I", "O", "C"};
    for (int start = 0; start < kLines; start += kRowsPerInsert) {
        QVariantList binds;
        binds.reserve(kRowsPerInsert * 13);
        for (int i = start; i < start + kRowsPerInsert; ++i) {
            // A slip's five lines belong to one patient of one kind.
            const int slip = i / 5;
            const QString kind = QString::fromLatin1(kinds[slip % 4]);
            const bool cash = kind == QLatin1String("C");
            const double amount = (1 + i % 9) * 12.75;
            binds << (cash ? QStringLiteral("SI%1").arg(slip, 6, 10, QLatin1Char('0')) : QStringLiteral("%1").arg(slip, 8, 10, QLatin1Char('0')))
                  << QStringLiteral("D%1").arg((i * 7919) % kItems, 4, 10, QLatin1Char('0'))
                  << (cash ? QStringLiteral("CASH") : QStringLiteral("26%1").arg(slip % 700, 4, 10, QLatin1Char('0')))
                  << (i % 17 == 0 ? QStringLiteral("PC") : QStringLiteral("PH")) << (slip % 7 == 0 ? QStringLiteral("186") : QStringLiteral("20"))
                  << QDateTime(firstDay.addDays(slip % kDays), QTime(slip % 24, i % 60)) << double(1 + i % 9) << amount
                  << (i % 5 == 0 ? amount * 0.2 : 0.0) << QStringLiteral("%1").arg(1001 + i % 6) << 1 + (slip % 24) / 8 << kind
                  << (cash ? QStringLiteral("CUSTOMER %1").arg(slip % 300) : QString());
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
    seedIncome(c, firstDay);
    frmView window;
    window.setReportDate(QDateTime(today.addDays(-3), QTime(0, 0)));
    window.setStartDate(firstDay.toString(QStringLiteral("MM/dd/yyyy")));
    window.setEndDate(today.toString(QStringLiteral("MM/dd/yyyy")));
    bool fast = true;
    // Daily detail and summary, the three months by patient kind detailed and summed, cash sales,
    // per item and tabulated.
    for (const qint16 code : {4, 27, 43, 45, 41, 29, 48, 96, 93}) {
        const bool under = bench::medianOfFiveUnder(kLimitMs, QStringLiteral("%1 code %2").arg(QLatin1String(name), -11).arg(code, -3),
                                                    [&] { return bench::requestToFirstPage(c, code, window); });
        fast = fast && under;
    }
    return fast;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::installCheckoutFolders();
    gSiteCode.clear();
    gLocationID = QStringLiteral("20");
    RegisterReportOpeners();
    std::printf("income reports over %d stock-card lines of %d days: request to first page\n", kLines, kDays);
    return bench::runOnEachEngine(run) ? 0 : 1;
}
