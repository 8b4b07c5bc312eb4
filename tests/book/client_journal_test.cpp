#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>

#include "book_fixture.h"
#include "ui/book/book_filter.h"

using book::ClientRecords;
using book::LifeEvent;
using book::Session;

namespace {

ClientRecords threeSessionsTwoEvents() {
    return {
        {{0, QDate(2026, 3, 2), QStringLiteral("Первая встреча.\nГоворили о переезде.")},
         {0, QDate(2026, 11, 20), QStringLiteral("Вторая: «работа», 50% & <b>смелость</b>")},
         {0, QDate(2026, 6, 1), QStringLiteral("Третья; ответы, как обещал")}},
        {{0, 1998, 3, QStringLiteral("Переезд в Киев")}, {0, 2011, 0, QStringLiteral("Свадьба")}}};
}

// The rows as the book hands them back, without the numbers it gave them.
ClientRecords withoutIds(ClientRecords r) {
    for (Session& s : r.journal) {
        s.id = 0;
    }
    for (LifeEvent& e : r.events) {
        e.id = 0;
    }
    return r;
}

// Runs SQL straight on a file, outside the book.
void runOn(const QString& file, const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "journal-raw");
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("journal-raw"));
}

}  // namespace

TEST(ClientJournal, RulesOfOneEntry) {
    const core::BirthDate born{23, 7, QStringLiteral("1975")};
    const QString half = QString(QChar(0xD83D));
    const struct {
        const char* what;
        Session session;
        const char* problem;  // empty: taken
    } sessions[] = {
        {"plain", {0, QDate(2026, 1, 5), QStringLiteral("Текст")}, ""},
        {"longest", {0, QDate(2026, 1, 5), QString(book::kSessionLimit, u'ж')}, ""},
        {"too long", {0, QDate(2026, 1, 5), QString(book::kSessionLimit + 1, u'ж')}, "длиннее"},
        {"empty", {0, QDate(2026, 1, 5), QStringLiteral("  \n")}, "пуста"},
        {"no date", {0, QDate(), QStringLiteral("Текст")}, "дата сеанса"},
        {"half a character", {0, QDate(2026, 1, 5), QStringLiteral("a") + half}, "неполный"},
    };
    for (const auto& row : sessions) {
        SCOPED_TRACE(row.what);
        EXPECT_TRUE(book::sessionProblem(row.session).contains(QString::fromUtf8(row.problem)));
        EXPECT_EQ(book::sessionProblem(row.session).isEmpty(), *row.problem == '\0');
    }
    const struct {
        const char* what;
        LifeEvent event;
        const char* problem;
    } events[] = {
        {"year of birth, no month", {0, 1975, 0, QStringLiteral("Рождение")}, ""},
        {"month of birth", {0, 1975, 8, QStringLiteral("Рождение")}, ""},
        {"month before birth", {0, 1975, 7, QStringLiteral("Раньше")}, "раньше рождения"},
        {"year before birth", {0, 1974, 0, QStringLiteral("Раньше")}, "раньше рождения"},
        {"year 0", {0, 0, 0, QStringLiteral("Нет")}, "год события"},
        {"year 10000", {0, 10000, 0, QStringLiteral("Нет")}, "год события"},
        {"month 13", {0, 2000, 13, QStringLiteral("Нет")}, "месяц"},
        {"no text", {0, 2000, 1, QStringLiteral(" ")}, "описания"},
        {"two lines", {0, 2000, 1, QStringLiteral("а\nб")}, "управляющий"},
        {"too long", {0, 2000, 1, QString(book::kEventLimit + 1, u'ж')}, "длиннее"},
    };
    for (const auto& row : events) {
        SCOPED_TRACE(row.what);
        const QString problem = book::eventProblem(row.event, born);
        EXPECT_TRUE(problem.contains(QString::fromUtf8(row.problem))) << problem.toStdString();
        EXPECT_EQ(problem.isEmpty(), *row.problem == '\0') << problem.toStdString();
    }
}

// Stored with the card, read back in order (the journal newest first),
// found by the search, and gone with the client.
TEST(ClientJournal, StoredWithTheCardAndInTheBinWithTheClient) {
    TempBook t;
    book::Client anna = person(QStringLiteral("Сидорова"), QStringLiteral("Анна"));
    book::Client ivan = person(QStringLiteral("Петров"), QStringLiteral("Иван"));
    ASSERT_TRUE(t.book->add(anna));
    ASSERT_TRUE(t.book->add(ivan));
    QString error;
    ASSERT_TRUE(t.book->update(anna, threeSessionsTwoEvents(), &error)) << error.toStdString();
    ClientRecords back;
    ASSERT_TRUE(t.book->records(anna.id, back));
    ClientRecords expected = threeSessionsTwoEvents();
    book::putInOrder(expected);
    EXPECT_EQ(withoutIds(back), expected);
    EXPECT_EQ(back.journal.front().date, QDate(2026, 11, 20));

    // An event before birth stores nothing, the card included.
    ClientRecords bad = back;
    bad.events.push_back({0, 1960, 0, QStringLiteral("Раньше рождения")});
    anna.note = QStringLiteral("не должно сохраниться");
    EXPECT_FALSE(t.book->update(anna, bad, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("раньше рождения"))) << error.toStdString();
    EXPECT_TRUE(t.all()[1].note.isEmpty());

    std::vector<std::pair<qint64, QString>> texts;
    ASSERT_TRUE(t.book->recordTexts(texts));
    ui::BookFilter filter;
    filter.setWords(QStringLiteral("СВАДЬБА"));
    const ui::BookTexts found = ui::BookTexts::of(t.all(), {}, texts);
    EXPECT_EQ(filter.kept(found), (std::vector<quint8>{0, 1}));  // Петров, Сидорова

    // Deleted, the card waits in the bin whole and comes back with the client;
    // removed for good, nothing of it is left.
    const auto rowsLeft = [&] {
        QSqlQuery q(QSqlDatabase::database(t.book->connectionName()));
        EXPECT_TRUE(q.exec(QStringLiteral(
            "SELECT (SELECT count(*) FROM sessions) + (SELECT count(*) FROM life_events)")));
        return q.next() ? q.value(0).toInt() : -1;
    };
    ASSERT_TRUE(t.book->remove(anna.id));
    ASSERT_TRUE(t.book->bringBack({anna.id}));
    back = {};
    ASSERT_TRUE(t.book->records(anna.id, back));
    EXPECT_EQ(withoutIds(back), expected);
    ASSERT_TRUE(t.book->remove(anna.id));
    ASSERT_TRUE(t.book->removeForGood({anna.id}));
    EXPECT_EQ(rowsLeft(), 0);
}

// A copy comes back with the journal byte for byte; a copy whose rows the
// card would never have taken is refused and the book stays as it was.
TEST(ClientJournal, BackupRestoreAndItsChecks) {
    const struct {
        const char* what;
        const char* sql;  // run on the copy; empty: none
        const char* problem;
    } rows[] = {
        {"as made", "", ""},
        {"event before birth", "UPDATE life_events SET year = 1900", "раньше рождения"},
        {"session too long", "UPDATE sessions SET text = printf('%.*c', 10001, 'x')",
         "длиннее 10000"},
        {"session's day not a date", "UPDATE sessions SET day = '2026-13-40'", "ГГГГ-ММ-ДД"},
        {"rows of no client", "UPDATE sessions SET client_id = 999", "ни одному клиенту"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempBook t;
        book::Client anna = person(QStringLiteral("Сидорова"), QStringLiteral("Анна"));
        ASSERT_TRUE(t.book->add(anna));
        ASSERT_TRUE(t.book->update(anna, threeSessionsTwoEvents()));
        ClientRecords before;
        ASSERT_TRUE(t.book->records(anna.id, before));
        const QString copy = t.dir.filePath(QStringLiteral("copy.sqlite"));
        ASSERT_TRUE(t.book->backup(copy));
        if (*row.sql) {
            runOn(copy, QString::fromUtf8(row.sql));
        }
        ASSERT_TRUE(t.book->remove(anna.id));
        const book::ClientBook::RestoreReport report = t.book->restore(copy);
        EXPECT_EQ(report.done, *row.problem == '\0') << report.error.toStdString();
        EXPECT_TRUE(report.error.contains(QString::fromUtf8(row.problem)))
            << report.error.toStdString();
        if (report.done) {
            ClientRecords after;
            ASSERT_TRUE(t.book->records(t.all().at(0).id, after));
            EXPECT_EQ(after, before);
        } else {
            EXPECT_TRUE(t.all().empty());
        }
    }
}

// The journal's own file goes out and comes back byte for byte into a book
// with the same clients; a second import adds nothing, and rows that break
// the rules or name no client are listed, not stored.
TEST(ClientJournal, ExportAndImportOfItsOwnFile) {
    TempBook from;
    book::Client anna = person(QStringLiteral("Сидорова"), QStringLiteral("Анна"));
    ASSERT_TRUE(from.book->add(anna));
    ClientRecords records = threeSessionsTwoEvents();
    records.journal.push_back({0, QDate(2026, 6, 1), QStringLiteral("=1+2, \"в кавычках\"\n")});
    ASSERT_TRUE(from.book->update(anna, records));
    const QString file = from.dir.filePath(QStringLiteral("journal.csv"));
    QString error;
    ASSERT_TRUE(from.book->exportJournalCsv(file, &error)) << error.toStdString();

    TempBook to;
    book::Client again = person(QStringLiteral("Сидорова"), QStringLiteral("Анна"));
    ASSERT_TRUE(to.book->add(again));
    book::ImportReport report = to.book->importJournalCsv(file);
    ASSERT_TRUE(report.done) << report.error.toStdString();
    EXPECT_EQ(report.added, 6);
    ClientRecords a, b;
    ASSERT_TRUE(from.book->records(anna.id, a));
    ASSERT_TRUE(to.book->records(again.id, b));
    EXPECT_EQ(withoutIds(a), withoutIds(b));
    const QString file2 = to.dir.filePath(QStringLiteral("journal.csv"));
    ASSERT_TRUE(to.book->exportJournalCsv(file2));
    EXPECT_EQ(bytesOf(file2), bytesOf(file));

    report = to.book->importJournalCsv(file);
    EXPECT_EQ(report.added, 0);
    EXPECT_EQ(report.alreadyThere, 6);

    QFile bad(to.dir.filePath(QStringLiteral("bad.csv")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(bytesOf(file).left(bytesOf(file).indexOf('\n') + 1) +
              "Сидорова,Анна,,23,8,1975,событие,1960,Раньше\r\n"
              "Никто,Нет,,1,1,1990,сеанс,01.01.2020,Текст\r\n"
              "Сидорова,Анна,,23,8,1975,сеанс,31.02.2020,Текст\r\n"
              "Сидорова,Анна,,23,8,1975,событие,2020,Новое\r\n");
    bad.close();
    report = to.book->importJournalCsv(bad.fileName());
    ASSERT_TRUE(report.done);
    EXPECT_EQ(report.added, 1);
    ASSERT_EQ(report.badRows.size(), 3u);
    EXPECT_EQ(report.badRows[0].first, 2);
    EXPECT_TRUE(report.badRows[0].second.contains(QStringLiteral("раньше рождения")));
    EXPECT_TRUE(report.badRows[1].second.contains(QStringLiteral("нет")));
    EXPECT_EQ(report.badRows[2].first, 4);
}
