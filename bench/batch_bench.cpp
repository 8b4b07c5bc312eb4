// zemtar-forecast --batch against its yardstick, bench/minimal_batch (the
// least program that writes the same JSON Lines), over the same files of
// dates: first a check that both write the same bytes, then for each size the
// two programs in turn, the order alternating, every run a fresh process with
// TZ unset as in a desktop session and its output into /dev/null. Prints the
// median rates, the median of the per-pair ratios and the peak memory of each.
// Usage: batch_bench [LINES...]   (default: 1000 10000 100000 1000000)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Run {
    double seconds = 0;
    long peakKb = 0;
};

std::string makeDates(int lines) {
    char path[] = "/tmp/batch-bench-XXXXXX";
    const int fd = mkstemp(path);
    FILE* file = fdopen(fd, "w");
    for (int i = 0; i < lines; ++i) {
        // Every day, month and digit count comes round.
        std::fprintf(file, "%d %d %d\n", i % 31 + 1, i % 12 + 1, 1 + (i * 37) % 9999);
    }
    std::fclose(file);
    return path;
}

// One fresh process, standard output into `out`; exits on a failed run.
Run run(const std::vector<const char*>& argv, const char* out) {
    std::fflush(stdout);  // or the child would write out what is still buffered
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (std::freopen(out, "w", stdout) == nullptr) {
            _exit(126);
        }
        execv(argv[0], const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return {wall.count(), usage.ru_maxrss};
}

std::string contents(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string loadAverage() {
    std::string s = contents("/proc/loadavg");
    return s.substr(0, s.find(' ', s.find(' ', s.find(' ') + 1) + 1));
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
    run(batchArgs(dates), a.c_str());
    run(yardstickArgs(dates), b.c_str());
    const bool same = contents(a.c_str()) == contents(b.c_str());
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
    const std::string loadBefore = loadAverage();
    for (int i = 0; i < pairs; ++i) {
        Run a, b;
        if (i % 2 == 0) {
            a = run(batchArgs(dates), "/dev/null");
            b = run(yardstickArgs(dates), "/dev/null");
        } else {
            b = run(yardstickArgs(dates), "/dev/null");
            a = run(batchArgs(dates), "/dev/null");
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
        lines, pairs, median(batch), median(yardstick), median(ratio),
        *std::min_element(ratio.begin(), ratio.end()),
        *std::max_element(ratio.begin(), ratio.end()), median(batchKb), median(yardstickKb),
        loadBefore.c_str(), loadAverage().c_str());
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
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        sizes.push_back(std::atoi(argv[i]));
    }
    if (sizes.empty()) {
        sizes = {1000, 10000, 100000, 1000000};
    }
    for (const int lines : sizes) {
        measure(lines);
    }
    return 0;
}
