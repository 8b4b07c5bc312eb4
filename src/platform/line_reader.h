#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Reads a file, a pipe or standard input one line at a time, until the system
// says the end has come: a FIFO or a pipe (`<(…)`, /dev/stdin) is read just as
// a regular file is. Memory stays bounded whatever the input: a line longer
// than the limit is not kept but skipped up to its end.
class LineReader {
public:
    static constexpr qsizetype kLineLimit = 4096;  // bytes of a line, without its end

    enum class Result {
        Line,     // `line` holds the next line, without its line end
        TooLong,  // the next line was longer than the limit and has been skipped
        End,      // nothing more to read
        Failed,   // the read failed; reason() says why
    };

    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens `path`, or standard input for "-". `raw` are the name's own bytes
    // when they are not valid UTF-8 (see argumentBytes), else empty. Returns an
    // empty string, or the reason in Russian: standard input closed, a folder,
    // a file that does not exist or may not be read.
    QString open(const QString& path, const QByteArray& raw = {});

    Result next(QByteArray& line);
    QString reason() const { return reason_; }

private:
    // Reads more into the buffer; false at the end or on failure.
    bool fill();
    // The system's read: bytes read, 0 at the end, or -1 with errno in `code`.
    qint64 readSome(char* into, qint64 size, int* code);

    int fd_ = -1;
    bool ownsFd_ = false;
    bool ended_ = false;
    QByteArray buffer_;
    qsizetype start_ = 0;  // where the unread part of buffer_ begins
    QString reason_;
};

}  // namespace platform
