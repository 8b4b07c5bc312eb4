#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <memory>
#include <vector>

#include "book/turning_list.h"
#include "ui/book/book_filter.h"
#include "ui/book/book_order.h"

namespace ui {

// The turning list as the window shows it: the clients who turn in a year,
// searched by the book's own search (BookFilter) and ordered as the book
// orders its columns (BookOrder for the names and the date of birth; the
// level, the turn, the phone, the e-mail and the «Связался» mark by their
// values, ties in the book's order).
class TurningModel : public QAbstractTableModel {
public:
    enum Column { Surname, Name, Patronymic, BirthDate, Level, Turn, Phone, Email, Contacted };
    static constexpr int kColumnCount = Contacted + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // The search and the order chosen are kept.
    void reset(book::TurningList list);
    long long year() const { return list_.year; }

    const book::TurningEntry& entry(int row) const { return list_.entries[at(row)]; }
    int entryCount() const { return int(list_.entries.size()); }
    int rowOf(qint64 id) const;
    // The entries shown, in the order shown: what the export writes.
    std::vector<const book::TurningEntry*> shownEntries() const;
    // The client's «Связался» mark as the book now holds it.
    void setContacted(qint64 id, const QDate& day);

    void setSearch(const QString& typed);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    size_t at(int row) const { return size_t(rows_[size_t(row)]); }
    std::vector<int> ordered(int column, bool up);
    std::vector<int> found() const;
    void show(std::vector<int> rows);

    book::TurningList list_;
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
