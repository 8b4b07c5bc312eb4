// The comparison window: opening it, and what a user waits for after changing
// a date or the span (the figures and both drawings, then a full repaint).
// Each must stay well under a frame, 16 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>

#include "platform/services.h"
#include "recording_services.h"
#include "ui/compare_window.h"

#include "widget_benchmark_main.h"

namespace {

const ui::PersonEntry kFirst{{23, 7, QStringLiteral("1975")}, QStringLiteral("Иван")};
const ui::PersonEntry kSecond{{5, 4, QStringLiteral("1990")}, QStringLiteral("Мария")};

void BM_OpenComparison(benchmark::State& state) {
    platform::RecordingServices services;
    for (auto _ : state) {
        ui::CompareWindow window(services);
        window.resize(900, 640);
        window.show();
        window.setPerson(0, kFirst);
        window.setPerson(1, kSecond);
        benchmark::DoNotOptimize(window.comparison());
    }
}
BENCHMARK(BM_OpenComparison)->Unit(benchmark::kMillisecond);

// A year typed into the second person's box, then everything repainted. The
// argument is the span in years: the default 21 and the longest allowed.
void BM_ChangeYearAndRepaint(benchmark::State& state) {
    platform::RecordingServices services;
    ui::CompareWindow window(services);
    window.resize(900, 640);
    window.show();
    window.setPerson(0, kFirst);
    window.setPerson(1, kSecond);
    window.setSpan(1990, 1990 + state.range(0) - 1);
    auto* year = window.findChild<QLineEdit*>(QStringLiteral("CompareYear2"));
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    int i = 0;
    for (auto _ : state) {
        year->setText(QString::number(1980 + i++ % 20));
        QPainter painter(&image);
        window.render(&painter);
    }
    if (!window.comparison()) {
        state.SkipWithError("the comparison was refused");
    }
}
BENCHMARK(BM_ChangeYearAndRepaint)->Arg(21)->Arg(500)->Unit(benchmark::kMillisecond);

// The repaint alone, the figures unchanged: what uncovering the window costs.
void BM_Repaint(benchmark::State& state) {
    platform::RecordingServices services;
    ui::CompareWindow window(services);
    window.show();
    window.setPerson(0, kFirst);
    window.setPerson(1, kSecond);
    window.setSpan(1990, 1990 + state.range(0) - 1);
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        window.render(&painter);
    }
}
BENCHMARK(BM_Repaint)->Arg(21)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runWidgetBenchmarks(argc, argv);
}
