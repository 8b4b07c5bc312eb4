#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

#include "core/client_names.h"

namespace core {

// The fields a library text may name in braces, «{имя}», filled in when a
// booklet is made. Written in lower case; «{Имя}» at the start of a sentence
// is the same field.
// «{обращение}» is how the greeting calls the client (the card's «Обращение»:
// «Мария Ивановна», «Андрію»).
enum class TextField { Name, Surname, Patronymic, Aspect, Level, Year, Years, Address };
inline constexpr int kTextFieldCount = 8;

// The field's name as a text writes it between the braces: «имя», «годы».
QString fieldName(TextField field);

// What the fields stand for in one place of a booklet. A field left unset
// (an aspect's name in the opening) is printed as typed.
class FieldValues {
public:
    FieldValues() = default;
    // The client's three names, empty ones included.
    explicit FieldValues(const ClientNames& names);

    FieldValues& set(TextField field, QString value);
    const std::optional<QString>& value(TextField field) const;

private:
    std::array<std::optional<QString>, kTextFieldCount> values_;
};

// `text` with every field that has a value replaced by it. The values are put
// in as they are and never read again: a name holding «{год}», «%1» or «<b>»
// prints exactly so. Anything in braces that is no field stays as typed.
QString fillFields(QStringView text, const FieldValues& values);

// A name in braces that is no field («{имя клиента}», «{дата}»), for the
// editor to mark: where it stands in the text, braces included, in the
// text's own units (QString positions).
struct UnknownField {
    qsizetype position = 0;
    qsizetype length = 0;
    QString name;  // between the braces, as typed
    friend bool operator==(const UnknownField&, const UnknownField&) = default;
};

std::vector<UnknownField> unknownFields(QStringView text);

}  // namespace core
