// Reading the whole book: in the table's own order, which SQLite reads
// straight through, and then put in the book's order in memory.

#include <QVariant>

#include "book/book_private.h"
#include "book/text_order.h"

namespace book::detail {

namespace {

const char* const kColumns =
    "id, surname, name, patronymic, day, month, year_text, note, added, last_printed, phone, email,"
    " language, gender, address";

Client readClient(const QSqlQuery& q) {
    Client c;
    c.id = q.value(0).toLongLong();
    c.names = {q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
    c.birthDate = {q.value(4).toInt(), monthIndexOf(q.value(5).toInt()), q.value(6).toString()};
    c.note = q.value(7).toString();
    c.added = q.value(8).toString();
    c.lastPrinted = q.value(9).toString();
    c.phone = q.value(10).toString();
    c.email = q.value(11).toString();
    c.languageCode = q.value(12).toString();
    c.gender = genderOfCode(q.value(13).toString());
    c.address = q.value(14).toString();
    return c;
}

QString readThroughQt(const QSqlDatabase& db, const QString& sql, std::vector<Client>& out,
                      SearchKeys& keys) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        return reason(q.lastError());
    }
    while (q.next()) {
        out.push_back(readClient(q));
        keys.append(q.value(15).toString());
    }
    return q.lastError().isValid() ? reason(q.lastError()) : QString();
}

// The book's order, ORDER BY sort_key, id: the clients come in the order of
// their ids, so equal keys keep it.
void putInBookOrder(std::vector<Client>& clients, SearchKeys& keys) {
    std::vector<QStringView> texts(keys.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        texts[i] = keys[i];
    }
    const std::vector<int> order = textOrder(texts);
    SearchKeys ordered;
    ordered.text.reserve(keys.text.size());
    ordered.start.reserve(keys.start.size());
    for (const int i : order) {
        ordered.append(keys[size_t(i)]);
    }
    keys = std::move(ordered);
    // The clients moved in place, one cycle of the order at a time: a second
    // vector of them would be as much fresh memory again.
    std::vector<bool> placed(order.size());
    for (size_t start = 0; start < order.size(); ++start) {
        if (placed[start] || size_t(order[start]) == start) {
            continue;
        }
        Client first = std::move(clients[start]);
        size_t at = start;
        for (size_t from = size_t(order[at]); from != start; from = size_t(order[at])) {
            clients[at] = std::move(clients[from]);
            placed[at] = true;
            at = from;
        }
        clients[at] = std::move(first);
        placed[at] = true;
    }
}

}  // namespace

QString readClients(const QSqlDatabase& db, std::vector<Client>& out, SearchKeys* keys,
                    bool allowDirect) {
    const QString sql =
        QStringLiteral("SELECT %1, sort_key FROM clients WHERE deleted = '' ORDER BY id")
            .arg(QLatin1String(kColumns));
    SearchKeys own;
    SearchKeys& read = keys ? *keys : own;
    const std::optional<QString> direct =
        allowDirect ? readClientsDirect(db, sql, out, &read) : std::nullopt;
    const QString why = direct ? *direct : readThroughQt(db, sql, out, read);
    if (why.isEmpty()) {
        putInBookOrder(out, read);
    }
    return why;
}

}  // namespace book::detail
