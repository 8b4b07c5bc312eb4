// Benchmarks without a display: the calculation with its JSON, one calculation
// in the main window, a full repaint, the printed report into a PDF file, and
// building the window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "core/forecast_text.h"
#include "platform/services.h"
#include "print/print_job.h"
#include "recording_services.h"
#include "ui/main_window/frm_main.h"

#include "widget_benchmark_main.h"

namespace {

// The window with 23 August 1975 chosen, as the user leaves it before "Расчёт".
struct Window {
    platform::RecordingServices services;
    ui::FrmMain window{services};

    Window() {
        window.enterDate({23, 7, QStringLiteral("1975")});
        window.ensurePolished();
        window.adjustSize();
    }
};

const QDateTime kMoment(QDate(2026, 5, 1), QTime(12, 0));

// The calculation alone and its JSON line, as the companion's batch mode makes them.
void BM_CalculateToJson(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        const core::Calculation c =
            core::calculate({day % 31 + 1, day % 12, QString::number(1900 + day % 200)});
        ++day;
        const QByteArray line = core::toJson(std::get<core::Forecast>(c));
        benchmark::DoNotOptimize(line.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculateToJson);

void BM_Main(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.window.recalculate();
        benchmark::DoNotOptimize(w.window.forecast());
    }
    if (!w.services.messages.empty()) {
        state.SkipWithError("the calculation was refused");
    }
}
BENCHMARK(BM_Main);

// Everything the window shows, painted into an image of its size.
void BM_Repaint(benchmark::State& state) {
    Window w;
    w.window.recalculate();
    QImage image(w.window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        w.window.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMillisecond);

void BM_MainAndRepaint(benchmark::State& state) {
    Window w;
    QImage image(w.window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        w.window.recalculate();
        w.window.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MainAndRepaint)->Unit(benchmark::kMillisecond);

void BM_PrintReport(benchmark::State& state) {
    const auto forecast = std::get<core::Forecast>(core::calculate({23, 7, "1975"}));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const QString error = print::printReportToPdf(
            forecast, path,
            {QStringLiteral("Иванова"), QStringLiteral("Мария"), QStringLiteral("Петровна")},
            kMoment);
        if (!error.isEmpty()) {
            state.SkipWithError("the PDF file was not written");
            break;
        }
    }
}
BENCHMARK(BM_PrintReport)->Unit(benchmark::kMillisecond);

void BM_FrmMainConstruction(benchmark::State& state) {
    platform::RecordingServices services;
    for (auto _ : state) {
        ui::FrmMain window(services);
        benchmark::DoNotOptimize(window.forecast());
    }
}
BENCHMARK(BM_FrmMainConstruction)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runWidgetBenchmarks(argc, argv);
}
