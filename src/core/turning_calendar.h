#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include "core/forecast.h"
#include "core/person.h"
#include "core/text_library.h"
#include "core/turning.h"

namespace core {

// A person's turning years as a calendar file (iCalendar, RFC 5545) that any
// calendar program imports: one all-day event on 1 January of each turning
// year among the kCalendarYears years after `thisYear`, in the person's
// report language, its title saying the turn and the level and its
// description the library's texts of that year's shape and level. Every
// event has a UID made from the person and the year, so that importing a
// calendar made again later updates the events rather than doubling them.
struct CalendarRequest {
    Person person;
    long long thisYear = 0;
    int leastChange = kTurnChangeDefault;
    QDateTime made;  // the file's moment (DTSTAMP)
};

struct Calendar {
    QByteArray text;  // the whole file; empty when there are no events
    int events = 0;
};

// The calendar of `request` for `forecast` (the forecast of the person's
// date of birth); `library` in the person's language.
Calendar turningCalendar(const CalendarRequest& request, const Forecast& forecast,
                         const TextLibrary& library);

// Why a calendar has no events, in the user's language: the person is born
// after the years it covers, or none of them is a turning year.
QString emptyCalendarReason(const CalendarRequest& request, const Forecast& forecast);

// The pieces of the format, for the tests' reader:
// a TEXT value with «\», «;», «,» and line breaks escaped, other control
// characters left out;
QByteArray calendarText(QStringView text);
// a content line as the file writes it: cut into lines of at most 75 octets
// (never inside a UTF-8 character), each after the first begun with a blank,
// each ended with CR LF.
QByteArray foldedLine(const QByteArray& line);

}  // namespace core
