#include "book/list_encoding.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <utility>

namespace book {

namespace {

// Bytes read at a time.
constexpr qint64 kPiece = 64 * 1024;

enum class LineKind { Ascii, Utf8, Windows1251, Neither };

// Sorts the lines of a list by the encodings they fit, one line at a time.
class LineSorter {
public:
    void take(QByteArrayView line) {
        ++number_;
        const LineKind kind = kindOf(line);
        if (kind == LineKind::Ascii) {
            return;
        }
        if (!first_) {
            first_ = kind;
        }
        lines_.push_back({number_, kind});
        utf8_ = utf8_ || kind == LineKind::Utf8;
        other_ = other_ || kind != LineKind::Utf8;
    }

    ListEncoding verdict() const {
        ListEncoding encoding;
        const bool windows = other_ && (!utf8_ || first_ != LineKind::Utf8);
        encoding.kind = windows ? ListEncoding::Windows1251 : ListEncoding::Utf8;
        const LineKind fits = windows ? LineKind::Windows1251 : LineKind::Utf8;
        for (const auto& [number, kind] : lines_) {
            if (kind != fits) {
                encoding.strayLines.push_back(number);
            }
        }
        return encoding;
    }

private:
    LineKind kindOf(QByteArrayView line) {
        if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; })) {
            return LineKind::Ascii;
        }
        if (line.isValidUtf8()) {
            return LineKind::Utf8;
        }
        // The one byte Windows-1251 leaves out (0x98) comes through as a
        // control character of the 0x80–0x9F block rather than as an error.
        windows_.resetState();
        const QString text = windows_(line);
        const bool controls = std::any_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 0x80 && c.unicode() <= 0x9F;
        });
        return windows_.hasError() || controls ? LineKind::Neither : LineKind::Windows1251;
    }

    int number_ = 0;
    std::vector<std::pair<int, LineKind>> lines_;  // those beyond ASCII
    std::optional<LineKind> first_;
    bool utf8_ = false;
    bool other_ = false;
    QStringDecoder windows_{"windows-1251"};
};

}  // namespace

QString ListEncoding::strayLineProblem() const {
    return kind == Utf8
               ? QCoreApplication::translate("ListEncoding",
                                             "строка не в кодировке UTF-8, как остальной список")
               : QCoreApplication::translate(
                     "ListEncoding", "строка не в кодировке Windows-1251, как остальной список");
}

bool ListEncoding::straysWithin(int first, int last) const {
    const auto at = std::lower_bound(strayLines.begin(), strayLines.end(), first);
    return at != strayLines.end() && *at <= last;
}

QString judgeEncoding(QIODevice& device, ListEncoding& encoding) {
    const qint64 start = device.pos();
    LineSorter sorter;
    QByteArray line;       // the part of the current line in the pieces before
    bool afterCr = false;  // the last piece ended in CR: an LF next is part of that break
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (qint64 size = 0; (size = device.read(piece.data(), kPiece)) != 0;) {
        if (size < 0) {
            return QCoreApplication::translate("ListEncoding", "ошибка чтения: %1")
                .arg(device.errorString());
        }
        const char* at = piece.constData();
        const char* const end = at + size;
        if (afterCr && *at == '\n') {
            ++at;
        }
        while (at < end) {
            const char* const lineEnd =
                std::find_if(at, end, [](char c) { return c == '\r' || c == '\n'; });
            line.append(at, lineEnd - at);
            if (lineEnd == end) {
                break;
            }
            sorter.take(line);
            line.clear();
            at = lineEnd + (*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? 2 : 1);
        }
        afterCr = end[-1] == '\r';
    }
    if (!line.isEmpty()) {
        sorter.take(line);
    }
    if (!device.seek(start)) {
        return QCoreApplication::translate("ListEncoding", "не удалось вернуться к началу файла");
    }
    encoding = sorter.verdict();
    return {};
}

}  // namespace book
