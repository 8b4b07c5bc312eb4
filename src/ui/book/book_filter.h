#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

#include "book/client.h"

namespace ui {

// What the search and the sort read of every client, each kind in one piece
// of text in the book's order: a pass over a hundred thousand clients then
// reads memory straight through instead of as many scattered strings.
struct BookTexts {
    book::SearchKeys keys;      // every client's folded names, book::searchKey()
    book::SearchKeys dates;     // every client's book::birthDateText()
    book::SearchKeys contacts;  // the phone as typed and as digits alone, the e-mail folded
    std::vector<qint8> months;  // 0 for January, -1 for a month no date has
    book::SearchKeys journal;   // the folded journal and life events; empty when none is known

    // The clients in the book's order and their searchKey()s; `records`, by
    // client id, the text of their journal and events (ClientBook::recordTexts).
    static BookTexts of(const std::vector<book::Client>& clients, book::SearchKeys keys,
                        const std::vector<std::pair<qint64, QString>>& records = {});
};

// Which clients the search keeps: those in whom every word typed is found, in
// the names («е» and «ё» alike, case ignored), in the date of birth
// («1975», «23.08», «23.08.1975», or a month's name, «август» or «августа»),
// or in the phone (its digits found whatever stands between them) or e-mail,
// or in the client's journal of sessions and life events.
class BookFilter {
public:
    // Takes what is typed; false when it asks for the same as before.
    bool setWords(const QString& typed);
    // Nothing typed but blanks: every client is kept.
    bool keepsAll() const { return words_.empty(); }

    // For each client in the book's order, whether the search keeps them.
    std::vector<quint8> kept(const BookTexts& texts) const;
    // The rows of `order` (indexes into texts) that are kept, in that order.
    std::vector<int> keptIn(const std::vector<int>& order, const BookTexts& texts) const;

private:
    struct Word {
        QString text;
        bool datePart = false;  // digits and dots
        int month = -1;         // the month it names, 0 for January
    };
    std::vector<Word> words_;
    QStringList typed_;
};

}  // namespace ui
