#include <QCoreApplication>
#include <cstdio>

#include "platform/single_instance.h"

// Stands in for a running copy of the program in the single-instance tests:
// takes the lock given as its argument, says "locked" and keeps the lock until
// its input closes or it is killed.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    platform::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (instance.anotherIsRunning()) {
        std::puts("busy");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    char c = 0;
    while (std::fread(&c, 1, 1, stdin) == 1) {
    }
    return 0;
}
