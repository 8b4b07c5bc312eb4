#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "core/client_names.h"
#include "core/forecast.h"
#include "core/person.h"
#include "core/report_kind.h"
#include "core/report_language.h"

namespace book {

using core::kNameLimit;
using core::kPatronymicLimit;
using core::kSurnameLimit;

// The longest note, in characters as a reader counts them (core::visibleLength).
constexpr int kNoteLimit = 10000;
// The longest phone number and e-mail address, counted alike.
constexpr int kPhoneLimit = 30;
constexpr int kEmailLimit = 60;
using core::kAddressLimit;

// One person the book remembers: the names as typed, the date of birth as the
// rest of the program holds it and a free note. Results are never stored: a
// forecast is always computed afresh.
struct Client {
    qint64 id = 0;  // 0 until stored
    core::ClientNames names;
    core::BirthDate birthDate;  // as stored: a book from elsewhere may hold a day that is none
    QString note;
    QString phone;  // plain text, as typed
    QString email;
    QString added;        // UTC, "2026-05-01T12:00:00Z"
    QString lastPrinted;  // the same form; empty when never printed
    // The language the client's pages are written in, as the book stores it
    // ("ru", "uk", "en"); a code this program has no words for reads as Russian.
    QString languageCode = QStringLiteral("ru");
    core::Gender gender = core::Gender::Unknown;  // «Пол»; unknown for everyone before it was asked
    // «Обращение»: how a greeting calls the client, as typed; empty leaves it
    // to the proposal from the names (core::addressOf).
    QString address;

    core::ReportLanguage language() const { return core::reportLanguageOr(languageCode); }
    bool languageKnown() const { return core::parseReportLanguage(languageCode).has_value(); }
    // The client as every dialog and page takes a person.
    core::Person person() const { return {names, birthDate, language(), gender, address}; }

    // Same names and date of birth: the same person to the book.
    bool samePerson(const Client& other) const {
        return names == other.names && birthDate == other.birthDate;
    }
};

// The book's database and the lists it writes number the months from 1, as
// people write them; these two cross between that and the program's months.
// A list read back goes through core::parseMonth(), which takes names too.
inline int storedMonth(int monthIndex) {
    return monthIndex + 1;
}
inline int monthIndexOf(int storedMonth) {
    return storedMonth - 1;
}

// One report made for a client, as the card shows it.
struct ReportRecord {
    QString made;  // UTC, as Client::added
    core::ReportKind kind = core::ReportKind::Printout;
    QString file;     // the PDF file made; empty for a printout and for older entries
    int clients = 1;  // how many clients the file was made for
};

// «Распечатка», «Отчёт в PDF», «PDF: 5 клиентов».
QString reportText(const ReportRecord& report);

// Text folded for searching and ordering: lower case, «ё» read as «е».
QString fold(QString text);

// The three names folded and joined by tabs: the book's order, and what the
// search looks in.
QString searchKey(const Client& client);

// Many clients' searchKey()s in one piece of text, one after another: a
// hundred thousand of them are read, kept and searched straight through
// rather than as so many strings, each made and freed on its own.
struct SearchKeys {
    QString text;
    std::vector<int> start{0};  // where each key begins in text; one more at the end

    size_t size() const { return start.size() - 1; }
    QStringView operator[](size_t k) const {
        return QStringView(text).sliced(start[k], start[k + 1] - start[k]);
    }
    void append(QStringView key);
    void clear();
};

// "23.08.1975"; the year as typed.
QString birthDateText(const Client& client);

// Whether the stored date keeps every rule of a date of birth
// (core::dateRefusal): a day its month has in that year among them. A book written by another
// program, or by an earlier version that took 31 February, may hold a date that is not; such a row
// is shown as it is stored and never changed by itself.
bool dateExists(const Client& client);

// A year of one or two digits, as a spreadsheet's short date writes one
// («23.08.75»): in a date from outside, its century is not there to be
// guessed. A date written with a leading «'», which spreadsheets keep as text
// as typed, is taken with its year as it stands; the book's own files write
// such a year that way.
bool isShortYear(const QString& yearText);

// The number that the `count` ASCII digits at `at` of `text` write, or -1
// when one of them is something else: a moment's parts, read by position.
int digitsAt(const QString& text, qsizetype at, qsizetype count);

// A stored moment in the user's local time, "07.12.2026 10:20"; empty stays empty.
QString momentText(const QString& stored);

// The gender as the book and its lists write it: "", "f", "m"; and back,
// any case, «ж», «м», «женский», «мужской» too. An unknown text is Unknown,
// told by genderProblem().
QString genderCode(core::Gender gender);
core::Gender genderOfCode(const QString& text);
// Why `text` names no gender, as the end of a sentence; empty when it names one or none.
QString genderProblem(const QString& text);

// Names trimmed of surrounding blanks. Returns an empty string when the
// client can be stored, otherwise what is wrong, in Russian: the card's
// rules, which every row the book takes keeps, however it comes (added,
// imported, restored, upgraded).
QString normalise(Client& client);

// normalise() but for the date's existence: what a row the book already
// holds, or a copy of it brings back, must keep. A date that no calendar has
// (31 February from an older program) is shown as stored and never changed
// by itself (dateExists); anything else that breaks the rules is set aside.
QString ruleBreak(Client& client);

// The first `most` characters of a text from elsewhere, for a message: its
// control characters, line breaks, turns of direction (U+202A–U+202E,
// U+2066–U+2069) and half characters shown as «�», and «…» when there was
// more. The joiners of an emoji and the marks of a right-to-left name stay.
QString shownText(const QString& stored, int most);
// «Фамилия Имя Отчество, 23.08.1975» of a client, shown as shownText() does.
QString shownClient(const Client& client);

}  // namespace book
