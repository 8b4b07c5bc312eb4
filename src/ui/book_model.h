#pragma once

#include <QAbstractTableModel>
#include <QCollatorSortKey>
#include <QString>
#include <array>
#include <vector>

#include "book/client.h"

namespace ui {

// The clients as the book gives them, each with the folded names the search
// looks in; in the book's order until sort() chooses a column.
class BookModel : public QAbstractTableModel {
public:
    static constexpr int kColumnCount = 7;
    static constexpr int kDateColumn = 3;
    static constexpr int kNoteColumn = 6;

    using QAbstractTableModel::QAbstractTableModel;

    // keys: searchKey() of each client, as the book keeps them. The order
    // chosen by sort() is kept.
    void reset(std::vector<book::Client> clients, std::vector<QString> keys);

    const book::Client& client(int row) const { return clients_[at(row)]; }
    const QString& key(int row) const { return keys_[at(row)]; }
    // "23.08.1975", made the first time a search asks for dates.
    const QString& dateText(int row) const;
    // The row of the client with this id; -1 when there is none.
    int rowOf(qint64 id) const;

    // Orders by a column: names and notes as a Russian reader expects («ё»
    // with «е», case ignored), dates as dates; ties in the book's order.
    // A column of -1 gives back the book's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Where the client shown in a row is kept.
    size_t at(int row) const { return size_t(rows_[size_t(row)]); }
    void arrange();
    const std::vector<QCollatorSortKey>& collationKeys(int column);
    // Whether every name in the column is Russian letters, digits, blanks and hyphens.
    bool plainRussian(int column);

    // Kept in the book's order; rows_ gives the order shown.
    std::vector<book::Client> clients_;
    std::vector<QString> keys_;
    std::vector<int> rows_;
    mutable std::vector<QString> dates_;  // in the book's order
    std::array<std::vector<QCollatorSortKey>, kColumnCount> collationKeys_;
    std::array<int, 3> plainRussian_{-1, -1, -1};  // -1 until known
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace ui
