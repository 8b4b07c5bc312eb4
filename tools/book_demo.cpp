// The client book window over a book of a few made-up clients in a temporary
// folder, for looking at the window and taking its picture:
//   book_demo                        the window, until it is closed
//   book_demo --png FILE [SEARCH]    its picture, with SEARCH typed, into FILE
//   book_demo --turning COUNT FILE [ICS]
//                                    a book of COUNT made-up clients: next
//                                    year's turning list, its first three
//                                    clients marked contacted, its picture
//                                    into FILE, the first one's calendar into ICS
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <random>

#include "book/client_book.h"
#include "platform/services.h"
#include "ui/book/book_window.h"
#include "ui/book/turning_model.h"
#include "ui/book/turning_window.h"

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

// The messages of the demo on standard output, so that nothing waits for a click.
class PrintingServices : public platform::DesktopServices {
public:
    void message(QWidget*, const platform::Message& m) override {
        std::printf("%s\n", m.text.toLocal8Bit().constData());
        std::fflush(stdout);
    }
};

// A book of `count` made-up clients, the same ones every time, with phones
// and e-mails; the turning list of next year over it, three marked.
int showTurning(book::ClientBook& clients, int count, const QStringList& args) {
    const char* surnames[] = {"Иванов",  "Петров",  "Сидоров", "Смирнов", "Кузнецов", "Попов",
                              "Соколов", "Лебедев", "Новиков", "Морозов", "Волков",   "Зайцев"};
    const char* names[] = {"Мария", "Иван", "Анна", "Пётр", "Елена", "Сергей", "Ольга", "Алексей"};
    std::mt19937 random(2027);
    for (int k = 0; k < count; ++k) {
        const bool woman = k % 2 == 0;
        book::Client c;
        c.names = {
            QString::fromUtf8(surnames[random() % 12]) + (woman ? QStringLiteral("а") : QString()),
            QString::fromUtf8(names[(random() % 4) * 2 + (woman ? 0 : 1)]), QString()};
        c.birthDate = {int(random() % 28 + 1), int(random() % 12),
                       QString::number(1940 + random() % 70)};
        c.phone = QStringLiteral("+7 912 %1-%2").arg(100 + k % 900).arg(1000 + k);
        c.email = QStringLiteral("client%1@example.org").arg(k);
        if (!clients.add(c)) {
            ++count;  // the same names and date twice: another one instead
        }
    }
    PrintingServices services;
    ui::TurningWindow window(clients, services);
    window.show();
    for (int row = 0; row < 3 && row < window.model()->rowCount(); ++row) {
        window.table()->setCurrentIndex(window.model()->index(row, 0));
        window.toggleContacted();
    }
    if (args.size() >= 5) {
        window.table()->setCurrentIndex(window.model()->index(0, 0));
        window.setAskCalendarFile([&](QWidget*, const QString&) { return args[4]; });
        window.saveCalendar();
    }
    QTimer::singleShot(300, [&] { QApplication::exit(window.grab().save(args[3]) ? 0 : 1); });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QTemporaryDir dir;
    book::ClientBook clients(dir.filePath(QStringLiteral("clients.sqlite")));
    const QStringList args = QApplication::arguments();
    if (args.size() >= 4 && args[1] == QStringLiteral("--turning")) {
        return showTurning(clients, args[2].toInt(), args);
    }
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
