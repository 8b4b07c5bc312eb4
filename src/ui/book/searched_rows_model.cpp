#include "ui/book/searched_rows_model.h"

#include <algorithm>

namespace ui {

void SearchedRowsModel::setClients(std::vector<book::Client> clients,
                                   std::shared_ptr<const BookTexts> texts) {
    texts_ = std::move(texts);
    clients_ = std::make_shared<const std::vector<book::Client>>(std::move(clients));
    order_.reset(clients_, texts_);
    ordered_ = orderedBy(sortColumn_, sortOrder_ == Qt::AscendingOrder);
    rows_ = found();
}

std::vector<int> SearchedRowsModel::orderedBy(int column, bool up) {
    return order_.sorted(column, up);
}

std::vector<int> SearchedRowsModel::found() const {
    return filter_.keptIn(ordered_, *texts_);
}

void SearchedRowsModel::show(std::vector<int> rows) {
    // Only whole rows move or go: the columns stay as they are.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> whose(size_t(before.size()));
    for (qsizetype k = 0; k < before.size(); ++k) {
        whose[size_t(k)] = rows_[size_t(before[k].row())];
    }
    rows_ = std::move(rows);
    if (!before.isEmpty()) {
        std::vector<int> rowOfClient(clients_->size(), -1);
        for (size_t r = 0; r < rows_.size(); ++r) {
            rowOfClient[size_t(rows_[r])] = int(r);
        }
        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype k = 0; k < before.size(); ++k) {
            const int row = rowOfClient[size_t(whose[size_t(k)])];
            after.append(row < 0 ? QModelIndex() : index(row, before[k].column()));
        }
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void SearchedRowsModel::setSearch(const QString& typed) {
    if (filter_.setWords(typed)) {
        show(found());
    }
}

void SearchedRowsModel::sort(int column, Qt::SortOrder order) {
    if (column >= columnCount()) {
        return;
    }
    sortColumn_ = std::max(column, -1);
    sortOrder_ = order;
    ordered_ = orderedBy(sortColumn_, order == Qt::AscendingOrder);
    show(found());
}

int SearchedRowsModel::rowOf(qint64 id) const {
    for (size_t r = 0; r < rows_.size(); ++r) {
        if ((*clients_)[size_t(rows_[r])].id == id) {
            return int(r);
        }
    }
    return -1;
}

int SearchedRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

}  // namespace ui
