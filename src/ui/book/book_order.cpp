#include "ui/book/book_order.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <numeric>

#include "book/text_order.h"
#include "platform/private_files.h"

namespace ui {

namespace {

constexpr int kDateColumn = 3;
constexpr int kNoteColumn = 6;

// The surname (0), name (1) or patronymic (2) out of a client's searchKey().
QStringView foldedName(QStringView all, int column) {
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

// The text a column sorts by, for the columns that sort as text.
const QString& sortText(const book::Client& c, int column) {
    switch (column) {
        case 0:
            return c.names.surname;
        case 1:
            return c.names.name;
        case 2:
            return c.names.patronymic;
        case 4:
            return c.added;  // stored as ISO moments: text order is time order
        case 5:
            return c.lastPrinted;
        default:
            return c.note;
    }
}

// Whether every name in the column is Russian letters, digits, blanks and hyphens.
bool plainRussian(const BookTexts& texts, int column) {
    for (size_t i = 0; i < texts.keys.size(); ++i) {
        for (const QChar c : foldedName(texts.keys[i], column)) {
            const char16_t u = c.unicode();
            if (!((u >= u'а' && u <= u'я') || (u >= u'0' && u <= u'9') || u == u' ' || u == u'-')) {
                return false;
            }
        }
    }
    return true;
}

// Each text's rank in the Russian collation's order, case ignored: equal
// ranks for texts the collation finds equal. Each distinct text gets its key
// once. Empty when told to stop.
std::vector<int> collationRanks(const std::vector<book::Client>& clients, int column,
                                const std::atomic<bool>& stop) {
    QHash<QString, int> numberOf;
    std::vector<int> which(clients.size());
    std::vector<QString> distinct;
    for (size_t i = 0; i < clients.size(); ++i) {
        const QString& text = sortText(clients[i], column);
        const auto found = numberOf.constFind(text);
        which[i] = found != numberOf.cend() ? *found : int(distinct.size());
        if (found == numberOf.cend()) {
            numberOf.insert(text, int(distinct.size()));
            distinct.push_back(text);
        }
    }
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(distinct.size());
    for (const QString& text : distinct) {
        if (keys.size() % 256 == 0 && stop) {
            return {};
        }
        keys.push_back(collator.sortKey(text));
    }
    std::vector<int> byKey(distinct.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(),
              [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    std::vector<int> rankOf(distinct.size());
    int rank = 0;
    for (size_t k = 0; k < byKey.size(); ++k) {
        if (k > 0 && keys[size_t(byKey[k - 1])].compare(keys[size_t(byKey[k])]) != 0) {
            ++rank;
        }
        rankOf[size_t(byKey[k])] = rank;
    }
    std::vector<int> ranks(clients.size());
    for (size_t i = 0; i < clients.size(); ++i) {
        ranks[i] = rankOf[size_t(which[i])];
    }
    return ranks;
}

// A client's place in an order by numbers, and their place in the book for ties.
struct Entry {
    qint64 key;
    int index;
};

}  // namespace

BookOrder::~BookOrder() {
    stopRanks();
}

void BookOrder::stopRanks() {
    if (stop_) {
        *stop_ = true;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    stop_.reset();
    ranks_ = {};
}

void BookOrder::reset(Clients clients, Texts texts) {
    stopRanks();
    clients_ = std::move(clients);
    texts_ = std::move(texts);
    ascending_ = {};
    std::array<std::promise<std::vector<int>>, kColumnCount> promised;
    for (const int column : {0, 1, 2, kNoteColumn}) {
        ranks_[size_t(column)] = promised[size_t(column)].get_future().share();
    }
    stop_ = std::make_shared<std::atomic<bool>>(false);
    worker_ = std::thread([clients = clients_, texts = texts_, stop = stop_,
                           promised = std::move(promised)]() mutable {
        // The window in use comes first.
        platform::lowerCurrentThreadPriority();
        std::array<bool, 3> plain{};
        for (const int column : {0, 1, 2}) {
            plain[size_t(column)] = plainRussian(*texts, column);
            if (plain[size_t(column)]) {
                promised[size_t(column)].set_value({});
            }
        }
        for (const int column : {0, 1, 2, kNoteColumn}) {
            if (column == kNoteColumn || !plain[size_t(column)]) {
                promised[size_t(column)].set_value(collationRanks(*clients, column, *stop));
            }
        }
    });
}

const BookOrder::Ascending& BookOrder::ascending(int column) {
    std::optional<Ascending>& made = ascending_[size_t(column)];
    if (made) {
        return *made;
    }
    const std::vector<book::Client>& clients = *clients_;
    const size_t n = clients.size();
    made.emplace();
    const std::shared_future<std::vector<int>>& ranks = ranks_[size_t(column)];
    if (column != kDateColumn && (!ranks.valid() || ranks.get().empty())) {
        // By the text itself: the moments, and the names that are plain.
        std::vector<QStringView> texts(n);
        for (size_t i = 0; i < n; ++i) {
            texts[i] = column <= 2 ? foldedName(texts_->keys[i], column)
                                   : QStringView(sortText(clients[i], column));
        }
        made->rows = book::textOrder(texts, &made->tiedToPrevious);
        return *made;
    }
    std::vector<Entry> entries(n);
    for (size_t i = 0; i < n; ++i) {
        const book::Client& c = clients[i];
        entries[i] = {column == kDateColumn ? c.birthDate.year.toLongLong() * 10000 +
                                                  c.birthDate.monthIndex * 100 + c.birthDate.day
                                            : qint64(ranks.get()[i]),
                      int(i)};
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.index < b.index;
    });
    made->rows.resize(n);
    made->tiedToPrevious.resize(n);
    for (size_t k = 0; k < n; ++k) {
        made->rows[k] = entries[k].index;
        made->tiedToPrevious[k] = k > 0 && entries[k - 1].key == entries[k].key;
    }
    return *made;
}

std::vector<int> BookOrder::sorted(int column, bool up) {
    if (!clients_ || column < 0 || column >= kColumnCount) {
        std::vector<int> book(clients_ ? clients_->size() : 0);
        std::iota(book.begin(), book.end(), 0);
        return book;
    }
    const Ascending& order = ascending(column);
    return up ? order.rows : downwards(order.rows, order.tiedToPrevious);
}

std::vector<int> BookOrder::downwards(const std::vector<int>& rows,
                                      const std::vector<bool>& tiedToPrevious) {
    std::vector<int> down;
    down.reserve(rows.size());
    for (size_t end = rows.size(); end > 0;) {
        size_t start = end - 1;
        while (start > 0 && tiedToPrevious[start]) {
            --start;
        }
        down.insert(down.end(), rows.begin() + qsizetype(start), rows.begin() + qsizetype(end));
        end = start;
    }
    return down;
}

}  // namespace ui
