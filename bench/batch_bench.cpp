// zemtar-forecast --batch over a file of dates: the whole process, run several
// times; prints the median rate in dates per second against the target of
// 10 000. Usage: batch_bench [DATES] [ROUNDS]

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const int dates = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    char path[] = "/tmp/batch-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        return 1;
    }
    FILE* file = fdopen(fd, "w");
    for (int i = 0; i < dates; ++i) {
        // Every day, month and digit count comes round.
        std::fprintf(file, "%d %d %d\n", i % 31 + 1, i % 12 + 1, 1 + (i * 37) % 9999);
    }
    std::fclose(file);

    std::vector<double> rates;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            if (std::freopen("/dev/null", "w", stdout) == nullptr) {
                _exit(126);
            }
            execl(ZEMTAR_FORECAST, ZEMTAR_FORECAST, "--batch", path, static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "zemtar-forecast --batch failed\n");
            unlink(path);
            return 1;
        }
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        rates.push_back(dates / wall.count());
    }
    unlink(path);
    std::sort(rates.begin(), rates.end());
    std::printf(
        "zemtar-forecast --batch: %d dates, median %.0f dates/s over %d runs "
        "(target >= 10000)\n",
        dates, rates[rates.size() / 2], rounds);
    return 0;
}
