#include "ui/book/book_filter.h"
#include "core/months.h"

#include <algorithm>
#include <unordered_map>

#include "core/forecast.h"
#include "core/report_language.h"

namespace ui {

namespace {

bool digitsAndDots(const QString& word) {
    bool digit = false;
    for (const QChar c : word) {
        if (c.isDigit()) {
            digit = true;
        } else if (c != u'.') {
            return false;
        }
    }
    return digit;
}

// A day or month as the date text has it: two digits, more when it has more.
QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QChar* putTwoDigits(QChar* at, int value) {
    if (value >= 0 && value <= 99) {
        *at++ = QChar(u'0' + value / 10);
        *at++ = QChar(u'0' + value % 10);
        return at;
    }
    const QString text = twoDigits(value);
    return std::copy(text.cbegin(), text.cend(), at);
}

qsizetype twoDigitsLength(int value) {
    return value >= 0 && value <= 99 ? 2 : twoDigits(value).size();
}

// Marks every piece of `text` that holds `word` (piece i runs from start[i]
// to start[i + 1]); a hit that runs on into the next piece is none.
void markHolding(const book::SearchKeys& all, QStringView word, std::vector<quint8>& hit) {
    const QStringView text(all.text);
    const std::vector<int>& start = all.start;
    const size_t pieces = all.size();
    size_t piece = 0;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at)) {
        while (start[piece + 1] <= at) {
            ++piece;
        }
        if (at + word.size() > start[piece + 1]) {
            ++at;
            continue;
        }
        hit[piece] = 1;
        if (++piece == pieces) {
            break;
        }
        at = start[piece];  // the rest of this piece has nothing more to tell
    }
}

// A month as the window's language or Russian, the book's own, names it.
int monthOf(const QString& word) {
    const int month = core::parseMonth(word);
    return month >= 0 ? month : core::parseMonthName(core::catalogueLanguage(), word);
}

}  // namespace

BookTexts BookTexts::of(const std::vector<book::Client>& clients, book::SearchKeys keys,
                        const std::vector<std::pair<qint64, QString>>& records) {
    BookTexts t;
    if (!records.empty()) {
        std::unordered_map<qint64, const QString*> byId;
        for (const auto& [id, text] : records) {
            byId.emplace(id, &text);
        }
        for (const book::Client& c : clients) {
            const auto found = byId.find(c.id);
            t.journal.append(found == byId.end() ? QStringView() : QStringView(*found->second));
        }
    }
    const size_t n = clients.size();
    if (keys.size() != n) {
        keys.clear();
        for (const book::Client& c : clients) {
            keys.append(book::searchKey(c));
        }
    }
    t.keys = std::move(keys);
    t.dates.start.resize(n + 1);
    t.months.resize(n);
    qsizetype length = 0;
    for (size_t i = 0; i < n; ++i) {
        const book::Client& c = clients[i];
        t.dates.start[i] = int(length);
        const core::BirthDate& d = c.birthDate;
        length += twoDigitsLength(d.day) + twoDigitsLength(d.monthIndex + 1) + 2 + d.year.size();
        t.months[i] = qint8(core::monthInRange(d.monthIndex) ? d.monthIndex : -1);
    }
    t.dates.start[n] = int(length);
    t.contacts.start.reserve(n + 1);
    for (const book::Client& c : clients) {
        QString digits;
        for (const QChar ch : c.phone) {
            if (ch.isDigit()) {
                digits += ch;
            }
        }
        t.contacts.append(c.phone.isEmpty() && c.email.isEmpty()
                              ? QString()
                              : book::fold(c.phone) + u'\t' + digits + u'\t' + book::fold(c.email));
    }
    t.dates.text.resize(length);
    QChar* date = t.dates.text.data();
    for (const book::Client& c : clients) {
        // As book::birthDateText() has it: «05.08.1975».
        const core::BirthDate& d = c.birthDate;
        date = putTwoDigits(date, d.day);
        *date++ = u'.';
        date = putTwoDigits(date, d.monthIndex + 1);
        *date++ = u'.';
        date = std::copy(d.year.cbegin(), d.year.cend(), date);
    }
    return t;
}

bool BookFilter::setWords(const QString& typed) {
    const QStringList words = book::fold(typed).split(QChar(u' '), Qt::SkipEmptyParts);
    if (words == typed_) {
        return false;
    }
    typed_ = words;
    words_.clear();
    for (const QString& w : words) {
        const bool datePart = digitsAndDots(w);
        words_.push_back({w, datePart, datePart ? -1 : monthOf(w)});
    }
    return true;
}

std::vector<quint8> BookFilter::kept(const BookTexts& texts) const {
    const size_t n = texts.months.size();
    std::vector<quint8> all(n, 1);
    std::vector<quint8> hit(n);
    for (const Word& word : words_) {
        std::fill(hit.begin(), hit.end(), quint8(0));
        markHolding(texts.keys, word.text, hit);
        markHolding(texts.contacts, word.text, hit);
        if (texts.journal.size() == n) {
            markHolding(texts.journal, word.text, hit);
        }
        if (word.datePart) {
            markHolding(texts.dates, word.text, hit);
        }
        if (word.month >= 0) {
            for (size_t i = 0; i < n; ++i) {
                hit[i] |= quint8(texts.months[i] == word.month);
            }
        }
        for (size_t i = 0; i < n; ++i) {
            all[i] &= hit[i];
        }
    }
    return all;
}

std::vector<int> BookFilter::keptIn(const std::vector<int>& order, const BookTexts& texts) const {
    if (keepsAll()) {
        return order;
    }
    const std::vector<quint8> keep = kept(texts);
    std::vector<int> rows;
    for (const int i : order) {
        if (keep[size_t(i)] != 0) {
            rows.push_back(i);
        }
    }
    return rows;
}

}  // namespace ui
