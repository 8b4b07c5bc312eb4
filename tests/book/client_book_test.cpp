#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "book/book_private.h"
#include "book_fixture.h"

using book::Client;
using book::ClientBook;

namespace {

// Runs statements on a file through a connection of its own, apart from any book.
struct RawFile {
    QString name;
    explicit RawFile(const QString& path, const QString& tag) : name(tag) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
    }
    ~RawFile() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant run(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name));
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        return q.next() ? q.value(0) : QVariant();
    }
};

// 2000 clients whose surnames are numbers, written past the book as another
// program would, with a journal of the old kind.
void addNumberedClients(const QString& path) {
    RawFile raw(path, QStringLiteral("numbers"));
    raw.run(QStringLiteral("PRAGMA journal_mode = DELETE"));
    raw.run(
        QStringLiteral("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE "
                       "k < 2000) INSERT INTO clients (surname, name, patronymic, day, month, "
                       "year_text, added, sort_key) SELECT printf('%08d', k), '', '', 1, 1, "
                       "'1990', '', printf('%08d', k) FROM n"));
}

// Scrambles the entries of the index but none of the pages' headers: the
// file keeps its size, and only the full check sees the damage.
void scrambleIndex(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadWrite);
    QByteArray bytes = f.readAll();
    const QByteArray from = "00001500";
    for (qsizetype at = bytes.indexOf(from); at >= 0; at = bytes.indexOf(from, at + 1)) {
        bytes.replace(at, from.size(), "99999999");
    }
    f.seek(0);
    f.write(bytes);
}

}  // namespace

TEST(ClientBook, NewBookIsPrivateVersionedAndInWalMode) {
    TempBook t;
    ASSERT_TRUE(t.book->open());
    Client c = person(QStringLiteral("Иванова"), QStringLiteral("Мария"));
    ASSERT_TRUE(t.book->add(c));
    const auto mode = [](const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0u;
    };
    EXPECT_EQ(mode(QFileInfo(t.path).absolutePath()), 0700u);
    EXPECT_EQ(mode(t.path), 0600u);
    EXPECT_EQ(mode(t.path + QStringLiteral("-wal")), 0600u);
    RawFile raw(t.path, QStringLiteral("raw"));
    EXPECT_EQ(raw.run(QStringLiteral("PRAGMA user_version")).toInt(), ClientBook::kSchemaVersion);
    EXPECT_EQ(raw.run(QStringLiteral("PRAGMA journal_mode")).toString(), "wal");
}

// Every way the file can be unusable: the book says so with the file's path,
// and the file keeps every byte.
TEST(ClientBook, UnusableFileIsRefusedNamedAndLeftAlone) {
    struct Case {
        const char* what;
        std::function<void(const QString& path)> make;
        const char* said;
    };
    const auto database = [](const QString& path, const QStringList& statements) {
        RawFile raw(path, QStringLiteral("maker"));
        for (const QString& s : statements) {
            raw.run(s);
        }
    };
    // A book of ours, closed, then changed by someone else.
    const auto ours = [&](const QString& path, const QStringList& statements) {
        { ClientBook(path).waitForCheck(); }
        database(path, statements);
    };
    const Case cases[] = {
        {"folder", [](const QString& p) { QDir().mkpath(p); }, "не файл"},
        {"pipe", [](const QString& p) { ::mkfifo(QFile::encodeName(p).constData(), 0600); },
         "не файл"},
        {"text",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write(QByteArray("Фамилия;Имя\nИванова;Мария\n").repeated(200));
         },
         "не является картотекой"},
        {"newer",
         [&](const QString& p) {
             database(p, {QStringLiteral("CREATE TABLE clients (x)"),
                          QStringLiteral("PRAGMA user_version = 8")});
         },
         "более новой версией"},
        {"foreign",
         [&](const QString& p) { database(p, {QStringLiteral("CREATE TABLE notes (x)")}); },
         "другой программы"},
        {"damaged",
         [&](const QString& p) {
             { ClientBook(p).waitForCheck(); }  // the book's own tables
             addNumberedClients(p);
             scrambleIndex(p);
         },
         "целостности"},
        // Files that look like a book but are not quite ours.
        {"foreign mark",
         [&](const QString& p) { ours(p, {QStringLiteral("PRAGMA application_id = 7")}); },
         "другой программы"},
        {"trigger",
         [&](const QString& p) {
             ours(p, {QStringLiteral("CREATE TRIGGER t AFTER INSERT ON clients BEGIN "
                                     "DELETE FROM clients; END")});
         },
         "другой программы"},
        {"view", [&](const QString& p) { ours(p, {QStringLiteral("CREATE VIEW v AS SELECT 1")}); },
         "другой программы"},
        {"extra column",
         [&](const QString& p) { ours(p, {QStringLiteral("ALTER TABLE clients ADD COLUMN x")}); },
         "другой программы"},
        {"no version",
         [&](const QString& p) { ours(p, {QStringLiteral("PRAGMA user_version = 0")}); },
         "другой программы"},
        {"foreign in WAL mode",
         [&](const QString& p) {
             database(p, {QStringLiteral("PRAGMA journal_mode = WAL"),
                          QStringLiteral("CREATE TABLE notes (x)")});
         },
         "другой программы"},
        {"file is a link",
         [&](const QString& p) {
             ours(p + QStringLiteral(".elsewhere"), {});
             QFile::link(p + QStringLiteral(".elsewhere"), p);
         },
         "символическая ссылка"},
        {"folder is a link",
         [&](const QString& p) {
             const QString folder = QFileInfo(p).absolutePath();
             QDir(folder).removeRecursively();
             QDir().mkpath(folder + QStringLiteral(".elsewhere"));
             ours(folder + QStringLiteral(".elsewhere/clients.sqlite"), {});
             QFile::link(folder + QStringLiteral(".elsewhere"), folder);
         },
         "символическая ссылка"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempBook t;
        QDir().mkpath(QFileInfo(t.path).absolutePath());
        c.make(t.path);
        const QByteArray before = bytesOf(t.path);
        QString error;
        EXPECT_FALSE(t.book->waitForCheck(&error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.said))) << error.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(t.path))) << error.toStdString();
        Client client = person(QStringLiteral("Иванова"), QStringLiteral("Мария"));
        EXPECT_FALSE(t.book->add(client, &error));
        EXPECT_FALSE(t.book->recordPrinted({QStringLiteral("Иванова"), {}, {}},
                                           {1, 0, QStringLiteral("1990")}, &error));
        EXPECT_FALSE(t.book->isOpen());
        EXPECT_EQ(bytesOf(t.path), before);
        EXPECT_FALSE(QFile::exists(t.path + QStringLiteral("-wal")));
        EXPECT_FALSE(QFile::exists(t.path + QStringLiteral("-shm")));
    }
}

// The full check reads every page, so it runs at most once a week for a file
// that only this program has changed since, and at once when asked (after a
// restore from a backup): damage that leaves the file looking untouched is
// found then.
TEST(ClientBook, FullCheckAtMostWeeklyAndWhenAsked) {
    const QDateTime checked(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC);
    const struct {
        const char* what;
        int daysLater;
        bool asked;
        bool found;
    } cases[] = {
        {"a day later", 1, false, false},
        {"a week later", 7, false, true},
        {"the clock put back", -1, false, true},
        {"asked after a restore", 1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempBook t;
        ASSERT_TRUE(t.book->open());
        t.book.reset();
        addNumberedClients(t.path);
        {
            ClientBook first(t.path);
            first.setClock([&] { return checked; });
            ASSERT_TRUE(first.waitForCheck());
            Client client = person(QStringLiteral("Иванова"), QStringLiteral("Мария"));
            ASSERT_TRUE(first.add(client));  // its own change needs no check
        }
        const QDateTime modified = QFileInfo(t.path).lastModified();
        scrambleIndex(t.path);
        QFile file(t.path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        ClientBook again(t.path);
        again.setClock([&] { return checked.addDays(c.daysLater); });
        if (c.asked) {
            ASSERT_TRUE(again.open());
            again.checkInFull();
        }
        QString error;
        EXPECT_EQ(!again.waitForCheck(&error), c.found) << error.toStdString();
        EXPECT_EQ(error.contains(QStringLiteral("целостности")), c.found);
    }
}

// A book made before the mark is known by its tables and given the mark; a
// book others could read is closed to them.
TEST(ClientBook, OwnBookWithoutMarkOrTooOpenIsTakenAndTightened) {
    TempBook t;
    ASSERT_TRUE(t.book->waitForCheck());
    Client c = person(QStringLiteral("Иванова"), QStringLiteral("Мария"));
    ASSERT_TRUE(t.book->add(c));
    t.book.reset();
    {
        RawFile raw(t.path, QStringLiteral("old"));
        raw.run(QStringLiteral("PRAGMA application_id = 0"));
    }
    const QString folder = QFileInfo(t.path).absolutePath();
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(t.path).constData(), 0644);
    ClientBook again(t.path);
    ASSERT_TRUE(again.waitForCheck());
    std::vector<Client> all;
    ASSERT_TRUE(again.clients(all));
    EXPECT_EQ(all.size(), 1u);
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(t.path), 0600u);
    RawFile raw(t.path, QStringLiteral("marked"));
    EXPECT_EQ(raw.run(QStringLiteral("PRAGMA application_id")).toInt(), 0x5A4D4B42);
}

// The Qt SQL reading, used when Qt's driver carries an SQLite of its own,
// gives exactly what the direct one does.
TEST(ClientBook, QtReadingMatchesTheDirectOne) {
    TempBook t;
    for (const QString& surname :
         {QStringLiteral("Ёлкина"), QStringLiteral("Смайл 😀"), QStringLiteral("Пустая")}) {
        Client c = person(surname, {}, {}, 2, 3, QStringLiteral("1990"),
                          surname + QStringLiteral("\nзаметка"));
        ASSERT_TRUE(t.book->add(c));
    }
    const QSqlDatabase db = QSqlDatabase::database(t.book->connectionName());
    std::vector<Client> direct, viaQt;
    book::SearchKeys directKeys, qtKeys;
    ASSERT_EQ(book::detail::readClients(db, direct, &directKeys), QString());
    ASSERT_EQ(book::detail::readClients(db, viaQt, &qtKeys, false), QString());
    ASSERT_EQ(direct.size(), 3u);
    ASSERT_EQ(viaQt.size(), direct.size());
    EXPECT_EQ(qtKeys.text, directKeys.text);
    EXPECT_EQ(qtKeys.start, directKeys.start);
    for (size_t k = 0; k < direct.size(); ++k) {
        EXPECT_TRUE(viaQt[k].samePerson(direct[k]));
        EXPECT_EQ(viaQt[k].id, direct[k].id);
        EXPECT_EQ(viaQt[k].note, direct[k].note);
        EXPECT_EQ(viaQt[k].added, direct[k].added);
    }
}

TEST(ClientBook, FileHeldByAnotherProgramIsAMessageUntilItLetsGo) {
    TempBook t;
    ASSERT_TRUE(t.book->open());
    t.book.reset();
    {
        RawFile holder(t.path, QStringLiteral("holder"));
        holder.run(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        holder.run(QStringLiteral("BEGIN EXCLUSIVE"));
        ClientBook held(t.path);
        held.setBusyTimeout(50);
        QString error;
        EXPECT_FALSE(held.open(&error));
        EXPECT_TRUE(error.contains(QStringLiteral("занят"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(t.path)));
        holder.run(QStringLiteral("ROLLBACK"));
    }
    ClientBook later(t.path);
    EXPECT_TRUE(later.open());
}

TEST(ClientBook, FolderThatCannotBeMadeIsAMessage) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("data"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));  // a file where the folder should be
    file.close();
    ClientBook book(blocker + QStringLiteral("/clients.sqlite"));
    QString error;
    EXPECT_FALSE(book.open(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("папку"))) << error.toStdString();
    EXPECT_TRUE(QFileInfo(blocker).isFile());
}

// A full disk, made by letting the file grow no further: the change fails with
// a message and everything stored before stays.
TEST(ClientBook, FullDiskLosesOnlyTheChangeInProgress) {
    TempBook t;
    Client first = person(QStringLiteral("Первая"), QStringLiteral("Анна"));
    ASSERT_TRUE(t.book->add(first));
    {
        QSqlQuery q(QSqlDatabase::database(t.book->connectionName()));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = 4")));
    }
    QString error;
    int stored = 0;
    for (; stored < 500; ++stored) {
        Client c = person(QStringLiteral("Клиент%1").arg(stored), {}, {}, 1, 1,
                          QStringLiteral("1990"), QString(500, QChar(u'x')));
        if (!t.book->add(c, &error)) {
            break;
        }
    }
    ASSERT_LT(stored, 500);
    EXPECT_TRUE(error.contains(QStringLiteral("нет места")) ||
                error.contains(QStringLiteral("диск заполнен")))
        << error.toStdString();
    t.book.reset();
    ClientBook again(t.path);
    std::vector<Client> all;
    ASSERT_TRUE(again.clients(all));
    EXPECT_EQ(int(all.size()), stored + 1);
}

TEST(ClientBook, PrintoutAddsTheClientOnceThenUpdatesLastPrinted) {
    TempBook t;
    QDateTime now(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    t.book->setClock([&] { return now; });
    const auto print = [&](const QString& surname, int day) {
        return t.book->recordPrinted({surname, QStringLiteral(" Мария "), {}},
                                     {day, 7, QStringLiteral("1975")});
    };
    ASSERT_TRUE(print(QStringLiteral("Иванова"), 23));
    now = now.addDays(3);
    ASSERT_TRUE(print(QStringLiteral("Иванова "), 23));  // the same person, typed with a blank
    ASSERT_TRUE(print(QStringLiteral("Иванова"), 24));   // another date: another person
    ASSERT_TRUE(
        t.book->recordPrinted({{}, {}, QStringLiteral("  ")}, {1, 0, QStringLiteral("1990")}));
    const auto all = t.all();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].names.name, QStringLiteral("Мария"));
    EXPECT_EQ(all[0].added, QStringLiteral("2026-05-01T12:00:00Z"));
    EXPECT_EQ(all[0].lastPrinted, QStringLiteral("2026-05-04T12:00:00Z"));
}

TEST(ClientBook, TextIsStoredLiterallyAndTheSamePersonOnlyOnce) {
    TempBook t;
    const QString names[] = {
        QStringLiteral("О'Коннор \"Джо\""),  QStringLiteral("<b>Жирный</b>"),
        QStringLiteral("100% _под_ черта;"), QStringLiteral("'); DROP TABLE clients;--"),
        QStringLiteral("Смайл 😀"),           QString::fromUtf8("\u200fשלום\u200e"),
    };
    for (const QString& name : names) {
        Client c = person(name, name.left(book::kNameLimit), {}, 1, 2, QStringLiteral("1990"),
                          name + QStringLiteral("\nвторая строка"));
        ASSERT_TRUE(t.book->add(c)) << name.toStdString();
    }
    std::vector<Client> all = t.all();
    ASSERT_EQ(all.size(), std::size(names));
    for (const QString& name : names) {
        const auto found = std::find_if(all.begin(), all.end(),
                                        [&](const Client& c) { return c.names.surname == name; });
        ASSERT_NE(found, all.end()) << name.toStdString();
        EXPECT_EQ(found->note, name + QStringLiteral("\nвторая строка"));
    }
    // Editing one client into another's names and date is refused.
    Client copy = all[0];
    copy.names = all[1].names;
    QString error;
    EXPECT_FALSE(t.book->update(copy, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("уже есть"))) << error.toStdString();
    EXPECT_EQ(t.all().size(), all.size());

    // Limits count what a reader sees («й» typed as «и» and a breve is one
    // character); control characters never get in.
    Client accented = person(QStringLiteral("и\u0306").repeated(book::kSurnameLimit), {});
    EXPECT_TRUE(t.book->add(accented, &error)) << error.toStdString();
    for (const QString& bad : {QStringLiteral("Иван\tов"), QStringLiteral("Ива\nнов")}) {
        Client c = person(bad, {});
        EXPECT_FALSE(t.book->add(c, &error)) << bad.toStdString();
    }
    // The phone and the e-mail hold to their limits as the names do.
    const struct {
        QString phone, email;
        bool stored;
    } contacts[] = {
        {QString(book::kPhoneLimit, u'1'), QString(book::kEmailLimit, u'a'), true},
        {QString(book::kPhoneLimit + 1, u'1'), {}, false},
        {{}, QString(book::kEmailLimit + 1, u'a'), false},
        {QStringLiteral("8 916\n000"), {}, false},
    };
    for (const auto& c : contacts) {
        Client client =
            person(QStringLiteral("Контакт%1").arg(c.phone.size() + c.email.size()), {});
        client.phone = c.phone;
        client.email = c.email;
        EXPECT_EQ(t.book->add(client, &error), c.stored) << error.toStdString();
    }
}

// Half of a surrogate pair is no character: stored, it would take the one
// after it along. A note holding one is refused, added or changed; a whole
// pair is a character like any other.
TEST(ClientBook, HalfACharacterInANoteIsRefused) {
    TempBook t;
    const struct {
        QString note;
        bool stored;
    } notes[] = {
        {QStringLiteral("до") + QChar(0xD800) + QStringLiteral("Ж после"), false},
        {QStringLiteral("в конце") + QChar(0xDBFF), false},
        {QChar(0xDC00) + QStringLiteral("в начале"), false},
        {QStringLiteral("целая 😀 пара"), true},
    };
    Client kept = person(QStringLiteral("Заметкин"), QStringLiteral("Иван"));
    ASSERT_TRUE(t.book->add(kept));
    int n = 0;
    for (const auto& c : notes) {
        SCOPED_TRACE(n);
        Client added = person(QStringLiteral("Заметкина%1").arg(++n), {}, {}, 1, 2,
                              QStringLiteral("1990"), c.note);
        QString error;
        EXPECT_EQ(t.book->add(added, &error), c.stored);
        EXPECT_EQ(error.contains(QStringLiteral("неполный символ")), !c.stored)
            << error.toStdString();
        Client changed = kept;
        changed.note = c.note;
        EXPECT_EQ(t.book->update(changed), c.stored);
    }
    const std::vector<Client> all = t.all();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].note, notes[3].note);
    EXPECT_EQ(all[1].note, notes[3].note);
}

// A writer killed at random moments: the file stays whole and every change it
// reported as stored is there.
TEST(ClientBook, KilledWriterLosesAtMostTheChangeInProgress) {
    TempBook t;
    ASSERT_TRUE(t.book->open());
    t.book.reset();
    int acknowledged = 0;
    int round = 0;
    for (const int after : {5, 40, 120}) {
        SCOPED_TRACE(after);
        const QString prefix = QStringLiteral("Раунд%1-").arg(++round);
        QProcess writer;
        writer.start(QStringLiteral(ZEMTAR_BOOK_WRITER), {t.path, prefix});
        ASSERT_TRUE(writer.waitForStarted());
        QByteArray out;
        while (out.count('\n') < after && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(2000);
            out += writer.readAllStandardOutput();
        }
        writer.kill();  // SIGKILL
        writer.waitForFinished();
        out += writer.readAllStandardOutput();
        ASSERT_GE(out.count('\n'), after) << writer.readAllStandardError().toStdString();
        const int last = out.trimmed().split('\n').back().toInt();
        acknowledged += last;

        ClientBook book(t.path);
        std::vector<Client> all;
        ASSERT_TRUE(book.clients(all)) << book.openError().toStdString();  // checks integrity
        QSet<QString> surnames;
        for (const Client& c : all) {
            surnames.insert(c.names.surname);
        }
        for (int n = 1; n <= last; ++n) {
            ASSERT_TRUE(surnames.contains(prefix + QString::number(n))) << n;
        }
        // At most the change in progress of each round beyond what was acknowledged.
        EXPECT_LE(int(all.size()), acknowledged + round);
    }
}
