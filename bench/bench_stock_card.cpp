// Stock-card lines posted per second through the drug component, and statements per line, on
// SQLite and (when QUILLAX_TEST_PG names a server) PostgreSQL. Each save claims a slip and posts
// ten lines in one transaction, as a charging screen does.
#include "TestDatabase.h"
#include "suite/DrugCatalogDrug.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace qx;

namespace {

constexpr int kLinesPerSave = 10;

void seed(Connection& c) {
    for (int i = 0; i < kLinesPerSave; ++i) {
        const QString item = QStringLiteral("ITEM%1").arg(i, 3, 10, QLatin1Char('0'));
        c.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) VALUES (?, ?, '500 MG TABLET')"),
                  {item, QStringLiteral("DRUG ") + item});
        c.execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand) VALUES (?, '20', 1000000)"), {item});
    }
}

DrugCatalog::StockCardArgs line(const QString& slip, int i) {
    DrugCatalog::StockCardArgs a;
    a.count = 28;
    const std::pair<int, QVariant> values[] = {
        {1, "H000001"}, {2, "1001"}, {3, QStringLiteral("ITEM%1").arg(i, 3, 10, QLatin1Char('0'))},
        {4, "01/05/2026 10:30:00"}, {5, slip}, {6, 2}, {7, 0}, {8, 10.5}, {9, "E0001"}, {10, "1 TAB"},
        {11, "D001"}, {12, "20"}, {13, ""}, {14, "301"}, {15, 1}, {26, 0}, {28, "BENCH"}};
    for (const auto& [pos, v] : values)
        a[pos] = v;
    return a;
}

void postLines(benchmark::State& state, Engine engine) {
    if (engine == Engine::PostgreSQL && !test::TestDatabase::postgresAvailable()) {
        state.SkipWithError("QUILLAX_TEST_PG not set");
        return;
    }
    test::TestDatabase database(engine);
    Connection& c = database.connection();
    seed(c);
    suite::DrugCatalogDrug drug(suite::fixedConnection(c));
    qint64 lines = 0;
    const qint64 statementsBefore = c.statementCount();
    for (auto _ : state) {
        Transaction tx(c);
        const QString slip =
            drug.Chargeslip().ClaimDispensingChargeSlip(std::nullopt, QStringLiteral("1001"), QStringLiteral("E1"));
        for (int i = 0; i < kLinesPerSave; ++i)
            drug.AppendStockCard(line(slip, i));
        tx.commit();
        lines += kLinesPerSave;
    }
    state.SetItemsProcessed(lines);
    state.counters["lines_per_second"] = benchmark::Counter(double(lines), benchmark::Counter::kIsRate);
    state.counters["statements_per_line"] =
        lines ? double(c.statementCount() - statementsBefore) / double(lines) : 0.0;
}

BENCHMARK_CAPTURE(postLines, SQLite, Engine::SQLite)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK_CAPTURE(postLines, PostgreSQL, Engine::PostgreSQL)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
