#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "book/client.h"

namespace ui {

// The clients as the book gives them, in its order, each with the folded
// names the search looks in.
class BookModel : public QAbstractTableModel {
public:
    static constexpr int kColumnCount = 6;

    using QAbstractTableModel::QAbstractTableModel;

    // keys: searchKey() of each client, as the book keeps them.
    void reset(std::vector<book::Client> clients, std::vector<QString> keys);

    const book::Client& client(int row) const { return clients_[size_t(row)]; }
    const QString& key(int row) const { return keys_[size_t(row)]; }
    // The row of the client with this id; -1 when there is none.
    int rowOf(qint64 id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<book::Client> clients_;
    std::vector<QString> keys_;
};

}  // namespace ui
