// The client book's window near its limit, each figure against its yardstick
// in the same run, the two in turn:
// - opening: from nothing to the window on the screen over the whole book,
//   against the plain sqlite3 library reading the same rows in the book's
//   order (every column of every row touched);
// - a keystroke in the search, by name («иван» typed and taken back) and by
//   date («23.08.1975»), against a scan of the same rows' folded names and
//   date texts in memory for the same words;
// - a click on each header, each way, against std::sort of the row numbers
//   by the same column's values already in memory.
// Every window is new, so its first keystroke and its first click on each
// column are among the figures. The book is one a practitioner has used for
// a while: half of the clients with a note of two lines, three reports each,
// its full check passed
// before the first window. TZ is unset as in a desktop session.
// Usage: book_window_bench [CLIENTS...]   (default: 1000 10000 100000)

#include <sqlite3.h>

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <memory>
#include <numeric>
#include <random>

#include "book/client_book.h"
#include "platform/services.h"
#include "platform/user_settings.h"
#include "recording_services.h"
#include "ui/book/book_window.h"

#include "child_runs.h"
#include "made_up_people.h"

namespace {

// Wall time and the processor time of this thread, which a loaded machine
// stretches far less.
struct Took {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() {
        wall_.start();
        cpu_ = threadCpuMs();
    }
    Took took() const { return {double(wall_.nsecsElapsed()) / 1e6, threadCpuMs() - cpu_}; }

private:
    static double threadCpuMs() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }
    QElapsedTimer wall_;
    double cpu_ = 0;
};

QString loadAverage() {
    return QString::fromStdString(bench::loadAverage());
}

book::Client madeUp(std::mt19937& random, int k) {
    const bench::MadeUpPerson p = bench::madeUpPerson(random, k);
    book::Client c;
    c.names = {p.surname, p.name, p.patronymic};
    c.birthDate = {p.day, book::monthIndexOf(p.month), QString::number(p.year)};
    if (k % 2 == 0) {
        c.note = QStringLiteral(
                     "Пришла по рекомендации, просила прогноз на %1 год.\nПозвонить "
                     "в августе.")
                     .arg(k % 30 + 2000);
    }
    const QDateTime start(QDate(2025, 1, 1), QTime(9, 0), Qt::UTC);
    c.added = start.addSecs(k * 37).toString(Qt::ISODate);
    if (k % 3 == 0) {
        c.lastPrinted = start.addSecs(k * 41 + 86400).toString(Qt::ISODate);
    }
    return c;
}

// A book of `count` clients in `folder`, filled in one transaction.
QString makeBook(const QString& folder, int count) {
    const QString path = folder + QStringLiteral("/clients.sqlite");
    {
        book::ClientBook created(path);
        created.waitForCheck();
    }
    const QString name = QStringLiteral("bench-fill");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral(
            "INSERT INTO clients (surname, name, patronymic, day, month, year_text, note, added,"
            " last_printed, sort_key) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        // Qt SQL binds a null text as NULL; the book keeps empty text.
        const auto text = [](const QString& s) {
            return QVariant(s.isNull() ? QStringLiteral("") : s);
        };
        std::mt19937 random(1975);
        for (int k = 0; k < count; ++k) {
            const book::Client c = madeUp(random, k);
            for (const QVariant& v :
                 {text(c.names.surname), text(c.names.name), text(c.names.patronymic),
                  QVariant(c.birthDate.day), QVariant(book::storedMonth(c.birthDate.monthIndex)),
                  text(c.birthDate.year), text(c.note), text(c.added), text(c.lastPrinted),
                  QVariant(book::searchKey(c))}) {
                q.addBindValue(v);
            }
            if (!q.exec()) {
                std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
                std::exit(1);
            }
        }
        for (int k = 0; k < 3; ++k) {
            q.exec(QStringLiteral("INSERT INTO reports (client_id, made, kind) SELECT id,"
                                  " '2026-0%1-15T10:00:00Z', %2 FROM clients")
                       .arg(k + 1)
                       .arg(k));
        }
        q.exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

// The yardstick of opening: the same rows in the book's order through the
// plain sqlite3 library, with the book's page cache.
Took readRows(const QString& path) {
    const Stopwatch timer;
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size = -32768", nullptr, nullptr, nullptr);
    sqlite3_stmt* rows = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT id, surname, name, patronymic, day, month, year_text, note, added,"
                       " last_printed, sort_key FROM clients ORDER BY sort_key, id",
                       -1, &rows, nullptr);
    long long touched = 0;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        for (int column = 0; column < 11; ++column) {
            touched += sqlite3_column_text(rows, column) != nullptr;
            touched += sqlite3_column_bytes(rows, column);
        }
    }
    sqlite3_finalize(rows);
    sqlite3_close(db);
    const Took took = timer.took();
    return touched > 0 ? took : Took{-1, -1};
}

// What the yardsticks of the search and the sort find in memory.
struct InMemory {
    std::vector<QString> keys;   // the folded names
    std::vector<QString> dates;  // «23.08.1975»
    std::array<std::vector<QString>, 7> texts;
    std::vector<qint64> when;

    explicit InMemory(book::ClientBook& book) {
        std::vector<book::Client> clients;
        book::SearchKeys folded;
        book.clients(clients, nullptr, &folded);
        for (size_t i = 0; i < folded.size(); ++i) {
            keys.push_back(folded[i].toString());
        }
        for (const book::Client& c : clients) {
            dates.push_back(book::birthDateText(c));
            const core::BirthDate& d = c.birthDate;
            when.push_back(d.year.toLongLong() * 10000 + d.monthIndex * 100 + d.day);
            const std::array<QString, 7> row{keys[dates.size() - 1].section(u'\t', 0, 0),
                                             {},
                                             {},
                                             {},
                                             c.added,
                                             c.lastPrinted,
                                             c.note};
            for (size_t k = 0; k < row.size(); ++k) {
                texts[k].push_back(row[k]);
            }
        }
        for (size_t i = 0; i < keys.size(); ++i) {
            texts[1][i] = keys[i].section(u'\t', 1, 1);
            texts[2][i] = keys[i].section(u'\t', 2, 2);
        }
    }

    Took scan(const QString& typed) const {
        const Stopwatch timer;
        const QStringList words = book::fold(typed).split(u' ', Qt::SkipEmptyParts);
        int found = 0;
        for (size_t i = 0; i < keys.size(); ++i) {
            found += std::all_of(words.begin(), words.end(), [&](const QString& w) {
                return keys[i].contains(w) || dates[i].contains(w);
            });
        }
        return found >= 0 ? timer.took() : Took{-1, -1};
    }

    Took sort(int column, bool up) const {
        const Stopwatch timer;
        std::vector<int> rows(keys.size());
        std::iota(rows.begin(), rows.end(), 0);
        const auto& text = texts[size_t(column)];
        std::sort(rows.begin(), rows.end(), [&](int a, int b) {
            const int cmp = column == 3 ? (when[size_t(a)] > when[size_t(b)]) -
                                              (when[size_t(a)] < when[size_t(b)])
                                        : text[size_t(a)].compare(text[size_t(b)]);
            return cmp != 0 ? (up ? cmp < 0 : cmp > 0) : a < b;
        });
        return timer.took();
    }
};

struct Figures {
    std::vector<Took> open, read, keys, scans, firstKeys, clicks, sorts, firstClicks;
};

Took keystroke(ui::BookWindow& window, QChar letter) {
    QKeyEvent key = letter.isNull() ? QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier)
                                    : QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                                QString(letter));
    const Stopwatch timer;
    QApplication::sendEvent(window.searchField(), &key);
    QApplication::processEvents();
    return timer.took();
}

// Types `word` and takes it back, a key at a time, each key beside its scan.
void typeAndTakeBack(ui::BookWindow& window, const InMemory& memory, const QString& word,
                     Figures& f) {
    for (qsizetype at = 0; at < 2 * word.size(); ++at) {
        const bool typing = at < word.size();
        const QString before = window.searchField()->text();
        const Took took = keystroke(window, typing ? word[at] : QChar());
        const QString after = window.searchField()->text();
        f.scans.push_back(memory.scan(after));
        f.keys.push_back(took);
        if (at == 0 && before.isEmpty()) {
            f.firstKeys.push_back(took);
        }
    }
}

void clickEveryHeader(ui::BookWindow& window, const InMemory& memory, Figures& f) {
    for (int column = 0; column < 7; ++column) {
        for (const bool up : {true, false}) {
            const Stopwatch timer;
            window.table()->sortByColumn(column, up ? Qt::AscendingOrder : Qt::DescendingOrder);
            QApplication::processEvents();
            const Took took = timer.took();
            f.clicks.push_back(took);
            f.sorts.push_back(memory.sort(column, up));
            if (up) {
                f.firstClicks.push_back(took);
            }
        }
    }
    window.table()->sortByColumn(-1, Qt::AscendingOrder);
}

using bench::median;

// The median and the largest, wall and processor, as «12.3 ms (CPU 4.5), slowest …».
struct Summary {
    std::vector<double> wall, cpu;
    explicit Summary(const std::vector<Took>& took) {
        for (const Took& t : took) {
            wall.push_back(t.wall);
            cpu.push_back(t.cpu);
        }
    }
    QString median() const {
        return QStringLiteral("%1 ms (CPU %2)")
            .arg(bench::median(wall), 0, 'f', 2)
            .arg(bench::median(cpu), 0, 'f', 2);
    }
    QString slowest() const {
        return QStringLiteral("%1 ms (CPU %2)")
            .arg(*std::max_element(wall.begin(), wall.end()), 0, 'f', 2)
            .arg(*std::max_element(cpu.begin(), cpu.end()), 0, 'f', 2);
    }
};

// The median of the pairs' ratios, with their range.
QString ratios(const std::vector<Took>& a, const std::vector<Took>& b) {
    std::vector<double> wall, cpu;
    for (size_t k = 0; k < a.size(); ++k) {
        wall.push_back(a[k].wall / b[k].wall);
        cpu.push_back(a[k].cpu / b[k].cpu);
    }
    return QStringLiteral("%1 (%2-%3), CPU %4")
        .arg(median(wall), 0, 'f', 2)
        .arg(*std::min_element(wall.begin(), wall.end()), 0, 'f', 2)
        .arg(*std::max_element(wall.begin(), wall.end()), 0, 'f', 2)
        .arg(median(cpu), 0, 'f', 2);
}

void measure(int count) {
    QTemporaryDir dir;
    const QString path = makeBook(dir.path(), count);
    platform::RecordingServices services;
    std::unique_ptr<InMemory> memory;
    {
        // The full check passes once and is remembered, as on a book in use.
        book::ClientBook book(path);
        book.waitForCheck();
        memory = std::make_unique<InMemory>(book);
    }
    const int windows = std::clamp(700000 / count, 3, 15);
    const QString loadBefore = loadAverage();
    Figures f;
    for (int i = 0; i < windows; ++i) {
        const Took read = i % 2 == 0 ? readRows(path) : Took{};
        const Stopwatch timer;
        auto book = std::make_unique<book::ClientBook>(path);
        auto window = std::make_unique<ui::BookWindow>(*book, services);
        window->show();
        QApplication::processEvents();
        f.open.push_back(timer.took());
        f.read.push_back(i % 2 == 0 ? read : readRows(path));
        typeAndTakeBack(*window, *memory, QStringLiteral("иван"), f);
        typeAndTakeBack(*window, *memory, QStringLiteral("23.08.1975"), f);
        clickEveryHeader(*window, *memory, f);
        window.reset();
        book.reset();
    }
    std::printf("%d clients, %d windows, load average %s -> %s\n", count, windows,
                qPrintable(loadBefore), qPrintable(loadAverage()));
    const auto line = [](const char* what, const QString& text) {
        std::printf("  %-10s %s\n", what, qPrintable(text));
    };
    line("open",
         QStringLiteral("%1 against the read's %2: ratio %3")
             .arg(Summary(f.open).median(), Summary(f.read).median(), ratios(f.open, f.read)));
    line("keystroke", QStringLiteral("%1, the first %2, slowest %3, against the scan's %4")
                          .arg(Summary(f.keys).median(), Summary(f.firstKeys).median(),
                               Summary(f.keys).slowest(), Summary(f.scans).median()));
    line("click", QStringLiteral("%1, the first on a column %2, slowest %3, against the sort's %4")
                      .arg(Summary(f.clicks).median(), Summary(f.firstClicks).median(),
                           Summary(f.clicks).slowest(), Summary(f.sorts).median()));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    unsetenv("TZ");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The windows open in the book's order, and the user's own settings are never touched.
    QTemporaryDir settings;
    platform::setUserSettingsFile(settings.filePath(QStringLiteral("zemtar.conf")));
    for (const int count : bench::sizesFrom(argc, argv, {1000, 10000, 100000})) {
        measure(count);
    }
    return 0;
}
