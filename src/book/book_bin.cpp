// The bin: deleted clients kept whole for a while, brought back, removed for
// good, and gone by themselves after kBinDays days.

#include <QCoreApplication>
#include <QVariant>

#include "book/book_private.h"
#include "book/client_book.h"

namespace book {

using detail::quoted;
using detail::reason;

namespace {

// Texts of a set-aside row may be of any length; the bin reads their start.
const char* const kBinColumns =
    "id, substr(surname, 1, 200), substr(name, 1, 200), substr(patronymic, 1, 200), day, month,"
    " substr(year_text, 1, 200), deleted, set_aside";

ClientBook::BinEntry binEntryOf(const QSqlQuery& q) {
    ClientBook::BinEntry e;
    e.id = q.value(0).toLongLong();
    e.names = {q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
    e.birthDate = {q.value(4).toInt(), monthIndexOf(q.value(5).toInt()), q.value(6).toString()};
    e.deleted = q.value(7).toString();
    e.setAside = q.value(8).toString();
    return e;
}

QString shownEntry(const ClientBook::BinEntry& e) {
    Client c;
    c.names = e.names;
    c.birthDate = e.birthDate;
    return shownClient(c);
}

// Runs `sql` with :id bound to each of `ids` in turn; the first error, if any.
QSqlError forEachId(QSqlQuery& q, const QString& sql, const std::vector<qint64>& ids) {
    q.prepare(sql);
    for (const qint64 id : ids) {
        q.bindValue(QStringLiteral(":id"), id);
        if (!q.exec()) {
            return q.lastError();
        }
    }
    return {};
}

}  // namespace

QString ClientBook::binCutoff() const {
    return moment().toUTC().addDays(-kBinDays).toString(Qt::ISODateWithMs);
}

bool ClientBook::binEntries(std::vector<BinEntry>& out, QString* error) {
    out.clear();
    if (!open(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    // A deletion past its days is gone to the user even before emptyBin() runs.
    q.prepare(QStringLiteral("SELECT %1 FROM clients WHERE deleted <> '' AND (set_aside <> '' OR"
                             " deleted >= :since) ORDER BY deleted DESC, id")
                  .arg(QLatin1String(kBinColumns)));
    q.bindValue(QStringLiteral(":since"), binCutoff());
    if (!q.exec()) {
        return fail(error, QCoreApplication::translate(
                               "BookBin",
                               "Не удалось прочитать удалённых клиентов в картотеке %1: "
                               "%2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    while (q.next()) {
        out.push_back(binEntryOf(q));
    }
    return true;
}

QString ClientBook::binRows(const std::vector<qint64>& ids, std::vector<BinEntry>& out) {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("SELECT %1 FROM clients WHERE id = :id AND deleted <> ''")
                  .arg(QLatin1String(kBinColumns)));
    for (const qint64 id : ids) {
        q.bindValue(QStringLiteral(":id"), id);
        if (!q.exec()) {
            return reason(q.lastError());
        }
        if (q.next()) {
            out.push_back(binEntryOf(q));
        }
    }
    return {};
}

bool ClientBook::bringBack(const std::vector<qint64>& ids, QString* error) {
    if (!waitForCheck(error)) {
        return false;
    }
    const auto failed = [&](const QString& why) {
        return fail(error, QCoreApplication::translate("BookBin",
                                                       "Клиенты не возвращены в картотеку %1: %2.")
                               .arg(quoted(path_), why));
    };
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(reason(transaction.error()));
    }
    std::vector<BinEntry> rows;
    if (const QString why = binRows(ids, rows); !why.isEmpty()) {
        return failed(why);
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE clients SET deleted = '' WHERE id = :id"));
    for (const BinEntry& row : rows) {
        // What breaks the book's rules stays out of it, whoever asks.
        if (!row.setAside.isEmpty()) {
            return failed(QCoreApplication::translate("BookBin", "запись %1 отложена: %2")
                              .arg(shownEntry(row), row.setAside));
        }
        q.bindValue(QStringLiteral(":id"), row.id);
        if (!q.exec()) {
            return failed(QStringLiteral("%1 — %2").arg(shownEntry(row), reason(q.lastError())));
        }
    }
    q.finish();
    if (!transaction.commit()) {
        return failed(reason(transaction.error()));
    }
    emit changed();
    return true;
}

bool ClientBook::bringBackLast(std::vector<qint64>* ids, QString* error) {
    if (ids) {
        ids->clear();
    }
    // What the bin empties by itself goes first.
    if (!waitForCheck(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    // One deletion is the clients it marked with one moment.
    if (!q.exec(QStringLiteral(
            "SELECT id FROM clients WHERE set_aside = '' AND deleted = (SELECT max(deleted) FROM"
            " clients WHERE deleted <> '' AND set_aside = '')"))) {
        return fail(error, QCoreApplication::translate("BookBin",
                                                       "Клиенты не возвращены в картотеку %1: %2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    std::vector<qint64> last;
    while (q.next()) {
        last.push_back(q.value(0).toLongLong());
    }
    q.finish();
    if (last.empty() || !bringBack(last, error)) {
        return last.empty();
    }
    if (ids) {
        *ids = std::move(last);
    }
    return true;
}

bool ClientBook::removeForGood(const std::vector<qint64>& ids, QString* error) {
    if (!waitForCheck(error)) {
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    detail::Transaction transaction(db);
    QSqlQuery q(db);
    QSqlError e = transaction.begun() ? QSqlError() : transaction.error();
    // What the card kept goes with the client: nothing is left behind that
    // belongs to no one.
    for (const char* table : {"reports", "sessions", "life_events", "contacted"}) {
        if (!e.isValid()) {
            e = forEachId(q,
                          QStringLiteral("DELETE FROM %1 WHERE client_id = :id AND client_id IN"
                                         " (SELECT id FROM clients WHERE deleted <> '')")
                              .arg(QLatin1String(table)),
                          ids);
        }
    }
    if (!e.isValid()) {
        e = forEachId(q, QStringLiteral("DELETE FROM clients WHERE id = :id AND deleted <> ''"),
                      ids);
    }
    q.finish();
    if (e.isValid() || !transaction.commit()) {
        return fail(error, QCoreApplication::translate(
                               "BookBin", "Клиенты не удалены навсегда из картотеки %1: %2.")
                               .arg(quoted(path_), reason(e.isValid() ? e : transaction.error())));
    }
    emit changed();
    return true;
}

void ClientBook::emptyBin() {
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    const QString before = binCutoff();
    const char* const old = "deleted <> '' AND set_aside = '' AND deleted < :before";
    // Housekeeping: a book another program holds is emptied the next time.
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return;
    }
    QSqlQuery q(db);
    for (const char* table : {"reports", "sessions", "life_events", "contacted", ""}) {
        const QString sql =
            *table ? QStringLiteral(
                         "DELETE FROM %1 WHERE client_id IN (SELECT id FROM clients"
                         " WHERE %2)")
                         .arg(QLatin1String(table), QLatin1String(old))
                   : QStringLiteral("DELETE FROM clients WHERE %1").arg(QLatin1String(old));
        q.prepare(sql);
        q.bindValue(QStringLiteral(":before"), before);
        if (!q.exec()) {
            return;
        }
    }
    q.finish();
    transaction.commit();
}

}  // namespace book
