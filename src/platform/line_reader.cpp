#include "platform/line_reader.h"

#include <algorithm>

#include "platform/file_names.h"

namespace platform {

namespace {

constexpr qsizetype kChunk = 64 * 1024;

}  // namespace

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
    int code = 0;
    const qint64 got = readSome(buffer_.data() + had, kChunk, &code);
    if (got < 0) {
        reason_ = readReason(code);
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
