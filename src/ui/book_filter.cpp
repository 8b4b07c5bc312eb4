#include "ui/book_filter.h"

#include "book/client.h"
#include "ui/book_model.h"

namespace ui {

void BookFilter::setWords(const QString& typed) {
    const QStringList words = book::fold(typed).split(QChar(u' '), Qt::SkipEmptyParts);
    if (words == words_) {
        return;
    }
    words_ = words;
    // One layout change rather than a removal for every run of rows that no
    // longer match: the table and its header redo their work once.
    invalidate();
}

bool BookFilter::filterAcceptsRow(int row, const QModelIndex& /*parent*/) const {
    const QString& key = static_cast<const BookModel*>(sourceModel())->key(row);
    for (const QString& word : words_) {
        if (!key.contains(word)) {
            return false;
        }
    }
    return true;
}

}  // namespace ui
