#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include "book_fixture.h"

using book::Client;
using book::ClientBook;
using book::ReportRecord;
using core::ReportKind;

namespace {

// A book as the program wrote it before the clients' history: version 1.
void writeVersionOneBook(const QString& path, const QStringList& more = {}) {
    const QString name = QStringLiteral("version-one");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* sql : {
                 "PRAGMA journal_mode = WAL",
                 "CREATE TABLE clients ( id INTEGER PRIMARY KEY, surname TEXT NOT NULL, name TEXT "
                 "NOT NULL, patronymic TEXT NOT NULL, day INTEGER NOT NULL CHECK (day BETWEEN 1 "
                 "AND 31), month INTEGER NOT NULL CHECK (month BETWEEN 1 AND 12), year_text TEXT "
                 "NOT NULL, note TEXT NOT NULL DEFAULT '', added TEXT NOT NULL, last_printed TEXT "
                 "NOT NULL DEFAULT '', sort_key TEXT NOT NULL)",
                 "CREATE UNIQUE INDEX clients_person ON clients (surname, name, patronymic, day, "
                 "month, year_text)",
                 "CREATE INDEX clients_order ON clients (sort_key, id)",
                 "INSERT INTO clients VALUES (7, 'Ёлкина', 'Анна', '', 23, 8, '1975', "
                 "'строка 1\nстрока 2', '2025-01-02T03:04:05Z', '', 'елкина\tанна\t')",
                 "PRAGMA user_version = 1",
                 "PRAGMA application_id = 1515014978",
             }) {
            ASSERT_TRUE(q.exec(QString::fromUtf8(sql))) << sql;
        }
        for (const QString& sql : more) {
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

int versionOf(const QString& path) {
    const QString name = QStringLiteral("version-probe");
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next()) {
            version = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return version;
}

}  // namespace

// The old book is opened, upgraded in place and loses nothing; its client
// gets a history.
TEST(BookHistory, VersionOneBookIsUpgradedWithoutLoss) {
    TempBook t;
    QDir().mkpath(QFileInfo(t.path).absolutePath());
    writeVersionOneBook(t.path);
    QString error;
    ASSERT_TRUE(t.book->waitForCheck(&error)) << error.toStdString();
    EXPECT_EQ(versionOf(t.path), ClientBook::kSchemaVersion);
    const std::vector<Client> all = t.all();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].id, 7);
    EXPECT_EQ(all[0].names.surname, QStringLiteral("Ёлкина"));
    EXPECT_EQ(all[0].note, QStringLiteral("строка 1\nстрока 2"));
    EXPECT_EQ(all[0].added, QStringLiteral("2025-01-02T03:04:05Z"));

    int minute = 0;
    t.book->setClock([&] { return QDateTime(QDate(2026, 12, 7), QTime(10, minute++), Qt::UTC); });
    for (ReportKind kind : {ReportKind::Printout, ReportKind::ManyPdf, ReportKind::Pdf}) {
        ASSERT_TRUE(t.book->recordReport(7, kind, &error)) << error.toStdString();
    }
    std::vector<ReportRecord> history;
    ASSERT_TRUE(t.book->reports(7, history));
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[0].made, QStringLiteral("2026-12-07T10:02:00Z"));
    EXPECT_EQ(history[0].kind, ReportKind::Pdf);
    EXPECT_EQ(history[2].kind, ReportKind::Printout);
    EXPECT_EQ(t.all()[0].lastPrinted, QStringLiteral("2026-12-07T10:02:00Z"));

    EXPECT_FALSE(t.book->recordReport(8, ReportKind::Pdf, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("уже нет"))) << error.toStdString();

    // The client and their history go to the bin together, and leave it
    // together; the book reopens as ours.
    ASSERT_TRUE(t.book->remove(7));
    ASSERT_TRUE(t.book->reports(7, history));
    EXPECT_EQ(history.size(), 3u);
    ASSERT_TRUE(t.book->removeForGood({7}));
    ASSERT_TRUE(t.book->reports(7, history));
    EXPECT_TRUE(history.empty());
    t.book = std::make_unique<ClientBook>(t.path);
    EXPECT_TRUE(t.book->waitForCheck(&error)) << error.toStdString();
}

// A book of the version before the contacts gets them, empty, and keeps
// every client and report it had.
TEST(BookHistory, VersionTwoBookGetsContactsWithoutLoss) {
    TempBook t;
    QDir().mkpath(QFileInfo(t.path).absolutePath());
    writeVersionOneBook(t.path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "two");
        db.setDatabaseName(t.path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* sql :
             {"CREATE TABLE reports ( id INTEGER PRIMARY KEY, client_id INTEGER NOT NULL, made "
              "TEXT NOT NULL, kind INTEGER NOT NULL CHECK (kind BETWEEN 0 AND 2))",
              "CREATE INDEX reports_client ON reports (client_id, made)",
              "INSERT INTO reports VALUES (1, 7, '2026-01-02T03:04:05Z', 2)",
              "PRAGMA user_version = 2"}) {
            ASSERT_TRUE(q.exec(QString::fromUtf8(sql))) << sql;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("two"));
    QString error;
    ASSERT_TRUE(t.book->waitForCheck(&error)) << error.toStdString();
    EXPECT_EQ(versionOf(t.path), ClientBook::kSchemaVersion);
    std::vector<Client> all = t.all();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].note, QStringLiteral("строка 1\nстрока 2"));
    EXPECT_TRUE(all[0].phone.isEmpty() && all[0].email.isEmpty());
    std::vector<ReportRecord> history;
    ASSERT_TRUE(t.book->reports(7, history));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(book::reportText(history[0]), QStringLiteral("PDF: 1 клиент"));
    all[0].phone = QStringLiteral(" 8 916 000-00-00 ");
    ASSERT_TRUE(t.book->update(all[0], &error)) << error.toStdString();
    EXPECT_EQ(t.all()[0].phone, QStringLiteral("8 916 000-00-00"));
}

// An upgrade that cannot be written (another program holds the file) leaves
// the old book exactly as it was, says why, and succeeds once it can.
TEST(BookHistory, FailedUpgradeLeavesTheOldBook) {
    TempBook t;
    QDir().mkpath(QFileInfo(t.path).absolutePath());
    writeVersionOneBook(t.path);
    const QByteArray before = bytesOf(t.path);
    QString error;
    {
        const QString name = QStringLiteral("holder");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(t.path);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
            ClientBook held(t.path);
            held.setBusyTimeout(50);
            EXPECT_FALSE(held.open(&error));
            q.exec(QStringLiteral("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase(name);
    }
    EXPECT_TRUE(error.contains(QStringLiteral("осталась прежней"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(t.path))) << error.toStdString();
    EXPECT_EQ(bytesOf(t.path), before);
    EXPECT_EQ(versionOf(t.path), 1);
    ASSERT_TRUE(t.book->waitForCheck(&error)) << error.toStdString();
    EXPECT_EQ(t.all().size(), 1u);
}

// An older book's rows are held to the rules as it is brought up to date:
// a name that would print mirrored goes to the bin with the reason, and a
// search key that hides a client is made afresh from the names.
TEST(BookHistory, UpgradeHoldsEveryRowToTheRules) {
    TempBook t;
    QDir().mkpath(QFileInfo(t.path).absolutePath());
    writeVersionOneBook(
        t.path, {QStringLiteral("INSERT INTO clients VALUES (8, 'Скрытый', 'Иван', '', 1, 2, "
                                "'1980', '', '2025-01-02T03:04:05Z', '', 'zzz')"),
                 QStringLiteral("INSERT INTO clients VALUES (9, 'Ива' || char(8238) || 'нов', "
                                "'Иван', '', 1, 2, '1980', '', '2025-01-02T03:04:05Z', '', 'x')")});
    QString error;
    ASSERT_TRUE(t.book->waitForCheck(&error)) << error.toStdString();
    std::vector<Client> all;
    book::SearchKeys keys;
    ASSERT_TRUE(t.book->clients(all, &error, &keys));
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].names.surname, QStringLiteral("Скрытый"));
    EXPECT_EQ(keys[1], QStringLiteral("скрытый\tиван\t"));
    std::vector<ClientBook::BinEntry> bin;
    ASSERT_TRUE(t.book->binEntries(bin));
    ASSERT_EQ(bin.size(), 1u);
    EXPECT_EQ(bin[0].id, 9);
    EXPECT_TRUE(bin[0].setAside.contains(QStringLiteral("U+202E")))
        << bin[0].setAside.toStdString();
}

// A book from before the report's language gives every client Russian, as
// their pages always were; a code this program does not know (a later
// version's) is kept as stored and reads as Russian.
TEST(BookHistory, EarlierBookGivesRussianAndAnUnknownLanguageReadsAsRussian) {
    TempBook t;
    QDir().mkpath(QFileInfo(t.path).absolutePath());
    writeVersionOneBook(t.path);
    QString error;
    ASSERT_TRUE(t.book->waitForCheck(&error)) << error.toStdString();
    std::vector<Client> all = t.all();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].names.surname, QStringLiteral("Ёлкина"));
    EXPECT_EQ(all[0].languageCode, QStringLiteral("ru"));
    for (const char* code : {"de", "uk"}) {
        all[0].languageCode = QString::fromLatin1(code);
        ASSERT_TRUE(t.book->update(all[0], &error)) << error.toStdString();
        const Client back = t.all()[0];
        EXPECT_EQ(back.languageCode, QString::fromLatin1(code));
        EXPECT_EQ(back.languageKnown(), code[0] == 'u');
        EXPECT_EQ(back.language(),
                  code[0] == 'u' ? core::ReportLanguage::Ukrainian : core::ReportLanguage::Russian);
    }
}

// A book from before the card's gender and form of address gives everyone
// «не указан» and no address of their own; both are kept once set, by the
// card and by a dialog's report for the client, and the history tells a
// booklet from a one-page report.
TEST(BookHistory, GenderAddressAndBookletsInTheHistory) {
    TempBook t;
    QDir().mkpath(QFileInfo(t.path).absolutePath());
    writeVersionOneBook(t.path);
    QString error;
    ASSERT_TRUE(t.book->waitForCheck(&error)) << error.toStdString();
    EXPECT_EQ(versionOf(t.path), ClientBook::kSchemaVersion);
    Client anna = t.all().at(0);
    EXPECT_EQ(anna.gender, core::Gender::Unknown);
    EXPECT_TRUE(anna.address.isEmpty());
    anna.gender = core::Gender::Female;
    anna.address = QStringLiteral("  Анечка ");
    ASSERT_TRUE(t.book->update(anna, &error)) << error.toStdString();
    EXPECT_EQ(t.all()[0].gender, core::Gender::Female);
    EXPECT_EQ(t.all()[0].address, QStringLiteral("Анечка"));

    core::Person fromDialog = t.all()[0].person();
    fromDialog.language = core::ReportLanguage::Ukrainian;
    fromDialog.address = QStringLiteral("Ганно");
    ASSERT_TRUE(t.book->rename(7, fromDialog, &error)) << error.toStdString();
    ASSERT_TRUE(t.book->recordReport(7, ReportKind::BookletPdf, &error, QStringLiteral("/a.pdf")));
    ASSERT_TRUE(t.book->recordReports({7}, ReportKind::ManyBookletPdf, &error));
    ASSERT_TRUE(t.book->recordReport(7, ReportKind::Pdf, &error));
    const Client back = t.all()[0];
    EXPECT_EQ(back.language(), core::ReportLanguage::Ukrainian);
    EXPECT_EQ(back.address, QStringLiteral("Ганно"));
    EXPECT_EQ(back.gender, core::Gender::Female);
    std::vector<ReportRecord> history;
    ASSERT_TRUE(t.book->reports(7, history, &error));
    std::vector<ReportKind> kinds;
    for (const ReportRecord& r : history) {
        kinds.push_back(r.kind);
    }
    EXPECT_EQ(kinds, (std::vector<ReportKind>{ReportKind::Pdf, ReportKind::ManyBookletPdf,
                                              ReportKind::BookletPdf}));
    EXPECT_EQ(book::reportText(history[2]), QStringLiteral("Подробный отчёт в PDF"));
}

// A comparison goes into the history of the people on it whom the book
// holds, under their names as typed in the comparison (blanks around them do
// not count), and gives them its language; a partner who is not a client
// stays out of the book, and a client deleted meanwhile is passed over.
TEST(BookHistory, ComparisonNotedForTheClientsOnIt) {
    TempBook t;
    Client anna;
    anna.names = {QStringLiteral("Иванова"), QStringLiteral("Анна"), {}};
    anna.birthDate = {23, 7, QStringLiteral("1975")};
    anna.gender = core::Gender::Female;
    Client gone = anna;
    gone.names.name = QStringLiteral("Ольга");
    ASSERT_TRUE(t.book->add(anna));
    ASSERT_TRUE(t.book->add(gone));
    ASSERT_TRUE(t.book->remove(gone.id));

    core::Person typed = anna.person();
    typed.names.surname = QStringLiteral(" Иванова ");
    typed.language = core::ReportLanguage::English;
    typed.gender = core::Gender::Unknown;  // the comparison does not ask
    core::Person partner;
    partner.names = {QStringLiteral("Петров"), QStringLiteral("Пётр"), {}};
    partner.birthDate = {1, 0, QStringLiteral("1970")};
    core::Person deleted = gone.person();
    int recorded = -1;
    QString error;
    ASSERT_TRUE(t.book->recordComparison({typed, partner, deleted}, ReportKind::ComparisonPdf,
                                         &error, QStringLiteral("/pair.pdf"), &recorded))
        << error.toStdString();
    EXPECT_EQ(recorded, 1);
    const std::vector<Client> all = t.all();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].language(), core::ReportLanguage::English);
    EXPECT_EQ(all[0].gender, core::Gender::Female);
    EXPECT_FALSE(all[0].lastPrinted.isEmpty());
    std::vector<ReportRecord> history;
    ASSERT_TRUE(t.book->reports(anna.id, history, &error));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].kind, ReportKind::ComparisonPdf);
    EXPECT_EQ(history[0].file, QStringLiteral("/pair.pdf"));
    EXPECT_EQ(book::reportText(history[0]), QStringLiteral("Сравнение в PDF"));

    // A report remembered for her by names and date, not as the window's
    // client, gives her the dialog's language too; one that names no
    // language leaves hers.
    typed.language = core::ReportLanguage::Ukrainian;
    ASSERT_TRUE(t.book->recordPrinted(typed, &error)) << error.toStdString();
    EXPECT_EQ(t.all()[0].language(), core::ReportLanguage::Ukrainian);
    ASSERT_TRUE(t.book->recordPrinted(anna.names, anna.birthDate, &error));
    EXPECT_EQ(t.all()[0].language(), core::ReportLanguage::Ukrainian);
    EXPECT_EQ(t.all()[0].gender, core::Gender::Female);
}
