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
