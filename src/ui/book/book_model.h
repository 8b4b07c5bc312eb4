#pragma once

#include <QString>
#include <vector>

#include "book/client.h"
#include "ui/book/book_order.h"
#include "ui/book/searched_rows_model.h"

namespace ui {

// The clients as the book gives them, with what the search and the sort read
// made ready when the book is read (BookTexts: each client's folded names,
// from the book, and date text), in the order sort() chooses (the book's own
// until then): names and notes as a Russian reader expects («ё» with «е»,
// case ignored), dates as dates.
class BookModel : public SearchedRowsModel {
public:
    static constexpr int kColumnCount = BookOrder::kColumnCount;
    static constexpr int kDateColumn = 3;
    static constexpr int kNoteColumn = 6;

    using SearchedRowsModel::SearchedRowsModel;

    // keys: searchKey() of each client, as the book keeps them. The order
    // chosen by sort() and the words searched for are kept.
    // records: the clients' journal and event texts for the search (BookTexts::of).
    void reset(std::vector<book::Client> clients, book::SearchKeys keys,
               const std::vector<std::pair<qint64, QString>>& records = {});

    // The client shown in a row.
    const book::Client& client(int row) const { return clients()[at(row)]; }
    // The rows of these clients that the search shows, in no particular order.
    std::vector<int> rowsOf(const std::vector<qint64>& ids) const;

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

}  // namespace ui
