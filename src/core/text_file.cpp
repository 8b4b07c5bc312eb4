#include "core/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>
#include <utility>

#include "core/client_names.h"
#include "core/text_keys.h"

namespace core {

namespace {

constexpr QByteArrayView kMagic = "zemtar-texts";
constexpr QByteArrayView kBom = "\xEF\xBB\xBF";

// The "[" of a text line, behind the backslashes that protect it; -1 when
// the line does not begin with backslashes and "[".
qsizetype protectedBracket(QStringView line) {
    qsizetype i = 0;
    while (i < line.size() && line[i] == u'\\') {
        ++i;
    }
    return i < line.size() && line[i] == u'[' ? i : -1;
}

QString shownName(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

// Reads one file into a TextFileReading, line by line.
class Reader {
public:
    Reader(const QString& fileName, TextFileReading& out) : fileName_(fileName), out_(out) {}

    void read(QByteArrayView bytes);

private:
    struct Entry {
        int index = -1;  // the key's place in textKeys(); -1 while nothing is kept
        int line = 0;    // of its header
        bool off = false;
        bool damaged = false;
        QStringList lines;
    };

    bool readFirstLine(QByteArrayView line);
    void readLine(int number, QByteArrayView bytes);
    void damagedLine(int number, bool header, const QString& what);
    void startEntry(int number, QStringView header);
    bool takeKey(int number, QStringView key, bool off);
    void finishEntry();
    void problem(int line, const QString& what);

    QString fileName_;
    TextFileReading& out_;
    QStringDecoder decoder_{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom};
    std::vector<int> seenAt_ = std::vector<int>(textKeys().size(), 0);  // header line of each key
    bool inEntries_ = false;  // past the notes before the first entry
    Entry entry_;
};

void Reader::problem(int line, const QString& what) {
    ++out_.problemCount;
    if (out_.problems.size() >= TextFileReading::kProblemLimit) {
        return;
    }
    const QString where =
        line > 0 ? QCoreApplication::translate("TextFile",
                                               "Файл текстов толкований «%1», строка %2: %3.")
                       .arg(shownName(fileName_), QString::number(line), what)
                 : QCoreApplication::translate("TextFile", "Файл текстов толкований «%1»: %2.")
                       .arg(shownName(fileName_), what);
    out_.problems.push_back({line, where});
}

void Reader::read(QByteArrayView bytes) {
    if (bytes.size() > kTextFileLimit) {
        problem(0, QCoreApplication::translate(
                       "TextFile",
                       "он больше 2 МБ, а файл текстов толкований не бывает таким "
                       "большим; файл не прочитан"));
        return;
    }
    int number = 0;
    qsizetype start = 0;
    while (start < bytes.size() || number == 0) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            end = bytes.size();
        }
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        ++number;
        if (number == 1 ? !readFirstLine(line) : (readLine(number, line), false)) {
            return;
        }
        start = end + 1;
    }
    finishEntry();
}

bool Reader::readFirstLine(QByteArrayView line) {
    if (line.startsWith(kBom)) {
        line = line.sliced(kBom.size());
    }
    const QList<QByteArray> words = line.toByteArray().simplified().split(' ');
    bool isNumber = false;
    const int version = words.size() == 3 ? words[1].toInt(&isNumber) : 0;
    if (words.size() != 3 || words[0] != kMagic || !isNumber || version < 1 ||
        !isLanguageCode(QString::fromLatin1(words[2]))) {
        problem(1, QCoreApplication::translate(
                       "TextFile",
                       "это не файл текстов толкований: его первая строка должна быть "
                       "«zemtar-texts %1 ru»; файл не прочитан")
                       .arg(kTextFormatVersion));
        return false;
    }
    if (version > kTextFormatVersion) {
        problem(1, QCoreApplication::translate(
                       "TextFile",
                       "он записан более новой версией программы (формат %1), а эта "
                       "версия читает формат %2; файл не прочитан")
                       .arg(version)
                       .arg(kTextFormatVersion));
        return false;
    }
    out_.set = TextSet(QString::fromLatin1(words[2]));
    out_.ours = true;
    return true;
}

void Reader::readLine(int number, QByteArrayView bytes) {
    const bool nul = bytes.contains('\0');
    const QString line = nul ? QString() : decoder_.decode(bytes);
    if (nul || decoder_.hasError()) {
        decoder_.resetState();
        damagedLine(number, bytes.startsWith('['),
                    nul ? QCoreApplication::translate("TextFile", "в нём нулевой байт")
                        : QCoreApplication::translate("TextFile", "это не кодировка UTF-8"));
        return;
    }
    if (line.startsWith(u'[')) {
        finishEntry();
        startEntry(number, line);
        return;
    }
    if (!inEntries_ || entry_.index < 0) {
        return;  // notes before the first entry, or the text of an entry not kept
    }
    entry_.lines << (protectedBracket(line) > 0 ? line.sliced(1) : line);
}

void Reader::damagedLine(int number, bool header, const QString& what) {
    if (header) {
        // A damaged header: its text belongs to no entry that could be kept.
        finishEntry();
        inEntries_ = true;
        problem(number,
                QCoreApplication::translate("TextFile", "текст повреждён: %1; запись пропущена")
                    .arg(what));
    } else if (entry_.index >= 0) {
        entry_.damaged = true;
        problem(number, QCoreApplication::translate("TextFile",
                                                    "текст повреждён: %1; запись [%2] пропущена")
                            .arg(what, textKeys()[static_cast<std::size_t>(entry_.index)].key));
    } else {
        problem(number, QCoreApplication::translate("TextFile", "текст повреждён: %1").arg(what));
    }
}

void Reader::startEntry(int number, QStringView header) {
    inEntries_ = true;
    entry_ = Entry{};
    entry_.line = number;
    const qsizetype close = header.indexOf(u']');
    if (close < 0 || !header.sliced(close + 1).trimmed().isEmpty()) {
        problem(number, QCoreApplication::translate(
                            "TextFile",
                            "строка начинается с «[», но это не заголовок записи "
                            "«[ключ]»; если это текст, поставьте перед «[» знак «\\»; "
                            "текст до следующей записи пропущен"));
        return;
    }
    const QList<QStringView> words = header.sliced(1, close - 1).split(u' ', Qt::SkipEmptyParts);
    const bool off = words.size() == 2 && words[1] == u"off";
    if (words.isEmpty() || words.size() > 2 || (words.size() == 2 && !off)) {
        problem(number,
                QCoreApplication::translate("TextFile",
                                            "заголовок «%1» записан не так: ожидалось «[ключ]» или "
                                            "«[ключ off]»; запись пропущена")
                    .arg(header.first(close + 1)));
        return;
    }
    if (takeKey(number, words[0], off)) {
        entry_.index = textKeyIndex(words[0]);
        entry_.off = off;
    }
}

bool Reader::takeKey(int number, QStringView key, bool off) {
    const TextKey* known = findTextKey(key);
    if (!known && isRetiredTextKey(key)) {
        return false;  // an earlier version's entry: its text has no place to go now
    }
    if (!known) {
        problem(number,
                QCoreApplication::translate("TextFile", "неизвестный ключ [%1]; запись пропущена")
                    .arg(key));
        return false;
    }
    int& seen = seenAt_[static_cast<std::size_t>(textKeyIndex(key))];
    if (seen > 0) {
        problem(number,
                QCoreApplication::translate("TextFile",
                                            "ключ [%1] повторён, он уже был в строке %2; повторная "
                                            "запись пропущена")
                    .arg(key, QString::number(seen)));
        return false;
    }
    seen = number;
    if (off && !known->switchable) {
        problem(number,
                QCoreApplication::translate("TextFile",
                                            "запись [%1] нельзя выключить, выключаются только "
                                            "opening, closing и notice; её текст прочитан")
                    .arg(key));
    }
    return true;
}

void Reader::finishEntry() {
    Entry entry = std::exchange(entry_, Entry{});
    if (entry.index < 0) {
        return;
    }
    const QString key = textKeys()[static_cast<std::size_t>(entry.index)].key;
    if (entry.damaged) {
        return;  // said at the damaged line
    }
    const QString text = normalizedText(entry.lines.join(u'\n'));
    if (const int length = text.size() <= kTextLimit ? 0 : visibleLength(text);
        length > kTextLimit) {
        problem(entry.line,
                QCoreApplication::translate("TextFile",
                                            "текст записи [%1] длиннее %2 знаков (в нём %3); "
                                            "запись пропущена")
                    .arg(key, QString::number(kTextLimit), QString::number(length)));
        return;
    }
    if (const LineProblem bad = unprintableLine(entry.lines.join(u'\n')); bad.line >= 0) {
        problem(entry.line + 1 + int(bad.line),
                QCoreApplication::translate("TextFile", "%1; запись [%2] пропущена")
                    .arg(bad.what, key));
        return;
    }
    out_.set.setSwitchedOff(key, entry.off);
    if (!entry.off || !text.isEmpty()) {
        out_.set.setText(key, text);
    }
}

}  // namespace

QString TextFileReading::problemText() const {
    QStringList lines;
    for (const TextFileProblem& p : problems) {
        lines << p.message;
    }
    if (problemCount > static_cast<int>(problems.size())) {
        lines << QCoreApplication::translate("TextFile",
                                             "Всего ошибок в файле: %1, показаны первые %2.")
                     .arg(problemCount)
                     .arg(problems.size());
    }
    return lines.join(u'\n');
}

QString TextFileReading::message() const {
    if (complete()) {
        return {};
    }
    return problemText() + u'\n' +
           (ours ? QCoreApplication::translate(
                       "TextFile", "Вместо того, что не удалось прочитать, взяты тексты программы.")
                 : QCoreApplication::translate("TextFile", "Взяты тексты программы."));
}

TextFileReading readTextFile(const QByteArray& bytes, const QString& fileName) {
    TextFileReading reading;
    Reader(fileName, reading).read(bytes);
    return reading;
}

QByteArray textFileBytes(const TextSet& set) {
    QString out =
        QStringLiteral("zemtar-texts %1 %2\n").arg(kTextFormatVersion).arg(set.language());
    for (const QString& key : set.keys()) {
        const QStringView off = set.switchedOff(key) ? QStringView(u" off") : QStringView();
        out += QStringLiteral("\n[%1%2]\n").arg(key, off);
        const std::optional<QString> text = set.text(key);
        if (!text) {
            continue;
        }
        for (const QStringView line : QStringView(*text).split(u'\n')) {
            if (protectedBracket(line) >= 0) {
                out += u'\\';
            }
            out += line;
            out += u'\n';
        }
    }
    return out.toUtf8();
}

}  // namespace core
