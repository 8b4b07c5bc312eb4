#include "core/text_fields.h"

#include <utility>

namespace core {

namespace {

constexpr std::array<const char16_t*, kTextFieldCount> kFieldNames{
    u"имя", u"фамилия", u"отчество", u"аспект", u"уровень", u"год", u"годы", u"обращение"};

// Longer than any field, shorter than a sentence: braces that hold more are
// the text's own and not looked at.
constexpr qsizetype kLongestName = 32;

bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u' ' || c.isMark();
}

// Where the braces that open at `open` close, when what they hold reads as a
// field's name; -1 otherwise.
qsizetype closingBrace(QStringView text, qsizetype open) {
    const qsizetype end = std::min(text.size(), open + kLongestName + 2);
    for (qsizetype i = open + 1; i < end; ++i) {
        if (text[i] == u'}') {
            return i > open + 1 ? i : -1;
        }
        if (!isNameCharacter(text[i])) {
            return -1;
        }
    }
    return -1;
}

std::optional<TextField> fieldNamed(QStringView name) {
    for (int i = 0; i < kTextFieldCount; ++i) {
        if (name.compare(QStringView(kFieldNames[static_cast<std::size_t>(i)]),
                         Qt::CaseInsensitive) == 0) {
            return static_cast<TextField>(i);
        }
    }
    return std::nullopt;
}

// Calls `found(open, close, field)` for every name in braces, left to right.
template <typename Found>
void scanFields(QStringView text, Found found) {
    for (qsizetype i = text.indexOf(u'{'); i >= 0; i = text.indexOf(u'{', i + 1)) {
        const qsizetype close = closingBrace(text, i);
        if (close < 0) {
            continue;
        }
        found(i, close, fieldNamed(text.sliced(i + 1, close - i - 1)));
        i = close;
    }
}

}  // namespace

QString fieldName(TextField field) {
    return QString::fromUtf16(kFieldNames[static_cast<std::size_t>(field)]);
}

FieldValues::FieldValues(const ClientNames& names) {
    set(TextField::Surname, names.surname);
    set(TextField::Name, names.name);
    set(TextField::Patronymic, names.patronymic);
}

FieldValues& FieldValues::set(TextField field, QString value) {
    values_[static_cast<std::size_t>(field)] = std::move(value);
    return *this;
}

const std::optional<QString>& FieldValues::value(TextField field) const {
    return values_[static_cast<std::size_t>(field)];
}

QString fillFields(QStringView text, const FieldValues& values) {
    QString filled;
    filled.reserve(text.size() + 64);
    qsizetype copied = 0;
    scanFields(text, [&](qsizetype open, qsizetype close, std::optional<TextField> field) {
        if (!field || !values.value(*field)) {
            return;
        }
        filled += text.sliced(copied, open - copied);
        filled += *values.value(*field);
        copied = close + 1;
    });
    filled += text.sliced(copied);
    return filled;
}

std::vector<UnknownField> unknownFields(QStringView text) {
    std::vector<UnknownField> unknown;
    scanFields(text, [&](qsizetype open, qsizetype close, std::optional<TextField> field) {
        if (!field) {
            unknown.push_back(
                {open, close - open + 1, text.sliced(open + 1, close - open - 1).toString()});
        }
    });
    return unknown;
}

}  // namespace core
