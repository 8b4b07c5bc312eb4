#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/text_set.h"

namespace core {

// The one file of texts: the program's defaults, the practitioner's own set,
// an export and the companion's --texts. UTF-8; the first line
// "zemtar-texts 1 ru" (the format and the language); then entries, each a line
// "[key]" (or "[key off]" for a switched-off opening, closing or notice)
// followed by its text up to the next such line, blank lines at either end
// trimmed. A text line that begins with "[" is written with a "\" in front,
// and a line that already begins with backslashes and "[" gets one more, so
// that reading takes exactly one away. Lines between the first line and the
// first entry are notes for people and are not read. docs/texts-format.md
// tells a practitioner or a translator the same.

inline constexpr int kTextFormatVersion = 1;
inline constexpr qint64 kTextFileLimit = 2 * 1024 * 1024;

struct TextFileProblem {
    int line = 0;     // from 1; 0 for the file as a whole
    QString message;  // a sentence in Russian naming the file and the line
};

// What a file gave: the entries that could be read, and what was wrong with
// the others. The entries that could not be read are left to the defaults;
// the caller decides whether a partly read set is used.
struct TextFileReading {
    TextSet set;
    bool ours = false;                      // its first line is ours and the entries were read
    std::vector<TextFileProblem> problems;  // the first kProblemLimit of them
    int problemCount = 0;                   // all of them

    static constexpr int kProblemLimit = 20;

    bool complete() const { return problemCount == 0; }
    // The problems one per line; empty when the file was read whole.
    QString problemText() const;
    // The problems one per line, and that the program's texts stand in for
    // what was not read; empty when the file was read whole.
    QString message() const;
};

// Reads the bytes of a file; `fileName` is what the messages call it. Never
// throws: damage (bytes that are not UTF-8, NUL bytes), a foreign or newer
// file, an unknown or repeated key, a text over the limit and a line that
// cannot go onto a page (core::printedTextProblem) are problems,
// and everything else is still read. An entry an earlier version wrote and
// this one retired (isRetiredTextKey) is passed over quietly.
TextFileReading readTextFile(const QByteArray& bytes, const QString& fileName);

// The file of `set`; read back it gives the same set.
QByteArray textFileBytes(const TextSet& set);

}  // namespace core
