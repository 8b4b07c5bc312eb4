// The journal of sessions and the life events as a comma-separated file of
// their own, beside the clients' file: one row an entry, the client named by
// the three names and the date of birth, so that it finds its client in any
// book that holds the same person.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include "book/book_private.h"
#include "book/client_book.h"
#include "book/csv.h"
#include "platform/safe_file.h"

namespace book {

using detail::quoted;

namespace {

// What each column holds; the import reads them by these names.
const QStringList kJournalHeader{
    QStringLiteral("Фамилия"), QStringLiteral("Имя"),   QStringLiteral("Отчество"),
    QStringLiteral("День"),    QStringLiteral("Месяц"), QStringLiteral("Год"),
    QStringLiteral("Вид"),     QStringLiteral("Дата"),  QStringLiteral("Текст")};
const QString kSessionKind = QStringLiteral("сеанс");
const QString kEventKind = QStringLiteral("событие");
constexpr qint64 kJournalImportLimit = 50 * 1024 * 1024;

struct Entry {
    Session session;
    LifeEvent event;
    bool isSession = true;
};

// The date column: «ДД.ММ.ГГГГ» for a session, «ММ.ГГГГ» or «ГГГГ» for an
// event; false when it is none of those.
bool readDate(const QString& kind, const QString& text, Entry& entry) {
    const QStringList parts = text.trimmed().split(u'.');
    bool ok = true;
    std::vector<int> numbers;
    for (const QString& p : parts) {
        numbers.push_back(p.toInt(&ok));
        if (!ok || p.isEmpty() || p.size() > 4) {
            return false;
        }
    }
    if (kind == kSessionKind && numbers.size() == 3) {
        entry.session.date = QDate(numbers[2], numbers[1], numbers[0]);
        return entry.session.date.isValid();
    }
    if (kind == kEventKind && (numbers.size() == 1 || numbers.size() == 2)) {
        entry.isSession = false;
        entry.event.year = numbers.back();
        entry.event.month = numbers.size() == 2 ? numbers[0] : 0;
        return true;
    }
    return false;
}

// Stores one entry for the client `id`; false with the query's error.
bool insertEntry(QSqlQuery& q, qint64 id, const Entry& entry) {
    // The same entry twice (a file imported again) is stored once.
    if (entry.isSession) {
        q.prepare(QStringLiteral(
            "INSERT INTO sessions (client_id, day, text) SELECT :id, :day, :text WHERE NOT "
            "EXISTS (SELECT 1 FROM sessions WHERE client_id = :id AND day = :day AND text = "
            ":text)"));
        q.bindValue(QStringLiteral(":day"),
                    entry.session.date.toString(QStringLiteral("yyyy-MM-dd")));
        q.bindValue(QStringLiteral(":text"), detail::text(entry.session.text));
    } else {
        q.prepare(QStringLiteral(
            "INSERT INTO life_events (client_id, year, month, text) SELECT :id, :year, "
            ":month, :text WHERE NOT EXISTS (SELECT 1 FROM life_events WHERE client_id = :id"
            " AND year = :year AND month = :month AND text = :text)"));
        q.bindValue(QStringLiteral(":year"), entry.event.year);
        q.bindValue(QStringLiteral(":month"), entry.event.month);
        q.bindValue(QStringLiteral(":text"), detail::text(entry.event.text));
    }
    q.bindValue(QStringLiteral(":id"), id);
    return q.exec();
}

// What became of one row of the journal's file: not stored and why (bad),
// the import stopped and why (fatal), or stored or found already there.
struct RowResult {
    QString bad{};
    QString fatal{};
    bool added = false;
};

RowResult storeEntry(QSqlQuery& find, QSqlQuery& q, const csv::Record& record) {
    const QStringList& f = record.fields;
    if (!record.problem.isEmpty() || f.size() != kJournalHeader.size()) {
        return {record.problem.isEmpty()
                    ? QCoreApplication::translate("BookCsv", "полей %1, а в заголовке %2")
                          .arg(f.size())
                          .arg(kJournalHeader.size())
                    : record.problem};
    }
    Client c;
    c.names = {f[0], f[1], f[2]};
    c.birthDate = {f[3].toInt(), monthIndexOf(f[4].toInt()), f[5]};
    find.bindValue(QStringLiteral(":surname"), detail::text(f[0]));
    find.bindValue(QStringLiteral(":name"), detail::text(f[1]));
    find.bindValue(QStringLiteral(":patronymic"), detail::text(f[2]));
    find.bindValue(QStringLiteral(":day"), f[3].toInt());
    find.bindValue(QStringLiteral(":month"), f[4].toInt());
    find.bindValue(QStringLiteral(":year"), detail::text(f[5]));
    if (!find.exec()) {
        return {{}, detail::reason(find.lastError())};
    }
    if (!find.next()) {
        return {QCoreApplication::translate("BookCsv", "такого клиента в картотеке нет")};
    }
    const qint64 id = find.value(0).toLongLong();
    find.finish();
    Entry entry;
    entry.session.text = csv::unguard(f[8]);
    entry.event.text = entry.session.text.trimmed();
    if (!readDate(f[6], f[7], entry)) {
        return {QCoreApplication::translate("BookCsv",
                                            "вид не «сеанс» или «событие», или дата не в виде "
                                            "ДД.ММ.ГГГГ (сеанс), ММ.ГГГГ или ГГГГ (событие)")};
    }
    const QString problem =
        entry.isSession ? sessionProblem(entry.session) : eventProblem(entry.event, c.birthDate);
    if (!problem.isEmpty()) {
        return {problem};
    }
    if (!insertEntry(q, id, entry)) {
        return {{}, detail::reason(q.lastError())};
    }
    return {{}, {}, q.numRowsAffected() > 0};
}

// Why `file` cannot be read at all; empty when `in` is open on it.
QString unreadable(const QString& file, QFile& in) {
    if (!QFileInfo(file).isFile() || !in.open(QIODevice::ReadOnly)) {
        return QCoreApplication::translate("BookCsv", "файл не удаётся открыть для чтения");
    }
    return in.size() > kJournalImportLimit
               ? QCoreApplication::translate("BookCsv",
                                             "файл больше 50 МБ; разделите список на части")
               : QString();
}

}  // namespace

bool ClientBook::exportJournalCsv(const QString& file, QString* error) {
    if (!open(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    // Clients in the book's order; each one's journal oldest first, then the events.
    if (!q.exec(QStringLiteral(
            "SELECT c.surname, c.name, c.patronymic, c.day, c.month, c.year_text, 0, s.day, 0,"
            " s.text, c.sort_key, c.id, s.id FROM sessions s JOIN clients c ON c.id = s.client_id"
            " UNION ALL SELECT c.surname, c.name, c.patronymic, c.day, c.month, c.year_text, 1,"
            " e.year, e.month, e.text, c.sort_key, c.id, e.id FROM life_events e"
            " JOIN clients c ON c.id = e.client_id"
            " ORDER BY 11, 12, 7, 8, 9, 13"))) {
        return fail(error, QCoreApplication::translate(
                               "ClientBook", "Не удалось прочитать картотеку клиентов %1: %2.")
                               .arg(quoted(path_), detail::reason(q.lastError())));
    }
    QString text = csv::row(kJournalHeader);
    while (q.next()) {
        const bool session = q.value(6).toInt() == 0;
        QString date;
        if (session) {
            date = QDate::fromString(q.value(7).toString(), QStringLiteral("yyyy-MM-dd"))
                       .toString(QStringLiteral("dd.MM.yyyy"));
        } else {
            date = eventDateText({0, q.value(7).toInt(), q.value(8).toInt(), {}});
        }
        QStringList fields;
        for (int k = 0; k < 6; ++k) {
            fields << q.value(k).toString();
        }
        fields << (session ? kSessionKind : kEventKind) << date << q.value(9).toString();
        text += csv::row(fields);
    }
    const QByteArray bytes = text.toUtf8();
    const QString problem = platform::writeFileAtomically(
        file, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); });
    if (!problem.isEmpty()) {
        return fail(error, problem + QCoreApplication::translate(
                                         "BookCsv",
                                         ". Прежний файл с этим именем, если он был, "
                                         "остался как был."));
    }
    return true;
}

ImportReport ClientBook::importJournalCsv(const QString& file) {
    ImportReport report;
    const auto refused = [&](const QString& why) {
        report = ImportReport();
        report.error =
            QCoreApplication::translate("BookCsv",
                                        "Журнал из файла %1 не загружен: %2; картотека осталась "
                                        "прежней.")
                .arg(quoted(file), why);
        return report;
    };
    QFile in(file);
    if (const QString why = unreadable(file, in); !why.isEmpty()) {
        return refused(why);
    }
    if (!waitForCheck(&report.error)) {
        return report;
    }
    csv::Reader reader(in, QStringDecoder(QStringDecoder::Utf8));
    csv::Record record;
    if (!reader.next(record) || record.fields != kJournalHeader) {
        return refused(QCoreApplication::translate("BookCsv", "первая строка не «%1»")
                           .arg(kJournalHeader.join(u',')));
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return refused(detail::reason(transaction.error()));
    }
    QSqlQuery find(db);
    find.prepare(QStringLiteral(
        "SELECT id, day, month, year_text FROM clients WHERE surname = :surname AND name = :name"
        " AND patronymic = :patronymic AND day = :day AND month = :month AND year_text = :year"));
    QSqlQuery q(db);
    while (reader.next(record)) {
        const RowResult result = storeEntry(find, q, record);
        if (!result.fatal.isEmpty()) {
            return refused(result.fatal);
        }
        if (!result.bad.isEmpty()) {
            report.badRows.emplace_back(record.line, result.bad);
            continue;
        }
        ++(result.added ? report.added : report.alreadyThere);
    }
    if (!reader.error().isEmpty()) {
        return refused(reader.error());
    }
    if (!transaction.commit()) {
        return refused(detail::reason(transaction.error()));
    }
    report.done = true;
    if (report.added > 0) {
        emit changed();
    }
    return report;
}

}  // namespace book
