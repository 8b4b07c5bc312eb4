// The one place that talks to SQLite itself rather than through Qt SQL: the
// meaning of its result codes, the fast reading of the whole book, its copy
// through SQLite's own backup, and the adding of clients.

#include <sqlite3.h>
#include <QCoreApplication>

#include <algorithm>

#include <QSqlDriver>
#include <QStringDecoder>
#include <QVariant>

#include "book/book_private.h"
#include "platform/reasons.h"

namespace book::detail {

namespace {

int codeOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : -1;
}

QString columnText(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

}  // namespace

// Qt's driver may carry a copy of SQLite of its own, whose handle must never
// reach these functions.
sqlite3* ownHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    if (!connection) {
        return nullptr;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT sqlite_source_id()")) || !q.next()) {
        return nullptr;
    }
    const bool same = q.value(0).toString().toUtf8() == QByteArray(sqlite3_sourceid()) &&
                      sqlite3_libversion_number() == SQLITE_VERSION_NUMBER;
    return same ? connection : nullptr;
}

QString failure(sqlite3* connection) {
    return reason(sqlite3_extended_errcode(connection),
                  QString::fromUtf8(sqlite3_errmsg(connection)));
}

QString reason(int code, const QString& text) {
    // The one failure that is the book's own: SQLite's words for it would
    // name the index, the user wants to know who is already there.
    if ((code & 0xff) == SQLITE_CONSTRAINT &&
        (code == SQLITE_CONSTRAINT_UNIQUE || text.contains(QStringLiteral("UNIQUE")))) {
        return QCoreApplication::translate("SqliteDirect",
                                           "в картотеке уже есть клиент с такими фамилией, именем, "
                                           "отчеством и датой рождения");
    }
    return platform::reasonOfDatabaseError(code, text).text;
}

QString reason(const QSqlError& error) {
    return reason(codeOf(error), error.text());
}

bool isBusy(const QSqlError& error) {
    const int code = codeOf(error) & 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

bool isNotADatabase(const QSqlError& error) {
    const int code = codeOf(error) & 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

bool needsRollback(const QSqlError& error) {
    return codeOf(error) == SQLITE_READONLY_ROLLBACK;
}

namespace {

// How many clients the book has, to make room for them at once; 0 when unknown.
size_t clientCount(sqlite3* connection) {
    sqlite3_stmt* statement = nullptr;
    size_t count = 0;
    if (sqlite3_prepare_v2(connection, "SELECT count(*) FROM clients WHERE deleted = ''", -1,
                           &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        count = size_t(std::max<sqlite3_int64>(0, sqlite3_column_int64(statement, 0)));
    }
    sqlite3_finalize(statement);
    return count;
}

// Decodes a column's UTF-8 straight onto the end of the keys' text, as
// QString::fromUtf8 would decode it on its own.
void appendKey(sqlite3_stmt* statement, int column, SearchKeys& keys, QStringDecoder& utf8) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    const qsizetype size = sqlite3_column_bytes(statement, column);
    const qsizetype used = keys.start.back();
    const qsizetype room = utf8.requiredSpace(size);
    if (keys.text.size() < used + room) {
        keys.text.resize(std::max(used + room, 2 * keys.text.size()));
    }
    const QChar* end = utf8.appendToBuffer(keys.text.data() + used, QByteArrayView(bytes, size));
    keys.start.push_back(int(end - keys.text.constData()));
}

}  // namespace

// Qt SQL turns every value into a QVariant of UTF-16 text through a second
// copy, which doubles the time to read a large book; this reading goes to
// SQLite through the connection's own handle, as QSqlDriver::handle() allows.
std::optional<QString> readClientsDirect(const QSqlDatabase& db, const QString& sql,
                                         std::vector<Client>& out, SearchKeys* keys) {
    sqlite3* connection = ownHandle(db);
    if (!connection) {
        return std::nullopt;
    }
    // Room for every client at once: growing moves them all again and again.
    const size_t count = clientCount(connection);
    out.reserve(out.size() + count);
    if (keys) {
        keys->start.reserve(keys->start.size() + count);
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(connection, utf8.constData(), int(utf8.size()), &statement, nullptr) !=
        SQLITE_OK) {
        return failure(connection);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        Client c;
        c.id = sqlite3_column_int64(statement, 0);
        c.names = {columnText(statement, 1), columnText(statement, 2), columnText(statement, 3)};
        c.birthDate = {sqlite3_column_int(statement, 4),
                       monthIndexOf(sqlite3_column_int(statement, 5)), columnText(statement, 6)};
        c.note = columnText(statement, 7);
        c.added = columnText(statement, 8);
        c.lastPrinted = columnText(statement, 9);
        c.phone = columnText(statement, 10);
        c.email = columnText(statement, 11);
        c.languageCode = columnText(statement, 12);
        c.gender = genderOfCode(columnText(statement, 13));
        c.address = columnText(statement, 14);
        out.push_back(std::move(c));
        if (keys) {
            appendKey(statement, 15, *keys, decoder);
        }
    }
    sqlite3_finalize(statement);
    if (keys) {
        keys->text.truncate(keys->start.back());
    }
    if (step != SQLITE_DONE) {
        return failure(connection);
    }
    return QString();
}

// --- copies through SQLite's backup ---

namespace {

QString driverText() {
    return QCoreApplication::translate("SqliteDirect",
                                       "драйвер SQLite в Qt не тот, с которым собрана программа");
}

// What a pragma of `db` says, as a number; 0 when it says nothing.
qint64 pragmaNumber(sqlite3* db, const char* pragma) {
    sqlite3_stmt* statement = nullptr;
    qint64 value = 0;
    if (sqlite3_prepare_v2(db, pragma, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        value = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    return value;
}

// A failure of the copy's writing side: the disk full, a file too large for
// it, a place that cannot be written. Anything else is the reading side's,
// a copy that cannot be read as it lies (a journal left to roll back) too.
bool writingFailed(int code) {
    const int primary = code & 0xff;
    if (code == SQLITE_READONLY_ROLLBACK || code == SQLITE_READONLY_RECOVERY) {
        return false;
    }
    return primary == SQLITE_FULL || primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN ||
           code == SQLITE_IOERR_WRITE || code == SQLITE_IOERR_FSYNC ||
           code == SQLITE_IOERR_TRUNCATE || code == SQLITE_IOERR_DIR_FSYNC ||
           primary == SQLITE_NOMEM;
}

constexpr int kPagesAStep = 256;
constexpr int kBusyWaitMs = 20;

}  // namespace

CopyResult copyDatabase(const QSqlDatabase& from, const QSqlDatabase& to, qint64 limit,
                        const std::function<bool(qint64, qint64)>& step) {
    sqlite3* source = ownHandle(from);
    sqlite3* target = ownHandle(to);
    if (!source || !target) {
        return {CopyFault::Destination, driverText()};
    }
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (!backup) {
        const int code = sqlite3_extended_errcode(target);
        return {writingFailed(code) ? CopyFault::Destination : CopyFault::Source, failure(target)};
    }
    const qint64 pageSize = pragmaNumber(source, "PRAGMA page_size");
    // The first step copies nothing and tells how large the database is.
    int code = sqlite3_backup_step(backup, 0);
    CopyResult result;
    for (int pages = 0; code == SQLITE_OK || code == SQLITE_BUSY || code == SQLITE_LOCKED;
         code = sqlite3_backup_step(backup, pages)) {
        const qint64 total = qint64(sqlite3_backup_pagecount(backup)) * pageSize;
        if (total > limit) {
            result.fault = CopyFault::TooLarge;
            break;
        }
        if (code != SQLITE_OK) {
            sqlite3_sleep(kBusyWaitMs);  // another program is writing the source
        }
        const qint64 done = total - qint64(sqlite3_backup_remaining(backup)) * pageSize;
        if (step && !step(done, total)) {
            result.fault = CopyFault::Stopped;
            break;
        }
        pages = kPagesAStep;
    }
    // An unfinished copy is rolled back: the target is as it was.
    const int finished = sqlite3_backup_finish(backup);
    if (result.fault == CopyFault::None && (code != SQLITE_DONE || finished != SQLITE_OK)) {
        const int failed = code != SQLITE_DONE ? code : finished;
        result.fault = writingFailed(failed) ? CopyFault::Destination : CopyFault::Source;
        result.why = reason(failed, QString::fromUtf8(sqlite3_errstr(failed)));
        result.damaged = (failed & 0xff) == SQLITE_NOTADB || (failed & 0xff) == SQLITE_CORRUPT;
    }
    return result;
}

// --- adding clients ---

namespace {

constexpr const char* kInsertClient =
    "INSERT INTO clients (surname, name, patronymic, day, month, year_text, note, phone, email,"
    " added, last_printed, sort_key, language, gender, address)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
constexpr const char* kSkipSamePerson =
    " ON CONFLICT (surname, name, patronymic, day, month, year_text) WHERE deleted = ''"
    " DO NOTHING";

// Hands each column of a new client's row to `bind` with its place in the
// statement above, from 1.
template <class Bind>
void eachColumn(const Client& c, const QString& key, Bind&& bind) {
    bind(1, c.names.surname);
    bind(2, c.names.name);
    bind(3, c.names.patronymic);
    bind(4, c.birthDate.day);
    bind(5, storedMonth(c.birthDate.monthIndex));
    bind(6, c.birthDate.year);
    bind(7, c.note);
    bind(8, c.phone);
    bind(9, c.email);
    bind(10, c.added);
    bind(11, c.lastPrinted);
    bind(12, key);
    bind(13, c.languageCode);
    bind(14, genderCode(c.gender));  // ASCII: copied into the buffer, never bound in place
    bind(15, c.address);
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace

ClientInsert::ClientInsert(const QSqlDatabase& db, SamePerson samePerson, bool allowDirect)
    : query_(db) {
    QByteArray sql(kInsertClient);
    if (samePerson == SamePerson::Skipped) {
        sql += kSkipSamePerson;
    }
    connection_ = allowDirect ? ownHandle(db) : nullptr;
    if (!connection_) {
        prepared_ = query_.prepare(QString::fromLatin1(sql));
        if (!prepared_) {
            error_ = reason(query_.lastError());
        }
    } else if (sqlite3_prepare_v3(connection_, sql.constData(), int(sql.size()),
                                  SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) == SQLITE_OK) {
        prepared_ = true;
    } else {
        error_ = failure(connection_);
    }
}

ClientInsert::~ClientInsert() {
    sqlite3_finalize(statement_);
}

bool ClientInsert::insert(const Client& client) {
    added_ = false;
    if (!prepared_) {
        return false;
    }
    error_.clear();
    const QString key = searchKey(client);
    return connection_ ? insertDirectly(client, key) : insertThroughQt(client, key);
}

// The texts go in as UTF-8 made here, into one buffer kept from row to row,
// so that SQLite need not convert and copy each one again. A text with any
// part of a surrogate pair goes in as UTF-16 for SQLite to convert, as Qt SQL
// hands every text over: a half pair would come out of the two apart.
bool ClientInsert::insertDirectly(const Client& client, const QString& key) {
    qsizetype room = 1;  // never an empty buffer, whose null pointer SQLite would store as NULL
    eachColumn(
        client, key,
        Overloaded{[&](int, const QString& value) { room += utf8_.requiredSpace(value.size()); },
                   [](int, int) {}});
    if (buffer_.size() < room) {
        buffer_.resize(room);
    }
    char* end = buffer_.data();
    eachColumn(client, key,
               Overloaded{[&](int at, const QString& value) {
                              if (std::any_of(value.begin(), value.end(),
                                              [](QChar c) { return c.isSurrogate(); })) {
                                  sqlite3_bind_text16(statement_, at, value.constData(),
                                                      int(value.size() * 2), SQLITE_STATIC);
                                  return;
                              }
                              char* const start = end;
                              end = utf8_.appendToBuffer(start, value);
                              sqlite3_bind_text(statement_, at, start, int(end - start),
                                                SQLITE_STATIC);
                          },
                          [this](int at, int value) { sqlite3_bind_int(statement_, at, value); }});
    const bool done = sqlite3_step(statement_) == SQLITE_DONE;
    if (done) {
        added_ = sqlite3_changes(connection_) > 0;
        lastId_ = sqlite3_last_insert_rowid(connection_);
    } else {
        error_ = failure(connection_);
    }
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);  // the texts bound are the caller's
    return done;
}

bool ClientInsert::insertThroughQt(const Client& client, const QString& key) {
    eachColumn(
        client, key,
        Overloaded{[this](int at, const QString& value) { query_.bindValue(at - 1, text(value)); },
                   [this](int at, int value) { query_.bindValue(at - 1, value); }});
    if (!query_.exec()) {
        error_ = reason(query_.lastError());
        return false;
    }
    added_ = query_.numRowsAffected() > 0;
    lastId_ = query_.lastInsertId().toLongLong();
    return true;
}

}  // namespace book::detail
