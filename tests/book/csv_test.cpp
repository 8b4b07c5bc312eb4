#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QBuffer>
#include <QDir>
#include <QSqlQuery>
#include <QStringEncoder>
#include <csignal>
#include <functional>
#include <memory>

#include "book/book_private.h"
#include "book/client_list_reader.h"
#include "book/csv.h"
#include "book_fixture.h"
#include "file_size_limit.h"

using book::Client;

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("in.csv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

}  // namespace

// What a spreadsheet may hold in a field comes back as it went out, in both
// kinds of file; a field a spreadsheet would take for a formula is written as text.
TEST(Csv, ExportThenImportGivesTheSameClients) {
    Client clients[] = {
        person(QStringLiteral("Запятая, Точка; тоже"), QStringLiteral("\"Кавычки\""), {}, 1, 1,
               QStringLiteral("1990"), QStringLiteral("строка 1\nстрока 2\r\nстрока 3")),
        person(QStringLiteral("<b>Жирный</b>"), QStringLiteral("100%_;"), QStringLiteral("Ёлкин"),
               31, 12, QStringLiteral("9999"), QStringLiteral("  пробелы по краям  ")),
        person(QStringLiteral("Смайл 😀"), QString::fromUtf8("\u200fשלום"), {}, 5, 5,
               QStringLiteral("1"), QStringLiteral("=1+2,\"\"")),
        person(QStringLiteral("Пустая"), {}, {}, 2, 3, QStringLiteral("2000"), {}),
        person(QStringLiteral("+7 999"), QStringLiteral("-Минус"), QStringLiteral("@Собака"), 4, 4,
               QStringLiteral("1980"), QStringLiteral("\tтаб")),
        person(QStringLiteral("'=Апостроф"), QStringLiteral("'Просто"), {}, 6, 6,
               QStringLiteral("1970"), QStringLiteral("\rвозврат")),
    };
    clients[0].phone = QStringLiteral("+7 (916) 123-45-67");
    clients[0].email = QStringLiteral("maria@example.ru");
    clients[4].phone = QStringLiteral("=8 800; доб. 2");
    clients[1].gender = core::Gender::Female;
    clients[1].address = QStringLiteral("=Машенька, «дорогая»");
    clients[2].gender = core::Gender::Male;
    TempBook from;
    from.book->setClock([] { return QDateTime(QDate(2026, 5, 1), QTime(12, 0, 7), Qt::UTC); });
    for (Client c : clients) {
        ASSERT_TRUE(from.book->add(c));
    }
    ASSERT_TRUE(from.book->recordPrinted(clients[3].names, clients[3].birthDate));
    for (const book::CsvFormat format : {book::CsvFormat::Plain, book::CsvFormat::Excel}) {
        SCOPED_TRACE(int(format));
        const QString file = from.dir.filePath(QStringLiteral("out%1.csv").arg(int(format)));
        ASSERT_TRUE(from.book->exportCsv(file, nullptr, format));
        EXPECT_EQ(modeOf(file), 0600u);
        const QByteArray bytes = bytesOf(file);
        EXPECT_TRUE(bytes.contains("\"'=1+2")) << bytes.toStdString();
        EXPECT_TRUE(bytes.contains("\"'+7 999\"")) << bytes.toStdString();
        EXPECT_EQ(bytes.startsWith(
                      "\xEF\xBB\xBF\xD0\xA4\xD0\xB0\xD0\xBC\xD0\xB8\xD0\xBB\xD0\xB8\xD1\x8F;"),
                  format == book::CsvFormat::Excel);

        TempBook to;
        const book::ImportReport report = to.book->importCsv(file);
        ASSERT_TRUE(report.done) << report.error.toStdString();
        EXPECT_EQ(report.added, int(std::size(clients)));
        EXPECT_TRUE(report.badRows.empty());
        const auto before = from.all();
        const auto after = to.all();
        ASSERT_EQ(after.size(), before.size());
        for (size_t k = 0; k < before.size(); ++k) {
            SCOPED_TRACE(before[k].names.surname.toStdString());
            EXPECT_TRUE(after[k].samePerson(before[k]));
            EXPECT_EQ(after[k].note, before[k].note);
            EXPECT_EQ(after[k].phone, before[k].phone);
            EXPECT_EQ(after[k].email, before[k].email);
            EXPECT_EQ(after[k].added, before[k].added);
            EXPECT_EQ(after[k].lastPrinted, before[k].lastPrinted);
            EXPECT_EQ(after[k].gender, before[k].gender);
            EXPECT_EQ(after[k].address, before[k].address);
        }
        // The same file again adds nobody.
        const book::ImportReport again = to.book->importCsv(file);
        EXPECT_EQ(again.added, 0);
        EXPECT_EQ(again.alreadyThere, int(std::size(clients)));
    }
}

// Every field at its limit, in characters that take more than one UTF-16 unit,
// after each character that a spreadsheet would take for a formula: the guard
// «'» the file gets is not counted, and all of it comes back.
TEST(Csv, FieldsAtTheirLimitsComeBackAfterEveryGuard) {
    const QString accented = QStringLiteral("и\u0306");  // one letter, two units
    const QString smile = QStringLiteral("😀");           // one character, two units
    const auto atLimit = [](const QString& guard, const QString& filler, int limit) {
        return guard + filler.repeated(limit - guard.size());
    };
    TempBook from;
    int day = 0;
    for (const char* guard : {"=", "+", "-", "@", "'=", "\t", "\r"}) {
        const QString g = QString::fromUtf8(guard);
        const bool nameGuard = g != u'\t' && g != u'\r';  // names hold no control characters
        const QString n = nameGuard ? g : QString();
        Client c = person(atLimit(n, accented, book::kSurnameLimit),
                          atLimit(n, QStringLiteral("я"), book::kNameLimit),
                          atLimit(n, accented, book::kPatronymicLimit), ++day, 3,
                          QStringLiteral("75"), atLimit(g, smile, book::kNoteLimit));
        ASSERT_TRUE(from.book->add(c)) << guard;
    }
    for (const book::CsvFormat format : {book::CsvFormat::Plain, book::CsvFormat::Excel}) {
        SCOPED_TRACE(int(format));
        const QString file = from.dir.filePath(QStringLiteral("out.csv"));
        ASSERT_TRUE(from.book->exportCsv(file, nullptr, format));
        TempBook to;
        const book::ImportReport report = to.book->importCsv(file);
        ASSERT_TRUE(report.done) << report.error.toStdString();
        ASSERT_TRUE(report.badRows.empty()) << report.badRows.front().second.toStdString();
        const auto before = from.all();
        const auto after = to.all();
        ASSERT_EQ(after.size(), before.size());
        for (size_t k = 0; k < before.size(); ++k) {
            EXPECT_TRUE(after[k].samePerson(before[k])) << k;
            EXPECT_EQ(after[k].note, before[k].note) << k;
        }
    }
}

// The book's files count months as people write them, August as 8, in the
// database and in both kinds of list, whatever the program counts inside.
TEST(Csv, StoredFilesCountMonthsFromOne) {
    TempBook t;
    Client born = person(QStringLiteral("Иванова"), QStringLiteral("Мария"));  // 23.08.1975
    ASSERT_TRUE(t.book->add(born));
    QSqlQuery q(QSqlDatabase::database(t.book->connectionName()));
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT month FROM clients")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), 8);
    for (const auto& [format, written] : {std::pair{book::CsvFormat::Plain, ",23,8,1975,"},
                                          std::pair{book::CsvFormat::Excel, ";23.08.1975;"}}) {
        const QString file = t.dir.filePath(QStringLiteral("out.csv"));
        ASSERT_TRUE(t.book->exportCsv(file, nullptr, format));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        EXPECT_TRUE(out.readAll().contains(written)) << written;
    }
}

// Lists as spreadsheets and people save them: bytes in, clients out.
TEST(Csv, SpreadsheetDialectsAreRead) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8 with BOM, commas, LF",
         "\xEF\xBB\xBFФамилия,Имя,Отчество,День,Месяц,Год\nИванова,Мария,,23,8,1975\n"},
        {"UTF-8, semicolons, CRLF, month «08»",
         "Год;Месяц;День;Отчество;Имя;Фамилия\r\n1975;08;23;;Мария;Иванова\r\n"},
        {"Windows-1251, semicolons, genitive",
         "Фамилия;Имя;Отчество;День;Месяц;Год\r\nИванова;Мария;;23;АВГУСТА;1975\r\n"},
        {"tabs, one date column",
         "Фамилия\tИмя\tОтчество\tДата рождения\nИванова\tМария\t\t23.08.1975\n"},
        {"month name, no trailing break",
         "фамилия,ИМЯ,Отчество,День,Месяц,Год\nИванова,Мария,,23,Август,1975"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray bytes = QByteArray(c.what).startsWith("Windows")
                                     ? QStringEncoder("windows-1251")(QString::fromUtf8(c.bytes))
                                     : c.bytes;
        QTemporaryDir dir;
        TempBook t;
        const book::ImportReport report = t.book->importCsv(writeFile(dir, bytes));
        ASSERT_TRUE(report.done) << report.error.toStdString();
        EXPECT_TRUE(report.badRows.empty()) << report.badRows.front().second.toStdString();
        const auto all = t.all();
        ASSERT_EQ(all.size(), 1u);
        EXPECT_TRUE(all[0].samePerson(person(QStringLiteral("Иванова"), QStringLiteral("Мария"))))
            << all[0].names.surname.toStdString() << " " << all[0].birthDate.monthIndex;
    }
}

// A cancel at any point stores nothing, though rows were read before it.
TEST(Csv, CancelledImportStoresNothing) {
    QByteArray bytes = "Фамилия,Имя,Отчество,День,Месяц,Год\n";
    for (int k = 0; k < 5000; ++k) {
        bytes += "Клиент" + QByteArray::number(k) + ",Анна,,1,1,1990\n";
    }
    QTemporaryDir dir;
    TempBook t;
    int calls = 0;
    qint64 seenTotal = 0;
    const book::ImportReport report =
        t.book->importCsv(writeFile(dir, bytes), [&](qint64 done, qint64 total) {
            seenTotal = total;
            EXPECT_LE(done, total);
            return ++calls < 2;
        });
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(seenTotal, bytes.size());
    EXPECT_TRUE(report.cancelled);
    EXPECT_FALSE(report.done);
    EXPECT_EQ(report.added, 0);
    EXPECT_TRUE(t.all().empty());
}

// A failed export says why and leaves the file that was there as it was.
TEST(Csv, FailedExportKeepsTheOldFileAndSaysWhy) {
    struct Case {
        const char* what;
        QString file;
        const char* said;
        std::function<std::unique_ptr<FileSizeLimit>()> limit;
    };
    TempBook t;
    for (int k = 0; k < 50; ++k) {
        Client c = person(QStringLiteral("Клиент%1").arg(k), {}, {}, 1, 1, QStringLiteral("1990"),
                          QString(200, QChar(u'ж')));
        ASSERT_TRUE(t.book->add(c));
    }
    ASSERT_EQ(t.all().size(), 50u);  // read before any limit
    const QString old = t.dir.filePath(QStringLiteral("old.csv"));
    const Case cases[] = {
        {"disk full (file size limit)", old, "размер файла",
         [] { return std::make_unique<FileSizeLimit>(4096); }},
        {"missing folder", t.dir.filePath(QStringLiteral("nowhere/out.csv")), "не существует", {}},
        {"a folder", t.dir.path(), "папка", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            QFile f(old);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("прежний файл\n");
        }
        QString error;
        {
            const auto limit = c.limit ? c.limit() : nullptr;
            EXPECT_FALSE(t.book->exportCsv(c.file, &error));
        }
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.said))) << error.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(c.file))) << error.toStdString();
        EXPECT_EQ(bytesOf(old), QByteArray("прежний файл\n"));
    }
}
// Rows that cannot be read are named by the line they start on and stored in
// no part; the good rows around them are stored.
TEST(Csv, BadRowsAreListedByLineAndNothingOfThemIsStored) {
    const QByteArray text =
        "\xEF\xBB\xBF"
        "Год,Месяц,День,Фамилия,Имя,Отчество,Примечание\n"  // 1: any column order
        "1990,5,5,Хорошая,Анна,,\"две\nстроки\"\n"          // 2-3
        "1990,13,5,Плохой месяц,,,\n"                       // 4
        "1990,Май,0,Плохой день,,,\n"                       // 5
        "19a0,5,5,Плохой год,,,\n"                          // 6
        "1990,5,5,Мало полей\n"                             // 7
        "\n"                                                // 8: blank
        "1990,5,5,,,,\n"                                    // 9: no names
        "1990,5,5,Оченьоченьоченьдлиннаяфамилия,,,\n"       // 10
        "1990,5,5,\"Хвост\"x,,,\n"                          // 11
        "1990,август,23,Вторая хорошая,,,\r\n"              // 12
        "1990,5,5,\"Незакрытая,,,\n";                       // 13
    QTemporaryDir dir;
    TempBook t;
    const book::ImportReport report = t.book->importCsv(writeFile(dir, text));
    ASSERT_TRUE(report.done) << report.error.toStdString();
    std::vector<int> lines;
    for (const auto& [line, problem] : report.badRows) {
        EXPECT_FALSE(problem.isEmpty());
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<int>{4, 5, 6, 7, 9, 10, 11, 13}));
    const auto all = t.all();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].names.surname, QStringLiteral("Вторая хорошая"));
    EXPECT_EQ(all[0].birthDate.monthIndex, 7);
    EXPECT_EQ(all[1].note, QStringLiteral("две\nстроки"));
}

// The rows a spreadsheet saves after the last one filled in are passed over
// without a word; a day that never was is named by its line.
TEST(Csv, EmptyRowsPassUnseenAndDaysThatNeverWereAreNamed) {
    const struct {
        char separator;
        QByteArray empty;
    } cases[] = {{';', ";;;"}, {';', " ; ; ; "}, {',', ",,,"}, {'\t', "\t\t\t"}, {';', "\t"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.empty.toStdString());
        const QByteArray rows[] = {"Фамилия|Имя|Отчество|Дата рождения",
                                   c.empty,
                                   "Иванова|Мария||23.08.1975",
                                   c.empty,
                                   "Петров|Иван||31.04.1985",
                                   c.empty + "\r"};
        QByteArray bytes;
        for (const QByteArray& row : rows) {
            bytes += QByteArray(row).replace('|', c.separator) + '\n';
        }
        QTemporaryDir dir;
        TempBook t;
        const book::ImportReport report = t.book->importCsv(writeFile(dir, bytes));
        ASSERT_TRUE(report.done) << report.error.toStdString();
        EXPECT_EQ(report.added, 1);
        ASSERT_EQ(report.badRows.size(), 1u);
        EXPECT_EQ(report.badRows[0].first, 5);
        EXPECT_EQ(report.badRows[0].second, QStringLiteral("такой даты нет: 31 апреля 1985 года"));
    }
}

TEST(Csv, FileThatIsNoClientListStoresNothing) {
    const QByteArray files[] = {
        "Фамилия,Имя,Год\nИванова,Мария,1990\n",  // columns missing
        "",
        "Фамилия,Имя,Отчество,День,Месяц,Год\n",  // too large: grown past the cap below
    };
    for (const QByteArray& bytes : files) {
        SCOPED_TRACE(bytes.toStdString());
        QTemporaryDir dir;
        TempBook t;
        const QString file = writeFile(dir, bytes);
        if (!bytes.isEmpty() && bytes.endsWith("Год\n")) {
            QFile(file).resize(51LL * 1024 * 1024);  // sparse: no disk used
        }
        const book::ImportReport report = t.book->importCsv(file);
        EXPECT_FALSE(report.done);
        EXPECT_TRUE(report.error.contains(QDir::toNativeSeparators(dir.path())));
        EXPECT_TRUE(t.all().empty());
    }
}

// The note's limit holds row by row, in characters as a reader counts them,
// and a file of bad rows lists the first thousand and counts the rest in one entry.
TEST(Csv, LimitsHoldRowByRow) {
    const QByteArray smile = "😀";
    QByteArray bytes = "Фамилия,Имя,Отчество,День,Месяц,Год,Примечание\n";
    bytes += "Длинная,,,1,1,1990," + smile.repeated(book::kNoteLimit) + "\n";      // 2: stored
    bytes += "Длиннее,,,1,1,1990," + smile.repeated(book::kNoteLimit + 1) + "\n";  // 3: refused
    for (int k = 0; k < 1005; ++k) {
        bytes += "Плохой,,,0,1,1990,\n";  // 4 to 1008
    }
    QTemporaryDir dir;
    TempBook t;
    const book::ImportReport report = t.book->importCsv(writeFile(dir, bytes));
    ASSERT_TRUE(report.done) << report.error.toStdString();
    EXPECT_EQ(report.added, 1);
    ASSERT_EQ(report.badRows.size(), 1001u);
    EXPECT_EQ(report.badRows.front().first, 3);
    EXPECT_EQ(report.badRows.back().first, 1003);
    EXPECT_TRUE(report.badRows.back().second.contains(QStringLiteral("6")))
        << report.badRows.back().second.toStdString();
}

namespace {

// Standard input or a pipe: read once, never sought.
class Pipe : public QIODevice {
public:
    explicit Pipe(QByteArray bytes) : bytes_(std::move(bytes)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override {
        const qint64 n = std::min(size, qint64(bytes_.size()) - at_);
        std::copy_n(bytes_.constData() + at_, n, data);
        at_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 at_ = 0;
};

}  // namespace

// One decision about the encoding for the whole list, whether the bad line is
// in its first 64 KB or after them, in a file or through a pipe: the rows in
// the list's encoding are read, a line in another is named by its number.
TEST(Csv, EncodingIsDecidedOverTheWholeList) {
    const auto windows = [](const QByteArray& text) {
        QStringEncoder encoder("windows-1251");
        return QByteArray(encoder(QString::fromUtf8(text)));
    };
    QByteArray filler = "Фамилия;Имя;Отчество;Дата рождения\r\n";
    for (int k = 0; filler.size() < 70 * 1024; ++k) {
        filler += "Иванова;Мария;;23.08." + QByteArray::number(1900 + k % 100) + "\r\n";
    }
    const int fillerLines = int(filler.count('\n'));
    const QByteArray windowsRow = windows("Петров;Иван;;01.02.1980\r\n");
    const struct {
        const char* what;
        QByteArray bytes;
        int strayLine;
    } cases[] = {
        {"UTF-8, one row in Windows-1251 after 64 KB", filler + windowsRow, fillerLines + 1},
        {"UTF-8, one row in Windows-1251 before 64 KB",
         filler.left(filler.indexOf('\n') + 1) + windowsRow + filler.mid(filler.indexOf('\n') + 1),
         2},
        {"Windows-1251, a byte of neither after 64 KB",
         windows(filler) + windows("Петров;Иван;;01.02.1980") + "\x98\r\n", fillerLines + 1},
        {"Windows-1251, one row in UTF-8", windows(filler) + "Сидоров;Пётр;;01.02.1980\r\n",
         fillerLines + 1},
    };
    for (const auto& c : cases) {
        for (const bool piped : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (piped ? ", piped" : ", file"));
            QBuffer file;
            file.setData(c.bytes);
            file.open(QIODevice::ReadOnly);
            Pipe pipe(c.bytes);
            book::ClientListReader reader(piped ? static_cast<QIODevice&>(pipe) : file);
            ASSERT_TRUE(reader.start()) << reader.error().toStdString();
            std::vector<int> stray;
            int good = 0;
            for (book::ListRow row; reader.next(row);) {
                if (!row.problem.isEmpty()) {
                    EXPECT_TRUE(row.problem.contains(QStringLiteral("не в кодировке")))
                        << row.problem.toStdString();
                    stray.push_back(row.line);
                } else {
                    EXPECT_EQ(row.client.names.name, QStringLiteral("Мария"));
                    ++good;
                }
            }
            EXPECT_EQ(stray, std::vector<int>{c.strayLine});
            EXPECT_EQ(good, fillerLines - 1);
        }
    }
}

// A short date's year is refused with a hint, never given a century; a date
// marked as text keeps its year as typed, as the book's own files write it.
TEST(Csv, ShortYearInADateIsRefusedNotGuessed) {
    const struct {
        const char* date;
        const char* year;  // null: refused
    } cases[] = {{"23.08.75", nullptr}, {"1.1.5", nullptr},     {"'23.08.75", "75"},
                 {"23.08.975", "975"},  {"23.08.0075", "0075"}, {"23.08.1975", "1975"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        Pipe list("Фамилия;Имя;Отчество;Дата рождения\nИванова;Мария;;" + QByteArray(c.date) +
                  "\n");
        book::ClientListReader reader(list);
        ASSERT_TRUE(reader.start());
        book::ListRow row;
        ASSERT_TRUE(reader.next(row));
        if (c.year) {
            EXPECT_EQ(row.problem, QString());
            EXPECT_EQ(row.client.birthDate.year, QString::fromUtf8(c.year));
        } else {
            EXPECT_TRUE(row.problem.contains(QStringLiteral("год в четыре цифры")))
                << row.problem.toStdString();
        }
    }
}

// The moments of a list as a spreadsheet in Berlin writes them, stored in UTC
// as they always were: winter and summer, the day the clocks go forward on
// both sides of the change, the book's own form, and text that is no moment.
TEST(Csv, MomentsOfAListAreStoredInUtc) {
    const QByteArray zoneBefore = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    const struct {
        const char* field;
        const char* stored;  // null: the row is refused
    } cases[] = {
        {"05.03.2024 14:30:00", "2024-03-05T13:30:00Z"},
        {"05.07.2024 14:30", "2024-07-05T12:30:00Z"},
        {"31.03.2024 01:30:00", "2024-03-31T00:30:00Z"},
        {"31.03.2024 04:00:00", "2024-03-31T02:00:00Z"},
        {"27.10.2024 12:00:00", "2024-10-27T11:00:00Z"},
        {"01.01.1950 00:00:00", "1949-12-31T23:00:00Z"},
        {" 05.03.2024 14:30:00 ", "2024-03-05T13:30:00Z"},
        {"2024-03-05T13:30:00Z", "2024-03-05T13:30:00Z"},
        {"2024-03-05T14:30:00+01:00", "2024-03-05T13:30:00Z"},
        {"27.10.2024 02:30:00 +02:00", "2024-10-27T00:30:00Z"},
        {"27.10.2024 02:30:00 +01:00", "2024-10-27T01:30:00Z"},
        {"05.03.2024 14:30:00 -05:30", "2024-03-05T20:00:00Z"},
        {"", ""},
        {"05.03.2024 14:30:00 +25:00", nullptr},
        {"30.02.2024 10:00:00", nullptr},
        {"вчера", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        QByteArray bytes = "Фамилия;Имя;Отчество;Дата рождения;Добавлен;Напечатан\n";
        bytes += QByteArray("Иванова;Мария;;23.08.1975;") + c.field + ';' + c.field + '\n';
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        book::ClientListReader reader(in);
        ASSERT_TRUE(reader.start());
        book::ListRow row;
        ASSERT_TRUE(reader.next(row));
        if (c.stored == nullptr) {
            EXPECT_FALSE(row.problem.isEmpty());
            continue;
        }
        EXPECT_EQ(row.problem, QString());
        EXPECT_EQ(row.client.added, QString::fromLatin1(c.stored));
        EXPECT_EQ(row.client.lastPrinted, QString::fromLatin1(c.stored));
    }
    zoneBefore.isNull() ? qunsetenv("TZ") : qputenv("TZ", zoneBefore);
}

// A report language that is no language code: the book refuses the row
// with the reason, a page of the companion's list is made in Russian.
TEST(Csv, ALanguageThatIsNoCodeIsRefusedByTheBookAndIsRussianOnAPage) {
    for (const auto fields :
         {book::ClientListReader::Fields::All, book::ClientListReader::Fields::Printed}) {
        const bool book = fields == book::ClientListReader::Fields::All;
        for (const char* code : {"UK", "de", "../../x", ""}) {
            SCOPED_TRACE(std::string(code) + (book ? " book" : " page"));
            QByteArray bytes = "Фамилия;Имя;Отчество;Дата рождения;Язык отчёта\n";
            bytes += QByteArray("Иванова;Мария;;23.08.1975;") + code + '\n';
            QBuffer in(&bytes);
            in.open(QIODevice::ReadOnly);
            book::ClientListReader reader(in, fields);
            ASSERT_TRUE(reader.start()) << reader.error().toStdString();
            book::ListRow row;
            ASSERT_TRUE(reader.next(row));
            const bool bad = QByteArray(code) == "../../x";
            EXPECT_EQ(row.problem.contains(QStringLiteral("язык отчёта")), bad && book)
                << row.problem.toStdString();
            if (!(bad && book)) {
                EXPECT_EQ(row.client.languageCode, bad || !*code
                                                       ? QStringLiteral("ru")
                                                       : QString::fromLatin1(code).toLower());
            }
        }
    }
}

// The file for spreadsheets gives back every moment exactly, in a zone
// whose clocks go back: the hour that comes twice, the hour skipped in
// spring, and the turn of a year.
TEST(Csv, ExcelRoundTripKeepsTheHourThatComesTwice) {
    const QByteArray zoneBefore = qgetenv("TZ");
    qputenv("TZ", "Europe/Kyiv");
    const char* moments[] = {"2024-10-27T00:30:00Z", "2024-10-27T01:30:00Z",
                             "2024-10-27T00:59:59Z", "2024-03-31T00:59:59Z",
                             "2024-03-31T01:00:00Z", "2023-12-31T22:00:00Z"};
    TempBook from;
    int day = 0;
    for (const char* moment : moments) {
        Client c = person(QStringLiteral("Осенний"), QStringLiteral("Клиент"), {}, ++day);
        c.added = QString::fromLatin1(moment);
        c.lastPrinted = QString::fromLatin1(moment);
        ASSERT_TRUE(from.book->add(c)) << moment;
    }
    const QString file = from.dir.filePath(QStringLiteral("excel.csv"));
    ASSERT_TRUE(from.book->exportCsv(file, nullptr, book::CsvFormat::Excel));
    TempBook to;
    const book::ImportReport report = to.book->importCsv(file);
    ASSERT_TRUE(report.done) << report.error.toStdString();
    ASSERT_TRUE(report.badRows.empty()) << report.badRows.front().second.toStdString();
    const auto before = from.all();
    const auto after = to.all();
    ASSERT_EQ(after.size(), std::size(moments));
    for (size_t k = 0; k < after.size(); ++k) {
        EXPECT_EQ(after[k].added, before[k].added);
        EXPECT_EQ(after[k].lastPrinted, before[k].lastPrinted);
    }
    EXPECT_TRUE(bytesOf(file).contains(";27.10.2024 03:30:00 +03:00;")) << "summer time";
    EXPECT_TRUE(bytesOf(file).contains(";27.10.2024 03:30:00 +02:00;")) << "winter time";
    zoneBefore.isNull() ? qunsetenv("TZ") : qputenv("TZ", zoneBefore);
}

namespace {

// Every stored column of every client but the id, as SQLite quotes it: text
// in quotes, numbers bare, NULL as NULL.
QStringList storedRows(TempBook& t) {
    EXPECT_TRUE(t.book->open());
    QSqlQuery q(QSqlDatabase::database(t.book->connectionName()));
    EXPECT_TRUE(q.exec(QStringLiteral(
        "SELECT quote(surname), quote(name), quote(patronymic), quote(day), quote(month),"
        " quote(year_text), quote(note), quote(phone), quote(email), quote(added),"
        " quote(last_printed), quote(sort_key), quote(language) FROM clients ORDER BY id")));
    QStringList rows;
    while (q.next()) {
        QStringList columns;
        for (int k = 0; k < 13; ++k) {
            columns << q.value(k).toString();
        }
        rows << columns.join(u'|');
    }
    return rows;
}

}  // namespace

// A list's fields are stored with the same bytes whichever way a client goes
// in: imported, added by hand, or through Qt SQL's own binding (the way taken
// when Qt's driver carries an SQLite of its own). A person already there is
// passed over.
TEST(Csv, RowsAreStoredAlikeImportedOrAddedByHand) {
    const struct {
        const char* row;
        const char* stored;  // null: passed over
    } cases[] = {
        {" Ёлкина ;Мария;;23.08.1975;;;;;;",
         "'Ёлкина'|'Мария'|''|23|8|'1975'|''|''|''|'2026-05-01T12:00:07Z'|''|'елкина\tмария\t'|"
         "'ru'"},
        {"\"Смайл 😀\";И\u0306ван;Ünal;1.2.975;\"  «1»\n\"\"2\"\"  \";+7 999;a@b.ru;UK;"
         "2024-03-05T13:30:00Z;2024-03-06T08:15:00Z",
         "'Смайл 😀'|'И\u0306ван'|'Ünal'|1|2|'975'|'  «1»\n\"2\"  '|'+7 999'|'a@b.ru'|"
         "'2024-03-05T13:30:00Z'|'2024-03-06T08:15:00Z'|'смайл 😀\tи\u0306ван\tünal'|'uk'"},
        {"Ёлкина;Мария;;23.08.1975;другая заметка;;;;;", nullptr},
    };
    QByteArray list =
        "Фамилия;Имя;Отчество;Дата рождения;Примечание;Телефон;Эл. почта;Язык отчёта;Добавлен;"
        "Напечатан\n";
    QStringList expected;
    for (const auto& c : cases) {
        list += QByteArray(c.row) + '\n';
        if (c.stored) {
            expected << QString::fromUtf8(c.stored);
        }
    }
    TempBook imported, byHand, throughQt;
    imported.book->setClock([] { return QDateTime(QDate(2026, 5, 1), QTime(12, 0, 7), Qt::UTC); });
    const book::ImportReport report = imported.book->importCsv(writeFile(imported.dir, list));
    ASSERT_TRUE(report.done) << report.error.toStdString();
    EXPECT_EQ(report.added, 2);
    EXPECT_EQ(report.alreadyThere, 1);
    EXPECT_EQ(storedRows(imported), expected);
    ASSERT_TRUE(throughQt.book->open());
    book::detail::ClientInsert viaQt(QSqlDatabase::database(throughQt.book->connectionName()),
                                     book::detail::ClientInsert::SamePerson::Refused, false);
    for (Client c : imported.all()) {
        ASSERT_TRUE(byHand.book->add(c));
        ASSERT_TRUE(viaQt.insert(c)) << viaQt.error().toStdString();
    }
    EXPECT_EQ(storedRows(byHand), expected);
    EXPECT_EQ(storedRows(throughQt), expected);
}

// «Пол» and «Обращение» from a spreadsheet: the codes, Russian letters and
// words, empty for not given; a gender the list cannot mean is its row's
// problem, told by its line.
TEST(Csv, GenderAndAddressColumns) {
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, QStringLiteral("Фамилия;Имя;Отчество;Дата рождения;Пол;Обращение\n"
                                      "Иванова;Мария;;01.02.1990;ж;Маша\n"
                                      "Петров;Иван;;02.02.1990;M;\n"
                                      "Сидорова;Анна;;03.02.1990;;Анечка\n"
                                      "Козлов;Олег;;04.02.1990;кто-то;\n")
                           .toUtf8());
    TempBook to;
    const book::ImportReport report = to.book->importCsv(path);
    ASSERT_TRUE(report.done) << report.error.toStdString();
    EXPECT_EQ(report.added, 3);
    ASSERT_EQ(report.badRows.size(), 1u);
    EXPECT_EQ(report.badRows[0].first, 5);
    EXPECT_TRUE(report.badRows[0].second.contains(QStringLiteral("«кто-то»")));
    const auto all = to.all();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].gender, core::Gender::Female);
    EXPECT_EQ(all[0].address, QStringLiteral("Маша"));
    EXPECT_EQ(all[1].gender, core::Gender::Male);
    EXPECT_EQ(all[2].gender, core::Gender::Unknown);
    EXPECT_EQ(all[2].address, QStringLiteral("Анечка"));
}
