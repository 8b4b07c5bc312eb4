// zemtar-forecast --batch against its yardstick, bench/minimal_batch (the
// least program that writes the same JSON Lines), over the same files of
// dates: first a check that both write the same bytes, then for each size the
// two programs in turn, the order alternating, every run a fresh process with
// TZ unset as in a desktop session and its output into /dev/null. Prints the
// median rates, the median of the per-pair ratios and the peak memory of each.
// Usage: batch_bench [LINES...]   (default: 1000 10000 100000 1000000)

#include "child_runs.h"

namespace {

using bench::median;

std::string makeDates(int lines) {
    char path[] = "/tmp/batch-bench-XXXXXX";
    const int fd = mkstemp(path);
    FILE* file = fdopen(fd, "w");
    for (int i = 0; i < lines; ++i) {
        // Every month and digit count comes round, and every day a month has in
        // that year: a date the calendar lacks makes the batch exit 2.
        const int month = i % 12 + 1;
        const int year = 1 + (i * 37) % 9999;
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        const int days = month == 2 ? (leap ? 29 : 28) : 30 + ((month + month / 8) % 2);
        std::fprintf(file, "%d %d %d\n", i % days + 1, month, year);
    }
    std::fclose(file);
    return path;
}

std::vector<const char*> batchArgs(const std::string& dates) {
    return {ZEMTAR_FORECAST, "--batch", dates.c_str(), nullptr};
}

std::vector<const char*> yardstickArgs(const std::string& dates) {
    return {ZEMTAR_MINIMAL_BATCH, dates.c_str(), nullptr};
}

// Both programs over 20 000 lines (some 75 MB of output, far past a flush)
// must write the same bytes, or the figures compare different work.
bool sameBytes() {
    const std::string dates = makeDates(20000);
    const std::string a = dates + ".batch";
    const std::string b = dates + ".yardstick";
    bench::runChild(batchArgs(dates), a.c_str());
    bench::runChild(yardstickArgs(dates), b.c_str());
    const bool same = bench::fileContents(a) == bench::fileContents(b);
    unlink(a.c_str());
    unlink(b.c_str());
    unlink(dates.c_str());
    return same;
}

void measure(int lines) {
    const std::string dates = makeDates(lines);
    const int pairs = std::clamp(2000000 / lines, 3, 15);
    std::vector<double> batch, yardstick, ratio;
    std::vector<long> batchKb, yardstickKb;
    const std::string loadBefore = bench::loadAverage();
    for (int i = 0; i < pairs; ++i) {
        bench::ChildRun a, b;
        if (i % 2 == 0) {
            a = bench::runChild(batchArgs(dates));
            b = bench::runChild(yardstickArgs(dates));
        } else {
            b = bench::runChild(yardstickArgs(dates));
            a = bench::runChild(batchArgs(dates));
        }
        batch.push_back(lines / a.seconds);
        yardstick.push_back(lines / b.seconds);
        ratio.push_back(a.seconds / b.seconds);
        batchKb.push_back(a.peakKb);
        yardstickKb.push_back(b.peakKb);
    }
    unlink(dates.c_str());
    std::printf(
        "%8d lines, %2d pairs: --batch %7.0f dates/s, yardstick %7.0f dates/s, ratio %.2f "
        "(%.2f-%.2f); peak memory %ld KB / %ld KB; load average %s -> %s\n",
        lines, pairs, median(batch), median(yardstick), median(ratio), bench::smallest(ratio),
        bench::largest(ratio), median(batchKb), median(yardstickKb), loadBefore.c_str(),
        bench::loadAverage().c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    unsetenv("TZ");
    if (!sameBytes()) {
        std::fprintf(stderr, "zemtar-forecast --batch and the yardstick write different bytes\n");
        return 1;
    }
    std::printf("same bytes from both over 20000 lines (target: ratio at most 2)\n");
    for (const int lines : bench::sizesFrom(argc, argv, {1000, 10000, 100000, 1000000})) {
        measure(lines);
    }
    return 0;
}
