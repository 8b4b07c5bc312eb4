// The booklet's choices read from text, and its words written as plain text
// and JSON.

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "core/booklet.h"
#include "core/forecast_text.h"

namespace core {

namespace {

using Kind = BookletBlock::Kind;

// The rows as columns padded to their widest cell, two blanks apart.
void writeTable(QString& out, const BookletBlock& table) {
    std::vector<qsizetype> widths(static_cast<std::size_t>(table.header.size()), 0);
    const auto measure = [&widths](const QStringList& row) {
        for (qsizetype i = 0; i < row.size() && i < qsizetype(widths.size()); ++i) {
            widths[std::size_t(i)] = std::max(widths[std::size_t(i)], row[i].size());
        }
    };
    measure(table.header);
    for (const QStringList& row : table.rows) {
        measure(row);
    }
    const auto write = [&out, &widths](const QStringList& row) {
        QStringList cells;
        for (qsizetype i = 0; i < row.size() && i < qsizetype(widths.size()); ++i) {
            cells << row[i].leftJustified(widths[std::size_t(i)]);
        }
        out += cells.join(QStringLiteral("  ")).trimmed() + u'\n';
    };
    write(table.header);
    for (const QStringList& row : table.rows) {
        write(row);
    }
    out += u'\n';
}

}  // namespace

QString chooseSections(const QString& list, BookletChoice& choice) {
    BookletChoice chosen = choice;
    chosen.aspects = chosen.cycle = chosen.outlook = chosen.happiness = false;
    bool* flags[] = {&chosen.aspects, &chosen.cycle, &chosen.outlook, &chosen.happiness};
    bool any = false;
    for (const QString& part : list.split(u',')) {
        const QString name = part.trimmed().toLower();
        if (name.isEmpty()) {
            continue;
        }
        const auto found =
            std::find_if(kSectionNames.begin(), kSectionNames.end(),
                         [&name](const char* s) { return name == QLatin1StringView(s); });
        if (found == kSectionNames.end()) {
            return QCoreApplication::translate("Booklet", "Неизвестный раздел «%1»: можно %2.")
                .arg(part.trimmed(), QStringLiteral("aspects, cycle, years, happiness"));
        }
        *flags[found - kSectionNames.begin()] = true;
        any = true;
    }
    if (!any) {
        return QCoreApplication::translate(
            "Booklet", "Не назван ни один раздел: можно aspects, cycle, years, happiness.");
    }
    choice = chosen;
    return {};
}

std::optional<int> outlookYearsOf(const QString& text, QString* problem) {
    bool ok = false;
    const int years = text.trimmed().toInt(&ok);
    if (ok && years >= kOutlookLeast && years <= kOutlookMost) {
        return years;
    }
    if (problem) {
        *problem =
            QCoreApplication::translate("Booklet", "Ближайшие годы — число от %1 до %2, а не «%3».")
                .arg(QString::number(kOutlookLeast), QString::number(kOutlookMost), text);
    }
    return std::nullopt;
}

QString blocksText(const std::vector<BookletBlock>& blocks) {
    QString out;
    for (const BookletBlock& b : blocks) {
        switch (b.kind) {
            case Kind::Title:
            case Kind::Heading:
                out += b.text + u'\n' +
                       QString(b.text.size(), b.kind == Kind::Title ? u'=' : u'-') +
                       QStringLiteral("\n\n");
                break;
            case Kind::Subheading:
                out += b.text + u'\n';
                break;
            case Kind::Paragraph:
                out += b.text + QStringLiteral("\n\n");
                break;
            case Kind::Table:
                writeTable(out, b);
                break;
            case Kind::Curve:
                break;
        }
    }
    while (out.endsWith(QStringLiteral("\n\n"))) {
        out.chop(1);
    }
    return out;
}

QString bookletText(const Booklet& booklet) {
    return blocksText(booklet.blocks);
}

QByteArray withTexts(const QByteArray& json, const std::vector<BookletBlock>& blocks) {
    QJsonObject texts;
    for (const BookletBlock& b : blocks) {
        if (!b.key.isEmpty() && !texts.contains(b.key)) {
            texts.insert(b.key, b.text);
        }
    }
    QJsonObject all = QJsonDocument::fromJson(json).object();
    all.insert(QStringLiteral("texts"), texts);
    return QJsonDocument(all).toJson(QJsonDocument::Compact);
}

QByteArray bookletJson(const Booklet& booklet) {
    return withTexts(toJson(booklet.forecast, nullptr, booklet.language()), booklet.blocks);
}

}  // namespace core
