#include <gtest/gtest.h>

#include <QDir>

#include "book/csv.h"
#include "book_fixture.h"

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

// What a spreadsheet may hold in a field comes back as it went out.
TEST(Csv, ExportThenImportGivesTheSameClients) {
    const Client clients[] = {
        person(QStringLiteral("Запятая, Точка"), QStringLiteral("\"Кавычки\""), {}, 1, 1,
               QStringLiteral("1990"), QStringLiteral("строка 1\nстрока 2\r\nстрока 3")),
        person(QStringLiteral("<b>Жирный</b>"), QStringLiteral("100%_;"), QStringLiteral("Ёлкин"),
               31, 12, QStringLiteral("9999"), QStringLiteral("  пробелы по краям  ")),
        person(QStringLiteral("Смайл 😀"), QString::fromUtf8("\u200fשלום"), {}, 5, 5,
               QStringLiteral("1"), QStringLiteral("=1+2,\"\"")),
        person(QStringLiteral("Пустая"), {}, {}, 2, 3, QStringLiteral("2000"), {}),
    };
    TempBook from;
    for (Client c : clients) {
        ASSERT_TRUE(from.book->add(c));
    }
    ASSERT_TRUE(from.book->recordPrinted(clients[3].surname, {}, {}, 2, 3, QStringLiteral("2000")));
    const QString file = from.dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(from.book->exportCsv(file));

    TempBook to;
    const book::ImportReport report = to.book->importCsv(file);
    ASSERT_TRUE(report.done) << report.error.toStdString();
    EXPECT_EQ(report.added, int(std::size(clients)));
    EXPECT_TRUE(report.badRows.empty());
    const auto before = from.all();
    const auto after = to.all();
    ASSERT_EQ(after.size(), before.size());
    for (size_t k = 0; k < before.size(); ++k) {
        SCOPED_TRACE(before[k].surname.toStdString());
        EXPECT_TRUE(after[k].samePerson(before[k]));
        EXPECT_EQ(after[k].note, before[k].note);
        EXPECT_EQ(after[k].added, before[k].added);
        EXPECT_EQ(after[k].lastPrinted, before[k].lastPrinted);
    }
    // The same file again adds nobody.
    const book::ImportReport again = to.book->importCsv(file);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.alreadyThere, int(std::size(clients)));
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
    EXPECT_EQ(all[0].surname, QStringLiteral("Вторая хорошая"));
    EXPECT_EQ(all[0].month, 8);
    EXPECT_EQ(all[1].note, QStringLiteral("две\nстроки"));
}

TEST(Csv, FileThatIsNoClientListStoresNothing) {
    const QByteArray files[] = {
        "Фамилия,Имя,Год\nИванова,Мария,1990\n",                           // columns missing
        "Фамилия,Имя,Отчество,День,Месяц,Год\n\xCF\xF0\xE8,,,1,1,1990\n",  // not UTF-8
        "",
    };
    for (const QByteArray& bytes : files) {
        SCOPED_TRACE(bytes.toStdString());
        QTemporaryDir dir;
        TempBook t;
        const book::ImportReport report = t.book->importCsv(writeFile(dir, bytes));
        EXPECT_FALSE(report.done);
        EXPECT_TRUE(report.error.contains(QDir::toNativeSeparators(dir.path())));
        EXPECT_TRUE(t.all().empty());
    }
}
