// The turning list of a book of 100,000 clients (book::turningList: every
// client and the year's «Связался» marks read, each client's forecast made by
// core and its year judged) against its yardstick, the plain sqlite3 library
// reading the same rows and marks (every column the list reads touched). The
// two run in turn in one process, the order alternating; each pair gives a
// ratio. The list must take under a second. A book a practitioner has used:
// a phone and an e-mail for every client, a thousand marked contacted.
// Usage: turning_bench [--benchmark_repetitions=N ...]

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "benchmark_main.h"
#include "book/client_book.h"
#include "book/turning_list.h"
#include "made_up_people.h"

namespace {

constexpr int kClients = 100000;
constexpr long long kYear = 2027;

// The book, filled once in one transaction.
struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("book/clients.sqlite"));

    Fixture() {
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
                "INSERT INTO clients (surname, name, patronymic, day, month, year_text, phone,"
                " email, added, sort_key) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            std::mt19937 random(1975);
            for (int k = 0; k < kClients; ++k) {
                const bench::MadeUpPerson p = bench::madeUpPerson(random, k);
                book::Client c;
                c.names = {p.surname, p.name, p.patronymic};
                c.birthDate = {p.day, book::monthIndexOf(p.month), QString::number(p.year)};
                for (const QVariant& v :
                     {QVariant(p.surname), QVariant(p.name), QVariant(p.patronymic),
                      QVariant(p.day), QVariant(p.month), QVariant(QString::number(p.year)),
                      QVariant(QStringLiteral("+7 900 %1").arg(1000000 + k)),
                      QVariant(QStringLiteral("client%1@example.org").arg(k)),
                      QVariant(QStringLiteral("2025-01-01T09:00:00Z")),
                      QVariant(book::searchKey(c))}) {
                    q.addBindValue(v);
                }
                if (!q.exec()) {
                    std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
                    std::exit(1);
                }
            }
            q.exec(QStringLiteral("INSERT INTO contacted (client_id, year, made)"
                                  " SELECT id, %1, '2026-12-08' FROM clients WHERE id % 100 = 0")
                       .arg(kYear));
            q.exec(QStringLiteral("COMMIT"));
        }
        QSqlDatabase::removeDatabase(name);
    }
};

double ours(book::ClientBook& b, size_t* listed) {
    QElapsedTimer timer;
    timer.start();
    book::TurningList list;
    if (!book::turningList(b, kYear, core::kTurnChangeDefault, list)) {
        return -1;
    }
    *listed = list.entries.size();
    return double(timer.nsecsElapsed()) / 1e6;
}

// What of the list is the book's own reading of its clients and marks.
double bookRead(book::ClientBook& b) {
    QElapsedTimer timer;
    timer.start();
    std::vector<book::Client> clients;
    book::SearchKeys keys;
    QHash<qint64, QDate> marks;
    if (!b.clients(clients, nullptr, &keys) || !b.contacted(int(kYear), marks)) {
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

// The same rows and marks through sqlite3 itself, with the book's page cache.
double yardstick(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size = -32768", nullptr, nullptr, nullptr);
    long long touched = 0;
    for (const char* sql :
         {"SELECT id, surname, name, patronymic, day, month, year_text, note, added, last_printed,"
          " phone, email, language, gender, address, sort_key FROM clients WHERE deleted = ''"
          " ORDER BY id",
          "SELECT client_id, made FROM contacted WHERE year = 2027"}) {
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &rows, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            for (int column = 0; column < sqlite3_column_count(rows); ++column) {
                touched += sqlite3_column_text(rows, column) != nullptr;
                touched += sqlite3_column_bytes(rows, column);
            }
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return touched > 0 ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Each iteration is one pair, the order alternating; the counters give the
// list's time and the yardstick's (medians, with the list's range), the
// pairs' ratios, and how long the book's own reading of the same clients takes
// (ClientBook::clients and the marks, measured after each pair).
void BM_TurningList100000(benchmark::State& state) {
    static Fixture f;
    book::ClientBook b(f.path);
    b.waitForCheck();
    std::vector<double> list, sql, ratio, read;
    size_t listed = 0;
    int pair = 0;
    for (auto _ : state) {
        double a = 0, y = 0;
        if (pair++ % 2 == 0) {
            a = ours(b, &listed);
            y = yardstick(f.path);
        } else {
            y = yardstick(f.path);
            a = ours(b, &listed);
        }
        if (a < 0 || y < 0) {
            state.SkipWithError("the book or the yardstick could not be read");
            break;
        }
        list.push_back(a);
        read.push_back(bookRead(b));
        sql.push_back(y);
        ratio.push_back(a / y);
        state.SetIterationTime(a / 1e3);  // the time shown is the list's
    }
    if (list.empty()) {
        return;
    }
    state.counters["listed"] = double(listed);
    state.counters["list_ms"] = median(list);
    state.counters["list_min_ms"] = *std::min_element(list.begin(), list.end());
    state.counters["list_max_ms"] = *std::max_element(list.begin(), list.end());
    state.counters["sql_ms"] = median(sql);
    state.counters["book_read_ms"] = median(read);
    state.counters["ratio"] = median(ratio);
    state.counters["ratio_min"] = *std::min_element(ratio.begin(), ratio.end());
    state.counters["ratio_max"] = *std::max_element(ratio.begin(), ratio.end());
}
BENCHMARK(BM_TurningList100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(12);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
