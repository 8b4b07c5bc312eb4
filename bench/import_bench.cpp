// A list of clients into an empty book, side by side with the least code that
// stores the same rows: the sqlite3 library reading the same file line by line
// and inserting every row with one prepared statement in one transaction, into
// a file with the book's own tables and indexes (copied from a book made by
// the program) and its journal and sync settings. The two take turns, the
// order alternating, with TZ unset as in a desktop session.
// Usage: import_bench [ROWS ...]   (1000 10000 100000 1000000 by default)

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "book/client_book.h"
#include "child_runs.h"
#include "made_up_people.h"

namespace {

// Every fourth client has a note, every third the moment it was added and
// every fifth the moment of its last report, as a spreadsheet shows them. A
// million such rows would pass the import's 50 MB, so a list of a million or
// more has short names and a tenth of the notes and moments.
void writeList(const QString& path, int rows) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::exit(1);
    }
    std::mt19937 random(29);
    const int sparse = rows >= 1000000 ? 10 : 1;
    file.write("Фамилия;Имя;Отчество;Дата рождения;Примечание;Добавлен;Напечатан\r\n");
    for (int k = 0; k < rows; ++k) {
        const bench::MadeUpPerson p = bench::madeUpPerson(random, k);
        const bool brief = sparse > 1;
        const QString line =
            QStringList{brief ? QStringLiteral("К%1").arg(k) : p.surname + QString::number(k),
                        p.name,
                        brief ? QString() : p.patronymic,
                        QStringLiteral("%1.%2.%3").arg(p.day).arg(p.month).arg(p.year),
                        k % (4 * sparse) == 0 ? QStringLiteral("пришла по совету") : QString(),
                        k % (3 * sparse) == 0 ? QStringLiteral("05.03.2024 14:30:00") : QString(),
                        k % (5 * sparse) == 0 ? QStringLiteral("06.03.2024 09:15") : QString()}
                .join(u';');
        file.write(line.toUtf8() + "\r\n");
    }
}

double importByTheBook(const QString& list, const QString& bookPath, int rows) {
    QElapsedTimer timer;
    timer.start();
    book::ClientBook book(bookPath);
    const book::ImportReport report = book.importCsv(list);
    if (!report.done || report.added != rows) {
        std::fprintf(stderr, "the import stored %d of %d: %s\n", report.added, rows,
                     qPrintable(report.error));
        std::exit(1);
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

// The book's tables and indexes, as a book of the program has them.
std::vector<std::string> bookSchema(const QString& folder) {
    const QString path = folder + QStringLiteral("/model/clients.sqlite");
    {
        book::ClientBook model(path);
        model.open();
    }
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(db, "SELECT sql FROM sqlite_schema WHERE sql IS NOT NULL ORDER BY rowid", -1,
                       &q, nullptr);
    std::vector<std::string> statements;
    while (sqlite3_step(q) == SQLITE_ROW) {
        statements.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
    }
    sqlite3_finalize(q);
    sqlite3_close(db);
    return statements;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ';') {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    fields.resize(7);
    return fields;
}

// The yardstick: the names stand for their own sort key, the date is cut at
// its dots, the moments are stored as they are written.
double importByHand(const QString& list, const std::string& path,
                    const std::vector<std::string>& schema) {
    QElapsedTimer timer;
    timer.start();
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;"
                 " PRAGMA cache_size = -32768",
                 nullptr, nullptr, nullptr);
    for (const std::string& statement : schema) {
        sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO clients (surname, name, patronymic, day, month, year_text,"
                       " note, added, last_printed, sort_key) VALUES (?,?,?,?,?,?,?,?,?,?)"
                       " ON CONFLICT DO NOTHING",
                       -1, &q, nullptr);
    std::ifstream in(list.toStdString());
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const std::vector<std::string> f = split(line);
        const size_t dot = f[3].find('.');
        const size_t dot2 = f[3].find('.', dot + 1);
        for (int k = 0; k < 3; ++k) {
            sqlite3_bind_text(q, k + 1, f[size_t(k)].c_str(), -1, SQLITE_STATIC);
        }
        sqlite3_bind_int(q, 4, std::atoi(f[3].c_str()));
        sqlite3_bind_int(q, 5, std::atoi(f[3].c_str() + dot + 1));
        sqlite3_bind_text(q, 6, f[3].c_str() + dot2 + 1, -1, SQLITE_STATIC);
        for (int k = 4; k < 7; ++k) {
            sqlite3_bind_text(q, k + 3, f[size_t(k)].c_str(), -1, SQLITE_STATIC);
        }
        const std::string key = f[0] + ' ' + f[1] + ' ' + f[2];
        sqlite3_bind_text(q, 10, key.c_str(), -1, SQLITE_STATIC);
        if (sqlite3_step(q) != SQLITE_DONE) {
            std::exit(1);
        }
        sqlite3_reset(q);
    }
    sqlite3_finalize(q);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return double(timer.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    unsetenv("TZ");
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const std::vector<std::string> schema = bookSchema(dir.path());
    std::printf("| rows | pairs | import | yardstick | ratio, median (range) | load average |\n");
    int round = 0;
    for (const int rows : bench::sizesFrom(argc, argv, {1000, 10000, 100000, 1000000})) {
        const QString list = dir.filePath(QStringLiteral("list%1.csv").arg(rows));
        writeList(list, rows);
        const std::string load = bench::loadAverage();
        const int pairs = rows >= 1000000 ? 3 : 7;
        std::vector<double> ours, least, ratios;
        for (int k = 0; k < pairs; ++k) {
            ++round;
            const QString bookPath =
                dir.filePath(QStringLiteral("book%1/clients.sqlite").arg(round));
            const std::string plain =
                dir.filePath(QStringLiteral("plain%1.sqlite").arg(round)).toStdString();
            double a = 0;
            double b = 0;
            if (k % 2 == 0) {
                a = importByTheBook(list, bookPath, rows);
                b = importByHand(list, plain, schema);
            } else {
                b = importByHand(list, plain, schema);
                a = importByTheBook(list, bookPath, rows);
            }
            ours.push_back(a);
            least.push_back(b);
            ratios.push_back(a / b);
            QDir(dir.filePath(QStringLiteral("book%1").arg(round))).removeRecursively();
            QFile::remove(QString::fromStdString(plain));
        }
        std::printf("| %d | %d | %.3f s | %.3f s | **%.2f** (%.2f-%.2f) | %s |\n", rows, pairs,
                    bench::median(ours), bench::median(least), bench::median(ratios),
                    bench::smallest(ratios), bench::largest(ratios), load.c_str());
        std::fflush(stdout);
        QFile::remove(list);
    }
    return 0;
}
