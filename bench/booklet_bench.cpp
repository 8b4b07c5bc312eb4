// The interpretation booklet as PDF, against the least code that draws the
// same words (bench/plain_booklet.h). First a check that both give the same
// number of pages for children, adults and the earliest birth years, short
// and long outlooks. Then, in this process, one booklet of all sections for
// one client composed and written as the window and the companion write it
// (core::makeBooklet, print::BookletPages, print::writePdfFile), the two in
// turn, the order alternating: it must take under 50 ms. Then for each size a
// run of booklets into one PDF, zemtar-forecast --booklet --pdf --clients
// against bench/minimal_booklets, every run a fresh process: 1,000 must take
// under 15 s with memory flat (the peak at 1,000 near the peak at 100). TZ
// unset as in a desktop session, offscreen, the files into /dev/shm.
// Usage: booklet_bench [BOOKLETS...]   (default: 100 1000)

#include <QDate>
#include <QGuiApplication>
#include <filesystem>
#include <random>

#include "child_runs.h"
#include "made_up_people.h"
#include "plain_booklet.h"
#include "print/booklet_pages.h"

namespace {

using bench::median;
using Clock = std::chrono::steady_clock;

std::string folder() {
    return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

core::BookletChoice allSections(int outlook) {
    core::BookletChoice choice;
    choice.outlookYears = outlook;
    choice.thisYear = QDate::currentDate().year();
    return choice;
}

core::Booklet bookletOf(int day, int month, int year, int outlook) {
    static const core::TextLibrary library;
    const auto forecast =
        std::get<core::Forecast>(core::calculate({day, month - 1, QString::number(year)}));
    core::Person maria;
    maria.names = {"Петрова", "Мария", "Сергеевна"};
    return core::makeBooklet(forecast, maria, library, allSections(outlook));
}

int ours(const core::Booklet& booklet, const QString& path) {
    print::BookletsComposer pages{print::BookletPages(booklet)};
    return print::writePdfFile(pages, path, print::quietContext(QDateTime::currentDateTime(), {}))
        .pages;
}

int yardstick(const core::Booklet& booklet, const QString& path) {
    QPdfWriter writer(path);
    bench::setUpPlainWriter(writer);
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    const int pages =
        bench::drawPlainBooklet(writer, painter, booklet, QDateTime::currentDateTime(), true);
    return painter.end() ? pages : 0;
}

bool samePages(const QString& path) {
    for (const int year : {1899, 1975, 2010}) {
        for (const int outlook : {1, 10, 30}) {
            const core::Booklet b = bookletOf(5, 3, year, outlook);
            const int a = ours(b, path), y = yardstick(b, path);
            if (a != y || a < 2) {
                std::fprintf(stderr, "born %d, %d years: %d pages, the yardstick %d\n", year,
                             outlook, a, y);
                return false;
            }
        }
    }
    return true;
}

// The booklet made afresh from the forecast every time, as a click makes it.
double timed(int (*write)(const core::Booklet&, const QString&), const QString& path) {
    const auto start = Clock::now();
    write(bookletOf(23, 8, 1975, core::kOutlookDefault), path);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void measureOne(const QString& path, int pairs) {
    std::vector<double> a, b, ratio;
    const std::string loadBefore = bench::loadAverage();
    for (int i = 0; i < pairs; ++i) {
        const double first = timed(i % 2 == 0 ? ours : yardstick, path);
        const double second = timed(i % 2 == 0 ? yardstick : ours, path);
        a.push_back(i % 2 == 0 ? first : second);
        b.push_back(i % 2 == 0 ? second : first);
        ratio.push_back(a.back() / b.back());
    }
    std::printf(
        "one booklet, %d pairs: %.1f ms (%.1f-%.1f), yardstick %.1f ms, ratio %.2f "
        "(%.2f-%.2f); %lld bytes; load average %s -> %s\n",
        pairs, median(a), bench::smallest(a), bench::largest(a), median(b), median(ratio),
        bench::smallest(ratio), bench::largest(ratio),
        (long long)std::filesystem::file_size(path.toStdString()), loadBefore.c_str(),
        bench::loadAverage().c_str());
    std::fflush(stdout);
}

// Made-up clients of every age the book may hold, from a fixed seed.
std::string makeList(int count) {
    std::string path = folder() + "/booklet-bench-XXXXXX";
    FILE* file = fdopen(mkstemp(path.data()), "w");
    std::fprintf(file, "Фамилия;Имя;Отчество;Дата рождения\r\n");
    std::mt19937 random(20261208);
    for (int k = 0; k < count; ++k) {
        const bench::MadeUpPerson p = bench::madeUpPerson(random, k);
        std::fprintf(file, "%s;%s;%s;%02d.%02d.%d\r\n", p.surname.toUtf8().constData(),
                     p.name.toUtf8().constData(), p.patronymic.toUtf8().constData(), p.day, p.month,
                     p.year + k % 2 * 10);  // born 1930-2019
    }
    std::fclose(file);
    return path;
}

struct Series {
    std::vector<double> seconds, cpu;
    std::vector<long> peakKb;
    long bytes = 0;
    void add(const bench::ChildRun& r, const std::string& out) {
        seconds.push_back(r.seconds);
        cpu.push_back(r.cpu);
        peakKb.push_back(r.peakKb);
        bytes = long(std::filesystem::file_size(out));
        unlink(out.c_str());
    }
};

// The median peak memory of our run, KB.
long measureMany(int count) {
    const std::string list = makeList(count), out = list + ".pdf";
    const std::vector<const char*> companion{ZEMTAR_FORECAST, "--booklet",  "--pdf", out.c_str(),
                                             "--clients",     list.c_str(), nullptr};
    const std::vector<const char*> least{ZEMTAR_MINIMAL_BOOKLETS, list.c_str(), out.c_str(),
                                         nullptr};
    const int pairs = std::clamp(2000 / count, 3, 9);
    Series a, b;
    std::vector<double> ratio;
    const std::string loadBefore = bench::loadAverage();
    for (int i = 0; i < pairs; ++i) {
        for (const bool oursNow : {i % 2 == 0, i % 2 != 0}) {
            (oursNow ? a : b)
                .add(bench::runChild(oursNow ? companion : least, "/dev/null", "/dev/null"), out);
        }
        ratio.push_back(a.seconds.back() / b.seconds.back());
    }
    unlink(list.c_str());
    std::printf(
        "%5d booklets, %d pairs: --booklet --clients %.2f s (CPU %.2f s), yardstick %.2f s "
        "(CPU %.2f s), ratio %.2f (%.2f-%.2f); %ld / %ld bytes a booklet; peak memory "
        "%ld KB / %ld KB; load average %s -> %s\n",
        count, pairs, median(a.seconds), median(a.cpu), median(b.seconds), median(b.cpu),
        median(ratio), bench::smallest(ratio), bench::largest(ratio), a.bytes / count,
        b.bytes / count, median(a.peakKb), median(b.peakKb), loadBefore.c_str(),
        bench::loadAverage().c_str());
    std::fflush(stdout);
    return median(a.peakKb);
}

}  // namespace

int main(int argc, char** argv) {
    unsetenv("TZ");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QCoreApplication::setLibraryPaths({});  // as zemtar-forecast: no plugins
    const QString path = QString::fromStdString(folder()) + "/booklet-bench.pdf";
    if (!samePages(path)) {
        std::fprintf(stderr, "the booklet and the yardstick give different pages\n");
        return 1;
    }
    std::printf("same pages from both (targets: one booklet under 50 ms, 1000 under 15 s)\n");
    timed(ours, path);  // the fonts and the emblem, once
    timed(yardstick, path);
    measureOne(path, 41);
    unlink(path.toStdString().c_str());
    std::vector<long> peaks;
    const std::vector<int> sizes = bench::sizesFrom(argc, argv, {100, 1000});
    for (const int count : sizes) {
        peaks.push_back(measureMany(count));
    }
    if (peaks.size() > 1) {
        std::printf("peak memory at %d / at %d booklets: %.2f\n", sizes.back(), sizes.front(),
                    double(peaks.back()) / double(peaks.front()));
    }
    return 0;
}
