#include "book/text_order.h"

#include <algorithm>
#include <bit>

namespace book {

namespace {

// UTF-16 code units in the order of the code points they make: a surrogate
// (part of a character past U+FFFF) after every other unit.
quint32 pointOrder(char16_t unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) {
        return unit + 0x2000u;
    }
    return unit >= 0xE000 ? unit - 0x800u : unit;
}

int compareByPoints(QStringView a, QStringView b) {
    const auto [x, y] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (x == a.end() || y == b.end()) {
        return x == a.end() ? (y == b.end() ? 0 : -1) : 1;
    }
    return pointOrder(x->unicode()) < pointOrder(y->unicode()) ? -1 : 1;
}

struct Entry {
    quint64 key;
    int index;
};

}  // namespace

std::vector<int> textOrder(const std::vector<QStringView>& texts, std::vector<bool>* tied) {
    // Every code unit present, numbered from 1 in code point order; 0 is
    // the end of a text.
    std::vector<quint32> code(65536, 0);
    for (const QStringView text : texts) {
        for (const QChar c : text) {
            code[pointOrder(c.unicode())] = 1;
        }
    }
    quint32 present = 0;
    for (quint32& c : code) {
        c = c != 0 ? ++present : 0;
    }
    const int bits = std::max(1, int(std::bit_width(present)));
    const qsizetype packed = 63 / bits;
    // The first `packed` characters in the high 63 bits; the lowest says that
    // the text goes on past them.
    std::vector<Entry> entries(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const QStringView text = texts[i];
        quint64 key = 0;
        for (qsizetype k = 0; k < packed; ++k) {
            key = (key << bits) | (k < text.size() ? code[pointOrder(text[k].unicode())] : 0);
        }
        entries[i] = {(key << (64 - packed * bits)) | (text.size() > packed ? 1 : 0), int(i)};
    }
    const auto compare = [&](const Entry& a, const Entry& b) {
        if (a.key != b.key) {
            return a.key < b.key ? -1 : 1;
        }
        return (a.key & 1) == 0 ? 0
                                : compareByPoints(texts[size_t(a.index)].sliced(packed),
                                                  texts[size_t(b.index)].sliced(packed));
    };
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        const int c = compare(a, b);
        return c != 0 ? c < 0 : a.index < b.index;
    });
    std::vector<int> order(entries.size());
    for (size_t k = 0; k < entries.size(); ++k) {
        order[k] = entries[k].index;
    }
    if (tied) {
        tied->assign(entries.size(), false);
        for (size_t k = 1; k < entries.size(); ++k) {
            (*tied)[k] = compare(entries[k - 1], entries[k]) == 0;
        }
    }
    return order;
}

}  // namespace book
