// Adding clients to the book: one prepared statement for as many as come,
// the same values in the same columns whichever way they reach SQLite.

#include <sqlite3.h>

#include <QVariant>
#include <algorithm>

#include "book/book_private.h"

namespace book::detail {

namespace {

constexpr const char* kInsertClient =
    "INSERT INTO clients (surname, name, patronymic, day, month, year_text, note, phone, email,"
    " added, last_printed, sort_key, language) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
constexpr const char* kSkipSamePerson =
    " ON CONFLICT (surname, name, patronymic, day, month, year_text) DO NOTHING";

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
