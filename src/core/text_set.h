#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace core {

// The longest text of one entry, in characters as visibleLength() counts them.
inline constexpr int kTextLimit = 4000;

// The language of the library's texts: two or three small Latin letters, as
// the files' first line writes it ("ru").
bool isLanguageCode(QStringView code);

// An entry's text as the library keeps it: line ends as "\n" (a line or
// paragraph separator too), no control characters but tabs and line ends, no
// half characters, and no blank lines at either end.
QString normalizedText(QStringView text);

// What is wrong with `text` as an entry's text; empty when nothing is. It is
// at most kTextLimit characters, never cut, and every line of it can go onto
// a page as printedTextProblem() tells (no heap of marks on one letter, no
// turn of the direction of writing); the message names the line.
QString textProblem(const QString& text);

// The texts of one file, in one language: the program's defaults, a
// practitioner's own set, an export. It need not hold every entry; an entry
// it does not hold is left to the defaults. The opening, the closing and the
// notice may also be switched off, with or without a text of the set's own.
class TextSet {
public:
    explicit TextSet(QString language = QStringLiteral("ru"));

    const QString& language() const { return language_; }

    // The set's own text of `key`; none when it leaves the entry to the defaults.
    std::optional<QString> text(QStringView key) const;
    bool switchedOff(QStringView key) const;
    // The set says something of the entry: a text, a switch or both.
    bool holds(QStringView key) const;

    // Keeps `text`, normalized, for `key`. Refused, with the reason in
    // Russian and the set as it was, for a key the library lacks or a text
    // over the limit; empty on success.
    QString setText(QStringView key, const QString& text);
    void clearText(QStringView key);
    // Only the opening, the closing and the notice can be switched off;
    // false (and nothing changed) for any other key.
    bool setSwitchedOff(QStringView key, bool off);

    // The keys it holds, in the order of textKeys().
    QStringList keys() const;
    int size() const;
    bool isEmpty() const { return size() == 0; }

    friend bool operator==(const TextSet&, const TextSet&) = default;

private:
    struct Entry {
        std::optional<QString> text;
        bool off = false;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // A switched-off entry's empty text is no text of its own.
    static void tidy(Entry& entry);

    QString language_;
    std::vector<Entry> entries_;  // by the key's place in textKeys()
};

}  // namespace core
