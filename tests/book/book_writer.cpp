// Writes clients into the book given on the command line (their surnames
// start with the second argument), one change after another, and prints the
// number of each change once it is stored. The crash
// test kills it in the middle and checks that every number printed is there.
#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>

#include "book/client_book.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // As every test: the user's own settings are never touched.
    QStandardPaths::setTestModeEnabled(true);
    if (argc < 3) {
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    book::ClientBook book(QString::fromLocal8Bit(argv[1]));
    for (int n = 1;; ++n) {
        book::Client client;
        client.names = {prefix + QString::number(n), QStringLiteral("Проба"), {}};
        client.birthDate = {n % 28 + 1, n % 12, QStringLiteral("1990")};
        client.note = QString(300, QChar(u'ж'));
        QString error;
        // Every other change is the two-statement one of a printout.
        const bool stored = n % 2 ? book.add(client, &error)
                                  : book.recordPrinted(client.names, client.birthDate, &error);
        if (!stored) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
