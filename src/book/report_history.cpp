// The history of reports: what was made for whom, and when.

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "book/book_private.h"
#include "book/client_book.h"

namespace book {

namespace {

// The client with these names and date gets "last printed" now; one not yet
// in the book is added. The client learns their id. Empty on success, else why.
QString stampOrAdd(const QSqlDatabase& db, QSqlQuery& q, Client& client, const QString& moment,
                   bool withLanguage) {
    q.prepare(QStringLiteral(
                  "UPDATE clients SET last_printed = :printed%1 WHERE surname = :surname AND"
                  " name = :name AND patronymic = :patronymic AND day = :day AND month = :month"
                  " AND year_text = :year AND deleted = ''")
                  .arg(withLanguage ? QStringLiteral(", language = :language") : QString()));
    detail::bindPerson(q, client);
    q.bindValue(QStringLiteral(":printed"), moment);
    if (withLanguage) {
        q.bindValue(QStringLiteral(":language"), detail::text(client.languageCode));
    }
    if (!q.exec()) {
        return detail::reason(q.lastError());
    }
    if (q.numRowsAffected() == 0) {
        client.added = moment;
        client.lastPrinted = moment;
        detail::ClientInsert insert(db);
        if (!insert.insert(client)) {
            return insert.error();
        }
        client.id = insert.lastId();
        return {};
    }
    q.prepare(QStringLiteral(
        "SELECT id FROM clients WHERE surname = :surname AND name = :name AND patronymic ="
        " :patronymic AND day = :day AND month = :month AND year_text = :year AND deleted = ''"));
    detail::bindPerson(q, client);
    if (!q.exec() || !q.next()) {
        return detail::reason(q.lastError());
    }
    client.id = q.value(0).toLongLong();
    return {};
}

// The comparison noted on the card and in the history of `person`, when the
// book holds them (*noted then says so); false when the book fails, q then
// telling why.
bool noteComparison(QSqlQuery& q, const core::Person& person, core::ReportKind kind,
                    const QString& moment, const QString& file, bool* noted) {
    *noted = false;
    Client client;
    client.names = person.names;
    client.birthDate = person.birthDate;
    if (core::fullName(person.names).isEmpty() || !normalise(client).isEmpty()) {
        return true;  // a row the book could not hold is no client of it
    }
    q.prepare(QStringLiteral(
        "SELECT id FROM clients WHERE surname = :surname AND name = :name AND patronymic ="
        " :patronymic AND day = :day AND month = :month AND year_text = :year AND deleted = ''"));
    detail::bindPerson(q, client);
    if (!q.exec()) {
        return false;
    }
    if (!q.next()) {
        return true;
    }
    const qint64 id = q.value(0).toLongLong();
    q.finish();
    q.prepare(QStringLiteral(
        "UPDATE clients SET last_printed = :printed, language = :language WHERE id = :id"));
    q.bindValue(QStringLiteral(":printed"), moment);
    q.bindValue(QStringLiteral(":language"), core::languageCode(person.language));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !detail::insertReport(q, id, kind, moment, file)) {
        return false;
    }
    *noted = true;
    return true;
}

}  // namespace

using detail::quoted;
using detail::reason;

bool ClientBook::recordReport(qint64 id, core::ReportKind kind, QString* error,
                              const QString& file) {
    if (!waitForCheck(error)) {
        return false;
    }
    const QString moment = now();
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    auto failed = [&](const QString& why) {
        return fail(error,
                    QCoreApplication::translate(
                        "ReportHistory", "Отчёт не записан в историю клиента в картотеке %1: %2.")
                        .arg(quoted(path_), why));
    };
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(reason(transaction.error()));
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "UPDATE clients SET last_printed = :printed WHERE id = :id AND deleted = ''"));
    q.bindValue(QStringLiteral(":printed"), moment);
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec()) {
        return failed(reason(q.lastError()));
    }
    if (q.numRowsAffected() == 0) {
        return failed(
            QCoreApplication::translate("ReportHistory", "этого клиента уже нет в картотеке"));
    }
    if (!detail::insertReport(q, id, kind, moment, file)) {
        return failed(reason(q.lastError()));
    }
    q.finish();
    if (!transaction.commit()) {
        return failed(reason(transaction.error()));
    }
    emit changed();
    return true;
}

bool ClientBook::reports(qint64 id, std::vector<ReportRecord>& out, QString* error) {
    out.clear();
    if (!open(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    // A file of several clients is one moment's entries of its kind, one a client.
    q.prepare(QStringLiteral(
        "SELECT made, kind, file, (SELECT count(*) FROM reports AS o WHERE o.made = r.made AND"
        " o.kind = r.kind AND o.file = r.file AND o.document = r.document), document"
        " FROM reports AS r WHERE client_id = :id ORDER BY made DESC, id DESC"));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec()) {
        return fail(error, QCoreApplication::translate(
                               "ReportHistory",
                               "Не удалось прочитать историю клиента в картотеке %1: "
                               "%2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    while (q.next()) {
        const auto place = static_cast<core::ReportKind>(std::clamp(q.value(1).toInt(), 0, 2));
        const auto document =
            static_cast<core::ReportDocument>(std::clamp(q.value(4).toInt(), 0, 2));
        out.push_back({q.value(0).toString(), core::reportKind(place, document),
                       q.value(2).toString(), q.value(3).toInt()});
    }
    return true;
}

bool ClientBook::recordPrinted(const core::ClientNames& names, const core::BirthDate& born,
                               QString* error, qint64* id, core::ReportKind kind,
                               const QString& file) {
    core::Person person;
    person.names = names;
    person.birthDate = born;
    return notePrinted(person, false, error, id, kind, file);
}

bool ClientBook::recordPrinted(const core::Person& person, QString* error, qint64* id,
                               core::ReportKind kind, const QString& file) {
    return notePrinted(person, true, error, id, kind, file);
}

bool ClientBook::notePrinted(const core::Person& person, bool withLanguage, QString* error,
                             qint64* id, core::ReportKind kind, const QString& file) {
    if (id) {
        *id = 0;
    }
    Client client;
    client.names = person.names;
    client.birthDate = person.birthDate;
    client.languageCode = core::languageCode(person.language);
    client.gender = person.gender;
    client.address = person.address;
    if (core::fullName(person.names).isEmpty()) {
        return true;
    }
    if (const QString problem = normalise(client); !problem.isEmpty()) {
        return fail(error, QCoreApplication::translate("ReportHistory",
                                                       "Клиент не записан в картотеку: %1.")
                               .arg(problem));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    const QString moment = now();
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    auto failed = [&](const QString& why) {
        return fail(error, QCoreApplication::translate("ReportHistory",
                                                       "Клиент не записан в картотеку %1: %2.")
                               .arg(quoted(path_), why));
    };
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(reason(transaction.error()));
    }
    QSqlQuery q(db);
    if (const QString why = stampOrAdd(db, q, client, moment, withLanguage); !why.isEmpty()) {
        return failed(why);
    }
    if (!detail::insertReport(q, client.id, kind, moment, file)) {
        return failed(reason(q.lastError()));
    }
    q.finish();
    if (!transaction.commit()) {
        return failed(reason(transaction.error()));
    }
    if (id) {
        *id = client.id;
    }
    emit changed();
    return true;
}

bool ClientBook::writeHistory(
    QString* error, const std::function<QSqlError(const QSqlDatabase&, const QString&)>& work) {
    if (!waitForCheck(error)) {
        return false;
    }
    const QString moment = now();
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    auto failed = [&](const QSqlError& e) {
        return fail(error, QCoreApplication::translate(
                               "ReportHistory",
                               "Отчёты не записаны в историю клиентов в картотеке %1: "
                               "%2.")
                               .arg(quoted(path_), reason(e)));
    };
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(transaction.error());
    }
    if (const QSqlError fault = work(db, moment); fault.type() != QSqlError::NoError) {
        return failed(fault);
    }
    if (!transaction.commit()) {
        return failed(transaction.error());
    }
    return true;
}

bool ClientBook::recordReports(const std::vector<qint64>& ids, core::ReportKind kind,
                               QString* error, const QString& file) {
    if (ids.empty()) {
        return true;
    }
    const bool written = writeHistory(error, [&](const QSqlDatabase& db, const QString& moment) {
        QSqlQuery mark(db);
        mark.prepare(QStringLiteral(
            "UPDATE clients SET last_printed = :printed WHERE id = :id AND deleted = ''"));
        QSqlQuery note(db);
        note.prepare(
            QStringLiteral("INSERT INTO reports (client_id, made, kind, file, document)"
                           " VALUES (:id, :made, :kind, :file, :document)"));
        for (const qint64 id : ids) {
            mark.bindValue(QStringLiteral(":printed"), moment);
            mark.bindValue(QStringLiteral(":id"), id);
            if (!mark.exec()) {
                return mark.lastError();
            }
            if (mark.numRowsAffected() == 0) {
                continue;  // deleted while the reports were made
            }
            note.bindValue(QStringLiteral(":id"), id);
            note.bindValue(QStringLiteral(":made"), moment);
            note.bindValue(QStringLiteral(":kind"), static_cast<int>(core::placeOf(kind)));
            note.bindValue(QStringLiteral(":document"), static_cast<int>(core::documentOf(kind)));
            note.bindValue(QStringLiteral(":file"), detail::text(file));
            if (!note.exec()) {
                return note.lastError();
            }
        }
        return QSqlError();
    });
    if (written) {
        emit changed();
    }
    return written;
}

bool ClientBook::recordComparison(const std::vector<core::Person>& people, core::ReportKind kind,
                                  QString* error, const QString& file, int* recorded) {
    if (recorded) {
        *recorded = 0;
    }
    if (people.empty()) {
        return true;
    }
    int count = 0;
    const bool written = writeHistory(error, [&](const QSqlDatabase& db, const QString& moment) {
        QSqlQuery q(db);
        for (const core::Person& person : people) {
            bool noted = false;
            if (!noteComparison(q, person, kind, moment, file, &noted)) {
                return q.lastError();
            }
            count += noted;
        }
        return QSqlError();
    });
    if (!written) {
        return false;
    }
    if (recorded) {
        *recorded = count;
    }
    if (count > 0) {
        emit changed();
    }
    return true;
}

}  // namespace book
