#include "core/client_names.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <utility>

namespace core {

namespace {

// "U+202E"
QString codeOf(char32_t c) {
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

// The embeddings, overrides and isolates that turn the direction of writing.
bool turnsDirection(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool isMark(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// The first character a name may not hold, as U+XXXX; empty when there is none.
QString forbiddenCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // a whole character beyond the first 65,536
            continue;
        }
        const QChar::Category category = c.category();
        if (c.isSurrogate() || category == QChar::Other_Control ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph) {
            return codeOf(c.unicode());
        }
    }
    return {};
}

}  // namespace

bool isPlainText(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0x7F) || (u >= 0x400 && u < 0x460);
    });
}

int visibleLength(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

QString leadingCharacters(const QString& text, int count) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int kept = 0; kept < count; ++kept) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0) {
            break;
        }
        end = next;
    }
    return text.left(end);
}

QString overbuiltCharacter(const QString& text) {
    if (isPlainText(text)) {
        return {};
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to = finder.toNextBoundary(); to > 0;
         from = to, to = finder.toNextBoundary()) {
        const QList<uint> parts = QStringView(text).sliced(from, to - from).toUcs4();
        if (parts.size() > kMostPartsOfACharacter) {
            return QCoreApplication::translate(
                       "ClientNames", "один символ собран больше чем из %1 частей: уберите его")
                .arg(kMostPartsOfACharacter);
        }
        if (std::count_if(parts.begin(), parts.end(), isMark) > kMostMarksOnALetter) {
            return QCoreApplication::translate(
                       "ClientNames",
                       "на одной букве больше %1 диакритических знаков (ударений, точек и т. п.): "
                       "уберите лишние")
                .arg(kMostMarksOnALetter);
        }
    }
    return {};
}

QString printedTextProblem(const QString& text) {
    if (isPlainText(text)) {
        return {};
    }
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (turnsDirection(c)) {
            return QCoreApplication::translate(
                       "ClientNames", "есть знак смены направления письма (%1): уберите его")
                .arg(codeOf(c));
        }
    }
    return overbuiltCharacter(text);
}

LineProblem unprintableLine(QStringView text) {
    qsizetype number = 0;
    for (const QStringView line : text.split(u'\n')) {
        if (QString problem = printedTextProblem(line.toString()); !problem.isEmpty()) {
            return {number, std::move(problem)};
        }
        ++number;
    }
    return {};
}

QString halfCharacter(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return codeOf(text[i].unicode());
        }
    }
    return {};
}

QString nameProblem(const QString& text, int limit, const QString& fieldName) {
    if (fitsPlainly(text, limit)) {
        return {};
    }
    if (const QString code = forbiddenCharacter(text); !code.isEmpty()) {
        return QCoreApplication::translate(
                   "ClientNames",
                   "В поле «%1» есть управляющий или неполный символ (%2): уберите его.")
            .arg(fieldName, code);
    }
    if (const QString problem = printedTextProblem(text); !problem.isEmpty()) {
        return QCoreApplication::translate("ClientNames", "В поле «%1» %2.")
            .arg(fieldName, problem);
    }
    // No character is shorter than one UTF-16 unit: a text no longer than
    // that need not be counted.
    if (const int length = text.size() <= limit ? 0 : visibleLength(text); length > limit) {
        // «длиннее 1 знака, 2 знаков»; «в нём 1 знак, 2 знака, 5 знаков».
        return QCoreApplication::translate("ClientNames", "Поле «%1» %2: %3.")
            .arg(fieldName,
                 QCoreApplication::translate("ClientNames", "длиннее %n знаков", nullptr, limit),
                 QCoreApplication::translate("ClientNames", "в нём %n знаков", nullptr, length));
    }
    return {};
}

QString clientNamesProblem(const ClientNames& names) {
    const struct {
        const QString& text;
        int limit;
        const char* field;
    } fields[] = {
        {names.surname, kSurnameLimit, QT_TRANSLATE_NOOP("ClientNames", "Фамилия")},
        {names.name, kNameLimit, QT_TRANSLATE_NOOP("ClientNames", "Имя")},
        {names.patronymic, kPatronymicLimit, QT_TRANSLATE_NOOP("ClientNames", "Отчество")}};
    for (const auto& f : fields) {
        if (fitsPlainly(f.text, f.limit)) {
            continue;  // nothing to name the field for
        }
        if (QString problem =
                nameProblem(f.text, f.limit, QCoreApplication::translate("ClientNames", f.field));
            !problem.isEmpty()) {
            return problem;
        }
    }
    return {};
}

QString fullName(const ClientNames& names) {
    return fullName(names, ReportLanguage::Russian);
}

QString fullName(const ClientNames& names, ReportLanguage language) {
    using Parts = std::array<const QString*, 3>;
    const Parts order = language == ReportLanguage::English
                            ? Parts{&names.name, &names.patronymic, &names.surname}
                            : Parts{&names.surname, &names.name, &names.patronymic};
    QStringList parts;
    for (const QString* part : order) {
        if (const QString trimmed = part->trimmed(); !trimmed.isEmpty()) {
            parts << trimmed;
        }
    }
    return parts.join(u' ');
}

}  // namespace core
