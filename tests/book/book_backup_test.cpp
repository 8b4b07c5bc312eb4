#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <functional>

#include "book_fixture.h"
#include "file_size_limit.h"

using book::ClientBook;
using core::ReportKind;

namespace {

// A book of three clients, one with a history, and a copy of it made whole.
struct BackedUp : TempBook {
    QString copy = dir.filePath(QStringLiteral("copy.sqlite"));

    BackedUp() {
        for (book::Client c : {person(QStringLiteral("Иванова"), QStringLiteral("Мария")),
                               person(QStringLiteral("Петров"), QStringLiteral("Иван")),
                               person(QStringLiteral("Сидорова"), QStringLiteral("Анна"))}) {
            EXPECT_TRUE(book->add(c));
        }
        EXPECT_TRUE(book->recordReport(all()[0].id, ReportKind::Pdf));
        QString error;
        EXPECT_TRUE(book->backup(copy, &error)) << error.toStdString();
    }

    // Runs SQL on a file of its own, outside the book.
    void change(const QString& file, const QString& sql) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
            db.setDatabaseName(file);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }

    void write(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // Nothing but the book, its journal and the copies the test made.
    QStringList strays() {
        QStringList left = QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files);
        for (const char* own : {"clients.sqlite", "clients.sqlite-wal", "clients.sqlite-shm"}) {
            left.removeAll(QString::fromLatin1(own));
        }
        return left;
    }
};

}  // namespace

// The copy is private and whole; deleting three clients and bringing the
// copy back finds them again with their history, the book as it was kept.
TEST(BookBackup, RestoreBringsBackWhatWasDeleted) {
    BackedUp t;
    EXPECT_EQ(modeOf(t.copy), 0600u);
    // One file, not in WAL mode, with nothing of its making left beside it.
    QFile copy(t.copy);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.read(20).at(18), 1);
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("copy.sqlite")});
    const std::vector<book::Client> before = t.all();
    std::vector<qint64> ids;
    for (const book::Client& c : before) {
        ids.push_back(c.id);
    }
    ASSERT_TRUE(t.book->remove(ids));
    ASSERT_TRUE(t.all().empty());

    const ClientBook::RestoreReport report = t.book->restore(t.copy);
    ASSERT_TRUE(report.done) << report.error.toStdString();
    EXPECT_EQ(report.clients, 3);
    ASSERT_EQ(t.all().size(), 3u);
    EXPECT_TRUE(t.all()[0].samePerson(before[0]));
    std::vector<book::ReportRecord> history;
    ASSERT_TRUE(t.book->reports(before[0].id, history));
    EXPECT_EQ(history.size(), 1u);
    EXPECT_EQ(modeOf(report.keptAs), 0600u);
    ClientBook kept(report.keptAs);
    std::vector<book::Client> empty;
    ASSERT_TRUE(kept.clients(empty));
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(t.strays(), QStringList{QFileInfo(report.keptAs).fileName()});
}

// A copy that cannot be written, or a file that is no whole copy of ours:
// the reason is told, no half file is left, and the book is as it was.
TEST(BookBackup, FailuresChangeNothing) {
    struct Row {
        const char* what;
        bool restoring;
        std::function<QString(BackedUp&)> prepare;  // the file to write or to read
        const char* reason;
    };
    const Row rows[] = {
        {"link target", false,
         [](BackedUp& t) {
             const QString link = t.dir.filePath(QStringLiteral("link.sqlite"));
             QFile::link(t.dir.filePath(QStringLiteral("elsewhere")), link);
             return link;
         },
         "символическая ссылка"},
        {"read-only place", false, [](BackedUp&) { return QStringLiteral("/sys/copy.sqlite"); },
         "нет прав"},
        {"the book itself", false, [](BackedUp& t) { return t.path; }, "самой картотеки"},
        {"foreign database", true,
         [](BackedUp& t) {
             const QString other = t.dir.filePath(QStringLiteral("other.sqlite"));
             t.change(other, QStringLiteral("CREATE TABLE notes (x)"));
             return other;
         },
         "не копия картотеки"},
        {"not a database", true,
         [](BackedUp& t) {
             t.write(t.copy, "Фамилия;Имя\n");
             return t.copy;
         },
         "не копия картотеки"},
        {"newer version", true,
         [](BackedUp& t) {
             t.change(t.copy, QStringLiteral("PRAGMA user_version = 99"));
             return t.copy;
         },
         "более новой версией"},
        {"damaged", true,
         [](BackedUp& t) {
             QByteArray bytes = bytesOf(t.copy);
             for (qsizetype k = 4096; k < bytes.size(); k += 7) {
                 bytes[k] = char(0x5a);
             }
             t.write(t.copy, bytes);
             return t.copy;
         },
         "проверка целостности"},
        {"half written", true,
         [](BackedUp& t) {
             t.write(t.copy, bytesOf(t.copy).left(bytesOf(t.copy).size() / 2));
             return t.copy;
         },
         "записана не до конца"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        BackedUp t;
        const QString file = row.prepare(t);
        const QByteArray source = bytesOf(file);
        QString error;
        if (row.restoring) {
            const ClientBook::RestoreReport report = t.book->restore(file);
            EXPECT_FALSE(report.done);
            error = report.error;
            EXPECT_EQ(bytesOf(file), source);
        } else {
            EXPECT_FALSE(t.book->backup(file, &error));
            EXPECT_FALSE(QFileInfo::exists(t.dir.filePath(QStringLiteral("elsewhere"))));
        }
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.reason))) << error.toStdString();
        EXPECT_EQ(t.all().size(), 3u);
        EXPECT_TRUE(t.strays().isEmpty()) << t.strays().join(u' ').toStdString();
    }
}

namespace {

struct RestoreCase {
    const char* what;
    // Makes the file to restore; the test's book holds three clients.
    std::function<QString(BackedUp&)> prepare;
    // Looks at what the restore did.
    std::function<void(BackedUp&, const ClientBook::RestoreReport&)> check;
};

// A book of 20 clients and 5 more still in its -wal, its two files copied as
// they lie while it is open, as a file manager copies a live book.
QString walCopy(BackedUp& t) {
    const QString live = t.dir.filePath(QStringLiteral("live/clients.sqlite"));
    ClientBook book(live);
    for (int k = 0; k < 25; ++k) {
        if (k == 20) {
            QSqlQuery(QSqlDatabase::database(book.connectionName()))
                .exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        }
        book::Client c = person(QStringLiteral("Живой%1").arg(k), QStringLiteral("Клиент"));
        EXPECT_TRUE(book.add(c));
    }
    const QString copy = t.dir.filePath(QStringLiteral("walcopy.sqlite"));
    EXPECT_TRUE(QFile::copy(live, copy));
    EXPECT_TRUE(QFile::copy(live + QStringLiteral("-wal"), copy + QStringLiteral("-wal")));
    return copy;
}

// The copy with rows no card could have made, each with what the bin says of it.
const std::pair<const char*, const char*> kRuleBreakers[] = {
    {"'Ива' || char(8238) || 'нов', 'Иван', '', 1, 1, '1980', '', 'ru', ''", "U+202E"},
    {"'Нуль' || char(0) || 'вой', 'Иван', '', 2, 1, '1980', '', 'ru', ''", "U+0000"},
    {"'Годов', 'Иван', '', 3, 1, 'abcd', '', 'ru', ''", "год рождения"},
    {"'Языков', 'Иван', '', 4, 1, '1980', '', '../../x', ''", "язык отчёта"},
    {"'Длинный', 'Иван', '', 5, 1, '1980', substr(hex(zeroblob(200000)), 1, 400000), 'ru', ''",
     "длиннее 10000"},
    {"'Обращенцев', 'Иван', '', 6, 1, '1980', '', 'ru', 'Ива' || char(8238) || 'н'", "«Обращение»"},
};

QString ruleBreakingCopy(BackedUp& t) {
    QStringList sql;
    for (const auto& [values, says] : kRuleBreakers) {
        sql << QStringLiteral(
                   "INSERT INTO clients (surname, name, patronymic, day, month,"
                   " year_text, note, language, address, added, sort_key) VALUES (%1,"
                   " '2024-01-01T00:00:00Z', 'x')")
                   .arg(QString::fromUtf8(values));
    }
    sql << QStringLiteral("UPDATE clients SET sort_key = 'zzz' WHERE surname = 'Петров'");
    for (const QString& statement : sql) {
        t.change(t.copy, statement);
    }
    return t.copy;
}

const RestoreCase kRestoreCases[] = {
    {"another connection holds the book", [](BackedUp& t) { return t.copy; },
     [](BackedUp&, const ClientBook::RestoreReport& r) {
         EXPECT_FALSE(r.done);
         EXPECT_TRUE(r.error.contains(QStringLiteral("другая программа"))) << r.error.toStdString();
     }},
    {"a copy in WAL mode with its -wal", walCopy,
     [](BackedUp& t, const ClientBook::RestoreReport& r) {
         EXPECT_TRUE(r.done) << r.error.toStdString();
         EXPECT_EQ(r.clients, 25);
         EXPECT_EQ(t.all().size(), 25u);
     }},
    {"two restores in one second",
     [](BackedUp& t) {
         const QDateTime fixed = QDateTime::currentDateTimeUtc();
         t.book->setClock([fixed] { return fixed; });
         return t.copy;
     },
     [](BackedUp& t, const ClientBook::RestoreReport& first) {
         book::Client c = person(QStringLiteral("Между"), QStringLiteral("Двумя"));
         ASSERT_TRUE(t.book->add(c));
         const ClientBook::RestoreReport second = t.book->restore(t.copy);
         ASSERT_TRUE(second.done) << second.error.toStdString();
         EXPECT_NE(second.keptAs, first.keptAs);
         for (const auto& [kept, clients] : {std::pair{first.keptAs, 3u}, {second.keptAs, 4u}}) {
             ClientBook book(kept);
             std::vector<book::Client> all;
             ASSERT_TRUE(book.clients(all)) << kept.toStdString();
             EXPECT_EQ(all.size(), clients);
         }
     }},
    {"a copy larger than the bound",
     [](BackedUp& t) {
         t.book->setRestoreLimit(1 << 20);
         book::Client c = person(QStringLiteral("Большой"), QStringLiteral("Текст"));
         c.note = QString(9000, u'ж');
         for (int k = 0; k < 70; ++k) {
             c.names.name = QStringLiteral("Текст%1").arg(k);
             EXPECT_TRUE(t.book->add(c));
         }
         EXPECT_TRUE(t.book->backup(t.copy));
         return t.copy;
     },
     [](BackedUp&, const ClientBook::RestoreReport& r) {
         EXPECT_FALSE(r.done);
         EXPECT_TRUE(r.error.contains(QStringLiteral("больше 1 МБ"))) << r.error.toStdString();
     }},
    {"bytes after the database's end",
     [](BackedUp& t) {
         QFile f(t.copy);
         EXPECT_TRUE(f.open(QIODevice::Append));
         f.write(QByteArray(8 << 20, 'x'));
         return t.copy;
     },
     [](BackedUp& t, const ClientBook::RestoreReport& r) {
         EXPECT_TRUE(r.done) << r.error.toStdString();
         EXPECT_LT(QFileInfo(t.path).size(), 1 << 20);
     }},
    {"rows that break the book's rules", ruleBreakingCopy,
     [](BackedUp& t, const ClientBook::RestoreReport& r) {
         ASSERT_TRUE(r.done) << r.error.toStdString();
         EXPECT_EQ(r.clients, 3);
         ASSERT_EQ(r.setAsideCount, int(std::size(kRuleBreakers)));
         for (size_t k = 0; k < std::size(kRuleBreakers); ++k) {
             EXPECT_TRUE(
                 r.setAside[qsizetype(k)].contains(QString::fromUtf8(kRuleBreakers[k].second)))
                 << r.setAside[qsizetype(k)].toStdString();
             EXPECT_FALSE(r.setAside[qsizetype(k)].contains(QChar(0x202E)));
         }
         std::vector<book::Client> all;
         book::SearchKeys keys;
         ASSERT_TRUE(t.book->clients(all, nullptr, &keys));
         EXPECT_EQ(keys[1], QStringLiteral("петров\tиван\t")) << "the key made afresh";
         std::vector<ClientBook::BinEntry> bin;
         ASSERT_TRUE(t.book->binEntries(bin));
         EXPECT_EQ(bin.size(), std::size(kRuleBreakers));
         // What the book took goes out to a list and back whole.
         const QString list = t.dir.filePath(QStringLiteral("list.csv"));
         ASSERT_TRUE(t.book->exportCsv(list));
         TempBook again;
         EXPECT_EQ(again.book->importCsv(list).added, 3);
     }},
    {"a book that is no database",
     [](BackedUp& t) {
         t.book = std::make_unique<ClientBook>(t.path);
         t.write(t.path, "не база данных");
         return t.copy;
     },
     [](BackedUp& t, const ClientBook::RestoreReport& r) {
         ASSERT_TRUE(r.done) << r.error.toStdString();
         EXPECT_EQ(bytesOf(r.keptAs), QByteArray("не база данных"));
         EXPECT_EQ(t.all().size(), 3u);
     }},
    {"a full disk while the copy is read", [](BackedUp& t) { return t.copy; },
     [](BackedUp&, const ClientBook::RestoreReport& r) {
         EXPECT_FALSE(r.done);
         EXPECT_TRUE(r.error.contains(QStringLiteral("подготовить восстановление в папке")))
             << r.error.toStdString();
     }},
};

}  // namespace

// Every way a restore could lose something: the book changes whole or not
// at all, the message says what failed, and nothing is left beside the book
// but the book as it was, kept under a name of its own.
TEST(BookBackup, RestoreLosesNothing) {
    for (const RestoreCase& c : kRestoreCases) {
        SCOPED_TRACE(c.what);
        BackedUp t;
        const QString file = c.prepare(t);
        const QByteArray before = bytesOf(file);
        std::unique_ptr<ClientBook> other;
        if (QByteArray(c.what).startsWith("another")) {
            t.book->setBusyTimeout(100);
            other = std::make_unique<ClientBook>(t.path);
            ASSERT_TRUE(other->waitForCheck());
        }
        ClientBook::RestoreReport report;
        if (QByteArray(c.what).startsWith("a full disk")) {
            const FileSizeLimit limit(8192);
            report = t.book->restore(file);
        } else {
            report = t.book->restore(file);
        }
        c.check(t, report);
        EXPECT_EQ(bytesOf(file), before) << "the copy itself is never changed";
        EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral("-shm")));
        QStringList left = t.strays();
        for (const QString& kept : QDir(QFileInfo(t.path).absolutePath())
                                       .entryList({QStringLiteral("* до восстановления *")})) {
            left.removeAll(kept);
        }
        EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
        EXPECT_EQ(t.strays().isEmpty(), !report.done) << "a safety copy only of a restore done";
        if (other) {
            book::Client late = person(QStringLiteral("Поздний"), QStringLiteral("Клиент"));
            ASSERT_TRUE(other->add(late));
            other.reset();
            EXPECT_EQ(t.all().size(), 4u) << "the other window's change is kept";
        }
    }
}

// A restore killed while it read the copy leaves its staging file; the next
// opening of the book removes it, unless another restore is using it.
TEST(BookBackup, StagingLeftByAKilledRestoreGoesAtTheNextOpening) {
    BackedUp t;
    t.book.reset();
    const QString left = t.path + QStringLiteral(".restore-AbCdEf");
    const QString busy = t.path + QStringLiteral(".restore-GhIjKl");
    t.write(left, QByteArray(100000, 'x'));
    t.write(left + QStringLiteral("-source"), "copy");
    t.write(busy, {});
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "busy");
    db.setDatabaseName(busy);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
    ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")) && q.exec(QStringLiteral("COMMIT")));
    t.book = std::make_unique<ClientBook>(t.path);
    EXPECT_EQ(t.all().size(), 3u);
    for (const QString& gone : {left, left + QStringLiteral("-source")}) {
        EXPECT_FALSE(QFileInfo::exists(gone)) << gone.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(busy));
    q.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("busy"));
}

// A restore killed while it wrote the copy into the book leaves the book
// half written with its rollback journal beside it: the next opening rolls
// it back, and the book is whole as it was, not «read only» for good.
TEST(BookBackup, BookLeftHalfWrittenOpensAsItWas) {
    BackedUp t;
    t.book.reset();
    ASSERT_TRUE(QDir(t.dir.path()).mkdir(QStringLiteral("killed")));
    const QString killed = t.dir.filePath(QStringLiteral("killed/clients.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer");
        db.setDatabaseName(t.path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        // A small cache makes SQLite write changed pages into the file before the end.
        for (const char* sql :
             {"PRAGMA journal_mode = DELETE", "PRAGMA cache_size = 1", "BEGIN",
              "UPDATE clients SET note = hex(zeroblob(40000))", "DELETE FROM reports"}) {
            ASSERT_TRUE(q.exec(QString::fromLatin1(sql))) << sql;
        }
        // The two files as a kill at this moment leaves them.
        for (const QString& suffix : {QString(), QStringLiteral("-journal")}) {
            ASSERT_TRUE(QFile::copy(t.path + suffix, killed + suffix));
        }
        q.exec(QStringLiteral("ROLLBACK"));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("writer"));
    ASSERT_NE(bytesOf(killed), bytesOf(t.path)) << "the book is half written";
    ClientBook book(killed);
    std::vector<book::Client> all;
    QString error;
    ASSERT_TRUE(book.clients(all, &error)) << error.toStdString();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_TRUE(all[0].note.isEmpty());
    std::vector<book::ReportRecord> history;
    ASSERT_TRUE(book.reports(all[0].id, history));
    EXPECT_EQ(history.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(killed + QStringLiteral("-journal")));
}

// A full disk: the message says why and no part of the copy is left.
TEST(BookBackup, FullDiskLeavesNoHalfCopy) {
    BackedUp t;
    const QString target = t.dir.filePath(QStringLiteral("full.sqlite"));
    QString error;
    {
        const FileSizeLimit limit(2048);
        EXPECT_FALSE(t.book->backup(target, &error));
    }
    EXPECT_TRUE(error.startsWith(QStringLiteral("Копия картотеки не сохранена.")))
        << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files).size(), 1);  // the first copy
    EXPECT_EQ(t.all().size(), 3u);
}

// The reminder: none while the last copy is young or the book has not
// changed since it; once it is past thirty days with a change after it; and
// without any copy, once the first client came thirty days ago.
TEST(BookBackup, ReminderAfterThirtyDaysWithAChange) {
    BackedUp t;
    EXPECT_FALSE(t.book->backupState().due);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    t.book->setClock([&] { return now.addDays(40); });
    EXPECT_FALSE(t.book->backupState().due);  // nothing changed since
    t.book.reset();                           // closing writes nothing of its own
    t.book = std::make_unique<ClientBook>(t.path);
    t.book->setClock([&] { return now.addDays(40); });
    EXPECT_FALSE(t.book->backupState().due);
    QTest::qWait(20);
    book::Client c = person(QStringLiteral("Новая"), QStringLiteral("Вера"));
    ASSERT_TRUE(t.book->add(c));
    EXPECT_TRUE(t.book->backupState().due);
    EXPECT_EQ(t.book->backupState().daysSinceCopy, 40);

    TempBook fresh;
    book::Client first = person(QStringLiteral("Первая"), QStringLiteral("Анна"));
    first.added = now.addDays(-31).toString(Qt::ISODate);
    ASSERT_TRUE(fresh.book->add(first));
    EXPECT_TRUE(fresh.book->backupState().due);
}
