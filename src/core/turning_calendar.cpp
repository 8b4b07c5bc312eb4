#include "core/turning_calendar.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <algorithm>

#include "core/client_names.h"
#include "core/group.h"
#include "core/program_info.h"
#include "core/text_keys.h"

namespace core {

namespace {

constexpr qsizetype kLineOctets = 75;

// Whether a byte continues a UTF-8 character begun before it.
bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

QByteArray dateValue(long long year) {
    return QByteArray::number(year).rightJustified(4, '0') + "0101";
}

// The same person and year give the same UID in every file made for them.
QByteArray uidOf(const Person& person, long long year) {
    const QByteArray who = (person.names.surname + u'\t' + person.names.name + u'\t' +
                            person.names.patronymic + u'\t' + numericDate(person.birthDate))
                               .toUtf8();
    const QByteArray hash = QCryptographicHash::hash(who, QCryptographicHash::Sha1).toHex();
    return "turning-" + QByteArray::number(year) + '-' + hash.left(20) + "@zemtar";
}

QString summaryOf(const TurningYear& t, ReportLanguage language) {
    switch (t.turn) {
        case Turn::Peak:
            return calendarCaption(CalendarCaption::Peak, language).arg(t.level);
        case Turn::Low:
            return calendarCaption(CalendarCaption::Low, language).arg(t.level);
        case Turn::Change:
            break;
    }
    return calendarCaption(CalendarCaption::Change, language)
        .arg(QString::number(t.previous.value_or(t.level)), QString::number(t.level));
}

// The library's words for the year: its shape, then its level.
QString descriptionOf(const TurningYear& t, const Person& person, const TextLibrary& library) {
    YearShape shape = YearShape::Peak;
    if (t.turn == Turn::Low) {
        shape = YearShape::Low;
    } else if (t.turn == Turn::Change) {
        shape = t.level > t.previous.value_or(t.level) ? YearShape::Rise : YearShape::Fall;
    }
    FieldValues values(person.names);
    values.set(TextField::Level, QString::number(t.level));
    values.set(TextField::Year, QString::number(t.year));
    QStringList parts;
    for (const QString& key : {shapeKey(shape), levelKey(t.level)}) {
        if (const QString text = library.filledFor(key, person.gender, values).trimmed();
            !text.isEmpty()) {
            parts << text;
        }
    }
    return parts.join(QStringLiteral("\n\n"));
}

QByteArray eventOf(const TurningYear& t, const CalendarRequest& request,
                   const TextLibrary& library) {
    const ReportLanguage language = request.person.language;
    const QByteArray tag = ";LANGUAGE=" + languageCode(language).toLatin1();
    QByteArray out = foldedLine("BEGIN:VEVENT");
    out += foldedLine("UID:" + uidOf(request.person, t.year));
    out += foldedLine(
        "DTSTAMP:" +
        request.made.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1());
    out += foldedLine("DTSTART;VALUE=DATE:" + dateValue(t.year));
    out += foldedLine("DTEND;VALUE=DATE:" + dateValue(t.year).replace(6, 2, "02"));
    out += foldedLine("SUMMARY" + tag + ':' + calendarText(summaryOf(t, language)));
    if (const QString about = descriptionOf(t, request.person, library); !about.isEmpty()) {
        out += foldedLine("DESCRIPTION" + tag + ':' + calendarText(about));
    }
    out += foldedLine("TRANSP:TRANSPARENT");
    out += foldedLine("END:VEVENT");
    return out;
}

// The years a calendar made in `thisYear` covers, no later than the last a date can be written in.
std::vector<TurningYear> coveredYears(const CalendarRequest& request, const Forecast& forecast) {
    const long long last = std::min(request.thisYear + kCalendarYears, kTurningLastYear);
    return turningYears(forecast, request.thisYear + 1, last, request.leastChange);
}

}  // namespace

QByteArray calendarText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                continue;  // CR LF is one line break
            }
            out += QStringLiteral("\\n");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\\' || c == u';' || c == u',') {
            out += u'\\';
            out += c;
        } else if (c == u'\t' || c.unicode() >= 0x20) {
            if (c.unicode() != 0x7F) {
                out += c;
            }
        }
    }
    return out.toUtf8();
}

QByteArray foldedLine(const QByteArray& line) {
    QByteArray out;
    qsizetype at = 0;
    qsizetype room = kLineOctets;
    while (line.size() - at > room) {
        qsizetype end = at + room;
        while (end > at && continuesCharacter(line.at(end))) {
            --end;
        }
        out += line.mid(at, end - at) + "\r\n ";
        at = end;
        room = kLineOctets - 1;  // the blank that begins the line counts
    }
    return out + line.mid(at) + "\r\n";
}

Calendar turningCalendar(const CalendarRequest& request, const Forecast& forecast,
                         const TextLibrary& library) {
    const std::vector<TurningYear> years = coveredYears(request, forecast);
    if (years.empty()) {
        return {};
    }
    const ReportLanguage language = request.person.language;
    QByteArray text = foldedLine("BEGIN:VCALENDAR");
    text += foldedLine("VERSION:2.0");
    text += foldedLine("PRODID:-//Zemtar//Zemtar Forecast " + info::version().toLatin1() + "//" +
                       languageCode(language).toUpper().toLatin1());
    text += foldedLine("CALSCALE:GREGORIAN");
    text += foldedLine("METHOD:PUBLISH");
    text +=
        foldedLine("X-WR-CALNAME:" + calendarText(calendarCaption(CalendarCaption::Name, language)
                                                      .arg(personLabel(request.person, language))));
    for (const TurningYear& t : years) {
        text += eventOf(t, request, library);
    }
    text += foldedLine("END:VCALENDAR");
    return {text, static_cast<int>(years.size())};
}

QString emptyCalendarReason(const CalendarRequest& request, const Forecast& forecast) {
    const long long first = request.thisYear + 1;
    const long long last = std::min(request.thisYear + kCalendarYears, kTurningLastYear);
    if (first > last) {
        return QCoreApplication::translate(
                   "Turning", "Поворотные годы считаются только до %1 года: календарь пуст.")
            .arg(QString::number(kTurningLastYear));
    }
    if (forecast.birthYear > last) {
        return QCoreApplication::translate(
                   "Turning", "Дата рождения позже %1 года: в календаре на %2–%1 годы нет событий.")
            .arg(QString::number(last), QString::number(first));
    }
    return QCoreApplication::translate("Turning",
                                       "В %1–%2 годах поворотных лет нет: календарь пуст.")
        .arg(QString::number(first), QString::number(last));
}

}  // namespace core
