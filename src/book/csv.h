#pragma once

#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include "book/client.h"

class QIODevice;

// Comma-separated text as spreadsheets write it: fields in double quotes may
// hold separators, quotes (doubled) and line breaks.
namespace book::csv {

// The longest field kept, in UTF-16 units: the longest note the book keeps
// (kNoteLimit characters of at most core::kMostPartsOfACharacter code points)
// with the guard row() may put before it. A longer one is cut.
constexpr qsizetype kFieldLimit = qsizetype(kNoteLimit) * core::kMostPartsOfACharacter * 2 + 1;
// The most fields kept of one record; more spoil it.
constexpr qsizetype kFieldCountLimit = 64;
// The most text kept of one record, in UTF-16 units: one field at its limit
// and room for the rest; a longer record is cut as its fields are.
constexpr qsizetype kRecordLimit = kFieldLimit + 64 * 1024;

struct Record {
    int line = 0;      // the line of the file the record starts on, from 1
    int lastLine = 0;  // the line it ends on
    QStringList fields;
    QString problem;     // why the record cannot be read; empty when it can
    quint64 cut = 0;     // the fields cut short: bit k for the field k, from 0
    qsizetype kept = 0;  // the UTF-16 units kept of all its fields
};
static_assert(kFieldCountLimit <= 64, "a bit of Record::cut for every field");

// Records read one after another from a device, a piece at a time: the
// memory held is one piece and one record, whatever the size of the input.
class Reader {
public:
    Reader(QIODevice& device, QStringDecoder decoder, QChar separator = u',');

    void setSeparator(QChar separator) { separator_ = separator; }
    // The text of the first line, read ahead without taking it (at most one piece).
    QString firstLine();
    // The next record; false at the end of the input or when it cannot be read (error()).
    // Blank lines are skipped.
    bool next(Record& record);
    qint64 bytesRead() const { return bytesRead_; }
    // Why the input could not be read to its end; empty when it could.
    QString error() const { return error_; }

private:
    bool fill();  // the next piece of text; false when there is none
    bool atEnd();
    QChar peek(qsizetype ahead = 0);
    void skipBreak();
    void readQuoted(Record& record, QString& field);
    void readPlain(Record& record, QString& field);
    // As much of `run` as the limits keep; a field cut short is marked in record.cut.
    void append(Record& record, QString& field, QStringView run);
    void append(Record& record, QString& field, QChar c);

    QIODevice& device_;
    QStringDecoder decoder_;
    QChar separator_;
    QString text_;
    qsizetype at_ = 0;
    int line_ = 1;
    qint64 bytesRead_ = 0;
    QString error_;
};

// A field that a spreadsheet would take for a formula (or a guard of one):
// written with a leading «'», which unguard() takes away again.
bool needsGuard(const QString& field);
QString unguard(const QString& field);

// One record with CR LF; fields quoted where they need it, guarded ones too.
QString row(const QStringList& fields, QChar separator = u',');

}  // namespace book::csv
