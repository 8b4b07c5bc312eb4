// The book's tables: how a new file gets them, how an older book is brought
// up to date, and how a file is known to be a book of ours before anything
// is written to it.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QVariant>
#include <array>
#include <atomic>
#include <span>

#include "book/book_private.h"
#include "book/client_book.h"

namespace book::detail {

namespace {

// Version 1: the clients and their order. sort_key is searchKey() of the
// names, kept so that the book comes out of the file already in order.
constexpr const char* kCreateVersion1[] = {
    "CREATE TABLE clients ("
    " id INTEGER PRIMARY KEY,"
    " surname TEXT NOT NULL,"
    " name TEXT NOT NULL,"
    " patronymic TEXT NOT NULL,"
    " day INTEGER NOT NULL CHECK (day BETWEEN 1 AND 31),"
    " month INTEGER NOT NULL CHECK (month BETWEEN 1 AND 12),"
    " year_text TEXT NOT NULL,"
    " note TEXT NOT NULL DEFAULT '',"
    " added TEXT NOT NULL,"
    " last_printed TEXT NOT NULL DEFAULT '',"
    " sort_key TEXT NOT NULL)",
    "CREATE UNIQUE INDEX clients_person"
    " ON clients (surname, name, patronymic, day, month, year_text)",
    "CREATE INDEX clients_order ON clients (sort_key, id)",
};

// Version 2: the reports made for each client, which the client's card lists.
constexpr const char* kCreateVersion2[] = {
    "CREATE TABLE reports ("
    " id INTEGER PRIMARY KEY,"
    " client_id INTEGER NOT NULL,"
    " made TEXT NOT NULL,"
    " kind INTEGER NOT NULL CHECK (kind BETWEEN 0 AND 2))",
    "CREATE INDEX reports_client ON reports (client_id, made)",
};

// Version 3: the client's phone and e-mail, the file each report went to,
// and the reports by their moment, which tells how many clients one file had.
constexpr const char* kCreateVersion3[] = {
    "ALTER TABLE clients ADD COLUMN phone TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE clients ADD COLUMN email TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE reports ADD COLUMN file TEXT NOT NULL DEFAULT ''",
    "CREATE INDEX reports_made ON reports (made, kind)",
};

// Version 4: the language of each client's pages; everyone who was in the
// book before reads Russian, as their pages always were.
constexpr const char* kCreateVersion4[] = {
    "ALTER TABLE clients ADD COLUMN language TEXT NOT NULL DEFAULT 'ru'",
};

// The gender and the form of address on the card: everyone who was in the
// book before is of gender not given («не указан»), and greeted as their
// names propose until someone types an address. And what each report in the
// history was (core::ReportDocument): every earlier one a one-page report.
constexpr const char* kGenderAndAddress[] = {
    "ALTER TABLE clients ADD COLUMN gender TEXT NOT NULL DEFAULT ''"
    " CHECK (gender IN ('', 'f', 'm'))",
    "ALTER TABLE clients ADD COLUMN address TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE reports ADD COLUMN document INTEGER NOT NULL DEFAULT 0"
    " CHECK (document BETWEEN 0 AND 2)",
};

// Version 6: the bin. A deleted client stays in the table, their history
// and card with them, marked with the moment of deleting until brought
// back, removed for good or thirty days old; a row from elsewhere that
// breaks the book's rules waits there too, with the reason (set_aside).
// Only the clients in the book are one person each.
constexpr const char* kTheBin[] = {
    "ALTER TABLE clients ADD COLUMN deleted TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE clients ADD COLUMN set_aside TEXT NOT NULL DEFAULT ''",
    "DROP INDEX clients_person",
    "CREATE UNIQUE INDEX clients_person"
    " ON clients (surname, name, patronymic, day, month, year_text) WHERE deleted = ''",
    "CREATE INDEX clients_deleted ON clients (deleted) WHERE deleted <> ''",
};

// Version 7: what the card keeps beside the person (the journal of sessions
// and the life events) and the turning years a client was contacted about.
// Rows belong to a client by client_id: they wait in the bin with a deleted
// client and go only when the client is removed for good.
constexpr const char* kJournal[] = {
    "CREATE TABLE sessions ("
    " id INTEGER PRIMARY KEY,"
    " client_id INTEGER NOT NULL,"
    " day TEXT NOT NULL,"
    " text TEXT NOT NULL)",
    "CREATE INDEX sessions_client ON sessions (client_id, day)",
    "CREATE TABLE life_events ("
    " id INTEGER PRIMARY KEY,"
    " client_id INTEGER NOT NULL,"
    " year INTEGER NOT NULL CHECK (year BETWEEN 1 AND 9999),"
    " month INTEGER NOT NULL DEFAULT 0 CHECK (month BETWEEN 0 AND 12),"
    " text TEXT NOT NULL)",
    "CREATE INDEX life_events_client ON life_events (client_id, year, month)",
    "CREATE TABLE contacted ("
    " client_id INTEGER NOT NULL,"
    " year INTEGER NOT NULL CHECK (year BETWEEN 1 AND 9999),"
    " made TEXT NOT NULL,"
    " PRIMARY KEY (client_id, year))",
};

// The statements that take a book from version k - 1 to version k, at [k - 1];
// createOrUpgrade() runs every step a book lacks in one transaction.
const std::array<std::span<const char* const>, ClientBook::kSchemaVersion> kUpgrades{
    std::span<const char* const>(kCreateVersion1),   std::span<const char* const>(kCreateVersion2),
    std::span<const char* const>(kCreateVersion3),   std::span<const char* const>(kCreateVersion4),
    std::span<const char* const>(kGenderAndAddress), std::span<const char* const>(kTheBin),
    std::span<const char* const>(kJournal),
};

// The first version whose rows are held against the book's rules when they
// come in: a book from before it is checked row by row as it is upgraded.
constexpr int kRowsCheckedSince = 6;

const char* const kSchemaQuery =
    "SELECT type, name, tbl_name, coalesce(sql, '') FROM sqlite_schema ORDER BY type, name";

int nextNumber() {
    static std::atomic<int> number = 0;
    return ++number;
}

// Every table, index, view and trigger of a database, as one list of text.
QStringList schemaOf(const QSqlDatabase& db, QSqlError* error) {
    QSqlQuery q(db);
    QStringList entries;
    if (!q.exec(QString::fromLatin1(kSchemaQuery))) {
        *error = q.lastError();
        return {};
    }
    while (q.next()) {
        entries << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                               q.value(3).toString()}
                       .join(u'\x1f');
    }
    return entries;
}

// What the file of a book of `version` holds, made afresh in memory: a book
// of ours has exactly this and nothing else.
QStringList expectedSchema(int version) {
    static std::array<QStringList, ClientBook::kSchemaVersion + 1> made;
    static std::array<bool, ClientBook::kSchemaVersion + 1> done{};
    if (!done[size_t(version)]) {
        const QString name = QStringLiteral("zemtar-book-model-%1").arg(nextNumber());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(QStringLiteral(":memory:"));
            db.open();
            QSqlQuery q(db);
            for (int step = 0; step < version; ++step) {
                for (const char* statement : kUpgrades[size_t(step)]) {
                    q.exec(QString::fromLatin1(statement));
                }
            }
            QSqlError unused;
            made[size_t(version)] = schemaOf(db, &unused);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        done[size_t(version)] = true;
    }
    return made[size_t(version)];
}

// A file in WAL mode is read by SQLite through a -wal and a -shm file, which
// it would create beside a file not yet known to be ours; when there is no
// -wal file, the main file holds everything and is read as it lies.
QString probeName(const QString& path) {
    QFile file(path);
    QByteArray header;
    if (file.open(QIODevice::ReadOnly)) {
        header = file.read(20);
    }
    const bool wal = header.size() == 20 && header[18] == 2;
    const bool walFileExists = QFileInfo::exists(path + QStringLiteral("-wal"));
    return QString::fromLatin1(
               QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded()) +
           (wal && !walFileExists ? QStringLiteral("?immutable=1") : QStringLiteral("?mode=ro"));
}

QString readFailed(const QString& where, const QSqlError& error) {
    if (isBusy(error)) {
        return QCoreApplication::translate(
                   "BookSchema",
                   "Файл картотеки клиентов %1 занят другой программой. Закройте её и откройте "
                   "картотеку снова.")
            .arg(where);
    }
    if (isNotADatabase(error)) {
        return QCoreApplication::translate("BookSchema",
                                           "Файл %1 не является картотекой клиентов или повреждён.")
                   .arg(where) +
               untouchedText() +
               QCoreApplication::translate(
                   "BookSchema",
                   " Чтобы начать новую картотеку, переименуйте или перенесите этот "
                   "файл.");
    }
    return QCoreApplication::translate("BookSchema",
                                       "Не удалось прочитать картотеку клиентов %1: %2.")
               .arg(where, reason(error)) +
           untouchedText();
}

QString foreignText(const QString& where, const QString& why) {
    return QCoreApplication::translate(
               "BookSchema",
               "Файл %1 — база данных другой программы, а не картотека клиентов (%2).")
               .arg(where, why) +
           untouchedText() +
           QCoreApplication::translate(
               "BookSchema",
               " Чтобы начать новую картотеку, переименуйте или перенесите этот файл.");
}

// The verdict on a file already open read-only.
QString judge(const QSqlDatabase& db, const QString& where) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
        return readFailed(where, q.lastError());
    }
    const int applicationId = q.value(0).toInt();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        return readFailed(where, q.lastError());
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (applicationId != 0 && applicationId != kApplicationId) {
        return foreignText(where, QCoreApplication::translate(
                                      "BookSchema", "в её заголовке метка другого приложения"));
    }
    if (version > ClientBook::kSchemaVersion) {
        return QCoreApplication::translate(
                   "BookSchema",
                   "Файл картотеки клиентов %1 записан более новой версией программы (версия "
                   "картотеки %2, эта программа знает версии до %3).")
                   .arg(where, QString::number(version),
                        QString::number(ClientBook::kSchemaVersion)) +
               untouchedText() + QCoreApplication::translate("BookSchema", " Обновите программу.");
    }
    if (version < 0) {
        return foreignText(where,
                           QCoreApplication::translate("BookSchema", "номер версии не картотеки"));
    }
    QSqlError error;
    const QStringList schema = schemaOf(db, &error);
    if (error.isValid()) {
        return readFailed(where, error);
    }
    // An empty file, or one of ours with exactly our tables, indexes and nothing more.
    if (schema != expectedSchema(version)) {
        return foreignText(
            where, version == 0
                       ? QCoreApplication::translate("BookSchema", "в ней есть чужие таблицы")
                       : QCoreApplication::translate("BookSchema",
                                                     "таблицы не те, что у картотеки, "
                                                     "или добавлены чужие триггеры и "
                                                     "представления"));
    }
    return {};
}

}  // namespace

namespace {

// The verdict of a read-only look at the file; `journalLeft` learns whether
// SQLite found a journal it must roll back before anything can be read.
QString probe(const QString& path, int busyTimeoutMs, bool* journalLeft) {
    const QString where = quoted(path);
    const QString name = QStringLiteral("zemtar-book-probe-%1").arg(nextNumber());
    QString verdict;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!db.isValid()) {
            verdict = QCoreApplication::translate(
                "BookSchema",
                "Картотека клиентов недоступна: не установлен драйвер SQLite для Qt (пакет "
                "libqt6sql6-sqlite).");
        } else {
            db.setDatabaseName(probeName(path));
            db.setConnectOptions(
                QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1")
                    .arg(busyTimeoutMs));
            if (db.open()) {
                QSqlQuery q(db);
                *journalLeft = !q.exec(QStringLiteral("PRAGMA schema_version")) &&
                               needsRollback(q.lastError());
                q.finish();
                verdict = judge(db, where);
            } else {
                verdict = readFailed(where, db.lastError());
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return verdict;
}

// Lets SQLite roll back the journal a writer killed half-way left beside the
// file: its first read does it, and puts back every page as it was before
// that write. Nothing else is written.
void rollBack(const QString& path, int busyTimeoutMs) {
    const QString name = QStringLiteral("zemtar-book-rollback-%1").arg(nextNumber());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        if (db.open()) {
            QSqlQuery(db).exec(QStringLiteral("PRAGMA schema_version"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

QString checkOwnership(const QString& path, int busyTimeoutMs) {
    bool journalLeft = false;
    const QString verdict = probe(path, busyTimeoutMs, &journalLeft);
    if (!journalLeft) {
        return verdict;
    }
    // A restore writes the copy into the book with a rollback journal: killed
    // half-way, it leaves one, which a read-only look cannot roll back, and
    // the book would be called unreadable at every start. Rolling it back is
    // SQLite's own recovery, the book exactly as it was before that write.
    rollBack(path, busyTimeoutMs);
    return probe(path, busyTimeoutMs, &journalLeft);
}

QString createOrUpgrade(const QSqlDatabase& db, const QString& moment) {
    QSqlQuery q(db);
    Transaction transaction(db);
    if (!transaction.begun()) {
        return reason(transaction.error());
    }
    // Another copy of the program may have done it meanwhile.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        return reason(q.lastError());
    }
    const int current = q.value(0).toInt();
    q.finish();
    for (int step = current; step < ClientBook::kSchemaVersion; ++step) {
        for (const char* statement : kUpgrades[size_t(step)]) {
            if (!q.exec(QString::fromLatin1(statement))) {
                return reason(q.lastError());
            }
        }
    }
    // Rows written before they were held to every rule: a search key that
    // hides a client, a note with half a character.
    if (current >= 1 && current < kRowsCheckedSince) {
        if (const QString why = holdRowsToRules(db, moment); !why.isEmpty()) {
            return why;
        }
    }
    if (current < ClientBook::kSchemaVersion) {
        if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(ClientBook::kSchemaVersion)) ||
            !q.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId))) {
            return reason(q.lastError());
        }
    }
    return transaction.commit() ? QString() : reason(transaction.error());
}

bool hasBookTables(const QSqlDatabase& db, int version, QSqlError* error) {
    const QStringList schema = schemaOf(db, error);
    return !error->isValid() && version >= 1 && version <= ClientBook::kSchemaVersion &&
           schema == expectedSchema(version);
}

void stampApplicationId(const QSqlDatabase& db) {
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("PRAGMA application_id")) && q.next() &&
        q.value(0).toInt() == kApplicationId) {
        return;
    }
    q.finish();
    q.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
}

}  // namespace book::detail
