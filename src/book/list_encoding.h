#pragma once

#include <QString>
#include <vector>

class QIODevice;

namespace book {

// The encoding of a client list, decided once over the whole of it: UTF-8 when
// every line is, else Windows-1251 when every line decodes so. In a list of
// both (a row pasted in from another file) the first line with letters beyond
// Latin, the header as a rule, decides, and each line in the other encoding is
// named, as is a line that fits neither: read in the list's encoding it would
// show as gibberish.
struct ListEncoding {
    enum Kind { Utf8, Windows1251 };

    Kind kind = Utf8;
    // The lines that are not in `kind`, from 1, counted as csv::Reader counts
    // them (CR LF, CR or LF ends one), in order.
    std::vector<int> strayLines;

    // Why a stray line cannot be read, in Russian: «строка не в кодировке UTF-8…».
    QString strayLineProblem() const;
    // Whether a line from `first` to `last` holds one.
    bool straysWithin(int first, int last) const;
};

// Reads `device` from where it stands to its end, a piece at a time, and goes
// back there (so `device` must not be sequential). Empty when it can, else the
// reason it cannot be read, in Russian.
QString judgeEncoding(QIODevice& device, ListEncoding& encoding);

}  // namespace book
