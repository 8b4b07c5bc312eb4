// The whole process, side by side: zemtar-forecast --png for a date against
// the minimal Qt program that saves an empty window of the same size, and
// zemtar-forecast --json against a bare QCoreApplication printing the same
// JSON. Runs each pair in turn, many times, and reports the median wall time
// and the median peak resident memory of each (from the kernel's accounting of
// the ended child).
// Usage: process_bench [ROUNDS [FOLDER]]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Sample {
    double wallMs;
    long peakKb;
};

Sample runOnce(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& a : command) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (std::freopen("/dev/null", "w", stdout) == nullptr) {
            _exit(126);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", command.front().c_str());
        std::exit(1);
    }
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    return {wall.count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Series {
    Series(std::string n, std::vector<std::string> c) : name(std::move(n)), command(std::move(c)) {}
    std::string name;
    std::vector<std::string> command;
    std::vector<double> wall;
    std::vector<long> peak;
};

// Runs each pair in turn, alternating the order so that neither always runs
// on a warmer machine, and prints the medians and their ratios.
void comparePairs(const std::vector<std::pair<Series*, Series*>>& pairs, int rounds) {
    for (const auto& [a, b] : pairs) {  // warm the file cache
        for (int i = 0; i < 3; ++i) {
            runOnce(a->command);
            runOnce(b->command);
        }
    }
    for (int i = 0; i < rounds; ++i) {
        for (const auto& [a, b] : pairs) {
            for (Series* s : i % 2 == 0 ? std::vector<Series*>{a, b} : std::vector<Series*>{b, a}) {
                const Sample x = runOnce(s->command);
                s->wall.push_back(x.wallMs);
                s->peak.push_back(x.peakKb);
            }
        }
    }
    std::printf("%-28s %12s %14s   (%d runs each)\n", "process", "wall ms", "peak RSS KiB", rounds);
    for (const auto& [a, b] : pairs) {
        for (const Series* s : {a, b}) {
            std::printf("%-28s %12.1f %14ld\n", s->name.c_str(), median(s->wall), median(s->peak));
        }
    }
}

double wallRatio(const Series& a, const Series& b) {
    return median(a.wall) / median(b.wall);
}

double peakRatio(const Series& a, const Series& b) {
    return static_cast<double>(median(a.peak)) / static_cast<double>(median(b.peak));
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 40;
    // Where the pictures go: a folder on a disk pays for the flush that makes
    // the companion's file safe; /dev/shm shows the work without the disk.
    const std::string dir = argc > 2 ? argv[2] : "/tmp";
    const std::string tag = std::to_string(getpid());
    Series png{
        "zemtar-forecast --png",
        {ZEMTAR_FORECAST, "--png", dir + "/bench-forecast-" + tag + ".png", "23", "8", "1975"}};
    Series window{"minimal Qt window", {ZEMTAR_MINIMAL_QT, dir + "/bench-minimal-" + tag + ".png"}};
    Series json{"zemtar-forecast --json", {ZEMTAR_FORECAST, "--json", "23", "8", "1975"}};
    Series core{"bare QCoreApplication, JSON", {ZEMTAR_MINIMAL_CORE}};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char runtime[] = "/tmp/process-bench-XXXXXX";
    if (mkdtemp(runtime) == nullptr) {
        return 1;
    }
    setenv("XDG_RUNTIME_DIR", runtime, 1);

    comparePairs({{&png, &window}, {&json, &core}}, rounds);
    std::printf("--png  against the window:  wall %.2f (target <= 1.15), peak memory %.2f\n",
                wallRatio(png, window), peakRatio(png, window));
    std::printf("--json against QCoreApp:    wall %.2f (target <= 1.50), peak memory %.2f\n",
                wallRatio(json, core), peakRatio(json, core));
    unlink(png.command[2].c_str());
    unlink(window.command[1].c_str());
    rmdir(runtime);
    return 0;
}
