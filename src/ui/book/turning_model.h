#pragma once

#include <QDate>
#include <vector>

#include "book/turning_list.h"
#include "ui/book/searched_rows_model.h"

namespace ui {

// The turning list as the window shows it: the clients who turn in a year,
// searched and ordered as the book's own list (the names and the date of
// birth the book's way; the level, the turn, the phone, the e-mail and the
// «Связался» mark by their values, ties in the book's order).
class TurningModel : public SearchedRowsModel {
public:
    enum Column { Surname, Name, Patronymic, BirthDate, Level, Turn, Phone, Email, Contacted };
    static constexpr int kColumnCount = Contacted + 1;

    using SearchedRowsModel::SearchedRowsModel;

    // The search and the order chosen are kept.
    void reset(book::TurningList list);
    long long year() const { return list_.year; }

    const book::TurningEntry& entry(int row) const { return list_.entries[at(row)]; }
    int entryCount() const { return int(list_.entries.size()); }
    // The entries shown, in the order shown: what the export writes.
    std::vector<const book::TurningEntry*> shownEntries() const;
    // The client's «Связался» mark as the book now holds it.
    void setContacted(qint64 id, const QDate& day);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<int> orderedBy(int column, bool up) override;

    book::TurningList list_;
};

}  // namespace ui
