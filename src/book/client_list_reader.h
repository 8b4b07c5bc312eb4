#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <array>
#include <memory>

#include "book/client.h"
#include "book/list_encoding.h"

class QBuffer;
class QIODevice;

namespace book {

namespace csv {
class Reader;
struct Record;
}  // namespace csv

// One row of a client list: the client, or why the row cannot be one.
struct ListRow {
    int line = 0;  // the line of the input the row starts on, from 1
    Client client;
    QString problem;  // empty when the client can be stored
};

// Moments as a spreadsheet in the user's country shows them (local time,
// «05.03.2024 14:30:00», or with its distance from UTC as the book's export
// writes it, «27.10.2024 03:30:00 +02:00») in the form the book stores them
// (UTC, ISO 8601); other text comes back as it is, for normalise() to judge.
class LocalMoments {
public:
    QString stored(const QString& text);

private:
    static constexpr int kChanging = 1 << 30;
    int offsetOf(QDate date);
    QHash<qint64, int> offsets_;  // by Julian day
};

// Reads a list of clients as spreadsheets save it, row by row, with memory
// flat whatever the length of the list (a pipe is taken whole first, at most
// kLargestList bytes, so that it is judged as a file is):
//  - UTF-8 with or without BOM, or Windows-1251 when the bytes are not UTF-8,
//    decided once over the whole list (ListEncoding); a row in another
//    encoding is refused by its line;
//  - the separator «;», «,» or tab, whichever the header row uses;
//  - CR LF or LF line breaks; blank lines and rows of nothing but separators
//    and blanks (the rows a spreadsheet saves after the last one filled in)
//    are passed over without a word;
//  - columns found by their names in the header row, in any order: Фамилия,
//    Имя, Отчество, then either День, Месяц, Год (the month as a number, its
//    name or its genitive) or one «Дата рождения» written ДД.ММ.ГГГГ (a year
//    of one or two digits, as a short date writes it, is refused rather than
//    guessed); and, when present, Телефон, Эл. почта, Примечание, Добавлен,
//    Напечатан, Язык отчёта, Пол, Обращение.
// A field a spreadsheet would take for a formula comes back as typed (see csv::row).
class ClientListReader {
public:
    // What of a row is taken: all the book keeps, or only what a page prints
    // (the names and the date), so that a note or the book's own moments are
    // never a reason to leave a page out.
    enum class Fields { All, Printed };
    // The largest list read, in bytes.
    static constexpr qint64 kLargestList = 50LL * 1024 * 1024;

    explicit ClientListReader(QIODevice& device, Fields fields = Fields::All);
    ~ClientListReader();
    ClientListReader(const ClientListReader&) = delete;
    ClientListReader& operator=(const ClientListReader&) = delete;

    // Chooses the text's encoding and reads the header row. False when the
    // input is no client list; error() says why.
    bool start();
    // The next row; false at the end of the input, or when it cannot be read
    // further (error() says why).
    bool next(ListRow& row);
    // Bytes of the input read so far.
    qint64 bytesRead() const;
    // Why the input is no list or could not be read, in Russian; empty when it could.
    QString error() const;

    enum Column {
        Surname,
        Name,
        Patronymic,
        Day,
        Month,
        Year,
        Note,
        Added,
        Printed,
        Phone,
        Email,
        BirthDate,
        Language,  // the code of the client's report language, «ru»; Russian without it
        Gender,    // «f» or «m» («ж», «м» too); not given when empty
        Address    // «Обращение», as typed
    };
    static constexpr int kColumnCount = Address + 1;
    // The column's name in a header row: «Фамилия», «Дата рождения»…
    static QString title(Column column);

private:
    QString takeInput();
    QString chooseEncoding();
    bool readHeader();
    QString recordProblem(const csv::Record& record) const;
    QString fill(ListRow& row, const QStringList& fields) const;

    QIODevice* device_;  // the input, or the buffer that holds a pipe's
    Fields fields_;
    std::unique_ptr<QBuffer> piped_;
    ListEncoding encoding_;
    std::unique_ptr<csv::Reader> reader_;
    std::array<qsizetype, kColumnCount> at_{};
    qsizetype headerSize_ = 0;
    QString error_;
    mutable LocalMoments moments_;
};

}  // namespace book
