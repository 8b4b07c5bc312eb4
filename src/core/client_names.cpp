#include "core/client_names.h"

#include <QTextBoundaryFinder>

namespace core {

namespace {

// «1 знак», «2 знака», «5 знаков»; after «длиннее»: «1 знака», «2 знаков».
QString characters(int count, bool afterComparative = false) {
    const int lastTwo = count % 100;
    const int last = count % 10;
    const bool one = last == 1 && lastTwo != 11;
    const bool few = last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
    const char* word = "знаков";
    if (one) {
        word = afterComparative ? "знака" : "знак";
    } else if (few && !afterComparative) {
        word = "знака";
    }
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(word));
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
            return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        }
    }
    return {};
}

}  // namespace

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

QString nameProblem(const QString& text, int limit, const QString& fieldName) {
    if (const QString code = forbiddenCharacter(text); !code.isEmpty()) {
        return QStringLiteral("В поле «%1» есть управляющий или неполный символ (%2): уберите его.")
            .arg(fieldName, code);
    }
    if (const int length = visibleLength(text); length > limit) {
        return QStringLiteral("Поле «%1» длиннее %2: в нём %3.")
            .arg(fieldName, characters(limit, true), characters(length));
    }
    return {};
}

}  // namespace core
