#pragma once

#include <QString>
#include <QStringView>

namespace core {

// The longest names a client may have, in characters: the client dialog's
// boxes, the client book and the command-line companion keep to the same.
inline constexpr int kSurnameLimit = 25;
inline constexpr int kNameLimit = 20;
inline constexpr int kPatronymicLimit = 25;
// The longest form of address (the card's «Обращение»): a first name and a
// patronymic in the vocative.
inline constexpr int kAddressLimit = 50;

// The number of characters a reader sees in `text`: a letter with its accents
// («й» typed as «и» and a breve), a flag or an emoji family counts as one,
// however many UTF-16 units it takes.
int visibleLength(const QString& text);

// The first `count` characters of `text` as visibleLength() counts them: a
// letter keeps its accents and a flag both its halves.
QString leadingCharacters(const QString& text, int count);

// Whether `text` is made only of printable ASCII and the first 96 letters of
// the Cyrillic block (U+0400–U+045F, the whole Russian alphabet among them):
// each such character is one UTF-16 unit and one character to a reader,
// and none is a control, a mark or a turn of direction, so none of the checks
// below can find anything in such a text. Most names are; they skip the
// character-by-character reading.
bool isPlainText(QStringView text);

// A plain text (isPlainText) no longer than `limit`: a name with nothing wrong.
inline bool fitsPlainly(QStringView text, int limit) {
    return text.size() <= limit && isPlainText(text);
}

// The most combining marks one letter may carry (Vietnamese takes two), and
// the most code points one character may be built of (the longest emoji
// sequences take ten). More would be drawn over the lines above and below,
// and would let a text of a few characters take any amount of memory.
inline constexpr int kMostMarksOnALetter = 4;
inline constexpr int kMostPartsOfACharacter = 16;

// Why one of the characters of `text` cannot be drawn as typed, as the end of
// a Russian sentence that begins «В поле «Имя» …» («на одной букве больше 4
// надстрочных знаков: уберите лишние»); empty when every one can.
QString overbuiltCharacter(const QString& text);

// overbuiltCharacter(), and the characters that turn the direction of writing
// (U+202A–U+202E, U+2066–U+2069), which print a name mirrored or out of order:
// what a text that goes onto a page must not hold.
QString printedTextProblem(const QString& text);

// The first line of `text` (counted from 0) that printedTextProblem()
// refuses, with its reason; line -1 when every line can go onto a page. A
// text of many lines is judged line by line, so that the message can name
// the line to mend.
struct LineProblem {
    qsizetype line = -1;
    QString what;
};
LineProblem unprintableLine(QStringView text);

// The first half of a surrogate pair that stands alone in `text`, as
// «U+D835»; empty when there is none. Such a half is no character: stored
// and read again it takes the character after it along.
QString halfCharacter(QStringView text);

// What is wrong with `text` as a client's name for the field `fieldName`
// («Фамилия», «Имя», «Отчество»), as a Russian sentence; empty when nothing is.
// A name is at most `limit` characters as visibleLength() counts them and holds
// no control characters (NUL, tab, line breaks) nor half a character: those
// would break the lines of a printout or of a comma-separated file. Nor does
// it hold what printedTextProblem() refuses.
QString nameProblem(const QString& text, int limit, const QString& fieldName);

}  // namespace core

#include <QString>

#include "core/report_language.h"

namespace core {

// A client's three names as they were typed, empty ones included: the client
// dialog gives them, the report prints them and the client book keeps them.
struct ClientNames {
    QString surname;
    QString name;
    QString patronymic;

    friend bool operator==(const ClientNames&, const ClientNames&) = default;
};

// "Фамилия Имя Отчество": each name trimmed, the empty ones left out; empty
// when there is none, so a caller that shows «(без имени)» says so itself.
QString fullName(const ClientNames& names);
// The names in the order `language` writes a person's name: «Иванова Мария
// Ивановна» in Russian and Ukrainian, «Emily Carter» (a patronymic, when
// there is one, between the first name and the surname) in English.
QString fullName(const ClientNames& names, ReportLanguage language);

// nameProblem() of the surname, the first name and the patronymic in turn,
// each against its limit: the first sentence that finds something wrong, or
// empty when all three can go onto a page.
QString clientNamesProblem(const ClientNames& names);

}  // namespace core
