// Many report pages in one PDF: zemtar-forecast --pdf FILE --clients LIST
// against its yardstick, bench/minimal_pages (a QPdfWriter drawing the same
// pages with the least code), over the same lists of clients. First a check
// that both write the same number of pages; then for each size the two
// programs in turn, the order alternating, every run a fresh process with TZ
// unset as in a desktop session, offscreen, the file into /dev/shm (no disk
// flush in either). Prints the median times, the median and the range of the
// per-pair ratios, the bytes a page and the peak memory of each.
// Usage: pages_bench [PAGES...]   (default: 10 100 1000 10000)

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
    double cpu = 0;  // user and system
    long peakKb = 0;
    long bytes = 0;
    int pages = 0;
};

std::string folder() {
    return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

// Clients born in the twentieth century (every page has its aspect column),
// every day and month coming round.
std::string makeList(int pages) {
    std::string path = folder() + "/pages-bench-XXXXXX";
    const int fd = mkstemp(path.data());
    FILE* file = fdopen(fd, "w");
    std::fprintf(file, "Фамилия;Имя;Отчество;Дата рождения\r\n");
    for (int k = 0; k < pages; ++k) {
        std::fprintf(file, "Иванова%d;Мария;Петровна;%02d.%02d.%d\r\n", k, k % 28 + 1, k % 12 + 1,
                     1900 + k % 100);
    }
    std::fclose(file);
    return path;
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int pageCount(const std::string& pdf) {
    int pages = 0;
    for (auto at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        pages += pdf.compare(at + 11, 1, "s") != 0;
    }
    return pages;
}

// One fresh process; exits on a failed run.
Run run(const std::vector<const char*>& argv, const std::string& out) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (std::freopen("/dev/null", "w", stderr) == nullptr) {
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
    const std::string pdf = contents(out);
    unlink(out.c_str());
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return {wall.count(), cpu, usage.ru_maxrss, long(pdf.size()), pageCount(pdf)};
}

std::vector<const char*> companion(const std::string& list, const std::string& out) {
    return {ZEMTAR_FORECAST, "--pdf", out.c_str(), "--clients", list.c_str(), nullptr};
}

std::vector<const char*> yardstick(const std::string& list, const std::string& out) {
    return {ZEMTAR_MINIMAL_PAGES, list.c_str(), out.c_str(), nullptr};
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

// Both programs over 20 clients must write 20 pages each, or the figures
// compare different work. (That the pages look the same is checked with
// pdftoppm, as docs/performance.md tells.)
bool samePages() {
    const std::string list = makeList(20);
    const std::string out = list + ".pdf";
    const bool same =
        run(companion(list, out), out).pages == 20 && run(yardstick(list, out), out).pages == 20;
    unlink(list.c_str());
    return same;
}

void measure(int pages) {
    const std::string list = makeList(pages);
    const std::string out = list + ".pdf";
    const int pairs = std::clamp(20000 / pages, 3, 15);
    std::vector<double> ours, least, ratio, oursCpu, leastCpu;
    std::vector<long> oursKb, leastKb;
    Run a, b;
    const std::string loadBefore = loadAverage();
    for (int i = 0; i < pairs; ++i) {
        if (i % 2 == 0) {
            a = run(companion(list, out), out);
            b = run(yardstick(list, out), out);
        } else {
            b = run(yardstick(list, out), out);
            a = run(companion(list, out), out);
        }
        ours.push_back(a.seconds);
        oursCpu.push_back(a.cpu);
        leastCpu.push_back(b.cpu);
        least.push_back(b.seconds);
        ratio.push_back(a.seconds / b.seconds);
        oursKb.push_back(a.peakKb);
        leastKb.push_back(b.peakKb);
    }
    unlink(list.c_str());
    std::printf(
        "%6d pages, %2d pairs: --clients %.3f s (CPU %.3f s), yardstick %.3f s (CPU %.3f s), "
        "ratio %.2f (%.2f-%.2f); %ld / %ld bytes a page; peak memory %ld KB / %ld KB; "
        "load average %s -> %s\n",
        pages, pairs, median(ours), median(oursCpu), median(least), median(leastCpu), median(ratio),
        *std::min_element(ratio.begin(), ratio.end()),
        *std::max_element(ratio.begin(), ratio.end()), a.bytes / pages, b.bytes / pages,
        median(oursKb), median(leastKb), loadBefore.c_str(), loadAverage().c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    unsetenv("TZ");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!samePages()) {
        std::fprintf(stderr, "zemtar-forecast --clients and the yardstick write different pages\n");
        return 1;
    }
    std::printf("20 pages from both (targets: 1000 pages under 2 s and 4 KB a page)\n");
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        sizes.push_back(std::atoi(argv[i]));
    }
    if (sizes.empty()) {
        sizes = {10, 100, 1000, 10000};
    }
    for (const int pages : sizes) {
        measure(pages);
    }
    return 0;
}
