// Many report pages in one PDF: zemtar-forecast --pdf FILE --clients LIST
// against its yardstick, bench/minimal_pages (a QPdfWriter drawing the same
// pages with the least code), over the same lists of clients. First a check
// that both write the same number of pages; then for each size the two
// programs in turn, the order alternating, every run a fresh process with TZ
// unset as in a desktop session, offscreen, the file into /dev/shm (no disk
// flush in either). Prints the median times, the median and the range of the
// per-pair ratios, the bytes a page and the peak memory of each.
// Usage: pages_bench [PAGES...]   (default: 10 100 1000 10000)

#include "child_runs.h"

namespace {

using bench::median;

struct Run : bench::ChildRun {
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

int pageCount(const std::string& pdf) {
    int pages = 0;
    for (auto at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        pages += pdf.compare(at + 11, 1, "s") != 0;
    }
    return pages;
}

// One fresh process writing `out`, which is read for its size and pages and removed.
Run run(const std::vector<const char*>& argv, const std::string& out) {
    Run r;
    static_cast<bench::ChildRun&>(r) = bench::runChild(argv, "/dev/null", "/dev/null");
    const std::string pdf = bench::fileContents(out);
    unlink(out.c_str());
    r.bytes = long(pdf.size());
    r.pages = pageCount(pdf);
    return r;
}

std::vector<const char*> companion(const std::string& list, const std::string& out) {
    return {ZEMTAR_FORECAST, "--pdf", out.c_str(), "--clients", list.c_str(), nullptr};
}

std::vector<const char*> yardstick(const std::string& list, const std::string& out) {
    return {ZEMTAR_MINIMAL_PAGES, list.c_str(), out.c_str(), nullptr};
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
    const std::string loadBefore = bench::loadAverage();
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
        bench::smallest(ratio), bench::largest(ratio), a.bytes / pages, b.bytes / pages,
        median(oursKb), median(leastKb), loadBefore.c_str(), bench::loadAverage().c_str());
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
    for (const int pages : bench::sizesFrom(argc, argv, {10, 100, 1000, 10000})) {
        measure(pages);
    }
    return 0;
}
