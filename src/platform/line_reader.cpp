#include "platform/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QFile>
#include <algorithm>
#include <cerrno>

#include "platform/file_names.h"

namespace platform {

namespace {

constexpr qsizetype kChunk = 64 * 1024;

}  // namespace

LineReader::~LineReader() {
    if (ownsFd_) {
        ::close(fd_);
    }
}

QString LineReader::open(const QString& path, const QByteArray& raw) {
    if (path == QLatin1String("-")) {
        // A closed standard input would otherwise be read as an endless
        // series of failures.
        if (standardInputClosed() || ::fcntl(STDIN_FILENO, F_GETFD) < 0) {
            return QCoreApplication::translate("LineReader", "стандартный ввод закрыт");
        }
        fd_ = STDIN_FILENO;
    } else {
        const QByteArray name = raw.isEmpty() ? QFile::encodeName(path) : raw;
        do {
            fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        } while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0) {
            return readReason(errno);
        }
        ownsFd_ = true;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        return readReason(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return QCoreApplication::translate("LineReader", "это папка, а не файл");
    }
    return {};
}

bool LineReader::fill() {
    if (ended_) {
        return false;
    }
    if (start_ > 0) {
        buffer_.remove(0, start_);
        start_ = 0;
    }
    const qsizetype had = buffer_.size();
    buffer_.resize(had + kChunk);
    ssize_t got = 0;
    do {
        got = ::read(fd_, buffer_.data() + had, static_cast<size_t>(kChunk));
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        reason_ = readReason(errno);
    }
    buffer_.resize(had + std::max<qsizetype>(got, 0));
    ended_ = got <= 0;
    return got > 0;
}

LineReader::Result LineReader::next(QByteArray& line) {
    bool skipping = false;  // the line is too long: its bytes are dropped as they come
    for (;;) {
        const qsizetype end = buffer_.indexOf('\n', start_);
        if (end >= 0) {
            const bool tooLong = skipping || end - start_ > kLineLimit;
            line = tooLong ? QByteArray() : buffer_.mid(start_, end - start_);
            start_ = end + 1;
            return tooLong ? Result::TooLong : Result::Line;
        }
        if (buffer_.size() - start_ > kLineLimit) {
            skipping = true;
            buffer_.clear();
            start_ = 0;
        }
        if (!fill()) {
            if (!reason_.isEmpty()) {
                return Result::Failed;
            }
            if (skipping || buffer_.size() > start_) {
                // The last line, without a line end.
                const bool tooLong = skipping || buffer_.size() - start_ > kLineLimit;
                line = tooLong ? QByteArray() : buffer_.mid(start_);
                buffer_.clear();
                start_ = 0;
                return tooLong ? Result::TooLong : Result::Line;
            }
            return Result::End;
        }
    }
}

}  // namespace platform
