#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <memory>
#include <vector>

#include "book/client.h"
#include "ui/book/book_filter.h"
#include "ui/book/book_order.h"

namespace ui {

// The clients as the book gives them, with what the search and the sort read
// made ready when the book is read (BookTexts: each client's folded names,
// from the book, and date text). It shows the clients the search keeps, in
// the order sort() chooses (the book's own until then); the search and the
// sort only change which clients' numbers stand in which rows.
class BookModel : public QAbstractTableModel {
public:
    static constexpr int kColumnCount = BookOrder::kColumnCount;
    static constexpr int kDateColumn = 3;
    static constexpr int kNoteColumn = 6;

    using QAbstractTableModel::QAbstractTableModel;

    // keys: searchKey() of each client, as the book keeps them. The order
    // chosen by sort() and the words searched for are kept.
    // records: the clients' journal and event texts for the search (BookTexts::of).
    void reset(std::vector<book::Client> clients, book::SearchKeys keys,
               const std::vector<std::pair<qint64, QString>>& records = {});

    // The client shown in a row.
    const book::Client& client(int row) const { return (*clients_)[at(row)]; }
    // How many clients the book has, shown or not.
    int clientCount() const { return int(clients_->size()); }
    // The row of the client with this id; -1 when the search does not show them.
    int rowOf(qint64 id) const;
    // The rows of these clients that the search shows, in no particular order.
    std::vector<int> rowsOf(const std::vector<qint64>& ids) const;

    // Shows only the clients BookFilter keeps for the words typed.
    void setSearch(const QString& typed);

    // Orders by a column: names and notes as a Russian reader expects («ё»
    // with «е», case ignored), dates as dates; ties in the book's order.
    // A column of -1 gives back the book's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Where the client shown in a row is kept.
    size_t at(int row) const { return size_t(rows_[size_t(row)]); }
    // The clients that the search keeps, in the order chosen.
    std::vector<int> found() const;
    // Shows these rows; whatever the view holds on to follows its client.
    void show(std::vector<int> rows);

    // Kept in the book's order; ordered_ is every client in the order
    // chosen, rows_ those of them shown.
    std::shared_ptr<const std::vector<book::Client>> clients_ =
        std::make_shared<std::vector<book::Client>>();
    std::shared_ptr<const BookTexts> texts_ = std::make_shared<BookTexts>();
    BookOrder order_;
    BookFilter filter_;
    std::vector<int> ordered_;
    std::vector<int> rows_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace ui
