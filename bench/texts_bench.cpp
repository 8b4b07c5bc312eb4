// The interpretation library: reading the program's own texts (done once a
// run, at the first booklet) and filling a booklet's worth of entries, every
// one of them with its fields. Each should take well under a millisecond.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include "core/text_file.h"
#include "core/text_keys.h"
#include "core/text_library.h"

#include "benchmark_main.h"

namespace {

void BM_ReadDefaultTexts(benchmark::State& state) {
    QFile resource(QStringLiteral(":/zemtar/texts/ru.txt"));
    if (!resource.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the program's texts are missing");
        return;
    }
    const QByteArray bytes = resource.readAll();
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::readTextFile(bytes, resource.fileName()));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadDefaultTexts)->Unit(benchmark::kMicrosecond);

void BM_FillEveryEntry(benchmark::State& state) {
    core::TextLibrary library;
    library.setText(u"opening", QStringLiteral("Здравствуйте, {имя} {отчество}! {год}"));
    core::FieldValues values(core::ClientNames{QStringLiteral("Иванова"), QStringLiteral("Анна"),
                                               QStringLiteral("Сергеевна")});
    values.set(core::TextField::Aspect, QStringLiteral("Любовь"))
        .set(core::TextField::Level, QStringLiteral("3"))
        .set(core::TextField::Year, QStringLiteral("2031"))
        .set(core::TextField::Years, QStringLiteral("2027, 2034, 2041"));
    for (auto _ : state) {
        for (const core::TextKey& key : core::textKeys()) {
            benchmark::DoNotOptimize(library.filled(key.key, values));
        }
    }
}
BENCHMARK(BM_FillEveryEntry)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
