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

// A row from a book another program wrote may hold a day or month that no
// date has; it is shown as such, and its date text as stored.
bool dateOutOfRange(const book::Client& c) {
    return c.day < 1 || c.day > 31 || c.month < 1 || c.month > 12;
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
    return dates_[size_t(row)];
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
        ids.push_back(clients_[size_t(index.row())].id);
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
    if (sortColumn_ < 0 || clients_.empty()) {
        return;
    }
    const size_t n = clients_.size();
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t(0));
    const bool up = sortOrder_ == Qt::AscendingOrder;
    // Equal in the column chosen: as the book orders them, whatever the direction.
    const auto decide = [&](int cmp, size_t a, size_t b) {
        if (cmp != 0) {
            return up ? cmp < 0 : cmp > 0;
        }
        const int key = keys_[a].compare(keys_[b]);
        return key != 0 ? key < 0 : clients_[a].id < clients_[b].id;
    };
    if (sortColumn_ == kDateColumn) {
        const auto when = [this](size_t i) {
            const book::Client& c = clients_[i];
            return std::tuple(c.yearText.toInt(), c.month, c.day);
        };
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            const auto x = when(a);
            const auto y = when(b);
            return decide(x < y ? -1 : (y < x ? 1 : 0), a, b);
        });
    } else if (sortColumn_ == 4 || sortColumn_ == 5) {
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return decide(
                sortText(clients_[a], sortColumn_).compare(sortText(clients_[b], sortColumn_)), a,
                b);
        });
    } else {
        // Collation keys once per row: comparing them is a comparison of bytes.
        QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(n);
        for (const book::Client& c : clients_) {
            keys.push_back(collator.sortKey(sortText(c, sortColumn_)));
        }
        std::sort(order.begin(), order.end(),
                  [&](size_t a, size_t b) { return decide(keys[a].compare(keys[b]), a, b); });
    }
    std::vector<book::Client> clients;
    std::vector<QString> folded;
    clients.reserve(n);
    folded.reserve(n);
    for (size_t i : order) {
        clients.push_back(std::move(clients_[i]));
        folded.push_back(std::move(keys_[i]));
    }
    clients_ = std::move(clients);
    keys_ = std::move(folded);
    dates_.clear();
}

int BookModel::rowOf(qint64 id) const {
    for (size_t r = 0; r < clients_.size(); ++r) {
        if (clients_[r].id == id) {
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
