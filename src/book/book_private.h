#pragma once

// What the book's own files share and nobody else needs: the wording of
// failures, the statements that write a client, and the pieces that open,
// check and read the file. Not part of the book's public face.

#include <QByteArrayView>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringEncoder>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "book/client.h"

struct sqlite3;
struct sqlite3_stmt;

namespace book::detail {

// «path» in the platform's separators, as every message names a file.
QString quoted(const QString& path);

// " Программа этот файл не изменяет."
QString untouchedText();

// --- what SQLite says, in the user's words (sqlite_direct.cpp) ---

// The SQLite connection under a Qt one, when it is one of the SQLite this
// program is linked with; null when Qt's driver carries a copy of its own.
sqlite3* ownHandle(const QSqlDatabase& db);
// Why the last call on `connection` failed, in the user's words.
QString failure(sqlite3* connection);

// The reason for an SQLite result code, in words for the user; `text` when
// the code is none of those the user can act on.
QString reason(int code, const QString& text);
QString reason(const QSqlError& error);
bool isBusy(const QSqlError& error);
bool isNotADatabase(const QSqlError& error);
// A read-only connection that found a journal it must roll back first.
bool needsRollback(const QSqlError& error);

// Runs `sql` (the columns of readClients) through SQLite itself, onto the
// ends of `out` and `keys`. Nothing when the Qt driver's connection is not
// one of the SQLite this program is linked with; else empty on success or
// why it failed.
std::optional<QString> readClientsDirect(const QSqlDatabase& db, const QString& sql,
                                         std::vector<Client>& out, SearchKeys* keys);

// --- copies through SQLite's backup (sqlite_direct.cpp) ---

// Which side of a copy failed: the reading of the source (a damaged copy),
// the writing of the target (the disk), or neither.
enum class CopyFault { None, Source, Destination, TooLarge, Stopped };
struct CopyResult {
    CopyFault fault = CopyFault::None;
    QString why;           // the reason in the user's words, for Source and Destination
    bool damaged = false;  // the source is no database or a damaged one
};

// Makes the database of `to` exactly that of `from`, page by page through
// SQLite's backup: its pages and nothing after them, in one write
// transaction of `to`, so that a copy stopped or failed half-way leaves `to`
// as it was. `step` hears how many bytes are copied of how many, and stops
// the copy by returning false. A database of more than `limit` bytes is not
// copied.
CopyResult copyDatabase(const QSqlDatabase& from, const QSqlDatabase& to, qint64 limit,
                        const std::function<bool(qint64 done, qint64 total)>& step = {});

// --- copies of the book (book_backup.cpp) ---

// Whether two names lead to one file.
bool sameFile(const QString& a, const QString& b);
// Writes the whole database of `db` into `file` as a file of its own (one
// file, not in WAL mode), page by page through SQLite's backup into the
// program's one writer, whole or not at all. Empty on success, else the
// message «Не удалось записать файл …: …».
QString writeDatabase(const QSqlDatabase& db, const QString& file);

// --- reading clients (book_reading.cpp) ---

// Every client in the book's order into an empty `out` (and their sort keys
// into `keys` when given): through SQLite itself when it can, else through
// Qt SQL; `allowDirect` false forces the latter. Empty on success, else why.
QString readClients(const QSqlDatabase& db, std::vector<Client>& out, SearchKeys* keys,
                    bool allowDirect = true);

// --- the file's place (book_place.cpp) ---

// Makes sure the book's folder and file are the program's own: not a
// symbolic link, the folder readable by the user alone (tightened when it is
// not), the file created empty when there is none. Empty when the place can
// be used, else the whole message.
QString preparePlace(const QString& path);

// Removes what a restore killed half-way left beside the book (its staging
// file and what goes with it), unless another restore is using it.
void removeLeftStaging(const QString& book);

// Takes from others any right to a file that is known to be a book of ours.
// Empty on success, else the whole message.
QString tightenFile(const QString& path);

// --- the tables (book_schema.cpp) ---

// The mark every book of ours carries in its header (PRAGMA application_id).
constexpr int kApplicationId = 0x5A4D4B42;  // "ZMKB"

// Decides, without writing a byte, whether the file at `path` is a client
// book of ours (or empty). Empty when it is, else the whole message.
QString checkOwnership(const QString& path, int busyTimeoutMs);

// Creates the tables of an empty file, or upgrades an older book, in one
// transaction; an older book's rows are held to the book's rules on the way
// (holdRowsToRules), `moment` being when. Empty on success, else why.
QString createOrUpgrade(const QSqlDatabase& db, const QString& moment);

// --- rows from elsewhere (book_rules.cpp) ---

// Holds every row of `db` not set aside yet to the book's rules (ruleBreak(),
// and no text too long to be read): a row that breaks them goes to the bin
// with its reason, `moment` its moment of deleting; every other row gets its
// search key made afresh from its names. Inside the caller's transaction.
// Empty on success, else why.
QString holdRowsToRules(const QSqlDatabase& db, const QString& moment);

// Whether the database holds exactly the tables of a book of `version`.
bool hasBookTables(const QSqlDatabase& db, int version, QSqlError* error);

// Writes the program's mark into a book of ours that has none yet.
void stampApplicationId(const QSqlDatabase& db);

// Whether every journal entry, life event and contacted mark of the book
// obeys the rules a card's own obey (sessionProblem, eventProblem) and
// belongs to a client: empty when so, else the first fault, as the end of a
// Russian sentence (client_journal.cpp).
QString recordRowsProblem(const QSqlDatabase& db);

// --- writing clients (client_book.cpp) ---

// Qt SQL binds a null QString as NULL; the book stores an empty name as empty text.
QVariant text(const QString& value);
// Binds the names and date of birth (:surname, :name, :patronymic, :day, :month, :year).
void bindPerson(QSqlQuery& q, const Client& c);
// Adds a report to a client's history; false with the query's error.
bool insertReport(QSqlQuery& q, qint64 id, core::ReportKind kind, const QString& moment,
                  const QString& file);

// --- adding clients (sqlite_direct.cpp) ---

// Adds clients with one prepared statement, as many as come (inside the
// caller's transaction, or each one its own): through SQLite itself when the
// connection is ours, which spares every value a QVariant and a copy, else
// through Qt SQL. The same values go into the same columns either way.
class ClientInsert {
public:
    // What becomes of a client whose names and date of birth the book holds
    // already: the insert fails, or the client is passed over (added() false).
    enum class SamePerson { Refused, Skipped };

    explicit ClientInsert(const QSqlDatabase& db, SamePerson samePerson = SamePerson::Refused,
                          bool allowDirect = true);
    ~ClientInsert();
    ClientInsert(const ClientInsert&) = delete;
    ClientInsert& operator=(const ClientInsert&) = delete;

    // Stores `client` as it is (normalised, its moment of adding given);
    // false when it failed, error() says why in the user's words.
    bool insert(const Client& client);
    bool added() const { return added_; }
    qint64 lastId() const { return lastId_; }
    QString error() const { return error_; }

private:
    bool insertDirectly(const Client& client, const QString& key);
    bool insertThroughQt(const Client& client, const QString& key);

    QSqlQuery query_;  // when SQLite cannot be reached itself
    sqlite3* connection_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    QStringEncoder utf8_{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    QByteArray buffer_;  // the texts of the row being stored, one after another
    bool prepared_ = false;
    bool added_ = false;
    qint64 lastId_ = 0;
    QString error_;
};

// BEGIN IMMEDIATE takes the write lock at once, so a change never finds the
// file taken half-way; a transaction not committed is rolled back.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool begun() const { return begun_; }
    QSqlError error() const { return query_.lastError(); }
    bool commit();

private:
    QSqlQuery query_;
    bool begun_ = false;
    bool committed_ = false;
};

// --- the background integrity check (integrity_check.cpp) ---

// The full check of a newly opened file, in a thread of its own with a
// connection of its own. `done` runs in that thread when the verdict is known.
class IntegrityCheck {
public:
    IntegrityCheck(const QString& path, const QString& connection, std::function<void()> done);
    ~IntegrityCheck();  // waits for the thread
    IntegrityCheck(const IntegrityCheck&) = delete;
    IntegrityCheck& operator=(const IntegrityCheck&) = delete;

    // Waits for the check; true when the file is whole (or could not be checked).
    bool verdict();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The full check on the calling thread: true when the file is whole; false
// when it is not or the check could not run (then `error` says why).
bool integrityOk(const QSqlDatabase& db, QSqlError* error);

// --- when the full check last passed, in the user's settings (integrity_check.cpp) ---

// The file as it lies now, in a few dozen letters: its place, when it was
// made, its size and its last change. Another file put in its place, or this
// one changed by anything but the program, no longer has the same identity.
QString fileIdentity(const QString& path);
// Whether the file of this identity is due its full check: it never passed
// one as it lies, or the last was a week ago or more.
bool fullCheckDue(const QString& identity, const QDateTime& now);
// The full check of the file of this identity passed at `now`.
void rememberFullCheck(const QString& identity, const QDateTime& now);
// The program changed the file from `before` to `after` and closed it: the
// record of its last check, if it was of `before`, goes with the file.
void followOwnChanges(const QString& before, const QString& after);
// The next opening checks in full.
void forgetFullCheck();

}  // namespace book::detail
