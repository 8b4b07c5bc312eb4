#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "core/forecast.h"

namespace book {

// The longest session note and the longest life event, in characters as a
// reader counts them (core::visibleLength).
constexpr int kSessionLimit = 10000;
constexpr int kEventLimit = 200;
// The years a session or an event may carry: those the forecast knows.
constexpr int kFirstRecordYear = 1;
constexpr int kLastRecordYear = 9999;

// One session with a client, as the practitioner's journal keeps it.
struct Session {
    qint64 id = 0;  // 0 until stored
    QDate date;
    QString text;  // several lines, plain text
    friend bool operator==(const Session&, const Session&) = default;
};

// Something that happened in a client's life, pinned to a year (and a month
// when known) so that it can be set beside the curve of that year.
struct LifeEvent {
    qint64 id = 0;
    int year = 0;
    int month = 0;  // 1 to 12; 0 when the month is not known
    QString text;   // one short line
    friend bool operator==(const LifeEvent&, const LifeEvent&) = default;
};

// What a client's card keeps beside the person: the journal, newest first,
// and the life events in the order they happened.
struct ClientRecords {
    std::vector<Session> journal;
    std::vector<LifeEvent> events;
    friend bool operator==(const ClientRecords&, const ClientRecords&) = default;
};

// The rules every stored session and event obey, whoever brings them (the
// card, a restored copy, an import): empty when the row may be stored, else
// what is wrong as the end of a Russian sentence.
QString sessionProblem(const Session& session);
// `born` is the client's date of birth: an event before it is refused.
QString eventProblem(const LifeEvent& event, const core::BirthDate& born);

// The journal newest first (the later entry first on one day), the events by
// year and month, an event without a month first in its year.
void putInOrder(ClientRecords& records);

// «03.1998» or «1998».
QString eventDateText(const LifeEvent& event);

}  // namespace book
