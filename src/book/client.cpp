#include "book/client.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>
#include <array>
#include <tuple>

#include "core/address.h"
#include "core/forecast.h"
#include "core/text_set.h"

namespace book {

namespace {

// Whether `text` is a moment in the book's form, «2024-03-05T13:30:00Z», of a
// date and time that exist.
bool isStoredMoment(const QString& text) {
    if (text.size() != 20 || text[4] != u'-' || text[7] != u'-' || text[10] != u'T' ||
        text[13] != u':' || text[16] != u':' || text[19] != u'Z') {
        return false;
    }
    return QDate(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2)).isValid() &&
           QTime(digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)).isValid();
}

// A moment from outside (an imported file) in the one form the book stores:
// UTC, to the second. False when the text is no moment at all.
bool toStoredMoment(QString& text) {
    // Already in that form (as every moment of the import is by now): a check
    // of its date and time is all it needs.
    if (isStoredMoment(text)) {
        return true;
    }
    const QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (!moment.isValid()) {
        return false;
    }
    text = moment.toUTC().toString(Qt::ISODate);
    return true;
}

// A sentence of core as a clause of the caller's: «…: поле «Имя» длиннее 20 знаков…».
QString clause(QString sentence) {
    if (sentence.isEmpty()) {
        return sentence;
    }
    sentence[0] = sentence[0].toLower();
    return sentence.endsWith(u'.') ? sentence.chopped(1) : sentence;
}

}  // namespace

int digitsAt(const QString& text, qsizetype at, qsizetype count) {
    int value = 0;
    for (qsizetype k = at; k < at + count; ++k) {
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

QString fold(QString text) {
    QString folded = std::move(text).toLower();  // in place when the text is no one else's
    folded.replace(QChar(u'ё'), QChar(u'е'));
    return folded;
}

QString searchKey(const Client& client) {
    const core::ClientNames& n = client.names;
    // Folding turns each character on its own, so the three fold as one text.
    return fold(n.surname + u'\t' + n.name + u'\t' + n.patronymic);
}

void SearchKeys::append(QStringView key) {
    text += key;
    start.push_back(int(text.size()));
}

void SearchKeys::clear() {
    text.clear();
    start.assign(1, 0);
}

QString birthDateText(const Client& client) {
    return core::numericDate(client.birthDate);
}

bool dateExists(const Client& client) {
    return !core::dateRefusal(client.birthDate).has_value();
}

bool isShortYear(const QString& yearText) {
    return !yearText.isEmpty() && yearText.size() <= 2 &&
           std::all_of(yearText.begin(), yearText.end(), [](QChar c) { return c.isDigit(); });
}

QString momentText(const QString& stored) {
    if (stored.isEmpty()) {
        return {};
    }
    const QDateTime moment = QDateTime::fromString(stored, Qt::ISODate);
    return moment.isValid() ? moment.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                            : stored;
}

namespace {

// What is wrong with the phone or the e-mail address, as a clause; empty when nothing is.
QString contactProblem(const Client& client) {
    for (const auto& [text, limit, field] :
         {std::tuple{&client.phone, kPhoneLimit, QT_TRANSLATE_NOOP("Client", "Телефон")},
          std::tuple{&client.email, kEmailLimit, QT_TRANSLATE_NOOP("Client", "Эл. почта")},
          std::tuple{&client.address, kAddressLimit, QT_TRANSLATE_NOOP("Client", "Обращение")}}) {
        // A plain one needs no field name put into words, which takes a lock each time.
        if (const QString problem =
                core::fitsPlainly(*text, limit)
                    ? QString()
                    : core::nameProblem(*text, limit, QCoreApplication::translate("Client", field));
            !problem.isEmpty()) {
            return clause(problem);
        }
    }
    return {};
}

// What is wrong with the note, as a clause; empty when nothing is.
QString noteProblem(const QString& note) {
    if (note.size() > kNoteLimit && core::visibleLength(note) > kNoteLimit) {
        return QCoreApplication::translate("Client", "примечание длиннее %1 знаков")
            .arg(kNoteLimit);
    }
    // Half a character would take the one after it along when stored.
    if (const QString half = core::halfCharacter(note); !half.isEmpty()) {
        return QCoreApplication::translate("Client",
                                           "в примечании есть неполный символ (%1): уберите его")
            .arg(half);
    }
    if (const QString problem = core::overbuiltCharacter(note); !problem.isEmpty()) {
        return QCoreApplication::translate("Client", "в примечании %1").arg(problem);
    }
    return {};
}

}  // namespace

QString genderCode(core::Gender gender) {
    return core::genderCode(gender);
}

core::Gender genderOfCode(const QString& text) {
    return core::parseGender(text).value_or(core::Gender::Unknown);
}

QString genderProblem(const QString& text) {
    if (core::parseGender(text)) {
        return {};
    }
    return QCoreApplication::translate("Client",
                                       "пол «%1» не понят: можно f или m (ж или м), или пусто")
        .arg(text.trimmed());
}

QString ruleBreak(Client& client) {
    core::ClientNames& n = client.names;
    n.surname = n.surname.trimmed();
    n.name = n.name.trimmed();
    n.patronymic = n.patronymic.trimmed();
    if (n.surname.isEmpty() && n.name.isEmpty() && n.patronymic.isEmpty()) {
        return QCoreApplication::translate("Client", "не указаны ни фамилия, ни имя, ни отчество");
    }
    // Lengths as a reader counts characters; no control characters, which
    // would break the lines of a printout or of an exported file.
    if (const QString problem = core::clientNamesProblem(n); !problem.isEmpty()) {
        return clause(problem);
    }
    client.phone = client.phone.trimmed();
    client.email = client.email.trimmed();
    client.address = client.address.simplified();
    // Only a language's code is kept: anything else would reach the card as
    // text. No code at all is the language pages always had.
    if (client.languageCode.isEmpty()) {
        client.languageCode = core::languageCode(core::ReportLanguage::Russian);
    } else if (!core::isLanguageCode(client.languageCode)) {
        return QCoreApplication::translate("Client",
                                           "язык отчёта записан не кодом языка (ru, uk, en)");
    }
    if (const QString problem = contactProblem(client); !problem.isEmpty()) {
        return problem;
    }
    if (const QString problem = noteProblem(client.note); !problem.isEmpty()) {
        return problem;
    }
    if (const std::optional<core::Refusal> refusal = core::dateRefusal(client.birthDate)) {
        // The window's «choose a date» means nothing to a row of a file.
        return refusal->kind == core::Refusal::Kind::MissingDate
                   ? QCoreApplication::translate("Client", "не указан день или месяц рождения")
                   : clause(refusal->text);
    }
    if (!client.added.isEmpty() && !toStoredMoment(client.added)) {
        return QCoreApplication::translate("Client",
                                           "дата добавления не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ");
    }
    if (!client.lastPrinted.isEmpty() && !toStoredMoment(client.lastPrinted)) {
        return QCoreApplication::translate("Client",
                                           "дата последней печати не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ");
    }
    return {};
}

QString normalise(Client& client) {
    if (QString problem = ruleBreak(client); !problem.isEmpty()) {
        return problem;
    }
    const core::BirthDate& d = client.birthDate;
    return clause(core::noSuchDate(d.day, d.monthIndex, d.year));
}

QString shownText(const QString& stored, int most) {
    const QString head = core::leadingCharacters(stored, most);
    QString shown;
    shown.reserve(head.size() + 1);
    for (qsizetype i = 0; i < head.size(); ++i) {
        const QChar c = head[i];
        if (c.isHighSurrogate() && i + 1 < head.size() && head[i + 1].isLowSurrogate()) {
            shown += c;
            shown += head[++i];
        } else if (const char16_t u = c.unicode();
                   c.isSurrogate() || c.category() == QChar::Other_Control ||
                   c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
                   (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069)) {
            shown += QChar::ReplacementCharacter;
        } else {
            shown += c;
        }
    }
    return head.size() < stored.size() ? shown + u'…' : shown;
}

QString shownClient(const Client& client) {
    QString who = shownText(core::fullName(client.names), 80);
    if (who.isEmpty()) {
        who = QCoreApplication::translate("Client", "(без имени)");
    }
    const core::BirthDate& d = client.birthDate;
    return who + QStringLiteral(", %1.%2.%3")
                     .arg(d.day, 2, 10, QLatin1Char('0'))
                     .arg(storedMonth(d.monthIndex), 2, 10, QLatin1Char('0'))
                     .arg(shownText(d.year, 8));
}

QString reportText(const ReportRecord& report) {
    switch (report.kind) {
        case core::ReportKind::Printout:
            return QCoreApplication::translate("Client", "Распечатка");
        case core::ReportKind::Pdf:
            return QCoreApplication::translate("Client", "Отчёт в PDF");
        case core::ReportKind::ManyPdf:
            return QCoreApplication::translate("Client", "PDF: %n клиентов", nullptr,
                                               report.clients);
        case core::ReportKind::BookletPrintout:
            return QCoreApplication::translate("Client", "Подробный отчёт, распечатка");
        case core::ReportKind::BookletPdf:
            return QCoreApplication::translate("Client", "Подробный отчёт в PDF");
        case core::ReportKind::ManyBookletPdf:
            return QCoreApplication::translate("Client", "Подробные отчёты в PDF: %n клиентов",
                                               nullptr, report.clients);
        case core::ReportKind::ComparisonPrintout:
            return QCoreApplication::translate("Client", "Сравнение, распечатка");
        case core::ReportKind::ComparisonPdf:
            return QCoreApplication::translate("Client", "Сравнение в PDF");
    }
    return {};
}

}  // namespace book
