#include "ui/book_filter.h"

#include "book/client.h"
#include "core/forecast.h"
#include "ui/book_model.h"

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

}  // namespace

void BookFilter::setWords(const QString& typed) {
    const QStringList words = book::fold(typed).split(QChar(u' '), Qt::SkipEmptyParts);
    if (words == typed_) {
        return;
    }
    typed_ = words;
    words_.clear();
    for (const QString& w : words) {
        const bool datePart = digitsAndDots(w);
        words_.push_back({w, datePart, datePart ? -1 : core::parseMonth(w)});
    }
    // One layout change rather than a removal for every run of rows that no
    // longer match: the table and its header redo their work once.
    invalidate();
}

void BookFilter::sort(int column, Qt::SortOrder order) {
    static_cast<BookModel*>(sourceModel())->sort(column, order);
}

bool BookFilter::filterAcceptsRow(int row, const QModelIndex& /*parent*/) const {
    const auto* model = static_cast<const BookModel*>(sourceModel());
    const QString& key = model->key(row);
    for (const Word& word : words_) {
        if (key.contains(word.text)) {
            continue;
        }
        if (word.datePart && model->dateText(row).contains(word.text)) {
            continue;
        }
        if (word.month >= 0 && model->client(row).month == word.month + 1) {
            continue;
        }
        return false;
    }
    return true;
}

}  // namespace ui
