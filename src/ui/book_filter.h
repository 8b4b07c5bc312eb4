#pragma once

#include <QSortFilterProxyModel>
#include <QStringList>
#include <vector>

namespace ui {

// Keeps the clients in whom every word typed is found: in the names («е» and
// «ё» alike, case ignored) or in the date of birth («1975», «23.08»,
// «23.08.1975», or a month's name, «август» or «августа»). Its source is a
// BookModel, which does the sorting: a click on a header orders the source,
// and the filter keeps that order.
class BookFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setWords(const QString& typed);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    struct Word {
        QString text;
        bool datePart = false;  // digits and dots
        int month = -1;         // the month it names, 0 for January
    };
    std::vector<Word> words_;
    QStringList typed_;
};

}  // namespace ui
