#include "book/client_records.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/client_names.h"

namespace book {

namespace {

// Half of a character (a surrogate without its pair) or a NUL: text that no
// file, page or search can carry as it was typed.
bool brokenCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull()) {
            return true;
        }
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate()) {
                return true;
            }
            ++i;
        } else if (c.isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

bool knownYear(int year) {
    return year >= kFirstRecordYear && year <= kLastRecordYear;
}

}  // namespace

QString sessionProblem(const Session& session) {
    if (!session.date.isValid() || !knownYear(session.date.year())) {
        return QCoreApplication::translate("ClientRecords",
                                           "дата сеанса не от 01.01.0001 до 31.12.9999");
    }
    if (session.text.trimmed().isEmpty()) {
        return QCoreApplication::translate("ClientRecords", "запись о сеансе пуста");
    }
    if (brokenCharacter(session.text)) {
        return QCoreApplication::translate("ClientRecords",
                                           "в записи о сеансе неполный или нулевой символ");
    }
    if (session.text.size() > kSessionLimit && core::visibleLength(session.text) > kSessionLimit) {
        return QCoreApplication::translate("ClientRecords", "запись о сеансе длиннее %1 знаков")
            .arg(kSessionLimit);
    }
    if (const QString problem = core::overbuiltCharacter(session.text); !problem.isEmpty()) {
        return QCoreApplication::translate("ClientRecords", "в записи о сеансе %1").arg(problem);
    }
    return {};
}

QString eventProblem(const LifeEvent& event, const core::BirthDate& born) {
    if (!knownYear(event.year)) {
        return QCoreApplication::translate("ClientRecords", "год события не от %1 до %2")
            .arg(kFirstRecordYear)
            .arg(kLastRecordYear);
    }
    if (event.month < 0 || event.month > 12) {
        return QCoreApplication::translate("ClientRecords", "месяц события не от 1 до 12");
    }
    if (event.text.trimmed().isEmpty()) {
        return QCoreApplication::translate("ClientRecords", "у события нет описания");
    }
    if (const QString problem = core::nameProblem(
            event.text, kEventLimit, QCoreApplication::translate("ClientRecords", "Событие"));
        !problem.isEmpty()) {
        // nameProblem speaks in whole sentences; here it ends one.
        QString clause = problem;
        clause[0] = clause[0].toLower();
        if (clause.endsWith(u'.')) {
            clause.chop(1);
        }
        return clause;
    }
    bool known = false;
    const int bornYear = born.year.toInt(&known);
    const int bornMonth = born.monthIndex + 1;
    if (known && (event.year < bornYear ||
                  (event.year == bornYear && event.month != 0 && event.month < bornMonth))) {
        return QCoreApplication::translate("ClientRecords",
                                           "событие %1 раньше рождения клиента (%2)")
            .arg(eventDateText(event),
                 QStringLiteral("%1.%2").arg(bornMonth, 2, 10, QChar(u'0')).arg(born.year));
    }
    return {};
}

void putInOrder(ClientRecords& records) {
    std::stable_sort(records.journal.begin(), records.journal.end(),
                     [](const Session& a, const Session& b) {
                         return a.date != b.date ? a.date > b.date : a.id > b.id;
                     });
    std::stable_sort(records.events.begin(), records.events.end(),
                     [](const LifeEvent& a, const LifeEvent& b) {
                         return a.year != b.year ? a.year < b.year : a.month < b.month;
                     });
}

QString eventDateText(const LifeEvent& event) {
    return event.month == 0
               ? QString::number(event.year)
               : QStringLiteral("%1.%2").arg(event.month, 2, 10, QChar(u'0')).arg(event.year);
}

}  // namespace book
