// The whole main() of a Google Benchmark program that measures windows:
// offscreen unless a display was asked for, and the Fusion style the tests
// use, so that figures from one machine compare with another's.
#pragma once

#include <QApplication>

#include "benchmark_main.h"

namespace bench {

inline int runWidgetBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    return runBenchmarks(argc, argv);
}

}  // namespace bench
