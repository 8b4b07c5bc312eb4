// Benchmarks of the client book with 100 000 clients, half of them with a
// note of two lines and each with three reports in their history: importing
// them from a CSV file, opening the book window over them, one keystroke in
// its search (by name and by date), and a click on a column's header; and the
// memory an import of a million clients takes.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <random>

#include "book/client_book.h"
#include "book/csv.h"
#include "platform/services.h"
#include "platform/user_settings.h"
#include "recording_services.h"
#include "ui/book/book_window.h"

#include "benchmark_main.h"
#include "made_up_people.h"

namespace {

constexpr int kClients = 100000;

// Made-up but plausible clients, the same from one run to the next.
QString csvOfClients(int count) {
    std::mt19937 random(1975);
    QString text = book::csv::row({"Фамилия", "Имя", "Отчество", "День", "Месяц", "Год"});
    for (int k = 0; k < count; ++k) {
        const bench::MadeUpPerson p = bench::madeUpPerson(random, k);
        text += book::csv::row({p.surname, p.name, p.patronymic, QString::number(p.day),
                                QString::number(p.month), QString::number(p.year)});
    }
    return text;
}

// A folder with the CSV file and a book filled from it once.
struct Fixture {
    QTemporaryDir dir;
    QString csv = dir.filePath(QStringLiteral("clients.csv"));
    QString bookPath = dir.filePath(QStringLiteral("full/clients.sqlite"));

    Fixture() {
        QFile file(csv);
        file.open(QIODevice::WriteOnly);
        file.write(csvOfClients(kClients).toUtf8());
        file.close();
        {
            book::ClientBook book(bookPath);
            book.importCsv(csv);
        }
        addNotesAndHistory();
    }

    // As a book in use looks: notes on half of the clients, three reports each.
    void addNotesAndHistory() const {
        const QString name = QStringLiteral("bench-fill");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(bookPath);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("BEGIN"));
            q.exec(QStringLiteral(
                "UPDATE clients SET note = 'Пришла по рекомендации, просила прогноз на '"
                " || (id % 30 + 2000) || ' год.' || char(10) || 'Позвонить в августе.'"
                " WHERE id % 2 = 0"));
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
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The most memory the process has held so far, in megabytes.
double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// A list of a million clients (about 30 MB, below the import's cap of 50) is read
// piece by piece: the peak memory grows by SQLite's page cache (32 MB) and a
// little more, not with the file (reading it whole took several times its size).
// Runs first, before any other benchmark has raised the peak.
void BM_ImportMillionMemory(benchmark::State& state) {
    constexpr int kRows = 1000000;
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("million.csv"));
    {
        QFile file(csv);
        file.open(QIODevice::WriteOnly);
        file.write("Фамилия;Имя;Отчество;Дата рождения\r\n");
        for (int k = 0; k < kRows; ++k) {
            file.write(QStringLiteral("К%1;Анна;;%2.%3.1975\r\n")
                           .arg(k)
                           .arg(k % 28 + 1)
                           .arg(k % 12 + 1)
                           .toUtf8());
        }
        state.counters["file_MB"] = double(file.size()) / (1024.0 * 1024.0);
    }
    const double before = peakMegabytes();
    for (auto _ : state) {
        book::ClientBook book(dir.filePath(QStringLiteral("book/clients.sqlite")));
        const book::ImportReport report = book.importCsv(csv);
        if (!report.done || report.added != kRows) {
            state.SkipWithError(report.error.isEmpty() ? "the import did not store every client"
                                                       : qPrintable(report.error));
            break;
        }
    }
    state.counters["peak_growth_MB"] = peakMegabytes() - before;
}
BENCHMARK(BM_ImportMillionMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Import100000(benchmark::State& state) {
    Fixture& f = fixture();
    static int round = 0;  // every repetition imports into a book of its own
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = f.dir.filePath(QStringLiteral("import%1/clients.sqlite").arg(++round));
        auto book = std::make_unique<book::ClientBook>(path);
        book->open();
        state.ResumeTiming();
        const book::ImportReport report = book->importCsv(f.csv);
        if (!report.done || report.added != kClients) {
            state.SkipWithError("the import did not store every client");
            break;
        }
    }
}
BENCHMARK(BM_Import100000)->Unit(benchmark::kMillisecond)->Iterations(5);

// From nothing to the window on the screen: the file opened and given its
// quick check, every client read, the table laid out and painted. (The full
// integrity check runs in a thread of its own meanwhile.)
void BM_OpenWindow(benchmark::State& state) {
    Fixture& f = fixture();
    platform::RecordingServices services;
    for (auto _ : state) {
        auto book = std::make_unique<book::ClientBook>(f.bookPath);
        auto window = std::make_unique<ui::BookWindow>(*book, services);
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->currentClient());
        state.PauseTiming();
        window.reset();
        book.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond)->Iterations(15);

// One key in the search field, filter and repaint included: «word» typed
// letter by letter and taken back again, so that every keystroke meets a
// different number of clients; the slowest key is kept beside the mean.
void typeAndTakeBack(benchmark::State& state, const QString& word) {
    Fixture& f = fixture();
    platform::RecordingServices services;
    book::ClientBook book(f.bookPath);
    ui::BookWindow window(book, services);
    window.show();
    QApplication::processEvents();
    int step = 0;
    double slowest = 0;
    for (auto _ : state) {
        const int at = step++ % (2 * word.size());
        QKeyEvent key =
            at < word.size()
                ? QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(word[at]))
                : QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        const auto start = std::chrono::steady_clock::now();
        QApplication::sendEvent(window.searchField(), &key);
        QApplication::processEvents();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, took.count());
    }
    state.counters["slowest_ms"] = slowest;
}

// "иван" meets 100 000 clients down to a few hundred.
void BM_SearchKeystroke(benchmark::State& state) {
    typeAndTakeBack(state, QStringLiteral("иван"));
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond)->Iterations(80);

// The same by date; the first keys meet most of the book.
void BM_DateSearchKeystroke(benchmark::State& state) {
    typeAndTakeBack(state, QStringLiteral("23.08.1975"));
}
BENCHMARK(BM_DateSearchKeystroke)->Unit(benchmark::kMillisecond)->Iterations(80);

// A click on a header: surname, date of birth and note in turn, each way,
// the table reordered and repainted.
void BM_SortByColumn(benchmark::State& state) {
    Fixture& f = fixture();
    platform::RecordingServices services;
    book::ClientBook book(f.bookPath);
    ui::BookWindow window(book, services);
    window.show();
    QApplication::processEvents();
    constexpr std::array<int, 3> kColumns{0, 3, 6};
    int step = 0;
    double slowest = 0;
    for (auto _ : state) {
        const int column = kColumns[size_t(step / 2 % 3)];
        const auto order = step++ % 2 == 0 ? Qt::AscendingOrder : Qt::DescendingOrder;
        const auto start = std::chrono::steady_clock::now();
        window.table()->sortByColumn(column, order);
        QApplication::processEvents();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, took.count());
    }
    state.counters["slowest_ms"] = slowest;
    window.table()->sortByColumn(-1, Qt::AscendingOrder);
    platform::userSettings().setValue(QStringLiteral("book/columns"), QString());
}
BENCHMARK(BM_SortByColumn)->Unit(benchmark::kMillisecond)->Iterations(12);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Every window opens in the book's order, whatever a run before chose, and
    // the user's own settings are never touched.
    QTemporaryDir settings;
    platform::setUserSettingsFile(settings.filePath(QStringLiteral("zemtar.conf")));
    return bench::runBenchmarks(argc, argv);
}
