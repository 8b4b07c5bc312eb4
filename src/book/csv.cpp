#include "book/csv.h"

#include <QCoreApplication>
#include <QIODevice>
#include <algorithm>

namespace book::csv {

namespace {

// Bytes read at a time.
constexpr qint64 kPiece = 64 * 1024;

bool isBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

bool needsQuotes(const QString& field, QChar separator) {
    for (const QChar c : field) {
        if (c == separator || c == u'"' || isBreak(c)) {
            return true;
        }
    }
    // Blanks at either end would be lost by readers that trim.
    return !field.isEmpty() && (field.front().isSpace() || field.back().isSpace());
}

}  // namespace

bool needsGuard(const QString& field) {
    if (field.isEmpty()) {
        return false;
    }
    const QChar first = field.front();
    if (first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' ||
        first == u'\r') {
        return true;
    }
    // «'» before such a field is guarded again, so that reading takes away only ours.
    return first == u'\'' && needsGuard(field.mid(1));
}

QString unguard(const QString& field) {
    return field.startsWith(u'\'') && needsGuard(field.mid(1)) ? field.mid(1) : field;
}

QString row(const QStringList& fields, QChar separator) {
    QString out;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k > 0) {
            out += separator;
        }
        const bool guard = needsGuard(fields[k]);
        const QString field = guard ? u'\'' + fields[k] : fields[k];
        if (guard || needsQuotes(field, separator)) {
            out += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            out += field;
        }
    }
    out += QStringLiteral("\r\n");
    return out;
}

Reader::Reader(QIODevice& device, QStringDecoder decoder, QChar separator)
    : device_(device), decoder_(std::move(decoder)), separator_(separator) {}

bool Reader::fill() {
    if (!error_.isEmpty() || device_.atEnd()) {
        return false;
    }
    const QByteArray bytes = device_.read(kPiece);
    if (bytes.isEmpty()) {
        if (device_.atEnd() || device_.errorString().isEmpty()) {
            return false;
        }
        error_ = device_.errorString();
        return false;
    }
    bytesRead_ += bytes.size();
    // What was taken already is dropped, so that the text held stays one piece long.
    text_.remove(0, at_);
    at_ = 0;
    text_ += decoder_(bytes);
    return true;
}

bool Reader::atEnd() {
    while (at_ >= text_.size()) {
        if (!fill()) {
            return true;
        }
    }
    return false;
}

QChar Reader::peek(qsizetype ahead) {
    while (at_ + ahead >= text_.size()) {
        if (!fill()) {
            return QChar();
        }
    }
    return text_[at_ + ahead];
}

QString Reader::firstLine() {
    while (!text_.contains(u'\n') && !text_.contains(u'\r') && text_.size() < kPiece && fill()) {
    }
    qsizetype end = at_;
    while (end < text_.size() && !isBreak(text_[end])) {
        ++end;
    }
    return text_.mid(at_, end - at_);
}

void Reader::skipBreak() {
    if (peek() == u'\r' && peek(1) == u'\n') {
        ++at_;
    }
    ++at_;
    ++line_;
}

void Reader::append(Record& record, QString& field, QStringView run) {
    const qsizetype room = std::min(kFieldLimit - field.size(), kRecordLimit - record.kept);
    const qsizetype taken = std::clamp<qsizetype>(room, 0, run.size());
    field += run.first(taken);
    record.kept += taken;
    if (taken < run.size() && record.fields.size() < kFieldCountLimit) {
        record.cut |= quint64(1) << record.fields.size();
    }
}

void Reader::append(Record& record, QString& field, QChar c) {
    append(record, field, QStringView(&c, 1));
}

// The text up to the next separator or line break, a piece of the input at a time.
void Reader::readPlain(Record& record, QString& field) {
    while (!atEnd()) {
        qsizetype end = at_;
        while (end < text_.size() && text_[end] != separator_ && !isBreak(text_[end])) {
            ++end;
        }
        append(record, field, QStringView(text_).sliced(at_, end - at_));
        at_ = end;
        if (end < text_.size()) {
            return;
        }
    }
}

void Reader::readQuoted(Record& record, QString& field) {
    ++at_;  // the opening quote
    bool closed = false;
    while (!atEnd()) {
        const QChar c = text_[at_];
        if (c == u'"') {
            if (peek(1) == u'"') {
                append(record, field, c);
                at_ += 2;
                continue;
            }
            ++at_;
            closed = true;
            break;
        }
        if (isBreak(c)) {
            const bool crlf = c == u'\r' && peek(1) == u'\n';
            append(record, field, c);
            if (crlf) {
                append(record, field, u'\n');
            }
            at_ += crlf ? 2 : 1;
            ++line_;
            continue;
        }
        append(record, field, c);
        ++at_;
    }
    if (!closed) {
        record.problem =
            QCoreApplication::translate("Csv", "кавычка открыта и не закрыта до конца файла");
    }
    // Anything between the closing quote and the next separator spoils the field.
    while (!atEnd() && text_[at_] != separator_ && !isBreak(text_[at_])) {
        if (record.problem.isEmpty()) {
            record.problem = QCoreApplication::translate("Csv", "текст после закрывающей кавычки");
        }
        ++at_;
    }
}

bool Reader::next(Record& record) {
    record = Record();
    while (!atEnd() && isBreak(text_[at_])) {  // blank lines
        skipBreak();
    }
    if (atEnd()) {
        return false;
    }
    record.line = line_;
    QString field;
    for (;;) {
        if (peek() == u'"') {
            readQuoted(record, field);
        } else {
            readPlain(record, field);
        }
        if (record.fields.size() < kFieldCountLimit) {
            record.fields << field;
        } else if (record.problem.isEmpty()) {
            record.problem =
                QCoreApplication::translate("Csv", "полей больше %1").arg(kFieldCountLimit);
        }
        field.clear();
        record.lastLine = line_;
        if (atEnd()) {
            break;
        }
        if (text_[at_] == separator_) {
            ++at_;
            continue;
        }
        skipBreak();
        break;
    }
    return true;
}

}  // namespace book::csv
