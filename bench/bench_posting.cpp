// Cost of the posting paths: statements and milliseconds per posted stock-card line and per
// claimed slip number, on SQLite and (when QUILLAX_TEST_PG is set) PostgreSQL.
#include "Builders.h"
#include "TestDatabase.h"
#include "charging/Numbering.h"
#include "charging/StockCard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace qx;

namespace {

struct Measure {
    qint64 statements = 0;
    double ms = 0;
};

template <typename F>
Measure measure(Connection& c, int count, F&& body) {
    const qint64 before = c.statementCount();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i)
        body(i);
    return {c.statementCount() - before, double(timer.nsecsElapsed()) / 1e6};
}

void run(Engine engine, const char* name) {
    constexpr int kSaves = 100, kLinesPerSave = 5, kClaims = 300;
    test::TestDatabase tdb(engine);
    Connection& c = tdb.connection();
    test::addItem(c, {.onHand = 1e6});

    const Measure posted = measure(c, kSaves, [&](int s) {
        Transaction tx(c);
        for (int l = 0; l < kLinesPerSave; ++l) {
            StockCardValues v;
            v.summaryCode = v.revenueId = QStringLiteral("PH");
            v.idNum = QStringLiteral("1001");
            v.itemId = QStringLiteral("PARA500");
            v.refNum = QStringLiteral("B%1").arg(s);
            v.transDate = QStringLiteral("01/05/2026 10:30:00");
            v.locationId = QStringLiteral("20");
            v.quantity = 1;
            Drug_AddStockCard(c, v);
        }
        tx.commit();
    });
    TerminalChargeSlipSeries series(c, QStringLiteral("E1"));
    const Measure claimed = measure(c, kClaims, [&](int) {
        Transaction tx(c);
        ClaimNumber(c, series, QStringLiteral("1001"), QStringLiteral("E1"));
        tx.commit();
    });
    const int lines = kSaves * kLinesPerSave;
    std::printf("%-11s %-22s %10.1f %10.3f\n", name, "posted line", double(posted.statements) / lines, posted.ms / lines);
    std::printf("%-11s %-22s %10.1f %10.3f\n", name, "claimed number", double(claimed.statements) / kClaims,
                claimed.ms / kClaims);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("%-11s %-22s %10s %10s\n", "engine", "per", "statements", "ms");
    run(Engine::SQLite, "SQLite");
    if (test::TestDatabase::postgresAvailable())
        run(Engine::PostgreSQL, "PostgreSQL");
    else
        std::printf("PostgreSQL skipped: QUILLAX_TEST_PG is not set\n");
    return 0;
}
