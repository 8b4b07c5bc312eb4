#include "ui/book/book_model.h"

#include <QColor>
#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace ui {

namespace {

constexpr const char* kColumnTitles[BookModel::kColumnCount] = {
    QT_TRANSLATE_NOOP("ui::BookModel", "Фамилия"),
    QT_TRANSLATE_NOOP("ui::BookModel", "Имя"),
    QT_TRANSLATE_NOOP("ui::BookModel", "Отчество"),
    QT_TRANSLATE_NOOP("ui::BookModel", "Дата рождения"),
    QT_TRANSLATE_NOOP("ui::BookModel", "Добавлен"),
    QT_TRANSLATE_NOOP("ui::BookModel", "Напечатан"),
    QT_TRANSLATE_NOOP("ui::BookModel", "Примечание")};

// A row from a book another program wrote may hold a date that never was;
// it is shown as such, and its date text as stored.
bool dateOutOfRange(const book::Client& c) {
    return !book::dateExists(c);
}

QString firstLine(const QString& text) {
    const qsizetype end = text.indexOf(u'\n');
    return end < 0 ? text : text.left(end) + QStringLiteral(" …");
}

}  // namespace

void BookModel::reset(std::vector<book::Client> clients, book::SearchKeys keys,
                      const std::vector<std::pair<qint64, QString>>& records) {
    beginResetModel();
    auto texts =
        std::make_shared<const BookTexts>(BookTexts::of(clients, std::move(keys), records));
    setClients(std::move(clients), std::move(texts));
    endResetModel();
}

std::vector<int> BookModel::rowsOf(const std::vector<qint64>& ids) const {
    const QSet<qint64> wanted(ids.begin(), ids.end());
    std::vector<int> rows;
    const std::vector<int>& shown = shownRows();
    for (size_t r = 0; r < shown.size() && rows.size() < size_t(wanted.size()); ++r) {
        if (wanted.contains(clients()[size_t(shown[r])].id)) {
            rows.push_back(int(r));
        }
    }
    return rows;
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
            return QCoreApplication::translate("ui::BookModel",
                                               "Неверная дата рождения: измените её (F2)");
        }
        // The whole text of the cell; the table shows it only where the cell cuts it off.
        return index.column() == kNoteColumn ? c.note : data(index, Qt::DisplayRole);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
        case 0:
            return c.names.surname;
        case 1:
            return c.names.name;
        case 2:
            return c.names.patronymic;
        case kDateColumn:
            return badDate ? QCoreApplication::translate("ui::BookModel", "%1 (неверная)")
                                 .arg(book::birthDateText(c))
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
        return QCoreApplication::translate("ui::BookModel", kColumnTitles[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace ui
