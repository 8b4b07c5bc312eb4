// What the benchmarks that pit a whole program against its yardstick share:
// one fresh child process timed with its processor time and peak memory, the
// median of a series, the machine's load average, and the sizes to measure
// from the command line.
#pragma once

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

namespace bench {

struct ChildRun {
    double seconds = 0;
    double cpu = 0;  // user and system
    long peakKb = 0;
};

// One fresh process with standard output and standard error sent where they
// are named; exits the benchmark on a failed run, since its figures would lie.
inline ChildRun runChild(const std::vector<const char*>& argv, const char* out = "/dev/null",
                         const char* err = nullptr) {
    std::fflush(stdout);  // or the child would write out what is still buffered
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (std::freopen(out, "w", stdout) == nullptr ||
            (err != nullptr && std::freopen(err, "w", stderr) == nullptr)) {
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
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return {wall.count(), cpu, usage.ru_maxrss};
}

inline std::string fileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename T>
T median(std::vector<T> v) {
    if (v.empty()) {
        return T{};
    }
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename T>
T smallest(const std::vector<T>& v) {
    return *std::min_element(v.begin(), v.end());
}

template <typename T>
T largest(const std::vector<T>& v) {
    return *std::max_element(v.begin(), v.end());
}

// The first three figures of /proc/loadavg: a busy machine explains a slow run.
inline std::string loadAverage() {
    const std::string s = fileContents("/proc/loadavg");
    return s.substr(0, s.find(' ', s.find(' ', s.find(' ') + 1) + 1));
}

// The sizes named on the command line, or the usual ones.
inline std::vector<int> sizesFrom(int argc, char** argv, std::vector<int> usual) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        sizes.push_back(std::atoi(argv[i]));
    }
    return sizes.empty() ? usual : sizes;
}

}  // namespace bench
