// The window's start, side by side with the least window shown the same way
// (minimal_window): from the moment each program is started to its first
// pixels sent to the display, as each reports them (ZEMTAR_FIRST_PAINT).
// Both run in turn on one X server, the order alternating, every run a fresh
// process with TZ unset and a home folder of its own, so that no user's
// settings or client book are read or written.
// Usage: xvfb-run -a start_bench [PAIRS]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "child_runs.h"

namespace {

struct Start {
    double ms = 0;
    long peakKb = 0;
};

Start startOnce(const char* program) {
    const std::string stamp = "/tmp/start_bench_stamp";
    const auto began = std::chrono::steady_clock::now();
    const bench::ChildRun run = bench::runChild({program, nullptr}, "/dev/null", stamp.c_str());
    // The moment is the last line; Qt may have warned about something before it.
    std::string text = bench::fileContents(stamp);
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    const long long painted = std::atoll(text.c_str() + text.find_last_of('\n') + 1);
    const long long from =
        std::chrono::duration_cast<std::chrono::nanoseconds>(began.time_since_epoch()).count();
    if (painted <= from) {
        std::fprintf(stderr, "%s wrote no moment of its first paint\n", program);
        std::exit(1);
    }
    return {double(painted - from) / 1e6, run.peakKb};
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "no display: run under xvfb-run -a\n");
        return 1;
    }
    const int pairs = argc > 1 ? std::atoi(argv[1]) : 30;
    unsetenv("TZ");
    unsetenv("QT_QPA_PLATFORM");
    setenv("ZEMTAR_FIRST_PAINT", "1", 1);
    char home[] = "/tmp/start_bench_XXXXXX";
    if (mkdtemp(home) == nullptr) {
        return 1;
    }
    setenv("HOME", home, 1);
    setenv("XDG_RUNTIME_DIR", home, 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
    std::printf("load average at start %s\n", bench::loadAverage().c_str());
    startOnce(ZEMTAR_WINDOW);  // the files into the page cache, for both
    startOnce(ZEMTAR_MINIMAL_WINDOW);
    std::vector<double> ours, least, ratios;
    std::vector<long> oursKb, leastKb;
    for (int k = 0; k < pairs; ++k) {
        const bool oursFirst = k % 2 == 0;
        const Start a = oursFirst ? startOnce(ZEMTAR_WINDOW) : startOnce(ZEMTAR_MINIMAL_WINDOW);
        const Start b = oursFirst ? startOnce(ZEMTAR_MINIMAL_WINDOW) : startOnce(ZEMTAR_WINDOW);
        const Start& w = oursFirst ? a : b;
        const Start& m = oursFirst ? b : a;
        ours.push_back(w.ms);
        least.push_back(m.ms);
        ratios.push_back(w.ms / m.ms);
        oursKb.push_back(w.peakKb);
        leastKb.push_back(m.peakKb);
    }
    std::printf("%d pairs, exec to first pixels: zemtar %.1f ms, least window %.1f ms\n", pairs,
                bench::median(ours), bench::median(least));
    std::printf("ratio median %.2f (%.2f-%.2f); peak memory %.1f MB / %.1f MB\n",
                bench::median(ratios), bench::smallest(ratios), bench::largest(ratios),
                double(bench::median(oursKb)) / 1024, double(bench::median(leastKb)) / 1024);
    std::printf("load average at end %s\n", bench::loadAverage().c_str());
    return 0;
}
