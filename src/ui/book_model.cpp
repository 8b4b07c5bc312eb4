#include "ui/book_model.h"

#include <QCollator>
#include <QColor>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <tuple>

namespace ui {

namespace {

constexpr const char* kColumnTitles[BookModel::kColumnCount] = {
    "Фамилия", "Имя", "Отчество", "Дата рождения", "Добавлен", "Напечатан", "Примечание"};

// A row from a book another program wrote may hold a date that never was;
// it is shown as such, and its date text as stored.
bool dateOutOfRange(const book::Client& c) {
    return !book::dateExists(c);
}

// The surname (0), name (1) or patronymic (2) out of a client's searchKey().
QStringView foldedName(const QString& key, int column) {
    const QStringView all(key);
    const qsizetype first = all.indexOf(u'\t');
    const qsizetype second = first < 0 ? -1 : all.indexOf(u'\t', first + 1);
    if (second < 0) {
        return column == 0 ? all : QStringView();
    }
    switch (column) {
        case 0:
            return all.first(first);
        case 1:
            return all.sliced(first + 1, second - first - 1);
        default:
            return all.sliced(second + 1);
    }
}

QString firstLine(const QString& text) {
    const qsizetype end = text.indexOf(u'\n');
    return end < 0 ? text : text.left(end) + QStringLiteral(" …");
}

// The text a column sorts by, for the columns that sort as text.
const QString& sortText(const book::Client& c, int column) {
    switch (column) {
        case 0:
            return c.surname;
        case 1:
            return c.name;
        case 2:
            return c.patronymic;
        case 4:
            return c.added;  // stored as ISO moments: text order is time order
        case 5:
            return c.lastPrinted;
        default:
            return c.note;
    }
}

}  // namespace

void BookModel::reset(std::vector<book::Client> clients, std::vector<QString> keys) {
    beginResetModel();
    clients_ = std::move(clients);
    keys_ = std::move(keys);
    dates_.clear();
    for (auto& k : collationKeys_) {
        k.clear();
    }
    plainRussian_.fill(-1);
    arrange();
    endResetModel();
}

const QString& BookModel::dateText(int row) const {
    if (dates_.size() != clients_.size()) {
        dates_.clear();
        dates_.reserve(clients_.size());
        for (const book::Client& c : clients_) {
            dates_.push_back(book::birthDateText(c));
        }
    }
    return dates_[at(row)];
}

void BookModel::sort(int column, Qt::SortOrder order) {
    if (column >= kColumnCount) {
        return;
    }

    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<qint64> ids;
    ids.reserve(size_t(before.size()));
    for (const QModelIndex& index : before) {
        ids.push_back(client(index.row()).id);
    }
    sortColumn_ = column;
    sortOrder_ = order;
    arrange();
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int row = rowOf(ids[size_t(i)]);
        changePersistentIndex(before[i], row < 0 ? QModelIndex() : index(row, before[i].column()));
    }
    emit layoutChanged();
}

// Puts the rows in the chosen order. The book gives them in its own (by the
// folded names), which stands for no choice and breaks ties.
void BookModel::arrange() {
    const size_t n = clients_.size();
    rows_.resize(n);
    std::iota(rows_.begin(), rows_.end(), 0);
    if (sortColumn_ < 0 || n == 0) {
        return;
    }
    const bool up = sortOrder_ == Qt::AscendingOrder;
    // Equal in the column chosen: as the book orders them, whatever the direction.
    const auto decide = [up](int cmp, int a, int b) {
        return cmp != 0 ? (up ? cmp < 0 : cmp > 0) : a < b;
    };
    if (sortColumn_ == kDateColumn) {
        std::vector<qint64> when(n);
        for (size_t i = 0; i < n; ++i) {
            const book::Client& c = clients_[i];
            when[i] = c.yearText.toLongLong() * 10000 + c.month * 100 + c.day;
        }
        std::sort(rows_.begin(), rows_.end(), [&](int a, int b) {
            const qint64 x = when[size_t(a)];
            const qint64 y = when[size_t(b)];
            return decide(x < y ? -1 : (y < x ? 1 : 0), a, b);
        });
    } else if (sortColumn_ == 4 || sortColumn_ == 5) {
        std::sort(rows_.begin(), rows_.end(), [&](int a, int b) {
            return decide(sortText(clients_[size_t(a)], sortColumn_)
                              .compare(sortText(clients_[size_t(b)], sortColumn_)),
                          a, b);
        });
    } else if (sortColumn_ <= 2 && plainRussian(sortColumn_)) {
        // Lower-case Russian letters with «ё» as «е», digits, blanks and
        // hyphens compare by their codes as the Russian collation orders
        // them; the book keeps every name so folded.
        std::vector<QStringView> names(n);
        for (size_t i = 0; i < n; ++i) {
            names[i] = foldedName(keys_[i], sortColumn_);
        }
        std::sort(rows_.begin(), rows_.end(), [&](int a, int b) {
            return decide(names[size_t(a)].compare(names[size_t(b)]), a, b);
        });
    } else {
        const std::vector<QCollatorSortKey>& keys = collationKeys(sortColumn_);
        std::sort(rows_.begin(), rows_.end(), [&](int a, int b) {
            return decide(keys[size_t(a)].compare(keys[size_t(b)]), a, b);
        });
    }
}

// Made the first time a column is sorted and kept until the book is read again.
const std::vector<QCollatorSortKey>& BookModel::collationKeys(int column) {
    auto& keys = collationKeys_[size_t(column)];
    if (keys.empty()) {
        QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        keys.reserve(clients_.size());
        for (const book::Client& c : clients_) {
            keys.push_back(collator.sortKey(sortText(c, column)));
        }
    }
    return keys;
}

bool BookModel::plainRussian(int column) {
    int& known = plainRussian_[size_t(column)];
    if (known < 0) {
        known = 1;
        for (const QString& key : keys_) {
            for (const QChar c : foldedName(key, column)) {
                const char16_t u = c.unicode();
                if (!((u >= u'а' && u <= u'я') || (u >= u'0' && u <= u'9') || u == u' ' ||
                      u == u'-')) {
                    known = 0;
                    break;
                }
            }
            if (known == 0) {
                break;
            }
        }
    }
    return known == 1;
}

int BookModel::rowOf(qint64 id) const {
    for (size_t r = 0; r < rows_.size(); ++r) {
        if (clients_[size_t(rows_[r])].id == id) {
            return int(r);
        }
    }
    return -1;
}

int BookModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(clients_.size());
}

int BookModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant BookModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const book::Client& c = client(index.row());
    const bool badDate = index.column() == kDateColumn && dateOutOfRange(c);
    if (role == Qt::ForegroundRole) {
        return badDate ? QVariant(QColor(0xa0, 0, 0)) : QVariant();
    }
    if (role == Qt::ToolTipRole) {
        if (badDate) {
            return QStringLiteral("Неверная дата рождения: измените её (F2)");
        }
        // The whole text of the cell; the table shows it only where the cell cuts it off.
        return index.column() == kNoteColumn ? c.note : data(index, Qt::DisplayRole);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
        case 0:
            return c.surname;
        case 1:
            return c.name;
        case 2:
            return c.patronymic;
        case kDateColumn:
            return badDate ? book::birthDateText(c) + QStringLiteral(" (неверная)")
                           : book::birthDateText(c);
        case 4:
            return book::momentText(c.added);
        case 5:
            return book::momentText(c.lastPrinted);
        default:
            return firstLine(c.note);
    }
}

QVariant BookModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount) {
        return QString::fromUtf8(kColumnTitles[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace ui
