#pragma once

#include <QSortFilterProxyModel>
#include <QStringList>

namespace ui {

// Keeps the clients whose names contain every word typed, «е» and «ё» alike,
// case ignored. The book's own order stays. Its source is a BookModel.
class BookFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setWords(const QString& typed);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QStringList words_;
};

}  // namespace ui
