#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "book/client.h"
#include "book/client_book.h"
#include "core/turning.h"

namespace book {

// One client of a turning list: who, the turn of the year, and the day the
// practitioner marked them contacted about it (null when not marked).
struct TurningEntry {
    Client client;
    core::TurningYear turning;
    QDate contacted;
};

// The turning list of a year: every client of the book whose level that year
// is a turn (core::turningYear over each client's forecast), in the book's
// order, with their search keys beside them for the window's search. A client
// born after the year, or with a date no forecast takes, is not listed.
struct TurningList {
    long long year = 0;
    int leastChange = core::kTurnChangeDefault;
    std::vector<TurningEntry> entries;
    SearchKeys keys;  // searchKey() of each entry, in the same order
};

// Reads the book's clients and the marks of `year` and makes the list; the
// year is one of core::turningYearOf()'s. False, saying why, when the book
// cannot be read.
bool turningList(ClientBook& book, long long year, int leastChange, TurningList& out,
                 QString* error = nullptr);

// The same list made from clients already read and the year's marks.
TurningList turningListOf(std::vector<Client> clients, const SearchKeys& keys,
                          const QHash<qint64, QDate>& marks, long long year, int leastChange);

// The rows as a comma-separated file in the conventions of the book's export
// (CsvFormat): the names, the date of birth, «Уровень», «Поворот» (the turn in
// the window's language), «Телефон», «Эл. почта» and «Связался», written whole or
// not at all. False, with the message, when it could not be written.
bool exportTurningCsv(const QString& file, const std::vector<const TurningEntry*>& rows,
                      CsvFormat format, QString* error = nullptr);

}  // namespace book
