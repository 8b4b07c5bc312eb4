// Rows that come from elsewhere held to the book's own rules: a copy brought
// back, a book of an older version brought up to date. A row that breaks
// them goes to the bin with its reason; every other row gets its search key
// made afresh from its names, whatever the file said it was.

#include <QCoreApplication>
#include <QVariant>
#include <array>
#include <utility>

#include "book/book_private.h"

namespace book::detail {

namespace {

// More code points than any text the rules let through, even at sixteen to
// a character (core::kMostPartsOfACharacter): a longer text is refused by
// its length, which SQLite tells, and never read into the program.
constexpr int kLongestRead = kNoteLimit * 16 + 1;

struct TextColumn {
    const char* column;
    const char* field;  // the field's name in a message
    int limit;          // in characters
};

// In the order readClient below takes them, after the id.
constexpr std::array<TextColumn, 11> kTexts{{
    {"surname", QT_TRANSLATE_NOOP("Client", "Фамилия"), kSurnameLimit},
    {"name", QT_TRANSLATE_NOOP("Client", "Имя"), kNameLimit},
    {"patronymic", QT_TRANSLATE_NOOP("Client", "Отчество"), kPatronymicLimit},
    {"year_text", QT_TRANSLATE_NOOP("Client", "Год рождения"), 4},
    {"note", QT_TRANSLATE_NOOP("Client", "Примечание"), kNoteLimit},
    {"added", QT_TRANSLATE_NOOP("Client", "Добавлен"), 30},
    {"last_printed", QT_TRANSLATE_NOOP("Client", "Напечатан"), 30},
    {"phone", QT_TRANSLATE_NOOP("Client", "Телефон"), kPhoneLimit},
    {"email", QT_TRANSLATE_NOOP("Client", "Эл. почта"), kEmailLimit},
    {"language", QT_TRANSLATE_NOOP("Client", "Язык отчёта"), 3},
    {"address", QT_TRANSLATE_NOOP("Client", "Обращение"), kAddressLimit},
}};

QString selectRows() {
    QString sql = QStringLiteral("SELECT id, day, month, sort_key");
    for (const TextColumn& t : kTexts) {
        sql += QStringLiteral(", CASE WHEN length(%1) <= %2 THEN %1 END")
                   .arg(QLatin1String(t.column))
                   .arg(kLongestRead);
    }
    return sql + QStringLiteral(" FROM clients WHERE set_aside = '' ORDER BY id");
}

// The row of `q` as a client; `tooLong` learns the first text past what is
// read, when there is one.
Client readRow(const QSqlQuery& q, const TextColumn** tooLong) {
    Client c;
    c.id = q.value(0).toLongLong();
    c.birthDate.day = q.value(1).toInt();
    c.birthDate.monthIndex = monthIndexOf(q.value(2).toInt());
    QString* texts[] = {&c.names.surname, &c.names.name,   &c.names.patronymic, &c.birthDate.year,
                        &c.note,          &c.added,        &c.lastPrinted,      &c.phone,
                        &c.email,         &c.languageCode, &c.address};
    *tooLong = nullptr;
    for (size_t k = 0; k < kTexts.size(); ++k) {
        const QVariant value = q.value(int(4 + k));
        if (value.isNull() && !*tooLong) {
            *tooLong = &kTexts[k];
        }
        *texts[k] = value.toString();
    }
    return c;
}

QString tooLongText(const TextColumn& t) {
    return QCoreApplication::translate("Client", "поле «%1» длиннее %n знаков", nullptr, t.limit)
        .arg(QCoreApplication::translate("Client", t.field));
}

struct Verdicts {
    std::vector<std::pair<qint64, QString>> setAside;  // the id and why
    std::vector<std::pair<qint64, QString>> keys;      // the id and its key made afresh
};

QString judgeRows(const QSqlDatabase& db, Verdicts& out) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(selectRows())) {
        return reason(q.lastError());
    }
    while (q.next()) {
        const TextColumn* tooLong = nullptr;
        const Client stored = readRow(q, &tooLong);
        Client judged = stored;
        if (QString why = tooLong ? tooLongText(*tooLong) : ruleBreak(judged); !why.isEmpty()) {
            out.setAside.emplace_back(stored.id, std::move(why));
        } else if (QString key = searchKey(stored); key != q.value(3).toString()) {
            out.keys.emplace_back(stored.id, std::move(key));
        }
    }
    return q.lastError().isValid() ? reason(q.lastError()) : QString();
}

}  // namespace

QString holdRowsToRules(const QSqlDatabase& db, const QString& moment) {
    Verdicts verdicts;
    if (const QString why = judgeRows(db, verdicts); !why.isEmpty()) {
        return why;
    }
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("UPDATE clients SET deleted = :moment, set_aside = :why WHERE id = :id"));
    for (const auto& [id, why] : verdicts.setAside) {
        q.bindValue(QStringLiteral(":moment"), moment);
        q.bindValue(QStringLiteral(":why"), why);
        q.bindValue(QStringLiteral(":id"), id);
        if (!q.exec()) {
            return reason(q.lastError());
        }
    }
    q.prepare(QStringLiteral("UPDATE clients SET sort_key = :key WHERE id = :id"));
    for (const auto& [id, key] : verdicts.keys) {
        q.bindValue(QStringLiteral(":key"), key);
        q.bindValue(QStringLiteral(":id"), id);
        if (!q.exec()) {
            return reason(q.lastError());
        }
    }
    return {};
}

}  // namespace book::detail
