// The line reader's system calls on Linux and other POSIX systems.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QFile>
#include <cerrno>

#include "platform/file_names.h"
#include "platform/line_reader.h"

namespace platform {

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

qint64 LineReader::readSome(char* into, qint64 size, int* code) {
    ssize_t got = 0;
    do {
        got = ::read(fd_, into, static_cast<size_t>(size));
    } while (got < 0 && errno == EINTR);
    *code = got < 0 ? errno : 0;
    return got;
}

}  // namespace platform
