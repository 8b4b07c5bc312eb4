#include "book/client.h"

#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <tuple>

#include "core/counted.h"
#include "core/forecast.h"
#include "core/text_set.h"

namespace book {

namespace {

// A moment from outside (an imported file) in the one form the book stores:
// UTC, to the second. False when the text is no moment at all.
bool toStoredMoment(QString& text) {
    // Already in that form (as every moment of the import is by now): a check
    // of its date and time is all it needs.
    static const QRegularExpression stored(
        QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)T(\\d\\d):(\\d\\d):(\\d\\d)Z$"));
    if (const QRegularExpressionMatch m = stored.match(text); m.hasMatch()) {
        auto at = [&m](int k) { return m.capturedView(k).toInt(); };
        if (QDate(at(1), at(2), at(3)).isValid() && QTime(at(4), at(5), at(6)).isValid()) {
            return true;
        }
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
    sentence[0] = sentence[0].toLower();
    return sentence.endsWith(u'.') ? sentence.chopped(1) : sentence;
}

}  // namespace

QString fold(const QString& text) {
    QString folded = text.toLower();
    folded.replace(QChar(u'ё'), QChar(u'е'));
    return folded;
}

QString searchKey(const Client& client) {
    const core::ClientNames& n = client.names;
    return fold(n.surname) + u'\t' + fold(n.name) + u'\t' + fold(n.patronymic);
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
    const core::BirthDate& d = client.birthDate;
    return d.day >= 1 && d.day <= 31 && d.monthIndex >= 0 && d.monthIndex <= 11 &&
           core::noSuchDate(d.day, d.monthIndex, d.year).isEmpty();
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

QString normalise(Client& client) {
    core::ClientNames& n = client.names;
    n.surname = n.surname.trimmed();
    n.name = n.name.trimmed();
    n.patronymic = n.patronymic.trimmed();
    if (n.surname.isEmpty() && n.name.isEmpty() && n.patronymic.isEmpty()) {
        return QStringLiteral("не указаны ни фамилия, ни имя, ни отчество");
    }
    // Lengths as a reader counts characters; no control characters, which
    // would break the lines of a printout or of an exported file.
    if (const QString problem = core::clientNamesProblem(n); !problem.isEmpty()) {
        return clause(problem);
    }
    client.phone = client.phone.trimmed();
    client.email = client.email.trimmed();
    // Only a language's code is kept: anything else would reach the card as text.
    if (!core::isLanguageCode(client.languageCode)) {
        client.languageCode = core::languageCode(core::ReportLanguage::Russian);
    }
    for (const auto& [text, limit, field] : {std::tuple{&client.phone, kPhoneLimit, "Телефон"},
                                             std::tuple{&client.email, kEmailLimit, "Эл. почта"}}) {
        if (const QString problem = core::nameProblem(*text, limit, QString::fromUtf8(field));
            !problem.isEmpty()) {
            return clause(problem);
        }
    }
    if (client.note.size() > kNoteLimit && core::visibleLength(client.note) > kNoteLimit) {
        return QStringLiteral("примечание длиннее %1 знаков").arg(kNoteLimit);
    }
    if (const QString problem = core::overbuiltCharacter(client.note); !problem.isEmpty()) {
        return QStringLiteral("в примечании %1").arg(problem);
    }
    const core::BirthDate& d = client.birthDate;
    if (d.day < 1 || d.day > 31) {
        return QStringLiteral("день рождения не от 1 до 31");
    }
    if (d.monthIndex < 0 || d.monthIndex > 11) {
        return QStringLiteral("месяц рождения не от 1 до 12");
    }
    if (!core::isAcceptedYear(d.year)) {
        return QStringLiteral("год рождения не записан цифрами от 1 до 9999");
    }
    if (const QString problem = core::noSuchDate(d.day, d.monthIndex, d.year); !problem.isEmpty()) {
        return clause(problem);
    }
    if (!client.added.isEmpty() && !toStoredMoment(client.added)) {
        return QStringLiteral("дата добавления не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ");
    }
    if (!client.lastPrinted.isEmpty() && !toStoredMoment(client.lastPrinted)) {
        return QStringLiteral("дата последней печати не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ");
    }
    return {};
}

QString reportText(const ReportRecord& report) {
    switch (report.kind) {
        case core::ReportKind::Printout:
            return QStringLiteral("Распечатка");
        case core::ReportKind::Pdf:
            return QStringLiteral("Отчёт в PDF");
        case core::ReportKind::ManyPdf:
            return QStringLiteral("PDF: ") +
                   core::counted(report.clients, "клиент", "клиента", "клиентов");
    }
    return {};
}

}  // namespace book
