// The group window: opening it, and what a user waits for after changing a
// date or the span (the figures and both drawings, then a full repaint), with
// two people and with six. Each must stay well under a frame, 16 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>

#include "platform/services.h"
#include "recording_services.h"
#include "ui/group/group_window.h"

#include "widget_benchmark_main.h"

namespace {

// The first `count` of six people, the first two Иван and Мария.
std::vector<core::Person> people(long count) {
    std::vector<core::Person> all;
    for (int k = 0; k < count; ++k) {
        core::Person p;
        p.names.name = k == 0 ? QStringLiteral("Иван") : QStringLiteral("Мария");
        p.birthDate = {k == 0 ? 23 : 5 + k, k == 0 ? 7 : 4, QString::number(1975 + 7 * k)};
        all.push_back(p);
    }
    return all;
}

void BM_OpenComparison(benchmark::State& state) {
    platform::RecordingServices services;
    for (auto _ : state) {
        ui::GroupWindow window(services);
        window.resize(900, 640);
        window.show();
        window.setPeople(people(state.range(0)));
        benchmark::DoNotOptimize(window.group());
    }
}
BENCHMARK(BM_OpenComparison)->Arg(2)->Arg(6)->Unit(benchmark::kMillisecond);

// A year typed into the second person's box, then everything repainted. The
// arguments are the span in years (the default 21 and the longest allowed)
// and the people.
void BM_ChangeYearAndRepaint(benchmark::State& state) {
    platform::RecordingServices services;
    ui::GroupWindow window(services);
    window.resize(900, 640);
    window.show();
    window.setPeople(people(state.range(1)));
    window.setSpan({1990, 1990 + state.range(0) - 1});
    auto* year = window.findChild<QLineEdit*>(QStringLiteral("GroupYear2"));
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    int i = 0;
    for (auto _ : state) {
        year->setText(QString::number(1980 + i++ % 20));
        QPainter painter(&image);
        window.render(&painter);
    }
    if (!window.group()) {
        state.SkipWithError("the group was refused");
    }
}
BENCHMARK(BM_ChangeYearAndRepaint)
    ->Args({21, 2})
    ->Args({500, 2})
    ->Args({21, 6})
    ->Args({500, 6})
    ->Unit(benchmark::kMillisecond);

// The repaint alone, the figures unchanged: what uncovering the window costs.
void BM_Repaint(benchmark::State& state) {
    platform::RecordingServices services;
    ui::GroupWindow window(services);
    window.show();
    window.setPeople(people(state.range(1)));
    window.setSpan({1990, 1990 + state.range(0) - 1});
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        window.render(&painter);
    }
}
BENCHMARK(BM_Repaint)->Args({21, 2})->Args({500, 6})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runWidgetBenchmarks(argc, argv);
}
