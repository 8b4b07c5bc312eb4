// Benchmarks of the main window without a display: one calculation, a full
// repaint, the printed report into a PDF file, and building the window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "platform/services.h"
#include "print/print_job.h"
#include "ui/frm_main.h"

namespace {

// The window with 23 August 1975 chosen, as the user leaves it before "Расчёт".
struct Window {
    platform::RecordingServices services;
    ui::FrmMain window{services};

    Window() {
        window.CboDay->setCurrentIndex(22);
        window.CboMonth->setCurrentIndex(7);
        window.TxtYear->setText(QStringLiteral("1975"));
        window.ensurePolished();
        window.adjustSize();
    }
};

const QDateTime kMoment(QDate(2026, 5, 1), QTime(12, 0));

void BM_Main(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.window.Main();
        benchmark::DoNotOptimize(w.window.lifeNumber());
    }
    if (!w.services.messages.empty()) {
        state.SkipWithError("the calculation was refused");
    }
}
BENCHMARK(BM_Main);

// Everything the window shows, painted into an image of its size.
void BM_Repaint(benchmark::State& state) {
    Window w;
    w.window.Main();
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
        w.window.Main();
        w.window.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MainAndRepaint)->Unit(benchmark::kMillisecond);

void BM_PrintReport(benchmark::State& state) {
    Window w;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const bool written = print::printReportToPdf(
            w.window, path, QStringLiteral("Иванова"), QStringLiteral("Мария"),
            QStringLiteral("Петровна"), [] { return kMoment; });
        if (!written) {
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
        benchmark::DoNotOptimize(window.CboDay);
    }
}
BENCHMARK(BM_FrmMainConstruction)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
