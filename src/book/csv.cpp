#include "book/csv.h"

namespace book::csv {

namespace {

bool needsQuotes(const QString& field) {
    for (const QChar c : field) {
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r') {
            return true;
        }
    }
    // Blanks at either end would be lost by readers that trim.
    return !field.isEmpty() && (field.front().isSpace() || field.back().isSpace());
}

}  // namespace

std::vector<Record> parse(const QString& text) {
    std::vector<Record> records;
    const qsizetype size = text.size();
    qsizetype i = 0;
    int line = 1;
    // One line break: CR LF, LF or a lone CR.
    auto atBreak = [&](qsizetype at) { return text[at] == u'\n' || text[at] == u'\r'; };
    auto skipBreak = [&] {
        if (text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n') {
            ++i;
        }
        ++i;
        ++line;
    };

    while (i < size) {
        if (atBreak(i)) {  // a blank line
            skipBreak();
            continue;
        }
        Record record;
        record.line = line;
        QString field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (i < size && text[i] == u'"') {
                ++i;
                bool closed = false;
                while (i < size) {
                    if (text[i] == u'"') {
                        if (i + 1 < size && text[i + 1] == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (atBreak(i)) {
                        const bool crlf = text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n';
                        field += crlf ? QStringLiteral("\r\n") : QString(text[i]);
                        i += crlf ? 2 : 1;
                        ++line;
                        continue;
                    }
                    field += text[i++];
                }
                if (!closed) {
                    record.problem = QStringLiteral("кавычка открыта и не закрыта до конца файла");
                }
                // Anything between the closing quote and the next comma spoils the field.
                while (i < size && text[i] != u',' && !atBreak(i)) {
                    if (record.problem.isEmpty()) {
                        record.problem = QStringLiteral("текст после закрывающей кавычки");
                    }
                    ++i;
                }
            } else {
                while (i < size && text[i] != u',' && !atBreak(i)) {
                    field += text[i++];
                }
            }
            record.fields << field;
            field.clear();
            if (i < size && text[i] == u',') {
                ++i;
            } else {
                endOfRecord = true;
                if (i < size) {
                    skipBreak();
                }
            }
        }
        records.push_back(std::move(record));
    }
    return records;
}

QString row(const QStringList& fields) {
    QString out;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k > 0) {
            out += u',';
        }
        const QString& field = fields[k];
        if (needsQuotes(field)) {
            out += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            out += field;
        }
    }
    out += QStringLiteral("\r\n");
    return out;
}

}  // namespace book::csv
