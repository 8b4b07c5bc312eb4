#pragma once

#include <QString>
#include <QStringView>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QTextDocument;

namespace ui {

// Marks in an editor every name in braces that is no field of the texts
// («{дата}», «{имя клиента}»): underlined in red with a wave, since the booklet
// prints it as typed. A field's name never spans lines, so each line is marked
// on its own.
class UnknownFieldMarks : public QSyntaxHighlighter {
public:
    explicit UnknownFieldMarks(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextCharFormat mark_;
};

// The line under the editor naming the unknown fields of `text`, each once,
// and the fields there are; empty when every name in braces is a field.
QString unknownFieldsNote(QStringView text);

}  // namespace ui
