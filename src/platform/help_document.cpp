#include "platform/help_document.h"

#include <QCoreApplication>

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/private_files.h"

namespace platform {

namespace {

// Elements that hold nothing or close by themselves in HTML; they never nest.
bool neverNests(QStringView tag) {
    static const QStringList tags = {
        QStringLiteral("br"),   QStringLiteral("img"),  QStringLiteral("hr"),
        QStringLiteral("meta"), QStringLiteral("link"), QStringLiteral("input"),
        QStringLiteral("col"),  QStringLiteral("area"), QStringLiteral("base"),
        QStringLiteral("wbr"),  QStringLiteral("p"),    QStringLiteral("li"),
        QStringLiteral("td"),   QStringLiteral("th"),   QStringLiteral("tr"),
        QStringLiteral("dt"),   QStringLiteral("dd"),   QStringLiteral("option")};
    return tags.contains(tag, Qt::CaseInsensitive);
}

// The numbers a tag's colspan and rowspan ask for: each spanned cell costs the
// table memory even when it stays empty.
qint64 spannedCells(QStringView tag) {
    static const QRegularExpression span(
        QStringLiteral("(?:col|row)span\\s*=\\s*[\"']?(\\d{1,12})"),
        QRegularExpression::CaseInsensitiveOption);
    qint64 cells = 0;
    if (!tag.contains(u"span", Qt::CaseInsensitive)) {
        return cells;
    }
    for (auto it = span.globalMatch(tag.toString()); it.hasNext();) {
        cells += it.next().capturedView(1).toLongLong();
    }
    return cells;
}

// What showing `text` would cost, judged from its tags before Qt parses it:
// Qt's time grows with the square of the nesting, and its memory with the
// number of paragraphs, cells and spanned columns. The costs per item were
// measured with Qt 6.4 and rounded up.
std::optional<Refusal> documentProblem(const QString& text) {
    constexpr qint64 kBytesPerElement = 1200;
    constexpr qint64 kBytesPerTable = 3200;
    constexpr qint64 kBytesPerSpannedCell = 16;
    constexpr qint64 kBytesPerCharacter = 32;
    qint64 cost = text.size() * kBytesPerCharacter;
    int depth = 0;
    // Each character is looked at once: the next tag is sought after the end
    // of this one, and text without another «>» has no more tags.
    for (qsizetype at = text.indexOf(u'<'), end = 0; at >= 0; at = text.indexOf(u'<', end + 1)) {
        end = text.indexOf(u'>', at);
        if (end < 0) {
            break;
        }
        const QStringView tag = QStringView(text).mid(at + 1, end - at - 1);
        const bool closing = tag.startsWith(u'/');
        const QStringView rest = tag.mid(closing ? 1 : 0);
        qsizetype length = 0;
        while (length < rest.size() && rest[length].isLetterOrNumber()) {
            ++length;
        }
        const QStringView name = rest.first(length);
        if (name.isEmpty() || !name.front().isLetter()) {
            continue;
        }
        if (closing) {
            depth = std::max(0, depth - (neverNests(name) ? 0 : 1));
            continue;
        }
        cost +=
            name.compare(u"table", Qt::CaseInsensitive) == 0 ? kBytesPerTable : kBytesPerElement;
        cost += spannedCells(tag) * kBytesPerSpannedCell;
        if (!neverNests(name) && !tag.endsWith(u'/') && ++depth > kMaxHelpNesting) {
            return Refusal{
                QCoreApplication::translate("HelpDocument",
                                            "разделы в нём вложены друг в друга глубже %1 уровней")
                    .arg(kMaxHelpNesting)};
        }
    }
    if (cost > kMaxHelpDocumentBytes) {
        return Refusal{
            QCoreApplication::translate("HelpDocument", "для показа ему нужно больше %1 МБ памяти")
                .arg(kMaxHelpDocumentBytes >> 20)};
    }
    return std::nullopt;
}

}  // namespace

std::variant<QByteArray, Refusal> readSmallFile(const QString& path, qint64 maxBytes) {
    QFile file;
    const OpenedFile opened = openForReading(path, file, true);
    if (opened.code != 0) {
        return Refusal{opened.code == ENOENT
                           ? QCoreApplication::translate("HelpDocument", "файл не найден")
                           : QCoreApplication::translate("HelpDocument", "файл не читается")};
    }
    if (!opened.regular) {
        return Refusal{QCoreApplication::translate("HelpDocument", "это не обычный файл")};
    }
    if (opened.size > maxBytes) {
        return Refusal{
            QCoreApplication::translate("HelpDocument", "файл больше %1 МБ").arg(maxBytes >> 20)};
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        return Refusal{
            QCoreApplication::translate("HelpDocument", "файл больше %1 МБ").arg(maxBytes >> 20)};
    }
    return bytes;
}

QString contentsAnchor() {
    return QStringLiteral("contents");
}

std::variant<QString, Refusal> readHelpDocument(const QString& path) {
    std::variant<QByteArray, Refusal> bytes = readSmallFile(path, kMaxHelpFileBytes);
    if (const Refusal* refused = std::get_if<Refusal>(&bytes)) {
        return *refused;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(std::get<QByteArray>(bytes));
    if (decoder.hasError() || !text.contains(QStringLiteral("name=\"%1\"").arg(contentsAnchor()))) {
        return Refusal{QCoreApplication::translate("HelpDocument", "это не справка программы")};
    }
    if (std::optional<Refusal> problem = documentProblem(text)) {
        return *problem;
    }
    return text;
}

}  // namespace platform
