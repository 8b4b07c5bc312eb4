#include "ui/book_model.h"

namespace ui {

namespace {

constexpr const char* kColumnTitles[BookModel::kColumnCount] = {
    "Фамилия", "Имя", "Отчество", "Дата рождения", "Добавлен", "Напечатан"};

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
    if (role == Qt::ToolTipRole) {
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
            return book::birthDateText(c);
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
