#include "core/text_set.h"

#include <QCoreApplication>
#include <utility>

#include "core/client_names.h"
#include "core/text_keys.h"

namespace core {

namespace {

bool isBlank(QStringView line) {
    return line.trimmed().isEmpty();
}

// Line ends of every kind as "\n"; control characters other than tabs and
// line ends dropped (a NUL would damage the file), half characters made whole
// as the replacement character, since UTF-8 cannot hold them.
QString cleanCharacters(QStringView text) {
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            clean += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            clean += u'\n';
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            clean += c;
            clean += text[++i];
        } else if (c.isSurrogate()) {
            clean += QChar::ReplacementCharacter;
        } else if (c.category() != QChar::Other_Control || c == u'\n' || c == u'\t') {
            clean += c;
        }
    }
    return clean;
}

}  // namespace

bool isLanguageCode(QStringView code) {
    if (code.size() < 2 || code.size() > 3) {
        return false;
    }
    for (const QChar c : code) {
        if (c < u'a' || c > u'z') {
            return false;
        }
    }
    return true;
}

QString normalizedText(QStringView text) {
    const QString clean = cleanCharacters(text);
    // Whole blank lines go from either end; the spaces of a line with words stay.
    const QList<QStringView> lines = QStringView(clean).split(u'\n');
    qsizetype first = 0;
    qsizetype last = lines.size() - 1;
    while (first <= last && isBlank(lines[first])) {
        ++first;
    }
    while (last >= first && isBlank(lines[last])) {
        --last;
    }
    if (first > last) {
        return {};
    }
    const qsizetype start = lines[first].data() - clean.data();
    const qsizetype end = lines[last].data() + lines[last].size() - clean.data();
    return clean.sliced(start, end - start);
}

QString textProblem(const QString& text) {
    // A character takes at least one unit: a short text needs no counting.
    const int length = text.size() <= kTextLimit ? 0 : visibleLength(text);
    if (length > kTextLimit) {
        return QCoreApplication::translate(
                   "TextSet",
                   "Текст длиннее %1 знаков: в нём %2. Сократите его, программа не "
                   "обрезает текст сама.")
            .arg(kTextLimit)
            .arg(length);
    }
    // A letter under a heap of marks draws a column over the lines above it,
    // and a turn of direction prints the words after it mirrored.
    if (const LineProblem problem = unprintableLine(text); problem.line >= 0) {
        return QCoreApplication::translate("TextSet", "В строке %1 текста %2.")
            .arg(problem.line + 1)
            .arg(problem.what);
    }
    return {};
}

void TextSet::tidy(Entry& entry) {
    // An empty text would only say again that the entry prints nothing; the
    // file could not tell it from no text of its own.
    if (entry.off && entry.text && entry.text->isEmpty()) {
        entry.text.reset();
    }
}

TextSet::TextSet(QString language) : language_(std::move(language)), entries_(textKeys().size()) {}

std::optional<QString> TextSet::text(QStringView key) const {
    const int index = textKeyIndex(key);
    return index < 0 ? std::nullopt : entries_[static_cast<std::size_t>(index)].text;
}

bool TextSet::switchedOff(QStringView key) const {
    const int index = textKeyIndex(key);
    return index >= 0 && entries_[static_cast<std::size_t>(index)].off;
}

bool TextSet::holds(QStringView key) const {
    const int index = textKeyIndex(key);
    return index >= 0 && entries_[static_cast<std::size_t>(index)] != Entry{};
}

QString TextSet::setText(QStringView key, const QString& text) {
    const int index = textKeyIndex(key);
    if (index < 0) {
        return QCoreApplication::translate("TextSet", "В библиотеке нет записи [%1].").arg(key);
    }
    QString normalized = normalizedText(text);
    if (const QString problem = textProblem(normalized); !problem.isEmpty()) {
        return problem;
    }
    Entry& entry = entries_[static_cast<std::size_t>(index)];
    entry.text = std::move(normalized);
    tidy(entry);
    return {};
}

void TextSet::clearText(QStringView key) {
    if (const int index = textKeyIndex(key); index >= 0) {
        entries_[static_cast<std::size_t>(index)].text.reset();
    }
}

bool TextSet::setSwitchedOff(QStringView key, bool off) {
    const TextKey* entry = findTextKey(key);
    if (!entry || !entry->switchable) {
        return false;
    }
    Entry& held = entries_[static_cast<std::size_t>(textKeyIndex(key))];
    held.off = off;
    tidy(held);
    return true;
}

QStringList TextSet::keys() const {
    QStringList held;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i] != Entry{}) {
            held << textKeys()[i].key;
        }
    }
    return held;
}

int TextSet::size() const {
    int count = 0;
    for (const Entry& entry : entries_) {
        count += entry != Entry{} ? 1 : 0;
    }
    return count;
}

}  // namespace core
