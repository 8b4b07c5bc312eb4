#include "ui/texts/field_marks.h"

#include <QColor>
#include <QCoreApplication>
#include <QStringList>

#include "core/text_fields.h"

namespace ui {

namespace {

// A red that reads on a white editor and on the window's own colour.
const QColor kMarkColour(0xc0, 0x10, 0x10);

}  // namespace

UnknownFieldMarks::UnknownFieldMarks(QTextDocument* document) : QSyntaxHighlighter(document) {
    mark_.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    mark_.setUnderlineColor(kMarkColour);
    mark_.setForeground(kMarkColour);
}

void UnknownFieldMarks::highlightBlock(const QString& text) {
    for (const core::UnknownField& field : core::unknownFields(text)) {
        setFormat(int(field.position), int(field.length), mark_);
    }
}

QString unknownFieldsNote(QStringView text) {
    QStringList unknown;
    for (const core::UnknownField& field : core::unknownFields(text)) {
        const QString braced = u'{' + field.name + u'}';
        if (!unknown.contains(braced)) {
            unknown << braced;
        }
    }
    if (unknown.isEmpty()) {
        return {};
    }
    QStringList known;
    for (int i = 0; i < core::kTextFieldCount; ++i) {
        known << u'{' + core::fieldName(static_cast<core::TextField>(i)) + u'}';
    }
    return QCoreApplication::translate(
               "ui::UnknownFieldMarks",
               "Таких полей нет: %1 — в отчёте они останутся как написаны. Поля: %2.")
        .arg(unknown.join(QStringLiteral(", ")), known.join(QStringLiteral(", ")));
}

}  // namespace ui
