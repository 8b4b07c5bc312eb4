// Many clients into one PDF, as the client book's «Отчёты в PDF…» and
// zemtar-forecast --clients make it: 1,000 reports must take under 5 s, and
// one more page must cost far less than one more process.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "print/many_reports.h"

#include "benchmark_main.h"

namespace {

// The clients' pages one after another, dates spread over the century.
print::PageSource clients(int count) {
    return [count, k = 0](print::ReportPage& page) mutable {
        if (k == count) {
            return print::NextPage::End;
        }
        auto forecast =
            print::forecastFor({k % 28 + 1, k % 12, QString::number(1900 + k % 120)}, nullptr);
        page.forecast = std::move(*forecast);
        page.person.names = {QStringLiteral("Иванова%1").arg(k), QStringLiteral("Мария"),
                             QStringLiteral("Петровна")};
        ++k;
        return print::NextPage::Page;
    };
}

void BM_ReportsIntoOnePdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("отчёты.pdf"));
    const int count = int(state.range(0));
    for (auto _ : state) {
        const print::ManyResult r =
            print::writeReportsPdf(path, clients(count), QDateTime::currentDateTime(), {});
        if (r.pages != count) {
            state.SkipWithError("pages missing");
        }
    }
    state.counters["pages_per_s"] =
        benchmark::Counter(double(count), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReportsIntoOnePdf)
    ->Arg(1)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
