// What a client's card keeps beside the person: the journal of sessions and
// the life events; how they are stored with the card, read back, searched,
// and checked when a whole book comes from elsewhere.

#include <QCoreApplication>
#include <QVariant>

#include "book/book_private.h"
#include "book/client_book.h"

namespace book {

using detail::quoted;
using detail::reason;

namespace {

const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

QString dayText(const QDate& date) {
    // Four digits whatever the year, so that the stored days sort as text.
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QChar(u'0'))
        .arg(date.month(), 2, 10, QChar(u'0'))
        .arg(date.day(), 2, 10, QChar(u'0'));
}

QDate dayOf(const QString& text) {
    return QDate::fromString(text, kDayFormat);
}

QString queryFailed(const QSqlQuery& q) {
    return reason(q.lastError());
}

// The client's columns as kPerson reads them, from column `first` on.
const QString kPerson =
    QStringLiteral(" c.surname, c.name, c.patronymic, c.day, c.month, c.year_text");

Client whose(const QSqlQuery& q, int first) {
    Client c;
    c.names = {q.value(first).toString(), q.value(first + 1).toString(),
               q.value(first + 2).toString()};
    c.birthDate = {q.value(first + 3).toInt(), monthIndexOf(q.value(first + 4).toInt()),
                   q.value(first + 5).toString()};
    return c;
}

QString named(const Client& c) {
    return core::fullName(c.names).isEmpty() ? birthDateText(c) : core::fullName(c.names);
}

}  // namespace

QString ClientBook::storeCard(const Client& stored, const ClientRecords* records, bool* gone) {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral(
        "UPDATE clients SET surname = :surname, name = :name, patronymic = :patronymic,"
        " day = :day, month = :month, year_text = :year, note = :note, phone = :phone,"
        " email = :email, sort_key = :key, language = :language, gender = :gender,"
        " address = :address WHERE id = :id AND deleted = ''"));
    detail::bindPerson(q, stored);
    q.bindValue(QStringLiteral(":note"), detail::text(stored.note));
    q.bindValue(QStringLiteral(":phone"), detail::text(stored.phone));
    q.bindValue(QStringLiteral(":email"), detail::text(stored.email));
    q.bindValue(QStringLiteral(":key"), searchKey(stored));
    q.bindValue(QStringLiteral(":language"), detail::text(stored.languageCode));
    q.bindValue(QStringLiteral(":gender"), detail::text(genderCode(stored.gender)));
    q.bindValue(QStringLiteral(":address"), detail::text(stored.address));
    q.bindValue(QStringLiteral(":id"), stored.id);
    if (!q.exec()) {
        return queryFailed(q);
    }
    *gone = q.numRowsAffected() == 0;
    if (*gone || !records) {
        return {};
    }
    for (const char* sql : {"DELETE FROM sessions WHERE client_id = :id",
                            "DELETE FROM life_events WHERE client_id = :id"}) {
        q.prepare(QString::fromLatin1(sql));
        q.bindValue(QStringLiteral(":id"), stored.id);
        if (!q.exec()) {
            return queryFailed(q);
        }
    }
    // Oldest first, so that the row numbers keep the order of entries made on one day.
    q.prepare(
        QStringLiteral("INSERT INTO sessions (client_id, day, text) VALUES (:id, :day, :text)"));
    for (auto s = records->journal.rbegin(); s != records->journal.rend(); ++s) {
        q.bindValue(QStringLiteral(":id"), stored.id);
        q.bindValue(QStringLiteral(":day"), dayText(s->date));
        q.bindValue(QStringLiteral(":text"), detail::text(s->text));
        if (!q.exec()) {
            return queryFailed(q);
        }
    }
    q.prepare(
        QStringLiteral("INSERT INTO life_events (client_id, year, month, text)"
                       " VALUES (:id, :year, :month, :text)"));
    for (const LifeEvent& e : records->events) {
        q.bindValue(QStringLiteral(":id"), stored.id);
        q.bindValue(QStringLiteral(":year"), e.year);
        q.bindValue(QStringLiteral(":month"), e.month);
        q.bindValue(QStringLiteral(":text"), detail::text(e.text.trimmed()));
        if (!q.exec()) {
            return queryFailed(q);
        }
    }
    return {};
}

bool ClientBook::records(qint64 id, ClientRecords& out, QString* error) {
    out = {};
    if (!open(error)) {
        return false;
    }
    const auto failed = [&](const QSqlQuery& q) {
        out = {};
        return fail(error, QCoreApplication::translate(
                               "ClientBook", "Не удалось прочитать картотеку клиентов %1: %2.")
                               .arg(quoted(path_), queryFailed(q)));
    };
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("SELECT id, day, text FROM sessions WHERE client_id = :id"));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec()) {
        return failed(q);
    }
    while (q.next()) {
        out.journal.push_back(
            {q.value(0).toLongLong(), dayOf(q.value(1).toString()), q.value(2).toString()});
    }
    q.prepare(
        QStringLiteral("SELECT id, year, month, text FROM life_events WHERE client_id = :id"));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec()) {
        return failed(q);
    }
    while (q.next()) {
        out.events.push_back({q.value(0).toLongLong(), q.value(1).toInt(), q.value(2).toInt(),
                              q.value(3).toString()});
    }
    putInOrder(out);
    return true;
}

bool ClientBook::recordTexts(std::vector<std::pair<qint64, QString>>& out, QString* error) {
    out.clear();
    if (!open(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT client_id, group_concat(text, char(9)) FROM"
                               " (SELECT client_id, text FROM sessions UNION ALL"
                               "  SELECT client_id, text FROM life_events) GROUP BY client_id"))) {
        return fail(error, QCoreApplication::translate(
                               "ClientBook", "Не удалось прочитать картотеку клиентов %1: %2.")
                               .arg(quoted(path_), queryFailed(q)));
    }
    while (q.next()) {
        out.emplace_back(q.value(0).toLongLong(), fold(q.value(1).toString()));
    }
    return true;
}

namespace {

// The life events and the contacted marks of recordRowsProblem().
QString eventRowsProblem(const QSqlDatabase& db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT e.year, e.month, e.text,") + kPerson +
                QStringLiteral(" FROM life_events e JOIN clients c ON c.id = e.client_id"
                               " WHERE c.set_aside = ''"))) {
        return queryFailed(q);
    }
    while (q.next()) {
        const Client c = whose(q, 3);
        const LifeEvent e{0, q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString()};
        if (const QString problem = eventProblem(e, c.birthDate); !problem.isEmpty()) {
            return QCoreApplication::translate("ClientRecords", "события клиента «%1»: %2")
                .arg(named(c), problem);
        }
    }
    if (!q.exec(QStringLiteral("SELECT made FROM contacted"))) {
        return queryFailed(q);
    }
    while (q.next()) {
        if (!dayOf(q.value(0).toString()).isValid()) {
            return QCoreApplication::translate("ClientRecords",
                                               "отметка «Связался» «%1» не в виде ГГГГ-ММ-ДД")
                .arg(q.value(0).toString().left(20));
        }
    }
    return {};
}

}  // namespace

namespace detail {

QString recordRowsProblem(const QSqlDatabase& db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // Rows of no client would surface nowhere and be lost unseen.
    if (!q.exec(QStringLiteral(
            "SELECT count(*) FROM (SELECT client_id FROM sessions UNION ALL"
            " SELECT client_id FROM life_events UNION ALL SELECT client_id FROM contacted)"
            " WHERE client_id NOT IN (SELECT id FROM clients)")) ||
        !q.next()) {
        return queryFailed(q);
    }
    if (const int orphans = q.value(0).toInt(); orphans > 0) {
        return QCoreApplication::translate(
            "ClientRecords", "%n записей журнала или событий не принадлежат ни одному клиенту",
            nullptr, orphans);
    }
    if (!q.exec(QStringLiteral("SELECT s.day, s.text,") + kPerson +
                QStringLiteral(" FROM sessions s JOIN clients c ON c.id = s.client_id"
                               " WHERE c.set_aside = ''"))) {
        return queryFailed(q);
    }
    while (q.next()) {
        const Session s{0, dayOf(q.value(0).toString()), q.value(1).toString()};
        QString problem = s.date.isValid() && q.value(0).toString() == dayText(s.date)
                              ? sessionProblem(s)
                              : QCoreApplication::translate("ClientRecords",
                                                            "дата сеанса «%1» не в виде ГГГГ-ММ-ДД")
                                    .arg(q.value(0).toString().left(20));
        if (!problem.isEmpty()) {
            return QCoreApplication::translate("ClientRecords", "журнал клиента «%1»: %2")
                .arg(named(whose(q, 2)), problem);
        }
    }
    return eventRowsProblem(db);
}

}  // namespace detail

}  // namespace book
