// The client book window over a book of a few made-up clients in a temporary
// folder, for looking at the window and taking its picture:
//   book_demo                        the window, until it is closed
//   book_demo --png FILE [SEARCH]    its picture, with SEARCH typed, into FILE
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "book/client_book.h"
#include "platform/services.h"
#include "ui/book_window.h"

namespace {

struct Sample {
    const char* surname;
    const char* name;
    const char* patronymic;
    int day, month;
    const char* year;
    const char* note;
    int printedDaysAgo;  // -1: never printed
};

constexpr Sample kSamples[] = {
    {"Иванова", "Мария", "Петровна", 23, 8, "1975", "Повторить в мае", 2},
    {"Семёнов", "Пётр", "Ильич", 5, 5, "1990", "", 10},
    {"Семенова", "Алла", "Викторовна", 14, 2, "1983", "", -1},
    {"Кузнецов", "Алексей", "Сергеевич", 1, 12, "1961", "Просил прогноз на год", 40},
    {"Лебедева", "Ольга", "", 30, 6, "2001", "", 1},
    {"Орлов", "Иван", "Фёдорович", 9, 3, "1948", "", -1},
    {"Ёлкина", "Елена", "Михайловна", 17, 10, "1979", "", 5},
    {"Васильев", "Сергей", "Иванович", 28, 1, "1995", "", -1},
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QTemporaryDir dir;
    book::ClientBook clients(dir.filePath(QStringLiteral("clients.sqlite")));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const Sample& s : kSamples) {
        book::Client c;
        c.names = {QString::fromUtf8(s.surname), QString::fromUtf8(s.name),
                   QString::fromUtf8(s.patronymic)};
        c.birthDate = {s.day, book::monthIndexOf(s.month), QString::fromUtf8(s.year)};
        c.note = QString::fromUtf8(s.note);
        c.added = now.addDays(-60).toString(Qt::ISODate);
        if (s.printedDaysAgo >= 0) {
            c.lastPrinted = now.addDays(-s.printedDaysAgo).toString(Qt::ISODate);
        }
        QString error;
        if (!clients.add(c, &error)) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 1;
        }
    }

    platform::DesktopServices services;
    ui::BookWindow window(clients, services);
    window.onOpen = [](const book::Client& c) {
        std::printf("open %s %s\n", c.names.surname.toLocal8Bit().constData(),
                    book::birthDateText(c).toLocal8Bit().constData());
        std::fflush(stdout);
    };
    window.onPrint = [](const book::Client& c) {
        std::printf("print %s\n", c.names.surname.toLocal8Bit().constData());
        std::fflush(stdout);
    };
    window.resize(900, 360);
    window.show();

    const QStringList args = QApplication::arguments();
    if (args.size() >= 3 && args[1] == QStringLiteral("--png")) {
        if (args.size() >= 4) {
            window.searchField()->setText(args[3]);
        }
        QTimer::singleShot(300, [&] {
            const bool saved = window.grab().save(args[2]);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
