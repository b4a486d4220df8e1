// Cost of a manual posting screen's save through the shared posting service: a 30-line charge
// slip (claim, stock-card lines, follow-up statements, staging, user log; one transaction) over a
// stock card of 1,000,000 lines, statements and milliseconds per save, on SQLite and (when
// QUILLAX_TEST_PG is set) PostgreSQL. A save costing more than 1.2 statements a line plus a few
// for the slip, or more than one commit, fails the run.
#include "BenchSupport.h"
#include "Builders.h"
#include "EngineProbes.h"
#include "TestDatabase.h"
#include "charging/ChargePosting.h"
#include "charging/Numbering.h"
#include "shell/Session.h"
#include "suite/DrugCatalogComponent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace qx;

namespace {

constexpr int kLines = 30, kSaves = 20, kHistory = 1000000;
// Statements a save may spend besides its lines: claim, advance, staging, user log, transaction.
constexpr double kSlipStatements = 12;

QString benchItem(int i) { return QStringLiteral("B%1").arg(i, 3, 10, QLatin1Char('0')); }

PostingLine benchLine(int row) {
    PostingLine line;
    line.row = row;
    line.itemCode = benchItem(row - 1);
    line.quantity = QStringLiteral("2");
    line.stockOnHand = QStringLiteral("1000000");
    line.overStockChoice = row == 1 ? QStringLiteral("Proceed with Transaction") : QString();
    DrugCatalog::StockCardArgs& a = line.args;
    a.count = 28;
    a[1] = QStringLiteral("H000001");
    a[2] = QStringLiteral("1001");
    a[3] = line.itemCode;
    a[4] = QStringLiteral("01/05/2026 10:30:00");
    a[6] = 2.0;
    a[7] = 0;
    a[8] = 25.0;
    a[9] = QStringLiteral("E0001");
    a[10] = QStringLiteral("TID");
    a[12] = QStringLiteral("20");
    a[13] = QString();
    a[14] = QStringLiteral("301");
    a[15] = 1;
    a[26] = 0;
    a[28] = QStringLiteral("BENCH");
    return line;
}

bool run(Engine engine, const char* name) {
    test::TestDatabase tdb(engine);
    Connection& c = tdb.connection();
    for (int i = 0; i < kLines; ++i)
        test::addItem(c, {.itemId = benchItem(i), .genericId = QStringLiteral("G") + benchItem(i), .onHand = 1e6});
    QElapsedTimer seeding;
    seeding.start();
    bench::seedStockCardHistory(c, kHistory, kLines, QDateTime(QDate(2025, 6, 1), QTime(8, 0)));
    const double seedSeconds = double(seeding.nsecsElapsed()) / 1e9;
    gEmployeeCode = QStringLiteral("E0001");
    suite::DrugCatalogComponent drug{[&c] { return &c; }};
    drug.InitConnect(c.connectionString());
    DrugChargeSlipSeries series(drug.Drug().Chargeslip());

    ChargeSlipSave save;
    save.series = &series;
    save.drug = &drug.Drug();
    save.idNum = QStringLiteral("1001");
    save.claimedBy = QStringLiteral("E0001");
    save.stagingKey = QStringLiteral("BENCH");
    for (int row = 1; row <= kLines; ++row)
        save.lines.push_back(benchLine(row));
    save.afterPosting = ManualPostingFollowUp(QStringLiteral("9001"), false, false);
    save.userLog = [](const QString& slip) { return QStringLiteral("Saved ") + slip; };

    const qint64 before = c.statementCount();
    QElapsedTimer timer;
    timer.start();
    const qint64 writes = test::writeCommitsOf(c, [&] {
        for (int s = 0; s < kSaves; ++s)
            PostChargeSlip(c, save);
    });
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const double statements = double(c.statementCount() - before) / kSaves;
    const double commits = double(writes) / kSaves;
    const bool lean = statements <= 1.2 * kLines + kSlipStatements && commits == 1;
    std::printf("%-11s %-26s %10.1f %10.2f %8.1f %10.1f %8.1f  %s\n", name, "30-line charge slip", statements,
                statements / kLines, commits, ms / kSaves, seedSeconds, lean ? "ok" : "TOO MANY STATEMENTS OR COMMITS");
    return lean;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("%-11s %-26s %10s %10s %8s %10s %8s\n", "engine", "per", "stmts", "stmts/line", "commits", "ms", "seed s");
    bool lean = run(Engine::SQLite, "SQLite");
    if (test::TestDatabase::postgresAvailable())
        lean = run(Engine::PostgreSQL, "PostgreSQL") && lean;
    else
        std::printf("PostgreSQL skipped: QUILLAX_TEST_PG is not set\n");
    return lean ? 0 : 1;
}
