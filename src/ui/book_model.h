#pragma once

#include <QAbstractTableModel>
#include <QString>
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

    const book::Client& client(int row) const { return clients_[size_t(row)]; }
    const QString& key(int row) const { return keys_[size_t(row)]; }
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
    void arrange();

    std::vector<book::Client> clients_;
    std::vector<QString> keys_;
    mutable std::vector<QString> dates_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace ui
