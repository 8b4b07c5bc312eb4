#pragma once

#include <QString>
#include <array>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "book/client.h"
#include "ui/book/book_filter.h"

namespace ui {

// How the book window's columns order its clients, and the work that takes
// ahead of the click. Names that are only Russian letters, digits, blanks and
// hyphens compare by their folded text, which the book keeps (lower case, «ё»
// as «е»): for those characters the code order is the Russian collation's.
// Other names and the notes go by the Russian collation (QCollator, case
// ignored), whose keys take long to make: they are made in a thread of its
// own as soon as the clients are known, each distinct text once, and a click
// that comes before they are ready waits for them. Dates compare as dates,
// the moments as the text they are stored in. Equal ones keep the book's
// order, whichever way. Each column's order is made at its first click and
// kept until the clients change.
class BookOrder {
public:
    static constexpr int kColumnCount = 7;

    BookOrder() = default;
    ~BookOrder();
    BookOrder(const BookOrder&) = delete;
    BookOrder& operator=(const BookOrder&) = delete;

    // The clients in the book's order and what the search reads of them.
    using Clients = std::shared_ptr<const std::vector<book::Client>>;
    using Texts = std::shared_ptr<const BookTexts>;
    void reset(Clients clients, Texts texts);

    // Every client's place in the book, in the order of `column`.
    std::vector<int> sorted(int column, bool up);

    // Places in ascending order, `tiedToPrevious` marking each one equal to
    // the one before it, turned downwards: the runs of equal ones from the
    // last to the first, each run still in the book's order.
    static std::vector<int> downwards(const std::vector<int>& rows,
                                      const std::vector<bool>& tiedToPrevious);

private:
    struct Ascending {
        std::vector<int> rows;
        std::vector<bool> tiedToPrevious;
    };
    const Ascending& ascending(int column);
    void stopRanks();

    Clients clients_;
    Texts texts_;
    std::array<std::optional<Ascending>, kColumnCount> ascending_;
    // For the names and the note: each client's rank in the collation's
    // order, empty for a column of plain names.
    std::array<std::shared_future<std::vector<int>>, kColumnCount> ranks_;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::thread worker_;
};

}  // namespace ui
