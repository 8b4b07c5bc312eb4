#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <functional>

#include "book_fixture.h"

using book::Client;
using book::ClientBook;
using core::ReportKind;

namespace {

// A book whose clock moves a minute at each deletion, so that each is one of its own.
struct Binned : TempBook {
    QDateTime now = QDateTime(QDate(2026, 5, 1), QTime(10, 0), Qt::UTC);

    Binned() {
        book->setClock([this] { return now; });
        Client first = person(QStringLiteral("Иванова"), QStringLiteral("Мария"));
        first.note = QStringLiteral("Любит утро");
        first.phone = QStringLiteral("+7 900 000-00-00");
        first.languageCode = QStringLiteral("uk");
        for (Client c : {first, person(QStringLiteral("Петров"), QStringLiteral("Иван")),
                         person(QStringLiteral("Сидорова"), QStringLiteral("Анна"))}) {
            EXPECT_TRUE(book->add(c));
        }
        EXPECT_TRUE(book->recordReport(idOf("Иванова"), ReportKind::Pdf));
    }

    qint64 idOf(const char* surname) {
        std::vector<ClientBook::BinEntry> bin;
        EXPECT_TRUE(book->binEntries(bin));
        for (const auto& e : bin) {
            if (e.names.surname == QString::fromUtf8(surname)) {
                return e.id;
            }
        }
        for (const Client& c : all()) {
            if (c.names.surname == QString::fromUtf8(surname)) {
                return c.id;
            }
        }
        return 0;
    }
    bool remove(std::initializer_list<const char*> surnames) {
        now = now.addSecs(60);
        std::vector<qint64> ids;
        for (const char* s : surnames) {
            ids.push_back(idOf(s));
        }
        return book->remove(ids);
    }
    QStringList surnames() {
        QStringList out;
        for (const Client& c : all()) {
            out << c.names.surname;
        }
        return out;
    }
    int binSize() {
        std::vector<ClientBook::BinEntry> bin;
        EXPECT_TRUE(book->binEntries(bin));
        return int(bin.size());
    }
};

}  // namespace

// Deleting and bringing back, step by step: the last deletion comes back
// first, whole (history, note, phone, language); a client whose names the
// book holds again stays in the bin; what is removed for good is gone with
// its history; thirty days on the bin is empty of deletions by itself.
TEST(BookBin, DeletedClientsComeBackWholeOrGoForGood) {
    Binned t;
    QString error;
    const struct {
        const char* what;
        std::function<bool(Binned&)> step;
        const char* book;  // the surnames in the book after the step
        int bin;
    } steps[] = {
        {"two deleted",
         [](Binned& b) {
             return b.remove({"Иванова", "Петров"});
         },
         "Сидорова", 2},
        {"one more", [](Binned& b) { return b.remove({"Сидорова"}); }, "", 3},
        {"the last deletion back", [](Binned& b) { return b.book->bringBackLast(); }, "Сидорова",
         2},
        {"the one before", [](Binned& b) { return b.book->bringBackLast(); },
         "Иванова Петров Сидорова", 0},
        {"nothing left to bring back", [](Binned& b) { return b.book->bringBackLast(); },
         "Иванова Петров Сидорова", 0},
        {"deleted, then the same person added anew",
         [](Binned& b) {
             Client again = person(QStringLiteral("Петров"), QStringLiteral("Иван"));
             return b.remove({"Петров"}) && b.book->add(again) &&
                    !b.book->bringBackLast(nullptr, nullptr);
         },
         "Иванова Петров Сидорова", 1},
        {"removed for good",
         [](Binned& b) {
             std::vector<ClientBook::BinEntry> bin;
             return b.book->binEntries(bin) && b.book->removeForGood({bin.at(0).id});
         },
         "Иванова Петров Сидорова", 0},
        {"thirty days on",
         [](Binned& b) {
             const bool removed = b.remove({"Сидорова"});
             b.now = b.now.addDays(ClientBook::kBinDays).addSecs(1);
             b.book = std::make_unique<ClientBook>(b.path);
             b.book->setClock([&b] { return b.now; });
             return removed && b.book->waitForCheck();
         },
         "Иванова Петров", 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        EXPECT_TRUE(s.step(t));
        EXPECT_EQ(t.surnames().join(u' '), QString::fromUtf8(s.book));
        EXPECT_EQ(t.binSize(), s.bin);
        if (QByteArray(s.what) == "the one before") {
            const Client back = t.all()[0];
            EXPECT_EQ(back.note, QStringLiteral("Любит утро"));
            EXPECT_EQ(back.phone, QStringLiteral("+7 900 000-00-00"));
            EXPECT_EQ(back.languageCode, QStringLiteral("uk"));
            std::vector<book::ReportRecord> history;
            ASSERT_TRUE(t.book->reports(back.id, history));
            EXPECT_EQ(history.size(), 1u);
        }
    }
    QSqlQuery q(QSqlDatabase::database(t.book->connectionName()));
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT count(*) FROM clients")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), 2) << "nothing of the removed is left in the file";
}

// A deleted client goes into a copy of the book with the rest, and comes
// back, history and all, from the book restored from it.
TEST(BookBin, DeletedClientComesBackAfterACopyIsRestored) {
    Binned t;
    const qint64 id = t.idOf("Иванова");
    ASSERT_TRUE(t.remove({"Иванова"}));
    const QString copy = t.dir.filePath(QStringLiteral("copy.sqlite"));
    QString why;
    ASSERT_TRUE(t.book->backup(copy, &why)) << why.toStdString();
    TempBook elsewhere;
    elsewhere.book->setClock([&t] { return t.now; });
    const ClientBook::RestoreReport report = elsewhere.book->restore(copy);
    ASSERT_TRUE(report.done) << report.error.toStdString();
    EXPECT_EQ(report.clients, 2);
    EXPECT_EQ(report.setAsideCount, 0);
    std::vector<qint64> back;
    ASSERT_TRUE(elsewhere.book->bringBackLast(&back));
    EXPECT_EQ(back, std::vector<qint64>{id});
    std::vector<book::ReportRecord> history;
    ASSERT_TRUE(elsewhere.book->reports(id, history));
    EXPECT_EQ(history.size(), 1u);
    EXPECT_EQ(elsewhere.all().size(), 3u);
}

// A row set aside from a copy stays in the bin past thirty days and cannot
// come back as it is; it is removed only when the user says so.
TEST(BookBin, SetAsideRowsStayUntilRemoved) {
    Binned t;
    const QString copy = t.dir.filePath(QStringLiteral("copy.sqlite"));
    QString why;
    ASSERT_TRUE(t.book->backup(copy, &why)) << why.toStdString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
        db.setDatabaseName(copy);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(
            QStringLiteral("UPDATE clients SET year_text = 'abcd' WHERE surname = 'Петров'")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    ASSERT_TRUE(t.book->restore(copy).done);
    t.now = t.now.addDays(ClientBook::kBinDays + 1);
    t.book = std::make_unique<ClientBook>(t.path);
    t.book->setClock([&t] { return t.now; });
    std::vector<ClientBook::BinEntry> bin;
    ASSERT_TRUE(t.book->binEntries(bin));
    ASSERT_EQ(bin.size(), 1u);
    EXPECT_TRUE(bin[0].setAside.contains(QStringLiteral("год рождения")))
        << bin[0].setAside.toStdString();
    QString error;
    EXPECT_FALSE(t.book->bringBack({bin[0].id}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("отложена"))) << error.toStdString();
    ASSERT_TRUE(t.book->removeForGood({bin[0].id}));
    EXPECT_EQ(t.binSize(), 0);
}
