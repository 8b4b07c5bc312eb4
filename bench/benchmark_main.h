// The tail of every Google Benchmark program here, once the program has made
// the Qt application its benchmarks need.
#pragma once

#include <benchmark/benchmark.h>

namespace bench {

inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
