#include "ui/book_model.h"

#include <QColor>

namespace ui {

namespace {

constexpr const char* kColumnTitles[BookModel::kColumnCount] = {
    "Фамилия", "Имя", "Отчество", "Дата рождения", "Добавлен", "Напечатан"};

// A row from a book another program wrote may hold a day or month that no
// date has; it is shown as such, and its date text as stored.
bool dateOutOfRange(const book::Client& c) {
    return c.day < 1 || c.day > 31 || c.month < 1 || c.month > 12;
}

}  // namespace

void BookModel::reset(std::vector<book::Client> clients, std::vector<QString> keys) {
    beginResetModel();
    clients_ = std::move(clients);
    keys_ = std::move(keys);
    endResetModel();
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
    const bool badDate = index.column() == 3 && dateOutOfRange(c);
    if (role == Qt::ForegroundRole) {
        return badDate ? QVariant(QColor(0xa0, 0, 0)) : QVariant();
    }
    if (role == Qt::ToolTipRole) {
        if (badDate) {
            return QStringLiteral("Неверная дата рождения: измените её (F2)");
        }
        return c.note.isEmpty() ? QVariant() : QVariant(c.note);
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
        case 3:
            return badDate ? book::birthDateText(c) + QStringLiteral(" (неверная)")
                           : book::birthDateText(c);
        case 4:
            return book::momentText(c.added);
        default:
            return book::momentText(c.lastPrinted);
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
