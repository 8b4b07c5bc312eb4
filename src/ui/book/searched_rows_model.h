#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "book/client.h"
#include "ui/book/book_filter.h"
#include "ui/book/book_order.h"

namespace ui {

// A table of clients searched by the book's own search (BookFilter) and
// ordered as the book orders its columns (BookOrder): the book's window and
// the turning list both show their clients through it. The search and the
// sort only change which clients' numbers stand in which rows; whatever the
// view holds on to (the current row, the selection) follows its client.
class SearchedRowsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // How many clients there are, shown or not.
    int clientCount() const { return int(clients_->size()); }
    // The row of the client with this id; -1 when the search does not show them.
    int rowOf(qint64 id) const;

    // Shows only the clients BookFilter keeps for the words typed.
    void setSearch(const QString& typed);

    // Orders by a column; ties in the given order. A column of -1 gives back
    // the given order; a column past the table's is ignored.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex& parent = {}) const override;

protected:
    // Takes new clients, keeping the search and the order chosen; called
    // between beginResetModel() and endResetModel().
    void setClients(std::vector<book::Client> clients, std::shared_ptr<const BookTexts> texts);

    // Every client, in the order of a column. The book's own columns by
    // default; a table with columns of its own orders those itself.
    virtual std::vector<int> orderedBy(int column, bool up);

    // Where the client shown in a row is kept.
    size_t at(int row) const { return size_t(rows_[size_t(row)]); }
    const std::vector<book::Client>& clients() const { return *clients_; }
    // The clients' places, in the rows shown.
    const std::vector<int>& shownRows() const { return rows_; }
    BookOrder& bookOrder() { return order_; }

private:
    std::vector<int> found() const;
    void show(std::vector<int> rows);

    std::shared_ptr<const std::vector<book::Client>> clients_ =
        std::make_shared<std::vector<book::Client>>();
    std::shared_ptr<const BookTexts> texts_ = std::make_shared<BookTexts>();
    BookOrder order_;
    BookFilter filter_;
    // ordered_ is every client in the order chosen, rows_ those of them shown.
    std::vector<int> ordered_;
    std::vector<int> rows_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace ui
