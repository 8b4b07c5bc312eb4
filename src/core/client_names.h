#pragma once

namespace core {

// The longest names a client may have, in characters: the client dialog's
// boxes, the client book and the command-line companion keep to the same.
inline constexpr int kSurnameLimit = 25;
inline constexpr int kNameLimit = 20;
inline constexpr int kPatronymicLimit = 25;

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
