#include "ui/book/turning_model.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <numeric>

#include "core/report_language.h"

namespace ui {

namespace {

constexpr const char* kColumnTitles[TurningModel::kColumnCount] = {
    QT_TRANSLATE_NOOP("ui::TurningModel", "Фамилия"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Имя"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Отчество"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Дата рождения"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Уровень"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Поворот"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Телефон"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Эл. почта"),
    QT_TRANSLATE_NOOP("ui::TurningModel", "Связался")};

// What a column beyond the book's own sorts by: a number, or folded text.
struct Key {
    qint64 number = 0;
    QString text;
    bool operator<(const Key& other) const {
        return number != other.number ? number < other.number : text < other.text;
    }
    bool operator==(const Key& other) const { return number == other.number && text == other.text; }
};

Key keyOf(const book::TurningEntry& e, int column) {
    switch (column) {
        case TurningModel::Level:
            return {e.turning.level, {}};
        case TurningModel::Turn:
            return {qint64(e.turning.turn), {}};
        case TurningModel::Phone:
            return {0, book::fold(e.client.phone)};
        case TurningModel::Email:
            return {0, book::fold(e.client.email)};
        default:
            // Not marked first, then the earliest mark.
            return {e.contacted.isNull() ? 0 : e.contacted.toJulianDay() + 1, {}};
    }
}

}  // namespace

void TurningModel::reset(book::TurningList list) {
    beginResetModel();
    list_ = std::move(list);
    std::vector<book::Client> clients;
    clients.reserve(list_.entries.size());
    for (const book::TurningEntry& e : list_.entries) {
        clients.push_back(e.client);
    }
    auto texts = std::make_shared<const BookTexts>(BookTexts::of(clients, list_.keys));
    setClients(std::move(clients), std::move(texts));
    endResetModel();
}

std::vector<int> TurningModel::orderedBy(int column, bool up) {
    if (column <= BirthDate) {
        return bookOrder().sorted(column, up);  // the book's own columns, the book's own way
    }
    const size_t n = list_.entries.size();
    std::vector<Key> keys(n);
    for (size_t i = 0; i < n; ++i) {
        keys[i] = keyOf(list_.entries[i], column);
    }
    std::vector<int> rows(n);
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    if (up) {
        return rows;
    }
    std::vector<bool> tied(n);
    for (size_t k = 1; k < n; ++k) {
        tied[k] = keys[size_t(rows[k - 1])] == keys[size_t(rows[k])];
    }
    return BookOrder::downwards(rows, tied);
}

std::vector<const book::TurningEntry*> TurningModel::shownEntries() const {
    std::vector<const book::TurningEntry*> shown;
    shown.reserve(shownRows().size());
    for (const int i : shownRows()) {
        shown.push_back(&list_.entries[size_t(i)]);
    }
    return shown;
}

void TurningModel::setContacted(qint64 id, const QDate& day) {
    for (book::TurningEntry& e : list_.entries) {
        if (e.client.id == id) {
            e.contacted = day;
        }
    }
    if (const int row = rowOf(id); row >= 0) {
        emit dataChanged(index(row, Contacted), index(row, Contacted));
    }
}

int TurningModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TurningModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const book::TurningEntry& e = entry(index.row());
    const book::Client& c = e.client;
    switch (index.column()) {
        case Surname:
            return c.names.surname;
        case Name:
            return c.names.name;
        case Patronymic:
            return c.names.patronymic;
        case BirthDate:
            return book::birthDateText(c);
        case Level:
            return e.turning.level;
        case Turn:
            // In the window's own language, as the page words name the turn.
            return core::turnWord(e.turning.turn, core::catalogueLanguage());
        case Phone:
            return c.phone;
        case Email:
            return c.email;
        default:
            return e.contacted.isNull()
                       ? QVariant()
                       : QVariant(e.contacted.toString(QStringLiteral("dd.MM.yyyy")));
    }
}

QVariant TurningModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount) {
        return QCoreApplication::translate("ui::TurningModel", kColumnTitles[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace ui
