#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include "core/person.h"
#include "core/text_fields.h"
#include "core/text_set.h"

namespace core {

// The languages the program has texts of its own in: "ru", "uk", "en".
QStringList textLanguages();

// The program's own texts in `language`, compiled into the program (one file
// per language under assets/texts/), read once. Russian for a language the
// program has no texts in.
const TextSet& defaultTexts(QStringView language);

// What the booklet, the editor and the companion read an entry from: the
// program's defaults for a language with the practitioner's own set on top.
// Only what the practitioner changed is kept in their set, so an entry they
// never touched follows the defaults, a new version's better text included.
class TextLibrary {
public:
    // The defaults of own.language() (Russian when the program has none in
    // it) under `own`.
    explicit TextLibrary(TextSet own = TextSet());

    const QString& language() const { return own_.language(); }

    // The entry's text: the practitioner's own, or the default.
    QString text(QStringView key) const;
    QString defaultText(QStringView key) const;
    // Whether the booklet prints the entry: only the opening, the closing
    // and the notice can be switched off.
    bool isOn(QStringView key) const;
    // The practitioner has a text of their own for the entry (the editor's mark).
    bool isChanged(QStringView key) const;

    // The entry's text with its fields filled; empty when it is switched off.
    QString filled(QStringView key, const FieldValues& values) const;

    // The entry as a client of `gender` reads it: its women's or men's
    // variant when it has one, else the entry itself. A variant belongs with
    // the text it varies: when the practitioner wrote the entry anew and no
    // variant of their own, their text serves everyone rather than the
    // program's variants of a text they replaced. A variant of their own left
    // empty gives the entry itself too.
    QString textFor(QStringView key, Gender gender) const;
    // textFor() with its fields filled; empty when the entry is switched off.
    QString filledFor(QStringView key, Gender gender, const FieldValues& values) const;

    // Keeps `text` as the practitioner's own; a text equal to the default is
    // no change and follows the defaults again. Refused (the reason in
    // Russian, nothing changed) for an unknown key or a text over the limit.
    QString setText(QStringView key, const QString& text);
    // Back to the program's text for one entry; a switch stays as it is.
    void resetToDefault(QStringView key);
    // False for an entry that cannot be switched off.
    bool setOn(QStringView key, bool on);

    // What the practitioner changed: what is saved, exported and imported.
    const TextSet& own() const { return own_; }
    const TextSet& defaults() const { return *defaults_; }

private:
    TextSet own_;
    const TextSet* defaults_;
};

// How many entries read differently (a text, or switched on or off) in
// `after` than in `before`: what an import tells before it changes anything.
int changedEntries(const TextLibrary& before, const TextLibrary& after);

}  // namespace core
