// The one place that talks to SQLite itself rather than through Qt SQL: the
// meaning of its result codes, the fast reading of the whole book, and its
// copy through SQLite's own backup.

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

namespace {

// How many clients the book has, to make room for them at once; 0 when unknown.
size_t clientCount(sqlite3* connection) {
    sqlite3_stmt* statement = nullptr;
    size_t count = 0;
    if (sqlite3_prepare_v2(connection, "SELECT count(*) FROM clients", -1, &statement, nullptr) ==
            SQLITE_OK &&
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
        out.push_back(std::move(c));
        if (keys) {
            appendKey(statement, 13, *keys, decoder);
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

// SQLite's backup reads the book page by page inside one read transaction,
// so the copy is the book as it was at one moment, even while this program
// writes to it; into memory first, so that the file is written whole by the
// caller or not at all.
QString copyWhole(const QSqlDatabase& db, QByteArray& out) {
    sqlite3* from = ownHandle(db);
    if (!from) {
        return QCoreApplication::translate(
            "SqliteDirect", "драйвер SQLite в Qt не тот, с которым собрана программа");
    }
    sqlite3* to = nullptr;
    if (sqlite3_open_v2(":memory:", &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const QString why = failure(to);
        sqlite3_close(to);
        return why;
    }
    QString why;
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) {
        why = failure(to);
    } else {
        const int step = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (step != SQLITE_DONE) {
            why = reason(step, QString::fromUtf8(sqlite3_errstr(step)));
        }
    }
    sqlite3_int64 size = 0;
    unsigned char* bytes = why.isEmpty() ? sqlite3_serialize(to, "main", &size, 0) : nullptr;
    if (why.isEmpty() && !bytes) {
        why = QCoreApplication::translate("SqliteDirect", "не хватило памяти");
    }
    if (bytes) {
        out = QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size));
        sqlite3_free(bytes);
    }
    sqlite3_close(to);
    // The copy is one file: not in WAL mode, which would have SQLite look
    // for a -wal file beside it.
    if (why.isEmpty() && out.size() >= 100 && out[18] == 2) {
        out[18] = 1;
        out[19] = 1;
    }
    return why;
}

}  // namespace book::detail
