#pragma once

#include <QString>

namespace core {

// The longest names a client may have, in characters: the client dialog's
// boxes, the client book and the command-line companion keep to the same.
inline constexpr int kSurnameLimit = 25;
inline constexpr int kNameLimit = 20;
inline constexpr int kPatronymicLimit = 25;

// The number of characters a reader sees in `text`: a letter with its accents
// («й» typed as «и» and a breve), a flag or an emoji family counts as one,
// however many UTF-16 units it takes.
int visibleLength(const QString& text);

// The first `count` characters of `text` as visibleLength() counts them: a
// letter keeps its accents and a flag both its halves.
QString leadingCharacters(const QString& text, int count);

// What is wrong with `text` as a client's name for the field `fieldName`
// («Фамилия», «Имя», «Отчество»), as a Russian sentence; empty when nothing is.
// A name is at most `limit` characters as visibleLength() counts them and holds
// no control characters (NUL, tab, line breaks) nor half a character: those
// would break the lines of a printout or of a comma-separated file.
QString nameProblem(const QString& text, int limit, const QString& fieldName);

}  // namespace core

#include <QString>

namespace core {

// A client's three names as they were typed, empty ones included: the client
// dialog gives them, the report prints them and the client book keeps them.
struct ClientNames {
    QString surname;
    QString name;
    QString patronymic;
};

}  // namespace core
