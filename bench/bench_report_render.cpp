// Pages per second for a report of 100,000 detail lines in groups of 50, as the engine lays
// it out and produces each page's texts (what the viewer, the printer and PDF draw).
#include "BenchReport.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportLoader.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace qx;
using namespace qx::report;

namespace {

constexpr int kLines = 100000;

std::shared_ptr<const ReportDefinition> definition() {
    static const auto def = std::make_shared<const ReportDefinition>(
        parseReportDefinition(benchReportText(QStringLiteral("SELECT 1")), QStringLiteral("bench.rpt")));
    return def;
}

const Recordset& data() {
    static const Recordset rs = [] {
        QVector<QVariantList> rows;
        rows.reserve(kLines);
        for (int i = 0; i < kLines; ++i)
            rows << QVariantList{QStringLiteral("%1").arg(i / 50, 7, 10, QLatin1Char('0')),
                                 QStringLiteral("ITEM %1 TABLET 500MG").arg(i % 977), double(i % 10 + 1),
                                 (i % 10 + 1) * 12.75};
        return Recordset({QStringLiteral("RefNum"), QStringLiteral("Description"), QStringLiteral("Quantity"),
                          QStringLiteral("Amount")},
                         rows);
    }();
    return rs;
}

ReportDocument layOut() {
    return ReportDocument(definition(), data(), {QStringLiteral("ST. RAPHAEL GENERAL HOSPITAL")}, QString(), QString(),
                          QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
}

void BM_FirstPage(benchmark::State& state) {
    for (auto _ : state) {
        ReportDocument doc = layOut();
        benchmark::DoNotOptimize(doc.page(0));
    }
}
BENCHMARK(BM_FirstPage)->Unit(benchmark::kMillisecond);

void BM_AllPages(benchmark::State& state) {
    int pages = 0;
    for (auto _ : state) {
        ReportDocument doc = layOut();
        for (int p = 0; p < doc.pageCount(); ++p)
            benchmark::DoNotOptimize(doc.page(p));
        pages += doc.pageCount();
    }
    state.counters["pages"] = benchmark::Counter(pages / double(state.iterations()));
    state.counters["pages_per_second"] = benchmark::Counter(pages, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AllPages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    data();  // the rows are the database's work, not the engine's
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
