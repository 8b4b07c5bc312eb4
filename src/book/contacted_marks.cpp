// The «Связался» marks of the turning list: per client and year, the day the
// practitioner got in touch.

#include <QCoreApplication>
#include <QVariant>

#include "book/book_private.h"
#include "book/client_book.h"

namespace book {

using detail::quoted;
using detail::reason;

namespace {

const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

}  // namespace

bool ClientBook::contacted(int year, QHash<qint64, QDate>& out, QString* error) {
    out.clear();
    if (!open(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT client_id, made FROM contacted WHERE year = :year"));
    q.bindValue(QStringLiteral(":year"), year);
    if (!q.exec()) {
        return fail(error, QCoreApplication::translate(
                               "ClientBook", "Не удалось прочитать картотеку клиентов %1: %2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    while (q.next()) {
        out.insert(q.value(0).toLongLong(), QDate::fromString(q.value(1).toString(), kDayFormat));
    }
    return true;
}

bool ClientBook::setContacted(qint64 id, int year, const QDate& day, QString* error) {
    const auto failed = [&](const QString& why) {
        return fail(
            error, QCoreApplication::translate("ClientBook", "Отметка «Связался» не сохранена: %1.")
                       .arg(why));
    };
    if (year < kFirstRecordYear || year > kLastRecordYear) {
        return failed(QCoreApplication::translate("ClientBook", "год %1 вне %2–%3")
                          .arg(QString::number(year), QString::number(kFirstRecordYear),
                               QString::number(kLastRecordYear)));
    }
    if (!day.isNull() && (!day.isValid() || day.year() < 1 || day.year() > 9999)) {
        return failed(QCoreApplication::translate("ClientBook", "неверная дата"));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(reason(transaction.error()));
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT count(*) FROM clients WHERE id = :id AND deleted = ''"));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next()) {
        return failed(reason(q.lastError()));
    }
    if (q.value(0).toInt() == 0) {
        return failed(
            QCoreApplication::translate("ClientBook", "этого клиента уже нет в картотеке"));
    }
    if (day.isNull()) {
        q.prepare(QStringLiteral("DELETE FROM contacted WHERE client_id = :id AND year = :year"));
    } else {
        q.prepare(
            QStringLiteral("INSERT OR REPLACE INTO contacted (client_id, year, made)"
                           " VALUES (:id, :year, :made)"));
        q.bindValue(QStringLiteral(":made"), QStringLiteral("%1-%2")
                                                 .arg(day.year(), 4, 10, QChar(u'0'))
                                                 .arg(day.toString(QStringLiteral("MM-dd"))));
    }
    q.bindValue(QStringLiteral(":id"), id);
    q.bindValue(QStringLiteral(":year"), year);
    if (!q.exec()) {
        return failed(reason(q.lastError()));
    }
    q.finish();
    if (!transaction.commit()) {
        return failed(reason(transaction.error()));
    }
    emit contactedChanged(id, year);
    return true;
}

}  // namespace book
